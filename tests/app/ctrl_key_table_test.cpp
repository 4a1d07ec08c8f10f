#include "app/ctrl_key_table.h"
#include "res/dialog_134_control_window.h"
#include "res/dialog_166_clip_window.h"
#include "res/frame_command_ids.h"

#include <gtest/gtest.h>

namespace {

CtrlKeyState AllTrue()
{
    CtrlKeyState s;
    s.canUseImageCommands = s.controlIdle = s.controlPanelVisible = true;
    s.rangeClickButtonEnabled = s.wheelButtonEnabled = s.fixedModeButtonEnabled = true;
    s.canUseMaskSettings = s.multiViewHasCurrentItem = true;
    return s;
}

TEST(CtrlKeyTable, EveryRowWithItsTarget)
{
    using T = CtrlKeyTarget;
    struct Case {
        int kind;
        char key;
        CtrlKeyCommand expected;
    };
    const Case cases[] = {
        {1, 'N', {ID_FILE_NEW_IMAGE, T::Frame, -1}},
        {1, 'O', {ID_FILE_OPEN_IMAGE, T::Frame, -1}},
        {1, 'S', {ID_FILE_SAVE_IMAGE, T::Frame, -1}},
        {1, 'P', {ID_FILE_PRINT_IMAGE, T::Frame, -1}},
        {1, 'X', {ID_APP_EXIT, T::Frame, -1}},
        {1, '2', {IDC_CONTROL_RANGE_CLICK, T::ControlPanel, -1}},
        {1, 'W', {IDC_CONTROL_WHEEL, T::ControlPanel, -1}},
        {1, 'F', {IDC_CONTROL_FIXED_MODE, T::ControlPanel, -1}},
        {1, 'T', {}},
        {3, 'S', {IDC_CLIP_SAVE, T::ClipWindow, 0}},
        {4, 'C', {IDC_CLIP_COPY, T::ClipWindow, 1}},
        {9, 'A', {IDC_CLIP_COPY_TO_STAGE, T::ClipWindow, 6}},
        {14, 'P', {IDC_CLIP_PRINT, T::ClipWindow, 11}},
        {14, 'Q', {IDC_CLIP_CLOSE, T::ClipWindow, 11}},
        {3, 'X', {}},
        {2, 'F', {ID_VIEW_FOLDER_TREE, T::Frame, -1}},
        {2, 'T', {ID_VIEW_THUMB_MASK, T::Frame, -1}},
        {2, 'P', {ID_FILE_PRINT_IMAGE, T::Frame, -1}},
        {2, 'X', {ID_APP_EXIT, T::Frame, -1}},
        {2, 'S', {}},
        {0, 'X', {}},
        {15, 'S', {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind << " key " << c.key);
        EXPECT_EQ(RouteCtrlKey(c.kind, static_cast<UINT>(c.key), AllTrue()), c.expected);
    }
}

TEST(CtrlKeyTable, ConditionsDecideEachRow)
{
    CtrlKeyState s = AllTrue();
    s.canUseImageCommands = false;
    EXPECT_EQ(RouteCtrlKey(1, 'S', s).command, 0u);  // no stage image: left to the accelerators
    EXPECT_EQ(RouteCtrlKey(1, 'O', s).command, ID_FILE_OPEN_IMAGE);
    EXPECT_EQ(RouteCtrlKey(1, 'X', CtrlKeyState{}).command, ID_APP_EXIT);

    s = AllTrue();
    s.controlPanelVisible = false;
    EXPECT_EQ(RouteCtrlKey(1, 'W', s).command, 0u);
    s = AllTrue();
    s.wheelButtonEnabled = false;
    EXPECT_EQ(RouteCtrlKey(1, 'W', s).command, 0u);
    EXPECT_EQ(RouteCtrlKey(1, '2', s).command, static_cast<UINT>(IDC_CONTROL_RANGE_CLICK));

    s = AllTrue();
    s.multiViewHasCurrentItem = false;
    EXPECT_EQ(RouteCtrlKey(2, 'P', s).command, 0u);
    EXPECT_EQ(RouteCtrlKey(2, 'T', s).command, ID_VIEW_THUMB_MASK);
    s.canUseMaskSettings = false;
    EXPECT_EQ(RouteCtrlKey(2, 'T', s).command, 0u);
    EXPECT_EQ(RouteCtrlKey(2, 'F', s).command, ID_VIEW_FOLDER_TREE);
}

}  // namespace
