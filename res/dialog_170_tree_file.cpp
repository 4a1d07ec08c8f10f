// Template 170 at the default sizes (trees 240 x 180 and 240 x 250, filter
// 210 x 21, button 26 x 21); the window lays the controls out from the
// stored sizes.
#include "res/dialog_170_tree_file.h"

namespace {

constexpr DWORD kTreeStyle = TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | WS_BORDER | WS_TABSTOP;

const DialogControl kControls[] = {
    {ControlKind::TreeView, IDC_TREE_FILE_FOLDERS, nullptr, kTreeStyle, 4, 4, 240, 180},
    {ControlKind::TreeView, IDC_TREE_FILE_FILES, nullptr, kTreeStyle, 4, 188, 240, 250},
    {ControlKind::ComboBox, IDC_TREE_FILE_FILTER, nullptr, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 4, 442,
        210, 21},
    {ControlKind::BitmapButton, IDC_TREE_FILE_EXPLORE, nullptr, BS_BITMAP, 218, 442, 26, 21},
};

}  // namespace

const DialogTemplate kDialog170TreeFile{
    IDD_TREE_FILE,
    u"ファイルの選択",
    WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME,
    WS_EX_TOOLWINDOW,
    248,
    467,
    kControls,
};
