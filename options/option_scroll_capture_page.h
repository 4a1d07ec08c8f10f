// The scroll-capture page of the clip-mode option sheet: whether scroll
// capture runs, what follows it, its wait between scrolls and how strictly it
// finds page boundaries.
#pragma once

#include "options/option_page.h"
#include "res/dialog_271_option_scroll_capture.h"

class CDlgOpOptionScrollCapture : public COptionPage {
public:
    enum { IDD = IDD_OPTION_SCROLL_CAPTURE };

    CDlgOpOptionScrollCapture();

    void Load(const AppSettingsRecord& settings) override;
    void Store(AppSettingsRecord& settings) const override;
    int FirstControlId() const override { return IDC_OPTSCROLL_WAIT; }

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnHScroll(UINT code, UINT pos, CWnd* bar) override;

private:
    int m_scrollWait = 0;
    BYTE m_doScrollCapture = 0;
    BYTE m_afterScrollBehave = 0;
    BYTE m_ambiguousLeve = 0;
    int m_matchLineNum = 0;

    void ShowRadios();
    void OnWaitEdited();
};
