#include "options/exif_clear_settings_dialog.h"

CDlgOpOptionExifClear::CDlgOpOptionExifClear(CWnd* parent)
    : CExifTagBoxesDialog(&kDialog311ExifClearSettings, ExifTagDialog::Clear, ExifClearSettings.mask, parent)
{
}

BOOL CDlgOpOptionExifClear::OnInitDialog()
{
    CExifTagBoxesDialog::OnInitDialog();
    m_showDialog = ExifClearSettings.showDialog;
    m_clearValue = ExifClearSettings.clearValue;
    ShowChoices();
    if (g_nExifClearResult == 2) {
        SetDlgItemText(IDOK, QStringLiteral("クリア実行"));
        SetWindowText(QStringLiteral("クリアするExif情報の項目を選択して下さい"));
    }
    return TRUE;
}

void CDlgOpOptionExifClear::ShowChoices()
{
    CheckDlgButton(IDC_EXIFCLEAR_VALUE_ZERO, m_clearValue == 1 ? 1 : 0);
    CheckDlgButton(IDC_EXIFCLEAR_VALUE_ONE, m_clearValue == 1 ? 0 : 1);
    CheckDlgButton(IDC_EXIFCLEAR_SHOW_DIALOG, m_showDialog == 1 ? 1 : 0);
}

BOOL CDlgOpOptionExifClear::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) == BN_CLICKED) {
        switch (LOWORD(wParam)) {
        case IDC_EXIFCLEAR_VALUE_ZERO:
            m_clearValue = 1;
            ShowChoices();
            return TRUE;
        case IDC_EXIFCLEAR_VALUE_ONE:
            m_clearValue = 0;
            ShowChoices();
            return TRUE;
        case IDC_EXIFCLEAR_SHOW_DIALOG:
            m_showDialog = m_showDialog == 1 ? 0 : 1;
            ShowChoices();
            return TRUE;
        default:
            break;
        }
    }
    return CExifTagBoxesDialog::OnCommand(wParam, lParam);
}

void CDlgOpOptionExifClear::OnOK()
{
    ExifClearSettings.showDialog = m_showDialog;
    ExifClearSettings.clearValue = m_clearValue;
    EndDialog(IDOK);
}

void CDlgOpOptionExifClear::OnCancel()
{
    RestoreMask();
    EndDialog(IDCANCEL);
}
