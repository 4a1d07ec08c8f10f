#include "print/print_layout.h"

#include "core/geometry.h"
#include "platform/print/printer_dc.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kTenthsMmPerInch = 254.0;
constexpr double kHundredthsMmPerInch = 2540.0;

// Source rows and their printable size for one fit mode.
struct FitResult {
    double printableWidth = 0.0;
    double printableHeight = 0.0;
    double sourceRows = 0.0;
};

FitResult Fit(int fitMode, double printableWidth, double printableHeight, int w, int h)
{
    FitResult fit{printableWidth, printableHeight, 0.0};
    switch (fitMode) {
    case FIT_ACTUAL_SIZE:
        fit.printableWidth = w;
        fit.sourceRows = printableHeight;
        break;
    case FIT_ONE_PAGE: {
        const double aspect = static_cast<double>(h) / w;
        if (printableHeight / h > printableWidth / w)
            fit.printableHeight = std::trunc(aspect * printableWidth);
        else
            fit.printableWidth = std::trunc(printableHeight / aspect);
        fit.sourceRows = h;
        break;
    }
    default:
        fit.sourceRows = printableHeight / printableWidth * w;
        break;
    }
    return fit;
}

}  // namespace

CPrintLayout::CPrintLayout() : m_pageNumberFont(28)
{
}

CPrintLayout::~CPrintLayout() = default;

void CPrintLayout::ReadDeviceResolution(CPrinterDC* printerDC)
{
    m_resolutionX = printerDC ? printerDC->GetDeviceCaps(LOGPIXELSX) : 0;
    m_resolutionY = printerDC ? printerDC->GetDeviceCaps(LOGPIXELSY) : 0;
}

void CPrintLayout::SetResolution(double x, double y)
{
    m_resolutionX = x;
    m_resolutionY = y;
}

void CPrintLayout::SetDefaultMargins(int left, int right, int top, int bottom)
{
    m_defaultMargins = RECT{left, top, right, bottom};
}

void CPrintLayout::Clear()
{
    m_imageWidth = m_imageHeight = m_bandWidth = m_rowsPerPage = m_pageCount = 0;
    m_pageWidth = m_pageHeight = 0;
    m_margins = RECT{};
    m_scaleX = m_scaleY = 0.0;
}

int CPrintLayout::Compute(int paperWidth, int paperHeight, CSize imageSize, int fitMode)
{
    Clear();
    const int w = imageSize.cx;
    const int h = imageSize.cy;
    if (m_resolutionX <= 0 || m_resolutionY <= 0 || w <= 0 || h <= 0)
        return 0;

    const double pageWidth = paperWidth / kTenthsMmPerInch * m_resolutionX;
    const double pageHeight = paperHeight / kTenthsMmPerInch * m_resolutionY;
    const double left = m_defaultMargins.left / kHundredthsMmPerInch * m_resolutionX;
    const double right = m_defaultMargins.right / kHundredthsMmPerInch * m_resolutionX;
    const double top = m_defaultMargins.top / kHundredthsMmPerInch * m_resolutionY;
    const double bottom = m_defaultMargins.bottom / kHundredthsMmPerInch * m_resolutionY;
    const double printableWidth = pageWidth - (left + right);
    const double printableHeight = pageHeight - (top + bottom);
    if (printableWidth <= 0 || printableHeight <= 0)
        return 0;

    const FitResult fit = Fit(fitMode, printableWidth, printableHeight, w, h);
    m_imageWidth = w;
    m_imageHeight = h;
    m_pageWidth = static_cast<int>(pageWidth);
    m_pageHeight = static_cast<int>(pageHeight);
    m_margins = RECT{RoundHalfAway(left), RoundHalfAway(top), RoundHalfAway(right), RoundHalfAway(bottom)};
    m_bandWidth = w;
    // A very narrow image on a wide page would round to no rows at all.
    m_rowsPerPage = std::max(1, RoundHalfAway(fit.sourceRows));
    m_scaleX = fit.printableWidth / w;
    m_scaleY = fit.sourceRows > 0 ? fit.printableHeight / fit.sourceRows : 0.0;
    m_pageCount = h / m_rowsPerPage + (h % m_rowsPerPage ? 1 : 0);
    return m_pageCount;
}

PrintBand CPrintLayout::BandOfPage(int page) const
{
    PrintBand band;
    if (page < 0 || page >= m_pageCount)
        return band;
    const long long r = m_rowsPerPage;
    const long long h = m_imageHeight;
    band.destWidth = static_cast<int>(m_imageWidth * m_scaleX);
    band.topRow = static_cast<int>(page * r);
    if ((page + 1) * r > h) {
        band.rows = static_cast<int>(h - page * r);
        band.sourceY = 0;
    } else {
        band.rows = m_rowsPerPage;
        band.sourceY = static_cast<int>(h - (page + 1) * r);
    }
    band.destHeight = static_cast<int>(band.rows * m_scaleY);
    return band;
}
