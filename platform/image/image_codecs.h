// The file codecs behind the image class. Decoders read a whole file held in
// memory into a QImage of Format_Indexed8, Format_BGR888, Format_RGB32 or
// Format_ARGB32; encoders write such a QImage to an open stream and return
// false when the library or any write failed.
#pragma once

#include "platform/types/types.h"

#include <QImage>
#include <cstddef>
#include <cstdio>

enum class ImageDecodeResult { Ok, Failed, TooLarge };

struct ImageDecodeLimits {
    int maxWidth;
    int maxHeight;
};

ImageDecodeResult DecodeBmpImage(const BYTE* data, std::size_t size, ImageDecodeLimits limits, QImage* out);
ImageDecodeResult DecodeJpegImage(const BYTE* data, std::size_t size, ImageDecodeLimits limits, QImage* out);
ImageDecodeResult DecodePngImage(const BYTE* data, std::size_t size, ImageDecodeLimits limits, QImage* out);
ImageDecodeResult DecodeTiffImage(const BYTE* data, std::size_t size, ImageDecodeLimits limits, QImage* out);
ImageDecodeResult DecodeGifImage(const BYTE* data, std::size_t size, ImageDecodeLimits limits, QImage* out);

bool EncodeBmpImage(const QImage& image, std::FILE* file);
bool EncodeJpegImage(const QImage& image, std::FILE* file, int quality);
// Baseline JPEG of rows of blue, green, red (fourBytes: and a spare byte) per
// pixel: the picture's top row at topRow, each next row rowStep bytes on
// (negative for a bottom-up DIB). Also the holder's JPEG writer.
bool EncodeJpegRows(std::FILE* file, const BYTE* topRow, std::ptrdiff_t rowStep, int width, int height,
    bool fourBytes, int quality);
bool EncodePngImage(const QImage& image, std::FILE* file);
bool EncodeTiffImage(const QImage& image, std::FILE* file);
bool EncodeGifImage(const QImage& image, std::FILE* file);

// Whether a picture of w x h lies inside the limits and the decoders' own
// bound (at most 2^28 pixels).
bool ImageSizeAllowed(long long width, long long height, ImageDecodeLimits limits);
