// PNG files through libpng with the program's own read, write and flush
// functions over an open stdio stream. One codec object per call.
#pragma once

#include "imaging/dib_save_source.h"
#include "imaging/png_transparency.h"

#include <QString>
#include <cstdio>

// Reader codes.
enum PngReadCode : BYTE {
    kPngRead = 1,
    kPngBadHeader = 2,
    kPngNoPalette = 3,
    kPngTooLarge = 4,
    kPngNoInfo = 100,
    kPngUnsupported = 101,
    kPngNoMemory = 102,
};

// SavePngFile codes.
enum PngSaveCode : BYTE {
    kPngSaved = 1,
    kPngCannotCreate = 4,
    kPngWriteFailed = 8,
};

class CPngCodec {
public:
    CPngCodec() = default;
    ~CPngCodec();
    CPngCodec(const CPngCodec&) = delete;
    CPngCodec& operator=(const CPngCodec&) = delete;

    // Reads an 8-bit palette or RGB PNG from the stream's position. On 1,
    // infoOut and bitsOut receive new blocks (the caller owns them) and
    // headerArea (124 bytes) the 40-byte header of a bottom-up DIB.
    int ReadPng(std::FILE* file, BITMAPINFO** infoOut, BYTE* headerArea, BYTE** bitsOut,
        CPngTransparency* transparency);
    // Writes an 8, 24 or 32-bit BI_RGB DIB (bottom-up unless its height is
    // negative); the fourth byte of 32-bit pixels is dropped.
    int WritePng(std::FILE* file, const BYTE* bits, const BITMAPINFOHEADER* infoHeader,
        const RGBQUAD* colorTable, const CPngTransparency* transparency);

    BYTE code = kPngRead;

private:
    BYTE* m_palette = nullptr;  // 256 RGB entries of the writer
};

// Writes the source as a PNG file with its transparency record. sourceKind 0
// writes the DIB pixels; 1 and 2 the drawing surface (the record's palette
// key then becomes a colour key). 1 written, 0 failed with a code above; a
// failed save leaves no file.
int SavePngFile(const QString& path, const DibSaveSource& source, int sourceKind,
    CPngTransparency* transparency, BYTE* code);
