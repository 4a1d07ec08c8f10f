#include "print/print_out_printer.h"

#include "platform/dialog/printer_setup_dialog.h"
#include "platform/print/print_dialog.h"
#include "print/print_layout.h"
#include "print/printer_defaults.h"

namespace {

constexpr int kDeviceNameLimit = 520;
constexpr int kFormNameLength = 32;

// The process's printer defaults, as the print dialog reads and uses them.
class DefaultsPrinter : public PrintOutPrinter {
public:
    bool Read(PrinterSheet* sheet) override
    {
        CPrinterDefaults& defaults = ThePrinterDefaults();
        CPrinterDC* dc = defaults.GetPrinterDC();
        const DEVMODE* devMode = defaults.LockDevMode();
        CPrintDialog* dialog = defaults.GetPrintDialog();
        if (!dc || !devMode || !dialog || devMode->dmSize != kDevModeSize)
            return false;
        POINT paper{};
        if (dc->Escape(GETPHYSPAGESIZE, 0, nullptr, &paper) <= 0)
            return false;
        sheet->deviceName = dialog->GetDeviceName();
        sheet->formName = DevModeText(devMode->dmFormName, CCHFORMNAME);
        sheet->orientation = devMode->dmOrientation;
        sheet->copies = dialog->GetCopies();
        sheet->physicalWidth = paper.x;
        sheet->physicalHeight = paper.y;
        sheet->dpiX = dc->GetDeviceCaps(LOGPIXELSX);
        sheet->dpiY = dc->GetDeviceCaps(LOGPIXELSY);
        return true;
    }

    void Reinitialise() override
    {
        CPrinterDefaults& defaults = ThePrinterDefaults();
        defaults.Release();
        defaults.Init();
    }

    bool RunSetup(HWND owner) override
    {
        CPrintDialog* dialog = ThePrinterDefaults().GetPrintDialog();
        if (!dialog || !dialog->QtPrinter())
            return false;
        if (!RunPrinterSetupDialog(*dialog->QtPrinter(), owner))
            return false;
        // A printer that cannot be read now is found by the next Read.
        dialog->ApplyQtPrinter();
        return true;
    }

    int Print(CPrintLayout& layout, HBITMAP bitmap, const PrintJobOptions& options) override
    {
        CPrinterDefaults& defaults = ThePrinterDefaults();
        CPrintDialog* dialog = defaults.GetPrintDialog();
        if (!dialog)
            return PRINT_NO_PRINTER;
        return layout.PrintBitmap(dialog, defaults.LockDevMode(), bitmap, options);
    }
};

PrintOutPrinter* g_testPrinter = nullptr;

}  // namespace

std::optional<PrinterInfoTexts> MakePrinterInfoTexts(
    const PrinterSheet& sheet, int paperWidthTenths, int paperHeightTenths)
{
    if (sheet.deviceName.isEmpty() || sheet.deviceName.size() >= kDeviceNameLimit || sheet.formName.isEmpty())
        return std::nullopt;
    PrinterInfoTexts texts;
    texts.deviceName = sheet.deviceName;
    texts.formName = sheet.formName.left(kFormNameLength);
    texts.orientation = sheet.orientation == 1 ? QStringLiteral("縦") : QStringLiteral("横");
    texts.paperSize =
        QStringLiteral("%1mm(縦) × %2mm(横)")
            .arg(QString::number(paperHeightTenths / 10), QString::number(paperWidthTenths / 10));
    texts.copies = QString::number(sheet.copies == 0 ? 1 : sheet.copies);
    return texts;
}

PrintOutPrinter& CurrentPrintOutPrinter()
{
    static DefaultsPrinter defaults;
    return g_testPrinter ? *g_testPrinter : defaults;
}

void SetPrintOutPrinterForTesting(PrintOutPrinter* printer)
{
    g_testPrinter = printer;
}
