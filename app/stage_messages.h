// Messages the main frame sends to the view stage. They move next to the
// stage when its window is built.
#pragma once

#include "platform/types/messages.h"

enum : UINT {
    WM_STAGE_OPEN_SHARED_PATH = WM_USER + 107,
    WM_STAGE_TAKE_FOCUS = WM_USER + 403,
};
