// Row sizes and padding of device-independent bitmaps, and the headers made
// for a new picture.
#include "imaging/dib_helpers.h"
#include "tests/support/image_fixtures.h"

#include <gtest/gtest.h>

TEST(DibHelpers, StrideAndPaddingFollowTheFourByteRule)
{
    struct Case {
        int bpp, width;
        std::uint32_t stride, padding;
    };
    const Case cases[] = {{24, 1, 4, 1}, {8, 1, 4, 3}, {1, 1, 4, 3}, {1, 32, 4, 0}, {1, 33, 8, 3},
        {4, 3, 4, 2}, {24, 3, 12, 3}, {32, 3, 12, 0}, {16, 10, 0, 0}, {2, 10, 0, 0}, {24, 0, 0, 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(GetDibStride(c.bpp, c.width), c.stride) << c.bpp << " bits, width " << c.width;
        EXPECT_EQ(GetRowPadding(c.bpp, c.width), c.padding) << c.bpp << " bits, width " << c.width;
    }
    EXPECT_EQ(NormalizeInfoHeaderSize(56), 40u);
    EXPECT_EQ(NormalizeInfoHeaderSize(108), 108u);
    EXPECT_EQ(NormalizeInfoHeaderSize(124), 124u);
}

TEST(DibHelpers, InitDibHeadersFillsCanonicalHeadersAndRefusesOtherDepths)
{
    ImageSettingsScope settings;
    struct Case {
        int bpp;
        DWORD offBits;
    };
    for (const Case c : {Case{8, 1078}, Case{24, 54}, Case{32, 54}}) {
        BITMAPFILEHEADER fh{};
        BITMAPINFOHEADER ih{};
        ASSERT_EQ(InitDibHeaders(&fh, &ih, 3, 5, c.bpp, 0, 0, 0), 1);
        EXPECT_EQ(DWORD(fh.bfType), 0x4D42);
        EXPECT_EQ(DWORD(fh.bfOffBits), c.offBits);
        EXPECT_EQ(ih.biSizeImage, 5 * GetDibStride(c.bpp, 3));
        EXPECT_EQ(DWORD(fh.bfSize), c.offBits + ih.biSizeImage);
        EXPECT_EQ(ih.biSize, 40u);
        EXPECT_EQ(ih.biXPelsPerMeter, 3780);  // 96 dpi
        EXPECT_EQ(ih.biYPelsPerMeter, 3780);
    }
    BITMAPFILEHEADER fh{};
    BITMAPINFOHEADER ih{};
    EXPECT_EQ(InitDibHeaders(&fh, &ih, 3, 5, 16, 0, 0, 0), 0);
    EXPECT_EQ(InitDibHeaders(&fh, &ih, 3, 5, 24, 0, 1000, 2000), 1);
    EXPECT_EQ(ih.biXPelsPerMeter, 1000);
    EXPECT_EQ(ih.biYPelsPerMeter, 2000);
}
