// Device-independent bitmaps: conversion between packed DIB rows (1, 4 and
// 8 bits with a colour table, 16, 24 and 32 bits; bottom-up or top-down) and
// the RGB32 images that bitmaps and surfaces are, and the platform's DIB calls.
#pragma once

#include "platform/gdi/gdi.h"

// Bytes per row of a DIB: rows are padded to a multiple of 4 bytes.
DWORD DibStride(LONG width, WORD bitCount);
// The image a DIB describes (top row first); null when the header is not
// one this layer reads or `bits` is null.
QImage ImageFromDib(const BITMAPINFO* info, const void* bits);
// Writes the image a DIB describes into a bitmap of the same size, in its own
// memory (a picture shown again after a change, or the next one of the same
// size, needs no fresh block); false, bitmap unchanged, when the sizes differ
// or the header is not one this layer reads.
bool RefillBitmapFromDib(HBITMAP bitmap, const BITMAPINFO* info, const void* bits);
// Writes `lines` rows from `start` (counted from the DIB's first stored row)
// of image into bits at info's bit count (24 or 32); returns the rows written.
int WriteDibRows(const QImage& image, const BITMAPINFO* info, UINT start, UINT lines, void* bits);

HBITMAP CreateDIBitmap(
    HDC dc, const BITMAPINFOHEADER* header, DWORD init, const void* bits, const BITMAPINFO* info, UINT usage);
// With bits null: fills info's header (size, planes, image size) for the bitmap and returns 1.
int GetDIBits(HDC dc, HBITMAP bitmap, UINT start, UINT lines, void* bits, BITMAPINFO* info, UINT usage);
int SetDIBitsToDevice(HDC dc, int x, int y, DWORD w, DWORD h, int xSrc, int ySrc, UINT start, UINT lines,
    const void* bits, const BITMAPINFO* info, UINT usage);
int StretchDIBits(HDC dc, int x, int y, int w, int h, int xSrc, int ySrc, int wSrc, int hSrc,
    const void* bits, const BITMAPINFO* info, UINT usage, DWORD rop);
