#include "platform/system/positioned_io.h"

#include <cerrno>
#include <unistd.h>

std::size_t ReadUpToAt(int fd, void* buffer, std::size_t capacity, off_t offset)
{
    auto* out = static_cast<char*>(buffer);
    std::size_t total = 0;
    while (total < capacity) {
        const ssize_t n = ::pread(fd, out + total, capacity - total, offset + static_cast<off_t>(total));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        total += static_cast<std::size_t>(n);
    }
    return total;
}

bool ReadExactlyAt(int fd, void* buffer, std::size_t length, off_t offset)
{
    return ReadUpToAt(fd, buffer, length, offset) == length;
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
