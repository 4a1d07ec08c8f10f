#include "exif/exif_reader.h"
#include "tests/exif/exif_settings_test.h"
#include "tests/exif/exif_test_print.h"
#include "tests/support/exif_builder.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using B = ExifBuilder;

// Keeps the process-wide EXIF settings as they were before each test.
class ExifFormatterTest : public ExifSettingsTest {
protected:
    void Show(std::initializer_list<WORD> tags)
    {
        ExifDisplaySettings.mask = ExifTagMask{};
        for (WORD tag : tags)
            SetExifClearTag(tag, 1, ExifDisplaySettings.mask);
    }
    QStringList Lines(const ExifBuilder& b, int maxLines = 100, int lineSize = 260)
    {
        const QString path = m_dir.filePath(QStringLiteral("f.jpg"));
        EXPECT_TRUE(b.WriteTo(path));
        CExifReader reader;
        EXPECT_EQ(reader.ReadFile(path), 1);
        QStringList lines;
        const int made = reader.FormatTags(lines, maxLines, lineSize);
        EXPECT_EQ(made, lines.size());
        return lines;
    }

    QTemporaryDir m_dir;
};

// The name column: the description padded to 20 characters.
QString N(const char16_t* description)
{
    return QString::fromUtf16(description).leftJustified(20, u' ') + QStringLiteral(" : ");
}

ExifBuilder Camera(bool little)
{
    ExifBuilder b(little);
    b.Ascii(B::Ifd0, 306, "2024:01:02 03:04:05")
        .Ascii(B::Ifd0, 271, "Maker")
        .Ascii(B::Ifd0, 315, "\x83\x4A\x83\x81\x83\x89")
        .Add(B::Ifd0, 33432, 2, 8, QByteArray("Ann\0Bob\0", 8))
        .Ascii(B::Ifd0, 270, QByteArray(300, 'x'))
        .Undefined(B::Exif, 36864, "0230")
        .Undefined(B::Exif, 37121, QByteArray("\x01\x02\x03\x00", 4))
        .CodedText(B::Exif, 37510, "UNICODE", QByteArray("C\0a\0m\0", 6))
        .Rationals(B::Exif, 33434, {{1, 250}})
        .Rationals(B::Exif, 33437, {{28, 10}})
        .Short(B::Exif, 34850, 2)
        .Rationals(B::Exif, 37379, {{0xFFFFFFFF, 1}}, true)
        .Rationals(B::Exif, 37380, {{static_cast<DWORD>(-2), 3}}, true)
        .Rationals(B::Exif, 37381, {{5, 0}})
        .Rationals(B::Exif, 37382, {{0xFFFFFFFF, 1}})
        .Short(B::Exif, 37383, 5)
        .Short(B::Exif, 37384, 99)
        .Short(B::Exif, 37385, 0x19)
        .Rationals(B::Exif, 37386, {{50, 1}})
        .Rationals(B::Exif, 41988, {{0, 1}})
        .Short(B::Exif, 41989, 28)
        .Rationals(B::Exif, 42034, {{18, 1}, {55, 1}, {35, 10}, {56, 10}})
        .Add(B::Gps, 0, 1, 4, QByteArray("\x02\x02\x00\x00", 4))
        .Ascii(B::Gps, 1, "N")
        .Rationals(B::Gps, 2, {{35, 1}, {40, 1}, {3, 1}})
        .Ascii(B::Gps, 3, "E")
        .Rationals(B::Gps, 4, {{139, 1}, {45, 1}, {30, 1}})
        .Byte(B::Gps, 5, 1)
        .Rationals(B::Gps, 6, {{123, 10}})
        .Rationals(B::Gps, 7, {{12, 1}, {30, 1}, {5, 1}})
        .Ascii(B::Gps, 18, "----------")
        .Ascii(B::Gps, 29, "2024:01:02");
    return b;
}

