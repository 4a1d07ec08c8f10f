#include "clip/highlight_pixels.h"

#include <array>
#include <cmath>

namespace {

// Lightening raises dark values by x and squeezes bright ones into the top;
// the channel's own shift (-3 blue, 0 green, -9 red) tints the result.
std::uint8_t LightenByte(int v, int x, int shift)
{
    const int t = 255 - 2 * x;
    const int r = v <= t ? v + x + shift : 255 + shift - (255 - v) / 2;
    return static_cast<std::uint8_t>(r);
}

std::uint8_t DarkenByte(int v, int x)
{
    return static_cast<std::uint8_t>(v < 2 * x ? v / 2 : v - x);
}

int LightenChannel(int c, int level, int shift)
{
    const int t = 31 - 2 * level;
    return (c <= t ? c + level + shift : 31 + shift - (31 - c) / 2) & 0x1F;
}

int DarkenChannel(int c, int level)
{
    return c < 2 * level ? c / 2 : c - level;
}

// A table of all 256 results, so a large block costs one look-up per byte.
std::array<std::uint8_t, 256> ByteTable(int x, int shift, bool lighter)
{
    std::array<std::uint8_t, 256> table{};
    for (int v = 0; v < 256; ++v)
        table[v] = lighter ? LightenByte(v, x, shift) : DarkenByte(v, x);
    return table;
}

}  // namespace

int HighlightStrength(int level)
{
    if (level <= 0)
        return 0;
    return static_cast<int>(std::trunc(256.0 / (32.0 / level)));
}

void HighlightBytes(std::uint8_t* bytes, std::size_t length, int step, int style, int level)
{
    if (!bytes || step <= 0)
        return;
    const int x = HighlightStrength(level);
    if (style != kHighlightLighter) {
        const auto dark = ByteTable(x, 0, false);
        for (std::size_t i = 0; i < length; ++i)
            bytes[i] = dark[bytes[i]];
        return;
    }
    const auto blue = ByteTable(x, -3, true);
    const auto green = ByteTable(x, 0, true);
    const auto red = ByteTable(x, -9, true);
    for (std::size_t i = 0; i + 3 <= length; i += static_cast<std::size_t>(step)) {
        bytes[i] = blue[bytes[i]];
        bytes[i + 1] = green[bytes[i + 1]];
        bytes[i + 2] = red[bytes[i + 2]];
    }
}

void HighlightWords(std::uint8_t* bytes, std::size_t length, int style, int level)
{
    if (!bytes)
        return;
    const bool lighter = style == kHighlightLighter;
    for (std::size_t i = 0; i + 2 <= length; i += 2) {
        const int w = bytes[i] | (bytes[i + 1] << 8);
        int red = (w >> 11) & 0x1F, green = (w >> 6) & 0x1F, blue = w & 0x1F;
        if (lighter) {
            red = LightenChannel(red, level, -1);
            green = LightenChannel(green, level, 0);
            blue = LightenChannel(blue, level, -3);
        } else {
            red = DarkenChannel(red, level);
            green = DarkenChannel(green, level);
            blue = DarkenChannel(blue, level);
        }
        const int out = (red << 11) | (green << 6) | blue;
        bytes[i] = static_cast<std::uint8_t>(out & 0xFF);
        bytes[i + 1] = static_cast<std::uint8_t>(out >> 8);
    }
}

void SetFourthBytesOpaque(std::uint8_t* bytes, std::size_t length)
{
    if (!bytes)
        return;
    for (std::size_t i = 3; i < length; i += 4)
        bytes[i] = 0xFF;
}
