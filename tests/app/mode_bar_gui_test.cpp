// The mode bar with the real frame, made offscreen by the application object:
// it stands below the toolbar with the control panel below it and the stage
// beside the panel; the button of the mode that is on changes nothing; the
// way back to clip mode brings the pair back and the frame's clip-mode menu;
// its pictures at both icon scales; Enter and Esc leave it open; it follows
// the frame.
#include "app/frame_globals.h"
#include "app/mode_bar.h"
#include "app/mode_bar_rules.h"
#include "clip/control_panel.h"
#include "clip/control_panel_placement.h"
#include "clip/view_stage.h"
#include "core/app_state_queries.h"
#include "core/frame_messages.h"
#include "core/mode_bar_messages.h"
#include "core/panel_messages.h"
#include "core/system_figures.h"
#include "platform/controls/controls.h"
#include "res/frame_menus.h"
#include "tests/support/frame_app_fixture.h"
#include "tests/support/pump_until.h"
#include "tests/support/synthetic_input.h"

#include <gtest/gtest.h>

namespace {

RECT RectOf(const CWnd* w)
{
    RECT r{};
    w->GetWindowRect(&r);
    return r;
}

bool SameRect(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

SIZE SizeOf(const RECT& r)
{
    return SIZE{r.right - r.left, r.bottom - r.top};
}

class ModeBarGui : public FrameAppTest {
protected:
    void TearDown() override
    {
        g_nAppMode = 1;
        FrameAppTest::TearDown();
    }
    CDlgModeChoice& Bar() { return *m_frame->m_pModeChoice; }
    // The frame's reaction to a move of its own, which tells its windows. The
    // offscreen platform adds its window margins to the frame's rectangle only
    // once the frame shows, after the first show placed the windows, and no
    // move follows.
    void FrameTellsItsWindows()
    {
        PumpFor(50);
        m_frame->SendMessage(WM_MOVE);
    }
    void Press(int button) { Bar().SendMessage(WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0); }
    // The bar, the panel and the stage where the frame's rectangle puts them.
    void ExpectPlacedFor(const RECT& frame)
    {
        const RECT bar = RectOf(&Bar());
        const RECT expected = ModeBarPlacement(frame, g_ScreenMetrics, SizeOf(bar));
        EXPECT_TRUE(SameRect(bar, expected))
            << bar.left << "," << bar.top << " vs " << expected.left << "," << expected.top;
        const RECT panel = RectOf(m_frame->GetControlWindow());
        EXPECT_EQ(panel.left, bar.left);
        EXPECT_EQ(panel.top, bar.bottom);
        // The stage beside the panel starts at the bar's top, clear of the bar.
        const RECT stage = RectOf(m_frame->GetViewStage());
        EXPECT_EQ(stage.left, panel.right);
        EXPECT_EQ(stage.top, bar.top);
        EXPECT_GE(stage.left, bar.right);
    }
};

}  // namespace

TEST_F(ModeBarGui, StandsBelowTheToolbarWithThePanelBelowItAndTheStageBesideIt)
{
    ASSERT_NE(m_frame->m_pModeChoice, nullptr);
    EXPECT_TRUE(Bar().IsWindowVisible());
    EXPECT_EQ(m_frame->Window(AppWindow::ModeBar), Bar().GetSafeHwnd());
    EXPECT_EQ(IsModeChoiceWindowOpen(), 1);
    // Made before the panels: the panel stands below it at the same left edge.
    const RECT bar = RectOf(&Bar());
    const RECT panel = RectOf(m_frame->GetControlWindow());
    EXPECT_EQ(panel.left, bar.left);
    EXPECT_EQ(panel.top, bar.bottom);
    FrameTellsItsWindows();
    ExpectPlacedFor(RectOf(m_frame));
    // The frame's fit takes in the panel below the bar.
    EXPECT_GT(RectOf(m_frame).bottom, RectOf(m_frame->GetControlWindow()).bottom);

    // Both switches are offered.
    EXPECT_TRUE(Bar().GetDlgItem(IDC_MODE_TO_CLIP)->IsWindowEnabled());
    EXPECT_TRUE(Bar().GetDlgItem(IDC_MODE_TO_MULTI)->IsWindowEnabled());

    m_frame->SendMessage(WM_CLOSE);
    EXPECT_EQ(m_frame->m_pModeChoice, nullptr);
    EXPECT_EQ(IsModeChoiceWindowOpen(), 0);
}

TEST_F(ModeBarGui, TheButtonOfTheModeThatIsOnChangesNothing)
{
    PumpFor(50);
    const HWND handles[] = {
        Bar().GetSafeHwnd(), m_frame->Window(AppWindow::ControlPanel), m_frame->Window(AppWindow::ViewStage)};
    const RECT before[] = {RectOf(m_frame), RectOf(&Bar()), RectOf(m_frame->GetControlWindow()),
        RectOf(m_frame->GetViewStage())};
    const int shownClip = Bar().ShownImage(IDC_MODE_TO_CLIP);
    const int shownMulti = Bar().ShownImage(IDC_MODE_TO_MULTI);

    // 1112 in clip mode.
    for (int button : {int{IDC_MODE_TO_CLIP}}) {
        Press(button);
        PumpFor(50);
        EXPECT_EQ(g_nAppMode, 1) << button;
        const HWND after[] = {Bar().GetSafeHwnd(), m_frame->Window(AppWindow::ControlPanel),
            m_frame->Window(AppWindow::ViewStage)};
        const RECT now[] = {RectOf(m_frame), RectOf(&Bar()), RectOf(m_frame->GetControlWindow()),
            RectOf(m_frame->GetViewStage())};
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(after[i], handles[i]) << button << " window " << i;
        for (int i = 0; i < 4; ++i)
            EXPECT_TRUE(SameRect(now[i], before[i])) << button << " rectangle " << i;
        EXPECT_TRUE(m_frame->GetControlWindow()->IsWindowVisible());
        EXPECT_TRUE(m_frame->GetViewStage()->IsWindowVisible());
        EXPECT_EQ(Bar().ShownImage(IDC_MODE_TO_CLIP), shownClip);
        EXPECT_EQ(Bar().ShownImage(IDC_MODE_TO_MULTI), shownMulti);
        EXPECT_EQ(m_frame->m_pMenu, &kMenu128Main);
    }
}

TEST_F(ModeBarGui, BackToClipModeTheStageAndPanelReturnInPlaceWithTheFramesClipMenu)
{
    FrameTellsItsWindows();
    // As the multi view leaves it: mode 2, its menu, the clip pair hidden and out of place.
    g_nAppMode = 2;
    Bar().SendMessage(WM_MODEBAR_REFRESH);
    m_frame->SendMessage(WM_FRAME_SET_MODE, 278);
    ASSERT_EQ(m_frame->m_pMenu, &kMenu134MultiView);
    CDlgControlWindow* panel = m_frame->GetControlWindow();
    CDlgViewStage* stage = m_frame->GetViewStage();
    const HWND panelHandle = panel->GetSafeHwnd();
    const HWND stageHandle = stage->GetSafeHwnd();
    panel->ShowWindow(SW_HIDE);
    stage->ShowWindow(SW_HIDE);
    const RECT stageBefore = RectOf(stage);
    stage->MoveWindow(300, 300, stageBefore.right - stageBefore.left, stageBefore.bottom - stageBefore.top);

    Press(IDC_MODE_TO_CLIP);
    EXPECT_EQ(g_nAppMode, 1);
    EXPECT_EQ(Bar().ShownImage(IDC_MODE_TO_CLIP),
        ModeBarBitmapId(ModeBarImage::ClipButtonInClipMode, GetIconScale()));
    EXPECT_EQ(Bar().ShownImage(IDC_MODE_TO_MULTI),
        ModeBarBitmapId(ModeBarImage::MultiButtonInClipMode, GetIconScale()));
    // The same windows, shown again and placed next to the frame.
    EXPECT_EQ(m_frame->Window(AppWindow::ControlPanel), panelHandle);
    EXPECT_EQ(m_frame->Window(AppWindow::ViewStage), stageHandle);
    EXPECT_TRUE(panel->IsWindowVisible());
    EXPECT_TRUE(stage->IsWindowVisible());
    ExpectPlacedFor(RectOf(m_frame));
    // The frame swaps its menu once the posted messages arrive.
    EXPECT_TRUE(PumpUntil([&] { return m_frame->m_pMenu == &kMenu128Main; }, 2000));
}

TEST_F(ModeBarGui, ShowsEachModesPicturesAtBothIconScales)
{
    const float scale = g_fDpiScaleX;
    struct Case {
        float dpiScale;
        int appMode;
        int clipButton;
        int multiButton;
        QSize picture;
    };
    const Case cases[] = {
        {1.0f, 1, 281, 284, QSize(72, 22)},
        {1.0f, 2, 282, 283, QSize(72, 22)},
        {1.5f, 1, 325, 328, QSize(144, 44)},
        {1.5f, 2, 326, 327, QSize(144, 44)},
    };
    for (const Case& c : cases) {
        // The set is chosen when the bar is made.
        g_fDpiScaleX = c.dpiScale;
        m_frame->CloseModeChoice();
        m_frame->OpenModeChoice();
        ASSERT_NE(m_frame->m_pModeChoice, nullptr);
        g_nAppMode = static_cast<BYTE>(c.appMode);
        EXPECT_EQ(Bar().SendMessage(WM_MODEBAR_REFRESH, 1), 0);
        EXPECT_EQ(Bar().ShownImage(IDC_MODE_TO_CLIP), c.clipButton) << c.dpiScale << " mode " << c.appMode;
        EXPECT_EQ(Bar().ShownImage(IDC_MODE_TO_MULTI), c.multiButton) << c.dpiScale << " mode " << c.appMode;
        // The pictures are there, of the chosen set's size.
        for (int button : {int{IDC_MODE_TO_CLIP}, int{IDC_MODE_TO_MULTI}}) {
            auto* b = dynamic_cast<CButton*>(Bar().GetDlgItem(button));
            ASSERT_NE(b, nullptr);
            ASSERT_NE(b->GetBitmap(), nullptr) << button;
            EXPECT_EQ(b->GetBitmap()->image.size(), c.picture) << button;
        }
    }
    g_fDpiScaleX = scale;
}

TEST_F(ModeBarGui, EnterEscAndTheCloseRequestLeaveItOpen)
{
    KeyClick(Bar().GetWidget(), Qt::Key_Return, QStringLiteral("\r"));
    KeyClick(Bar().GetWidget(), Qt::Key_Escape);
    Press(IDOK);
    Press(IDCANCEL);
    Bar().SendMessage(WM_CLOSE);
    PumpFor(20);
    ASSERT_NE(m_frame->m_pModeChoice, nullptr);
    EXPECT_TRUE(Bar().GetSafeHwnd() != nullptr);
    EXPECT_TRUE(Bar().IsWindowVisible());
    EXPECT_EQ(g_nAppMode, 1);
}

TEST_F(ModeBarGui, FollowsTheFrameWhenItMoves)
{
    PumpFor(50);
    RECT frame = RectOf(m_frame);
    m_frame->MoveWindow(frame.left + 40, frame.top + 30, frame.right - frame.left, frame.bottom - frame.top);
    ASSERT_TRUE(PumpUntil([&] { return RectOf(m_frame).left == frame.left + 40; }, 2000));
    frame = RectOf(m_frame);
    EXPECT_TRUE(PumpUntil(
        [&] {
            return SameRect(RectOf(&Bar()), ModeBarPlacement(frame, g_ScreenMetrics, SizeOf(RectOf(&Bar()))));
        },
        2000));
    ExpectPlacedFor(frame);

    // Told directly, it takes its place again.
    const RECT bar = RectOf(&Bar());
    Bar().MoveWindow(0, 0, bar.right - bar.left, bar.bottom - bar.top);
    EXPECT_EQ(Bar().SendMessage(WM_REPOSITION_PANEL), 0);
    EXPECT_TRUE(SameRect(RectOf(&Bar()), bar));
}
