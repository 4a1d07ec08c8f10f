// PNG files: what the reader accepts, the transparency record it fills, and
// the writer's layouts, chunks and failures.
#include "imaging/png_codec.h"
#include "tests/support/image_codec_fixtures.h"
#include "tests/support/image_fixtures.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <png.h>

namespace {

// A holder-like result of one ReadPng call.
struct PngRead {
    int result = 0;
    BYTE code = 0;
    BITMAPINFO* info = nullptr;
    BYTE* bits = nullptr;
    BYTE header[124] = {};
    CPngTransparency transparency;

    const BITMAPINFOHEADER& Header() const { return *reinterpret_cast<const BITMAPINFOHEADER*>(header); }
    ~PngRead()
    {
        std::free(info);
        std::free(bits);
    }
};

void ReadPngBytes(const QByteArray& bytes, PngRead* out)
{
    std::FILE* file = fmemopen(const_cast<char*>(bytes.constData()), static_cast<size_t>(bytes.size()), "rb");
    ASSERT_NE(file, nullptr);
    CPngCodec codec;
    out->result = codec.ReadPng(file, &out->info, out->header, &out->bits, &out->transparency);
    out->code = codec.code;
    std::fclose(file);
}

// The chunk types of a PNG file, in order.
QList<QByteArray> ChunkTypes(const QByteArray& png)
{
    QList<QByteArray> types;
    for (qsizetype at = 8; at + 8 <= png.size();) {
        const auto* p = reinterpret_cast<const unsigned char*>(png.constData() + at);
        const qsizetype length = (qsizetype(p[0]) << 24) | (p[1] << 16) | (p[2] << 8) | p[3];
        types.append(png.mid(at + 4, 4));
        at += 12 + length;
    }
    return types;
}

class PngFileTest : public testing::Test {
protected:
    QTemporaryDir dir;
    ImageSettingsScope settings{64, 48};
};

}  // namespace

TEST_F(PngFileTest, PaletteAndRgbFilesLoadBottomUp)
{
    PngRead palette;
    const PngRecipe paletteRecipe{.width = 5, .height = 3, .colorType = 3, .paletteSize = 200};
    ReadPngBytes(MakePng(paletteRecipe), &palette);
    ASSERT_EQ(palette.result, 1);
    EXPECT_EQ(palette.Header().biBitCount, 8);
    EXPECT_EQ(palette.Header().biClrUsed, 200u);
    EXPECT_EQ(palette.Header().biSizeImage, 3u * 8);
    EXPECT_EQ(palette.info->bmiColors[7].rgbRed, 7);
    EXPECT_EQ(palette.info->bmiColors[7].rgbGreen, 248);
    EXPECT_EQ(palette.info->bmiColors[7].rgbBlue, 3);
    EXPECT_EQ(palette.info->bmiColors[200].rgbGreen, 0);  // beyond the palette
    // The top PNG row is the last DIB row.
    EXPECT_EQ(palette.bits[2 * 8 + 1], PngSample(paletteRecipe, 1, 0, 0));
    EXPECT_EQ(palette.bits[0 * 8 + 4], PngSample(paletteRecipe, 4, 2, 0));

    PngRead interlaced;
    ReadPngBytes(
        MakePng(PngRecipe{.width = 5, .height = 3, .colorType = 3, .paletteSize = 200, .interlaced = true}),
        &interlaced);
    ASSERT_EQ(interlaced.result, 1);
    EXPECT_EQ(std::memcmp(interlaced.bits, palette.bits, 3 * 8), 0);

    PngRead rgb;
    const PngRecipe rgbRecipe{.width = 5, .height = 3};
    ReadPngBytes(MakePng(rgbRecipe), &rgb);
    ASSERT_EQ(rgb.result, 1);
    EXPECT_EQ(rgb.Header().biBitCount, 24);
    EXPECT_EQ(rgb.Header().biSizeImage, 3u * 16);
    const BYTE* topLeft = rgb.bits + 2 * 16;
    EXPECT_EQ(topLeft[0], PngSample(rgbRecipe, 0, 0, 2));  // blue first
    EXPECT_EQ(topLeft[2], PngSample(rgbRecipe, 0, 0, 0));
    EXPECT_EQ(rgb.Header().biXPelsPerMeter, 3780);
}

