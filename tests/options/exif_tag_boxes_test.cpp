#include "options/exif_tag_boxes.h"
#include "res/dialog_310_exif_display_settings.h"
#include "res/dialog_311_exif_clear_settings.h"

#include <gtest/gtest.h>

namespace {

struct BoxRow {
    int displayId;
    int clearId;
    WORD tag;
};

// Every tag check box of the two dialogs and the tag it stands for.
constexpr BoxRow kBoxes[] = {
    {1123, 1392, 306},    // ファイル変更日時
    {1354, 1409, 270},    // 画像タイトル
    {1355, 1410, 271},    // メーカー名
    {1356, 1411, 272},    // モデル名
    {1357, 1412, 305},    // 使用ソフトウェア名
    {1358, 1413, 315},    // 作者名
    {1359, 1414, 33432},  // 撮影・編集著作権者
    {1401, 1427, 42016},  // 画像ユニークID
    {1402, 1419, 42032},  // カメラ所有者名
    {1403, 1420, 42033},  // カメラシリアル番号
    {1386, 1415, 42034},  // レンズの仕様情報
    {1387, 1416, 42035},  // レンズのメーカ名
    {1388, 1417, 42036},  // レンズのモデル名
    {1389, 1418, 42037},  // レンズシリアル番号
    {1126, 1421, 37510},  // ユーザーコメント
    {1396, 1422, 37500},  // メーカーノート
    {1397, 1423, 40964},  // 関連音声ファイル
    {1398, 1424, 36867},  // 原画像データの生成日時
    {1399, 1425, 36868},  // ディジタルデータの作成日時
    {1400, 1426, 41995},  // 撮影条件記述情報
    {1360, 1428, 36864},  // Exif バージョン
    {1361, 1429, 37121},  // 各コンポーネントの意味
    {1362, 1430, 33434},  // 露出時間
    {1363, 1431, 33437},  // F ナンバー
    {1364, 1432, 34850},  // 露出プログラム
    {1365, 1433, 37377},  // シャッタースピード
    {1366, 1434, 37378},  // 絞り値
    {1367, 1465, 37379},  // 輝度値
    {1124, 1440, 37380},  // 露光補正値
    {1368, 1441, 37381},  // レンズ最小Ｆ値
    {1369, 1442, 37382},  // 被写体距離
    {1370, 1443, 37383},  // 測光方式
    {1371, 1444, 37384},  // 光源
    {1372, 1445, 37385},  // フラッシュ
    {1373, 1446, 37386},  // レンズ焦点距離
    {1374, 1447, 41483},  // フラッシュ強度
    {1375, 1448, 41493},  // 露出インデックス
    {1376, 1449, 41495},  // センサー方式
    {1377, 1450, 41986},  // 露出モード
    {1378, 1451, 41987},  // ホワイトバランス
    {1379, 1452, 41988},  // デジタルズーム倍率
    {1380, 1453, 41989},  // 35mm換算レンズ焦点距離
    {1381, 1454, 41990},  // 撮影シーンタイプ
    {1125, 1435, 41991},  // ゲイン制御
    {1382, 1436, 41992},  // 撮影コントラスト
    {1383, 1437, 41993},  // 撮影彩度
    {1384, 1438, 41994},  // 撮影シャープネス
    {1385, 1439, 41996},  // 被写体距離レンジ
    {1390, 1455, 0},      // GPS タグのバージョン
    {1391, 1456, 1},      // GPS位置情報
    {1393, 1457, 5},      // 高度
    {1394, 1458, 7},      // GPS 時間
    {1395, 1459, 8},      // 測位に使った衛星信号
    {1404, 1460, 18},     // 測位に用いた地図データ
    {1405, 1461, 19},     // 目的地のGPS位置情報
    {1406, 1462, 27},     // 測位方式の名称
    {1407, 1463, 28},     // 測位地点の名称
    {1408, 1464, 29},     // GPS日付
};

ExifTagMask Full()
{
    ExifTagMask mask;
    SetExifClearCameraGroup(1, mask);
    SetExifClearShootingGroup(1, mask);
    SetExifClearGpsGroup(1, mask);
    return mask;
}

// A click on one box sets or clears its own tag's bit and no other.
TEST(ExifTagBoxes, EachBoxTogglesExactlyItsTag)
{
    ASSERT_EQ(std::size(kBoxes), 58u);
    for (const BoxRow& row : kBoxes) {
        for (const auto& [dialog, id] : {std::pair{ExifTagDialog::Display, row.displayId},
                 std::pair{ExifTagDialog::Clear, row.clearId}}) {
            SCOPED_TRACE(testing::Message() << "box " << id << " tag " << row.tag);
            ExifTagMask mask;
            ASSERT_TRUE(ApplyExifTagBox(dialog, id, true, mask));
            EXPECT_EQ(CountExifClearTags(mask), 1);
            EXPECT_EQ(IsExifTagToClear(row.tag, mask), 1);

            mask = Full();
            ASSERT_TRUE(ApplyExifTagBox(dialog, id, false, mask));
            EXPECT_EQ(CountExifClearTags(mask), 57);
            EXPECT_EQ(IsExifTagToClear(row.tag, mask), 0);
        }
    }
}

// Buttons, radios and flags of each dialog are not tag boxes, and a box id of
// one dialog is not read as a tag box of the other.
TEST(ExifTagBoxes, OtherControlsAreNoTagBoxes)
{
    for (int id : {IDOK, IDCANCEL, IDC_EXIFVIEW_TARGET_CLICK, IDC_EXIFVIEW_TARGET_MOUSE,
             IDC_EXIFVIEW_FONT_SIZE, IDC_EXIFVIEW_REMEMBER_POSITION, IDC_EXIFVIEW_GPS_DECIMAL,
             IDC_EXIFVIEW_GPS_SEXAGESIMAL, IDC_EXIFVIEW_CAMERA_ALL, IDC_EXIFVIEW_GPS_NONE, 1392}) {
        ExifTagMask mask;
        EXPECT_FALSE(ApplyExifTagBox(ExifTagDialog::Display, id, true, mask)) << id;
        EXPECT_EQ(mask, ExifTagMask{});
    }
    for (int id : {IDOK, IDCANCEL, IDC_EXIFCLEAR_SHOW_DIALOG, IDC_EXIFCLEAR_VALUE_ZERO,
             IDC_EXIFCLEAR_VALUE_ONE, IDC_EXIFCLEAR_CAMERA_ALL, IDC_EXIFCLEAR_GPS_NONE, 1354}) {
        ExifTagMask mask;
        EXPECT_FALSE(ApplyExifTagBox(ExifTagDialog::Clear, id, true, mask)) << id;
        EXPECT_EQ(mask, ExifTagMask{});
    }
}

// "全てチェック" of a group sets exactly that group's tags; "全てのチェックを外す"
// clears only them.
TEST(ExifTagBoxes, GroupButtonsCoverTheirGroup)
{
    struct Case {
        ExifTagDialog dialog;
        int all, none;
        ExifTagGroup group;
        int count;
    };
    const Case cases[] = {
        {ExifTagDialog::Display, IDC_EXIFVIEW_CAMERA_ALL, IDC_EXIFVIEW_CAMERA_NONE,
            ExifTagGroup::CameraAndImage, 21},
        {ExifTagDialog::Display, IDC_EXIFVIEW_SHOOTING_ALL, IDC_EXIFVIEW_SHOOTING_NONE,
            ExifTagGroup::ShootingConditions, 27},
        {ExifTagDialog::Display, IDC_EXIFVIEW_GPS_ALL, IDC_EXIFVIEW_GPS_NONE, ExifTagGroup::Gps, 10},
        {ExifTagDialog::Clear, IDC_EXIFCLEAR_CAMERA_ALL, IDC_EXIFCLEAR_CAMERA_NONE,
            ExifTagGroup::CameraAndImage, 21},
        {ExifTagDialog::Clear, IDC_EXIFCLEAR_SHOOTING_ALL, IDC_EXIFCLEAR_SHOOTING_NONE,
            ExifTagGroup::ShootingConditions, 27},
        {ExifTagDialog::Clear, IDC_EXIFCLEAR_GPS_ALL, IDC_EXIFCLEAR_GPS_NONE, ExifTagGroup::Gps, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.all);
        const auto all = ExifGroupButtonOf(c.dialog, c.all);
        const auto none = ExifGroupButtonOf(c.dialog, c.none);
        ASSERT_TRUE(all && none);
        ExifTagMask mask;
        SetExifTagGroup(*all, mask);
        EXPECT_EQ(CountExifClearTags(mask), c.count);
        for (const ExifSelectableTag& tag : ExifSelectableTags())
            EXPECT_EQ(IsExifTagToClear(tag.tag, mask), tag.group == c.group ? 1 : 0) << tag.tag;
        mask = Full();
        SetExifTagGroup(*none, mask);
        EXPECT_EQ(CountExifClearTags(mask), 58 - c.count);
    }
    EXPECT_FALSE(ExifGroupButtonOf(ExifTagDialog::Display, IDC_EXIFCLEAR_CAMERA_ALL));
    EXPECT_FALSE(ExifGroupButtonOf(ExifTagDialog::Clear, IDC_EXIFVIEW_CAMERA_ALL));
}

}  // namespace
