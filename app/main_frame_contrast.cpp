// The colour-adjustment dialog as the frame keeps it: command 32801 opens it
// and starts the stage's adjustment, or closes it and ends the adjustment;
// the dialog's Esc and close box come back here as WM_FRAME_CLOSE_CONTRAST,
// and the mode bar cancels it through WM_FRAME_CANCEL_CONTRAST.
#include "app/main_frame.h"

#include "app/owned_window.h"
#include "clip/color_adjust_dialog.h"
#include "clip/stage_messages.h"
#include "core/frame_messages.h"
#include "res/frame_command_ids.h"

void CMainFrame::OpenContrast()
{
    if (!m_pContrast) {
        auto* dialog = new CDlgContrast(this);
        if (!dialog->Create(this)) {
            delete dialog;
            return;
        }
        m_pContrast = dialog;
    }
    m_pContrast->ShowWindow(SW_SHOW);
    m_pContrast->BringWindowToTop();
}

void CMainFrame::CloseContrast()
{
    // The dialog usually asks for this from its own Cancel handler: it is
    // deleted once that has returned, or at once as the frame ends.
    CloseOwnedWindowAtEnd(m_pContrast);
}

bool CMainFrame::HandleContrastMessage(UINT message, WPARAM, LPARAM, LRESULT* result)
{
    switch (message) {
    case WM_FRAME_CLOSE_CONTRAST:
        CloseContrast();
        SendToViewStage(WM_STAGE_CONTRAST_END);
        *result = 0;
        return true;
    case WM_FRAME_CANCEL_CONTRAST:
        // The dialog's Cancel closes it through WM_FRAME_CLOSE_CONTRAST.
        if (m_pContrast)
            m_pContrast->SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        *result = 1;
        return true;
    default:
        return false;
    }
}

bool CMainFrame::HandleContrastCommand(UINT id)
{
    if (id != ID_EDIT_COLOR_ADJUST)
        return false;
    if (m_pContrast) {
        CloseContrast();
        SendToViewStage(WM_STAGE_CONTRAST_END);
    } else {
        OpenContrast();
        SendToViewStage(WM_STAGE_CONTRAST_BEGIN);
    }
    return true;
}
