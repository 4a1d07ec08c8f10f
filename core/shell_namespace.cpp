#include "core/shell_namespace.h"

#include "core/folder_listing.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <sys/stat.h>

namespace {

const ShellNamespace* g_replacement = nullptr;

bool IsFolder(const QString& path)
{
    struct stat status { };
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 && S_ISDIR(status.st_mode);
}

}  // namespace

QString ShellNamespace::PlacePath(ShellPlace place) const
{
    const QString home = QDir::homePath();
    auto existing = [&](QStandardPaths::StandardLocation location) {
        const QString path = QStandardPaths::writableLocation(location);
        // Without a folder of its own the location names the home folder: the place is missing.
        return !path.isEmpty() && path != home && IsFolder(path) ? QDir::cleanPath(path) : QString();
    };
    switch (place) {
    case ShellPlace::Desktop: {
        const QString desktop = existing(QStandardPaths::DesktopLocation);
        return desktop.isEmpty() ? QDir::cleanPath(home) : desktop;
    }
    case ShellPlace::Documents:
        return existing(QStandardPaths::DocumentsLocation);
    case ShellPlace::Pictures:
        return existing(QStandardPaths::PicturesLocation);
    }
    return QString();
}

std::vector<MountedVolume> ShellNamespace::Volumes(int limit) const
{
    return ReadMountedVolumes(limit);
}

std::optional<std::vector<ShellFolderEntry>> ShellNamespace::ListFolder(const QString& folder) const
{
    std::vector<FolderEntry> found;
    if (!::ListFolder(folder, &found))
        return std::nullopt;
    std::vector<ShellFolderEntry> entries;
    entries.reserve(found.size());
    for (const FolderEntry& e : found)
        if (!(e.IsFolder() && e.name.startsWith(u'.')))
            entries.push_back({e.name, e.IsFolder()});
    return entries;
}

ShellPathKind ShellNamespace::PathKind(const QString& path) const
{
    struct stat status { };
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &status) != 0)
        return ShellPathKind::Missing;
    return S_ISDIR(status.st_mode) ? ShellPathKind::Folder : ShellPathKind::File;
}

const ShellNamespace& CurrentShellNamespace()
{
    static const ShellNamespace system;
    return g_replacement ? *g_replacement : system;
}

void SetShellNamespaceForTesting(const ShellNamespace* replacement)
{
    g_replacement = replacement;
}