TEST_F(PngFileTest, RefusedLayoutsAndTheirCodes)
{
    struct Case {
        const char* what;
        PngRecipe recipe;
        BYTE code;
    };
    const Case cases[] = {
        {"grey", PngRecipe{.colorType = 0}, kPngUnsupported},
        {"grey with alpha", PngRecipe{.colorType = 4}, kPngUnsupported},
        {"RGBA", PngRecipe{.colorType = 6}, kPngUnsupported},
        {"16-bit RGB", PngRecipe{.bitDepth = 16}, kPngUnsupported},
        {"4-bit palette", PngRecipe{.colorType = 3, .bitDepth = 4, .paletteSize = 16}, kPngUnsupported},
        {"one pixel too wide", PngRecipe{.width = 65}, kPngTooLarge},
        {"one row too tall", PngRecipe{.height = 49}, kPngTooLarge},
    };
    for (const Case& c : cases) {
        PngRead read;
        ReadPngBytes(MakePng(c.recipe), &read);
        EXPECT_EQ(read.result, 0) << c.what;
        EXPECT_EQ(read.code, c.code) << c.what;
        EXPECT_EQ(read.bits, nullptr) << c.what;
    }
    PngRead exact;
    ReadPngBytes(MakePng(PngRecipe{.width = 64, .height = 48}), &exact);
    EXPECT_EQ(exact.result, 1);

    const QByteArray good = MakePng(PngRecipe{.width = 40, .height = 30});
    for (const QByteArray& broken :
        {good.left(good.size() - 20), good.left(40), QByteArray("\x89PNG\r\n\x1a\n", 8)}) {
        PngRead read;
        ReadPngBytes(broken, &read);
        EXPECT_EQ(read.result, 0);
        EXPECT_NE(read.code, kPngRead);
    }
    PngRead notPng;
    ReadPngBytes("GIF89a and more bytes", &notPng);
    EXPECT_EQ(notPng.result, 0);
    EXPECT_EQ(notPng.code, kPngRead);  // the signature test leaves the code at 1
}

TEST_F(PngFileTest, TransparencyIsClassifiedAsItLoads)
{
    struct Case {
        const char* what;
        PngRecipe recipe;
        BYTE kind;
    };
    const Case cases[] = {
        {"256 entries, one zero", PngRecipe{.colorType = 3, .trnsCount = 256, .trnsZeroAt = 9}, 1},
        {"16 entries, one zero", PngRecipe{.colorType = 3, .trnsCount = 16, .trnsZeroAt = 0}, 1},
        {"2 entries, one zero", PngRecipe{.colorType = 3, .trnsCount = 2, .trnsZeroAt = 1}, 1},
        {"1 entry", PngRecipe{.colorType = 3, .trnsCount = 1, .trnsZeroAt = 0}, 0},
        {"3 entries", PngRecipe{.colorType = 3, .trnsCount = 3, .trnsZeroAt = 0}, 0},
        {"17 entries", PngRecipe{.colorType = 3, .trnsCount = 17, .trnsZeroAt = 0}, 0},
        {"256 entries, no zero", PngRecipe{.colorType = 3, .trnsCount = 256, .trnsZeroAt = -1}, 0},
        {"RGB colour key", PngRecipe{.trnsRed = 10, .trnsGreen = 20, .trnsBlue = 30}, 2},
        {"no tRNS", PngRecipe{}, 0},
    };
    for (const Case& c : cases) {
        PngRead read;
        read.transparency.SetTransparentIndex(3, RGB(1, 2, 3));  // a stale record is replaced
        ReadPngBytes(MakePng(c.recipe), &read);
        ASSERT_EQ(read.result, 1) << c.what;
        EXPECT_EQ(read.transparency.kind, c.kind) << c.what;
        EXPECT_EQ(read.transparency.HasTransparency(), c.kind != 0) << c.what;
        if (c.kind == 2) {
            EXPECT_EQ(read.transparency.count, 1);
            EXPECT_EQ(read.transparency.transparentColor.red, 10);
            EXPECT_EQ(read.transparency.transparentColor.green, 20);
            EXPECT_EQ(read.transparency.transparentColor.blue, 30);
        }
    }
    PngRead background;
    ReadPngBytes(MakePng(PngRecipe{.bkgdRed = 1, .bkgdGreen = 2, .bkgdBlue = 3}), &background);
    EXPECT_TRUE(background.transparency.HasBackground());
    EXPECT_EQ(background.transparency.backgroundColor.green, 2);
    PngRead none;
    none.transparency.SetBackground(PngColor16{0, 1, 1, 1, 1});
    ReadPngBytes(MakePng(PngRecipe{}), &none);
    EXPECT_FALSE(none.transparency.HasBackground());
}

