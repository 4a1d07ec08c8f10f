// The multi view with the real frame, made offscreen by the application
// object: the mode bar's switch makes the panel and then the stage once,
// shows them in the clip pair's place and hides them again on the way back;
// the panel's guide reaches the status bar; clip mode's zoom and overview
// come back with clip mode.
#include "app/frame_globals.h"
#include "app/mode_bar.h"
#include "clip/control_panel.h"
#include "clip/view_stage.h"
#include "core/frame_messages.h"
#include "core/settings/app_settings.h"
#include "multiview/multi_control_window.h"
#include "multiview/multi_view_stage.h"
#include "multiview/thumbnail_list.h"
#include "res/frame_command_ids.h"
#include "res/frame_menus.h"
#include "tests/support/frame_app_fixture.h"
#include "tests/support/pump_until.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

RECT RectOf(const CWnd* w)
{
    RECT r{};
    w->GetWindowRect(&r);
    return r;
}

class MainFrameMultiViewGui : public FrameAppTest {
protected:
    void TearDown() override
    {
        g_nAppMode = 1;
        FrameAppTest::TearDown();
    }
    CDlgModeChoice& Bar() { return *m_frame->m_pModeChoice; }
    void Press(int button) { Bar().SendMessage(WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0); }
    bool Shown(AppWindow which) const
    {
        const HWND w = m_frame->Window(which);
        return w && ::IsWindowVisible(w);
    }
};

}  // namespace

TEST_F(MainFrameMultiViewGui, TheModeBarSwitchesToTheMultiViewAndBackWithItsPanelShownAndHidden)
{
    PumpFor(50);
    m_frame->SendMessage(WM_MOVE);                         // the frame tells its windows where it stands
    EXPECT_EQ(m_frame->GetMultiControlWindow(), nullptr);  // made on the first switch
    EXPECT_TRUE(Bar().GetDlgItem(IDC_MODE_TO_MULTI)->IsWindowEnabled());
    const RECT clipPanel = RectOf(m_frame->GetControlWindow());

    Press(IDC_MODE_TO_MULTI);
    EXPECT_EQ(g_nAppMode, 2);
    CDlgMultiControlWindow* panel = m_frame->GetMultiControlWindow();
    CDlgMultiViewStage* stage = m_frame->GetMultiViewStage();
    ASSERT_NE(panel, nullptr);
    ASSERT_NE(stage, nullptr);
    EXPECT_TRUE(Shown(AppWindow::MultiViewPanel));
    EXPECT_TRUE(Shown(AppWindow::MultiViewStage));
    EXPECT_FALSE(Shown(AppWindow::ControlPanel));
    EXPECT_FALSE(Shown(AppWindow::ViewStage));
    // The panel stands where the clip-mode panel stood, and the stage reads it.
    const RECT multiPanel = RectOf(panel);
    EXPECT_EQ(multiPanel.left, clipPanel.left);
    EXPECT_EQ(multiPanel.top, clipPanel.top);
    EXPECT_EQ(stage->ViewMode(), panel->ViewMode());
    EXPECT_TRUE(PumpUntil([&] { return m_frame->m_pMenu == &kMenu134MultiView; }, 2000));

    // The panel's guide in the status bar.
    panel->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(-50, -50));
    m_frame->SendMessage(WM_FRAME_STATUS_MULTI, 7);
    EXPECT_EQ(m_frame->GetMessageText(),
        QStringLiteral("表示(サムネイル)画像をクリアします。(サムネイル用に確保したメモリを開放します)"));
    m_frame->SendMessage(WM_FRAME_STATUS_MULTI, 0);
    EXPECT_TRUE(m_frame->GetMessageText().isEmpty());

    Press(IDC_MODE_TO_CLIP);
    EXPECT_EQ(g_nAppMode, 1);
    EXPECT_FALSE(Shown(AppWindow::MultiViewPanel));
    EXPECT_FALSE(Shown(AppWindow::MultiViewStage));
    EXPECT_TRUE(Shown(AppWindow::ControlPanel));
    EXPECT_TRUE(Shown(AppWindow::ViewStage));
    EXPECT_TRUE(PumpUntil([&] { return m_frame->m_pMenu == &kMenu128Main; }, 2000));

    // Once made, the same pair comes back.
    Press(IDC_MODE_TO_MULTI);
    EXPECT_EQ(m_frame->GetMultiControlWindow(), panel);
    EXPECT_EQ(m_frame->GetMultiViewStage(), stage);
    EXPECT_TRUE(Shown(AppWindow::MultiViewPanel));
    EXPECT_TRUE(Shown(AppWindow::MultiViewStage));
    // The frame closes from the multi view with both (TearDown).
}

