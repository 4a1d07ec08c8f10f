// Template 305: the JPEG quality. A caption without a close box; OK only.
#include "res/dialog_305_jpeg_quality.h"

namespace {

constexpr int kLabelY = 24;
constexpr int kLabelW = 24;

// A scale label centred over a slider position.
constexpr DialogControl Scale(const char16_t* text, int centre)
{
    return {ControlKind::Text, IDC_STATIC, text, SS_CENTER, centre - kLabelW / 2, kLabelY, kLabelW, 14};
}

const DialogControl kControls[] = {
    Scale(u"1", 48),
    Scale(u"10", 72),
    Scale(u"20", 99),
    Scale(u"30", 125),
    Scale(u"40", 152),
    Scale(u"50", 179),
    Scale(u"60", 205),
    Scale(u"70", 232),
    Scale(u"80", 259),
    Scale(u"90", 285),
    Scale(u"100", 312),
    {ControlKind::Text, IDC_STATIC, u"低", SS_RIGHT, 12, 44, 24, 16},
    {ControlKind::Slider, IDC_JPEG_QUALITY_SLIDER, nullptr, TBS_HORZ | TBS_NOTICKS | WS_TABSTOP, 40, 40, 280,
        26},
    {ControlKind::Text, IDC_STATIC, u"高", SS_LEFT, 324, 44, 24, 16},
    {ControlKind::Edit, IDC_JPEG_QUALITY_EDIT, nullptr, ES_CENTER | ES_AUTOHSCROLL | WS_TABSTOP, 150, 78, 60,
        24},
    {ControlKind::CheckBox, IDC_JPEG_QUALITY_ALWAYS_ASK,
        u" Jpeg保存時に常にこのダイアログを表示する。\n  (オプションダイアログからも指定出来ます)",
        BS_CHECKBOX | WS_TABSTOP, 20, 114, 320, 38},
    {ControlKind::DefPushButton, IDOK, u"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 140, 162, 80, 26},
};

}  // namespace

const DialogTemplate kDialog305JpegQuality{
    IDD_JPEG_QUALITY,
    u"Jpeg保存の品質指定",
    WS_POPUP | WS_CAPTION | DS_MODALFRAME | WS_VISIBLE,
    0,
    360,
    200,
    kControls,
};
