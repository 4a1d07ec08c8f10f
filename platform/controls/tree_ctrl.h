// Tree views: items in a hierarchy, each with a text and two slots of an
// image list (one shown normally, one while the item is selected). The caret
// is the one selected item; a second item may carry the drop highlight.
// Items are named by handles that stay valid until the item is deleted.
//
// Notifications to the parent (WM_NOTIFY):
// - TVN_SELCHANGED (NMTREEVIEW) when the caret moves, with the cause in
//   `action`: TVC_BYMOUSE, TVC_BYKEYBOARD, or TVC_UNKNOWN for the program's
//   SelectItem;
// - TVN_KEYDOWN (NMTVKEYDOWN) for every key pressed in the tree, before the
//   tree handles it;
// - TVN_BEGINDRAG (NMTREEVIEW: itemNew and ptDrag in client coordinates) when
//   the mouse moves with the left button down from an item past the drag
//   distance, once per press;
// - NM_CLICK when the left button comes up (unless the press became a
//   drag), NM_DBLCLK on a double click, NM_SETFOCUS and NM_KILLFOCUS as the
//   focus comes and goes.
// Changes made by calls notify only through SelectItem (as on the platform).
#pragma once

#include "platform/controls/image_list.h"
#include "platform/window/window.h"

struct TreeItemHandle;
using HTREEITEM = TreeItemHandle*;

// Places for InsertItem.
inline const HTREEITEM TVI_ROOT = reinterpret_cast<HTREEITEM>(static_cast<std::intptr_t>(-0x10000));
inline const HTREEITEM TVI_FIRST = reinterpret_cast<HTREEITEM>(static_cast<std::intptr_t>(-0x0FFFF));
inline const HTREEITEM TVI_LAST = reinterpret_cast<HTREEITEM>(static_cast<std::intptr_t>(-0x0FFFE));

// Expand codes.
enum : UINT {
    TVE_COLLAPSE = 0x0001,
    TVE_EXPAND = 0x0002,
    TVE_TOGGLE = 0x0003,
};

// GetNextItem / Select codes.
enum : UINT {
    TVGN_ROOT = 0x0000,
    TVGN_NEXT = 0x0001,
    TVGN_PREVIOUS = 0x0002,
    TVGN_PARENT = 0x0003,
    TVGN_CHILD = 0x0004,
    TVGN_DROPHILITE = 0x0008,
    TVGN_CARET = 0x0009,
};

// Item states.
enum : UINT {
    TVIS_SELECTED = 0x0002,
    TVIS_DROPHILITED = 0x0008,
    TVIS_EXPANDED = 0x0020,
};

// Hit-test results.
enum : UINT {
    TVHT_NOWHERE = 0x0001,
    TVHT_ONITEMICON = 0x0002,
    TVHT_ONITEMLABEL = 0x0004,
    TVHT_ONITEM = TVHT_ONITEMICON | TVHT_ONITEMLABEL,
    TVHT_ONITEMINDENT = 0x0008,
    TVHT_ONITEMBUTTON = 0x0010,
    TVHT_ONITEMRIGHT = 0x0020,
    TVHT_ABOVE = 0x0100,
    TVHT_BELOW = 0x0200,
    TVHT_TORIGHT = 0x0400,
    TVHT_TOLEFT = 0x0800,
};

// The cause of a selection change.
enum : UINT {
    TVC_UNKNOWN = 0x0000,
    TVC_BYMOUSE = 0x0001,
    TVC_BYKEYBOARD = 0x0002,
};

// Which image list of a tree.
enum : int {
    TVSIL_NORMAL = 0,
};

// WM_NOTIFY codes of trees (unsigned forms of the platform's negative numbers).
enum : UINT {
    NM_SETFOCUS = static_cast<UINT>(-7),
    NM_KILLFOCUS = static_cast<UINT>(-8),
    TVN_SELCHANGED = static_cast<UINT>(-451),
    TVN_BEGINDRAG = static_cast<UINT>(-456),
    TVN_KEYDOWN = static_cast<UINT>(-412),
};

