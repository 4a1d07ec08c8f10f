// A tree view that reports the mouse to its parent window: while its drag
// code is set, a mouse move arrives at the parent as WM_MOUSEMOVE with the
// point in screen coordinates, and a release of the left button as
// WM_LBUTTONUP with the point in the tree's client coordinates; wParam is the
// drag code, lParam the point (x low, y high word). The tree's own clicks,
// selection and drag start go on as before.
#pragma once

#include "platform/controls/tree_ctrl.h"

class CMyTreeCtrl : public CTreeCtrl {
public:
    int m_nDragCode = 0;  // 0: nothing is reported

    void OnMouseMove(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;

private:
    void Report(UINT message, CPoint point);
};
