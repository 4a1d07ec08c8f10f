#include "clip/stage_popup_menu.h"

#include "clip/stage_messages.h"
#include "platform/app/menu.h"

#include <cstdio>

namespace {

StagePopupItem Item(
    UINT id, const QString& on, const QString& off, bool state, int bitmapOn = 0, int bitmapOff = 0)
{
    StagePopupItem item;
    item.id = id;
    item.text = state ? on : off;
    item.bitmapId = state ? bitmapOn : bitmapOff;
    return item;
}

StagePopupItem Item(UINT id, const QString& text, int bitmap = 0)
{
    return Item(id, text, text, true, bitmap);
}

// The pictures of the highlight styles 0, 1 and 2 (items 530-532).
constexpr int kStyleBitmaps[] = {227, 226, 270};

// Every picture the menu can show.
constexpr int kPopupBitmaps[] = {219, 220, 221, 222, 223, 224, 225, 226, 227, 228, 229, 230, 231, 232, 233,
    234, 235, 236, 237, 269, 270, 354, 355, 360, 361, 393, 394};

const StagePopupItem* ItemOf(UINT_PTR data)
{
    return reinterpret_cast<const StagePopupItem*>(data);
}

StagePopupItem Separator()
{
    return StagePopupItem{};
}

bool IsGrayed(UINT id, const StagePopupState& s)
{
    const bool selecting = s.twoClickRunning || s.wheelRunning;
    if (s.measureOpen) {
        switch (id) {
        case IDF_TWO_CLICK_RANGE:
        case IDF_WHEEL_RANGE:
        case IDF_FIXED_MODE_DIALOG:
        case IDF_AUTO_FILE_NAME:
        case IDF_HIT_ZOOM:
        case IDF_CENTER_ZOOM:
        case IDF_HIGHLIGHT_STYLE:
        case IDF_COLOR_RADIX:
        case IDF_COPY_COLOR_TEXT:
            return true;
        default:
            break;
        }
    } else if (selecting && id == IDF_MEASURE) {
        return true;
    }
    switch (id) {
    case IDF_WHEEL_RANGE:
        return s.twoClickRunning && !s.bandStarted;
    case IDF_TWO_CLICK_RANGE:
    case IDF_HIT_ZOOM:
    case IDF_CENTER_ZOOM:
        return s.wheelRunning;
    case IDF_CENTER_MARKER:
    case IDF_SHOW_RANGE_CORR:
        return !selecting;
    case IDF_FIXED_MODE_DIALOG:
    case IDF_CAPTURE_FULL_SCREEN:
    case IDF_CAPTURE_ACTIVE_WINDOW:
        return selecting;
    case IDF_SHOW_GRID:
        return s.displayScale < s.levelPixelGrid;
    default:
        return false;
    }
}

}  // namespace

std::vector<StagePopupItem> StagePopupItems(const StagePopupState& s)
{
    StagePopupItem wheel = Item(IDF_WHEEL_RANGE, QStringLiteral("マウスホイール範囲選択の中止"),
        QStringLiteral("マウスホイールで範囲選択"), s.wheelRunning, 222, 221);
    if (!s.wheelRunning && s.twoClickRunning && s.bandStarted)
        wheel.text = QStringLiteral("マウスホイールモードにスイッチ");
    StagePopupItem autoName = Item(IDF_AUTO_FILE_NAME, QStringLiteral("保存ファイル名の自動作成ON/FF"),
        QStringLiteral("保存ファイル名の自動作成ON/FF"), s.autoFileName, 393, 394);
    autoName.checked = s.autoFileName;
    StagePopupItem centerZoom =
        Item(IDF_CENTER_ZOOM, QStringLiteral("ズーム時にマウスカーソルを画面中心にする"),
            QStringLiteral("ズーム時にマウスカーソルを画面中心にする"), s.centerZoom, 234, 235);
    centerZoom.checked = s.centerZoom;
    const int style3 = s.highlightStyle >= 0 && s.highlightStyle <= 2 ? s.highlightStyle : 0;
    StagePopupItem style =
        Item(IDF_HIGHLIGHT_STYLE, QStringLiteral("選択範囲の表示方法"), kStyleBitmaps[style3]);
    style.submenu = true;

    std::vector<StagePopupItem> items{
        Item(IDF_TWO_CLICK_RANGE, QStringLiteral("２点クリック範囲選択の中止"),
            QStringLiteral("２点クリックで範囲選択"), s.twoClickRunning, 220, 219),
        wheel,
        Item(IDF_FIXED_MODE_DIALOG, QStringLiteral("「固定モード」選択ダイアログの表示"), 223),
        Separator(),
        autoName,
        Separator(),
        Item(IDF_HIT_ZOOM, QStringLiteral("一発ズーム(直前の倍率に戻す)"), QStringLiteral("一発ズーム"),
            s.hitZoomOn, 361, 360),
        Separator(),
        centerZoom,
        Item(IDF_SHOW_GRID, QStringLiteral("ピクセルグリッドを表示しない"),
            QStringLiteral("ピクセルグリッドを表示する"), s.showGrid, 229, 228),
        Item(IDF_CENTER_MARKER, QStringLiteral("センターマーカーを表示しない"),
            QStringLiteral("センターマーカーを表示する"), s.centerMarker, 231, 230),
        Item(IDF_SHOW_RANGE_CORR, QStringLiteral("選択範囲の座標を表示しない"),
            QStringLiteral("選択範囲の座標を表示する"), s.rangeCorr, 225, 224),
        style,
        Separator(),
        Item(IDF_CAPTURE_FULL_SCREEN, QStringLiteral("フルスクリーンをキャプチャー"), 232),
        Item(IDF_CAPTURE_ACTIVE_WINDOW, QStringLiteral("アクティブウィンドウをキャプチャー"), 233),
        Separator(),
        Item(IDF_COLOR_RADIX, QStringLiteral("マウスポイント色情報の 10 進表示"),
            QStringLiteral("マウスポイント色情報の 16 進表示"), s.colorRadix == 16, 236, 237),
        Item(IDF_COPY_COLOR_TEXT, CopyColorLabel(s.colorText), 269),
        Separator(),
        Item(IDF_MEASURE, QStringLiteral("測定モードの中止"), QStringLiteral("測定モード"), s.measureOpen,
            355, 354),
        Separator(),
        Item(IDF_CLOSE_MENU, QStringLiteral("ポップアップメニューを閉じる")),
    };
    for (StagePopupItem& item : items)
        if (item.id != 0)
            item.grayed = IsGrayed(item.id, s);
    return items;
}

