// The file list of the clipboard (CF_HDROP): a DROPFILES header and then the
// paths, each ended by a NUL, with one more NUL after the last.
#pragma once

#include "platform/types/types.h"

#include <QByteArray>
#include <QStringList>
#include <optional>

struct DROPFILES {
    DWORD pFiles = 0;  // offset of the first path from the header's start
    POINT pt;
    BOOL fNC = FALSE;
    BOOL fWide = FALSE;  // the paths are UTF-16
};
static_assert(sizeof(DROPFILES) == 20, "the header's layout is fixed");

// The block of these paths: the header (pFiles 20, pt 0,0, fNC 0, fWide 1),
// each path in UTF-16 ended by a NUL, then one more NUL.
QByteArray MakeDropFileList(const QStringList& paths);

// The paths of a file list block; nothing when the block is not one: too
// short, its offset outside it, its paths not UTF-16 (the only kind this
// program writes) or not ended.
std::optional<QStringList> ReadDropFileList(const QByteArray& block);
