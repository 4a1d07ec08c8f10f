// JPEG files: the decoder into a holder, the size probe, the encoder of a
// 24-bit DIB, and the saver that picks JPEG or the image class by extension.
#pragma once

#include "imaging/dib_save_source.h"
#include "imaging/load_bitmap_for_dlg.h"

#include <QString>
#include <cstddef>
#include <cstdint>

// Decoder result codes.
enum JpegLoadCode : int {
    kJpegCannotOpen = 1,      // cannot be opened, or empty
    kJpegFallbackFailed = 2,  // the image-class route failed, or an unsupported layout
    kJpegTooLarge = 3,        // above MaxSaveSizeWidth x MaxSaveSizeHeight
    kJpegDecoded = 4,
    kJpegDamaged = 5,  // the library reported an error, or the data ends early
    kJpegNoMemory = 6,
};

// Encoder result codes.
enum JpegWriteCode : int {
    kJpegWriteFailed = 1,
    kJpegWritten = 4,
};

// Saver code: stays 1 while nothing failed, 7 when the save failed.
constexpr BYTE kJpegSaveFailed = 7;

// Decodes the JPEG in data (size bytes) or, with data null, the file at the
// holder's path. Three-component images are decoded here; grey and CMYK go
// through the image class. The holder is changed only on code 4.
int LoadJpegFile(CLoadBitmap_for_Dlg* holder, const BYTE* data, std::size_t size);

// Width in the low and height in the high 32 bits; 0 when the file cannot be
// opened or its header read.
std::uint64_t GetJpegImageSize(const QString& path);

// Encodes a 24-bit (or 32-bit) DIB, bottom-up unless its height is negative,
// as a baseline JPEG of the given quality. 4 written, 1 failed (no file left).
int WriteJpegFile(const QString& path, const BITMAPINFOHEADER* infoHeader, const BYTE* bits, int quality);

// Saves the source at 24 bits per pixel: .jpg and .jpeg through the JPEG
// encoder, every other extension through the image class. 1 saved, 0 failed
// (code 7).
// A JPEG's quality is asked (the quality dialog or the settings).
int SaveJpegOrOtherFile(const QString& path, const DibSaveSource& source, BYTE* code);
// The same with the JPEG quality given (1 .. 100): nothing is asked, and the
// settings stay as they are. Safe on worker threads.
int SaveJpegOrOtherFile(const QString& path, const DibSaveSource& source, BYTE* code, int quality);
