// The shell tree's pure rules: an item's path from its texts, where a walk
// starts and which parts it looks for, the image filter and the provisional
// volume slots.
#include "multiview/shell_tree_rules.h"

#include <gtest/gtest.h>

namespace {

struct Tables {
    std::array<SpecialFolderEntry, kSpecialFolderCount> rows;
    std::array<DriveEntry, kDriveCount> drives;
};

// A desktop without a Desktop folder (the home folder stands in) and no Pictures.
Tables MakeTables()
{
    Tables t;
    const char16_t* names[] = {u"デスクトップ", u"マイ ドキュメント", u"マイ ピクチャー",
        u"マイ コンピュータ", u"マイ ネットワーク"};
    const char* paths[] = {"/home/u", "/home/u/Documents", "", "", ""};
    for (int i = 0; i < kSpecialFolderCount; ++i) {
        t.rows[i].displayName = QString::fromUtf16(names[i]);
        t.rows[i].path = QString::fromUtf8(paths[i]);
    }
    const char* roots[] = {"/", "/media/u/USB", "/media/u/USB2"};
    const char* display[] = {"sda1 (/)", "USB (/media/u/USB)", "USB2 (/media/u/USB2)"};
    for (int i = 0; i < 3; ++i) {
        t.drives[i].present = static_cast<BYTE>(i);
        t.drives[i].root = QString::fromUtf8(roots[i]);
        t.drives[i].displayName = QString::fromUtf8(display[i]);
    }
    return t;
}

TEST(ShellTreeRules, AnItemsPathComesFromItsTextsUpToAPlaceOrVolume)
{
    const Tables t = MakeTables();
    struct Case {
        QStringList textsUpward;
        const char* path;
    };
    const Case cases[] = {
        {{u"デスクトップ"_qs}, "/home/u"},
        {{u"マイ ドキュメント"_qs, u"デスクトップ"_qs}, "/home/u/Documents"},
        {{u"マイ ピクチャー"_qs, u"デスクトップ"_qs}, ""},  // no Pictures folder
        {{u"マイ コンピュータ"_qs, u"デスクトップ"_qs}, ""},
        {{u"sda1 (/)"_qs, u"マイ コンピュータ"_qs, u"デスクトップ"_qs}, "/"},
        {{u"b"_qs, u"a"_qs, u"USB (/media/u/USB)"_qs, u"マイ コンピュータ"_qs, u"デスクトップ"_qs},
            "/media/u/USB/a/b"},
        {{u"usr"_qs, u"sda1 (/)"_qs, u"マイ コンピュータ"_qs, u"デスクトップ"_qs}, "/usr"},
        {{u"x"_qs, u"マイ ドキュメント"_qs, u"デスクトップ"_qs}, "/home/u/Documents/x"},
        {{u"x"_qs, u"デスクトップ"_qs}, "/home/u/x"},
        // A folder named like a place or a volume resolves as that place or volume.
        {{u"マイ ドキュメント"_qs, u"a"_qs, u"sda1 (/)"_qs}, "/home/u/Documents"},
        {{u"c"_qs, u"USB2 (/media/u/USB2)"_qs, u"a"_qs, u"sda1 (/)"_qs}, "/media/u/USB2/c"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PathFromItemTexts(c.textsUpward, t.rows, t.drives), QString::fromUtf8(c.path))
            << c.textsUpward.join(u'|').toStdString();
}

TEST(ShellTreeRules, AWalkStartsAtTheFirstPlaceElseTheLongestVolume)
{
    const Tables t = MakeTables();
    struct Case {
        const char* path;
        int specialRow;
        int driveRow;
        QStringList parts;
    };
    const Case cases[] = {
        {"/home/u/Documents/x", kRowDesktop, -1, {"Documents", "x"}},  // the Desktop row comes first
        {"/home/u", kRowDesktop, -1, {}},
        {"/home/user/x", -1, 0, {"home", "user", "x"}},
        {"/media/u/USB/a/b", -1, 1, {"a", "b"}},
        {"/media/u/USB2/a", -1, 2, {"a"}},
        {"/media/u/USB22", -1, 0, {"media", "u", "USB22"}},
        {"/", -1, 0, {}},
    };
    for (const Case& c : cases) {
        const auto start = FindTreeWalkStart(QString::fromUtf8(c.path), t.rows, t.drives);
        ASSERT_TRUE(start) << c.path;
        EXPECT_EQ(start->specialRow, c.specialRow) << c.path;
        EXPECT_EQ(start->driveRow, c.driveRow) << c.path;
        EXPECT_EQ(start->parts, c.parts) << c.path;
    }

    Tables noVolumes = MakeTables();
    noVolumes.drives = {};
    EXPECT_FALSE(FindTreeWalkStart(QStringLiteral("/srv/x"), noVolumes.rows, noVolumes.drives));
}

TEST(ShellTreeRules, TheImageFilterPassesItsExtensionsWithoutRegardToCase)
{
    struct Case {
        const char* name;
        UINT filter;
        int passes;
    };
    const Case cases[] = {
        {"a.bmp", 0, 1},
        {"a.JPG", 0, 1},
        {"a.jpeg", 0, 1},
        {"a.tif", 0, 1},
        {"a.gif", 0, 1},
        {"a.PNG", 0, 1},
        {"a.tiff", 0, 0},
        {"a.txt", 0, 0},
        {"png", 0, 0},
        {"a.bmp", 1, 1},
        {"a.png", 1, 0},
        {"a.JPG", 2, 1},
        {"a.jpeg", 2, 1},
        {"a.tiff", 3, 0},
        {"a.tif", 3, 1},
        {"a.gif", 4, 1},
        {"a.png", 5, 1},
        {"a.png", 6, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsFilteredImageFileFor(QString::fromUtf8(c.name), c.filter), c.passes)
            << c.name << " with filter " << c.filter;
}

TEST(ShellTreeRules, VolumesStartWithTheSlotOfTheirKind)
{
    const std::pair<WORD, int> cases[] = {{DRIVE_REMOVABLE, 25}, {DRIVE_FIXED, 21}, {DRIVE_REMOTE, 22},
        {DRIVE_CDROM, 23}, {DRIVE_RAMDISK, 24}, {DRIVE_UNKNOWN, 0}, {DRIVE_NO_ROOT_DIR, 0}};
    for (const auto& [type, slot] : cases)
        EXPECT_EQ(ProvisionalDriveSlot(type), slot) << type;
}

}  // namespace
