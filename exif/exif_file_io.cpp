#include "exif/exif_file_io.h"

#include <QFile>
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
