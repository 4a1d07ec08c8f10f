// Small routines for drawing and dialog controls: solid fills, bitmap
// copies, check boxes and the drop-down size of combo boxes.
#pragma once

#include "platform/gdi/gdi.h"
#include "platform/types/types.h"

// Fills the rectangle with a solid brush of the colour.
void FillRectColor(CDC* dc, const RECT* rect, COLORREF color);

// Makes out a copy of the source bitmap (every row whole, at every depth) and
// returns its handle; null when the source is not a bitmap. A bitmap out
// already held is deleted first.
HBITMAP CopyBitmapHandle(CBitmap* out, HBITMAP source);
