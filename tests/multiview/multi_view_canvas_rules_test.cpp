// Where the header's three names go (whole, or cut to their third of the
// header) and how wide the scroll row's thumb is and where it starts.
#include "multiview/multi_view_canvas_rules.h"

#include <gtest/gtest.h>

namespace {

TEST(MultiViewCanvasRules, HeaderTextsSitLeftCentredAndRightOrAreCut)
{
    struct Case {
        int slot, textWidth, length;
        int x, chars;
    };
    // Inner width 500: e = 50, f = 400 / 3 + 5 = 138.
    const Case cases[] = {
        {0, 100, 10, 3, 10}, {1, 100, 10, 207, 10},  // f + e + (f - m) / 2
        {2, 100, 10, 397, 10},                       // W - m - 3
        {0, 276, 20, 3, 10},                         // cut to trunc(138 / 276 x 20)
        {1, 276, 20, 188, 10},                       // f + e
        {2, 276, 20, 362, 10},                       // W - f
        {1, 138, 7, 188, 7},                         // exactly f wide counts as too wide
    };
    for (const Case& c : cases) {
        const HeaderTextPlace place = PlaceHeaderText(c.slot, 500, c.textWidth, c.length);
        EXPECT_EQ(place.x, c.x) << c.slot << "/" << c.textWidth;
        EXPECT_EQ(place.chars, c.chars) << c.slot << "/" << c.textWidth;
    }
}

TEST(MultiViewCanvasRules, TheThumbShowsThePageShareAndIsAtLeastSevenWide)
{
    struct Case {
        const char* name;
        int width, page, count, first;
        int left, thumbWidth;
    };
    const Case cases[] = {
        {"every file on the page", 500, 9, 5, 0, 0, 500},
        {"first page", 500, 9, 100, 0, 0, 45},
        {"last page", 500, 9, 100, 91, 455, 45},
        {"a long list keeps 7 pixels", 500, 9, 10000, 5000, 250, 7},
        {"halves round away from zero", 10, 1, 4, 1, 3, 7},
        {"clipped at the right end", 500, 9, 10000, 9995, 500, 0},
        {"empty list", 500, 9, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        const ScrollThumb thumb = ScrollThumbFor(c.width, c.page, c.count, c.first);
        EXPECT_EQ(thumb.left, c.left) << c.name;
        EXPECT_EQ(thumb.width, c.thumbWidth) << c.name;
    }
    EXPECT_EQ(RoundHalfAway(2.5), 3);
    EXPECT_EQ(RoundHalfAway(-2.5), -3);
}

}  // namespace
