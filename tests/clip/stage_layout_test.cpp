// The view stage's layout arithmetic: the figures at two scales, the window's
// place next to the panels, its minimum size when the frame is sized narrow,
// the stage around a view, the view's place and the empty surface.
#include "clip/stage_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

// Readable failures: the figures, not the bytes.
void PrintTo(const SIZE& s, std::ostream* os)
{
    *os << s.cx << "x" << s.cy;
}
void PrintTo(const POINT& p, std::ostream* os)
{
    *os << "(" << p.x << ", " << p.y << ")";
}
void PrintTo(const RECT& r, std::ostream* os)
{
    *os << "(" << r.left << ", " << r.top << ")-(" << r.right << ", " << r.bottom << ")";
}

namespace {

// A plain display: 8-pixel sizing frames (with the + 4), a 23-pixel caption.
ScreenMetrics NormalScreen()
{
    ScreenMetrics m;
    m.menuHeight = 20;
    m.captionHeight = 23;
    m.frameWidth = 8;
    m.frameHeight = 8;
    m.screenWidth = 1920;
    m.screenHeight = 1080;
    m.toolbarHeight = 30;
    return m;
}

StageMetrics Normal()
{
    return StageMetricsFor(NormalScreen(), 1.0f, 1);
}

StageMetrics OneAndAHalf()
{
    return StageMetricsFor(NormalScreen(), 1.5f, 2);
}

TEST(StageLayout, FiguresGrowWithTheScaleOnlyForTheLargerBitmaps)
{
    struct Case {
        float scale;
        int iconScale;
        int titleBand;
        int minWidth;
    };
    const Case cases[] = {
        {1.0f, 1, 28, 674},
        {1.2f, 1, 28, 674},   // below the larger bitmap set: unscaled
        {1.25f, 2, 35, 842},  // 842.5 truncated
        {1.5f, 2, 42, 1011},
        {2.0f, 2, 56, 1348},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.scale);
        const StageMetrics s = StageMetricsFor(NormalScreen(), c.scale, c.iconScale);
        EXPECT_EQ(s.titleBand, c.titleBand);
        EXPECT_EQ(s.minWidth, c.minWidth);
        EXPECT_EQ(s.minHeight, 600);
        EXPECT_EQ(s.frameX, 8);
        EXPECT_EQ(s.frameY, 8);
    }
    EXPECT_EQ(StageMinimumSize(Normal()), (SIZE{674, 600}));
    EXPECT_EQ(StageMaximumSize(NormalScreen()), (SIZE{1920, 1080}));
}

