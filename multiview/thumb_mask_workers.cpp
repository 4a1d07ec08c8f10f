// The bodies of the two workers that fill the day list from the list's
// files. Each reads a file under the list's lock, then adds it under the
// mask's own lock: the two locks are never held together here.
#include "multiview/thumb_mask.h"
#include "multiview/thumbnail_list.h"

namespace {

// The file's time and name; false past the list's end.
bool ReadListedFile(const CThumbnailList& list, int file, SYSTEMTIME* time, QString* name)
{
    auto lock = list.Lock();
    if (!list.GetFileTime(file, time))
        return false;
    *name = list.GetFileName(file);
    return true;
}

}  // namespace

void CollectMaskDatesThreadProc(
    CThumbMask& mask, const CThumbnailList& list, int fileCount, const std::atomic<bool>& stop)
{
    mask.SetExtensionBits(0);
    for (int file = 0; file < fileCount; ++file) {
        if (stop.load())
            return;
        SYSTEMTIME time;
        QString name;
        if (!ReadListedFile(list, file, &time, &name))
            break;
        if (!mask.AddDate(CThumbMask::kDayList, time)) {
            mask.SetStatus(CThumbMask::kFailed);
            return;
        }
        mask.AddExtension(name);
    }
    mask.SetStatus(CThumbMask::kDone);
}

void RebuildMaskDatesThreadProc(
    CThumbMask& mask, const CThumbnailList& list, int fileCount, const std::atomic<bool>& stop)
{
    const int statusBefore = mask.GetStatus();
    if (!mask.BeginRebuild())
        return;  // status 2, the day list unchanged
    mask.SetExtensionBits(0);
    for (int file = 0; file < fileCount; ++file) {
        if (stop.load()) {
            mask.AbandonRebuild();
            mask.SetStatus(statusBefore);
            return;
        }
        SYSTEMTIME time;
        QString name;
        if (!ReadListedFile(list, file, &time, &name))
            break;
        if (!mask.AddDate(CThumbMask::kRebuildList, time)) {
            mask.AbandonRebuild();
            mask.SetStatus(CThumbMask::kFailed);
            return;
        }
        mask.AddExtension(name);
    }
    mask.CommitRebuild();
}
