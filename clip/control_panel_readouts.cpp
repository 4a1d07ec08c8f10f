#include "clip/control_panel_readouts.h"

#include <algorithm>
#include <cstdio>

namespace {

QString Format(const char* format, int a, int b)
{
    char text[64];
    std::snprintf(text, sizeof text, format, a, b);
    return QString::fromLatin1(text);
}

}  // namespace

QString PointReadout(int x, int y)
{
    return Format("%d : %d", x, y);
}

QString ClearedReadout()
{
    return QStringLiteral("--- : ---");
}

QString RangeReadout(int a, int b)
{
    return Format("%d, %d", a, b);
}

SelectionReadouts MovingPointReadouts(POINT first, POINT p)
{
    if (first.x == -1 && first.y == -1)
        return {PointReadout(p.x, p.y), QString(), QString()};
    const int x0 = std::min(first.x, p.x);
    const int x1 = std::max(first.x, p.x);
    const int y0 = std::min(first.y, p.y);
    const int y1 = std::max(first.y, p.y);
    return {PointReadout(x0, y0), PointReadout(x1 - x0 + 1, y1 - y0 + 1), PointReadout(x1, y1)};
}

QString ColorReadout(COLORREF color, int radix)
{
    if (color == static_cast<COLORREF>(-1))
        return QStringLiteral("-- -- --");
    const int r = GetRValue(color);
    const int g = GetGValue(color);
    const int b = GetBValue(color);
    char digits[3][8];
    const char* format = radix == 10 ? "%03d" : "%02X";
    for (int i = 0; i < 3; ++i)
        std::snprintf(digits[i], sizeof digits[i], format, i == 0 ? r : i == 1 ? g : b);
    if (radix == 10)
        return QStringLiteral("赤:%1  緑:%2  青:%3")
            .arg(QLatin1String(digits[0]), QLatin1String(digits[1]), QLatin1String(digits[2]));
    return QStringLiteral("赤:x%1 緑:x%2 青:x%3")
        .arg(QLatin1String(digits[0]), QLatin1String(digits[1]), QLatin1String(digits[2]));
}
