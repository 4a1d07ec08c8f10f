#include "core/control_helpers.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

// A memory DC drawing on a bitmap of the given size.
struct MemorySurface {
    CDC dc;
    CBitmap bitmap;
    CBitmap* old = nullptr;
    MemorySurface(int w, int h)
    {
        dc.CreateCompatibleDC(nullptr);
        bitmap.CreateBitmap(w, h, 1, 32, nullptr);
        old = dc.SelectObject(&bitmap);
    }
    ~MemorySurface() { dc.SelectObject(old); }
};

}  // namespace

TEST(ControlHelpers, FillRectColorFillsExactlyTheRectangle)
{
    MemorySurface s(8, 6);
    s.dc.FillSolidRect(0, 0, 8, 6, RGB(0, 0, 0));
    const RECT r{2, 1, 5, 4};  // right and bottom exclusive
    FillRectColor(&s.dc, &r, RGB(200, 30, 10));
    EXPECT_EQ(s.dc.GetPixel(2, 1), RGB(200, 30, 10));
    EXPECT_EQ(s.dc.GetPixel(4, 3), RGB(200, 30, 10));
    EXPECT_EQ(s.dc.GetPixel(5, 3), RGB(0, 0, 0));
    EXPECT_EQ(s.dc.GetPixel(4, 4), RGB(0, 0, 0));
    EXPECT_EQ(s.dc.GetPixel(1, 1), RGB(0, 0, 0));
}

TEST(ControlHelpers, CopyBitmapHandleCopiesEveryPixelOfOddWidths)
{
    for (const QSize size : {QSize(1, 1), QSize(3, 2), QSize(7, 5)}) {
        QImage source(size, QImage::Format_RGB32);
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                source.setPixel(x, y, qRgb(x * 30, y * 40, 7));
        CBitmap original;
        ASSERT_TRUE(original.CreateFromImage(source));
        CBitmap copy;
        const HBITMAP handle = CopyBitmapHandle(&copy, original);
        ASSERT_NE(handle, nullptr);
        EXPECT_EQ(handle, static_cast<HBITMAP>(copy));
        EXPECT_NE(handle, static_cast<HBITMAP>(original));
        ASSERT_NE(copy.GetImage(), nullptr);
        EXPECT_EQ(*copy.GetImage(), *original.GetImage());
        // The copy is its own: drawing on the original leaves it alone.
        original.GetImage()->fill(Qt::white);
        EXPECT_EQ(copy.GetImage()->pixel(0, 0), qRgb(0, 0, 7));
    }
    CBitmap out;
    EXPECT_EQ(CopyBitmapHandle(&out, nullptr), nullptr);
}
