// Template 271: the scroll-capture page: when and how scroll capture runs,
// its wait, its page-boundary tolerance and the browsers it knows.
#include "res/dialog_271_option_scroll_capture.h"

namespace {

constexpr DWORD kRadioFirst = BS_RADIOBUTTON | WS_GROUP | WS_TABSTOP;
constexpr DWORD kRadio = BS_RADIOBUTTON;
constexpr DWORD kSlider = TBS_HORZ | TBS_AUTOTICKS | WS_TABSTOP;

const DialogControl kControls[] = {
    {ControlKind::GroupBox, IDC_STATIC, u"スクロールキャプチャを", 0, 8, 4, 444, 48},
    {ControlKind::RadioButton, IDC_OPTSCROLL_ALWAYS, u"常に行う", kRadioFirst, 20, 24, 110, 20},
    {ControlKind::RadioButton, IDC_OPTSCROLL_ASK, u"ダイアログから選択する", kRadio, 136, 24, 180, 20},
    {ControlKind::RadioButton, IDC_OPTSCROLL_NEVER, u"行わない", kRadio, 322, 24, 110, 20},
    {ControlKind::GroupBox, IDC_STATIC, u"キャプチャ後の動作", 0, 8, 58, 444, 132},
    {ControlKind::RadioButton, IDC_OPTSCROLL_SHOW_WHOLE, u"全体を表示する。 ( 通常の動作 )", kRadioFirst, 20,
        78, 420, 20},
    {ControlKind::RadioButton, IDC_OPTSCROLL_SHOW_AREA, u"スクロールエリアのみ表示する。", kRadio, 20, 100,
        420, 20},
    {ControlKind::RadioButton, IDC_OPTSCROLL_CLIP_WHOLE, u"全体を切り取ってClipWindowを表示する。", kRadio,
        20, 122, 420, 20},
    {ControlKind::RadioButton, IDC_OPTSCROLL_CLIP_AREA, u"スクロールエリアを切り取ってClipWindowを表示する。",
        kRadio, 20, 144, 420, 20},
    {ControlKind::RadioButton, IDC_OPTSCROLL_FIXED_AREA, u"スクロールエリアを固定モードで選択状態にする。",
        kRadio, 20, 166, 420, 20},
    {ControlKind::GroupBox, IDC_STATIC, u"スクロール速度 ( パソコンの描画速度に応じて調整します )", 0, 8, 196,
        300, 76},
    {ControlKind::Edit, IDC_OPTSCROLL_WAIT, nullptr, ES_RIGHT | WS_TABSTOP, 20, 218, 60, 22},
    {ControlKind::Text, IDC_STATIC, u"( 5 ～ 500 ) ms", SS_LEFT, 86, 221, 140, 18},
    {ControlKind::Text, IDC_STATIC, u"※ スムーススクロール機能ＯＮ時は、値100以上が適切です。", SS_LEFT, 16,
        246, 288, 18},
    {ControlKind::GroupBox, IDC_STATIC, u"対応ブラウザ", 0, 316, 196, 136, 120},
    {ControlKind::Text, IDC_STATIC, u"1. IE", SS_LEFT, 328, 216, 110, 18},
    {ControlKind::Text, IDC_STATIC, u"2. Chrome", SS_LEFT, 328, 234, 110, 18},
    {ControlKind::Text, IDC_STATIC, u"3. Firefox", SS_LEFT, 328, 252, 110, 18},
    {ControlKind::Text, IDC_STATIC, u"4. Opera", SS_LEFT, 328, 270, 110, 18},
    {ControlKind::Text, IDC_STATIC, u"5. Safari", SS_LEFT, 328, 288, 110, 18},
    {ControlKind::GroupBox, IDC_STATIC, u"ページ境界判定", 0, 8, 276, 300, 46},
    {ControlKind::Text, IDC_STATIC, u"厳格", SS_RIGHT, 12, 296, 40, 18},
    {ControlKind::Slider, IDC_OPTSCROLL_AMBIGUOUS, nullptr, kSlider, 54, 290, 200, 28},
    {ControlKind::Text, IDC_STATIC, u"寛容", SS_LEFT, 258, 296, 44, 18},
    {ControlKind::GroupBox, IDC_STATIC, u"「ページ境界の認識に失敗」 した時に値を増やします", 0, 8, 326, 444,
        48},
    {ControlKind::Text, IDC_STATIC, u"標準(デフォルト)", SS_RIGHT, 12, 348, 112, 18},
    {ControlKind::Slider, IDC_OPTSCROLL_MATCH_LINES, nullptr, kSlider, 128, 342, 220, 28},
    {ControlKind::Text, IDC_STATIC, u"値を増やす", SS_LEFT, 352, 348, 96, 18},
};

}  // namespace

const DialogTemplate kDialog271OptionScrollCapture{
    IDD_OPTION_SCROLL_CAPTURE,
    nullptr,
    WS_CHILD,
    0,
    460,
    380,
    kControls,
};
