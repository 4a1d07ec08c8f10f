#include "exif/exif_tag_descriptions.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace {

using D = ExifDecoder;
using L = ExifLine;

// The texts of the enumerated values, one list per tag.
constexpr ExifValueText kExposurePrograms[] = {
    {0, u"未定義"},
    {1, u"マニュアル"},
    {2, u"ノーマルプログラム"},
    {3, u"露出優先"},
    {4, u"シャッター優先"},
    {5, u"creative プログラム（被写界深度方向にバイアス）"},
    {6, u"action プログラム（シャッタースピード高速側にバイアス）"},
    {7, u"ポートレイトモード（クローズアップ撮影、背景はフォーカス外す）"},
    {8, u"ランズケープモード（landscape 撮影、背景はフォーカス合う）"},
};
constexpr ExifValueText kMeteringModes[] = {
    {0, u"不明"},
    {1, u"平均"},
    {2, u"中央重点"},
    {3, u"スポット"},
    {4, u"マルチスポット"},
    {5, u"分割測光"},
    {6, u"部分測光"},
    {255, u"その他"},
};
constexpr ExifValueText kLightSources[] = {
    {0, u"不明"},
    {1, u"昼光"},
    {2, u"蛍光灯"},
    {3, u"タングステン(白熱灯)"},
    {4, u"フラッシュ"},
    {9, u"晴天"},
    {10, u"曇天"},
    {11, u"日陰"},
    {12, u"昼光色蛍光灯 (D:5700-7100K)"},
    {13, u"昼白色蛍光灯 (N:4600-5500K)"},
    {14, u"白色蛍光灯 (W:3800-4500K)"},
    {15, u"温白色蛍光灯 (WW:3250-3800K)"},
    {16, u"電球色蛍光灯 (L:2600-3250K)"},
    {17, u"標準光A"},
    {18, u"標準光B"},
    {19, u"標準光C"},
    {20, u"D55"},
    {21, u"D65"},
    {22, u"D75"},
    {23, u"D50"},
    {24, u"ISO studio tungsten"},
    {255, u"その他"},
};
constexpr ExifValueText kSensingMethods[] = {
    {1, u"未定義"},
    {2, u"単板カラーセンサ"},
    {3, u"2 板カラーセンサ"},
    {4, u"3 板カラーセンサ"},
    {5, u"色順次カラーセンサ"},
    {7, u"3 線リニアセンサ"},
    {8, u"色順次リニアセンサ"},
};
constexpr ExifValueText kExposureModes[] = {
    {0, u"露出自動"},
    {1, u"露出マニュアル"},
    {2, u"オートブラケット"},
};
constexpr ExifValueText kWhiteBalances[] = {
    {0, u"ホワイトバランス自動"},
    {1, u"ホワイトバランスマニュアル"},
};
constexpr ExifValueText kSceneCaptureTypes[] = {
    {0, u"標準"},
    {1, u"風景"},
    {2, u"人物"},
    {3, u"夜景"},
};
constexpr ExifValueText kGainControls[] = {
    {0, u"無し"},
    {1, u"弱い増感"},
    {2, u"強い増感"},
    {3, u"弱い減感"},
    {4, u"強い減感"},
};
constexpr ExifValueText kContrasts[] = {
    {0, u"標準"},
    {1, u"軟調"},
    {2, u"硬調"},
};
constexpr ExifValueText kSaturations[] = {
    {0, u"標準"},
    {1, u"低彩度"},
    {2, u"高彩度"},
};
constexpr ExifValueText kSharpnesses[] = {
    {0, u"標準"},
    {1, u"弱い"},
    {2, u"強い"},
};
constexpr ExifValueText kSubjectDistanceRanges[] = {
    {0, u"不明"},
    {1, u"マクロ"},
    {2, u"近景"},
    {3, u"遠景"},
};

