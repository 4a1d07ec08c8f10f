// Template 342: the save page.
#include "res/dialog_342_option_save.h"

namespace {

constexpr DWORD kCheck = BS_AUTOCHECKBOX | WS_TABSTOP;
constexpr DWORD kRadioFirst = BS_RADIOBUTTON | WS_GROUP | WS_TABSTOP;
constexpr DWORD kRadio = BS_RADIOBUTTON;

const DialogControl kControls[] = {
    {ControlKind::GroupBox, IDC_STATIC, u"デフォルトのファイル保存形式", 0, 8, 4, 444, 50},
    {ControlKind::RadioButton, IDC_OPTSAVE_BMP, u"BMP", kRadioFirst, 20, 26, 70, 20},
    {ControlKind::RadioButton, IDC_OPTSAVE_JPEG, u"JPEG", kRadio, 96, 26, 70, 20},
    {ControlKind::RadioButton, IDC_OPTSAVE_TIFF, u"TIFF", kRadio, 172, 26, 70, 20},
    {ControlKind::RadioButton, IDC_OPTSAVE_GIF, u"GIF", kRadio, 248, 26, 70, 20},
    {ControlKind::RadioButton, IDC_OPTSAVE_PNG, u"PNG", kRadio, 324, 26, 70, 20},
    {ControlKind::GroupBox, IDC_STATIC, u"JPEG保存品質", 0, 8, 60, 444, 78},
    {ControlKind::Slider, IDC_OPTSAVE_QUALITY_SLIDER, nullptr, TBS_HORZ | TBS_AUTOTICKS | WS_TABSTOP, 20, 80,
        300, 28},
    {ControlKind::Edit, IDC_OPTSAVE_QUALITY_EDIT, nullptr, ES_RIGHT | WS_TABSTOP, 330, 82, 48, 22},
    {ControlKind::Text, IDC_STATIC, u"(1～100)", SS_LEFT, 384, 85, 64, 18},
    {ControlKind::CheckBox, IDC_OPTSAVE_SHOW_QUALITY, u"保存時に品質ダイアログを表示する。", kCheck, 20, 110,
        400, 20},
    {ControlKind::GroupBox, IDC_STATIC, u"縮小・拡大保存時のデータ補間", 0, 8, 144, 444, 50},
    {ControlKind::RadioButton, IDC_OPTSAVE_INTERPOLATE, u"補間する", kRadioFirst, 20, 166, 130, 20},
    {ControlKind::RadioButton, IDC_OPTSAVE_NO_INTERPOLATE, u"補間しない", kRadio, 160, 166, 130, 20},
    {ControlKind::GroupBox, IDC_STATIC, u"保存ファイル名の自動作成", 0, 8, 200, 444, 172},
    {ControlKind::CheckBox, IDC_OPTSAVE_AUTO_NAME, u"自動作成する", kCheck, 20, 220, 150, 20},
    {ControlKind::CheckBox, IDC_OPTSAVE_ONLY_CAPTURE, u"キャプチャ又は貼付け画像が対象", kCheck, 180, 220,
        260, 20},
    {ControlKind::GroupBox, IDC_STATIC, u"ファイル前半文字", 0, 20, 246, 142, 52},
    {ControlKind::Edit, IDC_OPTSAVE_FRONT_TEXT, nullptr, ES_AUTOHSCROLL | WS_TABSTOP, 30, 268, 122, 22},
    {ControlKind::CheckBox, IDC_OPTSAVE_OVERWRITE_SAME, u"同名ファイルは上書きする", kCheck, 20, 304, 142,
        20},
    {ControlKind::GroupBox, IDC_STATIC, u"ファイル後半文字", 0, 170, 246, 156, 90},
    {ControlKind::RadioButton, IDC_OPTSAVE_SERIAL, u"連番を振る", kRadioFirst, 180, 266, 140, 20},
    {ControlKind::RadioButton, IDC_OPTSAVE_DATE, u"日付(年月日時分秒)", kRadio, 180, 288, 140, 20},
    {ControlKind::RadioButton, IDC_OPTSAVE_LETTER, u"英文字(小文字a-z)", kRadio, 180, 310, 140, 20},
    {ControlKind::GroupBox, IDC_STATIC, u"桁数", 0, 334, 246, 106, 90},
    {ControlKind::RadioButton, IDC_OPTSAVE_DIGITS_3, u"3桁", kRadioFirst, 346, 266, 80, 20},
    {ControlKind::RadioButton, IDC_OPTSAVE_DIGITS_4, u"4桁", kRadio, 346, 288, 80, 20},
    {ControlKind::RadioButton, IDC_OPTSAVE_DIGITS_5, u"5桁", kRadio, 346, 310, 80, 20},
    {ControlKind::Text, IDC_STATIC, u"[例] ", SS_LEFT, 20, 344, 40, 20},
    {ControlKind::Text, IDC_OPTSAVE_EXAMPLE, u"", SS_LEFT, 62, 344, 380, 20},
};

}  // namespace

const DialogTemplate kDialog342OptionSave{
    IDD_OPTION_SAVE,
    nullptr,
    WS_CHILD,
    0,
    460,
    380,
    kControls,
};
