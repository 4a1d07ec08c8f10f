// Small routines for drawing and dialog controls: solid fills, bitmap
// copies, check boxes and the drop-down size of combo boxes.
#pragma once

#include "platform/gdi/gdi.h"
#include "platform/types/types.h"
#include "platform/window/window.h"

// Fills the rectangle with a solid brush of the colour.
void FillRectColor(CDC* dc, const RECT* rect, COLORREF color);

// Makes out a copy of the source bitmap (every row whole, at every depth) and
// returns its handle; null when the source is not a bitmap. A bitmap out
// already held is deleted first.
HBITMAP CopyBitmapHandle(CBitmap* out, HBITMAP source);

// A mouse button or move message (not the wheel).
bool IsMouseMessage(UINT message);
// Sends a mouse message of a control on to its parent with the point in the
// parent's client coordinates, so that a picture control lets its window
// handle the mouse; the parent's answer.
LRESULT SendMouseToParent(CWnd& control, CWnd& parent, UINT message, WPARAM wParam, LPARAM lParam);
