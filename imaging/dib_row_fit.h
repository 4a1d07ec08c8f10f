// Whether the rows of a DIB of some width can be addressed at all: the
// padded row size is a 32-bit number, which a width beyond about a billion
// pixels would wrap to a size smaller than the row's own pixels.
#pragma once

#include "imaging/dib_helpers.h"

#include <cstdint>

// True for a width above 0 whose padded row (GetDibStride) holds all its
// pixels at a supported depth.
inline bool DibRowFits(int bpp, int width)
{
    if (width <= 0)
        return false;
    const std::uint64_t pixels =
        (static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(bpp) + 7) / 8;
    const std::uint32_t stride = GetDibStride(bpp, width);
    return stride != 0 && stride >= pixels;
}
