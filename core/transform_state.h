// How the stage image lies now against the image as it was loaded: the
// frame's edit commands flip and turn it, and the control panel clears all
// three when the image is back in its first state or replaced.
#pragma once

#include "platform/types/types.h"

extern BYTE g_bFlipLeftRight;  // 0 or 1
extern BYTE g_bFlipTopBottom;  // 0 or 1
extern BYTE g_nRotateQuarter;  // quarter turns to the right, 0..3

// True while any of the three is set.
bool IsImageTransformed();
void ClearTransformState();

// The value after one more flip (0 and 1 alternate) or one more quarter turn
// (the fourth turn is back at 0).
constexpr BYTE NextFlipState(BYTE flip)
{
    return flip ? 0 : 1;
}
constexpr BYTE NextRotateQuarter(BYTE quarters)
{
    return static_cast<BYTE>((quarters + 1) % 4);
}
