#include "app/ctrl_key_table.h"

#include "res/dialog_134_control_window.h"
#include "res/dialog_166_clip_window.h"
#include "res/frame_command_ids.h"

namespace {

enum class Cond {
    Always,
    ImageCommands,
    ControlIdle,
    RangeClickButton,
    WheelButton,
    FixedModeButton,
    MaskSettings,
    MaskSettingsAndCurrentItem,
};

struct Row {
    int kind;  // 1, 2, or 3 for every clip window
    char key;
    Cond cond;
    UINT command;
    CtrlKeyTarget target;
};

constexpr Row kRows[] = {
    {1, 'N', Cond::ImageCommands, ID_FILE_NEW_IMAGE, CtrlKeyTarget::Frame},
    {1, 'O', Cond::ControlIdle, ID_FILE_OPEN_IMAGE, CtrlKeyTarget::Frame},
    {1, 'S', Cond::ImageCommands, ID_FILE_SAVE_IMAGE, CtrlKeyTarget::Frame},
    {1, 'P', Cond::ImageCommands, ID_FILE_PRINT_IMAGE, CtrlKeyTarget::Frame},
    {1, 'X', Cond::Always, ID_APP_EXIT, CtrlKeyTarget::Frame},
    {1, '2', Cond::RangeClickButton, IDC_CONTROL_RANGE_CLICK, CtrlKeyTarget::ControlPanel},
    {1, 'W', Cond::WheelButton, IDC_CONTROL_WHEEL, CtrlKeyTarget::ControlPanel},
    {1, 'F', Cond::FixedModeButton, IDC_CONTROL_FIXED_MODE, CtrlKeyTarget::ControlPanel},
    {3, 'S', Cond::Always, IDC_CLIP_SAVE, CtrlKeyTarget::ClipWindow},
    {3, 'C', Cond::Always, IDC_CLIP_COPY, CtrlKeyTarget::ClipWindow},
    {3, 'A', Cond::Always, IDC_CLIP_COPY_TO_STAGE, CtrlKeyTarget::ClipWindow},
    {3, 'P', Cond::Always, IDC_CLIP_PRINT, CtrlKeyTarget::ClipWindow},
    {3, 'Q', Cond::Always, IDC_CLIP_CLOSE, CtrlKeyTarget::ClipWindow},
    {2, 'F', Cond::Always, ID_VIEW_FOLDER_TREE, CtrlKeyTarget::Frame},
    {2, 'T', Cond::MaskSettings, ID_VIEW_THUMB_MASK, CtrlKeyTarget::Frame},
    {2, 'P', Cond::MaskSettingsAndCurrentItem, ID_FILE_PRINT_IMAGE, CtrlKeyTarget::Frame},
    {2, 'X', Cond::Always, ID_APP_EXIT, CtrlKeyTarget::Frame},
};

bool Holds(Cond c, const CtrlKeyState& s)
{
    switch (c) {
    case Cond::Always:
        return true;
    case Cond::ImageCommands:
        return s.canUseImageCommands;
    case Cond::ControlIdle:
        return s.controlIdle;
    case Cond::RangeClickButton:
        return s.controlPanelVisible && s.rangeClickButtonEnabled;
    case Cond::WheelButton:
        return s.controlPanelVisible && s.wheelButtonEnabled;
    case Cond::FixedModeButton:
        return s.controlPanelVisible && s.fixedModeButtonEnabled;
    case Cond::MaskSettings:
        return s.canUseMaskSettings;
    case Cond::MaskSettingsAndCurrentItem:
        return s.canUseMaskSettings && s.multiViewHasCurrentItem;
    }
    return false;
}

}  // namespace

CtrlKeyCommand RouteCtrlKey(int kind, UINT vk, const CtrlKeyState& state)
{
    if (kind < 1 || kind > 3 + 11)
        return {};
    const int rowKind = kind >= 3 ? 3 : kind;
    for (const Row& row : kRows) {
        if (row.kind != rowKind || static_cast<UINT>(row.key) != vk || !Holds(row.cond, state))
            continue;
        CtrlKeyCommand c{row.command, row.target, -1};
        if (row.target == CtrlKeyTarget::ClipWindow)
            c.clipIndex = kind - 3;
        return c;
    }
    return {};
}
