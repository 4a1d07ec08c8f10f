// Template 156: the display-colour page. The check boxes of the pixel grid and
// of the coordinate labels sit in their groups' captions (the captions start
// with blanks to leave them room).
#include "res/dialog_156_option_color.h"

namespace {

constexpr DWORD kCheck = BS_AUTOCHECKBOX | WS_TABSTOP;
constexpr DWORD kRadioFirst = BS_RADIOBUTTON | WS_GROUP | WS_TABSTOP;
constexpr DWORD kRadio = BS_RADIOBUTTON;
constexpr DWORD kPush = BS_PUSHBUTTON | WS_TABSTOP;
constexpr DWORD kSwatch = SS_BLACKFRAME;

const DialogControl kControls[] = {
    {ControlKind::GroupBox, IDC_STATIC, u"       ピクセルグリッド", 0, 8, 4, 444, 86},
    {ControlKind::CheckBox, IDC_OPTCOLOR_SHOW_GRID, u"", kCheck, 18, 2, 20, 18},
    {ControlKind::PushButton, IDC_OPTCOLOR_GRID_COLOR, u"色の選択", kPush, 20, 40, 76, 24},
    {ControlKind::Picture, IDC_OPTCOLOR_GRID_SWATCH, nullptr, kSwatch, 100, 42, 28, 20},
    {ControlKind::GroupBox, IDC_STATIC, u"グリッドタイプ", 0, 138, 22, 132, 58},
    {ControlKind::RadioButton, IDC_OPTCOLOR_GRID_LINE, u"直線", kRadioFirst, 148, 46, 56, 20},
    {ControlKind::RadioButton, IDC_OPTCOLOR_GRID_DOT, u"ドット", kRadio, 206, 46, 60, 20},
    {ControlKind::GroupBox, IDC_STATIC, u"表示タイミング", 0, 278, 22, 166, 58},
    {ControlKind::Text, IDC_STATIC, u"早", SS_CENTER, 284, 48, 18, 18},
    {ControlKind::Slider, IDC_OPTCOLOR_GRID_LEVEL, nullptr, TBS_HORZ | TBS_AUTOTICKS | WS_TABSTOP, 304, 42,
        116, 28},
    {ControlKind::Text, IDC_STATIC, u"遅", SS_CENTER, 422, 48, 18, 18},
    {ControlKind::CheckBox, IDC_OPTCOLOR_SHOW_MARKER, u"", kCheck, 18, 102, 20, 20},
    {ControlKind::Text, IDC_STATIC, u"センターマーカーの色", SS_LEFT, 40, 104, 160, 18},
    {ControlKind::PushButton, IDC_OPTCOLOR_MARKER_COLOR, u"色の選択", kPush, 204, 100, 76, 24},
    {ControlKind::Picture, IDC_OPTCOLOR_MARKER_SWATCH, nullptr, kSwatch, 284, 102, 28, 20},
    {ControlKind::GroupBox, IDC_STATIC, u"       座標の文字･背景色 ( x, y )", 0, 8, 134, 444, 86},
    {ControlKind::CheckBox, IDC_OPTCOLOR_SHOW_CORR, u"", kCheck, 18, 132, 20, 18},
    {ControlKind::GroupBox, IDC_STATIC, u"右上・左下 座標 ", 0, 20, 154, 206, 58},
    {ControlKind::PushButton, IDC_OPTCOLOR_XY_TEXT, u"文字色", kPush, 28, 178, 62, 24},
    {ControlKind::Picture, IDC_OPTCOLOR_XY_TEXT_SWATCH, nullptr, kSwatch, 92, 180, 24, 20},
    {ControlKind::PushButton, IDC_OPTCOLOR_XY_BACK, u"背景色", kPush, 126, 178, 62, 24},
    {ControlKind::Picture, IDC_OPTCOLOR_XY_BACK_SWATCH, nullptr, kSwatch, 190, 180, 24, 20},
    {ControlKind::GroupBox, IDC_STATIC, u"幅･高さサイズ", 0, 234, 154, 206, 58},
    {ControlKind::PushButton, IDC_OPTCOLOR_SIZE_TEXT, u"文字色", kPush, 242, 178, 62, 24},
    {ControlKind::Picture, IDC_OPTCOLOR_SIZE_TEXT_SWATCH, nullptr, kSwatch, 306, 180, 24, 20},
    {ControlKind::PushButton, IDC_OPTCOLOR_SIZE_BACK, u"背景色", kPush, 340, 178, 62, 24},
    {ControlKind::Picture, IDC_OPTCOLOR_SIZE_BACK_SWATCH, nullptr, kSwatch, 404, 180, 24, 20},
    {ControlKind::GroupBox, IDC_STATIC, u"クリップ枠の色 ＆ 表示方法", 0, 8, 228, 444, 120},
    {ControlKind::PushButton, IDC_OPTCOLOR_RANGE_COLOR, u"色の選択", kPush, 20, 250, 76, 24},
    {ControlKind::Picture, IDC_OPTCOLOR_RANGE_SWATCH, nullptr, kSwatch, 100, 252, 28, 20},
    {ControlKind::Text, IDC_STATIC, u"2点クリック", SS_LEFT, 20, 288, 100, 18},
    {ControlKind::RadioButton, IDC_OPTCOLOR_CLICK_FRAME, u"枠で囲む", kRadioFirst, 124, 286, 96, 20},
    {ControlKind::RadioButton, IDC_OPTCOLOR_CLICK_DARKEN, u"周辺を暗く", kRadio, 222, 286, 108, 20},
    {ControlKind::RadioButton, IDC_OPTCOLOR_CLICK_BRIGHTEN, u"周辺を明るく", kRadio, 332, 286, 112, 20},
    {ControlKind::Text, IDC_STATIC, u"マウスホイール", SS_LEFT, 20, 316, 100, 18},
    {ControlKind::RadioButton, IDC_OPTCOLOR_WHEEL_FRAME, u"枠で囲む", kRadioFirst, 124, 314, 96, 20},
    {ControlKind::RadioButton, IDC_OPTCOLOR_WHEEL_DARKEN, u"周辺を暗く", kRadio, 222, 314, 108, 20},
    {ControlKind::RadioButton, IDC_OPTCOLOR_WHEEL_BRIGHTEN, u"周辺を明るく", kRadio, 332, 314, 112, 20},
};

}  // namespace

const DialogTemplate kDialog156OptionColor{
    IDD_OPTION_COLOR,
    nullptr,
    WS_CHILD,
    0,
    460,
    380,
    kControls,
};
