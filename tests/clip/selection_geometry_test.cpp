// The geometry of range selection: ordered rectangles, the wheel range's
// sizes, its placement around a pixel or the pointer, the band's alignment
// to the pixel grid and the cursor of each state.
#include "clip/range_cursor.h"
#include "clip/rubber_band.h"
#include "clip/wheel_clip_range.h"

#include <gtest/gtest.h>

namespace {

testing::AssertionResult SameRect(const RECT& a, const RECT& b)
{
    if (a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom)
        return testing::AssertionSuccess();
    return testing::AssertionFailure()
        << "(" << a.left << "," << a.top << "," << a.right << "," << a.bottom << ") != (" << b.left << ","
        << b.top << "," << b.right << "," << b.bottom << ")";
}

TEST(OrderRect, NormalisesAndTellsTheSides)
{
    struct Case {
        int x1, y1, x2, y2;
        RECT rect;
        int sides;
    };
    const Case cases[] = {
        {1, 2, 5, 9, {1, 2, 5, 9}, kEndRightOfStart | kEndBelowStart},
        {5, 5, 2, 9, {2, 5, 5, 9}, kEndNotRightOfStart | kEndBelowStart},
        {1, 1, 3, 0, {1, 0, 3, 1}, kEndRightOfStart | kEndNotBelowStart},
        {4, 4, 4, 4, {4, 4, 4, 4}, kEndNotRightOfStart | kEndNotBelowStart},
    };
    for (const Case& c : cases) {
        RECT r{};
        EXPECT_EQ(OrderRect(c.x1, c.y1, c.x2, c.y2, &r), c.sides);
        EXPECT_TRUE(SameRect(r, c.rect));
    }
}

TEST(WheelClipRange, SetSizeKeepsTheRatioWithinTheBounds)
{
    struct Case {
        int bw, bh, w, h;
        RECT rect;
    };
    const Case cases[] = {
        {1000, 1000, 100, 50, {0, 0, 99, 49}},
        {200, 100, 400, 100, {0, 0, 199, 49}},  // too wide: the height follows the ratio
        {1000, 100, 100, 400, {0, 0, 24, 99}},  // too tall: the width follows
        {100, 100, 300, 600, {0, 0, 49, 99}},   // both
    };
    for (const Case& c : cases) {
        CWheelClipRange range;
        EXPECT_TRUE(SameRect(range.SetSize(c.bw, c.bh, c.w, c.h), c.rect)) << c.w << "x" << c.h;
    }
}

TEST(WheelClipRange, StepByWheelGrowsBothSidesOrOneAndStopsShortOfTheBounds)
{
    struct Case {
        int bw, bh, w, h, delta;
        WheelSides sides;
        RECT rect;
        double ratio;
    };
    const Case cases[] = {
        {1000, 1000, 100, 50, 120, WheelSides::Both, {0, 0, 109, 54}, 2.0},       // 110 x 55
        {1000, 1000, 100, 50, 120, WheelSides::WidthOnly, {0, 0, 109, 49}, 2.2},  // 110 x 50
        {1000, 1000, 100, 50, 120, WheelSides::HeightOnly, {0, 0, 99, 59}, 100.0 / 60},
        {1000, 1000, 50, 100, -120, WheelSides::Both, {0, 0, 44, 89}, 0.5},  // taller: width follows
        {105, 1000, 100, 50, 120, WheelSides::Both, {0, 0, 104, 54}, 2.0},   // width reaches the bound
        {1000, 1000, 5, 5, -120, WheelSides::Both, {0, 0, 4, 4}, 1.0},       // nothing left to shrink
        {1000, 1000, 100, 50, 0, WheelSides::Both, {0, 0, 99, 49}, 2.0},     // no notch, no change
    };
    for (const Case& c : cases) {
        CWheelClipRange range;
        range.SetSize(c.bw, c.bh, c.w, c.h);
        EXPECT_TRUE(SameRect(range.StepByWheel(c.delta, 10, c.sides), c.rect)) << c.w << "x" << c.h;
        EXPECT_DOUBLE_EQ(range.Ratio(), c.ratio);
    }
    EXPECT_EQ(WheelSidesFor(true, false), WheelSides::WidthOnly);
    EXPECT_EQ(WheelSidesFor(false, true), WheelSides::HeightOnly);
    EXPECT_EQ(WheelSidesFor(true, true), WheelSides::Both);
}

TEST(WheelClipRange, ResetToBoundsTakesTheVisibleSize)
{
    CWheelClipRange range;
    range.SetSize(320, 200, 10, 10);
    range.ResetToBounds();
    EXPECT_TRUE(SameRect(range.Rect(), RECT{0, 0, 319, 199}));
    EXPECT_DOUBLE_EQ(range.Ratio(), 1.6);
}

TEST(WheelRangePlacement, CentresOnThePixelAndStaysInTheVisiblePart)
{
    const RECT visible{0, 0, 200, 100};
    struct Case {
        RECT range;
        POINT at;
        RECT placed;
    };
    const Case cases[] = {
        {{0, 0, 9, 9}, {50, 50}, {45, 45, 54, 54}},     // even pixel count: one more on the left
        {{0, 0, 8, 8}, {50, 50}, {46, 46, 54, 54}},     // odd: centred
        {{0, 0, 9, 9}, {0, 0}, {0, 0, 9, 9}},           // at the corner the right edge takes it
        {{0, 0, 9, 9}, {199, 99}, {190, 90, 199, 99}},  // shifted back inside
    };
    for (const Case& c : cases)
        EXPECT_TRUE(SameRect(CentreRangeOnPixel(c.range, c.at, visible), c.placed));
}

TEST(WheelRangePlacement, ShiftIntoSurfaceKeepsTheSizeOrGivesUp)
{
    const SIZE surface{100, 50};
    EXPECT_TRUE(SameRect(ShiftIntoSurface(RECT{-3, 0, 7, 5}, surface), RECT{0, 0, 10, 5}));
    EXPECT_TRUE(SameRect(ShiftIntoSurface(RECT{95, 45, 105, 55}, surface), RECT{90, 40, 100, 50}));
    EXPECT_TRUE(SameRect(ShiftIntoSurface(RECT{10, 10, 20, 20}, surface), RECT{10, 10, 20, 20}));
    EXPECT_TRUE(SameRect(ShiftIntoSurface(RECT{-5, 0, 200, 5}, surface), RECT{}));
}

TEST(WheelRangePlacement, SmoothPlacementCentresOnThePointer)
{
    SmoothPlacement f;
    f.visible = SIZE{100, 100};
    f.imagePerClientX = f.imagePerClientY = 0.5;
    f.clientPerImageX = f.clientPerImageY = 2.0;
    f.surface = SIZE{200, 200};
    // Ten pixels at 2x: 18 client pixels, grown by half a pixel each side.
    EXPECT_TRUE(SameRect(SmoothRangeRect(RECT{0, 0, 9, 9}, POINT{50, 50}, f), RECT{40, 40, 60, 60}));
    // The full visible size covers the surface exactly.
    EXPECT_TRUE(SameRect(SmoothRangeRect(RECT{0, 0, 99, 99}, POINT{50, 50}, f), RECT{0, 0, 200, 200}));
}

TEST(AlignRectToPixelGrid, PutsTheStartPixelsEdgesInsideTheGridLines)
{
    const SIZE extent{100, 100};
    const RECT band{20, 30, 30, 40};
    EXPECT_TRUE(SameRect(
        AlignRectToPixelGrid(band, POINT{20, 30}, 10.0, 10.0, extent, 10, true), RECT{21, 31, 31, 41}));
    // A start one off the line still finds it.
    EXPECT_TRUE(
        SameRect(AlignRectToPixelGrid(RECT{21, 31, 31, 41}, POINT{21, 31}, 10.0, 10.0, extent, 10, true),
            RECT{21, 31, 31, 41}));
    // No grid shown, or a ratio below the level: unchanged.
    EXPECT_TRUE(SameRect(AlignRectToPixelGrid(band, POINT{20, 30}, 10.0, 10.0, extent, 10, false), band));
    EXPECT_TRUE(SameRect(AlignRectToPixelGrid(band, POINT{20, 30}, 9.4, 9.4, extent, 10, true), band));
}

TEST(RangeCursor, EachStateHasItsCursor)
{
    struct Case {
        RangeCursorState s;
        int id;
    };
    const Case cases[] = {
        {{true, true, 2, false, false, false}, 158},
        {{false, false, 2, false, false, false}, 0},
        {{false, true, 2, false, true, false}, 166},
        {{false, true, 3, true, true, false}, 211},
        {{false, true, 3, false, true, false}, 208},
        {{false, true, 3, false, false, true}, 205},
        {{false, true, 3, false, true, true}, 168},
        {{false, true, 3, false, false, false}, 168},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RangeCursorId(c.s), c.id);
    EXPECT_EQ(WheelResizeCursorId(120, true, false), 206);
    EXPECT_EQ(WheelResizeCursorId(-120, true, false), 207);
    EXPECT_EQ(WheelResizeCursorId(120, false, true), 203);
    EXPECT_EQ(WheelResizeCursorId(-120, false, true), 204);
    EXPECT_EQ(WheelResizeCursorId(120, true, true), 165);
    EXPECT_EQ(WheelResizeCursorId(-120, false, false), 167);
}

}  // namespace
