#include "platform/system/safe_file_writer.h"

#include <QFile>
#include <QFileInfo>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::atomic<unsigned> g_tempCounter{0};

QByteArray Native(const QString& path)
{
    return QFile::encodeName(path);
}

// The path a link names, a relative one taken from the link's folder; empty
// when it cannot be read.
QString LinkTarget(const QString& link)
{
    char buffer[PATH_MAX];
    const ssize_t length = ::readlink(Native(link).constData(), buffer, sizeof buffer);
    if (length <= 0 || static_cast<std::size_t>(length) == sizeof buffer)
        return QString();
    const QString target = QFile::decodeName(QByteArray(buffer, length));
    return target.startsWith(u'/') ? target : QFileInfo(link).absolutePath() + u'/' + target;
}

// More links in a row than this is a loop: the kernel's own limit.
constexpr int kMaxLinksFollowed = 40;

// The file a write to path lands in, as creating or truncating it would: a
// link is followed to the file it names, even one that does not exist yet
// (replacing the link would leave the file it names behind). Empty for a loop
// of links.
QString ResolveTarget(const QString& path)
{
    QString current = path;
    for (int links = 0; links <= kMaxLinksFollowed; ++links) {
        struct stat st { };
        if (::lstat(Native(current).constData(), &st) != 0 || !S_ISLNK(st.st_mode))
            return current;
        if (char* resolved = ::realpath(Native(current).constData(), nullptr)) {
            const QString existing = QFile::decodeName(resolved);
            std::free(resolved);
            return existing;
        }
        current = LinkTarget(current);  // a dangling link: one step at a time
        if (current.isEmpty())
            break;
    }
    return QString();
}

// Gives the replacement the owner and group of the file it replaces, or the
// group alone, as far as the process may: a file that cannot keep them is
// still saved (EPERM for another user's file, EINVAL for an id unknown here).
// false only for another failure.
bool KeepOwner(int fd, const struct stat& replaced)
{
    if (::fchown(fd, replaced.st_uid, replaced.st_gid) == 0)
        return true;
    if (errno != EPERM && errno != EINVAL)
        return false;
    (void)::fchown(fd, static_cast<uid_t>(-1), replaced.st_gid);
    return true;
}

void SyncFolderOf(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    const QString folder = slash < 0 ? QStringLiteral(".")
        : slash == 0                 ? QStringLiteral("/")
                                     : path.left(slash);
    const int fd = ::open(Native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);  // makes the rename durable; a failure here loses nothing
        ::close(fd);
    }
}

}  // namespace

CSafeFileWriter::~CSafeFileWriter()
{
    Abandon();
}

bool CSafeFileWriter::Fail(int error)
{
    if (m_error == 0)
        m_error = error;
    return false;
}

bool CSafeFileWriter::Open(const QString& path, OtherTargets others)
{
    Abandon();
    m_failed = false;
    m_error = 0;
    if (path.isEmpty())
        return Fail(ENOENT);
    m_target = ResolveTarget(path);
    if (m_target.isEmpty())
        return Fail(ELOOP);

    struct stat st { };
    const bool exists = ::stat(Native(m_target).constData(), &st) == 0;
    if (exists && !S_ISREG(st.st_mode)) {
        // A disk (block device) is never written over, whatever the caller allows.
        if (S_ISDIR(st.st_mode) || S_ISBLK(st.st_mode) || others == OtherTargets::Refuse) {
            m_target.clear();
            return Fail(S_ISDIR(st.st_mode) ? EISDIR : ENOTSUP);
        }
        return OpenInPlace();
    }
    // A file that could not be opened for writing is not replaced either:
    // renaming over it would bypass its protection.
    if (exists && ((st.st_mode & 0222) == 0 || ::access(Native(m_target).constData(), W_OK) != 0)) {
        m_target.clear();
        return Fail(EACCES);
    }
    return OpenTemporary(exists ? &st : nullptr);
}

