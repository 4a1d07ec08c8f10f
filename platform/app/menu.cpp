#include "platform/app/menu.h"

#include "platform/app/owner_drawn_menu.h"

#include <QAction>
#include <QMenu>

namespace {

QMenu* MenuOf(HMENU h)
{
    return reinterpret_cast<QMenu*>(h);
}

UINT IdOf(const QAction* a)
{
    return a->data().toUInt();
}

UINT StateOf(const QAction* a)
{
    UINT state = 0;
    if (a->isChecked())
        state |= MF_CHECKED;
    if (!a->isEnabled())
        state |= MF_GRAYED;
    if (a->isSeparator())
        state |= MF_SEPARATOR;
    if (a->menu())
        state |= MF_POPUP;
    return state;
}

QAction* MakeAction(QMenu* menu, UINT flags, UINT_PTR idOrSubmenu, const QString& text)
{
    QAction* a = nullptr;
    if (flags & MF_SEPARATOR) {
        a = new QAction(menu);
        a->setSeparator(true);
    } else if (flags & MF_POPUP) {
        QMenu* sub = MenuOf(reinterpret_cast<HMENU>(idOrSubmenu));
        if (!sub)
            return nullptr;
        sub->setParent(menu, sub->windowFlags());  // owned by this menu from now on
        sub->setTitle(text);
        a = sub->menuAction();
    } else {
        a = new QAction(text, menu);
        a->setData(static_cast<UINT>(idOrSubmenu));
        a->setCheckable(true);
        a->setChecked(flags & MF_CHECKED);
    }
    a->setEnabled(!(flags & (MF_GRAYED | MF_DISABLED)));
    return a;
}

}  // namespace

CMenu::~CMenu()
{
    DestroyMenu();
}

BOOL CMenu::CreatePopupMenu()
{
    if (m_hMenu)
        return FALSE;
    m_hMenu = reinterpret_cast<HMENU>(new QMenu);
    return TRUE;
}

BOOL CMenu::DestroyMenu()
{
    if (!m_hMenu)
        return FALSE;
    delete MenuOf(m_hMenu);
    m_hMenu = nullptr;
    return TRUE;
}

HMENU CMenu::Detach()
{
    return std::exchange(m_hMenu, nullptr);
}

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR idOrSubmenu, const QString& text)
{
    QMenu* menu = GetQMenu();
    if (!menu)
        return FALSE;
    QAction* a = MakeAction(menu, flags, idOrSubmenu, text);
    if (!a)
        return FALSE;
    menu->addAction(a);
    return TRUE;
}

BOOL CMenu::InsertMenuItem(UINT item, BOOL byPosition, const MENUITEMINFO& info)
{
    QMenu* menu = GetQMenu();
    if (!menu)
        return FALSE;
    UINT flags = byPosition ? MF_BYPOSITION : MF_BYCOMMAND;
    UINT_PTR idOrSubmenu = (info.fMask & MIIM_ID) ? info.wID : 0;
    if ((info.fMask & MIIM_FTYPE) && (info.fType & MFT_SEPARATOR))
        flags |= MF_SEPARATOR;
    if ((info.fMask & MIIM_SUBMENU) && info.hSubMenu) {
        flags |= MF_POPUP;
        idOrSubmenu = reinterpret_cast<UINT_PTR>(info.hSubMenu);
    }
    if (info.fMask & MIIM_STATE)
        flags |= (info.fState & MFS_GRAYED) ? MF_GRAYED : 0;
    QAction* before = Find(item, byPosition ? MF_BYPOSITION : MF_BYCOMMAND);
    QAction* a = MakeAction(menu, flags, idOrSubmenu, info.text);
    if (!a)
        return FALSE;
    if (!a->isSeparator() && !a->menu())
        a->setChecked((info.fMask & MIIM_STATE) && (info.fState & MFS_CHECKED));
    if ((info.fMask & MIIM_FTYPE) && (info.fType & MFT_OWNERDRAW) && !a->isSeparator())
        MarkOwnerDrawn(
            a, (info.fMask & MIIM_ID) ? info.wID : 0, (info.fMask & MIIM_DATA) ? info.dwItemData : 0);
    menu->insertAction(before, a);
    return TRUE;
}

