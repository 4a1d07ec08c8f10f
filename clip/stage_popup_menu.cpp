#include "clip/stage_popup_menu.h"

#include "clip/stage_messages.h"
#include "platform/app/menu.h"

#include <cstdio>

namespace {

StagePopupItem Item(UINT id, const QString& on, const QString& off, bool state)
{
    StagePopupItem item;
    item.id = id;
    item.text = state ? on : off;
    return item;
}

StagePopupItem Item(UINT id, const QString& text)
{
    return Item(id, text, text, true);
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
        QStringLiteral("マウスホイールで範囲選択"), s.wheelRunning);
    if (!s.wheelRunning && s.twoClickRunning && s.bandStarted)
        wheel.text = QStringLiteral("マウスホイールモードにスイッチ");
    StagePopupItem autoName = Item(IDF_AUTO_FILE_NAME, QStringLiteral("保存ファイル名の自動作成ON/FF"));
    autoName.checked = s.autoFileName;
    StagePopupItem centerZoom =
        Item(IDF_CENTER_ZOOM, QStringLiteral("ズーム時にマウスカーソルを画面中心にする"));
    centerZoom.checked = s.centerZoom;
    StagePopupItem style = Item(IDF_HIGHLIGHT_STYLE, QStringLiteral("選択範囲の表示方法"));
    style.submenu = true;

    std::vector<StagePopupItem> items{
        Item(IDF_TWO_CLICK_RANGE, QStringLiteral("２点クリック範囲選択の中止"),
            QStringLiteral("２点クリックで範囲選択"), s.twoClickRunning),
        wheel,
        Item(IDF_FIXED_MODE_DIALOG, QStringLiteral("「固定モード」選択ダイアログの表示")),
        Separator(),
        autoName,
        Separator(),
        Item(IDF_HIT_ZOOM, QStringLiteral("一発ズーム(直前の倍率に戻す)"), QStringLiteral("一発ズーム"),
            s.hitZoomOn),
        Separator(),
        centerZoom,
        Item(IDF_SHOW_GRID, QStringLiteral("ピクセルグリッドを表示しない"),
            QStringLiteral("ピクセルグリッドを表示する"), s.showGrid),
        Item(IDF_CENTER_MARKER, QStringLiteral("センターマーカーを表示しない"),
            QStringLiteral("センターマーカーを表示する"), s.centerMarker),
        Item(IDF_SHOW_RANGE_CORR, QStringLiteral("選択範囲の座標を表示しない"),
            QStringLiteral("選択範囲の座標を表示する"), s.rangeCorr),
        style,
        Separator(),
        Item(IDF_CAPTURE_FULL_SCREEN, QStringLiteral("フルスクリーンをキャプチャー")),
        Item(IDF_CAPTURE_ACTIVE_WINDOW, QStringLiteral("アクティブウィンドウをキャプチャー")),
        Separator(),
        Item(IDF_COLOR_RADIX, QStringLiteral("マウスポイント色情報の 10 進表示"),
            QStringLiteral("マウスポイント色情報の 16 進表示"), s.colorRadix == 16),
        Item(IDF_COPY_COLOR_TEXT, CopyColorLabel(s.colorText)),
        Separator(),
        Item(IDF_MEASURE, QStringLiteral("測定モードの中止"), QStringLiteral("測定モード"), s.measureOpen),
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
        Item(IDF_HIGHLIGHT_FRAME, QStringLiteral("枠で囲んで表示")),
        Item(IDF_HIGHLIGHT_DARKER, QStringLiteral("周辺を暗く表示")),
        Item(IDF_HIGHLIGHT_LIGHTER, QStringLiteral("周辺を明るく表示")),
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

void BuildStagePopupMenu(CMenu* menu, const StagePopupState& s)
{
    auto flagsOf = [](const StagePopupItem& item) {
        return MF_STRING | (item.grayed ? MF_GRAYED : MF_ENABLED) |
            (item.checked ? MF_CHECKED : MF_UNCHECKED);
    };
    for (const StagePopupItem& item : StagePopupItems(s)) {
        if (item.id == 0) {
            menu->AppendMenu(MF_SEPARATOR);
        } else if (item.submenu) {
            CMenu styles;
            styles.CreatePopupMenu();
            for (const StagePopupItem& styleItem : StageHighlightStyleItems(s))
                styles.AppendMenu(flagsOf(styleItem), styleItem.id, styleItem.text);
            menu->AppendMenu(MF_POPUP | (item.grayed ? MF_GRAYED : MF_ENABLED),
                reinterpret_cast<UINT_PTR>(styles.Detach()), item.text);
        } else {
            menu->AppendMenu(flagsOf(item), item.id, item.text);
        }
    }
}
