// The save dialog's proposed name: serial numbers, letters and dates after the
// prefix, stepping past existing files, the default extension by save format,
// which images get an automatic name, and the refusal of over-long paths.
#include "clip/stage_save_names.h"

#include <QFile>
#include <QSet>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

constexpr int kSerial = 0;
constexpr int kDate = 1;
constexpr int kLetter = 2;

const SYSTEMTIME kNow{2026, 12, 5, 11, 1, 35, 5, 0};

AppSettingsRecord AutoSettings(int howto, int digits, const QString& prefix, int defSaveFormat = 2)
{
    AppSettingsRecord s;
    s.MakeFilenameAuto = 1;
    s.MakeFilenameOnlyCapture = 0;
    s.MakeFilenameHowto = howto;
    s.MakeFilenameDigit = digits;
    s.MakeFilenameExcludeSameFile = 1;
    s.MakeFilenameFrontStr = prefix;
    s.LastAccessDir = QStringLiteral("/pics/");
    s.DefSaveFormat = static_cast<BYTE>(defSaveFormat);
    return s;
}

// Files that exist, named without the folder "/pics/"; every question is kept.
struct FakeFolder {
    QSet<QString> present;
    QStringList asked;

    SavePathExists Callback()
    {
        return [this](const QString& path) {
            asked << path;
            return present.contains(path);
        };
    }
};

QSet<QString> InPics(const QStringList& names)
{
    QSet<QString> paths;
    for (const QString& name : names)
        paths.insert(QStringLiteral("/pics/") + name);
    return paths;
}

QStringList SerialNames(const char* prefix, int from, int to, const char* format)
{
    QStringList names;
    for (int n = from; n <= to; ++n)
        names << QString::asprintf(format, prefix, n);
    return names;
}

QStringList LetterNames(const char* prefix, char from, char to, const char* extension)
{
    QStringList names;
    for (char c = from; c <= to; ++c)
        names << QString::asprintf("%s%c.%s", prefix, c, extension);
    return names;
}

struct NameCase {
    const char* name;
    AppSettingsRecord settings;
    QStringList present;  // in /pics/
    QString expected;
};

TEST(StageSaveNames, AutomaticNameStepsPastExistingFiles)
{
    AppSettingsRecord noExclude = AutoSettings(kSerial, 3, "img");
    noExclude.MakeFilenameExcludeSameFile = 0;
    AppSettingsRecord lettersNoExclude = AutoSettings(kLetter, 3, "L");
    lettersNoExclude.MakeFilenameExcludeSameFile = 0;
    AppSettingsRecord folderWithoutSeparator = AutoSettings(kSerial, 3, "img");
    folderWithoutSeparator.LastAccessDir = QStringLiteral("/pics");

    const NameCase cases[] = {
        {"serial skips present files", AutoSettings(kSerial, 3, "img"), {"img001.jpg", "img002.jpg"},
            "img003"},
        {"serial takes the first gap", AutoSettings(kSerial, 3, "img"), {"img002.jpg"}, "img001"},
        {"serial stays at the largest", AutoSettings(kSerial, 3, "a"), SerialNames("a", 1, 999, "%s%03d.jpg"),
            "a999"},
        {"four digits", AutoSettings(kSerial, 4, "img"), {"img0001.jpg"}, "img0002"},
        {"five digits", AutoSettings(kSerial, 5, "img"), {}, "img00001"},
        {"other digit counts take five", AutoSettings(kSerial, 7, "img"), {}, "img00001"},
        {"other extensions do not collide", AutoSettings(kSerial, 3, "img"), {"img001.png", "img001"},
            "img001"},
        {"the default extension is tested", AutoSettings(kSerial, 3, "img", 5), {"img001.png"}, "img002"},
        {"bmp for an unknown format", AutoSettings(kSerial, 3, "img", 0), {"img001.bmp"}, "img002"},
        {"no skipping when switched off", noExclude, {"img001.jpg"}, "img001"},
        {"folder gets its separator", folderWithoutSeparator, {"img001.jpg"}, "img002"},
        {"empty prefix", AutoSettings(kSerial, 3, ""), {"001.jpg"}, "002"},
        {"letters skip present files", AutoSettings(kLetter, 3, "L"), {"La.jpg", "Lb.jpg"}, "Lc"},
        {"letters stay at z", AutoSettings(kLetter, 3, "L"), LetterNames("L", 'a', 'z', "jpg"), "Lz"},
        {"letters without skipping", lettersNoExclude, {"La.jpg"}, "La"},
        {"any other method is letters", AutoSettings(7, 3, "L"), {"La.jpg"}, "Lb"},
        {"date ignores present files", AutoSettings(kDate, 3, "d-"), {"d-20261211-013505.jpg"},
            "d-20261211-013505"},
    };
    for (const NameCase& c : cases) {
        FakeFolder folder;
        folder.present = InPics(c.present);
        const SaveNameProposal got = ProposeSaveName(
            c.settings, QStringLiteral("photo"), QStringLiteral("/src/"), kNow, folder.Callback());
        EXPECT_EQ(got.status, SaveNameStatus::Proposed) << c.name;
        EXPECT_EQ(got.name, c.expected) << c.name;
    }
}

TEST(StageSaveNames, DateNameIsNeverCheckedAgainstFiles)
{
    FakeFolder folder;
    ProposeSaveName(AutoSettings(kDate, 3, "d"), "photo", "/src/", kNow, folder.Callback());
    EXPECT_TRUE(folder.asked.isEmpty());
}

