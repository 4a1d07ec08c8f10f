// The pure rules of the shell tree engine: an item's path from the texts of
// the item and its ancestors, where a walk to a path starts and which parts
// it then looks for, and the image filter. No tree, no file system.
#pragma once

#include "multiview/shell_tree.h"

#include <QStringList>

#include <optional>

// The path of an item from its text and its ancestors' texts (the item's
// first), matched against the tables, without a trailing '/'. A special
// folder's or volume's display name gives that folder's path (the Computer
// row an empty one) and ends the walk up, so that a folder named like a place
// or a volume resolves as that place or volume.
QString PathFromItemTexts(const QStringList& textsUpward,
    const std::array<SpecialFolderEntry, kSpecialFolderCount>& specialFolders,
    const std::array<DriveEntry, kDriveCount>& drives);

// Where a walk to `path` starts: the first special-folder row (table order,
// Computer skipped) whose path holds the path, else the volume with the
// longest mount point that holds it; whole parts compare ("/media/u/USB" does
// not hold "/media/u/USB2"). `parts` are the names below the start.
struct TreeWalkStart {
    int specialRow = -1;  // the row, or -1 when a volume starts the walk
    int driveRow = -1;
    QStringList parts;
};
std::optional<TreeWalkStart> FindTreeWalkStart(const QString& path,
    const std::array<SpecialFolderEntry, kSpecialFolderCount>& specialFolders,
    const std::array<DriveEntry, kDriveCount>& drives);

// The provisional image slot of a volume by its kind.
int ProvisionalDriveSlot(WORD driveType);