BOOL CMenu::InsertMenu(UINT position, UINT flags, UINT_PTR idOrSubmenu, const QString& text)
{
    QMenu* menu = GetQMenu();
    if (!menu)
        return FALSE;
    QAction* before = Find(position, flags);
    QAction* a = MakeAction(menu, flags, idOrSubmenu, text);
    if (!a)
        return FALSE;
    menu->insertAction(before, a);  // at the end when there is no such item
    return TRUE;
}

QAction* CMenu::Find(UINT item, UINT flags) const
{
    QMenu* menu = GetQMenu();
    if (!menu)
        return nullptr;
    const QList<QAction*> actions = menu->actions();
    if (flags & MF_BYPOSITION)
        return item < static_cast<UINT>(actions.size()) ? actions[static_cast<int>(item)] : nullptr;
    for (QAction* a : actions) {
        if (!a->isSeparator() && !a->menu() && IdOf(a) == item)
            return a;
        if (a->menu()) {  // sub-menus are searched too, as on the platform
            CMenu sub;
            sub.m_hMenu = reinterpret_cast<HMENU>(a->menu());
            QAction* found = sub.Find(item, flags);
            sub.m_hMenu = nullptr;
            if (found)
                return found;
        }
    }
    return nullptr;
}

BOOL CMenu::DeleteMenu(UINT position, UINT flags)
{
    QAction* a = Find(position, flags);
    if (!a)
        return FALSE;
    if (QMenu* sub = a->menu())
        delete sub;
    else
        delete a;
    return TRUE;
}

UINT CMenu::CheckMenuItem(UINT item, UINT flags)
{
    QAction* a = Find(item, flags);
    if (!a)
        return static_cast<UINT>(-1);
    const UINT old = a->isChecked() ? MF_CHECKED : MF_UNCHECKED;
    a->setChecked(flags & MF_CHECKED);
    return old;
}

UINT CMenu::EnableMenuItem(UINT item, UINT flags)
{
    QAction* a = Find(item, flags);
    if (!a)
        return static_cast<UINT>(-1);
    const UINT old = a->isEnabled() ? MF_ENABLED : MF_GRAYED;
    a->setEnabled(!(flags & (MF_GRAYED | MF_DISABLED)));
    return old;
}

UINT CMenu::GetMenuState(UINT item, UINT flags) const
{
    QAction* a = Find(item, flags);
    return a ? StateOf(a) : static_cast<UINT>(-1);
}

int CMenu::GetMenuItemCount() const
{
    QMenu* menu = GetQMenu();
    return menu ? static_cast<int>(menu->actions().size()) : -1;
}

UINT CMenu::GetMenuItemID(int position) const
{
    QAction* a = Find(static_cast<UINT>(position), MF_BYPOSITION);
    if (!a)
        return static_cast<UINT>(-1);
    if (a->menu())
        return static_cast<UINT>(-1);
    return a->isSeparator() ? 0 : IdOf(a);
}

HMENU CMenu::GetSubMenu(int position) const
{
    QAction* a = Find(static_cast<UINT>(position), MF_BYPOSITION);
    return a && a->menu() ? reinterpret_cast<HMENU>(a->menu()) : nullptr;
}

BOOL CMenu::GetMenuString(UINT item, QString& text, UINT flags) const
{
    QAction* a = Find(item, flags);
    text = a ? a->text() : QString();
    return a != nullptr;
}

UINT CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* wnd, const RECT*)
{
    QMenu* menu = GetQMenu();
    if (!menu)
        return 0;
    // The window may go while the menu's loop runs: it is reached by its handle afterwards.
    const HWND target = wnd ? wnd->GetSafeHwnd() : nullptr;
    SetMenuOwner(menu, target);
    QAction* chosen = menu->exec(QPoint(x, y));
    const UINT id = chosen && !chosen->menu() && !chosen->isSeparator() ? IdOf(chosen) : 0;
    if (flags & TPM_RETURNCMD)
        return id;
    if (id != 0 && target && !(flags & TPM_NONOTIFY))
        PostMessageW(target, WM_COMMAND, MAKEWPARAM(id, 0), 0);
    return TRUE;
}
