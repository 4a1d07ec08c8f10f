// The mask dialog's arithmetic.
#include "multiview/mask_dialog_rules.h"

#include "core/date_utils.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

int MaskValueToX(DWORD value, DWORD minimum, DWORD maximum, int span)
{
    if (maximum <= minimum)
        return 0;
    const double share = (static_cast<double>(value) - minimum) / (static_cast<double>(maximum) - minimum);
    return static_cast<int>(share * span);
}

int MaskCountToY(DWORD count, DWORD largest, int height, int margin)
{
    if (largest == 0)
        return 0;
    return height - static_cast<int>(static_cast<double>(count) / largest * (height - margin));
}

DWORD MaskValueUnit(int measure, DWORD value)
{
    if (measure != kMeasureByteSize || value < 1000)
        return 0;
    return value < 1000000 ? 1000 : 1000000;
}

QString FormatMaskValue(DWORD value, DWORD unit)
{
    if (unit == 0)
        return QString::number(value);
    const float scaled = static_cast<float>(value) / static_cast<float>(unit);
    const char* format = "%.2f";
    switch (QString::number(value).size()) {
    case 5:
    case 8:
        format = "%.1f";
        break;
    case 6:
    case 9:
        format = "%3.0f";
        break;
    case 10:
        format = "%4.0f";
        break;
    default:
        break;
    }
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, format, static_cast<double>(scaled));
    return QString::fromLatin1(buffer);
}

QString MaskUnitLabel(int measure, DWORD unit)
{
    switch (measure) {
    case kMeasureByteSize:
        return unit == 0   ? QStringLiteral("Byte")
            : unit == 1000 ? QStringLiteral("KB")
                           : QStringLiteral("MB");
    case kMeasureImageWidth:
    case kMeasureImageHeight:
        return QStringLiteral("Pixel");
    default:
        return QStringLiteral("文字");
    }
}

std::optional<DWORD> ParseMaskRangeEnd(
    const QString& text, int measure, DWORD unit, DWORD minimum, DWORD maximum, DWORD fallback)
{
    double value = 0;
    bool ok = false;
    const QString trimmed = text.trimmed();
    if (measure == kMeasureByteSize) {
        const float typed = trimmed.toFloat(&ok);
        if (!ok || !std::isfinite(typed))
            return std::nullopt;
        if ((unit == 1000000 && typed > 2100.0f) || (unit == 1000 && typed > 2100000.0f))
            return fallback;
        value = unit == 0 ? typed : static_cast<double>(typed * static_cast<float>(unit));
    } else {
        value = static_cast<double>(trimmed.toLongLong(&ok));
        if (!ok)
            return std::nullopt;
    }
    // Clamp before narrowing: a negative or huge number never wraps.
    value = std::clamp(value, static_cast<double>(minimum), static_cast<double>(std::max(minimum, maximum)));
    return static_cast<DWORD>(value);
}

std::vector<MaskCalendarCell> LayoutMaskCalendar(int year, int month)
{
    const int days = GetDaysInMonth(year, month);
    const int first = GetDayOfWeek(year, month, 1) - 1;
    std::vector<MaskCalendarCell> cells;
    cells.reserve(days);
    for (int i = 1; i <= days; ++i)
        cells.push_back({(first + i - 1) % 7, (first + i - 1) / 7});
    return cells;
}

void SetMaskedInScope(std::vector<MaskDateEntry>& days, WORD year, BYTE month, BYTE day, BYTE masked)
{
    for (MaskDateEntry& e : days)
        if ((year == 0 || e.year == year) && (month == 0 || e.month == month) && (day == 0 || e.day == day))
            e.masked = masked;
}

std::vector<WORD> MaskDistinctYears(const std::vector<MaskDateEntry>& days)
{
    std::vector<WORD> years;
    for (const MaskDateEntry& e : days)
        if (std::find(years.begin(), years.end(), e.year) == years.end())
            years.push_back(e.year);
    std::sort(years.begin(), years.end());
    return years;
}

WORD MaskMonthsWithData(const std::vector<MaskDateEntry>& days, WORD year)
{
    WORD bits = 0;
    for (const MaskDateEntry& e : days)
        if (e.year == year && e.month >= 1 && e.month <= 12)
            bits |= static_cast<WORD>(1u << (e.month - 1));
    return bits;
}

bool IsOverMaskMarker(int px, int markerX)
{
    return px >= markerX - 2 && px <= markerX + 4;
}

int MaskRangeDrag::Press(int px, int lowX, int highX)
{
    if (IsOverMaskMarker(px, lowX))
        grab = kLow;
    else if (IsOverMaskMarker(px, highX))
        grab = kHigh;
    else
        grab = kNone;
    return grab;
}

void MaskRangeDrag::Move(DWORD value)
{
    if (grab == kLow) {
        if (value > high) {
            low = high;
            high = value;
            grab = kHigh;
        } else {
            low = value;
        }
    } else if (grab == kHigh) {
        if (value < low) {
            high = low;
            low = value;
            grab = kLow;
        } else {
            high = value;
        }
    }
}
