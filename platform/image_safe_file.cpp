#include "platform/image_safe_file.h"

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

}  // namespace

CSafeFileWriter::~CSafeFileWriter()
{
    Abandon();
}

bool CSafeFileWriter::Open(const QString& path)
{
    Abandon();
    m_failed = false;
    if (path.isEmpty())
        return false;
    // A link is followed, so that the file it names is the one replaced.
    QFileInfo info(path);
    m_target = info.isSymLink() ? info.canonicalFilePath() : path;
    if (m_target.isEmpty())
        m_target = path;

    struct stat st { };
    if (::stat(Native(m_target).constData(), &st) == 0 && !S_ISREG(st.st_mode)) {
        if (S_ISDIR(st.st_mode))
            return false;
        m_temp.clear();
        m_fd = ::open(Native(m_target).constData(), O_WRONLY | O_CLOEXEC);
        return m_fd >= 0;
    }
    for (int attempt = 0; attempt < 100 && m_fd < 0; ++attempt) {
        // A short hidden name in the target's folder: a long target name
        // leaves no room for a suffix.
        const qsizetype slash = m_target.lastIndexOf(u'/');
        m_temp = QStringLiteral("%1.kestrel-%2-%3.part")
                     .arg(slash < 0 ? QString() : m_target.left(slash + 1))
                     .arg(::getpid())
                     .arg(g_tempCounter.fetch_add(1));
        m_fd = ::open(Native(m_temp).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (m_fd < 0 && errno != EEXIST)
            break;
    }
    if (m_fd < 0)
        m_temp.clear();
    return m_fd >= 0;
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

bool CSafeFileWriter::CloseHandle()
{
    bool ok = true;
    if (m_stream != nullptr) {
        ok = std::fflush(m_stream) == 0 && !std::ferror(m_stream);
        ok = (std::fclose(m_stream) == 0) && ok;
    } else if (m_fd >= 0) {
        ok = ::close(m_fd) == 0;
    }
    m_stream = nullptr;
    m_fd = -1;
    return ok;
}

bool CSafeFileWriter::Commit()
{
    if (m_fd < 0)
        return false;
    const bool closed = CloseHandle();
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
    }
    m_target.clear();
    return true;
}

void CSafeFileWriter::Abandon()
{
    CloseHandle();
    if (!m_temp.isEmpty())
        ::unlink(Native(m_temp).constData());
    m_temp.clear();
    m_target.clear();
}
