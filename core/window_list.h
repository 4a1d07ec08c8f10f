// The list of the desktop's application windows (title, icon, rectangle),
// the rectangle to capture for a window, and the recognition of web-browser
// windows that may be captured by scrolling.
#pragma once

#include "platform/types/hwnd.h"
#include "platform/types/types.h"

#include <QImage>
#include <QList>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

constexpr int kWindowTitleCapacity = 520;  // characters including the terminator

struct WindowListEntry {
    QString title;  // at most kWindowTitleCapacity - 1 characters
    HWND window = nullptr;
    QImage icon;         // the window's own, or the fallback icon
    DWORD threadId = 0;  // the owning process on X11: windows of one client share it
    RECT rect;           // window rectangle, screen coordinates
};

extern WindowListEntry* g_pWindowList;
extern int g_nWindowListCount;

// Frees a list that exists and allocates `capacity` empty entries (count 0).
// A capacity below 1 leaves no list.
void AllocWindowList(int capacity);
void FreeWindowList();
int WindowListCapacity();

// Enumeration callback: appends w when it qualifies; 1 go on, 0 stop.
BOOL EnumWindowListProc(HWND w, std::intptr_t value);

// What the listing rules know of one window.
struct WindowRecord {
    HWND window = nullptr;
    QString title;
    bool visible = false;
    bool iconic = false;
    bool toolWindow = false;
    bool desktopShell = false;  // the desktop's background or a panel: never a capture target
    HWND owner = nullptr;
    HWND parent = nullptr;
    QImage smallIcon;
    QImage classIcon;
    DWORD threadId = 0;
    RECT rect;
};

// What the listing rules know of the program and the screen.
struct WindowListRules {
    int screenWidth = 0;
    int screenHeight = 0;
    bool captureKestrel = false;
    QString appTitle;
    HWND mainFrame = nullptr;
    std::optional<QString> continuousDialogTitle;  // set while that dialog exists
    QImage fallbackIcon;
};

// The listing rules applied to one window, appending to `list` (count in use,
// capacity allocated). 1 go on, 0 stop (the list is full).
BOOL ApplyWindowListRules(
    const WindowRecord& w, const WindowListRules& rules, WindowListEntry* list, int& count, int capacity);

// Moves the first entry with exactly this title to the end.
void MoveWindowEntryToEnd(const QString& title);

struct WindowIconList {
    QSize iconSize;
    QList<QImage> images;  // one per entry, in list order
};
// Fills the icon list at the size of the first entry's icon; 0 (nothing built)
// when there is no first icon.
BOOL BuildWindowIconList(WindowIconList& list);

// The rectangle to capture: the visible frame bounds when they lie less than
// 15 pixels inside the window rectangle on every side, else the window rectangle.
RECT ChooseCaptureRect(const RECT& window, const std::optional<RECT>& frameBounds);
void GetWindowRectForOs(int versionCode, HWND w, RECT& rect);
BOOL GetCaptureTargetRect(HWND w, RECT& rect);

// Browser kinds.
enum : BYTE {
    kBrowserNone = 0,
    kBrowserFirefox = 1,
    kBrowserOpera = 2,
    kBrowserChrome = 3,
    kBrowserInternetExplorer = 4,
    kBrowserSafari = 5,
    kBrowserEdge = 6,
};
// The kind by the Windows class-name prefixes (case-sensitive).
BYTE BrowserKindOfWindowsClass(const QString& className, bool hasSafariEditChild);
// The kind by the X11 WM_CLASS of the same browsers (case-insensitive); the
// Chromium family is Chrome's kind. Kinds 4 to 6 never occur.
BYTE BrowserKindOfX11Class(const QString& instanceName, const QString& className);
// The kind by the file name of the browser's executable.
BYTE BrowserKindOfExecutable(const QString& fileName);
// By the window's class, else by its process's executable.
BYTE DetectBrowserWindow(HWND w);
void GetBrowserName(BYTE kind, QString& buffer, int capacity);

enum : int {
    kScrollCaptureRefused = 2,
    kScrollCaptureYes = 6,
    kScrollCaptureNo = 7,
};
// The decision by DoScrollCapture (0 never, 1 always, 2 ask) and the browser kind.
int DecideScrollCapture(
    int doScrollCapture, BYTE browserKind, bool chooserOpen, const std::function<bool()>& ask);
int QueryScrollCaptureForWindow(HWND w);

// Child-window search by point (screen coordinates).
struct ChildWindowSearch {
    HWND found = nullptr;
    LONG x = 0;
    LONG y = 0;
};
BOOL FindIEServerWindowProc(HWND child, ChildWindowSearch* search);
BOOL FindWebViewWindowProc(HWND child, ChildWindowSearch* search);

// What the windows of the program tell the list; set by them as they come and go.
struct WindowListHost {
    HWND mainFrame = nullptr;
    std::function<std::optional<QString>()> continuousDialogTitle;
    std::function<bool()> isChooserOpen;
    // The scroll-capture question for a window and browser name; true for OK.
    std::function<bool(HWND, const QString&)> askScrollCapture;
};
WindowListHost& GetWindowListHost();

// The icon of windows that show none: a plain application window.
const QImage& FallbackWindowIcon();
