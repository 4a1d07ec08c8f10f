// Loading image files into holders by extension: every format's pixels, the
// depths pictures keep, the read-error texts and the PNG header completion.
#include "core/file_types.h"
#include "imaging/image_class_loader.h"
#include "imaging/image_file_loaders.h"
#include "imaging/image_messages.h"
#include "tests/support/dib_pixels.h"
#include "tests/support/image_codec_fixtures.h"
#include "tests/support/image_fixtures.h"
#include "tests/support/scripted_dialogs.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kReadFailed = QStringLiteral("ファイルの読み込みに失敗しました。");
const QString kTooLarge = QStringLiteral("Kestrelが扱える画像サイズを超えています。");
constexpr int kW = 7;
constexpr int kH = 5;

class ImageFileLoadersTest : public testing::Test {
protected:
    void TearDown() override { g_bShowImageErrors.store(1); }

    QString Path(const QString& name) const { return dir.filePath(name); }

    // The 24-bit pattern picture written in the format the name's extension gives.
    QString WritePattern(const QString& name)
    {
        CLoadBitmap source;
        CImage image;
        EXPECT_TRUE(FillPatternHolder(&source, kW, kH, 24));
        EXPECT_EQ(FillImageFromDib(&image, source), 1);
        EXPECT_GE(image.Save(Path(name)), 0) << name.toStdString();
        return Path(name);
    }

    // A holder whose picture and path stand for an earlier image.
    void PreparePrevious(CLoadBitmap_for_Dlg* holder, const QString& path)
    {
        ASSERT_TRUE(FillPatternHolder(holder, 3, 2, 24));
        holder->path.SetPath(path);
    }

    ImageSettingsScope settings;
    QTemporaryDir dir;
    CPngTransparency transparency;
};

TEST_F(ImageFileLoadersTest, EveryFormatLoadsItsPixelsByExtension)
{
    struct Case {
        const char* file;
        const char* ext;  // as the stage passes it, in any case
        int bpp;
        int tolerance;
    } cases[] = {
        {"p.bmp", "bmp", 24, 0},
        {"p.jpg", "JPG", 24, 24},
        {"p.jpeg", "jpeg", 24, 24},
        {"p.png", "png", 24, 0},
        {"p.tif", "TIF", 24, 0},
        {"p.tiff", "tiff", 24, 0},
        {"p.gif", "gif", 8, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        ScriptedMessageBoxes boxes;
        CLoadBitmap_for_Dlg holder;
        holder.path.SetPath(WritePattern(QString::fromLatin1(c.file)));
        int captions = 0;
        ASSERT_EQ(LoadImageFile(QString::fromLatin1(c.ext), &holder, &transparency, [&] { ++captions; }), 1);
        EXPECT_TRUE(boxes.Texts().isEmpty());
        EXPECT_EQ(holder.infoHeader.biBitCount, c.bpp);
        EXPECT_EQ(holder.infoHeader.biSize, 40u);
        ASSERT_EQ(holder.infoHeader.biWidth, kW);
        ASSERT_EQ(holder.infoHeader.biHeight, kH);
        const DWORD pixelBytes = holder.fileHeader.bfSize - holder.fileHeader.bfOffBits;
        EXPECT_EQ(pixelBytes, holder.PixelBytes());
        // A BMP is read again by the holder itself and tells no caption.
        EXPECT_EQ(captions, QString::fromLatin1(c.ext) == "bmp" ? 0 : 1);
        for (int y = 0; y < kH; ++y) {
            for (int x = 0; x < kW; ++x) {
                EXPECT_TRUE(NearColor(HolderPixel(holder, x, y), PatternColor(x, y, kW, kH, 24), c.tolerance))
                    << x << "," << y;
            }
        }
    }
}

TEST_F(ImageFileLoadersTest, PicturesKeepPaletteAlphaOrBecome24Bits)
{
    // The PNG reader takes 8-bit palette and RGB files; every other layout
    // comes through the image class and keeps a depth the stage can edit.
    struct Case {
        int colorType;
        int bitDepth;
        int bpp;
    } cases[] = {
        {3, 8, 8},   // palette: the PNG reader
        {2, 8, 24},  // RGB: the PNG reader
        {2, 16, 24},
        {0, 8, 8},  // grey
        {0, 1, 8},
        {6, 8, 32},  // alpha kept
        {4, 8, 32},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "colour type " << c.colorType << ", depth " << c.bitDepth);
        PngRecipe recipe;
        recipe.colorType = c.colorType;
        recipe.bitDepth = c.bitDepth;
        ASSERT_TRUE(WriteBytes(Path("layout.png"), MakePng(recipe)));
        CLoadBitmap_for_Dlg holder;
        holder.path.SetPath(Path("layout.png"));
        ASSERT_EQ(LoadImageFile("png", &holder, &transparency, {}), 1);
        EXPECT_EQ(holder.infoHeader.biBitCount, c.bpp);
        const DWORD offset = holder.fileHeader.bfOffBits, size = holder.fileHeader.bfSize;
        const WORD type = holder.fileHeader.bfType;
        EXPECT_EQ(offset, c.bpp == 8 ? 1078u : 54u);
        EXPECT_EQ(size - offset, holder.PixelBytes());
        EXPECT_EQ(type, 0x4D42);
    }
}

