#include "platform/gdi/gdi_dib.h"
#include "platform/gdi/gdi_dc.h"
#include "platform/system/picture_block.h"
#include "platform/types/dib_bitfields.h"
#include "platform/types/little_endian.h"

#include <cstdint>
#include <cstring>

DWORD DibStride(LONG width, WORD bitCount)
{
    if (width <= 0)
        return 0;
    return static_cast<DWORD>(((static_cast<std::uint64_t>(width) * bitCount + 31) / 32) * 4);
}

namespace {

QRgb PaletteColor(const BITMAPINFO* info, unsigned index)
{
    const DWORD used =
        info->bmiHeader.biClrUsed ? info->bmiHeader.biClrUsed : (1u << info->bmiHeader.biBitCount);
    if (index >= used)
        return 0xFF000000u;
    const RGBQUAD& q = info->bmiColors[index];
    return qRgb(q.rgbRed, q.rgbGreen, q.rgbBlue);
}

// Channel masks of a 16- or 32-bit DIB: the three DWORDs after the header
// with BI_BITFIELDS, else the platform's defaults (5-5-5 and 8-8-8).
struct ChannelMasks {
    DWORD red, green, blue;
};

ChannelMasks MasksOf(const BITMAPINFO* info)
{
    const BITMAPINFOHEADER& h = info->bmiHeader;
    if (h.biCompression == BI_BITFIELDS) {
        DWORD m[3];
        std::memcpy(m, info->bmiColors, sizeof m);
        return {m[0], m[1], m[2]};
    }
    if (h.biBitCount == 16)
        return {0x7C00, 0x03E0, 0x001F};
    return {0xFF0000, 0x00FF00, 0x0000FF};
}

bool Readable(const BITMAPINFOHEADER& h)
{
    const WORD bpp = h.biBitCount;
    const bool knownDepth = bpp == 1 || bpp == 4 || bpp == 8 || bpp == 16 || bpp == 24 || bpp == 32;
    const bool plain =
        h.biCompression == BI_RGB || (h.biCompression == BI_BITFIELDS && (bpp == 16 || bpp == 32));
    return knownDepth && plain && h.biWidth > 0 && h.biHeight != 0 && h.biWidth <= 65535 &&
        std::abs(static_cast<long long>(h.biHeight)) <= 65535;
}

// One stored row of a DIB as `width` RGB32 pixels. The depth is chosen once
// per row: the inner loops are the hot part of showing a large picture.
void ConvertDibRow(const BITMAPINFO* info, const ChannelMasks& masks, const uchar* row, QRgb* out, int width)
{
    switch (info->bmiHeader.biBitCount) {
    case 1:
        for (int x = 0; x < width; ++x)
            out[x] = PaletteColor(info, (row[x / 8] >> (7 - x % 8)) & 1);
        break;
    case 4:
        for (int x = 0; x < width; ++x)
            out[x] = PaletteColor(info, (row[x / 2] >> (x % 2 ? 0 : 4)) & 0xF);
        break;
    case 8:
        for (int x = 0; x < width; ++x)
            out[x] = PaletteColor(info, row[x]);
        break;
    case 16:
        for (int x = 0; x < width; ++x) {
            const DWORD v = row[2 * x] | (row[2 * x + 1] << 8);
            out[x] = qRgb(ScaleMaskedChannel(v, masks.red), ScaleMaskedChannel(v, masks.green),
                ScaleMaskedChannel(v, masks.blue));
        }
        break;
    case 24:
        for (int x = 0; x < width; ++x, row += 3)
            out[x] = qRgb(row[2], row[1], row[0]);
        break;
    default:
        for (int x = 0; x < width; ++x) {
            const DWORD v = ReadLe<DWORD>(row + 4 * x);
            out[x] = qRgb(ScaleMaskedChannel(v, masks.red), ScaleMaskedChannel(v, masks.green),
                ScaleMaskedChannel(v, masks.blue));
        }
        break;
    }
}

// Writes the first `height` stored rows of a DIB into image (as wide as the
// DIB, `height` rows), top row first.
void ConvertDibRows(const BITMAPINFO* info, const void* bits, int height, QImage& image)
{
    const BITMAPINFOHEADER& h = info->bmiHeader;
    const int width = h.biWidth;
    const bool bottomUp = h.biHeight > 0;
    const DWORD stride = DibStride(width, h.biBitCount);
    const ChannelMasks masks = MasksOf(info);
    const auto* base = static_cast<const uchar*>(bits);
    for (int y = 0; y < height; ++y) {
        const uchar* row = base + std::size_t(bottomUp ? height - 1 - y : y) * stride;
        ConvertDibRow(info, masks, row, reinterpret_cast<QRgb*>(image.scanLine(y)), width);
    }
}

// The first `height` stored rows of a DIB as an image, top row first.
QImage ReadDibRows(const BITMAPINFO* info, const void* bits, int height)
{
    if (!info || !bits || !Readable(info->bmiHeader))
        return {};
    QImage image = NewPictureImage(info->bmiHeader.biWidth, height);
    if (image.isNull())
        return {};
    ConvertDibRows(info, bits, height, image);
    return image;
}

int DibHeight(const BITMAPINFO* info)
{
    return static_cast<int>(std::abs(static_cast<long long>(info->bmiHeader.biHeight)));
}

}  // namespace

QImage ImageFromDib(const BITMAPINFO* info, const void* bits)
{
    if (!info)
        return {};
    return ReadDibRows(info, bits, DibHeight(info));
}

