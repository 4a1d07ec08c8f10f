#include "platform/x11/x11_window_list.h"

#include "platform/x11/desktop_rules.h"
#include "platform/x11/x11_connection.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <algorithm>

namespace {

constexpr long kIconStateIconic = 3;
constexpr long kIconStateWithdrawn = 0;

QString ReadLegacyName(Display* display, Window window)
{
    XTextProperty text{};
    if (XGetWMName(display, window, &text) == 0 || text.value == nullptr)
        return {};
    QString name;
    char** list = nullptr;
    int count = 0;
    if (Xutf8TextPropertyToTextList(display, &text, &list, &count) >= Success && count > 0 && list != nullptr)
        name = QString::fromUtf8(list[0]);
    if (list != nullptr)
        XFreeStringList(list);
    XFree(text.value);
    return name;
}

void ReadText(X11Connection& x, Window window, DesktopWindowInfo& info)
{
    info.title = ReadX11Utf8(x, window, "_NET_WM_NAME");
    if (info.title.isEmpty())
        info.title = ReadLegacyName(x.display(), window);
    XClassHint hint{};
    if (XGetClassHint(x.display(), window, &hint) != 0) {
        info.instanceName = QString::fromUtf8(hint.res_name != nullptr ? hint.res_name : "");
        info.className = QString::fromUtf8(hint.res_class != nullptr ? hint.res_class : "");
        if (hint.res_name != nullptr)
            XFree(hint.res_name);
        if (hint.res_class != nullptr)
            XFree(hint.res_class);
    }
}

// Frame extents (left, right, top, bottom); false when the window has none
// in the form the window-manager conventions give them. A frame is never
// wider than any screen, so the figures are held to that.
bool ReadExtents(X11Connection& x, Window window, const char* property, FrameExtents& extents)
{
    const auto v = ReadX11Cardinals(x.display(), window, x.atom(property), XA_CARDINAL, 4);
    if (v.size() != 4)
        return false;
    auto held = [](unsigned long value) { return static_cast<long>(std::min(value, 32767ul)); };
    extents = FrameExtents{held(v[0]), held(v[1]), held(v[2]), held(v[3])};
    return true;
}

void ReadGeometry(
    X11Connection& x, Window window, const XWindowAttributes& attributes, DesktopWindowInfo& info)
{
    int rootX = 0;
    int rootY = 0;
    Window child = 0;
    XTranslateCoordinates(x.display(), window, x.root(), 0, 0, &rootX, &rootY, &child);
    const RECT client{rootX, rootY, rootX + attributes.width, rootY + attributes.height};
    FrameExtents frame;
    info.rect = ReadExtents(x, window, "_NET_FRAME_EXTENTS", frame) ? GrowByFrame(client, frame) : client;
    FrameExtents shadow;
    if (ReadExtents(x, window, "_GTK_FRAME_EXTENTS", shadow)) {
        info.hasFrameBounds = true;
        info.frameBounds = ShrinkByFrame(client, shadow);
    }
}

bool Contains(const std::vector<unsigned long>& atoms, Atom atom)
{
    return std::find(atoms.begin(), atoms.end(), atom) != atoms.end();
}

void ReadState(X11Connection& x, Window window, const XWindowAttributes& attributes, bool managed,
    DesktopWindowInfo& info)
{
    Display* d = x.display();
    const auto wmState = ReadX11Cardinals(d, window, x.atom("WM_STATE"), x.atom("WM_STATE"), 2);
    const auto netState = ReadX11Cardinals(d, window, x.atom("_NET_WM_STATE"), XA_ATOM);
    const auto types = ReadX11Cardinals(d, window, x.atom("_NET_WM_WINDOW_TYPE"), XA_ATOM);
    const bool iconic = (!wmState.empty() && static_cast<long>(wmState[0]) == kIconStateIconic) ||
        Contains(netState, x.atom("_NET_WM_STATE_HIDDEN"));
    const bool mapped = attributes.map_state == IsViewable;
    if (attributes.override_redirect)
        info.visible = false;
    else if (managed)
        info.visible = mapped || (!wmState.empty() && static_cast<long>(wmState[0]) != kIconStateWithdrawn);
    else
        info.visible = mapped;
    info.minimized = info.visible && iconic;
    info.toolWindow = Contains(netState, x.atom("_NET_WM_STATE_SKIP_TASKBAR"));
    for (const char* type : {"_NET_WM_WINDOW_TYPE_DESKTOP", "_NET_WM_WINDOW_TYPE_DOCK"}) {
        if (Contains(types, x.atom(type)))
            info.desktopShell = true;
    }
    for (const char* type : {"_NET_WM_WINDOW_TYPE_UTILITY", "_NET_WM_WINDOW_TYPE_TOOLBAR",
             "_NET_WM_WINDOW_TYPE_DOCK", "_NET_WM_WINDOW_TYPE_MENU"}) {
        if (Contains(types, x.atom(type)))
            info.toolWindow = true;
    }
    Window owner = 0;
    if (XGetTransientForHint(d, window, &owner) != 0 && owner != x.root())
        info.owner = HwndFromX11Window(owner);
    const auto pid = ReadX11Cardinals(d, window, x.atom("_NET_WM_PID"), XA_CARDINAL, 1);
    info.pid = pid.empty() ? 0 : static_cast<DWORD>(pid[0]);
}

}  // namespace