TEST_F(ExifFormatterTest, LinesOfATableOfTagsInBothByteOrders)
{
    Show({306, 270, 271, 315, 33432, 36864, 37121, 37510, 33434, 33437, 34850, 37379, 37380, 37381, 37382,
        37383, 37384, 37385, 37386, 41988, 41989, 41995, 42034, 0, 1, 5, 7, 18, 19, 29});
    const QStringList expected = {
        N(u"ファイル変更日時") + "2024:01:02 03:04:05\n",
        N(u"画像タイトル") + QString(22, u'x') + " ・・・\n",
        N(u"メーカー名") + "Maker\n",
        N(u"作者名") + QStringLiteral("カメラ\n"),
        N(u"撮影著作権者/編集著作権") + "Ann Bob\n",
        N(u"Exif バージョン") + "0230\n",
        N(u"各コンポーネントの意味") + "YCbCr-\n",
        N(u"ユーザーコメント") + "Cam",  // UNICODE texts end without a line feed
        N(u"露出時間") + QStringLiteral("0.0040 秒\n"),
        N(u"F ナンバー") + "2.8000\n",
        N(u"露出プログラム") + QStringLiteral("ノーマルプログラム\n"),
        N(u"輝度値") + QStringLiteral("不明\n"),
        N(u"露光補正値") + "-0.6667\n",
        N(u"レンズ最小Ｆ値") + "0.0000\n",
        N(u"被写体距離") + QStringLiteral("無限遠\n"),
        N(u"測光方式") + QStringLiteral("分割測光\n"),
        N(u"光源") + QStringLiteral("不明\n"),
        N(u"フラッシュ") +
            QStringLiteral("ストロボ : 発行, リターン検出機能なし, 自動発行モード。 赤目軽減 : 無(不明)\n"),
        N(u"レンズ焦点距離") + "50.0000 mm\n",
        N(u"デジタルズーム倍率") + QStringLiteral("未使用\n"),
        N(u"35mm換算レンズ焦点距離") + "28\n",
        QStringLiteral("撮影条件記述情報 : ---\n"),  // absent: the plain description
        N(u"レンズの仕様情報") +
            QStringLiteral(
                "最小焦点距離[mm] = 18.000,  最大焦点距離[mm] = 55.000,  最小焦点距離における最小Ｆ値 = "
                "3.500,  最大焦点距離における最小Ｆ値 = 5.600"),
        N(u"GPS タグのバージョン") + "2200\n",
        QStringLiteral("位置情報 : 北緯 35.667500000, 東経 139.758333333"),
        N(u"高度") + "-12.300 m",
        N(u"GPS 時間（原子時計の時間）") + "12 1 30 1 5 1 \n",
        N(u"測位に用いた地図データ") + "---\n",  // a blank value
        QStringLiteral("目的地の位置情報 : ---\n"),
        N(u"GPS日付") + "2024:01:02\n",
    };
    for (bool little : {true, false}) {
        const QStringList lines = Lines(Camera(little));
        ASSERT_EQ(lines.size(), expected.size()) << little;
        for (qsizetype i = 0; i < lines.size(); ++i)
            EXPECT_EQ(lines[i], expected[i]) << little << " line " << i;
    }
}

TEST_F(ExifFormatterTest, GpsFormatAndAltitudeSign)
{
    Show({1, 5});
    ExifDisplaySettings.gpsFormat = 1;
    ExifBuilder above = Camera(true);
    above.Byte(B::Gps, 5, 0);  // the second entry is never looked at: the first one says below
    const QStringList lines = Lines(above);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], QStringLiteral("位置情報 : 北緯 35度40分3.00000秒, 東経 139度45分30.00000秒"));
    EXPECT_EQ(lines[1], N(u"高度") + "-12.300 m");

    ExifBuilder noReference(false);
    noReference.Rationals(B::Gps, 2, {{35, 1}, {40, 1}, {3, 1}})
        .Ascii(B::Gps, 3, "X")
        .Rationals(B::Gps, 4, {{139, 1}, {45, 1}, {30, 1}})
        .Ascii(B::Gps, 1, "N")
        .Rationals(B::Gps, 6, {{5, 2}});
    const QStringList other = Lines(noReference);
    ASSERT_EQ(other.size(), 2);
    EXPECT_EQ(other[0], QStringLiteral("位置情報 : ---\n"));
    EXPECT_EQ(other[1], N(u"高度") + "+2.500 m");  // no reference: above sea level

    ExifBuilder noAltitude;
    noAltitude.Ascii(B::Gps, 29, "2024:01:02");
    EXPECT_EQ(Lines(noAltitude).value(1), QStringLiteral("高度 : ---\n"));
}

