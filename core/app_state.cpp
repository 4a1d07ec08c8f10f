#include "core/app_state.h"

#include "platform/window/window.h"

#include <atomic>

namespace {

AppStateSource g_noWindows;
std::atomic<AppStateSource*> g_source{nullptr};

}  // namespace

AppStateSource& GetAppState()
{
    AppStateSource* source = g_source.load();
    return source ? *source : g_noWindows;
}

void SetAppStateSource(AppStateSource* source)
{
    g_source.store(source);
}

LRESULT SendToAppWindow(AppWindow which, UINT message, WPARAM wParam, LPARAM lParam)
{
    const HWND window = GetAppState().Window(which);
    return window ? ::SendMessageW(window, message, wParam, lParam) : 0;
}

void PostToAppWindow(AppWindow which, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (const HWND window = GetAppState().Window(which))
        ::PostMessageW(window, message, wParam, lParam);
}
