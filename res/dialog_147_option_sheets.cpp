// Templates 147 and 296: the two option sheets share one layout; the pages
// (templates 155, 156, 271, 295, 342) are placed below the tabs at run time.
#include "res/dialog_147_option_sheets.h"

namespace {

const DialogControl kControls[] = {
    {ControlKind::Tab, IDC_OPTION_TABS, nullptr, WS_TABSTOP, 10, 8, 470, 26},
    {ControlKind::DefPushButton, IDOK, u"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 280, 426, 96, 28},
    {ControlKind::PushButton, IDCANCEL, u"キャンセル", BS_PUSHBUTTON | WS_TABSTOP, 384, 426, 96, 28},
};

constexpr DWORD kSheetStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE;

}  // namespace

const DialogTemplate kDialog147OptionSheet{
    IDD_OPTION_SHEET,
    u"オプション",
    kSheetStyle,
    0,
    490,
    464,
    kControls,
};

const DialogTemplate kDialog296OptionSheetMulti{
    IDD_OPTION_SHEET_MULTI,
    u"オプション",
    kSheetStyle,
    0,
    490,
    464,
    kControls,
};
