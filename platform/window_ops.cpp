// Window state (show, move, size, z-order, focus, capture, enable), painting
// through the surface, timers, and the dialog-item helpers.
#include "platform/control_widgets.h"
#include "platform/gdi_dc.h"
#include "platform/window_dispatch.h"
#include "platform/window_registry.h"
#include "platform/window_text.h"
#include "platform/x11/desktop_services.h"

#include <cstring>

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

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
        if (m_widget->isWindow() && !OwnWindowsAreManaged())
            HideAsMinimized();  // nothing would iconify it: it and its owned windows go from the screen
        else
            m_widget->showMinimized();
        break;
    case SW_MAXIMIZE:
        m_widget->showMaximized();
        break;
    case SW_RESTORE:
    case SW_SHOWNORMAL:
        if (m_hiddenAsMinimized)
            ShowFromMinimized();
        m_widget->showNormal();
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
    m_hiddenOwned.clear();
    for (QWidget* top : QApplication::topLevelWidgets()) {
        CWnd* w = WindowDispatch::FromWidget(top, false);
        if (w && w != this && w->GetOwner() == this && top->isVisible()) {
            m_hiddenOwned.push_back(w->GetSafeHwnd());
            top->hide();
        }
    }
    m_widget->hide();
    SendMessage(WM_SIZE, SIZE_MINIMIZED, 0);
}

void CWnd::ShowFromMinimized()
{
    m_hiddenAsMinimized = false;
    m_widget->show();
    for (HWND h : std::as_const(m_hiddenOwned))
        if (CWnd* w = FromHandle(h))
            w->GetWidget()->show();
    m_hiddenOwned.clear();
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
    return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const
{
    return m_widget && m_widget->isEnabled();
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL)
{
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
                const bool visible = m_widget->isVisible();
                m_widget->setWindowFlag(Qt::WindowStaysOnTopHint, top);
                if (visible)
                    m_widget->show();  // changing window flags hides the window
            }
        } else if (after == HWND_BOTTOM) {
            m_widget->lower();
        } else if (after == HWND_TOP) {
            m_widget->raise();
        } else if (insertAfter && insertAfter->m_widget) {
            m_widget->stackUnder(insertAfter->m_widget);
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
    if (m_widget)
        m_widget->raise();
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

CWnd* CWnd::GetDlgItem(int id) const
{
    return FromHandle(m_childIds.value(static_cast<UINT>(id), nullptr));
}

void CWnd::SetWindowText(const QString& text)
{
    SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(&text));
}

QString CWnd::GetWindowText() const
{
    QString text;
    if (m_hWnd)
        ::SendMessageW(m_hWnd, WM_GETTEXT, 0, reinterpret_cast<LPARAM>(&text));
    return text;
}

void CWnd::SetFont(CFont* font, BOOL redraw)
{
    if (font)
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font->m_hObject), redraw);
}

CFont* CWnd::GetFont() const
{
    return m_hFont ? CFont::FromHandle(m_hFont) : nullptr;
}

void CWnd::SetDlgItemText(int id, const QString& text)
{
    if (CWnd* item = GetDlgItem(id))
        item->SetWindowText(text);
}

int CWnd::GetDlgItemText(int id, QString& text) const
{
    CWnd* item = GetDlgItem(id);
    text = item ? item->GetWindowText() : QString();
    return text.size();
}

void CWnd::SetDlgItemInt(int id, UINT value, BOOL isSigned)
{
    SetDlgItemText(id, isSigned ? QString::number(static_cast<int>(value)) : QString::number(value));
}

UINT CWnd::GetDlgItemInt(int id, BOOL* translated, BOOL isSigned) const
{
    QString text;
    GetDlgItemText(id, text);
    bool ok = false;
    const QString t = text.trimmed();
    UINT value = 0;
    if (isSigned)
        value = static_cast<UINT>(t.toInt(&ok));
    else
        value = t.startsWith(u'-') ? 0 : t.toUInt(&ok);
    if (translated)
        *translated = ok;
    return ok ? value : 0;
}

void CWnd::CheckDlgButton(int id, UINT check)
{
    SendDlgItemMessage(id, BM_SETCHECK, check);
}

UINT CWnd::IsDlgButtonChecked(int id) const
{
    CWnd* item = GetDlgItem(id);
    return item ? static_cast<UINT>(item->SendMessage(BM_GETCHECK)) : 0;
}

