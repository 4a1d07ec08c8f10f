// The input of every image file writer: the pieces of a packed DIB and the
// drawing surfaces made from it. Owns nothing.
#pragma once

#include "platform/gdi/gdi_objects.h"
#include "platform/types/dib_types.h"

struct DibSaveSource {
    HDC memDC = nullptr;
    HBITMAP ddb = nullptr;
    const BITMAPINFO* info = nullptr;
    const BITMAPFILEHEADER* fileHeader = nullptr;
    const BITMAPINFOHEADER* infoHeader = nullptr;
    const BYTE* bits = nullptr;
};
