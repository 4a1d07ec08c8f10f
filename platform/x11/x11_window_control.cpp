#include "platform/x11/x11_connection.h"
#include "platform/x11/x11_window_list.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

namespace {

// The top-level window (child of the root) that holds `window`.
Window TopLevelOf(X11Connection& x, Window window)
{
    while (window != 0 && window != x.root()) {
        Window root = 0;
        Window parent = 0;
        Window* children = nullptr;
        unsigned int count = 0;
        if (XQueryTree(x.display(), window, &root, &parent, &children, &count) == 0)
            return 0;
        if (children != nullptr)
            XFree(children);
        if (parent == x.root())
            return window;
        window = parent;
    }
    return 0;
}

// _NET_ACTIVE_WINDOW request with source indication 2 (a pager: honoured without focus-stealing checks).
void SendActivateRequest(X11Connection& x, Window window)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = x.atom("_NET_ACTIVE_WINDOW");
    event.xclient.format = 32;
    event.xclient.data.l[0] = 2;
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(x.display(), x.root(), False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
}

// Carries out `act` on a live window under an error trap; false for a null,
// own or dead handle (requests about a window that has gone would reach
// nobody and report no error) and when the server refused a request.
template <typename Act> bool ControlWindow(X11Connection& x, HWND hwnd, Act act)
{
    const Window window = X11WindowOfHwnd(hwnd);
    if (window == 0)
        return false;
    std::lock_guard lock(x.mutex());
    if (!X11WindowAlive(x, window))
        return false;
    X11ErrorTrap trap(x.display());
    act(window, X11WindowManagerRuns(x));
    return !trap.Failed();
}

}  // namespace

HWND X11WindowControl::ForegroundWindow()
{
    std::lock_guard lock(m_x.mutex());
    X11ErrorTrap trap(m_x.display());
    if (X11WindowManagerRuns(m_x)) {
        const auto active =
            ReadX11Cardinals(m_x.display(), m_x.root(), m_x.atom("_NET_ACTIVE_WINDOW"), XA_WINDOW, 1);
        return active.empty() ? nullptr : HwndFromX11Window(active[0]);
    }
    Window focus = 0;
    int revert = 0;
    XGetInputFocus(m_x.display(), &focus, &revert);
    if (focus == None || focus == PointerRoot)
        return nullptr;
    const Window top = TopLevelOf(m_x, focus);
    return trap.Failed() ? nullptr : HwndFromX11Window(top);
}

bool X11WindowControl::Activate(HWND hwnd)
{
    return ControlWindow(m_x, hwnd, [this](Window window, bool managed) {
        if (managed) {
            SendActivateRequest(m_x, window);
        } else {
            XRaiseWindow(m_x.display(), window);
            XSetInputFocus(m_x.display(), window, RevertToParent, CurrentTime);
        }
    });
}

bool X11WindowControl::Minimize(HWND hwnd)
{
    return ControlWindow(m_x, hwnd, [this](Window window, bool managed) {
        if (managed)
            XIconifyWindow(m_x.display(), window, m_x.screen());
        else  // nobody would act on an iconify request: take the window off the screen
            XUnmapWindow(m_x.display(), window);
    });
}

bool X11WindowControl::Restore(HWND hwnd)
{
    return ControlWindow(m_x, hwnd, [this](Window window, bool managed) {
        XMapRaised(m_x.display(), window);
        if (managed)
            SendActivateRequest(m_x, window);
    });
}

bool X11WindowControl::Raise(HWND hwnd)
{
    return ControlWindow(m_x, hwnd, [this](Window window, bool) { XRaiseWindow(m_x.display(), window); });
}
