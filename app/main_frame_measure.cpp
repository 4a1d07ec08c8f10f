// The measure panel as the frame keeps it: command 32905 opens it in the
// control panel's place (the control panel hides, the mode bar shows the
// measuring picture); its close button and the stage's pop-up close it
// through WM_FRAME_CLOSE_MEASURE, which brings the control panel back.
#include "app/main_frame.h"

#include "app/owned_window.h"
#include "clip/control_panel.h"
#include "clip/measure_dialog.h"
#include "core/frame_messages.h"
#include "core/logging.h"
#include "core/mode_bar_messages.h"
#include "core/panel_messages.h"
#include "res/frame_command_ids.h"

void CMainFrame::OpenMeasureWindow()
{
    if (!m_pMeasure) {
        auto* panel = new CDlgMeasure;
        if (!panel->Create(this)) {
            qCWarning(lcFrame) << "the measure panel could not be made";
            delete panel;
            return;
        }
        m_pMeasure = panel;
        m_pMeasure->ShowWindow(SW_SHOW);
        if (m_pControlWindow)
            m_pControlWindow->ShowWindow(SW_HIDE);
        if (const HWND bar = Window(AppWindow::ModeBar))
            ::SendMessage(bar, WM_MODEBAR_REFRESH, 1, 0);
    }
    m_pMeasure->ShowWindow(SW_SHOW);
    m_pMeasure->BringWindowToTop();
}

void CMainFrame::CloseMeasureWindow()
{
    if (!m_pMeasure)
        return;
    // The panel usually asks for this from its own close button: it is
    // deleted once that handler has returned, or at once as the frame ends.
    CloseOwnedWindowAtEnd(m_pMeasure);
    if (const HWND bar = Window(AppWindow::ModeBar))
        ::SendMessage(bar, WM_MODEBAR_REFRESH, 0, 0);
    if (m_pControlWindow && !m_bClosing) {
        m_pControlWindow->ShowWindow(SW_SHOW);
        m_pControlWindow->SendMessage(WM_REPOSITION_PANEL);
    }
}

bool CMainFrame::HandleMeasureMessage(UINT message, WPARAM, LPARAM, LRESULT* result)
{
    if (message != WM_FRAME_CLOSE_MEASURE)
        return false;
    CloseMeasureWindow();
    *result = 0;
    return true;
}

bool CMainFrame::HandleMeasureCommand(UINT id)
{
    if (id != ID_VIEW_MEASURE)
        return false;
    OpenMeasureWindow();
    return true;
}
