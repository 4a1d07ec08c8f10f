#include "clip/save_size_dialog.h"

#include "core/save_size_globals.h"
#include "core/settings/app_settings.h"
#include "platform/dialog/msgbox.h"

CDlgSaveImageSize::CDlgSaveImageSize(CWnd* parent) : CDialog(&kDialog180SaveImageSize, parent)
{
}

void CDlgSaveImageSize::DoDataExchange(CDataExchange* dx)
{
    DDX_Text(dx, IDC_SAVE_SIZE_HEIGHT, m_nHeight);
    DDX_Text(dx, IDC_SAVE_SIZE_WIDTH, m_nWidth);
}

BOOL CDlgSaveImageSize::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_bKeepRatio = AppSettings.KeepRatioSize != 0;
    m_nHeight = g_nSaveSizeHeight;
    m_nWidth = g_nSaveSizeWidth;
    m_dRatio = SaveSizeRatio({m_nWidth, m_nHeight});
    CheckDlgButton(IDC_SAVE_SIZE_KEEP_RATIO, m_bKeepRatio ? 1 : 0);
    UpdateData(FALSE);
    return TRUE;
}

BOOL CDlgSaveImageSize::PreTranslateMessage(MSG* msg)
{
    if (msg->message == WM_KEYDOWN && (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE))
        return TRUE;
    return CDialog::PreTranslateMessage(msg);
}

BOOL CDlgSaveImageSize::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if (id == IDC_SAVE_SIZE_KEEP_RATIO && code == BN_CLICKED) {
        OnKeepRatioClicked();
        return TRUE;
    }
    if ((id == IDC_SAVE_SIZE_HEIGHT || id == IDC_SAVE_SIZE_WIDTH) && code == EN_KILLFOCUS) {
        OnSideKillFocus(id == IDC_SAVE_SIZE_HEIGHT);
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

void CDlgSaveImageSize::OnKeepRatioClicked()
{
    m_bKeepRatio = !m_bKeepRatio;
    CheckDlgButton(IDC_SAVE_SIZE_KEEP_RATIO, m_bKeepRatio ? 1 : 0);
}

void CDlgSaveImageSize::OnSideKillFocus(bool height)
{
    // The message box of a check takes the focus from the other box too; that
    // loss is not the user's and is not checked.
    if (m_bChecking)
        return;
    m_bChecking = true;
    const SaveSize before{m_nWidth, m_nHeight};
    if (!UpdateData(TRUE)) {
        // Not a number (the exchange said so): the values before stay.
        m_nWidth = before.width;
        m_nHeight = before.height;
    } else {
        const SaveSizeBounds bounds{
            AppSettings.MinSaveSize, AppSettings.MaxSaveSizeWidth, AppSettings.MaxSaveSizeHeight};
        const SaveSize typed{m_nWidth, m_nHeight};
        const SaveSizeCheck check = height ? CheckTypedHeight(before, typed, m_bKeepRatio, m_dRatio, bounds)
                                           : CheckTypedWidth(before, typed, m_bKeepRatio, m_dRatio, bounds);
        if (check.refused)
            AfxMessageBox(SaveSizeRangeMessage(check.shownMinimum, check.shownMaximum));
        m_nWidth = check.size.width;
        m_nHeight = check.size.height;
    }
    UpdateData(FALSE);
    m_bChecking = false;
}

void CDlgSaveImageSize::OnOK()
{
    g_nSaveSizeHeight = m_nHeight;
    g_nSaveSizeWidth = m_nWidth;
    AppSettings.KeepRatioSize = m_bKeepRatio ? 1 : 0;
    EndDialog(IDOK);
}
