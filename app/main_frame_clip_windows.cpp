// The clip windows as the frame keeps them: twelve places, one per slot of
// the stage's clip-image store; their commands (show one, show all, close
// all, paste the clipboard's bitmap), the messages they send the frame, and
// the clip-range history dialog the control panel asks for.
#include "app/main_frame.h"

#include "app/frame_clipboard.h"
#include "app/owned_window.h"
#include "clip/clip_history_dialog.h"
#include "clip/clip_window.h"
#include "clip/continuous_capture_dialog.h"
#include "clip/control_panel.h"
#include "clip/control_panel_messages.h"
#include "clip/stage_messages.h"
#include "clip/view_stage.h"
#include "core/frame_messages.h"
#include "core/logging.h"
#include "core/settings/app_settings.h"
#include "core/stage_state.h"
#include "platform/clipboard/clipboard.h"
#include "res/frame_command_ids.h"
#include "res/frame_strings.h"

int CMainFrame::OpenClipWindow(
    BYTE slot, CClipImageSlot* image, CPngTransparency* transparency, const RECT& r)
{
    if (slot >= kClipWindowCount || !image)
        return 0;
    if (CDlgClipWindow* open = m_pClipWindow[slot]) {
        open->BringWindowToTop();
        return 1;
    }
    auto* window = new CDlgClipWindow(slot, image, transparency ? *transparency : CPngTransparency(), r);
    m_pClipWindow[slot] = window;  // set first: the window's first messages ask for it
    if (!window->Create(this)) {
        qCWarning(lcFrame) << "clip window" << slot + 1 << "could not be made";
        m_pClipWindow[slot] = nullptr;
        delete window;
        return 0;
    }
    window->BringWindowToTop();
    return 1;
}

void CMainFrame::CloseClipWindow(int index)
{
    if (index < 0 || index >= kClipWindowCount)
        return;
    // Deleted at once, or after its handler returns when the window asked
    // for this from its own WM_CLOSE.
    CloseOwnedWindowAtEnd(m_pClipWindow[index]);
}

void CMainFrame::ShowClipWindow(int index)
{
    if (index < 0 || index >= kClipWindowCount || !m_pClipWindow[index])
        return;
    m_pClipWindow[index]->BringWindowToTop();
    m_pClipWindow[index]->ShowWindow(SW_RESTORE);
}

void CMainFrame::CloseAllClipWindows()
{
    for (int i = 0; i < kClipWindowCount; ++i) {
        CloseClipWindow(i);
        SendToViewStage(WM_STAGE_FREE_CLIP_SLOT, static_cast<WPARAM>(i));
    }
}

void CMainFrame::ShowClipWindowsForMode(bool clipMode)
{
    for (CDlgClipWindow* window : m_pClipWindow)
        if (window)
            window->ShowWindow(clipMode ? SW_SHOWNOACTIVATE : SW_HIDE);
}

int CMainFrame::FindClipWindowIndex(HWND window) const
{
    for (int i = 0; i < kClipWindowCount; ++i)
        if (window && m_pClipWindow[i] && m_pClipWindow[i]->GetSafeHwnd() == window)
            return i;
    return -1;
}

int CMainFrame::CountClipWindows() const
{
    int count = 0;
    for (const CDlgClipWindow* window : m_pClipWindow)
        count += window ? 1 : 0;
    return count;
}

BOOL CMainFrame::CanShowClipWindow(int index) const
{
    return m_pControlWindow && !IsSelectionOn() && index >= 0 && index < kClipWindowCount &&
        m_pClipWindow[index];
}

void CMainFrame::RunClipHistory()
{
    if (m_pClipHistory)
        return;
    CDlgClipHistory dialog(this);
    m_pClipHistory = &dialog;
    dialog.DoModal();
    m_pClipHistory = nullptr;
}

void CMainFrame::OnActivateApp(BOOL active)
{
    if (!active || m_bClosing)
        return;
    // A running continuous capture keeps its window in front of the frame.
    if (m_pContinueCapture) {
        m_pContinueCapture->SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        return;
    }
    // A returning user sees the history's preview on the stage again.
    if (m_pClipHistory)
        m_pClipHistory->PostMessage(WM_MOVE);
}

void CMainFrame::PasteClipboardBitmap()
{
    if (!IsClipboardFormatAvailable(CF_BITMAP) || m_pClipHistory || AppSettings.FixSaveArea == 1)
        return;
    // Not while the print dialog shows the present image.
    if (FindWindowW(nullptr, QString::fromUtf16(kPrintDialogTitle)))
        return;
    if (!m_pViewStage)
        return;
    if (IsSelectionOn())
        m_pControlWindow->SendMessage(WM_CLIPCTL_PRESS_METHOD, static_cast<WPARAM>(g_nRangeSelectMethod));
    if (!::OpenClipboard(GetSafeHwnd()))
        return;
    if (auto* bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP))) {
        m_pViewStage->NameRequestedImage(QStringLiteral("clipboard.bmp"));
        m_pViewStage->SendMessage(WM_STAGE_OPEN_IMAGE, 10, reinterpret_cast<LPARAM>(bitmap));
    }
    ::CloseClipboard();
}

bool CMainFrame::HandleClipWindowMessage(UINT message, WPARAM wParam, LPARAM, LRESULT* result)
{
    *result = 0;
    switch (message) {
    case WM_FRAME_OPEN_CLIP_HISTORY:
        RunClipHistory();
        return true;
    case WM_FRAME_CLOSE_CLIPWINDOW:
        CloseClipWindow(static_cast<int>(wParam));
        return true;
    case WM_FRAME_PASTE_BITMAP:
        PasteClipboardBitmap();
        return true;
    case WM_FRAME_COPY_BITMAP:
        *result = CopyBitmapToClipboard(GetSafeHwnd(), reinterpret_cast<HBITMAP>(wParam)) ? 1 : 0;
        return true;
    default:
        return false;
    }
}

bool CMainFrame::HandleClipWindowCommand(UINT id)
{
    for (int i = 0; i < kClipWindowCount; ++i) {
        if (id == ClipWindowCommandOf(i)) {
            ShowClipWindow(i);
            return true;
        }
    }
    switch (id) {
    case ID_CLIPWINDOW_SHOW_ALL:
        for (int i = 0; i < kClipWindowCount; ++i)
            ShowClipWindow(i);
        return true;
    case ID_CLIPWINDOW_CLOSE_ALL:
        CloseAllClipWindows();
        return true;
    case ID_EDIT_PASTE_IMAGE:
        SendMessage(WM_FRAME_PASTE_BITMAP);
        return true;
    default:
        return false;
    }
}
