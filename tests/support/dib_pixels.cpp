#include "tests/support/dib_pixels.h"

#include "imaging/dib_accessor.h"

#include <cstdlib>

COLORREF DibPixel(const BYTE* bits, const RGBQUAD* table, int w, int h, int bpp, int x, int y)
{
    CDibAccessor view;
    view.SetWidth(w);
    view.SetHeight(h);
    view.SetBitCount(bpp);
    view.SetBits(const_cast<BYTE*>(bits));
    view.SetPalette(table);
    return view.GetPixel(x, y);
}

COLORREF HolderPixel(const CLoadBitmap& holder, int x, int y)
{
    const RGBQUAD* table = holder.info != nullptr ? holder.info->bmiColors : nullptr;
    return DibPixel(holder.bits, table, holder.infoHeader.biWidth, holder.infoHeader.biHeight,
        holder.infoHeader.biBitCount, x, y);
}

bool NearColor(COLORREF a, COLORREF b, int tolerance)
{
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance &&
        std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
        std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}
