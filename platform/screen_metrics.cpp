#include "platform/screen_metrics.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace {

QScreen* PrimaryScreen()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::primaryScreen()
                                                                        : nullptr;
}

}  // namespace

FrameMetrics QueryFrameMetrics()
{
    FrameMetrics m;
    m.menuHeight = 20;
    m.captionHeight = 23;
    m.sizeFrameWidth = 4;
    m.sizeFrameHeight = 4;
    m.verticalScrollWidth = 17;
    return m;
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
