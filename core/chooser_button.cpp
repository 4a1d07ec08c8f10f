#include "core/chooser_button.h"

#include "platform/window/window.h"

namespace {

HWND g_panel = nullptr;  // UI thread only
RECT g_clientRect{};

}  // namespace

void SetChooserButtonPlace(HWND panel, const RECT& clientRect)
{
    g_panel = panel;
    g_clientRect = clientRect;
}

RECT ChooserButtonScreenRect()
{
    CWnd* panel = g_panel && IsWindow(g_panel) ? CWnd::FromHandle(g_panel) : nullptr;
    if (!panel)
        return RECT{};
    RECT r = g_clientRect;
    panel->ClientToScreen(&r);
    return r;
}
