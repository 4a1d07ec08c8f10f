#include "options/option_sheet.h"

#include "core/app_state.h"
#include "platform/controls/controls.h"
#include "platform/dialog/dialog_scale.h"
#include "res/dialog_147_option_sheets.h"

COptionSheet::COptionSheet(const DialogTemplate* dialogTemplate) : CDialog(dialogTemplate, nullptr)
{
}

void COptionSheet::AddPage(const QString& text, COptionPage* page)
{
    m_tabs.push_back(Tab{text, page});
}

COptionPage* COptionSheet::Page(int tab) const
{
    return tab >= 0 && tab < PageCount() ? m_tabs[static_cast<size_t>(tab)].page : nullptr;
}

int COptionSheet::ShownTab() const
{
    for (int tab = 0; tab < PageCount(); ++tab)
        if (Page(tab)->GetSafeHwnd() && Page(tab)->IsWindowVisible())
            return tab;
    return -1;
}

BOOL COptionSheet::OnInitDialog()
{
    CDialog::OnInitDialog();
    for (const Tab& tab : m_tabs) {
        tab.page->Load(AppSettings);
        tab.page->Create(this);
    }
    auto* tabs = dynamic_cast<CTabCtrl*>(GetDlgItem(IDC_OPTION_TABS));
    if (tabs) {
        tabs->SetItemSize(CSize(ScaleDialogUnit(kOptionTabWidth), 0));
        for (int i = 0; i < PageCount(); ++i)
            tabs->InsertItem(i, m_tabs[static_cast<size_t>(i)].text);
    }
    // Every page takes the first page's size.
    RECT first{};
    if (!m_tabs.empty())
        m_tabs.front().page->GetClientRect(&first);
    for (const Tab& tab : m_tabs)
        tab.page->MoveWindow(ScaleDialogUnit(kOptionPageLeft), ScaleDialogUnit(kOptionPageTop),
            first.right - first.left, first.bottom - first.top, FALSE);
    const int initial = InitialTab();
    ShowPage(initial);
    if (tabs && Page(initial))
        tabs->SetCurSel(initial);
    if (CWnd* frame = CWnd::FromHandle(GetAppState().Window(AppWindow::MainFrame)))
        CenterWindow(frame);
    // The shown page's first control has the keyboard.
    if (COptionPage* page = Page(initial))
        if (CWnd* control = page->GetDlgItem(page->FirstControlId())) {
            GotoDlgCtrl(control);
            return FALSE;
        }
    return TRUE;
}

void COptionSheet::ShowPage(int shown)
{
    for (int tab = 0; tab < PageCount(); ++tab)
        Page(tab)->ShowWindow(tab == shown ? SW_SHOW : SW_HIDE);
}

BOOL COptionSheet::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header && static_cast<int>(header->idFrom) == IDC_OPTION_TABS && header->code == TCN_SELCHANGE) {
        auto* tabs = dynamic_cast<CTabCtrl*>(GetDlgItem(IDC_OPTION_TABS));
        const int tab = tabs ? tabs->GetCurSel() : -1;
        OnTabChosen(tab);
        ShowPage(tab);
        return TRUE;
    }
    return CDialog::OnNotify(wParam, lParam, result);
}

void COptionSheet::OnOK()
{
    for (const Tab& tab : m_tabs)
        tab.page->Store(AppSettings);
    EndDialog(IDOK);
}

// The pages go with the sheet, before it.
void COptionSheet::OnDestroy()
{
    for (const Tab& tab : m_tabs)
        if (tab.page->GetSafeHwnd())
            tab.page->DestroyWindow();
    CDialog::OnDestroy();
}
