// The handle forms of the window calls.
#include "platform/gdi/gdi_dc.h"
#include "platform/window/window_dispatch.h"
#include "platform/window/window_registry.h"
#include "platform/window/window_stacking.h"
#include "platform/x11/desktop_services.h"

#include <QApplication>

BOOL ShowWindow(HWND hwnd, int command)
{
    CWnd* w = CWnd::FromHandle(hwnd);
    return w ? w->ShowWindow(command) : FALSE;
}
BOOL EnableWindow(HWND hwnd, BOOL enable)
{
    CWnd* w = CWnd::FromHandle(hwnd);
    return w ? w->EnableWindow(enable) : FALSE;
}
BOOL IsWindowVisible(HWND hwnd)
{
    CWnd* w = CWnd::FromHandle(hwnd);
    return w && w->IsWindowVisible();
}
BOOL GetWindowRect(HWND hwnd, RECT* rect)
{
    CWnd* w = CWnd::FromHandle(hwnd);
    if (!w)
        return FALSE;
    w->GetWindowRect(rect);
    return TRUE;
}
BOOL GetClientRect(HWND hwnd, RECT* rect)
{
    CWnd* w = CWnd::FromHandle(hwnd);
    if (!w)
        return FALSE;
    w->GetClientRect(rect);
    return TRUE;
}
HWND GetDlgItem(HWND dialog, int id)
{
    CWnd* w = CWnd::FromHandle(dialog);
    CWnd* item = w ? w->GetDlgItem(id) : nullptr;
    return item ? item->GetSafeHwnd() : nullptr;
}
HWND GetParent(HWND hwnd)
{
    CWnd* w = CWnd::FromHandle(hwnd);
    CWnd* p = w ? w->GetParent() : nullptr;
    return p ? p->GetSafeHwnd() : nullptr;
}
HWND GetFocus()
{
    CWnd* w = CWnd::GetFocus();
    return w ? w->GetSafeHwnd() : nullptr;
}
HWND SetFocus(HWND hwnd)
{
    CWnd* w = CWnd::FromHandle(hwnd);
    CWnd* previous = w ? w->SetFocus() : nullptr;
    return previous ? previous->GetSafeHwnd() : nullptr;
}
HWND GetActiveWindow()
{
    CWnd* w = CWnd::GetActiveWindow();
    return w ? w->GetSafeHwnd() : nullptr;
}
HWND GetRootWindow(HWND hwnd)
{
    CWnd* w = CWnd::FromHandle(hwnd);
    if (!w || !w->GetWidget())
        return nullptr;
    CWnd* root = WindowDispatch::FromWidget(w->GetWidget()->window(), false);
    return root ? root->GetSafeHwnd() : nullptr;
}
HWND GetForegroundWindow()
{
    // One of ours when it is active, else whatever the desktop says.
    if (HWND own = GetActiveWindow())
        return own;
    return Desktop().control.ForegroundWindow();
}
HWND GetCapture()
{
    CWnd* w = CWnd::GetCapture();
    return w ? w->GetSafeHwnd() : nullptr;
}
BOOL ReleaseCapture()
{
    QWidget* grabber = QWidget::mouseGrabber();
    if (!grabber)
        return TRUE;
    CWnd* w = WindowDispatch::FromWidget(grabber, false);
    grabber->releaseMouse();
    if (w)
        w->SendMessage(WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}
BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase)
{
    CWnd* w = CWnd::FromHandle(hwnd);
    if (!w)
        return FALSE;
    w->InvalidateRect(rect, erase);
    return TRUE;
}
BOOL UpdateWindow(HWND hwnd)
{
    CWnd* w = CWnd::FromHandle(hwnd);
    if (!w)
        return FALSE;
    w->UpdateWindow();
    return TRUE;
}
UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, void* unused)
{
    CWnd* w = CWnd::FromHandle(hwnd);
    return w ? w->SetTimer(id, elapse, unused) : 0;
}
BOOL KillTimer(HWND hwnd, UINT_PTR id)
{
    CWnd* w = CWnd::FromHandle(hwnd);
    return w ? w->KillTimer(id) : FALSE;
}
BOOL SetWindowTextW(HWND hwnd, const QString& text)
{
    CWnd* w = CWnd::FromHandle(hwnd);
    if (!w)
        return FALSE;
    w->SetWindowText(text);
    return TRUE;
}
HDC GetDC(HWND hwnd)
{
    if (hwnd == nullptr || (IsX11WindowHandle(hwnd) && hwnd == GetDesktopWindow()))
        return CreateDesktopDc();
    CWnd* w = CWnd::FromHandle(hwnd);
    return w && w->GetSurface() ? CreateSurfaceDc(w->GetSurface(), hwnd) : nullptr;
}
int ReleaseDC(HWND hwnd, HDC dc)
{
    if (!dc)
        return 0;
    ::DeleteDC(dc);
    if (CWnd* w = CWnd::FromHandle(hwnd))
        w->PresentSurface();
    return 1;
}

HWND GetDesktopWindow()
{
    return Desktop().windows.DesktopWindow();
}

HWND FindWindowW(const QString*, const QString& caption)
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->windowTitle() == caption)
            if (HWND hwnd = HwndFromWidget(widget))
                return hwnd;
    return nullptr;
}

HWND GetWindow(HWND hwnd, UINT relation)
{
    CWnd* w = CWnd::FromHandle(hwnd);
    if (!w)
        return nullptr;
    if (relation == GW_OWNER) {
        CWnd* owner = w->GetWidget() && w->GetWidget()->isWindow() ? w->GetOwner() : nullptr;
        return owner ? owner->GetSafeHwnd() : nullptr;
    }
    if (relation <= GW_HWNDPREV)
        return OwnWindowRelative(hwnd, relation);
    if (relation != GW_ENABLEDPOPUP)
        return nullptr;
    return WindowHostAccess::EnabledPopupOf(w);
}

void MessageBeep(UINT)
{
    QApplication::beep();
}
