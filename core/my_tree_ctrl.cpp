#include "core/my_tree_ctrl.h"

void CMyTreeCtrl::OnMouseMove(UINT, CPoint point)
{
    POINT screen{point.x, point.y};
    ClientToScreen(&screen);
    Report(WM_MOUSEMOVE, CPoint(screen.x, screen.y));
}

void CMyTreeCtrl::OnLButtonUp(UINT, CPoint point)
{
    Report(WM_LBUTTONUP, point);
}

void CMyTreeCtrl::Report(UINT message, CPoint point)
{
    if (m_nDragCode == 0)
        return;
    if (CWnd* parent = GetParent())
        parent->SendMessage(message, static_cast<WPARAM>(m_nDragCode), MAKELPARAM(point.x, point.y));
}
