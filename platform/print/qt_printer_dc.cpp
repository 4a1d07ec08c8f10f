#include "platform/print/qt_printer_dc.h"

#include "platform/gdi/gdi_dib.h"
#include "platform/print/dev_mode.h"
#include "platform/print/printer_list.h"

#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <cstdlib>
#include <mutex>

CPrinterDC::~CPrinterDC() = default;

int CPrinterDC::Escape(int code, int, const void*, POINT* out) const
{
    if (code != GETPHYSPAGESIZE || !out)
        return 0;
    out->x = GetDeviceCaps(PHYSICALWIDTH);
    out->y = GetDeviceCaps(PHYSICALHEIGHT);
    return out->x > 0 && out->y > 0 ? 1 : 0;
}

namespace {

std::mutex g_factoryMutex;
PrinterDCFactory g_testFactory;

}  // namespace

void SetPrinterDCFactoryForTest(PrinterDCFactory factory)
{
    std::lock_guard lock(g_factoryMutex);
    g_testFactory = std::move(factory);
}

std::unique_ptr<QPrinter> MakeQtPrinter(const QString& device)
{
    std::unique_ptr<QPrinter> printer;
    if (IsPdfPrinter(device)) {
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
    } else if (IsPrinterQueue(device)) {
        const QPrinterInfo info = QPrinterInfo::printerInfo(device);
        if (info.isNull())
            return nullptr;
        printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    } else {
        return nullptr;
    }
    printer->setFullPage(true);
    return printer;
}

void ApplyDevMode(QPrinter& printer, const DEVMODE& devMode)
{
    if (devMode.dmPaperWidth > 0 && devMode.dmPaperLength > 0) {
        const QSizeF size(devMode.dmPaperWidth / 10.0, devMode.dmPaperLength / 10.0);
        printer.setPageSize(QPageSize(size, QPageSize::Millimeter,
            DevModeText(devMode.dmFormName, CCHFORMNAME), QPageSize::FuzzyMatch));
    }
    printer.setPageOrientation(
        devMode.dmOrientation == DMORIENT_LANDSCAPE ? QPageLayout::Landscape : QPageLayout::Portrait);
    if (devMode.dmYResolution > 0 && devMode.dmYResolution != printer.resolution())
        printer.setResolution(devMode.dmYResolution);
    printer.setFullPage(true);
}

std::unique_ptr<CPrinterDC> CreatePrinterDC(const DEVNAMES& names, const DEVMODE* devMode)
{
    PrinterDCFactory factory;
    {
        std::lock_guard lock(g_factoryMutex);
        factory = g_testFactory;
    }
    if (factory)
        return factory(names, devMode);
    std::unique_ptr<QPrinter> printer = MakeQtPrinter(names.device);
    if (!printer)
        return nullptr;
    if (devMode)
        ApplyDevMode(*printer, *devMode);
    // Copies are made by the job, page by page; the print system must not
    // repeat them.
    printer->setCopyCount(1);
    printer->setCollateCopies(false);
    const QString pdfFolder = IsPdfPrinter(names.device) ? PdfPrinterFolder() : QString();
    return std::make_unique<QtPrinterDC>(std::move(printer), pdfFolder);
}

QtPrinterDC::QtPrinterDC(std::unique_ptr<QPrinter> printer, QString pdfFolder)
    : m_printer(std::move(printer)), m_pdfFolder(std::move(pdfFolder))
{
}

QtPrinterDC::~QtPrinterDC()
{
    if (m_painter)
        AbortDoc();
}

bool QtPrinterDC::Failed() const
{
    return m_printer->printerState() == QPrinter::Error || m_printer->printerState() == QPrinter::Aborted;
}

void QtPrinterDC::EndPainter()
{
    if (m_painter && m_painter->isActive())
        m_painter->end();
    m_painter.reset();
    m_pagesStarted = 0;
}

int QtPrinterDC::StartDoc(const QString& documentName)
{
    if (m_painter)
        return 0;
    m_printer->setDocName(documentName);
    if (!m_pdfFolder.isEmpty()) {
        if (!QDir().mkpath(m_pdfFolder))
            return 0;
        m_printer->setOutputFileName(PdfFileForDocument(m_pdfFolder, documentName));
    }
    m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(m_printer.get()) || Failed()) {
        EndPainter();
        return 0;
    }
    return 1;
}

int QtPrinterDC::StartPage()
{
    if (!m_painter || Failed())
        return 0;
    // The painter's start opened the first page; each further one is a new page.
    if (m_pagesStarted > 0 && !m_printer->newPage())
        return 0;
    ++m_pagesStarted;
    m_painter->resetTransform();
    return 1;
}

int QtPrinterDC::EndPage()
{
    return m_painter && m_pagesStarted > 0 && !Failed() ? 1 : 0;
}

int QtPrinterDC::EndDoc()
{
    if (!m_painter)
        return 0;
    const bool ended = m_painter->end();
    m_painter.reset();
    m_pagesStarted = 0;
    if (!ended || Failed()) {
        if (!m_pdfFolder.isEmpty())
            QFile::remove(m_printer->outputFileName());
        return 0;
    }
    if (!m_pdfFolder.isEmpty() && QFile(m_printer->outputFileName()).size() <= 0) {
        QFile::remove(m_printer->outputFileName());
        return 0;
    }
    return 1;
}

