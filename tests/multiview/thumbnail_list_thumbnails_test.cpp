// Making thumbnails from real files: the JPEG routes, placeholders for what
// cannot be shown, and the loading passes with the program's decoder.
#include "multiview/thumbnail_list.h"

#include "platform/gdi/gdi.h"
#include "platform/image/image_class.h"
#include "tests/multiview/thumb_test_folder.h"
#include "tests/support/exif_builder.h"
#include "tests/support/image_codec_fixtures.h"
#include "tests/support/image_fixtures.h"
#include "tests/support/scripted_dialogs.h"

#include <jpeglib.h>

namespace {

QByteArray SolidJpeg(int w, int h, int r, int g, int b)
{
    return MakeJpeg(w, h, 3, JCS_RGB, [=](int, int, int c) { return c == 0 ? r : c == 1 ? g : b; });
}

QByteArray GradientJpeg(int w, int h)
{
    return MakeJpeg(w, h, 3, JCS_RGB, [=](int x, int y, int c) {
        return c == 0 ? x * 255 / w : c == 1 ? y * 255 / h : (x + y) * 255 / (w + h);
    });
}

// A JPEG file whose EXIF block carries thumb, followed by the main picture.
QByteArray WithExifThumbnail(const QByteArray& main, const QByteArray& thumb)
{
    ExifBuilder b;
    b.Ascii(ExifBuilder::Ifd0, 271, "Maker").Thumbnail(thumb);
    QByteArray file = b.Jpeg();
    file.chop(8);  // the builder's stand-in for the picture data
    return file + main.mid(2);
}

// A 10 x 3 BMP of 16 bits per pixel (5-5-5).
QByteArray SixteenBitBmp()
{
    BmpFileRecipe recipe;
    recipe.width = 10;
    recipe.bpp = 16;
    recipe.tableEntries = 0;
    QByteArray file = MakeBmpFile(recipe).left(54);
    file += QByteArray(20 * 3, '\x55');
    return file;
}

// Mean absolute difference per channel of two pictures of one size.
double MeanDifference(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
            sum +=
                std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * x.width() * x.height());
}

class ThumbnailListThumbnails : public ::testing::Test {
protected:
    ThumbSettingsScope settings;
    ThumbTestFolder folder;
    CThumbnailList list;

    void Load()
    {
        list.SetAvailableMemoryMB([] { return DWORD(2000); });
        ScriptedMessageBoxes boxes;
        ASSERT_GT(list.LoadFolder(folder.Path(), 100, 0), 0);
    }
    QImage Bitmap(int position) const
    {
        HBITMAP bitmap = nullptr;
        if (!list.GetThumbnail(position, &bitmap, nullptr, nullptr))
            return QImage();
        return bitmap->image;
    }
};

