// The control panel (template 134): the narrow, caption-less tool window at
// the frame's left edge in clip mode, beside the view stage. It starts the
// captures, switches range selection on and off with either method, holds
// the wheel range's size and step (optionally linked by their ratio), the
// wait before a capture and the cursor option, and shows the selection's
// coordinates and the colour under the mouse. The frame makes it once and
// destroys it at the end; the panel never closes itself (Enter and Esc do
// nothing). Its messages are in clip/control_panel_messages.h.
#pragma once

#include "clip/button_pictures.h"
#include "clip/control_panel_images.h"
#include "clip/control_panel_selection.h"
#include "clip/control_panel_sizes.h"
#include "core/ex_button.h"
#include "platform/controls/controls.h"
#include "platform/dialog/dialog.h"
#include "res/dialog_134_control_panel.h"

#include <QHash>
#include <QString>
#include <memory>

class CDlgControlWindow : public CDialog, private PanelSelectionHost {
public:
    enum { IDD = IDD_CONTROL_WINDOW };

    CDlgControlWindow();
    ~CDlgControlWindow() override;

    // Modeless, owned by the frame.
    BOOL Create(CWnd* frame);

    // 1 while range selection is on; the frame and the stage read it.
    int m_bSelectionOn = 0;

    // The image-edit state (mirrored, flipped, turned).
    static void ResetImageTransform();
    static bool IsImageTransformed();

    // Posts the capture request to the stage: kind 1 active window, 2 full
    // screen, 3 the chosen window `target`.
    void CaptureWindowOrScreen(int kind, HWND target);

    // Read by tests.
    int RangeWidth() const { return m_rangeWidth; }
    int RangeHeight() const { return m_rangeHeight; }
    int Step() const { return m_step; }
    int SizeLink() const { return m_sizeLink; }
    int WaitMilliseconds() const { return m_waitMs; }
    POINT FirstPoint() const { return m_selection.FirstPoint(); }
    RECT Placement() const { return m_rcPlacement; }
    // The bitmap a button shows now (its resource id), 0 for none.
    int ShownImage(int button) const;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnDestroy() override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnActivate(UINT state, CWnd* other, BOOL minimized) override;
    void OnMouseMove(UINT flags, CPoint point) override;

    // The view stage, as the panel asks about it; tests stand in for it.
    virtual HWND StageWindow() const;
    virtual bool StageHasImage() const;
    // The visible part of the stage's image in image pixels (right, bottom exclusive).
    virtual RECT StageVisibleImageRect() const;
    // The two-click band's rectangle in image pixels, normalised, moved by
    // (1, 1) above magnification 1; false without a band.
    virtual bool StageBandImageRect(RECT* rect) const;
    // The mouse cursor to the centre of an image rectangle on the stage.
    virtual void CenterCursorOnStageRect(const RECT& imageRect);
    // The stage image's file name before a capture.
    virtual void NameStageImage(const QString& name);

private:
    // PanelSelectionHost
    void ShowMethodImage(int button, bool pressed) override;
    void EnableControl(int id, bool enable) override;
    void SendStageCommand(UINT id) override;
    void StatusGuide(WPARAM topic, LPARAM value) override;
    void FitRangeSizeToView() override;
    void RestoreRangeSize() override;
    void FitFixedRangeIntoView() override;
    void SetSelectAllEntry(bool present) override;
    void ClearReadouts() override;
    bool ClickClipActive() const override;
    bool ClipWindowOverStage() const override;
    bool ControlAvailable(int id) const override;

    // Window and images (control_panel_window.cpp).
    void LoadButtonImages();
    void FreeButtonImages();
    void SetButtonImage(int button, PanelImage image);
    void ShowLinkImage();
    void CreateToolTips();
    RECT CalcPanelPlacement() const;
    void MoveToPlacement(const RECT& r);
    void OnRepositionPanel();
    void OnUpdateContinueCaptureButton(bool init);
    void ShowColor(COLORREF color);
    LRESULT SendToFrame(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    void PostToFrame(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    LRESULT SendToStage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    // Sizes, step and wait (control_panel_size_controls.cpp).
    void RefreshControls();
    void ReadControls();
    void EnableSizeControls(bool enable);
    void OnSizeEditKillFocus(int edit);
    void OnSpinDelta(int spin, int delta);
    void OnStepEditKillFocus();
    void OnStepSelChange();
    void OnStepKillFocus();
    void FillStepPresets(int imageWidth, int imageHeight);
    void FillWaitPresets();
    void OnWaitChosen();
    void OnSizeLink();
    void OnCaptureCursor();

    // The stage's messages about the selection (control_panel_stage_messages.cpp).
    void OnPressMethod(WPARAM method);
    void OnShowPoint(const POINT* point, LPARAM kind);
    void OnRangeDone(const RECT* rect, LPARAM kind);
    void OnNoImage();
    void OnImageReady(const int* size);
    void OnSetPrevRect(const RECT* rect);
    void OnFixRange(const RECT* rect);
    void OnSwitchToWheel();
    void OnZoomChanged(WPARAM wParam, LPARAM lParam);
    void OnResetImage();
    void EnableMethodButtons(bool enable);

    PanelSelection m_selection{*this};
    std::unique_ptr<CAspectSize> m_aspect;
    CToolTipCtrl m_toolTip;
    CExButton m_chooserButton;  // tells the frame of each mouse move over it
    CButtonPictures m_pictures;
    int m_rangeWidth = 0;
    int m_rangeHeight = 0;
    int m_step = 1;
    int m_stepComboValue = 1;
    int m_sizeLink = 0;
    int m_waitMs = 0;  // kept in whole milliseconds
    int m_active = 0;
    bool m_ending = false;  // the values are written back: late focus changes are not taken
    RECT m_rcPlacement{};
    RECT m_rcSwatch{};
    QString m_startText;
    QString m_sizeText;
    QString m_endText;
    QString m_colorText;
};
