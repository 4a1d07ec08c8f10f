// X11 tells neither what activated a window nor which window lost the
// activation. The window that lost it is tracked here. A click is recognised
// by a button held when the activation arrives, or by a press on the window
// before the events queued with the activation have all been handled: the
// window manager activates a window on the press and then passes the press
// on, so it comes just after the activation. The decision sends WM_ACTIVATE,
// always before the press itself.
#include "platform/window/window_activation.h"
#include "platform/window/window_stacking.h"

#include "platform/window/window_dispatch.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>

namespace {

struct ActivationState {
    HWND active = nullptr;        // the window last reported active
    HWND lostBy = nullptr;        // the window deactivated last ...
    HWND lostTo = nullptr;        // ... and the one active at that moment
    HWND pending = nullptr;       // activated; whether by a click is still open
    HWND pendingOther = nullptr;  // the window it took the activation from
};
ActivationState g_state;  // UI thread only

QEvent::Type DecideEventType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

void SendActivate(HWND hwnd, UINT state, HWND other)
{
    if (!CWnd::FromHandle(other))
        other = nullptr;  // gone meanwhile
    if (CWnd* wnd = CWnd::FromHandle(hwnd))
        WindowDispatch::Dispatch(wnd, WM_ACTIVATE, state, reinterpret_cast<LPARAM>(other));
}

void FinishPending(UINT state)
{
    const HWND hwnd = g_state.pending;
    const HWND other = g_state.pendingOther;
    if (!hwnd)
        return;
    g_state.pending = nullptr;
    g_state.pendingOther = nullptr;
    SendActivate(hwnd, state, other);
}

// Sees every mouse press before its widget does: a press inside the window
// whose activation is open makes it a click activation.
class PressWatch : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (g_state.pending &&
            (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)) {
            const auto* widget = qobject_cast<const QWidget*>(watched);
            const CWnd* top = widget ? WindowDispatch::FromWidget(widget->window(), false) : nullptr;
            if (top && top->GetSafeHwnd() == g_state.pending)
                FinishPending(WA_CLICKACTIVE);
        }
        return false;
    }
};

void EnsurePressWatch()
{
    static QPointer<PressWatch> watch;
    if (!watch && qApp)
        qApp->installEventFilter(watch = new PressWatch(qApp));
}

}  // namespace

void NoteWindowActivated(CWnd* wnd, QWidget* host)
{
    const HWND hwnd = wnd->GetSafeHwnd();
    HWND other = nullptr;
    if (g_state.active && g_state.active != hwnd)
        other = g_state.active;  // activated before the other was deactivated
    else if (g_state.lostTo == hwnd)
        other = g_state.lostBy;
    g_state.active = hwnd;
    NoteWindowRaised(hwnd);
    g_state.lostBy = nullptr;
    g_state.lostTo = nullptr;
    FinishPending(WA_ACTIVE);
    if (QGuiApplication::mouseButtons() != Qt::NoButton) {
        SendActivate(hwnd, WA_CLICKACTIVE, other);
        return;
    }
    EnsurePressWatch();
    g_state.pending = hwnd;
    g_state.pendingOther = other;
    // Posted events run once the window-system events queued now are handled.
    QCoreApplication::postEvent(host, new QEvent(DecideEventType()));
}

void NoteWindowDeactivated(CWnd* wnd)
{
    const HWND hwnd = wnd->GetSafeHwnd();
    if (g_state.pending == hwnd)
        FinishPending(WA_ACTIVE);  // the activation is reported before its end
    // Qt already names the window that becomes active (or none).
    const CWnd* next = CWnd::GetActiveWindow();
    const HWND nextHwnd = next && next != wnd ? next->GetSafeHwnd() : nullptr;
    if (g_state.active == hwnd)
        g_state.active = nullptr;
    g_state.lostBy = hwnd;
    g_state.lostTo = nextHwnd;
    SendActivate(hwnd, WA_INACTIVE, nextHwnd);
}

bool HandleActivationEvent(const QEvent* event)
{
    if (event->type() != DecideEventType())
        return false;
    FinishPending(WA_ACTIVE);
    return true;
}
