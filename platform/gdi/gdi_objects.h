// Drawing objects behind the GDI handles: bitmaps are QImages of Format_RGB32
// (never QPixmap, so workers may use them), pens, brushes, fonts and regions
// are small value records. A handle is a pointer to one of these records;
// DeleteObject frees it, stock objects are never freed.
#pragma once

#include "platform/types/types.h"

#include <QFont>
#include <QImage>
#include <QRegion>

class CGdiObject;

struct LOGFONTW {
    LONG lfHeight = 0;
    LONG lfWidth = 0;
    LONG lfEscapement = 0;
    LONG lfOrientation = 0;
    LONG lfWeight = 0;
    BYTE lfItalic = 0;
    BYTE lfUnderline = 0;
    BYTE lfStrikeOut = 0;
    BYTE lfCharSet = 0;
    BYTE lfOutPrecision = 0;
    BYTE lfClipPrecision = 0;
    BYTE lfQuality = 0;
    BYTE lfPitchAndFamily = 0;
    char16_t lfFaceName[32] = {};
};
constexpr int LF_FACESIZE = 32;

struct GdiObject {
    enum class Kind { Bitmap, Pen, Brush, Font, Region };
    explicit GdiObject(Kind k) : kind(k) { }
    virtual ~GdiObject();
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    const Kind kind;
    bool stock = false;
    CGdiObject* wrapper = nullptr;      // the object that owns the handle, if any
    CGdiObject* tempWrapper = nullptr;  // made by FromHandle, owned here
};

struct GdiBitmap : GdiObject {
    GdiBitmap() : GdiObject(Kind::Bitmap) { }
    QImage image;  // Format_RGB32
    // Its pixel memory has been handed out (bmBits, a DIB section, an attached
    // picture): the image may change its pixels but never its memory.
    bool bitsHandedOut = false;
};

struct GdiPen : GdiObject {
    GdiPen() : GdiObject(Kind::Pen) { }
    int style = 0;
    int width = 1;
    COLORREF color = 0;
};

struct GdiBrush : GdiObject {
    GdiBrush() : GdiObject(Kind::Brush) { }
    bool hollow = false;
    COLORREF color = 0;
};

struct GdiFont : GdiObject {
    GdiFont() : GdiObject(Kind::Font) { }
    LOGFONTW logFont;
    QFont font;
};

struct GdiRegion : GdiObject {
    GdiRegion() : GdiObject(Kind::Region) { }
    QRegion region;
};

// NULLREGION, SIMPLEREGION (one rectangle) or COMPLEXREGION.
int RegionKind(const QRegion& region);

using HGDIOBJ = GdiObject*;
using HBITMAP = GdiBitmap*;
using HPEN = GdiPen*;
using HBRUSH = GdiBrush*;
using HFONT = GdiFont*;
using HRGN = GdiRegion*;

struct GdiDc;
using HDC = GdiDc*;

BOOL DeleteObject(HGDIOBJ object);

// Stock objects.
enum : int {
    WHITE_BRUSH = 0,
    LTGRAY_BRUSH = 1,
    GRAY_BRUSH = 2,
    DKGRAY_BRUSH = 3,
    BLACK_BRUSH = 4,
    NULL_BRUSH = 5,
    HOLLOW_BRUSH = 5,
    WHITE_PEN = 6,
    BLACK_PEN = 7,
    NULL_PEN = 8,
    SYSTEM_FONT = 13,
    DEFAULT_GUI_FONT = 17,
};
HGDIOBJ GetStockObject(int which);

// Pen styles.
enum : int {
    PS_SOLID = 0,
    PS_DASH = 1,
    PS_DOT = 2,
    PS_DASHDOT = 3,
    PS_DASHDOTDOT = 4,
    PS_NULL = 5,
    PS_INSIDEFRAME = 6,
};

// Font weights and the character sets, precisions and families of LOGFONTW.
enum : int {
    FW_DONTCARE = 0,
    FW_NORMAL = 400,
    FW_BOLD = 700,
    ANSI_CHARSET = 0,
    DEFAULT_CHARSET = 1,
    SHIFTJIS_CHARSET = 128,
    OUT_DEFAULT_PRECIS = 0,
    OUT_STRING_PRECIS = 1,
    OUT_STROKE_PRECIS = 3,
    CLIP_DEFAULT_PRECIS = 0,
    CLIP_STROKE_PRECIS = 2,
    DEFAULT_QUALITY = 0,
    DRAFT_QUALITY = 1,
    DEFAULT_PITCH = 0,
    FIXED_PITCH = 1,
    VARIABLE_PITCH = 2,
    FF_DONTCARE = 0x00,
    FF_ROMAN = 0x10,
    FF_SWISS = 0x20,
    FF_MODERN = 0x30,
    FF_SCRIPT = 0x40,
    FF_DECORATIVE = 0x50,
};

// The Qt font for a font description: the platform's face names are replaced
// by installed faces (IPA fonts for the Japanese ones), the pixel size comes
// from the height, weight 700 and above is bold.
QFont QFontFromLogFont(const LOGFONTW& lf);
// The installed face used for a face name of the platform.
QString SubstituteFontFace(const QString& face);
