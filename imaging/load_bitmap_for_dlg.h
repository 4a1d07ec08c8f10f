// The holder of an image shown in a window: the DIB, the image's file path
// and the drawing surfaces made from it for painting.
#pragma once

#include "imaging/file_path_info.h"
#include "imaging/load_bitmap.h"
#include "platform/gdi/gdi.h"

#include <QString>

class CLoadBitmap_for_Dlg : public CLoadBitmap {
public:
    CLoadBitmap_for_Dlg() = default;
    ~CLoadBitmap_for_Dlg() override;

    // Also drops the drawing surfaces and resets the path.
    void Free() override;

    // Reads a BMP file into the holder; 1 read, 0 failed (see bmp_file.h).
    int ReadBmpFile(const QString& filePath);
    // Reads the BMP file of the stored path again; 0 without a stored name.
    int Reload();

    // Makes a memory DC compatible with hdc and a bitmap of the image for
    // painting (call again after every change of the pixels); 1, or 0.
    int CreateBitmap(HDC hdc);
    // Copies the src rectangle of the image, stretched with the given mode,
    // onto the dst rectangle of hdc; 0 without a bitmap.
    int PaintStretched(HDC hdc, HWND hwnd, const RECT& dst, const RECT& src, int mode);

    HDC memDC = nullptr;
    HBITMAP ddb = nullptr;
    CFilePathInfo path;

protected:
    // CreateBitmap for any pixels described by header and info (colour table
    // included); the surfaces are replaced only when both are made.
    int CreateBitmapFrom(
        HDC hdc, const BITMAPINFOHEADER* header, const BITMAPINFO* dibInfo, const void* pixels);

private:
    void ReleaseSurfaces();
};
