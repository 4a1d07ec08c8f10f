// The mask dialog's arithmetic, free of windows: the graph's value and count
// mapping, the texts and units of the range values, the parsing of a typed
// range end, the calendar cells, the day list's scoped masking and the marker
// drag with its role swap.
#pragma once

#include "multiview/thumb_mask.h"
#include "platform/types/types.h"

#include <QString>
#include <optional>
#include <vector>

// x of value v on a graph of span pixels (0 when the value range is empty).
int MaskValueToX(DWORD value, DWORD minimum, DWORD maximum, int span);
// y of count n on a graph of height pixels with margin pixels left free at
// the top. A largest count of 0 gives the full height (no division).
int MaskCountToY(DWORD count, DWORD largest, int height, int margin);

// The unit of a value of measure: 0 (plain), 1000 or 1000000 (byte sizes only).
DWORD MaskValueUnit(int measure, DWORD value);
// The value shown in its unit: an integer for unit 0, else the single-precision
// quotient formatted by the value's decimal digits.
QString FormatMaskValue(DWORD value, DWORD unit);
// The unit label: "Byte", "KB", "MB", "Pixel" or "文字".
QString MaskUnitLabel(int measure, DWORD unit);

// A typed range end: the edit's text read as the measure's number (a real
// number times the edit's unit for byte sizes). A byte-size number past the
// unit's limit gives fallback (the minimum for the low edit, the maximum for
// the high one). The result is clamped to minimum..maximum; nothing when the
// text holds no number.
std::optional<DWORD> ParseMaskRangeEnd(
    const QString& text, int measure, DWORD unit, DWORD minimum, DWORD maximum, DWORD fallback);

// Where day 1..days of a month lands on the 7-column calendar.
struct MaskCalendarCell {
    int column = 0;
    int row = 0;
};
// The cells of the month's days, in day order.
std::vector<MaskCalendarCell> LayoutMaskCalendar(int year, int month);

// Sets masked on every entry in scope: year 0 = all years, month 0 = the
// whole year, day 0 = the whole month.
void SetMaskedInScope(std::vector<MaskDateEntry>& days, WORD year, BYTE month, BYTE day, BYTE masked);
// The distinct years of the list, ascending.
std::vector<WORD> MaskDistinctYears(const std::vector<MaskDateEntry>& days);
// Bit (1 << (month - 1)) for every month with an entry in the year.
WORD MaskMonthsWithData(const std::vector<MaskDateEntry>& days, WORD year);

// The two ends of the range and which marker the mouse holds.
struct MaskRangeDrag {
    enum Grab : int { kNone = 0, kLow = 1, kHigh = 2 };
    DWORD low = 0;
    DWORD high = 0;
    int grab = kNone;

    // Grabs the marker whose line x lies within 2 pixels left and 4 right of
    // px (the low marker first). Returns the grab.
    int Press(int px, int lowX, int highX);
    // Moves the held marker to value; crossing the other end swaps the roles
    // so the held marker becomes the other end.
    void Move(DWORD value);
    void Release() { grab = kNone; }
};
// Whether px lies over a marker line at x.
bool IsOverMaskMarker(int px, int markerX);
