// Window state: show, move, size, z-order, owner, activation, focus,
// capture, enable.
#include "platform/controls/control_widgets.h"
#include "platform/window/control_colours.h"
#include "platform/window/window_dispatch.h"
#include "platform/window/window_stacking.h"
#include "platform/x11/desktop_services.h"

#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

namespace {

// A window manager iconifies the program's windows only when they are real
// X11 windows (Qt's xcb platform) and one runs on that display.
bool OwnWindowsAreManaged()
{
    return QGuiApplication::platformName() == QLatin1String("xcb") && Desktop().windows.HasWindowManager();
}

}  // namespace

BOOL CWnd::ShowWindow(int command)
{
    KESTREL_ASSERT_UI_THREAD();
    if (!m_widget)
        return FALSE;
    const BOOL wasVisible = m_widget->isVisible();
    switch (command) {
    case SW_HIDE:
        m_widget->hide();
        break;
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED:
    case SW_SHOWMINNOACTIVE:
        if (m_widget->isWindow() && !OwnWindowsAreManaged()) {
            HideAsMinimized();  // nothing would iconify it: it and its owned windows go from the screen
        } else {
            // Owned windows leave with their owner, whatever the window manager does with transients.
            if (m_widget->isWindow())
                HideOwnedWindows();
            m_minimizeRequested = true;
            m_widget->showMinimized();
        }
        break;
    case SW_MAXIMIZE:
        m_widget->showMaximized();
        break;
    case SW_RESTORE:
    case SW_SHOWNORMAL:
        m_minimizeRequested = false;
        if (m_hiddenAsMinimized)
            ShowFromMinimized();
        m_widget->showNormal();
        ShowOwnedWindows();
        break;
    case SW_SHOWNA:
    case SW_SHOWNOACTIVATE:
        m_widget->setAttribute(Qt::WA_ShowWithoutActivating);
        m_widget->show();
        m_widget->setAttribute(Qt::WA_ShowWithoutActivating, false);
        break;
    default:
        m_widget->show();
        break;
    }
    return wasVisible;
}

void CWnd::DragAcceptFiles(BOOL accept)
{
    if (m_widget)
        m_widget->setAcceptDrops(accept != FALSE);
}

BOOL CWnd::IsWindowVisible() const
{
    return m_widget && m_widget->isVisible();
}

BOOL CWnd::IsIconic() const
{
    return m_widget && (m_widget->isMinimized() || m_hiddenAsMinimized);
}

void CWnd::HideAsMinimized()
{
    if (m_hiddenAsMinimized || !m_widget)
        return;
    m_hiddenAsMinimized = true;
    HideOwnedWindows();
    m_widget->hide();
    SendMessage(WM_SIZE, SIZE_MINIMIZED, 0);
}

void CWnd::ShowFromMinimized()
{
    m_hiddenAsMinimized = false;
    m_widget->show();
    ShowOwnedWindows();
}

void CWnd::HideOwnedWindows()
{
    for (QWidget* top : QApplication::topLevelWidgets()) {
        CWnd* w = WindowDispatch::FromWidget(top, false);
        if (w && w != this && w->GetOwner() == this && top->isVisible()) {
            m_hiddenOwned.push_back(w->GetSafeHwnd());
            top->hide();
        }
    }
}

void CWnd::ShowOwnedWindows()
{
    const QList<HWND> owned = std::exchange(m_hiddenOwned, {});
    for (HWND h : owned) {
        if (CWnd* w = FromHandle(h))
            w->GetWidget()->show();
    }
}

BOOL CWnd::IsZoomed() const
{
    return m_widget && m_widget->isMaximized();
}

