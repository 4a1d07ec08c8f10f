// Numbers at any byte position of a file image or a DIB, stored low byte
// first as every format this program reads stores them.
#pragma once

#include "platform/types/types.h"

#include <bit>
#include <cstring>

static_assert(std::endian::native == std::endian::little, "file images are read in host byte order");

// The T at p, which need not be aligned.
template <class T> T ReadLe(const BYTE* p)
{
    T value;
    std::memcpy(&value, p, sizeof value);
    return value;
}
