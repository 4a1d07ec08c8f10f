#include "imaging/dib_helpers.h"

#include "imaging/image_settings.h"
#include "platform/gdi/gdi_dib.h"

#include <QImage>
#include <cstdlib>
#include <cstring>

std::uint32_t GetDibStride(int bpp, int width)
{
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24 && bpp != 32)
        return 0;
    return DibStride(width, static_cast<WORD>(bpp));
}

std::uint32_t GetRowPadding(int bpp, int width)
{
    const std::uint32_t stride = GetDibStride(bpp, width);
    if (stride == 0 || bpp == 32)
        return 0;
    const std::uint64_t used = (static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(bpp) + 7) / 8;
    return static_cast<std::uint32_t>(stride - used);
}

DWORD NormalizeInfoHeaderSize(DWORD size)
{
    return (size == 40 || size == 108 || size == 124) ? size : 40;
}

bool IsTrueColorBpp(int bpp)
{
    return bpp == 24 || bpp == 32;
}

bool IsUnsupportedBpp(int bpp)
{
    return bpp != 8 && bpp != 24 && bpp != 32;
}

std::uint32_t ColorTableBytes(int bpp)
{
    if (bpp == 1 || bpp == 4 || bpp == 8)
        return 4u << bpp;
    return 0;
}

void CopyInfoHeader(BITMAPINFOHEADER* dst, const BITMAPINFOHEADER* src)
{
    std::memmove(dst, src, sizeof(BITMAPINFOHEADER));
    dst->biSize = 40;
}

int InitDibHeaders(BITMAPFILEHEADER* fileHeader, BITMAPINFOHEADER* infoHeader, int w, int h, int bpp,
    DWORD offset, LONG xPpm, LONG yPpm)
{
    if (IsUnsupportedBpp(bpp) || w <= 0 || h <= 0)
        return 0;
    const DWORD headerSize = NormalizeInfoHeaderSize(infoHeader->biSize);
    if (offset == 0)
        offset = IsTrueColorBpp(bpp) ? headerSize + 14 : 14 + 40 + 1024;
    const std::uint64_t imageSize = static_cast<std::uint64_t>(h) * GetDibStride(bpp, w);
    if (imageSize + offset > 0xFFFFFFFFull)
        return 0;
    const LONG defaultPpm = (xPpm == 0 || yPpm == 0) ? BmpDpiPixelsPerMeter() : 0;

    fileHeader->bfType = kBitmapFileType;
    fileHeader->bfSize = static_cast<DWORD>(offset + imageSize);
    fileHeader->bfReserved1 = 0;
    fileHeader->bfReserved2 = 0;
    fileHeader->bfOffBits = offset;

    infoHeader->biSize = headerSize;
    infoHeader->biWidth = w;
    infoHeader->biHeight = h;
    infoHeader->biPlanes = 1;
    infoHeader->biBitCount = static_cast<WORD>(bpp);
    infoHeader->biCompression = BI_RGB;
    infoHeader->biSizeImage = static_cast<DWORD>(imageSize);
    infoHeader->biXPelsPerMeter = xPpm != 0 ? xPpm : defaultPpm;
    infoHeader->biYPelsPerMeter = yPpm != 0 ? yPpm : defaultPpm;
    infoHeader->biClrUsed = 0;
    infoHeader->biClrImportant = 0;
    return 1;
}

void Copy32To24Rows(int w, int h, BYTE* dst, const BYTE* src)
{
    const std::uint32_t srcStride = GetDibStride(32, w);
    const std::uint32_t dstStride = GetDibStride(24, w);
    for (int y = 0; y < h; ++y) {
        const BYTE* s = src + static_cast<std::size_t>(y) * srcStride;
        BYTE* d = dst + static_cast<std::size_t>(y) * dstStride;
        for (int x = 0; x < w; ++x) {
            d[0] = s[0];
            d[1] = s[1];
            d[2] = s[2];
            d += 3;
            s += 4;
        }
        for (std::uint32_t pad = static_cast<std::uint32_t>(w) * 3; pad < dstStride; ++pad)
            *d++ = 0;
    }
}

LONG BmpDpiPixelsPerMeter()
{
    return ImageDpiToPixelsPerMeter(ImageSettingBmpDpi());
}

BYTE* CreateDibForBitmap(HBITMAP bitmap)
{
    if (bitmap == nullptr || bitmap->image.isNull())
        return nullptr;
    const QImage image = bitmap->image.convertToFormat(QImage::Format_BGR888);
    BITMAPFILEHEADER fh{};
    BITMAPINFOHEADER ih{};
    if (!InitDibHeaders(&fh, &ih, image.width(), image.height(), 24, 0, 0, 0))
        return nullptr;
    auto* dib = static_cast<BYTE*>(std::calloc(fh.bfSize, 1));
    if (dib == nullptr)
        return nullptr;
    std::memcpy(dib, &fh, sizeof fh);
    std::memcpy(dib + sizeof fh, &ih, sizeof ih);
    const std::uint32_t stride = GetDibStride(24, image.width());
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(dib + fh.bfOffBits + static_cast<std::size_t>(image.height() - 1 - y) * stride,
            image.constScanLine(y), static_cast<std::size_t>(image.width()) * 3);
    return dib;
}
