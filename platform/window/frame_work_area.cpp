#include "platform/window/frame_work_area.h"

#include <QGuiApplication>
#include <QObject>
#include <QScreen>

namespace {

QScreen* PrimaryScreen()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::primaryScreen()
                                                                        : nullptr;
}

RECT ToRect(const QRect& r)
{
    return RECT{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

class ScreenWatch : public WorkAreaWatch {
public:
    explicit ScreenWatch(std::function<void()> changed)
    {
        if (QScreen* screen = PrimaryScreen())
            m_connection = QObject::connect(screen, &QScreen::availableGeometryChanged, screen,
                [changed = std::move(changed)] { changed(); });
    }
    ~ScreenWatch() override { QObject::disconnect(m_connection); }

private:
    QMetaObject::Connection m_connection;
};

}  // namespace

RECT QueryScreenRect()
{
    QScreen* screen = PrimaryScreen();
    return screen ? ToRect(screen->geometry()) : RECT{};
}

RECT QueryAvailableScreenRect()
{
    QScreen* screen = PrimaryScreen();
    return screen ? ToRect(screen->availableGeometry()) : RECT{};
}

std::unique_ptr<WorkAreaWatch> WatchWorkArea(std::function<void()> changed)
{
    return std::make_unique<ScreenWatch>(std::move(changed));
}
