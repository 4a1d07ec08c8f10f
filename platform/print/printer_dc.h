// A printer's device context: the calls a print job makes on a printer, from
// the start of the document to its end. The page's origin is the paper's
// corner, so what is drawn at (x, y) lands x and y printer pixels from the
// paper's edges. A job is built as StartDoc, then StartPage ... EndPage for
// each page, then EndDoc; AbortDoc throws the document away instead.
// Calls answer > 0 (or TRUE) on success and 0 or less on failure, as the
// platform's do.
#pragma once

#include "platform/gdi/gdi.h"

#include <QString>
#include <functional>
#include <memory>

// Device capabilities of printers, beyond the screen's (gdi.h).
enum : int {
    PHYSICALWIDTH = 110,  // the paper in printer pixels
    PHYSICALHEIGHT = 111,
    PHYSICALOFFSETX = 112,  // the printable area's corner on paper: 0, the origin is the paper's corner
    PHYSICALOFFSETY = 113,
};
// Escape codes.
enum : int {
    GETPHYSPAGESIZE = 12,
};

struct DEVMODE;

class CPrinterDC {
public:
    virtual ~CPrinterDC();

    virtual int StartDoc(const QString& documentName) = 0;
    virtual int StartPage() = 0;
    virtual int EndPage() = 0;
    virtual int EndDoc() = 0;
    virtual int AbortDoc() = 0;

    virtual int GetDeviceCaps(int index) const = 0;
    // GETPHYSPAGESIZE: the paper's size in printer pixels into *out; > 0 on success.
    int Escape(int code, int inSize, const void* in, POINT* out) const;

    virtual int SetStretchBltMode(int mode) = 0;
    virtual CPoint SetBrushOrg(int x, int y) = 0;
    // Draws source rows of a DIB (bottom-up when biHeight > 0, ySrc then
    // counting from the bottom) stretched into the rectangle at (x, y).
    // Palette work is not needed: every surface is 32-bit.
    virtual int StretchDIBits(int x, int y, int w, int h, int xSrc, int ySrc, int wSrc, int hSrc,
        const void* bits, const BITMAPINFO* info, UINT usage, DWORD rop) = 0;

    virtual CFont* SelectObject(CFont* font) = 0;
    virtual int SetBkMode(int mode) = 0;
    virtual CSize GetTextExtent(const QString& text) const = 0;
    virtual int DrawText(const QString& text, RECT* rect, UINT format) = 0;
};

struct DEVNAMES;

// CreateDC and ResetDC of a printer: a DC for the printer `names` gives, set
// up by `devMode` (may be null: the printer's own settings). The printer's own
// copy count is 1; a job makes its copies itself. Null when the printer is
// not there.
std::unique_ptr<CPrinterDC> CreatePrinterDC(const DEVNAMES& names, const DEVMODE* devMode);

using PrinterDCFactory = std::function<std::unique_ptr<CPrinterDC>(const DEVNAMES&, const DEVMODE*)>;
// Tests print on a device of their own; an empty factory puts the printers back.
void SetPrinterDCFactoryForTest(PrinterDCFactory factory);
