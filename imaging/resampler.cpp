#include "imaging/resampler.h"

#include "imaging/clip_image_store.h"
#include "imaging/dib_helpers.h"
#include "imaging/dib_row_fit.h"

#include <cstring>
#include <new>
#include <vector>

int NearestSourceIndex(std::int64_t j, std::int64_t srcCount, std::int64_t dstCount)
{
    // The first source whose target floor(i x dst / src) reaches j ...
    const std::int64_t first = (j * srcCount + dstCount - 1) / dstCount;
    // ... lands on j unless its target is already beyond: then the one before.
    if (first >= srcCount || first * dstCount >= (j + 1) * srcCount)
        return static_cast<int>(first - 1);
    return static_cast<int>(first);
}

void CDibResampler::Reset()
{
    columnCursor = -1;
    rowCursor = -1;
    xScale = 1.0;
    yScale = 1.0;
    result.reset();
    resultSize = 0;
}

namespace {

template <int N> void CopyRow(BYTE* d, const BYTE* s, const std::uint32_t* offsets, int count)
{
    for (int x = 0; x < count; ++x) {
        const BYTE* p = s + offsets[x];
        if constexpr (N == 4) {
            std::memcpy(d, p, 4);
        } else if constexpr (N == 3) {
            d[0] = p[0];
            d[1] = p[1];
            d[2] = p[2];
        } else {
            d[0] = p[0];
        }
        d += N;
    }
}

}  // namespace

int CDibResampler::Resample(
    int bpp, const BYTE* src, int srcWidth, int srcHeight, int dstWidth, int dstHeight)
{
    Reset();
    if (bpp != 8 && bpp != 24 && bpp != 32)
        return 0;
    if (!src || srcHeight <= 0 || dstHeight <= 0 || !DibRowFits(bpp, srcWidth) || !DibRowFits(bpp, dstWidth))
        return 0;
    const std::uint32_t srcStride = GetDibStride(bpp, srcWidth);
    const std::uint32_t dstStride = GetDibStride(bpp, dstWidth);
    const std::uint64_t bytes = static_cast<std::uint64_t>(dstStride) * static_cast<std::uint64_t>(dstHeight);
    if (bytes > SIZE_MAX)
        return 0;
    result.reset(new (std::nothrow) BYTE[bytes]);
    if (!result)
        return 0;
    resultSize = static_cast<std::size_t>(bytes);
    xScale = static_cast<double>(dstWidth) / srcWidth;
    yScale = static_cast<double>(dstHeight) / srcHeight;

    // Source byte offset of every destination pixel, computed once.
    const int pixelBytes = bpp / 8;
    std::vector<std::uint32_t> offsets;
    try {
        offsets.resize(static_cast<std::size_t>(dstWidth));
    } catch (const std::bad_alloc&) {
        Reset();
        return 0;
    }
    for (int x = 0; x < dstWidth; ++x)
        offsets[x] = static_cast<std::uint32_t>(NearestSourceIndex(x, srcWidth, dstWidth)) * pixelBytes;

    const std::uint32_t rowBytes = static_cast<std::uint32_t>(dstWidth) * pixelBytes;
    BYTE* out = result.get();
    int lastSourceRow = -1;
    for (int y = 0; y < dstHeight; ++y) {
        BYTE* d = out + static_cast<std::size_t>(y) * dstStride;
        const int sy = NearestSourceIndex(y, srcHeight, dstHeight);
        if (sy == lastSourceRow) {
            // An enlargement repeats the row just made.
            std::memcpy(d, d - dstStride, dstStride);
            continue;
        }
        const BYTE* s = src + static_cast<std::size_t>(sy) * srcStride;
        if (pixelBytes == 4)
            CopyRow<4>(d, s, offsets.data(), dstWidth);
        else if (pixelBytes == 3)
            CopyRow<3>(d, s, offsets.data(), dstWidth);
        else
            CopyRow<1>(d, s, offsets.data(), dstWidth);
        std::memset(d + rowBytes, 0, dstStride - rowBytes);
        lastSourceRow = sy;
    }
    columnCursor = static_cast<int>(rowBytes) - pixelBytes;
    rowCursor = dstHeight - 1;
    return 1;
}

int CreateResizedImage(
    CClipImageSlot* slot, const DibSaveSource& source, SIZE srcSize, SIZE dstSize, int* code)
{
    int dummy = 0;
    int& c = code ? *code : dummy;
    c = kResizeDone;
    if (!slot || !source.infoHeader || !source.bits) {
        c = kResizeFailed;
        return 0;
    }
    const BITMAPINFOHEADER& in = *source.infoHeader;
    const int bpp = in.biBitCount;
    CDibResampler resampler;
    if (!resampler.Resample(bpp, source.bits, srcSize.cx, srcSize.cy, dstSize.cx, dstSize.cy)) {
        c = kResizeFailed;
        return 0;
    }
    // Fresh headers: the pixels follow the 40-byte header and the table.
    slot->infoHeader.biSize = sizeof(BITMAPINFOHEADER);
    if (!InitDibHeaders(&slot->fileHeader, &slot->infoHeader, dstSize.cx, dstSize.cy, bpp, 0,
            in.biXPelsPerMeter, in.biYPelsPerMeter)) {
        c = kResizeNoImage;
        return 0;
    }
    BITMAPINFO* block = slot->AllocColorTable();
    if (!block || !slot->AllocBits()) {
        c = kResizeNoImage;
        return 0;
    }
    CopyInfoHeader(&block->bmiHeader, &slot->infoHeader);
    if (bpp == 8) {
        // A source without its table keeps the zeroed one.
        if (source.info)
            std::memcpy(block->bmiColors, source.info->bmiColors, 256 * sizeof(RGBQUAD));
    }
    std::memcpy(slot->bits, resampler.Result(), resampler.ResultSize());
    if (!slot->CreateBitmap(source.memDC, 0)) {
        c = kResizeNoImage;
        return 0;
    }
    return 1;
}
