#include "core/stage_state.h"

#include "platform/window/cursor.h"

int g_nStageMode = kStageModeNormal;

void SetStageMode(int mode)
{
    const bool backToNormal = (mode & 0xFF) == kStageModeNormal && (g_nStageMode & 0xFF) != kStageModeNormal;
    g_nStageMode = mode;
    if (backToNormal)
        SetCursor(nullptr);
}
