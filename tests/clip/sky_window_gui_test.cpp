// The overview window: with a recording stage, the messages of clicks, drags
// and leaving; with the real stage, a drag that pans it, a click that jumps
// it, the red frame at the picture's edge, and a tall image cut and kept
// above the work area's bottom.
#include "clip/sky_layout.h"
#include "clip/sky_window.h"
#include "clip/stage_messages.h"
#include "imaging/load_bitmap_dup_mem.h"
#include "res/dialog_132_sky_window.h"
#include "tests/clip/view_stage_fixture.h"

#include <cmath>

namespace {

// The windows the overview asks for: the stage, the panel and itself.
class SkyWindows : public StageWindows {
public:
    HWND stage = nullptr;
    HWND overview = nullptr;
    HWND Window(AppWindow w) const override
    {
        switch (w) {
        case AppWindow::ViewStage:
            return stage;
        case AppWindow::OverviewWindow:
            return overview;
        default:
            return StageWindows::Window(w);
        }
    }
};

void Press(CWnd& w, POINT p)
{
    w.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
}
void Move(CWnd& w, POINT p, WPARAM keys = MK_LBUTTON)
{
    w.SendMessage(WM_MOUSEMOVE, keys, MAKELPARAM(p.x, p.y));
}
void Release(CWnd& w, POINT p)
{
    w.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
}

// The overview before any image (a 120 x 120 picture) with a recording stage.
class SkyWindowMessages : public testing::Test {
protected:
    void SetUp() override
    {
        m_metrics = g_ScreenMetrics;
        g_ScreenMetrics = FullHdScreenMetrics();
        ASSERT_TRUE(stage.Make());
        windows.stage = stage.GetSafeHwnd();
        SetAppStateSource(&windows);
        ASSERT_TRUE(sky.Create(nullptr));
        windows.overview = sky.GetSafeHwnd();
        stage.received.clear();
        sky.ShowWindow(SW_SHOWNOACTIVATE);
    }
    void TearDown() override
    {
        sky.DestroyWindow();
        SetAppStateSource(nullptr);
        stage.DestroyWindow();
        g_ScreenMetrics = m_metrics;
    }
    QList<RecordingWindow::Message> Jumps() const
    {
        QList<RecordingWindow::Message> jumps;
        for (const RecordingWindow::Message& m : stage.received)
            if (m.message == WM_STAGE_SKY_JUMP)
                jumps.append(m);
        return jumps;
    }

