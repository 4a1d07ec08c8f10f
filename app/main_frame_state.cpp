// What the frame tells the rest of the program about its windows.
#include "app/main_frame.h"

#include "app/frame_globals.h"
#include "platform/x11/desktop_services.h"

int CMainFrame::AppMode() const
{
    return g_nAppMode;
}

HWND CMainFrame::ActiveWindow() const
{
    return ::GetActiveWindow();
}

HWND CMainFrame::ForegroundWindow() const
{
    return ::GetForegroundWindow();
}

bool CMainFrame::IsWindowVisible(HWND window) const
{
    return ::IsWindowVisible(window) != FALSE;
}

RECT CMainFrame::WindowRect(HWND window) const
{
    RECT r{};
    ::GetWindowRect(window, &r);
    return r;
}

POINT CMainFrame::ClientToScreen(HWND window, POINT p) const
{
    if (CWnd* w = CWnd::FromHandle(window))
        w->ClientToScreen(&p);
    return p;
}

void CMainFrame::BringToTop(HWND window)
{
    if (CWnd* w = CWnd::FromHandle(window))
        w->BringWindowToTop();
    else if (IsX11WindowHandle(window))
        Desktop().control.Raise(window);
}
