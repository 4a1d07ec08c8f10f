// Messages the main frame sends to several of the windows it places.
#pragma once

#include "platform/types/messages.h"

enum : UINT {
    // The frame moved by (wParam, lParam) pixels: the panel moves with it.
    WM_REPOSITION_PANEL = WM_USER + 102,
    // The frame's rectangle changed (wParam: the frame's RECT): the stage refits.
    WM_RESIZE_STAGE = WM_USER + 110,
};
