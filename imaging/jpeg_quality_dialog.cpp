#include "imaging/jpeg_quality_dialog.h"

#include "core/settings/app_settings.h"
#include "platform/controls/controls.h"

int ClampJpegQuality(int value)
{
    return std::clamp(value, 1, 100);
}

CDlgJpegQuality::CDlgJpegQuality(CWnd* parent) : CDialog(&kDialog305JpegQuality, parent)
{
}

void CDlgJpegQuality::DoDataExchange(CDataExchange* dx)
{
    DDX_Text(dx, kEdit, m_nQuality);
}

BOOL CDlgJpegQuality::OnInitDialog()
{
    CDialog::OnInitDialog();
    CheckDlgButton(kAlwaysAsk, AppSettings.ShowQualityDlg == 1 ? 1 : 0);
    if (auto* slider = dynamic_cast<CSliderCtrl*>(GetDlgItem(kSlider))) {
        slider->SetRange(1, 100);
        slider->SetTicFreq(10);
        slider->SetPageSize(5);
        slider->SetLineSize(5);
        slider->SetPos(AppSettings.JpegQuality);
    }
    m_nQuality = AppSettings.JpegQuality;
    UpdateData(FALSE);
    return TRUE;
}

void CDlgJpegQuality::OnHScroll(UINT code, UINT pos, CWnd* bar)
{
    auto* slider = dynamic_cast<CSliderCtrl*>(GetDlgItem(kSlider));
    if (!slider || bar != slider) {
        CDialog::OnHScroll(code, pos, bar);
        return;
    }
    m_nQuality = static_cast<BYTE>(slider->GetPos());
    UpdateData(FALSE);
}

void CDlgJpegQuality::OnEditKillFocus()
{
    UpdateData(TRUE);  // a text the exchange refuses leaves the member as it was
    m_nQuality = static_cast<BYTE>(ClampJpegQuality(m_nQuality));
    if (auto* slider = dynamic_cast<CSliderCtrl*>(GetDlgItem(kSlider)))
        slider->SetPos(m_nQuality);
    UpdateData(FALSE);
}

void CDlgJpegQuality::OnAlwaysAskClicked()
{
    AppSettings.ShowQualityDlg = 1 - AppSettings.ShowQualityDlg;
    CheckDlgButton(kAlwaysAsk, AppSettings.ShowQualityDlg == 1 ? 1 : 0);
}

BOOL CDlgJpegQuality::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if (id == kEdit && code == EN_KILLFOCUS) {
        OnEditKillFocus();
        return TRUE;
    }
    if (id == kAlwaysAsk && code == BN_CLICKED) {
        OnAlwaysAskClicked();
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

BOOL CDlgJpegQuality::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header && header->idFrom == kSlider && header->code == NM_RELEASEDCAPTURE) {
        *result = 0;  // taken and ignored
        return TRUE;
    }
    return CDialog::OnNotify(wParam, lParam, result);
}

void CDlgJpegQuality::OnOK()
{
    AppSettings.JpegQuality = m_nQuality;
    CDialog::OnOK();
}

void CDlgJpegQuality::OnCancel()
{
    // Esc and Cancel leave the dialog open: it closes through OK only.
}
