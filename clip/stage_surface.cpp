#include "clip/stage_surface.h"

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
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
        return true;
    default:
        return false;
    }
}

}  // namespace

LRESULT CStageSurface::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* stage = GetParent();
    if (!stage)
        return CStatic::WindowProc(message, wParam, lParam);
    if (IsMouseMessage(message)) {
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ClientToScreen(&p);
        stage->ScreenToClient(&p);
        return stage->SendMessage(message, wParam, MAKELPARAM(p.x, p.y));
    }
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
