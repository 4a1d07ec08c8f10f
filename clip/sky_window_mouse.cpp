// The overview window's mouse: a press in the picture and a release near it
// is a click, which jumps the stage; moving 3 pixels or more with the button
// down starts a drag, whose every step pans the stage.
#include "clip/sky_layout.h"
#include "clip/sky_window.h"
#include "clip/stage_messages.h"
#include "core/app_state_queries.h"
#include "core/control_helpers.h"

LRESULT CSkyPicture::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* window = GetParent();
    if (!window || !IsMouseMessage(message))
        return CStatic::WindowProc(message, wParam, lParam);
    return SendMouseToParent(*this, *window, message, wParam, lParam);
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
