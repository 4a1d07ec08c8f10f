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
        BmpFileSpec spec;
        QString message;  // empty: refused silently
    };
    BmpFileSpec base;
    auto with = [&](auto change) {
        BmpFileSpec s = base;
        change(s);
        return s;
    };
    const Case cases[] = {
        {"1 bit", with([](BmpFileSpec& s) { s.bpp = 1; }), kUnsupported},
        {"4 bits", with([](BmpFileSpec& s) { s.bpp = 4; }), kUnsupported},
        {"16 bits", with([](BmpFileSpec& s) { s.bpp = 16; }), ""},
        {"planes 2", with([](BmpFileSpec& s) { s.planes = 2; }), ""},
        {"type BX", with([](BmpFileSpec& s) { s.type = 0x5842; }), ""},
        {"RLE8", with([](BmpFileSpec& s) { s.bpp = 8, s.compression = 1; }), kUnsupported},
        {"width 0", with([](BmpFileSpec& s) { s.width = 0; }), kUnsupported},
        {"negative width", with([](BmpFileSpec& s) { s.width = -4; }), kUnsupported},
        {"height 0", with([](BmpFileSpec& s) { s.height = 0; }), kUnsupported},
        {"one pixel too wide", with([](BmpFileSpec& s) { s.width = 101; }), kTooLarge},
        {"one row too tall (top-down)", with([](BmpFileSpec& s) { s.height = -81; }), kTooLarge},
        {"pixels cut short", with([](BmpFileSpec& s) { s.cutBytes = 1; }), kUnsupported},
        {"offset inside the header", with([](BmpFileSpec& s) { s.offBitsDelta = -20; }), kUnsupported},
        {"offset past the end", with([](BmpFileSpec& s) { s.statedOffBits = 1 << 30; }), kUnsupported},
    };
    for (const Case& c : cases) {
        ScriptedMessageBoxes boxes;
        CLoadBitmap_for_Dlg holder;
        EXPECT_EQ(holder.ReadBmpFile(Put(MakeBmpFile(c.spec))), 0) << c.what;
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
        BmpFileSpec spec;
    };
    const Case cases[] = {
        {"24 bits", BmpFileSpec{}},
        {"32 bits", BmpFileSpec{.bpp = 32}},
        {"8 bits", BmpFileSpec{.bpp = 8}},
        {"8 bits, 16-entry table", BmpFileSpec{.bpp = 8, .tableEntries = 16}},
        {"56-byte header", BmpFileSpec{.bpp = 8, .headerSize = 56}},
        {"108-byte header", BmpFileSpec{.headerSize = 108}},
        {"124-byte header", BmpFileSpec{.bpp = 32, .headerSize = 124}},
        {"top-down", BmpFileSpec{.height = -3}},
        {"exactly at the limits", BmpFileSpec{.width = 100, .height = 80}},
        {"gap before the pixels", BmpFileSpec{.offBitsDelta = 10}},
    };
    for (const Case& c : cases) {
        ScriptedMessageBoxes boxes;
        CLoadBitmap_for_Dlg holder;
        ASSERT_EQ(holder.ReadBmpFile(Put(MakeBmpFile(c.spec))), 1) << c.what;
        const int h = std::abs(c.spec.height);
        const std::uint32_t stride = GetDibStride(c.spec.bpp, c.spec.width);
        EXPECT_EQ(holder.infoHeader.biSize, 40u) << c.what;
        EXPECT_EQ(holder.infoHeader.biHeight, h) << c.what;
        EXPECT_EQ(DWORD(holder.fileHeader.bfOffBits), c.spec.bpp == 8 ? 1078u : 54u) << c.what;
        EXPECT_EQ(holder.PixelBytes(), stride * h) << c.what;
        EXPECT_EQ(holder.info->bmiHeader.biSize, 40u) << c.what;
        // Memory row r holds file row r, or file row h - 1 - r when the file was top-down.
        for (int r = 0; r < h; ++r) {
            const int fileRow = c.spec.height < 0 ? h - 1 - r : r;
            ASSERT_EQ(holder.bits[r * stride], BmpPatternByte(0, fileRow, 0)) << c.what << " row " << r;
        }
        if (c.spec.bpp == 8) {
            const int entries = c.spec.tableEntries < 0 ? 256 : c.spec.tableEntries;
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
    const QString path = Put(MakeBmpFile(BmpFileSpec{}));
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
    ASSERT_EQ(holder.ReadBmpFile(Put(MakeBmpFile(BmpFileSpec{}))), 1);
    const BYTE* before = holder.bits;
    EXPECT_EQ(holder.ReadBmpFile(Put(MakeBmpFile(BmpFileSpec{.cutBytes = 5}), "cut.bmp")), 0);
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
    holder.path.SetPath(Put(MakeBmpFile(BmpFileSpec{})));
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
