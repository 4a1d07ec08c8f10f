// The watch the multi-view panel keeps on the folder it shows: file and
// folder names, attributes, sizes and last-write times of the folder's own
// entries (not what happens inside its subfolders). The panel polls it on a
// timer; a change is taken once and the watch re-armed for the next one.
#pragma once

#include "platform/system/change_notification.h"

#include <QString>

class CFolderWatch {
public:
    CFolderWatch() = default;
    ~CFolderWatch() { Stop(); }
    CFolderWatch(const CFolderWatch&) = delete;
    CFolderWatch& operator=(const CFolderWatch&) = delete;

    // Stops any previous watch, then watches the folder; false when it cannot
    // be watched (the folder stays unwatched).
    bool Start(const QString& folder);
    void Stop();
    bool IsWatching() const { return m_handle != nullptr; }
    // True once for the changes since the last call; the watch is re-armed.
    bool TakeChange();

private:
    HCHANGE m_handle = nullptr;
};