TEST_F(PngFileTest, TransparencyTravelsBackIntoTheSavedFile)
{
    PngRead palette;
    ReadPngBytes(
        MakePng(PngRecipe{.colorType = 3, .trnsCount = 256, .trnsZeroAt = 9, .bkgdIndex = 4}), &palette);
    ASSERT_EQ(palette.transparency.kind, 1);
    DibSaveSource source;
    source.info = palette.info;
    source.bits = palette.bits;
    BYTE code = 0;
    const QString path = dir.filePath("palette.png");
    ASSERT_EQ(SavePngFile(path, source, 0, &palette.transparency, &code), 1);
    EXPECT_EQ(code, kPngSaved);
    const QByteArray saved = ReadBytes(path);
    EXPECT_EQ(ChunkTypes(saved), QList<QByteArray>({"IHDR", "PLTE", "tRNS", "bKGD", "IDAT", "IEND"}));
    PngRead again;
    ReadPngBytes(saved, &again);
    ASSERT_EQ(again.result, 1);
    EXPECT_EQ(again.transparency.kind, 1);
    ASSERT_EQ(again.transparency.count, 256);
    EXPECT_EQ(std::memcmp(again.transparency.alphaTable, palette.transparency.alphaTable, 256), 0);
    EXPECT_EQ(again.transparency.backgroundColor.index, 4);
    EXPECT_EQ(std::memcmp(again.bits, palette.bits, palette.Header().biSizeImage), 0);

    PngRead keyed;
    ReadPngBytes(MakePng(PngRecipe{.trnsRed = 10, .trnsGreen = 20, .trnsBlue = 30}), &keyed);
    source.info = keyed.info;
    source.bits = keyed.bits;
    ASSERT_EQ(SavePngFile(dir.filePath("key.png"), source, 0, &keyed.transparency, &code), 1);
    PngRead keyBack;
    ReadPngBytes(ReadBytes(dir.filePath("key.png")), &keyBack);
    EXPECT_EQ(keyBack.transparency.kind, 2);
    EXPECT_EQ(keyBack.transparency.transparentColor.blue, 30);
}

TEST_F(PngFileTest, ColourKeyOnAPaletteImageWritesNoBrokenChunk)
{
    CLoadBitmap holder;
    ASSERT_TRUE(FillPatternHolder(&holder, 6, 4, 8));
    CPngTransparency key;
    key.SetTransparentIndex(-1, RGB(5, 6, 7));
    BYTE code = 0;
    const QString path = dir.filePath("k8.png");
    ASSERT_EQ(SavePngFile(path, SourceOf(holder), 0, &key, &code), 1);
    const QByteArray saved = ReadBytes(path);
    EXPECT_FALSE(ChunkTypes(saved).contains("tRNS"));
    PngRead back;
    ReadPngBytes(saved, &back);
    EXPECT_EQ(back.result, 1);
}

