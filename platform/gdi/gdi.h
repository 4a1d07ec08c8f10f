// The class library's drawing classes: device contexts on QImage surfaces
// (a window's surface, or a bitmap selected into a memory DC), bitmaps, pens,
// brushes, fonts and regions. A DC keeps no painter between calls, so any
// number of DCs may point at one surface at a time.
#pragma once

#include "platform/gdi/gdi_objects.h"
#include "platform/types/dib_types.h"
#include "platform/types/hwnd.h"
#include "platform/types/rect_types.h"

#include <QString>

class CWnd;

class CGdiObject {
public:
    CGdiObject() = default;
    virtual ~CGdiObject();
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    HGDIOBJ m_hObject = nullptr;

    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    BOOL Attach(HGDIOBJ object);
    HGDIOBJ Detach();
    BOOL DeleteObject();

protected:
    bool m_borrowed = false;  // a FromHandle wrapper: the handle is not ours
    friend struct GdiObject;
    template <class W, class H> static W* WrapperOf(H handle);
};

class CPen : public CGdiObject {
public:
    CPen() = default;
    CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }
    BOOL CreatePen(int style, int width, COLORREF color);
    operator HPEN() const { return static_cast<HPEN>(m_hObject); }
    static CPen* FromHandle(HPEN pen);
};

class CBrush : public CGdiObject {
public:
    CBrush() = default;
    explicit CBrush(COLORREF color) { CreateSolidBrush(color); }
    BOOL CreateSolidBrush(COLORREF color);
    BOOL CreateStockObject(int which);
    operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }
    static CBrush* FromHandle(HBRUSH brush);
};

class CFont : public CGdiObject {
public:
    BOOL CreateFontIndirectW(const LOGFONTW* lf);
    BOOL CreateFontIndirect(const LOGFONTW* lf) { return CreateFontIndirectW(lf); }
    // Height in tenths of a point at 96 dpi.
    BOOL CreatePointFont(int tenthsOfPoint, const QString& face);
    int GetLogFont(LOGFONTW* lf) const;
    QFont GetQFont() const;
    operator HFONT() const { return static_cast<HFONT>(m_hObject); }
    static CFont* FromHandle(HFONT font);
};

struct BITMAP {
    LONG bmType = 0;
    LONG bmWidth = 0;
    LONG bmHeight = 0;
    LONG bmWidthBytes = 0;
    WORD bmPlanes = 1;
    WORD bmBitsPixel = 32;
    void* bmBits = nullptr;
};

class CDC;

class CBitmap : public CGdiObject {
public:
    BOOL CreateCompatibleBitmap(CDC* dc, int width, int height);
    // A bitmap of 32 bits per pixel; bits (top-down BGRX rows) may be null.
    BOOL CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
    // Takes over a copy of an image (converted to Format_RGB32).
    BOOL CreateFromImage(const QImage& image);
    int GetBitmap(BITMAP* info) const;
    // The pixels as top-down rows of 4 bytes (B, G, R, unused); returns the bytes copied.
    DWORD GetBitmapBits(DWORD count, void* bits) const;
    DWORD SetBitmapBits(DWORD count, const void* bits);
    CSize GetSize() const;
    QImage* GetImage() const;
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }
    static CBitmap* FromHandle(HBITMAP bitmap);
};

// Region combination modes and results.
enum : int {
    RGN_AND = 1,
    RGN_OR = 2,
    RGN_XOR = 3,
    RGN_DIFF = 4,
    RGN_COPY = 5,
    ERROR_REGION = 0,
    NULLREGION = 1,
    SIMPLEREGION = 2,
    COMPLEXREGION = 3,
};

class CRgn : public CGdiObject {
public:
    BOOL CreateRectRgn(int l, int t, int r, int b);
    BOOL CreateRectRgnIndirect(const RECT* rect);
    BOOL CreateEllipticRgn(int l, int t, int r, int b);
    int CombineRgn(CRgn* a, CRgn* b, int mode);
    BOOL PtInRegion(int x, int y) const;
    int GetRgnBox(RECT* box) const;
    operator HRGN() const { return static_cast<HRGN>(m_hObject); }
};

// Raster operations of the block transfers.
enum : DWORD {
    SRCCOPY = 0x00CC0020,
    SRCPAINT = 0x00EE0086,
    SRCAND = 0x008800C6,
    SRCINVERT = 0x00660046,
    SRCERASE = 0x00440328,
    NOTSRCCOPY = 0x00330008,
    NOTSRCERASE = 0x001100A6,
    MERGECOPY = 0x00C000CA,
    MERGEPAINT = 0x00BB0226,
    PATCOPY = 0x00F00021,
    PATPAINT = 0x00FB0A09,
    PATINVERT = 0x005A0049,
    DSTINVERT = 0x00550009,
    BLACKNESS = 0x00000042,
    WHITENESS = 0x00FF0062,
    DSNA = 0x00220326,  // destination and not source
};

