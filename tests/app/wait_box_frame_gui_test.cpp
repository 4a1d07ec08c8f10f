// The frame's wait box: opened and closed through the frame's messages, kept
// in its window table, and closed with the frame's other windows.
#include "app/main_frame.h"
#include "clip/wait_box.h"
#include "clip/wait_box_messages.h"
#include "core/frame_messages.h"
#include "platform/system/program_folder.h"
#include "res/dialog_146_wait_operate.h"
#include "tests/support/pump_until.h"
#include "tests/support/scripted_dialogs.h"

#include <QProgressBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class WaitBoxFrame : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        SetProgramFolderForTesting(m_dir.path());
        ASSERT_TRUE(m_frame.CreateMainFrame());
    }
    void TearDown() override
    {
        if (m_frame.GetSafeHwnd())
            m_frame.DestroyWindow();
        PumpFor(100);  // a closed box's object is deleted from the event loop
        SetProgramFolderForTesting(QString());
    }

    HWND Open(const QString& title, int maximum)
    {
        return reinterpret_cast<HWND>(
            m_frame.SendMessage(WM_FRAME_OPEN_WAITMSG, reinterpret_cast<WPARAM>(&title), maximum));
    }

    QTemporaryDir m_dir;
    ScriptedMessageBoxes m_boxes;
    CMainFrame m_frame;
};

TEST_F(WaitBoxFrame, OpenedAndClosedByTheFramesMessages)
{
    EXPECT_EQ(m_frame.Window(AppWindow::WaitBox), nullptr);
    const HWND box = Open(QStringLiteral("連続キャプチャ"), 600);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(m_frame.Window(AppWindow::WaitBox), box);
    ASSERT_NE(m_frame.m_pWaitOperateMsg, nullptr);
    EXPECT_EQ(m_frame.m_pWaitOperateMsg->GetOwner(), &m_frame);
    EXPECT_EQ(m_frame.m_pWaitOperateMsg->GetWindowText(), QStringLiteral("連続キャプチャ"));
    EXPECT_TRUE(IsWindowVisible(box));

    // The task behind it talks to the handle it was given.
    SendMessage(box, WM_WAITMSG_SET_POS, 300);
    auto* bar = qobject_cast<QProgressBar*>(
        CWnd::FromHandle(GetDlgItem(box, IDC_WAIT_OPERATE_PROGRESS))->GetWidget());
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->value() * 2, bar->maximum());

    EXPECT_EQ(m_frame.SendMessage(WM_FRAME_CLOSE_WAITMSG), 0);
    EXPECT_EQ(m_frame.Window(AppWindow::WaitBox), nullptr);
    EXPECT_EQ(m_frame.m_pWaitOperateMsg, nullptr);
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(box); }, 1000));
    // Closing again does nothing.
    EXPECT_EQ(m_frame.SendMessage(WM_FRAME_CLOSE_WAITMSG), 0);
}

TEST_F(WaitBoxFrame, ASecondOpenReplacesTheBoxAndTheFramesCloseEndsIt)
{
    const HWND first = Open(QStringLiteral("一"), 10);
    const HWND second = Open(QStringLiteral("二"), 20);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(m_frame.Window(AppWindow::WaitBox), second);
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(first); }, 1000));

    m_frame.DestroyAllWindows();
    EXPECT_EQ(m_frame.Window(AppWindow::WaitBox), nullptr);
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(second); }, 1000));
}

}  // namespace
