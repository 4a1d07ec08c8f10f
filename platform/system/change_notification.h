// Change notifications on one folder, as the platform's change-notification
// handles work: the handle becomes signalled when something in the folder
// changes the way the filter asks for, stays signalled until it is re-armed,
// and is polled (never waited on) by the user interface thread. Built on
// inotify: only the folder's own entries are watched, never its subfolders'
// contents.
#pragma once

#include "platform/types/types.h"

#include <QString>

enum : DWORD {
    FILE_NOTIFY_CHANGE_FILE_NAME = 0x001,   // a file created, deleted or renamed
    FILE_NOTIFY_CHANGE_DIR_NAME = 0x002,    // a folder created, deleted or renamed
    FILE_NOTIFY_CHANGE_ATTRIBUTES = 0x004,  // permissions, owner, times set explicitly
    FILE_NOTIFY_CHANGE_SIZE = 0x008,        // a file's content written
    FILE_NOTIFY_CHANGE_LAST_WRITE = 0x010,  // a file's content written or its time set
};

class ChangeNotification;
using HCHANGE = ChangeNotification*;

// A new handle on the folder; null when the folder cannot be watched (it is
// missing, the system's watch limit is reached) or when the subfolders are
// asked for, which this platform cannot watch.
HCHANGE FindFirstChangeNotificationW(const QString& folder, BOOL watchSubtree, DWORD filter);
// Re-arms a signalled handle: the changes reported so far are taken.
BOOL FindNextChangeNotification(HCHANGE handle);
// Ends the watch and frees the handle; null is accepted.
BOOL FindCloseChangeNotification(HCHANGE handle);
// A change arrived since the handle was made or last re-armed (a wait of 0 ms).
BOOL IsChangeNotificationSignalled(HCHANGE handle);
