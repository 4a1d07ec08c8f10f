// The multi view's state of one run, shared by the stage and the control
// panel and never written to the settings file.
#pragma once

#include "platform/types/types.h"

struct MultiViewState {
    // The stage's size, kept when it is destroyed and applied when it is
    // made again (0 x 0 until then).
    int stageWidth = 0;
    int stageHeight = 0;
    // The edge of the thumbnail cells, 48..144 in steps of 4.
    int thumbSize = 48;
};

inline constexpr int kThumbSizeMin = 48;
inline constexpr int kThumbSizeMax = 144;

MultiViewState& GetMultiViewState();
