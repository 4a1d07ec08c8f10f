// The day list, the date and extension tests, the rebuild and the tallies.
#include "multiview/thumb_mask.h"

#include "core/file_types.h"
#include "multiview/thumbnail_list.h"
#include "tests/multiview/thumb_test_folder.h"
#include "tests/support/scripted_dialogs.h"

namespace {

SYSTEMTIME Day(int y, int m, int d, int hour = 12)
{
    SYSTEMTIME t{};
    t.wYear = static_cast<WORD>(y);
    t.wMonth = static_cast<WORD>(m);
    t.wDay = static_cast<WORD>(d);
    t.wHour = static_cast<WORD>(hour);
    return t;
}

std::vector<MaskDateEntry> WithMasked(std::vector<MaskDateEntry> days, std::initializer_list<int> masked)
{
    for (int i : masked)
        days[i].masked = 1;
    return days;
}

TEST(ThumbMask, OneEntryPerDayWithTheFirstHour)
{
    CThumbMask mask;
    EXPECT_EQ(mask.AddDate(CThumbMask::kDayList, Day(2024, 5, 1)), 0) << "no list before Reset";
    ASSERT_EQ(mask.Reset(), 1);
    EXPECT_EQ(mask.GetDayCapacity(), kMaskDayListCapacity);
    EXPECT_EQ(mask.AddDate(CThumbMask::kDayList, Day(2024, 5, 1, 9)), 1);
    EXPECT_EQ(mask.AddDate(CThumbMask::kDayList, Day(2024, 5, 1, 23)), 1);
    EXPECT_EQ(mask.AddDate(CThumbMask::kDayList, Day(2023, 5, 1, 7)), 1);
    const std::vector<MaskDateEntry> days = mask.GetDays();
    ASSERT_EQ(days.size(), 2u);
    EXPECT_EQ(days[0], (MaskDateEntry{2024, 5, 1, 9, 0}));
    EXPECT_EQ(days[1], (MaskDateEntry{2023, 5, 1, 7, 0}));

    for (int i = 0; i < kMaskDayListCapacity; ++i)
        mask.AddDate(CThumbMask::kDayList, Day(2000 + i / 28, 1 + i % 12, 1 + i % 28));
    EXPECT_EQ(mask.GetDayCapacity(), kMaskDayListCapacity + kMaskDayListGrowth);
}

TEST(ThumbMask, DateTestsWithTheSingleShownDayShortcut)
{
    CThumbMask mask;
    mask.Reset();
    for (int d = 1; d <= 3; ++d)
        mask.AddDate(CThumbMask::kDayList, Day(2024, 1, d));
    const std::vector<MaskDateEntry> days = mask.GetDays();
    const struct {
        std::initializer_list<int> masked;
        int expected[4];  // days 1, 2, 3 and an unlisted day
    } cases[] = {
        {{}, {0, 0, 0, 0}},      // nothing masked: nothing by date
        {{1}, {0, 1, 0, 0}},     // the day's own flag; an unlisted day is shown
        {{0, 2}, {1, 0, 1, 1}},  // one day shown: every other day is masked
        {{0, 1, 2}, {1, 1, 1, 0}},
    };
    for (const auto& c : cases) {
        mask.ApplyMaskedDays(WithMasked(days, c.masked));
        const SYSTEMTIME probes[] = {
            Day(2024, 1, 1, 5), Day(2024, 1, 2, 5), Day(2024, 1, 3, 5), Day(2025, 2, 2)};
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(mask.IsDateMasked(probes[i]), c.expected[i]) << i;
    }
}

TEST(ThumbMask, ADayAddedLaterStartsShown)
{
    CThumbMask mask;
    mask.Reset();
    mask.AddDate(CThumbMask::kDayList, Day(2024, 1, 1));
    mask.AddDate(CThumbMask::kDayList, Day(2024, 1, 2));
    mask.ApplyMaskedDays(WithMasked(mask.GetDays(), {0}));
    ASSERT_EQ(mask.GetSingleShownDay().day, 2);
    // A copied file of a new day: shown, and no longer the single shown day's shadow.
    mask.AddDate(CThumbMask::kDayList, Day(2024, 3, 3));
    EXPECT_EQ(mask.IsDateMasked(Day(2024, 3, 3)), 0);
    EXPECT_EQ(mask.IsDateMasked(Day(2024, 1, 1)), 1);
    EXPECT_EQ(mask.GetSingleShownDay().year, 0);

    ThumbTestFolder folder;
    folder.Write("new.jpg", "x", 1700000000);
    mask.AddFileDate(folder.PathOf("new.jpg"));
    mask.AddFileDate(folder.PathOf("missing.jpg"));
    EXPECT_EQ(mask.GetDays().size(), 4u);
}

TEST(ThumbMask, ExtensionTests)
{
    ThumbSettingsScope settings;
    CThumbMask mask;
    mask.Reset();
    mask.AddExtension("/x/a.JPG");
    mask.AddExtension("/x/b.png");
    EXPECT_EQ(mask.GetExtensionBits(), kImageFlagJpeg | kImageFlagPng);
    AppSettings.MaskExt = kImageFlagPng;
    EXPECT_EQ(mask.IsExtensionMasked("b.png"), 1);
    EXPECT_EQ(mask.IsMasked(Day(2024, 1, 1), "a.jpg"), 0);
    EXPECT_EQ(mask.IsMasked(Day(2024, 1, 1), "c.png"), 1);
}

TEST(ThumbMask, YearsOfAnyNumber)
{
    CThumbMask mask;
    mask.Reset();
    for (int y = 1700; y < 2100; ++y)
        mask.AddDate(CThumbMask::kDayList, Day(3799 - y, 1, 1));
    const std::vector<WORD> years = mask.GetDistinctYears();
    ASSERT_EQ(years.size(), 400u);
    EXPECT_EQ(years.front(), 1700);
    EXPECT_EQ(years.back(), 2099);
}

class MaskWorkers : public ::testing::Test {
protected:
    ThumbSettingsScope settings;
    ThumbTestFolder folder;
    CThumbnailList list;
    CThumbMask mask;
    std::atomic<bool> stop{false};

