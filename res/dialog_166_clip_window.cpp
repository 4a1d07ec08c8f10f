// Template 166: a clip window. One row of buttons (five pictures, the size
// combo with its label, the close button) above the picture control, which
// the window sizes to the picture. Static 1093 is hidden and spans the row.
#include "res/dialog_166_clip_window.h"

namespace {

constexpr DWORD kImageButton = BS_PUSHBUTTON | BS_BITMAP | WS_TABSTOP;

const DialogControl kControls[] = {
    {ControlKind::BitmapButton, IDC_CLIP_SAVE, u"保存", kImageButton, 4, 4, 36, 36},
    {ControlKind::BitmapButton, IDC_CLIP_COPY, u"クリップボード", kImageButton, 42, 4, 36, 36},
    {ControlKind::BitmapButton, IDC_CLIP_COPY_TO_STAGE, u"Button3", kImageButton, 80, 4, 36, 36},
    {ControlKind::BitmapButton, IDC_CLIP_PRINT, u"印刷", kImageButton, 118, 4, 36, 36},
    {ControlKind::CheckBox, IDC_CLIP_PICK_COLOR, u"透過", BS_CHECKBOX | BS_PUSHLIKE | BS_BITMAP | WS_TABSTOP,
        156, 4, 36, 36},
    {ControlKind::Text, IDC_STATIC, u"保存(ｺﾋﾟｰ)サイズ", SS_LEFT, 198, 2, 136, 16},
    {ControlKind::ComboBox, IDC_CLIP_SAVE_SIZE, nullptr, CBS_DROPDOWNLIST | WS_TABSTOP, 198, 18, 136, 22},
    {ControlKind::PushButton, IDC_CLIP_CLOSE, u"閉じる", BS_PUSHBUTTON | WS_TABSTOP, 340, 4, 60, 36},
    {ControlKind::Text, IDC_CLIP_BUTTON_ROW, nullptr, SS_LEFT | CS_HIDDEN, 0, 0, 404, 44},
    {ControlKind::Picture, IDC_CLIP_PICTURE, nullptr, SS_BLACKFRAME, 4, 44, 102, 82},
};

}  // namespace

const DialogTemplate kDialog166ClipWindow{
    IDD_CLIP_WINDOW,
    u"Clip",
    WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
    0,
    405,
    130,
    kControls,
};
