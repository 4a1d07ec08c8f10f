#include "multiview/drop_copier.h"

#include "core/file_queries.h"
#include "core/folder_listing.h"
#include "core/path_utils.h"
#include "multiview/overwrite_confirm_dialog.h"
#include "platform/system/file_operations.h"

#include <QFileInfo>
#include <vector>

namespace {

constexpr int kKindFile = 1;
constexpr int kKindFolder = 2;

QString WithoutTrailingSeparator(QString path)
{
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path;
}

QString Join(const QString& folder, const QString& name)
{
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

QString NameOf(const QString& path)
{
    return QFileInfo(path).fileName();
}

// True when path is the folder itself or lies inside it (links resolved):
// a folder copied there would copy its own copy again and again.
bool IsAtOrInsideFolder(const QString& path, const QString& folder)
{
    const QString inner = QFileInfo(path).canonicalFilePath();
    const QString outer = QFileInfo(folder).canonicalFilePath();
    if (inner.isEmpty() || outer.isEmpty())
        return false;
    const QString prefix = outer.endsWith(u'/') ? outer : outer + u'/';
    return inner == outer || inner.startsWith(prefix);
}

}  // namespace

int CDropCopier::FailIfExistsForNext()
{
    return OverwriteConflict.applyToAll == 1 && OverwriteConflict.lastResult == kOverwriteReplace ? 0 : 1;
}

void CDropCopier::CopyDroppedFiles(const QStringList& dropped, const QString& target)
{
    if (dropped.isEmpty())
        return;
    QStringList paths;
    for (const QString& p : dropped)
        paths.append(WithoutTrailingSeparator(p));
    const QString folder = WithoutTrailingSeparator(target);
    if (folder.isEmpty() || !IsFolder(folder)) {
        m_ui.ShowMessage(QStringLiteral("コピー先のフォルダは存在しません。"));
        return;
    }
    if (IsSamePath(QFileInfo(paths.first()).path(), folder)) {
        m_ui.ShowMessage(QStringLiteral("コピー先フォルダとコピー元フォルダが同じです。"));
        return;
    }

    m_counters = DropCopyCounters();
    m_counters.total = CountDroppedFiles(paths);
    OverwriteConflict.applyToAll = 0;
    OverwriteConflict.lastResult = 0;
    const bool loadStopped = m_ui.BeginCopy();

    for (const QString& source : paths) {
        if (m_abort.load())
            break;
        int failIfExists = FailIfExistsForNext();
        const int kind = GetPathKind(source);
        if (kind == 0) {
            ++m_counters.missing;
            continue;
        }
        const QString name = NameOf(source);
        OverwriteConflict.targetFolder = Join(folder, QString());
        OverwriteConflict.fileName = name;
        QString destination = Join(folder, name);
        if (RefuseClash(kind, destination, name))
            continue;
        if (kind == kKindFolder) {
            if (IsAtOrInsideFolder(folder, source)) {
                ++m_counters.failed;
                continue;
            }
            if (CopyFolderRecursive(source, destination) == kFolderStop)
                break;
            continue;
        }
        if (GetPathKind(destination) == kKindFile) {
            const Decision decision = DecideExisting(source, destination, failIfExists);
            if (decision == Decision::Stop)
                break;
            if (decision == Decision::Skip)
                continue;
        }
        const bool copied = CopyFileW(source, destination, failIfExists) != FALSE;
        if (copied)
            ++m_counters.copied;
        else
            ++m_counters.failed;
        Progress();
        if (copied)
            m_ui.FileCopied(destination, loadStopped);
    }
    m_ui.EndCopy(loadStopped, m_counters.failed > 0 || m_counters.missing > 0);
}

bool CDropCopier::RefuseClash(int sourceKind, const QString& target, const QString& name)
{
    const int targetKind = GetPathKind(target);
    if (sourceKind == kKindFolder && targetKind == kKindFile) {
        m_ui.ShowMessage(
            QStringLiteral("コピー先にはこのフォルダと同名のファイルが存在します。\n\nフォルダ名 : %1\n\n"
                           "このフォルダはコピーされません。")
                .arg(name));
    } else if (sourceKind == kKindFile && targetKind == kKindFolder) {
        m_ui.ShowMessage(
            QStringLiteral("コピー先にはこのファイルと同名のフォルダが存在します、\n\nファイル名 : %1\n\n"
                           "このファイルはコピーされません。")
                .arg(name));
    } else {
        return false;
    }
    ++m_counters.failed;
    return true;
}

CDropCopier::Decision CDropCopier::DecideExisting(const QString& source, QString& target, int& failIfExists)
{
    const BYTE last = OverwriteConflict.lastResult;
    const bool sameForAll =
        OverwriteConflict.applyToAll == 1 && (last == kOverwriteReplace || last == kOverwriteSkip);
    if (!sameForAll) {
        const int answer = m_ui.ConfirmOverwrite();
        OverwriteConflict.lastResult = static_cast<BYTE>(answer);
        switch (answer) {
        case kOverwriteReplace:
            failIfExists = 0;
            target = OverwriteConflict.targetFolder + OverwriteConflict.fileName;
            break;
        case kOverwriteSkip:
            ++m_counters.skipped;
            return Decision::Skip;
        case kOverwriteRename:
            target = OverwriteConflict.targetFolder + OverwriteConflict.fileName;
            break;
        case kOverwriteStop:
            return Decision::Stop;
        default:
            break;
        }
    }
    if (OverwriteConflict.applyToAll == 1 && OverwriteConflict.lastResult == kOverwriteSkip) {
        ++m_counters.skipped;
        return Decision::Skip;
    }
    // Newer only: an older or equally old dropped file leaves the existing one.
    if (OverwriteConflict.lastResult == kOverwriteReplace && OverwriteConflict.newerOnly == 1 &&
        CompareFileWriteTimes(source, target) != 1) {
        ++m_counters.skipped;
        return Decision::Skip;
    }
    return Decision::Copy;
}

CDropCopier::FolderResult CDropCopier::CopyFolderRecursive(const QString& source, const QString& target)
{
    if (GetPathKind(target) == 0 && !CreateDirectoryW(target)) {
        // Nothing of the folder can be copied: that is an error, not silence.
        ++m_counters.failed;
        return kFolderFailed;
    }
    std::vector<FolderEntry> entries;
    if (!ListFolder(source, &entries)) {
        ++m_counters.failed;
        return kFolderFailed;
    }
    FolderResult result = kFolderDone;
    for (const FolderEntry& entry : entries) {
        if (m_abort.load())
            return kFolderStop;
        int failIfExists = FailIfExistsForNext();
        OverwriteConflict.targetFolder = Join(target, QString());
        OverwriteConflict.fileName = entry.name;
        const QString from = Join(source, entry.name);
        QString to = Join(target, entry.name);
        const int kind = entry.IsFolder() ? kKindFolder : kKindFile;
        if (RefuseClash(kind, to, entry.name)) {
            result = kFolderFailed;
            continue;
        }
        if (kind == kKindFolder) {
            // A link to a folder is not followed: it could lead back up the tree.
            if (QFileInfo(from).isSymLink()) {
                ++m_counters.failed;
                result = kFolderFailed;
                continue;
            }
            const FolderResult inner = CopyFolderRecursive(from, to);
            if (inner == kFolderStop)
                return kFolderStop;
            if (inner == kFolderFailed)
                result = kFolderFailed;
            continue;
        }
        if (GetPathKind(to) == kKindFile) {
            const Decision decision = DecideExisting(from, to, failIfExists);
            if (decision == Decision::Stop)
                return kFolderStop;
            if (decision == Decision::Skip)
                continue;
        }
        if (!CopyFileW(from, to, failIfExists)) {
            ++m_counters.failed;
            result = kFolderFailed;
        }
        Progress();
    }
    return result;
}

void CDropCopier::Progress()
{
    ++m_counters.done;
    m_ui.ShowProgress(m_counters.done, m_counters.total);
}
