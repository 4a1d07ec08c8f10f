// The messages the wait box answers (WM_USER + n). Whoever runs a long task
// behind the box sends them to the handle the frame returned when it opened
// the box.
#pragma once

#include "platform/types/messages.h"

enum : UINT {
    // wParam: const QString* (null reads as empty); lParam: the line, 1 or 2
    // (others are ignored). Result 0.
    WM_WAITMSG_SET_TEXT = WM_USER + 174,
    // wParam: the bar's position. Result 0.
    WM_WAITMSG_SET_POS = WM_USER + 350,
};
