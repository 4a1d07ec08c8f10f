// Questions about files and folders: kinds and existence, counts of entries
// and dropped files, link loops, write times and the characters of names.
#include "core/file_queries.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

void Touch(const QString& path)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << qPrintable(path);
}

void SetMtime(const QString& path, time_t seconds, long nanoseconds)
{
    const timespec times[2] = {{seconds, nanoseconds}, {seconds, nanoseconds}};
    ASSERT_EQ(utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
}

}  // namespace

TEST(FileQueries, KindsAndExistence)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("a.png"));
    Touch(file);
    const QString missing = dir.filePath(QStringLiteral("none"));
    EXPECT_EQ(FileExists(file), 1);
    EXPECT_EQ(FileExists(dir.path()), 0);
    EXPECT_EQ(FileExists(missing), 0);
    EXPECT_EQ(GetPathKind(file), 1);
    EXPECT_EQ(GetPathKind(dir.path()), 2);
    EXPECT_EQ(GetPathKind(missing), 0);
    EXPECT_EQ(IsFolder(dir.path() + u'/'), 1);
    EXPECT_EQ(IsFolder(file), 0);

    QString withSlash = dir.path() + u'/';
    EXPECT_EQ(FolderExists(withSlash), 1);
    EXPECT_EQ(withSlash, dir.path());  // the caller's text lost its separator
    QString root = QStringLiteral("/");
    EXPECT_EQ(FolderExists(root), 1);
    EXPECT_EQ(root, QStringLiteral("/"));
}

TEST(FileQueries, CountsEntriesAndDroppedFiles)
{
    QTemporaryDir dir;
    const QString base = dir.path();
    QDir(base).mkpath(QStringLiteral("sub/deeper"));
    QDir(base).mkpath(QStringLiteral("other.jpg"));  // a folder with an image-like name
    Touch(base + QStringLiteral("/a.JPG"));
    Touch(base + QStringLiteral("/b.png"));
    Touch(base + QStringLiteral("/noext"));
    Touch(base + QStringLiteral("/sub/c.bmp"));
    Touch(base + QStringLiteral("/sub/deeper/d.gif"));
    Touch(base + QStringLiteral("/sub/deeper/e.gif"));

    EXPECT_EQ(CountFolderEntries(base + QStringLiteral("/*.*"), 1), 3);
    EXPECT_EQ(CountFolderEntries(base + QStringLiteral("/*.*"), 0), 2);
    EXPECT_EQ(CountFolderEntries(base + QStringLiteral("/*.jpg"), 1), 1);  // case-insensitive
    EXPECT_EQ(CountFolderEntries(base + QStringLiteral("/*.jpg"), 0), 1);
    EXPECT_EQ(CountFolderEntries(base + QStringLiteral("/missing/*"), 1), 0);

    EXPECT_EQ(CountFilesRecursive(base + QStringLiteral("/sub"), 10), 13);
    const QStringList dropped{
        base + QStringLiteral("/b.png"), base + QStringLiteral("/sub"), base + QStringLiteral("/gone.png")};
    EXPECT_EQ(CountDroppedFiles(dropped), 4);
}

TEST(FileQueries, LinkLoopIsNotFollowed)
{
    QTemporaryDir dir;
    const QString base = dir.path();
    QDir(base).mkpath(QStringLiteral("tree/inner"));
    Touch(base + QStringLiteral("/tree/inner/f.png"));
    // A link back up to the tree itself, and a link to a file.
    ASSERT_TRUE(QFile::link(base + QStringLiteral("/tree"), base + QStringLiteral("/tree/inner/loop")));
    ASSERT_TRUE(
        QFile::link(base + QStringLiteral("/tree/inner/f.png"), base + QStringLiteral("/tree/alias.png")));
    EXPECT_EQ(CountFilesRecursive(base + QStringLiteral("/tree"), 0), 2);
    EXPECT_EQ(CountDroppedFiles({base + QStringLiteral("/tree")}), 2);
    // A listing counts a link by what it names.
    EXPECT_EQ(CountFolderEntries(base + QStringLiteral("/tree/inner/*"), 0), 1);
    EXPECT_EQ(CountFolderEntries(base + QStringLiteral("/tree/*"), 1), 1);
}

TEST(FileQueries, WriteTimes)
{
    qputenv("TZ", "UTC");
    tzset();
    QTemporaryDir dir;
    const QString a = dir.filePath(QStringLiteral("a"));
    const QString b = dir.filePath(QStringLiteral("b"));
    Touch(a);
    Touch(b);
    SetMtime(a, 1709164800, 250000000);  // 2024-02-29 00:00:00.250 UTC
    SYSTEMTIME t;
    ASSERT_EQ(GetFileLocalWriteTime(a, &t), 1);
    EXPECT_EQ(t, (SYSTEMTIME{2024, 2, 4, 29, 0, 0, 0, 250}));
    EXPECT_EQ(GetFileLocalWriteTime(dir.filePath(QStringLiteral("none")), &t), 0);

    SetMtime(b, 1709164800, 250900000);  // the same millisecond
    EXPECT_EQ(CompareFileWriteTimes(a, b), 3);
    SetMtime(b, 1709164801, 0);
    EXPECT_EQ(CompareFileWriteTimes(a, b), 2);
    EXPECT_EQ(CompareFileWriteTimes(b, a), 1);
    EXPECT_EQ(CompareFileWriteTimes(a, dir.filePath(QStringLiteral("none"))), 0);
}

TEST(FileQueries, FileNameCharacters)
{
    EXPECT_EQ(IsValidFileNameChars(QStringLiteral("写真 2024-01 (1);[a]+b.jpg")), 1);
    for (const char* bad : {"a/b", "a\\b", "c:", "a*", "a?", "\"q\"", "<x>", "a|b", "tab\t"})
        EXPECT_EQ(IsValidFileNameChars(QString::fromUtf8(bad)), 0) << bad;
}
