#include "exif/exif_reader.h"
#include "tests/exif/exif_test_print.h"
#include "tests/support/exif_builder.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using B = ExifBuilder;

class ExifReaderTest : public testing::Test {
protected:
    QString Write(const QByteArray& bytes, const QString& name = QStringLiteral("a.jpg"))
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QString Write(const ExifBuilder& b) { return Write(b.Jpeg()); }

    QTemporaryDir m_dir;
};

// A value field in the builder's byte order holding a short, left-justified.
TEST_F(ExifReaderTest, DecodesBothByteOrders)
{
    for (bool little : {true, false}) {
        ExifBuilder b(little);
        b.Ascii(B::Ifd0, 271, "Maker")
            .Ascii(B::Ifd0, 272, "Model X100")
            .Short(B::Exif, 34850, 3)
            .Rationals(B::Exif, 33434, {{1, 250}})
            .Rationals(B::Exif, 37380, {{static_cast<DWORD>(-2), 3}}, true)
            .Undefined(B::Exif, 36864, "0230")
            .Undefined(B::Exif, 37121, QByteArray("\x01\x02\x03\x00", 4))
            .Short(B::Exif, 41989, 28)
            .Add(B::Gps, 0, 1, 4, QByteArray("\x02\x02\x00\x00", 4))
            .Byte(B::Gps, 5, 1)
            .Rationals(B::Gps, 6, {{1234, 10}})
            .Ascii(B::Gps, 1, "N");
        CExifReader reader;
        ASSERT_EQ(reader.ReadFile(Write(b)), 1) << little;
        EXPECT_EQ(reader.LittleEndian(), little);
        const auto text = [&](WORD tag, bool gps) {
            const ExifTagEntry* e = reader.FindEntry(tag, gps);
            return e ? e->text : QStringLiteral("<absent>");
        };
        EXPECT_EQ(text(271, false), QStringLiteral("Maker"));
        EXPECT_EQ(text(272, false), QStringLiteral("Model X100"));
        EXPECT_EQ(text(34850, false), QStringLiteral("露出優先"));
        EXPECT_EQ(reader.FindEntry(34850, false)->integer, 3);
        EXPECT_EQ(text(36864, false), QStringLiteral("0230"));
        EXPECT_EQ(text(37121, false), QStringLiteral("YCbCr-"));
        EXPECT_EQ(text(0, true), QStringLiteral("2200"));
        EXPECT_EQ(text(1, true), QStringLiteral("北緯"));
        EXPECT_EQ(reader.FindEntry(5, true)->integer, 1);
        EXPECT_EQ(reader.FindEntry(41989, false)->integer, 28);
        EXPECT_DOUBLE_EQ(reader.FindEntry(33434, false)->number, 0.004);
        EXPECT_DOUBLE_EQ(reader.FindEntry(37380, false)->number, -2.0 / 3.0);
        EXPECT_DOUBLE_EQ(reader.FindEntry(6, true)->number, 123.4);
        EXPECT_EQ(reader.FindEntry(271, false)->description, QStringLiteral("メーカー名"));
        EXPECT_EQ(reader.FindEntry(1, false), nullptr);  // GPS tags only in the GPS directory
    }
}

TEST_F(ExifReaderTest, SegmentLayoutsBeforeTheExifBlock)
{
    // A JFIF APP0 of 16 or 18 bytes moves the TIFF header to byte 30 or 32.
    for (int app0 : {16, 18}) {
        ExifBuilder b;
        b.App0(app0).Ascii(B::Ifd0, 271, "Maker");
        EXPECT_EQ(b.TiffPosition(), app0 + 14);
        CExifReader reader;
        ASSERT_EQ(reader.ReadFile(Write(b)), 1) << app0;
        EXPECT_EQ(reader.FindEntry(271, false)->location, static_cast<DWORD>(app0 + 14 + 10));
    }
    ExifBuilder plain;
    plain.Ascii(B::Ifd0, 271, "Maker");
    const QByteArray good = plain.Jpeg();

    struct Case {
        const char* what;
        QByteArray bytes;
    };
    QByteArray noApp = good;
    noApp[3] = '\xDB';
    QByteArray mixed = good;
    mixed[13] = 'M';
    QByteArray notExif = good;
    notExif[6] = 'X';
    QByteArray app2 = good;
    app2[3] = '\xE2';
    const Case cases[] = {
        {"empty", QByteArray()},
        {"no JPEG start", QByteArray("\x89PNG\r\n\x1a\n", 8) + good},
        {"FF D8 FF DB", noApp},
        {"APP2 first", app2},
        {"mixed byte order", mixed},
        {"no Exif name", notExif},
        {"cut inside the segment", good.left(good.size() - 20)},
        {"cut in the header", good.left(10)},
    };
    for (const Case& c : cases) {
        CExifReader reader;
        const QString path = Write(c.bytes, QStringLiteral("bad.jpg"));
        EXPECT_EQ(reader.ReadFile(path), 0) << c.what;
        DWORD size = 1;
        EXPECT_EQ(reader.GetThumbnail(path, &size), nullptr) << c.what;
        EXPECT_EQ(size, 0u);
    }
    CExifReader reader;
    EXPECT_EQ(reader.ReadFile(m_dir.filePath(QStringLiteral("missing.jpg"))), 0);
}

