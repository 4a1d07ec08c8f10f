#include "platform/dialog/printer_setup_dialog.h"

#include "platform/dialog/service_hook.h"
#include "platform/window/window_registry.h"

#include <QApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>

namespace {

ServiceHook<PrinterSetupHook>& Hook()
{
    static ServiceHook<PrinterSetupHook> hook;
    return hook;
}

bool IsLandscape(const QPrinter& printer)
{
    return printer.pageLayout().orientation() == QPageLayout::Landscape;
}

// The paper size of that name, or nothing.
std::optional<QPageSize> PaperNamed(const QString& name)
{
    for (int id = 0; id <= QPageSize::LastPageSize; ++id) {
        const QPageSize size(static_cast<QPageSize::PageSizeId>(id));
        if (size.isValid() && size.name().compare(name, Qt::CaseInsensitive) == 0)
            return size;
    }
    return std::nullopt;
}

void ApplyChoice(QPrinter& printer, const PrinterSetupChoice& choice)
{
    printer.setCopyCount(choice.copies);
    printer.setPageOrientation(choice.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    if (!choice.paperName.isEmpty())
        if (const std::optional<QPageSize> paper = PaperNamed(choice.paperName))
            printer.setPageSize(*paper);
}

bool ShowRealDialog(QPrinter& printer, HWND owner)
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return false;
    QPrintDialog dialog(&printer, WidgetFromHwnd(owner));
    // One image is printed whole: no selection, no page ranges, no file
    // choice (the PDF printer names its files itself).
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setWindowModality(Qt::ApplicationModal);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace

bool RunPrinterSetupDialog(QPrinter& printer, HWND owner)
{
    const PrinterSetupHook hook = Hook().Get();
    if (!hook)
        return ShowRealDialog(printer, owner);
    PrinterSetupRequest request;
    request.owner = owner;
    request.printerName = printer.printerName();
    request.copies = printer.copyCount();
    request.landscape = IsLandscape(printer);
    request.paperName = printer.pageLayout().pageSize().name();
    const std::optional<PrinterSetupChoice> choice = hook(request);
    if (!choice)
        return false;
    ApplyChoice(printer, *choice);
    return true;
}

void SetPrinterSetupHookForTesting(PrinterSetupHook hook)
{
    Hook().Set(std::move(hook));
}
