// The process-wide default printer: one print dialog object holding the
// printer's DC, settings and names, kept for the whole run so that a printer
// chosen in the setup dialog stays chosen. Made on first use and let go when
// the application ends.
#pragma once

#include "platform/print/print_dialog.h"

#include <memory>

class CPrinterDefaults {
public:
    CPrinterDefaults() = default;
    ~CPrinterDefaults();
    CPrinterDefaults(const CPrinterDefaults&) = delete;
    CPrinterDefaults& operator=(const CPrinterDefaults&) = delete;

    // A full print dialog object on the default printer, taken without a
    // window; later runs of the dialog show it. FALSE when there is no printer.
    BOOL Init();
    void Release();
    // The printer's settings (null without a printer).
    DEVMODE* LockDevMode();
    void UnlockDevMode() { }
    // The information DC (null without a printer).
    CPrinterDC* GetPrinterDC();
    CPrintDialog* GetPrintDialog() { return m_dialog.get(); }

private:
    std::unique_ptr<CPrintDialog> m_dialog;
};

// The one instance; it is released when the application object goes.
CPrinterDefaults& ThePrinterDefaults();
