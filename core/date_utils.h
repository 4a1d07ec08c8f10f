// Gregorian calendar helpers and the comparison of broken-down times.
#pragma once

#include "platform/types/types.h"

// 28 or 29 for February, 30 for April, June, September and November, else 31.
int GetDaysInMonth(int year, int month);
// 1 Sunday, 2 Monday .. 7 Saturday.
int GetDayOfWeek(int year, int month, int day);
// 1 when a is the same as or later than b (the weekday is not compared).
int IsTimeNotEarlier(const SYSTEMTIME& a, const SYSTEMTIME& b);
