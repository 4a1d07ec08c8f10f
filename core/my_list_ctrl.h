// A list view that reports the mouse to its parent window: while its drag
// code is set, a mouse move arrives at the parent as WM_MOUSEMOVE and a
// release of the left button as WM_LBUTTONUP, each with the drag code as
// wParam and the point in the list's client coordinates (x low, y high
// word). The list's own clicks and selection go on as before.
#pragma once

#include "platform/controls/list_ctrl.h"

class CMyListCtrl : public CListCtrl {
public:
    int m_nDragCode = 0;  // 0: nothing is reported

    void OnMouseMove(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;

private:
    void Report(UINT message, CPoint point);
};
