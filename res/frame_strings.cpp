#include "res/frame_strings.h"

#include "res/frame_command_ids.h"

namespace {

struct Entry {
    UINT id;
    const char16_t* prompt;
    const char16_t* tip;  // null: none
};

const Entry kEntries[] = {
    {ID_FILE_OPEN_IMAGE, u"ファイルを開く", u"ファイルをオープンします"},
    {ID_FILE_SAVE_IMAGE, u"イメージデータの保存", u"イメージの保存"},
    {ID_OPTION_OPTIONS, u"オプションダイアログを開きます", nullptr},
    {ID_HELP_MANUAL, u"バージョン情報を表示します", u"バージョン情報を表示します"},
    {ID_FILE_NEW_IMAGE, u"新規作成", nullptr},
    {ID_VIEW_ZOOM_IN, u"イメージを拡大します", u"イメージを拡大します"},
    {ID_VIEW_ZOOM_OUT, u"イメージを縮小します", u"イメージを縮小します"},
    {ID_EDIT_COLOR_ADJUST, u"色調整", u"色調整"},
    {ID_EDIT_FLIP_LR, u"イメージを左右反転します", u"左右反転"},
    {ID_EDIT_FLIP_TB, u"イメージを上下反転します", u"上下反転"},
    {ID_EDIT_ROTATE_90, u"イメージを90度右回転します", u"90度右回転"},
    {ID_EDIT_RESET_IMAGE, u"画像を初期状態に戻す", u"画像を初期状態に戻す"},
    {ID_VIEW_FILE_TREE, u"FileView ﾀﾞｲｱﾛｸﾞの表示/非表示", u"FileView ﾀﾞｲｱﾛｸﾞの表示/非表示"},
    {ID_VIEW_FOLDER_TREE, u"ﾌｫﾙﾀﾞ ﾀﾞｲｱﾛｸﾞの表示/非表示", u"ﾌｫﾙﾀﾞ ﾀﾞｲｱﾛｸﾞの表示/非表示"},
    {ID_OPTION_EXIF_VIEW, u"Exif表示設定ダイアログを開きます", nullptr},
    {ID_OPTION_EXIF_CLEAR, u"Exifクリア設定ダイアログを開きます", nullptr},
    {ID_EDIT_PASTE_IMAGE, u"クリップボードのイメージを読み込み表示します", u"ｸﾘｯﾌﾟﾎﾞｰﾄﾞのｲﾒｰｼﾞを表示します"},
    {ID_CLIPWINDOW_SHOW_ALL, u"ClipWindowを全て表示します", u"ClipWindowを全て表示します"},
    {ID_CLIPWINDOW_CLOSE_ALL, u"ClipWindowを全て閉じます", u"ClipWindowを全て閉じます"},
    {ID_FILE_WORK_FOLDER, u"作業フォルダ選択ダイアログを表示します",
        u"作業フォルダ選択ダイアログを表示します"},
    {ID_FILE_PRINT_IMAGE, u"画像の印刷", u"印刷"},
    {ID_VIEW_MEASURE, u"測定モードダイアログを開きます", nullptr},
    {ID_VIEW_THUMB_MASK, u"マスク設定 ﾀﾞｲｱﾛｸﾞの表示/非表示", u"マスク設定 ﾀﾞｲｱﾛｸﾞの表示/非表示"},
    {ID_APP_ABOUT, u"ﾌﾟﾛｸﾞﾗﾑの情報、ﾊﾞｰｼﾞｮﾝそして著作権を表示", u"ﾊﾞｰｼﾞｮﾝ情報"},
    {ID_APP_EXIT, u"ｱﾌﾟﾘｹｰｼｮﾝの終了", u"終了"},
};

}  // namespace

CommandPrompt CommandPromptOf(UINT id)
{
    for (int i = 0; i < 12; ++i) {
        if (ClipWindowCommandOf(i) != id)
            continue;
        // Window 1 reads "を表示します", the others "の表示します".
        const QString n = QString::number(i + 1);
        const QString tail = i == 0 ? QStringLiteral("を表示します") : QStringLiteral("の表示します");
        return {
            QStringLiteral("ClipWindow No.%1%2").arg(n, tail), QStringLiteral("ClipWindow%1の表示").arg(n)};
    }
    for (const Entry& e : kEntries)
        if (e.id == id)
            return {QString::fromUtf16(e.prompt), e.tip ? QString::fromUtf16(e.tip) : QString()};
    return {};
}
