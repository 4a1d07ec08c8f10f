#include "core/transform_state.h"

BYTE g_bFlipLeftRight = 0;
BYTE g_bFlipTopBottom = 0;
BYTE g_nRotateQuarter = 0;

bool IsImageTransformed()
{
    return g_bFlipLeftRight != 0 || g_bFlipTopBottom != 0 || g_nRotateQuarter != 0;
}

void ClearTransformState()
{
    g_bFlipLeftRight = 0;
    g_bFlipTopBottom = 0;
    g_nRotateQuarter = 0;
}
