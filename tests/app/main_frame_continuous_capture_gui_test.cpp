// Continuous capture as the real frame runs it: the panel's button is
// enabled, the request runs the dialog modally while the frame keeps its
// pointer and raises it when the program becomes active; the window list
// leaves the dialog out by its title while it stands; a second request
// meanwhile is refused.
#include "clip/continuous_capture_dialog.h"
#include "clip/control_panel.h"
#include "clip/control_panel_messages.h"
#include "core/frame_messages.h"
#include "core/settings/app_settings.h"
#include "core/window_list.h"
#include "res/dialog_134_control_panel.h"
#include "tests/support/frame_app_fixture.h"
#include "tests/support/pump_until.h"

#include <QTimer>
#include <gtest/gtest.h>

#include <optional>

namespace {

class MainFrameContinuousCapture : public FrameAppTest { };

TEST_F(MainFrameContinuousCapture, ThePanelsRequestRunsTheDialogWhileTheFrameKeepsIt)
{
    CDlgControlWindow* panel = m_frame->GetControlWindow();
    ASSERT_NE(panel, nullptr);
    panel->SendMessage(WM_CLIPCTL_UPDATE_CONTCAP_BUTTON, 1);
    EXPECT_TRUE(panel->GetDlgItem(IDC_PANEL_CONTINUE_CAPTURE)->IsWindowEnabled());

    CDlgContinueCapture* seen = nullptr;
    bool visible = false;
    std::optional<QString> listedTitle;
    HWND kept = nullptr;
    HWND topAfterActivation = nullptr;
    LRESULT again = -1;
    // Ends with the test, so it cannot fire on a dialog that is gone.
    QTimer probe;
    probe.setSingleShot(true);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        PumpUntil(
            [&] { return m_frame->m_pContinueCapture && m_frame->m_pContinueCapture->IsWindowVisible(); },
            2000);
        seen = m_frame->m_pContinueCapture;
        if (!seen)
            return;
        visible = seen->IsWindowVisible();
        if (GetWindowListHost().continuousDialogTitle)
            listedTitle = GetWindowListHost().continuousDialogTitle();
        kept = m_frame->Window(AppWindow::ContinuousCaptureDialog);
        again = m_frame->SendMessage(WM_FRAME_CONTINUE_CAPTURE);
        m_frame->BringWindowToTop();
        m_frame->OnActivateApp(TRUE);
        topAfterActivation = ::GetWindow(m_frame->GetSafeHwnd(), GW_HWNDFIRST);
        seen->SendMessage(WM_COMMAND, IDCANCEL);
    });
    probe.start(0);
    EXPECT_EQ(m_frame->SendMessage(WM_FRAME_CONTINUE_CAPTURE), 1);

    ASSERT_NE(seen, nullptr);
    EXPECT_TRUE(visible);
    EXPECT_EQ(listedTitle, std::optional<QString>(QStringLiteral("KestrelPro 連続キャプチャ")));
    EXPECT_NE(kept, nullptr);
    EXPECT_EQ(again, 0);
    EXPECT_EQ(topAfterActivation, kept);
    EXPECT_EQ(m_frame->m_pContinueCapture, nullptr);
    EXPECT_FALSE(GetWindowListHost().continuousDialogTitle);
}

}  // namespace
