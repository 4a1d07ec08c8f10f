// Loading image files into any holder: the image-class route, the JPEG and
// PNG readers, and the choice among them by the file's extension. The stage,
// the multi view's previews and the JPEG reader's grey route share them; each
// call touches only the holder (and transparency) it is given.
#pragma once

#include "imaging/load_bitmap_for_dlg.h"
#include "imaging/png_transparency.h"
#include "platform/image/image_class.h"

#include <QString>
#include <cstddef>
#include <functional>

// Called after a successful load to show the image's name; empty: nothing.
using LoadedCaption = std::function<void()>;

// Copies an image-class picture into the holder as a bottom-up DIB of bpp
// bits (8 only for a palette picture; 24 or 32 otherwise) with fresh headers
// at the BMP_dpi resolution. 1, or 0 (holder unchanged) when memory runs out
// or the depth cannot be made.
int ImageToBuffer(const CImage& image, CLoadBitmap* holder, int bpp);

// The depth a picture keeps in a holder: 8 for a palette picture, 32 when it
// has alpha, else 24 (other depths were widened by the image class).
int HolderDepthOfImage(const CImage& image);

// Reads the holder's file through the image class. A read failure is told
// only while g_bShowImageErrors is 1; a picture above MaxSaveSizeWidth x
// MaxSaveSizeHeight and a lack of memory always. 1 loaded, 0 failed.
int LoadImageByGdiplus(CLoadBitmap_for_Dlg* holder, const LoadedCaption& caption);

// Decodes a JPEG block (data null, size 0: the holder's file). The "JEPEG : "
// read-error texts follow g_bShowImageErrors. 1 loaded, 0 failed.
int LoadJpegImage(const LoadedCaption& caption, CLoadBitmap_for_Dlg* holder, const BYTE* data = nullptr,
    std::size_t size = 0);

// Reads the holder's file as an 8-bit palette or RGB PNG, with its
// transparency (cleared on failure). 1 loaded, 0 failed without a message.
int LoadPngImage(CLoadBitmap_for_Dlg* holder, CPngTransparency* transparency, const LoadedCaption& caption);

// Loads the holder's file by its extension (case-insensitive): "bmp" reads it
// again, "jpg"/"jpeg" the JPEG reader, "png" the PNG reader and then the
// image class, "tif"/"tiff"/"gif" the image class. The transparency is
// cleared on every load that is not a PNG one. 1 loaded, 0 not (also for any
// other extension).
int LoadImageFile(const QString& ext, CLoadBitmap_for_Dlg* holder, CPngTransparency* transparency,
    const LoadedCaption& caption);
