#include "platform/window/drop_files.h"
#include "platform/window/window_registry.h"

#include <QWidget>
#include <mutex>
#include <unordered_set>

namespace {
struct DropRecord {
    QStringList paths;
    POINT point;
};

// The live records: a finished or foreign handle reads as an empty drop.
struct LiveDrops {
    std::mutex mutex;
    std::unordered_set<DropRecord*> records;
};
LiveDrops& Live()
{
    static LiveDrops live;
    return live;
}

// A copy of the record's contents, or nothing for a handle that is not live.
bool Read(HDROP drop, DropRecord* out)
{
    LiveDrops& live = Live();
    std::lock_guard lock(live.mutex);
    auto* r = reinterpret_cast<DropRecord*>(drop);
    if (!live.records.count(r))
        return false;
    *out = *r;
    return true;
}
}  // namespace

HDROP MakeDropRecord(const QStringList& paths, POINT point)
{
    auto* r = new DropRecord{paths, point};
    LiveDrops& live = Live();
    std::lock_guard lock(live.mutex);
    live.records.insert(r);
    return reinterpret_cast<HDROP>(r);
}

void FreeDropRecord(HDROP drop)
{
    DragFinish(drop);
}

UINT DragQueryFileW(HDROP drop, UINT index, QString* path)
{
    DropRecord r;
    if (!Read(drop, &r))
        return 0;
    if (index == 0xFFFFFFFFu)
        return static_cast<UINT>(r.paths.size());
    if (index >= static_cast<UINT>(r.paths.size()))
        return 0;
    const QString& p = r.paths[static_cast<int>(index)];
    if (path)
        *path = p;
    return static_cast<UINT>(p.size());
}

BOOL DragQueryPoint(HDROP drop, POINT* point)
{
    DropRecord r;
    if (!point || !Read(drop, &r))
        return FALSE;
    *point = r.point;
    return TRUE;
}

void DragFinish(HDROP drop)
{
    auto* r = reinterpret_cast<DropRecord*>(drop);
    {
        LiveDrops& live = Live();
        std::lock_guard lock(live.mutex);
        if (!live.records.erase(r))
            return;
    }
    delete r;
}

void DragAcceptFiles(HWND window, BOOL accept)
{
    if (QWidget* widget = WidgetFromHwnd(window))
        widget->setAcceptDrops(accept != FALSE);
}
