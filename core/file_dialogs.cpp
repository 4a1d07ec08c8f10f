#include "core/file_dialogs.h"

#include "platform/dialog/common_dialogs.h"

#include <QFileInfo>

namespace {

// Path buffers hold 520 characters with the terminator; folder pickers 260.
constexpr int kPathCapacity = 520;
constexpr int kFolderPathCapacity = 260;

}  // namespace

QStringList ImageFileDialogFilters()
{
    return {
        QStringLiteral("ALL (*.bmp *.jpg *.jpeg *.tif *.tiff *.gif *.png)"),
        QStringLiteral("BMP (*.bmp)"),
        QStringLiteral("JPG (*.jpg *.jpeg)"),
        QStringLiteral("TIF (*.tif *.tiff)"),
        QStringLiteral("GIF (*.gif)"),
        QStringLiteral("PNG (*.png)"),
    };
}

int ShowImageFileDialog(HWND owner, const QString& initialFolder, QString& path, QString& name, int mode)
{
    path.clear();
    name.clear();
    if (initialFolder.isEmpty() || !QFileInfo(initialFolder).isDir())
        return 0;
    FileDialogRequest request;
    request.kind = mode == 1 ? FileDialogKind::OpenFile : FileDialogKind::SaveFile;
    request.owner = owner;
    request.initialFolder = initialFolder;
    request.nameFilters = ImageFileDialogFilters();
    request.hideFilterPatterns = true;
    const FileDialogAnswer answer = RunFileDialog(request);
    // A path that does not fit the callers' buffers is refused rather than
    // cut to name another file.
    if (!answer.accepted || answer.path.isEmpty() || answer.path.size() >= kPathCapacity)
        return 0;
    path = answer.path;
    name = QFileInfo(answer.path).fileName();
    return 1;
}

int BrowseForFolder(HWND owner, QString& path, const QString& title)
{
    FileDialogRequest request;
    request.kind = FileDialogKind::Folder;
    request.owner = owner;
    request.title = title;
    request.initialFolder = path;
    const FileDialogAnswer answer = RunFileDialog(request);
    if (!answer.accepted || answer.path.isEmpty()) {
        path.clear();
        return 0;
    }
    if (answer.path.size() >= kFolderPathCapacity) {
        path.clear();
        return 2;
    }
    path = answer.path;
    return 1;
}
