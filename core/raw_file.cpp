#include "core/raw_file.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int OpenPath(const QString& path, int flags)
{
    const QByteArray native = QFile::encodeName(path);
    if (native.isEmpty())
        return -1;
    int fd;
    do {
        fd = ::open(native.constData(), flags | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

bool IsRegularFile(int fd)
{
    struct stat st { };
    return ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace

CRawFile::~CRawFile()
{
    Close();
}

bool CRawFile::OpenRead(const QString& path)
{
    Close();
    // Non-blocking, so that a named pipe in the file's place cannot hang the
    // open; it is refused below like every other file that is not regular.
    const int fd = OpenPath(path, O_RDONLY | O_NONBLOCK);
    if (fd < 0)
        return false;
    if (!IsRegularFile(fd) || ::fcntl(fd, F_SETFL, O_RDONLY) != 0) {
        ::close(fd);
        return false;
    }
    m_handle = fd;
    return true;
}

bool CRawFile::OpenWrite(const QString& path)
{
    Close();
    const int fd = OpenPath(path, O_RDWR | O_CREAT | O_TRUNC);
    if (fd < 0)
        return false;
    m_handle = fd;
    return true;
}

std::int64_t CRawFile::Length() const
{
    struct stat st { };
    if (m_handle < 0 || ::fstat(m_handle, &st) != 0)
        return 0;
    return static_cast<std::int64_t>(st.st_size);
}

bool CRawFile::Read(void* buffer, std::int64_t count)
{
    m_lastCount = -1;
    if (m_handle < 0 || count < 0)
        return false;
    auto* out = static_cast<char*>(buffer);
    std::int64_t done = 0;
    while (done < count) {
        const ssize_t n = ::read(m_handle, out + done, static_cast<size_t>(count - done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0)
            break;  // end of file
        done += n;
    }
    m_lastCount = done;
    return true;
}

bool CRawFile::Write(const void* buffer, std::int64_t count)
{
    m_lastCount = -1;
    if (m_handle < 0 || count < 0)
        return false;
    const auto* in = static_cast<const char*>(buffer);
    std::int64_t done = 0;
    while (done < count) {
        const ssize_t n = ::write(m_handle, in + done, static_cast<size_t>(count - done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            m_lastCount = done;
            return false;
        }
        done += n;
    }
    m_lastCount = done;
    return true;
}

bool CRawFile::Sync()
{
    return m_handle >= 0 && ::fsync(m_handle) == 0;
}

bool CRawFile::Close()
{
    if (m_handle < 0)
        return true;
    const int rc = ::close(m_handle);
    m_handle = -1;
    m_lastCount = -1;
    return rc == 0;
}

std::uint64_t GetFileSizeOfPath(const QString& path)
{
    CRawFile file;
    if (!file.OpenRead(path))
        return 0;
    return static_cast<std::uint64_t>(file.Length());
}

int ReadFileToBuffer(const QString& path, void* buffer, std::int64_t capacity, std::int64_t* bytesRead)
{
    if (bytesRead)
        *bytesRead = 0;
    CRawFile file;
    if (!file.OpenRead(path) || !file.Read(buffer, capacity))
        return 0;
    if (bytesRead)
        *bytesRead = file.LastCount();
    return 1;
}

std::optional<QByteArray> ReadFileBytes(const QString& path, std::uint64_t maxBytes)
{
    const std::uint64_t length = GetFileSizeOfPath(path);
    if (length == 0 || length > maxBytes)
        return std::nullopt;
    QByteArray bytes(static_cast<qsizetype>(length), '\0');
    std::int64_t read = 0;
    if (ReadFileToBuffer(path, bytes.data(), bytes.size(), &read) != 1)
        return std::nullopt;
    bytes.truncate(static_cast<qsizetype>(read));
    return bytes;
}

int WriteBufferToFile(const QString& path, const void* data, std::int64_t length)
{
    CRawFile file;
    if (!file.OpenWrite(path))
        return 0;
    const bool written = file.Write(data, length);
    const bool closed = file.Close();
    return written && closed ? 1 : 0;
}
