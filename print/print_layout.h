// The print engine's layout: how one image is cut into pages on a printer.
// From the paper size, the printer's resolution, the margins and a fit mode
// it works out how many image rows go on each page and at what scale, and
// where each page's band lands on paper. The same layout feeds the print
// dialog's preview. Every page is measured from the paper's corner.
#pragma once

#include "imaging/preset_font.h"
#include "platform/types/dib_types.h"
#include "platform/types/rect_types.h"

#include <QString>
#include <memory>

class CDC;
class CPrinterDC;
class CPrintDialog;
struct DEVMODE;

// What the print dialog asks of one job.
struct PrintJobOptions {
    int printPageNumbers = 0;  // 1: draw page numbers
    BYTE numberPosition = 1;   // 1 left, 2 centre, 3 right
    BYTE numberFormat = 1;     // 1: "%d", anything else: "%d/%d"
    int copies = 1;            // how often each page is printed
};

// Results of CPrintLayout::PrintBitmap.
enum : int {
    PRINT_DONE = 1,
    PRINT_NO_MEMORY = 2,   // "印刷する為のメモリ確保に失敗しました。"
    PRINT_NO_PRINTER = 3,  // "プリンタのセットアップに失敗しました。"
    PRINT_FAILED = 4,      // the job was refused or broke off: "印刷に失敗しました。"
};

// The fit modes (setting HowToPrint).
enum : int {
    FIT_MARGIN_WIDTH = 0,  // the image width fills the space between the margins
    FIT_ACTUAL_SIZE = 1,   // one printer pixel per image pixel
    FIT_ONE_PAGE = 2,      // the whole image on one page, aspect kept
};

// One page's share of the image: `rows` image rows drawn at the margins'
// corner, `destWidth` x `destHeight` printer pixels. `topRow` counts from the
// image's top; `sourceY` from the bottom of the bottom-up pixel block.
struct PrintBand {
    int topRow = 0;
    int sourceY = 0;
    int rows = 0;
    int destWidth = 0;
    int destHeight = 0;

    friend bool operator==(const PrintBand&, const PrintBand&) = default;
};

// The bytes of the block a job takes a bitmap into: header, colour table
// (2, 16 or 256 entries up to 8 bits) and bottom-up rows padded to 4 bytes,
// counted in 64 bits.
unsigned long long PrintBlockBytes(LONG width, LONG height, WORD bitCount);

class CPrintLayout {
public:
    CPrintLayout();
    ~CPrintLayout();
    CPrintLayout(const CPrintLayout&) = delete;
    CPrintLayout& operator=(const CPrintLayout&) = delete;

    // Stores the printer's LOGPIXELSX and LOGPIXELSY.
    void ReadDeviceResolution(CPrinterDC* printerDC);
    void SetResolution(double x, double y);
    // Margins in hundredths of a millimetre.
    void SetDefaultMargins(int left, int right, int top, int bottom);

    // Paper in tenths and margins in hundredths of a millimetre (always metric:
    // the margins' stored unit is the dialog's business). Returns the page
    // count, or 0 when no layout can be made: no resolution, an empty image,
    // or no printable width or height left between the margins.
    int Compute(int paperWidth, int paperHeight, CSize imageSize, int fitMode);

    // The band of page `page` (0-based) of the last Compute.
    PrintBand BandOfPage(int page) const;

    // Prints every page `copies` times (each page's copies together) on the
    // printer the dialog object names, with the settings of `devMode`.
    int PrintBitmap(CPrintDialog* dialog, DEVMODE* devMode, HBITMAP bitmap, const PrintJobOptions& options);

    // Draws one page number into the bottom margin of a page (paper or preview).
    void DrawPageNumber(CDC* dc, int page, CSize pageSize, const RECT& margins,
        const PrintJobOptions& options, const POINT* offset = nullptr);
    void DrawPageNumber(CPrinterDC* dc, int page, CSize pageSize, const RECT& margins,
        const PrintJobOptions& options, const POINT* offset = nullptr);

    int GetPageCount() const { return m_pageCount; }
    int GetRowsPerPage() const { return m_rowsPerPage; }
    int GetBandWidth() const { return m_bandWidth; }
    CSize GetImageSize() const { return CSize(m_imageWidth, m_imageHeight); }
    CSize GetPageSize() const { return CSize(m_pageWidth, m_pageHeight); }
    // Margins in printer pixels (left, top, right, bottom).
    RECT GetMargins() const { return m_margins; }
    double GetScaleX() const { return m_scaleX; }
    double GetScaleY() const { return m_scaleY; }
    double GetResolutionX() const { return m_resolutionX; }
    double GetResolutionY() const { return m_resolutionY; }
    // Margins in hundredths of a millimetre (left, top, right, bottom).
    RECT GetDefaultMargins() const { return m_defaultMargins; }

private:
    template <class DC>
    void DrawPageNumberOn(DC& dc, int page, CSize pageSize, const RECT& margins,
        const PrintJobOptions& options, const POINT* offset);
    void Clear();
    int RunJob(CPrinterDC& dc, const BITMAPINFO* info, const void* bits, const PrintJobOptions& options);

    int m_imageWidth = 0;
    int m_imageHeight = 0;
    int m_bandWidth = 0;
    int m_rowsPerPage = 0;
    RECT m_margins;
    int m_pageWidth = 0;
    int m_pageHeight = 0;
    double m_scaleX = 0.0;
    double m_scaleY = 0.0;
    int m_pageCount = 0;
    double m_resolutionX = 0.0;
    double m_resolutionY = 0.0;
    RECT m_defaultMargins;
    CPresetFont m_pageNumberFont;
};
