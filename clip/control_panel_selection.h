// The control panel's range-selection switch: off or on, with the method in
// g_nRangeSelectMethod (2 two clicks, 3 the wheel range). The panel owns the
// switch; the stage enters and leaves its selection only on the commands
// sent here, and the frame and the stage read the panel's flag.
//
// The machine does its work through a host (the panel window, or a test's
// recording fake): it decides which controls are enabled, which images the
// method buttons show, and what the stage and the frame are told.
#pragma once

#include "platform/types/types.h"
#include "res/dialog_134_control_panel.h"

#include <span>

// The size controls: enabled together, never while the range is fixed.
std::span<const int> PanelSizeControls();
// The capture controls: enabled while no selection runs.
std::span<const int> PanelCaptureControls();

// Whether the size controls are enabled after the switch: turning on, only
// when the range is not fixed and the two-click selection is not running;
// turning off, unless the range is fixed.
bool SizeControlsEnabledAfterToggle(bool nowOn, bool fixSaveArea, bool clickClipActive);

class PanelSelectionHost {
public:
    virtual ~PanelSelectionHost() = default;
    // Method button 1111 or 1112 shows its pressed or normal image.
    virtual void ShowMethodImage(int button, bool pressed) = 0;
    virtual void EnableControl(int id, bool enable) = 0;
    // WM_COMMAND to the stage (ID_STAGE_ENTER_CLIP, ID_RB_CANCEL_CLIP_RANGE).
    virtual void SendStageCommand(UINT id) = 0;
    virtual void StatusGuide(WPARAM topic, LPARAM value) = 0;
    // Keeps the wheel range inside the visible part of the image.
    virtual void FitRangeSizeToView() = 0;
    // The wheel range takes the stored size again (ClipHorSize, ClipVerSize).
    virtual void RestoreRangeSize() = 0;
    // The fixed range is brought into view when it is not visible.
    virtual void FitFixedRangeIntoView() = 0;
    // "全範囲選択" in the step combo, present or not.
    virtual void SetSelectAllEntry(bool present) = 0;
    virtual void ClearReadouts() = 0;
    // The stage's two-click selection runs (asked after the stage was told).
    virtual bool ClickClipActive() const = 0;
    // A clip window lies over the stage (the active one, or the one directly above it).
    virtual bool ClipWindowOverStage() const = 0;
    // Whether a capture control has its window in the program (the clip
    // history and continuous capture); the others always do.
    virtual bool ControlAvailable(int id) const = 0;
};

class PanelSelection {
public:
    explicit PanelSelection(PanelSelectionHost& host) : m_host(host) { }

    bool IsOn() const { return m_on; }
    POINT FirstPoint() const { return m_firstPoint; }
    void SetFirstPoint(POINT p) { m_firstPoint = p; }

    // Button 1111 (method 2) and button 1112 (method 3).
    void PressTwoClick();
    void PressWheel();
    // Switches on or off.
    void Toggle();
    // The stage ended the selection: readouts cleared, both buttons back,
    // the first point forgotten. With force the switch goes off even when
    // it was off already (the stage is then told to cancel once more).
    void EndFromStage(bool force);
    // The controls the switch decides, for the present state (initialisation).
    void ApplyControls(bool sizeControls);

private:
    PanelSelectionHost& m_host;
    bool m_on = false;
    POINT m_firstPoint{-1, -1};

    void BothMethodsNormal();
};
