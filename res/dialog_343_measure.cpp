// Template 343: the measure panel, in the control panel's column. From top to
// bottom: the scale (so many pixels count as so many units), the line width,
// one row per line (its button, colour and length), the mouse's image
// coordinates and the close button.
#include "res/dialog_343_measure.h"

namespace {

constexpr DWORD kNumber = ES_RIGHT | ES_NUMBER | ES_AUTOHSCROLL | WS_TABSTOP;
constexpr DWORD kLineButton = BS_AUTOCHECKBOX | BS_PUSHLIKE | WS_TABSTOP;
constexpr DWORD kLength = SS_RIGHT | SS_SUNKEN;
constexpr DWORD kRadio = BS_AUTORADIOBUTTON | WS_TABSTOP;

constexpr int kRowTop = 182;
constexpr int kRowStep = 24;

constexpr int Row(int i)
{
    return kRowTop + i * kRowStep;
}

const DialogControl kControls[] = {
    // The scale.
    {ControlKind::GroupBox, IDC_STATIC, u"距離設定", 0, 4, 2, 160, 78},
    {ControlKind::Edit, IDC_MEASURE_PIXEL_RANGE, nullptr, kNumber, 10, 20, 62, 20},
    {ControlKind::Spin, IDC_MEASURE_PIXEL_SPIN, nullptr, 0, 72, 20, 16, 20},
    {ControlKind::Text, IDC_STATIC, u"ピクセルを", SS_LEFT, 94, 22, 64, 16},
    {ControlKind::Edit, IDC_MEASURE_UNIT_RANGE, nullptr, kNumber, 10, 48, 62, 20},
    {ControlKind::Spin, IDC_MEASURE_UNIT_SPIN, nullptr, 0, 72, 48, 16, 20},
    {ControlKind::Spin, IDC_MEASURE_UNIT_ONE_SPIN, nullptr, 0, 88, 48, 16, 20},
    {ControlKind::Text, IDC_STATIC, u"として計算", SS_LEFT, 108, 50, 52, 16},

    // The line width.
    {ControlKind::GroupBox, IDC_STATIC, u"線の太さ", 0, 4, 84, 160, 44},
    {ControlKind::RadioButton, IDC_MEASURE_WIDTH_THIN, u"細", kRadio | WS_GROUP, 12, 102, 40, 18},
    {ControlKind::RadioButton, IDC_MEASURE_WIDTH_MEDIUM, u"中間", kRadio, 56, 102, 52, 18},
    {ControlKind::RadioButton, IDC_MEASURE_WIDTH_THICK, u"太", kRadio, 112, 102, 40, 18},

    // The lines.
    {ControlKind::GroupBox, IDC_STATIC, u"距離", 0, 4, 132, 160, 248},
    {ControlKind::Text, IDC_STATIC, u"線", SS_CENTER, 10, 150, 28, 16},
    {ControlKind::Text, IDC_STATIC, u"色", SS_CENTER, 42, 150, 20, 16},
    {ControlKind::Text, IDC_STATIC, u"長さ", SS_RIGHT, 70, 150, 84, 16},
    {ControlKind::CheckBox, IDC_MEASURE_LINE_1 + 0, u"1", kLineButton, 10, Row(0), 28, 20},
    {ControlKind::Picture, IDC_MEASURE_SWATCH_1 + 0, nullptr, SS_SUNKEN, 44, Row(0) + 2, 16, 16},
    {ControlKind::Text, IDC_MEASURE_LENGTH_1 + 0, u"1000.00", kLength, 70, Row(0) + 2, 84, 18},
    {ControlKind::CheckBox, IDC_MEASURE_LINE_1 + 1, u"2", kLineButton, 10, Row(1), 28, 20},
    {ControlKind::Picture, IDC_MEASURE_SWATCH_1 + 1, nullptr, SS_SUNKEN, 44, Row(1) + 2, 16, 16},
    {ControlKind::Text, IDC_MEASURE_LENGTH_1 + 1, u"1000.00", kLength, 70, Row(1) + 2, 84, 18},
    {ControlKind::CheckBox, IDC_MEASURE_LINE_1 + 2, u"3", kLineButton, 10, Row(2), 28, 20},
    {ControlKind::Picture, IDC_MEASURE_SWATCH_1 + 2, nullptr, SS_SUNKEN, 44, Row(2) + 2, 16, 16},
    {ControlKind::Text, IDC_MEASURE_LENGTH_1 + 2, u"1000.00", kLength, 70, Row(2) + 2, 84, 18},
    {ControlKind::CheckBox, IDC_MEASURE_LINE_1 + 3, u"4", kLineButton, 10, Row(3), 28, 20},
    {ControlKind::Picture, IDC_MEASURE_SWATCH_1 + 3, nullptr, SS_SUNKEN, 44, Row(3) + 2, 16, 16},
    {ControlKind::Text, IDC_MEASURE_LENGTH_1 + 3, u"1000.00", kLength, 70, Row(3) + 2, 84, 18},
    {ControlKind::CheckBox, IDC_MEASURE_LINE_1 + 4, u"5", kLineButton, 10, Row(4), 28, 20},
    {ControlKind::Picture, IDC_MEASURE_SWATCH_1 + 4, nullptr, SS_SUNKEN, 44, Row(4) + 2, 16, 16},
    {ControlKind::Text, IDC_MEASURE_LENGTH_1 + 4, u"1000.00", kLength, 70, Row(4) + 2, 84, 18},
    {ControlKind::CheckBox, IDC_MEASURE_LINE_1 + 5, u"6", kLineButton, 10, Row(5), 28, 20},
    {ControlKind::Picture, IDC_MEASURE_SWATCH_1 + 5, nullptr, SS_SUNKEN, 44, Row(5) + 2, 16, 16},
    {ControlKind::Text, IDC_MEASURE_LENGTH_1 + 5, u"1000.00", kLength, 70, Row(5) + 2, 84, 18},
    {ControlKind::CheckBox, IDC_MEASURE_LINE_1 + 6, u"7", kLineButton, 10, Row(6), 28, 20},
    {ControlKind::Picture, IDC_MEASURE_SWATCH_1 + 6, nullptr, SS_SUNKEN, 44, Row(6) + 2, 16, 16},
    {ControlKind::Text, IDC_MEASURE_LENGTH_1 + 6, u"1000.00", kLength, 70, Row(6) + 2, 84, 18},
    {ControlKind::CheckBox, IDC_MEASURE_LINE_1 + 7, u"8", kLineButton, 10, Row(7), 28, 20},
    {ControlKind::Picture, IDC_MEASURE_SWATCH_1 + 7, nullptr, SS_SUNKEN, 44, Row(7) + 2, 16, 16},
    {ControlKind::Text, IDC_MEASURE_LENGTH_1 + 7, u"1000.00", kLength, 70, Row(7) + 2, 84, 18},

    // The mouse and the close button.
    {ControlKind::Text, IDC_STATIC, u"マウス座標(X,Y)", SS_LEFT, 8, 386, 152, 16},
    {ControlKind::Text, IDC_MEASURE_MOUSE, u"(X,Y)", SS_CENTER | SS_SUNKEN, 8, 404, 152, 18},
    {ControlKind::PushButton, IDC_MEASURE_CLOSE, u"終了", BS_PUSHBUTTON | WS_TABSTOP, 44, 430, 80, 26},
};

}  // namespace

const DialogTemplate kDialog343Measure{
    IDD_MEASURE,
    u"",
    WS_POPUP,
    WS_EX_TOOLWINDOW,
    168,
    464,
    kControls,
};
