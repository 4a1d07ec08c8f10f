// What the batch shrink dialog is told of the selection before it opens:
// how many files, their most common image sizes, an example name and the
// folder. One record for the process, written by the multi view's request.
#pragma once

#include "platform/types/types.h"

#include <QString>

inline constexpr int kStretchSizeKinds = 6;

struct StretchSizeSummaryRecord {
    int fileCount = 0;
    BYTE sizeKinds = 0;  // distinct sizes among the files, at most 6
    SIZE sizes[kStretchSizeKinds]{};
    int counts[kStretchSizeKinds]{};
    QString exampleName;       // the first file's name without its extension
    QString exampleExtension;  // and its extension
    QString folder;            // the shown folder, no trailing '/'
};
extern StretchSizeSummaryRecord StretchSizeSummary;
