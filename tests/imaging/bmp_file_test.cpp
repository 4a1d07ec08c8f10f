// BMP files: what the reader accepts and refuses, the normalised holder it
// leaves, and the writer's round trip and failures.
#include "core/settings/app_settings.h"
#include "imaging/bmp_file.h"
#include "imaging/dib_accessor.h"
#include "imaging/dib_helpers.h"
#include "imaging/load_bitmap_for_dlg.h"
#include "tests/support/image_fixtures.h"
#include "tests/support/scripted_dialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kUnsupported = QStringLiteral("対応していないBMPフォーマットです。");
const QString kTooLarge = QStringLiteral("Kestrelが扱える画像サイズを超えています。");

class BmpFileTest : public testing::Test {
protected:
    QString Put(const QByteArray& bytes, const QString& name = "in.bmp")
    {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(WriteBytes(path, bytes));
        return path;
    }
    QTemporaryDir dir;
    ImageSettingsScope settings{100, 80};
};

}  // namespace

TEST_F(BmpFileTest, RefusalsAndTheirMessages)
{
    struct Case {
        const char* what;
        BmpFileRecipe recipe;
        QString message;  // empty: refused silently
    };
    BmpFileRecipe base;
    auto with = [&](auto change) {
        BmpFileRecipe s = base;
        change(s);
        return s;
    };
    const Case cases[] = {
        {"1 bit", with([](BmpFileRecipe& s) { s.bpp = 1; }), kUnsupported},
        {"4 bits", with([](BmpFileRecipe& s) { s.bpp = 4; }), kUnsupported},
        {"16 bits", with([](BmpFileRecipe& s) { s.bpp = 16; }), ""},
        {"planes 2", with([](BmpFileRecipe& s) { s.planes = 2; }), ""},
        {"type BX", with([](BmpFileRecipe& s) { s.type = 0x5842; }), ""},
        {"RLE8", with([](BmpFileRecipe& s) { s.bpp = 8, s.compression = 1; }), kUnsupported},
        {"width 0", with([](BmpFileRecipe& s) { s.width = 0; }), kUnsupported},
        {"negative width", with([](BmpFileRecipe& s) { s.width = -4; }), kUnsupported},
        {"height 0", with([](BmpFileRecipe& s) { s.height = 0; }), kUnsupported},
        {"one pixel too wide", with([](BmpFileRecipe& s) { s.width = 101; }), kTooLarge},
        {"one row too tall (top-down)", with([](BmpFileRecipe& s) { s.height = -81; }), kTooLarge},
        {"pixels cut short", with([](BmpFileRecipe& s) { s.cutBytes = 1; }), kUnsupported},
        {"offset inside the header", with([](BmpFileRecipe& s) { s.offBitsDelta = -20; }), kUnsupported},
        {"offset past the end", with([](BmpFileRecipe& s) { s.statedOffBits = 1 << 30; }), kUnsupported},
    };
    for (const Case& c : cases) {
        ScriptedMessageBoxes boxes;
        CLoadBitmap_for_Dlg holder;
        EXPECT_EQ(holder.ReadBmpFile(Put(MakeBmpFile(c.recipe))), 0) << c.what;
        EXPECT_FALSE(holder.IsLoaded()) << c.what;
        EXPECT_EQ(boxes.Texts(), c.message.isEmpty() ? QStringList() : QStringList{c.message}) << c.what;
    }
    for (const QByteArray& broken : {QByteArray(), QByteArray("BM"), MakeBmpFile(base).left(30)}) {
        CLoadBitmap_for_Dlg holder;
        ScriptedMessageBoxes boxes;
        EXPECT_EQ(holder.ReadBmpFile(Put(broken)), 0);
        EXPECT_TRUE(boxes.Texts().isEmpty());
    }
}

