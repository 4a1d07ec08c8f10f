// The capture-window chooser (template 200): a borderless pop-up that drops
// down from the control panel's chooser button and lists the desktop's
// application windows with their small icons. The row under the pointer is
// highlighted; a click on a row asks the panel to capture that window
// (WM_CLIPCTL_CAPTURE, kind 3). The frame opens it from its hover timer and
// destroys it when told WM_FRAME_CLOSE_CAPTURELIST; for its first 750 ms
// it ignores OK, Cancel and WM_CLOSE, so that the pointer's way from the
// button into the list does not close it.
#pragma once

#include "core/my_list_ctrl.h"
#include "platform/controls/image_list.h"
#include "platform/dialog/dialog.h"
#include "res/dialog_200_choiced_capture_window.h"

// wParam of the list's forwarded mouse moves.
inline constexpr int kChooserForwardCode = 258;
// The open guard's timer and its time.
inline constexpr UINT_PTR kChooserGuardTimer = 11;
inline constexpr UINT kChooserGuardMs = 750;
// wParam of WM_CLIPCTL_CAPTURE: capture the chosen window.
inline constexpr WPARAM kCaptureChosenWindow = 3;

class CDlgChoicedCaptureWindow : public CDialog {
public:
    enum { IDD = IDD_CHOICED_CAPTURE_WINDOW };

    CDlgChoicedCaptureWindow();
    ~CDlgChoicedCaptureWindow() override;

    int HotRow() const { return m_nHotRow; }
    bool IsGuarded() const { return m_nOpenGuard != 0; }
    CMyListCtrl& List() { return m_list; }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void OnTimer(UINT_PTR id) override;
    void OnOK() override;
    void OnCancel() override;

private:
    CMyListCtrl m_list;
    CImageList m_icons;
    int m_nHotRow = -1;
    int m_nOpenGuard = 0;

    void PlaceBelowChooserButton();
    void FillAndSizeList();
    int RowAt(int y) const;
    void HighlightRow(int y);
    void PickRow(int y);
    void Close();
};
