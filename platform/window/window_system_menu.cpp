// The window menu and WM_SYSCOMMAND: minimise, restore and close, with a
// Close item that can be greyed.
#include "platform/app/menu.h"
#include "platform/window/window.h"
#include "platform/window/window_registry.h"

#include <QAction>
#include <QMenu>
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
        ShowWindow(SW_MINIMIZE);
        return;
    case SC_RESTORE:
        ShowWindow(SW_RESTORE);
        return;
    default:
        return;
    }
}
