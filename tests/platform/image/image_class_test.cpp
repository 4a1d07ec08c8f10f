// The image class: every format it saves reads back with the same pixels,
// colour pictures are reduced well for GIF, other layouts load as expected,
// and broken or oversized files are refused.
#include "platform/image/image_class.h"
#include "tests/platform/image/gradient_image.h"
#include "tests/support/image_codec_fixtures.h"
#include "tests/support/image_fixtures.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <jpeglib.h>
#include <sys/stat.h>

namespace {

using namespace image_testing;

bool SamePixels(const CImage& a, const CImage& b)
{
    if (a.GetWidth() != b.GetWidth() || a.GetHeight() != b.GetHeight())
        return false;
    for (int y = 0; y < a.GetHeight(); ++y)
        for (int x = 0; x < a.GetWidth(); ++x)
            if (a.GetPixel(x, y) != b.GetPixel(x, y))
                return false;
    return true;
}

double Psnr(const CImage& a, const CImage& b)
{
    double sum = 0;
    for (int y = 0; y < a.GetHeight(); ++y)
        for (int x = 0; x < a.GetWidth(); ++x) {
            const COLORREF p = a.GetPixel(x, y), q = b.GetPixel(x, y);
            for (int shift : {0, 8, 16}) {
                const double d = static_cast<int>((p >> shift) & 255) - static_cast<int>((q >> shift) & 255);
                sum += d * d;
            }
        }
    const double mse = sum / (3.0 * a.GetWidth() * a.GetHeight());
    return mse == 0 ? 99 : 10 * std::log10(255.0 * 255.0 / mse);
}

}  // namespace

TEST(ImageClass, LosslessFormatsRoundTripEveryDepth)
{
    QTemporaryDir dir;
    struct Case {
        const char* ext;
        int bpp;
        DWORD flags;
        int loadedBpp;
    };
    const Case cases[] = {
        {"tif", 8, 0, 32},
        {"tiff", 24, 0, 32},
        {"tif", 32, 0, 32},
        {"tif", 32, CImage::createAlphaChannel, 32},
        {"png", 8, 0, 8},
        {"png", 24, 0, 32},
        {"png", 32, CImage::createAlphaChannel, 32},
        {"bmp", 8, 0, 8},
        {"bmp", 24, 0, 24},
        {"gif", 8, 0, 8},
    };
    for (const Case& c : cases) {
        const CImage source = Gradient(37, 23, c.bpp, c.flags);
        const QString path = dir.filePath(QStringLiteral("p%1.%2").arg(c.bpp).arg(c.ext));
        ASSERT_EQ(source.Save(path), CImage::kOk) << c.ext << " " << c.bpp;
        CImage back;
        ASSERT_EQ(back.Load(path), CImage::kOk) << c.ext << " " << c.bpp;
        EXPECT_EQ(back.GetBPP(), c.loadedBpp) << c.ext << " " << c.bpp;
        EXPECT_TRUE(SamePixels(source, back)) << c.ext << " " << c.bpp;
        if (c.flags & CImage::createAlphaChannel) {
            EXPECT_TRUE(back.HasAlphaChannel()) << c.ext;
            EXPECT_NEAR(qAlpha(back.Image().pixel(30, 5)), 30 * 255 / 37, 1) << c.ext;
        }
    }
}

TEST(ImageClass, GifOfAColourPictureIsAGoodReduction)
{
    QTemporaryDir dir;
    const CImage photo = Gradient(160, 120, 24);
    ASSERT_EQ(photo.Save(dir.filePath("photo.gif")), CImage::kOk);
    CImage back;
    ASSERT_EQ(back.Load(dir.filePath("photo.gif")), CImage::kOk);
    EXPECT_EQ(back.GetBPP(), 8);
    EXPECT_GT(Psnr(photo, back), 30.0);

    // A picture of few colours keeps them exactly.
    CImage flat;
    flat.Create(20, 10, 32);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x)
            flat.SetPixel(x, y, x < 10 ? RGB(1, 2, 3) : RGB(250, 128, 7));
    ASSERT_EQ(flat.Save(dir.filePath("flat.gif")), CImage::kOk);
    ASSERT_EQ(back.Load(dir.filePath("flat.gif")), CImage::kOk);
    EXPECT_TRUE(SamePixels(flat, back));
}

