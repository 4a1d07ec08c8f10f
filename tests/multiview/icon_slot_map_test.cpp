// The icon slot map: one slot per icon name, the first free slot for a new
// one, 0 for no icon and when full; a slot handed out is never handed out again.
#include "multiview/icon_slot_map.h"
#include "platform/controls/image_list.h"

#include <gtest/gtest.h>

namespace {

QImage Solid(QRgb colour)
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

TEST(IconSlotMap, HandsOutOneSlotPerNameUntilFull)
{
    CImageList list;
    list.Create(16, 16, 0, 100, 0);
    list.SetImageCount(100);
    CIconSlotMap map(&list, 40, 42);

    EXPECT_EQ(map.AddIcon(QStringLiteral("folder"), QImage()), 0);
    EXPECT_EQ(map.AddIcon(QString(), Solid(qRgb(1, 1, 1))), 0);
    EXPECT_EQ(map.AddIcon(QStringLiteral("folder"), Solid(qRgb(255, 0, 0))), 40);
    EXPECT_EQ(map.AddIcon(QStringLiteral("folder-open"), Solid(qRgb(0, 255, 0))), 41);
    EXPECT_EQ(map.AddIcon(QStringLiteral("folder"), Solid(qRgb(0, 0, 255))), 40);
    EXPECT_EQ(map.AddIcon(QStringLiteral("image-png"), Solid(qRgb(0, 0, 255))), 42);
    EXPECT_EQ(map.AddIcon(QStringLiteral("image-gif"), Solid(qRgb(9, 9, 9))), 0);  // full
    EXPECT_EQ(map.UsedCount(), 3);
    EXPECT_EQ(map.FindKey(QStringLiteral("folder-open")), 41);

    // Slots keep what they were given: items that show them never change picture.
    EXPECT_EQ(list.GetImage(40).pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(list.GetImage(41).pixel(0, 0), qRgb(0, 255, 0));
}

}  // namespace
