#include "exif/exif_tag_mask.h"

#include <iterator>

ExifDisplaySettingsRecord ExifDisplaySettings;
ExifClearSettingsRecord ExifClearSettings;
BYTE g_nExifClearResult = 0;

namespace {

using G = ExifTagGroup;

constexpr ExifSelectableTag kTags[] = {
    {306, 1, 4, G::CameraAndImage, u"ファイル変更日時", 1123, 1392, 0},
    {270, 1, 0, G::CameraAndImage, u"画像タイトル", 1354, 1409, 1},
    {271, 1, 1, G::CameraAndImage, u"メーカー名", 1355, 1410, 2},
    {272, 1, 2, G::CameraAndImage, u"モデル名", 1356, 1411, 3},
    {305, 1, 3, G::CameraAndImage, u"使用ソフトウェア名", 1357, 1412, 4},
    {315, 1, 5, G::CameraAndImage, u"作者名", 1358, 1413, 5},
    {33432, 2, 0, G::CameraAndImage, u"撮影・編集著作権者", 1359, 1414, 6},
    {42016, 4, 15, G::CameraAndImage, u"画像ユニークID", 1401, 1427, 41},
    {42032, 4, 16, G::CameraAndImage, u"カメラ所有者名", 1402, 1419, 42},
    {42033, 4, 17, G::CameraAndImage, u"カメラシリアル番号", 1403, 1420, 43},
    {42034, 4, 18, G::CameraAndImage, u"レンズの仕様情報", 1386, 1415, 44},
    {42035, 4, 19, G::CameraAndImage, u"レンズのメーカ名", 1387, 1416, 45},
    {42036, 4, 20, G::CameraAndImage, u"レンズのモデル名", 1388, 1417, 46},
    {42037, 4, 21, G::CameraAndImage, u"レンズシリアル番号", 1389, 1418, 47},
    {37510, 3, 15, G::CameraAndImage, u"ユーザーコメント", 1126, 1421, 10},
    {37500, 3, 14, G::CameraAndImage, u"メーカーノート", 1396, 1422, 9},
    {40964, 4, 0, G::CameraAndImage, u"関連音声ファイル", 1397, 1423, 11},
    {36867, 3, 1, G::CameraAndImage, u"原画像データの生成日時", 1398, 1424, 12},
    {36868, 3, 2, G::CameraAndImage, u"ディジタルデータの作成日時", 1399, 1425, 13},
    {41995, 4, 13, G::CameraAndImage, u"撮影条件記述情報", 1400, 1426, 39},
    {36864, 3, 0, G::CameraAndImage, u"Exif バージョン", 1360, 1428, 7},
    {37121, 3, 3, G::ShootingConditions, u"各コンポーネントの意味", 1361, 1429, 8},
    {33434, 2, 1, G::ShootingConditions, u"露出時間", 1362, 1430, 14},
    {33437, 2, 2, G::ShootingConditions, u"F ナンバー", 1363, 1431, 15},
    {34850, 2, 3, G::ShootingConditions, u"露出プログラム", 1364, 1432, 16},
    {37377, 3, 4, G::ShootingConditions, u"シャッタースピード", 1365, 1433, 17},
    {37378, 3, 5, G::ShootingConditions, u"絞り値", 1366, 1434, 18},
    {37379, 3, 6, G::ShootingConditions, u"輝度値", 1367, 1465, 19},
    {37380, 3, 7, G::ShootingConditions, u"露光補正値", 1124, 1440, 20},
    {37381, 3, 8, G::ShootingConditions, u"レンズ最小Ｆ値", 1368, 1441, 21},
    {37382, 3, 9, G::ShootingConditions, u"被写体距離", 1369, 1442, 22},
    {37383, 3, 10, G::ShootingConditions, u"測光方式", 1370, 1443, 23},
    {37384, 3, 11, G::ShootingConditions, u"光源", 1371, 1444, 24},
    {37385, 3, 12, G::ShootingConditions, u"フラッシュ", 1372, 1445, 25},
    {37386, 3, 13, G::ShootingConditions, u"レンズ焦点距離", 1373, 1446, 26},
    {41483, 4, 1, G::ShootingConditions, u"フラッシュ強度", 1374, 1447, 27},
    {41493, 4, 2, G::ShootingConditions, u"露出インデックス", 1375, 1448, 28},
    {41495, 4, 3, G::ShootingConditions, u"センサー方式", 1376, 1449, 29},
    {41986, 4, 4, G::ShootingConditions, u"露出モード", 1377, 1450, 30},
    {41987, 4, 5, G::ShootingConditions, u"ホワイトバランス", 1378, 1451, 31},
    {41988, 4, 6, G::ShootingConditions, u"デジタルズーム倍率", 1379, 1452, 32},
    {41989, 4, 7, G::ShootingConditions, u"35mm換算レンズ焦点距離", 1380, 1453, 33},
    {41990, 4, 8, G::ShootingConditions, u"撮影シーンタイプ", 1381, 1454, 34},
    {41991, 4, 9, G::ShootingConditions, u"ゲイン制御", 1125, 1435, 35},
    {41992, 4, 10, G::ShootingConditions, u"撮影コントラスト", 1382, 1436, 36},
    {41993, 4, 11, G::ShootingConditions, u"撮影彩度", 1383, 1437, 37},
    {41994, 4, 12, G::ShootingConditions, u"撮影シャープネス", 1384, 1438, 38},
    {41996, 4, 14, G::ShootingConditions, u"被写体距離レンジ", 1385, 1439, 40},
    {0, 0, 0, G::Gps, u"GPS タグのバージョン", 1390, 1455, 48},
    {1, 0, 1, G::Gps, u"GPS位置情報", 1391, 1456, 49},
    {5, 0, 2, G::Gps, u"高度", 1393, 1457, 50},
    {7, 0, 3, G::Gps, u"GPS 時間", 1394, 1458, 51},
    {8, 0, 4, G::Gps, u"測位に使った衛星信号", 1395, 1459, 52},
    {18, 0, 5, G::Gps, u"測位に用いた地図データ", 1404, 1460, 53},
    {19, 0, 6, G::Gps, u"目的地のGPS位置情報", 1405, 1461, 54},
    {27, 0, 7, G::Gps, u"測位方式の名称", 1406, 1462, 55},
    {28, 0, 8, G::Gps, u"測位地点の名称", 1407, 1463, 56},
    {29, 0, 9, G::Gps, u"GPS日付", 1408, 1464, 57},
};

void SetGroup(ExifTagGroup group, int on, ExifTagMask& mask)
{
    for (const ExifSelectableTag& t : kTags) {
        if (t.group == group)
            SetExifClearTag(t.tag, on, mask);
    }
}

}  // namespace

