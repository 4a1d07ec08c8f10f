// Template 100: the About box: the program's name and version, the platform's
// version line, and the libraries it uses.
#include "res/dialog_100_about.h"

#include "platform/dialog/msgbox.h"

namespace {

const DialogControl kControls[] = {
    {ControlKind::Text, IDC_ABOUT_NAME, u"Kestrel", SS_LEFT, 64, 18, 260, 18},
    {ControlKind::Text, IDC_STATIC, u"画像切り取りソフトウェア", SS_LEFT, 64, 40, 260, 18},
    {ControlKind::Text, IDC_ABOUT_VERSION, u"Version", SS_LEFT, 64, 62, 260, 18},
    {ControlKind::Text, IDC_ABOUT_PLATFORM_VERSION, u"WindowsVersion", SS_LEFT, 64, 84, 300, 18},
    {ControlKind::GroupBox, IDC_STATIC, u"使用ライブラリ", 0, 16, 114, 348, 70},
    {ControlKind::Text, IDC_STATIC, u"JPEG Read/Write : libjpeg　(Independent JPEG Group)", SS_LEFT, 30, 136,
        326, 18},
    {ControlKind::Text, IDC_STATIC, u"PNG  Read/Write : zlib/libpng", SS_LEFT, 30, 158, 326, 18},
    {ControlKind::DefPushButton, IDOK, u"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 150, 198, 80, 26},
};

}  // namespace

const DialogTemplate kDialog100About{
    IDD_ABOUT,
    u"About Kestrel",
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER | WS_VISIBLE,
    0,
    380,
    238,
    kControls,
};
