// The image class: a picture in memory at 8 (palette), 24 or 32 bits per
// pixel that loads BMP, JPEG, PNG, TIFF and GIF files and saves them chosen
// by the file's extension. Safe on worker threads (no shared state).
#pragma once

#include "platform/gdi/gdi_objects.h"
#include "platform/types/dib_types.h"

#include <QImage>
#include <QString>
#include <cstddef>

class CImage {
public:
    CImage() = default;
    ~CImage();
    // A copy takes the picture's pixels only: never its DC or its attached bitmap.
    CImage(const CImage& other) : m_image(other.m_image.copy()) { }
    CImage& operator=(const CImage& other);

    // Results of Load and Save: non-negative is success.
    static constexpr int kOk = 0;
    static constexpr int kFailed = -1;
    static constexpr int kTooLarge = -2;  // Load: the picture exceeds the limits given
    // Create flag: the 32-bit picture keeps its fourth byte as alpha.
    static constexpr DWORD createAlphaChannel = 1;

    // Loads a file; its content (not its name) decides the format. Pictures
    // wider than maxWidth or taller than maxHeight are refused with kTooLarge
    // before their pixels are decoded.
    int Load(const QString& path, int maxWidth = kMaxSide, int maxHeight = kMaxSide);
    int Load(const BYTE* data, std::size_t size, int maxWidth = kMaxSide, int maxHeight = kMaxSide);
    // Saves by the extension of path (bmp, jpg, jpeg, png, tif, tiff, gif);
    // a failed save leaves no file.
    int Save(const QString& path) const;

    // A w x h picture of 8, 24 or 32 bits, every pixel 0 (an 8-bit picture has
    // a 256-entry table, all black).
    BOOL Create(int width, int height, int bpp, DWORD flags = 0);
    // Empties the picture; an attached bitmap is deleted with it.
    void Destroy();
    bool IsNull() const { return m_image.isNull(); }

    int GetWidth() const { return m_image.width(); }
    int GetHeight() const { return m_image.height(); }
    int GetBPP() const;
    bool HasAlphaChannel() const { return m_image.format() == QImage::Format_ARGB32; }
    // Row y counted from the top: bytes blue, green, red (and alpha) or indices.
    BYTE* GetRow(int y) { return m_image.scanLine(y); }
    const BYTE* GetRow(int y) const { return m_image.constScanLine(y); }
    int GetColorTableSize() const { return static_cast<int>(m_image.colorCount()); }
    void GetColorTable(UINT first, UINT count, RGBQUAD* out) const;
    void SetColorTable(UINT first, UINT count, const RGBQUAD* colors);
    void SetPixel(int x, int y, COLORREF color);
    COLORREF GetPixel(int x, int y) const;

    // The picture as Qt sees it (Indexed8, BGR888, RGB32 or ARGB32).
    const QImage& Image() const { return m_image; }
    // Takes a copy of an image, converted to one of the four layouts.
    void SetImage(const QImage& image);
    // Takes the picture over without a copy when nothing else shares it and
    // it is in the class's own format already.
    void SetImage(QImage&& image);

    // The picture's DC. Nested calls share one DC, each paired with ReleaseDC.
    // A 32-bit picture is drawn on directly; an 8- or 24-bit one through a
    // 32-bit copy that the last ReleaseDC writes back (8 bits: the nearest
    // colours of its table). Release it before the picture changes (Create,
    // Load, SetImage, Attach, Detach, Destroy); those release a DC still out.
    // A whole-picture copy from the screen's DC may give the picture new
    // memory: take rows again (GetRow) after drawing. Null for an empty picture.
    HDC GetDC();
    void ReleaseDC();

    // Takes a bitmap over: from now on the picture is the bitmap's own pixels
    // (32 bits), and Destroy, or the end of the picture, deletes the bitmap as
    // the platform's image class does. A bitmap that stays its owner's (the
    // clipboard's) must be detached before that.
    void Attach(HBITMAP bitmap);
    // Gives the attached bitmap back (null when none) and leaves the picture empty.
    HBITMAP Detach();

    static constexpr int kMaxSide = 65535;

private:
    void DropDc();

    QImage m_image;
    HBITMAP m_attached = nullptr;
    HDC m_dc = nullptr;
    int m_dcUses = 0;
    QImage m_dcWork;  // the 32-bit copy an 8- or 24-bit picture is drawn on
};
