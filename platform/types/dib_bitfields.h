// Pixels of 16 and 32-bit DIBs described by bit-field masks.
#pragma once

#include "platform/types/types.h"

#include <bit>
#include <cstdint>

// The bits of pixel under mask, scaled to 0..255; 0 for an empty mask.
inline int ScaleMaskedChannel(DWORD pixel, DWORD mask)
{
    if (mask == 0)
        return 0;
    const int shift = std::countr_zero(mask);
    const std::uint64_t top = mask >> shift;
    return static_cast<int>(((pixel & mask) >> shift) * std::uint64_t{255} / top);
}
