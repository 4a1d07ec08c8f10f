#include "tests/support/window_on_screen.h"

#include "tests/support/kestrel_process.h"
#include "tests/support/screen_grab.h"

#include <QDir>
#include <QImage>

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

void PressKeysOnWindow(const QString& display, const QString& window, const QString& keys)
{
    const QString xdotool = QStringLiteral("xdotool");
    RunTool(display, xdotool, {QStringLiteral("windowactivate"), QStringLiteral("--sync"), window});
    // The keys go where the input focus is: wait until the window has it.
    WaitFor([&] { return RunTool(display, xdotool, {QStringLiteral("getwindowfocus")}) == window; }, 5000);
    RunTool(display, xdotool, {QStringLiteral("key"), QStringLiteral("--clearmodifiers"), keys});
}

void KeepScreenshot(const QString& display, const QString& name)
{
    const QImage shot = GrabScreen(display);
    QDir().mkpath(QStringLiteral(KESTREL_BINARY_DIR "/test-artifacts"));
    if (!shot.isNull())
        shot.save(QStringLiteral(KESTREL_BINARY_DIR "/test-artifacts/") + name);
}
