// Owner-drawn menu items: a menu's owner window measures and draws the
// items it marked, as WM_MEASUREITEM and WM_DRAWITEM ask. Each item is drawn
// into a device context over an image of the item's size, which the menu
// then shows; items that are not marked are drawn as usual.
#pragma once

#include "platform/window/window.h"

class QAction;
class QMenu;

inline constexpr UINT WM_DRAWITEM = 0x002B;
inline constexpr UINT WM_MEASUREITEM = 0x002C;
inline constexpr UINT MF_OWNERDRAW = 0x0100;

inline constexpr UINT ODT_MENU = 1;
inline constexpr UINT ODA_DRAWENTIRE = 0x0001;
inline constexpr UINT ODS_SELECTED = 0x0001;
inline constexpr UINT ODS_GRAYED = 0x0002;
inline constexpr UINT ODS_DISABLED = 0x0004;
inline constexpr UINT ODS_CHECKED = 0x0008;

struct MEASUREITEMSTRUCT {
    UINT CtlType = ODT_MENU;
    UINT CtlID = 0;
    UINT itemID = 0;
    UINT itemWidth = 0;
    UINT itemHeight = 0;
    UINT_PTR itemData = 0;
};

// The item's rectangle is the whole of the DC's image, from (0, 0).
struct DRAWITEMSTRUCT {
    UINT CtlType = ODT_MENU;
    UINT CtlID = 0;
    UINT itemID = 0;
    UINT itemAction = ODA_DRAWENTIRE;
    UINT itemState = 0;
    HWND hwndItem = nullptr;
    HDC hDC = nullptr;
    RECT rcItem;
    UINT_PTR itemData = 0;
};

// Makes the menu draw its marked items through owner (and so do its
// submenus, now and later). The owner's window is reached by its handle, so
// a menu that outlives it draws its items plainly.
void SetMenuOwner(QMenu* menu, HWND owner);
// Marks an item as owner-drawn with its id and data.
void MarkOwnerDrawn(QAction* item, UINT id, UINT_PTR data);
bool IsOwnerDrawn(const QAction* item);
