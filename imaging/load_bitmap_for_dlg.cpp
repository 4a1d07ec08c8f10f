#include "imaging/load_bitmap_for_dlg.h"

#include "platform/gdi/gdi_dib.h"

CLoadBitmap_for_Dlg::~CLoadBitmap_for_Dlg()
{
    ReleaseSurfaces();
}

void CLoadBitmap_for_Dlg::ReleaseSurfaces()
{
    if (ddb != nullptr)
        DeleteObject(ddb);
    ddb = nullptr;
    if (memDC != nullptr)
        DeleteDC(memDC);
    memDC = nullptr;
}

int CLoadBitmap_for_Dlg::CreateBitmap(HDC hdc)
{
    if (bits == nullptr || info == nullptr)
        return 0;
    return CreateBitmapFrom(hdc, &infoHeader, info, bits);
}

int CLoadBitmap_for_Dlg::CreateBitmapFrom(
    HDC hdc, const BITMAPINFOHEADER* header, const BITMAPINFO* dibInfo, const void* pixels)
{
    // A bitmap of the same size takes the new pixels where it lies: a large
    // picture then costs no fresh block (and its page faults) on every change.
    if (memDC != nullptr && RefillBitmapFromDib(ddb, dibInfo, pixels))
        return 1;
    HDC dc = ::CreateCompatibleDC(hdc);
    if (dc == nullptr)
        return 0;
    HBITMAP bitmap = CreateDIBitmap(hdc, header, CBM_INIT, pixels, dibInfo, DIB_RGB_COLORS);
    if (bitmap == nullptr) {
        DeleteDC(dc);
        return 0;
    }
    ReleaseSurfaces();
    memDC = dc;
    ddb = bitmap;
    return 1;
}

int CLoadBitmap_for_Dlg::PaintStretched(HDC hdc, HWND, const RECT& dst, const RECT& src, int mode)
{
    if (memDC == nullptr || ddb == nullptr || info == nullptr || hdc == nullptr)
        return 0;
    // Painting goes to the DC given: there is no paint cycle to open here.
    HGDIOBJ previous = SelectObject(memDC, ddb);
    if (previous == nullptr)
        return 0;
    const int oldMode = SetStretchBltMode(hdc, mode);
    if (mode == HALFTONE)
        CDC::FromHandle(hdc)->SetBrushOrg(0, 0);
    const BOOL done = StretchBlt(hdc, dst.left, dst.top, dst.right - dst.left, dst.bottom - dst.top, memDC,
        src.left, src.top, src.right - src.left, src.bottom - src.top, SRCCOPY);
    SetStretchBltMode(hdc, oldMode);
    SelectObject(memDC, previous);
    return done;
}

void CLoadBitmap_for_Dlg::Free()
{
    ReleaseSurfaces();
    CLoadBitmap::Free();
    path.Reset();
}

int CLoadBitmap_for_Dlg::Reload()
{
    // "no_name" or any leading part of it (the empty name included) means
    // that no file belongs to the holder.
    if (QStringLiteral("no_name").startsWith(path.Name()))
        return 0;
    const QString stored = path.Path();
    return ReadBmpFile(stored);
}
