// Menu 296 "マルチメニュー": the multi view's right-click menu (its first popup).
#pragma once

#include "res/frame_menus.h"

enum : UINT {
    ID_MULTI_OPEN_IN_CLIP = 32897,
    ID_MULTI_COPY_PICTURE = 32898,
    ID_MULTI_PRINT = 32899,
    ID_MULTI_DELETE_ONE = 32900,
    ID_MULTI_COPY_FILES = 32904,
    ID_MULTI_RENAME_ONE = 32907,
    ID_MULTI_RENAME_BATCH = 32908,
    ID_MULTI_BATCH_SHRINK = 32912,
};

extern const FrameMenu kMenu296MultiView;
