#include "app/frame_commands.h"

#include "app/main_frame.h"
#include "res/frame_command_ids.h"

namespace {

bool Always(const CMainFrame&)
{
    return true;
}

bool ControlIdle(const CMainFrame& frame)
{
    return frame.IsControlIdle();
}

bool ImageCommands(const CMainFrame& frame)
{
    return frame.CanUseImageCommands();
}

bool StageImage(const CMainFrame& frame)
{
    return frame.HasStageImage() != FALSE;
}

// The flips, the turn and the reset: the control panel keeps the transform
// state, so they wait for it; never while the colours are adjusted or
// lengths measured.
bool TransformRule(const CMainFrame& frame)
{
    return frame.Window(AppWindow::ControlPanel) && !frame.Window(AppWindow::ColorAdjust) &&
        frame.CanUseImageCommands() && !frame.Window(AppWindow::Measure);
}

constexpr FrameCommand kFrameCommands[] = {
    {ID_FILE_OPEN_IMAGE, ControlIdle},
    {ID_FILE_SAVE_IMAGE, ImageCommands},
    {ID_FILE_NEW_IMAGE, ImageCommands},
    {ID_EDIT_FLIP_LR, TransformRule},
    {ID_EDIT_FLIP_TB, TransformRule},
    {ID_EDIT_ROTATE_90, TransformRule},
    {ID_EDIT_RESET_IMAGE, TransformRule},
    {ID_VIEW_ZOOM_IN, StageImage},
    {ID_VIEW_ZOOM_OUT, StageImage},
    {ID_HELP_MANUAL, ControlIdle},
    {ID_FILE_NEW, Always},
    {ID_FILE_OPEN, Always},
    {ID_FILE_PRINT_SETUP, Always},
    {ID_APP_ABOUT, Always},
    {ID_APP_EXIT, Always},
};

}  // namespace

const FrameCommand* FindFrameCommand(UINT id)
{
    for (const FrameCommand& c : kFrameCommands)
        if (c.id == id)
            return &c;
    return nullptr;
}
