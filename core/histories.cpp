#include "core/histories.h"

#include "core/settings/app_settings.h"

#include "platform/controls/controls.h"

int IsRectWithinMaxImageSize(const RECT& r, SIZE maxSize)
{
    return r.left >= 0 && r.top >= 0 && r.right < maxSize.cx && r.bottom < maxSize.cy && r.right >= r.left &&
        r.bottom >= r.top;
}

int IsRectWithinMaxImageSize(const RECT& r)
{
    return IsRectWithinMaxImageSize(r, SIZE{AppSettings.MaxSaveSizeWidth, AppSettings.MaxSaveSizeHeight});
}

int IsClipHistorySlotProtected(DWORD protect, int index)
{
    return index >= 0 && index < 32 && (protect >> index & 1u) != 0;
}

int IsClipHistorySlotTaken(const RECT& r, int index, DWORD protect, SIZE maxSize)
{
    return IsClipHistorySlotProtected(protect, index) || IsRectWithinMaxImageSize(r, maxSize);
}

int FindUnprotectedPair(DWORD protect, int n, int& destination, int& source)
{
    destination = -1;
    source = -1;
    for (int i = n; i >= 0; --i) {
        if (!IsClipHistorySlotProtected(protect, i)) {
            destination = i;
            break;
        }
    }
    if (destination < 0)
        return 2;
    for (int i = destination - 1; i >= 0; --i) {
        if (!IsClipHistorySlotProtected(protect, i)) {
            source = i;
            break;
        }
    }
    return source < 0 ? 1 : 3;
}

int AddClipHistoryRect(ClipHistoryRects& h, const RECT& r, SIZE maxSize)
{
    for (const RECT& entry : h.entries) {
        if (entry == r)
            return 0;
    }
    // A hole before a rectangle in use is filled first.
    int firstFree = -1;
    for (int i = 0; i < kClipHistoryCount; ++i) {
        if (!IsClipHistorySlotTaken(h.entries[i], i, h.protect, maxSize)) {
            if (firstFree < 0)
                firstFree = i;
        } else if (firstFree >= 0 && IsRectWithinMaxImageSize(h.entries[i], maxSize)) {
            h.entries[firstFree] = r;
            return firstFree + 1;
        }
    }
    // Otherwise every unprotected entry moves one unprotected place towards the end.
    int destination = -1;
    int source = -1;
    for (int n = kClipHistoryCount - 1;; --n) {
        const int found = FindUnprotectedPair(h.protect, n, destination, source);
        if (found == 2)
            return 1;
        if (found == 1)
            break;
        h.entries[destination] = h.entries[source];
    }
    h.entries[destination] = r;
    return 1;
}

ClipHistoryRects LoadClipHistory()
{
    ClipHistoryRects h;
    for (int i = 0; i < kClipHistoryCount; ++i)
        h.entries[i] = AppSettings.*kClipRectMembers[i];
    h.protect = static_cast<DWORD>(AppSettings.ClipHistoryProtect);
    return h;
}

void StoreClipHistory(const ClipHistoryRects& h)
{
    for (int i = 0; i < kClipHistoryCount; ++i)
        AppSettings.*kClipRectMembers[i] = h.entries[i];
    AppSettings.ClipHistoryProtect = static_cast<int>(h.protect);
}

int AddClipHistoryRect(const RECT& r)
{
    ClipHistoryRects h = LoadClipHistory();
    const int result =
        AddClipHistoryRect(h, r, SIZE{AppSettings.MaxSaveSizeWidth, AppSettings.MaxSaveSizeHeight});
    StoreClipHistory(h);
    return result;
}

int AddWorkFolderHistory(WorkFolderHistory& h, const QString& folder)
{
    QString copy = folder.left(kHistoryPathChars);
    // One trailing separator goes; the root keeps its own.
    if (copy.size() > 1 && copy.endsWith(QLatin1Char('/')))
        copy.chop(1);
    if (FindPathInHistory(h.folders, copy, kWorkFolderCount) >= 0)
        return 0;
    for (int i = 0; i < kWorkFolderCount; ++i) {
        if (!h.folders[i].isEmpty())
            continue;
        for (int j = i + 1; j < kWorkFolderCount; ++j) {
            if (!h.folders[j].isEmpty()) {
                h.folders[i] = copy;
                return i + 1;
            }
        }
        break;
    }
    PushFrontPathHistory(h.folders, copy, kWorkFolderCount);
    return 1;
}

WorkFolderHistory LoadWorkFolderHistory()
{
    WorkFolderHistory h;
    for (int i = 0; i < kWorkFolderCount; ++i)
        h.folders[i] = AppSettings.*kWorkFolderMembers[i];
    return h;
}

void StoreWorkFolderHistory(const WorkFolderHistory& h)
{
    for (int i = 0; i < kWorkFolderCount; ++i)
        AppSettings.*kWorkFolderMembers[i] = h.folders[i];
}

int AddWorkFolderHistory(const QString& folder)
{
    WorkFolderHistory h = LoadWorkFolderHistory();
    const int result = AddWorkFolderHistory(h, folder);
    StoreWorkFolderHistory(h);
    return result;
}

int AreAllPathsEmpty(const QString* paths, int n)
{
    for (int i = 0; i < n; ++i) {
        if (!paths[i].isEmpty())
            return 0;
    }
    return 1;
}

void PushFrontPathHistory(QString* paths, const QString& path, int n)
{
    if (n < 1)
        return;
    for (int i = n - 1; i > 0; --i)
        paths[i] = paths[i - 1];
    paths[0] = path.left(kHistoryPathChars);
}

int FindPathInHistory(const QString* paths, const QString& path, int n)
{
    for (int i = 0; i < n; ++i) {
        if (paths[i] == path)
            return i;
    }
    return -1;
}

void InsertComboHistory(CComboBox& box, const QString& text, int position, int limit)
{
    if (limit != 0 && box.GetCount() >= limit)
        box.DeleteString(static_cast<UINT>(limit - 1));
    box.InsertString(position, text);
}
