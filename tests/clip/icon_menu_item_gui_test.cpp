// The owner-drawn menu item's painter, pixel by pixel: the background right
// of the picture column, the picture (washed out when grey) and the text.
#include "clip/icon_menu_item.h"
#include "platform/gdi/gdi_dc.h"
#include "platform/gdi/resource_bitmaps.h"

#include <gtest/gtest.h>

namespace {

constexpr QRgb kColumn = 0xFF123456;  // what the menu painted before the owner
constexpr QRgb kPicture = 0xFF204080;
constexpr QRgb kPictureCorner = 0xFFFFFFFF;

QRgb Rgb(COLORREF c)
{
    return qRgb(GetRValue(c), GetGValue(c), GetBValue(c));
}

// The picture: one colour with a white top-left pixel.
HBITMAP TestPicture(int side)
{
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(kPicture);
    image.setPixel(0, 0, kPictureCorner);
    return CreateBitmapFromImage(image);
}

QImage DrawItem(UINT itemState, int state, int scale, HBITMAP bitmap)
{
    QImage image(200 * scale, 24 * scale, QImage::Format_RGB32);
    image.fill(kColumn);
    HDC dc = CreateSurfaceDc(&image, nullptr);
    DRAWITEMSTRUCT item;
    item.itemState = itemState;
    item.hDC = dc;
    item.rcItem = RECT{0, 0, image.width(), image.height()};
    DrawIconMenuItem(item, bitmap, QStringLiteral("保存"), state, scale);
    DeleteDC(dc);
    return image;
}

bool HasPixel(const QImage& image, const QRect& area, QRgb colour)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) == colour)
                return true;
    return false;
}

TEST(IconMenuItem, NormalSelectedAndGreyItemsPixelByPixel)
{
    struct Case {
        const char* name;
        UINT itemState;
        int state;
        QRgb background;
        QRgb text;
        bool washedOut;
    };
    const QRgb menu = Rgb(GetSysColor(COLOR_MENU));
    const QRgb highlight = Rgb(GetSysColor(COLOR_HIGHLIGHT));
    const Case cases[] = {
        {"normal", 0, kIconMenuNormal, menu, qRgb(0, 0, 0), false},
        {"selected", ODS_SELECTED, kIconMenuNormal, highlight, qRgb(255, 255, 255), false},
        {"grey", ODS_GRAYED, kIconMenuGray, menu, qRgb(172, 168, 153), true},
        // A grey item under the pointer keeps the menu's background.
        {"grey selected", ODS_SELECTED | ODS_GRAYED, kIconMenuGray, menu, qRgb(172, 168, 153), true},
    };
    for (int scale : {1, 2}) {
        HBITMAP bitmap = TestPicture(16 * scale);
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << c.name << " at scale " << scale);
            const QImage image = DrawItem(c.itemState, c.state, scale, bitmap);
            // The column left of the fill keeps the menu's own painting.
            EXPECT_EQ(image.pixel(0, 0), kColumn);
            EXPECT_EQ(image.pixel(22 * scale - 1, 23 * scale), kColumn);
            EXPECT_EQ(image.pixel(22 * scale, 0), c.background);
            EXPECT_EQ(image.pixel(image.width() - 1, image.height() - 1), c.background);
            // The picture at (2, 2), ORed onto light grey when grey.
            const int at = 2 * scale;
            const QRgb grey = 0xFFC0C0C0;
            EXPECT_EQ(image.pixel(at + 5, at + 5), c.washedOut ? (kPicture | grey) : kPicture);
            EXPECT_EQ(image.pixel(at, at), kPictureCorner);
            EXPECT_EQ(image.pixel(at + 16 * scale - 1, at + 16 * scale - 1),
                c.washedOut ? (kPicture | grey) : kPicture);
            EXPECT_EQ(image.pixel(at + 16 * scale, at + 5), kColumn);
            // The text from (26, 4) in its colour, nothing of it left of there.
            EXPECT_TRUE(HasPixel(image, QRect(26 * scale, 4 * scale, 40 * scale, 16 * scale), c.text));
            EXPECT_FALSE(HasPixel(image,
                QRect(at + 16 * scale + 1, 0, 26 * scale - (at + 16 * scale + 1), image.height()), c.text));
        }
        DeleteObject(bitmap);
    }
}

TEST(IconMenuItem, WithoutAPictureTheColumnStaysAndAMissingPictureLoadsNothing)
{
    const QImage image = DrawItem(0, kIconMenuNormal, 1, nullptr);
    EXPECT_EQ(image.pixel(8, 8), kColumn);
    EXPECT_EQ(LoadMenuItemBitmap(1, 1), nullptr);
    const CIconMenuItem item(600, QStringLiteral("項目"), QString(), 1, 0, 1);
    EXPECT_EQ(item.Bitmap(), nullptr);
    EXPECT_EQ(item.Text(false), QStringLiteral("項目"));
}

TEST(IconMenuItem, SizeIsTheTextExtentWithMarginsThatGrowWithTheIconScale)
{
    const SIZE one = MeasureIconMenuItem(QStringLiteral("ズームイン"), 1);
    const SIZE two = MeasureIconMenuItem(QStringLiteral("ズームイン"), 2);
    EXPECT_EQ(two.cx - one.cx, 26);
    EXPECT_EQ(two.cy - one.cy, 8);
    EXPECT_GT(one.cx, 26 + 30);
    EXPECT_GT(MeasureIconMenuItem(QStringLiteral("ズームインの表示"), 1).cx, one.cx);
}

}  // namespace
