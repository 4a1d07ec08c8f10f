// Menu items drawn by their owner with a picture left of the text: the
// frame's menus and the view stage's pop-up share the record, the measuring
// and the drawing. Every offset grows with the icon scale (16-pixel pictures
// at scale 1, 32-pixel ones at scale 2).
#pragma once

#include "platform/app/owner_drawn_menu.h"
#include "platform/gdi/gdi.h"

#include <QString>

#include <memory>

// One item: a command, its text and picture, and the alternates an item
// shows when its state is off. A record without text is a separator.
class CIconMenuItem {
public:
    // A bitmap id of 0 loads nothing; an id without a picture leaves it null.
    CIconMenuItem(
        UINT id, const QString& text, const QString& altText, int bitmapId, int altBitmapId, int iconScale);
    ~CIconMenuItem();
    CIconMenuItem(const CIconMenuItem&) = delete;
    CIconMenuItem& operator=(const CIconMenuItem&) = delete;

    UINT Id() const { return m_id; }
    bool IsSeparator() const { return m_text.isEmpty(); }
    // The text and picture for the state: the first pair when on.
    const QString& Text(bool on = true) const { return on || m_altText.isEmpty() ? m_text : m_altText; }
    HBITMAP Bitmap(bool on = true) const { return on || !m_altBitmap ? m_bitmap : m_altBitmap; }

private:
    UINT m_id;
    QString m_text;
    QString m_altText;
    HBITMAP m_bitmap = nullptr;
    HBITMAP m_altBitmap = nullptr;
};

// A separator record.
std::unique_ptr<CIconMenuItem> MakeMenuSeparator();

// The drawing states of an item.
inline constexpr int kIconMenuNormal = 0;
inline constexpr int kIconMenuGray = 3;

// The picture of a bitmap id at the icon scale, laid on the menu colour, as
// a bitmap the caller deletes; null for an id without a picture.
HBITMAP LoadMenuItemBitmap(int bitmapId, int iconScale);

// The item's size for its text: the text's extent in the menu font plus the
// picture column and margins.
SIZE MeasureIconMenuItem(const QString& text, int iconScale);
// Fills a WM_MEASUREITEM record for the text.
void MeasureIconMenuItem(MEASUREITEMSTRUCT* measure, const QString& text, int iconScale);

// Draws one item into the record's DC: the background right of the picture
// column (the highlight for a selected item in the normal state), the
// picture (washed out in the grey state) and the text.
void DrawIconMenuItem(
    const DRAWITEMSTRUCT& item, HBITMAP bitmap, const QString& text, int state, int iconScale);
// The drawing state the platform asks for: grey exactly when the item is disabled.
int IconMenuStateOf(const DRAWITEMSTRUCT& item);
