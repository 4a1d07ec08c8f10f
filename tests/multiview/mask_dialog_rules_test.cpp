// The mask dialog's arithmetic: graph mapping, value texts, typed range ends,
// the calendar, scoped masking of the day list and the marker drag.
#include "multiview/mask_dialog_rules.h"

#include <gtest/gtest.h>

namespace {

TEST(MaskGraphMapping, ValuesAndCounts)
{
    EXPECT_EQ(MaskValueToX(100, 100, 200, 95), 0);
    EXPECT_EQ(MaskValueToX(150, 100, 200, 95), 47);
    EXPECT_EQ(MaskValueToX(200, 100, 200, 95), 95);
    EXPECT_EQ(MaskValueToX(7, 7, 7, 95), 0);  // empty value range
    // Near the top of the 32-bit range: no overflow in the difference.
    EXPECT_EQ(MaskValueToX(0xFFFFFFFFu, 0, 0xFFFFFFFFu, 100), 100);

    EXPECT_EQ(MaskCountToY(0, 8, 98, 10), 98);
    EXPECT_EQ(MaskCountToY(8, 8, 98, 10), 10);
    EXPECT_EQ(MaskCountToY(4, 8, 98, 10), 54);
    EXPECT_EQ(MaskCountToY(8, 8, 98, 0), 0);  // marker: full height
    EXPECT_EQ(MaskCountToY(0, 0, 98, 0), 0);  // no files: full height, no division
}

TEST(MaskValueText, UnitsAndDigits)
{
    struct Case {
        DWORD value;
        const char* text;
        const char* label;
    };
    const Case cases[] = {
        {0, "0", "Byte"},
        {120, "120", "Byte"},
        {999, "999", "Byte"},
        {1000, "1.00", "KB"},
        {12345, "12.3", "KB"},
        {123456, "123", "KB"},
        {999999, "1000", "KB"},
        {3400000, "3.40", "MB"},
        {12345678, "12.3", "MB"},
        {123456789, "123", "MB"},
        {4000000000u, "4000", "MB"},
    };
    for (const Case& c : cases) {
        const DWORD unit = MaskValueUnit(kMeasureByteSize, c.value);
        EXPECT_EQ(FormatMaskValue(c.value, unit), QString::fromUtf8(c.text)) << c.value;
        EXPECT_EQ(MaskUnitLabel(kMeasureByteSize, unit), QString::fromUtf8(c.label)) << c.value;
    }
    // Only byte sizes take units.
    EXPECT_EQ(MaskValueUnit(kMeasureImageWidth, 5000), 0u);
    EXPECT_EQ(FormatMaskValue(5000, 0), QStringLiteral("5000"));
    EXPECT_EQ(MaskUnitLabel(kMeasureImageHeight, 0), QStringLiteral("Pixel"));
    EXPECT_EQ(MaskUnitLabel(kMeasureNameLength, 0), QStringLiteral("文字"));
}

TEST(MaskRangeEnd, ParsedScaledAndClamped)
{
    struct Case {
        const char* text;
        int measure;
        DWORD unit;
        DWORD fallback;
        std::optional<DWORD> want;
    };
    const Case cases[] = {
        {"5", kMeasureByteSize, 0, 700, 700},              // below the minimum of 700
        {"1.5", kMeasureByteSize, 1000, 700, 1500},        // KB
        {"2.5", kMeasureByteSize, 1000000, 700, 2500000},  // MB
        {"2200", kMeasureByteSize, 1000000, 9999, 9999},   // past the MB limit
        {"2200000", kMeasureByteSize, 1000, 9999, 9999},   // past the KB limit
        {"-3", kMeasureByteSize, 0, 700, 700},             // negative: clamped, not wrapped
        {"9000000", kMeasureByteSize, 0, 700, 3400000},    // above the maximum
        {"800", kMeasureImageWidth, 0, 0, 800},
        {"64.5", kMeasureImageWidth, 0, 0, std::nullopt},  // integers only
        {"abc", kMeasureByteSize, 0, 0, std::nullopt},
        {"", kMeasureNameLength, 0, 0, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(
            ParseMaskRangeEnd(QString::fromUtf8(c.text), c.measure, c.unit, 700, 3400000, c.fallback), c.want)
            << c.text;
}

TEST(MaskCalendar, DaysLandInTheirWeekdayColumns)
{
    // March 2024 starts on a Friday and has 31 days.
    const auto march = LayoutMaskCalendar(2024, 3);
    ASSERT_EQ(march.size(), 31u);
    EXPECT_EQ(march[0].column, 5);
    EXPECT_EQ(march[0].row, 0);
    EXPECT_EQ(march[2].column, 0);  // the 3rd, a Sunday
    EXPECT_EQ(march[2].row, 1);
    EXPECT_EQ(march[30].column, 0);  // the 31st: sixth row
    EXPECT_EQ(march[30].row, 5);
    // February 2015 starts on a Sunday: exactly four rows.
    const auto february = LayoutMaskCalendar(2015, 2);
    ASSERT_EQ(february.size(), 28u);
    EXPECT_EQ(february[0].column, 0);
    EXPECT_EQ(february[27].column, 6);
    EXPECT_EQ(february[27].row, 3);
    EXPECT_EQ(LayoutMaskCalendar(2024, 2).size(), 29u);
}

std::vector<MaskDateEntry> SampleDays()
{
    return {
        {2023, 5, 1}, {2024, 3, 1}, {2024, 3, 2}, {2024, 4, 1}, {2022, 12, 31},
        {2024, 3, 2},  // a duplicate cannot hurt the scoped operations
    };
}

std::vector<int> MaskedFlags(const std::vector<MaskDateEntry>& days)
{
    std::vector<int> flags;
    for (const auto& d : days)
        flags.push_back(d.masked);
    return flags;
}

TEST(MaskDayList, ScopedMaskingYearsAndMonths)
{
    auto days = SampleDays();
    SetMaskedInScope(days, 2024, 3, 2, 1);  // one day box
    EXPECT_EQ(MaskedFlags(days), (std::vector<int>{0, 0, 1, 0, 0, 1}));
    SetMaskedInScope(days, 2024, 3, 0, 1);  // the month's clear-all
    EXPECT_EQ(MaskedFlags(days), (std::vector<int>{0, 1, 1, 0, 0, 1}));
    SetMaskedInScope(days, 0, 0, 0, 1);  // every year
    EXPECT_EQ(MaskedFlags(days), (std::vector<int>{1, 1, 1, 1, 1, 1}));
    SetMaskedInScope(days, 0, 0, 0, 0);
    EXPECT_EQ(MaskedFlags(days), (std::vector<int>{0, 0, 0, 0, 0, 0}));

    EXPECT_EQ(MaskDistinctYears(days), (std::vector<WORD>{2022, 2023, 2024}));
    EXPECT_TRUE(MaskDistinctYears({}).empty());
    EXPECT_EQ(MaskMonthsWithData(days, 2024), WORD{(1 << 2) | (1 << 3)});
    EXPECT_EQ(MaskMonthsWithData(days, 2022), WORD{1 << 11});
    EXPECT_EQ(MaskMonthsWithData(days, 1999), WORD{0});
}

TEST(MaskMarkerDrag, GrabsWithinReachAndSwapsRoles)
{
    MaskRangeDrag drag{100, 500};
    EXPECT_EQ(drag.Press(50, 10, 80), MaskRangeDrag::kNone);
    EXPECT_EQ(drag.Press(7, 10, 80), MaskRangeDrag::kNone);  // 3 left of the low marker
    EXPECT_EQ(drag.Press(8, 10, 80), MaskRangeDrag::kLow);   // 2 left
    EXPECT_EQ(drag.Press(14, 10, 80), MaskRangeDrag::kLow);  // 4 right
    EXPECT_EQ(drag.Press(15, 10, 80), MaskRangeDrag::kNone);
    EXPECT_EQ(drag.Press(84, 10, 80), MaskRangeDrag::kHigh);
    EXPECT_EQ(drag.Press(12, 10, 11), MaskRangeDrag::kLow);  // both in reach: low first

    drag.Press(10, 10, 80);
    drag.Move(300);
    EXPECT_EQ(drag.low, 300u);
    drag.Move(700);  // past the high end: the held marker becomes the high end
    EXPECT_EQ(drag.low, 500u);
    EXPECT_EQ(drag.high, 700u);
    EXPECT_EQ(drag.grab, MaskRangeDrag::kHigh);
    drag.Move(600);  // keeps dragging the other end
    EXPECT_EQ(drag.high, 600u);
    EXPECT_EQ(drag.low, 500u);
    drag.Move(50);  // and back across
    EXPECT_EQ(drag.low, 50u);
    EXPECT_EQ(drag.high, 500u);
    EXPECT_EQ(drag.grab, MaskRangeDrag::kLow);
    drag.Release();
    drag.Move(1);
    EXPECT_EQ(drag.low, 50u);
}

}  // namespace