TEST_F(ExifReaderTest, CodedTexts)
{
    const QByteArray utf16("C\0a\0m\0e\0r\0", 10);
    const QByteArray sjis("\x83\x4A\x83\x81\x83\x89", 6);  // カメラ
    struct Case {
        const char* what;
        QByteArray code;
        QByteArray bytes;
        LONG charCode;
        QString text;
    };
    const Case cases[] = {
        {"unicode", "UNICODE", utf16, 3, QStringLiteral("Camer")},
        {"ascii", "ASCII", "hello", 1, QStringLiteral("hello")},
        {"jis code read as the multibyte code", "JIS", sjis, 2, QStringLiteral("カメラ")},
        {"undefined code", QByteArray(), sjis, 4, QStringLiteral("カメラ")},
        {"unicode padded", "UNICODE", utf16 + QByteArray(6, '\0'), 3, QStringLiteral("Camer")},
    };
    for (const Case& c : cases) {
        ExifBuilder b(false);
        b.CodedText(B::Exif, 37510, c.code, c.bytes).CodedText(B::Gps, 27, c.code, c.bytes);
        CExifReader reader;
        ASSERT_EQ(reader.ReadFile(Write(b)), 1);
        for (bool gps : {false, true}) {
            const ExifTagEntry* e = reader.FindEntry(gps ? 27 : 37510, gps);
            ASSERT_NE(e, nullptr);
            EXPECT_EQ(e->text, c.text) << c.what;
            EXPECT_EQ(e->integer, c.charCode) << c.what;
        }
    }
    // Texts longer than 258 bytes after the prefix are cut there.
    ExifBuilder longText;
    longText.CodedText(B::Exif, 37510, "ASCII", QByteArray(400, 'x'));
    // 41995 has a 4-byte prefix and UTF-16 text; counts below the prefix give no text.
    longText.Undefined(B::Exif, 41995, QByteArray("\0\0\0\0d\0e\0v\0", 10));
    longText.Undefined(B::Gps, 28, "ASCII\0");
    CExifReader reader;
    ASSERT_EQ(reader.ReadFile(Write(longText)), 1);
    EXPECT_EQ(reader.FindEntry(37510, false)->text, QString(258, u'x'));
    EXPECT_EQ(reader.FindEntry(41995, false)->text, QStringLiteral("dev"));
    EXPECT_TRUE(reader.FindEntry(28, true)->text.isEmpty());
}

TEST_F(ExifReaderTest, ShortTextsLieInsideTheField)
{
    ExifBuilder b(false);
    b.Ascii(B::Ifd0, 270, "abc")
        .Undefined(B::Exif, 37500, "MN")
        .Undefined(B::Exif, 37510, "hi")
        .Add(B::Ifd0, 33432, 2, 9, QByteArray("Ann\0Bob\0\0", 9));
    CExifReader reader;
    ASSERT_EQ(reader.ReadFile(Write(b)), 1);
    EXPECT_EQ(reader.FindEntry(270, false)->text, QStringLiteral("abc"));
    EXPECT_EQ(reader.FindEntry(37500, false)->text, QStringLiteral("MN"));
    EXPECT_EQ(reader.FindEntry(37510, false)->text, QStringLiteral("hi"));
    // Photographer and editor are shown together.
    EXPECT_EQ(reader.FindEntry(33432, false)->text, QStringLiteral("Ann Bob "));
}

TEST_F(ExifReaderTest, Thumbnail)
{
    const QByteArray thumb = QByteArray("\xFF\xD8", 2) + QByteArray(100, 'p') + QByteArray("\xFF\xD9", 2);
    for (bool little : {true, false}) {
        ExifBuilder b(little);
        b.Ascii(B::Ifd0, 271, "Maker").Thumbnail(thumb);
        CExifReader reader;
        DWORD size = 0;
        const BYTE* data = reader.GetThumbnail(Write(b), &size);
        ASSERT_NE(data, nullptr);
        EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)), thumb);
    }
    QByteArray wrongEnd = thumb;
    wrongEnd[wrongEnd.size() - 1] = '\xD8';
    QByteArray wrongStart = thumb;
    wrongStart[1] = '\x00';
    for (const QByteArray& bad : {wrongEnd, wrongStart, QByteArray("\xFF\xD9", 2)}) {
        ExifBuilder b;
        b.Ascii(B::Ifd0, 271, "Maker").Thumbnail(bad);
        CExifReader reader;
        DWORD size = 0;
        EXPECT_EQ(reader.GetThumbnail(Write(b), &size), nullptr);
    }
    // Some cameras count padding after the end marker: up to 14 bytes of it
    // (the marker within the stored length's last 16 bytes) are cut off.
    const struct {
        int padding;
        bool accepted;
    } paddings[] = {{1, true}, {14, true}, {15, false}};
    for (const auto& c : paddings) {
        ExifBuilder b;
        b.Ascii(B::Ifd0, 271, "Maker").Thumbnail(thumb + QByteArray(c.padding, '\0'));
        CExifReader reader;
        DWORD size = 0;
        const BYTE* data = reader.GetThumbnail(Write(b), &size);
        if (!c.accepted) {
            EXPECT_EQ(data, nullptr) << c.padding;
            continue;
        }
        ASSERT_NE(data, nullptr) << c.padding;
        EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)), thumb)
            << c.padding;
    }
    // A thumbnail length past the end of the segment.
    ExifBuilder past;
    past.Ascii(B::Ifd0, 271, "Maker").Thumbnail(thumb);
    QByteArray bytes = past.Jpeg();
    const int lengthField = past.TiffPosition() + past.DirectoryOffset(B::Ifd1) + 2 + 12 + 8;
    bytes.replace(lengthField, 4, past.U32(60000));
    CExifReader reader;
    DWORD size = 0;
    EXPECT_EQ(reader.GetThumbnail(Write(bytes), &size), nullptr);
    // No IFD1 at all.
    ExifBuilder none;
    none.Ascii(B::Ifd0, 271, "Maker");
    EXPECT_EQ(reader.GetThumbnail(Write(none), &size), nullptr);
}

}  // namespace
