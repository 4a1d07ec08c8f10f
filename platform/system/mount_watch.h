// Volume arrival and removal. The system signals every change of the mount
// table (/proc/self/mountinfo) on a file handle; a burst of changes (a disk
// mounts several partitions, a desktop remounts) is merged by waiting until
// the table has been quiet for a moment, and the owner hears of it only when
// the set of volumes it reads has changed.
#pragma once

#include "platform/system/mounted_volumes.h"

#include <functional>
#include <memory>
#include <vector>

class MountWatchNotifier;

class MountWatch {
public:
    using VolumeReader = std::function<std::vector<MountedVolume>()>;
    // `read` gives the volumes as the owner counts them; `changed` runs on the
    // UI thread after a burst that changed them. The first set is read here.
    MountWatch(VolumeReader read, std::function<void()> changed, int quietMs = 300);
    ~MountWatch();
    MountWatch(const MountWatch&) = delete;
    MountWatch& operator=(const MountWatch&) = delete;

    // False when the mount table cannot be watched (changes then go unseen).
    bool IsWatching() const;
    // The table changed: (re)starts the quiet period, after which the volumes are compared.
    void NoteTableChanged();
    // Compares the volumes now; runs `changed` when they differ from the last set.
    void CompareVolumes();

private:
    VolumeReader m_read;
    std::function<void()> m_changed;
    std::vector<MountedVolume> m_last;
    std::unique_ptr<MountWatchNotifier> m_notifier;
};
