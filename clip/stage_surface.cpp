#include "clip/stage_surface.h"

#include "core/control_helpers.h"

LRESULT CStageSurface::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* stage = GetParent();
    if (!stage)
        return CStatic::WindowProc(message, wParam, lParam);
    if (IsMouseMessage(message))
        return SendMouseToParent(*this, *stage, message, wParam, lParam);
    switch (message) {
    case WM_SETCURSOR:
        return stage->SendMessage(message, wParam, lParam);
    case WM_DROPFILES:
        return stage->SendMessage(message, wParam, lParam);
    case WM_CONTEXTMENU:
        return 0;  // the stage opens its menu on the button's release
    default:
        return CStatic::WindowProc(message, wParam, lParam);
    }
}
