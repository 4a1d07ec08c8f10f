#include "res/menu_296_multi_view.h"

namespace {

const FrameMenuItem kItems[] = {
    {ID_MULTI_OPEN_IN_CLIP, u"編集モードで表示", 0},
    {ID_MULTI_COPY_PICTURE, u"クリップボードへコピー", 0},
    {ID_MULTI_COPY_FILES, u"ファイルのコピー", 0},
    {ID_MULTI_DELETE_ONE, u"ファイル削除(単独)", 0},
    {ID_MULTI_BATCH_SHRINK, u"一括縮小変換", 0},
    {ID_MULTI_RENAME_ONE, u"ファイル名変更(個別)", 0},
    {ID_MULTI_RENAME_BATCH, u"ファイル名変更(一括)", 0},
    {ID_MULTI_PRINT, u"印刷", 0},
};

const FrameMenuPopup kPopups[] = {
    {u"マルチメニュー", kItems},
};

}  // namespace

const FrameMenu kMenu296MultiView{296, kPopups};