// Mixing modes of lines and shapes (SetROP2).
enum : int {
    R2_BLACK = 1,
    R2_NOTMERGEPEN = 2,
    R2_MASKNOTPEN = 3,
    R2_NOTCOPYPEN = 4,
    R2_MASKPENNOT = 5,
    R2_NOT = 6,
    R2_XORPEN = 7,
    R2_NOTMASKPEN = 8,
    R2_MASKPEN = 9,
    R2_NOTXORPEN = 10,
    R2_NOP = 11,
    R2_MERGENOTPEN = 12,
    R2_COPYPEN = 13,
    R2_MERGEPENNOT = 14,
    R2_MERGEPEN = 15,
    R2_WHITE = 16,
};

enum : int {
    BLACKONWHITE = 1,
    WHITEONBLACK = 2,
    COLORONCOLOR = 3,
    HALFTONE = 4,
    TRANSPARENT = 1,
    OPAQUE = 2,
};

// DrawText formats.
enum : UINT {
    DT_TOP = 0x0000,
    DT_LEFT = 0x0000,
    DT_CENTER = 0x0001,
    DT_RIGHT = 0x0002,
    DT_VCENTER = 0x0004,
    DT_BOTTOM = 0x0008,
    DT_WORDBREAK = 0x0010,
    DT_SINGLELINE = 0x0020,
    DT_NOCLIP = 0x0100,
    DT_CALCRECT = 0x0400,
    DT_NOPREFIX = 0x0800,
    DT_END_ELLIPSIS = 0x8000,
};

struct TEXTMETRICW {
    LONG tmHeight = 0;
    LONG tmAscent = 0;
    LONG tmDescent = 0;
    LONG tmInternalLeading = 0;
    LONG tmExternalLeading = 0;
    LONG tmAveCharWidth = 0;
    LONG tmMaxCharWidth = 0;
    LONG tmWeight = 0;
};

class CDC {
public:
    CDC() = default;
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC m_hDC = nullptr;

    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }
    static CDC* FromHandle(HDC dc);
    BOOL Attach(HDC dc);
    HDC Detach();

    // A memory DC holding a 1 x 1 bitmap until one is selected.
    BOOL CreateCompatibleDC(CDC* dc);
    // "DISPLAY": the DC of the whole screen; every copy from it reads the screen as it is then.
    BOOL CreateDC(const QString& driver, const QString& device, const QString& output, const void* init);
    BOOL DeleteDC();

    CBitmap* SelectObject(CBitmap* bitmap);
    CPen* SelectObject(CPen* pen);
    CBrush* SelectObject(CBrush* brush);
    CFont* SelectObject(CFont* font);
    int SelectObject(CRgn* region);
    CGdiObject* SelectStockObject(int which);
    CBitmap* GetCurrentBitmap() const;
    CFont* GetCurrentFont() const;

    COLORREF SetTextColor(COLORREF color);
    COLORREF SetBkColor(COLORREF color);
    int SetBkMode(int mode);
    int SetROP2(int mode);
    int GetROP2() const;
    int SetStretchBltMode(int mode);
    int GetStretchBltMode() const;
    CPoint SetBrushOrg(int x, int y);
    CPoint SetViewportOrg(int x, int y);
    CPoint GetViewportOrg() const;
    int SelectClipRgn(CRgn* region);
    int IntersectClipRect(int l, int t, int r, int b);
    int ExcludeClipRect(int l, int t, int r, int b);
    int SaveDC();
    BOOL RestoreDC(int saved);

    BOOL BitBlt(int x, int y, int w, int h, CDC* src, int sx, int sy, DWORD rop);
    BOOL StretchBlt(int x, int y, int w, int h, CDC* src, int sx, int sy, int sw, int sh, DWORD rop);
    BOOL PatBlt(int x, int y, int w, int h, DWORD rop);
    BOOL TransparentBlt(int x, int y, int w, int h, CDC* src, int sx, int sy, int sw, int sh, UINT key);
    void FillSolidRect(int x, int y, int w, int h, COLORREF color);
    void FillSolidRect(const RECT* rect, COLORREF color);
    void FillRect(const RECT* rect, CBrush* brush);
    void FrameRect(const RECT* rect, CBrush* brush);
    void Draw3dRect(int x, int y, int w, int h, COLORREF topLeft, COLORREF bottomRight);
    void DrawFocusRect(const RECT* rect);
    BOOL InvertRect(const RECT* rect);

    CPoint MoveTo(int x, int y);
    BOOL LineTo(int x, int y);
    BOOL Rectangle(int l, int t, int r, int b);
    BOOL Rectangle(const RECT* rect) { return Rectangle(rect->left, rect->top, rect->right, rect->bottom); }
    BOOL Ellipse(int l, int t, int r, int b);
    BOOL Polyline(const POINT* points, int count);
    BOOL Polygon(const POINT* points, int count);
    COLORREF SetPixel(int x, int y, COLORREF color);
    COLORREF GetPixel(int x, int y) const;

    BOOL TextOut(int x, int y, const QString& text);
    int DrawText(const QString& text, RECT* rect, UINT format);
    CSize GetTextExtent(const QString& text) const;
    BOOL GetTextMetrics(TEXTMETRICW* metrics) const;

    // The image this DC draws on (null for an empty memory DC).
    QImage* GetImage() const;

    int GetDeviceCaps(int index) const;

