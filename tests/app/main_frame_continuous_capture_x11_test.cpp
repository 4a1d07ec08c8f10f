// A continuous capture run by the real frame under a window manager: the
// frame's windows go away and the compact window stands at the top of the
// screen; the manager's minimise button on it minimises the frame instead
// (the dialog goes with the frame and comes back with it); a stop ends the
// run, and everything comes back. A run that goes on to the multi view
// shows its folder there.
#include "clip/continuous_capture_dialog.h"
#include "core/frame_messages.h"
#include "core/path_utils.h"
#include "core/settings/app_settings.h"
#include "multiview/multi_control_window.h"
#include "platform/dialog/msgbox.h"
#include "platform/window/own_windows_on_screen.h"
#include "platform/x11/desktop_handles.h"
#include "platform/x11/desktop_services.h"
#include "tests/support/frame_app_fixture.h"
#include "tests/support/pump_until.h"
#include "tests/support/synthetic_input.h"

#include <QDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class ContinuousCaptureFrameX11 : public FrameAppTest {
protected:
    void SetUp() override
    {
        if (!DesktopIsAvailable() || !Desktop().windows.HasWindowManager())
            GTEST_SKIP() << "needs an X display with a window manager";
        FrameAppTest::SetUp();
        ASSERT_TRUE(PumpUntil([] { return AnyOwnWindowOnScreen(); }, 5000));
    }
};

TEST_F(ContinuousCaptureFrameX11, TheMinimiseButtonTakesTheFrameAwayAndAStopBringsEverythingBack)
{
    AppSettingsRecord& s = AppSettings;
    s.Step1_cc_Target = 2;
    s.Step1_cc_CapRect = RECT{0, 0, 99, 79};
    s.Step2_FirstWait = 100;
    s.Step3_cc_CapNum = 10000;
    s.Step4_cc_CapInterval = 1;
    s.Step4_ForceCapture = 1;  // the test's own waits hold the loop up
    s.Step5_cc_SaveFormat = 1;
    s.Step6_cc_SaveFolder = m_dir.filePath(QStringLiteral("frames")) + QStringLiteral("/");
    s.Step6_cc_Goto_MultiMode = 0;
    s.Step7_cc_Filename = QStringLiteral("f");
    s.Step7_cc_OverWrite = 1;
    s.Step8_WndStatus = 2;
    s.Step8_ShowPos = 1;
    const HWND stage = m_frame->Window(AppWindow::ViewStage);
    RECT frameBefore{};
    m_frame->GetWindowRect(&frameBefore);

    QStringList boxes;
    SetMessageBoxHookForTesting([&](const MessageBoxRequest& r) {
        boxes << r.text;
        return IDOK;
    });
    bool stageHidden = false;
    RECT compact{};
    bool frameMinimized = false;
    bool dialogBack = false;
    // Both end with the test, so neither can fire on a dialog that is gone.
    QTimer start, watch;
    start.setSingleShot(true);
    watch.setSingleShot(true);
    QObject::connect(&start, &QTimer::timeout, [&] {
        CDlgContinueCapture* dialog = m_frame->m_pContinueCapture;
        if (!dialog || !PumpUntil([&] { return dialog->IsWindowVisible() == TRUE; }, 5000))
            return;
        watch.start(0);
        MouseClick(dialog->GetDlgItem(IDOK)->GetWidget(), QPoint(4, 4));  // the run, till the stop
    });
    QObject::connect(&watch, &QTimer::timeout, [&] {
        CDlgContinueCapture* dialog = m_frame->m_pContinueCapture;
        // Looked at again later while the start is still on its way (its first wait pumps here).
        if (!dialog->IsRunning()) {
            watch.start(50);
            return;
        }
        stageHidden = !::IsWindowVisible(stage);
        PumpFor(300);
        dialog->GetWindowRect(&compact);
        // The window manager's minimise button on the compact window.
        Desktop().control.Minimize(DesktopHandleOf(dialog->GetSafeHwnd()));
        frameMinimized = PumpUntil([&] { return m_frame->IsIconic() == TRUE; }, 5000);
        m_frame->ShowWindow(SW_RESTORE);
        dialogBack = PumpUntil([&] { return dialog->IsWindowVisible() && !dialog->IsIconic(); }, 5000);
        MouseClick(dialog->GetDlgItem(IDOK)->GetWidget(), QPoint(4, 4));  // stop
    });
    start.start(0);
    EXPECT_EQ(m_frame->SendMessage(WM_FRAME_CONTINUE_CAPTURE), 1);
    SetMessageBoxHookForTesting({});

    EXPECT_TRUE(stageHidden);
    EXPECT_EQ(compact.left, 10);
    EXPECT_EQ(compact.top, 10);
    EXPECT_TRUE(frameMinimized);
    EXPECT_TRUE(dialogBack);
    EXPECT_EQ(boxes, QStringList{QStringLiteral("ユーザー操作により連続キャプチャを中止しました。")});
    EXPECT_FALSE(QDir(s.Step6_cc_SaveFolder).isEmpty());
    // Everything back where it was.
    EXPECT_TRUE(PumpUntil([&] { return !m_frame->IsIconic() && ::IsWindowVisible(stage); }, 5000));
    RECT frameAfter{};
    m_frame->GetWindowRect(&frameAfter);
    EXPECT_EQ(frameAfter.left, frameBefore.left);
    EXPECT_EQ(frameAfter.top, frameBefore.top);
    EXPECT_EQ(frameAfter.right - frameAfter.left, frameBefore.right - frameBefore.left);
}

