// The messages the control panel receives from the view stage and the frame
// (WM_USER + n), and the panel buttons the stage presses.
#pragma once

#include "platform/types/messages.h"

enum : UINT {
    // From the frame: the image is reset to the one loaded (the panel passes it on to the stage).
    WM_CLIPCTL_RESET_IMAGE = WM_USER + 108,
    // From the frame after a zoom step while a selection runs: wParam +1 in, -1 out.
    WM_CLIPCTL_ZOOM_CHANGED = WM_USER + 111,
    // wParam: a COLORREF, or -1 when there is no colour to show.
    WM_CLIPCTL_SHOW_COLOR = WM_USER + 132,
    // wParam: method 2 or 3; behaves as a click on that method's button.
    WM_CLIPCTL_PRESS_METHOD = WM_USER + 143,
    WM_CLIPCTL_NO_IMAGE = WM_USER + 191,
    // wParam: POINT* in image pixels; lParam 0 first point, 1 moving point, 2 reset.
    WM_CLIPCTL_SHOW_POINT = WM_USER + 197,
    // wParam: RECT* or null; lParam 1 range selected, 2 or 3 end.
    WM_CLIPCTL_RANGE_DONE = WM_USER + 198,
    // wParam: pointer to two ints, the image's width and height.
    WM_CLIPCTL_IMAGE_READY = WM_USER + 199,
    // wParam: RECT* with inclusive pixel edges.
    WM_CLIPCTL_SET_PREV_RECT = WM_USER + 207,
    // Posted by the capture-window chooser. wParam: the capture kind (3: the
    // chosen window); lParam: the window's handle.
    WM_CLIPCTL_CAPTURE = WM_USER + 208,
    WM_CLIPCTL_FIX_RANGE = WM_USER + 407,
    WM_CLIPCTL_SWITCH_TO_WHEEL = WM_USER + 454,
    // wParam 1 while the panel is made, 0 after the option sheet closed.
    WM_CLIPCTL_UPDATE_CONTCAP_BUTTON = WM_USER + 502,
};

// The panel's buttons the stage clicks (WM_COMMAND with the button's id).
enum : int {
    IDC_PANEL_CAPTURE_ACTIVE_WINDOW = 1099,
    IDC_PANEL_CAPTURE_FULL_SCREEN = 1102,
    IDC_PANEL_TWO_CLICK_RANGE = 1111,
    IDC_PANEL_WHEEL_RANGE = 1112,
    IDC_PANEL_FIXED_MODE_DIALOG = 1246,
};
