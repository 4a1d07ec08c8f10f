// Painting a holder: the bitmap made from its DIB and the stretched copy onto
// another surface keep the picture's colours and orientation.
#include "imaging/dib_helpers.h"
#include "imaging/load_bitmap_dup_mem.h"
#include "imaging/load_bitmap_for_dlg.h"
#include "platform/gdi/gdi_dib.h"
#include "tests/support/image_fixtures.h"

#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>

TEST(HolderPaint, BitmapAndStretchedCopyKeepThePicture)
{
    ImageSettingsScope settings;
    for (int bpp : {8, 24, 32}) {
        CLoadBitmap_for_Dlg holder;
        ASSERT_TRUE(FillPatternHolder(&holder, 6, 4, bpp));
        RECT dst{0, 0, 12, 8}, src{0, 0, 6, 4};
        EXPECT_EQ(holder.PaintStretched(nullptr, nullptr, dst, src, COLORONCOLOR), 0);  // no bitmap yet

        HDC target = CreateCompatibleDC(nullptr);
        HBITMAP surface = CreateCompatibleBitmap(target, 12, 8);
        HGDIOBJ old = SelectObject(target, surface);
        ASSERT_EQ(holder.CreateBitmap(target), 1) << bpp;
        ASSERT_NE(holder.ddb, nullptr);
        EXPECT_EQ(holder.ddb->image.pixel(5, 0) & 0xFFFFFF,
            PixelFromColorref(PatternColor(5, 0, 6, 4, bpp)) & 0xFFFFFF);
        ASSERT_NE(holder.PaintStretched(target, nullptr, dst, src, COLORONCOLOR), 0) << bpp;
        // Doubled: target pixel (2x+1, 2y+1) shows picture pixel (x, y).
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 6; ++x)
                ASSERT_EQ(ColorrefFromPixel(surface->image.pixel(2 * x + 1, 2 * y + 1)),
                    PatternColor(x, y, 6, 4, bpp))
                    << bpp << " at " << x << "," << y;
        // Smoothing at the same size leaves the pixels as they are.
        ASSERT_NE(holder.PaintStretched(target, nullptr, RECT{0, 0, 6, 4}, src, HALFTONE), 0) << bpp;
        EXPECT_EQ(ColorrefFromPixel(surface->image.pixel(5, 3)), PatternColor(5, 3, 6, 4, bpp)) << bpp;
        EXPECT_EQ(holder.CreateBitmap(target), 1);  // replaces the earlier surfaces
        holder.Free();
        EXPECT_EQ(holder.ddb, nullptr);
        EXPECT_EQ(holder.memDC, nullptr);
        SelectObject(target, old);
        DeleteObject(surface);
        DeleteDC(target);
    }
}

TEST(HolderPaint, PackedDibOfABitmapIsBottomUp24Bits)
{
    ImageSettingsScope settings;
    EXPECT_EQ(CreateDibForBitmap(nullptr), nullptr);
    GdiBitmap bitmap;
    bitmap.image = QImage(3, 2, QImage::Format_RGB32);
    bitmap.image.fill(qRgb(1, 2, 3));
    bitmap.image.setPixel(2, 0, qRgb(200, 100, 50));
    BYTE* dib = CreateDibForBitmap(&bitmap);
    ASSERT_NE(dib, nullptr);
    BITMAPFILEHEADER fh;
    BITMAPINFOHEADER ih;
    std::memcpy(&fh, dib, 14);
    std::memcpy(&ih, dib + 14, 40);
    EXPECT_EQ(DWORD(fh.bfOffBits), 54u);
    EXPECT_EQ(DWORD(fh.bfSize), 54u + 2 * 12);
    EXPECT_EQ(ih.biBitCount, 24);
    EXPECT_EQ(ih.biXPelsPerMeter, 3780);
    const BYTE* topRight = dib + 54 + 12 + 6;  // the top row is stored last
    EXPECT_EQ(topRight[0], 50);
    EXPECT_EQ(topRight[2], 200);
    std::free(dib);
}

TEST(HolderPaint, NewPixelsOfTheSameSizeAreDrawnIntoTheSameBitmap)
{
    // The stage's display bitmap follows copy 1 after every edit.
    ImageSettingsScope settings;
    CLoadBitmapDlg_DupMem holder;
    ASSERT_TRUE(FillPatternHolder(&holder, 6, 4, 24));
    ASSERT_EQ(holder.AllocDuplicates(holder.PixelBytes(), 24), 1);
    holder.SaveToDup1();
    HDC target = CreateCompatibleDC(nullptr);
    ASSERT_EQ(holder.CreateBitmapFromDup1(target), 1);
    const HBITMAP first = holder.ddb;
    const uchar* firstPixels = first->image.constBits();
    EXPECT_EQ(ColorrefFromPixel(first->image.pixel(5, 0)), PatternColor(5, 0, 6, 4, 24));

    // Copy 1 changed, same size: the same bitmap shows the new pixels.
    std::memset(holder.dup1Bits, 0x42, holder.dup1Bytes);
    ASSERT_EQ(holder.CreateBitmapFromDup1(target), 1);
    EXPECT_EQ(holder.ddb, first);
    EXPECT_EQ(holder.ddb->image.constBits(), firstPixels);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            ASSERT_EQ(holder.ddb->image.pixel(x, y), qRgb(0x42, 0x42, 0x42)) << x << "," << y;

    // Turned to 4 x 6: a bitmap of that size.
    const std::uint32_t turned = 6 * GetDibStride(24, 4);
    ASSERT_EQ(holder.AllocEditBuffer(4, 6, turned), 1);
    std::memset(holder.dup1Bits, 0x17, turned);
    ASSERT_EQ(holder.CreateBitmapFromDup1(target), 1);
    EXPECT_EQ(holder.ddb->image.size(), QSize(4, 6));
    EXPECT_EQ(holder.ddb->image.pixel(3, 5), qRgb(0x17, 0x17, 0x17));
    DeleteDC(target);
}