void CWnd::CheckRadioButton(int firstId, int lastId, int checkId)
{
    for (int id = firstId; id <= lastId; ++id)
        CheckDlgButton(id, id == checkId ? 1 : 0);
}

void CWnd::ResizeSurface(int width, int height)
{
    width = std::max(1, width);
    height = std::max(1, height);
    if (m_surface.width() == width && m_surface.height() == height)
        return;
    QImage next(width, height, QImage::Format_RGB32);
    next.fill(PixelFromColorref(m_background));
    if (!m_surface.isNull()) {
        // Keep what was drawn, as the platform keeps the window's pixels until repainted.
        for (int y = 0; y < std::min(height, m_surface.height()); ++y)
            std::memcpy(next.scanLine(y), m_surface.constScanLine(y),
                std::size_t(std::min(width, m_surface.width())) * 4);
    }
    m_surface = std::move(next);
}

void CWnd::Invalidate(BOOL erase)
{
    if (!m_widget)
        return;
    m_erasePending = m_erasePending || erase;
    if (m_paintPending)
        return;
    m_paintPending = true;
    QCoreApplication::postEvent(m_widget, new QEvent(PaintRequestEventType()), Qt::LowEventPriority);
}

void CWnd::InvalidateRect(const RECT*, BOOL erase)
{
    Invalidate(erase);
}

void CWnd::ValidateRect(const RECT*)
{
    m_paintPending = false;
    m_erasePending = false;
}

void CWnd::RunPaint()
{
    if (!m_paintPending || !m_widget)
        return;
    m_paintPending = false;
    HDC dc = CreateSurfaceDc(&m_surface, m_hWnd);
    if (std::exchange(m_erasePending, false))
        WindowDispatch::Dispatch(this, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    ::DeleteDC(dc);
    if (m_hWnd)
        WindowDispatch::Dispatch(this, WM_PAINT, 0, 0);
    if (m_widget)
        m_widget->update();
}

void CWnd::UpdateWindow()
{
    RunPaint();
}

void CWnd::PresentSurface()
{
    if (m_widget)
        m_widget->update();
}

CDC* CWnd::GetDC()
{
    if (!m_widget)
        return nullptr;
    auto* dc = new CDC;
    dc->Attach(CreateSurfaceDc(&m_surface, m_hWnd));
    return dc;
}

int CWnd::ReleaseDC(CDC* dc)
{
    if (!dc)
        return 0;
    ::DeleteDC(dc->Detach());
    delete dc;
    PresentSurface();
    return 1;
}

CClientDC::CClientDC(CWnd* wnd) : m_hWnd(wnd ? wnd->GetSafeHwnd() : nullptr)
{
    if (wnd && wnd->GetSurface())
        Attach(CreateSurfaceDc(wnd->GetSurface(), m_hWnd));
}

CClientDC::~CClientDC()
{
    ::DeleteDC(Detach());
    if (CWnd* wnd = CWnd::FromHandle(m_hWnd))
        wnd->PresentSurface();
}

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapse, void*)
{
    if (!m_widget)
        return 0;
    KillTimer(id);
    const int qtId = m_widget->startTimer(std::max<UINT>(elapse, 10), Qt::PreciseTimer);
    if (qtId == 0)
        return 0;
    m_timers.insert(id, qtId);
    return id == 0 ? 1 : id;
}

BOOL CWnd::KillTimer(UINT_PTR id)
{
    const auto it = m_timers.find(id);
    if (it == m_timers.end())
        return FALSE;
    if (m_widget)
        m_widget->killTimer(it.value());
    m_timers.erase(it);
    return TRUE;
}