BOOL CWnd::EnableWindow(BOOL enable)
{
    if (!m_widget)
        return FALSE;
    const BOOL wasDisabled = !m_widget->isEnabled();
    m_widget->setEnabled(enable != FALSE);
    AskControlColours(this);
    return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const
{
    return m_widget && m_widget->isEnabled();
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL)
{
    KESTREL_ASSERT_UI_THREAD();
    if (!m_widget)
        return;
    if (m_widget->isWindow()) {
        // The rectangle is the outer one: the frame is taken off the client size.
        const QRect frame = m_widget->frameGeometry();
        const QRect client = m_widget->geometry();
        const int extraW = frame.width() - client.width();
        const int extraH = frame.height() - client.height();
        // Recorded first: the resize event arrives while resize() runs.
        m_requestedSize = QSize(std::max(1, width - extraW), std::max(1, height - extraH));
        m_widget->move(x, y);
        // A window the user cannot size (a fixed dialog) is still sized by the program.
        if (m_widget->minimumSize() == m_widget->maximumSize())
            m_widget->setFixedSize(m_requestedSize);
        else
            m_widget->resize(m_requestedSize);
    } else if (auto* combo = qobject_cast<QComboBox*>(m_widget)) {
        PlaceComboBox(combo, QRect(x, y, std::max(0, width), std::max(0, height)));
    } else {
        m_widget->setGeometry(x, y, std::max(0, width), std::max(0, height));
    }
}

void CWnd::MoveWindow(const RECT* rect, BOOL repaint)
{
    if (rect)
        MoveWindow(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, repaint);
}

BOOL CWnd::SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags)
{
    if (!m_widget)
        return FALSE;
    RECT r;
    GetWindowRect(&r);
    if (!m_widget->isWindow() && m_widget->parentWidget()) {
        const QPoint p = m_widget->pos();
        r = RECT{p.x(), p.y(), p.x() + m_widget->width(), p.y() + m_widget->height()};
    }
    if (!(flags & SWP_NOMOVE))
        r = RECT{x, y, x + (r.right - r.left), y + (r.bottom - r.top)};
    if (!(flags & SWP_NOSIZE))
        r.right = r.left + cx, r.bottom = r.top + cy;
    if (!(flags & (SWP_NOMOVE | SWP_NOSIZE)) ||
        (flags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE))
        MoveWindow(&r, !(flags & SWP_NOREDRAW));
    const HWND after = insertAfter ? insertAfter->m_hWnd : HWND_TOP;
    if (!(flags & SWP_NOZORDER)) {
        if (after == HWND_TOPMOST || after == HWND_NOTOPMOST) {
            const bool top = after == HWND_TOPMOST;
            if (m_widget->isWindow() && m_widget->windowFlags().testFlag(Qt::WindowStaysOnTopHint) != top) {
                Qt::WindowFlags flags = m_widget->windowFlags();
                flags.setFlag(Qt::WindowStaysOnTopHint, top);
                if (QWindow* window = m_widget->windowHandle()) {
                    // The native window learns it in place: hiding a modal
                    // dialog to give it new flags would end its loop.
                    m_widget->overrideWindowFlags(flags);
                    window->setFlags(flags);
                } else {
                    m_widget->setWindowFlags(flags);
                }
            }
            if (top)
                NoteWindowRaised(m_hWnd);
        } else if (after == HWND_BOTTOM) {
            m_widget->lower();
            NoteWindowLowered(m_hWnd);
        } else if (after == HWND_TOP) {
            m_widget->raise();
            NoteWindowRaised(m_hWnd);
        } else if (insertAfter && insertAfter->m_widget) {
            m_widget->stackUnder(insertAfter->m_widget);
            NoteWindowStackedUnder(m_hWnd, insertAfter->m_hWnd);
        }
    }
    if (flags & SWP_SHOWWINDOW)
        ShowWindow((flags & SWP_NOACTIVATE) ? SW_SHOWNA : SW_SHOW);
    if (flags & SWP_HIDEWINDOW)
        ShowWindow(SW_HIDE);
    return TRUE;
}

