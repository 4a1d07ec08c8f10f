// The writer that replaces a file only once every byte is written: what it
// does with the permissions and owner of the file it replaces, with links,
// devices and named pipes in the target's place, and what a failure leaves
// behind.
#include "platform/system/safe_file_writer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray Native(const QString& path)
{
    return QFile::encodeName(path);
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList FolderEntries(const QTemporaryDir& dir)
{
    return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

}  // namespace

TEST(SafeFileWriter, ReplacedFileKeepsItsPermissionsByBothWritePaths)
{
    for (const bool throughStream : {false, true}) {
        SCOPED_TRACE(throughStream ? "stream" : "handle");
        QTemporaryDir dir;
        const QString path = dir.filePath("picture.png");
        {
            QFile old(path);
            ASSERT_TRUE(old.open(QIODevice::WriteOnly));
            old.write("old");
        }
        ASSERT_EQ(::chmod(Native(path).constData(), 0640), 0);

        CSafeFileWriter writer;
        ASSERT_TRUE(writer.Open(path));
        if (throughStream)
            ASSERT_EQ(std::fputs("new", writer.Stream()), 1);
        else
            ASSERT_TRUE(writer.Write("new", 3));
        ASSERT_TRUE(writer.Commit());

        EXPECT_EQ(ReadAll(path), QByteArray("new"));
        struct stat st { };
        ASSERT_EQ(::stat(Native(path).constData(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, 0640u);
        EXPECT_EQ(FolderEntries(dir), QStringList{"picture.png"});
    }
}

TEST(SafeFileWriter, ReplacedFileKeepsItsOwnerAndGroup)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root may give a file to another user";
    QTemporaryDir dir;
    const QString path = dir.filePath("Kestrel.cfg");
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    ASSERT_EQ(::chown(Native(path).constData(), 4321, 4322), 0);
    ASSERT_EQ(::chmod(Native(path).constData(), 02640), 0);

    CSafeFileWriter writer;
    ASSERT_TRUE(writer.Open(path));
    ASSERT_TRUE(writer.Write("new", 3));
    ASSERT_TRUE(writer.Commit());

    struct stat st { };
    ASSERT_EQ(::stat(Native(path).constData(), &st), 0);
    EXPECT_EQ(st.st_uid, 4321u);
    EXPECT_EQ(st.st_gid, 4322u);
    EXPECT_EQ(st.st_mode & 07777, 02640u);  // the set-group-id bit outlives the change of owner
    EXPECT_EQ(ReadAll(path), QByteArray("new"));
}

TEST(SafeFileWriter, LinksAreWrittenThroughEvenToAFileNotYetThere)
{
    struct Case {
        const char* name;
        const char* linkTo;      // from "Kestrel.cfg"; "sub/" is a folder
        const char* middleLink;  // when set, "Kestrel.cfg" links here and this to linkTo
        bool targetExists;
        const char* written;  // the file that then holds the bytes
    } const cases[] = {
        {"an existing file", "sub/real.cfg", nullptr, true, "sub/real.cfg"},
        {"a dangling absolute link", "@sub/new.cfg", nullptr, false, "sub/new.cfg"},
        {"a dangling relative link", "sub/new.cfg", nullptr, false, "sub/new.cfg"},
        {"a chain of dangling links", "new.cfg", "sub/middle", false, "sub/new.cfg"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        ASSERT_TRUE(QDir(dir.path()).mkdir("sub"));
        // '@' marks an absolute link; a relative one counts from the link's folder.
        const QString to = QString::fromLatin1(c.linkTo);
        const QString target = to.startsWith('@') ? dir.filePath(to.mid(1)) : to;
        const QString link = dir.filePath("Kestrel.cfg");
        if (c.middleLink != nullptr) {
            ASSERT_TRUE(QFile::link(target, dir.filePath(c.middleLink)));
            ASSERT_TRUE(QFile::link(c.middleLink, link));
        } else {
            ASSERT_TRUE(QFile::link(target, link));
        }
        if (c.targetExists) {
            QFile old(dir.filePath(c.written));
            ASSERT_TRUE(old.open(QIODevice::WriteOnly));
            old.write("old");
        }

        CSafeFileWriter writer;
        ASSERT_TRUE(writer.Open(link));
        ASSERT_TRUE(writer.Write("new", 3));
        ASSERT_TRUE(writer.Commit());

        EXPECT_TRUE(QFileInfo(link).isSymLink());
        EXPECT_FALSE(QFileInfo(dir.filePath(c.written)).isSymLink());
        EXPECT_EQ(ReadAll(dir.filePath(c.written)), QByteArray("new"));
    }

    // A loop of links names no file: refused, and the links stay.
    QTemporaryDir dir;
    ASSERT_TRUE(QFile::link("b", dir.filePath("a")));
    ASSERT_TRUE(QFile::link("a", dir.filePath("b")));
    CSafeFileWriter writer;
    EXPECT_FALSE(writer.Open(dir.filePath("a")));
    EXPECT_TRUE(QFileInfo(dir.filePath("a")).isSymLink());
    EXPECT_EQ(FolderEntries(dir), (QStringList{"a", "b"}));
}

TEST(SafeFileWriter, FailuresLeaveTheOldFileAndNoTemporary)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("kept.bmp");
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    {
        CSafeFileWriter marked;
        ASSERT_TRUE(marked.Open(path));
        ASSERT_TRUE(marked.Write("partial", 7));
        marked.SetFailed();
        EXPECT_FALSE(marked.Commit());
    }
    {
        CSafeFileWriter dropped;  // never committed: the destructor abandons it
        ASSERT_TRUE(dropped.Open(path));
        ASSERT_TRUE(dropped.Write("partial", 7));
    }
    // A read-only file is not replaced, as it could not be opened for writing.
    ASSERT_EQ(::chmod(Native(path).constData(), 0444), 0);
    CSafeFileWriter readOnly;
    EXPECT_FALSE(readOnly.Open(path));
    EXPECT_EQ(ReadAll(path), QByteArray("old"));
    EXPECT_EQ(FolderEntries(dir), QStringList{"kept.bmp"});

    // A device is written in place: a full one fails and stays.
    CSafeFileWriter full;
    ASSERT_TRUE(full.Open("/dev/full"));
    const QByteArray block(1 << 16, 'x');
    const bool written = full.Write(block.constData(), static_cast<std::size_t>(block.size()));
    EXPECT_FALSE(written && full.Commit());
    EXPECT_TRUE(QFile::exists("/dev/full"));
}

TEST(SafeFileWriter, NonRegularTargets)
{
    QTemporaryDir dir;
    // A named pipe nobody reads is refused at once instead of hanging the save.
    const QString pipe = dir.filePath("pipe.png");
    ASSERT_EQ(::mkfifo(Native(pipe).constData(), 0600), 0);
    CSafeFileWriter writer;
    EXPECT_FALSE(writer.Open(pipe));
    EXPECT_FALSE(writer.Open(pipe, CSafeFileWriter::OtherTargets::Refuse));

    // A folder or a disk is never a target; another device only when written
    // in place.
    EXPECT_FALSE(writer.Open(dir.path()));
    for (const QString& disk : QDir("/dev").entryList({"loop*", "sd*", "vd*", "nvme*"}, QDir::System)) {
        struct stat st { };
        if (::stat(Native("/dev/" + disk).constData(), &st) == 0 && S_ISBLK(st.st_mode)) {
            EXPECT_FALSE(writer.Open("/dev/" + disk)) << disk.toStdString();
            break;
        }
    }
    EXPECT_FALSE(writer.Open("/dev/null", CSafeFileWriter::OtherTargets::Refuse));
    ASSERT_TRUE(writer.Open("/dev/null"));
    EXPECT_TRUE(writer.Write("x", 1));
    EXPECT_TRUE(writer.Commit(true));
    EXPECT_TRUE(QFile::exists("/dev/null"));
    EXPECT_EQ(FolderEntries(dir), QStringList{"pipe.png"});
}

// Each refusal and failure keeps its reason, and the text for the user names
// the common causes in Japanese.
TEST(SafeFileWriter, FailuresKeepTheirReason)
{
    QTemporaryDir dir;
    const QString readOnly = dir.filePath("read-only.cfg");
    {
        QFile file(readOnly);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    ASSERT_EQ(::chmod(Native(readOnly).constData(), 0444), 0);
    const struct {
        QString path;
        CSafeFileWriter::OtherTargets others;
        int error;
    } refusals[] = {
        {dir.path(), CSafeFileWriter::OtherTargets::WriteInPlace, EISDIR},
        {readOnly, CSafeFileWriter::OtherTargets::WriteInPlace, EACCES},  // even for root
        {"/dev/null", CSafeFileWriter::OtherTargets::Refuse, ENOTSUP},
        {dir.filePath("no/such/folder/a.cfg"), CSafeFileWriter::OtherTargets::WriteInPlace, ENOENT},
        {readOnly + "/a.cfg", CSafeFileWriter::OtherTargets::WriteInPlace, ENOTDIR},
    };
    for (const auto& refusal : refusals) {
        CSafeFileWriter writer;
        EXPECT_FALSE(writer.Open(refusal.path, refusal.others)) << refusal.path.toStdString();
        EXPECT_EQ(writer.Error(), refusal.error) << refusal.path.toStdString();
    }

    // A full disk, and a fresh Open forgets the last reason.
    CSafeFileWriter full;
    ASSERT_TRUE(full.Open("/dev/full"));
    EXPECT_FALSE(full.Write("x", 1));
    EXPECT_EQ(full.Error(), ENOSPC);
    ASSERT_TRUE(full.Open(dir.filePath("new.cfg")));
    EXPECT_EQ(full.Error(), 0);
    full.SetFailed();
    EXPECT_FALSE(full.Commit());
    EXPECT_EQ(full.Error(), 0);  // the caller's own failure has no system reason

    EXPECT_EQ(FileWriteErrorText(EACCES), QStringLiteral("書き込みが許可されていません。"));
    EXPECT_EQ(FileWriteErrorText(EROFS), QStringLiteral("書き込みが許可されていません。"));
    EXPECT_EQ(FileWriteErrorText(ENOSPC), QStringLiteral("ディスクの空き容量が足りません。"));
    EXPECT_EQ(FileWriteErrorText(EISDIR), QStringLiteral("同じ名前のフォルダーがあります。"));
    EXPECT_EQ(FileWriteErrorText(EFBIG), qt_error_string(EFBIG));
    EXPECT_FALSE(FileWriteErrorText(0).isEmpty());
}
