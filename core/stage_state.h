// The view stage's selection state, shared with every window that asks
// whether a range is being selected.
#pragma once

#include "platform/types/types.h"

inline constexpr int kStageModeNormal = 1;     // normal view
inline constexpr int kStageModeSelecting = 3;  // range selection running

// Only the low byte is meaningful. 1 at start.
extern int g_nStageMode;

// Sets the stage mode; a change to normal from another value also gives
// every window its own cursor (the arrow) back.
void SetStageMode(int mode);
