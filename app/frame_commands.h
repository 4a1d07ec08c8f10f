// The commands the frame and the application object handle, each with the
// rule that enables it. A command missing here has no handler in the program
// yet: its menu item and toolbar button stand disabled, and it is dropped
// when it arrives from a menu, an accelerator or the key filter.
#pragma once

#include "platform/types/types.h"

class CMainFrame;

struct FrameCommand {
    UINT id;
    bool (*enabled)(const CMainFrame& frame);
};

// The command's row, null when the program does not handle it.
const FrameCommand* FindFrameCommand(UINT id);