TEST_F(ExifFormatterTest, ArraysWithTooFewValuesOrZeroDenominators)
{
    Show({42034, 1, 7});
    ExifBuilder b;
    b.Rationals(B::Exif, 42034, {{18, 1}})
        .Ascii(B::Gps, 1, "S")
        .Rationals(B::Gps, 2, {{35, 1}, {40, 1}})
        .Ascii(B::Gps, 3, "W")
        .Rationals(B::Gps, 4, {{139, 1}, {45, 1}, {30, 1}})
        .Raw(B::Gps, 7, 5, 3, 60000);  // values past the end of the block
    QStringList lines = Lines(b);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], N(u"レンズの仕様情報") + QStringLiteral("不明"));
    EXPECT_EQ(lines[1], QStringLiteral("位置情報 : ---\n"));
    EXPECT_EQ(lines[2], N(u"GPS 時間（原子時計の時間）") + "---\n");

    ExifBuilder zero;
    zero.Rationals(B::Exif, 42034, {{18, 1}, {55, 1}, {35, 0}, {56, 10}})
        .Ascii(B::Gps, 1, "S")
        .Rationals(B::Gps, 2, {{35, 1}, {40, 0}, {3, 1}})
        .Ascii(B::Gps, 3, "W")
        .Rationals(B::Gps, 4, {{139, 1}, {45, 1}, {30, 1}});
    lines = Lines(zero);
    ASSERT_EQ(lines.size(), 3);
    // Only the value whose denominator is 0 is unknown; the others are shown.
    EXPECT_EQ(lines[0],
        N(u"レンズの仕様情報") +
            QStringLiteral(
                "最小焦点距離[mm] = 18.000,  最大焦点距離[mm] = 55.000,  最小焦点距離における最小Ｆ値 = "
                "---,  最大焦点距離における最小Ｆ値 = 5.600"));
    EXPECT_EQ(lines[1], QStringLiteral("位置情報 : ---\n"));

    ExifBuilder unknownF;  // what cameras write for an unknown F-number
    unknownF.Rationals(B::Exif, 42034, {{18, 1}, {55, 1}, {0, 0}, {0, 0}});
    EXPECT_EQ(Lines(unknownF).value(0),
        N(u"レンズの仕様情報") +
            QStringLiteral(
                "最小焦点距離[mm] = 18.000,  最大焦点距離[mm] = 55.000,  最小焦点距離における最小Ｆ値 = "
                "---,  最大焦点距離における最小Ｆ値 = ---"));

    ExifBuilder allZero;
    allZero.Rationals(B::Exif, 42034, {{0, 1}, {0, 1}, {0, 1}, {0, 1}});
    EXPECT_EQ(Lines(allZero).value(0), N(u"レンズの仕様情報") + QStringLiteral("不明"));
}

