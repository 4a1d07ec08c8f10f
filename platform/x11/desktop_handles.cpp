#include "platform/x11/desktop_handles.h"

#include "platform/window/window_registry.h"

#include <QGuiApplication>
#include <QWidget>

HWND DesktopHandleOf(HWND window)
{
    if (window == nullptr || IsX11WindowHandle(window))
        return window;
    const QWidget* widget = WidgetFromHwnd(window);
    // Only the X11 platform gives native windows that other programs see.
    if (widget == nullptr || QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    const QWidget* top = widget->window();
    return HwndFromX11Window(static_cast<unsigned long>(top->internalWinId()));
}
