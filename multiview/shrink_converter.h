// Converting one file of a batch shrink: the image is loaded by its
// extension, its output checked against the free space of the output
// folder, reduced (smoothly, or by nearest neighbour) and written in the
// chosen format. A failed write leaves no new file behind. Safe on a worker
// thread: it uses nothing but its arguments.
#pragma once

#include "multiview/shrink_rules.h"

#include <QString>
#include <functional>

enum class ShrinkFileResult {
    Written,
    Failed,            // load, size or write
    DiskLow,           // the estimate does not fit the free space
    FreeSpaceUnknown,  // the free space could not be asked
};

// The free megabytes of a folder's file system; false when it cannot be asked.
using ShrinkFreeSpaceQuery = std::function<bool(const QString& folder, DWORD* freeMB)>;
// The system's answer (QueryDiskFreeMB).
ShrinkFreeSpaceQuery SystemFreeSpaceQuery();

// Converts input into output by the choices' size, format, quality and
// interpolation; outputFolder is asked for its free space.
ShrinkFileResult ShrinkOneFile(const QString& input, const QString& output, const QString& outputFolder,
    const ShrinkChoices& choices, const ShrinkFreeSpaceQuery& freeSpace);
