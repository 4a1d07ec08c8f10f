// JPEG files: decoding into holders (own decoder and the image-class route),
// the size probe, the encoder and the saver's routing by extension.
#include "core/settings/app_settings.h"
#include "imaging/dib_accessor.h"
#include "imaging/image_messages.h"
#include "imaging/jpeg_file.h"
#include "tests/support/image_codec_fixtures.h"
#include "tests/support/image_fixtures.h"
#include "tests/support/scripted_dialogs.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <jpeglib.h>

namespace {

const QString kTooLarge = QStringLiteral("Kestrelが扱える画像サイズを超えています。");

// Four flat quadrants: red top-left, green top-right, blue bottom-left,
// white bottom-right.
COLORREF Quadrant(int x, int y, int w, int h)
{
    const bool right = x >= w / 2, bottom = y >= h / 2;
    if (!right && !bottom)
        return RGB(255, 0, 0);
    if (right && !bottom)
        return RGB(0, 255, 0);
    return !right ? RGB(0, 0, 255) : RGB(255, 255, 255);
}

int QuadrantSample(int x, int y, int c, int w, int h)
{
    const COLORREF q = Quadrant(x, y, w, h);
    return c == 0 ? GetRValue(q) : c == 1 ? GetGValue(q) : GetBValue(q);
}

bool Near(COLORREF a, COLORREF b, int tolerance = 24)
{
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance &&
        std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
        std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

COLORREF HolderPixel(const CLoadBitmap& holder, int x, int y)
{
    CDibAccessor view;
    view.SetWidth(holder.infoHeader.biWidth);
    view.SetHeight(holder.infoHeader.biHeight);
    view.SetBitCount(holder.infoHeader.biBitCount);
    view.SetBits(holder.bits);
    view.SetPalette(holder.info->bmiColors);
    return view.GetPixel(x, y);
}

// Every quadrant's centre has its colour.
void ExpectQuadrants(const CLoadBitmap& holder, const char* what)
{
    const int w = holder.infoHeader.biWidth, h = holder.infoHeader.biHeight;
    for (auto [x, y] :
        {std::pair{w / 4, h / 4}, {3 * w / 4, h / 4}, {w / 4, 3 * h / 4}, {3 * w / 4, 3 * h / 4}})
        EXPECT_TRUE(Near(HolderPixel(holder, x, y), Quadrant(x, y, w, h))) << what << " at " << x << "," << y;
}

class JpegFileTest : public testing::Test {
protected:
    QString Put(const QByteArray& bytes, const QString& name = "in.jpg")
    {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(WriteBytes(path, bytes));
        return path;
    }
    QByteArray ColourJpeg(int w, int h)
    {
        return MakeJpeg(w, h, 3, JCS_RGB, [=](int x, int y, int c) { return QuadrantSample(x, y, c, w, h); });
    }
    int Load(CLoadBitmap_for_Dlg* holder, const QByteArray& bytes, const QString& name = "in.jpg")
    {
        holder->path.SetPath(Put(bytes, name));
        return LoadJpegFile(holder, nullptr, 0);
    }
    QTemporaryDir dir;
    ImageSettingsScope settings{64, 48};
};

}  // namespace

TEST_F(JpegFileTest, ColourImagesDecodeBottomUpInBgrOrder)
{
    CLoadBitmap_for_Dlg holder;
    ASSERT_EQ(Load(&holder, ColourJpeg(32, 16)), kJpegDecoded);
    EXPECT_EQ(holder.infoHeader.biBitCount, 24);
    EXPECT_EQ(holder.infoHeader.biWidth, 32);
    EXPECT_EQ(holder.infoHeader.biHeight, 16);
    EXPECT_EQ(DWORD(holder.fileHeader.bfOffBits), 54u);
    EXPECT_EQ(holder.infoHeader.biXPelsPerMeter, 3780);
    ExpectQuadrants(holder, "file");

    const QByteArray bytes = ColourJpeg(20, 10);
    CLoadBitmap_for_Dlg fromMemory;
    ASSERT_EQ(LoadJpegFile(&fromMemory, reinterpret_cast<const BYTE*>(bytes.constData()), bytes.size()),
        kJpegDecoded);
    ExpectQuadrants(fromMemory, "memory");
}

TEST_F(JpegFileTest, GreyAndCmykGoThroughTheImageClassWithTheirColours)
{
    CLoadBitmap_for_Dlg grey;
    ASSERT_EQ(
        Load(&grey, MakeJpeg(16, 8, 1, JCS_GRAYSCALE, [](int x, int, int) { return x < 8 ? 30 : 220; })),
        kJpegDecoded);
    EXPECT_EQ(grey.infoHeader.biBitCount, 8);
    EXPECT_TRUE(Near(HolderPixel(grey, 2, 2), RGB(30, 30, 30), 8));
    EXPECT_TRUE(Near(HolderPixel(grey, 13, 2), RGB(220, 220, 220), 8));

    // Adobe CMYK is stored inverted: (255, 0, 0, 255) is red.
    CLoadBitmap_for_Dlg cmyk;
    ASSERT_EQ(
        Load(&cmyk, MakeJpeg(16, 8, 4, JCS_CMYK, [](int, int, int c) { return c == 0 || c == 3 ? 255 : 0; })),
        kJpegDecoded);
    EXPECT_TRUE(Near(HolderPixel(cmyk, 4, 4), RGB(255, 0, 0))) << std::hex << HolderPixel(cmyk, 4, 4);
}

TEST_F(JpegFileTest, OtherComponentCountsAreRefused)
{
    CLoadBitmap_for_Dlg holder;
    EXPECT_EQ(Load(&holder, MakeJpeg(8, 8, 2, JCS_UNKNOWN, [](int, int, int) { return 100; })),
        kJpegFallbackFailed);
    EXPECT_FALSE(holder.IsLoaded());
}

TEST_F(JpegFileTest, SizeLimitsAreInclusiveAndTheMessageAlwaysShows)
{
    ScriptedMessageBoxes boxes;
    CLoadBitmap_for_Dlg holder;
    holder.showMessages = 0;
    EXPECT_EQ(Load(&holder, ColourJpeg(64, 48)), kJpegDecoded);
    EXPECT_EQ(Load(&holder, ColourJpeg(65, 8)), kJpegTooLarge);
    EXPECT_EQ(Load(&holder, ColourJpeg(8, 49)), kJpegTooLarge);
    EXPECT_EQ(holder.infoHeader.biWidth, 64);  // the earlier image stays
    EXPECT_EQ(boxes.Texts(), QStringList({kTooLarge, kTooLarge}));
}

TEST_F(JpegFileTest, BrokenFilesGiveTheirCodesAndKeepTheHolder)
{
    ScriptedMessageBoxes boxes;
    CLoadBitmap_for_Dlg holder;
    ASSERT_EQ(Load(&holder, ColourJpeg(40, 40)), kJpegDecoded);
    const BYTE* kept = holder.bits;
    const QByteArray good =
        MakeJpeg(40, 40, 3, JCS_RGB, [](int x, int y, int c) { return (x * 31 + y * 17 + c * 5) & 255; });
    struct Case {
        const char* what;
        QByteArray bytes;
        int code;
    };
    const Case cases[] = {
        {"empty", QByteArray(), kJpegCannotOpen},
        {"half the file", good.left(good.size() / 2), kJpegDamaged},
        {"header only", good.left(300), kJpegDamaged},
        {"not a JPEG", QByteArray("not a jpeg at all"), kJpegDamaged},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Load(&holder, c.bytes, "broken.jpg"), c.code) << c.what;
        EXPECT_EQ(holder.bits, kept) << c.what;
    }
    holder.path.SetPath(dir.filePath("missing.jpg"));
    EXPECT_EQ(LoadJpegFile(&holder, nullptr, 0), kJpegCannotOpen);
    EXPECT_TRUE(boxes.Texts().isEmpty());
}

