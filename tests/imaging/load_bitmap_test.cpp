// The picture holder: copying its headers, and its rectangles.
#include "imaging/load_bitmap.h"
#include "tests/support/image_fixtures.h"

#include <cstring>
#include <gtest/gtest.h>
#include <vector>

TEST(LoadBitmap, CopyHeadersNeverReadsPastTheColourTable)
{
    ImageSettingsScope settings;
    CLoadBitmap holder;
    ASSERT_TRUE(FillPatternHolder(&holder, 4, 4, 24));
    EXPECT_EQ(holder.infoSize, 44u);
    // An offset as a 124-byte header file would carry it: 84 bytes of "table".
    holder.fileHeader.bfOffBits = 138;
    std::vector<BYTE> out(138, 0xCC);
    holder.CopyHeadersTo(out.data());
    EXPECT_EQ(std::memcmp(out.data(), &holder.fileHeader, 14), 0);
    for (size_t i = 58; i < out.size(); ++i)
        ASSERT_EQ(out[i], 0) << i;

    CLoadBitmap grey;
    ASSERT_TRUE(FillPatternHolder(&grey, 4, 4, 8));
    EXPECT_EQ(grey.infoSize, 1064u);
    std::vector<BYTE> packed(grey.fileHeader.bfOffBits);
    grey.CopyHeadersTo(packed.data());
    EXPECT_EQ(std::memcmp(packed.data() + 54, grey.info->bmiColors, 1024), 0);
}

TEST(LoadBitmap, GeometryHelpers)
{
    ImageSettingsScope settings;
    CLoadBitmap holder;
    RECT r;
    EXPECT_EQ(holder.GetImageRect(&r, 0, 0), 0);
    ASSERT_TRUE(FillPatternHolder(&holder, 10, 4, 24));
    EXPECT_EQ(holder.GetShorterSide(), 4);
    ASSERT_EQ(holder.GetImageRect(&r, 2, 3), 1);
    EXPECT_EQ(r, (RECT{2, 3, 12, 7}));
    ASSERT_EQ(holder.GetRotatedRect(&r, RECT{5, 6, 15, 10}), 1);
    EXPECT_EQ(r, (RECT{5, 6, 9, 16}));
    EXPECT_EQ(holder.GetCenteredSquare(4), (RECT{3, 0, 7, 4}));
    EXPECT_EQ(holder.GetCenteredSquare(6).top, 0);
}
