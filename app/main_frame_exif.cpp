// The EXIF information window as the frame keeps it: made on the first
// WM_FRAME_SHOW_EXIF, shown, and given the path; closed with
// WM_FRAME_CLOSE_EXIFVIEW. When its docking narrowed the frame, the frame
// returns to its former rectangle as the window goes
// (WM_FRAME_EXIFVIEW_DESTROYED), unless the user resized it meanwhile.
#include "app/main_frame.h"

#include "app/owned_window.h"
#include "core/frame_messages.h"
#include "multiview/exif_window.h"

#include <utility>

namespace {

bool IsEmptyRect(const RECT& r)
{
    return r.right - r.left == 0 || r.bottom - r.top == 0;
}

}  // namespace

void CMainFrame::OpenExifView()
{
    if (!m_pViewExifInfo) {
        auto* window = new CDlgViewExifInfo(
            this, [this](const RECT& before, const RECT& after) { NarrowFrameForExif(before, after); });
        if (!window->Create(this)) {
            delete window;
            return;
        }
        // While the display settings are open the window does not raise the stage.
        window->SetSettingsDialogQuery([this] { return m_pOptionExif != nullptr; });
        m_pViewExifInfo = window;
    }
    m_pViewExifInfo->ShowWindow(SW_SHOW);
}

void CMainFrame::CloseExifView()
{
    // Asked from the window's own close, it goes once its handler returns;
    // as the frame ends, at once, while the frame can still take its message.
    CloseOwnedWindowAtEnd(m_pViewExifInfo);
}

void CMainFrame::NarrowFrameForExif(const RECT& before, const RECT& after)
{
    m_rcBeforeExif = before;
    ResizeFrameTo(after);
}

void CMainFrame::ResizeFrameTo(const RECT& rect)
{
    MoveFrameTo(rect);
    // The stage follows the frame's new width.
    m_bStageResizePending = 1;
    SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(rect.right - rect.left, rect.bottom - rect.top));
}

bool CMainFrame::HandleExifMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    switch (message) {
    case WM_FRAME_SHOW_EXIF:
        OpenExifView();
        *result =
            wParam && m_pViewExifInfo ? m_pViewExifInfo->SendMessage(WM_EXIFVIEW_SHOW, wParam, lParam) : 0;
        return true;
    case WM_FRAME_CLOSE_EXIFVIEW:
        CloseExifView();
        *result = 0;
        return true;
    case WM_FRAME_EXIFVIEW_DESTROYED:
        if (!IsEmptyRect(m_rcBeforeExif))
            ResizeFrameTo(std::exchange(m_rcBeforeExif, RECT{}));
        *result = 1;
        return true;
    default:
        return false;
    }
}
