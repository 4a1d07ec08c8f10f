// Template 307: a tool window whose one edit fills it; the edit's scroll
// bar appears only when the list is cut at the screen's bottom.
#include "res/dialog_307_exif_info.h"

namespace {

const DialogControl kControls[] = {
    {ControlKind::Edit, IDC_EXIF_INFO_TEXT, nullptr, ES_MULTILINE | ES_READONLY | WS_BORDER | WS_VSCROLL, 6,
        6, 268, 188},
};

}  // namespace

const DialogTemplate kDialog307ExifInfo{
    IDD_EXIF_INFO,
    u"Exif情報",
    WS_POPUP | WS_CAPTION | WS_SYSMENU,
    WS_EX_TOOLWINDOW,
    280,
    200,
    kControls,
};
