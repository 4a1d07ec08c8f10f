#include "platform/system/file_operations.h"

#include "platform/dialog/service_hook.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <linux/fs.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

thread_local DWORD t_lastError = ERROR_SUCCESS;

ServiceHook<FileOperationFault>& FaultHook()
{
    static ServiceHook<FileOperationFault> hook;
    return hook;
}

QByteArray Native(const QString& path)
{
    return QFile::encodeName(path);
}

BOOL Fail(DWORD error)
{
    t_lastError = error;
    return FALSE;
}

BOOL FailErrno(int error)
{
    return Fail(ErrorFromErrno(error));
}

BOOL Succeed()
{
    t_lastError = ERROR_SUCCESS;
    return TRUE;
}

// True (and the code left) when a test has this operation fail.
bool FaultInjected(FileOperationKind kind, const QString& path)
{
    const FileOperationFault fault = FaultHook().Get();
    if (!fault)
        return false;
    const DWORD error = fault(kind, path);
    if (error == ERROR_SUCCESS)
        return false;
    Fail(error);
    return true;
}

// Closes a descriptor when it goes out of scope.
struct Fd {
    int fd = -1;
    ~Fd()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

bool WriteAll(int fd, const char* data, size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

// Every byte of in to out; errno tells why not.
bool CopyBytes(int in, int out, off_t size)
{
    off_t left = size;
    while (left > 0) {
        const ssize_t n = ::copy_file_range(in, nullptr, out, nullptr, static_cast<size_t>(left), 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EXDEV || errno == ENOSYS || errno == EOPNOTSUPP || errno == EINVAL))
            break;  // the rest by reading and writing
        if (n < 0)
            return false;
        if (n == 0)
            return true;  // the file shrank meanwhile: what there is
        left -= n;
    }
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(in, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        if (!WriteAll(out, buffer, static_cast<size_t>(n)))
            return false;
    }
}

// Puts the finished hidden file in place of target: never over an existing
// file with failIfExists, atomically otherwise.
bool PlaceFile(const QByteArray& temporary, const QByteArray& target, bool failIfExists)
{
    if (!failIfExists)
        return ::rename(temporary.constData(), target.constData()) == 0;
    if (::renameat2(AT_FDCWD, temporary.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
        return false;
    // A file system without the exclusive rename: a new link fails on an existing name too.
    if (::link(temporary.constData(), target.constData()) == 0) {
        if (::unlink(temporary.constData()) == 0)
            return true;
        // Both names would stay: the new one goes again.
        const int error = errno;
        ::unlink(target.constData());
        errno = error;
        return false;
    }
    if (errno != EPERM && errno != ENOSYS && errno != EOPNOTSUPP)
        return false;
    // Nor links (some network and user-space file systems): a checked rename,
    // which is exclusive but for a file made in between.
    struct stat existing { };
    if (::lstat(target.constData(), &existing) == 0) {
        errno = EEXIST;
        return false;
    }
    return ::rename(temporary.constData(), target.constData()) == 0;
}

}  // namespace

DWORD GetLastError()
{
    return t_lastError;
}

void SetLastError(DWORD error)
{
    t_lastError = error;
}

DWORD ErrorFromErrno(int error)
{
    switch (error) {
    case 0:
        return ERROR_SUCCESS;
    case ENOENT:
        return ERROR_FILE_NOT_FOUND;
    case ENOTDIR:
        return ERROR_PATH_NOT_FOUND;
    case EACCES:
    case EPERM:
    case EISDIR:
        return ERROR_ACCESS_DENIED;
    case EROFS:
        return ERROR_WRITE_PROTECT;
    case EBUSY:
    case ETXTBSY:
        return ERROR_SHARING_VIOLATION;
    case EEXIST:
        return ERROR_FILE_EXISTS;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return ERROR_DISK_FULL;
    case ENAMETOOLONG:
        return ERROR_FILENAME_EXCED_RANGE;
    case ENOTEMPTY:
        return ERROR_DIR_NOT_EMPTY;
    case ENOMEM:
        return ERROR_NOT_ENOUGH_MEMORY;
    case EINVAL:
        return ERROR_INVALID_NAME;
    default:
        return ERROR_GEN_FAILURE;
    }
}

BOOL CopyFileW(const QString& source, const QString& target, BOOL failIfExists)
{
    if (FaultInjected(FileOperationKind::Copy, source))
        return FALSE;
    if (source.isEmpty() || target.isEmpty())
        return Fail(ERROR_PATH_NOT_FOUND);
    const QByteArray from = Native(source);
    const QByteArray to = Native(target);

    // Opened without blocking: a named pipe or a device would wait here for
    // good; only a regular file is copied.
    Fd in;
    in.fd = ::open(from.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (in.fd < 0)
        return FailErrno(errno);
    struct stat sourceStat { };
    if (::fstat(in.fd, &sourceStat) != 0)
        return FailErrno(errno);
    if (!S_ISREG(sourceStat.st_mode))
        return Fail(S_ISDIR(sourceStat.st_mode) ? ERROR_ACCESS_DENIED : ERROR_FILE_NOT_FOUND);
    if (::fcntl(in.fd, F_SETFL, 0) != 0)
        return FailErrno(errno);

    struct stat targetStat { };
    if (::stat(to.constData(), &targetStat) == 0) {
        if (S_ISDIR(targetStat.st_mode))
            return Fail(ERROR_ACCESS_DENIED);
        if (failIfExists)
            return Fail(ERROR_FILE_EXISTS);
        if (targetStat.st_dev == sourceStat.st_dev && targetStat.st_ino == sourceStat.st_ino)
            return Fail(ERROR_SHARING_VIOLATION);  // a file onto itself
    }
    const QString folder = QFileInfo(target).absolutePath();
    struct stat folderStat { };
    if (::stat(Native(folder).constData(), &folderStat) != 0 || !S_ISDIR(folderStat.st_mode))
        return Fail(ERROR_PATH_NOT_FOUND);

    // The hidden file beside the target, so that placing it is a rename.
    QByteArray temporary = Native(folder + QStringLiteral("/.") + QFileInfo(target).fileName().left(64) +
        QStringLiteral(".copy-XXXXXX"));
    Fd out;
    out.fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (out.fd < 0)
        return FailErrno(errno);

    int error = 0;
    if (!CopyBytes(in.fd, out.fd, sourceStat.st_size))
        error = errno;
    if (!error && ::fchmod(out.fd, sourceStat.st_mode & 07777 & ~(S_ISUID | S_ISGID)) != 0)
        error = errno;
    const timespec times[2] = {sourceStat.st_atim, sourceStat.st_mtim};
    if (!error && ::futimens(out.fd, times) != 0)
        error = errno;
    if (!error) {
        const int fd = out.fd;
        out.fd = -1;
        if (::close(fd) != 0)
            error = errno;
    }
    if (!error && !PlaceFile(temporary, to, failIfExists))
        error = errno;
    if (error) {
        ::unlink(temporary.constData());
        return FailErrno(error);
    }
    return Succeed();
}

BOOL CreateDirectoryW(const QString& path, void*)
{
    if (FaultInjected(FileOperationKind::CreateDirectory, path))
        return FALSE;
    if (path.isEmpty())
        return Fail(ERROR_PATH_NOT_FOUND);
    if (::mkdir(Native(path).constData(), 0777) == 0)
        return Succeed();
    const int error = errno;
    if (error == EEXIST)
        return Fail(ERROR_ALREADY_EXISTS);
    if (error == ENOENT)
        return Fail(ERROR_PATH_NOT_FOUND);
    return FailErrno(error);
}

BOOL DeleteFileW(const QString& path)
{
    if (FaultInjected(FileOperationKind::Delete, path))
        return FALSE;
    if (path.isEmpty())
        return Fail(ERROR_FILE_NOT_FOUND);
    const QByteArray native = Native(path);
    struct stat st { };
    if (::lstat(native.constData(), &st) != 0)
        return FailErrno(errno);
    if (S_ISDIR(st.st_mode))
        return Fail(ERROR_ACCESS_DENIED);
    if (::unlink(native.constData()) != 0)
        return FailErrno(errno);
    return Succeed();
}

namespace {

bool SameFile(const QByteArray& a, const QByteArray& b)
{
    struct stat sa { };
    struct stat sb { };
    return ::lstat(a.constData(), &sa) == 0 && ::lstat(b.constData(), &sb) == 0 && sa.st_dev == sb.st_dev &&
        sa.st_ino == sb.st_ino;
}

// A name change in letter case only where the file system ignores case: the
// new name finds the file itself, so the exclusive rename would refuse it.
// The file goes to a free hidden name beside it first, then to the new name;
// when that fails it comes back.
bool RenameCaseOnly(const QByteArray& from, const QByteArray& to, const QString& folder)
{
    QByteArray temporary;
    for (int attempt = 0;; ++attempt) {
        temporary = QFile::encodeName(folder + QStringLiteral("/.rename-") +
            QString::number(QRandomGenerator::global()->generate(), 16));
        if (PlaceFile(from, temporary, true))
            break;
        if (errno != EEXIST || attempt == 8)
            return false;
    }
    if (PlaceFile(temporary, to, true))
        return true;
    const int error = errno;
    PlaceFile(temporary, from, true);
    errno = error;
    return false;
}

}  // namespace

DWORD RenameErrorFromErrno(int error, bool sourceMissing)
{
    switch (error) {
    case EEXIST:
    case ENOTEMPTY:
        return ERROR_ALREADY_EXISTS;
    case ENOENT:
        return sourceMissing ? ERROR_FILE_NOT_FOUND : ERROR_PATH_NOT_FOUND;
    case ENOTDIR:
        return ERROR_PATH_NOT_FOUND;
    case EACCES:
    case EPERM:
    case EROFS:
    case EBUSY:
    case ETXTBSY:
        return ERROR_ACCESS_DENIED;
    case EINVAL:
    case EILSEQ:
    case ENAMETOOLONG:
        return ERROR_INVALID_NAME;
    default:
        return ErrorFromErrno(error);
    }
}

BOOL MoveFileW(const QString& existing, const QString& newName)
{
    if (FaultInjected(FileOperationKind::Move, existing))
        return FALSE;
    if (existing.isEmpty())
        return Fail(ERROR_FILE_NOT_FOUND);
    if (newName.isEmpty())
        return Fail(ERROR_PATH_NOT_FOUND);
    const QByteArray from = Native(existing);
    const QByteArray to = Native(newName);
    bool moved = false;
    if (from != to && existing.compare(newName, Qt::CaseInsensitive) == 0 && SameFile(from, to))
        moved = RenameCaseOnly(from, to, QFileInfo(newName).absolutePath());
    else
        moved = PlaceFile(from, to, true);
    if (moved)
        return Succeed();
    const int error = errno;
    struct stat st { };
    const bool sourceMissing = ::lstat(from.constData(), &st) != 0;
    return Fail(RenameErrorFromErrno(error, sourceMissing));
}

bool IsFileOperationFaultInjected(FileOperationKind kind, const QString& path)
{
    return FaultInjected(kind, path);
}

void SetFileOperationFault(FileOperationFault fault)
{
    FaultHook().Set(std::move(fault));
}
