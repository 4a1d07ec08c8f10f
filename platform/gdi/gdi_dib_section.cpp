// DIB sections: bitmaps whose pixel memory the caller addresses directly. A
// bitmap here is always 32-bit top-down memory, so every bitmap can describe
// itself as a section, and a new section is a bitmap of that layout.
#include "platform/gdi/gdi_dc.h"

#include <climits>

HBITMAP CreateDIBSection(HDC, const BITMAPINFO* info, UINT usage, void** bits, void* section, DWORD)
{
    if (bits)
        *bits = nullptr;
    if (!info || section || usage != DIB_RGB_COLORS)
        return nullptr;
    const BITMAPINFOHEADER& h = info->bmiHeader;
    if (h.biSize < sizeof(BITMAPINFOHEADER) || h.biCompression != BI_RGB || h.biPlanes != 1 ||
        h.biBitCount != 32 || h.biWidth <= 0 || h.biHeight >= 0 || h.biHeight == INT_MIN)
        return nullptr;
    HBITMAP bitmap = CreateCompatibleBitmap(nullptr, h.biWidth, -h.biHeight);
    if (bitmap && bits) {
        *bits = bitmap->image.bits();
        bitmap->bitsHandedOut = true;
    }
    return bitmap;
}

int GetDibSection(HBITMAP bitmap, DIBSECTION* out)
{
    if (!bitmap || !out || !CBitmap::FromHandle(bitmap)->GetBitmap(&out->dsBm))
        return 0;
    BITMAPINFOHEADER& h = out->dsBmih;
    h = BITMAPINFOHEADER{};
    h.biSize = sizeof(BITMAPINFOHEADER);
    h.biWidth = out->dsBm.bmWidth;
    h.biHeight = -out->dsBm.bmHeight;  // top-down
    h.biPlanes = 1;
    h.biBitCount = 32;
    h.biCompression = BI_RGB;
    h.biSizeImage = static_cast<DWORD>(out->dsBm.bmWidthBytes) * static_cast<DWORD>(out->dsBm.bmHeight);
    out->dsBitfields[0] = out->dsBitfields[1] = out->dsBitfields[2] = 0;
    out->dshSection = nullptr;
    out->dsOffset = 0;
    return sizeof(DIBSECTION);
}
