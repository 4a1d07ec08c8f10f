#include "app/frame_commands.h"

#include "app/main_frame.h"
#include "clip/control_panel.h"
#include "core/app_state_queries.h"
#include "platform/clipboard/clipboard.h"
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

// Saving writes the clip-mode stage's image: not while the multi view hides it.
bool SaveStageImageRule(const CMainFrame& frame)
{
    return frame.CanUseImageCommands() && frame.AppMode() != 2;
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

// Colour adjustment needs an image and waits for the panel; never while
// lengths are measured.
bool ColorAdjustRule(const CMainFrame& frame)
{
    return frame.CanUseImageCommands() && !frame.Window(AppWindow::Measure);
}

// Measuring needs an image as shown untransformed, and waits for the panel,
// the colour adjustment and a running selection.
bool MeasureRule(const CMainFrame& frame)
{
    return frame.HasStageImage() && frame.Window(AppWindow::ControlPanel) &&
        !frame.Window(AppWindow::ColorAdjust) && !CDlgControlWindow::IsImageTransformed() &&
        !IsClipSelecting();
}

// Clip window I can be brought forward while the panel is idle.
template <int I> bool ClipWindowThere(const CMainFrame& frame)
{
    return frame.CanShowClipWindow(I);
}

bool AnyClipWindow(const CMainFrame& frame)
{
    return frame.CountClipWindows() > 0 && !frame.IsSelectionOn();
}

bool MaskSettingsRule(const CMainFrame& frame)
{
    return frame.CanUseMaskSettings() != FALSE;
}

bool ClipboardBitmap(const CMainFrame& frame)
{
    return frame.Window(AppWindow::ControlPanel) && !frame.IsSelectionOn() &&
        IsClipboardFormatAvailable(CF_BITMAP);
}

bool PrintRule(const CMainFrame& frame)
{
    return frame.CanPrint();
}

bool ExifSettingsRule(const CMainFrame& frame)
{
    return frame.CanUseExifSettings();
}

constexpr FrameCommand kFrameCommands[] = {
    {ID_FILE_OPEN_IMAGE, ControlIdle},
    {ID_FILE_SAVE_IMAGE, SaveStageImageRule},
    {ID_FILE_NEW_IMAGE, ImageCommands},
    {ID_FILE_PRINT_IMAGE, PrintRule},
    {ID_EDIT_FLIP_LR, TransformRule},
    {ID_EDIT_FLIP_TB, TransformRule},
    {ID_EDIT_ROTATE_90, TransformRule},
    {ID_EDIT_RESET_IMAGE, TransformRule},
    {ID_EDIT_COLOR_ADJUST, ColorAdjustRule},
    {ID_VIEW_ZOOM_IN, StageImage},
    {ID_VIEW_ZOOM_OUT, StageImage},
    {ID_VIEW_MEASURE, MeasureRule},
    {ID_VIEW_THUMB_MASK, MaskSettingsRule},
    {ClipWindowCommandOf(0), ClipWindowThere<0>},
    {ClipWindowCommandOf(1), ClipWindowThere<1>},
    {ClipWindowCommandOf(2), ClipWindowThere<2>},
    {ClipWindowCommandOf(3), ClipWindowThere<3>},
    {ClipWindowCommandOf(4), ClipWindowThere<4>},
    {ClipWindowCommandOf(5), ClipWindowThere<5>},
    {ClipWindowCommandOf(6), ClipWindowThere<6>},
    {ClipWindowCommandOf(7), ClipWindowThere<7>},
    {ClipWindowCommandOf(8), ClipWindowThere<8>},
    {ClipWindowCommandOf(9), ClipWindowThere<9>},
    {ClipWindowCommandOf(10), ClipWindowThere<10>},
    {ClipWindowCommandOf(11), ClipWindowThere<11>},
    {ID_CLIPWINDOW_SHOW_ALL, AnyClipWindow},
    {ID_CLIPWINDOW_CLOSE_ALL, AnyClipWindow},
    {ID_EDIT_PASTE_IMAGE, ClipboardBitmap},
    {ID_OPTION_EXIF_VIEW, ExifSettingsRule},
    {ID_OPTION_EXIF_CLEAR, ExifSettingsRule},
    {ID_OPTION_OPTIONS, ControlIdle},
    {ID_HELP_MANUAL, ControlIdle},
    {ID_FILE_WORK_FOLDER, ControlIdle},
    {ID_VIEW_FILE_TREE, ControlIdle},
    {ID_VIEW_FOLDER_TREE, ControlIdle},
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
