// The screen's capabilities as every DC of this layer reports them (gdi.h).
#include "platform/gdi/gdi_dc.h"
#include "platform/system/screen_metrics.h"

#include <cmath>

namespace {

int Millimetres(int pixels, int dpi)
{
    return dpi > 0 ? static_cast<int>(std::lround(pixels * 25.4 / dpi)) : 0;
}

}  // namespace

int GetDeviceCaps(HDC dc, int index)
{
    if (!dc)
        return 0;
    int dpiX = 96;
    int dpiY = 96;
    switch (index) {
    case BITSPIXEL:
        return 32;
    case PLANES:
        return 1;
    case HORZRES:
        return QueryScreenSize().cx;
    case VERTRES:
        return QueryScreenSize().cy;
    case LOGPIXELSX:
    case LOGPIXELSY:
        QueryScreenLogicalDpi(&dpiX, &dpiY);
        return index == LOGPIXELSX ? dpiX : dpiY;
    case HORZSIZE:
        QueryScreenLogicalDpi(&dpiX, &dpiY);
        return Millimetres(QueryScreenSize().cx, dpiX);
    case VERTSIZE:
        QueryScreenLogicalDpi(&dpiX, &dpiY);
        return Millimetres(QueryScreenSize().cy, dpiY);
    default:
        return 0;
    }
}

int CDC::GetDeviceCaps(int index) const
{
    return ::GetDeviceCaps(m_hDC, index);
}
