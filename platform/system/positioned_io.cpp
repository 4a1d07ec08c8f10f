#include "platform/system/positioned_io.h"

#include <cerrno>
#include <unistd.h>

bool ReadExactlyAt(int fd, void* buffer, std::size_t length, off_t offset)
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

bool WriteAllAt(int fd, const void* data, std::size_t length, off_t offset)
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
