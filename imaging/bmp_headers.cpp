#include "imaging/bmp_file.h"

#include "imaging/dib_helpers.h"
#include "platform/types/little_endian.h"

#include <cstdlib>
#include <cstring>

BmpHeaderCheck CheckBmpHeaders(const BYTE* head, std::size_t headSize, std::uint64_t fileLength, int maxWidth,
    int maxHeight, BmpLayout* layout)
{
    if (headSize < 18)
        return BmpHeaderCheck::Structure;
    BITMAPFILEHEADER fh;
    std::memcpy(&fh, head, sizeof fh);
    const DWORD storedSize = ReadLe<DWORD>(head + 14);
    const DWORD headerSize = NormalizeInfoHeaderSize(storedSize);
    if (headSize < 14 + static_cast<std::size_t>(headerSize))
        return BmpHeaderCheck::Structure;
    BITMAPINFOHEADER ih;
    std::memcpy(&ih, head + 14, sizeof ih);

    const int bpp = ih.biBitCount;
    if (fh.bfType != kBitmapFileType || ih.biPlanes != 1 ||
        (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24 && bpp != 32))
        return BmpHeaderCheck::Structure;
    if (IsUnsupportedBpp(bpp) || ih.biCompression != BI_RGB)
        return BmpHeaderCheck::Unsupported;
    if (ih.biWidth <= 0 || ih.biHeight == 0 || ih.biHeight == INT32_MIN)
        return BmpHeaderCheck::Unsupported;
    const int height = std::abs(ih.biHeight);
    if (ih.biWidth > maxWidth || height > maxHeight)
        return BmpHeaderCheck::TooLarge;

    const std::uint32_t stride = GetDibStride(bpp, ih.biWidth);
    const std::uint64_t pixelBytes = static_cast<std::uint64_t>(stride) * static_cast<std::uint64_t>(height);
    // The header as stored (at least 40 bytes) precedes the table and the rows.
    const std::uint64_t tableOffset = 14 + std::max<std::uint64_t>(storedSize, 40);
    if (pixelBytes > 0xFFFFFFFFull - 1078 || fh.bfOffBits < tableOffset)
        return BmpHeaderCheck::Truncated;
    if (static_cast<std::uint64_t>(fh.bfOffBits) + pixelBytes > fileLength)
        return BmpHeaderCheck::Truncated;

    layout->width = ih.biWidth;
    layout->height = height;
    layout->topDown = ih.biHeight < 0;
    layout->bpp = bpp;
    layout->stride = stride;
    layout->pixelOffset = fh.bfOffBits;
    layout->pixelBytes = static_cast<std::uint32_t>(pixelBytes);
    layout->tableOffset = tableOffset;
    layout->tableBytes =
        bpp == 8 ? static_cast<std::uint32_t>(std::min<std::uint64_t>(1024, fh.bfOffBits - tableOffset)) : 0;
    return BmpHeaderCheck::Ok;
}

int HasRoomForBmp(std::uint64_t freeMB, DWORD fileSize)
{
    const auto usable = static_cast<std::uint64_t>(static_cast<double>(freeMB) / 1.1);
    return usable < (fileSize >> 20) ? 0 : 1;
}