TEST(StageSaveNames, WhichImagesGetAnAutomaticName)
{
    struct Case {
        const char* name;
        int automatic;
        int onlyCapture;
        const char* baseName;
        const char* folder;
        bool expectAutomatic;
    };
    const Case cases[] = {
        {"switched off", 0, 0, "full_screen", "no_directory", false},
        {"any image when not only captures", 1, 0, "photo", "/src/", true},
        {"file from disk under only captures", 1, 1, "photo", "/src/", false},
        {"active window capture", 1, 1, "active_window", "/src/", true},
        {"full screen capture", 1, 1, "full_screen", "/src/", true},
        {"window capture", 1, 1, "capture_window", "/src/", true},
        {"clipboard image", 1, 1, "clipboard", "/src/", true},
        {"never loaded from a file", 1, 1, "photo", "no_directory", true},
        {"capture names compare exactly", 1, 1, "Full_Screen", "/src/", false},
        {"only the value 1 switches it on", 2, 0, "photo", "/src/", false},
    };
    for (const Case& c : cases) {
        AppSettingsRecord s = AutoSettings(kSerial, 3, "img");
        s.MakeFilenameAuto = c.automatic;
        s.MakeFilenameOnlyCapture = c.onlyCapture;
        FakeFolder folder;
        const SaveNameProposal got = ProposeSaveName(s, c.baseName, c.folder, kNow, folder.Callback());
        EXPECT_EQ(got.status, SaveNameStatus::Proposed) << c.name;
        EXPECT_EQ(got.name, c.expectAutomatic ? QStringLiteral("img001") : QString::fromLatin1(c.baseName))
            << c.name;
    }
}

TEST(StageSaveNames, DefaultExtensionFollowsTheSaveFormat)
{
    const std::pair<int, const char*> cases[] = {
        {1, "bmp"}, {2, "jpg"}, {3, "tif"}, {4, "gif"}, {5, "png"}, {0, "bmp"}, {6, "bmp"}, {255, "bmp"}};
    for (const auto& [format, extension] : cases)
        EXPECT_EQ(DefaultSaveExtension(format), QString::fromLatin1(extension)) << format;
}

// A folder that makes the whole candidate path exactly `length` characters.
QString FolderForPathLength(int length, int nameAndExtensionLength)
{
    const int fill = length - nameAndExtensionLength - 2;  // the two '/'
    return QLatin1Char('/') + QString(fill, QLatin1Char('f')) + QLatin1Char('/');
}

TEST(StageSaveNames, PathsOf260CharactersAreRefusedBeforeAnyFileIsAsked)
{
    struct Case {
        const char* name;
        int howto;
        int nameAndExtensionLength;  // "img001.jpg", "imga.jpg", "img20261211-013505.jpg"
        const char* expected;
    };
    const Case cases[] = {
        {"serial", kSerial, 10, "img001"},
        {"letter", kLetter, 8, "imga"},
        {"date", kDate, 22, "img20261211-013505"},
    };
    for (const Case& c : cases) {
        for (const int length : {259, 260, 300}) {
            AppSettingsRecord s = AutoSettings(c.howto, 3, "img");
            s.LastAccessDir = FolderForPathLength(length, c.nameAndExtensionLength);
            FakeFolder folder;
            const SaveNameProposal got = ProposeSaveName(s, "photo", "/src/", kNow, folder.Callback());
            if (length < 260) {
                EXPECT_EQ(got.status, SaveNameStatus::Proposed) << c.name << " " << length;
                EXPECT_EQ(got.name, QString::fromLatin1(c.expected)) << c.name << " " << length;
                if (c.howto != kDate) {
                    EXPECT_EQ(folder.asked.value(0).size(), length) << c.name;
                }
            } else {
                EXPECT_EQ(got.status, SaveNameStatus::PathTooLong) << c.name << " " << length;
                EXPECT_TRUE(got.name.isEmpty()) << c.name;
                EXPECT_TRUE(folder.asked.isEmpty()) << c.name;
            }
        }
    }
}

TEST(StageSaveNames, OwnNameIsNotLimited)
{
    AppSettingsRecord s = AutoSettings(kSerial, 3, "img");
    s.MakeFilenameAuto = 0;
    s.LastAccessDir = FolderForPathLength(400, 10);
    const QString longName(300, QLatin1Char('n'));
    FakeFolder folder;
    const SaveNameProposal got = ProposeSaveName(s, longName, "/src/", kNow, folder.Callback());
    EXPECT_EQ(got.status, SaveNameStatus::Proposed);
    EXPECT_EQ(got.name, longName);
}

TEST(StageSaveNames, TooLongMessage)
{
    EXPECT_EQ(SavePathTooLongMessage(), QStringLiteral("Kestrelが対応していないファイルパスの長さです。"));
}

TEST(StageSaveNames, RealFolderIsAskedThroughTheFileSystem)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile file(dir.filePath("shot001.png"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    AppSettingsRecord s = AutoSettings(kSerial, 3, "shot", 5);
    s.LastAccessDir = dir.path();
    const SaveNameProposal got = ProposeSaveName(s, "full_screen", "no_directory", kNow, SaveFileExists);
    EXPECT_EQ(got.status, SaveNameStatus::Proposed);
    EXPECT_EQ(got.name, QStringLiteral("shot002"));
}

}  // namespace
