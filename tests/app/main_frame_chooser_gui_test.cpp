// The frame's side of the capture-window chooser: a rest of the pointer on
// the chooser button opens it (timer 28), its close blocks re-opening for
// 750 ms (timer 9), the status pane tells the list's limit while it is open,
// and the window list learns whether it is open.
#include "app/main_frame.h"
#include "clip/capture_chooser.h"
#include "core/chooser_button.h"
#include "core/frame_messages.h"
#include "core/settings/app_settings.h"
#include "platform/system/program_folder.h"
#include "platform/window/pointer_position.h"
#include "tests/core/fake_desktop.h"
#include "tests/support/pump_until.h"
#include "tests/support/scripted_dialogs.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr UINT_PTR kReopenTimer = 9;
constexpr UINT_PTR kHoverTimer = 28;

class FrameChooser : public fake_desktop::FakeDesktop {
protected:
    void SetUp() override
    {
        FakeDesktop::SetUp();
        ASSERT_TRUE(m_dir.isValid());
        SetProgramFolderForTesting(m_dir.path());
        ASSERT_TRUE(m_frame.CreateMainFrame());
        AppSettings.CaptureListMax = 30;
        ASSERT_TRUE(
            m_panel.CreateEx(0, QStringLiteral("panel"), WS_POPUP, RECT{20, 100, 120, 500}, nullptr, 0));
        m_panel.ShowWindow(SW_SHOW);
        SetChooserButtonPlace(m_panel.GetSafeHwnd(), RECT{10, 200, 34, 224});
        Add(41, QStringLiteral("エディタ"));
        Add(42, QStringLiteral("ブラウザ"));
    }
    void TearDown() override
    {
        SetChooserButtonPlace(nullptr, RECT{});
        m_frame.CloseAllWindows();  // as the frame's close does
        if (m_frame.GetSafeHwnd())
            m_frame.DestroyWindow();
        PumpFor(50);
        SetProgramFolderForTesting(QString());
        FakeDesktop::TearDown();
    }
    // The pointer rests on the button (or elsewhere) when the hover timer fires.
    void Hover(bool onButton)
    {
        const RECT button = ChooserButtonScreenRect();
        SetCursorPos(onButton ? button.right : button.right + 1, onButton ? button.bottom : button.top);
        m_frame.SendMessage(WM_FRAME_HOVER_CAPTURE);
        m_frame.SendMessage(WM_TIMER, kHoverTimer);
    }

    QTemporaryDir m_dir;
    ScriptedMessageBoxes m_boxes;
    CMainFrame m_frame;
    CWnd m_panel;
};

TEST_F(FrameChooser, ARestOnTheButtonOpensItAndItsCloseBlocksReopeningFor750Ms)
{
    Hover(false);  // just beside the button
    EXPECT_EQ(m_frame.Window(AppWindow::CaptureChooser), nullptr);

    Hover(true);  // the edges count as on the button
    const HWND chooser = m_frame.Window(AppWindow::CaptureChooser);
    ASSERT_NE(chooser, nullptr);
    EXPECT_TRUE(GetWindowListHost().isChooserOpen());
    RECT r;
    GetWindowRect(chooser, &r);
    EXPECT_EQ(m_frame.m_rcChooser, r);
    EXPECT_EQ(m_frame.GetMessageText(),
        QStringLiteral(
            "キャプチャーウィンドウの選択 : リストに表示されるウィンドウの最大数は 30 個までです。"));

    // A second rest while it is open changes nothing.
    Hover(true);
    EXPECT_EQ(m_frame.Window(AppWindow::CaptureChooser), chooser);

    m_frame.SendMessage(WM_FRAME_CLOSE_CAPTURELIST);
    EXPECT_EQ(m_frame.Window(AppWindow::CaptureChooser), nullptr);
    EXPECT_EQ(m_frame.m_rcChooser, RECT{});
    EXPECT_FALSE(GetWindowListHost().isChooserOpen());
    EXPECT_EQ(m_frame.GetMessageText(), QString());
    EXPECT_EQ(m_frame.m_bChooserReopenAllowed, 0);

    Hover(true);
    EXPECT_EQ(m_frame.Window(AppWindow::CaptureChooser), nullptr);
    m_frame.SendMessage(WM_TIMER, kReopenTimer);
    EXPECT_EQ(m_frame.m_bChooserReopenAllowed, 1);
    Hover(true);
    EXPECT_NE(m_frame.Window(AppWindow::CaptureChooser), nullptr);
}

TEST_F(FrameChooser, ThePointerLeavingClosesItOnlyAfterItsGuard)
{
    Hover(true);
    auto* chooser =
        static_cast<CDlgChoicedCaptureWindow*>(CWnd::FromHandle(m_frame.Window(AppWindow::CaptureChooser)));
    ASSERT_NE(chooser, nullptr);
    chooser->SendMessage(WM_CLOSE);  // what the application's filter sends when the pointer leaves
    EXPECT_NE(m_frame.Window(AppWindow::CaptureChooser), nullptr);
    chooser->SendMessage(WM_TIMER, kChooserGuardTimer);
    chooser->SendMessage(WM_CLOSE);
    EXPECT_EQ(m_frame.Window(AppWindow::CaptureChooser), nullptr);
}

}  // namespace
