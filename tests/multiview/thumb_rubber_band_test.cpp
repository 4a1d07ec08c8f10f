// The rubber band in half-cell coordinates: where a point lies among the
// columns and gaps, which cells a band covers (nothing inside one gap or
// past the list's end), and the position at its moving corner.
#include "multiview/thumb_rubber_band.h"

#include "core/multi_view_messages.h"
#include "multiview/thumb_grid_layout.h"

#include <gtest/gtest.h>

namespace {

// 3 columns x 2 rows of 100-pixel cells: columns [12,112) [124,224)
// [237,337), rows [13,113) [126,226).
CThumbGridLayout Grid()
{
    CThumbGridLayout layout;
    int size = 100;
    layout.Layout(RECT{0, 0, 350, 240}, kMultiViewGrid, &size, false);
    return layout;
}

TEST(ThumbRubberBand, APointIsInsideAColumnOrInTheGapBeforeIt)
{
    const CThumbGridLayout layout = Grid();
    ASSERT_EQ(layout.Columns(), 3);
    ASSERT_EQ(layout.Rows(), 2);
    const struct {
        POINT p;
        int usedColumns, firstColumn;
        POINT cell;
    } cases[] = {
        {{5, 5}, 3, 0, {0, 0}},                                  // before the first column and row
        {{12, 13}, 3, 0, {1, 1}},                                // left and top edges belong to the cell
        {{112, 113}, 3, 0, {2, 2}},                              // right and bottom edges do not
        {{130, 200}, 3, 0, {3, 3}}, {{300, 230}, 3, 0, {5, 4}},  // below the last row
        {{345, 50}, 3, 0, {6, 1}},                               // after the last column
        {{300, 50}, 2, 0, {4, 1}},                               // a page that fills two columns
        {{130, 50}, 3, 4, {11, 1}},                              // the list's column 4 is the page's first
    };
    for (const auto& c : cases) {
        const POINT got = BandCellOfPoint(layout, c.usedColumns, c.firstColumn, c.p);
        EXPECT_EQ(got.x, c.cell.x) << c.p.x << "," << c.p.y;
        EXPECT_EQ(got.y, c.cell.y) << c.p.x << "," << c.p.y;
    }
}

TEST(ThumbRubberBand, QuadrantFollowsTheMovingCorner)
{
    const POINT start{10, 10};
    EXPECT_EQ(BandQuadrant(start, POINT{10, 10}), 1);
    EXPECT_EQ(BandQuadrant(start, POINT{20, 5}), 2);
    EXPECT_EQ(BandQuadrant(start, POINT{5, 20}), 3);
    EXPECT_EQ(BandQuadrant(start, POINT{5, 5}), 4);
}

TEST(ThumbRubberBand, BandCoversTheCellsBetweenItsCorners)
{
    const struct {
        const char* name;
        POINT a, b;
        int total;
        BandCover want;
    } cases[] = {
        {"inside one column gap", {2, 1}, {2, 3}, 30, {false}},
        {"inside one row gap", {1, 2}, {5, 2}, 30, {false}},
        {"two columns, two rows", {1, 1}, {3, 3}, 30, {true, 0, 1, 0, 1}},
        {"from the gaps before column 0 to before column 1", {0, 0}, {2, 2}, 30, {true, 0, 0, 0, 0}},
        {"corners given in any order", {5, 3}, {1, 1}, 30, {true, 0, 2, 0, 1}},
        {"gap to gap spans one column", {2, 1}, {4, 1}, 30, {true, 1, 1, 0, 0}},
        {"the partial last column holds its first row", {5, 1}, {5, 1}, 5, {true, 2, 2, 0, 0}},
        {"the partial last column's empty row", {5, 3}, {5, 3}, 5, {false}},
    };
    for (const auto& c : cases) {
        const BandCover got = BandToCells(c.a, c.b, 2, c.total);
        EXPECT_EQ(got.covers, c.want.covers) << c.name;
        if (!c.want.covers)
            continue;
        EXPECT_EQ(got.firstColumn, c.want.firstColumn) << c.name;
        EXPECT_EQ(got.lastColumn, c.want.lastColumn) << c.name;
        EXPECT_EQ(got.firstRow, c.want.firstRow) << c.name;
        EXPECT_EQ(got.lastRow, c.want.lastRow) << c.name;
    }
}

TEST(ThumbRubberBand, TheFocusGoesToTheMovingCornerAndStaysInsideTheList)
{
    // 2 rows; 5 positions: the third column holds position 4 only.
    const BandCover wide{true, 1, 2, 0, 1};
    EXPECT_EQ(BandCornerPosition(wide, 4, 2, 30, 29), 2);  // first column, first row
    EXPECT_EQ(BandCornerPosition(wide, 3, 2, 30, 29), 3);  // first column, last row
    EXPECT_EQ(BandCornerPosition(wide, 2, 2, 30, 29), 4);  // last column, first row
    EXPECT_EQ(BandCornerPosition(wide, 1, 2, 30, 29), 5);  // last column, last row
    // Past the end: to the list's last position ...
    EXPECT_EQ(BandCornerPosition(wide, 1, 2, 5, 4), 4);
    // ... or, for a band below the last position's row, one column back.
    const BandCover low{true, 1, 2, 1, 1};
    EXPECT_EQ(BandCornerPosition(low, 1, 2, 5, 4), 3);
}

}  // namespace
