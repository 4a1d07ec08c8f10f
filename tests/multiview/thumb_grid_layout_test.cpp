// The grid's geometry: how many cells fit, where the leftover pixels go,
// the preview strip, the size steps that keep the page, and page steps.
#include "multiview/thumb_grid_layout.h"

#include "core/multi_view_messages.h"

#include <gtest/gtest.h>

namespace {

// The grid of the smallest stage: 594 x 507.
constexpr RECT kGrid{0, 37, 594, 544};

void ExpectRect(const RECT& r, LONG l, LONG t, LONG right, LONG b)
{
    EXPECT_EQ(r.left, l);
    EXPECT_EQ(r.top, t);
    EXPECT_EQ(r.right, right);
    EXPECT_EQ(r.bottom, b);
}

TEST(ThumbGridLayout, ColumnsAreTheMostCellsThatFitWithTenPixelGaps)
{
    struct Case {
        int width;
        int edge;
        int columns;
    };
    const Case cases[] = {
        {594, 144, 3},                 // 582 usable: 3 x 144 + 2 x 10 = 452, 4 would need 606
        {618, 144, 4},                 // 606 usable: exactly four
        {617, 144, 3}, {155, 144, 0},  // 143 usable: not even one cell
        {156, 144, 1}, {594, 48, 10},  // (582 + 10) / 58
    };
    for (const Case& c : cases) {
        CThumbGridLayout layout;
        int edge = c.edge;
        layout.Layout(RECT{0, 0, c.width, 400}, kMultiViewGrid, &edge, false);
        EXPECT_EQ(layout.Columns(), c.columns) << c.width << " / " << c.edge;
    }
}

TEST(ThumbGridLayout, CellsGoColumnByColumnWithTheLeftoverSpreadOverTheGaps)
{
    CThumbGridLayout layout;
    int edge = 144;
    ASSERT_EQ(layout.Layout(kGrid, kMultiViewGrid, &edge, false), 1);
    EXPECT_EQ(layout.Columns(), 3);
    EXPECT_EQ(layout.Rows(), 3);
    EXPECT_EQ(layout.CellCount(), 9);
    // gx = (594 - 432) / 4 = 40.5, gy = (507 - 432) / 4 = 18.75.
    EXPECT_EQ(layout.HorizontalGap(), 40);
    EXPECT_EQ(layout.VerticalGap(), 18);
    ExpectRect(layout.GetCellRect(0), 40, 18, 184, 162);
    ExpectRect(layout.GetCellRect(1), 40, 180, 184, 324);  // next row, same column
    ExpectRect(layout.GetCellRect(3), 224, 18, 368, 162);  // next column
    ExpectRect(layout.GetCellRect(8), 409, 343, 553, 487);
    ExpectRect(layout.GetCellRect(9), 0, 0, 0, 0);
    ExpectRect(layout.GetCellRect(-1), 0, 0, 0, 0);

    // Edges belong to the cell; the gap between cells to none.
    EXPECT_EQ(layout.HitTest(kMultiViewGrid, 40, 18), 0);
    EXPECT_EQ(layout.HitTest(kMultiViewGrid, 184, 162), 0);
    EXPECT_EQ(layout.HitTest(kMultiViewGrid, 200, 100), -1);
    EXPECT_EQ(layout.HitTest(kMultiViewGrid, 300, 200), 4);
}

TEST(ThumbGridLayout, PreviewKeepsTheBottomRowAsAStripUnderThePicture)
{
    CThumbGridLayout layout;
    int edge = 144;
    ASSERT_EQ(layout.Layout(kGrid, kMultiViewPreview, &edge, false), 1);
    int columns = 0;
    int rows = 0;
    layout.GetGridSize(kMultiViewPreview, &columns, &rows);
    EXPECT_EQ(columns, 3);
    EXPECT_EQ(rows, 1);
    EXPECT_EQ(layout.PageCells(kMultiViewPreview), 3);
    // The bottom row ended at 487; it moves down to 6 pixels above the bottom.
    ExpectRect(layout.GetCellRect(0), 40, 357, 184, 501);
    ExpectRect(layout.GetCellRect(2), 409, 357, 553, 501);
    ExpectRect(layout.GetCellRect(3), 0, 0, 0, 0);
    ExpectRect(layout.PictureRect(), 40, 6, 553, 347);
    EXPECT_EQ(layout.HitTest(kMultiViewPreview, 50, 400), 0);
    EXPECT_EQ(layout.HitTest(kMultiViewPreview, 50, 100), -1);
}

TEST(ThumbGridLayout, AGridTooSmallForOneCellHasNone)
{
    CThumbGridLayout layout;
    int edge = 144;
    EXPECT_EQ(layout.Layout(RECT{0, 0, 155, 500}, kMultiViewGrid, &edge, false), 0);
    EXPECT_EQ(layout.CellCount(), 0);
    EXPECT_EQ(layout.HitTest(kMultiViewGrid, 10, 10), -1);
    ExpectRect(layout.GetCellRect(0), 0, 0, 0, 0);
    EXPECT_EQ(layout.GetUsedColumns(10, kMultiViewGrid), 0);
}

TEST(ThumbGridLayout, ASizeStepThatKeepsThePageStepsOn)
{
    struct Case {
        const char* name;
        int previous;
        int requested;
        int reached;
    };
    const Case cases[] = {
        // 144 and 140 both give 3 x 3; 136 gives 4 x 3.
        {"down until the count changes", 144, 140, 136},
        // 140 to 144 keeps 3 x 3 and 148 is out of range: stop at 144.
        {"up to the largest size", 140, 144, 144},
        // 48 and 52 differ already (10 x 8 against 9 x 8).
        {"a step that changes the page stays", 48, 52, 52},
        {"no step, no change", 144, 144, 144},
    };
    for (const Case& c : cases) {
        CThumbGridLayout layout;
        int edge = c.previous;
        layout.Layout(kGrid, kMultiViewGrid, &edge, false);
        edge = c.requested;
        layout.Layout(kGrid, kMultiViewGrid, &edge, true);
        EXPECT_EQ(edge, c.reached) << c.name;
        EXPECT_EQ(layout.CellEdge(), c.reached) << c.name;
    }

    // Without auto-step the requested size stays whatever the page.
    CThumbGridLayout layout;
    int edge = 144;
    layout.Layout(kGrid, kMultiViewGrid, &edge, false);
    edge = 140;
    layout.Layout(kGrid, kMultiViewGrid, &edge, false);
    EXPECT_EQ(edge, 140);
}

TEST(ThumbGridLayout, PageStepsAndUsedColumns)
{
    CThumbGridLayout layout;
    int edge = 48;
    layout.Layout(kGrid, kMultiViewGrid, &edge, false);  // 10 columns x 8 rows
    ASSERT_EQ(layout.Columns(), 10);
    ASSERT_EQ(layout.Rows(), 8);

    EXPECT_EQ(layout.GetScrollStep(kMultiViewPreview, 0), 1);
    EXPECT_EQ(layout.GetScrollStep(kMultiViewGrid, 0), 40);   // half: 8 x (10 / 2)
    EXPECT_EQ(layout.GetScrollStep(kMultiViewGrid, 30), 30);  // a smaller capacity
    EXPECT_EQ(layout.GetScrollStep(kMultiViewGrid, 1000), 40);
    layout.SetPageChangeRange(2);
    EXPECT_EQ(layout.GetScrollStep(kMultiViewGrid, 0), 80);

    EXPECT_EQ(layout.GetUsedColumns(5, kMultiViewGrid), 1);
    EXPECT_EQ(layout.GetUsedColumns(19, kMultiViewGrid), 3);
    EXPECT_EQ(layout.GetUsedColumns(1000, kMultiViewGrid), 10);
    EXPECT_EQ(layout.GetUsedColumns(4, kMultiViewPreview), 4);
}

}  // namespace
