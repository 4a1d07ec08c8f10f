// The Ctrl+key shortcuts the application's message filter turns into
// commands, by the kind of the window that takes the key (GetAppWindowKind): 1 a
// clip-mode window, 2 a multi-view window, 3 + k clip window k. The rows are
// tried in order; the first whose key and condition match gives the command
// and the window it is posted to.
#pragma once

#include "platform/types/types.h"

// What the rows' conditions read, taken when the key arrives.
struct CtrlKeyState {
    bool canUseImageCommands = false;
    bool controlIdle = false;
    bool controlPanelVisible = false;
    bool rangeClickButtonEnabled = false;  // IDC_CONTROL_RANGE_CLICK
    bool wheelButtonEnabled = false;       // IDC_CONTROL_WHEEL
    bool fixedModeButtonEnabled = false;   // IDC_CONTROL_FIXED_MODE
    bool canUseMaskSettings = false;
    bool multiViewHasCurrentItem = false;
};

enum class CtrlKeyTarget {
    None,
    Frame,
    ControlPanel,
    ClipWindow,  // clip window kind - 3
};

struct CtrlKeyCommand {
    UINT command = 0;
    CtrlKeyTarget target = CtrlKeyTarget::None;
    int clipIndex = -1;

    friend bool operator==(const CtrlKeyCommand&, const CtrlKeyCommand&) = default;
};

// The command for a key pressed with Ctrl held (vk: the virtual-key code of
// the letter or digit, the same with or without Shift and Caps Lock); a
// command of 0 when no row matches.
CtrlKeyCommand RouteCtrlKey(int kind, UINT vk, const CtrlKeyState& state);
