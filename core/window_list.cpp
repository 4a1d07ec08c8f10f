#include "core/window_list.h"

#include "core/settings/app_settings.h"
#include "core/system_figures.h"
#include "core/text_utils.h"
#include "platform/x11/desktop_handles.h"
#include "platform/x11/desktop_services.h"

#include <new>

WindowListEntry* g_pWindowList = nullptr;
int g_nWindowListCount = 0;

namespace {

int g_capacity = 0;

LONG Width(const RECT& r)
{
    return r.right - r.left;
}
LONG Height(const RECT& r)
{
    return r.bottom - r.top;
}

// "A title that is the beginning of `text`": the title's own length is compared.
bool IsBeginningOf(const QString& title, const QString& text)
{
    return text.startsWith(title);
}

bool IsOffScreenOwned(const RECT& r, const WindowListRules& rules)
{
    return r.left == r.right || r.left > rules.screenWidth || r.right < 0 || r.top > rules.screenHeight ||
        r.bottom < 0 || Width(r) <= 1 || Height(r) <= 1;
}

bool IsShellWindow(const QString& title, const RECT& r, const WindowListRules& rules)
{
    if (IsBeginningOf(title, QStringLiteral("Program Manager")) && r.right == rules.screenWidth &&
        r.bottom == rules.screenHeight)
        return true;
    if (IsBeginningOf(title, QStringLiteral("スタート")) && Width(r) < 100 && Height(r) < 100)
        return true;
    if (IsBeginningOf(title, QStringLiteral("Microsoft Edge")))
        return true;
    return IsBeginningOf(title, QStringLiteral("Windows シェル エクスペリエンス ホスト")) &&
        r.right >= rules.screenWidth && r.bottom > rules.screenHeight;
}

bool IsOffScreenShown(const RECT& r, const WindowListRules& rules)
{
    return r.right <= 0 || r.bottom <= 0 || Width(r) <= 1 || Height(r) <= 1 || r.left > rules.screenWidth ||
        r.top > rules.screenHeight || r.left > r.right || r.top > r.bottom;
}

WindowListRules CurrentRules()
{
    const WindowListHost& host = GetWindowListHost();
    WindowListRules rules;
    // The frame's cached figures; before the frame has cached them, the desktop's.
    SIZE screen{g_ScreenMetrics.screenWidth, g_ScreenMetrics.screenHeight};
    if (screen.cx <= 0 || screen.cy <= 0)
        screen = Desktop().grab.ScreenSize();
    rules.screenWidth = screen.cx;
    rules.screenHeight = screen.cy;
    rules.captureKestrel = AppSettings.CaptureKestrel == 1;
    rules.appTitle = FormatAppTitle();
    rules.mainFrame = DesktopHandleOf(host.mainFrame);  // as the desktop lists it
    if (host.continuousDialogTitle)
        rules.continuousDialogTitle = host.continuousDialogTitle();
    rules.fallbackIcon = FallbackWindowIcon();
    return rules;
}

WindowRecord QueryRecord(HWND w, bool& exists)
{
    DesktopWindowInfo info;
    exists = Desktop().windows.QueryWindow(w, kQueryAll, info);
    WindowRecord record;
    record.window = w;
    record.title = info.title;
    record.visible = info.visible;
    record.iconic = info.minimized;
    record.toolWindow = info.toolWindow;
    record.desktopShell = info.desktopShell;
    record.owner = info.owner;
    record.parent = info.owner;  // a top-level window's parent is its owner
    record.smallIcon = info.icon;
    record.threadId = info.pid;
    record.rect = info.rect;
    return record;
}

}  // namespace

void AllocWindowList(int capacity)
{
    FreeWindowList();
    if (capacity < 1)
        return;
    g_pWindowList = new (std::nothrow) WindowListEntry[static_cast<size_t>(capacity)];
    g_capacity = g_pWindowList != nullptr ? capacity : 0;
}

void FreeWindowList()
{
    delete[] g_pWindowList;
    g_pWindowList = nullptr;
    g_nWindowListCount = 0;
    g_capacity = 0;
}

int WindowListCapacity()
{
    return g_capacity;
}

