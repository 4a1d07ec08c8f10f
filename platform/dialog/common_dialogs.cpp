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
    if (request.kind != FileDialogKind::Folder)
        dialog.setDefaultSuffix(request.defaultSuffix);
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

QString WithDefaultSuffix(const QString& path, const QString& defaultSuffix)
{
    QString suffix = defaultSuffix;
    if (suffix.startsWith(u'.'))
        suffix.remove(0, 1);
    const QString name = path.mid(path.lastIndexOf(u'/') + 1);
    if (suffix.isEmpty() || name.isEmpty() || name.contains(u'.'))
        return path;
    return path + u'.' + suffix;
}

FileDialogAnswer RunFileDialog(const FileDialogRequest& request)
{
    const FileDialogHook hook = g_hook.Get();
    FileDialogAnswer answer = hook ? hook(request) : ShowRealDialog(request);
    if (answer.accepted && request.kind != FileDialogKind::Folder)
        answer.path = WithDefaultSuffix(answer.path, request.defaultSuffix);
    return answer;
}

void SetFileDialogHookForTesting(FileDialogHook hook)
{
    g_hook.Set(std::move(hook));
}
