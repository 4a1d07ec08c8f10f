#include "core/raw_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

TEST(RawFile, LengthCountsOnlyRegularFiles)
{
    QTemporaryDir dir;
    const QString empty = dir.filePath(QStringLiteral("empty"));
    ASSERT_EQ(WriteBufferToFile(empty, "", 0), 1);
    EXPECT_EQ(GetFileSizeOfPath(empty), 0u);
    EXPECT_EQ(GetFileSizeOfPath(dir.filePath(QStringLiteral("missing"))), 0u);
    EXPECT_EQ(GetFileSizeOfPath(dir.path()), 0u);  // a folder
    char buffer[4];
    EXPECT_EQ(ReadFileToBuffer(dir.path(), buffer, sizeof buffer), 0);
    // A named pipe without a writer: refused at once instead of blocking.
    const QString pipe = dir.filePath(QStringLiteral("Kestrel.cfg"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    EXPECT_EQ(GetFileSizeOfPath(pipe), 0u);
    EXPECT_EQ(ReadFileToBuffer(pipe, buffer, sizeof buffer), 0);
}

TEST(RawFile, WriteTruncatesAnExistingLongerFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("f.bin"));
    ASSERT_EQ(WriteBufferToFile(path, "0123456789", 10), 1);
    ASSERT_EQ(WriteBufferToFile(path, "abc", 3), 1);
    EXPECT_EQ(ReadAll(path), QByteArray("abc"));
    EXPECT_EQ(GetFileSizeOfPath(path), 3u);
}

TEST(RawFile, ReadStopsAtTheCapacityAndReportsTheCount)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("f.bin"));
    ASSERT_EQ(WriteBufferToFile(path, "0123456789", 10), 1);
    char buffer[16] = {};
    std::int64_t count = -1;
    ASSERT_EQ(ReadFileToBuffer(path, buffer, 4, &count), 1);
    EXPECT_EQ(count, 4);
    EXPECT_EQ(buffer[4], '\0');  // nothing written past the capacity
    ASSERT_EQ(ReadFileToBuffer(path, buffer, sizeof buffer, &count), 1);
    EXPECT_EQ(count, 10);  // a file shorter than the buffer
}

TEST(RawFile, ReadFileBytesTakesOnlyFilesWithinTheLimit)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("f.bin"));
    ASSERT_EQ(WriteBufferToFile(path, "0123456789", 10), 1);
    EXPECT_EQ(ReadFileBytes(path, 10), QByteArray("0123456789"));
    EXPECT_EQ(ReadFileBytes(path, 9), std::nullopt);  // larger than the limit
    ASSERT_EQ(WriteBufferToFile(path, "", 0), 1);
    EXPECT_EQ(ReadFileBytes(path, 10), std::nullopt);  // empty
    EXPECT_EQ(ReadFileBytes(dir.filePath(QStringLiteral("missing")), 10), std::nullopt);
    EXPECT_EQ(ReadFileBytes(dir.path(), 10), std::nullopt);  // a folder
}

TEST(RawFile, FailedWritesAreReported)
{
    QTemporaryDir dir;
    EXPECT_EQ(WriteBufferToFile(dir.filePath(QStringLiteral("no/such/folder/f")), "x", 1), 0);
    EXPECT_EQ(WriteBufferToFile(dir.path(), "x", 1), 0);  // a folder
    if (QFile::exists(QStringLiteral("/dev/full"))) {
        EXPECT_EQ(WriteBufferToFile(QStringLiteral("/dev/full"), "x", 1), 0);  // the disk is full
    }
}