bool RefillBitmapFromDib(HBITMAP bitmap, const BITMAPINFO* info, const void* bits)
{
    if (!bitmap || !info || !bits || !Readable(info->bmiHeader))
        return false;
    QImage& image = bitmap->image;
    if (image.format() != QImage::Format_RGB32 || image.width() != info->bmiHeader.biWidth ||
        image.height() != DibHeight(info))
        return false;
    ConvertDibRows(info, bits, image.height(), image);
    return true;
}

int WriteDibRows(const QImage& image, const BITMAPINFO* info, UINT start, UINT lines, void* bits)
{
    if (!info || !bits || image.isNull())
        return 0;
    const BITMAPINFOHEADER& h = info->bmiHeader;
    if (h.biBitCount != 24 && h.biBitCount != 32)
        return 0;
    const QImage rgb =
        image.format() == QImage::Format_RGB32 ? image : image.convertToFormat(QImage::Format_RGB32);
    const int width = std::min<int>(h.biWidth, rgb.width());
    const int height = rgb.height();
    const bool bottomUp = h.biHeight > 0;
    const DWORD stride = DibStride(h.biWidth, h.biBitCount);
    int written = 0;
    for (UINT i = 0; i < lines && start + i < static_cast<UINT>(height); ++i) {
        const int stored = static_cast<int>(start + i);
        const int y = bottomUp ? height - 1 - stored : stored;
        const auto* in = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        auto* out = static_cast<uchar*>(bits) + std::size_t(i) * stride;
        std::memset(out, 0, stride);
        for (int x = 0; x < width; ++x) {
            uchar* p = out + x * (h.biBitCount / 8);
            p[0] = static_cast<uchar>(qBlue(in[x]));
            p[1] = static_cast<uchar>(qGreen(in[x]));
            p[2] = static_cast<uchar>(qRed(in[x]));
        }
        ++written;
    }
    return written;
}

HBITMAP CreateDIBitmap(
    HDC, const BITMAPINFOHEADER* header, DWORD init, const void* bits, const BITMAPINFO* info, UINT)
{
    if (!header || header->biWidth <= 0 || header->biHeight == 0)
        return nullptr;
    if (init & CBM_INIT) {
        QImage image = ImageFromDib(info, bits);
        if (image.isNull())
            return nullptr;
        auto* b = new GdiBitmap;
        b->image = std::move(image);
        return b;
    }
    return CreateCompatibleBitmap(nullptr, header->biWidth, static_cast<int>(std::abs(header->biHeight)));
}

int GetDIBits(HDC, HBITMAP bitmap, UINT start, UINT lines, void* bits, BITMAPINFO* info, UINT)
{
    if (!bitmap || !info)
        return 0;
    BITMAPINFOHEADER& h = info->bmiHeader;
    if (!bits) {
        h.biSize = sizeof(BITMAPINFOHEADER);
        if (h.biBitCount == 0)
            h.biBitCount = 32;
        h.biWidth = bitmap->image.width();
        h.biHeight = bitmap->image.height();
        h.biPlanes = 1;
        h.biCompression = BI_RGB;
        h.biSizeImage = DibStride(h.biWidth, h.biBitCount) * static_cast<DWORD>(bitmap->image.height());
        return 1;
    }
    return WriteDibRows(bitmap->image, info, start, lines, bits);
}

namespace {

// The image rows a DIB source rectangle covers: ySrc counts from the bottom of a bottom-up DIB.
QRect SourceRect(const BITMAPINFO* info, int height, int xSrc, int ySrc, int w, int h)
{
    const int top = info->bmiHeader.biHeight > 0 ? height - ySrc - h : ySrc;
    return QRect(xSrc, top, w, h);
}

}  // namespace

int SetDIBitsToDevice(HDC dc, int x, int y, DWORD w, DWORD h, int xSrc, int ySrc, UINT start, UINT lines,
    const void* bits, const BITMAPINFO* info, UINT)
{
    if (!dc || !info || !Readable(info->bmiHeader))
        return 0;
    // bits hold only the stored rows start .. start + lines - 1: that band is
    // read and placed where it lies in the whole DIB.
    const int height = static_cast<int>(std::abs(static_cast<long long>(info->bmiHeader.biHeight)));
    if (start >= static_cast<UINT>(height) || lines == 0)
        return 0;
    const int band = static_cast<int>(std::min<UINT>(lines, static_cast<UINT>(height) - start));
    const QImage image = ReadDibRows(info, bits, band);
    if (image.isNull())
        return 0;
    const bool bottomUp = info->bmiHeader.biHeight > 0;
    const int bandTop = bottomUp ? height - static_cast<int>(start) - band : static_cast<int>(start);
    GdiDc source;
    source.target = const_cast<QImage*>(&image);
    const QRect r = SourceRect(info, height, xSrc, ySrc, static_cast<int>(w), static_cast<int>(h))
                        .translated(0, -bandTop);
    BitBlt(dc, x, y, static_cast<int>(w), static_cast<int>(h), &source, r.x(), r.y(), SRCCOPY);
    return band;
}

int StretchDIBits(HDC dc, int x, int y, int w, int h, int xSrc, int ySrc, int wSrc, int hSrc,
    const void* bits, const BITMAPINFO* info, UINT, DWORD rop)
{
    const QImage image = ImageFromDib(info, bits);
    if (!dc || image.isNull())
        return 0;
    GdiDc source;
    source.target = const_cast<QImage*>(&image);
    const QRect r = SourceRect(info, image.height(), xSrc, ySrc, wSrc, hSrc);
    if (!StretchBlt(dc, x, y, w, h, &source, r.x(), r.y(), wSrc, hSrc, rop))
        return 0;
    return image.height();
}
