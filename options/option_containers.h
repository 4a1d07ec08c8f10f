// The two option sheets the option command opens: in clip mode four pages
// (general, save, display colours, scroll capture) that open on the tab
// last chosen; in the multi view the one multi-view page.
#pragma once

#include "options/option_basic_page.h"
#include "options/option_color_page.h"
#include "options/option_multi_page.h"
#include "options/option_save_page.h"
#include "options/option_scroll_capture_page.h"
#include "options/option_sheet.h"
#include "res/dialog_147_option_sheets.h"

class CDlgOpOptionContainer : public COptionSheet {
public:
    enum { IDD = IDD_OPTION_SHEET };

    CDlgOpOptionContainer();

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    // The tab is remembered at once: it stays chosen even when the sheet is cancelled.
    int InitialTab() const override;
    void OnTabChosen(int tab) override;

private:
    CDlgOpOptionBasic m_basic;
    CDlgOpOptionSave m_save;
    CDlgOpOptionColor m_color;
    CDlgOpOptionScrollCapture m_scrollCapture;
    UINT m_zoomStepAtOpening = 0;
};

class CDlgOpOptionContainerB : public COptionSheet {
public:
    enum { IDD = IDD_OPTION_SHEET_MULTI };

    CDlgOpOptionContainerB();

private:
    CDlgOpOptionMulti m_multi;
};
