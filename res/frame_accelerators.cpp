#include "res/frame_accelerators.h"

#include "res/frame_command_ids.h"

std::vector<ACCEL> FrameAcceleratorTable128()
{
    constexpr BYTE kCtrl = FVIRTKEY | FCONTROL;
    return {
        {kCtrl, 'N', static_cast<WORD>(ID_FILE_NEW)},
        {kCtrl, 'O', static_cast<WORD>(ID_FILE_OPEN_IMAGE)},
        {kCtrl, 'S', static_cast<WORD>(ID_FILE_SAVE_IMAGE)},
        // Ctrl+P saves here: printing is reached through the message filter's rows.
        {kCtrl, 'P', static_cast<WORD>(ID_FILE_SAVE_IMAGE)},
    };
}