TEST_F(ImageFileLoadersTest, TransparencyFollowsPngLoadsAndIsClearedByOthers)
{
    PngRecipe recipe;
    recipe.colorType = 3;
    recipe.trnsCount = 256;
    recipe.trnsZeroAt = 5;
    ASSERT_TRUE(WriteBytes(Path("key.png"), MakePng(recipe)));
    CLoadBitmap_for_Dlg holder;
    holder.path.SetPath(Path("key.png"));
    ASSERT_EQ(LoadImageFile("png", &holder, &transparency, {}), 1);
    EXPECT_TRUE(transparency.HasTransparency());

    holder.path.SetPath(WritePattern("plain.gif"));
    ASSERT_EQ(LoadImageFile("gif", &holder, &transparency, {}), 1);
    EXPECT_FALSE(transparency.HasTransparency());
}

TEST_F(ImageFileLoadersTest, BrokenFilesTellTheirTextAndLeaveTheHolder)
{
    const QByteArray junk("this is no picture at all, just some text bytes to fill a file");
    QByteArray cutJpeg =
        MakeJpeg(16, 16, 3, 2, [](int x, int y, int c) { return (x * 9 + y * 5 + c * 60) % 256; });
    cutJpeg.truncate(cutJpeg.size() / 2);
    struct Case {
        const char* file;
        QByteArray bytes;
        bool showErrors;
        QString text;  // empty: no box
    } cases[] = {
        {"empty.jpg", QByteArray(), true, QStringLiteral("JEPEG : ファイルの読み込みに失敗しました。")},
        {"junk.jpg", junk, true, QStringLiteral("JEPEG : 不正なフォーマットです。")},
        {"cut.jpg", cutJpeg, true, QStringLiteral("JEPEG : 不正なフォーマットです。")},
        {"junk.jpeg", junk, false, QString()},
        {"junk.tif", junk, true, kReadFailed},
        {"junk.gif", junk, false, QString()},
        {"junk.png", junk, true, kReadFailed},  // the PNG reader is silent; the image class tells
        {"junk.png", junk, false, QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.file << (c.showErrors ? " shown" : " quiet"));
        g_bShowImageErrors.store(c.showErrors ? 1 : 0);
        const QString path = Path(QString::fromLatin1(c.file));
        ASSERT_TRUE(WriteBytes(path, c.bytes));
        CLoadBitmap_for_Dlg holder;
        PreparePrevious(&holder, path);
        ScriptedMessageBoxes boxes;
        int captions = 0;
        EXPECT_EQ(LoadImageFile(GetFileExtension(path), &holder, &transparency, [&] { ++captions; }), 0);
        EXPECT_EQ(boxes.Texts(), c.text.isEmpty() ? QStringList() : QStringList{c.text});
        EXPECT_EQ(captions, 0);
        EXPECT_EQ(holder.infoHeader.biWidth, 3);
        EXPECT_NE(holder.bits, nullptr);
    }
}

TEST_F(ImageFileLoadersTest, OversizedPicturesAreToldEvenWhenReadErrorsAreQuiet)
{
    for (const char* file : {"big.gif", "big.tif", "big.jpg"}) {
        SCOPED_TRACE(file);
        const QString path = WritePattern(QString::fromLatin1(file));
        ImageSettingsScope small(kW - 1, kH);
        g_bShowImageErrors.store(0);
        CLoadBitmap_for_Dlg holder;
        holder.path.SetPath(path);
        ScriptedMessageBoxes boxes;
        EXPECT_EQ(LoadImageFile(GetFileExtension(path), &holder, &transparency, {}), 0);
        EXPECT_EQ(boxes.Texts(), QStringList{kTooLarge});
    }
}

TEST_F(ImageFileLoadersTest, AnUnknownExtensionLoadsNothing)
{
    CLoadBitmap_for_Dlg holder;
    holder.path.SetPath(WritePattern("p.gif"));
    ScriptedMessageBoxes boxes;
    EXPECT_EQ(LoadImageFile("txt", &holder, &transparency, {}), 0);
    EXPECT_FALSE(holder.IsLoaded());
    EXPECT_TRUE(boxes.Texts().isEmpty());
}

}  // namespace
