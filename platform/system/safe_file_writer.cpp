#include "platform/system/safe_file_writer.h"

#include <QFile>
#include <QFileInfo>
#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::atomic<unsigned> g_tempCounter{0};

QByteArray Native(const QString& path)
{
    return QFile::encodeName(path);
}

// The file a write to path lands in, as creating or truncating it would: a
// link is followed to the file it names.
QString ResolveTarget(const QString& path)
{
    const QFileInfo info(path);
    if (info.isSymLink()) {
        const QString resolved = info.canonicalFilePath();
        if (!resolved.isEmpty())
            return resolved;
    }
    return path;
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

bool CSafeFileWriter::Open(const QString& path, OtherTargets others)
{
    Abandon();
    m_failed = false;
    if (path.isEmpty())
        return false;
    m_target = ResolveTarget(path);

    struct stat st { };
    const bool exists = ::stat(Native(m_target).constData(), &st) == 0;
    if (exists && !S_ISREG(st.st_mode)) {
        // A disk (block device) is never written over, whatever the caller allows.
        if (S_ISDIR(st.st_mode) || S_ISBLK(st.st_mode) || others == OtherTargets::Refuse) {
            m_target.clear();
            return false;
        }
        return OpenInPlace();
    }
    // A file that could not be opened for writing is not replaced either:
    // renaming over it would bypass its protection.
    if (exists && ((st.st_mode & 0222) == 0 || ::access(Native(m_target).constData(), W_OK) != 0)) {
        m_target.clear();
        return false;
    }
    return OpenTemporary(exists ? static_cast<int>(st.st_mode & 07777) : -1);
}

bool CSafeFileWriter::OpenInPlace()
{
    m_temp.clear();
    // Non-blocking, so that a named pipe without a reader is refused instead
    // of hanging the save; the writes themselves block as usual.
    m_fd = ::open(Native(m_target).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (m_fd >= 0 && ::fcntl(m_fd, F_SETFL, 0) != 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    return m_fd >= 0;
}

bool CSafeFileWriter::OpenTemporary(int replacedMode)
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
        m_temp.clear();
        m_target.clear();
        return false;
    }
    // The replacement keeps the permissions of the file it replaces.
    if (replacedMode >= 0 && ::fchmod(m_fd, static_cast<mode_t>(replacedMode)) != 0) {
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
        return false;
    }
    const char* p = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t n = ::write(m_fd, p, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            m_failed = true;
            return false;
        }
        p += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool CSafeFileWriter::CloseHandle(bool durable)
{
    bool ok = true;
    if (m_stream != nullptr) {
        ok = std::fflush(m_stream) == 0 && !std::ferror(m_stream);
        ok = (!durable || ::fsync(m_fd) == 0) && ok;
        ok = (std::fclose(m_stream) == 0) && ok;
    } else if (m_fd >= 0) {
        ok = !durable || ::fsync(m_fd) == 0;
        ok = ::close(m_fd) == 0 && ok;
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
