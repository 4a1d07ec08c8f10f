// Qt events of a window's host widget, turned into the window's messages
// with the platform's packing of wParam and lParam.
#include "platform/app/message_pump.h"
#include "platform/window/drop_files.h"
#include "platform/window/input_keys.h"
#include "platform/window/window_activation.h"
#include "platform/window/window_dispatch.h"
#include "platform/window/window_stacking.h"

#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QTimerEvent>
#include <QWheelEvent>
#include <QWindowStateChangeEvent>

QEvent::Type PaintRequestEventType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

void WindowHostAccess::NoteUserSizing(CWnd* wnd, QWidget* host)
{
    // X11 reports a resize only after it happened: WM_SIZING may still adjust
    // the rectangle, and WM_EXITSIZEMOVE follows when resizes stop for a while.
    if (!wnd->m_inSizing) {
        wnd->m_inSizing = true;
        WindowDispatch::Dispatch(wnd, WM_ENTERSIZEMOVE, 0, 0);
    }
    RECT r;
    wnd->GetWindowRect(&r);
    const RECT before = r;
    WindowDispatch::Dispatch(wnd, WM_SIZING, WMSZ_BOTTOMRIGHT, reinterpret_cast<LPARAM>(&r));
    wnd->m_requestedSize = host->size();
    if (r != before && wnd->GetSafeHwnd())
        wnd->MoveWindow(&r);
    if (!wnd->m_sizingEnd) {
        wnd->m_sizingEnd = new QTimer(host);
        wnd->m_sizingEnd->setSingleShot(true);
        wnd->m_sizingEnd->setInterval(250);
        const HWND hwnd = wnd->GetSafeHwnd();
        QObject::connect(wnd->m_sizingEnd, &QTimer::timeout, host, [hwnd] {
            if (CWnd* w = CWnd::FromHandle(hwnd)) {
                w->m_inSizing = false;
                WindowDispatch::Dispatch(w, WM_EXITSIZEMOVE, 0, 0);
            }
        });
    }
    wnd->m_sizingEnd->start();
}

int& WindowHostAccess::HostDepth(CWnd* wnd)
{
    return wnd->m_hostDepth;
}

void WindowHostAccess::PaintSurface(CWnd* wnd, QWidget* host)
{
    QPainter p(host);
    p.drawImage(0, 0, wnd->m_surface);
}

namespace {

UINT SizeKind(const QWidget* w)
{
    if (w->isMinimized())
        return SIZE_MINIMIZED;
    if (w->isMaximized())
        return SIZE_MAXIMIZED;
    return SIZE_RESTORED;
}

LPARAM PointParam(QPoint p)
{
    return MAKELPARAM(p.x(), p.y());
}

// The local files of a drag (text/uri-list).
QStringList LocalFiles(const QMimeData* data)
{
    QStringList files;
    if (!data || !data->hasUrls())
        return files;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile())
            files << url.toLocalFile();
    return files;
}

// A drag of local files (text/uri-list) is taken as a copy: the source's
// files are never moved away by a drop on the program.
bool AcceptAsCopy(QDropEvent* d)
{
    if (LocalFiles(d->mimeData()).isEmpty() || !(d->possibleActions() & Qt::CopyAction))
        return false;
    d->setDropAction(Qt::CopyAction);
    return true;
}

