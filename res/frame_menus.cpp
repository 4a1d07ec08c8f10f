#include "res/frame_menus.h"

#include "res/frame_command_ids.h"

namespace {

constexpr FrameMenuItem kSeparator{0, nullptr, 0};

const FrameMenuItem kMainFile[] = {
    {ID_FILE_NEW_IMAGE, u"新規作成　(Ctrl+N)", 238},
    {ID_FILE_OPEN_IMAGE, u"開く　(Ctrl+O)", 239},
    kSeparator,
    {ID_FILE_SAVE_IMAGE, u"保存　(Ctrl+S)", 240},
    kSeparator,
    {ID_FILE_PRINT_IMAGE, u"印刷　(Ctrl+P)", 275},
    kSeparator,
    {ID_APP_EXIT, u"ｱﾌﾟﾘｹｰｼｮﾝの終了　(Ctrl+X)", 241},
};

const FrameMenuItem kMainClipWindows[] = {
    {ID_CLIPWINDOW_1 + 0, u"Window1", 244},
    {ID_CLIPWINDOW_1 + 1, u"Window2", 245},
    {ID_CLIPWINDOW_1 + 2, u"Window3", 246},
    {ID_CLIPWINDOW_1 + 3, u"Window4", 247},
    {ID_CLIPWINDOW_1 + 4, u"Window5", 248},
    {ID_CLIPWINDOW_1 + 5, u"Window6", 249},
    {ID_CLIPWINDOW_1 + 6, u"Window7", 250},
    {ID_CLIPWINDOW_1 + 7, u"Window8", 251},
    {ID_CLIPWINDOW_1 + 8, u"Window9", 252},
    {ID_CLIPWINDOW_10, u"Window10", 253},
    {ID_CLIPWINDOW_11, u"Window11", 254},
    {ID_CLIPWINDOW_12, u"Window12", 255},
    {ID_CLIPWINDOW_SHOW_ALL, u"全て表示", 256},
    {ID_CLIPWINDOW_CLOSE_ALL, u"全て閉じる", 257},
};

const FrameMenuPopup kMainClipWindowPopup{u"ClipWindow", kMainClipWindows};

const FrameMenuItem kMainView[] = {
    {ID_VIEW_FILE_TREE, u"ファイルダイアログ", 242},
    {ID_FILE_WORK_FOLDER, u"作業フォルダの選択", 243},
    {ID_VIEW_CLIPWINDOW_MENU, u"ClipWindow", 0, &kMainClipWindowPopup},
};

const FrameMenuItem kMainEdit[] = {
    {ID_VIEW_MEASURE, u"測定", 344},
    kSeparator,
    {ID_VIEW_ZOOM_IN, u"ズームイン", 258},
    {ID_VIEW_ZOOM_OUT, u"ズームアウト", 259},
    kSeparator,
    {ID_EDIT_PASTE_IMAGE, u"イメージ貼り付け", 260},
    kSeparator,
    {ID_EDIT_RESET_IMAGE, u"元に戻す", 261},
    {ID_EDIT_COLOR_ADJUST, u"色調整", 262},
    {ID_EDIT_FLIP_LR, u"左右反転", 263},
    {ID_EDIT_FLIP_TB, u"上下反転", 264},
    {ID_EDIT_ROTATE_90, u"90度回転", 265},
};

const FrameMenuItem kMainOptions[] = {
    {ID_OPTION_OPTIONS, u"オプション", 266},
};

const FrameMenuItem kMainHelp[] = {
    {ID_HELP_MANUAL, u"マニュアルの表示", 267},
    {ID_APP_ABOUT, u"Kestrelバージョン情報", 268},
};

const FrameMenuPopup kMainPopups[] = {
    {u"ファイル", kMainFile},
    {u"表示", kMainView},
    {u"編集", kMainEdit},
    {u"オプション", kMainOptions},
    {u"ヘルプ", kMainHelp},
};

const FrameMenuItem kMultiFile[] = {
    {ID_FILE_PRINT_IMAGE, u"印刷  (Ctrl+P)", 275},
    kSeparator,
    {ID_APP_EXIT, u"ｱﾌﾟﾘｹｰｼｮﾝの終了 (Ctrl+X)", 241},
};

const FrameMenuItem kMultiView[] = {
    {ID_VIEW_FOLDER_TREE, u"フォルダダイアログ (Ctrl+F)", 242},
    {ID_VIEW_THUMB_MASK, u"サムネイルマスク (Ctrl+T)", 375},
};

const FrameMenuItem kMultiOptions[] = {
    {ID_OPTION_OPTIONS, u"オプション", 266},
    {ID_OPTION_EXIF_VIEW, u"Exif表示設定", 308},
    {ID_OPTION_EXIF_CLEAR, u"Exifクリア設定", 309},
};

const FrameMenuPopup kMultiPopups[] = {
    {u"ファイル", kMultiFile},
    {u"表示", kMultiView},
    {u"オプション", kMultiOptions},
    {u"ヘルプ", kMainHelp},
};

const FrameMenuItem* FindIn(std::span<const FrameMenuItem> items, UINT id)
{
    for (const FrameMenuItem& item : items) {
        if (!item.IsSeparator() && item.id == id)
            return &item;
        if (item.submenu)
            if (const FrameMenuItem* found = FindIn(item.submenu->items, id))
                return found;
    }
    return nullptr;
}

}  // namespace

const FrameMenu kMenu128Main{128, kMainPopups};
const FrameMenu kMenu134MultiView{134, kMultiPopups};

const FrameMenuItem* FindFrameMenuItem(const FrameMenu& menu, UINT id)
{
    for (const FrameMenuPopup& popup : menu.popups)
        if (const FrameMenuItem* found = FindIn(popup.items, id))
            return found;
    return nullptr;
}
