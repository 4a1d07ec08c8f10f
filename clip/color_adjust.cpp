#include "clip/color_adjust.h"

#include "imaging/dib_accessor.h"
#include "imaging/dib_helpers.h"
#include "imaging/dib_row_fit.h"

#include <algorithm>
#include <new>

BYTE AdjustChannel(int v, int offset)
{
    return static_cast<BYTE>(std::clamp(v + offset, 0, 255));
}

std::size_t CColorAdjust::RequiredSize() const
{
    if (!image || image->width <= 0 || image->height <= 0)
        return 0;
    if (image->bitCount == 8)
        return kPaletteBytes;
    if (!DibRowFits(image->bitCount, image->width))
        return 0;
    return static_cast<std::size_t>(GetDibStride(image->bitCount, image->width)) * image->height;
}

BYTE* CColorAdjust::AllocSaved()
{
    FreeSaved();
    const std::size_t size = RequiredSize();
    if (size == 0)
        return nullptr;
    saved.reset(new (std::nothrow) BYTE[size]);
    if (!saved)
        return nullptr;
    savedSize = size;
    savedWidth = image->width;
    savedHeight = image->height;
    savedBitCount = image->bitCount;
    return saved.get();
}

void CColorAdjust::FreeSaved()
{
    saved.reset();
    savedSize = 0;
    savedWidth = savedHeight = savedBitCount = 0;
}

bool CColorAdjust::CopyFitsImage() const
{
    return image && saved && image->width == savedWidth && image->height == savedHeight &&
        image->bitCount == savedBitCount && savedSize == RequiredSize();
}

void CColorAdjust::Reset()
{
    FreeSaved();
    redOffset = greenOffset = blueOffset = 0;
    image = nullptr;
}

int CColorAdjust::SetOffsets(int value, int channels)
{
    // Offsets stay within -127..127 (which also keeps their mean exact).
    value = std::clamp(value, -kMaxOffset, kMaxOffset);
    int changed = 0;
    const auto set = [&](int& offset, int bit) {
        if ((channels & bit) != 0 && offset != value) {
            offset = value;
            changed = 1;
        }
    };
    set(redOffset, kRed);
    set(greenOffset, kGreen);
    set(blueOffset, kBlue);
    return changed;
}

void CColorAdjust::ApplyToPixels(BYTE* dst) const
{
    // A copy made for another size (the image was rotated since) is not used.
    if (!dst || !CopyFitsImage() || image->bitCount == 8)
        return;
    const int n = image->bitCount / 8;
    const std::size_t stride = GetDibStride(image->bitCount, image->width);
    // The fourth byte moves by the mean offset, truncated toward zero.
    const int mean = (greenOffset + redOffset + blueOffset) / 3;
    for (int y = 0; y < image->height; ++y) {
        const BYTE* s = saved.get() + y * stride;
        BYTE* d = dst + y * stride;
        for (int x = 0; x < image->width; ++x, s += n, d += n) {
            d[0] = AdjustChannel(s[0], blueOffset);
            d[1] = AdjustChannel(s[1], greenOffset);
            d[2] = AdjustChannel(s[2], redOffset);
            if (n == 4)
                d[3] = AdjustChannel(s[3], mean);
        }
    }
}

void CColorAdjust::ApplyToPalette(RGBQUAD* dst) const
{
    if (!dst || !CopyFitsImage() || image->bitCount != 8)
        return;
    const RGBQUAD* s = reinterpret_cast<const RGBQUAD*>(saved.get());
    for (int i = 0; i < 256; ++i) {
        dst[i].rgbBlue = AdjustChannel(s[i].rgbBlue, blueOffset);
        dst[i].rgbGreen = AdjustChannel(s[i].rgbGreen, greenOffset);
        dst[i].rgbRed = AdjustChannel(s[i].rgbRed, redOffset);
        dst[i].rgbReserved = s[i].rgbReserved;
    }
}
