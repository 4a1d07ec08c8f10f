// Template 200: the capture-window chooser. The list sits 5 pixels inside the
// frame on every side; the chooser sizes both to its rows when it opens.
#include "res/dialog_200_choiced_capture_window.h"

namespace {

const DialogControl kControls[] = {
    {ControlKind::ListView, IDC_CHOOSER_WINDOW_LIST, nullptr,
        LVS_SMALLICON | LVS_SINGLESEL | LVS_SHOWSELALWAYS, 5, 5, 330, 100},
};

}  // namespace

const DialogTemplate kDialog200ChoicedCaptureWindow{
    IDD_CHOICED_CAPTURE_WINDOW,
    u"キャプチャーウィンドウの選択",
    WS_POPUP | WS_BORDER,
    WS_EX_TOOLWINDOW,
    340,
    110,
    kControls,
};
