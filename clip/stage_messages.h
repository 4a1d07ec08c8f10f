// The messages the view stage receives (WM_USER + n), the commands it takes
// and the ids of its pop-up menu's items. Senders include this header; the
// stage's own window lives in clip/view_stage.h.
#pragma once

#include "core/panel_messages.h"  // WM_REPOSITION_PANEL (102), WM_RESIZE_STAGE (110)
#include "platform/types/messages.h"

enum : UINT {
    // wParam kind (kStageOpen*); lParam the capture target, or the clipboard bitmap for kind 10.
    WM_STAGE_OPEN_IMAGE = WM_USER + 101,
    // wParam 1: ask first; lParam 1: reset the layout.
    WM_STAGE_NEW_VIEW = WM_USER + 103,
    // Runs the open dialog; 1 when a file was chosen (its path is then in the holder).
    WM_STAGE_OPEN_DIALOG = WM_USER + 105,
    // wParam: an HDROP, handled as a drop on the stage.
    WM_STAGE_DROP_FILES = WM_USER + 106,
    // Opens g_szOpenFilePath.
    WM_STAGE_OPEN_SHARED_PATH = WM_USER + 107,
    WM_STAGE_RANGE_CORR_OFF = WM_USER + 109,
    // The zoom lens's source: wParam CClipImageSlot** receives the lens buffer,
    // lParam RECT* the square it holds (inclusive image pixels). 1, or 0 when
    // refused (the view magnifies 5 times or more) or the copy failed.
    WM_STAGE_LENS_SOURCE = WM_USER + 115,
    // wParam width, lParam height of the wheel range (image pixels).
    WM_STAGE_APPLY_RANGE_SIZE = WM_USER + 202,
    WM_STAGE_CONTRAST_BEGIN = WM_USER + 203,
    WM_STAGE_CONTRAST_END = WM_USER + 204,
    // wParam the value (above 127 counts as 127); lParam channel bits 1 red, 2 green, 4 blue.
    WM_STAGE_CONTRAST_SET = WM_USER + 205,
    WM_STAGE_SKY_REFRESH = WM_USER + 220,
    // wParam x, lParam y: the point to centre on, in per mille of the image.
    WM_STAGE_SKY_JUMP = WM_USER + 221,
    WM_STAGE_SKY_DRAG_BEGIN = WM_USER + 223,
    WM_STAGE_SKY_DRAG_END = WM_USER + 224,
    WM_STAGE_RESET_IMAGE = WM_USER + 253,
    // As WM_STAGE_APPLY_RANGE_SIZE, only while the wheel selection runs.
    WM_STAGE_SET_WHEEL_RANGE = WM_USER + 257,
    WM_STAGE_FIT_IMAGE = WM_USER + 258,
    WM_STAGE_SELECT_ALL = WM_USER + 260,
    // 1 done, 0 failed.
    WM_STAGE_FLIP_TB = WM_USER + 311,
    WM_STAGE_FLIP_LR = WM_USER + 312,
    WM_STAGE_ROTATE_90 = WM_USER + 313,
    // wParam +1 in, -1 out, 0 fit.
    WM_STAGE_ZOOM = WM_USER + 314,
    // wParam: clip slot 0 .. 11.
    WM_STAGE_FREE_CLIP_SLOT = WM_USER + 353,
    WM_STAGE_TAKE_FOCUS = WM_USER + 403,
    // wParam: const RECT* the fixed range (image pixels).
    WM_STAGE_VIEW_FIX_AREA = WM_USER + 408,
    WM_STAGE_RENDER = WM_USER + 409,
    WM_STAGE_RELOAD_ZOOM_STEP = WM_USER + 410,
    // wParam the glide timer's period (ms); lParam const POINT* a first step, or null.
    WM_STAGE_FLICK_START = WM_USER + 411,
    WM_STAGE_FLICK_STOP = WM_USER + 412,
    WM_STAGE_CENTER_CURSOR = WM_USER + 413,
    WM_STAGE_RENDER_MEASURE = WM_USER + 478,
    // Opens g_pszContinueCaptureLastPath when it is not empty. Send it: the
    // sender may free the path as soon as it returns.
    WM_STAGE_OPEN_PATH_PTR = WM_USER + 501,
    // A point picked in the zoom lens: wParam const POINT* client point,
    // lParam const POINT* image pixel.
    WM_STAGE_SET_CLICK_RANGE = WM_USER + 508,
    // wParam CClipImageSlot** receives the lens buffer, lParam const RECT*
    // the inclusive image rectangle; 1, or 0 when the crop fails.
    WM_STAGE_CROP = WM_USER + 509,
};

// The kinds of WM_STAGE_OPEN_IMAGE.
enum : WPARAM {
    kStageOpenFile = 0,
    kStageOpenActiveWindow = 1,
    kStageOpenFullScreen = 2,
    kStageOpenChosenWindow = 3,
    kStageOpenClipboard = 10,
};

// Commands (WM_COMMAND) the stage takes.
enum : UINT {
    ID_STAGE_ENTER_CLIP = 32777,
    ID_RB_CANCEL_CLIP_RANGE = 32793,
    ID_RB_TWO_CLICK_RANGE = 32842,
    ID_RB_WHEEL_RANGE = 32843,
    ID_RB_CAPTURE_FULL_SCREEN = 32846,
    ID_RB_CAPTURE_ACTIVE_WINDOW = 32847,
    ID_RB_SHOW_RANGE_CORR = 32849,
    ID_RB_SHOW_HIGHLIGHT = 32854,
    ID_RB_CENTER_ZOOM = 32857,
    ID_RB_COLOR_RADIX = 32869,
    ID_RB_SHOW_GRID = 32871,
    ID_RB_FIXED_MODE_DIALOG = 32873,
    ID_RB_MEASURE_DIALOG = 32906,
    ID_RB_HIT_ZOOM = 32910,
    ID_RB_AUTO_FILE_NAME = 32915,
};

// The stage pop-up's items: the item at position p has the id 500 + p; the
// highlight-style submenu holds 530 .. 532.
enum : UINT {
    IDF_TWO_CLICK_RANGE = 500,
    IDF_WHEEL_RANGE = 501,
    IDF_FIXED_MODE_DIALOG = 502,
    IDF_AUTO_FILE_NAME = 504,
    IDF_HIT_ZOOM = 506,
    IDF_CENTER_ZOOM = 508,
    IDF_SHOW_GRID = 509,
    IDF_CENTER_MARKER = 510,
    IDF_SHOW_RANGE_CORR = 511,
    IDF_HIGHLIGHT_STYLE = 512,
    IDF_CAPTURE_FULL_SCREEN = 514,
    IDF_CAPTURE_ACTIVE_WINDOW = 515,
    IDF_COLOR_RADIX = 517,
    IDF_COPY_COLOR_TEXT = 518,
    IDF_MEASURE = 520,
    IDF_CLOSE_MENU = 522,
    IDF_HIGHLIGHT_FRAME = 530,
    IDF_HIGHLIGHT_DARKER = 531,
    IDF_HIGHLIGHT_LIGHTER = 532,
};
