// The desktop as the folder trees see it: the user's places (Desktop,
// Documents, Pictures), the mounted volumes, and the folder listings the
// trees show. One process-wide namespace serves the program; a test installs
// its own (its places, its volumes, and folders it makes unreadable).
#pragma once

#include "platform/system/mounted_volumes.h"

#include <QString>

#include <optional>
#include <vector>

enum class ShellPlace { Desktop, Documents, Pictures };

// One entry of a folder listing.
struct ShellFolderEntry {
    QString name;
    bool folder = false;  // a folder, or a link to one
};

enum class ShellPathKind { Missing, Folder, File };

class ShellNamespace {
public:
    virtual ~ShellNamespace() = default;
    // The place's folder; empty when the desktop has none. The Desktop is
    // the home folder when there is no Desktop folder.
    virtual QString PlacePath(ShellPlace place) const;
    // The volumes in place of drives, "/" first, at most `limit`.
    virtual std::vector<MountedVolume> Volumes(int limit) const;
    // The entries of a folder by name (case-insensitive, then ordinal),
    // without "." and ".." and without folders whose names start with ".";
    // nothing when the folder cannot be read.
    virtual std::optional<std::vector<ShellFolderEntry>> ListFolder(const QString& folder) const;
    // What a path names (a link counts as what it points to).
    virtual ShellPathKind PathKind(const QString& path) const;
};

// The namespace in use.
const ShellNamespace& CurrentShellNamespace();
// Installs a namespace (not owned) in place of the system's; null restores it.
void SetShellNamespaceForTesting(const ShellNamespace* replacement);
