// Device-independent bitmaps: rows bottom-up and paletted, channel masks,
// and a band of rows drawn where it lies in the whole picture.
#include "platform/gdi/gdi.h"
#include "platform/gdi/gdi_dib.h"
#include "tests/platform/gdi/canvas.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

using namespace gdi_testing;

TEST(GdiDib, DibRowsRoundTripBottomUpAndPaletted)
{
    // 3 x 2 at 24 bits, bottom-up: stored rows are the bottom row first.
    BITMAPINFO info;
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = 3;
    info.bmiHeader.biHeight = 2;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    ASSERT_EQ(DibStride(3, 24), 12u);
    const uchar bits[24] = {0, 0, 255, 0, 255, 0, 255, 0, 0, 0, 0, 0,  // bottom: red green blue
        255, 255, 255, 0, 0, 0, 10, 20, 30, 0, 0, 0};
    const QImage img = ImageFromDib(&info, bits);
    ASSERT_EQ(img.size(), QSize(3, 2));
    EXPECT_EQ(img.pixel(0, 1), qRgb(255, 0, 0));
    EXPECT_EQ(img.pixel(2, 1), qRgb(0, 0, 255));
    EXPECT_EQ(img.pixel(2, 0), qRgb(30, 20, 10));

    HBITMAP bitmap = CreateDIBitmap(nullptr, &info.bmiHeader, CBM_INIT, bits, &info, DIB_RGB_COLORS);
    ASSERT_NE(bitmap, nullptr);
    uchar back[24] = {};
    EXPECT_EQ(GetDIBits(nullptr, bitmap, 0, 2, back, &info, DIB_RGB_COLORS), 2);
    EXPECT_EQ(std::memcmp(back, bits, sizeof bits), 0);
    DeleteObject(bitmap);

    // 8 bits with a two-entry table, top-down; an index past the table reads black.
    struct {
        BITMAPINFOHEADER h;
        RGBQUAD table[2];
    } paletted;
    paletted.h = info.bmiHeader;
    paletted.h.biBitCount = 8;
    paletted.h.biHeight = -1;
    paletted.h.biClrUsed = 2;
    paletted.table[1] = RGBQUAD{1, 2, 3, 0};
    const uchar indices[4] = {1, 0, 7, 0};
    const QImage p = ImageFromDib(reinterpret_cast<const BITMAPINFO*>(&paletted), indices);
    EXPECT_EQ(p.pixel(0, 0), qRgb(3, 2, 1));
    EXPECT_EQ(p.pixel(1, 0), qRgb(0, 0, 0));
    EXPECT_EQ(p.pixel(2, 0), qRgb(0, 0, 0));

    BITMAPINFO bad = info;
    bad.bmiHeader.biBitCount = 7;
    EXPECT_TRUE(ImageFromDib(&bad, bits).isNull());
}

TEST(GdiDib, DibChannelMasksAreRead)
{
    // One pixel per case: 16 and 32 bits, default masks and BI_BITFIELDS masks after the header.
    struct MaskedInfo {
        BITMAPINFOHEADER h;
        DWORD masks[3];
    };
    struct Case {
        WORD bits;
        DWORD compression;
        DWORD masks[3];
        DWORD pixel;
        QRgb expected;
    };
    const Case cases[] = {
        {16, BI_RGB, {}, 0x7C00, qRgb(255, 0, 0)},                              // 5-5-5
        {16, BI_BITFIELDS, {0xF800, 0x07E0, 0x001F}, 0x07E0, qRgb(0, 255, 0)},  // 5-6-5
        {16, BI_BITFIELDS, {0xF800, 0x07E0, 0x001F}, 0xF81F, qRgb(255, 0, 255)},
        {32, BI_RGB, {}, 0x00102030, qRgb(0x10, 0x20, 0x30)},
        {32, BI_BITFIELDS, {0x000000FF, 0x0000FF00, 0x00FF0000}, 0x00102030, qRgb(0x30, 0x20, 0x10)},
    };
    for (const Case& c : cases) {
        MaskedInfo info{};
        info.h.biSize = sizeof(BITMAPINFOHEADER);
        info.h.biWidth = 1;
        info.h.biHeight = 1;
        info.h.biPlanes = 1;
        info.h.biBitCount = c.bits;
        info.h.biCompression = c.compression;
        std::memcpy(info.masks, c.masks, sizeof info.masks);
        const DWORD row = c.pixel;  // little-endian: the pixel's bytes start the padded row
        const QImage img = ImageFromDib(reinterpret_cast<const BITMAPINFO*>(&info), &row);
        ASSERT_FALSE(img.isNull());
        EXPECT_EQ(img.pixel(0, 0), c.expected) << c.bits << " bits, pixel " << std::hex << c.pixel;
    }
}

