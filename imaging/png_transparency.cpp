#include "imaging/png_transparency.h"

#include <cstdlib>
#include <cstring>

CPngTransparency::~CPngTransparency()
{
    Clear();
    backgroundColor = PngColor16{};
}

CPngTransparency::CPngTransparency(const CPngTransparency& other)
{
    *this = other;
}

CPngTransparency& CPngTransparency::operator=(const CPngTransparency& other)
{
    if (this == &other)
        return *this;
    Clear();
    kind = other.kind;
    count = other.count;
    transparentColor = other.transparentColor;
    backgroundColor = other.backgroundColor;
    if (other.alphaTable != nullptr && other.count > 0) {
        alphaTable = static_cast<BYTE*>(std::malloc(static_cast<std::size_t>(other.count)));
        if (alphaTable != nullptr)
            std::memcpy(alphaTable, other.alphaTable, static_cast<std::size_t>(other.count));
        else
            Clear();
    }
    return *this;
}

void CPngTransparency::Clear()
{
    count = 0;
    std::free(alphaTable);
    alphaTable = nullptr;
    transparentColor = PngColor16{};
    kind = kNone;
}

void CPngTransparency::SetFromPng(int tableCount, const BYTE* table, const PngColor16* color)
{
    const PngColor16 c = color != nullptr ? *color : PngColor16{};
    // The fields are compared as signed 16-bit values: all ones reads as -1.
    const auto s = [](WORD v) { return static_cast<std::int16_t>(v); };
    const std::int16_t index = static_cast<std::int8_t>(c.index);
    const bool allAtMostZero =
        s(c.red) <= 0 && s(c.green) <= 0 && s(c.blue) <= 0 && index <= 0 && s(c.gray) <= 0;
    const bool anyUnset =
        s(c.red) == -1 || s(c.green) == -1 || s(c.blue) == -1 || index == -1 || s(c.gray) == -1;

    Clear();
    if (allAtMostZero && table != nullptr) {
        if (tableCount != 2 && tableCount != 16 && tableCount != 256)
            return;
        int zeros = 0;
        for (int i = 0; i < tableCount; ++i)
            zeros += table[i] == 0 ? 1 : 0;
        if (zeros != 1)
            return;
        alphaTable = static_cast<BYTE*>(std::malloc(static_cast<std::size_t>(tableCount)));
        if (alphaTable == nullptr)
            return;
        std::memcpy(alphaTable, table, static_cast<std::size_t>(tableCount));
        count = tableCount;
        kind = kAlphaTable;
        return;
    }
    if (table != nullptr || anyUnset || tableCount != 1)
        return;
    transparentColor = c;
    count = 1;
    kind = kColorKey;
}

void CPngTransparency::SetTransparentIndex(int index, COLORREF color)
{
    Clear();
    if (index == -1) {
        kind = kColorKey;
        count = 1;
    } else {
        alphaTable = static_cast<BYTE*>(std::malloc(256));
        if (alphaTable == nullptr)
            return;
        std::memset(alphaTable, 255, 256);
        alphaTable[index & 0xFF] = 0;
        kind = kAlphaTable;
        count = 256;
    }
    transparentColor = PngColor16{0, 0, 0, 0, 0};
    transparentColor.red = GetRValue(color);
    transparentColor.green = GetGValue(color);
    transparentColor.blue = GetBValue(color);
}
