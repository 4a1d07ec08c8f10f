// The mode bar's message. The frame sends it when the measure panel opens or
// closes; the measure panel's window may send it too, so it lives below the
// windows.
#pragma once

#include "platform/types/messages.h"

enum : UINT {
    // Show the buttons' pictures for the mode and the measure panel now
    // (wParam 1 opened, 0 closed; the bar reads the state itself). Result 0.
    WM_MODEBAR_REFRESH = WM_USER + 114,
};
