#include "core/file_queries.h"

#include "core/date_utils.h"
#include "core/path_utils.h"
#include "platform/system/kernel.h"

#include <QDir>
#include <QFile>
#include <dirent.h>
#include <fnmatch.h>
#include <memory>
#include <sys/stat.h>

namespace {

bool StatPath(const QString& path, struct stat* info)
{
    return !path.isEmpty() && stat(QFile::encodeName(path).constData(), info) == 0;
}

enum class EntryKind { Other, Folder, LinkToFolder };

// The kind of a folder entry; the listing's own type spares a look-up for
// plain files and folders.
EntryKind KindOf(const QByteArray& full, unsigned char type)
{
    if (type == DT_DIR)
        return EntryKind::Folder;
    if (type == DT_REG)
        return EntryKind::Other;
    struct stat info { };
    if (lstat(full.constData(), &info) != 0)
        return EntryKind::Other;
    if (S_ISDIR(info.st_mode))
        return EntryKind::Folder;
    if (S_ISLNK(info.st_mode) && stat(full.constData(), &info) == 0 && S_ISDIR(info.st_mode))
        return EntryKind::LinkToFolder;
    return EntryKind::Other;
}

// Calls visit(name, kind) for each entry of the folder but "." and "..".
template <typename Visit> bool ForEachEntry(const QString& folder, Visit visit)
{
    const QByteArray native = QFile::encodeName(folder.isEmpty() ? QStringLiteral(".") : folder);
    std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(native.constData()), closedir);
    if (!dir)
        return false;
    while (const dirent* entry = readdir(dir.get())) {
        const QByteArray name(entry->d_name);
        if (name == "." || name == "..")
            continue;
        const QByteArray full = native + (native.endsWith('/') ? "" : "/") + name;
        visit(name, KindOf(full, entry->d_type));
    }
    return true;
}

}  // namespace

int FileExists(const QString& path)
{
    struct stat info { };
    return StatPath(path, &info) && !S_ISDIR(info.st_mode) ? 1 : 0;
}

int FolderExists(QString& path)
{
    RemoveTrailingBackslash(path);
    return IsFolder(path);
}

int IsFolder(const QString& path)
{
    QString copy = path;
    RemoveTrailingBackslash(copy);
    struct stat info { };
    return StatPath(copy, &info) && S_ISDIR(info.st_mode) ? 1 : 0;
}

int GetPathKind(const QString& path)
{
    struct stat info { };
    if (!StatPath(path, &info))
        return 0;
    return S_ISDIR(info.st_mode) ? 2 : 1;
}

int CountFolderEntries(const QString& pattern, int kind)
{
    const QString folder = GetFolderOfPath(pattern);
    QString namePattern = pattern.mid(folder.size());
    if (namePattern == QStringLiteral("*.*"))
        namePattern = QStringLiteral("*");
    const QByteArray glob = QFile::encodeName(namePattern);
    int count = 0;
    ForEachEntry(folder, [&](const QByteArray& name, EntryKind entry) {
        if (fnmatch(glob.constData(), name.constData(), FNM_CASEFOLD) != 0)
            return;
        if ((kind == 1) == (entry == EntryKind::Other))
            ++count;
    });
    return count;
}

int CountDroppedFiles(const QStringList& paths)
{
    int count = 0;
    for (const QString& path : paths) {
        switch (GetPathKind(path)) {
        case 1:
            ++count;
            break;
        case 2:
            count = CountFilesRecursive(path, count);
            break;
        }
    }
    return count;
}

int CountFilesRecursive(const QString& folder, int count)
{
    QString base = folder;
    AddBackslash(base);
    ForEachEntry(base, [&](const QByteArray& name, EntryKind entry) {
        if (entry == EntryKind::Folder)
            count = CountFilesRecursive(base + QFile::decodeName(name), count);
        else if (entry == EntryKind::Other)
            ++count;  // a link to a folder is neither a file nor followed
    });
    return count;
}

int GetFileLocalWriteTime(const QString& path, SYSTEMTIME* time)
{
    struct stat info { };
    if (!StatPath(path, &info)) {
        *time = SYSTEMTIME();
        return 0;
    }
    return UnixTimeToLocalSystemTime(info.st_mtim.tv_sec, info.st_mtim.tv_nsec, time) ? 1 : 0;
}

int CompareFileWriteTimes(const QString& a, const QString& b)
{
    SYSTEMTIME ta, tb;
    if (!GetFileLocalWriteTime(a, &ta) || !GetFileLocalWriteTime(b, &tb))
        return 0;
    const bool notEarlier = IsTimeNotEarlier(ta, tb);
    const bool notLater = IsTimeNotEarlier(tb, ta);
    if (notEarlier && notLater)
        return 3;
    return notEarlier ? 1 : 2;
}

int IsValidFileNameChars(const QString& text)
{
    static const QString kInvalid = QStringLiteral("\\/:*?\"<>|");
    for (QChar c : text)
        if (c.unicode() < 0x20 || kInvalid.contains(c))
            return 0;
    return 1;
}
