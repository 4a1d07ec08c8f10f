// The overview window's mouse: a press in the picture and a release near it
// is a click, which jumps the stage; moving 3 pixels or more with the button
// down starts a drag, whose every step pans the stage.
#include "clip/sky_layout.h"
#include "clip/sky_window.h"
#include "clip/stage_messages.h"
#include "core/app_state_queries.h"

namespace {

bool IsMouseMessage(UINT message)
{
    switch (message) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        return true;
    default:
        return false;
    }
}

}  // namespace

LRESULT CSkyPicture::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* window = GetParent();
    if (!window || !IsMouseMessage(message))
        return CStatic::WindowProc(message, wParam, lParam);
    POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ClientToScreen(&p);
    window->ScreenToClient(&p);
    return window->SendMessage(message, wParam, MAKELPARAM(p.x, p.y));
}

bool CDlgSkyWindow::InPicture(POINT p) const
{
    // Edges included.
    return p.x >= m_rcPicture.left && p.x <= m_rcPicture.right && p.y >= m_rcPicture.top &&
        p.y <= m_rcPicture.bottom;
}

void CDlgSkyWindow::OnLButtonDown(UINT flags, CPoint point)
{
    CDialog::OnLButtonDown(flags, point);
    const POINT p{point.x, point.y};
    if (InPicture(p))
        m_press = p;
}

void CDlgSkyWindow::OnMouseMove(UINT flags, CPoint point)
{
    CDialog::OnMouseMove(flags, point);
    const POINT p{point.x, point.y};
    const bool pressed = m_press.x != -1 || m_press.y != -1;
    if (m_dragging || (pressed && !IsNearSkyPress(m_press, p))) {
        if (!m_dragging)
            SendToStage(WM_STAGE_SKY_DRAG_BEGIN);
        m_dragging = 1;
        SendToStage(WM_STAGE_SKY_JUMP, static_cast<WPARAM>(SkyPerMille(p.x, m_pictureWidth)),
            static_cast<LPARAM>(SkyPerMille(p.y, m_pictureHeight)));
        m_press = p;
    } else if (!InPicture(p)) {
        EndDrag(true);
    }
    // Where the control panel and the overview overlap, the hovered one comes up.
    if (GetSafeHwnd())
        RaiseOverlappedToolWindow(GetSafeHwnd(), m_active, p);
}

void CDlgSkyWindow::OnLButtonUp(UINT flags, CPoint point)
{
    CDialog::OnLButtonUp(flags, point);
    const POINT p{point.x, point.y};
    const bool pressed = m_press.x != -1 || m_press.y != -1;
    if (pressed && !m_dragging && InPicture(p) && IsNearSkyPress(m_press, p)) {
        SendToStage(WM_STAGE_SKY_JUMP,
            static_cast<WPARAM>(SkyPerMille(m_press.x - m_rcPicture.left, m_pictureWidth)),
            static_cast<LPARAM>(SkyPerMille(m_press.y - m_rcPicture.top, m_pictureHeight)));
    }
    EndDrag(true);
}

void CDlgSkyWindow::EndDrag(bool notifyStage)
{
    m_press = POINT{-1, -1};
    m_dragging = 0;
    if (notifyStage)
        SendToStage(WM_STAGE_SKY_DRAG_END);
}
