// The stage's savers write the picture on screen (undo copy 1 with its own
// colour table) in every format, under fresh headers, and report every failure.
#include "clip/stage_image_files.h"
#include "core/file_types.h"
#include "imaging/bmp_file.h"
#include "imaging/dib_helpers.h"
#include "imaging/image_file_loaders.h"
#include "tests/support/dib_pixels.h"
#include "tests/support/image_fixtures.h"
#include "tests/support/scripted_dialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>

namespace {

constexpr int kW = 7;
constexpr int kH = 5;

using Saver = int (*)(CLoadBitmapDlg_DupMem*, const QString&);

int SaveJpeg(CLoadBitmapDlg_DupMem* holder, const QString& path)
{
    return SaveJpegFile(holder, path);
}

// A stage holder as it is after loading: the picture and both undo copies.
void PrepareStage(CLoadBitmapDlg_DupMem* holder, int bpp)
{
    ASSERT_TRUE(FillPatternHolder(holder, kW, kH, bpp));
    ASSERT_EQ(holder->AllocDuplicates(holder->PixelBytes(), bpp), 1);
    holder->SaveToDup1();
    holder->CopyDup1ToDup2();
}

// The edits the stage makes in copy 1: a left-right mirror, and at 8 bits an
// inverted colour table.
void EditCopy1(CLoadBitmapDlg_DupMem* holder)
{
    const int bytesPerPixel = holder->dupBitCount / 8;
    const std::uint32_t stride = GetDibStride(holder->dupBitCount, holder->dup1Width);
    for (int row = 0; row < holder->dup1Height; ++row) {
        BYTE* p = holder->dup1Bits + static_cast<std::size_t>(row) * stride;
        for (int x = 0; x < kW / 2; ++x)
            std::swap_ranges(
                p + x * bytesPerPixel, p + (x + 1) * bytesPerPixel, p + (kW - 1 - x) * bytesPerPixel);
    }
    for (int i = 0; i < holder->dupPaletteBytes; ++i) {
        if (i % 4 != 3)
            holder->dup1Palette[i] = static_cast<BYTE>(255 - holder->dup1Palette[i]);
    }
}

COLORREF EditedColor(int x, int y, int bpp)
{
    const COLORREF c = PatternColor(kW - 1 - x, y, kW, kH, bpp);
    return bpp == 8 ? RGB(255 - GetRValue(c), 255 - GetGValue(c), 255 - GetBValue(c)) : c;
}

void ExpectEditedPicture(const QString& path, int bpp, int tolerance)
{
    CLoadBitmap_for_Dlg back;
    CPngTransparency transparency;
    back.path.SetPath(path);
    ASSERT_EQ(LoadImageFile(GetFileExtension(path), &back, &transparency, {}), 1);
    ASSERT_EQ(back.infoHeader.biWidth, kW);
    ASSERT_EQ(back.infoHeader.biHeight, kH);
    for (int y = 0; y < kH; ++y) {
        for (int x = 0; x < kW; ++x)
            EXPECT_TRUE(NearColor(HolderPixel(back, x, y), EditedColor(x, y, bpp), tolerance))
                << x << "," << y;
    }
}

class StageSaversTest : public testing::Test {
protected:
    void TearDown() override { SetFreeSpaceProbeForTesting(nullptr); }

    QString Path(const QString& name) const { return dir.filePath(name); }

