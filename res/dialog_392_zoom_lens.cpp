// Template 392: the picture sits 5 pixels inside the window on every side;
// the lens sizes both to its side (300 or 360 pixels) when it opens.
#include "res/dialog_392_zoom_lens.h"

namespace {

const DialogControl kControls[] = {
    {ControlKind::Picture, IDC_ZOOM_LENS_PICTURE, nullptr, SS_LEFT, 5, 5, 300, 300},
};

}  // namespace

const DialogTemplate kDialog392ZoomLens{
    IDD_ZOOM_LENS,
    u"ZoomLens",
    WS_POPUP,
    WS_EX_TOOLWINDOW | WS_EX_TOPMOST,
    310,
    310,
    kControls,
};
