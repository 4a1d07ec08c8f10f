// The modal dialog that asks for the JPEG quality just before a JPEG file is
// written (template 305). The caller constructs it, calls DoModal, then reads
// AppSettings.JpegQuality. It closes through OK only: Esc and Cancel keep it
// open. A number typed into the edit counts once the edit has lost the
// focus, so typing and pressing Enter keeps the value held before.
#pragma once

#include "platform/dialog/dialog.h"
#include "res/dialog_305_jpeg_quality.h"

// The quality rule of the edit: below 1 gives 1, above 100 gives 100.
int ClampJpegQuality(int value);

class CDlgJpegQuality : public CDialog {
public:
    enum { IDD = IDD_JPEG_QUALITY };
    static constexpr int kSlider = IDC_JPEG_QUALITY_SLIDER;
    static constexpr int kEdit = IDC_JPEG_QUALITY_EDIT;
    static constexpr int kAlwaysAsk = IDC_JPEG_QUALITY_ALWAYS_ASK;

    explicit CDlgJpegQuality(CWnd* parent = nullptr);

    BYTE m_nQuality = 0;  // exchanged with the edit

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void OnHScroll(UINT code, UINT pos, CWnd* bar) override;

private:
    void OnEditKillFocus();
    void OnAlwaysAskClicked();
};
