// Nearest-neighbour scaling of 8-, 24- and 32-bit DIB rows, and the resized
// copy of an image built from it in a clip slot.
#pragma once

#include "imaging/dib_save_source.h"
#include "platform/types/types.h"

#include <cstddef>
#include <cstdint>
#include <memory>

class CClipImageSlot;

class CDibResampler {
public:
    CDibResampler() = default;
    CDibResampler(const CDibResampler&) = delete;
    CDibResampler& operator=(const CDibResampler&) = delete;

    void Reset();
    // Scales src (srcWidth x srcHeight, rows padded to 4 bytes) into the
    // result block, keeping the row order. Every destination pixel is taken
    // from the source pixel whose span covers it first: destination j comes
    // from the first source i with floor(i x dst / src) = j, or, where no
    // source lands on j, from the last source before it. 1 done; 0 for a bit
    // count other than 8, 24 and 32, an empty size, or no memory.
    int Resample(int bpp, const BYTE* src, int srcWidth, int srcHeight, int dstWidth, int dstHeight);

    const BYTE* Result() const { return result.get(); }
    std::size_t ResultSize() const { return resultSize; }

    int columnCursor = -1;  // byte offset of the last pixel written in a row
    int rowCursor = -1;     // the last destination row written
    double xScale = 1.0;
    double yScale = 1.0;

private:
    std::unique_ptr<BYTE[]> result;
    std::size_t resultSize = 0;
};

// The source index each destination index is taken from (see Resample).
int NearestSourceIndex(std::int64_t dst, std::int64_t srcCount, std::int64_t dstCount);

// Result codes of CreateResizedImage.
enum : int {
    kResizeDone = 1,
    kResizeNoImage = 3,  // the new image or its bitmap could not be made
    kResizeFailed = 5,   // the resampling failed
};

// Builds in slot a copy of source resized from srcSize to dstSize, with fresh
// headers (the source's resolution and bit count, the canonical pixel
// offset), the colour table at 8 bits, and its bitmap. 1 or 0, with *code.
int CreateResizedImage(
    CClipImageSlot* slot, const DibSaveSource& source, SIZE srcSize, SIZE dstSize, int* code);
