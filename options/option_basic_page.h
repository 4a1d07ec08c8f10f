// The general page of the clip-mode option sheet: the zoom window and wheel
// zoom, and when clip windows remember their place or close themselves.
#pragma once

#include "options/option_page.h"
#include "res/dialog_155_option_basic.h"

// Posted to the page when the one-shot zoom was set above the largest zoom.
inline constexpr UINT WM_OPTBASIC_ZOOM_LIMIT = WM_USER + 488;

class CDlgOpOptionBasic : public COptionPage {
public:
    enum { IDD = IDD_OPTION_BASIC };

    CDlgOpOptionBasic();

    void Load(const AppSettingsRecord& settings) override;
    void Store(AppSettingsRecord& settings) const override;
    int FirstControlId() const override { return IDC_OPTBASIC_SHOW_ZOOM; }

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnHScroll(UINT code, UINT pos, CWnd* bar) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    int m_showZoomDlg = 0;
    int m_centerZoom = 0;
    int m_viewEvenScale = 0;
    int m_isClipWindowPos = 0;
    int m_clipCloseOnSave = 0;
    int m_clipCloseOnClip = 0;
    int m_useContinueCapture = 0;
    int m_zoomStepPosition = 0;
    BYTE m_maxZoomMag = 0;
    BYTE m_hitZoomMag = 0;
    // Kept as they came; no control shows them.
    int m_howToFirstMessage = 0;
    int m_howToRangeClick = 0;
    int m_howToRangeWheel = 0;
    int m_howToClipSave = 0;

    // The check boxes and the setting each one stands for.
    struct CheckValue {
        int id;
        int CDlgOpOptionBasic::*value;
    };
    static const CheckValue kChecks[];

    void KeepHitZoomWithinMax(bool hitZoomMoved);
};
