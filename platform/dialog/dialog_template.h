// Dialog templates: declarative tables of a dialog's caption, style, size and
// controls, one per template number (they live in res/). Positions and sizes
// are pixels at 96 dpi; the layer builds real Qt widgets from them.
#pragma once

#include "platform/types/messages.h"

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
    ListView,  // rows of text with small icons (LVS_SINGLESEL: one selected row at most)
    TreeView,  // items in a hierarchy with small icons (TVS_HASLINES, TVS_HASBUTTONS, TVS_LINESATROOT)
};

// The id of labels and frames that no code addresses.
constexpr int IDC_STATIC = -1;

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
// Any control: built hidden.
inline constexpr DWORD CS_HIDDEN = 0x04000000;
// Buttons.
inline constexpr DWORD BS_PUSHBUTTON = 0x0000;
inline constexpr DWORD BS_DEFPUSHBUTTON = 0x0001;
inline constexpr DWORD BS_CHECKBOX = 0x0002;
inline constexpr DWORD BS_AUTOCHECKBOX = 0x0003;
inline constexpr DWORD BS_RADIOBUTTON = 0x0004;
inline constexpr DWORD BS_AUTORADIOBUTTON = 0x0009;
inline constexpr DWORD BS_BITMAP = 0x0080;
inline constexpr DWORD BS_MULTILINE = 0x2000;
inline constexpr DWORD BS_PUSHLIKE = 0x1000;
// Statics.
inline constexpr DWORD SS_LEFT = 0x0000;
inline constexpr DWORD SS_CENTER = 0x0001;
inline constexpr DWORD SS_RIGHT = 0x0002;
inline constexpr DWORD SS_BLACKFRAME = 0x0007;
inline constexpr DWORD SS_ETCHEDFRAME = 0x0012;
inline constexpr DWORD SS_BITMAP = 0x000E;
inline constexpr DWORD SS_NOTIFY = 0x0100;
inline constexpr DWORD SS_CENTERIMAGE = 0x0200;
inline constexpr DWORD SS_SUNKEN = 0x1000;
// Edits.
inline constexpr DWORD ES_LEFT = 0x0000;
inline constexpr DWORD ES_CENTER = 0x0001;
inline constexpr DWORD ES_RIGHT = 0x0002;
inline constexpr DWORD ES_MULTILINE = 0x0004;
inline constexpr DWORD ES_AUTOHSCROLL = 0x0080;
inline constexpr DWORD ES_READONLY = 0x0800;
inline constexpr DWORD ES_WANTRETURN = 0x1000;
inline constexpr DWORD ES_NUMBER = 0x2000;
// Combo and list boxes.
inline constexpr DWORD CBS_DROPDOWN = 0x0002;
inline constexpr DWORD CBS_DROPDOWNLIST = 0x0003;
inline constexpr DWORD CBS_SORT = 0x0100;
inline constexpr DWORD LBS_NOTIFY = 0x0001;
inline constexpr DWORD LBS_SORT = 0x0002;
inline constexpr DWORD LBS_MULTIPLESEL = 0x0008;
inline constexpr DWORD LBS_EXTENDEDSEL = 0x0800;
// Track bars.
inline constexpr DWORD TBS_HORZ = 0x0000;
inline constexpr DWORD TBS_AUTOTICKS = 0x0001;
inline constexpr DWORD TBS_VERT = 0x0002;
inline constexpr DWORD TBS_BOTH = 0x0008;
inline constexpr DWORD TBS_NOTICKS = 0x0010;
// Up-down controls.
inline constexpr DWORD UDS_WRAP = 0x0001;
inline constexpr DWORD UDS_SETBUDDYINT = 0x0002;
inline constexpr DWORD UDS_ALIGNRIGHT = 0x0004;
inline constexpr DWORD UDS_AUTOBUDDY = 0x0010;
inline constexpr DWORD UDS_ARROWKEYS = 0x0020;
inline constexpr DWORD UDS_HORZ = 0x0040;
inline constexpr DWORD UDS_NOTHOUSANDS = 0x0080;
// List views.
inline constexpr DWORD LVS_SMALLICON = 0x0002;
inline constexpr DWORD LVS_LIST = 0x0003;
inline constexpr DWORD LVS_SINGLESEL = 0x0004;
inline constexpr DWORD LVS_SHOWSELALWAYS = 0x0008;
// Tree views.
inline constexpr DWORD TVS_HASBUTTONS = 0x0001;
inline constexpr DWORD TVS_HASLINES = 0x0002;
inline constexpr DWORD TVS_LINESATROOT = 0x0004;
inline constexpr DWORD TVS_SHOWSELALWAYS = 0x0020;
// Progress bars.
inline constexpr DWORD PBS_SMOOTH = 0x0001;
inline constexpr DWORD PBS_VERTICAL = 0x0004;
// Dialogs.
inline constexpr DWORD DS_MODALFRAME = 0x0080;
inline constexpr DWORD DS_CENTER = 0x0800;
