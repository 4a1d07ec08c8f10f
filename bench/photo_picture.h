// A photograph-like 24-bit picture for the benchmarks: smooth gradients with
// a little noise, so that codecs and scalers meet the work of a real photo.
#pragma once

#include "imaging/dib_helpers.h"
#include "imaging/load_bitmap.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

// Makes the headers and bits of `picture`; the noise runs from -noise to
// noise - 1 around the gradients (noise a power of two).
inline void MakePhotoLikePicture(CLoadBitmap& picture, int width, int height, int noise)
{
    InitDibHeaders(&picture.fileHeader, &picture.infoHeader, width, height, 24, 0, 0, 0);
    picture.AllocInfo();
    picture.AllocBits();
    CopyInfoHeader(&picture.info->bmiHeader, &picture.infoHeader);
    const std::uint32_t stride = GetDibStride(24, width);
    const std::uint32_t mask = static_cast<std::uint32_t>(2 * noise - 1);
    std::uint32_t seed = 12345;
    for (int y = 0; y < height; ++y) {
        BYTE* row = picture.bits + static_cast<std::size_t>(y) * stride;
        for (int x = 0; x < width; ++x) {
            seed = seed * 1103515245 + 12345;
            const int grain = static_cast<int>((seed >> 16) & mask) - noise;
            row[x * 3] = static_cast<BYTE>(std::clamp(x * 255 / width + grain, 0, 255));
            row[x * 3 + 1] = static_cast<BYTE>(std::clamp(y * 255 / height + grain, 0, 255));
            row[x * 3 + 2] = static_cast<BYTE>(std::clamp(((x + y) / 16) % 256 + grain, 0, 255));
        }
    }
}
