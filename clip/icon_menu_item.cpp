#include "clip/icon_menu_item.h"

#include "core/system_figures.h"
#include "platform/gdi/resource_bitmaps.h"
#include "res/menu_pictures.h"

#include <QPainter>

#include <cmath>

namespace {

// Offsets at icon scale 1, in pixels.
constexpr int kPictureInset = 2;    // the picture's place from the item's corner
constexpr int kPictureSide = 16;    // the picture's side
constexpr int kPictureColumn = 22;  // where the background fill starts
constexpr int kTextLeft = 26;
constexpr int kTextTop = 4;
constexpr int kExtraWidth = 26;
constexpr int kExtraHeight = 8;
constexpr COLORREF kGrayPictureBase = RGB(192, 192, 192);
constexpr COLORREF kGrayText = RGB(172, 168, 153);

// The menu font: the platform's GUI font at the display's scale.
HFONT MenuFont()
{
    static HFONT font = [] {
        LOGFONTW lf;
        lf.lfHeight = -std::lround(12 * g_fDpiScaleY);
        lf.lfWeight = FW_NORMAL;
        lf.lfCharSet = SHIFTJIS_CHARSET;
        const char16_t face[] = u"MS UI Gothic";
        std::copy(std::begin(face), std::end(face), lf.lfFaceName);
        return CreateFontIndirectW(&lf);
    }();
    return font;
}

RECT Square(int left, int top, int side)
{
    return RECT{left, top, left + side, top + side};
}

}  // namespace

CIconMenuItem::CIconMenuItem(
    UINT id, const QString& text, const QString& altText, int bitmapId, int altBitmapId, int iconScale)
    : m_id(id), m_text(text), m_altText(altText)
{
    if (bitmapId != 0)
        m_bitmap = LoadMenuItemBitmap(bitmapId, iconScale);
    if (altBitmapId != 0)
        m_altBitmap = LoadMenuItemBitmap(altBitmapId, iconScale);
}

CIconMenuItem::~CIconMenuItem()
{
    if (m_bitmap)
        DeleteObject(m_bitmap);
    if (m_altBitmap)
        DeleteObject(m_altBitmap);
}

std::unique_ptr<CIconMenuItem> MakeMenuSeparator()
{
    return std::make_unique<CIconMenuItem>(0, QString(), QString(), 0, 0, 1);
}

HBITMAP LoadMenuItemBitmap(int bitmapId, int iconScale)
{
    const QImage picture = MenuItemPicture(bitmapId, iconScale);
    if (picture.isNull())
        return nullptr;
    // Copied unchanged onto the item, so the picture's clear parts take the
    // colour of the column it sits in.
    QImage laid(picture.size(), QImage::Format_RGB32);
    const COLORREF menu = GetSysColor(COLOR_MENU);
    laid.fill(QColor(GetRValue(menu), GetGValue(menu), GetBValue(menu)));
    QPainter(&laid).drawImage(0, 0, picture);
    return CreateBitmapFromImage(laid);
}

SIZE MeasureIconMenuItem(const QString& text, int iconScale)
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, MenuFont());
    const CSize extent = dc.GetTextExtent(text);
    SelectObject(dc, old);
    return SIZE{extent.cx + kExtraWidth * iconScale, extent.cy + kExtraHeight * iconScale};
}

void MeasureIconMenuItem(MEASUREITEMSTRUCT* measure, const QString& text, int iconScale)
{
    const SIZE size = MeasureIconMenuItem(text, iconScale);
    measure->itemWidth = static_cast<UINT>(size.cx);
    measure->itemHeight = static_cast<UINT>(size.cy);
}

int IconMenuStateOf(const DRAWITEMSTRUCT& item)
{
    return (item.itemState & (ODS_GRAYED | ODS_DISABLED)) ? kIconMenuGray : kIconMenuNormal;
}

void DrawIconMenuItem(
    const DRAWITEMSTRUCT& item, HBITMAP bitmap, const QString& text, int state, int iconScale)
{
    CDC* dc = CDC::FromHandle(item.hDC);
    if (!dc)
        return;
    const int s = iconScale;
    const RECT& r = item.rcItem;
    HGDIOBJ oldFont = SelectObject(*dc, MenuFont());
    // A grey item is never highlighted: it cannot be chosen.
    const bool highlighted = (item.itemState & ODS_SELECTED) && state == kIconMenuNormal;
    const RECT fill{r.left + kPictureColumn * s, r.top, r.right, r.bottom};
    dc->FillSolidRect(&fill, GetSysColor(highlighted ? COLOR_HIGHLIGHT : COLOR_MENU));

    const int side = kPictureSide * s;
    const RECT picture = Square(r.left + kPictureInset * s, r.top + kPictureInset * s, side);
    if (bitmap) {
        CDC memory;
        memory.CreateCompatibleDC(dc);
        HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
        if (state == kIconMenuGray) {
            // Light grey ORed with the picture washes it out.
            dc->FillSolidRect(&picture, kGrayPictureBase);
            dc->BitBlt(picture.left, picture.top, side, side, &memory, 0, 0, SRCPAINT);
        } else {
            dc->BitBlt(picture.left, picture.top, side, side, &memory, 0, 0, SRCCOPY);
        }
        SelectObject(memory, oldBitmap);
    }
    if (item.itemState & ODS_CHECKED) {
        // A checked item's picture sits in a frame, as its toolbar button sits pressed.
        const RECT frame{picture.left - 1, picture.top - 1, picture.right + 1, picture.bottom + 1};
        CBrush border;
        border.CreateSolidBrush(GetSysColor(COLOR_HIGHLIGHT));
        dc->FrameRect(&frame, &border);
    }

    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(state == kIconMenuGray ? kGrayText : highlighted ? RGB(255, 255, 255) : RGB(0, 0, 0));
    dc->TextOut(r.left + kTextLeft * s, r.top + kTextTop * s, text);
    SelectObject(*dc, oldFont);
}
