// The overview window as the frame keeps it: the stage and the mode bar ask
// for it with WM_FRAME_OPEN_SKY, which opens it only while the settings want
// it (ShowZoomDlg), and close it with WM_FRAME_CLOSE_SKY, after which the
// stage's surface has the keyboard again. The window ends no lower than the
// frame's work area.
#include "app/main_frame.h"

#include "app/owned_window.h"
#include "clip/sky_window.h"
#include "clip/view_stage.h"
#include "core/frame_messages.h"
#include "core/settings/app_settings.h"

void CMainFrame::OpenSkyWindow()
{
    if (!m_pSkyWindow) {
        auto* window = new CDlgSkyWindow(this, [this] { return m_rcWorkArea; });
        if (!window->Create(this)) {
            delete window;
            return;
        }
        m_pSkyWindow = window;
    }
    // Shown and on top, without taking the keyboard from the stage.
    m_pSkyWindow->ShowWindow(SW_SHOWNOACTIVATE);
    BringToTop(m_pSkyWindow->GetSafeHwnd());
}

void CMainFrame::CloseSkyWindow()
{
    // Its WM_CLOSE destroys it; the object goes once no handler of it runs
    // (the stage may ask for this while the overview's own click is handled).
    if (m_pSkyWindow && m_pSkyWindow->GetSafeHwnd())
        m_pSkyWindow->SendMessage(WM_CLOSE);
    CloseOwnedWindowAtEnd(m_pSkyWindow);
}

BOOL CMainFrame::IsSkyWindowOpen() const
{
    return m_pSkyWindow && m_pSkyWindow->GetSafeHwnd() ? TRUE : FALSE;
}

bool CMainFrame::HandleSkyMessage(UINT message, WPARAM, LPARAM, LRESULT* result)
{
    switch (message) {
    case WM_FRAME_OPEN_SKY:
        if (AppSettings.ShowZoomDlg != 1) {
            *result = 0;
            return true;
        }
        OpenSkyWindow();
        *result = 1;
        return true;
    case WM_FRAME_CLOSE_SKY:
        CloseSkyWindow();
        if (m_pViewStage)
            ::SetFocus(m_pViewStage->SurfaceWindow());
        *result = 1;
        return true;
    default:
        return false;
    }
}