TEST(GdiDib, RefillWritesIntoTheBitmapOnlyWhenTheSizesMatch)
{
    // A 4 x 2 bitmap, refilled from a top-down 4-bit DIB of the same size.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = 4;
    info.bmiHeader.biHeight = 2;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    const uchar grey[2 * 12] = {};
    HBITMAP bitmap = CreateDIBitmap(nullptr, &info.bmiHeader, CBM_INIT, grey, &info, DIB_RGB_COLORS);
    ASSERT_NE(bitmap, nullptr);
    const uchar* pixels = bitmap->image.constBits();

    struct {
        BITMAPINFOHEADER h;
        RGBQUAD table[2];
    } nibbles{};
    nibbles.h = info.bmiHeader;
    nibbles.h.biBitCount = 4;
    nibbles.h.biHeight = -2;
    nibbles.h.biClrUsed = 2;
    nibbles.table[1] = RGBQUAD{1, 2, 3, 0};
    const uchar indices[2 * 4] = {0x10, 0x01, 0, 0, 0x00, 0x10, 0, 0};
    const auto* nibbleInfo = reinterpret_cast<const BITMAPINFO*>(&nibbles);
    ASSERT_TRUE(RefillBitmapFromDib(bitmap, nibbleInfo, indices));
    EXPECT_EQ(bitmap->image.constBits(), pixels);
    EXPECT_EQ(bitmap->image, ImageFromDib(nibbleInfo, indices));
    EXPECT_EQ(bitmap->image.pixel(0, 0), qRgb(3, 2, 1));
    EXPECT_EQ(bitmap->image.pixel(2, 1), qRgb(3, 2, 1));

    // Another width or height, or a depth this layer does not read: unchanged.
    const QImage before = bitmap->image.copy();
    BITMAPINFO wider = info;
    wider.bmiHeader.biWidth = 5;
    BITMAPINFO taller = info;
    taller.bmiHeader.biHeight = -3;
    BITMAPINFO odd = info;
    odd.bmiHeader.biBitCount = 7;
    const uchar plenty[3 * 16] = {};
    for (const BITMAPINFO* other : {&wider, &taller, &odd}) {
        EXPECT_FALSE(RefillBitmapFromDib(bitmap, other, plenty));
        EXPECT_EQ(bitmap->image, before);
    }
    EXPECT_FALSE(RefillBitmapFromDib(bitmap, &info, nullptr));
    DeleteObject(bitmap);
}

TEST(GdiDib, DibBandLandsWhereItLiesInTheWholeImage)
{
    // A bottom-up 1 x 4 DIB of which only stored rows 1 and 2 are given:
    // they are the third and second rows from the top; nothing else is read.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = 1;
    info.bmiHeader.biHeight = 4;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    const DWORD band[2] = {0x00FF0000, 0x0000FF00};  // stored row 1 red, row 2 green
    Canvas dst(1, 4, RGB(9, 9, 9));
    EXPECT_EQ(SetDIBitsToDevice(dst.dc.GetSafeHdc(), 0, 0, 1, 4, 0, 0, 1, 2, band, &info, DIB_RGB_COLORS), 2);
    EXPECT_EQ(dst.At(0, 0), RGB(9, 9, 9));
    EXPECT_EQ(dst.At(0, 1), RGB(0, 255, 0));
    EXPECT_EQ(dst.At(0, 2), RGB(255, 0, 0));
    EXPECT_EQ(dst.At(0, 3), RGB(9, 9, 9));
    // Past the last row: nothing to draw.
    EXPECT_EQ(SetDIBitsToDevice(dst.dc.GetSafeHdc(), 0, 0, 1, 4, 0, 0, 4, 1, band, &info, DIB_RGB_COLORS), 0);
}

}  // namespace
