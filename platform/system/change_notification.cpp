#include "platform/system/change_notification.h"

#include <cerrno>
#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

class ChangeNotification {
public:
    int fd = -1;
};

namespace {

uint32_t InotifyMask(DWORD filter)
{
    uint32_t mask = 0;
    if (filter & (FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME))
        mask |= IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO;
    if (filter & FILE_NOTIFY_CHANGE_ATTRIBUTES)
        mask |= IN_ATTRIB;
    if (filter & (FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_LAST_WRITE))
        mask |= IN_MODIFY;
    // A time set on a file (touch) arrives as an attribute change.
    if (filter & FILE_NOTIFY_CHANGE_LAST_WRITE)
        mask |= IN_ATTRIB;
    // The folder itself going away ends the watch; that is a change too.
    return mask | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR;
}

}  // namespace

HCHANGE FindFirstChangeNotificationW(const QString& folder, BOOL watchSubtree, DWORD filter)
{
    if (watchSubtree || folder.isEmpty() || filter == 0)
        return nullptr;
    const int fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd < 0)
        return nullptr;
    if (inotify_add_watch(fd, folder.toLocal8Bit().constData(), InotifyMask(filter)) < 0) {
        close(fd);
        return nullptr;
    }
    auto* handle = new ChangeNotification;
    handle->fd = fd;
    return handle;
}

BOOL FindNextChangeNotification(HCHANGE handle)
{
    if (!handle)
        return FALSE;
    alignas(inotify_event) char buffer[4096];
    for (;;) {
        const ssize_t n = read(handle->fd, buffer, sizeof buffer);
        if (n > 0)
            continue;
        if (n < 0 && errno == EINTR)
            continue;
        return n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK) ? TRUE : FALSE;
    }
}

BOOL FindCloseChangeNotification(HCHANGE handle)
{
    if (!handle)
        return FALSE;
    close(handle->fd);
    delete handle;
    return TRUE;
}

BOOL IsChangeNotificationSignalled(HCHANGE handle)
{
    if (!handle)
        return FALSE;
    pollfd p{handle->fd, POLLIN, 0};
    int r;
    do
        r = poll(&p, 1, 0);
    while (r < 0 && errno == EINTR);
    return r > 0 && (p.revents & POLLIN) ? TRUE : FALSE;
}
