#include "platform/dragdrop/file_drag.h"

#include "platform/clipboard/file_list_formats.h"
#include "platform/dialog/service_hook.h"
#include "platform/window/window.h"

#include <QDrag>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace {

ServiceHook<FileDragHook>& DragHook()
{
    static ServiceHook<FileDragHook> hook;
    return hook;
}

}  // namespace

void SetFileDragHookForTest(FileDragHook hook)
{
    DragHook().Set(std::move(hook));
}

QMimeData* MakeFileDragData(const QStringList& paths)
{
    auto* data = new QMimeData;
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls.append(QUrl::fromLocalFile(path));
    data->setUrls(urls);
    data->setData(QString::fromLatin1(kGnomeCopiedFilesMime), GnomeCopiedFilesBytes(paths));
    return data;
}

DROPEFFECT DoDragDropFiles(HWND source, const QStringList& paths, DROPEFFECT allowed)
{
    CWnd* wnd = CWnd::FromHandle(source);
    if (!wnd || !wnd->GetWidget() || paths.isEmpty() || !(allowed & DROPEFFECT_COPY))
        return DROPEFFECT_NONE;
    if (const FileDragHook hook = DragHook().Get())
        return hook(source, paths) & allowed;
    auto* drag = new QDrag(wnd->GetWidget());
    drag->setMimeData(MakeFileDragData(paths));
    const Qt::DropAction done = drag->exec(Qt::CopyAction, Qt::CopyAction);
    return done == Qt::CopyAction ? DROPEFFECT_COPY : DROPEFFECT_NONE;
}
