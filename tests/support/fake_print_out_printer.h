// A printer of the test's own for the print dialog: A4 portrait at 100 dpi
// unless told otherwise, a setup that answers from the script, and jobs that
// are recorded instead of printed. While one lives the dialog uses it.
#pragma once

#include "print/print_layout.h"
#include "print/print_out_printer.h"

#include <QList>
#include <optional>

// A4 portrait at 100 dpi: 210 x 297 mm.
inline PrinterSheet A4SheetAt100Dpi()
{
    PrinterSheet sheet;
    sheet.deviceName = QStringLiteral("Test Printer");
    sheet.formName = QStringLiteral("A4");
    sheet.orientation = 1;
    sheet.copies = 0;
    sheet.physicalWidth = 827;
    sheet.physicalHeight = 1169;
    sheet.dpiX = sheet.dpiY = 100;
    return sheet;
}

class FakePrintOutPrinter : public PrintOutPrinter {
public:
    struct Job {
        PrintJobOptions options;
        int pages = 0;
        SIZE image{};
    };

    FakePrintOutPrinter() { SetPrintOutPrinterForTesting(this); }
    ~FakePrintOutPrinter() override { SetPrintOutPrinterForTesting(nullptr); }
    FakePrintOutPrinter(const FakePrintOutPrinter&) = delete;
    FakePrintOutPrinter& operator=(const FakePrintOutPrinter&) = delete;

    std::optional<PrinterSheet> sheet = A4SheetAt100Dpi();  // none: no printer
    std::optional<PrinterSheet> afterSetup;                 // none: the setup is cancelled
    int printResult = PRINT_DONE;
    int reinitialised = 0;
    QList<Job> jobs;

    bool Read(PrinterSheet* out) override
    {
        if (!sheet)
            return false;
        *out = *sheet;
        return true;
    }
    void Reinitialise() override { ++reinitialised; }
    bool RunSetup(HWND) override
    {
        if (!afterSetup)
            return false;
        sheet = afterSetup;
        return true;
    }
    int Print(CPrintLayout& layout, HBITMAP bitmap, const PrintJobOptions& options) override
    {
        if (!bitmap)
            return PRINT_NO_MEMORY;
        const CSize image = layout.GetImageSize();
        jobs << Job{options, layout.GetPageCount(), SIZE{image.cx, image.cy}};
        return printResult;
    }
};
