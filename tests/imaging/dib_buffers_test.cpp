// Pixel holders: row sizes, headers, the pixel view, undo copies, the 32 to
// 24 bit conversion and the path holder.
#include "imaging/dib_accessor.h"
#include "imaging/dib_helpers.h"
#include "imaging/file_path_info.h"
#include "imaging/load_bitmap_dup_mem.h"
#include "tests/support/image_fixtures.h"
#include "tests/support/scripted_dialogs.h"

#include <cstring>
#include <gtest/gtest.h>

TEST(DibHelpers, StrideAndPaddingFollowTheFourByteRule)
{
    struct Case {
        int bpp, width;
        std::uint32_t stride, padding;
    };
    const Case cases[] = {{24, 1, 4, 1}, {8, 1, 4, 3}, {1, 1, 4, 3}, {1, 32, 4, 0}, {1, 33, 8, 3},
        {4, 3, 4, 2}, {24, 3, 12, 3}, {32, 3, 12, 0}, {16, 10, 0, 0}, {2, 10, 0, 0}, {24, 0, 0, 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(GetDibStride(c.bpp, c.width), c.stride) << c.bpp << " bits, width " << c.width;
        EXPECT_EQ(GetRowPadding(c.bpp, c.width), c.padding) << c.bpp << " bits, width " << c.width;
    }
    EXPECT_EQ(NormalizeInfoHeaderSize(56), 40u);
    EXPECT_EQ(NormalizeInfoHeaderSize(108), 108u);
    EXPECT_EQ(NormalizeInfoHeaderSize(124), 124u);
}

TEST(DibHelpers, InitDibHeadersFillsCanonicalHeadersAndRefusesOtherDepths)
{
    ImageSettingsScope settings;
    struct Case {
        int bpp;
        DWORD offBits;
    };
    for (const Case c : {Case{8, 1078}, Case{24, 54}, Case{32, 54}}) {
        BITMAPFILEHEADER fh{};
        BITMAPINFOHEADER ih{};
        ASSERT_EQ(InitDibHeaders(&fh, &ih, 3, 5, c.bpp, 0, 0, 0), 1);
        EXPECT_EQ(DWORD(fh.bfType), 0x4D42);
        EXPECT_EQ(DWORD(fh.bfOffBits), c.offBits);
        EXPECT_EQ(ih.biSizeImage, 5 * GetDibStride(c.bpp, 3));
        EXPECT_EQ(DWORD(fh.bfSize), c.offBits + ih.biSizeImage);
        EXPECT_EQ(ih.biSize, 40u);
        EXPECT_EQ(ih.biXPelsPerMeter, 3780);  // 96 dpi
        EXPECT_EQ(ih.biYPelsPerMeter, 3780);
    }
    BITMAPFILEHEADER fh{};
    BITMAPINFOHEADER ih{};
    EXPECT_EQ(InitDibHeaders(&fh, &ih, 3, 5, 16, 0, 0, 0), 0);
    EXPECT_EQ(InitDibHeaders(&fh, &ih, 3, 5, 24, 0, 1000, 2000), 1);
    EXPECT_EQ(ih.biXPelsPerMeter, 1000);
    EXPECT_EQ(ih.biYPelsPerMeter, 2000);
}

TEST(DibAccessor, ReadsPixelsTopDownAtEveryDepth)
{
    // 9 x 2 picture; memory row 1 is the top of the picture.
    RGBQUAD palette[256] = {};
    for (int i = 0; i < 256; ++i)
        palette[i] = RGBQUAD{static_cast<BYTE>(i), 0, static_cast<BYTE>(255 - i), 0};
    struct Case {
        int bpp, x;
        std::vector<BYTE> topRow;
        COLORREF expected;
    };
    const Case cases[] = {
        {1, 0, {0x80, 0, 0, 0}, RGB(254, 0, 1)},
        {1, 8, {0, 0x80, 0, 0}, RGB(254, 0, 1)},
        {1, 1, {0x80, 0, 0, 0}, RGB(255, 0, 0)},
        {4, 0, {0xA5, 0, 0, 0}, RGB(255 - 10, 0, 10)},
        {4, 1, {0xA5, 0, 0, 0}, RGB(255 - 5, 0, 5)},
        {8, 2, {0, 0, 7, 0, 0, 0, 0, 0, 0, 0, 0, 0}, RGB(248, 0, 7)},
        {24, 1, std::vector<BYTE>(28, 0), RGB(0, 0, 0)},
    };
    for (const Case& c : cases) {
        CDibAccessor view;
        view.SetWidth(9);
        view.SetHeight(2);
        view.SetBitCount(c.bpp);
        std::vector<BYTE> block(view.rowSize * 2, 0xEE);
        std::memcpy(
            block.data() + view.rowSize, c.topRow.data(), std::min<size_t>(c.topRow.size(), view.rowSize));
        view.SetBits(block.data());
        view.SetPalette(palette);
        EXPECT_EQ(view.GetPixel(c.x, 0), c.expected) << c.bpp << " bits at x " << c.x;
    }
    CDibAccessor view;
    view.SetWidth(2);
    view.SetHeight(2);
    view.SetBitCount(24);
    BYTE block[16] = {1, 2, 3, 4, 5, 6, 0, 0, 10, 20, 30, 40, 50, 60, 0, 0};
    view.SetBits(block);
    EXPECT_EQ(view.GetPixel(0, 0), RGB(30, 20, 10));  // the last row in memory
    EXPECT_EQ(view.GetPixel(1, 1), RGB(6, 5, 4));
}

TEST(DibAccessor, OutOfRangeIsReportedAndAnsweredWithTheBlockStart)
{
    ScriptedMessageBoxes boxes;
    CDibAccessor view;
    EXPECT_EQ(view.GetPixelPtr(0, 0), nullptr);
    BYTE block[8] = {};
    view.SetWidth(1);
    view.SetHeight(2);
    view.SetBitCount(8);
    view.SetBits(block);
    EXPECT_EQ(view.GetPixelPtr(1, 0), block);
    EXPECT_EQ(view.GetPixelPtr(0, -1), block);
    EXPECT_EQ(view.GetPixelPtr(0, 0), block + 4);
    EXPECT_EQ(
        boxes.Texts(), QStringList({"internal error!! : out of range.", "internal error!! : out of range."}));
}

TEST(LoadBitmap, CopyHeadersNeverReadsPastTheColourTable)
{
    ImageSettingsScope settings;
    CLoadBitmap holder;
    ASSERT_TRUE(FillPatternHolder(&holder, 4, 4, 24));
    EXPECT_EQ(holder.infoSize, 44u);
    // An offset as a 124-byte header file would carry it: 84 bytes of "table".
    holder.fileHeader.bfOffBits = 138;
    std::vector<BYTE> out(138, 0xCC);
    holder.CopyHeadersTo(out.data());
    EXPECT_EQ(std::memcmp(out.data(), &holder.fileHeader, 14), 0);
    for (size_t i = 58; i < out.size(); ++i)
        ASSERT_EQ(out[i], 0) << i;

    CLoadBitmap grey;
    ASSERT_TRUE(FillPatternHolder(&grey, 4, 4, 8));
    EXPECT_EQ(grey.infoSize, 1064u);
    std::vector<BYTE> packed(grey.fileHeader.bfOffBits);
    grey.CopyHeadersTo(packed.data());
    EXPECT_EQ(std::memcmp(packed.data() + 54, grey.info->bmiColors, 1024), 0);
}

TEST(LoadBitmap, GeometryHelpers)
{
    ImageSettingsScope settings;
    CLoadBitmap holder;
    RECT r;
    EXPECT_EQ(holder.GetImageRect(&r, 0, 0), 0);
    ASSERT_TRUE(FillPatternHolder(&holder, 10, 4, 24));
    EXPECT_EQ(holder.GetShorterSide(), 4);
    ASSERT_EQ(holder.GetImageRect(&r, 2, 3), 1);
    EXPECT_EQ(r, (RECT{2, 3, 12, 7}));
    ASSERT_EQ(holder.GetRotatedRect(&r, RECT{5, 6, 15, 10}), 1);
    EXPECT_EQ(r, (RECT{5, 6, 9, 16}));
    EXPECT_EQ(holder.GetCenteredSquare(4), (RECT{3, 0, 7, 4}));
    EXPECT_EQ(holder.GetCenteredSquare(6).top, 0);
}

TEST(DupMem, ResetRestoresTheLoadedPictureAndKeepsBfSizeInStep)
{
    ImageSettingsScope settings;
    CLoadBitmapDlg_DupMem holder;
    ASSERT_TRUE(FillPatternHolder(&holder, 3, 5, 24));
    const std::vector<BYTE> loaded(holder.bits, holder.bits + holder.PixelBytes());
    ASSERT_EQ(holder.AllocDuplicates(holder.PixelBytes(), 24), 1);
    holder.SaveToDup1();
    holder.CopyDup1ToDup2();

    // A quarter turn: copy 1 becomes 5 x 3 (48 bytes instead of 60).
    const std::uint32_t rotated = 3 * GetDibStride(24, 5);
    ASSERT_EQ(holder.AllocEditBuffer(5, 3, rotated), 1);
    std::memset(holder.dup1Bits, 0x42, rotated);
    ASSERT_EQ(holder.RestoreFromDup1(), 1);
    EXPECT_EQ(holder.infoHeader.biWidth, 5);
    EXPECT_EQ(holder.infoHeader.biHeight, 3);
    EXPECT_EQ(holder.PixelBytes(), rotated);
    EXPECT_EQ(holder.info->bmiHeader.biSizeImage, rotated);

    holder.CopyDup2ToDup1();
    ASSERT_EQ(holder.RestoreFromDup1(), 1);
    EXPECT_EQ(holder.infoHeader.biWidth, 3);
    EXPECT_EQ(holder.PixelBytes(), loaded.size());
    EXPECT_EQ(std::vector<BYTE>(holder.bits, holder.bits + holder.PixelBytes()), loaded);
}

TEST(DupMem, ConvertDib32To24ConvertsImageAndUndoCopies)
{
    ImageSettingsScope settings;
    CLoadBitmapDlg_DupMem holder;
    ASSERT_TRUE(FillPatternHolder(&holder, 5, 3, 32));
    ASSERT_EQ(holder.AllocDuplicates(holder.PixelBytes(), 32), 1);
    holder.SaveToDup1();
    holder.CopyDup1ToDup2();
    const BYTE* viewed[] = {holder.bits, holder.dup1Bits, holder.dup2Bits};
    ASSERT_EQ(ConvertDib32To24(&holder), 1);
    // Views of the pixels (the stage keeps one on copy 1) stay valid.
    EXPECT_EQ(holder.bits, viewed[0]);
    EXPECT_EQ(holder.dup1Bits, viewed[1]);
    EXPECT_EQ(holder.dup2Bits, viewed[2]);

    EXPECT_EQ(holder.infoHeader.biBitCount, 24);
    EXPECT_EQ(DWORD(holder.fileHeader.bfOffBits), 54u);
    EXPECT_EQ(DWORD(holder.fileHeader.bfSize), 54u + 3 * 16);
    EXPECT_EQ(holder.dupBitCount, 24);
    ASSERT_NE(holder.dup1Bits, nullptr);
    ASSERT_NE(holder.dup2Bits, nullptr);
    EXPECT_EQ(holder.dup1Bytes, 48u);
    for (BYTE* block : {holder.bits, holder.dup1Bits, holder.dup2Bits}) {
        CDibAccessor view;
        view.SetWidth(5);
        view.SetHeight(3);
        view.SetBitCount(24);
        view.SetBits(block);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x)
                ASSERT_EQ(view.GetPixel(x, y), PatternColor(x, y, 5, 3, 32)) << x << "," << y;
    }
    EXPECT_EQ(ConvertDib32To24(&holder), 0);  // already 24 bits: nothing to do
}

TEST(FilePathInfo, SplitsAndRebuildsPaths)
{
    CFilePathInfo info;
    EXPECT_EQ(info.Path(), "no_path");
    EXPECT_EQ(info.Name(), "no_name");
    EXPECT_EQ(info.Folder(), "no_directory");

    info.SetPath("/home/user/pic.2024.jpeg");
    EXPECT_EQ(info.Folder(), "/home/user/");
    EXPECT_EQ(info.Name(), "pic.2024.jpeg");
    QString out;
    info.GetBaseName(&out);
    EXPECT_EQ(out, "pic");
    info.GetExtension(&out);
    EXPECT_EQ(out, "jpeg");
    ASSERT_EQ(info.ChangeExtension(&out, "png"), 1);
    EXPECT_EQ(out, "/home/user/pic.2024.png");

    info.SetNameAndFolder("a.bmp", "/tmp");
    EXPECT_EQ(info.Path(), "/tmp/a.bmp");
    info.SetPath("/tmp/noext");
    EXPECT_EQ(info.ChangeExtension(&out, "png"), 0);
    info.SetPath(QString(600, u'x'));
    EXPECT_EQ(info.Path().size(), 520);
    info.Reset();
    EXPECT_EQ(info.Name(), "no_name");
}
