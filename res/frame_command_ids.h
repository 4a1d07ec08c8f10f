// Command ids of the main frame's menus, toolbars and shortcuts.
#pragma once

#include "platform/types/types.h"

enum : UINT {
    ID_FILE_OPEN_IMAGE = 32771,
    ID_FILE_SAVE_IMAGE = 32772,
    ID_OPTION_OPTIONS = 32782,
    ID_HELP_MANUAL = 32783,
    ID_FILE_NEW_IMAGE = 32784,
    ID_VIEW_ZOOM_IN = 32794,
    ID_VIEW_ZOOM_OUT = 32796,
    ID_EDIT_COLOR_ADJUST = 32801,
    ID_EDIT_FLIP_LR = 32802,
    ID_EDIT_FLIP_TB = 32803,
    ID_EDIT_ROTATE_90 = 32804,
    ID_EDIT_RESET_IMAGE = 32810,
    ID_VIEW_FILE_TREE = 32812,
    ID_VIEW_FOLDER_TREE = 32813,
    ID_CLIPWINDOW_1 = 32815,  // .. ID_CLIPWINDOW_10 = 32824
    ID_CLIPWINDOW_10 = 32824,
    ID_OPTION_EXIF_VIEW = 32836,
    ID_OPTION_EXIF_CLEAR = 32837,
    ID_EDIT_PASTE_IMAGE = 32838,
    ID_CLIPWINDOW_SHOW_ALL = 32840,
    ID_CLIPWINDOW_CLOSE_ALL = 32841,
    ID_FILE_WORK_FOLDER = 32859,
    ID_CLIPWINDOW_11 = 32864,
    ID_CLIPWINDOW_12 = 32865,
    ID_FILE_PRINT_IMAGE = 32884,
    ID_VIEW_MEASURE = 32905,
    ID_VIEW_THUMB_MASK = 32913,
    // The class library's standard commands.
    ID_FILE_NEW = 57600,
    ID_FILE_OPEN = 57601,
    ID_FILE_PRINT_SETUP = 57606,
    ID_EDIT_COPY = 57634,
    ID_EDIT_CUT = 57635,
    ID_EDIT_PASTE = 57637,
    ID_EDIT_UNDO = 57643,
    ID_APP_ABOUT = 57664,
    ID_APP_EXIT = 57665,
    ID_NEXT_PANE = 57680,
    ID_PREV_PANE = 57681,
};

// The id of the ClipWindow item of the View menu, which opens its submenu.
inline constexpr UINT ID_VIEW_CLIPWINDOW_MENU = 203;

// The clip-window command of index 0..11; 0 for other indexes.
constexpr UINT ClipWindowCommandOf(int index)
{
    return index < 0 || index > 11 ? 0
        : index < 10               ? ID_CLIPWINDOW_1 + index
                                   : ID_CLIPWINDOW_11 + (index - 10);
}
