// Drawing on surfaces: raster operations, exclusive-or restoring, keyed and
// stretched copies, lines, clipping and the DIB conversions.
#include "platform/gdi/gdi.h"
#include "platform/gdi/gdi_dib.h"
#include "platform/gdi/gdi_icons.h"

#include <QRandomGenerator>
#include <cstring>
#include <gtest/gtest.h>

namespace {

// A memory DC with a bitmap of w x h filled with noise (or one colour).
struct Canvas {
    CDC dc;
    CBitmap bitmap;
    Canvas(int w, int h, std::optional<COLORREF> fill = std::nullopt)
    {
        dc.CreateCompatibleDC(nullptr);
        bitmap.CreateCompatibleBitmap(&dc, w, h);
        dc.SelectObject(&bitmap);
        QImage* img = bitmap.GetImage();
        QRandomGenerator rng(42);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                img->setPixel(
                    x, y, fill ? PixelFromColorref(*fill) : (0xFF000000u | (rng.generate() & 0xFFFFFF)));
    }
    QImage Copy() const { return bitmap.GetImage()->copy(); }
    COLORREF At(int x, int y) const { return dc.GetPixel(x, y); }
};

TEST(GdiRaster, ExclusiveOrDrawnTwiceRestoresEveryPixel)
{
    Canvas c(240, 160);
    const QImage before = c.Copy();
    CPen dotted(PS_DOT, 1, RGB(255, 255, 255));
    CPen solid(PS_SOLID, 1, RGB(0x12, 0x34, 0x56));
    CPen wide(PS_SOLID, 3, RGB(200, 10, 10));
    c.dc.SetROP2(R2_XORPEN);
    c.dc.SelectStockObject(NULL_BRUSH);
    for (CPen* pen : {&solid, &dotted, &wide}) {
        c.dc.SelectObject(pen);
        for (int pass = 0; pass < 2; ++pass) {
            c.dc.Rectangle(10, 12, 200, 150);
            c.dc.MoveTo(3, 3);
            c.dc.LineTo(230, 97);
        }
        EXPECT_EQ(c.Copy(), before);
    }
    // The band is really drawn between the two passes.
    c.dc.SelectObject(&solid);
    c.dc.Rectangle(10, 12, 200, 150);
    EXPECT_NE(c.Copy(), before);
    c.dc.Rectangle(10, 12, 200, 150);
    const RECT focus{5, 5, 100, 60};
    c.dc.DrawFocusRect(&focus);
    c.dc.DrawFocusRect(&focus);
    c.dc.PatBlt(20, 20, 50, 50, DSTINVERT);
    c.dc.PatBlt(20, 20, 50, 50, DSTINVERT);
    EXPECT_EQ(c.Copy(), before);
}

TEST(GdiRaster, RectangleOutlineCoversRightAndBottomMinusOne)
{
    Canvas c(20, 20, RGB(0, 0, 0));
    CPen pen(PS_SOLID, 1, RGB(255, 255, 255));
    c.dc.SelectObject(&pen);
    c.dc.SelectStockObject(NULL_BRUSH);
    c.dc.Rectangle(2, 3, 10, 8);
    EXPECT_EQ(c.At(2, 3), RGB(255, 255, 255));
    EXPECT_EQ(c.At(9, 7), RGB(255, 255, 255));
    EXPECT_EQ(c.At(10, 7), RGB(0, 0, 0));
    EXPECT_EQ(c.At(9, 8), RGB(0, 0, 0));
    EXPECT_EQ(c.At(5, 5), RGB(0, 0, 0));  // hollow inside
    // Without a pen the filled figure leaves out the right column and bottom row.
    CBrush white(RGB(255, 255, 255));
    c.dc.SelectStockObject(NULL_PEN);
    c.dc.SelectObject(&white);
    c.dc.Rectangle(12, 12, 16, 16);
    EXPECT_EQ(c.At(14, 14), RGB(255, 255, 255));
    EXPECT_EQ(c.At(15, 14), RGB(0, 0, 0));
    EXPECT_EQ(c.At(14, 15), RGB(0, 0, 0));
    c.dc.SelectObject(&pen);
    // A line leaves out its last point.
    c.dc.MoveTo(0, 15);
    c.dc.LineTo(5, 15);
    EXPECT_EQ(c.At(4, 15), RGB(255, 255, 255));
    EXPECT_EQ(c.At(5, 15), RGB(0, 0, 0));
}

TEST(GdiRaster, BlockTransferOperationsMixSourceAndDestination)
{
    const COLORREF src = RGB(0xF0, 0x0F, 0x55);
    const COLORREF dst = RGB(0x3C, 0xC3, 0xAA);
    struct Case {
        DWORD rop;
        COLORREF expected;
    };
    const Case cases[] = {
        {SRCCOPY, src},
        {SRCPAINT, src | dst},
        {SRCINVERT, src ^ dst},
        {SRCAND, src & dst},
        {DSNA, dst & ~src & 0xFFFFFF},
        {MERGEPAINT, (~src | dst) & 0xFFFFFF},
        {DSTINVERT, ~dst & 0xFFFFFF},
        {NOTSRCCOPY, ~src & 0xFFFFFF},
        {BLACKNESS, 0},
        {WHITENESS, 0xFFFFFF},
    };
    for (const Case& k : cases) {
        Canvas s(4, 4, src), d(4, 4, dst);
        ASSERT_TRUE(d.dc.BitBlt(1, 1, 2, 2, &s.dc, 0, 0, k.rop));
        EXPECT_EQ(d.At(1, 1), k.expected) << std::hex << k.rop;
        EXPECT_EQ(d.At(2, 2), k.expected) << std::hex << k.rop;
        EXPECT_EQ(d.At(0, 0), dst) << std::hex << k.rop;
        EXPECT_EQ(qAlpha(d.bitmap.GetImage()->pixel(1, 1)), 255);
    }
}

TEST(GdiRaster, PatternFillUsesTheSelectedBrushAndClipRegion)
{
    Canvas c(10, 10, RGB(0, 0, 0));
    CBrush red(RGB(255, 0, 0));
    c.dc.SelectObject(&red);
    CRgn clip;
    clip.CreateRectRgn(0, 0, 5, 10);
    c.dc.SelectClipRgn(&clip);
    c.dc.PatBlt(0, 0, 10, 10, PATCOPY);
    EXPECT_EQ(c.At(4, 4), RGB(255, 0, 0));
    EXPECT_EQ(c.At(5, 4), RGB(0, 0, 0));
    c.dc.SelectClipRgn(nullptr);
    c.dc.PatBlt(0, 0, 10, 10, PATCOPY);
    EXPECT_EQ(c.At(9, 9), RGB(255, 0, 0));

    // Each clipping call answers the kind of region left.
    EXPECT_EQ(c.dc.SelectClipRgn(&clip), SIMPLEREGION);
    EXPECT_EQ(c.dc.ExcludeClipRect(1, 1, 2, 2), COMPLEXREGION);
    EXPECT_EQ(c.dc.IntersectClipRect(3, 3, 5, 5), SIMPLEREGION);
    EXPECT_EQ(c.dc.IntersectClipRect(6, 6, 8, 8), NULLREGION);
    c.dc.SelectClipRgn(nullptr);
    EXPECT_EQ(c.dc.ExcludeClipRect(0, 0, 10, 5), SIMPLEREGION);
}

TEST(GdiRaster, TransparentCopyLeavesKeyColouredPixelsOut)
{
    const COLORREF key = RGB(240, 240, 240);
    Canvas src(6, 6, key), dst(6, 6, RGB(1, 2, 3));
    src.dc.SetPixel(2, 3, RGB(200, 0, 0));
    src.dc.SetPixel(4, 4, RGB(240, 240, 241));  // near the key, still drawn
    ASSERT_TRUE(dst.dc.TransparentBlt(0, 0, 6, 6, &src.dc, 0, 0, 6, 6, key));
    EXPECT_EQ(dst.At(2, 3), RGB(200, 0, 0));
    EXPECT_EQ(dst.At(4, 4), RGB(240, 240, 241));
    EXPECT_EQ(dst.At(0, 0), RGB(1, 2, 3));
    EXPECT_EQ(dst.At(5, 5), RGB(1, 2, 3));
}

TEST(GdiRaster, StretchModesNearestAndSmooth)
{
    // Two pixels, black and white, stretched to eight and shrunk to one.
    Canvas src(2, 1, RGB(0, 0, 0));
    src.dc.SetPixel(1, 0, RGB(255, 255, 255));
    Canvas wide(8, 1, RGB(9, 9, 9)), narrow(1, 1, RGB(9, 9, 9));

    wide.dc.SetStretchBltMode(COLORONCOLOR);
    wide.dc.StretchBlt(0, 0, 8, 1, &src.dc, 0, 0, 2, 1, SRCCOPY);
    for (int x = 0; x < 8; ++x)
        EXPECT_EQ(wide.At(x, 0), x < 4 ? RGB(0, 0, 0) : RGB(255, 255, 255)) << x;

    narrow.dc.SetStretchBltMode(COLORONCOLOR);
    narrow.dc.StretchBlt(0, 0, 1, 1, &src.dc, 0, 0, 2, 1, SRCCOPY);
    const COLORREF nearest = narrow.At(0, 0);
    EXPECT_TRUE(nearest == RGB(0, 0, 0) || nearest == RGB(255, 255, 255));

    narrow.dc.SetStretchBltMode(HALFTONE);
    narrow.dc.StretchBlt(0, 0, 1, 1, &src.dc, 0, 0, 2, 1, SRCCOPY);
    const int grey = GetRValue(narrow.At(0, 0));
    EXPECT_GT(grey, 96);
    EXPECT_LT(grey, 160);

    // A negative width mirrors.
    wide.dc.SetStretchBltMode(COLORONCOLOR);
    wide.dc.StretchBlt(7, 0, -8, 1, &src.dc, 0, 0, 2, 1, SRCCOPY);
    EXPECT_EQ(wide.At(0, 0), RGB(255, 255, 255));
    EXPECT_EQ(wide.At(7, 0), RGB(0, 0, 0));
}

TEST(GdiRaster, DibRowsRoundTripBottomUpAndPaletted)
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

TEST(GdiRaster, DibChannelMasksAreRead)
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

TEST(GdiRaster, DibBandLandsWhereItLiesInTheWholeImage)
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

TEST(GdiRaster, TextExtentsAreStableAndGrowWithText)
{
    Canvas c(200, 40, RGB(255, 255, 255));
    LOGFONTW lf;
    lf.lfHeight = -13;
    lf.lfWeight = FW_BOLD;
    const char16_t face[] = u"ＭＳ Ｐゴシック";
    std::memcpy(lf.lfFaceName, face, sizeof face);
    CFont font;
    ASSERT_TRUE(font.CreateFontIndirectW(&lf));
    EXPECT_EQ(font.GetQFont().family(), QStringLiteral("IPAPGothic"));
    EXPECT_EQ(font.GetQFont().pixelSize(), 13);
    c.dc.SelectObject(&font);
    const CSize a = c.dc.GetTextExtent(QStringLiteral("保存の品質"));
    const CSize b = c.dc.GetTextExtent(QStringLiteral("保存の品質"));
    EXPECT_EQ(a, b);
    EXPECT_GT(a.cx, 0);
    EXPECT_GT(c.dc.GetTextExtent(QStringLiteral("保存の品質指定")).cx, a.cx);
    c.dc.SetBkMode(TRANSPARENT);
    c.dc.TextOut(2, 2, QStringLiteral("品質"));
    bool inked = false;
    for (int x = 0; x < 40 && !inked; ++x)
        for (int y = 0; y < 20 && !inked; ++y)
            inked = c.At(x, y) != RGB(255, 255, 255);
    EXPECT_TRUE(inked);
}

}  // namespace

