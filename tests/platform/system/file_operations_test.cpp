// Copy, create-folder and delete by path: the copy keeps the modification
// time, never replaces with failIfExists, and a copy that fails (here: the
// file size limit) leaves neither a partial target nor its hidden file,
// and the file it was to replace unchanged.
#include "platform/system/file_operations.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

class FileOperationsTest : public testing::Test {
protected:
    QString Path(const QString& name) const { return m_dir.path() + "/" + name; }
    void Write(const QString& name, const QByteArray& bytes, time_t seconds = 0)
    {
        QFile f(Path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        if (seconds) {
            const timespec times[2] = {{seconds, 0}, {seconds, 123456789}};
            ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(Path(name)).constData(), times, 0), 0);
        }
    }
    QByteArray Read(const QString& name) const
    {
        QFile f(Path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QStringList Entries() const
    {
        return QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    QTemporaryDir m_dir;
};

TEST_F(FileOperationsTest, ACopyKeepsTheBytesAndTheModificationTime)
{
    Write("a.jpg", "picture bytes", 1600000000);
    ASSERT_TRUE(CopyFileW(Path("a.jpg"), Path("b.jpg"), TRUE));
    EXPECT_EQ(Read("b.jpg"), "picture bytes");
    struct stat st { };
    ASSERT_EQ(::stat(QFile::encodeName(Path("b.jpg")).constData(), &st), 0);
    EXPECT_EQ(st.st_mtim.tv_sec, 1600000000);
    EXPECT_EQ(st.st_mtim.tv_nsec, 123456789);
    EXPECT_EQ(Entries(), QStringList({"a.jpg", "b.jpg"}));  // no hidden file left
}

TEST_F(FileOperationsTest, FailIfExistsNeverReplacesAndOverwritingDoes)
{
    Write("a.jpg", "new");
    Write("b.jpg", "old");
    EXPECT_FALSE(CopyFileW(Path("a.jpg"), Path("b.jpg"), TRUE));
    EXPECT_EQ(GetLastError(), ERROR_FILE_EXISTS);
    EXPECT_EQ(Read("b.jpg"), "old");
    EXPECT_TRUE(CopyFileW(Path("a.jpg"), Path("b.jpg"), FALSE));
    EXPECT_EQ(Read("b.jpg"), "new");
}

TEST_F(FileOperationsTest, RefusalsGiveThePlatformsCodes)
{
    Write("a.jpg", "x");
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("sub"));
    // A named pipe without a writer: opening it to read would wait for good.
    ASSERT_EQ(::mkfifo(QFile::encodeName(Path("pipe.jpg")).constData(), 0600), 0);
    const struct {
        QString source, target;
        DWORD error;
    } cases[] = {
        {Path("missing.jpg"), Path("c.jpg"), ERROR_FILE_NOT_FOUND},
        {Path("pipe.jpg"), Path("e.jpg"), ERROR_FILE_NOT_FOUND},
        {Path("a.jpg"), Path("sub"), ERROR_ACCESS_DENIED},
        {Path("a.jpg"), Path("nofolder/c.jpg"), ERROR_PATH_NOT_FOUND},
        {Path("sub"), Path("d"), ERROR_ACCESS_DENIED},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target.toStdString());
        EXPECT_FALSE(CopyFileW(c.source, c.target, FALSE));
        EXPECT_EQ(GetLastError(), c.error);
    }
    EXPECT_EQ(Entries(), QStringList({"a.jpg", "sub"}));  // the pipe counts as a system entry
}

TEST_F(FileOperationsTest, AFailedCopyLeavesNoPartialTargetAndTheOldFileIntact)
{
    Write("big.jpg", QByteArray(200000, 'b'));
    Write("old.jpg", "old");
    // Writes past 64 KB fail (EFBIG) from here on.
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 65536;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const BOOL created = CopyFileW(Path("big.jpg"), Path("new.jpg"), TRUE);
    const DWORD createError = GetLastError();
    const BOOL replaced = CopyFileW(Path("big.jpg"), Path("old.jpg"), FALSE);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(created);
    EXPECT_EQ(createError, ERROR_DISK_FULL);
    EXPECT_FALSE(replaced);
    EXPECT_EQ(Read("old.jpg"), "old");
    EXPECT_EQ(Entries(), QStringList({"big.jpg", "old.jpg"}));
}