TEST(ImageClass, JpegSavesAndOtherLayoutsLoad)
{
    QTemporaryDir dir;
    const CImage photo = Gradient(64, 48, 24);
    ASSERT_EQ(photo.Save(dir.filePath("p.jpg")), CImage::kOk);
    CImage back;
    ASSERT_EQ(back.Load(dir.filePath("p.jpg")), CImage::kOk);
    EXPECT_GT(Psnr(photo, back), 28.0);

    struct Case {
        const char* what;
        QByteArray bytes;
        int bpp;
        bool alpha;
    };
    const Case cases[] = {
        {"grey PNG", MakePng(PngRecipe{.colorType = 0}), 8, false},
        {"2-bit grey PNG", MakePng(PngRecipe{.colorType = 0, .bitDepth = 2}), 8, false},
        {"4-bit palette PNG", MakePng(PngRecipe{.colorType = 3, .bitDepth = 4, .paletteSize = 16}), 8, false},
        {"16-bit RGB PNG", MakePng(PngRecipe{.bitDepth = 16}), 32, false},
        {"RGBA PNG", MakePng(PngRecipe{.colorType = 6}), 32, true},
        {"palette PNG with tRNS", MakePng(PngRecipe{.colorType = 3, .trnsCount = 4, .trnsZeroAt = 1}), 32,
            true},
        {"grey JPEG", MakeJpeg(8, 8, 1, JCS_GRAYSCALE, [](int x, int, int) { return x * 30; }), 8, false},
    };
    for (const Case& c : cases) {
        CImage image;
        ASSERT_EQ(image.Load(reinterpret_cast<const BYTE*>(c.bytes.constData()), c.bytes.size()), CImage::kOk)
            << c.what;
        EXPECT_EQ(image.GetBPP(), c.bpp) << c.what;
        EXPECT_EQ(image.HasAlphaChannel(), c.alpha) << c.what;
    }
    // 2-bit grey sample 1 of 3 is 85.
    const PngRecipe grey2{.colorType = 0, .bitDepth = 2};
    CImage image;
    const QByteArray bytes = MakePng(grey2);
    ASSERT_EQ(image.Load(reinterpret_cast<const BYTE*>(bytes.constData()), bytes.size()), CImage::kOk);
    const int v = PngSample(grey2, 1, 0, 0) * 85;
    EXPECT_EQ(image.GetPixel(1, 0), RGB(v, v, v));
}

TEST(ImageClass, BrokenAndOversizedFilesAreRefused)
{
    QTemporaryDir dir;
    const CImage photo = Gradient(50, 40, 24);
    for (const char* ext : {"tif", "gif", "png", "bmp", "jpg"}) {
        const QString path = dir.filePath(QStringLiteral("x.%1").arg(ext));
        ASSERT_EQ(photo.Save(path), CImage::kOk) << ext;
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        CImage image;
        EXPECT_EQ(image.Load(path, 50, 40), CImage::kOk) << ext;
        EXPECT_EQ(image.Load(path, 49, 40), CImage::kTooLarge) << ext;
        EXPECT_EQ(image.Load(path, 50, 39), CImage::kTooLarge) << ext;
        EXPECT_TRUE(image.IsNull()) << ext;
        const QByteArray cut = bytes.left(bytes.size() / 3);
        EXPECT_EQ(image.Load(reinterpret_cast<const BYTE*>(cut.constData()), cut.size()), CImage::kFailed)
            << ext;
    }
    CImage image;
    EXPECT_EQ(image.Load(dir.filePath("missing.png")), CImage::kFailed);
    // Only regular files are read: an endless device or a pipe without a
    // writer in a picture's place is refused at once.
    const QString pipe = dir.filePath("pipe.gif");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    EXPECT_EQ(image.Load(pipe), CImage::kFailed);
    EXPECT_EQ(image.Load(QStringLiteral("/dev/zero")), CImage::kFailed);
    EXPECT_EQ(image.Load(reinterpret_cast<const BYTE*>("hello"), 5), CImage::kFailed);
    EXPECT_EQ(photo.Save(dir.filePath("x.webp")), CImage::kFailed);
    EXPECT_EQ(photo.Save(dir.filePath("none/x.tif")), CImage::kFailed);
    // A full disk: a link named like an image that leads to /dev/full.
    for (const char* ext : {"tif", "gif", "png", "bmp", "jpg"}) {
        const QString link = dir.filePath(QStringLiteral("full.%1").arg(ext));
        ASSERT_TRUE(QFile::link("/dev/full", link));
        EXPECT_EQ(photo.Save(link), CImage::kFailed) << ext;
    }
    EXPECT_TRUE(QFileInfo("/dev/full").exists());
}

