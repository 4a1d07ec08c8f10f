#include "exif/exif_value_texts.h"

#include "platform/system/cp932.h"

#include <QByteArray>

namespace {

struct EnumText {
    WORD tag;
    LONG value;
    const char16_t* text;
};

constexpr EnumText kEnumTexts[] = {
    {34850, 0, u"未定義"},
    {34850, 1, u"マニュアル"},
    {34850, 2, u"ノーマルプログラム"},
    {34850, 3, u"露出優先"},
    {34850, 4, u"シャッター優先"},
    {34850, 5, u"creative プログラム（被写界深度方向にバイアス）"},
    {34850, 6, u"action プログラム（シャッタースピード高速側にバイアス）"},
    {34850, 7, u"ポートレイトモード（クローズアップ撮影、背景はフォーカス外す）"},
    {34850, 8, u"ランズケープモード（landscape 撮影、背景はフォーカス合う）"},
    {37383, 0, u"不明"},
    {37383, 1, u"平均"},
    {37383, 2, u"中央重点"},
    {37383, 3, u"スポット"},
    {37383, 4, u"マルチスポット"},
    {37383, 5, u"分割測光"},
    {37383, 6, u"部分測光"},
    {37383, 255, u"その他"},
    {37384, 0, u"不明"},
    {37384, 1, u"昼光"},
    {37384, 2, u"蛍光灯"},
    {37384, 3, u"タングステン(白熱灯)"},
    {37384, 4, u"フラッシュ"},
    {37384, 9, u"晴天"},
    {37384, 10, u"曇天"},
    {37384, 11, u"日陰"},
    {37384, 12, u"昼光色蛍光灯 (D:5700-7100K)"},
    {37384, 13, u"昼白色蛍光灯 (N:4600-5500K)"},
    {37384, 14, u"白色蛍光灯 (W:3800-4500K)"},
    {37384, 15, u"温白色蛍光灯 (WW:3250-3800K)"},
    {37384, 16, u"電球色蛍光灯 (L:2600-3250K)"},
    {37384, 17, u"標準光A"},
    {37384, 18, u"標準光B"},
    {37384, 19, u"標準光C"},
    {37384, 20, u"D55"},
    {37384, 21, u"D65"},
    {37384, 22, u"D75"},
    {37384, 23, u"D50"},
    {37384, 24, u"ISO studio tungsten"},
    {37384, 255, u"その他"},
    {41495, 1, u"未定義"},
    {41495, 2, u"単板カラーセンサ"},
    {41495, 3, u"2 板カラーセンサ"},
    {41495, 4, u"3 板カラーセンサ"},
    {41495, 5, u"色順次カラーセンサ"},
    {41495, 7, u"3 線リニアセンサ"},
    {41495, 8, u"色順次リニアセンサ"},
    {41986, 0, u"露出自動"},
    {41986, 1, u"露出マニュアル"},
    {41986, 2, u"オートブラケット"},
    {41987, 0, u"ホワイトバランス自動"},
    {41987, 1, u"ホワイトバランスマニュアル"},
    {41990, 0, u"標準"},
    {41990, 1, u"風景"},
    {41990, 2, u"人物"},
    {41990, 3, u"夜景"},
    {41991, 0, u"無し"},
    {41991, 1, u"弱い増感"},
    {41991, 2, u"強い増感"},
    {41991, 3, u"弱い減感"},
    {41991, 4, u"強い減感"},
    {41992, 0, u"標準"},
    {41992, 1, u"軟調"},
    {41992, 2, u"硬調"},
    {41993, 0, u"標準"},
    {41993, 1, u"低彩度"},
    {41993, 2, u"高彩度"},
    {41994, 0, u"標準"},
    {41994, 1, u"弱い"},
    {41994, 2, u"強い"},
    {41996, 0, u"不明"},
    {41996, 1, u"マクロ"},
    {41996, 2, u"近景"},
    {41996, 3, u"遠景"},
};

std::size_t UpToNul(const BYTE* bytes, std::size_t length)
{
    std::size_t n = 0;
    while (n < length && bytes[n] != 0)
        ++n;
    return n;
}

}  // namespace

QString ExifEnumerationText(WORD tag, LONG value)
{
    for (const EnumText& e : kEnumTexts) {
        if (e.tag == tag && e.value == value)
            return QString::fromUtf16(e.text);
    }
    return QStringLiteral("不明");
}

QString ExifFlashText(DWORD value)
{
    QString text;
    if (value & 0x20) {
        text = QStringLiteral("ストロボ機能なし。");
    } else {
        static const char16_t* const kReturn[] = {
            u"リターン検出機能なし, ", u" ", u"リターン検出されず, ", u"リターン検出発行, "};
        static const char16_t* const kMode[] = {
            u"モード不明。 ", u"強制発光。 ", u"強制非発光。 ", u"自動発行モード。 "};
        text = QStringLiteral("ストロボ : ");
        text += (value & 1) ? QStringLiteral("発行, ") : QStringLiteral("発行せず, ");
        text += QString::fromUtf16(kReturn[(value >> 1) & 3]);
        text += QString::fromUtf16(kMode[(value >> 3) & 3]);
    }
    text += (value & 0x40) ? QStringLiteral("赤目軽減 : 有") : QStringLiteral("赤目軽減 : 無(不明)");
    return text.left(259);
}

QString ExifComponentText(const BYTE* field4)
{
    static const char* const kNames[] = {"-", "Y", "Cb", "Cr", "R", "G", "B"};
    QString text;
    for (int i = 0; i < 4; ++i) {
        if (field4[i] < 7)
            text += QLatin1String(kNames[field4[i]]);
    }
    return text.left(8);
}

QString ExifGpsReferenceText(char letter, bool north)
{
    if (north && letter == 'N')
        return QStringLiteral("北緯");
    if (north && letter == 'S')
        return QStringLiteral("南緯");
    if (!north && letter == 'E')
        return QStringLiteral("東経");
    if (!north && letter == 'W')
        return QStringLiteral("西経");
    return QStringLiteral("不明");
}

QString DecodeExifMultiByte(const BYTE* bytes, std::size_t length)
{
    const QByteArray raw(
        reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(UpToNul(bytes, length)));
    if (const auto text = DecodeCp932(raw))
        return *text;
    QString text;
    text.reserve(raw.size());
    for (char c : raw)
        text += (static_cast<BYTE>(c) < 0x80) ? QChar(c) : QChar(u'?');
    return text;
}

QString DecodeExifUtf16(const BYTE* bytes, std::size_t length)
{
    QString text;
    text.reserve(static_cast<qsizetype>(length / 2));
    for (std::size_t i = 0; i + 1 < length; i += 2) {
        const char16_t c = static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8));
        if (c == 0)
            break;
        text += QChar(c);
    }
    return text;
}

QString DecodeExifLatin1(const BYTE* bytes, std::size_t length)
{
    return QString::fromLatin1(
        reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(UpToNul(bytes, length)));
}
