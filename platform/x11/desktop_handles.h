// The desktop's name of one of the program's own windows: the services list
// and compare X11 windows, while the program's windows carry handles of their own.
#pragma once

#include "platform/types/hwnd.h"

// The X11 handle of an own window's native window; X11 handles and the null
// handle are returned as they are; null for an own window without a native window yet.
HWND DesktopHandleOf(HWND window);
