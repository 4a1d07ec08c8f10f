// The pixel rules of the highlight outside a range: darker and lighter
// bytes, 16-bit words, the strength of a level and the opaque fourth byte.
#include "clip/highlight_pixels.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

std::vector<std::uint8_t> Bytes(std::initializer_list<int> values)
{
    std::vector<std::uint8_t> v;
    for (int x : values)
        v.push_back(static_cast<std::uint8_t>(x));
    return v;
}

std::vector<std::uint8_t> Word(int red, int green, int blue, int bit5 = 0)
{
    const int w = (red << 11) | (green << 6) | (bit5 << 5) | blue;
    return Bytes({w & 0xFF, w >> 8});
}

}  // namespace

TEST(HighlightPixels, StrengthIsEightTimesTheLevel)
{
    for (int level : {3, 5, 8, 11, 14})
        EXPECT_EQ(HighlightStrength(level), 8 * level) << level;
}

TEST(HighlightPixels, Bytes)
{
    struct Case {
        const char* name;
        int style, level, step;
        std::vector<std::uint8_t> in, out;
    };
    const Case cases[] = {
        {"darker halves below 2x, else takes x", kHighlightDarker, 8, 4, Bytes({200, 100, 128, 127}),
            Bytes({136, 50, 64, 63})},
        {"darker takes every byte, the block's tail too", kHighlightDarker, 3, 3,
            Bytes({0, 48, 47, 255, 255}), Bytes({0, 24, 23, 231, 231})},
        {"lighter dark pixel", kHighlightLighter, 8, 3, Bytes({10, 10, 10}), Bytes({71, 74, 65})},
        {"lighter bright pixel", kHighlightLighter, 8, 3, Bytes({250, 250, 250}), Bytes({250, 253, 244})},
        {"lighter at the threshold 255 - 2x", kHighlightLighter, 8, 3, Bytes({127, 127, 128}),
            Bytes({188, 191, 183})},
        // 32 bits: the fourth byte and a pixel cut by the block's end stay.
        {"lighter leaves the fourth byte and a partial pixel", kHighlightLighter, 3, 4,
            Bytes({0, 0, 0, 9, 5, 5}), Bytes({21, 24, 15, 9, 5, 5})},
    };
    for (const Case& c : cases) {
        std::vector<std::uint8_t> bytes = c.in;
        HighlightBytes(bytes.data(), bytes.size(), c.step, c.style, c.level);
        EXPECT_EQ(bytes, c.out) << c.name;
    }
}

TEST(HighlightPixels, Words)
{
    struct Case {
        const char* name;
        int style, level;
        std::vector<std::uint8_t> in, out;
    };
    const Case cases[] = {
        {"darker per channel, bit 5 cleared", kHighlightDarker, 8, Word(31, 20, 10, 1), Word(23, 12, 5)},
        {"lighter dark channels", kHighlightLighter, 8, Word(0, 0, 3), Word(7, 8, 8)},
        {"lighter bright channels", kHighlightLighter, 8, Word(31, 30, 16), Word(30, 31, 21)},
    };
    for (const Case& c : cases) {
        std::vector<std::uint8_t> bytes = c.in;
        HighlightWords(bytes.data(), bytes.size(), c.style, c.level);
        EXPECT_EQ(bytes, c.out) << c.name;
    }
}

TEST(HighlightPixels, FourthBytesBecomeOpaque)
{
    std::vector<std::uint8_t> bytes = Bytes({1, 2, 3, 4, 5, 6, 7, 8, 9});
    SetFourthBytesOpaque(bytes.data(), bytes.size());
    EXPECT_EQ(bytes, Bytes({1, 2, 3, 255, 5, 6, 7, 255, 9}));
}