TEST_F(BmpFileTest, MissingFileIsReportedUnlessMessagesAreOff)
{
    ScriptedMessageBoxes boxes;
    CLoadBitmap_for_Dlg holder;
    const QString missing = dir.filePath("nothing.bmp");
    EXPECT_EQ(holder.ReadBmpFile(missing), 0);
    holder.showMessages = 0;
    EXPECT_EQ(holder.ReadBmpFile(missing), 0);
    EXPECT_EQ(boxes.Texts(), QStringList{"Failure: Open File - " + missing});

    // The whole text is cut to 520 characters.
    holder.showMessages = 1;
    const QString deep =
        dir.filePath(QString(200, u'a') + '/' + QString(200, u'b') + '/' + QString(200, u'c'));
    EXPECT_EQ(holder.ReadBmpFile(deep), 0);
    ASSERT_EQ(boxes.Texts().size(), 2);
    EXPECT_EQ(boxes.Texts()[1], ("Failure: Open File - " + deep).left(520));
}

TEST_F(BmpFileTest, AcceptedFilesLoadNormalised)
{
    struct Case {
        const char* what;
        BmpFileRecipe recipe;
    };
    const Case cases[] = {
        {"24 bits", BmpFileRecipe{}},
        {"32 bits", BmpFileRecipe{.bpp = 32}},
        {"8 bits", BmpFileRecipe{.bpp = 8}},
        {"8 bits, 16-entry table", BmpFileRecipe{.bpp = 8, .tableEntries = 16}},
        {"56-byte header", BmpFileRecipe{.bpp = 8, .headerSize = 56}},
        {"108-byte header", BmpFileRecipe{.headerSize = 108}},
        {"124-byte header", BmpFileRecipe{.bpp = 32, .headerSize = 124}},
        {"top-down", BmpFileRecipe{.height = -3}},
        {"exactly at the limits", BmpFileRecipe{.width = 100, .height = 80}},
        {"gap before the pixels", BmpFileRecipe{.offBitsDelta = 10}},
    };
    for (const Case& c : cases) {
        ScriptedMessageBoxes boxes;
        CLoadBitmap_for_Dlg holder;
        ASSERT_EQ(holder.ReadBmpFile(Put(MakeBmpFile(c.recipe))), 1) << c.what;
        const int h = std::abs(c.recipe.height);
        const std::uint32_t stride = GetDibStride(c.recipe.bpp, c.recipe.width);
        EXPECT_EQ(holder.infoHeader.biSize, 40u) << c.what;
        EXPECT_EQ(holder.infoHeader.biHeight, h) << c.what;
        EXPECT_EQ(DWORD(holder.fileHeader.bfOffBits), c.recipe.bpp == 8 ? 1078u : 54u) << c.what;
        EXPECT_EQ(holder.PixelBytes(), stride * h) << c.what;
        EXPECT_EQ(holder.info->bmiHeader.biSize, 40u) << c.what;
        // Memory row r holds file row r, or file row h - 1 - r when the file was top-down.
        for (int r = 0; r < h; ++r) {
            const int fileRow = c.recipe.height < 0 ? h - 1 - r : r;
            ASSERT_EQ(holder.bits[r * stride], BmpPatternByte(0, fileRow, 0)) << c.what << " row " << r;
        }
        if (c.recipe.bpp == 8) {
            const int entries = c.recipe.tableEntries < 0 ? 256 : c.recipe.tableEntries;
            EXPECT_EQ(holder.info->bmiColors[5].rgbRed, 35) << c.what;
            EXPECT_EQ(holder.info->bmiColors[5].rgbGreen, 250) << c.what;
            if (entries < 256) {
                EXPECT_EQ(holder.info->bmiColors[entries].rgbGreen, 0) << c.what;
            }
        }
        EXPECT_TRUE(boxes.Texts().isEmpty()) << c.what;
    }
}

TEST_F(BmpFileTest, ForcedResolutionReplacesTheFileResolution)
{
    CLoadBitmap_for_Dlg holder;
    const QString path = Put(MakeBmpFile(BmpFileRecipe{}));
    ASSERT_EQ(holder.ReadBmpFile(path), 1);
    EXPECT_EQ(holder.infoHeader.biXPelsPerMeter, 2835);
    AppSettings.ForceSave_dpi = 1;
    ASSERT_EQ(holder.ReadBmpFile(path), 1);
    EXPECT_EQ(holder.infoHeader.biXPelsPerMeter, 3780);
    EXPECT_EQ(holder.infoHeader.biYPelsPerMeter, 3780);
    AppSettings.ForceSave_dpi = 0;
}

