// The capture-window chooser as the frame runs it: the hover over the
// control panel's chooser button opens it after 100 ms of rest (timer 28),
// its close blocks re-opening for 750 ms (timer 9), and status pane 0 tells
// the list's limit while it is open.
#include "app/main_frame.h"

#include "app/owned_window.h"
#include "clip/capture_chooser.h"
#include "core/chooser_button.h"
#include "core/frame_messages.h"
#include "core/settings/app_settings.h"
#include "platform/window/pointer_position.h"

namespace {

constexpr UINT_PTR kChooserReopenTimer = 9;
constexpr UINT kChooserReopenMs = 750;
constexpr UINT_PTR kChooserHoverTimer = 28;
constexpr UINT kChooserHoverMs = 100;
constexpr WPARAM kStatusTopicChooser = 1;

bool InsideWithEdges(const RECT& r, POINT p)
{
    return r.left != r.right && p.x >= r.left && p.x <= r.right && p.y >= r.top && p.y <= r.bottom;
}

}  // namespace

void CMainFrame::OpenChooser()
{
    if (m_pChooser)
        return;
    auto* chooser = new CDlgChoicedCaptureWindow;
    if (!chooser->Create(this)) {
        delete chooser;
        return;
    }
    m_pChooser = chooser;
    // An empty list has already asked the chooser to close: it is not shown.
    if (chooser->List().GetItemCount() > 0)
        chooser->ShowWindow(SW_SHOW);
    chooser->GetWindowRect(&m_rcChooser);
}

void CMainFrame::CloseChooser()
{
    // At once unless it asked for this from its own handler: the frame may be
    // closing, and then no event loop is left to delete it later.
    CloseOwnedWindowAtEnd(m_pChooser);
    m_rcChooser = RECT{};
}

void CMainFrame::OnChooserHoverTimer()
{
    KillTimer(kChooserHoverTimer);
    POINT cursor{};
    GetCursorPos(&cursor);
    if (!m_bChooserReopenAllowed || !InsideWithEdges(ChooserButtonScreenRect(), cursor))
        return;
    OpenChooser();
    SendMessage(WM_FRAME_STATUS_GUIDE, kStatusTopicChooser, static_cast<LPARAM>(g_nRangeSelectMethod));
}

bool CMainFrame::HandleChooserMessage(UINT message, WPARAM wParam, LPARAM, LRESULT* result)
{
    *result = 0;
    switch (message) {
    case WM_FRAME_CLOSE_CAPTURELIST:
        CloseChooser();
        SendMessage(WM_FRAME_STATUS_GUIDE, kStatusTopicChooser, static_cast<LPARAM>(g_nRangeSelectMethod));
        m_bChooserReopenAllowed = 0;
        m_nChooserGuardTimer = static_cast<UINT>(SetTimer(kChooserReopenTimer, kChooserReopenMs));
        return true;
    case WM_FRAME_HOVER_CAPTURE:
        SetTimer(kChooserHoverTimer, kChooserHoverMs);
        return true;
    case WM_TIMER:
        if (wParam == kChooserReopenTimer) {
            KillTimer(kChooserReopenTimer);
            m_bChooserReopenAllowed = 1;
            return true;
        }
        if (wParam == kChooserHoverTimer) {
            OnChooserHoverTimer();
            return true;
        }
        return false;
    default:
        return false;
    }
}
