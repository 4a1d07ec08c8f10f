#include "tests/support/screen_grab.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstring>

QImage GrabScreen(const QString& display)
{
    Display* d = XOpenDisplay(display.toLatin1().constData());
    if (!d)
        return {};
    const int screen = DefaultScreen(d);
    const int w = DisplayWidth(d, screen);
    const int h = DisplayHeight(d, screen);
    QImage shot;
    if (XImage* x11 = XGetImage(d, RootWindow(d, screen), 0, 0, static_cast<unsigned>(w),
            static_cast<unsigned>(h), AllPlanes, ZPixmap)) {
        if (x11->bits_per_pixel == 32) {
            shot = QImage(w, h, QImage::Format_RGB32);
            for (int row = 0; row < h; ++row) {
                auto* line = reinterpret_cast<QRgb*>(shot.scanLine(row));
                std::memcpy(line, x11->data + static_cast<qsizetype>(row) * x11->bytes_per_line,
                    static_cast<size_t>(w) * 4);
                for (int x = 0; x < w; ++x)
                    line[x] |= 0xFF000000u;  // the server leaves the unused byte as it likes
            }
        }
        XDestroyImage(x11);
    }
    XCloseDisplay(d);
    return shot;
}
