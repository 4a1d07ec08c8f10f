#include "platform/x11/x11_pointer.h"

#include "platform/x11/desktop_rules.h"
#include "platform/x11/x11_connection.h"

#include <X11/XKBlib.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xfixes.h>

#include <cstdlib>

namespace {

bool HasXFixes(Display* display, int wantedMajor)
{
    int event = 0;
    int error = 0;
    if (!XFixesQueryExtension(display, &event, &error))
        return false;
    int major = 0;
    int minor = 0;
    return XFixesQueryVersion(display, &major, &minor) && major >= wantedMajor;
}

}  // namespace

bool X11Cursor::CursorImage(DesktopCursorImage& cursor)
{
    std::lock_guard lock(m_x.mutex());
    X11ErrorTrap trap(m_x.display());
    if (!HasXFixes(m_x.display(), 1))
        return false;
    XFixesCursorImage* source = XFixesGetCursorImage(m_x.display());
    if (source == nullptr)
        return false;
    QImage image(source->width, source->height, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) {  // an empty cursor, or one too large to hold
        XFree(source);
        return false;
    }
    const unsigned long* pixel = source->pixels;
    for (int y = 0; y < source->height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < source->width; ++x)
            line[x] = static_cast<QRgb>(*pixel++ & 0xFFFFFFFFul);
    }
    cursor.image = std::move(image);
    cursor.hotspot = POINT{source->xhot, source->yhot};
    cursor.position = POINT{source->x, source->y};
    XFree(source);
    return !trap.Failed();
}

bool X11Cursor::CursorPosition(POINT& position)
{
    std::lock_guard lock(m_x.mutex());
    X11ErrorTrap trap(m_x.display());
    Window root = 0;
    Window child = 0;
    int rootX = 0;
    int rootY = 0;
    int winX = 0;
    int winY = 0;
    unsigned int mask = 0;
    if (!XQueryPointer(m_x.display(), m_x.root(), &root, &child, &rootX, &rootY, &winX, &winY, &mask))
        return false;
    position = POINT{rootX, rootY};
    return !trap.Failed();
}

bool X11PointerConfinement::ConfinePointerTo(POINT p)
{
    ReleasePointer();
    std::lock_guard lock(m_x.mutex());
    X11ErrorTrap trap(m_x.display());
    if (!HasXFixes(m_x.display(), 5))
        return false;
    Display* d = m_x.display();
    XWarpPointer(d, None, m_x.root(), 0, 0, 0, 0, p.x, p.y);
    // Four lines around the pixel: motion stops at a barrier's near side.
    constexpr int kReach = 16;
    m_barriers.push_back(
        XFixesCreatePointerBarrier(d, m_x.root(), p.x, p.y - kReach, p.x, p.y + kReach, 0, 0, nullptr));
    m_barriers.push_back(XFixesCreatePointerBarrier(
        d, m_x.root(), p.x + 1, p.y - kReach, p.x + 1, p.y + kReach, 0, 0, nullptr));
    m_barriers.push_back(
        XFixesCreatePointerBarrier(d, m_x.root(), p.x - kReach, p.y, p.x + kReach, p.y, 0, 0, nullptr));
    m_barriers.push_back(XFixesCreatePointerBarrier(
        d, m_x.root(), p.x - kReach, p.y + 1, p.x + kReach, p.y + 1, 0, 0, nullptr));
    if (trap.Failed()) {
        for (unsigned long b : m_barriers)
            XFixesDestroyPointerBarrier(d, b);
        m_barriers.clear();
        return false;
    }
    return true;
}

void X11PointerConfinement::ReleasePointer()
{
    std::lock_guard lock(m_x.mutex());
    if (m_barriers.empty())
        return;
    X11ErrorTrap trap(m_x.display());
    for (unsigned long b : m_barriers)
        XFixesDestroyPointerBarrier(m_x.display(), b);
    m_barriers.clear();
}

bool X11Input::Available()
{
    int event = 0;
    int error = 0;
    int major = 0;
    int minor = 0;
    return XTestQueryExtension(m_x.display(), &event, &error, &major, &minor) != 0;
}

bool X11Input::MovePointer(POINT p)
{
    std::lock_guard lock(m_x.mutex());
    X11ErrorTrap trap(m_x.display());
    if (!Available())
        return false;
    XTestFakeMotionEvent(m_x.display(), m_x.screen(), p.x, p.y, CurrentTime);
    return !trap.Failed();
}

bool X11Input::SendWheelNotches(int notches)
{
    if (notches == 0)
        return true;
    std::lock_guard lock(m_x.mutex());
    X11ErrorTrap trap(m_x.display());
    if (!Available())
        return false;
    const auto button = static_cast<unsigned>(WheelButtonOf(notches));
    for (int i = 0; i < std::abs(notches); ++i) {
        XTestFakeButtonEvent(m_x.display(), button, True, CurrentTime);
        XTestFakeButtonEvent(m_x.display(), button, False, CurrentTime);
    }
    return !trap.Failed();
}

bool X11Input::SendKey(UINT virtualKey)
{
    const unsigned long keysym = KeysymOfVirtualKey(virtualKey);
    if (keysym == 0)
        return false;
    std::lock_guard lock(m_x.mutex());
    X11ErrorTrap trap(m_x.display());
    if (!Available())
        return false;
    const KeyCode code = XKeysymToKeycode(m_x.display(), keysym);
    if (code == 0)
        return false;
    // A press is always followed by its release: a key must never stay held down.
    XTestFakeKeyEvent(m_x.display(), code, True, CurrentTime);
    XTestFakeKeyEvent(m_x.display(), code, False, CurrentTime);
    return !trap.Failed();
}

bool X11Input::ReadLockKeys(LockKeyStates& states)
{
    std::lock_guard lock(m_x.mutex());
    X11ErrorTrap trap(m_x.display());
    Display* display = m_x.display();
    // The indicators by name: their numbers differ between keyboard maps.
    auto indicatorOn = [display](const char* name, bool* on) {
        Bool state = False;
        const Atom atom = XInternAtom(display, name, True);
        if (atom == None || !XkbGetNamedIndicator(display, atom, nullptr, &state, nullptr, nullptr))
            return false;
        *on = state != False;
        return true;
    };
    const bool caps = indicatorOn("Caps Lock", &states.capsLock);
    const bool num = indicatorOn("Num Lock", &states.numLock);
    indicatorOn("Scroll Lock", &states.scrollLock);
    return (caps || num) && !trap.Failed();
}
