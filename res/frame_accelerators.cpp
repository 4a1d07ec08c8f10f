#include "res/frame_accelerators.h"

#include "res/frame_command_ids.h"

std::vector<ACCEL> FrameAcceleratorTable128()
{
    constexpr BYTE kCtrl = FVIRTKEY | FCONTROL;
    constexpr BYTE kShift = FVIRTKEY | FSHIFT;
    constexpr BYTE kAlt = FVIRTKEY | FALT;
    // The frame's own keys: they apply to the frame and its bars only, so the
    // edit fields of the panels and tool windows keep their editing keys.
    return {
        {kCtrl, 'N', static_cast<WORD>(ID_FILE_NEW)},
        {kCtrl, 'O', static_cast<WORD>(ID_FILE_OPEN_IMAGE)},
        {kCtrl, 'S', static_cast<WORD>(ID_FILE_SAVE_IMAGE)},
        // Ctrl+P saves here: printing is reached through the message filter's rows.
        {kCtrl, 'P', static_cast<WORD>(ID_FILE_SAVE_IMAGE)},
        {kCtrl, 'C', static_cast<WORD>(ID_EDIT_COPY)},
        {kCtrl, VK_INSERT, static_cast<WORD>(ID_EDIT_COPY)},
        {kCtrl, 'V', static_cast<WORD>(ID_EDIT_PASTE)},
        {kShift, VK_INSERT, static_cast<WORD>(ID_EDIT_PASTE)},
        {kCtrl, 'X', static_cast<WORD>(ID_EDIT_CUT)},
        {kShift, VK_DELETE, static_cast<WORD>(ID_EDIT_CUT)},
        {kCtrl, 'Z', static_cast<WORD>(ID_EDIT_UNDO)},
        {kAlt, VK_BACK, static_cast<WORD>(ID_EDIT_UNDO)},
        {FVIRTKEY, VK_F1 + 5, static_cast<WORD>(ID_NEXT_PANE)},
        {kShift, VK_F1 + 5, static_cast<WORD>(ID_PREV_PANE)},
    };
}