private:
    bool m_owned = false;  // made by CreateCompatibleDC or CreateDC
};

// A DC on a window's surface for the length of a block; what was drawn
// reaches the screen when it ends.
class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* wnd);
    ~CClientDC() override;

private:
    HWND m_hWnd = nullptr;
};

// The DC of a WM_PAINT handler: the window's surface.
class CPaintDC : public CClientDC {
public:
    explicit CPaintDC(CWnd* wnd) : CClientDC(wnd) { }
};

// The same services for code that works with handles.
HDC CreateCompatibleDC(HDC dc);
BOOL DeleteDC(HDC dc);
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);
BOOL BitBlt(HDC dst, int x, int y, int w, int h, HDC src, int sx, int sy, DWORD rop);
BOOL StretchBlt(HDC dst, int x, int y, int w, int h, HDC src, int sx, int sy, int sw, int sh, DWORD rop);
BOOL PatBlt(HDC dc, int x, int y, int w, int h, DWORD rop);
BOOL TransparentBlt(HDC dst, int x, int y, int w, int h, HDC src, int sx, int sy, int sw, int sh, UINT key);
int SetStretchBltMode(HDC dc, int mode);
int SetROP2(HDC dc, int mode);
HBRUSH CreateSolidBrush(COLORREF color);
HPEN CreatePen(int style, int width, COLORREF color);
HFONT CreateFontIndirectW(const LOGFONTW* lf);
// A bitmap answers BITMAP, or DIBSECTION when the size allows it (every
// bitmap of this layer is device-independent memory: 32 bits, top-down rows).
int GetObjectW(HGDIOBJ object, int size, void* out);
inline int GetObject(HGDIOBJ object, int size, void* out)
{
    return GetObjectW(object, size, out);
}

// Device capabilities. Every DC of this layer draws in the screen's terms, and
// the screen is described as the program sees it, not as the X server does:
// 32 bits per pixel in 1 plane (a 24-bit-deep visual keeps its pixels in 32
// bits, and grabs hand them over as 0xFFRRGGBB), the primary screen's size in
// device pixels, the logical DPI Qt reports (96 without a screen), and the
// size in millimetres that this DPI gives (pixels x 25.4 / dpi, rounded) rather
// than the monitor's physical size, which X servers often do not know.
enum : int {
    HORZSIZE = 4,
    VERTSIZE = 6,
    HORZRES = 8,
    VERTRES = 10,
    BITSPIXEL = 12,
    PLANES = 14,
    LOGPIXELSX = 88,
    LOGPIXELSY = 90,
};
// 0 for an index not listed above or a null DC.
int GetDeviceCaps(HDC dc, int index);

// A bitmap's device-independent description.
struct DIBSECTION {
    BITMAP dsBm;
    BITMAPINFOHEADER dsBmih;
    DWORD dsBitfields[3] = {};
    void* dshSection = nullptr;
    DWORD dsOffset = 0;
};
// A DIB section whose pixels the caller may address through *bits for the
// bitmap's life. This layer's bitmaps are 32 bits per pixel, top-down, so
// the header must ask for that: BI_RGB, 1 plane, 32 bits, a negative height;
// any other layout, a file mapping (section) or a size that cannot be had
// gives null and *bits null. The pixels start black with the fourth byte 0xFF.
HBITMAP CreateDIBSection(
    HDC dc, const BITMAPINFO* info, UINT usage, void** bits, void* section, DWORD offset);

// System colours: the platform's default scheme, fixed so that drawing
// (and keyed copies against COLOR_BTNFACE) is the same on every machine.
enum : int {
    COLOR_SCROLLBAR = 0,
    COLOR_BACKGROUND = 1,
    COLOR_ACTIVECAPTION = 2,
    COLOR_WINDOW = 5,
    COLOR_WINDOWFRAME = 6,
    COLOR_MENU = 4,
    COLOR_WINDOWTEXT = 8,
    COLOR_HIGHLIGHT = 13,
    COLOR_HIGHLIGHTTEXT = 14,
    COLOR_BTNFACE = 15,
    COLOR_3DFACE = 15,
    COLOR_BTNSHADOW = 16,
    COLOR_GRAYTEXT = 17,
    COLOR_BTNTEXT = 18,
    COLOR_BTNHIGHLIGHT = 20,
    COLOR_3DDKSHADOW = 21,
    COLOR_3DLIGHT = 22,
    COLOR_INFOTEXT = 23,
    COLOR_INFOBK = 24,
};
DWORD GetSysColor(int index);
// A solid brush of a system colour, kept for the life of the process.
HBRUSH GetSysColorBrush(int index);

// Colour conversions between COLORREF (0x00BBGGRR) and the surface's pixels.
constexpr QRgb PixelFromColorref(COLORREF c)
{
    return 0xFF000000u | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}
constexpr COLORREF ColorrefFromPixel(QRgb p)
{
    return ((p >> 16) & 0xFFu) | (p & 0xFF00u) | ((p & 0xFFu) << 16);
}
