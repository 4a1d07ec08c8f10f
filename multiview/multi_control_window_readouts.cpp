// The panel's readouts: the focus file's name, date and size, the totals and
// the loading bar.
#include "multiview/multi_control_window.h"

LRESULT CDlgMultiControlWindow::OnFileText(const QString* name, const QString* date)
{
    SetDlgItemText(IDC_MULTICTL_FILE_NAME, FileFactText(name));
    SetDlgItemText(IDC_MULTICTL_FILE_DATE, FileFactText(date));
    return 1;
}

LRESULT CDlgMultiControlWindow::OnFileSize(ULONGLONG bytes, const SIZE* imageSize)
{
    SetDlgItemText(IDC_MULTICTL_FILE_SIZE, FileSizeText(bytes, imageSize));
    return 1;
}

void CDlgMultiControlWindow::OnProgressStart(int count)
{
    StartTimer(IDT_MULTICTL_LOAD_PROGRESS, 330, m_progressTimer);
    if (auto* bar = dynamic_cast<CProgressCtrl*>(GetDlgItem(IDC_MULTICTL_LOAD_PROGRESS))) {
        bar->SetRange32(0, count);
        bar->SetPos(0);
    }
}

void CDlgMultiControlWindow::OnProgressStop()
{
    StopTimer(m_progressTimer);
    if (auto* bar = dynamic_cast<CProgressCtrl*>(GetDlgItem(IDC_MULTICTL_LOAD_PROGRESS)))
        bar->SetPos(0);
}

void CDlgMultiControlWindow::OnShowTotals(int total)
{
    m_shownTotal = QString::number(total);
    SetDlgItemText(IDC_MULTICTL_TOTALS, TotalsText(total));
    ShowItem(IDC_MULTICTL_TOTALS, true);
}

LRESULT CDlgMultiControlWindow::OnSelectedCount(int selected)
{
    SetDlgItemText(IDC_MULTICTL_TOTALS, SelectedCountText(selected, m_shownTotal));
    return 1;
}