TEST_F(ContinuousCaptureFrameX11, ARunThatGoesOnToTheMultiViewShowsItsFolderThere)
{
    AppSettingsRecord& s = AppSettings;
    s.Step1_cc_Target = 2;
    s.Step1_cc_CapRect = RECT{0, 0, 49, 39};
    s.Step2_FirstWait = 100;
    s.Step3_cc_CapNum = 2;
    s.Step4_cc_CapInterval = 1;
    s.Step4_ForceCapture = 0;
    s.Step5_cc_SaveFormat = 5;
    QString folder = m_dir.filePath(QStringLiteral("series"));
    s.Step6_cc_SaveFolder = folder + QStringLiteral("/");
    s.Step6_cc_Goto_MultiMode = 1;
    s.Step7_cc_Filename = QStringLiteral("g");
    s.Step7_cc_OverWrite = 1;
    s.Step8_WndStatus = 2;
    s.Step8_ShowPos = 2;

    QStringList boxes;
    SetMessageBoxHookForTesting([&](const MessageBoxRequest& r) {
        boxes << r.text;
        return IDOK;
    });
    bool offered = false;
    QTimer start;
    start.setSingleShot(true);
    QObject::connect(&start, &QTimer::timeout, [&] {
        CDlgContinueCapture* dialog = m_frame->m_pContinueCapture;
        if (!dialog || !PumpUntil([&] { return dialog->IsWindowVisible() == TRUE; }, 5000))
            return;
        offered = dialog->GetDlgItem(IDC_CC_GOTO_MULTI)->IsWindowEnabled() == TRUE;
        MouseClick(dialog->GetDlgItem(IDOK)->GetWidget(), QPoint(4, 4));
    });
    start.start(0);
    EXPECT_EQ(m_frame->SendMessage(WM_FRAME_CONTINUE_CAPTURE), 1);
    SetMessageBoxHookForTesting({});

    EXPECT_TRUE(offered);
    EXPECT_EQ(boxes, QStringList{QStringLiteral("連続キャプチャ終了しました")});
    EXPECT_TRUE(PumpUntil([&] { return m_frame->AppMode() == 2; }, 5000));
    CDlgMultiControlWindow* panel = m_frame->GetMultiControlWindow();
    ASSERT_NE(panel, nullptr);
    QString requested = panel->RequestedFolder();
    RemoveTrailingBackslash(requested);
    EXPECT_EQ(requested, folder);
}

}  // namespace