void CWnd::GetWindowRect(RECT* rect) const
{
    if (!rect)
        return;
    if (!m_widget) {
        *rect = RECT{};
        return;
    }
    QRect r = m_widget->isWindow() ? m_widget->frameGeometry()
                                   : QRect(m_widget->mapToGlobal(QPoint(0, 0)), m_widget->size());
    *rect = RECT{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

void CWnd::GetClientRect(RECT* rect) const
{
    if (rect)
        *rect = m_widget ? RECT{0, 0, m_widget->width(), m_widget->height()} : RECT{};
}

void CWnd::ClientToScreen(POINT* point) const
{
    if (!point || !m_widget)
        return;
    const QPoint p = m_widget->mapToGlobal(QPoint(point->x, point->y));
    *point = POINT{p.x(), p.y()};
}

void CWnd::ClientToScreen(RECT* rect) const
{
    if (!rect)
        return;
    POINT a{rect->left, rect->top}, b{rect->right, rect->bottom};
    ClientToScreen(&a);
    ClientToScreen(&b);
    *rect = RECT{a.x, a.y, b.x, b.y};
}

void CWnd::ScreenToClient(POINT* point) const
{
    if (!point || !m_widget)
        return;
    const QPoint p = m_widget->mapFromGlobal(QPoint(point->x, point->y));
    *point = POINT{p.x(), p.y()};
}

void CWnd::ScreenToClient(RECT* rect) const
{
    if (!rect)
        return;
    POINT a{rect->left, rect->top}, b{rect->right, rect->bottom};
    ScreenToClient(&a);
    ScreenToClient(&b);
    *rect = RECT{a.x, a.y, b.x, b.y};
}

void CWnd::BringWindowToTop()
{
    if (m_widget) {
        m_widget->raise();
        NoteWindowRaised(m_hWnd);
    }
}

void CWnd::NoteRequestedSize()
{
    if (m_widget)
        m_requestedSize = m_widget->size();
}

void CWnd::CenterWindow(CWnd* alternateOwner)
{
    if (!m_widget)
        return;
    CWnd* over = alternateOwner ? alternateOwner : GetOwner();
    QRect area;
    if (over && over->m_widget && over->m_widget->isVisible())
        area = over->m_widget->frameGeometry();
    else if (m_widget->screen())
        area = m_widget->screen()->availableGeometry();
    if (area.isEmpty())
        return;
    const QSize size = m_widget->frameGeometry().size();
    m_widget->move(area.center() - QPoint(size.width() / 2, size.height() / 2));
}

CWnd* CWnd::SetActiveWindow()
{
    CWnd* previous = GetActiveWindow();
    if (m_widget) {
        m_widget->window()->raise();
        m_widget->window()->activateWindow();
    }
    return previous;
}

BOOL CWnd::SetForegroundWindow()
{
    SetActiveWindow();
    return m_widget != nullptr;
}

CWnd* CWnd::SetFocus()
{
    CWnd* previous = GetFocus();
    if (m_widget)
        m_widget->setFocus(Qt::OtherFocusReason);
    return previous;
}

CWnd* CWnd::GetFocus()
{
    return WindowDispatch::FromWidget(QApplication::focusWidget(), false);
}

CWnd* CWnd::GetActiveWindow()
{
    return WindowDispatch::FromWidget(QApplication::activeWindow(), false);
}

CWnd* CWnd::SetCapture()
{
    CWnd* previous = GetCapture();
    if (m_widget)
        m_widget->grabMouse();
    return previous;
}

CWnd* CWnd::GetCapture()
{
    return WindowDispatch::FromWidget(QWidget::mouseGrabber(), false);
}

CWnd* CWnd::GetParent() const
{
    if (!m_widget)
        return nullptr;
    if (m_widget->isWindow())
        return m_owner;
    return WindowDispatch::FromWidget(m_widget->parentWidget(), true);
}

CWnd* CWnd::GetOwner() const
{
    return m_owner ? m_owner : GetParent();
}

void CWnd::SetOwner(CWnd* owner)
{
    m_owner = owner;
}
