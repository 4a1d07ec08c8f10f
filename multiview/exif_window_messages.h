// The messages the EXIF information window receives (WM_USER + n).
#pragma once

#include "platform/types/messages.h"

enum : UINT {
    // wParam: const QString* the file to list; 1 when tag lines were listed, else 0.
    WM_EXIFVIEW_SHOW = WM_USER + 113,
    // Lists the file shown last again (the display settings changed); 0.
    WM_EXIFVIEW_RELOAD = WM_USER + 468,
    // wParam: the list font's height in pixels; the next listing uses it; 0.
    WM_EXIFVIEW_SET_FONT = WM_USER + 487,
};
