// Whole reads and writes at a file position, for the EXIF reader and the
// in-place clearer (which rewrites only the bytes it changed).
#pragma once

#include <QString>
#include <cstddef>
#include <sys/types.h>

// A file descriptor closed when it goes out of scope.
class ExifFileHandle {
public:
    // flags: O_RDONLY or O_RDWR (close-on-exec is added).
    ExifFileHandle(const QString& path, int flags);
    ~ExifFileHandle();
    ExifFileHandle(const ExifFileHandle&) = delete;
    ExifFileHandle& operator=(const ExifFileHandle&) = delete;

    int Get() const { return m_fd; }
    // Closes now; false when the close reported an error (a write that did
    // not reach the file).
    bool Close();

private:
    int m_fd;
};

// Exactly length bytes at offset; false on a short read or an error.
bool ExifReadAt(int fd, void* buffer, std::size_t length, off_t offset);
// All length bytes at offset; false when any of them was not written.
bool ExifWriteAt(int fd, const void* data, std::size_t length, off_t offset);
