// Template 132: a caption-less tool window with the picture control, which
// the window sizes and places itself for every image.
#include "res/dialog_132_sky_window.h"

namespace {

const DialogControl kControls[] = {
    {ControlKind::Picture, IDC_SKY_PICTURE, nullptr, 0, 1, 1, 130, 130},
};

}  // namespace

const DialogTemplate kDialog132SkyWindow{
    IDD_SKY_WINDOW,
    u"",
    WS_POPUP,
    WS_EX_TOOLWINDOW,
    142,
    142,
    kControls,
};
