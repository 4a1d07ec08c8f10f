// Calendar helpers: days in a month, the day of the week, and comparing times.
#include "core/date_utils.h"

#include <gtest/gtest.h>

TEST(DateUtils, Calendar)
{
    EXPECT_EQ(GetDaysInMonth(2024, 2), 29);
    EXPECT_EQ(GetDaysInMonth(1900, 2), 28);
    EXPECT_EQ(GetDaysInMonth(2000, 2), 29);
    EXPECT_EQ(GetDaysInMonth(2023, 2), 28);
    EXPECT_EQ(GetDaysInMonth(2023, 4), 30);
    EXPECT_EQ(GetDaysInMonth(2023, 12), 31);

    struct Day {
        int y, m, d, weekday;
    };
    const Day days[] = {{2000, 1, 1, 7}, {2024, 2, 29, 5}, {1970, 1, 1, 5}, {2026, 12, 10, 5},
        {1601, 1, 1, 2}, {2023, 3, 5, 1}};
    for (const Day& d : days)
        EXPECT_EQ(GetDayOfWeek(d.y, d.m, d.d), d.weekday) << d.y << "-" << d.m << "-" << d.d;

    SYSTEMTIME a{2024, 5, 0, 1, 10, 0, 0, 500};
    SYSTEMTIME b = a;
    b.wDayOfWeek = 3;  // ignored
    EXPECT_EQ(IsTimeNotEarlier(a, b), 1);
    b.wMilliseconds = 501;
    EXPECT_EQ(IsTimeNotEarlier(a, b), 0);
    b = a;
    b.wYear = 2023;
    b.wMonth = 12;
    EXPECT_EQ(IsTimeNotEarlier(a, b), 1);
}
