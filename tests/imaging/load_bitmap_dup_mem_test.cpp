// The holder with undo copies: restoring the loaded picture, and the 32 to
// 24 bit conversion of the picture and its copies.
#include "imaging/dib_accessor.h"
#include "imaging/dib_helpers.h"
#include "imaging/load_bitmap_dup_mem.h"
#include "tests/support/image_fixtures.h"

#include <cstring>
#include <gtest/gtest.h>
#include <vector>

TEST(DupMem, ResetRestoresTheLoadedPictureAndKeepsBfSizeInStep)
{
    ImageSettingsScope settings;
    CLoadBitmapDlg_DupMem holder;
    ASSERT_TRUE(FillPatternHolder(&holder, 3, 5, 24));
    const std::vector<BYTE> loaded(holder.bits, holder.bits + holder.PixelBytes());
    ASSERT_EQ(holder.AllocDuplicates(holder.PixelBytes(), 24), 1);
    holder.SaveToDup1();
    holder.CopyDup1ToDup2();

    // A quarter turn: copy 1 becomes 5 x 3 (48 bytes instead of 60).
    const std::uint32_t rotated = 3 * GetDibStride(24, 5);
    ASSERT_EQ(holder.AllocEditBuffer(5, 3, rotated), 1);
    std::memset(holder.dup1Bits, 0x42, rotated);
    ASSERT_EQ(holder.RestoreFromDup1(), 1);
    EXPECT_EQ(holder.infoHeader.biWidth, 5);
    EXPECT_EQ(holder.infoHeader.biHeight, 3);
    EXPECT_EQ(holder.PixelBytes(), rotated);
    EXPECT_EQ(holder.info->bmiHeader.biSizeImage, rotated);

    holder.CopyDup2ToDup1();
    ASSERT_EQ(holder.RestoreFromDup1(), 1);
    EXPECT_EQ(holder.infoHeader.biWidth, 3);
    EXPECT_EQ(holder.PixelBytes(), loaded.size());
    EXPECT_EQ(std::vector<BYTE>(holder.bits, holder.bits + holder.PixelBytes()), loaded);
}

TEST(DupMem, ConvertDib32To24ConvertsImageAndUndoCopies)
{
    ImageSettingsScope settings;
    CLoadBitmapDlg_DupMem holder;
    ASSERT_TRUE(FillPatternHolder(&holder, 5, 3, 32));
    ASSERT_EQ(holder.AllocDuplicates(holder.PixelBytes(), 32), 1);
    holder.SaveToDup1();
    holder.CopyDup1ToDup2();
    const BYTE* viewed[] = {holder.bits, holder.dup1Bits, holder.dup2Bits};
    ASSERT_EQ(ConvertDib32To24(&holder), 1);
    // Views of the pixels (the stage keeps one on copy 1) stay valid.
    EXPECT_EQ(holder.bits, viewed[0]);
    EXPECT_EQ(holder.dup1Bits, viewed[1]);
    EXPECT_EQ(holder.dup2Bits, viewed[2]);

    EXPECT_EQ(holder.infoHeader.biBitCount, 24);
    EXPECT_EQ(DWORD(holder.fileHeader.bfOffBits), 54u);
    EXPECT_EQ(DWORD(holder.fileHeader.bfSize), 54u + 3 * 16);
    EXPECT_EQ(holder.dupBitCount, 24);
    ASSERT_NE(holder.dup1Bits, nullptr);
    ASSERT_NE(holder.dup2Bits, nullptr);
    EXPECT_EQ(holder.dup1Bytes, 48u);
    for (BYTE* block : {holder.bits, holder.dup1Bits, holder.dup2Bits}) {
        CDibAccessor view;
        view.SetWidth(5);
        view.SetHeight(3);
        view.SetBitCount(24);
        view.SetBits(block);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x)
                ASSERT_EQ(view.GetPixel(x, y), PatternColor(x, y, 5, 3, 32)) << x << "," << y;
    }
    EXPECT_EQ(ConvertDib32To24(&holder), 0);  // already 24 bits: nothing to do
}

TEST(DupMem, CopiesOfTheNextPictureAreExactWhetherBlocksAreKeptOrNot)
{
    // One picture after another: the same size (blocks kept), a little
    // smaller (kept), much smaller and larger (new blocks). Each time both
    // copies hold exactly the new picture and its size.
    ImageSettingsScope settings;
    CLoadBitmapDlg_DupMem holder;
    struct Picture {
        int w, h, bpp;
        bool keepsBlocks;
    };
    const Picture pictures[] = {
        {40, 30, 24, false}, {40, 30, 24, true}, {40, 24, 24, true}, {4, 3, 8, false}, {50, 30, 32, false}};
    for (const Picture& p : pictures) {
        ASSERT_TRUE(FillPatternHolder(&holder, p.w, p.h, p.bpp));
        const BYTE* before[] = {holder.dup1Bits, holder.dup2Bits};
        ASSERT_EQ(holder.AllocDuplicates(holder.PixelBytes(), p.bpp), 1);
        if (p.keepsBlocks) {
            EXPECT_EQ(holder.dup1Bits, before[0]) << p.w << "x" << p.h;
            EXPECT_EQ(holder.dup2Bits, before[1]) << p.w << "x" << p.h;
        }
        holder.SaveToDup1();
        holder.CopyDup1ToDup2();
        const std::vector<BYTE> loaded(holder.bits, holder.bits + holder.PixelBytes());
        for (const BYTE* copy : {holder.dup1Bits, holder.dup2Bits})
            EXPECT_EQ(std::vector<BYTE>(copy, copy + loaded.size()), loaded) << p.w << "x" << p.h;
        EXPECT_EQ(holder.dup1Bytes, loaded.size());
        EXPECT_EQ(holder.dup2Bytes, loaded.size());
        EXPECT_EQ(holder.dup1Width, p.w);
        EXPECT_EQ(holder.dup2Height, p.h);
        EXPECT_EQ(holder.dupBitCount, p.bpp);
        EXPECT_EQ(holder.dup1Palette != nullptr, p.bpp == 8);
        if (p.bpp == 8) {
            EXPECT_EQ(std::memcmp(holder.dup2Palette, holder.info->bmiColors, 1024), 0);
        }
    }
}
