// List views: rows of text, each with an image from a small-icon image list,
// laid out top to bottom at a fixed row pitch. A click anywhere in the list
// sends NM_CLICK (NMITEMACTIVATE: the row under the click or -1, and the
// point in client coordinates) to the parent when the button comes up.
#pragma once

#include "platform/controls/image_list.h"
#include "platform/window/window.h"

// Item states.
enum : UINT {
    LVIS_FOCUSED = 0x0001,
    LVIS_SELECTED = 0x0002,
};

enum : UINT {
    LVM_GETITEMCOUNT = 0x1004,
    LVM_DELETEALLITEMS = 0x1009,
    LVM_SETITEMSTATE = 0x102B,
    LVM_GETITEMSTATE = 0x102C,
    // wParam TRUE: the small-icon spacing. Result: horizontal in the low, vertical in the high word.
    LVM_GETITEMSPACING = 0x1033,
    // wParam: the rows counted (-1 all); lParam: the proposed size (-1 each: the current).
    // Result: width in the low, height in the high word.
    LVM_APPROXIMATEVIEWRECT = 0x1040,
};

// The record of NM_CLICK.
struct NMITEMACTIVATE {
    NMHDR hdr;
    int iItem = -1;
    int iSubItem = 0;
    UINT uNewState = 0;
    UINT uOldState = 0;
    UINT uChanged = 0;
    POINT ptAction;
    LPARAM lParam = 0;
    UINT uKeyFlags = 0;
};

class CListCtrl : public CWnd {
public:
    // The image list is not owned; the previous one is returned.
    CImageList* SetImageList(CImageList* list, int which);
    CImageList* GetImageList(int which) const;
    // Inserts a row at index (the end when beyond it); its index, or -1.
    int InsertItem(int index, const QString& text, int image = -1);
    BOOL DeleteAllItems();
    int GetItemCount() const;
    QString GetItemText(int item, int subItem) const;
    BOOL SetItemState(int item, UINT state, UINT mask);
    UINT GetItemState(int item, UINT mask) const;
    // The distance between rows of the small-icon view (vertical) and the row width (horizontal).
    BOOL GetItemSpacing(BOOL smallIcons, int* horizontal, int* vertical) const;
    // The size the view needs to show `count` rows (-1: all).
    CSize ApproximateViewRect(CSize proposed = CSize(-1, -1), int count = -1) const;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    CImageList* m_smallImages = nullptr;
    CImageList* m_normalImages = nullptr;
    void RefreshIcons();
};