// Sorted by tag.
constexpr ExifTagInfo kTags[] = {
    {0, D::Version, L::Text, u"GPS タグのバージョン"},
    {kExifGpsLatitudeRef, D::NorthSouth, L::GpsPosition, u"北緯(N)or 南緯(S)"},
    {kExifGpsLatitude, D::RationalArray, L::None, u"緯度（数値）"},
    {kExifGpsLongitudeRef, D::EastWest, L::None, u"東経(E)or 西経(W)"},
    {kExifGpsLongitude, D::RationalArray, L::None, u"経度（数値）"},
    {kExifGpsAltitudeRef, D::Integer, L::GpsAltitude, u"高度の単位"},
    {kExifGpsAltitude, D::Rational, L::None, u"高度"},
    {7, D::RationalArray, L::GpsTime, u"GPS 時間（原子時計の時間）"},
    {8, D::Text, L::Text, u"測位に使った衛星信号"},
    {9, D::None, L::None, u"GPS 受信機の状態"},
    {10, D::None, L::None, u"GPS の測位方法"},
    {11, D::None, L::None, u"測位の信頼性"},
    {12, D::None, L::None, u"速度の単位"},
    {13, D::None, L::None, u"速度（数値）"},
    {14, D::None, L::None, u"進行方向の単位"},
    {15, D::None, L::None, u"進行方向（数値）"},
    {16, D::None, L::None, u"撮影した画像の方向の単位"},
    {17, D::None, L::None, u"撮影した画像の方向（数値）"},
    {18, D::Text, L::Text, u"測位に用いた地図データ"},
    {kExifGpsDestLatitudeRef, D::NorthSouth, L::GpsPosition, u"目的地の北緯(N)or 南緯(S)"},
    {kExifGpsDestLatitude, D::RationalArray, L::None, u"目的地の緯度（数値）"},
    {kExifGpsDestLongitudeRef, D::EastWest, L::None, u"目的地の東経(E)or 西経(W)"},
    {kExifGpsDestLongitude, D::RationalArray, L::None, u"目的地の経度（数値）"},
    {23, D::None, L::None, u"目的地の方角の単位"},
    {24, D::None, L::None, u"目的の方角（数値）"},
    {25, D::None, L::None, u"目的地までの距離の単位"},
    {26, D::None, L::None, u"目的地までの距離（数値）"},
    {27, D::CodedText, L::Text, u"測位方式の名称"},
    {28, D::CodedText, L::Text, u"測位地点の名称"},
    {29, D::Text, L::Text, u"GPS日付"},
    {30, D::None, L::None, u"GPS補正測位"},
    {31, D::None, L::None, u"水平方向測位誤差"},
    {256, D::None, L::None, u"画像の幅"},
    {257, D::None, L::None, u"画像の高さ"},
    {258, D::None, L::None, u"画像のビットの深さ"},
    {259, D::None, L::None, u"圧縮の種類"},
    {262, D::None, L::None, u"画素構成"},
    {270, D::Text, L::Text, u"画像タイトル"},
    {271, D::Text, L::Text, u"メーカー名"},
    {272, D::Text, L::Text, u"モデル名"},
    {273, D::None, L::None, u"ストリップのバイトオフセット"},
    {274, D::None, L::None, u"画像方向"},
    {277, D::None, L::None, u"コンポーネント数"},
    {278, D::None, L::None, u"ストリップ中のライン数"},
    {279, D::None, L::None, u"ストリップのデータ量"},
    {282, D::None, L::None, u"画像の幅の解像度"},
    {283, D::None, L::None, u"画像の高さの解像度"},
    {284, D::None, L::None, u"画像データの並び"},
    {296, D::None, L::None, u"画像の幅と高さの解像度の単位"},
    {301, D::None, L::None, u"再生階調カーブ特性"},
    {305, D::Text, L::Text, u"使用ソフトウェア名"},
    {306, D::Text, L::Text, u"ファイル変更日時"},
    {315, D::Text, L::Text, u"作者名"},
    {318, D::None, L::None, u"参照白色点の色度座標値"},
    {319, D::None, L::None, u"原色の色度座標値"},
    {kExifThumbnailOffset, D::None, L::None, u"JPEG のSOI へのオフセット"},
    {kExifThumbnailLength, D::None, L::None, u"JPEG データのバイト数"},
    {529, D::None, L::None, u"色変換マトリクス係数"},
    {530, D::None, L::None, u"YCC の画素構成（C の間引き率）"},
    {531, D::None, L::None, u"YCC の画素構成（Y とC の位置）"},
    {532, D::None, L::None, u"参照黒色点値と参照白色点値"},
    {33432, D::TextPair, L::Text, u"撮影著作権者/編集著作権"},
    {kExifExposureTime, D::Rational, L::Rational, u"露出時間"},
    {33437, D::Rational, L::Rational, u"F ナンバー"},
    {kExifIfdPointer, D::None, L::None, u"ExifIFDへのポインタ"},
    {34850, D::Enumeration, L::Text, u"露出プログラム", kExposurePrograms},
    {34852, D::None, L::None, u"スペクトル感度"},
    {kExifGpsIfdPointer, D::None, L::None, u"GPSIFDへのポインタ"},
    {34855, D::None, L::None, u"ISO スピードレート"},
    {34856, D::None, L::None, u"光電変換関数"},
    {34864, D::None, L::None, u"感度種別"},
    {34865, D::None, L::None, u"標準出力感度"},
    {34866, D::None, L::None, u"奨励露光指数"},
    {34867, D::None, L::None, u"ISOスピード"},
    {34868, D::None, L::None, u"ISOスピードラチチュードyyy"},
    {34869, D::None, L::None, u"ISOスピードラチチュードzzz"},
    {36864, D::Version, L::Text, u"Exif バージョン"},
    {36867, D::Text, L::Text, u"原画像データの生成日時"},
    {36868, D::Text, L::Text, u"ディジタルデータの作成日時"},
    {37121, D::Components, L::Text, u"各コンポーネントの意味"},
    {37122, D::None, L::None, u"画像圧縮モード"},
    {37377, D::SignedRational, L::Rational, u"シャッタースピード"},
    {37378, D::Rational, L::Rational, u"絞り値"},
    {kExifBrightness, D::SignedRational, L::Rational, u"輝度値"},
    {37380, D::SignedRational, L::Rational, u"露光補正値"},
    {37381, D::Rational, L::Rational, u"レンズ最小Ｆ値"},
    {kExifSubjectDistance, D::Rational, L::Rational, u"被写体距離"},
    {37383, D::Enumeration, L::Text, u"測光方式", kMeteringModes},
    {37384, D::Enumeration, L::Text, u"光源", kLightSources},
    {37385, D::Flash, L::Text, u"フラッシュ"},
    {kExifFocalLength, D::Rational, L::Rational, u"レンズ焦点距離"},
    {37396, D::None, L::None, u"被写体領域"},
    {37500, D::MakerNote, L::Text, u"メーカーノート"},
    {37510, D::CodedText, L::Text, u"ユーザーコメント"},
    {37520, D::None, L::None, u"DateTime のサブセック"},
    {37521, D::None, L::None, u"DateTimeOriginal のサブセック"},
    {37522, D::None, L::None, u"DateTimeDigitized のサブセック"},
    {40960, D::None, L::None, u"対応フラッシュピックスバージョン"},
    {40961, D::None, L::None, u"色空間情報"},
    {40962, D::None, L::None, u"実効画像幅"},
    {40963, D::None, L::None, u"実効画像高さ"},
    {40964, D::Text, L::Text, u"関連音声ファイル"},
    {40965, D::None, L::None, u"互換性 IFD へのポインタ"},
    {41483, D::Rational, L::Rational, u"フラッシュ強度"},
    {41484, D::None, L::None, u"空間周波数応答"},
    {41486, D::None, L::None, u"焦点面の幅の解像度"},
    {41487, D::None, L::None, u"焦点面の高さの解像度"},
    {41488, D::None, L::None, u"焦点面解像度単位"},
    {41492, D::None, L::None, u"被写体位置"},
    {41493, D::Rational, L::Rational, u"露出インデックス"},
    {41495, D::Enumeration, L::Text, u"センサー方式", kSensingMethods},
    {41728, D::None, L::None, u"ファイルソース"},
    {41729, D::None, L::None, u"シーンタイプ"},
    {41730, D::None, L::None, u"CFA パターン"},
    {41985, D::None, L::None, u"個別画像処理"},
    {41986, D::Enumeration, L::Text, u"露出モード", kExposureModes},
    {41987, D::Enumeration, L::Text, u"ホワイトバランス", kWhiteBalances},
    {kExifDigitalZoom, D::Rational, L::Rational, u"デジタルズーム倍率"},
    {41989, D::Integer, L::Integer, u"35mm換算レンズ焦点距離"},
    {41990, D::Enumeration, L::Text, u"撮影シーンタイプ", kSceneCaptureTypes},
    {41991, D::Enumeration, L::Text, u"ゲイン制御", kGainControls},
    {41992, D::Enumeration, L::Text, u"撮影コントラスト", kContrasts},
    {41993, D::Enumeration, L::Text, u"撮影彩度", kSaturations},
    {41994, D::Enumeration, L::Text, u"撮影シャープネス", kSharpnesses},
    {41995, D::Utf16Text, L::Text, u"撮影条件記述情報"},
    {41996, D::Enumeration, L::Text, u"被写体距離レンジ", kSubjectDistanceRanges},
    {42016, D::Text, L::Text, u"画像ユニークID"},
    {42032, D::Text, L::Text, u"カメラ所有者名"},
    {42033, D::Text, L::Text, u"カメラシリアル番号"},
    {42034, D::RationalArray, L::Lens, u"レンズの仕様情報"},
    {42035, D::Text, L::Text, u"レンズのメーカ名"},
    {42036, D::Text, L::Text, u"レンズのモデル名"},
    {42037, D::Text, L::Text, u"レンズシリアル番号"},
    {42240, D::None, L::None, u"再生ガンマ"},
};

}  // namespace

