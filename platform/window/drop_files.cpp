#include "platform/window/drop_files.h"
#include "platform/window/window_registry.h"

#include <QWidget>

namespace {
struct DropRecord {
    QStringList paths;
    POINT point;
};
DropRecord* RecordOf(HDROP drop)
{
    return reinterpret_cast<DropRecord*>(drop);
}
}  // namespace

HDROP MakeDropRecord(const QStringList& paths, POINT point)
{
    return reinterpret_cast<HDROP>(new DropRecord{paths, point});
}

void FreeDropRecord(HDROP drop)
{
    delete RecordOf(drop);
}

UINT DragQueryFileW(HDROP drop, UINT index, QString* path)
{
    const DropRecord* r = RecordOf(drop);
    if (!r)
        return 0;
    if (index == 0xFFFFFFFFu)
        return static_cast<UINT>(r->paths.size());
    if (index >= static_cast<UINT>(r->paths.size()))
        return 0;
    const QString& p = r->paths[static_cast<int>(index)];
    if (path)
        *path = p;
    return static_cast<UINT>(p.size());
}

BOOL DragQueryPoint(HDROP drop, POINT* point)
{
    const DropRecord* r = RecordOf(drop);
    if (!r || !point)
        return FALSE;
    *point = r->point;
    return TRUE;
}

void DragFinish(HDROP)
{
}

void DragAcceptFiles(HWND window, BOOL accept)
{
    if (QWidget* widget = WidgetFromHwnd(window))
        widget->setAcceptDrops(accept != FALSE);
}
