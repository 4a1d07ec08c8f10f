// Template 303: rows of the shortcut area 17 pixels apart inside the group;
// the tree starts 4 pixels below the area (the window lays it out again).
#include "res/dialog_303_tree_folder.h"

namespace {

constexpr int kWidth = 248;
constexpr int kTopRowY = 2, kTopRowHeight = 18;
constexpr int kGroupY = 22, kGroupHeight = 105;
constexpr int kRowY = kGroupY + 18, kRowPitch = 17, kRowHeight = 16;
constexpr int kLabelX = 10, kRegisterWidth = 44;
constexpr int kRegisterX = kWidth - 3 - kRegisterWidth;
constexpr int kLabelWidth = kRegisterX - 3 - kLabelX;
constexpr int kTreeY = 133, kTreeHeight = 180;

constexpr std::size_t kControlCount = 5 + 3 * 5;

constexpr std::array<DialogControl, kControlCount> MakeControls()
{
    std::array<DialogControl, kControlCount> c{};
    std::size_t n = 0;
    c[n++] = {ControlKind::PushButton, IDC_TREE_FOLDER_SHOW_SHORTCUTS, u"非表示", BS_PUSHBUTTON, 4, kTopRowY,
        56, kTopRowHeight};
    c[n++] = {ControlKind::BitmapButton, IDC_TREE_FOLDER_ALIGN, nullptr, BS_BITMAP, 64, kTopRowY, 26,
        kTopRowHeight};
    c[n++] = {ControlKind::BitmapButton, IDC_TREE_FOLDER_EXPLORE, nullptr, BS_BITMAP, 94, kTopRowY, 26,
        kTopRowHeight};
    c[n++] = {ControlKind::GroupBox, IDC_TREE_FOLDER_SHORTCUT_GROUP, u"一発フォルダ移動", 0, 4, kGroupY,
        kWidth - 8, kGroupHeight};
    for (std::size_t i = 0; i < 5; ++i) {
        const int y = kRowY + static_cast<int>(i) * kRowPitch;
        c[n++] = {ControlKind::Text, kTreeFolderShortcutLabelIds[i], u"--未登録--",
            SS_LEFT | SS_NOTIFY | SS_SUNKEN | SS_CENTERIMAGE, kLabelX, y, kLabelWidth, kRowHeight};
        c[n++] = {ControlKind::PushButton, kTreeFolderRegisterIds[i], u"登録", BS_PUSHBUTTON, kRegisterX, y,
            kRegisterWidth, kRowHeight};
        c[n++] = {ControlKind::PushButton, kTreeFolderJumpIds[i], u"", BS_PUSHBUTTON | CS_HIDDEN, 0, 0, 1, 1};
    }
    c[n++] = {ControlKind::TreeView, IDC_TREE_FOLDER_TREE, nullptr,
        TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | WS_BORDER | WS_TABSTOP, 4, kTreeY, kWidth - 8,
        kTreeHeight};
    return c;
}

constexpr std::array<DialogControl, kControlCount> kControls = MakeControls();

}  // namespace

const DialogTemplate kDialog303TreeFolder{
    IDD_TREE_FOLDER,
    u"フォルダの選択",
    WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME,
    WS_EX_TOOLWINDOW,
    kWidth,
    kTreeY + kTreeHeight + 4,
    kControls,
};