    RecordingWindow stage;
    SkyWindows windows;
    CDlgSkyWindow sky;

private:
    ScreenMetrics m_metrics;
};

TEST_F(SkyWindowMessages, AClickAtTheCentreJumpsToAboutTheMiddle)
{
    ASSERT_EQ(sky.PictureSize().cx, kSkyInitialPicture);
    Press(sky, POINT{60, 60});
    Release(sky, POINT{60, 60});
    ASSERT_EQ(Jumps().size(), 1);
    EXPECT_EQ(Jumps()[0].wParam, 500u);
    EXPECT_EQ(Jumps()[0].lParam, 500);
    EXPECT_EQ(stage.Count(WM_STAGE_SKY_DRAG_BEGIN), 0);
    EXPECT_EQ(stage.Count(WM_STAGE_SKY_DRAG_END), 1);
}

TEST_F(SkyWindowMessages, TwoPixelsIsStillAClickAndThreeStartADrag)
{
    Press(sky, POINT{40, 40});
    Move(sky, POINT{42, 42});
    EXPECT_FALSE(sky.IsDragging());
    Release(sky, POINT{42, 42});
    ASSERT_EQ(Jumps().size(), 1);
    EXPECT_EQ(Jumps()[0].wParam, static_cast<WPARAM>(SkyPerMille(39, 120)));  // from the press
    EXPECT_EQ(stage.Count(WM_STAGE_SKY_DRAG_BEGIN), 0);

    stage.received.clear();
    Press(sky, POINT{40, 40});
    Move(sky, POINT{43, 40});
    EXPECT_TRUE(sky.IsDragging());
    Move(sky, POINT{80, 90});
    EXPECT_EQ(stage.Count(WM_STAGE_SKY_DRAG_BEGIN), 1);
    ASSERT_EQ(Jumps().size(), 2);
    EXPECT_EQ(Jumps()[1].wParam, static_cast<WPARAM>(SkyPerMille(80, 120)));
    EXPECT_EQ(Jumps()[1].lParam, SkyPerMille(90, 120));
    Release(sky, POINT{80, 90});
    // A drag's release jumps no more; it ends the drag.
    EXPECT_EQ(Jumps().size(), 2);
    EXPECT_FALSE(sky.IsDragging());
    EXPECT_EQ(stage.Count(WM_STAGE_SKY_DRAG_END), 1);
}

TEST_F(SkyWindowMessages, LeavingThePictureOrEndingTheDragTellsTheStage)
{
    const RECT pic = sky.PictureRect();
    Move(sky, POINT{pic.right + 2, pic.bottom + 2}, 0);
    EXPECT_EQ(stage.Count(WM_STAGE_SKY_DRAG_END), 1);

    stage.received.clear();
    Press(sky, POINT{40, 40});
    Move(sky, POINT{60, 60});
    ASSERT_TRUE(sky.IsDragging());
    sky.EndDrag(false);
    EXPECT_FALSE(sky.IsDragging());
    EXPECT_EQ(stage.Count(WM_STAGE_SKY_DRAG_END), 0);
    sky.EndDrag(true);
    EXPECT_EQ(stage.Count(WM_STAGE_SKY_DRAG_END), 1);
}

TEST_F(SkyWindowMessages, EnterAndEscLeaveTheWindowOpenAndAHolderWithoutImageIsRefused)
{
    sky.SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    sky.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_TRUE(sky.GetSafeHwnd());
    EXPECT_TRUE(sky.IsWindowVisible());

    CLoadBitmapDlg_DupMem empty;
    RECT visible{0, 0, 10, 10};
    EXPECT_EQ(sky.SendMessage(
                  WM_SKY_SET_IMAGE, reinterpret_cast<WPARAM>(&empty), reinterpret_cast<LPARAM>(&visible)),
        0);
}

TEST_F(SkyWindowMessages, EachWindowsFirstPaintAsksForTheImageAndRepaintsWithinASecondDoNot)
{
    ASSERT_TRUE(PumpUntil([&] { return stage.Count(WM_STAGE_SKY_REFRESH) == 1; }, 1000));
    for (int i = 0; i < 3; ++i) {
        sky.Invalidate();
        sky.UpdateWindow();
    }
    PumpFor(20);
    EXPECT_EQ(stage.Count(WM_STAGE_SKY_REFRESH), 1);

    // Closed and opened again within the second, the new window still asks.
    sky.DestroyWindow();
    CDlgSkyWindow again;
    ASSERT_TRUE(again.Create(nullptr));
    windows.overview = again.GetSafeHwnd();
    again.ShowWindow(SW_SHOWNOACTIVATE);
    EXPECT_TRUE(PumpUntil([&] { return stage.Count(WM_STAGE_SKY_REFRESH) == 2; }, 500));
    again.DestroyWindow();
}

TEST_F(SkyWindowMessages, CloseDestroysTheWindow)
{
    sky.SendMessage(WM_CLOSE);
    PumpUntil([&] { return !sky.GetSafeHwnd(); }, 500);
    EXPECT_FALSE(sky.GetSafeHwnd());
}

// The overview of the real stage showing a 2400 x 1600 image, zoomed in.
class SkyWindowStage : public ViewStageTest {
protected:
    void SetUp() override
    {
        ViewStageTest::SetUp();
        OpenPanel();
        AppSettings.CenterZoom = 0;
        AppSettings.SmoothMove = 0;
        stage.ShowWindow(SW_SHOW);
        sky = std::make_unique<CDlgSkyWindow>(nullptr, [this] { return workArea; });
        sky_windows.panel = panel.GetSafeHwnd();
        sky_windows.stage = stage.GetSafeHwnd();
        SetAppStateSource(&sky_windows);
        ASSERT_TRUE(sky->Create(nullptr));
        sky_windows.overview = sky->GetSafeHwnd();
        sky->ShowWindow(SW_SHOWNOACTIVATE);
    }
    void TearDown() override
    {
        sky->DestroyWindow();
        sky.reset();
        SetAppStateSource(&windows);
        ViewStageTest::TearDown();
    }
    void OpenImage(int w, int h)
    {
        ASSERT_EQ(stage.RequestOpenImageFile(Write(QStringLiteral("image.png"), PatternImage(w, h))), 1);
    }
    RECT Visible() const { return stage.Zoom().visibleRect; }
    POINT Centre() const
    {
        const RECT v = Visible();
        return POINT{(v.left + v.right) / 2, (v.top + v.bottom) / 2};
    }
    // The image point a per-mille pair names.
    static POINT AtPerMille(int x, int y) { return POINT{x * 2400 / 1000, y * 1600 / 1000}; }
    static void ExpectNear(POINT a, POINT b)
    {
        EXPECT_LE(std::abs(a.x - b.x), 4) << a.x << " vs " << b.x;
        EXPECT_LE(std::abs(a.y - b.y), 4) << a.y << " vs " << b.y;
    }

