// The chooser's row under a point, at its edges, and its height and place.
#include "clip/capture_chooser_rules.h"

#include <gtest/gtest.h>

namespace {

struct RowCase {
    int y;
    int viewHeight;
    int count;
    int row;
};

TEST(CaptureChooserRules, RowUnderAPointStaysWithinTheList)
{
    const RowCase cases[] = {
        {0, 200, 10, 0},
        {19, 200, 10, 0},
        {20, 200, 10, 1},
        {199, 200, 10, 9},
        {200, 200, 10, 9},  // the bottom edge and below: the last row
        {5000, 200, 10, 9},
        {-1, 200, 10, 0},  // above the list: the first row, never the entry before it
        {-500, 200, 10, 0},
        {33, 100, 3, 0},  // a pitch of 33.3 rows: truncated, not rounded
        {34, 100, 3, 1},
        {10, 0, 10, -1},   // a view of no height: no row, no division by zero
        {10, 200, 0, -1},  // no rows
        {10, -20, 3, -1},
    };
    for (const RowCase& c : cases)
        EXPECT_EQ(ChooserRowAt(c.y, c.viewHeight, c.count), c.row)
            << "y " << c.y << " view " << c.viewHeight << " count " << c.count;
}

TEST(CaptureChooserRules, TheChooserFitsItsRowsAndKeepsAboveTheScreenBottom)
{
    // 4 rows of 20 pixels with 5-pixel margins.
    const ChooserLayout fits = ComputeChooserLayout(100, 4, 20, 1080, 23);
    EXPECT_EQ(fits.dialogTop, 100);
    EXPECT_EQ(fits.dialogHeight, 90);
    EXPECT_EQ(fits.listHeight, 80);

    // 30 rows from y 700: bottom 1310 against 1080 - 34 (23 x 1.5 truncated).
    const ChooserLayout pushed = ComputeChooserLayout(700, 30, 20, 1080, 23);
    EXPECT_EQ(pushed.dialogHeight, 610);
    EXPECT_EQ(pushed.dialogTop + pushed.dialogHeight, 1080 - 34);

    // Exactly at the limit stays.
    EXPECT_EQ(ComputeChooserLayout(1046 - 90, 4, 20, 1080, 23).dialogTop, 956);
}

}  // namespace
