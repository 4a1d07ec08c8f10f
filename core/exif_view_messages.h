// The messages the EXIF information window receives (WM_USER + n).
#pragma once

#include "platform/types/messages.h"

enum : UINT {
    WM_EXIFVIEW_SHOW = WM_USER + 113,      // wParam: the file's path as a const QString*
    WM_EXIFVIEW_RELOAD = WM_USER + 468,    // list the shown file again with the current settings
    WM_EXIFVIEW_SET_FONT = WM_USER + 487,  // wParam: the list font's height in pixels
};
