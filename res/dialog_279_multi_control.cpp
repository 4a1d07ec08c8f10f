// Template 279: the multi-view panel. Six groups from top to bottom: the
// folder (combo box, folder dialog, load / stop), the view (grid, preview,
// clear, the thumbnail size), the sort order, the focus file (name, date,
// size, the totals and the loading bar), EXIF, and the operations on the
// selection. Hidden at start: 1337 (the cell position), 1345 (the sort bar),
// 1346 (the totals) and 1117.
#include "res/dialog_279_multi_control.h"

namespace {

constexpr DWORD kImageButton = BS_PUSHBUTTON | BS_BITMAP | WS_TABSTOP;
constexpr DWORD kReadout = ES_LEFT | ES_READONLY | ES_AUTOHSCROLL;

const DialogControl kControls[] = {
    // The folder.
    {ControlKind::GroupBox, IDC_STATIC, u"フォルダ", 0, 4, 2, 160, 84},
    {ControlKind::ComboBox, IDC_MULTICTL_FOLDER, nullptr, CBS_DROPDOWN | WS_TABSTOP, 10, 18, 148, 22},
    {ControlKind::PushButton, IDC_MULTICTL_FOLDER_DIALOG, u"フォルダの選択", WS_TABSTOP, 10, 46, 98, 32},
    {ControlKind::BitmapButton, IDC_MULTICTL_LOAD_STOP, u"読込み", kImageButton, 112, 46, 46, 32},

    // The view and the thumbnail size.
    {ControlKind::GroupBox, IDC_STATIC, u"表示", 0, 4, 88, 160, 96},
    {ControlKind::BitmapButton, IDC_MULTICTL_GRID_VIEW, u"タイル", kImageButton, 10, 104, 36, 30},
    {ControlKind::BitmapButton, IDC_MULTICTL_PREVIEW_VIEW, u"プレビュー", kImageButton, 48, 104, 36, 30},
    {ControlKind::BitmapButton, IDC_MULTICTL_CLEAR_VIEW, u"画像のクリア", kImageButton, 122, 104, 36, 30},
    {ControlKind::Text, IDC_STATIC, u"サイズ", SS_LEFT, 10, 146, 38, 16},
    {ControlKind::Slider, IDC_MULTICTL_THUMB_SIZE, nullptr, TBS_HORZ | TBS_AUTOTICKS | WS_TABSTOP, 48, 140,
        110, 28},
    {ControlKind::Text, IDC_MULTICTL_CELL_POS, nullptr, SS_LEFT | CS_HIDDEN, 10, 166, 148, 14},

    // The sort order.
    {ControlKind::GroupBox, IDC_STATIC, u"並べ替え", 0, 4, 188, 160, 68},
    {ControlKind::RadioButton, IDC_MULTICTL_SORT_NAME, u"名前", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP,
        10, 204, 46, 18},
    {ControlKind::RadioButton, IDC_MULTICTL_SORT_DATE, u"日付", BS_AUTORADIOBUTTON, 58, 204, 46, 18},
    {ControlKind::RadioButton, IDC_MULTICTL_SORT_SIZE, u"サイズ", BS_AUTORADIOBUTTON, 106, 204, 52, 18},
    {ControlKind::CheckBox, IDC_MULTICTL_DESCENDING, u"降順", BS_CHECKBOX | WS_GROUP | WS_TABSTOP, 10, 228,
        60, 18},
    {ControlKind::Progress, IDC_MULTICTL_SORT_PROGRESS, nullptr, PBS_SMOOTH | CS_HIDDEN, 74, 231, 84, 12},
    {ControlKind::PushButton, IDC_MULTICTL_HIDDEN_BUTTON, u"Button", CS_HIDDEN, 122, 228, 36, 18},

    // The focus file, the totals and the loading.
    {ControlKind::GroupBox, IDC_STATIC, u"ファイル情報", 0, 4, 260, 160, 128},
    {ControlKind::Edit, IDC_MULTICTL_FILE_NAME, nullptr, kReadout, 10, 276, 148, 20},
    {ControlKind::Edit, IDC_MULTICTL_FILE_DATE, nullptr, kReadout, 10, 298, 148, 20},
    {ControlKind::Edit, IDC_MULTICTL_FILE_SIZE, nullptr, kReadout, 10, 320, 148, 20},
    {ControlKind::Text, IDC_MULTICTL_TOTALS, nullptr, SS_LEFT | CS_HIDDEN, 10, 344, 148, 16},
    {ControlKind::Progress, IDC_MULTICTL_LOAD_PROGRESS, nullptr, PBS_SMOOTH, 10, 366, 148, 14},

    // EXIF.
    {ControlKind::GroupBox, IDC_STATIC, u"Exif情報", 0, 4, 392, 160, 44},
    {ControlKind::PushButton, IDC_MULTICTL_EXIF_SHOW, u"表示", WS_TABSTOP, 10, 408, 72, 24},
    {ControlKind::PushButton, IDC_MULTICTL_EXIF_CLEAR, u"クリア", WS_TABSTOP, 86, 408, 72, 24},

    // The operations on the selection.
    {ControlKind::GroupBox, IDC_STATIC, u"ファイル操作", 0, 4, 440, 160, 88},
    {ControlKind::BitmapButton, IDC_MULTICTL_COPY_PICTURE, u"イメージコピー", kImageButton, 10, 456, 36, 30},
    {ControlKind::BitmapButton, IDC_MULTICTL_OPEN_IN_CLIP, u"編集モード", kImageButton, 47, 456, 36, 30},
    {ControlKind::BitmapButton, IDC_MULTICTL_DELETE, u"ファイル削除", kImageButton, 84, 456, 36, 30},
    {ControlKind::BitmapButton, IDC_MULTICTL_COPY_FILES, u"ファイルコピー", kImageButton, 121, 456, 36, 30},
    {ControlKind::BitmapButton, IDC_MULTICTL_BATCH_SHRINK, u"イメージ縮小", kImageButton, 10, 490, 36, 30},
    {ControlKind::BitmapButton, IDC_MULTICTL_RENAME_ONE, u"ファイル名変更(個別)", kImageButton, 47, 490, 36,
        30},
    {ControlKind::BitmapButton, IDC_MULTICTL_RENAME_BATCH, u"ファイル名変更(一括)", kImageButton, 84, 490, 36,
        30},
};

}  // namespace

const DialogTemplate kDialog279MultiControl{
    IDD_MULTI_CONTROL_WINDOW,
    u"",
    WS_POPUP,
    WS_EX_TOOLWINDOW,
    168,
    532,
    kControls,
};
