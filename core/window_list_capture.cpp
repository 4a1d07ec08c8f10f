// The capture rectangle of a window, browser recognition and the
// scroll-capture decision.
#include "core/settings/app_settings.h"
#include "core/system_figures.h"
#include "core/window_list.h"
#include "platform/system/process_executable.h"
#include "platform/x11/desktop_services.h"

namespace {

// The platform's version code from which the visible frame bounds are used.
constexpr int kFrameBoundsVersion = 0x700;

bool IsInsideBy(LONG inner, LONG outer)
{
    const LONG d = inner - outer;
    return d >= 0 && d < 15;
}

bool ContainsPoint(const RECT& r, LONG x, LONG y)
{
    return x >= r.left && x <= r.right && y >= r.top && y <= r.bottom;
}

// Child windows carry no class of their own on X11 beyond WM_CLASS.
BOOL FindChildByClass(HWND child, ChildWindowSearch* search, bool (*matches)(const QString&))
{
    DesktopWindowInfo info;
    if (search == nullptr || !Desktop().windows.QueryWindow(child, kQueryGeometry | kQueryText, info))
        return 1;
    if (matches(info.className) && ContainsPoint(info.rect, search->x, search->y)) {
        search->found = child;
        return 0;
    }
    return 1;
}

}  // namespace

RECT ChooseCaptureRect(const RECT& window, const std::optional<RECT>& bounds)
{
    if (bounds && IsInsideBy(bounds->left, window.left) && IsInsideBy(bounds->top, window.top) &&
        IsInsideBy(window.right, bounds->right) && IsInsideBy(window.bottom, bounds->bottom))
        return *bounds;
    return window;
}

void GetWindowRectForOs(int versionCode, HWND w, RECT& rect)
{
    rect = RECT{};
    DesktopWindowInfo info;
    if (!Desktop().windows.QueryWindow(w, kQueryGeometry, info))
        return;
    std::optional<RECT> bounds;
    if (versionCode >= kFrameBoundsVersion && info.hasFrameBounds)
        bounds = info.frameBounds;
    rect = ChooseCaptureRect(info.rect, bounds);
}

BOOL GetCaptureTargetRect(HWND w, RECT& rect)
{
    rect = RECT{};
    DesktopWindowInfo target;
    Desktop().windows.QueryWindow(w, kQueryText, target);
    const QString title = target.title.left(kWindowTitleCapacity - 1);
    RECT r;
    GetWindowRectForOs(static_cast<int>(g_nWindowsVersion), w, r);
    if (r.right - r.left != 0 && r.bottom - r.top != 0) {
        rect = r;
        return 1;
    }
    // A window that shows no rectangle of its own: the foreground window when it is the same one by title.
    const HWND foreground = Desktop().control.ForegroundWindow();
    DesktopWindowInfo front;
    if (foreground == nullptr ||
        !Desktop().windows.QueryWindow(foreground, kQueryGeometry | kQueryText, front))
        return 0;
    if (front.rect.right - front.rect.left == 0 || front.rect.bottom - front.rect.top == 0)
        return 0;
    if (!front.title.startsWith(title, Qt::CaseInsensitive))
        return 0;
    rect = front.rect;
    return 1;
}

BYTE BrowserKindOfWindowsClass(const QString& className, bool hasSafariEditChild)
{
    if (className.startsWith(QStringLiteral("Mozilla")))
        return kBrowserFirefox;
    if (className.startsWith(QStringLiteral("Opera")))
        return kBrowserOpera;
    if (className.startsWith(QStringLiteral("Chrome")))
        return kBrowserChrome;
    if (className.startsWith(QStringLiteral("IEFrame")))
        return kBrowserInternetExplorer;
    if (className.startsWith(QStringLiteral("{1C03B488-D53B-4a81-97F8-754559640193}")) && hasSafariEditChild)
        return kBrowserSafari;
    return kBrowserNone;
}

