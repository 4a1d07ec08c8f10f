// The route between holders and the image class: loading any file the image
// class reads into a holder, and filling an image-class picture from a holder.
#pragma once

#include "imaging/load_bitmap_for_dlg.h"
#include "platform/image/image_class.h"

#include <cstddef>

// Loads the holder's file (or, with data given, that block) through the image
// class and converts it at the picture's own depth (8, 24 or 32 bits). A read
// failure is reported only while g_bShowImageErrors is 1; the size and memory
// texts always. 1 loaded, 0 failed (the holder then unchanged).
int LoadHolderByImageClass(CLoadBitmap_for_Dlg* holder, const BYTE* data = nullptr, std::size_t size = 0);

// Copies an image-class picture into the holder as a bottom-up DIB at the
// picture's depth; false (holder unchanged) when memory runs out.
bool ImageToHolder(const CImage& image, CLoadBitmap* holder);

// Creates an image-class picture of the holder's size and depth holding its
// colours, top row first. 1, or 0 when it cannot be created.
int FillImageFromDib(CImage* image, const CLoadBitmap& holder);