// Asks the window for its size limits and applies the ones it changed.
void ApplySizeLimits(CWnd* wnd, QWidget* host)
{
    const QRect screen = host->screen() ? host->screen()->geometry() : QRect(0, 0, 1920, 1080);
    MINMAXINFO info;
    info.ptMaxSize = POINT{screen.width(), screen.height()};
    info.ptMinTrackSize = POINT{0, 0};
    info.ptMaxTrackSize = POINT{screen.width(), screen.height()};
    const MINMAXINFO asked = info;
    WindowDispatch::Dispatch(wnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    const QSize frame = host->frameGeometry().size() - host->geometry().size();
    if (info.ptMinTrackSize != asked.ptMinTrackSize)
        host->setMinimumSize(std::max(0, int(info.ptMinTrackSize.x) - frame.width()),
            std::max(0, int(info.ptMinTrackSize.y) - frame.height()));
    if (info.ptMaxTrackSize != asked.ptMaxTrackSize)
        host->setMaximumSize(std::max(1, int(info.ptMaxTrackSize.x) - frame.width()),
            std::max(1, int(info.ptMaxTrackSize.y) - frame.height()));
}

bool HandleMouse(CWnd* wnd, QMouseEvent* e)
{
    if (IsMouseInputFlushed(static_cast<qint64>(e->timestamp())))
        return true;  // queued before a flush of mouse input: dropped
    const WPARAM flags = MouseKeyFlags(e->buttons(), e->modifiers());
    const LPARAM point = PointParam(e->position().toPoint());
    UINT message = 0;
    const Qt::MouseButton b = e->button();
    switch (e->type()) {
    case QEvent::MouseMove:
        message = WM_MOUSEMOVE;
        WindowDispatch::Dispatch(wnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(wnd->GetSafeHwnd()),
            MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        if (!wnd->GetSafeHwnd())
            return true;
        break;
    case QEvent::MouseButtonPress:
        message = b == Qt::LeftButton ? WM_LBUTTONDOWN
            : b == Qt::RightButton    ? WM_RBUTTONDOWN
                                      : WM_MBUTTONDOWN;
        break;
    case QEvent::MouseButtonDblClick:
        message = b == Qt::LeftButton ? WM_LBUTTONDBLCLK
            : b == Qt::RightButton    ? WM_RBUTTONDBLCLK
                                      : WM_MBUTTONDBLCLK;
        break;
    case QEvent::MouseButtonRelease:
        message = b == Qt::LeftButton ? WM_LBUTTONUP : b == Qt::RightButton ? WM_RBUTTONUP : WM_MBUTTONUP;
        break;
    default:
        return false;
    }
    WindowDispatch::Dispatch(wnd, message, flags, point);
    if (message == WM_RBUTTONUP && wnd->GetSafeHwnd()) {
        const QPoint global = e->globalPosition().toPoint();
        WindowDispatch::Dispatch(
            wnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(wnd->GetSafeHwnd()), PointParam(global));
    }
    return true;
}

bool HandleKey(CWnd* wnd, QKeyEvent* e)
{
    const bool down = e->type() == QEvent::KeyPress;
    const UINT vk = VirtualKeyFromQtKey(e->key());
    const bool alt = e->modifiers() & Qt::AltModifier;
    const LPARAM l = KeyMessageLParam(down, e->isAutoRepeat(), e->nativeScanCode());
    if (vk != 0)
        WindowDispatch::Dispatch(
            wnd, down ? (alt ? WM_SYSKEYDOWN : WM_KEYDOWN) : (alt ? WM_SYSKEYUP : WM_KEYUP), vk, l);
    if (down && wnd->GetSafeHwnd()) {
        const QString text = e->text();
        for (QChar c : text)
            if (c.unicode() >= 0x20 || c == u'\r' || c == u'\b' || c == u'\t' || c == u'\x1b')
                WindowDispatch::Dispatch(wnd, WM_CHAR, c.unicode(), l);
    }
    // Tab still moves the focus between controls.
    return e->key() != Qt::Key_Tab && e->key() != Qt::Key_Backtab;
}

}  // namespace

bool WindowHostAccess::HandleEvent(CWnd* wnd, QWidget* host, QEvent* e)
{
    const QEvent::Type type = e->type();
    if (type == PaintRequestEventType()) {
        wnd->RunPaint();
        return true;
    }
    if (HandleActivationEvent(e))
        return true;
    switch (type) {
    case QEvent::Timer: {
        const int qtId = static_cast<QTimerEvent*>(e)->timerId();
        const UINT_PTR id = wnd->m_timers.key(qtId, UINT_PTR(-1));
        if (id == UINT_PTR(-1))
            return false;
        WindowDispatch::Dispatch(wnd, WM_TIMER, id, 0);
        return true;
    }
    case QEvent::Resize:
        wnd->ResizeSurface(host->width(), host->height());
        if (host->isWindow() && host->isVisible() && host->windowState() == Qt::WindowNoState &&
            host->size() != wnd->m_requestedSize)
            NoteUserSizing(wnd, host);
        if (!wnd->GetSafeHwnd())
            return false;
        WindowDispatch::Dispatch(wnd, WM_SIZE, SizeKind(host), MAKELPARAM(host->width(), host->height()));
        if (wnd->GetSafeHwnd())
            wnd->Invalidate(TRUE);
        return false;
    case QEvent::Move: {
        const QPoint origin = host->isWindow() ? host->mapToGlobal(QPoint(0, 0)) : host->pos();
        WindowDispatch::Dispatch(wnd, WM_MOVE, 0, PointParam(origin));
        return false;
    }
    case QEvent::WindowStateChange: {
        const auto* change = static_cast<QWindowStateChangeEvent*>(e);
        if (host->isWindow() && host->isMinimized() && !(change->oldState() & Qt::WindowMinimized)) {
            // Iconified by the window manager's button rather than by the program.
            if (!std::exchange(wnd->m_minimizeRequested, false))
                wnd->OnIconifiedByWindowManager();
            if (!wnd->GetSafeHwnd())
                return false;
        }
        // Restored by the window manager (the task bar, a click): the owned windows come back too.
        if (!host->isMinimized() && !wnd->m_hiddenAsMinimized)
            wnd->ShowOwnedWindows();
        WindowDispatch::Dispatch(wnd, WM_SIZE, SizeKind(host), MAKELPARAM(host->width(), host->height()));
        return false;
    }
    case QEvent::Show:
        if (!e->spontaneous()) {
            if (host->isWindow()) {
                NoteWindowRaised(wnd->GetSafeHwnd());  // a window comes up on top of the others
                ApplySizeLimits(wnd, host);
            }
            WindowDispatch::Dispatch(wnd, WM_SHOWWINDOW, TRUE, 0);
            if (wnd->GetSafeHwnd())
                wnd->Invalidate(TRUE);
        }
        return false;
    case QEvent::Hide:
        if (!e->spontaneous())
            WindowDispatch::Dispatch(wnd, WM_SHOWWINDOW, FALSE, 0);
        return false;
    case QEvent::Close:
        e->ignore();  // the window's WM_CLOSE handler decides
        // The window manager's close button goes through the window menu's
        // Close, which may be greyed.
        if (host->isWindow())
            WindowDispatch::Dispatch(wnd, WM_SYSCOMMAND, SC_CLOSE, 0);
        else
            WindowDispatch::Dispatch(wnd, WM_CLOSE, 0, 0);
        return true;
    case QEvent::WindowActivate: {
        static quint64 activations = 0;
        wnd->m_activated = ++activations;
        // Qt passes the event on to the children; the message is the top-level window's.
        if (host->isWindow())
            NoteWindowActivated(wnd, host);
        return false;
    }
    case QEvent::WindowDeactivate:
        if (host->isWindow())
            NoteWindowDeactivated(wnd);
        return false;
    case QEvent::FocusIn:
        WindowDispatch::Dispatch(wnd, WM_SETFOCUS, 0, 0);
        return false;
    case QEvent::FocusOut:
        WindowDispatch::Dispatch(wnd, WM_KILLFOCUS, 0, 0);
        return false;
    case QEvent::EnabledChange:
        WindowDispatch::Dispatch(wnd, WM_ENABLE, host->isEnabled(), 0);
        return false;
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        return HandleMouse(wnd, static_cast<QMouseEvent*>(e));
    case QEvent::Wheel: {
        auto* w = static_cast<QWheelEvent*>(e);
        const int delta = w->angleDelta().y() != 0 ? w->angleDelta().y() : w->angleDelta().x();
        const WPARAM wp = MAKEWPARAM(MouseKeyFlags(w->buttons(), w->modifiers()), delta);
        WindowDispatch::Dispatch(wnd, WM_MOUSEWHEEL, wp, PointParam(w->globalPosition().toPoint()));
        return true;
    }
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        return HandleKey(wnd, static_cast<QKeyEvent*>(e));
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* d = static_cast<QDropEvent*>(e);
        if (AcceptAsCopy(d))
            d->accept();
        return true;
    }
    case QEvent::Drop: {
        auto* d = static_cast<QDropEvent*>(e);
        if (!AcceptAsCopy(d))
            return true;
        d->accept();
        const QPoint at = d->position().toPoint();
        // The handler finishes the drop (DragFinish), at once or later.
        HDROP drop = MakeDropRecord(LocalFiles(d->mimeData()), POINT{at.x(), at.y()});
        WindowDispatch::Dispatch(wnd, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
        return true;
    }
    default:
        return false;
    }
}