    ImageSettingsScope settings;
    QTemporaryDir dir;
};

TEST_F(StageSaversTest, EveryFormatWritesTheEditedPicture)
{
    struct Case {
        const char* file;
        Saver saver;
        int bpp;
        int tolerance;
    } cases[] = {
        {"e24.bmp", SaveBmpFile, 24, 0},
        {"e32.bmp", SaveBmpFile, 32, 0},
        {"e8.bmp", SaveBmpFile, 8, 0},
        {"e24.jpg", SaveJpeg, 24, 24},
        {"e24.png", SaveImageByGdiplus, 24, 0},
        {"e8.png", SaveImageByGdiplus, 8, 0},
        {"e24.gif", SaveImageByGdiplus, 24, 0},
        {"e8.gif", SaveImageByGdiplus, 8, 0},
        {"e24.tif", SaveTiffFile, 24, 0},
        {"e8.tiff", SaveTiffFile, 8, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        CLoadBitmapDlg_DupMem holder;
        PrepareStage(&holder, c.bpp);
        EditCopy1(&holder);
        const QString path = Path(QString::fromLatin1(c.file));
        ScriptedMessageBoxes boxes;
        ASSERT_EQ(c.saver(&holder, path), 1);
        EXPECT_TRUE(boxes.Texts().isEmpty());
        ExpectEditedPicture(path, c.bpp, c.tolerance);
    }
}

TEST_F(StageSaversTest, BmpOfAnImageReadWithALargeHeaderGetsFreshHeaders)
{
    for (int bpp : {24, 32}) {
        SCOPED_TRACE(bpp);
        BmpFileRecipe recipe;
        recipe.bpp = bpp;
        recipe.width = kW;
        recipe.height = kH;
        recipe.headerSize = 124;
        ASSERT_TRUE(WriteBytes(Path("v5.bmp"), MakeBmpFile(recipe)));
        CLoadBitmapDlg_DupMem holder;
        ASSERT_EQ(holder.ReadBmpFile(Path("v5.bmp")), 1);
        ASSERT_EQ(holder.AllocDuplicates(holder.PixelBytes(), bpp), 1);
        holder.SaveToDup1();

        ASSERT_EQ(SaveBmpFile(&holder, Path("out.bmp")), 1);
        const QByteArray file = ReadBytes(Path("out.bmp"));
        const std::uint32_t stride = GetDibStride(bpp, kW);
        ASSERT_EQ(file.size(), 54 + stride * kH);
        const auto dword = [&file](int at) {
            DWORD v = 0;
            std::memcpy(&v, file.constData() + at, sizeof v);
            return v;
        };
        EXPECT_EQ(dword(2), static_cast<DWORD>(file.size()));  // bfSize
        EXPECT_EQ(dword(10), 54u);                             // bfOffBits
        EXPECT_EQ(dword(14), 40u);                             // biSize
        EXPECT_EQ(std::memcmp(file.constData() + 54, holder.dup1Bits, stride * kH), 0);
    }
}

TEST_F(StageSaversTest, JpegTurnsA32BitImageInto24BitsWhereItLiesWhateverTheWriteGives)
{
    for (const bool writable : {true, false}) {
        SCOPED_TRACE(writable ? "written" : "write failed");
        CLoadBitmapDlg_DupMem holder;
        PrepareStage(&holder, 32);
        EditCopy1(&holder);
        const BYTE* image = holder.bits;
        const BYTE* copy1 = holder.dup1Bits;
        const BYTE* copy2 = holder.dup2Bits;
        const QString path = writable ? Path("c.jpg") : Path("missing/c.jpg");
        bool converted = false;
        EXPECT_EQ(SaveJpegFile(&holder, path, &converted), writable ? 1 : 0);
        EXPECT_TRUE(converted);
        EXPECT_EQ(holder.infoHeader.biBitCount, 24);
        EXPECT_EQ(holder.dupBitCount, 24);
        // The stage's views of the pixels still point at live blocks.
        EXPECT_EQ(holder.bits, image);
        EXPECT_EQ(holder.dup1Bits, copy1);
        EXPECT_EQ(holder.dup2Bits, copy2);
        EXPECT_EQ(DibPixel(holder.dup1Bits, nullptr, kW, kH, 24, 0, 0), EditedColor(0, 0, 24));
        if (writable)
            ExpectEditedPicture(path, 24, 24);
        else
            EXPECT_FALSE(QFileInfo::exists(path));
    }
}

TEST_F(StageSaversTest, JpegRefusesAPaletteImageWithAWarning)
{
    CLoadBitmapDlg_DupMem holder;
    PrepareStage(&holder, 8);
    ScriptedMessageBoxes boxes;
    bool converted = true;
    EXPECT_EQ(SaveJpegFile(&holder, Path("p.jpg"), &converted), 0);
    EXPECT_FALSE(converted);
    ASSERT_EQ(boxes.Requests().size(), 1);
    EXPECT_EQ(boxes.Requests()[0].text, QStringLiteral("このフォーマットのJPEG保存には対応していません。"));
    EXPECT_EQ(boxes.Requests()[0].type & MB_ICONMASK, MB_ICONEXCLAMATION);
    EXPECT_FALSE(QFileInfo::exists(Path("p.jpg")));
}

TEST_F(StageSaversTest, FailedSavesReportFailureAndLeaveNoFile)
{
    const struct {
        const char* file;
        Saver saver;
    } savers[] = {{"f.bmp", SaveBmpFile}, {"f.jpg", SaveJpeg}, {"f.png", SaveImageByGdiplus},
        {"f.gif", SaveImageByGdiplus}, {"f.tif", SaveTiffFile}};
    for (const auto& s : savers) {
        SCOPED_TRACE(s.file);
        ScriptedMessageBoxes boxes;
        const QString name = QString::fromLatin1(s.file);
        CLoadBitmapDlg_DupMem empty;
        EXPECT_EQ(s.saver(&empty, Path(name)), 0) << "no picture on screen";
        CLoadBitmapDlg_DupMem holder;
        PrepareStage(&holder, 24);
        EXPECT_EQ(s.saver(&holder, Path("missing/") + name), 0) << "missing folder";
        EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    }
}

TEST_F(StageSaversTest, BmpNeedsTheRoomOfTheFileWithATenthToSpare)
{
    // 4000 x 875 x 3 bytes is a file of just over 10 MB.
    ImageSettingsScope large(4000, 4000);
    CLoadBitmapDlg_DupMem holder;
    ASSERT_TRUE(FillPatternHolder(&holder, 4000, 875, 24));
    ASSERT_EQ(holder.AllocDuplicates(holder.PixelBytes(), 24), 1);
    holder.SaveToDup1();
    for (const auto& [freeMB, saved] : {std::pair{10, 0}, std::pair{11, 1}}) {
        SCOPED_TRACE(freeMB);
        static int s_free;
        s_free = freeMB;
        SetFreeSpaceProbeForTesting([](const QString&) { return static_cast<std::uint64_t>(s_free); });
        EXPECT_EQ(SaveBmpFile(&holder, Path("big.bmp")), saved);
        EXPECT_EQ(QFileInfo::exists(Path("big.bmp")), saved == 1);
    }
}

}  // namespace
