#include "platform/x11/x11_frame_extents.h"

#include "platform/x11/x11_connection.h"
#include "platform/x11/x11_window_list.h"

#include <X11/Xatom.h>

#include <algorithm>
#include <chrono>
#include <poll.h>

namespace {

constexpr int kPollSliceMs = 10;

// Of a usual size, so that the manager's guess fits an ordinary window.
Window CreateProbeWindow(X11Connection& x)
{
    Display* d = x.display();
    XSetWindowAttributes attributes{};
    attributes.event_mask = PropertyChangeMask;
    const Window window = XCreateWindow(d, x.root(), 0, 0, 320, 240, 0, CopyFromParent, InputOutput,
        CopyFromParent, CWEventMask, &attributes);
    const long normal = static_cast<long>(x.atom("_NET_WM_WINDOW_TYPE_NORMAL"));
    XChangeProperty(d, window, x.atom("_NET_WM_WINDOW_TYPE"), XA_ATOM, 32, PropModeReplace,
        reinterpret_cast<const unsigned char*>(&normal), 1);
    return window;
}

void SendExtentsRequest(X11Connection& x, Window window)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = x.atom("_NET_REQUEST_FRAME_EXTENTS");
    event.xclient.format = 32;
    XSendEvent(x.display(), x.root(), False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XFlush(x.display());
}

// Takes the probe's queued property notices; true when one says the extents were set.
bool TakeExtentsNotice(X11Connection& x, Window window)
{
    const Atom extents = x.atom("_NET_FRAME_EXTENTS");
    bool seen = false;
    XEvent event{};
    while (XCheckWindowEvent(x.display(), window, PropertyChangeMask, &event)) {
        if (event.type == PropertyNotify && event.xproperty.atom == extents &&
            event.xproperty.state == PropertyNewValue)
            seen = true;
    }
    return seen;
}

// Waits for the answer without holding the connection, so other services go on meanwhile.
void WaitForNotice(X11Connection& x, Window window, int waitMs)
{
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(waitMs);
    for (;;) {
        {
            std::lock_guard lock(x.mutex());
            if (TakeExtentsNotice(x, window))
                return;
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            return;
        // In slices: another thread may read the connection's input into the queue meanwhile.
        pollfd p{ConnectionNumber(x.display()), POLLIN, 0};
        poll(&p, 1, static_cast<int>(std::min<long long>(left, kPollSliceMs)));
    }
}

bool ReadExtents(X11Connection& x, Window window, FrameExtents& extents)
{
    const auto v = ReadX11Cardinals(x.display(), window, x.atom("_NET_FRAME_EXTENTS"), XA_CARDINAL, 4);
    if (v.size() < 4)
        return false;
    extents = FrameExtents{
        static_cast<long>(v[0]), static_cast<long>(v[1]), static_cast<long>(v[2]), static_cast<long>(v[3])};
    return true;
}

}  // namespace

bool RequestNormalFrameExtents(X11Connection& x, int waitMs, FrameExtents& extents)
{
    if (!X11WindowManagerRuns(x))
        return false;
    Window probe = 0;
    {
        std::lock_guard lock(x.mutex());
        X11ErrorTrap trap(x.display());
        probe = CreateProbeWindow(x);
        SendExtentsRequest(x, probe);
        if (trap.Failed()) {
            if (probe != 0)
                XDestroyWindow(x.display(), probe);
            return false;
        }
    }
    WaitForNotice(x, probe, waitMs);
    std::lock_guard lock(x.mutex());
    X11ErrorTrap trap(x.display());
    FrameExtents answer;
    const bool answered = ReadExtents(x, probe, answer);
    XDestroyWindow(x.display(), probe);
    XSync(x.display(), False);
    TakeExtentsNotice(x, probe);  // nothing of the probe stays queued
    if (!answered || trap.Failed())
        return false;
    extents = answer;
    return true;
}

bool X11FrameExtents::NormalWindowExtents(FrameExtents& extents)
{
    std::lock_guard lock(m_mutex);
    if (!m_known)
        m_known = RequestNormalFrameExtents(m_x, m_waitMs, m_extents);
    if (m_known)
        extents = m_extents;
    return m_known;
}
