// Template 180: the save size, height over width, with the keep-ratio box.
#include "res/dialog_180_save_image_size.h"

namespace {

const DialogControl kControls[] = {
    {ControlKind::Text, IDC_STATIC, u"縦", SS_RIGHT, 16, 22, 30, 18},
    {ControlKind::Edit, IDC_SAVE_SIZE_HEIGHT, nullptr, ES_RIGHT | ES_AUTOHSCROLL | ES_NUMBER | WS_TABSTOP, 54,
        18, 90, 24},
    {ControlKind::Text, IDC_STATIC, u"横", SS_RIGHT, 16, 56, 30, 18},
    {ControlKind::Edit, IDC_SAVE_SIZE_WIDTH, nullptr, ES_RIGHT | ES_AUTOHSCROLL | ES_NUMBER | WS_TABSTOP, 54,
        52, 90, 24},
    {ControlKind::CheckBox, IDC_SAVE_SIZE_KEEP_RATIO, u"縦/横比を維持する", BS_CHECKBOX | WS_TABSTOP, 54, 88,
        170, 20},
    {ControlKind::DefPushButton, IDOK, u"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 164, 18, 80, 26},
    {ControlKind::PushButton, IDCANCEL, u"キャンセル", BS_PUSHBUTTON | WS_TABSTOP, 164, 52, 80, 26},
};

}  // namespace

const DialogTemplate kDialog180SaveImageSize{
    IDD_SAVE_IMAGE_SIZE,
    u"サイズの設定",
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE,
    0,
    260,
    122,
    kControls,
};