TEST_F(MainFrameMultiViewGui, ClipModesZoomAndOverviewComeBackFromTheMultiView)
{
    AppSettings.ShowZoomDlg = 1;
    QImage picture(400, 300, QImage::Format_RGB32);
    picture.fill(qRgb(40, 90, 160));
    const QString png = m_dir.filePath(QStringLiteral("picture.png"));
    ASSERT_TRUE(picture.save(png));
    PumpFor(50);
    CDlgViewStage& clipStage = *m_frame->GetViewStage();
    ASSERT_NE(clipStage.RequestOpenImageFile(png), 0);
    m_frame->SendMessage(WM_COMMAND, ID_VIEW_ZOOM_IN, 0);
    m_frame->SendMessage(WM_COMMAND, ID_VIEW_ZOOM_IN, 0);
    const int level = clipStage.Zoom().level;
    ASSERT_GT(level, 0);
    ASSERT_TRUE(clipStage.Zoom().IsZoomedOrPart());
    m_frame->SendMessage(WM_FRAME_OPEN_SKY);
    ASSERT_TRUE(m_frame->IsSkyWindowOpen());

    Press(IDC_MODE_TO_MULTI);
    PumpFor(50);
    EXPECT_FALSE(m_frame->IsSkyWindowOpen());
    Press(IDC_MODE_TO_CLIP);
    PumpFor(50);
    EXPECT_EQ(clipStage.Zoom().level, level);
    EXPECT_TRUE(clipStage.Zoom().IsZoomedOrPart());
    EXPECT_TRUE(m_frame->IsSkyWindowOpen());

    // A size event that keeps the stage's size (as the desktop sends when a
    // window shows again) keeps them too.
    RECT client{};
    clipStage.GetClientRect(&client);
    clipStage.SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
    EXPECT_EQ(clipStage.Zoom().level, level);
    EXPECT_TRUE(m_frame->IsSkyWindowOpen());
}

TEST_F(MainFrameMultiViewGui, AFolderChosenInThePanelLoadsIntoTheStage)
{
    const QString folder = m_dir.filePath(QStringLiteral("pictures"));
    ASSERT_TRUE(QDir().mkpath(folder));
    for (const char* name : {"b.png", "a.png", "C.png"}) {
        QImage picture(64, 48, QImage::Format_RGB32);
        picture.fill(qRgb(200, 40, 40));
        ASSERT_TRUE(picture.save(folder + QLatin1Char('/') + QString::fromLatin1(name)));
    }
    PumpFor(50);
    Press(IDC_MODE_TO_MULTI);
    CDlgMultiControlWindow* panel = m_frame->GetMultiControlWindow();
    CDlgMultiViewStage* stage = m_frame->GetMultiViewStage();
    ASSERT_TRUE(panel && stage);

    ASSERT_TRUE(panel->SwitchToFolder(folder, false, false));
    ASSERT_TRUE(PumpUntil([&] { return stage->List().GetFileCount() == 3; }, 5000));
    EXPECT_EQ(stage->List().GetFolder(), folder);
    EXPECT_EQ(panel->History(0), folder);
    // The loader finishes and says so; the panel watches the folder.
    EXPECT_TRUE(PumpUntil([&] { return panel->DisplayState() == kMultiDisplayFinished; }, 10000));
    EXPECT_TRUE(panel->IsWatching());
    // The same folder again changes nothing.
    EXPECT_FALSE(panel->SwitchToFolder(folder, false, false));
}

TEST_F(MainFrameMultiViewGui, TheApplicationOffersKeysToTheStageAndFeedsItsRubberBand)
{
    Press(IDC_MODE_TO_MULTI);
    CDlgMultiControlWindow* panel = m_frame->GetMultiControlWindow();
    CDlgMultiViewStage* stage = m_frame->GetMultiViewStage();
    ASSERT_NE(stage, nullptr);

    // "2" pressed over the frame switches the multi view to preview.
    MSG key{};
    key.hwnd = m_frame->GetSafeHwnd();
    key.message = WM_KEYDOWN;
    key.wParam = '2';
    EXPECT_TRUE(m_app->PreTranslateMessage(&key));
    EXPECT_EQ(panel->ViewMode(), kMultiViewPreview);
    key.wParam = '1';
    EXPECT_TRUE(m_app->PreTranslateMessage(&key));
    EXPECT_EQ(panel->ViewMode(), kMultiViewGrid);

    // A band on the grid's empty area: the application's moves go to the stage.
    QTemporaryDir dir;
    for (int i = 0; i < 3; ++i)
        QImage(8, 8, QImage::Format_RGB32).save(dir.filePath(QStringLiteral("p%1.png").arg(i)), "PNG");
    panel->SetDisplayState(kMultiDisplayLoading);
    QString folder = dir.path();
    stage->SendMessage(WM_MULTI_FOLDER_CHANGED, reinterpret_cast<WPARAM>(&folder), 2);
    ASSERT_TRUE(PumpUntil([&] { return stage->List().GetValidBits() == 7; }, 10000));
    RECT grid{};
    stage->GetDlgItem(1334)->GetWindowRect(&grid);
    POINT empty{grid.right - 3, grid.bottom - 3};  // past the three files' cells
    stage->ScreenToClient(&empty);
    stage->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(empty.x, empty.y));
    ASSERT_TRUE(stage->IsRubberBandActive());
    MSG move{};
    move.hwnd = m_frame->GetSafeHwnd();
    move.message = WM_MOUSEMOVE;
    move.pt = POINT{grid.left + 5, grid.top + 5};
    EXPECT_TRUE(m_app->PreTranslateMessage(&move));
    // The button is not held here: the band ends and moves pass again.
    EXPECT_FALSE(stage->IsRubberBandActive());
    EXPECT_FALSE(m_app->PreTranslateMessage(&move));
}
