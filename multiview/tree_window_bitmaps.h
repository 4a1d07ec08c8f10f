// The tree windows' button pictures (explorer, label alignment) by resource id.
#pragma once

#include "platform/gdi/gdi_objects.h"

// A new bitmap of the picture, which the caller deletes; null for an unknown id.
HBITMAP LoadTreeBitmap(int resourceId);
