// Dialog templates: declarative tables of a dialog's caption, style, size and
// controls, one per template number (they live in res/). Positions and sizes
// are pixels at 96 dpi; the layer builds real Qt widgets from them.
#pragma once

#include "platform/messages.h"

#include <span>

enum class ControlKind {
    PushButton,
    DefPushButton,
    BitmapButton,  // push button showing a bitmap (BM_SETIMAGE / SetBitmap)
    CheckBox,      // BS_AUTOCHECKBOX toggles itself; without it the handler sets the state
    RadioButton,   // BS_AUTORADIOBUTTON: exclusive within its group (WS_GROUP starts one)
    GroupBox,
    Text,      // static text (SS_LEFT, SS_CENTER, SS_RIGHT; SS_NOTIFY for clicks)
    Picture,   // static with its own surface: bitmaps, frames, drawing through GetDC
    Edit,      // ES_MULTILINE makes it multi-line
    ComboBox,  // CBS_DROPDOWN (editable) or CBS_DROPDOWNLIST
    ListBox,
    Slider,  // track bar: TBS_VERT, TBS_NOTICKS
    Spin,    // up-down control: UDS_HORZ, UDS_SETBUDDYINT, UDS_AUTOBUDDY
    Progress,
    Tab,
};

struct DialogControl {
    ControlKind kind;
    int id;
    const char16_t* text;
    DWORD style;
    int x, y, cx, cy;
};

struct DialogTemplate {
    UINT id;
    const char16_t* caption;
    DWORD style;    // WS_CAPTION, WS_SYSMENU (close box), WS_CHILD, DS_CENTER ...
    DWORD exStyle;  // WS_EX_TOOLWINDOW, WS_EX_TOPMOST
    int cx, cy;     // client size
    std::span<const DialogControl> controls;
};

// Control and dialog styles that the tables use.
enum : DWORD {
    // Any control: built hidden.
    CS_HIDDEN = 0x04000000,
    // Buttons.
    BS_PUSHBUTTON = 0x0000,
    BS_DEFPUSHBUTTON = 0x0001,
    BS_CHECKBOX = 0x0002,
    BS_AUTOCHECKBOX = 0x0003,
    BS_RADIOBUTTON = 0x0004,
    BS_AUTORADIOBUTTON = 0x0009,
    BS_BITMAP = 0x0080,
    BS_MULTILINE = 0x2000,
    BS_PUSHLIKE = 0x1000,
    // Statics.
    SS_LEFT = 0x0000,
    SS_CENTER = 0x0001,
    SS_RIGHT = 0x0002,
    SS_BLACKFRAME = 0x0007,
    SS_ETCHEDFRAME = 0x0012,
    SS_BITMAP = 0x000E,
    SS_NOTIFY = 0x0100,
    SS_CENTERIMAGE = 0x0200,
    SS_SUNKEN = 0x1000,
    // Edits.
    ES_LEFT = 0x0000,
    ES_CENTER = 0x0001,
    ES_RIGHT = 0x0002,
    ES_MULTILINE = 0x0004,
    ES_AUTOHSCROLL = 0x0080,
    ES_READONLY = 0x0800,
    ES_WANTRETURN = 0x1000,
    ES_NUMBER = 0x2000,
    // Combo and list boxes.
    CBS_DROPDOWN = 0x0002,
    CBS_DROPDOWNLIST = 0x0003,
    CBS_SORT = 0x0100,
    LBS_NOTIFY = 0x0001,
    LBS_SORT = 0x0002,
    LBS_MULTIPLESEL = 0x0008,
    LBS_EXTENDEDSEL = 0x0800,
    // Track bars.
    TBS_HORZ = 0x0000,
    TBS_AUTOTICKS = 0x0001,
    TBS_VERT = 0x0002,
    TBS_BOTH = 0x0008,
    TBS_NOTICKS = 0x0010,
    // Up-down controls.
    UDS_WRAP = 0x0001,
    UDS_SETBUDDYINT = 0x0002,
    UDS_ALIGNRIGHT = 0x0004,
    UDS_AUTOBUDDY = 0x0010,
    UDS_ARROWKEYS = 0x0020,
    UDS_HORZ = 0x0040,
    UDS_NOTHOUSANDS = 0x0080,
    // Progress bars.
    PBS_SMOOTH = 0x0001,
    PBS_VERTICAL = 0x0004,
    // Dialogs.
    DS_MODALFRAME = 0x0080,
    DS_CENTER = 0x0800,
};
