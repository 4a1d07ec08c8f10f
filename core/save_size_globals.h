// The size at which a clip image is to be saved: the clip window sets it to
// the image's size, the save-size dialog edits it, and the clip window reads
// it back.
#pragma once

extern int g_nSaveSizeWidth;
extern int g_nSaveSizeHeight;
