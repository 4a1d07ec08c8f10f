// Points a pixel accessor of the tests at bottom-up rows of a given size and
// depth, as the view stage does with its image.
#pragma once

#include "imaging/dib_accessor.h"

inline void AttachTo(CDibAccessor& a, BYTE* bits, int w, int h, int bpp)
{
    a.Reset();
    a.SetBitCount(bpp);
    a.SetWidth(w);
    a.SetHeight(h);
    a.SetBits(bits);
}
