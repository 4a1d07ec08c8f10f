// Template 134: the control panel. Three groups from top to bottom: the
// selection methods with the wheel range's size and step, the capture
// buttons with the wait and the cursor option, the selection and colour
// readouts; the continuous-capture button's row (33 pixels) closes the
// column, so that the panel can drop it by growing shorter. Hidden at start:
// 1099, 1083 with its spin 1086, 1118 and 1120.
#include "res/dialog_134_control_panel.h"

namespace {

constexpr DWORD kImageButton = BS_PUSHBUTTON | BS_BITMAP;
constexpr DWORD kNumber = ES_RIGHT | ES_NUMBER | ES_AUTOHSCROLL | WS_TABSTOP;
constexpr DWORD kReadout = SS_CENTER | SS_SUNKEN;

const DialogControl kControls[] = {
    // Selection methods, the wheel range's size and step.
    {ControlKind::GroupBox, IDC_PANEL_METHOD_GROUP, u"クリップ方法", 0, 4, 2, 160, 134},
    {ControlKind::BitmapButton, IDC_CONTROL_RANGE_CLICK, u"クリック指定", kImageButton, 10, 18, 72, 36},
    {ControlKind::BitmapButton, IDC_CONTROL_WHEEL, u"マウスホイール", kImageButton, 86, 18, 72, 36},
    {ControlKind::Text, IDC_STATIC, u"横幅", SS_LEFT, 10, 62, 34, 16},
    {ControlKind::Edit, IDC_PANEL_WIDTH, nullptr, kNumber, 46, 60, 62, 20},
    {ControlKind::Spin, IDC_PANEL_WIDTH_SPIN, nullptr, 0, 108, 60, 16, 20},
    {ControlKind::Text, IDC_STATIC, u"高さ", SS_LEFT, 10, 86, 34, 16},
    {ControlKind::Edit, IDC_PANEL_HEIGHT, nullptr, kNumber, 46, 84, 62, 20},
    {ControlKind::Spin, IDC_PANEL_HEIGHT_SPIN, nullptr, 0, 108, 84, 16, 20},
    {ControlKind::BitmapButton, IDC_PANEL_SIZE_LINK, u"Button3", kImageButton, 132, 60, 24, 44},
    {ControlKind::Text, IDC_STATIC, u"増減量", SS_LEFT, 10, 113, 44, 16},
    {ControlKind::ComboBox, IDC_PANEL_STEP, nullptr, CBS_DROPDOWN | WS_TABSTOP, 58, 110, 98, 22},
    {ControlKind::Edit, IDC_PANEL_STEP_EDIT, nullptr, kNumber | CS_HIDDEN, 58, 110, 62, 20},
    {ControlKind::Spin, IDC_PANEL_STEP_SPIN, nullptr, CS_HIDDEN, 120, 110, 16, 20},
    {ControlKind::CheckBox, IDC_PANEL_FIX_RANGE, u"ｸﾘｯﾌﾟ範囲の固定", BS_CHECKBOX | CS_HIDDEN, 10, 134, 146,
        16},

    // Captures.
    {ControlKind::GroupBox, IDC_STATIC, u"キャプチャ メニュ－", 0, 4, 140, 160, 132},
    {ControlKind::BitmapButton, IDC_CONTROL_FULL_SCREEN, u"フルスクリーン", kImageButton, 10, 156, 110, 36},
    {ControlKind::BitmapButton, IDC_CONTROL_ACTIVE_WINDOW, u"アクティブウィンドウ", kImageButton | CS_HIDDEN,
        10, 156, 110, 36},
    {ControlKind::BitmapButton, IDC_PANEL_CHOOSER, u"▼", kImageButton, 122, 156, 36, 36},
    {ControlKind::BitmapButton, IDC_CONTROL_FIXED_MODE, u"履歴＆固定モード", kImageButton, 10, 196, 148, 28},
    {ControlKind::ComboBox, IDC_PANEL_WAIT, nullptr, CBS_DROPDOWN | WS_TABSTOP, 10, 230, 56, 22},
    {ControlKind::Edit, IDC_PANEL_WAIT_EDIT, nullptr, ES_RIGHT | ES_AUTOHSCROLL | CS_HIDDEN, 10, 230, 56, 20},
    {ControlKind::Text, IDC_STATIC, u"秒後にキャプチャ", SS_LEFT, 70, 233, 88, 16},
    {ControlKind::CheckBox, IDC_PANEL_CAPTURE_CURSOR, u"ﾏｳｽｶｰｿﾙもキャプチャー", BS_CHECKBOX | WS_TABSTOP, 10,
        252, 148, 16},

    // The selection's start, size and end, the colour under the mouse.
    {ControlKind::GroupBox, IDC_STATIC, u"選択範囲＆マウスポイント色", 0, 4, 276, 160, 110},
    {ControlKind::Text, IDC_PANEL_START, u"0123, 0123", kReadout, 10, 294, 148, 16},
    {ControlKind::Text, IDC_PANEL_SIZE, u"5555, 5555", kReadout, 10, 312, 148, 16},
    {ControlKind::Text, IDC_PANEL_END, u"9870, 9870", kReadout, 10, 330, 148, 16},
    {ControlKind::Edit, IDC_PANEL_COLOR_TEXT, nullptr, ES_CENTER | ES_READONLY, 10, 350, 148, 20},
    {ControlKind::Picture, IDC_PANEL_COLOR_SWATCH, nullptr, SS_SUNKEN, 10, 372, 148, 12},

    // The continuous-capture row.
    {ControlKind::BitmapButton, IDC_PANEL_CONTINUE_CAPTURE, u"連続キャプチャ", kImageButton, 8, 394, 152, 28},
};

}  // namespace

const DialogTemplate kDialog134ControlPanel{
    IDD_CONTROL_WINDOW,
    u"",
    WS_POPUP,
    WS_EX_TOOLWINDOW,
    168,
    423,
    kControls,
};
