// Window objects: creation, the handle table, and destruction.
#include "platform/window/window.h"

#include "platform/app/menu.h"
#include "platform/dialog/dialog_template.h"
#include "platform/window/control_mouse_routing.h"
#include "platform/window/window_dispatch.h"
#include "platform/window/window_registry.h"

#include <QCoreApplication>
#include <QThread>
#include <QTimer>

namespace {

QHash<HWND, CWnd*>& HandleTable()
{
    static QHash<HWND, CWnd*> table;
    return table;
}

}  // namespace

CWnd* WindowDispatch::Lookup(HWND hwnd)
{
    if (!hwnd || IsX11WindowHandle(hwnd))
        return nullptr;
    return HandleTable().value(hwnd, nullptr);
}

void WindowDispatch::Bind(HWND hwnd, CWnd* wnd)
{
    HandleTable().insert(hwnd, wnd);
}

void WindowDispatch::Unbind(HWND hwnd)
{
    HandleTable().remove(hwnd);
    ReleaseMessagesSentTo(hwnd);
}

bool IsUiThread()
{
    const QCoreApplication* app = QCoreApplication::instance();
    return !app || app->thread() == QThread::currentThread();
}

#ifdef KESTREL_CHECK_UI_THREAD
void FailNotOnUiThread(const char* entryPoint)
{
    qFatal("%s belongs to the UI thread but was called from another thread", entryPoint);
}
#endif

CWnd* WindowDispatch::FromWidget(const QWidget* widget, bool ancestors)
{
    for (const QWidget* w = widget; w; w = ancestors ? w->parentWidget() : nullptr) {
        if (CWnd* wnd = Lookup(HwndFromWidget(w)))
            return wnd;
    }
    return nullptr;
}

LRESULT WindowDispatch::Dispatch(CWnd* wnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    const CWnd::Current saved = wnd->m_current;
    wnd->m_current = {message, wParam, lParam};
    ++wnd->m_dispatchDepth;
    const LRESULT result = wnd->WindowProc(message, wParam, lParam);
    wnd->m_current = saved;
    if (--wnd->m_dispatchDepth == 0 && wnd->m_destroyPending)
        wnd->FinishDestroy();  // may delete wnd
    return result;
}

CWnd::CWnd() : m_background(GetSysColor(COLOR_BTNFACE))
{
}

CWnd::~CWnd()
{
    delete std::exchange(m_systemMenu, nullptr);
    if (m_hWnd && m_ownsWidget) {
        m_destroyPending = true;
        m_dispatchDepth = 0;
        FinishDestroy();
    } else {
        UnbindWidget();
    }
}

CWnd* CWnd::FromHandle(HWND hwnd)
{
    return WindowDispatch::Lookup(hwnd);
}

QWidget* CWnd::CreateHostWidget(QWidget* parent, bool)
{
    return new WindowHost(this, parent);
}

void CWnd::BindWidget(QWidget* widget, UINT id, CWnd* parent)
{
    EnsureInputFilter();
    m_widget = widget;
    m_id = id;
    m_hWnd = RegisterWindowHandle(widget);
    WindowDispatch::Bind(m_hWnd, this);
    if (parent && id != 0 && id != static_cast<UINT>(IDC_STATIC))
        parent->m_childIds.insert(id, m_hWnd);
    // A widget deleted by Qt (with its parent) takes its handle with it.
    QObject::connect(widget, &QObject::destroyed, widget, [this, hwnd = m_hWnd] {
        if (m_hWnd == hwnd) {
            WindowDispatch::Unbind(hwnd);
            UnregisterWindowHandle(hwnd);
            m_hWnd = nullptr;
            m_widget = nullptr;
            m_ownsWidget = false;
            m_timers.clear();  // Qt's timers went with the widget
        }
    });
}

void CWnd::UnbindWidget()
{
    if (!m_widget)
        return;
    QObject::disconnect(m_widget, &QObject::destroyed, m_widget, nullptr);
    if (m_hWnd) {
        WindowDispatch::Unbind(m_hWnd);
        UnregisterWindowHandle(m_hWnd);
    }
    m_sizingEnd = nullptr;  // goes with the widget
    m_inSizing = false;
    if (auto* host = dynamic_cast<WindowHost*>(m_widget))
        host->Detach();
    else if (auto* dialogHost = dynamic_cast<SurfaceHost<QDialog>*>(m_widget))
        dialogHost->Detach();
    m_hWnd = nullptr;
}

BOOL CWnd::CreateEx(
    DWORD exStyle, const QString& windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    KESTREL_ASSERT_UI_THREAD();
    if (m_hWnd)
        return FALSE;
    const bool child = (style & WS_CHILD) != 0;
    if (child && (!parent || !parent->m_widget))
        return FALSE;
    m_style = style;
    m_exStyle = exStyle;
    m_owner = child ? nullptr : parent;
    QWidget* widget = CreateHostWidget(parent ? parent->m_widget : nullptr, child);
    if (!child) {
        Qt::WindowFlags flags = (exStyle & WS_EX_TOOLWINDOW) || parent ? Qt::Tool : Qt::Window;
        if ((style & WS_CAPTION) != WS_CAPTION)
            flags |= Qt::FramelessWindowHint;
        if (exStyle & WS_EX_TOPMOST)
            flags |= Qt::WindowStaysOnTopHint;
        widget->setWindowFlags(flags);
    }
    widget->setAttribute(Qt::WA_OpaquePaintEvent);
    widget->setMouseTracking(true);
    widget->setFocusPolicy(Qt::StrongFocus);
    widget->setWindowTitle(windowName);
    m_ownsWidget = true;
    BindWidget(widget, id, parent);
    widget->setGeometry(rect.left, rect.top, std::max(1, int(rect.right - rect.left)),
        std::max(1, int(rect.bottom - rect.top)));
    ResizeSurface(widget->width(), widget->height());
    NoteRequestedSize();
    if (style & WS_DISABLED)
        widget->setEnabled(false);
    if (WindowDispatch::Dispatch(this, WM_CREATE, 0, 0) == -1) {
        DestroyWindow();
        return FALSE;
    }
    if (m_hWnd && (style & WS_VISIBLE))
        ShowWindow(SW_SHOW);
    return m_hWnd != nullptr;
}

