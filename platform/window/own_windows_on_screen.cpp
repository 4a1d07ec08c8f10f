#include "platform/window/own_windows_on_screen.h"

#include "platform/window/window_dispatch.h"
#include "platform/x11/desktop_services.h"

#include <QApplication>
#include <QGuiApplication>
#include <QWidget>

namespace {

bool OnScreen(QWidget* top, bool askServer)
{
    if (!askServer)
        return top->isVisible() && !top->isMinimized();
    // A window never made natively was never mapped.
    if (!top->testAttribute(Qt::WA_WState_Created))
        return false;
    return Desktop().windows.NativeWindowViewable(static_cast<unsigned long>(top->winId()));
}

}  // namespace

bool AnyOwnWindowOnScreen()
{
    const bool askServer = QGuiApplication::platformName() == QLatin1String("xcb") && DesktopIsAvailable();
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (WindowDispatch::FromWidget(top, false) && OnScreen(top, askServer))
            return true;
    }
    return false;
}
