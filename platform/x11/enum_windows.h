// Enumeration of the desktop's top-level windows, topmost first.
#pragma once

#include "platform/types/hwnd.h"
#include "platform/types/types.h"

#include <cstdint>

// The callback answers 1 to go on, 0 to stop.
using WindowEnumProc = BOOL (*)(HWND window, std::intptr_t value);

// Calls proc for every top-level window in stacking order, topmost first,
// until it answers 0. FALSE when no window could be listed.
BOOL EnumWindows(WindowEnumProc proc, std::intptr_t value);
