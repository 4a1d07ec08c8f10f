// Template 385: the left column holds steps 1 to 4, the right column steps
// 5 to 8 with the run's counter and progress below them. Step 1's group
// holds either the window list with its refresh button or the four range
// edits around the preview with their two buttons; the dialog shows one set.
// The preview lies 5 pixels inside the four edits.
#include "res/dialog_385_continuous_capture.h"

namespace {

constexpr DWORD kRadioFirst = BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP;
constexpr DWORD kRadio = BS_AUTORADIOBUTTON;
constexpr DWORD kCheck = BS_AUTOCHECKBOX | WS_TABSTOP;
constexpr DWORD kNumber = ES_RIGHT | ES_AUTOHSCROLL | WS_TABSTOP;
constexpr DWORD kPush = BS_PUSHBUTTON | WS_TABSTOP;
constexpr DWORD kRangeEdit = ES_RIGHT | ES_NUMBER | ES_AUTOHSCROLL | WS_TABSTOP | CS_HIDDEN;
constexpr DWORD kHidden = CS_HIDDEN;

// Step 1's range set: the edits around the preview.
constexpr int kEditW = 56, kEditH = 22;
constexpr int kSideEditY = 148;
constexpr int kLeftEditX = 22, kRightEditX = 316, kMiddleEditX = 169;
constexpr int kTopEditY = 74, kBottomEditY = 226;

const DialogControl kControls[] = {
    // Step 1: the target.
    {ControlKind::Text, IDC_CC_STEP1, u"STEP1 : キャプチャ対象", SS_LEFT, 12, 8, 370, 18},
    {ControlKind::RadioButton, IDC_CC_TARGET_WINDOW, u"ウィンドウを選択する", kRadioFirst, 24, 30, 170, 20},
    {ControlKind::RadioButton, IDC_CC_TARGET_RANGE, u"キャプチャ範囲を指定する", kRadio, 198, 30, 184, 20},
    {ControlKind::GroupBox, IDC_CC_TARGET_GROUP, u"キャプチャウィンドウの選択", 0, 12, 54, 370, 250},
    {ControlKind::ListView, IDC_CC_WINDOW_LIST, nullptr, LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP, 22,
        74, 350, 192},
    {ControlKind::PushButton, IDC_CC_REFRESH_LIST, u"ウィンドウ一覧を更新する", kPush, 22, 272, 350, 24},
    {ControlKind::Text, IDC_CC_RANGE_TOP_LABEL, u"上", SS_RIGHT | kHidden, kMiddleEditX - 30, kTopEditY + 3,
        26, 16},
    {ControlKind::Edit, IDC_CC_RANGE_TOP, nullptr, kRangeEdit, kMiddleEditX, kTopEditY, kEditW, kEditH},
    {ControlKind::Text, IDC_CC_RANGE_LEFT_LABEL, u"左", SS_CENTER | kHidden, kLeftEditX, kSideEditY - 20,
        kEditW, 16},
    {ControlKind::Edit, IDC_CC_RANGE_LEFT, nullptr, kRangeEdit, kLeftEditX, kSideEditY, kEditW, kEditH},
    {ControlKind::Text, IDC_CC_RANGE_RIGHT_LABEL, u"右", SS_CENTER | kHidden, kRightEditX, kSideEditY - 20,
        kEditW, 16},
    {ControlKind::Edit, IDC_CC_RANGE_RIGHT, nullptr, kRangeEdit, kRightEditX, kSideEditY, kEditW, kEditH},
    {ControlKind::Text, IDC_CC_RANGE_BOTTOM_LABEL, u"下", SS_RIGHT | kHidden, kMiddleEditX - 30,
        kBottomEditY + 3, 26, 16},
    {ControlKind::Edit, IDC_CC_RANGE_BOTTOM, nullptr, kRangeEdit, kMiddleEditX, kBottomEditY, kEditW, kEditH},
    {ControlKind::Picture, IDC_CC_PREVIEW, nullptr, kHidden, kLeftEditX + kEditW + 5, kTopEditY + kEditH + 5,
        kRightEditX - 5 - (kLeftEditX + kEditW + 5), kBottomEditY - 5 - (kTopEditY + kEditH + 5)},
    {ControlKind::PushButton, IDC_CC_LAST_CLIP_RANGE, u"直前に切り取った座標をセット", kPush | kHidden, 22,
        268, 172, 26},
    {ControlKind::PushButton, IDC_CC_FULL_SCREEN, u"フルスクリーン値を入力", kPush | kHidden, 200, 268, 172,
        26},
    {ControlKind::CheckBox, IDC_CC_CURSOR, u"マウスカーソルもキャプチャする", kCheck, 24, 312, 300, 20},

    // Step 2: the first wait.
    {ControlKind::Text, IDC_CC_STEP2, u"STEP2 : キャプチャ開始までの待ち時間", SS_LEFT, 12, 340, 370, 18},
    {ControlKind::ComboBox, IDC_CC_FIRST_WAIT, nullptr, CBS_DROPDOWN | WS_TABSTOP, 24, 362, 70, 22},
    {ControlKind::Text, IDC_CC_FIRST_WAIT_UNIT, u"秒後に開始", SS_LEFT, 100, 365, 200, 18},

    // Step 3: the count.
    {ControlKind::Text, IDC_CC_STEP3, u"STEP3 : キャプチャ枚数", SS_LEFT, 12, 394, 370, 18},
    {ControlKind::Edit, IDC_CC_COUNT, nullptr, kNumber | ES_NUMBER, 24, 416, 70, 22},
    {ControlKind::Spin, IDC_CC_COUNT_SPIN, nullptr, 0, 94, 416, 16, 22},
    {ControlKind::Text, IDC_CC_COUNT_RANGE, nullptr, SS_LEFT, 118, 419, 200, 18},

    // Step 4: the interval; the first spin steps whole seconds, the second tenths.
    {ControlKind::Text, IDC_CC_STEP4, u"STEP4 : キャプチャ間隔", SS_LEFT, 12, 448, 370, 18},
    {ControlKind::Edit, IDC_CC_INTERVAL, nullptr, kNumber, 24, 470, 70, 22},
    {ControlKind::Spin, IDC_CC_INTERVAL_SPIN_COARSE, nullptr, 0, 94, 470, 16, 22},
    {ControlKind::Spin, IDC_CC_INTERVAL_SPIN_FINE, nullptr, 0, 112, 470, 16, 22},
    {ControlKind::Text, IDC_CC_INTERVAL_RANGE, nullptr, SS_LEFT, 136, 473, 200, 18},
    {ControlKind::CheckBox, IDC_CC_FORCE, u"指定キャプチャ間隔で、処理が間に合わなくてもキャプチャを続ける。",
        kCheck | BS_MULTILINE, 24, 498, 358, 38},

    // Step 5: the format.
    {ControlKind::Text, IDC_CC_STEP5, u"STEP5 : 保存形式", SS_LEFT, 396, 8, 372, 18},
    {ControlKind::RadioButton, IDC_CC_FORMAT_BMP, u"BMP", kRadioFirst, 408, 30, 70, 20},
    {ControlKind::RadioButton, IDC_CC_FORMAT_JPEG, u"JPEG", kRadio, 482, 30, 70, 20},
    {ControlKind::RadioButton, IDC_CC_FORMAT_PNG, u"PNG", kRadio, 556, 30, 70, 20},
    {ControlKind::Text, IDC_CC_QUALITY_CAPTION, u"JPEG画質", SS_LEFT, 408, 60, 68, 18},
    {ControlKind::Slider, IDC_CC_QUALITY, nullptr, TBS_HORZ | TBS_AUTOTICKS | WS_TABSTOP, 478, 54, 222, 28},
    {ControlKind::Text, IDC_CC_QUALITY_TEXT, nullptr, SS_LEFT, 706, 60, 58, 18},

    // Step 6: the folder.
    {ControlKind::Text, IDC_CC_STEP6, u"STEP6 : 保存フォルダ", SS_LEFT, 396, 92, 372, 18},
    {ControlKind::Edit, IDC_CC_FOLDER, nullptr, ES_AUTOHSCROLL | WS_TABSTOP, 408, 114, 316, 22},
    {ControlKind::PushButton, IDC_CC_BROWSE, u"...", kPush, 728, 114, 36, 22},
    {ControlKind::CheckBox, IDC_CC_GOTO_MULTI, u"キャプチャ後、閲覧モードに移行する。", kCheck, 408, 142, 356,
        20},

    // Step 7: the file name.
    {ControlKind::Text, IDC_CC_STEP7, nullptr, SS_LEFT, 396, 172, 372, 18},
    {ControlKind::Edit, IDC_CC_FILE_NAME, nullptr, ES_AUTOHSCROLL | WS_TABSTOP, 408, 194, 356, 22},
    {ControlKind::Text, IDC_CC_NUMBER_CAPTION, u"連番の位置", SS_LEFT, 408, 226, 90, 18},
    {ControlKind::RadioButton, IDC_CC_NUMBER_FIRST, u"先頭", kRadioFirst, 500, 224, 70, 20},
    {ControlKind::RadioButton, IDC_CC_NUMBER_LAST, u"後方", kRadio, 574, 224, 70, 20},
    {ControlKind::Text, IDC_CC_SAMPLE_CAPTION, u"ファイル名の例", SS_LEFT, 408, 252, 90, 18},
    {ControlKind::Text, IDC_CC_SAMPLE, nullptr, SS_LEFT | SS_SUNKEN, 500, 250, 264, 20},
    {ControlKind::Text, IDC_CC_OVERWRITE_CAPTION, u"同名ファイル", SS_LEFT, 408, 280, 90, 18},
    {ControlKind::RadioButton, IDC_CC_OVERWRITE, u"上書きする", kRadioFirst, 500, 278, 100, 20},
    {ControlKind::RadioButton, IDC_CC_SKIP_EXISTING, u"保存しない", kRadio, 604, 278, 100, 20},

    // Step 8: the window while running.
    {ControlKind::Text, IDC_CC_STEP8, u"STEP8 : 実行中のウィンドウ", SS_LEFT, 396, 308, 372, 18},
    {ControlKind::RadioButton, IDC_CC_HIDE_IN_TASKBAR, u"タスクバーに隠す", kRadioFirst, 408, 330, 160, 20},
    {ControlKind::RadioButton, IDC_CC_SHOW_COMPACT, u"縮小ウィンドウを表示", kRadio, 572, 330, 192, 20},
    {ControlKind::RadioButton, IDC_CC_COMPACT_TOP_LEFT, u"左上", kRadioFirst, 590, 354, 70, 20},
    {ControlKind::RadioButton, IDC_CC_COMPACT_TOP_RIGHT, u"右上", kRadio, 664, 354, 70, 20},

    // The run: the counter and the progress, hidden until a run starts.
    {ControlKind::Text, IDC_CC_COUNTER_CAPTION, u"キャプチャ枚数", SS_LEFT | kHidden, 408, 394, 110, 18},
    {ControlKind::Edit, IDC_CC_COUNTER, nullptr, ES_MULTILINE | ES_READONLY | ES_CENTER | kHidden, 520, 388,
        160, 28},
    {ControlKind::Text, IDC_CC_PROGRESS_CAPTION, u"キャプチャまで残り", SS_LEFT | kHidden, 408, 428, 110, 18},
    {ControlKind::Edit, IDC_CC_PROGRESS_EDIT, nullptr, ES_READONLY | ES_RIGHT | kHidden, 684, 426, 80, 22},
    {ControlKind::Progress, IDC_CC_PROGRESS, nullptr, PBS_SMOOTH | kHidden, 520, 428, 244, 18},

    {ControlKind::BitmapButton, IDOK, u"連続キャプチャ開始", BS_PUSHBUTTON | BS_BITMAP | WS_TABSTOP, 408, 464,
        220, 64},
    {ControlKind::PushButton, IDCANCEL, u"キャンセル", kPush, 644, 502, 120, 26},
};

}  // namespace

const DialogTemplate kDialog385ContinueCapture{
    IDD_CONTINUE_CAPTURE,
    u"KestrelPro 連続キャプチャ",
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
    0,
    780,
    544,
    kControls,
};
