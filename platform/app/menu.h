// Menus: pop-up menus and menu bars built item by item, shown with
// TrackPopupMenu. Each menu is a QMenu; items carry their command ids.
#pragma once

#include "platform/window/window.h"

struct HMENU__;
using HMENU = HMENU__*;

inline constexpr UINT MF_STRING = 0x0000;
inline constexpr UINT MF_ENABLED = 0x0000;
inline constexpr UINT MF_UNCHECKED = 0x0000;
inline constexpr UINT MF_BYCOMMAND = 0x0000;
inline constexpr UINT MF_GRAYED = 0x0001;
inline constexpr UINT MF_DISABLED = 0x0002;
inline constexpr UINT MF_CHECKED = 0x0008;
inline constexpr UINT MF_POPUP = 0x0010;
inline constexpr UINT MF_BYPOSITION = 0x0400;
inline constexpr UINT MF_SEPARATOR = 0x0800;
inline constexpr UINT TPM_LEFTALIGN = 0x0000;
inline constexpr UINT TPM_RIGHTBUTTON = 0x0002;
inline constexpr UINT TPM_NONOTIFY = 0x0080;
inline constexpr UINT TPM_RETURNCMD = 0x0100;

class QMenu;
class QAction;

// InsertMenuItem's description of an item: the fields named in fMask count.
inline constexpr UINT MIIM_STATE = 0x0001;
inline constexpr UINT MIIM_ID = 0x0002;
inline constexpr UINT MIIM_SUBMENU = 0x0004;
inline constexpr UINT MIIM_DATA = 0x0020;
inline constexpr UINT MIIM_FTYPE = 0x0100;
inline constexpr UINT MIIM_STRING = 0x0040;
inline constexpr UINT MFT_STRING = 0x0000;
inline constexpr UINT MFT_OWNERDRAW = 0x0100;
inline constexpr UINT MFT_SEPARATOR = 0x0800;
inline constexpr UINT MFS_ENABLED = 0x0000;
inline constexpr UINT MFS_GRAYED = 0x0003;
inline constexpr UINT MFS_CHECKED = 0x0008;

struct MENUITEMINFO {
    UINT fMask = 0;
    UINT fType = MFT_STRING;
    UINT fState = MFS_ENABLED;
    UINT wID = 0;
    HMENU hSubMenu = nullptr;  // owned by the menu once inserted
    UINT_PTR dwItemData = 0;
    // The item's text; an owner-drawn item keeps it too, for keyboard
    // search and assistive tools.
    QString text;
};

class CMenu {
public:
    CMenu() = default;
    ~CMenu();
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    HMENU m_hMenu = nullptr;

    BOOL CreatePopupMenu();
    BOOL CreateMenu() { return CreatePopupMenu(); }
    BOOL DestroyMenu();
    HMENU Detach();
    // idOrSubmenu is a command id, or with MF_POPUP the HMENU of a sub-menu (which this menu then owns).
    BOOL AppendMenu(UINT flags, UINT_PTR idOrSubmenu = 0, const QString& text = QString());
    BOOL InsertMenu(UINT position, UINT flags, UINT_PTR idOrSubmenu = 0, const QString& text = QString());
    // Inserts before the item at position (by position, or else before the
    // item of that command); at the end when there is none.
    BOOL InsertMenuItem(UINT item, BOOL byPosition, const MENUITEMINFO& info);
    BOOL DeleteMenu(UINT position, UINT flags);
    BOOL RemoveMenu(UINT position, UINT flags) { return DeleteMenu(position, flags); }
    // Both return the previous state (MF_CHECKED / MF_GRAYED), or (UINT)-1 for an unknown item.
    UINT CheckMenuItem(UINT item, UINT flags);
    UINT EnableMenuItem(UINT item, UINT flags);
    UINT GetMenuState(UINT item, UINT flags) const;
    int GetMenuItemCount() const;
    // The command id at a position; 0 for a separator, (UINT)-1 for a sub-menu.
    UINT GetMenuItemID(int position) const;
    HMENU GetSubMenu(int position) const;
    BOOL GetMenuString(UINT item, QString& text, UINT flags) const;
    // Shows the menu at a screen point; wnd measures and draws its
    // owner-drawn items. With TPM_RETURNCMD the chosen id is returned (0 for
    // none); otherwise the choice is posted to wnd as WM_COMMAND.
    UINT TrackPopupMenu(UINT flags, int x, int y, CWnd* wnd, const RECT* unused = nullptr);

    QMenu* GetQMenu() const { return reinterpret_cast<QMenu*>(m_hMenu); }

private:
    QAction* Find(UINT item, UINT flags) const;
};