namespace {

TEST(GdiRaster, BitmapBitsAreTopDownRowsOfFourBytes)
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

namespace {

TEST(GdiRaster, IconsDrawOverWhatIsBelowAndGiveTheirMask)
{
    QImage picture(4, 4, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    picture.setPixel(1, 1, qRgba(255, 0, 0, 255));
    HICON icon = CreateIconFromImage(picture, POINT{1, 2});
    ASSERT_NE(icon, nullptr);
    Canvas c(8, 8, RGB(0, 0, 255));
    ASSERT_TRUE(DrawIconEx(c.dc.GetSafeHdc(), 2, 2, icon, 0, 0, 0, nullptr, DI_NORMAL | DI_DEFAULTSIZE));
    EXPECT_EQ(c.At(3, 3), RGB(255, 0, 0));
    EXPECT_EQ(c.At(2, 2), RGB(0, 0, 255));  // transparent pixels leave the blue

    ICONINFO info;
    ASSERT_TRUE(GetIconInfo(icon, &info));
    EXPECT_EQ(info.xHotspot, 1u);
    EXPECT_EQ(info.yHotspot, 2u);
    EXPECT_EQ(info.hbmMask->image.pixel(1, 1), qRgb(0, 0, 0));
    EXPECT_EQ(info.hbmMask->image.pixel(0, 0), qRgb(255, 255, 255));
    DeleteObject(info.hbmMask);
    DeleteObject(info.hbmColor);
    DestroyIcon(icon);
}

}  // namespace
