// The text lines of the EXIF information window: one line per shown tag.
#include "exif/exif_reader.h"

#include "exif/exif_gps_text.h"
#include "exif/exif_tag_descriptions.h"
#include "exif/exif_value_decoders.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kNameColumn = 20;

QString Line(const QString& name, const QString& value)
{
    return name + QStringLiteral(" : ") + value + u'\n';
}

// The C library's formatting: exact ties round as printf does (277/32 with
// "%3.4f" is "8.6562"), unlike QString::asprintf.
QString Fixed(double value, const char* format)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return QString::fromLatin1(buffer);
}

// A blank or cleared text: every character (up to the count) is the first one.
bool IsBlankText(const QString& text, DWORD count)
{
    const qsizetype n =
        std::min<qsizetype>(text.size(), static_cast<qsizetype>(std::min<DWORD>(count, 0x7FFFFFFF)));
    for (qsizetype i = 1; i < n; ++i) {
        if (text[i] != text[0])
            return false;
    }
    return true;
}

}  // namespace

QString CExifReader::PadDescription(const QString& description)
{
    return description.left(kNameColumn).leftJustified(kNameColumn, u' ');
}

int CExifReader::FormatTags(QStringList& lines, int maxLines, int lineSize)
{
    int made = 0;
    for (const CExifTagTable::Item& item : m_tagTable.Items()) {
        if (made >= maxLines)
            break;
        if (!item.show)
            continue;
        const QString line = FormatTag(item.tag, lineSize);
        if (line.isNull())
            continue;
        lines.append(line.left(std::max(0, lineSize - 1)));
        ++made;
    }
    return made;
}

QString CExifReader::FormatTag(WORD tag, int lineSize) const
{
    const ExifTagInfo* info = FindExifTag(tag);
    const ExifLine line = info ? info->line : ExifLine::None;
    if (line == ExifLine::GpsPosition)
        return FormatGpsPosition(tag);
    if (line == ExifLine::GpsAltitude)
        return FormatGpsAltitude();
    if (line == ExifLine::None)
        return QString();  // no line format
    const bool gps = IsExifGpsTag(tag);
    const ExifTagEntry* e = FindEntry(tag, gps);
    if (!e)
        return Line(GetExifTagDescription(tag, 100), QStringLiteral("---"));
    switch (line) {
    case ExifLine::GpsTime:
        return FormatGpsTime(*e, lineSize);
    case ExifLine::Text:
        return FormatTextLine(*e, lineSize, gps);
    case ExifLine::Integer:
        if (!IsExifIntegerType(e->type))
            return Line(PadDescription(e->description), QStringLiteral("---"));
        return Line(PadDescription(e->description), QString::number(e->integer));
    case ExifLine::Lens:
        return FormatLensLine(*e);
    default:  // ExifLine::Rational; the other lines are made above
        return FormatRationalLine(*e);
    }
}

QString CExifReader::FormatTextLine(const ExifTagEntry& e, int lineSize, bool gps) const
{
    const QString name = PadDescription(e.description);
    if (e.text.isNull() || e.count == 0)
        return Line(name, QStringLiteral("---"));
    QString text = e.text;
    if (static_cast<std::int64_t>(text.size()) + e.count + 2 >= lineSize)
        text = text.left(22) + QStringLiteral(" ・・・");
    if (e.count > 4 && IsBlankText(text, e.count))
        return Line(name, QStringLiteral("---"));
    if (ExifCodedTextPrefixLength(e.tag, gps) != 0 && e.integer == 3)
        return name + QStringLiteral(" : ") + text;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == u'\0')
            text[i] = u' ';
    }
    return Line(name, text);
}

