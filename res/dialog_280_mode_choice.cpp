// Template 280: the mode bar. As wide as the control panel below it, so that
// the stage beside the panel stands clear of it; each button's face holds
// its 72 x 22 picture.
#include "res/dialog_280_mode_choice.h"

namespace {

constexpr DWORD kImageButton = BS_PUSHBUTTON | BS_BITMAP;

const DialogControl kControls[] = {
    {ControlKind::BitmapButton, IDC_MODE_TO_CLIP, u"ClipMode", kImageButton, 2, 2, 82, 30},
    {ControlKind::BitmapButton, IDC_MODE_TO_MULTI, u"MultiMode", kImageButton, 84, 2, 82, 30},
};

}  // namespace

const DialogTemplate kDialog280ModeChoice{
    IDD_MODE_CHOICE,
    u"",
    WS_POPUP,
    WS_EX_TOOLWINDOW,
    168,
    34,
    kControls,
};
