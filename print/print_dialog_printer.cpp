// The print dialog and the printer: reading it, its texts, the printer setup
// and the job.
#include "print/print_dialog.h"

#include "platform/dialog/msgbox.h"

namespace {

const char16_t kNoPrinter[] = u"プリンタの取得に失敗しました。\n\nKestrelを再起動して下さい。";
const char16_t kNoPrinterInfo[] = u"プリンタ情報の取得に失敗しました。";
const char16_t kNoMemory[] = u"印刷する為のメモリ確保に失敗しました。";
const char16_t kNoSetup[] = u"プリンタのセットアップに失敗しました。";
const char16_t kJobFailed[] = u"印刷に失敗しました。";

}  // namespace

bool CDlgPrintOut::ReadPrinter(PrinterSheet* sheet)
{
    PrintOutPrinter& printer = CurrentPrintOutPrinter();
    if (printer.Read(sheet))
        return true;
    // Once more from the default printer.
    printer.Reinitialise();
    return printer.Read(sheet);
}

bool CDlgPrintOut::QueryPrinter()
{
    PrinterSheet sheet;
    if (!ReadPrinter(&sheet)) {
        AfxMessageBox(QString::fromUtf16(kNoPrinter));
        return false;
    }
    m_paperWidth = PaperSideTenths(sheet.physicalWidth, sheet.dpiX);
    m_paperHeight = PaperSideTenths(sheet.physicalHeight, sheet.dpiY);
    for (int i = 0; i < 4; ++i) {
        const auto side = static_cast<MarginSide>(i);
        if (!IsMarginValid(m_margins[i], PaperSideFor(side)))
            m_margins[i] = kFallbackMarginMillimetres;
    }
    ShowMargins();
    ApplyMarginsToLayout();
    m_layout.SetResolution(sheet.dpiX, sheet.dpiY);
    m_pageCount =
        m_layout.Compute(m_paperWidth, m_paperHeight, CSize(m_imageSize.cx, m_imageSize.cy), m_fitMode);
    SetDlgItemText(IDC_PRINT_PAGE_COUNT, QString::number(m_pageCount));

    const std::optional<PrinterInfoTexts> texts = MakePrinterInfoTexts(sheet, m_paperWidth, m_paperHeight);
    if (!texts) {
        AfxMessageBox(QString::fromUtf16(kNoPrinterInfo));
        return false;
    }
    SetDlgItemText(IDC_PRINT_PRINTER_NAME, texts->deviceName);
    SetDlgItemText(IDC_PRINT_PAPER_FORM, texts->formName);
    SetDlgItemText(IDC_PRINT_ORIENTATION, texts->orientation);
    SetDlgItemText(IDC_PRINT_PAPER_SIZE, texts->paperSize);
    SetDlgItemText(IDC_PRINT_COPIES, texts->copies);
    ShowMargins();
    UpdatePaging();
    return true;
}

void CDlgPrintOut::OnPrinterSetup()
{
    if (CurrentPrintOutPrinter().RunSetup(GetSafeHwnd())) {
        if (!QueryPrinter()) {
            EndDialog(IDCANCEL);
            return;
        }
        Recompute();
    }
    Invalidate();
}

void CDlgPrintOut::OnPrint()
{
    EnableWindow(FALSE);
    PrinterSheet sheet;
    int result = PRINT_NO_PRINTER;
    if (ReadPrinter(&sheet)) {
        m_options.copies = sheet.copies > 0 ? sheet.copies : 1;
        result = CurrentPrintOutPrinter().Print(m_layout, m_bitmap, m_options);
    }
    switch (result) {
    case PRINT_NO_MEMORY:
        AfxMessageBox(QString::fromUtf16(kNoMemory));
        break;
    case PRINT_NO_PRINTER:
        AfxMessageBox(QString::fromUtf16(kNoSetup));
        break;
    case PRINT_FAILED:
        AfxMessageBox(QString::fromUtf16(kJobFailed));
        break;
    default:
        break;
    }
    EnableWindow(TRUE);
}
