#include "app/frame_geometry.h"

#include <gtest/gtest.h>

namespace {

constexpr int W = 1280;
constexpr int H = 1024;

ScreenMetrics Metrics()
{
    ScreenMetrics m;
    m.captionHeight = 23;
    m.frameWidth = 8;
    m.frameHeight = 8;
    m.toolbarHeight = 28;
    m.menuHeight = 19;
    m.screenWidth = W;
    m.screenHeight = H;
    return m;
}

bool Same(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::string Str(const RECT& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
        std::to_string(r.bottom);
}

struct TaskbarCase {
    RECT taskbar;
    BYTE edge;
    RECT work;
};

TEST(FrameGeometry, TaskbarEdgeAndWorkAreaForEachSide)
{
    const TaskbarCase cases[] = {
        {{0, 984, W, H}, kTaskbarBottom, {0, 0, W, 983}},
        {{1220, 0, W, H}, kTaskbarRight, {0, 0, 1219, H}},
        {{0, 0, 60, H}, kTaskbarLeft, {61, 0, W, H}},
        {{0, 0, W, 40}, kTaskbarTop, {0, 41, W, H}},
        // A short bar on the right of the bottom edge counts as a bottom bar.
        {{600, 990, W, 1000}, kTaskbarBottom, {0, 0, W, 989}},
    };
    for (const TaskbarCase& c : cases) {
        SCOPED_TRACE(Str(c.taskbar));
        const BYTE edge = TaskbarEdgeOf(c.taskbar, W, H);
        EXPECT_EQ(edge, c.edge);
        EXPECT_PRED2(Same, ComputeWorkArea(c.taskbar, edge, W, H), c.work)
            << Str(ComputeWorkArea(c.taskbar, edge, W, H));
    }
}

TEST(FrameGeometry, NoTaskbarLeavesTheWholeScreenAndAUsableStageArea)
{
    const RECT none{};
    EXPECT_EQ(TaskbarEdgeOf(none, W, H), kTaskbarNone);
    const RECT work = ComputeWorkArea(none, kTaskbarNone, W, H);
    EXPECT_PRED2(Same, work, (RECT{0, 0, W, H}));
    const RECT stage = ComputeStageArea(work, Metrics());
    EXPECT_GT(stage.right - stage.left, 1000);
    EXPECT_GT(stage.bottom - stage.top, 800);
}

TEST(FrameGeometry, StageAreaOfTheWorkedExample)
{
    // Bottom taskbar: work bottom 983; the title band is caption + frame +
    // toolbar + half a frame + menu high.
    const RECT work = ComputeWorkArea(RECT{0, 984, W, H}, kTaskbarBottom, W, H);
    EXPECT_PRED2(Same, ComputeStageArea(work, Metrics()), (RECT{8, 82, 1272, 956}));
    // A work area larger than the screen is cut to the screen.
    EXPECT_PRED2(Same, ComputeStageArea(RECT{0, 0, W + 50, H + 50}, Metrics()), (RECT{8, 82, 1272, 997}));
}

TEST(FrameGeometry, AvailableAreaGivesTheWidestFreeStripAsTaskbar)
{
    const RECT screen{0, 0, W, H};
    EXPECT_PRED2(Same, TaskbarFromAvailableArea(screen, RECT{0, 0, W, 984}), (RECT{0, 984, W, H}));
    EXPECT_PRED2(Same, TaskbarFromAvailableArea(screen, RECT{60, 0, W, H}), (RECT{0, 0, 60, H}));
    EXPECT_PRED2(Same, TaskbarFromAvailableArea(screen, RECT{0, 0, 1220, H}), (RECT{1220, 0, W, H}));
    EXPECT_PRED2(Same, TaskbarFromAvailableArea(screen, RECT{0, 30, W, H}), (RECT{0, 0, W, 30}));
    // Panels on two sides: the wider one stands for the taskbar.
    EXPECT_PRED2(Same, TaskbarFromAvailableArea(screen, RECT{0, 24, W, 984}), (RECT{0, 984, W, H}));
    EXPECT_PRED2(Same, TaskbarFromAvailableArea(screen, screen), RECT{});
    EXPECT_PRED2(Same, TaskbarFromAvailableArea(screen, RECT{}), RECT{});
}

TEST(FrameGeometry, FitFollowsTheLowerAndWiderWindow)
{
    const ScreenMetrics m = Metrics();
    const RECT frame{10, 20, 500, 400};
    EXPECT_PRED2(Same, FitFrameRect(frame, RECT{10, 90, 200, 700}, RECT{210, 90, 900, 650}, m, 29),
        (RECT{10, 20, 900 + 8 + 3, 700 + 29}));
    // One window alone; none keeps the frame as it is.
    EXPECT_PRED2(Same, FitFrameRect(frame, RECT{}, RECT{210, 90, 900, 650}, m, 25), (RECT{10, 20, 911, 675}));
    EXPECT_PRED2(Same, FitFrameRect(frame, RECT{}, RECT{}, m, 29), frame);
}

TEST(FrameGeometry, TaskbarPushMovesAwayUnlessTooDeep)
{
    const RECT frame{100, 200, 900, 900};
    struct Case {
        BYTE edge;
        int overlap;
        POINT offset;
    };
    const Case cases[] = {
        {kTaskbarLeft, 60, {60, 0}},
        {kTaskbarTop, 40, {0, 40}},
        {kTaskbarRight, 150, {-100, 0}},  // no further than the frame's left
        {kTaskbarBottom, 150, {0, -150}},
        {kTaskbarBottom, 250, {0, -200}},  // no further than the frame's top
        {kTaskbarLeft, W / 2, {W / 2, 0}},
        {kTaskbarLeft, W / 2 + 1, {0, 0}},  // deeper than half the screen: stays
        {kTaskbarTop, H / 2 + 1, {0, 0}},
        {kTaskbarNone, 30, {0, 0}},
        {kTaskbarLeft, 0, {0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.edge) << " by " << c.overlap);
        const POINT d = TaskbarPushOffset(c.edge, frame, c.overlap, W, H);
        EXPECT_EQ(d.x, c.offset.x);
        EXPECT_EQ(d.y, c.offset.y);
    }
}

TEST(FrameGeometry, FrameMoveIsAcceptedSnappedBackOrIgnored)
{
    const RECT stage{8, 82, 1272, 956};
    // 1.5 caption heights of 23 is 34.5: y 48 is below 47.5, y 47 is not.
    // A frame at the top of the work area has its client origin at y 51.
    struct Case {
        int x, y;
        RECT stage;
        FrameMoveAction action;
    };
    // A taller toolbar or a lower caption puts the stage area lower: the frame
    // at the work area's top still stays, one pixel higher does not.
    const RECT lowStage{8, 90, 1272, 956};
    const Case cases[] = {
        {8, 51, stage, FrameMoveAction::Accept},
        {-300, 48, stage, FrameMoveAction::Accept},
        {-301, 48, stage, FrameMoveAction::SnapBack},
        {8, 47, stage, FrameMoveAction::SnapBack},
        {-32000, -32000, stage, FrameMoveAction::Ignore},
        {8, -3001, stage, FrameMoveAction::Ignore},
        {-3000, 200, stage, FrameMoveAction::SnapBack},
        {8, 51, lowStage, FrameMoveAction::Accept},
        {8, 50, lowStage, FrameMoveAction::SnapBack},
        {8, 56, lowStage, FrameMoveAction::Accept},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y << " stage top " << c.stage.top);
        EXPECT_EQ(ClassifyFrameMove(c.x, c.y, c.stage, 23, 51), c.action);
    }
}

}  // namespace
