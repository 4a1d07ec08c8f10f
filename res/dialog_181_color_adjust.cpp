// Template 181: one row per channel (swatch, slider from dark to bright,
// number box with its spin control, link box), "Center" below the sliders.
#include "res/dialog_181_color_adjust.h"

namespace {

constexpr DWORD kSlider = TBS_HORZ | TBS_NOTICKS | WS_TABSTOP;
constexpr DWORD kValue = ES_RIGHT | ES_AUTOHSCROLL | WS_TABSTOP;
constexpr DWORD kLink = BS_AUTOCHECKBOX | WS_TABSTOP;

const DialogControl kControls[] = {
    {ControlKind::Text, IDC_STATIC, u"暗", SS_LEFT, 38, 8, 24, 16},
    {ControlKind::Text, IDC_STATIC, u"明", SS_RIGHT, 228, 8, 24, 16},
    {ControlKind::Text, IDC_STATIC, u"連動", SS_CENTER, 322, 8, 36, 16},

    {ControlKind::Picture, IDC_CONTRAST_SWATCH_RED, nullptr, SS_SUNKEN, 10, 32, 20, 20},
    {ControlKind::Slider, IDC_CONTRAST_SLIDER_RED, nullptr, kSlider, 36, 28, 220, 28},
    {ControlKind::Edit, IDC_CONTRAST_VALUE_RED, nullptr, kValue, 262, 31, 40, 22},
    {ControlKind::Spin, IDC_CONTRAST_SPIN_RED, nullptr, 0, 302, 31, 16, 22},
    {ControlKind::CheckBox, IDC_CONTRAST_LINK_RED, u"", kLink, 332, 32, 20, 20},

    {ControlKind::Picture, IDC_CONTRAST_SWATCH_GREEN, nullptr, SS_SUNKEN, 10, 66, 20, 20},
    {ControlKind::Slider, IDC_CONTRAST_SLIDER_GREEN, nullptr, kSlider, 36, 62, 220, 28},
    {ControlKind::Edit, IDC_CONTRAST_VALUE_GREEN, nullptr, kValue, 262, 65, 40, 22},
    {ControlKind::Spin, IDC_CONTRAST_SPIN_GREEN, nullptr, 0, 302, 65, 16, 22},
    {ControlKind::CheckBox, IDC_CONTRAST_LINK_GREEN, u"", kLink, 332, 66, 20, 20},

    {ControlKind::Picture, IDC_CONTRAST_SWATCH_BLUE, nullptr, SS_SUNKEN, 10, 100, 20, 20},
    {ControlKind::Slider, IDC_CONTRAST_SLIDER_BLUE, nullptr, kSlider, 36, 96, 220, 28},
    {ControlKind::Edit, IDC_CONTRAST_VALUE_BLUE, nullptr, kValue, 262, 99, 40, 22},
    {ControlKind::Spin, IDC_CONTRAST_SPIN_BLUE, nullptr, 0, 302, 99, 16, 22},
    {ControlKind::CheckBox, IDC_CONTRAST_LINK_BLUE, u"", kLink, 332, 100, 20, 20},

    {ControlKind::PushButton, IDC_CONTRAST_CENTER, u"Center", BS_PUSHBUTTON | WS_TABSTOP, 106, 134, 80, 26},
};

}  // namespace

const DialogTemplate kDialog181ColorAdjust{
    IDD_COLOR_ADJUST,
    u"色調整",
    WS_POPUP | WS_CAPTION | WS_SYSMENU,
    WS_EX_TOOLWINDOW | WS_EX_TOPMOST,
    364,
    170,
    kControls,
};
