// The program's bitmaps by resource id: the same picture under one id per
// icon scale, the larger one twice the size.
#include "platform/gdi/resource_bitmaps.h"

#include <gtest/gtest.h>

namespace {

TEST(ResourceBitmaps, OneToOneButtonAtBothIconScales)
{
    const QImage small = ResourceBitmapImage(276);
    const QImage large = ResourceBitmapImage(341);
    ASSERT_EQ(small.size(), QSize(20, 20));
    ASSERT_EQ(large.size(), QSize(40, 40));
    for (const QImage& image : {small, large}) {
        EXPECT_EQ(image.format(), QImage::Format_RGB32);
        EXPECT_EQ(image.pixel(0, image.height() - 1), qRgb(240, 240, 240))
            << "the button face shows around it";
        EXPECT_NE(image, QImage(image.size(), image.format())) << "something is drawn";
    }
    // The large one is the same picture: scaled down it is close to the small one.
    const QImage reduced = large.scaled(small.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    int far = 0;
    for (int y = 0; y < small.height(); ++y)
        for (int x = 0; x < small.width(); ++x)
            far += std::abs(qGray(reduced.pixel(x, y)) - qGray(small.pixel(x, y))) > 96;
    EXPECT_LE(far, 20);

    EXPECT_TRUE(ResourceBitmapImage(4712).isNull());
}

TEST(ResourceBitmaps, LoadedBitmapIsTheCallersToDelete)
{
    const HBITMAP bitmap = LoadResourceBitmap(341);
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->image, ResourceBitmapImage(341));
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_EQ(LoadResourceBitmap(4712), nullptr);
}

}  // namespace
