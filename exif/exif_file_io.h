// The file handle of the EXIF reader and the in-place clearer (which rewrites
// only the bytes it changed, through platform/system/positioned_io.h).
#pragma once

#include <QString>

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