    RECT workArea{0, 0, 1920, 1040};
    SkyWindows sky_windows;
    std::unique_ptr<CDlgSkyWindow> sky;
};

TEST_F(SkyWindowStage, ADragPansTheStageAlongAndAClickJumpsIt)
{
    OpenImage(2400, 1600);
    for (int i = 0; i < 3; ++i)
        stage.SendMessage(WM_STAGE_ZOOM, 1, 0);
    ASSERT_EQ(stage.SendMessage(WM_STAGE_SKY_REFRESH), 1);
    const SIZE pic = sky->PictureSize();
    // As wide as the panel's client area less the borders, as high as the image's ratio.
    EXPECT_EQ(pic.cx, 120 - 22);
    EXPECT_EQ(pic.cy, (120 - 22) * 1600 / 2400);
    const int width = stage.Zoom().VisibleWidth();

    Press(*sky, POINT{40, 30});
    Move(*sky, POINT{50, 34});
    ExpectNear(Centre(), AtPerMille(SkyPerMille(50, pic.cx), SkyPerMille(34, pic.cy)));
    Move(*sky, POINT{60, 36});
    ExpectNear(Centre(), AtPerMille(SkyPerMille(60, pic.cx), SkyPerMille(36, pic.cy)));
    Release(*sky, POINT{60, 36});
    EXPECT_EQ(stage.Zoom().VisibleWidth(), width);
    ExpectNear(Centre(), AtPerMille(SkyPerMille(60, pic.cx), SkyPerMille(36, pic.cy)));

    // A click (2 pixels of play) jumps to the press point.
    Press(*sky, POINT{35, 25});
    Move(*sky, POINT{37, 27});
    Release(*sky, POINT{37, 27});
    ExpectNear(Centre(), AtPerMille(SkyPerMille(34, pic.cx), SkyPerMille(24, pic.cy)));
    EXPECT_EQ(stage.Zoom().VisibleWidth(), width);
}

TEST_F(SkyWindowStage, TheFrameReachingTheImagesRightEdgeIsDrawnOnThePicturesLastColumn)
{
    OpenImage(2400, 1600);
    for (int i = 0; i < 3; ++i)
        stage.SendMessage(WM_STAGE_ZOOM, 1, 0);
    stage.SendMessage(WM_STAGE_SKY_JUMP, 1000, 500);
    ASSERT_EQ(Visible().right, 2400);
    ASSERT_EQ(stage.SendMessage(WM_STAGE_SKY_REFRESH), 1);
    const SIZE pic = sky->PictureSize();
    const RECT f = sky->FrameRect();
    EXPECT_EQ(f.right, pic.cx - 1);
    const QImage surface = *sky->GetDlgItem(IDC_SKY_PICTURE)->GetSurface();
    EXPECT_EQ(surface.pixel(pic.cx - 1, (f.top + f.bottom) / 2) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(surface.pixel(f.left, (f.top + f.bottom) / 2) & 0xFFFFFF, 0xFF0000u);
}

TEST_F(SkyWindowStage, ATallImageIsCutToFourFifthsOfTheScreenAndEndsOnTheWorkAreaBottom)
{
    // A taskbar on the left: the work area still ends at the screen's bottom.
    workArea = RECT{60, 0, 1920, 1079};
    OpenImage(100, 3000);
    stage.SendMessage(WM_STAGE_ZOOM, 1, 0);
    ASSERT_EQ(stage.SendMessage(WM_STAGE_SKY_REFRESH), 1);
    RECT w{};
    sky->GetWindowRect(&w);
    EXPECT_EQ(w.bottom, 1079);
    EXPECT_EQ(w.bottom - w.top, 864);
    RECT s{};
    stage.GetWindowRect(&s);
    EXPECT_EQ(w.right, s.left - 1);
    // The picture fills the cut window.
    EXPECT_EQ(sky->PictureSize().cy, 864 - 22);
    EXPECT_EQ(sky->PictureSize().cx, (w.right - w.left) - 22);
}

}  // namespace
