// Mouse events of a control's widget, sent to its window object as messages.
#include "platform/window/control_mouse_routing.h"

#include "platform/app/message_pump.h"
#include "platform/window/input_keys.h"
#include "platform/window/window.h"
#include "platform/window/window_dispatch.h"

#include <QAbstractScrollArea>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <array>

namespace {

const char* const kRoutedProperty = "kestrel_mouse_routed";

UINT MouseMessage(QEvent::Type type, Qt::MouseButton button)
{
    const int column = button == Qt::LeftButton ? 0 : button == Qt::RightButton ? 1 : 2;
    switch (type) {
    case QEvent::MouseMove:
        return WM_MOUSEMOVE;
    case QEvent::MouseButtonPress:
        return std::array<UINT, 3>{WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN}[column];
    case QEvent::MouseButtonRelease:
        return std::array<UINT, 3>{WM_LBUTTONUP, WM_RBUTTONUP, WM_MBUTTONUP}[column];
    case QEvent::MouseButtonDblClick:
        return std::array<UINT, 3>{WM_LBUTTONDBLCLK, WM_RBUTTONDBLCLK, WM_MBUTTONDBLCLK}[column];
    default:
        return 0;
    }
}

// The control a filtered widget stands for: itself, or the scroll area whose viewport it is.
QWidget* ControlOf(QWidget* filtered)
{
    if (auto* area = qobject_cast<QAbstractScrollArea*>(filtered->parentWidget()))
        if (area->viewport() == filtered)
            return area;
    return filtered;
}

// Labels and frames let the mouse through to the window below them.
bool IsTransparentToMouse(const QWidget* widget)
{
    return qobject_cast<const QLabel*>(widget) || qobject_cast<const QGroupBox*>(widget);
}

class ControlMouseRouting : public QObject {
public:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        auto* filtered = static_cast<QWidget*>(object);
        KeepOrPassOn(filtered, event->type());
        const UINT message = MessageFor(event);
        if (message == 0)
            return false;
        auto* e = static_cast<QMouseEvent*>(event);
        if (IsMouseInputFlushed(static_cast<qint64>(e->timestamp())))
            return false;
        if (!filtered->isEnabled()) {
            // A disabled control takes no mouse: the window below it has it (a
            // label passes it on by itself).
            if (IsTransparentToMouse(filtered))
                return false;
            SendToParent(filtered, message, e);
            return true;
        }
        CWnd* wnd = WindowDispatch::FromWidget(ControlOf(filtered), false);
        if (!wnd)
            return false;
        const QPoint p = e->position().toPoint();
        const QPointer<QWidget> alive(filtered);
        const WidgetEventScope scope;
        WindowDispatch::Dispatch(
            wnd, message, MouseKeyFlags(e->buttons(), e->modifiers()), MAKELPARAM(p.x(), p.y()));
        // The widget handles the event as well, unless the handler took it away.
        return alive.isNull();
    }

private:
    // The mouse over a control is the control's alone, as on the platform: a
    // move the widget does not take does not reach the parent window. The
    // wheel still passes on to the parent as before (the application's input
    // filter routes it). Qt reads the attribute once the widget has had the
    // event, so it is set for each event as it arrives.
    static void KeepOrPassOn(QWidget* filtered, QEvent::Type type)
    {
        if (IsTransparentToMouse(filtered))
            return;
        if (type == QEvent::Wheel)
            filtered->setAttribute(Qt::WA_NoMousePropagation, false);
        else if (type >= QEvent::MouseButtonPress && type <= QEvent::MouseMove)
            filtered->setAttribute(Qt::WA_NoMousePropagation, true);
    }
    static void SendToParent(QWidget* filtered, UINT message, QMouseEvent* e)
    {
        QWidget* control = ControlOf(filtered);
        CWnd* parent = WindowDispatch::FromWidget(control->parentWidget(), true);
        if (!parent || !parent->GetWidget())
            return;
        const QPoint p = filtered->mapTo(parent->GetWidget(), e->position().toPoint());
        const WidgetEventScope scope;
        WindowDispatch::Dispatch(
            parent, message, MouseKeyFlags(e->buttons(), e->modifiers()), MAKELPARAM(p.x(), p.y()));
    }
    static UINT MessageFor(QEvent* event)
    {
        switch (event->type()) {
        case QEvent::MouseMove:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            return MouseMessage(event->type(), static_cast<QMouseEvent*>(event)->button());
        default:
            return 0;
        }
    }
};

ControlMouseRouting* TheRouting()
{
    static auto* routing = new ControlMouseRouting;
    return routing;
}

void Route(QWidget* widget)
{
    if (widget->property(kRoutedProperty).toBool())
        return;
    widget->setProperty(kRoutedProperty, true);
    widget->setMouseTracking(true);
    widget->installEventFilter(TheRouting());
}

}  // namespace

void RouteControlMouseInput(QWidget* control)
{
    if (!control || dynamic_cast<WindowHost*>(control) || dynamic_cast<SurfaceHost<QDialog>*>(control))
        return;
    if (auto* area = qobject_cast<QAbstractScrollArea*>(control))
        Route(area->viewport());
    else
        Route(control);
}

void LetMouseThrough(HWND control)
{
    CWnd* wnd = CWnd::FromHandle(control);
    if (wnd && wnd->GetWidget())
        wnd->GetWidget()->setAttribute(Qt::WA_TransparentForMouseEvents, true);
}
