// The file dialogs of the path holder.
#include "core/file_dialogs.h"
#include "core/file_types.h"
#include "imaging/file_path_info.h"
#include "platform/dialog/common_dialogs.h"
#include "platform/dialog/msgbox.h"

QStringList NameFiltersFromFilterText(const QString& filter)
{
    QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty())
            break;
        QStringList patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts);
        filters.append(QStringLiteral("%1 (%2)").arg(parts[i], patterns.join(u' ')));
    }
    return filters;
}

namespace {

void Tell(const QString& text, UINT extra = 0)
{
    MessageBoxW(nullptr, text, QStringLiteral("Kestrel"), MB_OK | extra);
}

bool IsImageKindExtension(const QString& path)
{
    return GetImageTypeOfPath(path) != kImageTypeNone;
}

}  // namespace

int CFilePathInfo::ShowFileDialog(BOOL open, const QString& title, const QString& filter,
    const QString& initialFolder, const QString& defaultExt, const QString& fileName)
{
    FileDialogRequest request;
    request.kind = open ? FileDialogKind::OpenFile : FileDialogKind::SaveFile;
    request.title = title;
    request.initialFolder = initialFolder;
    request.initialName = fileName;
    request.nameFilters = NameFiltersFromFilterText(filter);
    request.defaultSuffix = defaultExt;
    const FileDialogAnswer answer = RunFileDialog(request);
    if (!answer.accepted || answer.path.isEmpty())
        return 0;

    const QString chosen = answer.path;
    if (!defaultExt.isEmpty()) {
        const QString extension = GetFileExtension(chosen);
        if (extension.left(defaultExt.size()).compare(defaultExt, Qt::CaseInsensitive) != 0) {
            if (open) {
                Tell(QStringLiteral("ファイルを開けませんでした。有効なファイル名を指定して下さい。"),
                    MB_SYSTEMMODAL);
                return 0;
            }
            if (!IsImageKindExtension(chosen)) {
                Tell(QStringLiteral("対応していないファイルタイプです。"));
                return 0;
            }
        }
    }
    if (chosen.size() >= 256 && !IsImageKindExtension(chosen)) {
        Tell(QStringLiteral("指定されたファイルパスが長すぎます。"));
        return 0;  // the stored path stays as it was
    }
    SetPathOnly(chosen);
    UpdateName();
    UpdateFolder();
    return 1;
}

int CFilePathInfo::ShowOpenItemDialog(HWND owner, const QString& startFolder)
{
    QString chosen;
    QString chosenName;
    if (ShowImageFileDialog(owner, startFolder, chosen, chosenName, 1) != 1)
        return 0;
    SetPathOnly(chosen);
    SetName(chosenName);
    UpdateFolder();
    return 1;
}
