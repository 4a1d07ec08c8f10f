// The frame's side of the work-folder dialog: command 32859 runs it modally,
// once at a time, while the control panel is idle; the frame knows it while
// it runs; a frame closing meanwhile ends it and saves what it changed.
#include "clip/control_panel.h"
#include "clip/control_panel_messages.h"
#include "clip/work_folder_dialog.h"
#include "core/app_state_queries.h"
#include "core/settings/app_settings.h"
#include "res/frame_command_ids.h"
#include "tests/support/frame_app_fixture.h"
#include "tests/support/pump_until.h"

#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

class MainFrameWorkFolderGui : public FrameAppTest {
protected:
    bool Enabled() const { return m_frame->QueryCommandState(ID_FILE_WORK_FOLDER).enabled; }

    // Sends the command; `inside` runs once inside the dialog's loop and must
    // end it. The number of dialogs that ran.
    int RunCommand(const std::function<void(CDialog&)>& inside)
    {
        int runs = 0;
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            CDialog* dialog = m_frame->m_pWorkFolder;
            if (!dialog || !dialog->GetSafeHwnd())
                return;
            poll.stop();
            ++runs;
            inside(*dialog);
        });
        poll.start();
        m_frame->SendMessage(WM_COMMAND, ID_FILE_WORK_FOLDER, 0);
        PumpFor(30);
        return runs;
    }
};

TEST_F(MainFrameWorkFolderGui, TheCommandRunsTheDialogOnceAndItsCloseBoxStoresIt)
{
    EXPECT_TRUE(Enabled());
    AppSettings.FolderHistory = 1;
    HWND shown = nullptr;
    const int runs = RunCommand([&](CDialog& dialog) {
        shown = m_frame->Window(AppWindow::WorkFolderDialog);
        EXPECT_EQ(shown, dialog.GetSafeHwnd());
        EXPECT_TRUE(m_frame->QueryCommandState(ID_FILE_WORK_FOLDER).checked);
        // A second request while it runs does nothing.
        m_frame->SendMessage(WM_COMMAND, ID_FILE_WORK_FOLDER, 0);
        dialog.CheckDlgButton(IDC_WORK_FOLDER_HISTORY, 0);
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_WORK_FOLDER_HISTORY, BN_CLICKED), 0);
        dialog.SendMessage(WM_CLOSE);
    });
    EXPECT_EQ(runs, 1);
    EXPECT_NE(shown, nullptr);
    EXPECT_EQ(m_frame->m_pWorkFolder, nullptr);
    EXPECT_EQ(m_frame->Window(AppWindow::WorkFolderDialog), nullptr);
    EXPECT_FALSE(m_frame->QueryCommandState(ID_FILE_WORK_FOLDER).checked);
    EXPECT_EQ(AppSettings.FolderHistory, 0);
}

TEST_F(MainFrameWorkFolderGui, TheCommandWaitsForASelectionInThePanel)
{
    CDlgControlWindow& panel = *m_frame->GetControlWindow();
    panel.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_PANEL_TWO_CLICK_RANGE, BN_CLICKED), 0);
    ASSERT_EQ(panel.m_bSelectionOn, 1);
    EXPECT_FALSE(Enabled());
    EXPECT_EQ(RunCommand([](CDialog& dialog) { dialog.EndDialog(IDCANCEL); }), 0);

    panel.SendMessage(WM_CLIPCTL_PRESS_METHOD, 2);
    EXPECT_TRUE(Enabled());
}

TEST_F(MainFrameWorkFolderGui, AFrameClosingWhileItRunsEndsItAndSavesItsChanges)
{
    AppSettings.FolderHistory = 1;
    const int runs = RunCommand([&](CDialog& dialog) {
        dialog.CheckDlgButton(IDC_WORK_FOLDER_HISTORY, 0);
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_WORK_FOLDER_HISTORY, BN_CLICKED), 0);
        m_frame->SendMessage(WM_CLOSE);
    });
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(PumpUntil([&] { return !m_frame->GetSafeHwnd(); }, 2000));
    EXPECT_EQ(m_frame->m_pWorkFolder, nullptr);
    const QByteArray cfg = ReadBytes(m_dir.filePath(QStringLiteral("Kestrel.cfg")));
    EXPECT_TRUE(cfg.contains("\nFolderHistory = 0")) << cfg.constData();
}

}  // namespace
