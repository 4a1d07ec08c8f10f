#include "options/option_multi_page.h"

CDlgOpOptionMulti::CDlgOpOptionMulti() : COptionPage(&kDialog295OptionMulti)
{
}

void CDlgOpOptionMulti::Load(const AppSettingsRecord& s)
{
    m_editDblClick = s.Edit_DBL_Click;
    m_editDblClickPreview = s.Edit_DBL_Click_Preview;
    m_editEnterKey = s.Edit_Enter_Key;
    m_thumCoarseView = s.ThumCoarseView;
    m_pageChangeRange = s.PageChangeRange;
}

void CDlgOpOptionMulti::Store(AppSettingsRecord& s) const
{
    s.Edit_DBL_Click = m_editDblClick;
    s.Edit_DBL_Click_Preview = m_editDblClickPreview;
    s.Edit_Enter_Key = m_editEnterKey;
    s.ThumCoarseView = m_thumCoarseView;
    s.PageChangeRange = m_pageChangeRange;
}

BOOL CDlgOpOptionMulti::OnInitDialog()
{
    COptionPage::OnInitDialog();
    ShowRadios();
    CheckDlgButton(IDC_OPTMULTI_DBL_CLICK, m_editDblClick == 1 ? 1 : 0);
    CheckDlgButton(IDC_OPTMULTI_DBL_CLICK_PREVIEW, m_editDblClick == 1 && m_editDblClickPreview == 1 ? 1 : 0);
    EnableControl(IDC_OPTMULTI_DBL_CLICK_PREVIEW, m_editDblClick == 1);
    CheckDlgButton(IDC_OPTMULTI_ENTER_KEY, m_editEnterKey == 1 ? 1 : 0);
    return TRUE;
}

void CDlgOpOptionMulti::ShowRadios()
{
    CheckOneRadio({IDC_OPTMULTI_HALF_PAGE, IDC_OPTMULTI_WHOLE_PAGE},
        m_pageChangeRange == 1 ? IDC_OPTMULTI_HALF_PAGE : IDC_OPTMULTI_WHOLE_PAGE);
    CheckOneRadio({IDC_OPTMULTI_COARSE, IDC_OPTMULTI_RELOAD},
        m_thumCoarseView == 1 ? IDC_OPTMULTI_COARSE : IDC_OPTMULTI_RELOAD);
}

BOOL CDlgOpOptionMulti::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) != BN_CLICKED)
        return COptionPage::OnCommand(wParam, lParam);
    const int id = LOWORD(wParam);
    switch (id) {
    case IDC_OPTMULTI_HALF_PAGE:
    case IDC_OPTMULTI_WHOLE_PAGE:
        m_pageChangeRange = id == IDC_OPTMULTI_HALF_PAGE ? 1 : 2;
        ShowRadios();
        return TRUE;
    case IDC_OPTMULTI_COARSE:
    case IDC_OPTMULTI_RELOAD:
        m_thumCoarseView = id == IDC_OPTMULTI_COARSE ? 1 : 2;
        ShowRadios();
        return TRUE;
    case IDC_OPTMULTI_DBL_CLICK:
        m_editDblClick = IsDlgButtonChecked(id) == 1 ? 1 : 0;
        // The preview follows only while double clicks open clip mode at all.
        if (m_editDblClick == 0) {
            m_editDblClickPreview = 0;
            CheckDlgButton(IDC_OPTMULTI_DBL_CLICK_PREVIEW, 0);
        }
        EnableControl(IDC_OPTMULTI_DBL_CLICK_PREVIEW, m_editDblClick == 1);
        return TRUE;
    case IDC_OPTMULTI_DBL_CLICK_PREVIEW:
        m_editDblClickPreview = IsDlgButtonChecked(id) == 1 ? 1 : 0;
        return TRUE;
    case IDC_OPTMULTI_ENTER_KEY:
        m_editEnterKey = IsDlgButtonChecked(id) == 1 ? 1 : 0;
        return TRUE;
    default:
        return COptionPage::OnCommand(wParam, lParam);
    }
}
