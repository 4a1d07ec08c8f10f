// Template 155: the general page: the zoom settings above, the clip windows' below.
#include "res/dialog_155_option_basic.h"

namespace {

constexpr DWORD kCheck = BS_AUTOCHECKBOX | WS_TABSTOP;
constexpr DWORD kSlider = TBS_HORZ | TBS_AUTOTICKS | WS_TABSTOP;

const DialogControl kControls[] = {
    {ControlKind::GroupBox, IDC_STATIC, u"ズーム関連", 0, 8, 4, 444, 212},
    {ControlKind::CheckBox, IDC_OPTBASIC_SHOW_ZOOM, u"ズームウィンドウを表示する。", kCheck, 20, 24, 400, 20},
    {ControlKind::CheckBox, IDC_OPTBASIC_CENTER_ZOOM, u"マウスカーソルを画面中心にしてズーム。", kCheck, 20,
        46, 400, 20},
    {ControlKind::CheckBox, IDC_OPTBASIC_EVEN_SCALE, u"倍率1.0倍表示する。", kCheck, 20, 68, 400, 20},
    {ControlKind::GroupBox, IDC_STATIC, u"ズーム毎の変化量 (1マウスホイール毎の変化量)", 0, 20, 92, 420, 52},
    {ControlKind::Text, IDC_STATIC, u"少ない", SS_RIGHT, 28, 116, 48, 18},
    {ControlKind::Slider, IDC_OPTBASIC_ZOOM_STEP, nullptr, kSlider, 80, 110, 280, 28},
    {ControlKind::Text, IDC_STATIC, u"多い", SS_LEFT, 366, 116, 48, 18},
    {ControlKind::GroupBox, IDC_STATIC, u"最大ズームサイズ", 0, 20, 150, 206, 58},
    {ControlKind::Text, IDC_STATIC, u"最小", SS_RIGHT, 24, 174, 32, 18},
    {ControlKind::Slider, IDC_OPTBASIC_MAX_ZOOM, nullptr, kSlider, 58, 168, 130, 28},
    {ControlKind::Text, IDC_STATIC, u"最大", SS_LEFT, 190, 174, 32, 18},
    {ControlKind::GroupBox, IDC_STATIC, u"一発ズームのズーム量", 0, 234, 150, 206, 58},
    {ControlKind::Text, IDC_STATIC, u"最小", SS_RIGHT, 238, 174, 32, 18},
    {ControlKind::Slider, IDC_OPTBASIC_HIT_ZOOM, nullptr, kSlider, 272, 168, 130, 28},
    {ControlKind::Text, IDC_STATIC, u"最大", SS_LEFT, 404, 174, 32, 18},
    {ControlKind::GroupBox, IDC_STATIC, u"ClipWindow関連", 0, 8, 224, 444, 140},
    {ControlKind::CheckBox, IDC_OPTBASIC_CLIP_WINDOW_POS, u"ClipWindowの位置を記憶する。", kCheck, 20, 244,
        400, 20},
    {ControlKind::CheckBox, IDC_OPTBASIC_CONTINUE_CAPTURE, u"連続キャプチャ機能を使用する。", kCheck, 20, 266,
        400, 20},
    {ControlKind::GroupBox, IDC_STATIC, u"ClipWindowを自動で閉じるタイミング", 0, 20, 294, 420, 56},
    {ControlKind::CheckBox, IDC_OPTBASIC_CLOSE_ON_SAVE, u"ファイル保存後", kCheck, 32, 318, 160, 20},
    {ControlKind::CheckBox, IDC_OPTBASIC_CLOSE_ON_CLIP, u"クリップボードに貼り付け後", kCheck, 200, 318, 230,
        20},
};

}  // namespace

const DialogTemplate kDialog155OptionBasic{
    IDD_OPTION_BASIC,
    nullptr,
    WS_CHILD,
    0,
    460,
    380,
    kControls,
};
