#include "exif/exif_gps_text.h"

#include <cmath>
#include <cstdio>

namespace {

// The C library's formatting, so that exact ties round as printf does.
template <typename... Args> QString CFormat(const char* format, Args... args)
{
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, format, args...);
    return QString::fromUtf8(buffer);
}

}  // namespace

std::optional<QString> FormatGpsCoordinate(
    const QString& reference, const std::vector<DWORD>& values, int format)
{
    if (values.size() < 6)
        return std::nullopt;
    for (int i = 1; i < 6; i += 2) {
        if (values[i] == 0)
            return std::nullopt;
    }
    const auto quotient = [&](int i) {
        return static_cast<double>(values[2 * i]) / static_cast<double>(values[2 * i + 1]);
    };
    QString text;
    if (format == 1) {
        if (values[1] == 1 && values[3] == 1)
            text = CFormat(
                "%s %u度%u分%.5f秒", reference.toUtf8().constData(), values[0], values[2], quotient(2));
        else
            text = CFormat("%s %.2f度%.2f分%.5f秒", reference.toUtf8().constData(), quotient(0), quotient(1),
                quotient(2));
        return text.left(130);
    }
    // Decimal degrees: the whole degrees, then the minutes and seconds as a
    // nine-digit fraction (computed in double precision).
    const double fraction = quotient(1) / 60.0 + quotient(2) / 3600.0;
    double whole = static_cast<double>(values[0]);
    double part = fraction;
    if (values[1] != 1) {
        // Fractional degrees: carry the degrees' own fraction into the decimals.
        const double total = quotient(0) + fraction;
        whole = std::floor(total);
        part = total - whole;
    }
    if (part >= 1.0) {
        // Sixty minutes or more: whole degrees carry over, so that the
        // fraction keeps its nine digits.
        const double carry = std::floor(part);
        whole += carry;
        part -= carry;
    }
    const auto digits = static_cast<long long>(part * 1e9);
    text = CFormat("%s %.0f.%09lld", reference.toUtf8().constData(), whole, digits);
    return text.left(130);
}
