#include "platform/system/screen_metrics.h"

#include "platform/system/logging.h"
#include "platform/x11/desktop_services.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace {

QScreen* PrimaryScreen()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::primaryScreen()
                                                                        : nullptr;
}

// The window manager's frame matters only where the program's windows are
// X windows; under any other platform (offscreen, Wayland) it is not theirs.
bool WindowsAreOnX11()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) &&
        QGuiApplication::platformName() == QLatin1String("xcb");
}

}  // namespace

FrameMetrics FixedFrameMetrics()
{
    FrameMetrics m;
    m.menuHeight = 20;
    m.captionHeight = 23;
    m.sizeFrameWidth = 4;
    m.sizeFrameHeight = 4;
    m.verticalScrollWidth = 17;
    return m;
}

FrameMetrics FrameMetricsFromExtents(const FrameExtents& extents)
{
    for (long e : {extents.left, extents.right, extents.top, extents.bottom}) {
        if (e < 0 || e > kMaxFrameExtent) {
            qCDebug(lcPlatform) << "frame extent" << e << "out of range: fixed frame metrics";
            return FixedFrameMetrics();
        }
    }
    FrameMetrics m = FixedFrameMetrics();
    const int side = static_cast<int>(std::max(extents.left, extents.right));
    m.sizeFrameWidth = side;
    m.sizeFrameHeight = side;
    m.captionHeight = std::max(static_cast<int>(extents.top) - side, kMinCaptionHeight);
    return m;
}

FrameMetrics QueryFrameMetrics()
{
    FrameExtents extents;
    if (!WindowsAreOnX11())
        return FixedFrameMetrics();
    if (Desktop().frameExtents.NormalWindowExtents(extents))
        return FrameMetricsFromExtents(extents);
    qCDebug(lcPlatform) << "the window manager tells no frame extents: fixed frame metrics";
    return FixedFrameMetrics();
}

SIZE QueryScreenSize()
{
    QScreen* screen = PrimaryScreen();
    if (!screen)
        return SIZE{0, 0};
    const QSize size = screen->geometry().size() * screen->devicePixelRatio();
    return SIZE{size.width(), size.height()};
}

void QueryScreenLogicalDpi(int* dpiX, int* dpiY)
{
    QScreen* screen = PrimaryScreen();
    *dpiX = screen ? static_cast<int>(std::lround(screen->logicalDotsPerInchX())) : 96;
    *dpiY = screen ? static_cast<int>(std::lround(screen->logicalDotsPerInchY())) : 96;
}
