// Template 134: the control panel, the narrow caption-less column at the
// frame's left edge in clip mode. The buttons the stage presses (1099, 1102,
// 1111, 1112, 1246) are also named in clip/control_panel_messages.h.
#pragma once

#include "platform/dialog/dialog_template.h"
#include "res/dialog_134_control_window.h"

enum : int {
    IDC_PANEL_METHOD_GROUP = 1074,
    IDC_PANEL_STEP_EDIT = 1083,
    IDC_PANEL_HEIGHT_SPIN = 1084,
    IDC_PANEL_WIDTH_SPIN = 1085,
    IDC_PANEL_STEP_SPIN = 1086,
    IDC_PANEL_START = 1090,
    IDC_PANEL_SIZE = 1091,
    IDC_PANEL_END = 1092,
    IDC_PANEL_HEIGHT = 1100,
    IDC_PANEL_WIDTH = 1101,
    IDC_CONTROL_ACTIVE_WINDOW = 1099,
    IDC_CONTROL_FULL_SCREEN = 1102,
    IDC_PANEL_WAIT = 1105,
    IDC_PANEL_WAIT_EDIT = 1118,
    IDC_PANEL_CAPTURE_CURSOR = 1119,
    IDC_PANEL_FIX_RANGE = 1120,
    IDC_PANEL_COLOR_TEXT = 1126,
    IDC_PANEL_COLOR_SWATCH = 1127,
    IDC_PANEL_CHOOSER = 1248,
    IDC_PANEL_STEP = 1255,
    IDC_PANEL_SIZE_LINK = 1684,
    IDC_PANEL_CONTINUE_CAPTURE = 1717,
};

extern const DialogTemplate kDialog134ControlPanel;
