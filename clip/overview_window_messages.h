// The messages the overview window receives from the view stage (WM_USER + n).
#pragma once

#include "platform/types/messages.h"

enum : UINT {
    // wParam: the stage's image holder; lParam: RECT* the visible rectangle (image pixels).
    WM_SKY_SET_IMAGE = WM_USER + 140,
    // The stage moved: the overview window places itself again.
    WM_SKY_REPOSITION = WM_USER + 142,
};
