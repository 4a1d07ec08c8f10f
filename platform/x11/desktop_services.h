// The desktop's operating-system services, one interface each: the list of
// top-level windows, window control, screen grab, cursor image, pointer
// confinement, simulated input and the window manager's frames. An X11
// implementation serves a real display; a null one (every call fails cleanly)
// serves headless runs. The choice is made once, in Desktop().
#pragma once

#include "platform/types/hwnd.h"
#include "platform/types/types.h"
#include "platform/x11/desktop_rules.h"

#include <QImage>
#include <QString>

#include <vector>

// What one top-level window shows of itself, read in one go.
struct DesktopWindowInfo {
    bool exists = false;
    QString title;         // _NET_WM_NAME, else WM_NAME
    QString instanceName;  // WM_CLASS, first part
    QString className;     // WM_CLASS, second part
    bool visible = false;  // managed and not withdrawn; a minimised window stays visible
    bool minimized = false;
    bool toolWindow = false;    // utility, toolbar, dock or menu type, or kept off the taskbar
    bool desktopShell = false;  // the desktop's own background or a panel (desktop or dock type)
    HWND owner = nullptr;       // WM_TRANSIENT_FOR
    DWORD pid = 0;              // _NET_WM_PID, 0 when unknown
    RECT rect;                  // outer rectangle with the window manager's frame, screen coordinates
    bool hasFrameBounds = false;
    RECT frameBounds;  // the visible bounds without client-side shadows (_GTK_FRAME_EXTENTS)
    QImage icon;       // the icon nearest 16 x 16 (ARGB32); null when the window has none
};

enum DesktopQuery : unsigned {
    kQueryGeometry = 1,  // rect and frame bounds
    kQueryText = 2,      // title and class
    kQueryState = 4,     // visible, minimised, tool window, owner, pid
    kQueryIcon = 8,
    kQueryAll = 15,
};

class WindowListService {
public:
    virtual ~WindowListService() = default;
    // The top-level application windows, topmost first.
    virtual std::vector<HWND> TopLevelWindows() = 0;
    // Fills what `what` asks for; false (info.exists false) for a dead or foreign-to-X handle.
    virtual bool QueryWindow(HWND window, unsigned what, DesktopWindowInfo& info) = 0;
    virtual bool WindowExists(HWND window) = 0;
    // True when a window manager runs (EWMH _NET_SUPPORTING_WM_CHECK).
    virtual bool HasWindowManager() = 0;
    // The window of the whole desktop (the root window, across every monitor); null without a display.
    virtual HWND DesktopWindow() { return nullptr; }
    // True while the X window (an id of this display, such as one of the
    // program's own) is mapped and viewable; false when it is not or is gone.
    virtual bool NativeWindowViewable(unsigned long /*xid*/) { return false; }
};

class WindowControlService {
public:
    virtual ~WindowControlService() = default;
    // The active top-level window (_NET_ACTIVE_WINDOW, else the input focus).
    virtual HWND ForegroundWindow() = 0;
    // Requests sent to the window manager (or carried out directly without one);
    // true when the request went out. Callers poll ForegroundWindow for the effect.
    virtual bool Activate(HWND window) = 0;
    virtual bool Minimize(HWND window) = 0;
    virtual bool Restore(HWND window) = 0;
    virtual bool Raise(HWND window) = 0;
};

class ScreenGrabService {
public:
    virtual ~ScreenGrabService() = default;
    // The size of the whole screen; 0 x 0 without a display.
    virtual SIZE ScreenSize() = 0;
    // Copies the screen rectangle into `image`: Format_RGB32, top-down rows, the
    // rectangle's size, every pixel 0xFFRRGGBB. Parts outside the screen are black. False for
    // an empty rectangle, one wholly off screen, or without a display.
    virtual bool Grab(const RECT& rect, QImage& image) = 0;
};

struct DesktopCursorImage {
    QImage image;  // Format_ARGB32_Premultiplied
    POINT hotspot;
    POINT position;  // the pointer's position on the screen
};

class CursorService {
public:
    virtual ~CursorService() = default;
    virtual bool CursorImage(DesktopCursorImage& cursor) = 0;
    virtual bool CursorPosition(POINT& position) = 0;
};

class PointerConfinementService {
public:
    virtual ~PointerConfinementService() = default;
    // Moves the pointer to `point` and keeps it there (pointer barriers) until released.
    virtual bool ConfinePointerTo(POINT point) = 0;
    virtual void ReleasePointer() = 0;
};

// The lock keys as the keyboard's indicators show them.
struct LockKeyStates {
    bool capsLock = false;
    bool numLock = false;
    bool scrollLock = false;
};

class InputService {
public:
    virtual ~InputService() = default;
    // False when the keyboard's indicators cannot be read.
    virtual bool ReadLockKeys(LockKeyStates& /*states*/) { return false; }
    virtual bool MovePointer(POINT point) = 0;
    // Wheel notches at the pointer: positive turns away from the user (up), negative towards.
    virtual bool SendWheelNotches(int notches) = 0;
    // A press and its release of the key with this virtual-key code, to the focus window.
    virtual bool SendKey(UINT virtualKey) = 0;
};

class FrameExtentsService {
public:
    virtual ~FrameExtentsService() = default;
    // The frame (left, right, top, bottom) the running window manager puts
    // around a normal top-level window; false when unknown: no window manager,
    // or none that answers in time.
    virtual bool NormalWindowExtents(FrameExtents& extents) = 0;
};

// The frame service that knows no frame; the default of DesktopServices.
FrameExtentsService& NullFrameExtentsService();

struct DesktopServices {
    WindowListService& windows;
    WindowControlService& control;
    ScreenGrabService& grab;
    CursorService& cursor;
    PointerConfinementService& pointer;
    InputService& input;
    FrameExtentsService& frameExtents = NullFrameExtentsService();
};

// The services of this process: X11 when the display named by DISPLAY opens, null otherwise.
DesktopServices& Desktop();
// True when Desktop() serves a real display.
bool DesktopIsAvailable();
// Replaces the services (null restores the chosen ones); for tests.
void SetDesktopServicesForTesting(DesktopServices* services);
