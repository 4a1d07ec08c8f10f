// The selection switch against a recording host: what each press enables,
// which images the method buttons show, and what the stage and the frame
// are told.
#include "clip/control_panel_messages.h"
#include "clip/control_panel_selection.h"
#include "clip/stage_messages.h"
#include "core/settings/app_settings.h"

#include <QList>
#include <QMap>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

class RecordingHost : public PanelSelectionHost {
public:
    QMap<int, bool> enabled;
    QMap<int, bool> pressed;
    QList<UINT> stageCommands;
    QList<QPair<WPARAM, LPARAM>> guides;
    QStringList calls;
    bool clickClipActive = false;
    bool clipWindowOverStage = false;
    bool historyAvailable = true;

    void ShowMethodImage(int button, bool down) override { pressed[button] = down; }
    void EnableControl(int id, bool enable) override { enabled[id] = enable; }
    void SendStageCommand(UINT id) override
    {
        stageCommands.append(id);
        // The stage's selection runs from the enter command on.
        clickClipActive = id == ID_STAGE_ENTER_CLIP && g_nRangeSelectMethod == 2;
    }
    void StatusGuide(WPARAM topic, LPARAM value) override { guides.append({topic, value}); }
    void FitRangeSizeToView() override { calls << "fit"; }
    void RestoreRangeSize() override { calls << "restore"; }
    void FitFixedRangeIntoView() override { calls << "fit fixed"; }
    void SetSelectAllEntry(bool present) override { calls << (present ? "select all +" : "select all -"); }
    void ClearReadouts() override { calls << "clear"; }
    bool ClickClipActive() const override { return clickClipActive; }
    bool ClipWindowOverStage() const override { return clipWindowOverStage; }
    bool ControlAvailable(int id) const override
    {
        return id != IDC_PANEL_FIXED_MODE_DIALOG || historyAvailable;
    }
};

class PanelSelectionTest : public testing::Test {
protected:
    void SetUp() override
    {
        saved = AppSettings;
        method = g_nRangeSelectMethod;
        AppSettings.FixSaveArea = 0;
        g_nRangeSelectMethod = 2;
    }
    void TearDown() override
    {
        AppSettings = saved;
        g_nRangeSelectMethod = method;
    }
    bool AllEnabled(std::span<const int> ids, bool enable) const
    {
        for (int id : ids)
            if (host.enabled.value(id, !enable) != enable)
                return false;
        return true;
    }

    AppSettingsRecord saved;
    int method = 2;
    RecordingHost host;
    PanelSelection selection{host};
};

}  // namespace

TEST_F(PanelSelectionTest, TwoClicksOnDisableTheCaptureAndSizeControlsAndTheOtherMethod)
{
    selection.PressTwoClick();
    EXPECT_TRUE(selection.IsOn());
    EXPECT_EQ(g_nRangeSelectMethod, 2);
    EXPECT_EQ(host.stageCommands, QList<UINT>{ID_STAGE_ENTER_CLIP});
    EXPECT_TRUE(host.pressed.value(IDC_PANEL_TWO_CLICK_RANGE));
    EXPECT_FALSE(host.enabled.value(IDC_PANEL_WHEEL_RANGE, true));
    EXPECT_TRUE(AllEnabled(PanelCaptureControls(), false));
    EXPECT_TRUE(
        AllEnabled(PanelSizeControls(), false));  // asked after the stage started its two-click selection
    EXPECT_EQ(host.calls.first(), "fit");
    ASSERT_EQ(host.guides.size(), 1);
    EXPECT_EQ(host.guides[0], (QPair<WPARAM, LPARAM>{0, 2}));

    selection.PressTwoClick();
    EXPECT_FALSE(selection.IsOn());
    EXPECT_EQ(host.stageCommands.last(), static_cast<UINT>(ID_RB_CANCEL_CLIP_RANGE));
    EXPECT_FALSE(host.pressed.value(IDC_PANEL_TWO_CLICK_RANGE, true));
    EXPECT_TRUE(host.enabled.value(IDC_PANEL_WHEEL_RANGE) && host.enabled.value(IDC_PANEL_TWO_CLICK_RANGE));
    EXPECT_TRUE(AllEnabled(PanelCaptureControls(), true));
    EXPECT_TRUE(AllEnabled(PanelSizeControls(), true));
    EXPECT_EQ(host.guides.last(), (QPair<WPARAM, LPARAM>{1, 2}));
    EXPECT_EQ(selection.FirstPoint().x, -1);
}

TEST_F(PanelSelectionTest, WheelKeepsTheSizeControlsAndAddsSelectAll)
{
    selection.PressWheel();
    EXPECT_TRUE(selection.IsOn());
    EXPECT_EQ(g_nRangeSelectMethod, 3);
    EXPECT_TRUE(AllEnabled(PanelSizeControls(), true));
    EXPECT_TRUE(AllEnabled(PanelCaptureControls(), false));
    EXPECT_FALSE(host.enabled.value(IDC_PANEL_TWO_CLICK_RANGE, true));
    EXPECT_TRUE(host.calls.contains("select all +"));
    EXPECT_FALSE(host.calls.contains("fit fixed"));

    host.calls.clear();
    selection.PressWheel();
    EXPECT_FALSE(selection.IsOn());
    EXPECT_EQ(host.calls.first(), "restore");
    EXPECT_TRUE(host.calls.contains("select all -"));
}

TEST_F(PanelSelectionTest, AFixedRangeIsBroughtIntoViewAndEndsWithTheSelection)
{
    AppSettings.FixSaveArea = 1;
    selection.PressWheel();
    EXPECT_TRUE(host.calls.contains("fit fixed"));
    EXPECT_TRUE(AllEnabled(PanelSizeControls(), false));
    selection.PressWheel();
    EXPECT_EQ(AppSettings.FixSaveArea, 0);
    EXPECT_TRUE(AllEnabled(PanelSizeControls(), true));
}

TEST_F(PanelSelectionTest, TheStageEndingASelectionTurnsItOffAndAForcedEndCancelsEvenWhenOff)
{
    selection.PressWheel();
    selection.SetFirstPoint(POINT{3, 4});
    selection.EndFromStage(false);
    EXPECT_FALSE(selection.IsOn());
    EXPECT_EQ(selection.FirstPoint().x, -1);

    host.stageCommands.clear();
    selection.EndFromStage(false);  // already off: nothing for the stage
    EXPECT_TRUE(host.stageCommands.isEmpty());
    selection.EndFromStage(true);  // forced: on, then off
    EXPECT_EQ(host.stageCommands, QList<UINT>{ID_RB_CANCEL_CLIP_RANGE});
    EXPECT_FALSE(selection.IsOn());
}

TEST_F(PanelSelectionTest, NoGuidanceWhileAClipWindowCoversTheStageAndUnavailableWindowsStayDisabled)
{
    host.clipWindowOverStage = true;
    host.historyAvailable = false;
    selection.PressWheel();
    EXPECT_TRUE(host.guides.isEmpty());
    selection.PressWheel();
    EXPECT_EQ(host.guides.size(), 1);  // turning off always guides
    EXPECT_FALSE(host.enabled.value(IDC_PANEL_FIXED_MODE_DIALOG, true));
    EXPECT_TRUE(host.enabled.value(IDC_PANEL_CAPTURE_FULL_SCREEN));
}
