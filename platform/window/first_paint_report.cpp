#include "platform/window/first_paint_report.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QObject>
#include <QWidget>
#include <cstdio>

#include <X11/Xlib.h>

namespace {

// Waits until the X server has carried out every request Qt sent so far.
void RoundTripToTheDisplay()
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 != nullptr && x11->display() != nullptr)
        XSync(x11->display(), False);
}

class FirstPaintWatch : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // The window's pixels go to the display once all of its widgets
            // have painted: a posted event comes after that, and before any
            // later paint.
            QCoreApplication::postEvent(this, new QEvent(QEvent::User), Qt::HighEventPriority);
        }
        return false;
    }

    bool event(QEvent* event) override
    {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        RoundTripToTheDisplay();
        std::fputs(kFirstPaintMarker, stdout);
        std::fflush(stdout);
        deleteLater();
        return true;
    }
};

}  // namespace

void ReportFirstPaintWhenAsked(QWidget* window)
{
    if (window && qEnvironmentVariableIsSet(kFirstPaintVariable))
        window->installEventFilter(new FirstPaintWatch(window));
}