BOOL CWnd::AttachWidget(QWidget* widget, UINT id, CWnd* parent, DWORD style)
{
    if (m_hWnd || !widget)
        return FALSE;
    m_style = style;
    BindWidget(widget, id, parent);
    if (dynamic_cast<WindowHost*>(widget))
        ResizeSurface(widget->width(), widget->height());  // a surface control draws at once
    else
        RouteControlMouseInput(widget);
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent)
{
    if (m_hWnd || !parent)
        return FALSE;
    CWnd* current = parent->GetDlgItem(static_cast<int>(id));
    if (!current || !current->m_widget)
        return FALSE;
    QWidget* widget = current->m_widget;
    // The control keeps its handle; only the object that answers it changes.
    const HWND hwnd = current->m_hWnd;
    QObject::disconnect(widget, &QObject::destroyed, widget, nullptr);
    current->m_hWnd = nullptr;
    current->m_widget = nullptr;
    if (auto* host = dynamic_cast<WindowHost*>(widget)) {
        host->Reattach(this);
        m_surface = std::move(current->m_surface);
    }
    m_style = current->m_style;
    m_widget = widget;
    m_id = id;
    m_hWnd = hwnd;
    WindowDispatch::Bind(hwnd, this);
    QObject::connect(widget, &QObject::destroyed, widget, [this, hwnd] {
        if (m_hWnd == hwnd) {
            WindowDispatch::Unbind(hwnd);
            UnregisterWindowHandle(hwnd);
            m_hWnd = nullptr;
            m_widget = nullptr;
        }
    });
    RouteControlMouseInput(widget);
    return TRUE;
}

BOOL CWnd::DestroyWindow()
{
    KESTREL_ASSERT_UI_THREAD();
    if (!m_hWnd || m_destroyPending || m_destroying)
        return m_hWnd != nullptr;
    m_destroyPending = true;
    if (m_widget)
        m_widget->hide();
    if (m_dispatchDepth == 0)
        FinishDestroy();
    return TRUE;
}

void CWnd::FinishDestroy()
{
    if (!m_hWnd) {
        m_destroyPending = false;
        return;
    }
    m_destroyPending = false;
    m_destroying = true;  // WM_DESTROY's handler may not start another destruction
    WindowDispatch::Dispatch(this, WM_DESTROY, 0, 0);
    m_destroying = false;
    for (int qtId : std::as_const(m_timers))
        m_widget->killTimer(qtId);
    m_timers.clear();
    QWidget* widget = m_widget;
    const bool owned = m_ownsWidget;
    // Qt may still be inside an event of this widget or of one of its controls.
    const bool insideHostEvent = WindowHostAccess::HostDepth(this) > 0 || WidgetEventScope::Active();
    UnbindWidget();
    m_widget = nullptr;
    m_ownsWidget = false;
    m_surface = QImage();
    if (owned && widget) {
        widget->hide();
        if (insideHostEvent)
            widget->deleteLater();  // Qt is still inside this widget's event handler
        else
            delete widget;
    }
    PostNcDestroy();
}

void CWnd::PostNcDestroy()
{
}

BOOL DestroyWindow(HWND hwnd)
{
    CWnd* wnd = CWnd::FromHandle(hwnd);
    return wnd ? wnd->DestroyWindow() : FALSE;
}

namespace {

void DeleteWhenOutOfHandlers(CWnd* wnd)
{
    if (!wnd->IsInHandler()) {
        delete wnd;
        return;
    }
    // A nested loop (a modal dialog) runs inside one of its handlers: look
    // again a little later rather than on every pass of that loop.
    QTimer::singleShot(20, QCoreApplication::instance(), [wnd] { DeleteWhenOutOfHandlers(wnd); });
}

}  // namespace

void DeleteWindowLater(CWnd* wnd)
{
    if (!wnd)
        return;
    if (wnd->GetSafeHwnd())
        wnd->DestroyWindow();
    // Deleted from the event loop, after every handler on the stack has returned.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [wnd] { DeleteWhenOutOfHandlers(wnd); }, Qt::QueuedConnection);
}

HWND WindowHostAccess::EnabledPopupOf(CWnd* wnd)
{
    CWnd* best = nullptr;
    for (CWnd* w : std::as_const(HandleTable())) {
        if (w == wnd || w->m_owner != wnd || !w->m_widget || !w->m_widget->isWindow())
            continue;
        if (!w->m_widget->isVisible() || !w->m_widget->isEnabled())
            continue;
        if (!best || w->m_activated > best->m_activated)
            best = w;
    }
    return best ? best->m_hWnd : wnd->m_hWnd;
}