// An item as notifications describe it.
struct TVITEM {
    HTREEITEM hItem = nullptr;
    UINT state = 0;
    int iImage = 0;
    int iSelectedImage = 0;
};

// The record of TVN_SELCHANGED and TVN_BEGINDRAG.
struct NMTREEVIEW {
    NMHDR hdr;
    UINT action = TVC_UNKNOWN;
    TVITEM itemOld;
    TVITEM itemNew;
    POINT ptDrag;
};

// The record of TVN_KEYDOWN.
struct NMTVKEYDOWN {
    NMHDR hdr;
    WORD wVKey = 0;
    UINT flags = 0;
};

class CTreeCtrl : public CWnd {
public:
    // The image list is not owned; the previous one is returned. Items draw
    // from it whenever they are painted, so replacing a slot shows at once.
    CImageList* SetImageList(CImageList* list, int which = TVSIL_NORMAL);
    CImageList* GetImageList(int which = TVSIL_NORMAL) const;

    // A new item under `parent` (TVI_ROOT: at the top) after `after`
    // (TVI_FIRST, TVI_LAST or a child of the parent); null on failure.
    HTREEITEM InsertItem(const QString& text, int image, int selectedImage, HTREEITEM parent = TVI_ROOT,
        HTREEITEM after = TVI_LAST);
    HTREEITEM InsertItem(const QString& text, HTREEITEM parent = TVI_ROOT, HTREEITEM after = TVI_LAST);
    // Deletes the item and everything below it. A deleted caret moves to no
    // item without a notification.
    BOOL DeleteItem(HTREEITEM item);
    BOOL DeleteAllItems();
    UINT GetCount() const;

    HTREEITEM GetRootItem() const;
    HTREEITEM GetChildItem(HTREEITEM item) const;
    HTREEITEM GetNextSiblingItem(HTREEITEM item) const;
    HTREEITEM GetPrevSiblingItem(HTREEITEM item) const;
    HTREEITEM GetParentItem(HTREEITEM item) const;
    HTREEITEM GetNextItem(HTREEITEM item, UINT code) const;
    BOOL ItemHasChildren(HTREEITEM item) const;
    HTREEITEM GetSelectedItem() const;
    HTREEITEM GetDropHilightItem() const;

    QString GetItemText(HTREEITEM item) const;
    BOOL SetItemText(HTREEITEM item, const QString& text);
    BOOL GetItemImage(HTREEITEM item, int& image, int& selectedImage) const;
    BOOL SetItemImage(HTREEITEM item, int image, int selectedImage);
    // TVIS_SELECTED, TVIS_DROPHILITED and TVIS_EXPANDED.
    UINT GetItemState(HTREEITEM item, UINT mask) const;
    BOOL SetItemState(HTREEITEM item, UINT state, UINT mask);

    // Expands, collapses or toggles the item's children (an item without
    // children has nothing to show, but keeps the expanded state it is given).
    BOOL Expand(HTREEITEM item, UINT code);
    // Moves the caret to the item (null: none); tells the parent
    // TVN_SELCHANGED with TVC_UNKNOWN when the caret changes.
    BOOL SelectItem(HTREEITEM item);
    // TVGN_CARET as SelectItem; TVGN_DROPHILITE as SelectDropTarget.
    BOOL Select(HTREEITEM item, UINT code);
    // Gives the drop highlight to the item (null: to none).
    BOOL SelectDropTarget(HTREEITEM item);
    BOOL EnsureVisible(HTREEITEM item);

    // The item at a point in client coordinates, and where on it (TVHT_*).
    HTREEITEM HitTest(CPoint point, UINT* flags = nullptr) const;
    // The item's row (or with textOnly its icon and text), in client coordinates;
    // FALSE when the item is not shown (below a collapsed item).
    BOOL GetItemRect(HTREEITEM item, RECT* rect, BOOL textOnly) const;
    // A picture of the item (its image and text) for dragging: a new list of
    // one image, owned by the caller; null when there is no such item.
    CImageList* CreateDragImage(HTREEITEM item);
};