BYTE BrowserKindOfX11Class(const QString& instanceName, const QString& className)
{
    struct Prefix {
        const char* text;
        BYTE kind;
    };
    // WM_CLASS of the Linux builds: "Navigator"/"firefox", "firefox-esr", "opera", and
    // the Chromium family ("google-chrome", "chromium", "brave-browser",
    // "vivaldi-stable", "microsoft-edge", ...), which all share Chrome's kind as
    // they share its window class elsewhere (each name in either part).
    static constexpr Prefix kPrefixes[] = {
        {"firefox", kBrowserFirefox},
        {"opera", kBrowserOpera},
        {"google-chrome", kBrowserChrome},
        {"chromium", kBrowserChrome},
        {"chrome", kBrowserChrome},
        {"brave", kBrowserChrome},
        {"vivaldi", kBrowserChrome},
        {"microsoft-edge", kBrowserChrome},
        {"yandex-browser", kBrowserChrome},
        {"thorium", kBrowserChrome},
    };
    for (const QString& name : {className, instanceName}) {
        for (const Prefix& p : kPrefixes) {
            if (name.startsWith(QLatin1String(p.text), Qt::CaseInsensitive))
                return p.kind;
        }
    }
    return kBrowserNone;
}

BYTE BrowserKindOfExecutable(const QString& fileName)
{
    // The executables of the same browsers, for windows whose class was
    // changed (a browser started with --class, or a profile's own class).
    static const char* const kChromium[] = {"chrome", "chromium", "chromium-browser", "brave", "vivaldi-bin",
        "msedge", "yandex_browser", "thorium"};
    for (const char* name : kChromium) {
        if (fileName == QLatin1String(name))
            return kBrowserChrome;
    }
    if (fileName == QLatin1String("firefox") || fileName == QLatin1String("firefox-esr") ||
        fileName == QLatin1String("firefox-bin"))
        return kBrowserFirefox;
    if (fileName == QLatin1String("opera"))
        return kBrowserOpera;
    return kBrowserNone;
}

BYTE DetectBrowserWindow(HWND w)
{
    DesktopWindowInfo info;
    if (!Desktop().windows.QueryWindow(w, kQueryText | kQueryState, info))
        return kBrowserNone;
    // The Windows names as well, for browsers that keep them; kinds of Windows-only browsers never occur.
    const BYTE windowsKind = BrowserKindOfWindowsClass(info.className, false);
    if (windowsKind == kBrowserFirefox || windowsKind == kBrowserOpera || windowsKind == kBrowserChrome)
        return windowsKind;
    const BYTE kind = BrowserKindOfX11Class(info.instanceName, info.className);
    return kind != kBrowserNone ? kind : BrowserKindOfExecutable(ProcessExecutableName(info.pid));
}

void GetBrowserName(BYTE kind, QString& buffer, int capacity)
{
    static const char16_t* const kNames[] = {u"", u"Mozilla FireFox", u"Opera", u"Google Chrome",
        u"Internet Explorer", u"Safari", u"Microsoft Edge"};
    buffer.clear();
    if (kind < 1 || kind > 6 || capacity < 1)
        return;
    buffer = QString::fromUtf16(kNames[kind]).left(capacity - 1);
}

int DecideScrollCapture(
    int doScrollCapture, BYTE browserKind, bool chooserOpen, const std::function<bool()>& ask)
{
    if (doScrollCapture == 0 || browserKind == kBrowserNone)
        return kScrollCaptureNo;
    if (doScrollCapture == 1)
        return kScrollCaptureYes;
    if (chooserOpen)
        return kScrollCaptureRefused;
    return ask && ask() ? kScrollCaptureYes : kScrollCaptureNo;
}

int QueryScrollCaptureForWindow(HWND w)
{
    const WindowListHost& host = GetWindowListHost();
    const int mode = AppSettings.DoScrollCapture;
    const BYTE kind = mode == 0 ? static_cast<BYTE>(kBrowserNone) : DetectBrowserWindow(w);
    const bool chooserOpen = host.isChooserOpen && host.isChooserOpen();
    return DecideScrollCapture(mode, kind, chooserOpen, [&] {
        QString name;
        GetBrowserName(kind, name, 30);
        // Until the question dialog exists the answer is "declined".
        return host.askScrollCapture ? host.askScrollCapture(w, name) : false;
    });
}

BOOL FindIEServerWindowProc(HWND child, ChildWindowSearch* search)
{
    return FindChildByClass(
        child, search, [](const QString& c) { return c == QLatin1String("Internet Explorer_Server"); });
}

BOOL FindWebViewWindowProc(HWND child, ChildWindowSearch* search)
{
    return FindChildByClass(
        child, search, [](const QString& c) { return c.contains(QLatin1String("WebViewWindowClass")); });
}

WindowListHost& GetWindowListHost()
{
    static WindowListHost host;
    return host;
}
