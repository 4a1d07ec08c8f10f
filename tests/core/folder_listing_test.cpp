#include "core/folder_listing.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

void Touch(const QString& path, qint64 size = 0)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    ASSERT_EQ(::truncate(QFile::encodeName(path).constData(), size), 0);
}

TEST(FolderListing, SortedByNameWithoutCaseThenOrdinal)
{
    QTemporaryDir dir;
    for (const char* name : {"b.jpg", "a.jpg", "A.jpg", "_x", ".hidden", "C"})
        Touch(dir.path() + "/" + name);
    std::vector<FolderEntry> entries;
    ASSERT_TRUE(ListFolder(dir.path(), &entries));
    QStringList names;
    for (const FolderEntry& e : entries)
        names << e.name;
    EXPECT_EQ(names, (QStringList{".hidden", "_x", "A.jpg", "a.jpg", "b.jpg", "C"}));
}

TEST(FolderListing, AttributesSizesAndTimes)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.jpg"));
    Touch(dir.path() + "/.dot.png", 12);
    Touch(dir.path() + "/big.bmp", 0x100000000ll);  // sparse: 4 GiB
    ASSERT_EQ(::symlink("nowhere", QFile::encodeName(dir.path() + "/dangling.gif").constData()), 0);
    std::vector<FolderEntry> entries;
    ASSERT_TRUE(ListFolder(dir.path(), &entries));
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[0].name, ".dot.png");
    EXPECT_EQ(entries[0].attributes, kFileAttributeHidden);
    EXPECT_EQ(entries[0].size, 12u);
    EXPECT_GT(entries[0].writeSeconds, 0);
    EXPECT_EQ(entries[1].name, "big.bmp");
    EXPECT_EQ(entries[1].size, 0x100000000ull);
    EXPECT_EQ(entries[2].name, "dangling.gif");  // listed as itself
    EXPECT_FALSE(entries[2].IsFolder());
    EXPECT_EQ(entries[3].name, "folder.jpg");
    EXPECT_TRUE(entries[3].IsFolder());

    FolderEntry one;
    ASSERT_TRUE(StatFolderEntry(dir.path() + "/.dot.png", &one));
    EXPECT_EQ(one.name, ".dot.png");
    EXPECT_EQ(one.size, 12u);
    EXPECT_FALSE(StatFolderEntry(dir.path() + "/missing.png", &one));
}

TEST(FolderListing, AMissingFolderListsNothing)
{
    std::vector<FolderEntry> entries{FolderEntry()};
    EXPECT_FALSE(ListFolder("/nonexistent/kestrel/folder", &entries));
    EXPECT_TRUE(entries.empty());
}

}  // namespace