TEST_F(FileOperationsTest, FoldersAreCreatedOnceAndFilesDeletedButNotFolders)
{
    EXPECT_TRUE(CreateDirectoryW(Path("f")));
    EXPECT_FALSE(CreateDirectoryW(Path("f")));
    EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
    EXPECT_FALSE(CreateDirectoryW(Path("none/f")));
    EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);

    Write("a.jpg", "x");
    EXPECT_TRUE(DeleteFileW(Path("a.jpg")));
    EXPECT_FALSE(QFile::exists(Path("a.jpg")));
    EXPECT_FALSE(DeleteFileW(Path("a.jpg")));
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(DeleteFileW(Path("f")));
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    EXPECT_TRUE(QDir(Path("f")).exists());
}

TEST_F(FileOperationsTest, ARenameNeverReplacesAndNamesWhatStoodInTheWay)
{
    Write("a.jpg", "A");
    Write("b.jpg", "B");
    EXPECT_FALSE(MoveFileW(Path("a.jpg"), Path("b.jpg")));
    EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
    EXPECT_EQ(Read("b.jpg"), "B");
    struct Case {
        const char* from;
        const char* to;
        DWORD error;
    };
    const Case cases[] = {
        {"none.jpg", "c.jpg", ERROR_FILE_NOT_FOUND}, {"a.jpg", "no/c.jpg", ERROR_PATH_NOT_FOUND},
        {"a.jpg", "b.jpg/c.jpg", ERROR_PATH_NOT_FOUND},  // a file where the folder should be
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(MoveFileW(Path(c.from), Path(c.to))) << c.to;
        EXPECT_EQ(GetLastError(), c.error) << c.to;
    }
    EXPECT_TRUE(MoveFileW(Path("a.jpg"), Path("c.jpg")));
    EXPECT_EQ(Read("c.jpg"), "A");
    EXPECT_EQ(Entries(), QStringList({"b.jpg", "c.jpg"}));
}

TEST_F(FileOperationsTest, ALetterCaseRenameOntoTheFileItselfComesBackWhenTheNameIsTaken)
{
    // Two names of one file stand in for a file system that ignores case:
    // the file goes through a hidden name, finds the new name taken, and
    // returns to its old name.
    Write("a.jpg", "A");
    ASSERT_EQ(
        ::link(QFile::encodeName(Path("a.jpg")).constData(), QFile::encodeName(Path("A.jpg")).constData()),
        0);
    EXPECT_FALSE(MoveFileW(Path("a.jpg"), Path("A.jpg")));
    EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
    EXPECT_EQ(Entries(), QStringList({"A.jpg", "a.jpg"}));
}

TEST_F(FileOperationsTest, AnInjectedFaultFailsTheOperationAndTouchesNothing)
{
    Write("a.jpg", "A");
    QList<FileOperationKind> asked;
    SetFileOperationFault([&](FileOperationKind kind, const QString&) {
        asked.append(kind);
        return ERROR_DISK_FULL;
    });
    EXPECT_FALSE(CopyFileW(Path("a.jpg"), Path("b.jpg"), TRUE));
    EXPECT_FALSE(CreateDirectoryW(Path("f")));
    EXPECT_FALSE(DeleteFileW(Path("a.jpg")));
    EXPECT_FALSE(MoveFileW(Path("a.jpg"), Path("c.jpg")));
    EXPECT_EQ(GetLastError(), ERROR_DISK_FULL);
    SetFileOperationFault({});
    EXPECT_EQ(asked,
        QList<FileOperationKind>({FileOperationKind::Copy, FileOperationKind::CreateDirectory,
            FileOperationKind::Delete, FileOperationKind::Move}));
    EXPECT_EQ(Entries(), QStringList({"a.jpg"}));
    EXPECT_TRUE(MoveFileW(Path("a.jpg"), Path("c.jpg")));
}

}  // namespace
