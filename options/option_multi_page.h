// The page of the multi-view option sheet: how far a scroll pages, how
// thumbnails show when memory is low, and the ways into clip mode.
#pragma once

#include "options/option_page.h"
#include "res/dialog_295_option_multi.h"

class CDlgOpOptionMulti : public COptionPage {
public:
    enum { IDD = IDD_OPTION_MULTI };

    CDlgOpOptionMulti();

    void Load(const AppSettingsRecord& settings) override;
    void Store(AppSettingsRecord& settings) const override;
    int FirstControlId() const override { return IDC_OPTMULTI_HALF_PAGE; }

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    int m_editDblClick = 0;
    int m_editDblClickPreview = 0;
    int m_editEnterKey = 0;
    int m_thumCoarseView = 0;
    int m_pageChangeRange = 0;

    void ShowRadios();
};
