// Image lists: slots of one size, counted, replaced and appended.
#include "platform/controls/image_list.h"

#include <gtest/gtest.h>

namespace {

QImage Filled(int size, QRgb colour)
{
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

TEST(ImageList, SlotsKeepTheirSizeAndIndexes)
{
    CImageList list;
    EXPECT_EQ(list.Add(Filled(16, qRgb(1, 2, 3))), -1);  // not created yet
    ASSERT_TRUE(list.Create(16, 16, ILC_COLOR32 | ILC_MASK, 4, 4));
    EXPECT_EQ(list.Add(Filled(32, qRgb(200, 0, 0))), 0);
    EXPECT_EQ(list.GetImage(0).size(), QSize(16, 16));
    EXPECT_EQ(list.GetImage(0).format(), QImage::Format_ARGB32);
    EXPECT_EQ(list.Replace(-1, Filled(16, qRgb(0, 200, 0))), 1);
    EXPECT_EQ(list.Replace(5, Filled(16, qRgb(0, 0, 200))), -1);
    EXPECT_EQ(list.Replace(0, Filled(16, qRgb(0, 0, 200))), 0);
    EXPECT_EQ(list.GetImage(0).pixel(3, 3), qRgb(0, 0, 200));

    ASSERT_TRUE(list.SetImageCount(5));
    EXPECT_EQ(list.GetImageCount(), 5);
    EXPECT_EQ(qAlpha(list.GetImage(4).pixel(0, 0)), 0);  // new slots are blank
    ASSERT_TRUE(list.SetImageCount(1));
    EXPECT_EQ(list.GetImageCount(), 1);
    EXPECT_TRUE(list.GetImage(1).isNull());
}

}  // namespace