bool CSafeFileWriter::OpenInPlace()
{
    m_temp.clear();
    // Non-blocking, so that a named pipe without a reader is refused instead
    // of hanging the save; the writes themselves block as usual.
    m_fd = ::open(Native(m_target).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (m_fd < 0)
        return Fail(errno);
    if (::fcntl(m_fd, F_SETFL, 0) != 0) {
        Fail(errno);
        ::close(m_fd);
        m_fd = -1;
    }
    return m_fd >= 0;
}

bool CSafeFileWriter::OpenTemporary(const struct stat* replaced)
{
    // A short hidden name in the target's folder: a long target name leaves
    // no room for a suffix.
    const qsizetype slash = m_target.lastIndexOf(u'/');
    const QString folder = slash < 0 ? QString() : m_target.left(slash + 1);
    for (int attempt = 0; attempt < 100 && m_fd < 0; ++attempt) {
        m_temp = QStringLiteral("%1.kestrel-%2-%3.part")
                     .arg(folder)
                     .arg(::getpid())
                     .arg(g_tempCounter.fetch_add(1));
        m_fd = ::open(Native(m_temp).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (m_fd < 0 && errno != EEXIST)
            break;
    }
    if (m_fd < 0) {
        Fail(errno);
        m_temp.clear();
        m_target.clear();
        return false;
    }
    if (replaced == nullptr)
        return true;
    // The replacement keeps the owner and permissions of the file it replaces;
    // the owner first, as a change of owner clears the set-id bits.
    if (!KeepOwner(m_fd, *replaced) || ::fchmod(m_fd, replaced->st_mode & 07777) != 0) {
        Fail(errno);
        Abandon();
        return false;
    }
    return true;
}

std::FILE* CSafeFileWriter::Stream()
{
    if (m_stream == nullptr && m_fd >= 0)
        m_stream = ::fdopen(m_fd, "wb");
    return m_stream;
}

bool CSafeFileWriter::Write(const void* data, std::size_t size)
{
    if (m_fd < 0 || m_stream != nullptr) {
        m_failed = true;
        return Fail(EBADF);
    }
    const char* p = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t n = ::write(m_fd, p, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            m_failed = true;
            return Fail(n < 0 ? errno : ENOSPC);  // nothing taken: no room left
        }
        p += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool CSafeFileWriter::CloseHandle(bool durable)
{
    bool ok = true;
    // Each step keeps its errno as the reason when it is the first to fail.
    const auto step = [this, &ok](bool succeeded) {
        if (!succeeded && ok)
            Fail(errno != 0 ? errno : EIO);
        ok = succeeded && ok;
    };
    if (m_stream != nullptr) {
        errno = 0;
        step(std::fflush(m_stream) == 0 && !std::ferror(m_stream));
        step(!durable || ::fsync(m_fd) == 0);
        step(std::fclose(m_stream) == 0);
    } else if (m_fd >= 0) {
        step(!durable || ::fsync(m_fd) == 0);
        step(::close(m_fd) == 0);
    }
    m_stream = nullptr;
    m_fd = -1;
    return ok;
}

bool CSafeFileWriter::Commit(bool durable)
{
    if (m_fd < 0)
        return false;
    // A device written in place has nothing to force to a disk.
    const bool closed = CloseHandle(durable && !m_temp.isEmpty());
    if (m_failed || !closed) {
        Abandon();
        return false;
    }
    if (!m_temp.isEmpty()) {
        if (::rename(Native(m_temp).constData(), Native(m_target).constData()) != 0) {
            Fail(errno);
            Abandon();
            return false;
        }
        m_temp.clear();
        if (durable)
            SyncFolderOf(m_target);
    }
    m_target.clear();
    return true;
}

void CSafeFileWriter::Abandon()
{
    CloseHandle(false);
    if (!m_temp.isEmpty())
        ::unlink(Native(m_temp).constData());
    m_temp.clear();
    m_target.clear();
}

QString FileWriteErrorText(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
    case EROFS:
        return QStringLiteral("書き込みが許可されていません。");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("ディスクの空き容量が足りません。");
    case EISDIR:
        return QStringLiteral("同じ名前のフォルダーがあります。");
    case 0:
        return QStringLiteral("原因は分かりません。");
    default:
        return qt_error_string(error);
    }
}