TEST_F(JpegFileTest, SizeProbe)
{
    EXPECT_EQ(GetJpegImageSize(Put(ColourJpeg(33, 17))), 33u | (17ull << 32));
    EXPECT_EQ(GetJpegImageSize(Put("garbage", "g.jpg")), 0u);
    EXPECT_EQ(GetJpegImageSize(dir.filePath("missing.jpg")), 0u);
    EXPECT_EQ(GetJpegImageSize(dir.path()), 0u);
}

TEST_F(JpegFileTest, EncoderWritesBothRowOrdersAndReportsFailures)
{
    for (int bpp : {24, 32}) {
        CLoadBitmap_for_Dlg source;
        ASSERT_TRUE(FillPatternHolder(&source, 24, 12, bpp));
        const QString path = dir.filePath(QStringLiteral("w%1.jpg").arg(bpp));
        ASSERT_EQ(WriteJpegFile(path, &source.infoHeader, source.bits, 95), kJpegWritten);
        CLoadBitmap_for_Dlg back;
        back.path.SetPath(path);
        ASSERT_EQ(LoadJpegFile(&back, nullptr, 0), kJpegDecoded);
        for (int y : {0, 11})
            for (int x : {0, 23})
                EXPECT_TRUE(Near(HolderPixel(back, x, y), PatternColor(x, y, 24, 12, bpp), 20))
                    << bpp << " " << x << "," << y;
    }
    // A top-down source (negative height) keeps its picture the right way up.
    CLoadBitmap_for_Dlg quadrants;
    ASSERT_EQ(Load(&quadrants, ColourJpeg(32, 16)), kJpegDecoded);
    BITMAPINFOHEADER topDown = quadrants.infoHeader;
    topDown.biHeight = -16;
    std::vector<BYTE> flipped(quadrants.PixelBytes());
    const std::uint32_t stride = 32 * 3;
    for (int r = 0; r < 16; ++r)
        std::memcpy(flipped.data() + r * stride, quadrants.bits + (15 - r) * stride, stride);
    const QString path = dir.filePath("topdown.jpg");
    ASSERT_EQ(WriteJpegFile(path, &topDown, flipped.data(), 95), kJpegWritten);
    CLoadBitmap_for_Dlg back;
    back.path.SetPath(path);
    ASSERT_EQ(LoadJpegFile(&back, nullptr, 0), kJpegDecoded);
    ExpectQuadrants(back, "top-down source");

    EXPECT_EQ(WriteJpegFile("/dev/full", &quadrants.infoHeader, quadrants.bits, 90), kJpegWriteFailed);
    EXPECT_TRUE(QFileInfo("/dev/full").exists());
    EXPECT_EQ(WriteJpegFile(dir.filePath("none/x.jpg"), &quadrants.infoHeader, quadrants.bits, 90),
        kJpegWriteFailed);
    BITMAPINFOHEADER eight = quadrants.infoHeader;
    eight.biBitCount = 8;
    EXPECT_EQ(WriteJpegFile(dir.filePath("eight.jpg"), &eight, quadrants.bits, 90), kJpegWriteFailed);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("eight.jpg")));
}

