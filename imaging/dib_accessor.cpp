#include "imaging/dib_accessor.h"

#include "imaging/dib_helpers.h"
#include "imaging/image_messages.h"

void CDibAccessor::UpdateRowSize()
{
    if (width != 0 && bitCount != 0)
        rowSize = GetDibStride(bitCount, width);
}

void CDibAccessor::SetWidth(int w)
{
    width = w;
    boundWidth = w;
    UpdateRowSize();
}

void CDibAccessor::SetHeight(int h)
{
    height = h;
    boundHeight = h;
}

void CDibAccessor::SetBitCount(int bpp)
{
    bitCount = bpp;
    UpdateRowSize();
}

void CDibAccessor::SetClipSize(int l, int t, int r, int b)
{
    clipWidth = r - l;
    clipHeight = b - t;
}

BYTE* CDibAccessor::GetPixelPtr(int x, int y) const
{
    if (bits == nullptr)
        return nullptr;
    if (x < 0 || x >= boundWidth || y < 0 || y >= boundHeight) {
        ShowImageMessage(QStringLiteral("internal error!! : out of range."));
        return bits;
    }
    std::size_t offset = 0;
    switch (bitCount) {
    case 1:
        offset = static_cast<std::size_t>(x) / 8;
        break;
    case 4:
        offset = static_cast<std::size_t>(x) / 2;
        break;
    case 8:
        offset = static_cast<std::size_t>(x);
        break;
    case 24:
        offset = static_cast<std::size_t>(x) * 3;
        break;
    case 32:
        offset = static_cast<std::size_t>(x) * 4;
        break;
    default:
        break;
    }
    const std::size_t row = static_cast<std::size_t>(height - 1 - y);
    return bits + row * rowSize + offset;
}

COLORREF CDibAccessor::GetPixel(int x, int y) const
{
    const BYTE* p = GetPixelPtr(x, y);
    if (p == nullptr)
        return 0;
    // An out-of-range position was answered with the first pixel of the block.
    const int px = (x >= 0 && x < boundWidth && y >= 0 && y < boundHeight) ? x : 0;
    int index = -1;
    switch (bitCount) {
    case 24:
    case 32:
        return RGB(p[2], p[1], p[0]);
    case 1:
        index = (*p >> (7 - px % 8)) & 1;
        break;
    case 4:
        index = (px % 2 == 0) ? (*p >> 4) : (*p & 0x0F);
        break;
    case 8:
        index = *p;
        break;
    default:
        return 0;
    }
    if (palette == nullptr)
        return 0;
    const RGBQUAD& entry = palette[index];
    return RGB(entry.rgbRed, entry.rgbGreen, entry.rgbBlue);
}
