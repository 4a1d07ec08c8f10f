#include "exif/exif_reader.h"
#include "tests/exif/exif_settings_test.h"
#include "tests/exif/exif_test_print.h"
#include "tests/support/exif_builder.h"

#include <QFile>
#include <QTemporaryDir>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/fsuid.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

using B = ExifBuilder;

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Byte ranges [begin, end) of the file that may change when the tags are cleared.
using Ranges = std::vector<std::pair<qsizetype, qsizetype>>;

class ExifClearerTest : public ExifSettingsTest {
protected:
    void SetUp() override { ExifClearSettings = ExifClearSettingsRecord{}; }
    void Clear(std::initializer_list<WORD> tags)
    {
        ExifClearSettings.mask = ExifTagMask{};
        for (WORD tag : tags)
            SetExifClearTag(tag, 1, ExifClearSettings.mask);
    }
    QString Write(const ExifBuilder& b)
    {
        const QString path = m_dir.filePath(QStringLiteral("c.jpg"));
        EXPECT_TRUE(b.WriteTo(path));
        return path;
    }
    // Where the values of these tags lie in the file, from a reading before clearing.
    static Ranges ValueRanges(
        const QString& path, const ExifBuilder& b, const std::vector<std::pair<WORD, bool>>& tags)
    {
        CExifReader reader;
        EXPECT_EQ(reader.ReadFile(path), 1);
        Ranges ranges;
        for (const auto& [tag, gps] : tags) {
            const ExifTagEntry* e = reader.FindEntry(tag, gps);
            EXPECT_NE(e, nullptr) << tag;
            if (!e)
                continue;
            const auto length = static_cast<qsizetype>(ExifValueLength(e->type, e->count));
            if (GetExifValuePlacement(e->type, e->count) == 1)
                ranges.emplace_back(e->location + 8, e->location + 12);
            else
                ranges.emplace_back(b.TiffPosition() + e->value, b.TiffPosition() + e->value + length);
        }
        return ranges;
    }

    QTemporaryDir m_dir;
};

ExifBuilder Photo(bool little)
{
    ExifBuilder b(little);
    b.Ascii(B::Ifd0, 271, "Maker Inc")
        .Ascii(B::Ifd0, 272, "M2")
        .Ascii(B::Ifd0, 306, "2024:01:02 03:04:05")
        .Rationals(B::Exif, 33434, {{1, 250}})
        .Short(B::Exif, 37385, 0x19)
        .Short(B::Exif, 41989, 28)
        .CodedText(B::Exif, 37510, "UNICODE", QByteArray("h\0i\0", 4))
        .CodedText(B::Exif, 41995, "JIS", "abc")
        .Rationals(B::Exif, 42034, {{18, 1}, {55, 1}, {35, 10}, {56, 10}})
        .Add(B::Gps, 0, 1, 4, QByteArray("\x02\x02\x00\x00", 4))
        .Ascii(B::Gps, 1, "N")
        .Rationals(B::Gps, 2, {{35, 1}, {40, 1}, {3, 1}})
        .Ascii(B::Gps, 3, "E")
        .Rationals(B::Gps, 4, {{139, 1}, {45, 1}, {30, 1}})
        .Byte(B::Gps, 5, 1)
        .Rationals(B::Gps, 6, {{123, 10}})
        .Add(B::Gps, 27, 7, 10, QByteArray("ASCII\0\0\0GP", 10));
    return b;
}