bool X11WindowManagerRuns(X11Connection& x)
{
    std::lock_guard lock(x.mutex());
    // A stale check window must not count against the caller. Every request here waits for its reply.
    X11ErrorTrap trap(x.display(), X11ErrorTrap::kRepliesOnly);
    const Atom check = x.atom("_NET_SUPPORTING_WM_CHECK");
    const auto onRoot = ReadX11Cardinals(x.display(), x.root(), check, XA_WINDOW, 1);
    if (onRoot.empty() || onRoot[0] == 0)
        return false;
    // A stale value (the manager has gone) names a window that no longer answers.
    const auto onChild = ReadX11Cardinals(x.display(), onRoot[0], check, XA_WINDOW, 1);
    return !onChild.empty() && onChild[0] == onRoot[0];
}

bool X11WindowList::HasWindowManager()
{
    return X11WindowManagerRuns(m_x);
}

HWND X11WindowList::DesktopWindow()
{
    return HwndFromX11Window(m_x.root());
}

std::vector<HWND> X11WindowList::TopLevelWindows()
{
    std::lock_guard lock(m_x.mutex());
    X11ErrorTrap trap(m_x.display());
    std::vector<HWND> windows;
    if (X11WindowManagerRuns(m_x)) {
        // Bottom to top, as the manager stacks its clients.
        const auto stacking = ReadX11Cardinals(
            m_x.display(), m_x.root(), m_x.atom("_NET_CLIENT_LIST_STACKING"), XA_WINDOW, 1 << 16);
        for (auto it = stacking.rbegin(); it != stacking.rend(); ++it)
            windows.push_back(HwndFromX11Window(*it));
        return windows;
    }
    Window rootReturn = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(m_x.display(), m_x.root(), &rootReturn, &parent, &children, &count) == 0)
        return windows;
    for (unsigned int i = count; i-- > 0;) {
        XWindowAttributes attributes{};
        if (XGetWindowAttributes(m_x.display(), children[i], &attributes) != 0 &&
            !attributes.override_redirect)
            windows.push_back(HwndFromX11Window(children[i]));
    }
    if (children != nullptr)
        XFree(children);
    return windows;
}

bool X11WindowList::QueryWindow(HWND hwnd, unsigned what, DesktopWindowInfo& info)
{
    info = DesktopWindowInfo{};
    const Window window = X11WindowOfHwnd(hwnd);
    if (window == 0)
        return false;
    std::lock_guard lock(m_x.mutex());
    // Every request here waits for its reply: errors have arrived when it returns.
    X11ErrorTrap trap(m_x.display(), X11ErrorTrap::kRepliesOnly);
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(m_x.display(), window, &attributes) == 0 || trap.FailedSoFar())
        return false;
    if (what & kQueryGeometry)
        ReadGeometry(m_x, window, attributes, info);
    if (what & kQueryText)
        ReadText(m_x, window, info);
    if (what & kQueryState)
        ReadState(m_x, window, attributes, X11WindowManagerRuns(m_x), info);
    if (what & kQueryIcon)
        info.icon = PickNetWmIcon(
            ReadX11Cardinals(m_x.display(), window, m_x.atom("_NET_WM_ICON"), XA_CARDINAL, 1 << 20), 16);
    // A window destroyed half way through counts as gone.
    info.exists = !trap.FailedSoFar();
    if (!info.exists)
        info = DesktopWindowInfo{};
    return info.exists;
}

bool X11WindowAlive(X11Connection& x, unsigned long window)
{
    X11ErrorTrap trap(x.display(), X11ErrorTrap::kRepliesOnly);
    XWindowAttributes attributes{};
    return XGetWindowAttributes(x.display(), window, &attributes) != 0 && !trap.FailedSoFar();
}

bool X11WindowList::NativeWindowViewable(unsigned long xid)
{
    if (xid == 0)
        return false;
    std::lock_guard lock(m_x.mutex());
    X11ErrorTrap trap(m_x.display(), X11ErrorTrap::kRepliesOnly);
    XWindowAttributes attributes{};
    return XGetWindowAttributes(m_x.display(), xid, &attributes) != 0 && !trap.FailedSoFar() &&
        attributes.map_state == IsViewable;
}

bool X11WindowList::WindowExists(HWND hwnd)
{
    const Window window = X11WindowOfHwnd(hwnd);
    if (window == 0)
        return false;
    std::lock_guard lock(m_x.mutex());
    return X11WindowAlive(m_x, window);
}
