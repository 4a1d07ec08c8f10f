// Template 365: one group per step, each a band across the dialog; the
// progress bar and the buttons at the bottom. Radio pairs stand next to each
// other in the table so that each pair forms its own group.
#include "res/dialog_365_stretch_image.h"

namespace {

constexpr DWORD kRadioFirst = BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP;
constexpr DWORD kRadio = BS_AUTORADIOBUTTON;
constexpr DWORD kCheck = BS_AUTOCHECKBOX | WS_TABSTOP;
constexpr DWORD kNumber = ES_RIGHT | ES_NUMBER | ES_AUTOHSCROLL | WS_TABSTOP;
constexpr DWORD kPush = BS_PUSHBUTTON | WS_TABSTOP;
constexpr int kW = 560;

const DialogControl kControls[] = {
    {ControlKind::Text, IDC_SHRINK_NOTICE, nullptr, SS_LEFT, 12, 8, kW - 24, 22},

    // Step 1: which sizes.
    {ControlKind::GroupBox, IDC_SHRINK_STEP1, u"STEP1 : 処理画像サイズの選択", 0, 12, 34, kW - 24, 128},
    {ControlKind::RadioButton, IDC_SHRINK_ALL_IMAGES, u"選択された全ての画像を変換する。 (Total %d ファイル)",
        kRadioFirst, 24, 54, kW - 48, 20},
    {ControlKind::RadioButton, IDC_SHRINK_CHOSEN_SIZES,
        u"変換する画像サイズを選択する。（上位6種類のみ選択可）", kRadio, 24, 76, kW - 48, 20},
    {ControlKind::CheckBox, IDC_SHRINK_SIZE_1, u"--:--", kCheck, 44, 100, 230, 18},
    {ControlKind::CheckBox, IDC_SHRINK_SIZE_1 + 1, u"--:--", kCheck, 44, 120, 230, 18},
    {ControlKind::CheckBox, IDC_SHRINK_SIZE_1 + 2, u"--:--", kCheck, 44, 140, 230, 18},
    {ControlKind::CheckBox, IDC_SHRINK_SIZE_1 + 3, u"--:--", kCheck, 290, 100, 230, 18},
    {ControlKind::CheckBox, IDC_SHRINK_SIZE_1 + 4, u"--:--", kCheck, 290, 120, 230, 18},
    {ControlKind::CheckBox, IDC_SHRINK_SIZE_1 + 5, u"--:--", kCheck, 290, 140, 230, 18},

    // Step 2: the target size.
    {ControlKind::GroupBox, IDC_SHRINK_STEP2, u"STEP2 : 変換サイズ", 0, 12, 170, kW - 24, 106},
    {ControlKind::RadioButton, IDC_SHRINK_BY_RATIO, u"縮小率(1～100%)で指定", kRadioFirst, 24, 190, 200, 20},
    {ControlKind::RadioButton, IDC_SHRINK_BY_SIZE, u"サイズで指定 (最小値10)", kRadio, 24, 244, 200, 20},
    {ControlKind::Edit, IDC_SHRINK_RATIO, nullptr, kNumber, 228, 189, 48, 22},
    {ControlKind::Spin, IDC_SHRINK_RATIO_SPIN_10, nullptr, 0, 278, 189, 18, 22},
    {ControlKind::Spin, IDC_SHRINK_RATIO_SPIN_1, nullptr, 0, 298, 189, 18, 22},
    {ControlKind::Text, IDC_STATIC, u"%", SS_LEFT, 320, 192, 16, 18},
    {ControlKind::Text, IDC_STATIC, u"元サイズ", SS_LEFT, 44, 216, 70, 18},
    {ControlKind::Text, IDC_SHRINK_SOURCE_SIZE, nullptr, SS_LEFT, 116, 216, 110, 18},
    {ControlKind::Text, IDC_STATIC, u"変換後サイズ", SS_LEFT, 236, 216, 90, 18},
    {ControlKind::Text, IDC_SHRINK_RESULT_SIZE, nullptr, SS_LEFT, 328, 216, 130, 18},
    {ControlKind::Edit, IDC_SHRINK_WIDTH, nullptr, kNumber, 228, 243, 60, 22},
    {ControlKind::Text, IDC_STATIC, u"×", SS_CENTER, 290, 246, 16, 18},
    {ControlKind::Edit, IDC_SHRINK_HEIGHT, nullptr, kNumber, 308, 243, 60, 22},
    {ControlKind::Text, IDC_STATIC, u"( 縦横比はリンクします )", SS_LEFT, 376, 246, 160, 18},

    // Step 3: format, quality and interpolation.
    {ControlKind::GroupBox, IDC_SHRINK_STEP3, u"STEP3 : 保存形式", 0, 12, 284, kW - 24, 100},
    {ControlKind::RadioButton, IDC_SHRINK_BMP, u"BMP", kRadioFirst, 24, 304, 70, 20},
    {ControlKind::RadioButton, IDC_SHRINK_JPEG, u"JPEG", kRadio, 100, 304, 70, 20},
    {ControlKind::RadioButton, IDC_SHRINK_PNG, u"PNG", kRadio, 176, 304, 70, 20},
    {ControlKind::Text, IDC_SHRINK_QUALITY_LABEL, u"JPEG品質", SS_LEFT, 44, 332, 70, 18},
    {ControlKind::Slider, IDC_SHRINK_QUALITY, nullptr, TBS_HORZ | TBS_AUTOTICKS | WS_TABSTOP, 116, 326, 300,
        30},
    {ControlKind::Text, IDC_SHRINK_QUALITY_VALUE, nullptr, SS_LEFT, 424, 332, 60, 18},
    {ControlKind::Text, IDC_STATIC, u"補間処理", SS_LEFT, 44, 360, 70, 18},
    {ControlKind::RadioButton, IDC_SHRINK_INTERPOLATE, u"する", kRadioFirst, 116, 358, 70, 20},
    {ControlKind::RadioButton, IDC_SHRINK_NO_INTERPOLATE, u"しない", kRadio, 190, 358, 70, 20},

    // Step 4: the output folder.
    {ControlKind::GroupBox, IDC_SHRINK_STEP4, u"STEP4 : 変換画像の保存先", 0, 12, 392, kW - 24, 100},
    {ControlKind::RadioButton, IDC_SHRINK_SAME_FOLDER, u"同じフォルダ", kRadioFirst, 24, 412, 140, 20},
    {ControlKind::RadioButton, IDC_SHRINK_CHOSEN_FOLDER, u"保存先を指定する。", kRadio, 170, 412, 180, 20},
    {ControlKind::PushButton, IDC_SHRINK_BROWSE, u"...", kPush, 24, 438, 36, 24},
    {ControlKind::Edit, IDC_SHRINK_FOLDER, nullptr, ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP, 66, 439, kW - 90,
        22},
    {ControlKind::CheckBox, IDC_SHRINK_MOVE, u"変換後、保存先に移動する。", kCheck, 24, 466, 260, 20},

    // Step 5: the output names.
    {ControlKind::GroupBox, IDC_SHRINK_STEP5, u"STEP5 : 変換画像のファイル名", 0, 12, 500, kW - 24, 150},
    {ControlKind::RadioButton, IDC_SHRINK_KEEP_NAME, u"上書き 又は 同じファイル名を使用", kRadioFirst, 24,
        520, 250, 20},
    {ControlKind::RadioButton, IDC_SHRINK_CHANGE_NAME, u"ファイル名を変更する", kRadio, 280, 520, 200, 20},
    {ControlKind::RadioButton, IDC_SHRINK_FIXED_TEXT, u"固定文字を付加", kRadioFirst, 44, 546, 130, 20},
    {ControlKind::RadioButton, IDC_SHRINK_SERIAL, u"連番を振る", kRadio, 180, 546, 110, 20},
    {ControlKind::RadioButton, IDC_SHRINK_FRONT, u"先頭", kRadioFirst, 300, 546, 70, 20},
    {ControlKind::RadioButton, IDC_SHRINK_BACK, u"後方", kRadio, 376, 546, 70, 20},
    {ControlKind::Edit, IDC_SHRINK_TEXT, nullptr, ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP, 44, 572, 240, 24},
    {ControlKind::CheckBox, IDC_SHRINK_ZERO_FILL, u"先頭を０で埋める", kCheck, 300, 574, 200, 20},
    {ControlKind::Text, IDC_SHRINK_EXAMPLE_LABEL, u"例 ⇒", SS_LEFT, 44, 602, 40, 20},
    {ControlKind::Text, IDC_SHRINK_EXAMPLE, nullptr, SS_LEFT, 86, 602, kW - 110, 20},
    {ControlKind::CheckBox, IDC_SHRINK_OVERWRITE, u"同名ファイル存在時は上書きする", kCheck, 24, 626, 300,
        20},

    {ControlKind::Progress, IDC_SHRINK_PROGRESS, nullptr, CS_HIDDEN, 12, 660, kW - 24, 18},
    {ControlKind::DefPushButton, IDOK, u"変換開始", kPush, kW - 264, 688, 120, 30},
    {ControlKind::PushButton, IDCANCEL, u"キャンセル", kPush, kW - 132, 688, 120, 30},
};

}  // namespace

const DialogTemplate kDialog365StretchImage{
    IDD_STRETCH_IMAGE,
    u"画像の縮小",
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER,
    0,
    kW,
    730,
    kControls,
};
