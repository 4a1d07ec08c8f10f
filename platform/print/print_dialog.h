// The print dialog object: the printer chosen, with its settings (device
// mode), its names (device names) and an information DC for its page size
// and resolution. GetDefaults takes the default printer without a window.
// The printer setup shows Qt's print dialog on QtPrinter() and then calls
// ApplyQtPrinter, which makes the settings, names and DC anew from it.
#pragma once

#include "platform/print/dev_mode.h"
#include "platform/print/printer_dc.h"

#include <memory>

class CWnd;
class QPrinter;

enum : DWORD {
    PD_ALLPAGES = 0x00000000,
    PD_NOSELECTION = 0x00000004,
    PD_RETURNDC = 0x00000100,
    PD_RETURNDEFAULT = 0x00000400,
    PD_HIDEPRINTTOFILE = 0x00100000,
    PD_NONETWORKBUTTON = 0x00200000,
};

struct PRINTDLGW {
    DWORD Flags = 0;
    WORD nCopies = 1;           // the copies the user asked for
    CPrinterDC* hDC = nullptr;  // the information DC: page size and resolution (owned by the dialog object)
    DEVMODE* hDevMode = nullptr;
    DEVNAMES* hDevNames = nullptr;
};

class CPrintDialog {
public:
    CPrintDialog(BOOL printSetupOnly, DWORD flags = PD_ALLPAGES, CWnd* parent = nullptr);
    ~CPrintDialog();
    CPrintDialog(const CPrintDialog&) = delete;
    CPrintDialog& operator=(const CPrintDialog&) = delete;

    PRINTDLGW m_pd;

    // The default printer (DefaultPrinterName); FALSE when there is none or
    // it cannot be opened.
    BOOL GetDefaults();
    // Chooses a printer by name with its own default settings.
    BOOL SelectPrinter(const QString& name);
    // After the setup dialog changed QtPrinter(): settings, names, copies and
    // DC from it. FALSE when that printer cannot be opened.
    BOOL ApplyQtPrinter();
    // The settings as a Qt printer (null before a printer is chosen).
    QPrinter* QtPrinter() const { return m_printer.get(); }

    QString GetDriverName() const;
    QString GetDeviceName() const;
    QString GetPortName() const;
    DEVMODE* GetDevMode() const { return m_pd.hDevMode; }
    int GetCopies() const { return m_pd.nCopies; }
    BOOL IsPrintSetupOnly() const { return m_setupOnly; }

private:
    void Clear();

    BOOL m_setupOnly = FALSE;
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<CPrinterDC> m_dc;
    std::unique_ptr<DEVMODE> m_devMode;
    std::unique_ptr<DEVNAMES> m_devNames;
};

// Settings and names of a Qt printer.
void DevModeFromQtPrinter(const QPrinter& printer, const QString& device, DEVMODE* devMode);
