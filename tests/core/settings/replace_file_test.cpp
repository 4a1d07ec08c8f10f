#include "core/settings/replace_file.h"
#include "tests/core/settings/settings_test_support.h"

#include <QFileInfo>
#include <gtest/gtest.h>
#include <sys/stat.h>

TEST(ReplaceFile, KeepsTheOldFilesPermissionsAndLinks)
{
    QTemporaryDir dir;
    const QString real = dir.filePath(QStringLiteral("real.cfg"));
    const QString link = dir.filePath(QStringLiteral("Kestrel.cfg"));
    ASSERT_TRUE(WriteWholeFile(real, "old"));
    ASSERT_EQ(chmod(QFile::encodeName(real).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(real, link));

    ASSERT_EQ(ReplaceFileContents(link, "new"), 1);
    // The link still names the file, which now holds the new bytes with its
    // old permissions; nothing else is left in the folder.
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(ReadWholeFile(real), QByteArray("new"));
    struct stat st { };
    ASSERT_EQ(stat(QFile::encodeName(real).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0600u);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 2);
}

TEST(ReplaceFile, FolderOrDeviceInThePlaceIsLeftAlone)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("Kestrel.cfg"));
    ASSERT_TRUE(QDir().mkdir(folder));
    EXPECT_EQ(ReplaceFileContents(folder, "x"), 0);
    EXPECT_TRUE(QFileInfo(folder).isDir());

    // A link to a device: the device is neither written in place nor replaced.
    const QString link = dir.filePath(QStringLiteral("null.cfg"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/null"), link));
    EXPECT_EQ(ReplaceFileContents(link, "x"), 0);
    EXPECT_TRUE(QFileInfo(QStringLiteral("/dev/null")).exists());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 1);  // the link
}