TEST_F(JpegFileTest, SaverRoutesByExtensionAndAlwaysWrites24Bits)
{
    struct Case {
        int bpp;
        const char* name;
        QByteArray magic;
    };
    const Case cases[] = {
        {32, "a.jpeg", QByteArray("\xFF\xD8\xFF", 3)},
        {8, "b.jpeg", QByteArray("\xFF\xD8\xFF", 3)},
        {24, "c.JPG", QByteArray("\xFF\xD8\xFF", 3)},
        {24, "d.tif", QByteArray("II*\0", 4)},
        {8, "e.gif", QByteArray("GIF8")},
        {32, "f.png", QByteArray("\x89PNG")},
        {24, "g.bmp", QByteArray("BM")},
    };
    for (const Case& c : cases) {
        CLoadBitmap_for_Dlg source;
        ASSERT_TRUE(FillPatternHolder(&source, 10, 6, c.bpp));
        BYTE code = 0;
        const QString path = dir.filePath(c.name);
        ASSERT_EQ(SaveJpegOrOtherFile(path, SourceOf(source), &code), 1) << c.name;
        EXPECT_EQ(code, 1) << c.name;
        const QByteArray bytes = ReadBytes(path);
        EXPECT_TRUE(bytes.startsWith(c.magic)) << c.name;
        if (c.magic.startsWith('\xFF')) {
            CLoadBitmap_for_Dlg back;
            back.path.SetPath(path);
            ASSERT_EQ(LoadJpegFile(&back, nullptr, 0), kJpegDecoded) << c.name;
            EXPECT_EQ(back.infoHeader.biBitCount, 24) << c.name;
            EXPECT_TRUE(Near(HolderPixel(back, 5, 2), PatternColor(5, 2, 10, 6, c.bpp), 20)) << c.name;
        }
    }
}

TEST_F(JpegFileTest, FailedSaveReportsCodeSeven)
{
    CLoadBitmap_for_Dlg source;
    ASSERT_TRUE(FillPatternHolder(&source, 10, 6, 24));
    for (const char* name : {"none/x.jpg", "none/x.tif", "x.unknown"}) {
        BYTE code = 0;
        EXPECT_EQ(SaveJpegOrOtherFile(dir.filePath(name), SourceOf(source), &code), 0) << name;
        EXPECT_EQ(code, kJpegSaveFailed) << name;
    }
    BYTE code = 0;
    g_bShowImageErrors = 0;  // the image-class route is tried too, and fails the same way
    EXPECT_EQ(SaveJpegOrOtherFile("/dev/full", SourceOf(source), &code), 0);
    g_bShowImageErrors = 1;
    EXPECT_EQ(code, kJpegSaveFailed);
    EXPECT_TRUE(QFileInfo("/dev/full").exists());
}
