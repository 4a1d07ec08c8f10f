// The bare image holder: a packed DIB kept as its file header, a 124-byte
// info-header area, an owned BITMAPINFO block (40-byte header and colour
// table) and an owned pixel block of bfSize - bfOffBits bytes.
#pragma once

#include "platform/types/dib_types.h"

#include <cstdint>

class CLoadBitmap {
public:
    CLoadBitmap();
    virtual ~CLoadBitmap();
    CLoadBitmap(const CLoadBitmap&) = delete;
    CLoadBitmap& operator=(const CLoadBitmap&) = delete;

    virtual bool IsLoaded() const { return bits != nullptr; }
    // Releases the info block and the pixels.
    virtual void Free();

    void FreeBits();
    // Allocates bfSize - bfOffBits bytes (zeroed); 1, or 0 when memory runs out
    // or the file header describes no pixels.
    int AllocBits();
    // Allocates 40 + the colour table of the header area's depth (44 bytes at
    // 24 and 32 bits); 1, or 0 when memory runs out.
    int AllocInfo();

    void GetSize(LONG* width, LONG* height) const;
    LONG GetShorterSide() const;
    // (0, 0, width, height) moved by (dx, dy); 0 without an info block.
    int GetImageRect(RECT* out, int dx, int dy) const;
    // The rectangle of a quarter turn placed at rect's top-left corner; 0
    // without an info block.
    int GetRotatedRect(RECT* out, const RECT& rect) const;
    RECT GetCenteredSquare(int edge) const;
    // Writes file header, 40-byte info header and the colour table into a
    // packed-DIB buffer of at least bfOffBits bytes. The table copied is never
    // longer than the one the info block holds; the rest up to bfOffBits is 0.
    void CopyHeadersTo(BYTE* buffer) const;

    // Byte count of the pixel block.
    std::uint32_t PixelBytes() const;
    // Byte count of the colour table inside the info block.
    std::uint32_t ColorTableSize() const { return infoSize > 40 ? infoSize - 40 : 0; }

    BYTE* bits = nullptr;
    BITMAPINFO* info = nullptr;
    BITMAPFILEHEADER fileHeader{};
    union {
        BITMAPINFOHEADER infoHeader{};
        BYTE infoHeaderArea[124];
    };
    std::uint32_t infoSize = 0;
    int showMessages = 1;

private:
    void ReleaseParts();
};
