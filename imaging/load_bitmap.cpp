#include "imaging/load_bitmap.h"

#include "imaging/dib_helpers.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

CLoadBitmap::CLoadBitmap()
{
    std::memset(infoHeaderArea, 0, sizeof infoHeaderArea);
}

CLoadBitmap::~CLoadBitmap()
{
    ReleaseParts();
}

void CLoadBitmap::ReleaseParts()
{
    std::free(info);
    info = nullptr;
    std::free(bits);
    bits = nullptr;
}

void CLoadBitmap::Free()
{
    ReleaseParts();
}

void CLoadBitmap::FreeBits()
{
    std::free(bits);
    bits = nullptr;
}

std::uint32_t CLoadBitmap::PixelBytes() const
{
    return fileHeader.bfSize > fileHeader.bfOffBits ? fileHeader.bfSize - fileHeader.bfOffBits : 0;
}

int CLoadBitmap::AllocBits()
{
    FreeBits();
    const std::uint32_t size = PixelBytes();
    if (size == 0)
        return 0;
    bits = static_cast<BYTE*>(std::calloc(size, 1));
    return bits != nullptr ? 1 : 0;
}

int CLoadBitmap::AllocInfo()
{
    std::free(info);
    info = nullptr;
    infoSize = 0;
    const int bpp = infoHeader.biBitCount;
    const std::uint32_t size = bpp < 24 ? 40 + (4u << std::min(bpp, 8)) : 44;
    info = static_cast<BITMAPINFO*>(std::calloc(size, 1));
    if (info == nullptr)
        return 0;
    infoSize = size;
    return 1;
}

void CLoadBitmap::GetSize(LONG* width, LONG* height) const
{
    *width = infoHeader.biWidth;
    *height = infoHeader.biHeight;
}

LONG CLoadBitmap::GetShorterSide() const
{
    return std::min(infoHeader.biWidth, infoHeader.biHeight);
}

int CLoadBitmap::GetImageRect(RECT* out, int dx, int dy) const
{
    if (info == nullptr)
        return 0;
    *out = RECT{dx, dy, infoHeader.biWidth + dx, infoHeader.biHeight + dy};
    return 1;
}

int CLoadBitmap::GetRotatedRect(RECT* out, const RECT& rect) const
{
    if (info == nullptr)
        return 0;
    const LONG w = rect.right - rect.left;
    const LONG h = rect.bottom - rect.top;
    *out = RECT{rect.left, rect.top, rect.left + h, rect.top + w};
    return 1;
}

RECT CLoadBitmap::GetCenteredSquare(int edge) const
{
    RECT r;
    r.left = std::max<LONG>(0, (infoHeader.biWidth - edge) / 2);
    r.top = std::max<LONG>(0, (infoHeader.biHeight - edge) / 2);
    r.right = r.left + edge;
    r.bottom = r.top + edge;
    return r;
}

void CLoadBitmap::CopyHeadersTo(BYTE* buffer) const
{
    std::memcpy(buffer, &fileHeader, sizeof fileHeader);
    BITMAPINFOHEADER header;
    CopyInfoHeader(&header, &infoHeader);
    std::memcpy(buffer + 14, &header, sizeof header);
    if (fileHeader.bfOffBits <= 54)
        return;
    const std::uint32_t tableRoom = fileHeader.bfOffBits - 54;
    const std::uint32_t copied = info != nullptr ? std::min(tableRoom, ColorTableSize()) : 0;
    if (copied > 0)
        std::memcpy(buffer + 54, info->bmiColors, copied);
    std::memset(buffer + 54 + copied, 0, tableRoom - copied);
}
