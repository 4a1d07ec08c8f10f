// The pointer's position on the screen and its confinement.
#pragma once

#include "platform/types/types.h"

BOOL GetCursorPos(POINT* point);
BOOL SetCursorPos(int x, int y);
// Null releases the pointer; a rectangle of one pixel holds it on that point.
// Larger rectangles are not supported here (FALSE).
BOOL ClipCursor(const RECT* rect);