TEST_F(ExifClearerTest, BlanksOnlyTheChosenValuesAndKeepsTheLength)
{
    for (bool little : {true, false}) {
        const ExifBuilder b = Photo(little);
        const QString path = Write(b);
        const QByteArray before = ReadAll(path);
        const Ranges allowed = ValueRanges(path, b,
            {{271, false}, {272, false}, {33434, false}, {37385, false}, {37510, false}, {41995, false},
                {1, true}, {2, true}, {3, true}, {4, true}, {6, true}, {27, true}});
        Clear({271, 272, 33434, 37385, 37510, 41995, 1, 5, 27});
        CExifReader clearer;
        EXPECT_EQ(clearer.ClearSelectedTags(path), 2);
        const QByteArray after = ReadAll(path);
        ASSERT_EQ(after.size(), before.size());
        for (qsizetype i = 0; i < after.size(); ++i) {
            if (after[i] == before[i])
                continue;
            const bool inside = std::any_of(
                allowed.begin(), allowed.end(), [i](const auto& r) { return i >= r.first && i < r.second; });
            EXPECT_TRUE(inside) << "byte " << i << " changed, little " << little;
        }

        CExifReader reader;
        ASSERT_EQ(reader.ReadFile(path), 1);
        EXPECT_EQ(reader.FindEntry(271, false)->text, QStringLiteral("---------"));
        EXPECT_EQ(reader.FindEntry(272, false)->text, QStringLiteral("---"));  // inline: "---" and NUL
        EXPECT_EQ(reader.FindEntry(306, false)->text, QStringLiteral("2024:01:02 03:04:05"));
        EXPECT_EQ(reader.FindEntry(33434, false)->values, (std::vector<DWORD>{1, 1}));
        EXPECT_EQ(reader.FindEntry(37385, false)->integer, 0);
        EXPECT_EQ(reader.FindEntry(37510, false)->integer, 1);  // the UNICODE prefix became ASCII
        EXPECT_EQ(reader.FindEntry(37510, false)->text, QStringLiteral("----"));
        // Prefix included; the UTF-16 text of '-' bytes shows as a blank line.
        EXPECT_EQ(reader.FindEntry(41995, false)->text, QString(3, QChar(0x2D2D)));
        EXPECT_EQ(reader.FindEntry(41989, false)->integer, 28);
        EXPECT_EQ(reader.FindEntry(1, true)->text, QStringLiteral("不明"));
        EXPECT_EQ(reader.FindEntry(2, true)->values, (std::vector<DWORD>{1, 1, 1, 1, 1, 1}));
        EXPECT_EQ(reader.FindEntry(4, true)->values, (std::vector<DWORD>{1, 1, 1, 1, 1, 1}));
        EXPECT_EQ(reader.FindEntry(5, true)->integer, 1);  // the altitude item clears the value (6)
        EXPECT_DOUBLE_EQ(reader.FindEntry(6, true)->number, 1.0);
        EXPECT_EQ(reader.FindEntry(27, true)->text, QStringLiteral("--"));  // prefix kept: "ASCII"
        EXPECT_EQ(reader.FindEntry(0, true)->text, QStringLiteral("2200"));
    }
}

TEST_F(ExifClearerTest, ClearValueWrittenInTheFilesByteOrder)
{
    struct Case {
        bool little;
        DWORD clearValue;
        QByteArray bytes;
    };
    const Case cases[] = {
        {false, 1, QByteArray("\0\0\0\0\0\0\0\x01", 8)},
        {false, 0, QByteArray("\0\0\0\x01\0\0\0\x01", 8)},
        {true, 1, QByteArray("\0\0\0\0\x01\0\0\0", 8)},
        {true, 0, QByteArray("\x01\0\0\0\x01\0\0\0", 8)},
    };
    for (const Case& c : cases) {
        ExifBuilder b(c.little);
        b.Rationals(B::Exif, 33434, {{1, 250}});
        const QString path = Write(b);
        const Ranges where = ValueRanges(path, b, {{33434, false}});
        ExifClearSettings.clearValue = c.clearValue;
        Clear({33434});
        CExifReader clearer;
        EXPECT_EQ(clearer.ClearSelectedTags(path), 2);
        EXPECT_EQ(ReadAll(path).mid(where[0].first, 8), c.bytes) << c.little << c.clearValue;
    }
}

TEST_F(ExifClearerTest, BlankValuesByType)
{
    ExifBuilder b(false);
    b.Ascii(B::Ifd0, 270, QByteArray(19, 'T'))                                 // 20 bytes with the NUL
        .Add(B::Ifd0, 315, 1, 6, QByteArray("\x01\x02\x03\x04\x05\x06", 6))    // BYTE
        .Add(B::Exif, 37500, 3, 3, QByteArray("\x01\x02\x03\x04\x05\x06", 6))  // SHORT
        .Add(B::Exif, 40964, 4, 2, QByteArray("\x01\x02\x03\x04\x05\x06\x07\x08", 8))   // LONG
        .Add(B::Exif, 42016, 12, 1, QByteArray("\x01\x02\x03\x04\x05\x06\x07\x08", 8))  // DOUBLE
        .Add(B::Exif, 42032, 7, 5, QByteArray("\x01\x02\x03\x04\x05", 5))               // UNDEFINED
        .Short(B::Exif, 41986, 2);                                                      // inline SHORT
    const QString path = Write(b);
    const Ranges where = ValueRanges(path, b,
        {{270, false}, {315, false}, {37500, false}, {40964, false}, {42016, false}, {42032, false},
            {41986, false}});
    Clear({270, 315, 37500, 40964, 42016, 42032, 41986});
    CExifReader clearer;
    ASSERT_EQ(clearer.ClearSelectedTags(path), 2);
    const QByteArray after = ReadAll(path);
    const auto at = [&](int i) { return after.mid(where[i].first, where[i].second - where[i].first); };
    EXPECT_EQ(at(0), QByteArray(19, '-') + QByteArray(1, '\0'));
    EXPECT_EQ(at(1), QByteArray(6, '\0'));
    EXPECT_EQ(at(2), QByteArray(6, '\0'));
    EXPECT_EQ(at(3), QByteArray(8, '\0'));
    EXPECT_EQ(at(4), QByteArray(8, '\0'));
    EXPECT_EQ(at(5), QByteArray(5, '-'));
    EXPECT_EQ(at(6), QByteArray(4, '\0'));

    // A cleared text shows as "---".
    ExifDisplaySettings.mask = ExifTagMask{};
    SetExifClearTag(270, 1, ExifDisplaySettings.mask);
    CExifReader reader;
    ASSERT_EQ(reader.ReadFile(path), 1);
    QStringList lines;
    reader.FormatTags(lines, 5, 260);
    EXPECT_EQ(
        lines.value(0), QStringLiteral("画像タイトル").leftJustified(20, u' ') + QStringLiteral(" : ---\n"));
}