std::vector<StagePopupItem> StageHighlightStyleItems(const StagePopupState& s)
{
    std::vector<StagePopupItem> items{
        Item(IDF_HIGHLIGHT_FRAME, QStringLiteral("枠で囲んで表示"), kStyleBitmaps[0]),
        Item(IDF_HIGHLIGHT_DARKER, QStringLiteral("周辺を暗く表示"), kStyleBitmaps[1]),
        Item(IDF_HIGHLIGHT_LIGHTER, QStringLiteral("周辺を明るく表示"), kStyleBitmaps[2]),
    };
    const bool selecting = s.twoClickRunning || s.wheelRunning;
    for (StagePopupItem& item : items) {
        item.grayed = !selecting;
        item.checked = static_cast<int>(item.id - IDF_HIGHLIGHT_FRAME) == s.highlightStyle;
    }
    return items;
}

QString ColorText(COLORREF color, int radix)
{
    const unsigned low = color & 0xFF;
    const unsigned middle = (color >> 8) & 0xFF;
    const unsigned high = (color >> 16) & 0xFF;
    char text[16];
    std::snprintf(text, sizeof text, radix == 10 ? "%03u %03u %03u" : "%02x%02x%02x", low, middle, high);
    return QString::fromLatin1(text);
}

QString CopyColorLabel(const QString& colorText)
{
    return QStringLiteral("色情報 %1 をクリップボードにコピーする").arg(colorText);
}

ClipPopupMenuPictures::ClipPopupMenuPictures(int iconScale) : m_iconScale(iconScale)
{
    for (int id : kPopupBitmaps)
        m_bitmaps[id] = LoadMenuItemBitmap(id, iconScale);
}

ClipPopupMenuPictures::~ClipPopupMenuPictures()
{
    for (auto& [id, bitmap] : m_bitmaps)
        if (bitmap)
            DeleteObject(bitmap);
}

HBITMAP ClipPopupMenuPictures::Get(int bitmapId) const
{
    const auto it = m_bitmaps.find(bitmapId);
    return it == m_bitmaps.end() ? nullptr : it->second;
}

void BuildStagePopupMenu(CMenu* menu, const StagePopupMenuItems& items)
{
    auto infoOf = [](const StagePopupItem& item) {
        MENUITEMINFO info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_DATA | MIIM_STRING;
        info.fType = MFT_OWNERDRAW;
        info.fState = (item.grayed ? MFS_GRAYED : MFS_ENABLED) | (item.checked ? MFS_CHECKED : 0);
        info.wID = item.id;
        info.dwItemData = reinterpret_cast<UINT_PTR>(&item);
        info.text = item.text;
        return info;
    };
    UINT position = 0;
    for (const StagePopupItem& item : items.items) {
        if (item.id == 0) {
            menu->AppendMenu(MF_SEPARATOR);
        } else if (item.submenu) {
            CMenu styles;
            styles.CreatePopupMenu();
            UINT stylePosition = 0;
            for (const StagePopupItem& styleItem : items.styleItems)
                styles.InsertMenuItem(stylePosition++, TRUE, infoOf(styleItem));
            MENUITEMINFO info = infoOf(item);
            info.fMask |= MIIM_SUBMENU;
            info.hSubMenu = styles.Detach();
            menu->InsertMenuItem(position, TRUE, info);
        } else {
            menu->InsertMenuItem(position, TRUE, infoOf(item));
        }
        ++position;
    }
}

void MeasureStagePopupItem(MEASUREITEMSTRUCT* measure, const ClipPopupMenuPictures& pictures)
{
    if (const StagePopupItem* item = ItemOf(measure->itemData))
        MeasureIconMenuItem(measure, item->text, pictures.IconScale());
}

void DrawStagePopupItem(const DRAWITEMSTRUCT& draw, const ClipPopupMenuPictures& pictures)
{
    if (const StagePopupItem* item = ItemOf(draw.itemData))
        DrawIconMenuItem(
            draw, pictures.Get(item->bitmapId), item->text, IconMenuStateOf(draw), pictures.IconScale());
}
