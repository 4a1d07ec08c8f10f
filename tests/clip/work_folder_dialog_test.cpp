// The work-folder dialog's rules: which slot is the current folder, where a
// browsed folder goes, and the warning texts.
#include "clip/work_folder_dialog.h"

#include <gtest/gtest.h>

namespace {

TEST(WorkFolderRules, TheCurrentFolderIsMatchedExactlyWithoutItsTrailingSeparator)
{
    const QString folders[kWorkFolderRowCount] = {QString(), QStringLiteral("/home/u/a"),
        QStringLiteral("/home/u/b"), QStringLiteral("/"), QStringLiteral("/home/u/b")};
    struct Case {
        const char* lastAccessDir;
        int slot;
    };
    const Case cases[] = {
        {"/home/u/b", 2},           // the first of two equal slots
        {"/home/u/b/", 2},          // one trailing separator aside
        {"/home/u/b//", -1},        // only one
        {"/home/u/B", -1},          // names compare case-sensitively
        {"/home/u", -1}, {"/", 3},  // the root keeps its separator
        {"", -1},                   // an empty slot is no folder
    };
    for (const Case& c : cases)
        EXPECT_EQ(FindCurrentWorkFolder(folders, QString::fromLatin1(c.lastAccessDir)), c.slot)
            << c.lastAccessDir;
}

TEST(WorkFolderRules, ABrowsedFolderFillsItsSlotUnlessAnotherSlotHasIt)
{
    const QString folders[kWorkFolderRowCount] = {QStringLiteral("/a"), QStringLiteral("/b")};
    EXPECT_EQ(PlaceBrowsedFolder(folders, 2, QStringLiteral("/c")), BrowsedFolderPlace::Store);
    EXPECT_EQ(PlaceBrowsedFolder(folders, 1, QStringLiteral("/c")), BrowsedFolderPlace::Store);
    EXPECT_EQ(PlaceBrowsedFolder(folders, 1, QStringLiteral("/b")), BrowsedFolderPlace::InOwnSlot);
    EXPECT_EQ(PlaceBrowsedFolder(folders, 2, QStringLiteral("/b")), BrowsedFolderPlace::InOtherSlot);
    EXPECT_EQ(PlaceBrowsedFolder(folders, 0, QStringLiteral("/B")), BrowsedFolderPlace::Store);
}

TEST(WorkFolderRules, AnUnknownWarningHasItsOwnText)
{
    EXPECT_EQ(WorkFolderWarningText(kWarnPathTooLong),
        QStringLiteral("Kestrelが対応していないファイルパスの長さです。"));
    EXPECT_EQ(WorkFolderWarningText(0), QStringLiteral("未定義の警告"));
    EXPECT_EQ(WorkFolderWarningText(99), QStringLiteral("未定義の警告"));
}

}  // namespace
