// The X11 window list and window control services.
#pragma once

#include "platform/x11/desktop_services.h"

class X11Connection;

class X11WindowList final : public WindowListService {
public:
    explicit X11WindowList(X11Connection& x) : m_x(x) { }
    std::vector<HWND> TopLevelWindows() override;
    bool QueryWindow(HWND window, unsigned what, DesktopWindowInfo& info) override;
    bool WindowExists(HWND window) override;
    bool HasWindowManager() override;
    HWND DesktopWindow() override;
    bool NativeWindowViewable(unsigned long xid) override;

private:
    X11Connection& m_x;
};

class X11WindowControl final : public WindowControlService {
public:
    explicit X11WindowControl(X11Connection& x) : m_x(x) { }
    HWND ForegroundWindow() override;
    bool Activate(HWND window) override;
    bool Minimize(HWND window) override;
    bool Restore(HWND window) override;
    bool Raise(HWND window) override;

private:
    X11Connection& m_x;
};

// True when a window manager announces itself on the connection's root.
bool X11WindowManagerRuns(X11Connection& x);
// True when the window exists on the connection's server. The caller holds the connection's lock.
bool X11WindowAlive(X11Connection& x, unsigned long window);