QString CExifReader::FormatRationalLine(const ExifTagEntry& e) const
{
    const QString name = PadDescription(e.description);
    if (e.values.size() < 2)
        return Line(name, QStringLiteral("---"));
    const DWORD numerator = e.values[0];
    switch (e.tag) {
    case kExifExposureTime:
        return Line(name, Fixed(e.number, "%3.4f") + QStringLiteral(" 秒"));
    case kExifFocalLength:
        return Line(name, Fixed(e.number, "%3.4f") + QStringLiteral(" mm"));
    case kExifBrightness:
        if (numerator == 0xFFFFFFFF)
            return Line(name, QStringLiteral("不明"));
        break;
    case kExifSubjectDistance:
        if (numerator == 0xFFFFFFFF)
            return Line(name, QStringLiteral("無限遠"));
        if (numerator == 0)
            return Line(name, QStringLiteral("不明"));
        break;
    case kExifDigitalZoom:
        if (numerator == 0)
            return Line(name, QStringLiteral("未使用"));
        break;
    default:
        break;
    }
    return Line(name, Fixed(e.number, "%3.4f"));
}

QString CExifReader::FormatLensLine(const ExifTagEntry& e) const
{
    const QString prefix = PadDescription(e.description) + QStringLiteral(" : ");
    if (e.values.size() < 8)
        return prefix + QStringLiteral("不明");
    bool anyNumerator = false;
    QString q[4];
    for (int i = 0; i < 4; ++i) {
        const DWORD numerator = e.values[2 * i];
        const DWORD denominator = e.values[2 * i + 1];
        anyNumerator = anyNumerator || numerator != 0;
        // Cameras write 0/0 for a value they do not know; the others stay.
        q[i] = denominator == 0
            ? QStringLiteral("---")
            : Fixed(static_cast<double>(numerator) / static_cast<double>(denominator), "%3.3f");
    }
    if (!anyNumerator)
        return prefix + QStringLiteral("不明");
    return prefix + QStringLiteral("最小焦点距離[mm] = ") + q[0] + QStringLiteral(",  最大焦点距離[mm] = ") +
        q[1] + QStringLiteral(",  最小焦点距離における最小Ｆ値 = ") + q[2] +
        QStringLiteral(",  最大焦点距離における最小Ｆ値 = ") + q[3];
}

// base: the latitude reference of the position; latitude, longitude
// reference and longitude follow it.
QString CExifReader::FormatGpsPosition(WORD base) const
{
    const QString label =
        base == kExifGpsLatitudeRef ? QStringLiteral("位置情報") : QStringLiteral("目的地の位置情報");
    const ExifTagEntry* latRef = FindEntry(base, true);
    const ExifTagEntry* lat = FindEntry(static_cast<WORD>(base + 1), true);
    const ExifTagEntry* lonRef = FindEntry(static_cast<WORD>(base + 2), true);
    const ExifTagEntry* lon = FindEntry(static_cast<WORD>(base + 3), true);
    const QString unknown = QStringLiteral("不明");
    if (!latRef || !lat || !lonRef || !lon || latRef->text.isNull() || lonRef->text.isNull() ||
        latRef->text == unknown || lonRef->text == unknown)
        return Line(label, QStringLiteral("---"));
    const int format = ExifDisplaySettings.gpsFormat == 0 ? 0 : 1;
    const std::optional<QString> latText = FormatGpsCoordinate(latRef->text, lat->values, format);
    const std::optional<QString> lonText = FormatGpsCoordinate(lonRef->text, lon->values, format);
    if (!latText || !lonText)
        return Line(label, QStringLiteral("---"));
    return (label + QStringLiteral(" : ") + *latText + QStringLiteral(", ") + *lonText).left(260);
}

QString CExifReader::FormatGpsAltitude() const
{
    const ExifTagEntry* altitude = FindEntry(kExifGpsAltitude, true);
    if (!altitude || altitude->values.size() < 2)
        return Line(QStringLiteral("高度"), QStringLiteral("---"));
    const ExifTagEntry* reference = FindEntry(kExifGpsAltitudeRef, true);
    const char sign = (reference && reference->integer != 0) ? '-' : '+';
    return PadDescription(altitude->description) + QStringLiteral(" : ") + QChar(sign) +
        Fixed(altitude->number, "%.3f") + QStringLiteral(" m");
}

QString CExifReader::FormatGpsTime(const ExifTagEntry& e, int lineSize) const
{
    QString line = PadDescription(e.description) + QStringLiteral(" : ");
    if (e.values.empty())
        return line + QStringLiteral("---\n");
    for (DWORD v : e.values) {
        if (lineSize - line.size() < 12)
            break;
        line += QString::number(v) + u' ';
    }
    return line + u'\n';
}
