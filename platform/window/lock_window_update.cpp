#include "platform/window/lock_window_update.h"

#include "platform/window/window_registry.h"

#include <QPointer>
#include <QWidget>

namespace {

QPointer<QWidget> g_locked;  // UI thread only
HWND g_lockedHandle = nullptr;

}  // namespace

BOOL LockWindowUpdate(HWND hwnd)
{
    if (!hwnd) {
        if (g_locked)
            g_locked->setUpdatesEnabled(true);
        g_locked = nullptr;
        g_lockedHandle = nullptr;
        return TRUE;
    }
    if (g_locked)
        return FALSE;
    QWidget* widget = WidgetFromHwnd(hwnd);
    if (!widget)
        return FALSE;
    widget->setUpdatesEnabled(false);
    g_locked = widget;
    g_lockedHandle = hwnd;
    return TRUE;
}

HWND LockedWindowForTesting()
{
    return g_locked ? g_lockedHandle : nullptr;
}
