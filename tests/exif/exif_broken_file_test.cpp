// Broken and hostile files: nothing outside the EXIF block is read or written.
#include "exif/exif_reader.h"
#include "tests/exif/exif_settings_test.h"
#include "tests/exif/exif_test_print.h"
#include "tests/support/exif_builder.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using B = ExifBuilder;

class ExifBrokenFileTest : public ExifSettingsTest {
protected:
    void SetUp() override
    {
        SetExifClearCameraGroup(1, ExifDisplaySettings.mask);
        SetExifClearShootingGroup(1, ExifDisplaySettings.mask);
        SetExifClearGpsGroup(1, ExifDisplaySettings.mask);
        ExifClearSettings.mask = ExifDisplaySettings.mask;
    }
    QString Write(const QByteArray& bytes)
    {
        const QString path = m_dir.filePath(QStringLiteral("b.jpg"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        return path;
    }
    QByteArray ReadBack()
    {
        QFile file(m_dir.filePath(QStringLiteral("b.jpg")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Position in the file of the k-th entry (in tag order) of a directory.
    static int EntryAt(const ExifBuilder& b, B::Dir dir, int k)
    {
        return b.TiffPosition() + b.DirectoryOffset(dir) + 2 + 12 * k;
    }

    QTemporaryDir m_dir;
};

TEST_F(ExifBrokenFileTest, DirectoryOffsetsPastTheEnd)
{
    ExifBuilder b(false);
    b.Ascii(B::Ifd0, 271, "Maker")
        .Ascii(B::Exif, 36867, "2024:01:01 00:00:00")
        .Ascii(B::Gps, 29, "2024:01:01");
    QByteArray ifd0Away = b.Jpeg();
    ifd0Away.replace(b.TiffPosition() + 4, 4, b.U32(0xFFFFFFF0));
    CExifReader reader;
    EXPECT_EQ(reader.ReadFile(Write(ifd0Away)), 0);
    EXPECT_EQ(reader.ClearSelectedTags(Write(ifd0Away)), 0);
    EXPECT_EQ(ReadBack(), ifd0Away);

    // Exif and GPS pointers past the end: IFD0 is still read.
    QByteArray pointersAway = b.Jpeg();
    pointersAway.replace(EntryAt(b, B::Ifd0, 1) + 8, 4, b.U32(0x7FFFFFFF));
    pointersAway.replace(EntryAt(b, B::Ifd0, 2) + 8, 4, b.U32(0xFFFFFFFF));
    CExifReader partial;
    ASSERT_EQ(partial.ReadFile(Write(pointersAway)), 1);
    EXPECT_EQ(partial.FindEntry(271, false)->text, QStringLiteral("Maker"));
    EXPECT_TRUE(partial.Entries(ExifDirectory::Exif).empty());
    EXPECT_TRUE(partial.Entries(ExifDirectory::Gps).empty());
    QStringList lines;
    EXPECT_EQ(partial.FormatTags(lines, 100, 260), 58);
}

TEST_F(ExifBrokenFileTest, EntryCountLargerThanTheBlock)
{
    ExifBuilder b;
    b.Ascii(B::Ifd0, 270, "Title").Ascii(B::Ifd0, 271, "Maker");
    QByteArray bytes = b.Jpeg();
    bytes.replace(b.TiffPosition() + 8, 2, b.U16(0xFFFF));
    CExifReader reader;
    ASSERT_EQ(reader.ReadFile(Write(bytes)), 1);
    // The entries that lie inside the block are read; the rest is absent.
    ASSERT_GE(reader.Entries(ExifDirectory::Ifd0).size(), 2u);
    EXPECT_EQ(reader.FindEntry(271, false)->text, QStringLiteral("Maker"));
    QStringList lines;
    reader.FormatTags(lines, 100, 260);
    CExifReader clearer;
    EXPECT_EQ(clearer.ClearSelectedTags(Write(bytes)), 2);
    EXPECT_EQ(ReadBack().size(), bytes.size());
}

TEST_F(ExifBrokenFileTest, LoopsBetweenDirectories)
{
    ExifBuilder b(false);
    b.Ascii(B::Ifd0, 271, "Maker").Rationals(B::Exif, 33434, {{1, 60}}).Long(B::Ifd1, 259, 6);
    QByteArray bytes = b.Jpeg();
    const QByteArray ifd0 = b.U32(8);
    bytes.replace(EntryAt(b, B::Ifd0, 1) + 8, 4, ifd0);  // the Exif directory is IFD0
    const int next = b.TiffPosition() + b.DirectoryOffset(B::Ifd0) + 2 + 12 * 2;
    bytes.replace(next, 4, ifd0);  // and so is IFD1
    CExifReader reader;
    ASSERT_EQ(reader.ReadFile(Write(bytes)), 1);
    EXPECT_EQ(reader.Entries(ExifDirectory::Exif).size(), 2u);
    EXPECT_EQ(reader.Entries(ExifDirectory::Ifd1).size(), 2u);
    DWORD size = 0;
    EXPECT_EQ(reader.GetThumbnail(Write(bytes), &size), nullptr);
    CExifReader clearer;
    EXPECT_EQ(clearer.ClearSelectedTags(Write(bytes)), 2);
    CExifReader after;
    ASSERT_EQ(after.ReadFile(m_dir.filePath(QStringLiteral("b.jpg"))), 1);
    EXPECT_EQ(after.FindEntry(271, false)->text, QStringLiteral("-----"));
}

TEST_F(ExifBrokenFileTest, ValuesOutsideTheBlockAreAbsentAndNeverWritten)
{
    struct Case {
        const char* what;
        WORD tag;
        WORD type;
        DWORD count;
        DWORD offset;  // relative to the TIFF header; 0: the valid data of the entry
    };
    const Case cases[] = {
        {"text past the end", 271, 2, 40, 60000},
        {"text crossing the end", 271, 2, 400, 0},
        {"rational past the end", 33434, 5, 1, 0xFFFFFFF8},
        // count x size wraps to 8 in 32 bits
        {"rational count that overflows", 33434, 5, 0x20000001, 0},
        // count x size wraps to 4 in 32 bits: it must not be taken as inline
        {"short count that overflows", 37385, 3, 0x80000002, 0},
        {"coded text count that overflows", 37510, 7, 0xFFFFFFFF, 0},
        {"rational array count that overflows", 42034, 5, 0x20000004, 0},
    };
    for (const Case& c : cases) {
        ExifBuilder b(false);
        b.Ascii(B::Ifd0, 270, "Title");
        if (c.tag == 271)
            b.Ascii(B::Ifd0, 271, "Maker of the camera");
        else
            b.Rationals(B::Exif, c.tag, {{1, 60}, {1, 1}, {1, 1}, {1, 1}});
        QByteArray bytes = b.Jpeg();
        const int entry = c.tag == 271 ? EntryAt(b, B::Ifd0, 1) : EntryAt(b, B::Exif, 0);
        bytes.replace(entry + 2, 2, b.U16(c.type));
        bytes.replace(entry + 4, 4, b.U32(c.count));
        if (c.offset != 0)
            bytes.replace(entry + 8, 4, b.U32(c.offset));
        CExifReader reader;
        ASSERT_EQ(reader.ReadFile(Write(bytes)), 1) << c.what;
        const ExifTagEntry* e = reader.FindEntry(c.tag, false);
        ASSERT_NE(e, nullptr) << c.what;
        QStringList lines;
        reader.FormatTags(lines, 100, 260);

        ExifClearSettings.mask = ExifTagMask{};
        SetExifClearTag(c.tag, 1, ExifClearSettings.mask);
        CExifReader clearer;
        EXPECT_EQ(clearer.ClearSelectedTags(Write(bytes)), 0) << c.what;
        EXPECT_EQ(ReadBack(), bytes) << c.what;
    }
}

TEST_F(ExifBrokenFileTest, CodedTextShorterThanItsPrefix)
{
    for (DWORD count : {5u, 6u, 7u}) {
        ExifBuilder b;
        b.Undefined(B::Exif, 37510, QByteArray("UNICODE\0", 8).left(static_cast<int>(count)));
        CExifReader reader;
        ASSERT_EQ(reader.ReadFile(Write(b.Jpeg())), 1);
        const ExifTagEntry* e = reader.FindEntry(37510, false);
        ASSERT_NE(e, nullptr);
        EXPECT_TRUE(e->text.isEmpty()) << count;
        ExifDisplaySettings.mask = ExifTagMask{};
        SetExifClearTag(37510, 1, ExifDisplaySettings.mask);
        CExifReader shown;
        ASSERT_EQ(shown.ReadFile(m_dir.filePath(QStringLiteral("b.jpg"))), 1);
        QStringList lines;
        shown.FormatTags(lines, 5, 260);
        EXPECT_EQ(lines.value(0), QStringLiteral("ユーザーコメント             : ---\n"));
    }
}

TEST_F(ExifBrokenFileTest, SegmentLengthsThatDoNotFit)
{
    ExifBuilder b;
    b.Ascii(B::Ifd0, 271, "Maker");
    struct Case {
        const char* what;
        int position;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"segment longer than the file", 4, QByteArray("\xFF\xF0", 2)},
        {"segment too short for the TIFF header", 4, QByteArray("\x00\x0A", 2)},
        {"segment length 0", 4, QByteArray("\x00\x00", 2)},
    };
    for (const Case& c : cases) {
        QByteArray bytes = b.Jpeg();
        bytes.replace(c.position, c.bytes.size(), c.bytes);
        CExifReader reader;
        EXPECT_EQ(reader.ReadFile(Write(bytes)), 0) << c.what;
        EXPECT_EQ(reader.ClearSelectedTags(Write(bytes)), 0) << c.what;
    }
    // An APP0 whose length points past the file, or makes the prefix longer than 65535 bytes.
    ExifBuilder jfif;
    jfif.App0(16).Ascii(B::Ifd0, 271, "Maker");
    for (const char* length : {"\xFF\xFF", "\x00\x01"}) {
        QByteArray bytes = jfif.Jpeg();
        bytes.replace(4, 2, QByteArray(length, 2));
        CExifReader reader;
        EXPECT_EQ(reader.ReadFile(Write(bytes)), 0);
    }
}

}  // namespace
