// Colour adjustment of padded rows at 8, 24 and 32 bits, from the saved copy.
#include "clip/color_adjust.h"
#include "imaging/dib_accessor.h"
#include "imaging/dib_helpers.h"
#include "tests/clip/attach_accessor.h"

#include <cstring>
#include <gtest/gtest.h>
#include <vector>

TEST(ColorAdjust, ChannelsClampToTheByteRange)
{
    struct Case {
        int v, offset, result;
    };
    for (const Case c : {Case{200, 127, 255}, Case{100, -127, 0}, Case{128, 127, 255}, Case{127, -127, 0},
             Case{0, 0, 0}, Case{10, 5, 15}, Case{255, -1, 254}})
        EXPECT_EQ(AdjustChannel(c.v, c.offset), c.result) << c.v << " + " << c.offset;
}

TEST(ColorAdjust, AdjustsPaddedRowsFromTheSavedCopy)
{
    struct Case {
        int r, g, b;
        int fourth;  // the fourth byte's move: the mean, truncated toward zero
    };
    const Case cases[] = {{1, 1, 0, 0}, {-1, -1, 0, 0}, {-2, -2, 0, -1}, {3, 3, 3, 3}, {127, -127, 50, 16}};
    for (int bpp : {24, 32}) {
        for (const Case& c : cases) {
            const int w = 3, h = 2;
            const std::uint32_t stride = GetDibStride(bpp, w);  // 12 at both depths
            std::vector<BYTE> pixels(stride * h, 0xEE);
            CDibAccessor a;
            AttachTo(a, pixels.data(), w, h, bpp);
            CColorAdjust adjust;
            adjust.SetImage(&a);
            BYTE* saved = adjust.AllocSaved();
            ASSERT_NE(saved, nullptr);
            ASSERT_EQ(adjust.SavedSize(), std::size_t(stride * h));
            for (std::uint32_t i = 0; i < stride * h; ++i)
                saved[i] = static_cast<BYTE>(100 + i);
            adjust.redOffset = c.r;
            adjust.greenOffset = c.g;
            adjust.blueOffset = c.b;
            adjust.ApplyToPixels(pixels.data());
            const int n = bpp / 8;
            for (int y = 0; y < h; ++y) {
                for (int x = 0; x < w; ++x) {
                    const int o = y * stride + x * n;
                    EXPECT_EQ(pixels[o], AdjustChannel(saved[o], c.b));
                    EXPECT_EQ(pixels[o + 1], AdjustChannel(saved[o + 1], c.g));
                    EXPECT_EQ(pixels[o + 2], AdjustChannel(saved[o + 2], c.r));
                    if (n == 4) {
                        EXPECT_EQ(pixels[o + 3], saved[o + 3] + c.fourth) << c.r << "," << c.g << "," << c.b;
                    }
                }
                // Row padding (3 bytes at 24 bits) is left alone.
                for (std::uint32_t p = w * n; p < stride; ++p)
                    EXPECT_EQ(pixels[y * stride + p], 0xEE);
            }
            // Adjusting again starts from the saved copy, not from the result.
            adjust.redOffset = adjust.greenOffset = adjust.blueOffset = 0;
            adjust.ApplyToPixels(pixels.data());
            EXPECT_EQ(pixels[0], saved[0]);
        }
    }
}

TEST(ColorAdjust, PaletteKeepsIndicesAndReservedBytes)
{
    std::vector<BYTE> indices(4 * 2, 7);  // 3 pixels padded to 4
    CDibAccessor a;
    AttachTo(a, indices.data(), 3, 2, 8);
    CColorAdjust adjust;
    adjust.SetImage(&a);
    BYTE* saved = adjust.AllocSaved();
    ASSERT_NE(saved, nullptr);
    ASSERT_EQ(adjust.SavedSize(), 1024u);
    for (int i = 0; i < 1024; ++i)
        saved[i] = static_cast<BYTE>(i);
    EXPECT_EQ(adjust.SetOffsets(-20, CColorAdjust::kRed | CColorAdjust::kBlue), 1);
    EXPECT_EQ(adjust.SetOffsets(-20, CColorAdjust::kRed), 0);  // unchanged: nothing to apply
    EXPECT_EQ(adjust.SetOffsets(300, CColorAdjust::kGreen), 1);
    EXPECT_EQ(adjust.greenOffset, 127);
    EXPECT_EQ(adjust.SetOffsets(-300, CColorAdjust::kGreen), 1);
    EXPECT_EQ(adjust.greenOffset, -127);
    EXPECT_EQ(adjust.SetOffsets(127, CColorAdjust::kGreen), 1);
    RGBQUAD palette[256];
    adjust.ApplyToPalette(palette);
    adjust.ApplyToPixels(indices.data());  // no pixels to adjust at 8 bits
    EXPECT_EQ(indices, std::vector<BYTE>(8, 7));
    for (int i : {0, 5, 255}) {
        EXPECT_EQ(palette[i].rgbBlue, AdjustChannel(saved[4 * i], -20));
        EXPECT_EQ(palette[i].rgbGreen, AdjustChannel(saved[4 * i + 1], 127));
        EXPECT_EQ(palette[i].rgbRed, AdjustChannel(saved[4 * i + 2], -20));
        EXPECT_EQ(palette[i].rgbReserved, saved[4 * i + 3]);
    }
}

TEST(ColorAdjust, NothingHappensWithoutAMatchingCopy)
{
    std::vector<BYTE> pixels(12 * 2, 0x55);
    CDibAccessor a;
    AttachTo(a, pixels.data(), 3, 2, 24);
    CColorAdjust adjust;
    adjust.blueOffset = 10;
    adjust.ApplyToPixels(pixels.data());  // no image
    adjust.SetImage(&a);
    adjust.ApplyToPixels(pixels.data());  // no copy
    ASSERT_NE(adjust.AllocSaved(), nullptr);
    std::memset(adjust.Saved(), 0x10, adjust.SavedSize());
    // The image turned since the copy was made: the copy is not used.
    AttachTo(a, pixels.data(), 2, 3, 24);
    adjust.ApplyToPixels(pixels.data());
    adjust.ApplyToPixels(nullptr);
    EXPECT_EQ(pixels, std::vector<BYTE>(24, 0x55));
    adjust.Reset();
    EXPECT_EQ(adjust.image, nullptr);
    EXPECT_EQ(adjust.Saved(), nullptr);
    EXPECT_EQ(adjust.blueOffset, 0);
}