int QtPrinterDC::AbortDoc()
{
    if (!m_painter)
        return 0;
    m_printer->abort();
    EndPainter();
    // The PDF printer's file is new to this job: a broken-off document goes.
    if (!m_pdfFolder.isEmpty())
        QFile::remove(m_printer->outputFileName());
    return 1;
}

int QtPrinterDC::GetDeviceCaps(int index) const
{
    switch (index) {
    case LOGPIXELSX:
        return m_printer->logicalDpiX();
    case LOGPIXELSY:
        return m_printer->logicalDpiY();
    case HORZRES:
        return m_printer->width();
    case VERTRES:
        return m_printer->height();
    case HORZSIZE:
        return m_printer->widthMM();
    case VERTSIZE:
        return m_printer->heightMM();
    case PHYSICALWIDTH:
        return m_printer->paperRect(QPrinter::DevicePixel).toRect().width();
    case PHYSICALHEIGHT:
        return m_printer->paperRect(QPrinter::DevicePixel).toRect().height();
    case BITSPIXEL:
        return 32;
    case PLANES:
        return 1;
    default:
        return 0;
    }
}

int QtPrinterDC::SetStretchBltMode(int mode)
{
    const int old = m_stretchMode;
    m_stretchMode = mode;
    return old;
}

CPoint QtPrinterDC::SetBrushOrg(int x, int y)
{
    const CPoint old = m_brushOrg;
    m_brushOrg = CPoint(x, y);
    return old;
}

int QtPrinterDC::StretchDIBits(int x, int y, int w, int h, int xSrc, int ySrc, int wSrc, int hSrc,
    const void* bits, const BITMAPINFO* info, UINT, DWORD)
{
    if (!m_painter || !bits || !info || wSrc <= 0 || hSrc <= 0)
        return 0;
    const BITMAPINFOHEADER& header = info->bmiHeader;
    const long long width = header.biWidth;
    const long long height = std::llabs(static_cast<long long>(header.biHeight));
    if (xSrc < 0 || ySrc < 0 || xSrc + static_cast<long long>(wSrc) > width ||
        ySrc + static_cast<long long>(hSrc) > height)
        return 0;
    const bool bottomUp = header.biHeight > 0;
    QImage band;
    if (header.biBitCount == 32 && header.biCompression == BI_RGB) {
        // The band's rows lie together in the block; a bottom-up block holds
        // them bottom row first, which the drawing below turns over.
        const qsizetype stride = DibStride(header.biWidth, 32);
        const auto* first = static_cast<const uchar*>(bits) + ySrc * stride + xSrc * qsizetype(4);
        band = QImage(first, wSrc, hSrc, stride, QImage::Format_RGB32);
    } else {
        const QImage whole = ImageFromDib(info, bits);
        if (whole.isNull())
            return 0;
        const long long top = bottomUp ? height - ySrc - hSrc : ySrc;
        band = whole.copy(xSrc, static_cast<int>(top), wSrc, hSrc).mirrored(false, bottomUp);
    }
    if (band.isNull())
        return 0;
    m_painter->save();
    m_painter->setRenderHint(QPainter::SmoothPixmapTransform, m_stretchMode == HALFTONE);
    m_painter->translate(x, y);
    if (bottomUp) {
        m_painter->translate(0, h);
        m_painter->scale(static_cast<double>(w) / wSrc, -static_cast<double>(h) / hSrc);
    } else {
        m_painter->scale(static_cast<double>(w) / wSrc, static_cast<double>(h) / hSrc);
    }
    m_painter->drawImage(QPointF(0, 0), band);
    m_painter->restore();
    return Failed() ? 0 : hSrc;
}

CFont* QtPrinterDC::SelectObject(CFont* font)
{
    CFont* old = m_font;
    m_font = font;
    return old;
}

int QtPrinterDC::SetBkMode(int mode)
{
    const int old = m_bkMode;
    m_bkMode = mode;
    return old;
}

CSize QtPrinterDC::GetTextExtent(const QString& text) const
{
    const QFontMetrics fm(m_font ? m_font->GetQFont() : QFont(), m_printer.get());
    return CSize(fm.horizontalAdvance(text), fm.height());
}

int QtPrinterDC::DrawText(const QString& text, RECT* rect, UINT)
{
    if (!m_painter || !rect)
        return 0;
    const QRect box(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top);
    const QFont font = m_font ? m_font->GetQFont() : QFont();
    const QFontMetrics fm(font, m_printer.get());
    const int flags = Qt::AlignLeft | Qt::AlignTop;
    if (m_bkMode == OPAQUE)
        m_painter->fillRect(fm.boundingRect(box, flags, text) & box, Qt::white);
    m_painter->setFont(font);
    m_painter->setPen(Qt::black);
    m_painter->drawText(box, flags, text);
    return fm.height();
}

QString QtPrinterDC::OutputFile() const
{
    return m_printer->outputFileName();
}

int QtPrinterDC::PrinterCopyCount() const
{
    return m_printer->copyCount();
}
