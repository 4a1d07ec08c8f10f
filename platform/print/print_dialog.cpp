#include "platform/print/print_dialog.h"

#include "platform/print/printer_list.h"
#include "platform/print/qt_printer_dc.h"

#include <QPageSize>
#include <QPrinter>
#include <algorithm>
#include <cmath>

void SetDevModeText(char16_t* field, int capacity, const QString& text)
{
    const int n = std::min<int>(text.size(), capacity - 1);
    std::fill(field, field + capacity, u'\0');
    std::copy(text.utf16(), text.utf16() + n, field);
}

QString DevModeText(const char16_t* field, int capacity)
{
    const char16_t* end = std::find(field, field + capacity, u'\0');
    return QString::fromUtf16(field, end - field);
}

void DevModeFromQtPrinter(const QPrinter& printer, const QString& device, DEVMODE* devMode)
{
    *devMode = DEVMODE{};
    SetDevModeText(devMode->dmDeviceName, CCHDEVICENAME, device);
    const QPageLayout layout = printer.pageLayout();
    devMode->dmOrientation =
        layout.orientation() == QPageLayout::Landscape ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
    const QSizeF paper = layout.pageSize().size(QPageSize::Millimeter);  // portrait
    devMode->dmPaperWidth = static_cast<short>(std::lround(paper.width() * 10));
    devMode->dmPaperLength = static_cast<short>(std::lround(paper.height() * 10));
    SetDevModeText(devMode->dmFormName, CCHFORMNAME, layout.pageSize().name());
    devMode->dmCopies = static_cast<short>(std::clamp(printer.copyCount(), 1, 9999));
    devMode->dmPrintQuality = static_cast<short>(printer.resolution());
    devMode->dmYResolution = static_cast<short>(printer.resolution());
    devMode->dmCollate = printer.collateCopies() ? 1 : 0;
}

CPrintDialog::CPrintDialog(BOOL printSetupOnly, DWORD flags, CWnd*) : m_setupOnly(printSetupOnly)
{
    m_pd.Flags = flags;
}

CPrintDialog::~CPrintDialog()
{
    Clear();
}

void CPrintDialog::Clear()
{
    m_pd.hDC = nullptr;
    m_pd.hDevMode = nullptr;
    m_pd.hDevNames = nullptr;
    m_dc.reset();
    m_devMode.reset();
    m_devNames.reset();
}

BOOL CPrintDialog::GetDefaults()
{
    const QString name = DefaultPrinterName();
    return !name.isEmpty() && SelectPrinter(name);
}

BOOL CPrintDialog::SelectPrinter(const QString& name)
{
    std::unique_ptr<QPrinter> printer = MakeQtPrinter(name);
    if (!printer)
        return FALSE;
    m_printer = std::move(printer);
    return ApplyQtPrinter();
}

BOOL CPrintDialog::ApplyQtPrinter()
{
    Clear();
    if (!m_printer)
        return FALSE;
    // The setup dialog may have switched to another queue, or to a file.
    QString device = m_printer->printerName();
    if (m_printer->outputFormat() == QPrinter::PdfFormat || device.isEmpty())
        device = QString::fromUtf16(kPdfPrinterName);
    auto names = std::make_unique<DEVNAMES>();
    names->device = device;
    names->driver = IsPdfPrinter(device) ? QStringLiteral("PDF") : QStringLiteral("CUPS");
    names->output = IsPdfPrinter(device) ? PdfPrinterFolder() : device;
    auto devMode = std::make_unique<DEVMODE>();
    DevModeFromQtPrinter(*m_printer, device, devMode.get());
    std::unique_ptr<CPrinterDC> dc = CreatePrinterDC(*names, devMode.get());
    if (!dc)
        return FALSE;
    m_devNames = std::move(names);
    m_devMode = std::move(devMode);
    m_dc = std::move(dc);
    m_pd.hDevNames = m_devNames.get();
    m_pd.hDevMode = m_devMode.get();
    m_pd.hDC = m_dc.get();
    m_pd.nCopies = static_cast<WORD>(m_devMode->dmCopies);
    return TRUE;
}

QString CPrintDialog::GetDriverName() const
{
    return m_devNames ? m_devNames->driver : QString();
}

QString CPrintDialog::GetDeviceName() const
{
    return m_devNames ? m_devNames->device : QString();
}

QString CPrintDialog::GetPortName() const
{
    return m_devNames ? m_devNames->output : QString();
}
