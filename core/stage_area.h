// The area below the frame's title band that the stages may occupy: the
// frame computes it, the stages limit their size by it.
#pragma once

#include "platform/types/types.h"

extern RECT g_rcStageArea;
extern int g_nStageAreaWidth;
extern int g_nStageAreaHeight;
