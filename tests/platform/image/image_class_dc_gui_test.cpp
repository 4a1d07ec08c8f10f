// DIB sections, GetObject's DIBSECTION, and the image class's DC and
// attached bitmap.
#include "platform/gdi/gdi.h"
#include "platform/image/image_class.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

namespace {

BITMAPINFO SectionHeader(LONG width, LONG height, WORD bits = 32)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = bits;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

TEST(DibSectionGui, BitsAreTheBitmapsPixelsAndGetObjectDescribesThem)
{
    const BITMAPINFO info = SectionHeader(5, -3);
    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(section, nullptr);
    ASSERT_NE(bits, nullptr);
    // Row 1, pixel 2 written through the bits is what a DC reads there.
    static_cast<std::uint32_t*>(bits)[5 + 2] = 0xFF123456u;
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap* previous = dc.SelectObject(CBitmap::FromHandle(section));
    EXPECT_EQ(dc.GetPixel(2, 1), RGB(0x12, 0x34, 0x56));
    dc.SetPixel(4, 2, RGB(1, 2, 3));
    EXPECT_EQ(static_cast<std::uint32_t*>(bits)[2 * 5 + 4] & 0xFFFFFF, 0x010203u);
    dc.SelectObject(previous);

    DIBSECTION ds;
    ASSERT_EQ(GetObject(section, sizeof(ds), &ds), int(sizeof(DIBSECTION)));
    EXPECT_EQ(ds.dsBm.bmWidth, 5);
    EXPECT_EQ(ds.dsBm.bmHeight, 3);
    EXPECT_EQ(ds.dsBm.bmBitsPixel, 32);
    EXPECT_EQ(ds.dsBm.bmBits, bits);
    EXPECT_EQ(ds.dsBmih.biSize, 40u);
    EXPECT_EQ(ds.dsBmih.biWidth, 5);
    EXPECT_EQ(ds.dsBmih.biHeight, -3);
    EXPECT_EQ(ds.dsBmih.biBitCount, 32);
    EXPECT_EQ(ds.dsBmih.biSizeImage, 5u * 4 * 3);
    BITMAP bm;
    EXPECT_EQ(GetObject(section, sizeof(bm), &bm), int(sizeof(BITMAP)));  // too small for a DIBSECTION
    DeleteObject(section);

    // Any bitmap is such memory too.
    CBitmap plain;
    plain.CreateCompatibleBitmap(nullptr, 7, 2);
    ASSERT_EQ(GetObject(plain, sizeof(ds), &ds), int(sizeof(DIBSECTION)));
    EXPECT_EQ(ds.dsBmih.biHeight, -2);
}

TEST(DibSectionGui, LayoutsThisLayerDoesNotKeepAreRefused)
{
    struct Case {
        const char* name;
        BITMAPINFO info;
        UINT usage;
        bool section;
    };
    BITMAPINFO compressed = SectionHeader(4, -4);
    compressed.bmiHeader.biCompression = BI_BITFIELDS;
    BITMAPINFO twoPlanes = SectionHeader(4, -4);
    twoPlanes.bmiHeader.biPlanes = 2;
    const Case cases[] = {
        {"bottom-up", SectionHeader(4, 4), DIB_RGB_COLORS, false},
        {"24 bits", SectionHeader(4, -4, 24), DIB_RGB_COLORS, false},
        {"8 bits", SectionHeader(4, -4, 8), DIB_RGB_COLORS, false},
        {"bit fields", compressed, DIB_RGB_COLORS, false},
        {"two planes", twoPlanes, DIB_RGB_COLORS, false},
        {"no width", SectionHeader(0, -4), DIB_RGB_COLORS, false},
        {"most negative height", SectionHeader(4, INT_MIN), DIB_RGB_COLORS, false},
        {"palette indices", SectionHeader(4, -4), DIB_PAL_COLORS, false},
        {"file mapping", SectionHeader(4, -4), DIB_RGB_COLORS, true},
    };
    int mapping = 0;
    for (const Case& c : cases) {
        void* bits = &mapping;
        EXPECT_EQ(
            CreateDIBSection(nullptr, &c.info, c.usage, &bits, c.section ? &mapping : nullptr, 0), nullptr)
            << c.name;
        EXPECT_EQ(bits, nullptr) << c.name;
    }
    EXPECT_EQ(CreateDIBSection(nullptr, nullptr, DIB_RGB_COLORS, nullptr, nullptr, 0), nullptr);
}

TEST(ImageClassDcGui, DrawsOnThePictureAtEveryDepth)
{
    for (int bpp : {32, 24, 8}) {
        CImage image;
        ASSERT_TRUE(image.Create(6, 4, bpp));
        if (bpp == 8) {
            RGBQUAD table[2] = {{0, 0, 0, 0}, {0, 0, 255, 0}};  // black, red
            image.SetColorTable(0, 2, table);
        }
        HDC dc = image.GetDC();
        ASSERT_NE(dc, nullptr) << bpp;
        EXPECT_EQ(image.GetDC(), dc) << bpp;  // nested: the same DC
        CDC::FromHandle(dc)->FillSolidRect(1, 1, 2, 2, RGB(250, 0, 0));
        image.ReleaseDC();
        if (bpp == 32) {
            EXPECT_EQ(image.GetPixel(1, 1), RGB(250, 0, 0)) << "drawn straight on the picture";
        }
        image.ReleaseDC();
        EXPECT_EQ(image.GetBPP(), bpp);
        if (bpp == 8) {
            EXPECT_EQ(image.GetRow(1)[1], 1) << "the nearest colour of the table";
            EXPECT_EQ(image.GetRow(0)[0], 0);
        } else {
            EXPECT_EQ(image.GetPixel(2, 2), RGB(250, 0, 0)) << bpp;
            EXPECT_EQ(image.GetPixel(3, 3), RGB(0, 0, 0)) << bpp;
        }
    }
    CImage empty;
    EXPECT_EQ(empty.GetDC(), nullptr);
    empty.ReleaseDC();  // without a DC: nothing happens
}

TEST(ImageClassDcGui, AttachedBitmapIsSharedUntilDetached)
{
    CBitmap owned;
    ASSERT_TRUE(owned.CreateCompatibleBitmap(nullptr, 3, 2));
    HBITMAP bitmap = static_cast<HBITMAP>(owned.Detach());
    {
        CImage image;
        image.Attach(bitmap);
        EXPECT_EQ(image.GetWidth(), 3);
        EXPECT_EQ(image.GetBPP(), 32);
        image.SetPixel(1, 1, RGB(9, 8, 7));
        CDC::FromHandle(image.GetDC())->SetPixel(2, 0, RGB(4, 5, 6));
        image.ReleaseDC();
        EXPECT_EQ(bitmap->image.pixel(1, 1) & 0xFFFFFF, 0x090807u);
        EXPECT_EQ(bitmap->image.pixel(2, 0) & 0xFFFFFF, 0x040506u);
        CImage copy = image;  // the copy owns its own pixels, never the bitmap
        copy.SetPixel(0, 0, RGB(1, 1, 1));
        EXPECT_EQ(bitmap->image.pixel(0, 0) & 0xFFFFFF, 0u);
        EXPECT_EQ(image.Detach(), bitmap);
        EXPECT_TRUE(image.IsNull());
        EXPECT_EQ(image.Detach(), nullptr);
    }
    // Still alive after the picture's end: a detached bitmap stays its owner's.
    EXPECT_EQ(bitmap->image.pixel(1, 1) & 0xFFFFFF, 0x090807u);
    owned.Attach(bitmap);
}

}  // namespace
