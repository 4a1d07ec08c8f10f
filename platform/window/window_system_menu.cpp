// The window menu and WM_SYSCOMMAND: minimise, restore and close, with a
// Close item that can be greyed; the minimise box, and a window manager's
// iconify heard as SC_MINIMIZE.
#include "platform/app/menu.h"
#include "platform/window/window.h"
#include "platform/window/window_registry.h"

#include <QAction>
#include <QMenu>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

// Shows or hides the close button the window manager draws, keeping the
// window mapped (its flags change on the native window only).
void ShowCloseButton(HWND hwnd, bool show)
{
    QWidget* widget = WidgetFromHwnd(hwnd);
    QWindow* window = widget ? widget->windowHandle() : nullptr;
    if (!window)
        return;
    Qt::WindowFlags flags = window->flags();
    if (show) {
        flags = widget->windowFlags();
    } else {
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
            Qt::WindowMinimizeButtonHint;
        flags &= ~Qt::WindowCloseButtonHint;
    }
    window->setFlags(flags);
}

// Shows or hides the minimise button the window manager draws, keeping the
// window mapped: the native window learns the new flags, the widget keeps
// them without being hidden and made again.
void ShowMinimizeButton(QWidget* widget, bool show)
{
    if (!widget || !widget->isWindow())
        return;
    // Customised: the window manager offers the buttons named and no others.
    Qt::WindowFlags flags = widget->windowFlags() | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    flags.setFlag(Qt::WindowMinimizeButtonHint, show);
    if (QWindow* window = widget->windowHandle()) {
        widget->overrideWindowFlags(flags);
        window->setFlags(flags);
    } else {
        widget->setWindowFlags(flags);  // not made yet: nothing is on the screen to keep
    }
}

bool IsCloseGreyed(CMenu* menu)
{
    return menu && (menu->GetMenuState(SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED);
}

}  // namespace

CMenu* CWnd::GetSystemMenu(BOOL revert)
{
    if (revert) {
        const bool wasGreyed = IsCloseGreyed(m_systemMenu);
        delete std::exchange(m_systemMenu, nullptr);
        if (wasGreyed)
            ShowCloseButton(m_hWnd, true);
        return nullptr;
    }
    if (!m_systemMenu) {
        m_systemMenu = new CMenu;
        m_systemMenu->CreatePopupMenu();
        m_systemMenu->AppendMenu(MF_STRING, SC_RESTORE, QStringLiteral("元のサイズに戻す(&R)"));
        m_systemMenu->AppendMenu(MF_STRING, SC_MINIMIZE, QStringLiteral("最小化(&N)"));
        m_systemMenu->AppendMenu(MF_SEPARATOR);
        m_systemMenu->AppendMenu(MF_STRING, SC_CLOSE, QStringLiteral("閉じる(&C)\tAlt+F4"));
        const HWND self = m_hWnd;
        for (QAction* item : m_systemMenu->GetQMenu()->actions())
            if (!item->isSeparator() && item->data().toUInt() == SC_CLOSE)
                QObject::connect(item, &QAction::enabledChanged, item,
                    [self](bool enabled) { ShowCloseButton(self, enabled); });
    }
    return m_systemMenu;
}

void CWnd::RunSystemCommand(UINT command)
{
    switch (command) {
    case SC_CLOSE:
        if (!IsCloseGreyed(m_systemMenu))
            SendMessage(WM_CLOSE);
        return;
    case SC_MINIMIZE:
        // After the window manager's iconify the window is minimised already.
        if (!std::exchange(m_minimizeCommandPending, false))
            ShowWindow(SW_MINIMIZE);
        return;
    case SC_RESTORE:
        ShowWindow(SW_RESTORE);
        return;
    default:
        return;
    }
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT flags)
{
    const DWORD before = m_style;
    m_style = (m_style & ~remove) | add;
    // SWP_FRAMECHANGED applies the frame's buttons even when no bit changed.
    const bool frameChanged = (flags & SWP_FRAMECHANGED) && ((remove | add) & WS_MINIMIZEBOX);
    if (((before ^ m_style) & WS_MINIMIZEBOX) || frameChanged)
        ShowMinimizeButton(m_widget, (m_style & WS_MINIMIZEBOX) != 0);
    return m_style != before ? TRUE : FALSE;
}

void CWnd::OnIconifiedByWindowManager()
{
    // Windows that leave with their owner follow it without a word.
    if (CWnd* owner = GetOwner(); owner && owner->IsIconic())
        return;
    // X11 cannot ask first: the window is iconified already when it hears of
    // it. A window that keeps SC_MINIMIZE from the default handling refuses
    // the minimise, and comes back.
    m_minimizeCommandPending = true;
    SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
    if (!std::exchange(m_minimizeCommandPending, false) || !m_widget)
        return;
    // Back once the iconify has been told everywhere (the platform's own
    // report of it may still be queued, and would iconify it again).
    QWidget* widget = m_widget;
    QTimer::singleShot(0, widget, [widget] {
        if (!widget->isMinimized())
            return;
        // Hidden meanwhile (its owner was minimised in its stead): it only stops being iconified.
        if (widget->isVisible())
            widget->showNormal();
        else
            widget->setWindowState(widget->windowState() & ~Qt::WindowMinimized);
    });
}
