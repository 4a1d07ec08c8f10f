#include "platform/dialog/common_dialogs.h"

#include "platform/dialog/service_hook.h"
#include "platform/window/window_registry.h"

#include <QApplication>
#include <QFileDialog>

namespace {

ServiceHook<FileDialogHook> g_hook;

void Configure(QFileDialog& dialog, const FileDialogRequest& request)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    if (!request.title.isEmpty())
        dialog.setWindowTitle(request.title);
    dialog.setDirectory(request.initialFolder);
    switch (request.kind) {
    case FileDialogKind::OpenFile:
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        break;
    case FileDialogKind::SaveFile:
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        break;
    case FileDialogKind::Folder:
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly, true);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        break;
    }
    dialog.setOption(QFileDialog::HideNameFilterDetails, request.hideFilterPatterns);
    if (!request.nameFilters.isEmpty()) {
        dialog.setNameFilters(request.nameFilters);
        dialog.selectNameFilter(request.nameFilters.value(request.selectedFilter));
    }
    if (!request.initialName.isEmpty())
        dialog.selectFile(request.initialName);
    else if (request.kind == FileDialogKind::Folder)
        dialog.selectFile(request.initialFolder);
}

FileDialogAnswer ShowRealDialog(const FileDialogRequest& request)
{
    FileDialogAnswer answer;
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return answer;
    QFileDialog dialog(WidgetFromHwnd(request.owner));
    Configure(dialog, request);
    if (dialog.exec() != QDialog::Accepted)
        return answer;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty())
        return answer;
    answer.accepted = true;
    answer.path = files.first();
    answer.selectedFilter = qMax(0, request.nameFilters.indexOf(dialog.selectedNameFilter()));
    return answer;
}

}  // namespace

FileDialogAnswer RunFileDialog(const FileDialogRequest& request)
{
    if (FileDialogHook hook = g_hook.Get())
        return hook(request);
    return ShowRealDialog(request);
}

void SetFileDialogHookForTesting(FileDialogHook hook)
{
    g_hook.Set(std::move(hook));
}
