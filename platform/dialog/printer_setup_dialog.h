// The printer setup: Qt's print dialog on a printer, where the user chooses
// the printer, the paper, the orientation and the copies. What the user
// chose is written into the printer on OK and nowhere on Cancel. Tests
// install a hook that answers in place of the dialog.
#pragma once

#include "platform/types/hwnd.h"

#include <QString>
#include <functional>
#include <optional>

class QPrinter;

// Shows the dialog modally over owner; true on OK.
bool RunPrinterSetupDialog(QPrinter& printer, HWND owner);

struct PrinterSetupRequest {
    HWND owner = nullptr;
    QString printerName;
    int copies = 1;
    bool landscape = false;
    QString paperName;
};
// A scripted OK: what the user chose.
struct PrinterSetupChoice {
    int copies = 1;
    bool landscape = false;
    QString paperName;  // a paper size's name ("A4", "Letter"); empty keeps the paper
};
// The choice, or nothing for Cancel.
using PrinterSetupHook = std::function<std::optional<PrinterSetupChoice>(const PrinterSetupRequest&)>;
// While a hook is set no dialog is shown; an empty hook restores the real one.
void SetPrinterSetupHookForTesting(PrinterSetupHook hook);
