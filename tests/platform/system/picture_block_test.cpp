// Blocks and images for whole pictures: usable at every size, writable in
// place, and released with the image (the sanitizer build sees leaks).
#include "platform/system/picture_block.h"

#include <cstdlib>
#include <gtest/gtest.h>

TEST(PictureBlock, ImagesOfEverySizeAreWritableInPlace)
{
    // Below and above the size from which large pages are asked for.
    const QSize sizes[] = {{3, 2}, {2000, 1000}, {1, 1500000}};
    for (const QSize& size : sizes) {
        QImage image = NewPictureImage(size.width(), size.height());
        ASSERT_FALSE(image.isNull()) << size.width() << "x" << size.height();
        EXPECT_EQ(image.format(), QImage::Format_RGB32);
        EXPECT_EQ(image.size(), size);
        EXPECT_EQ(image.bytesPerLine(), size.width() * 4);
        const uchar* pixels = image.constBits();
        image.fill(qRgb(1, 2, 3));
        image.setPixel(size.width() - 1, size.height() - 1, qRgb(9, 8, 7));
        EXPECT_EQ(image.constBits(), pixels);
        // A copy shares until written, then the two differ.
        QImage copy = image;
        copy.setPixel(0, 0, qRgb(4, 5, 6));
        EXPECT_EQ(image.pixel(0, 0), qRgb(1, 2, 3));
        EXPECT_EQ(image.pixel(size.width() - 1, size.height() - 1), qRgb(9, 8, 7));
        EXPECT_EQ(copy.pixel(size.width() - 1, size.height() - 1), qRgb(9, 8, 7));
    }
    for (const QSize& bad : {QSize(0, 5), QSize(5, -1), QSize(1 << 30, 4)})
        EXPECT_TRUE(NewPictureImage(bad.width(), bad.height()).isNull())
            << bad.width() << "x" << bad.height();
}

TEST(PictureBlock, ZeroedBlocksAreZeroAtEverySize)
{
    for (std::size_t bytes : {std::size_t{0}, std::size_t{100}, std::size_t{9} << 20}) {
        auto* block = static_cast<unsigned char*>(AllocZeroedPictureBlock(bytes));
        ASSERT_NE(block, nullptr);
        bool zero = true;
        for (std::size_t i = 0; i < bytes; i += 4093)
            zero = zero && block[i] == 0;
        EXPECT_TRUE(zero && (bytes == 0 || block[bytes - 1] == 0)) << bytes;
        std::free(block);
    }
}