std::span<const ExifSelectableTag> ExifSelectableTags()
{
    return kTags;
}

const ExifSelectableTag* FindExifSelectableTag(WORD tag)
{
    for (const ExifSelectableTag& t : kTags) {
        if (t.tag == tag)
            return &t;
    }
    return nullptr;
}

int IsExifTagToClear(WORD tag, const ExifTagMask& mask)
{
    const ExifSelectableTag* t = FindExifSelectableTag(tag);
    return (t && (mask.words[t->word] >> t->bit) & 1u) ? 1 : 0;
}

void SetExifClearTag(WORD tag, int on, ExifTagMask& mask)
{
    const ExifSelectableTag* t = FindExifSelectableTag(tag);
    if (!t)
        return;
    if (on != 0)
        mask.words[t->word] |= DWORD{1} << t->bit;
    else
        mask.words[t->word] &= ~(DWORD{1} << t->bit);
}

int CountExifClearTags(const ExifTagMask& mask)
{
    int n = 0;
    for (const ExifSelectableTag& t : kTags)
        n += IsExifTagToClear(t.tag, mask);
    return n;
}

void SetExifClearGpsGroup(int on, ExifTagMask& mask)
{
    SetGroup(ExifTagGroup::Gps, on, mask);
}

void SetExifClearCameraGroup(int on, ExifTagMask& mask)
{
    SetGroup(ExifTagGroup::CameraAndImage, on, mask);
}

void SetExifClearShootingGroup(int on, ExifTagMask& mask)
{
    SetGroup(ExifTagGroup::ShootingConditions, on, mask);
}
