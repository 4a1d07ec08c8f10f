// Bitmap objects: their bits are top-down rows of four bytes.
#include "platform/gdi/gdi.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(GdiObjects, BitmapBitsAreTopDownRowsOfFourBytes)
{
    CBitmap b;
    ASSERT_TRUE(b.CreateCompatibleBitmap(nullptr, 3, 2));
    BITMAP info;
    ASSERT_TRUE(b.GetBitmap(&info));
    EXPECT_EQ(info.bmBitsPixel, 32);
    EXPECT_EQ(info.bmWidthBytes, 12);
    std::vector<uchar> bits(24);
    for (std::size_t i = 0; i < bits.size(); ++i)
        bits[i] = static_cast<uchar>(i * 7);
    EXPECT_EQ(b.SetBitmapBits(24, bits.data()), 24u);
    EXPECT_EQ(b.GetImage()->pixel(1, 1), qRgb(bits[18], bits[17], bits[16]));
    std::vector<uchar> back(24);
    EXPECT_EQ(b.GetBitmapBits(20, back.data()), 20u);  // a short buffer is not overrun
    for (std::size_t i = 0; i < 20; ++i)
        EXPECT_EQ(back[i], i % 4 == 3 ? 0xFF : bits[i]) << i;
}

}  // namespace