TEST_F(BmpFileTest, FailedReadKeepsThePreviousImage)
{
    ScriptedMessageBoxes boxes;
    CLoadBitmap_for_Dlg holder;
    ASSERT_EQ(holder.ReadBmpFile(Put(MakeBmpFile(BmpFileRecipe{}))), 1);
    const BYTE* before = holder.bits;
    EXPECT_EQ(holder.ReadBmpFile(Put(MakeBmpFile(BmpFileRecipe{.cutBytes = 5}), "cut.bmp")), 0);
    EXPECT_EQ(holder.bits, before);
    EXPECT_EQ(holder.infoHeader.biWidth, 5);
}

TEST_F(BmpFileTest, ReloadNeedsAStoredName)
{
    CLoadBitmap_for_Dlg holder;
    EXPECT_EQ(holder.Reload(), 0);
    holder.path.SetName("");
    EXPECT_EQ(holder.Reload(), 0);
    holder.path.SetName("no_");
    EXPECT_EQ(holder.Reload(), 0);
    holder.path.SetPath(Put(MakeBmpFile(BmpFileRecipe{})));
    EXPECT_EQ(holder.Reload(), 1);
    holder.Free();
    EXPECT_EQ(holder.path.Name(), "no_name");
}

TEST_F(BmpFileTest, SaveRoundTripsEveryDepth)
{
    for (int bpp : {8, 24, 32}) {
        CLoadBitmap_for_Dlg source;
        ASSERT_TRUE(FillPatternHolder(&source, 7, 3, bpp));
        BYTE code = 0;
        const QString path = dir.filePath(QStringLiteral("out%1.bmp").arg(bpp));
        ASSERT_EQ(SaveBmpFile(path, SourceOf(source), &code), 1) << bpp;
        EXPECT_EQ(code, kBmpSaved);
        EXPECT_EQ(QFileInfo(path).size(), DWORD(source.fileHeader.bfSize));
        CLoadBitmap_for_Dlg back;
        ASSERT_EQ(back.ReadBmpFile(path), 1) << bpp;
        EXPECT_EQ(back.infoHeader.biBitCount, bpp);
        ASSERT_EQ(back.PixelBytes(), source.PixelBytes());
        EXPECT_EQ(std::memcmp(back.bits, source.bits, source.PixelBytes()), 0) << bpp;
        if (bpp == 8) {
            EXPECT_EQ(std::memcmp(back.info->bmiColors, source.info->bmiColors, 1024), 0);
        }
    }
}

TEST_F(BmpFileTest, SaveFailuresLeaveNoFileAndKeepTheOldOne)
{
    CLoadBitmap_for_Dlg source;
    ASSERT_TRUE(FillPatternHolder(&source, 7, 3, 24));
    BYTE code = 0;
    EXPECT_EQ(SaveBmpFile(dir.filePath("no/such/folder/x.bmp"), SourceOf(source), &code), 0);
    EXPECT_EQ(code, kBmpCannotCreate);

    EXPECT_EQ(SaveBmpFile("/dev/full", SourceOf(source), &code), 0);
    EXPECT_EQ(code, kBmpNoDiskSpace);
    EXPECT_TRUE(QFileInfo("/dev/full").exists());

    // The free-space test: 111 MB free holds a 100 MB file, 110 MB does not.
    EXPECT_EQ(HasRoomForBmp(111, 100u << 20), 1);
    EXPECT_EQ(HasRoomForBmp(110, 100u << 20), 0);
    EXPECT_EQ(HasRoomForBmp(111, (101u << 20) - 1), 1);
    SetFreeSpaceProbeForTesting([](const QString&) -> std::uint64_t { return 0; });
    const QString kept = Put("old content", "kept.bmp");
    source.fileHeader.bfSize += 2u << 20;  // claims 2 MB: more than "0 MB free" holds
    EXPECT_EQ(SaveBmpFile(kept, SourceOf(source), &code), 0);
    source.fileHeader.bfSize -= 2u << 20;
    SetFreeSpaceProbeForTesting(nullptr);
    EXPECT_EQ(code, kBmpNoDiskSpace);
    EXPECT_EQ(ReadBytes(kept), "old content");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"kept.bmp"}));
}
