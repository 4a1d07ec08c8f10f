#include "tests/support/x11_fixture_windows.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <algorithm>

namespace {

Atom AtomOf(Display* d, const char* name)
{
    return XInternAtom(d, name, False);
}

std::vector<unsigned long> Cardinals(Display* d, Window w, const char* property, Atom type)
{
    Atom actual = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long rest = 0;
    unsigned char* data = nullptr;
    std::vector<unsigned long> values;
    if (XGetWindowProperty(d, w, AtomOf(d, property), 0, 4096, False, type, &actual, &format, &count, &rest,
            &data) == Success &&
        data != nullptr && format == 32) {
        const auto* items = reinterpret_cast<const unsigned long*>(data);
        values.assign(items, items + count);
    }
    if (data != nullptr)
        XFree(data);
    return values;
}

void SetCardinals(Display* d, Window w, const char* property, Atom type, const std::vector<unsigned long>& v)
{
    std::vector<long> items(v.begin(), v.end());
    XChangeProperty(d, w, AtomOf(d, property), type, 32, PropModeReplace,
        reinterpret_cast<const unsigned char*>(items.data()), static_cast<int>(items.size()));
}

}  // namespace

bool WaitUntil(const std::function<bool()>& done, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        if (QCoreApplication::instance() != nullptr)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(10);
    }
    return true;
}

FixtureDisplay::FixtureDisplay(const QString& name)
{
    const QByteArray bytes = name.toLocal8Bit();
    m_display = XOpenDisplay(name.isEmpty() ? nullptr : bytes.constData());
}

FixtureDisplay::~FixtureDisplay()
{
    if (m_display == nullptr)
        return;
    for (unsigned long w : m_windows)
        XDestroyWindow(m_display, w);
    XCloseDisplay(m_display);
}

bool FixtureDisplay::HasWindowManager()
{
    const Window root = DefaultRootWindow(m_display);
    return !Cardinals(m_display, root, "_NET_SUPPORTING_WM_CHECK", XA_WINDOW).empty();
}

HWND FixtureDisplay::Create(const FixtureWindowRecipe& s)
{
    Display* d = m_display;
    const Window root = DefaultRootWindow(d);
    const Window w = XCreateSimpleWindow(d, root, s.x, s.y, static_cast<unsigned>(s.width),
        static_cast<unsigned>(s.height), 0, 0, s.background);
    m_windows.push_back(w);
    XSizeHints hints{};
    hints.flags = USPosition | PPosition;
    hints.x = s.x;
    hints.y = s.y;
    XSetWMNormalHints(d, w, &hints);
    const QByteArray title = s.title.toUtf8();
    XChangeProperty(d, w, AtomOf(d, "_NET_WM_NAME"), AtomOf(d, "UTF8_STRING"), 8, PropModeReplace,
        reinterpret_cast<const unsigned char*>(title.constData()), static_cast<int>(title.size()));
    XStoreName(d, w, s.title.toLatin1().constData());
    QByteArray instance = s.instanceName.toUtf8();
    QByteArray cls = s.className.toUtf8();
    XClassHint classHint{instance.data(), cls.data()};
    XSetClassHint(d, w, &classHint);
    if (s.owner != nullptr)
        XSetTransientForHint(d, w, X11WindowOfHwnd(s.owner));
    if (s.utility)
        SetCardinals(d, w, "_NET_WM_WINDOW_TYPE", XA_ATOM, {AtomOf(d, "_NET_WM_WINDOW_TYPE_UTILITY")});
    if (s.windowType != nullptr)
        SetCardinals(d, w, "_NET_WM_WINDOW_TYPE", XA_ATOM, {AtomOf(d, s.windowType)});
    if (s.above)
        SetCardinals(d, w, "_NET_WM_STATE", XA_ATOM, {AtomOf(d, "_NET_WM_STATE_ABOVE")});
    // Fixture windows do not take the focus when they appear: tests run side by side.
    SetCardinals(d, w, "_NET_WM_USER_TIME", XA_CARDINAL, {0});
    if (s.pid != 0)
        SetCardinals(d, w, "_NET_WM_PID", XA_CARDINAL, {s.pid});
    if (!s.icon.empty())
        SetCardinals(d, w, "_NET_WM_ICON", XA_CARDINAL, s.icon);
    XMapWindow(d, w);
    XSync(d, False);
    const bool managed = HasWindowManager();
    WaitUntil(
        [&] {
            XWindowAttributes a{};
            XGetWindowAttributes(d, w, &a);
            if (a.map_state != IsViewable)
                return false;
            if (!managed)
                return true;
            const auto list = Cardinals(d, root, "_NET_CLIENT_LIST_STACKING", XA_WINDOW);
            return std::find(list.begin(), list.end(), w) != list.end() &&
                !Cardinals(d, w, "_NET_FRAME_EXTENTS", XA_CARDINAL).empty();
        },
        10000);
    return HwndFromX11Window(w);
}

void FixtureDisplay::AddChild(HWND parent, int x, int y, int width, int height, unsigned long background)
{
    const Window child = XCreateSimpleWindow(m_display, X11WindowOfHwnd(parent), x, y,
        static_cast<unsigned>(width), static_cast<unsigned>(height), 0, 0, background);
    XMapWindow(m_display, child);
    XSync(m_display, False);
}

void FixtureDisplay::SetCardinalProperty(
    HWND window, const char* property, int format, const std::vector<unsigned long>& items)
{
    std::vector<unsigned char> bytes;
    for (unsigned long item : items) {
        // Xlib takes format-32 items as longs, format 16 as shorts and format 8 as chars.
        const long l = static_cast<long>(item);
        const short h = static_cast<short>(item);
        const auto c = static_cast<unsigned char>(item);
        const auto* p = format == 32 ? reinterpret_cast<const unsigned char*>(&l)
            : format == 16           ? reinterpret_cast<const unsigned char*>(&h)
                                     : &c;
        bytes.insert(bytes.end(), p, p + (format == 32 ? sizeof l : format == 16 ? sizeof h : 1));
    }
    XChangeProperty(m_display, X11WindowOfHwnd(window), AtomOf(m_display, property), XA_CARDINAL, format,
        PropModeReplace, bytes.data(), static_cast<int>(items.size()));
    XSync(m_display, False);
}

void FixtureDisplay::Destroy(HWND window)
{
    const Window w = X11WindowOfHwnd(window);
    m_windows.erase(std::remove(m_windows.begin(), m_windows.end(), w), m_windows.end());
    XDestroyWindow(m_display, w);
    XSync(m_display, False);
}

void FixtureDisplay::Unmap(HWND window)
{
    XUnmapWindow(m_display, X11WindowOfHwnd(window));
    XSync(m_display, False);
}

void FixtureDisplay::Sync()
{
    XSync(m_display, False);
}

void FixtureDisplay::SetRootBackground(unsigned long background)
{
    const Window root = DefaultRootWindow(m_display);
    XSetWindowBackground(m_display, root, background);
    XClearWindow(m_display, root);
    XSync(m_display, False);
}

void FixtureDisplay::MovePointerBy(int dx, int dy)
{
    XTestFakeRelativeMotionEvent(m_display, dx, dy, CurrentTime);
    XSync(m_display, False);
}

POINT FixtureDisplay::ClientOrigin(HWND window)
{
    int x = 0;
    int y = 0;
    Window child = 0;
    XTranslateCoordinates(
        m_display, X11WindowOfHwnd(window), DefaultRootWindow(m_display), 0, 0, &x, &y, &child);
    return POINT{x, y};
}