TEST_F(PngFileTest, TopDown32BitSourcesAreWrittenUprightWithoutTheirFourthByte)
{
    CLoadBitmap holder;
    ASSERT_TRUE(FillPatternHolder(&holder, 6, 4, 32));
    // Reverse the rows and mark the header top-down: the same picture.
    std::vector<BYTE> topDown(holder.PixelBytes());
    for (int r = 0; r < 4; ++r)
        std::memcpy(topDown.data() + r * 24, holder.bits + (3 - r) * 24, 24);
    BITMAPINFOHEADER header = holder.infoHeader;
    header.biHeight = -4;
    std::FILE* file = std::fopen(QFile::encodeName(dir.filePath("td.png")).constData(), "wb");
    ASSERT_NE(file, nullptr);
    CPngCodec codec;
    ASSERT_EQ(codec.WritePng(file, topDown.data(), &header, nullptr, nullptr), 1);
    std::fclose(file);
    PngRead back;
    ReadPngBytes(ReadBytes(dir.filePath("td.png")), &back);
    ASSERT_EQ(back.result, 1);
    EXPECT_EQ(back.Header().biBitCount, 24);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x) {
            const BYTE* p = back.bits + (3 - y) * 20 + x * 3;
            ASSERT_EQ(RGB(p[2], p[1], p[0]), PatternColor(x, y, 6, 4, 32)) << x << "," << y;
        }
}

TEST_F(PngFileTest, SavingTheShownImageTurnsAPaletteKeyIntoAColourKey)
{
    GdiBitmap surface;
    surface.image = QImage(6, 4, QImage::Format_RGB32);
    surface.image.fill(qRgb(10, 20, 30));
    surface.image.setPixel(0, 0, qRgb(200, 100, 50));
    DibSaveSource source;
    source.ddb = &surface;
    CPngTransparency record;
    record.SetTransparentIndex(7, RGB(200, 100, 50));
    BYTE code = 0;
    const QString path = dir.filePath("shown.png");
    ASSERT_EQ(SavePngFile(path, source, 1, &record, &code), 1);
    EXPECT_EQ(record.kind, 2);
    PngRead back;
    ReadPngBytes(ReadBytes(path), &back);
    ASSERT_EQ(back.result, 1);
    EXPECT_EQ(back.transparency.kind, 2);
    EXPECT_EQ(back.transparency.transparentColor.red, 200);
    const BYTE* topLeft = back.bits + 3 * 20;
    EXPECT_EQ(RGB(topLeft[2], topLeft[1], topLeft[0]), RGB(200, 100, 50));

    CPngTransparency none;
    ASSERT_EQ(SavePngFile(path, source, 2, &none, &code), 1);
    EXPECT_EQ(none.kind, 0);
}

TEST_F(PngFileTest, FailedSavesLeaveNoFile)
{
    CLoadBitmap holder;
    ASSERT_TRUE(FillPatternHolder(&holder, 60, 40, 24));
    CPngTransparency none;
    BYTE code = 0;
    EXPECT_EQ(SavePngFile(dir.filePath("none/x.png"), SourceOf(holder), 0, &none, &code), 0);
    EXPECT_EQ(code, kPngCannotCreate);
    EXPECT_EQ(SavePngFile("/dev/full", SourceOf(holder), 0, &none, &code), 0);
    EXPECT_EQ(code, kPngWriteFailed);
    EXPECT_TRUE(QFileInfo("/dev/full").exists());
    EXPECT_EQ(SavePngFile(dir.filePath("k.png"), SourceOf(holder), 5, &none, &code), 0);
    EXPECT_EQ(code, kPngWriteFailed);
    holder.info->bmiHeader.biBitCount = 16;
    EXPECT_EQ(SavePngFile(dir.filePath("s.png"), SourceOf(holder), 0, &none, &code), 0);
    EXPECT_EQ(code, kPngWriteFailed);
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}
