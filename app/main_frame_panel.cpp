// The control panel as the frame keeps it: made at the first show before
// the stage (it places itself at the frame's left edge) and closed as the
// frame ends; the frame's messages from the panels (status guidance of both
// and continuous capture); and the frame's answers to what
// the panel asks of it.
#include "app/main_frame.h"

#include "app/frame_status_guide.h"
#include "app/owned_window.h"
#include "clip/control_panel.h"
#include "core/frame_messages.h"
#include "core/logging.h"
#include "core/panel_messages.h"
#include "core/settings/app_settings.h"

void CMainFrame::OpenControlWindow()
{
    if (!m_pControlWindow) {
        auto* panel = new CDlgControlWindow;
        if (!panel->Create(this)) {
            qCWarning(lcFrame) << "the control panel could not be made";
            delete panel;
            return;
        }
        m_pControlWindow = panel;
    }
    m_pControlWindow->ShowWindow(SW_SHOW);
    m_pControlWindow->BringWindowToTop();
}

void CMainFrame::CloseControlWindow()
{
    // The panel closes only as the frame ends.
    CloseOwnedWindowAtEnd(m_pControlWindow);
}

BOOL CMainFrame::IsSelectionOn() const
{
    return m_pControlWindow && m_pControlWindow->m_bSelectionOn == 1 ? TRUE : FALSE;
}

bool CMainFrame::IsClipWindowOverStage() const
{
    const HWND stage = Window(AppWindow::ViewStage);
    if (!stage)
        return false;
    const RECT stageRect = WindowRect(stage);
    auto overlaps = [&](HWND w) {
        RECT r = WindowRect(w);
        return r.left < stageRect.right && stageRect.left < r.right && r.top < stageRect.bottom &&
            stageRect.top < r.bottom;
    };
    auto isClipWindow = [this](HWND w) {
        for (int i = 0; i < kClipWindowCount; ++i)
            if (w && ClipWindow(i) == w)
                return true;
        return false;
    };
    // The active clip window, else the window directly above the stage.
    const HWND active = ActiveWindow();
    if (isClipWindow(active))
        return overlaps(active);
    const HWND above = ::GetWindow(stage, GW_HWNDPREV);
    return isClipWindow(above) && overlaps(above);
}

bool CMainFrame::CanOpenClipHistory() const
{
    return true;
}

bool CMainFrame::CanRunContinueCapture() const
{
    return true;
}

bool CMainFrame::HandlePanelMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    *result = 0;
    switch (message) {
    case WM_FRAME_STATUS_GUIDE: {
        StatusGuideFacts facts;
        facts.fixSaveArea = AppSettings.FixSaveArea == 1;
        facts.chooserOpen = Window(AppWindow::CaptureChooser) != nullptr;
        facts.captureListMax = AppSettings.CaptureListMax;
        SetMessageText(StatusGuideText(wParam, lParam, facts));
        return true;
    }
    case WM_FRAME_STATUS_MULTI:
        SetMessageText(MultiPanelGuideText(wParam));
        return true;
    case WM_FRAME_CONTINUE_CAPTURE:
        *result = RunContinueCapture();
        return true;
    default:
        return false;
    }
}
