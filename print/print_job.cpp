// The print job: the bitmap's pixels taken once into a device-independent
// block, then each page's band sent to the printer with one stretching blit
// per page and copy, with the page number below it.
#include "core/settings/app_settings.h"
#include "core/shared_paths.h"
#include "platform/clipboard/global_memory.h"
#include "platform/gdi/gdi_dib.h"
#include "platform/print/print_dialog.h"
#include "platform/window/cursor.h"
#include "print/page_number.h"
#include "print/print_layout.h"

#include <limits>

namespace {

// The bitmap's header as the block describes it: bottom-up rows of its own
// bit count. Sizes are worked out in 64 bits: a tall scroll capture passes
// 2^31 bits. False when the bitmap cannot be described or is too large.
bool DescribeBitmap(HBITMAP bitmap, BITMAPINFOHEADER* header, unsigned long long* blockBytes)
{
    BITMAP bm;
    if (!GetObjectW(bitmap, sizeof bm, &bm) || bm.bmWidth <= 0 || bm.bmHeight <= 0)
        return false;
    *header = BITMAPINFOHEADER{};
    header->biSize = sizeof(BITMAPINFOHEADER);
    header->biWidth = bm.bmWidth;
    header->biHeight = bm.bmHeight;
    header->biPlanes = 1;
    header->biBitCount = static_cast<WORD>(bm.bmPlanes * bm.bmBitsPixel);
    header->biCompression = BI_RGB;
    const unsigned long long image =
        static_cast<unsigned long long>(DibStride(bm.bmWidth, header->biBitCount)) * bm.bmHeight;
    if (image > std::numeric_limits<DWORD>::max())
        return false;
    header->biSizeImage = static_cast<DWORD>(image);
    *blockBytes = PrintBlockBytes(bm.bmWidth, bm.bmHeight, header->biBitCount);
    return true;
}

// The block a job reads its bands from; freed with the job.
class PixelBlock {
public:
    explicit PixelBlock(unsigned long long bytes)
    {
        if (bytes <= std::numeric_limits<SIZE_T>::max())
            m_block = GlobalAlloc(GHND, static_cast<SIZE_T>(bytes));
        m_data = m_block ? GlobalLock(m_block) : nullptr;
    }
    ~PixelBlock()
    {
        if (m_block) {
            GlobalUnlock(m_block);
            GlobalFree(m_block);
        }
    }
    PixelBlock(const PixelBlock&) = delete;
    PixelBlock& operator=(const PixelBlock&) = delete;

    void* Data() const { return m_data; }

private:
    HGLOBAL m_block = nullptr;
    void* m_data = nullptr;
};

}  // namespace

unsigned long long PrintBlockBytes(LONG width, LONG height, WORD bitCount)
{
    if (width <= 0 || height <= 0)
        return 0;
    const unsigned long long stride = (static_cast<unsigned long long>(width) * bitCount + 31) / 32 * 4;
    const unsigned long long colours = bitCount <= 8 ? 1ull << bitCount : 0;
    return sizeof(BITMAPINFOHEADER) + colours * sizeof(RGBQUAD) +
        stride * static_cast<unsigned long long>(height);
}

