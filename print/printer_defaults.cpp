#include "print/printer_defaults.h"

#include <QCoreApplication>

CPrinterDefaults::~CPrinterDefaults()
{
    Release();
}

BOOL CPrinterDefaults::Init()
{
    Release();
    m_dialog = std::make_unique<CPrintDialog>(
        FALSE, PD_NOSELECTION | PD_RETURNDC | PD_HIDEPRINTTOFILE | PD_NONETWORKBUTTON, nullptr);
    m_dialog->m_pd.Flags |= PD_RETURNDEFAULT;
    const BOOL found = m_dialog->GetDefaults();
    m_dialog->m_pd.Flags &= ~PD_RETURNDEFAULT;
    return found;
}

void CPrinterDefaults::Release()
{
    m_dialog.reset();
}

DEVMODE* CPrinterDefaults::LockDevMode()
{
    return m_dialog ? m_dialog->GetDevMode() : nullptr;
}

CPrinterDC* CPrinterDefaults::GetPrinterDC()
{
    return m_dialog ? m_dialog->m_pd.hDC : nullptr;
}

namespace {

void ReleaseDefaults();

CPrinterDefaults& Instance()
{
    static CPrinterDefaults defaults;
    static const bool hooked = [] {
        // The printers belong to the application's print support: they go
        // before it does.
        qAddPostRoutine(ReleaseDefaults);
        return true;
    }();
    (void)hooked;
    return defaults;
}

void ReleaseDefaults()
{
    Instance().Release();
}

}  // namespace

CPrinterDefaults& ThePrinterDefaults()
{
    return Instance();
}