TEST_F(ExifClearerTest, DestinationPositionItemClearsItsFourTags)
{
    ExifBuilder b;
    b.Ascii(B::Gps, 19, "S")
        .Rationals(B::Gps, 20, {{10, 1}, {20, 1}, {30, 1}})
        .Ascii(B::Gps, 21, "W")
        .Rationals(B::Gps, 22, {{40, 1}, {50, 1}, {0, 1}})
        .Ascii(B::Gps, 1, "N");
    const QString path = Write(b);
    ExifClearSettings.clearValue = 1;
    Clear({19});
    CExifReader clearer;
    ASSERT_EQ(clearer.ClearSelectedTags(path), 2);
    CExifReader reader;
    ASSERT_EQ(reader.ReadFile(path), 1);
    EXPECT_EQ(reader.FindEntry(19, true)->text, QStringLiteral("不明"));
    EXPECT_EQ(reader.FindEntry(21, true)->text, QStringLiteral("不明"));
    EXPECT_EQ(reader.FindEntry(20, true)->values, (std::vector<DWORD>{0, 1, 0, 1, 0, 1}));
    EXPECT_EQ(reader.FindEntry(22, true)->values, (std::vector<DWORD>{0, 1, 0, 1, 0, 1}));
    EXPECT_EQ(reader.FindEntry(1, true)->text, QStringLiteral("北緯"));
}

TEST_F(ExifClearerTest, NothingToClearLeavesTheFileAlone)
{
    ExifBuilder b;
    b.Ascii(B::Ifd0, 271, "Maker");
    const QString path = Write(b);
    const QByteArray before = ReadAll(path);
    CExifReader noChoice;
    EXPECT_EQ(noChoice.ClearSelectedTags(path), 0);
    Clear({33434, 1, 272});  // none present
    CExifReader absent;
    EXPECT_EQ(absent.ClearSelectedTags(path), 0);
    EXPECT_EQ(ReadAll(path), before);

    const QString plain = m_dir.filePath(QStringLiteral("plain.jpg"));
    QFile file(plain);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("\xFF\xD8\xFF\xDB\x00\x04\x00\x01\xFF\xD9", 10));
    file.close();
    Clear({271});
    CExifReader noExif;
    EXPECT_EQ(noExif.ClearSelectedTags(plain), 0);
    EXPECT_EQ(noExif.ClearSelectedTags(m_dir.filePath(QStringLiteral("missing.jpg"))), 0);
}

TEST_F(ExifClearerTest, FileThatCannotBeWrittenIsReportedAndUntouched)
{
    ExifBuilder b;
    b.Ascii(B::Ifd0, 271, "Maker");
    const QString path = Write(b);
    const QByteArray before = ReadAll(path);
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    // The superuser ignores file permissions: check them as another user
    // (the file-system user id belongs to this thread only). The group keeps
    // root's, so the folder must let the group in as well as the others.
    const bool root = ::geteuid() == 0;
    if (root) {
        QFile::setPermissions(m_dir.path(),
            QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup |
                QFile::ReadOther | QFile::ExeOther);
        ::setfsuid(65534);
    }
    const QByteArray name = QFile::encodeName(path);
    const int reading = ::open(name.constData(), O_RDONLY);
    const int writing = ::open(name.constData(), O_RDWR);
    for (int fd : {reading, writing}) {
        if (fd >= 0)
            ::close(fd);
    }
    if (reading < 0 || writing >= 0) {
        if (root)
            ::setfsuid(0);
        GTEST_SKIP() << "no way here to make the file readable but not writable";
    }
    Clear({271});
    CExifReader clearer;
    const int result = clearer.ClearSelectedTags(path);
    if (root)
        ::setfsuid(0);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(ReadAll(path), before);
}

}  // namespace