TEST(StageLayout, StandsRightOfTheMeasurePanelElseTheControlPanel)
{
    const RECT none{};
    const RECT panel{0, 120, 250, 700};
    const RECT measure{250, 120, 480, 500};
    struct Case {
        const char* name;
        RECT measure;
        RECT panel;
        POINT origin;
    };
    const Case cases[] = {
        {"control panel", none, panel, {250, 135}},
        {"measure panel open", measure, panel, {480, 135}},
        {"no panel", none, none, {0, 135}},
        {"measure panel alone", measure, none, {480, 135}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(StageOrigin(c.measure, c.panel, 50, 85), c.origin);
    }
}

// Sizing the frame narrower than the stage allows leaves the stage at its
// minimum size; the frame's borders taken off on the way must not shrink it
// below (674 - 2 x 8 + 12 would be 670).
TEST(StageLayout, NarrowFrameKeepsTheStageAtItsMinimumSize)
{
    const ScreenMetrics m = NormalScreen();
    const int extraHeight = 29;
    struct Case {
        const char* name;
        StageMetrics s;
        RECT sizing;
        SIZE client;
        SIZE stage;
    };
    const Case cases[] = {
        {"narrow, normal scale", Normal(), {100, 50, 300, 200}, {658, 561}, {674, 600}},
        {"narrow, 1.5", OneAndAHalf(), {100, 50, 300, 200}, {995, 561}, {1011, 614}},
        {"wide enough", Normal(), {0, 0, 1600, 1000}, {1323, 847}, {1335, 886}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SIZE client = ClientSizeForFrameSizing(c.sizing, 250, m, c.s, extraHeight);
        EXPECT_EQ(client, c.client);
        EXPECT_EQ(StageSizeForClient(client, c.s), c.stage);
    }
}

TEST(StageLayout, StageAroundAViewIsCappedByTheLargestViewAndTheMinimum)
{
    const RECT stageArea{8, 85, 1912, 1040};
    struct Case {
        const char* name;
        int panelRight;
        StageMetrics s;
        SIZE largest;
        SIZE view;
        SIZE stage;
    };
    const Case cases[] = {
        {"small view", 250, Normal(), {1650, 916}, {400, 300}, {674, 600}},
        {"large view", 250, Normal(), {1650, 916}, {1600, 900}, {1612, 939}},
        {"view beyond the largest", 250, Normal(), {1650, 916}, {3000, 2000}, {1662, 955}},
        {"no panel", 0, Normal(), {1900, 916}, {3000, 2000}, {1912, 955}},
        {"1.5, small view", 250, OneAndAHalf(), {1650, 902}, {400, 300}, {1011, 600}},
        {"1.5, large view", 250, OneAndAHalf(), {1650, 902}, {3000, 2000}, {1662, 955}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SIZE largest = LargestView(stageArea, c.panelRight, c.s);
        EXPECT_EQ(largest, c.largest);
        const SIZE stage = StageSizeForView(c.view, largest, c.s);
        EXPECT_EQ(stage, c.stage);
        // The room the stage leaves holds the capped view again.
        const SIZE room = ViewRoomOf(stage, c.s);
        EXPECT_GE(room.cx, std::min(c.view.cx, largest.cx));
        EXPECT_GE(room.cy, std::min(c.view.cy, largest.cy));
    }
}

TEST(StageLayout, ImageShrinksIntoTheBoxWithItsAspect)
{
    struct Case {
        SIZE image;
        SIZE box;
        SIZE fitted;
    };
    const Case cases[] = {
        {{400, 300}, {1000, 800}, {400, 300}},    // fits: own size
        {{1000, 800}, {1000, 800}, {1000, 800}},  // exactly
        {{2000, 1000}, {1000, 800}, {1000, 500}},
        {{1000, 2000}, {1000, 800}, {400, 800}},
        {{1000, 333}, {500, 500}, {500, 166}},  // 166.5 truncated
        {{0, 300}, {1000, 800}, {0, 0}},
        {{400, 300}, {0, 800}, {0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.image.cx << "x" << c.image.cy);
        EXPECT_EQ(FitImageInto(c.image, c.box), c.fitted);
    }
}

TEST(StageLayout, ViewIsCentredBelowTheTopLine)
{
    struct Case {
        SIZE stage;
        SIZE view;
        RECT rect;
    };
    const Case cases[] = {
        {{674, 600}, {400, 300}, {135, 158, 535, 458}},
        {{1662, 955}, {1650, 916}, {4, 28, 1654, 944}},
        {{674, 600}, {662, 561}, {4, 28, 666, 589}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.view.cx << "x" << c.view.cy);
        const RECT view = ViewRect(c.stage, c.view, Normal());
        EXPECT_EQ(view, c.rect);
        EXPECT_EQ(ViewOrigin(c.stage, c.view, Normal()), (POINT{c.rect.left, c.rect.top}));
        EXPECT_EQ(SurfaceFrameOf(view),
            (RECT{c.rect.left - 1, c.rect.top - 1, c.rect.right + 1, c.rect.bottom + 1}));
    }
}

TEST(StageLayout, EmptySurfaceLiesBelowTheTitleBand)
{
    EXPECT_EQ(EmptySurfaceRect(SIZE{674, 600}, Normal()), (RECT{3, 28, 665, 589}));
    EXPECT_EQ(EmptySurfaceRect(SIZE{1011, 614}, OneAndAHalf()), (RECT{3, 42, 1002, 603}));
    EXPECT_EQ(TitleBandRect(658, Normal()), (RECT{0, 0, 658, 28}));
    EXPECT_EQ(TitleBandRect(995, OneAndAHalf()), (RECT{0, 0, 995, 42}));
}

}  // namespace
