// Nearest-neighbour scaling against a direct reference, and the resized copy.
#include "imaging/clip_image_store.h"
#include "imaging/dib_helpers.h"
#include "imaging/resampler.h"
#include "tests/support/image_fixtures.h"

#include <cstring>
#include <gtest/gtest.h>
#include <vector>

namespace {

// Destination index j comes from the first source index whose target
// floor(i x dst / src) is j; where none lands on j, from the last one before.
int ReferenceSource(int j, int src, int dst)
{
    int before = 0;
    for (int i = 0; i < src; ++i) {
        const long long target = static_cast<long long>(i) * dst / src;
        if (target == j)
            return i;
        if (target < j)
            before = i;
    }
    return before;
}

// Rows padded to 4 bytes, every byte a function of its place; padding 0xEE.
std::vector<BYTE> MakeSource(int bpp, int w, int h)
{
    const std::uint32_t stride = GetDibStride(bpp, w);
    std::vector<BYTE> bytes(static_cast<std::size_t>(stride) * h, 0xEE);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w * bpp / 8; ++x)
            bytes[y * stride + x] = static_cast<BYTE>(x * 7 + y * 31 + 1);
    }
    return bytes;
}

}  // namespace

TEST(Resampler, MatchesTheReferenceOnEverySizeAndDepth)
{
    struct Case {
        int sw, sh, dw, dh;
    };
    // 7 -> 61 and 11 -> 15 are sizes where i x (dst / src) in floating point
    // rounds short of the last target.
    const Case cases[] = {{7, 7, 61, 61}, {11, 11, 15, 15}, {7, 3, 61, 15}, {4, 4, 2, 2}, {2, 1, 4, 1},
        {5, 3, 5, 3}, {640, 3, 97, 5}, {13, 17, 3, 40}, {3, 2, 100, 1}, {100, 9, 1, 1}, {1, 1, 9, 7},
        {49, 50, 50, 49}};
    for (int bpp : {8, 24, 32}) {
        for (const Case& c : cases) {
            const std::vector<BYTE> src = MakeSource(bpp, c.sw, c.sh);
            CDibResampler r;
            ASSERT_EQ(r.Resample(bpp, src.data(), c.sw, c.sh, c.dw, c.dh), 1);
            const std::uint32_t sStride = GetDibStride(bpp, c.sw);
            const std::uint32_t dStride = GetDibStride(bpp, c.dw);
            ASSERT_EQ(r.ResultSize(), std::size_t(dStride) * c.dh);
            const int n = bpp / 8;
            int wrong = 0;
            for (int y = 0; y < c.dh; ++y) {
                const int sy = ReferenceSource(y, c.sh, c.dh);
                for (int x = 0; x < c.dw; ++x) {
                    const int sx = ReferenceSource(x, c.sw, c.dw);
                    wrong += std::memcmp(r.Result() + y * dStride + x * n, src.data() + sy * sStride + sx * n,
                                 n) != 0;
                }
                for (std::uint32_t p = c.dw * n; p < dStride; ++p)
                    wrong += r.Result()[y * dStride + p] != 0;  // padding cleared
            }
            EXPECT_EQ(wrong, 0) << bpp << " bits " << c.sw << "x" << c.sh << " -> " << c.dw << "x" << c.dh;
        }
    }
}

TEST(Resampler, KeepsAndRepeatsTheExpectedPixels)
{
    // Halving a 4 x 4 image keeps source columns and rows 0 and 2.
    EXPECT_EQ(NearestSourceIndex(0, 4, 2), 0);
    EXPECT_EQ(NearestSourceIndex(1, 4, 2), 2);
    // Doubling a, b gives a, a, b, b.
    const BYTE row[4] = {'a', 'b', 0, 0};
    CDibResampler r;
    ASSERT_EQ(r.Resample(8, row, 2, 1, 4, 1), 1);
    EXPECT_EQ(std::memcmp(r.Result(), "aabb", 4), 0);
    // The last column of 7 -> 61 repeats the last source pixel.
    EXPECT_EQ(NearestSourceIndex(60, 7, 61), 6);
    EXPECT_EQ(NearestSourceIndex(14, 11, 15), 10);
}

