#include "core/app_state.h"
#include "core/app_state_queries.h"
#include "core/settings/app_settings.h"

#include <QHash>
#include <gtest/gtest.h>

namespace {

HWND H(int n)
{
    return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(n * 2));
}

class FakeFrame : public AppStateSource {
public:
    int mode = 1;
    BYTE stage = 0;
    bool rubberBand = false;
    QHash<AppWindow, HWND> windows;
    HWND clips[12] = {};
    HWND active = nullptr;
    HWND foreground = nullptr;
    QHash<HWND, RECT> rects;
    QList<HWND> raised;
    bool stageVisible = true;

    int AppMode() const override { return mode; }
    BYTE StageMode() const override { return stage; }
    bool ZoomRubberBandStarted() const override { return rubberBand; }
    HWND Window(AppWindow w) const override { return windows.value(w); }
    HWND ClipWindow(int i) const override { return clips[i]; }
    HWND ActiveWindow() const override { return active; }
    HWND ForegroundWindow() const override { return foreground; }
    bool IsWindowVisible(HWND) const override { return stageVisible; }
    RECT WindowRect(HWND h) const override { return rects.value(h); }
    POINT ClientToScreen(HWND h, POINT p) const override
    {
        const RECT r = rects.value(h);
        return POINT{p.x + r.left, p.y + r.top};
    }
    void BringToTop(HWND h) override { raised.append(h); }
};

class AppStateQueries : public testing::Test {
protected:
    void SetUp() override
    {
        SetAppStateSource(&frame);
        AppSettings = AppSettingsRecord();
        g_nRangeSelectMethod = 2;
    }
    void TearDown() override { SetAppStateSource(nullptr); }
    FakeFrame frame;
};

}  // namespace

TEST(AppStateQueriesWithoutFrame, EveryQuestionAnswersNoWindow)
{
    EXPECT_EQ(GetActiveAppWindowKind(), 0);
    EXPECT_EQ(IsExifWindowOpen(), 0);
    EXPECT_EQ(IsExifWindowForeground(), 0);
    EXPECT_EQ(IsModeChoiceWindowOpen(), 0);
    EXPECT_EQ(IsMultiViewStageVisible(), 0);
    EXPECT_EQ(IsClipSelecting(), 0);
    EXPECT_EQ(RaiseOverlappedToolWindow(H(1), 0, POINT{}), 0);
}

TEST_F(AppStateQueries, ActiveWindowKind)
{
    frame.windows[AppWindow::MainFrame] = H(1);
    frame.windows[AppWindow::Measure] = H(2);
    frame.windows[AppWindow::ExifWindow] = H(3);
    frame.clips[4] = H(10);
    frame.active = H(2);
    EXPECT_EQ(GetActiveAppWindowKind(), 1);
    frame.active = H(10);
    EXPECT_EQ(GetActiveAppWindowKind(), 7);
    frame.active = H(3);  // the EXIF window belongs to the multi view
    EXPECT_EQ(GetActiveAppWindowKind(), 0);
    frame.active = H(99);
    EXPECT_EQ(GetActiveAppWindowKind(), 0);

    frame.mode = 2;
    frame.active = H(3);
    EXPECT_EQ(GetActiveAppWindowKind(), 0);  // no multi-view panel yet
    frame.windows[AppWindow::MultiViewPanel] = H(4);
    EXPECT_EQ(GetActiveAppWindowKind(), 2);
    frame.active = H(10);
    EXPECT_EQ(GetActiveAppWindowKind(), 0);
    frame.active = nullptr;  // nothing active never matches a missing window
    EXPECT_EQ(GetActiveAppWindowKind(), 0);
}

