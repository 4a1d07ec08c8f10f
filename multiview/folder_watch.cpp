#include "multiview/folder_watch.h"

bool CFolderWatch::Start(const QString& folder)
{
    Stop();
    m_handle = FindFirstChangeNotificationW(folder, FALSE,
        FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME | FILE_NOTIFY_CHANGE_ATTRIBUTES |
            FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_LAST_WRITE);
    return m_handle != nullptr;
}

void CFolderWatch::Stop()
{
    if (m_handle)
        FindCloseChangeNotification(m_handle);
    m_handle = nullptr;
}

bool CFolderWatch::TakeChange()
{
    if (!m_handle || !IsChangeNotificationSignalled(m_handle))
        return false;
    FindNextChangeNotification(m_handle);
    return true;
}
