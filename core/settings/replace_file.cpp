#include "core/settings/replace_file.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool WriteAll(int fd, const char* data, qsizetype length)
{
    while (length > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(length));
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data += written;
        length -= written;
    }
    return true;
}

// Creates a temporary file next to target that no one else uses; -1 on failure.
int CreateTemporaryNextTo(const QByteArray& target, QByteArray& tempPath)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = target + ".tmp" + QByteArray::number(::getpid()) + "-" + QByteArray::number(attempt);
        const int fd = ::open(tempPath.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

void SyncFolderOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    const QByteArray folder = slash <= 0 ? QByteArray(slash == 0 ? "/" : ".") : path.left(slash);
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);  // makes the rename durable; a failure here loses nothing
        ::close(fd);
    }
}

// The file a write to path lands in, as creating or truncating it would: a
// link is followed to the file it names.
QByteArray ResolveTarget(const QString& path)
{
    const QFileInfo info(path);
    if (info.isSymLink()) {
        const QString resolved = info.canonicalFilePath();
        if (!resolved.isEmpty()) {
            return QFile::encodeName(resolved);
        }
    }
    return QFile::encodeName(path);
}

}  // namespace

int ReplaceFileContents(const QString& path, const QByteArray& bytes)
{
    const QByteArray target = ResolveTarget(path);
    struct stat old { };
    const bool exists = ::stat(target.constData(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode)) {
        return 0;  // a folder or a device is never replaced
    }
    QByteArray tempPath;
    const int fd = CreateTemporaryNextTo(target, tempPath);
    if (fd < 0) {
        return 0;
    }
    // The replacement keeps the permissions the old file had.
    bool ok = !exists || ::fchmod(fd, old.st_mode & 07777) == 0;
    ok = WriteAll(fd, bytes.constData(), bytes.size()) && ok;
    ok = ::fsync(fd) == 0 && ok;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(tempPath.constData(), target.constData()) == 0;
    if (!ok) {
        ::unlink(tempPath.constData());
        return 0;
    }
    SyncFolderOf(target);
    return 1;
}
