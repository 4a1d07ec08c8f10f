// The input of every image file writer: the pieces of a packed DIB and the
// drawing surfaces made from it. Owns nothing.
#pragma once

#include "platform/dib_types.h"
#include "platform/gdi_objects.h"

struct DibSaveSource {
    HDC memDC = nullptr;
    HBITMAP ddb = nullptr;
    const BITMAPINFO* info = nullptr;
    const BITMAPFILEHEADER* fileHeader = nullptr;
    const BITMAPINFOHEADER* infoHeader = nullptr;
    const BYTE* bits = nullptr;
};
