// A non-owning view of a bottom-up DIB held elsewhere: pixel addresses and
// colours by picture coordinates (y counted from the top).
#pragma once

#include "platform/types/dib_types.h"

#include <cstdint>

class CDibAccessor {
public:
    void Reset() { *this = CDibAccessor(); }
    void SetWidth(int w);
    void SetHeight(int h);
    void SetBitCount(int bpp);
    void SetBits(BYTE* p) { bits = p; }
    void SetPalette(const RGBQUAD* p) { palette = p; }
    void SetClipSize(int l, int t, int r, int b);

    // Address of pixel (x, y); null without pixels. A position outside the
    // picture is reported and answered with the start of the block.
    BYTE* GetPixelPtr(int x, int y) const;
    // The pixel's colour (red in the low byte); table entries at 1, 4 and 8 bits.
    COLORREF GetPixel(int x, int y) const;

    int width = 0;
    int height = 0;
    int bitCount = 0;
    BYTE* bits = nullptr;
    const RGBQUAD* palette = nullptr;
    int boundWidth = 0;
    int boundHeight = 0;
    int clipWidth = 0;
    int clipHeight = 0;
    std::uint32_t rowSize = 0;

private:
    void UpdateRowSize();
};
