#include "platform/window/window_stacking.h"

#include "platform/window/window.h"
#include "platform/x11/desktop_handles.h"
#include "platform/x11/desktop_services.h"

#include <QWidget>
#include <algorithm>

namespace {

std::vector<HWND> g_kept;  // topmost first; UI thread only

void Remove(HWND hwnd)
{
    std::erase(g_kept, hwnd);
}

QWidget* TopLevelWidget(HWND hwnd)
{
    CWnd* wnd = CWnd::FromHandle(hwnd);
    QWidget* w = wnd ? wnd->GetWidget() : nullptr;
    return w && w->isWindow() ? w : nullptr;
}

bool KeptOnTop(HWND hwnd)
{
    QWidget* w = TopLevelWidget(hwnd);
    return w && w->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

// The window manager's order of `windows`, when it reports every one of them.
bool OrderByWindowManager(std::vector<HWND>& windows)
{
    WindowListService& list = Desktop().windows;
    if (windows.empty() || !list.HasWindowManager())
        return false;
    const std::vector<HWND> stacking = list.TopLevelWindows();  // topmost first
    std::vector<std::pair<std::size_t, HWND>> ranked;
    for (HWND hwnd : windows) {
        const auto at = std::find(stacking.begin(), stacking.end(), DesktopHandleOf(hwnd));
        if (at == stacking.end())
            return false;
        ranked.emplace_back(static_cast<std::size_t>(at - stacking.begin()), hwnd);
    }
    std::sort(ranked.begin(), ranked.end());
    for (std::size_t i = 0; i < ranked.size(); ++i)
        windows[i] = ranked[i].second;
    return true;
}

}  // namespace

void NoteWindowRaised(HWND hwnd)
{
    if (!TopLevelWidget(hwnd))
        return;
    Remove(hwnd);
    g_kept.insert(g_kept.begin(), hwnd);
}

void NoteWindowLowered(HWND hwnd)
{
    if (!TopLevelWidget(hwnd))
        return;
    Remove(hwnd);
    g_kept.push_back(hwnd);
}

void NoteWindowStackedUnder(HWND hwnd, HWND above)
{
    if (!TopLevelWidget(hwnd) || hwnd == above)
        return;
    Remove(hwnd);
    const auto at = std::find(g_kept.begin(), g_kept.end(), above);
    g_kept.insert(at == g_kept.end() ? g_kept.begin() : at + 1, hwnd);
}

std::vector<HWND> OwnWindowsInZOrder()
{
    std::erase_if(g_kept, [](HWND hwnd) { return !TopLevelWidget(hwnd); });  // destroyed windows
    std::vector<HWND> windows;
    for (HWND hwnd : g_kept)
        if (TopLevelWidget(hwnd)->isVisible())
            windows.push_back(hwnd);
    if (!OrderByWindowManager(windows))
        std::stable_partition(windows.begin(), windows.end(), KeptOnTop);
    return windows;
}

HWND OwnWindowRelative(HWND hwnd, UINT relation)
{
    const std::vector<HWND> order = OwnWindowsInZOrder();
    if (order.empty())
        return nullptr;
    if (relation == GW_HWNDFIRST)
        return order.front();
    if (relation == GW_HWNDLAST)
        return order.back();
    const auto at = std::find(order.begin(), order.end(), hwnd);
    if (at == order.end())
        return nullptr;
    if (relation == GW_HWNDNEXT)
        return at + 1 == order.end() ? nullptr : *(at + 1);
    if (relation == GW_HWNDPREV)
        return at == order.begin() ? nullptr : *(at - 1);
    return nullptr;
}