TEST_F(ThumbnailListThumbnails, EachKindOfFileGetsItsThumbnailOrPlaceholder)
{
    folder.Write("a_plain.jpg", SolidJpeg(600, 400, 0, 0, 255));
    folder.Write(
        "b_exif.jpg", WithExifThumbnail(SolidJpeg(800, 600, 0, 0, 255), SolidJpeg(160, 120, 255, 0, 0)));
    // An embedded thumbnail that cannot be decoded: the file itself is.
    folder.Write("c_badexif.jpg",
        WithExifThumbnail(SolidJpeg(300, 300, 0, 0, 255), QByteArray("\xFF\xD8garbage\xFF\xD9", 11)));
    folder.Write("d_16bit.bmp", SixteenBitBmp());
    folder.Write("e_24bit.bmp", MakeBmpFile(BmpFileRecipe()));
    folder.Write("f_corrupt.png", MakePng(PngRecipe()).left(40));
    folder.Write("g_empty.gif", QByteArray());
    folder.Write("h_grey.jpg", MakeJpeg(200, 100, 1, JCS_GRAYSCALE, [](int, int, int) { return 128; }));
    folder.Write("i_cmyk.jpg", MakeJpeg(100, 200, 4, JCS_CMYK, [](int, int, int) { return 200; }));
    Load();
    ASSERT_EQ(list.GetFileCount(), 9);

    const QImage unsupported = MultiViewBitmapImage(kUnsupportedFileBitmap)
                                   .scaled(97, 97, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage unreadable = MultiViewBitmapImage(kUnreadableFileBitmap)
                                  .scaled(97, 97, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const struct {
        int result;
        BYTE decode, thumbnail;
        CSize image, thumb;
        QRgb colour;  // the thumbnail's centre, 0 for a placeholder
        const QImage* placeholder;
    } cases[] = {
        {kThumbMade, 1, 1, CSize(600, 400), CSize(145, 97), qRgb(0, 0, 255), nullptr},
        // The file's own size; the picture from the embedded thumbnail.
        {kThumbMade, 1, 1, CSize(800, 600), CSize(145, 109), qRgb(255, 0, 0), nullptr},
        {kThumbMade, 1, 1, CSize(300, 300), CSize(145, 145), qRgb(0, 0, 255), nullptr},
        {kThumbUnsupported, 1, 0, CSize(96, 96), CSize(97, 97), 0, &unsupported},
        {kThumbMade, 1, 1, CSize(5, 3), CSize(6, 4), 0, nullptr},
        {kThumbUnreadable, 0, 0, CSize(96, 96), CSize(97, 97), 0, &unreadable},
        {kThumbUnreadable, 0, 0, CSize(96, 96), CSize(97, 97), 0, &unreadable},
        {kThumbMade, 1, 1, CSize(200, 100), CSize(145, 73), qRgb(128, 128, 128), nullptr},
        {kThumbMade, 1, 1, CSize(100, 200), CSize(73, 145), 0, nullptr},  // through the image class
    };
    for (int f = 0; f < 9; ++f) {
        const auto& c = cases[f];
        SCOPED_TRACE(list.GetFileName(f).toStdString());
        EXPECT_EQ(list.MakeThumbnail(f), c.result);
        EXPECT_EQ(list.GetThumbnailState(f).decode, c.decode);
        EXPECT_EQ(list.GetThumbnailState(f).thumbnail, c.thumbnail);
        HBITMAP bitmap = nullptr;
        CSize thumb, image;
        ASSERT_EQ(list.GetThumbnail(f, &bitmap, &thumb, &image), 1);
        EXPECT_EQ(image, c.image);
        EXPECT_EQ(thumb, c.thumb);
        EXPECT_EQ(bitmap->image.size(), QSize(c.thumb.cx, c.thumb.cy));
        if (c.colour != 0) {
            const QRgb centre = bitmap->image.pixel(c.thumb.cx / 2, c.thumb.cy / 2);
            EXPECT_NEAR(qRed(centre), qRed(c.colour), 8);
            EXPECT_NEAR(qBlue(centre), qBlue(c.colour), 8);
        }
        if (c.placeholder) {
            EXPECT_EQ(bitmap->image, *c.placeholder);
        }
    }
    EXPECT_EQ(list.GetLoadedPercent(0, 8), 100);
    list.ReleaseThumbnail(1);
    EXPECT_EQ(list.IsThumbnailLoaded(1), 0);
    EXPECT_EQ(list.GetThumbnailState(1).decode, 2);
    EXPECT_EQ(list.GetThumbnailState(1).thumbnail, 2);
    EXPECT_EQ(list.GetLoadedPercent(0, 8), 8 * 100 / 9);
}

TEST_F(ThumbnailListThumbnails, AReducedJpegDecodeMatchesTheWholeDecodeStretched)
{
    const QByteArray jpeg = GradientJpeg(1600, 1200);
    folder.Write("big.jpg", jpeg);
    Load();
    ASSERT_EQ(list.MakeThumbnail(0), kThumbMade);
    CImage whole;
    ASSERT_EQ(whole.Load(reinterpret_cast<const BYTE*>(jpeg.constData()), jpeg.size()), CImage::kOk);
    const QImage reference = whole.Image().scaled(145, 109, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage made = Bitmap(0);
    ASSERT_EQ(made.size(), reference.size());
    EXPECT_LT(MeanDifference(made, reference), 2.0);
    EXPECT_EQ(list.GetImageSize(0), CSize(1600, 1200)) << "the size is the file's, not the reduced picture's";
}

TEST_F(ThumbnailListThumbnails, SmallerEdgesMakeSmallerThumbnails)
{
    folder.Write("a.jpg", SolidJpeg(400, 200, 10, 20, 30));
    Load();
    for (int edge : {96, 48}) {
        list.SetThumbEdge(edge);
        list.ReleaseThumbnail(0);
        ASSERT_EQ(list.MakeThumbnail(0), kThumbMade);
        EXPECT_EQ(Bitmap(0).size(), QSize(edge + 1, edge / 2 + 1));
    }
}

TEST_F(ThumbnailListThumbnails, ARangeLoadMakesEveryThumbnailInDisplayOrder)
{
    for (int i = 0; i < 6; ++i)
        folder.Write(QString("f%1.jpg").arg(i), SolidJpeg(64, 48, i * 40, 0, 0));
    Load();
    list.SetDescending(1);
    ThumbLoadControl& control = list.LoadControl();
    control.loadedCount = 0;
    list.SetLoadState(kThumbLoadRunning);
    EXPECT_EQ(list.LoadRange(0, 2), 1);
    EXPECT_EQ(list.GetLoadState(), kThumbLoadFinished);
    EXPECT_EQ(control.loadedCount.load(), 3);
    // Positions 0..2 descending are the last three files.
    for (int f = 0; f < 6; ++f)
        EXPECT_EQ(list.GetThumbnailState(f).thumbnail, f >= 3 ? 1 : 2) << f;
    EXPECT_EQ(list.FindFirstLoaded(0, 5), 0);
    EXPECT_EQ(list.FindFirstLoaded(3, 5), 0) << "none there: 0";
    EXPECT_EQ(list.LoadPage(3, 5), 1);
    EXPECT_EQ(control.loadedCount.load(), 6);
    EXPECT_TRUE(list.IsRangeLoaded(0, 5));
}

TEST_F(ThumbnailListThumbnails, ThumbnailsThatCannotBeDrawnEndTheLoadAfter20Passes)
{
    for (int i = 0; i < 3; ++i)
        folder.Write(QString("f%1.jpg").arg(i), "x");
    Load();
    std::atomic<int> calls{0};
    list.SetThumbnailDecoder([&](const QString&, int) {
        ++calls;
        ThumbnailSource source;
        source.result = kThumbMade;  // but no picture to draw
        source.decodeState = 1;
        return source;
    });
    ScriptedMessageBoxes boxes;
    EXPECT_EQ(list.LoadRange(0, 2), 1);
    EXPECT_EQ(boxes.Texts(), QStringList{QStringLiteral("いくつかのファイルの読み込みに失敗しました。")});
    EXPECT_EQ(list.GetLoadState(), kThumbLoadFinished);
    EXPECT_EQ(list.LoadControl().passCount.load(), kLoadPassLimit);
    EXPECT_EQ(calls.load(), 3 * kLoadPassLimit);
}

TEST_F(ThumbnailListThumbnails, RefreshReadsTheFileAgain)
{
    folder.Write("a.jpg", SolidJpeg(64, 48, 255, 0, 0), 1600000000);
    Load();
    ASSERT_EQ(list.MakeThumbnail(0), kThumbMade);
    folder.Write("a.jpg", SolidJpeg(48, 64, 0, 0, 255), 1700000000);
    const QString path = folder.PathOf("a.jpg");
    EXPECT_EQ(list.RefreshEntry(0, path, true), 1);
    EXPECT_EQ(Bitmap(0).size(), QSize(65, 49)) << "dates only: the thumbnail stays";
    SYSTEMTIME t;
    list.GetFileTime(0, &t);
    EXPECT_EQ(t.wYear, 2023);
    EXPECT_EQ(list.RefreshEntry(0, path, false), 1);
    EXPECT_EQ(Bitmap(0).size(), QSize(49, 65));
    EXPECT_EQ(list.GetImageSize(0), CSize(48, 64));

    folder.Write("a.jpg", "broken");
    EXPECT_EQ(list.RefreshEntry(0, path, false), 0);
    EXPECT_EQ(list.GetThumbnailState(0).decode, 0);
    EXPECT_EQ(list.RefreshEntry(0, folder.PathOf("gone.jpg"), false), 0);
    folder.Sized("a.jpg", 0x100000000ll);
    EXPECT_EQ(list.RefreshEntry(0, path, true), 0) << "4 GiB";
}

}  // namespace
