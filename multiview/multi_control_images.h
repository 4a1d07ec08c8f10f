// The pictures of the multi-view panel's buttons: one set for each icon
// scale (GetIconScale), drawn by us and stored as PNG files in res/.
#pragma once

#include "platform/gdi/gdi_objects.h"

enum class MultiPanelImage {
    Grid,
    GridOn,
    Preview,
    PreviewOn,
    Load,
    Stop,
    ClearView,
    CopyPicture,
    OpenInClipMode,
    Delete,
    CopyFiles,
    BatchShrink,
    RenameOne,
    RenameBatch,
};
inline constexpr int kMultiPanelImageCount = 14;

// The bitmap resource id of a picture at icon scale 1 or 2.
int MultiPanelBitmapId(MultiPanelImage image, int iconScale);
// A new bitmap of the resource (the caller deletes it); null for an unknown id.
HBITMAP LoadMultiPanelBitmap(int resourceId);
