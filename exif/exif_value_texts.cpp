#include "exif/exif_value_texts.h"

#include "exif/exif_tag_descriptions.h"
#include "platform/system/cp932.h"

#include <QByteArray>

namespace {

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
    if (const ExifTagInfo* info = FindExifTag(tag)) {
        for (const ExifValueText& v : info->values) {
            if (v.value == value)
                return QString::fromUtf16(v.text);
        }
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
