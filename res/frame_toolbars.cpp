#include "res/frame_toolbars.h"

#include "res/frame_command_ids.h"

namespace {

constexpr FrameToolbarButton kSep{-1, 0, false};

const FrameToolbarButton kMain[] = {
    {0, ID_FILE_NEW_IMAGE, false},
    {1, ID_FILE_OPEN_IMAGE, false},
    {2, ID_FILE_SAVE_IMAGE, false},
    {3, ID_FILE_PRINT_IMAGE, false},
    kSep,
    {4, ID_VIEW_FILE_TREE, true},
    {5, ID_FILE_WORK_FOLDER, true},
    kSep,
    {6, ID_VIEW_MEASURE, false},
    kSep,
    {7, ID_VIEW_ZOOM_IN, false},
    {8, ID_VIEW_ZOOM_OUT, false},
    kSep,
    {9, ID_EDIT_PASTE_IMAGE, false},
    kSep,
    {10, ID_EDIT_RESET_IMAGE, false},
    {11, ID_EDIT_COLOR_ADJUST, true},
    {12, ID_EDIT_FLIP_LR, false},
    {13, ID_EDIT_FLIP_TB, false},
    {14, ID_EDIT_ROTATE_90, false},
    kSep,
    {15, ClipWindowCommandOf(0), false},
    {16, ClipWindowCommandOf(1), false},
    {17, ClipWindowCommandOf(2), false},
    {18, ClipWindowCommandOf(3), false},
    {19, ClipWindowCommandOf(4), false},
    {20, ClipWindowCommandOf(5), false},
    {21, ClipWindowCommandOf(6), false},
    {22, ClipWindowCommandOf(7), false},
    {23, ClipWindowCommandOf(8), false},
    {24, ClipWindowCommandOf(9), false},
    {25, ClipWindowCommandOf(10), false},
    {26, ClipWindowCommandOf(11), false},
    {27, ID_CLIPWINDOW_SHOW_ALL, false},
    {28, ID_CLIPWINDOW_CLOSE_ALL, false},
    kSep,
    {29, ID_APP_ABOUT, false},
};

const FrameToolbarButton kMulti[] = {
    {0, ID_FILE_PRINT_IMAGE, false},
    kSep,
    {1, ID_VIEW_FOLDER_TREE, false},
    {2, ID_VIEW_THUMB_MASK, false},
    kSep,
    {3, ID_OPTION_OPTIONS, false},
    {4, ID_OPTION_EXIF_VIEW, false},
    {5, ID_OPTION_EXIF_CLEAR, false},
    kSep,
    {6, ID_APP_ABOUT, false},
};

}  // namespace

const FrameToolbar kToolbar128Main{128, 30, kMain};
const FrameToolbar kToolbar134MultiView{134, 7, kMulti};
