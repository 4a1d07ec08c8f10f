#include "exif/exif_file_io.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

ExifFileHandle::ExifFileHandle(const QString& path, int flags)
    : m_fd(::open(QFile::encodeName(path).constData(), flags | O_CLOEXEC))
{
}

ExifFileHandle::~ExifFileHandle()
{
    Close();
}

bool ExifFileHandle::Close()
{
    if (m_fd < 0)
        return true;
    const int result = ::close(m_fd);
    m_fd = -1;
    return result == 0;
}

bool ExifReadAt(int fd, void* buffer, std::size_t length, off_t offset)
{
    auto* out = static_cast<char*>(buffer);
    while (length > 0) {
        const ssize_t n = ::pread(fd, out, length, offset);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        out += n;
        length -= static_cast<std::size_t>(n);
        offset += n;
    }
    return true;
}

bool ExifWriteAt(int fd, const void* data, std::size_t length, off_t offset)
{
    const auto* in = static_cast<const char*>(data);
    while (length > 0) {
        const ssize_t n = ::pwrite(fd, in, length, offset);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        in += n;
        length -= static_cast<std::size_t>(n);
        offset += n;
    }
    return true;
}
