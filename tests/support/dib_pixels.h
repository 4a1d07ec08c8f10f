// Reading colours out of bottom-up DIBs in tests: a holder's picture or an
// undo copy, and a tolerant comparison for lossy formats.
#pragma once

#include "imaging/load_bitmap.h"

// The colour of picture pixel (x, y), y counted from the top.
COLORREF DibPixel(const BYTE* bits, const RGBQUAD* table, int w, int h, int bpp, int x, int y);
COLORREF HolderPixel(const CLoadBitmap& holder, int x, int y);

// Each channel within tolerance.
bool NearColor(COLORREF a, COLORREF b, int tolerance);
