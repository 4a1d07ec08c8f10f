// The printer as the print dialog sees it: what it reads of the current
// printer (name, paper, orientation, copies, page size and resolution), the
// texts it shows of them, the printer setup, and the job. The process's
// printer defaults stand behind it; a test puts its own printer in their place.
#pragma once

#include "platform/gdi/gdi.h"
#include "platform/types/hwnd.h"
#include "platform/types/types.h"

#include <QString>
#include <optional>

class CPrintLayout;
struct PrintJobOptions;

// The current printer's figures.
struct PrinterSheet {
    QString deviceName;
    QString formName;       // the paper's name
    int orientation = 1;    // 1 portrait, 2 landscape
    int copies = 1;         // from the printer setup; 0 counts as 1
    int physicalWidth = 0;  // the whole paper in printer pixels
    int physicalHeight = 0;
    int dpiX = 0;
    int dpiY = 0;
};

// The five texts of the information edits.
struct PrinterInfoTexts {
    QString deviceName;
    QString formName;
    QString orientation;
    QString paperSize;
    QString copies;
};

// The texts for a printer on paper of the given size (tenths of a millimetre);
// none when the device name is empty or 520 characters or longer, or the
// paper has no name.
std::optional<PrinterInfoTexts> MakePrinterInfoTexts(
    const PrinterSheet& sheet, int paperWidthTenths, int paperHeightTenths);

class PrintOutPrinter {
public:
    virtual ~PrintOutPrinter() = default;
    // Reads the current printer; false when there is none that can be used.
    virtual bool Read(PrinterSheet* sheet) = 0;
    // Lets the printer go and takes the default printer again.
    virtual void Reinitialise() = 0;
    // The printer setup (printer, paper, orientation, copies); true on OK.
    virtual bool RunSetup(HWND owner) = 0;
    // Prints the bitmap as the layout has laid it out; a PRINT_* result.
    virtual int Print(CPrintLayout& layout, HBITMAP bitmap, const PrintJobOptions& options) = 0;
};

// The process's printer: the printer defaults, or the test's printer.
PrintOutPrinter& CurrentPrintOutPrinter();
// Null puts the printer defaults back.
void SetPrintOutPrinterForTesting(PrintOutPrinter* printer);
