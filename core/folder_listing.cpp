#include "core/folder_listing.h"

#include <QFile>
#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>

namespace {

FolderEntry EntryFromStat(const QString& name, const struct stat& info)
{
    FolderEntry entry;
    entry.name = name;
    if (S_ISDIR(info.st_mode))
        entry.attributes |= kFileAttributeDirectory;
    if (name.startsWith(QLatin1Char('.')))
        entry.attributes |= kFileAttributeHidden;
    entry.size = S_ISDIR(info.st_mode) ? 0 : static_cast<std::uint64_t>(info.st_size);
    entry.writeSeconds = info.st_mtim.tv_sec;
    entry.writeNanoseconds = info.st_mtim.tv_nsec;
    return entry;
}

// stat, or lstat for a link that leads nowhere.
bool StatAt(int dirFd, const char* name, struct stat* info)
{
    return fstatat(dirFd, name, info, 0) == 0 || fstatat(dirFd, name, info, AT_SYMLINK_NOFOLLOW) == 0;
}

}  // namespace

int CompareListingNames(const QString& a, const QString& b)
{
    const int folded = a.compare(b, Qt::CaseInsensitive);
    return folded != 0 ? folded : a.compare(b, Qt::CaseSensitive);
}

bool ListFolder(const QString& folder, std::vector<FolderEntry>* entries)
{
    entries->clear();
    const QByteArray native = QFile::encodeName(folder.isEmpty() ? QStringLiteral("/") : folder);
    std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(native.constData()), closedir);
    if (!dir)
        return false;
    const int fd = dirfd(dir.get());
    while (const dirent* d = readdir(dir.get())) {
        const char* name = d->d_name;
        if ((name[0] == '.' && name[1] == 0) || (name[0] == '.' && name[1] == '.' && name[2] == 0))
            continue;
        struct stat info { };
        if (!StatAt(fd, name, &info))
            continue;  // gone since the folder was read
        entries->push_back(EntryFromStat(QFile::decodeName(name), info));
    }
    std::sort(entries->begin(), entries->end(),
        [](const FolderEntry& a, const FolderEntry& b) { return CompareListingNames(a.name, b.name) < 0; });
    return true;
}

bool StatFolderEntry(const QString& path, FolderEntry* entry)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat info { };
    if (native.isEmpty() || !StatAt(AT_FDCWD, native.constData(), &info))
        return false;
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    *entry = EntryFromStat(slash >= 0 ? path.mid(slash + 1) : path, info);
    return true;
}