TEST(Resampler, RefusesOtherDepthsAndEmptySizes)
{
    const BYTE px[16] = {};
    CDibResampler r;
    for (int bpp : {1, 4, 16, 48})
        EXPECT_EQ(r.Resample(bpp, px, 2, 2, 4, 4), 0) << bpp;
    EXPECT_EQ(r.Resample(24, px, 0, 2, 4, 4), 0);
    EXPECT_EQ(r.Resample(24, px, 2, 2, 4, 0), 0);
    EXPECT_EQ(r.Resample(24, nullptr, 2, 2, 4, 4), 0);
    // Widths whose padded rows would wrap the 32-bit row size.
    const int huge = (1 << 30) + 1;
    EXPECT_EQ(r.Resample(32, px, 2, 2, huge, 1), 0);
    EXPECT_EQ(r.Resample(32, px, huge, 1, 2, 2), 0);
    EXPECT_EQ(r.Resample(24, px, 2, 2, 1500000000, 1), 0);
    EXPECT_EQ(r.Result(), nullptr);
    EXPECT_EQ(r.rowCursor, -1);
    EXPECT_EQ(r.xScale, 1.0);
}

TEST(ResizedImage, BuildsFreshHeadersPaletteAndBitmap)
{
    ImageSettingsScope settings;
    for (int bpp : {8, 24, 32}) {
        CLoadBitmap holder;
        ASSERT_TRUE(FillPatternHolder(&holder, 5, 3, bpp));
        holder.infoHeader.biXPelsPerMeter = 2835;
        holder.infoHeader.biYPelsPerMeter = 1417;
        if (bpp == 8)
            holder.info->bmiColors[7] = RGBQUAD{1, 2, 3, 0};
        // A stored offset from a file with a longer header is not copied.
        holder.fileHeader.bfOffBits += 84;
        CClipImageSlot slot;
        int code = 0;
        ASSERT_EQ(CreateResizedImage(&slot, SourceOf(holder), SIZE{5, 3}, SIZE{10, 2}, &code), 1) << bpp;
        EXPECT_EQ(code, kResizeDone);
        const DWORD offset = bpp == 8 ? 1078 : 54;
        EXPECT_EQ(DWORD(slot.fileHeader.bfOffBits), offset);
        EXPECT_EQ(DWORD(slot.fileHeader.bfSize), offset + 2 * GetDibStride(bpp, 10));
        EXPECT_EQ(slot.infoHeader.biSize, 40u);
        EXPECT_EQ(slot.infoHeader.biWidth, 10);
        EXPECT_EQ(slot.infoHeader.biHeight, 2);
        EXPECT_EQ(slot.infoHeader.biBitCount, bpp);
        EXPECT_EQ(slot.infoHeader.biXPelsPerMeter, 2835);
        EXPECT_EQ(slot.infoHeader.biYPelsPerMeter, 1417);
        EXPECT_EQ(slot.colorBlock->bmiHeader.biWidth, 10);
        EXPECT_EQ(slot.colorBlockSize, bpp == 8 ? 1064u : 44u);
        if (bpp == 8) {
            EXPECT_EQ(slot.colorBlock->bmiColors[7].rgbGreen, 2);
        }
        ASSERT_NE(slot.dib, nullptr);
        ASSERT_NE(slot.memDC, nullptr);
        // Picture row 0 of the copy is picture row 0 of the source (rows 0, 2
        // of 3 are kept for a height of 2); columns repeat.
        CDibResampler r;
        ASSERT_EQ(r.Resample(bpp, holder.bits, 5, 3, 10, 2), 1);
        EXPECT_EQ(std::memcmp(slot.bits, r.Result(), r.ResultSize()), 0);
        const QImage& image = slot.dib->image;
        ASSERT_EQ(image.width(), 10);
        const COLORREF c = PatternColor(2, 0, 5, 3, bpp);
        const COLORREF top = bpp == 8 ? RGB(GetRValue(c), GetRValue(c), GetRValue(c)) : c;
        EXPECT_EQ(
            image.pixel(5, 0) & 0xFFFFFFu, qRgb(GetRValue(top), GetGValue(top), GetBValue(top)) & 0xFFFFFFu);
    }
}

TEST(ResizedImage, ReportsRefusedResampling)
{
    ImageSettingsScope settings;
    CLoadBitmap holder;
    ASSERT_TRUE(FillPatternHolder(&holder, 4, 4, 24));
    holder.infoHeader.biBitCount = 16;
    CClipImageSlot slot;
    int code = 0;
    EXPECT_EQ(CreateResizedImage(&slot, SourceOf(holder), SIZE{4, 4}, SIZE{2, 2}, &code), 0);
    EXPECT_EQ(code, kResizeFailed);
    EXPECT_EQ(slot.bits, nullptr);
    EXPECT_EQ(slot.dib, nullptr);
}