TEST_F(AppStateQueries, SelectionStates)
{
    struct Case {
        BYTE stage;
        int method;
        bool band;
        int click, wheel, selecting, rangeSet;
    };
    const Case cases[] = {
        {3, 2, false, 1, 0, 1, 0},
        {3, 2, true, 1, 0, 1, 1},
        {3, 3, true, 0, 1, 1, 0},
        {1, 2, true, 0, 0, 0, 0},
        {3, 1, false, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        frame.stage = c.stage;
        frame.rubberBand = c.band;
        g_nRangeSelectMethod = c.method;
        EXPECT_EQ(IsClickClipActive(), c.click);
        EXPECT_EQ(IsWheelClipActive(), c.wheel);
        EXPECT_EQ(IsClipSelecting(), c.selecting);
        EXPECT_EQ(IsClickClipRangeSet(), c.rangeSet);
    }
    EXPECT_EQ(IsClipStateSelecting(3), 1);
    EXPECT_EQ(IsClipStateIdle(1), 1);
    EXPECT_EQ(IsClipStateIdle(3), 0);

    AppSettings.HighlightZoomAreaClick = 1;
    AppSettings.HighlightZoomAreaWheel = 0;
    frame.stage = 3;
    g_nRangeSelectMethod = 2;
    EXPECT_EQ(GetHighlightZoomAreaMode(), 1);
    EXPECT_EQ(IsHighlightZoomAreaOn(), 1);
    g_nRangeSelectMethod = 3;
    EXPECT_EQ(GetHighlightZoomAreaMode(), 0);
    EXPECT_EQ(IsHighlightZoomAreaOn(), 0);
}

TEST_F(AppStateQueries, SettingsAndWindows)
{
    EXPECT_EQ(IsSmoothClipOrFixedArea(), 0);
    frame.windows[AppWindow::ClipHistoryDialog] = H(5);
    EXPECT_EQ(IsSmoothClipOrFixedArea(), 1);
    AppSettings.FixSaveArea = 1;
    EXPECT_EQ(IsFixSaveArea(), 1);

    frame.windows[AppWindow::ExifWindow] = H(3);
    EXPECT_EQ(IsExifWindowOpen(), 1);
    EXPECT_EQ(IsExifWindowForeground(), 0);
    frame.foreground = H(3);
    EXPECT_EQ(IsExifWindowForeground(), 1);
    frame.windows[AppWindow::MultiViewStage] = H(6);
    EXPECT_EQ(IsMultiViewStageVisible(), 1);
    frame.stageVisible = false;
    EXPECT_EQ(IsMultiViewStageVisible(), 0);
}

TEST_F(AppStateQueries, RaiseOverlappedToolWindow)
{
    const HWND panel = H(1);
    const HWND overview = H(2);
    frame.windows[AppWindow::ControlPanel] = panel;
    frame.windows[AppWindow::OverviewWindow] = overview;
    frame.rects[panel] = RECT{0, 0, 200, 500};
    frame.rects[overview] = RECT{0, 400, 200, 700};  // overlaps the panel's lower 100 rows

    EXPECT_EQ(RaiseOverlappedToolWindow(panel, 0, POINT{10, 450}), 1);     // 450 is above the panel's bottom
    EXPECT_EQ(RaiseOverlappedToolWindow(panel, 1, POINT{10, 450}), 0);     // flag 1: nothing
    EXPECT_EQ(RaiseOverlappedToolWindow(overview, 0, POINT{10, 40}), 0);   // 440: inside the panel's part
    EXPECT_EQ(RaiseOverlappedToolWindow(overview, 0, POINT{10, 150}), 1);  // 550: below it
    frame.windows[AppWindow::CaptureChooser] = H(7);
    EXPECT_EQ(RaiseOverlappedToolWindow(overview, 0, POINT{10, 150}), 0);
    EXPECT_EQ(frame.raised, (QList<HWND>{panel, overview}));

    frame.rects[overview] = RECT{0, 500, 200, 700};  // touching, not overlapping
    EXPECT_EQ(RaiseOverlappedToolWindow(panel, 0, POINT{10, 450}), 0);
}
