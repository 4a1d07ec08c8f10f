#include "core/date_utils.h"

#include <array>
#include <cstddef>
#include <tuple>

namespace {

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

}  // namespace

int GetDaysInMonth(int year, int month)
{
    switch (month) {
    case 2:
        return IsLeapYear(year) ? 29 : 28;
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    }
    return 31;
}

int GetDayOfWeek(int year, int month, int day)
{
    // Sakamoto's method: 0 = Sunday.
    static constexpr std::array<int, 12> kOffsets{0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (month < 1 || month > 12)
        return 0;
    if (month < 3)
        year -= 1;
    int w =
        (year + year / 4 - year / 100 + year / 400 + kOffsets[static_cast<std::size_t>(month - 1)] + day) % 7;
    if (w < 0)
        w += 7;
    return w + 1;
}

int IsTimeNotEarlier(const SYSTEMTIME& a, const SYSTEMTIME& b)
{
    const auto key = [](const SYSTEMTIME& t) {
        return std::tie(t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds);
    };
    return key(a) >= key(b) ? 1 : 0;
}
