// Row sizes and header builders shared by every holder of a packed DIB, the
// clip slots and the file writers.
#pragma once

#include "platform/gdi/gdi_objects.h"
#include "platform/types/dib_types.h"

#include <cstdint>

constexpr WORD kBitmapFileType = 0x4D42;  // "BM"

// Bytes of one row padded to a multiple of 4; 0 for a depth other than 1, 4,
// 8, 24 and 32 (callers read 0 as "unsupported").
std::uint32_t GetDibStride(int bpp, int width);
// Padding bytes at the end of a row: 0 at 32 bits and for unknown depths.
std::uint32_t GetRowPadding(int bpp, int width);
// 40, 108 and 124 stay; any other info-header size reads as 40.
DWORD NormalizeInfoHeaderSize(DWORD size);
bool IsTrueColorBpp(int bpp);
bool IsUnsupportedBpp(int bpp);
// Bytes of colour table that belong to a depth: 4 x 2^bpp below 24 bits, else 0.
std::uint32_t ColorTableBytes(int bpp);
// Copies the 40-byte info header; the copy's biSize is 40.
void CopyInfoHeader(BITMAPINFOHEADER* dst, const BITMAPINFOHEADER* src);
// Fills both headers for a bottom-up BI_RGB image of 8, 24 or 32 bits. An
// offset of 0 picks the canonical pixel offset, a resolution of 0 the BMP_dpi
// setting. Returns 1, or 0 for any other depth or a size that does not fit.
int InitDibHeaders(BITMAPFILEHEADER* fileHeader, BITMAPINFOHEADER* infoHeader, int w, int h, int bpp,
    DWORD offset, LONG xPpm, LONG yPpm);
// Copies blue, green, red of every 32-bit pixel into 24-bit rows; dst may be
// src (the rows are then converted where they lie).
void Copy32To24Rows(int w, int h, BYTE* dst, const BYTE* src);
// A new packed DIB (file header, info header, rows) of the bitmap's picture
// at 24 bits (the platform's bitmaps hold 32-bit colour), with the BMP_dpi
// resolution; null when memory runs out or there is no bitmap. The caller
// releases it with std::free.
BYTE* CreateDibForBitmap(HBITMAP bitmap);
// Pixels per metre of the BMP_dpi setting.
LONG BmpDpiPixelsPerMeter();