BOOL ApplyWindowListRules(
    const WindowRecord& w, const WindowListRules& rules, WindowListEntry* list, int& count, int capacity)
{
    if (list == nullptr || count >= capacity)
        return 0;
    const QString title = w.title.left(kWindowTitleCapacity - 1);
    if (!w.visible || title.isEmpty())
        return 1;
    const RECT& r = w.rect;
    if (w.owner != nullptr && IsOffScreenOwned(r, rules))
        return 1;
    if (!rules.captureKestrel) {
        if ((!rules.appTitle.isEmpty() && title.startsWith(rules.appTitle)) ||
            (rules.mainFrame != nullptr && w.window == rules.mainFrame))
            return 1;
    }
    if (rules.continuousDialogTitle) {
        const QString dialog = rules.continuousDialogTitle->left(100);
        if (!dialog.isEmpty() && title.startsWith(dialog))
            return 1;
    }
    if (w.desktopShell || IsShellWindow(title, r, rules))
        return 1;
    const QImage& ownIcon = !w.smallIcon.isNull() ? w.smallIcon : w.classIcon;
    if (r.left == r.right || r.top == r.bottom) {
        if (count > 0) {
            // A helper window of the same client lends its icon, but never takes one away.
            WindowListEntry& last = list[count - 1];
            if (last.threadId == w.threadId && !ownIcon.isNull())
                last.icon = ownIcon;
            return 1;
        }
    }
    if (!w.iconic && IsOffScreenShown(r, rules))
        return 1;
    if ((w.toolWindow || ownIcon.isNull()) && rules.mainFrame != nullptr && w.parent == rules.mainFrame)
        return 1;
    WindowListEntry& entry = list[count++];
    entry.title = title;
    entry.window = w.window;
    entry.icon = !ownIcon.isNull() ? ownIcon : rules.fallbackIcon;
    entry.threadId = w.threadId;
    entry.rect = r;
    // The list stops at the capacity it was given.
    return count < capacity ? 1 : 0;
}

BOOL EnumWindowListProc(HWND w, std::intptr_t)
{
    if (g_pWindowList == nullptr || g_nWindowListCount >= g_capacity)
        return 0;
    bool exists = false;
    const WindowRecord record = QueryRecord(w, exists);
    if (!exists)
        return 1;  // gone while the list was being made
    return ApplyWindowListRules(record, CurrentRules(), g_pWindowList, g_nWindowListCount, g_capacity);
}

void MoveWindowEntryToEnd(const QString& title)
{
    for (int i = 0; i < g_nWindowListCount; ++i) {
        if (g_pWindowList[i].title != title)
            continue;
        WindowListEntry saved = std::move(g_pWindowList[i]);
        for (int j = i; j + 1 < g_nWindowListCount; ++j)
            g_pWindowList[j] = std::move(g_pWindowList[j + 1]);
        g_pWindowList[g_nWindowListCount - 1] = std::move(saved);
        return;
    }
}

BOOL BuildWindowIconList(WindowIconList& list)
{
    if (g_pWindowList == nullptr || g_nWindowListCount < 1 || g_pWindowList[0].icon.isNull())
        return 0;
    list.iconSize = g_pWindowList[0].icon.size();
    list.images.clear();
    list.images.reserve(g_nWindowListCount);
    for (int i = 0; i < g_nWindowListCount; ++i) {
        const QImage& icon = g_pWindowList[i].icon;
        QImage image;
        if (icon.isNull()) {
            // An empty picture keeps the list's positions those of the entries.
            image = QImage(list.iconSize, QImage::Format_ARGB32);
            image.fill(Qt::transparent);
        } else if (icon.size() != list.iconSize) {
            image = icon.scaled(list.iconSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        } else {
            image = icon;
        }
        list.images.push_back(image);
    }
    return 1;
}

const QImage& FallbackWindowIcon()
{
    static const QImage icon = [] {
        // A small window: dark outline, blue title bar, white client area.
        QImage image(16, 16, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        for (int y = 1; y < 15; ++y) {
            for (int x = 0; x < 16; ++x) {
                const bool edge = x == 0 || x == 15 || y == 1 || y == 14;
                const QRgb colour =
                    edge ? qRgb(64, 64, 64) : (y < 5 ? qRgb(40, 90, 190) : qRgb(255, 255, 255));
                image.setPixel(x, y, colour);
            }
        }
        return image;
    }();
    return icon;
}
