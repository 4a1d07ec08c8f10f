// The messages the file-tree window receives (WM_USER + n). The frame and
// the work-folder dialog send them, so they live below the windows.
#pragma once

#include "platform/types/messages.h"

enum : UINT {
    // Follow TreeLastDir (the folder of the stage's image or the chosen work
    // folder); 1 when the tree had a folder to compare, else 0.
    WM_TREEFILE_SYNC_FOLDER = WM_USER + 402,
};