int CPrintLayout::PrintBitmap(
    CPrintDialog* dialog, DEVMODE* devMode, HBITMAP bitmap, const PrintJobOptions& options)
{
    if (!dialog || (dialog->GetDriverName().isEmpty() && !dialog->GetDefaults()))
        return PRINT_NO_PRINTER;
    BITMAPINFOHEADER header;
    unsigned long long blockBytes = 0;
    if (!bitmap || m_pageCount <= 0 || !DescribeBitmap(bitmap, &header, &blockBytes))
        return PRINT_FAILED;
    // The bands were laid out for an image of this size; another would be read past its end.
    if (header.biWidth != m_imageWidth || header.biHeight != m_imageHeight)
        return PRINT_FAILED;

    std::unique_ptr<CPrinterDC> dc = CreatePrinterDC(*dialog->m_pd.hDevNames, devMode);
    if (!dc)
        return PRINT_FAILED;
    PixelBlock block(blockBytes);
    if (!block.Data())
        return PRINT_NO_MEMORY;
    auto* info = static_cast<BITMAPINFO*>(block.Data());
    info->bmiHeader = header;
    auto* bits = static_cast<BYTE*>(block.Data()) + (blockBytes - header.biSizeImage);
    // Every bitmap is 32-bit: no palette to realise for the copy.
    if (GetDIBits(nullptr, bitmap, 0, static_cast<UINT>(m_imageHeight), bits, info, DIB_RGB_COLORS) !=
        m_imageHeight)
        return PRINT_FAILED;
    return RunJob(*dc, info, bits, options);
}

int CPrintLayout::RunJob(
    CPrinterDC& dc, const BITMAPINFO* info, const void* bits, const PrintJobOptions& options)
{
    if (dc.StartDoc(g_szCaptureTitle) <= 0)
        return PRINT_FAILED;
    CWaitCursor wait;
    const int copies = std::max(1, options.copies);
    const CSize pageSize(m_pageWidth, m_pageHeight);
    for (int page = 0; page < m_pageCount; ++page) {
        const PrintBand band = BandOfPage(page);
        for (int copy = 0; copy < copies; ++copy) {
            if (dc.StartPage() <= 0) {
                dc.AbortDoc();
                return PRINT_FAILED;
            }
            if (AppSettings.ImageComplement == 1) {
                dc.SetStretchBltMode(HALFTONE);
                dc.SetBrushOrg(0, 0);
            } else {
                dc.SetStretchBltMode(COLORONCOLOR);
            }
            dc.StretchDIBits(m_margins.left, m_margins.top, band.destWidth, band.destHeight, 0, band.sourceY,
                m_bandWidth, band.rows, bits, info, DIB_RGB_COLORS, SRCCOPY);
            DrawPageNumber(&dc, page + 1, pageSize, m_margins, options);
            if (dc.EndPage() <= 0) {
                dc.AbortDoc();
                return PRINT_FAILED;
            }
        }
    }
    return dc.EndDoc() > 0 ? PRINT_DONE : PRINT_FAILED;
}

template <class DC>
void CPrintLayout::DrawPageNumberOn(DC& dc, int page, CSize pageSize, const RECT& margins,
    const PrintJobOptions& options, const POINT* offset)
{
    if (options.printPageNumbers != 1)
        return;
    LOGFONTW lf = *m_pageNumberFont.GetLogFont();
    lf.lfHeight = PageNumberFontHeight(pageSize.cy);
    lf.lfWeight = FW_NORMAL;
    CFont font;
    font.CreateFontIndirectW(&lf);
    CFont* oldFont = dc.SelectObject(&font);
    const QString text = PageNumberText(page, m_pageCount, options.numberFormat);
    const CSize extent = dc.GetTextExtent(text);
    RECT rect = PageNumberRect(
        pageSize.cx, pageSize.cy, margins, options.numberPosition, extent.cx, extent.cy, offset);
    const int oldMode = dc.SetBkMode(TRANSPARENT);
    dc.DrawText(text, &rect, 0);
    dc.SetBkMode(oldMode);
    dc.SelectObject(oldFont);
}

void CPrintLayout::DrawPageNumber(CDC* dc, int page, CSize pageSize, const RECT& margins,
    const PrintJobOptions& options, const POINT* offset)
{
    if (dc)
        DrawPageNumberOn(*dc, page, pageSize, margins, options, offset);
}

void CPrintLayout::DrawPageNumber(CPrinterDC* dc, int page, CSize pageSize, const RECT& margins,
    const PrintJobOptions& options, const POINT* offset)
{
    if (dc)
        DrawPageNumberOn(*dc, page, pageSize, margins, options, offset);
}
