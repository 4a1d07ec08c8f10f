// The mode bar (template 280): a caption-less strip of two picture buttons at
// the top-left of the frame's client area, directly below the toolbar and
// above the control panel. Button 1112 switches to clip mode, button 1329 to
// the multi view; the pictures show which mode is on and whether the measure
// panel stands in the control panel's place. The frame makes it at its first
// show, before the panels (their placement reads the bar's height), and
// destroys it as it ends; the bar never closes itself (Enter and Esc do
// nothing). It is part of the frame's chrome and calls the frame directly.
#pragma once

#include "app/mode_bar_rules.h"
#include "platform/dialog/dialog.h"
#include "platform/gdi/gdi_objects.h"
#include "res/dialog_280_mode_choice.h"

class CMainFrame;

class CDlgModeChoice : public CDialog {
public:
    enum { IDD = IDD_MODE_CHOICE };
    explicit CDlgModeChoice(CWnd* parent = nullptr);
    ~CDlgModeChoice() override;

    // The bitmap a button shows now (its resource id), 0 for none.
    int ShownImage(int button) const;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnDestroy() override;

private:
    CMainFrame* m_frame;
    HBITMAP m_images[kModeBarImageCount]{};
    int m_imageIds[kModeBarImageCount]{};
    int m_shownClip = 0;   // resource id on button 1112
    int m_shownMulti = 0;  // resource id on button 1329

    CMainFrame* Frame() const;
    // The place below the frame's toolbar, at the bar's own size.
    void MoveToPlace();
    void LoadImages();
    void FreeImages();
    // Both buttons' pictures for g_nAppMode and the measure panel.
    void Refresh();

    // The mode switches (app/mode_bar_switch.cpp); each does nothing in its own mode.
    void SwitchToClipMode();
    void SwitchToMultiView();
};

// The multi view is part of the program (the frame's table has its row).
bool IsMultiViewInProgram();
