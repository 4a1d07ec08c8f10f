#include "tests/support/window_on_screen.h"

#include <X11/Xlib.h>

namespace {

// A window that goes while it is asked about is no error of the test's.
int IgnoreXError(Display*, XErrorEvent*)
{
    return 0;
}

}  // namespace

QRect WindowRectOnScreen(const QString& display, const QString& window)
{
    Display* d = XOpenDisplay(display.toLatin1().constData());
    if (!d)
        return {};
    const XErrorHandler previous = XSetErrorHandler(IgnoreXError);
    QRect rect;
    XWindowAttributes a{};
    Window child = 0;
    int x = 0, y = 0;
    if (XGetWindowAttributes(d, window.toULong(), &a) &&
        XTranslateCoordinates(d, window.toULong(), DefaultRootWindow(d), 0, 0, &x, &y, &child))
        rect = QRect(x, y, a.width, a.height);
    XSync(d, False);
    XSetErrorHandler(previous);
    XCloseDisplay(d);
    return rect;
}
