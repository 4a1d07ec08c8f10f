#include "platform/system/screen_metrics.h"

#include <gtest/gtest.h>

namespace {

TEST(ScreenMetrics, FixedFigures)
{
    const FrameMetrics m = FixedFrameMetrics();
    EXPECT_EQ(m.menuHeight, 20);
    EXPECT_EQ(m.captionHeight, 23);
    EXPECT_EQ(m.sizeFrameWidth, 4);
    EXPECT_EQ(m.sizeFrameHeight, 4);
    EXPECT_EQ(m.verticalScrollWidth, 17);
    // Without a display the program lays out by these.
    const FrameMetrics here = QueryFrameMetrics();
    EXPECT_EQ(here.captionHeight, 23);
    EXPECT_EQ(here.sizeFrameWidth, 4);
}

TEST(ScreenMetrics, FiguresFromWindowManagerExtents)
{
    struct Case {
        FrameExtents extents;  // left, right, top, bottom
        int frame;
        int caption;
    };
    const Case cases[] = {
        {{1, 1, 22, 5}, 1, 21},           // thin border, title bar, handle at the bottom
        {{8, 8, 31, 8}, 8, 23},           // the classic frame gives the classic figures back
        {{2, 4, 30, 4}, 4, 26},           // uneven sides: the wider counts
        {{0, 0, 0, 0}, 0, 16},            // no decoration: the caption keeps its minimum
        {{3, 3, 3, 3}, 3, 16},            // border without title bar
        {{10, 10, 5, 10}, 10, 16},        // a top thinner than the sides
        {{0, 0, 256, 0}, 0, 256},         // the widest extent taken
        {{0, 0, 257, 0}, 4, 23},          // beyond it: the fixed figures
        {{-1, 1, 22, 1}, 4, 23},          // negative
        {{1, 1, 0xFFFFFFFFl, 1}, 4, 23},  // a garbled property
    };
    for (const Case& c : cases) {
        const FrameMetrics m = FrameMetricsFromExtents(c.extents);
        const FrameExtents& e = c.extents;
        SCOPED_TRACE(testing::Message() << e.left << "," << e.right << "," << e.top << "," << e.bottom);
        EXPECT_EQ(m.sizeFrameWidth, c.frame);
        EXPECT_EQ(m.sizeFrameHeight, c.frame);
        EXPECT_EQ(m.captionHeight, c.caption);
        EXPECT_EQ(m.menuHeight, 20);
        EXPECT_EQ(m.verticalScrollWidth, 17);
    }
}

}  // namespace