// Handle forms.
BOOL ShowWindow(HWND hwnd, int command)
{
    CWnd* w = CWnd::FromHandle(hwnd);
    return w ? w->ShowWindow(command) : FALSE;
}
BOOL EnableWindow(HWND hwnd, BOOL enable)
{
    CWnd* w = CWnd::FromHandle(hwnd);
    return w ? w->EnableWindow(enable) : FALSE;
}
BOOL IsWindowVisible(HWND hwnd)
{
    CWnd* w = CWnd::FromHandle(hwnd);
    return w && w->IsWindowVisible();
}
BOOL GetWindowRect(HWND hwnd, RECT* rect)
{
    CWnd* w = CWnd::FromHandle(hwnd);
    if (!w)
        return FALSE;
    w->GetWindowRect(rect);
    return TRUE;
}
BOOL GetClientRect(HWND hwnd, RECT* rect)
{
    CWnd* w = CWnd::FromHandle(hwnd);
    if (!w)
        return FALSE;
    w->GetClientRect(rect);
    return TRUE;
}
HWND GetDlgItem(HWND dialog, int id)
{
    CWnd* w = CWnd::FromHandle(dialog);
    CWnd* item = w ? w->GetDlgItem(id) : nullptr;
    return item ? item->GetSafeHwnd() : nullptr;
}
HWND GetParent(HWND hwnd)
{
    CWnd* w = CWnd::FromHandle(hwnd);
    CWnd* p = w ? w->GetParent() : nullptr;
    return p ? p->GetSafeHwnd() : nullptr;
}
HWND GetFocus()
{
    CWnd* w = CWnd::GetFocus();
    return w ? w->GetSafeHwnd() : nullptr;
}
HWND SetFocus(HWND hwnd)
{
    CWnd* w = CWnd::FromHandle(hwnd);
    CWnd* previous = w ? w->SetFocus() : nullptr;
    return previous ? previous->GetSafeHwnd() : nullptr;
}
HWND GetActiveWindow()
{
    CWnd* w = CWnd::GetActiveWindow();
    return w ? w->GetSafeHwnd() : nullptr;
}
HWND GetForegroundWindow()
{
    // One of ours when it is active, else whatever the desktop says.
    if (HWND own = GetActiveWindow())
        return own;
    return Desktop().control.ForegroundWindow();
}
HWND GetCapture()
{
    CWnd* w = CWnd::GetCapture();
    return w ? w->GetSafeHwnd() : nullptr;
}
BOOL ReleaseCapture()
{
    QWidget* grabber = QWidget::mouseGrabber();
    if (!grabber)
        return TRUE;
    CWnd* w = WindowDispatch::FromWidget(grabber, false);
    grabber->releaseMouse();
    if (w)
        w->SendMessage(WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}
BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase)
{
    CWnd* w = CWnd::FromHandle(hwnd);
    if (!w)
        return FALSE;
    w->InvalidateRect(rect, erase);
    return TRUE;
}
BOOL UpdateWindow(HWND hwnd)
{
    CWnd* w = CWnd::FromHandle(hwnd);
    if (!w)
        return FALSE;
    w->UpdateWindow();
    return TRUE;
}
UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, void* unused)
{
    CWnd* w = CWnd::FromHandle(hwnd);
    return w ? w->SetTimer(id, elapse, unused) : 0;
}
BOOL KillTimer(HWND hwnd, UINT_PTR id)
{
    CWnd* w = CWnd::FromHandle(hwnd);
    return w ? w->KillTimer(id) : FALSE;
}
BOOL SetWindowTextW(HWND hwnd, const QString& text)
{
    CWnd* w = CWnd::FromHandle(hwnd);
    if (!w)
        return FALSE;
    w->SetWindowText(text);
    return TRUE;
}
HDC GetDC(HWND hwnd)
{
    CWnd* w = CWnd::FromHandle(hwnd);
    return w && w->GetSurface() ? CreateSurfaceDc(w->GetSurface(), hwnd) : nullptr;
}
int ReleaseDC(HWND hwnd, HDC dc)
{
    if (!dc)
        return 0;
    ::DeleteDC(dc);
    if (CWnd* w = CWnd::FromHandle(hwnd))
        w->PresentSurface();
    return 1;
}

HWND GetWindow(HWND hwnd, UINT relation)
{
    CWnd* w = CWnd::FromHandle(hwnd);
    if (!w)
        return nullptr;
    if (relation == GW_OWNER) {
        CWnd* owner = w->GetWidget() && w->GetWidget()->isWindow() ? w->GetOwner() : nullptr;
        return owner ? owner->GetSafeHwnd() : nullptr;
    }
    if (relation != GW_ENABLEDPOPUP)
        return nullptr;
    return WindowHostAccess::EnabledPopupOf(w);
}

void MessageBeep(UINT)
{
    QApplication::beep();
}
