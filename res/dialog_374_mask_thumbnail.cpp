// Template 374: the mask settings. The calendar's day controls all sit in
// their first-week cells; the dialog lays them out per month from the
// positions of day 1 and day 9.
#include "res/dialog_374_mask_thumbnail.h"

#include <array>
#include <cstddef>

namespace {

constexpr int kCellX = 24;
constexpr int kCellY = 134;
constexpr int kColumnStep = 44;
constexpr int kRowStep = 24;

constexpr const char16_t* kMonthLabels[12] = {
    u"1月", u"2月", u"3月", u"4月", u"5月", u"6月", u"7月", u"8月", u"9月", u"10月", u"11月", u"12月"};
constexpr const char16_t* kDayLabels[31] = {u"1", u"2", u"3", u"4", u"5", u"6", u"7", u"8", u"9", u"10",
    u"11", u"12", u"13", u"14", u"15", u"16", u"17", u"18", u"19", u"20", u"21", u"22", u"23", u"24", u"25",
    u"26", u"27", u"28", u"29", u"30", u"31"};
constexpr const char16_t* kWeekdays[7] = {u"日", u"月", u"火", u"水", u"木", u"金", u"土"};
constexpr const char16_t* kTypes[5] = {u"BMP", u"JPEG", u"TIFF", u"GIF", u"PNG"};

constexpr std::size_t kFixed = 40;
constexpr std::size_t kCount = kFixed + 12 * 3 + 31 * 2 + 7 + 5;

constexpr std::array<DialogControl, kCount> Build()
{
    std::array<DialogControl, kCount> c{};
    std::size_t n = 0;
    auto add = [&](DialogControl d) { c[n++] = d; };
    using K = ControlKind;
    add({K::Text, IDC_MASK_NOTICE, nullptr, SS_LEFT, 10, 6, 340, 18});
    add({K::GroupBox, IDC_STATIC, u"日付", 0, 6, 26, 340, 292});
    add({K::ComboBox, IDC_MASK_YEAR, nullptr, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 16, 44, 90, 22});
    add({K::Text, IDC_STATIC, u"年", SS_LEFT, 110, 48, 20, 16});
    add({K::Text, IDC_STATIC, u"全年", SS_LEFT, 134, 48, 34, 16});
    add({K::PushButton, IDC_MASK_ALL_YEARS_SET, u"全てセット", WS_TABSTOP, 170, 44, 84, 22});
    add({K::PushButton, IDC_MASK_ALL_YEARS_CLEAR, u"全てクリア", WS_TABSTOP, 256, 44, 84, 22});
    add({K::Text, IDC_STATIC, u"この月", SS_LEFT, 114, 288, 54, 16});
    add({K::PushButton, IDC_MASK_MONTH_SET, u"全てセット", WS_TABSTOP, 170, 284, 84, 22});
    add({K::PushButton, IDC_MASK_MONTH_CLEAR, u"全てクリア", WS_TABSTOP, 256, 284, 84, 22});
    add({K::GroupBox, IDC_STATIC, u"拡張子", 0, 6, 322, 340, 82});
    add({K::PushButton, IDC_MASK_TYPES_SET, u"全てセット", WS_TABSTOP, 170, 368, 84, 22});
    add({K::PushButton, IDC_MASK_TYPES_CLEAR, u"全てクリア", WS_TABSTOP, 256, 368, 84, 22});
    add({K::CheckBox, IDC_MASK_EXCLUDE, u"マスクされたファイルを(複数)選択候補に含めない。",
        BS_AUTOCHECKBOX | WS_TABSTOP, 10, 410, 340, 20});
    add({K::PushButton, IDC_MASK_MODE, u"拡張モード >>", WS_TABSTOP, 10, 440, 130, 26});
    add({K::DefPushButton, IDOK, u"確定", BS_DEFPUSHBUTTON | WS_TABSTOP, 176, 440, 80, 26});
    add({K::PushButton, IDCANCEL, u"キャンセル", WS_TABSTOP, 262, 440, 84, 26});
    // The extended part, right of the normal size.
    add({K::GroupBox, IDC_MASK_EXT_GROUP, u"範囲", 0, 356, 26, 360, 440});
    add({K::RadioButton, IDC_MASK_MEASURE_SIZE, u"ファイルサイズ", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP,
        366, 44, 110, 20});
    add({K::RadioButton, IDC_MASK_MEASURE_WIDTH, u"画像の横幅", BS_AUTORADIOBUTTON, 480, 44, 100, 20});
    add({K::RadioButton, IDC_MASK_MEASURE_HEIGHT, u"画像の縦幅", BS_AUTORADIOBUTTON, 366, 66, 110, 20});
    add({K::RadioButton, IDC_MASK_MEASURE_NAME, u"ファイル名の長さ", BS_AUTORADIOBUTTON, 480, 66, 130, 20});
    add({K::Text, IDC_STATIC, u"サンプル数", SS_LEFT, 366, 94, 80, 16});
    add({K::Text, IDC_MASK_LARGEST, nullptr, SS_LEFT, 450, 94, 80, 16});
    add({K::Picture, IDC_MASK_GRAPH, nullptr, SS_BLACKFRAME, 366, 114, 340, 180});
    add({K::Text, IDC_STATIC, u"最小", SS_LEFT, 366, 302, 40, 16});
    add({K::Text, IDC_MASK_MINIMUM, nullptr, SS_RIGHT, 408, 302, 70, 16});
    add({K::Text, IDC_MASK_MINIMUM_UNIT, nullptr, SS_LEFT, 482, 302, 44, 16});
    add({K::Text, IDC_STATIC, u"最大", SS_LEFT, 540, 302, 40, 16});
    add({K::Text, IDC_MASK_MAXIMUM, nullptr, SS_RIGHT, 582, 302, 70, 16});
    add({K::Text, IDC_MASK_MAXIMUM_UNIT, nullptr, SS_LEFT, 656, 302, 44, 16});
    add({K::Text, IDC_STATIC, u"下限", SS_LEFT, 366, 332, 40, 16});
    add({K::Edit, IDC_MASK_LOW, nullptr, ES_AUTOHSCROLL | WS_TABSTOP, 408, 328, 70, 22});
    add({K::Text, IDC_MASK_LOW_UNIT, nullptr, SS_LEFT, 482, 332, 44, 16});
    add({K::Text, IDC_STATIC, u"上限", SS_LEFT, 540, 332, 40, 16});
    add({K::Edit, IDC_MASK_HIGH, nullptr, ES_AUTOHSCROLL | WS_TABSTOP, 582, 328, 70, 22});
    add({K::Text, IDC_MASK_HIGH_UNIT, nullptr, SS_LEFT, 656, 332, 44, 16});
    add({K::Text, IDC_MASK_UNUSED_1, u"未使用", SS_LEFT, 366, 364, 60, 16});
    add({K::Text, IDC_MASK_UNUSED_2, u"未使用", SS_LEFT, 430, 364, 60, 16});
    add({K::PushButton, IDC_MASK_RANGE_RESET, u"マスク範囲リセット", WS_TABSTOP, 560, 420, 146, 26});
    for (int m = 0; m < 12; ++m) {
        const int x = 16 + (m % 6) * 55;
        const int y = 74 + (m / 6) * 22;
        add({K::RadioButton, IDC_MASK_MONTH_1 + m, nullptr,
            BS_AUTORADIOBUTTON | (m == 0 ? WS_GROUP | WS_TABSTOP : 0u), x, y, 16, 18});
        add({K::Text, IDC_MASK_MONTH_LABEL_1 + m, kMonthLabels[m], SS_LEFT, x + 17, y + 1, 36, 16});
        add({K::PushButton, kMaskMonthMarkIds[m], nullptr, CS_HIDDEN, x, y, 4, 4});
    }
    for (int w = 0; w < 7; ++w)
        add({K::Text, IDC_MASK_WEEKDAY_1 + w, kWeekdays[w], SS_CENTER, kCellX + w * kColumnStep, kCellY - 20,
            36, 16});
    // Day 1 at the first cell, day 9 one row down and one column right: the
    // dialog reads its steps from these two.
    for (int d = 0; d < 31; ++d) {
        const int x = kCellX + (d % 7) * kColumnStep;
        const int y = kCellY + (d / 7) * kRowStep;
        add({K::Text, IDC_MASK_DAY_LABEL_1 + d, kDayLabels[d], SS_RIGHT, x, y + 1, 16, 16});
        add({K::CheckBox, IDC_MASK_DAY_1 + d, nullptr, BS_AUTOCHECKBOX, x + 18, y, 18, 18});
    }
    for (int t = 0; t < 5; ++t)
        add({K::CheckBox, IDC_MASK_TYPE_1 + t, kTypes[t], BS_AUTOCHECKBOX | WS_TABSTOP, 16 + t * 66, 342, 64,
            20});
    if (n != kCount)
        throw "the control count is off";  // stops the constant evaluation
    return c;
}

constexpr std::array<DialogControl, kCount> kControls = Build();

}  // namespace

const DialogTemplate kDialog374MaskThumbnail{
    IDD_MASK_THUMBNAIL,
    u"マスク設定",
    WS_POPUP | WS_CAPTION | DS_MODALFRAME | WS_VISIBLE,
    0,
    722,
    476,
    kControls,
};
