#include "core/my_list_ctrl.h"

void CMyListCtrl::OnMouseMove(UINT, CPoint point)
{
    Report(WM_MOUSEMOVE, point);
}

void CMyListCtrl::OnLButtonUp(UINT, CPoint point)
{
    Report(WM_LBUTTONUP, point);
}

void CMyListCtrl::Report(UINT message, CPoint point)
{
    if (m_nDragCode == 0)
        return;
    if (CWnd* parent = GetParent())
        parent->SendMessage(message, static_cast<WPARAM>(m_nDragCode), MAKELPARAM(point.x, point.y));
}