const ExifTagInfo* FindExifTag(WORD tag)
{
    const auto it = std::lower_bound(
        std::begin(kTags), std::end(kTags), tag, [](const ExifTagInfo& t, WORD n) { return t.tag < n; });
    return (it != std::end(kTags) && it->tag == tag) ? it : nullptr;
}

const ExifTagInfo* FindExifTagIn(WORD tag, bool gps)
{
    return IsExifGpsTag(tag) == gps ? FindExifTag(tag) : nullptr;
}

QString GetExifTagDescription(WORD tag, int maxChars)
{
    const ExifTagInfo* found = FindExifTag(tag);
    const QString text = found ? QString::fromUtf16(found->description) : QStringLiteral("un support tag no");
    return text.left(std::max(0, maxChars));
}

bool IsKnownExifTag(WORD tag)
{
    return FindExifTag(tag) != nullptr;
}

int KnownExifTagCount()
{
    return static_cast<int>(std::size(kTags));
}

WORD KnownExifTagAt(int index)
{
    return kTags[index].tag;
}

int GetExifCharCode(const BYTE* prefix8)
{
    if (std::memcmp(prefix8, "ASCII\0\0\0", 8) == 0)
        return 1;
    if (std::memcmp(prefix8, "JIS\0\0\0\0\0", 8) == 0)
        return 2;
    if (std::memcmp(prefix8, "UNICODE\0", 8) == 0)
        return 3;
    return 4;
}