TEST(ImageClass, BmpFilesOfEveryDepthLoad)
{
    // Depths the holder's own reader refuses load here (1 and 4 bits become
    // 8-bit palette pictures), with top-down files the right way up.
    struct Case {
        BmpFileRecipe recipe;
        int bpp;
    };
    const Case cases[] = {
        {BmpFileRecipe{.width = 9, .height = 3, .bpp = 1}, 8},
        {BmpFileRecipe{.width = 9, .height = 3, .bpp = 4}, 8},
        {BmpFileRecipe{.width = 9, .height = -3, .bpp = 8}, 8},
        {BmpFileRecipe{.width = 9, .height = 3, .bpp = 24}, 24},
        {BmpFileRecipe{.width = 9, .height = 3, .bpp = 32}, 32},
    };
    for (const Case& c : cases) {
        const QByteArray bytes = MakeBmpFile(c.recipe);
        CImage image;
        ASSERT_EQ(image.Load(reinterpret_cast<const BYTE*>(bytes.constData()), bytes.size()), CImage::kOk)
            << c.recipe.bpp;
        EXPECT_EQ(image.GetBPP(), c.bpp);
        // Picture row 0 is file row 2 of a bottom-up file, file row 0 of a top-down one.
        const int fileRow = c.recipe.height < 0 ? 0 : 2;
        const BYTE first = BmpPatternByte(0, fileRow, 0);
        if (c.recipe.bpp >= 24) {
            EXPECT_EQ(GetBValue(image.GetPixel(0, 0)), first) << c.recipe.bpp;
        } else {
            const int index = first >> (8 - c.recipe.bpp);  // the first pixel's bits
            EXPECT_EQ(image.GetRow(0)[0], index) << c.recipe.bpp;
            EXPECT_EQ(GetGValue(image.GetPixel(0, 0)), 255 - index) << c.recipe.bpp;
        }
    }
}

TEST(ImageClass, BmpBitFieldsScaleEveryMaskWidth)
{
    // One 32-bit pixel with bit-field masks: full-width, 10-bit and empty.
    struct Case {
        DWORD pixel, red, green, blue;
        COLORREF expected;
    };
    const Case cases[] = {
        {0xFFFFFFFF, 0xFFFFFFFF, 0, 0, RGB(255, 0, 0)},
        {0x3FF00000, 0x3FF00000, 0x000FFC00, 0x000003FF, RGB(255, 0, 0)},
        {0x000FFFFF, 0x3FF00000, 0x000FFC00, 0x000003FF, RGB(0, 255, 255)},
    };
    for (const Case& c : cases) {
        QByteArray bytes(70, '\0');
        const auto put = [&bytes](int at, DWORD v) { std::memcpy(bytes.data() + at, &v, 4); };
        bytes[0] = 'B', bytes[1] = 'M';
        put(2, 70), put(10, 66), put(14, 40), put(18, 1), put(22, 1);
        put(26, 1 | (32 << 16));  // planes 1, 32 bits
        put(30, BI_BITFIELDS), put(54, c.red), put(58, c.green), put(62, c.blue), put(66, c.pixel);
        CImage image;
        ASSERT_EQ(image.Load(reinterpret_cast<const BYTE*>(bytes.constData()), bytes.size()), CImage::kOk);
        EXPECT_EQ(image.GetPixel(0, 0), c.expected) << std::hex << c.red;
    }
}

TEST(ImageClass, TakenPictureIsCopiedOnlyWhenSharedOrConverted)
{
    QImage alone(8, 4, QImage::Format_RGB32);
    alone.fill(qRgb(1, 2, 3));
    const uchar* bits = alone.constBits();
    CImage taker;
    taker.SetImage(std::move(alone));
    EXPECT_EQ(taker.Image().constBits(), bits);  // taken over, not copied

    QImage shared(8, 4, QImage::Format_RGB32);
    shared.fill(qRgb(4, 5, 6));
    QImage keeper = shared;
    CImage copier;
    copier.SetImage(std::move(shared));
    EXPECT_NE(copier.Image().constBits(), keeper.constBits());
    EXPECT_EQ(copier.GetPixel(0, 0), RGB(4, 5, 6));

    QImage other(8, 4, QImage::Format_ARGB32_Premultiplied);
    other.fill(qRgb(7, 8, 9));
    CImage converter;
    converter.SetImage(std::move(other));
    EXPECT_EQ(converter.Image().format(), QImage::Format_ARGB32);
    EXPECT_EQ(converter.GetPixel(3, 2), RGB(7, 8, 9));
}