    void Load()
    {
        list.SetAvailableMemoryMB([] { return DWORD(2000); });
        ScriptedMessageBoxes boxes;
        ASSERT_GT(list.LoadFolder(folder.Path(), 10, 0), 0);
    }
    static std::time_t Noon(int y, int m, int d)
    {
        std::tm t{};
        t.tm_year = y - 1900;
        t.tm_mon = m - 1;
        t.tm_mday = d;
        t.tm_hour = 12;
        t.tm_isdst = -1;
        return std::mktime(&t);
    }
};

TEST_F(MaskWorkers, TheCollectorListsEveryDayAndExtension)
{
    folder.Write("a.jpg", "x", Noon(2024, 1, 1));
    folder.Write("b.png", "x", Noon(2024, 1, 1) + 3600);
    folder.Write("c.gif", "x", Noon(2023, 6, 30));
    Load();
    mask.Reset();
    CollectMaskDatesThreadProc(mask, list, 50, stop);  // a count past the list stops at its end
    EXPECT_EQ(mask.GetStatus(), CThumbMask::kDone);
    const std::vector<MaskDateEntry> days = mask.GetDays();
    ASSERT_EQ(days.size(), 2u);
    EXPECT_EQ(days[0], (MaskDateEntry{2024, 1, 1, 12, 0}));
    EXPECT_EQ(days[1], (MaskDateEntry{2023, 6, 30, 12, 0}));
    EXPECT_EQ(mask.GetExtensionBits(), kImageFlagJpeg | kImageFlagPng | kImageFlagGif);

    CThumbMask noList;  // never reset: no day list to add to
    CollectMaskDatesThreadProc(noList, list, 3, stop);
    EXPECT_EQ(noList.GetStatus(), CThumbMask::kFailed);
}

TEST_F(MaskWorkers, ARebuildKeepsMaskedDaysAndShowsNewOnes)
{
    folder.Write("a.jpg", "x", Noon(2024, 1, 1));
    folder.Write("b.jpg", "x", Noon(2024, 1, 2));
    folder.Write("c.jpg", "x", Noon(2024, 1, 3));
    Load();
    mask.Reset();
    CollectMaskDatesThreadProc(mask, list, list.GetFileCount(), stop);
    mask.ApplyMaskedDays(WithMasked(mask.GetDays(), {0, 1}));  // only Jan 3 shown
    ASSERT_EQ(mask.GetSingleShownDay().day, 3);

    // A copy brings a new day; the file of Jan 2 goes.
    folder.Write("d.png", "x", Noon(2024, 2, 1));
    QFile::remove(folder.PathOf("b.jpg"));
    Load();
    RebuildMaskDatesThreadProc(mask, list, list.GetFileCount(), stop);
    EXPECT_EQ(mask.GetStatus(), CThumbMask::kDone);
    const std::vector<MaskDateEntry> days = mask.GetDays();
    ASSERT_EQ(days.size(), 3u);
    EXPECT_EQ(days[0], (MaskDateEntry{2024, 1, 1, 12, 1}));
    EXPECT_EQ(days[1], (MaskDateEntry{2024, 1, 3, 12, 0}));
    EXPECT_EQ(days[2], (MaskDateEntry{2024, 2, 1, 12, 0}));
    EXPECT_EQ(mask.IsDateMasked(Day(2024, 2, 1)), 0) << "the new day is shown";
    EXPECT_EQ(mask.IsDateMasked(Day(2024, 1, 1)), 1);
    EXPECT_EQ(mask.GetExtensionBits(), kImageFlagJpeg | kImageFlagPng);

    // A stopped rebuild keeps the list as it was.
    stop = true;
    folder.Write("e.jpg", "x", Noon(2025, 5, 5));
    Load();
    RebuildMaskDatesThreadProc(mask, list, list.GetFileCount(), stop);
    EXPECT_EQ(mask.GetDays(), days);
    EXPECT_EQ(mask.GetStatus(), CThumbMask::kDone);
}

TEST(MaskValueTally, CountsValuesPerMeasure)
{
    CMaskValueTally tally;
    EXPECT_EQ(tally.Add(kMeasureByteSize, 5), 0) << "no arrays before Reset";
    ASSERT_EQ(tally.Reset(), 1);
    tally.ResetRange();
    for (DWORD v = 1; v <= 11; ++v)
        ASSERT_EQ(tally.Add(kMeasureByteSize, v * 100), 1);
    tally.Add(kMeasureByteSize, 300);
    tally.Add(kMeasureByteSize, 300);
    EXPECT_EQ(tally.GetCapacity(kMeasureByteSize), 15) << "11 values: grown once by 5";
    EXPECT_EQ(tally.ComputeMaxCount(kMeasureByteSize), 3);
    const CMaskValueTally::Stats stats = tally.GetStats(kMeasureByteSize);
    EXPECT_EQ(stats.entryCount, 11);
    EXPECT_EQ(stats.largestCount, 3);
    EXPECT_EQ(stats.minimum, 100u);
    EXPECT_EQ(stats.maximum, 1100u);

    // A second measure keeps its own entries and count.
    for (DWORD v = 1; v <= 3; ++v)
        tally.Add(kMeasureNameLength, v);
    EXPECT_EQ(tally.GetEntries(kMeasureNameLength).size(), 3u);
    EXPECT_EQ(tally.GetCapacity(kMeasureNameLength), 10);
    EXPECT_EQ(tally.GetEntries(kMeasureByteSize).size(), 11u);
    EXPECT_TRUE(tally.GetEntries(7).empty());
    EXPECT_EQ(tally.Add(7, 1), 0);

    tally.ResetRange();
    EXPECT_EQ(tally.GetStats(kMeasureByteSize).minimum, 0xFFFFFFFFu);
    EXPECT_EQ(tally.GetStats(kMeasureByteSize).maximum, 0u);
}

TEST(MaskValueTally, RangeTest)
{
    CMaskValueTally tally;
    tally.SetRange(10, 20);
    EXPECT_EQ(tally.IsOutsideRange(5), 0) << "not ready";
    tally.Reset();
    const struct {
        DWORD low, high, value;
        int masked;
    } cases[] = {
        {0, 0, 5, 0}, {0, 0, 0, 0}, {10, 20, 9, 1}, {10, 20, 10, 0}, {10, 20, 20, 0}, {10, 20, 21, 1}};
    for (const auto& c : cases) {
        tally.SetRange(c.low, c.high);
        EXPECT_EQ(tally.IsOutsideRange(c.value), c.masked) << c.low << ".." << c.high << " " << c.value;
    }
}

}  // namespace