// A phone writes its GPS values as text; they are not read as rationals.
TEST_F(ExifFormatterTest, GpsValuesOfAnotherTypeThanRationalShowAsUnknown)
{
    Show({1, 5, 7});
    ExifBuilder b;
    b.Ascii(B::Gps, 1, "N")
        .Ascii(B::Gps, 2, "52,00000,50,00000,34,01180")
        .Ascii(B::Gps, 3, "E")
        .Rationals(B::Gps, 4, {{139, 1}, {45, 1}, {30, 1}})
        .Ascii(B::Gps, 6, "12.5")
        .Ascii(B::Gps, 7, "12:30:05");
    const QStringList lines = Lines(b);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], QStringLiteral("位置情報 : ---\n"));
    EXPECT_EQ(lines[1], QStringLiteral("高度 : ---\n"));
    EXPECT_EQ(lines[2], N(u"GPS 時間（原子時計の時間）") + "---\n");

    // Integers written as text or rationals are not read as numbers either.
    Show({37385, 41986, 41989});
    ExifBuilder integers;
    integers.Rationals(B::Exif, 37385, {{1, 1}}).Ascii(B::Exif, 41986, "1").Ascii(B::Exif, 41989, "50");
    const QStringList numbers = Lines(integers);
    ASSERT_EQ(numbers.size(), 3);
    EXPECT_EQ(numbers[0], N(u"フラッシュ") + "---\n");
    EXPECT_EQ(numbers[1], N(u"露出モード") + "---\n");
    EXPECT_EQ(numbers[2], N(u"35mm換算レンズ焦点距離") + "---\n");
}

// Exact ties round as the C library's printf does.
TEST_F(ExifFormatterTest, FixedPointTiesRoundAsPrintf)
{
    Show({33434, 37386});
    ExifBuilder b;
    b.Rationals(B::Exif, 33434, {{277, 32}}).Rationals(B::Exif, 37386, {{1, 32}});
    const QStringList lines = Lines(b);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], N(u"露出時間") + QStringLiteral("8.6562 秒\n"));
    EXPECT_EQ(lines[1], N(u"レンズ焦点距離") + QStringLiteral("0.0312 mm\n"));
}

TEST_F(ExifFormatterTest, TextFamilyRules)
{
    Show({270, 271, 272, 305, 37500});
    ExifBuilder b;
    b.Ascii(B::Ifd0, 270, "aaaaaa")             // one repeated character reads as a blank value
        .Ascii(B::Ifd0, 271, "")                // only the terminator
        .Add(B::Ifd0, 272, 2, 0, QByteArray())  // a count of 0
        .Ascii(B::Ifd0, 305, "aaaa")            // four bytes with the NUL: shown as it is
        .Undefined(B::Exif, 37500, QByteArray("MKNT\0\x01\x02", 7));
    const QStringList lines = Lines(b);
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0], N(u"画像タイトル") + "---\n");
    EXPECT_EQ(lines[1], N(u"メーカー名") + "\n");
    EXPECT_EQ(lines[2], N(u"モデル名") + "---\n");
    EXPECT_EQ(lines[3], N(u"使用ソフトウェア名") + "---\n");
    EXPECT_EQ(lines[4], N(u"メーカーノート") + "MKNT\n");
}

TEST_F(ExifFormatterTest, LineCountAndLineSizeAreBounded)
{
    SetExifClearCameraGroup(1, ExifDisplaySettings.mask);
    SetExifClearShootingGroup(1, ExifDisplaySettings.mask);
    SetExifClearGpsGroup(1, ExifDisplaySettings.mask);
    const QStringList all = Lines(Camera(true));
    EXPECT_EQ(all.size(), 58);  // every one of the 58 has a line, present or not
    EXPECT_EQ(Lines(Camera(true), 3).size(), 3);
    EXPECT_EQ(Lines(Camera(true), 0).size(), 0);
    for (const QString& line : Lines(Camera(false), 100, 30))
        EXPECT_LE(line.size(), 29) << qPrintable(line);
    // The time line stops adding numbers when fewer than 12 characters remain.
    Show({7});
    const QStringList time = Lines(Camera(true), 10, 40);
    EXPECT_EQ(time.value(0), N(u"GPS 時間（原子時計の時間）") + "12 1 30 \n");
}

TEST_F(ExifFormatterTest, NothingShownGivesNoLines)
{
    Show({});
    const QStringList lines = Lines(Camera(true));
    EXPECT_TRUE(lines.isEmpty());
    CExifReader reader;
    EXPECT_EQ(reader.TagTable().CountSelected(), 0);
}

}  // namespace
