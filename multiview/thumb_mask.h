// The data behind the multi view's masks: the day list (every calendar day
// on which files of the folder were last written, each maskable), the
// extension bits of the folder's files, and the value tallies of one measure
// that feed the mask dialog's range graph. Also the bodies of the two workers
// that fill the day list.
//
// Threads: one lock per mask object guards the day list, the rebuild list,
// the extension bits and the status. A worker takes it for each append and
// for the final swap; the UI thread's tests (painting, selection) and the
// dialog's copies take it through the public calls. The tally belongs to
// the UI thread.
#pragma once

#include "platform/types/types.h"

#include <QString>
#include <atomic>
#include <mutex>
#include <vector>

class CThumbnailList;

// One calendar day of the day list.
struct MaskDateEntry {
    WORD year = 0;
    BYTE month = 0;
    BYTE day = 0;
    BYTE hour = 0;    // of the first file met on that day
    BYTE masked = 0;  // 1: files of this day are masked

    bool SameDay(WORD y, BYTE m, BYTE d) const { return year == y && month == m && day == d; }
    friend bool operator==(const MaskDateEntry&, const MaskDateEntry&) = default;
};

inline constexpr int kMaskDayListCapacity = 100;
inline constexpr int kMaskDayListGrowth = 20;

class CThumbMask {
public:
    enum Status : int { kBuilding = 0, kDone = 1, kFailed = 2 };
    // AddDate's list argument.
    static constexpr int kDayList = 1;
    static constexpr int kRebuildList = 0;

    CThumbMask() = default;
    CThumbMask(const CThumbMask&) = delete;
    CThumbMask& operator=(const CThumbMask&) = delete;

    // An empty day list of capacity 100; remembered year and month, the
    // any-day-masked flag and the single shown day cleared. 0 when the list
    // cannot be had.
    int Reset();
    // Adds the day of time to the day list (kDayList) or the rebuild list:
    // 1 when the day is listed already; 0 when there is no list or it cannot
    // grow. A new day starts shown; after a day-list append the single shown
    // day is worked out again.
    int AddDate(int list, const SYSTEMTIME& time);
    void AddExtension(const QString& path);
    // The file's last-write day added to the day list; nothing when the
    // time cannot be had.
    void AddFileDate(const QString& path);

    // 1 when the date test or the extension test masks the file.
    int IsMasked(const SYSTEMTIME& date, const QString& name) const;
    int IsDateMasked(const SYSTEMTIME& date) const;
    int IsExtensionMasked(const QString& name) const;
    // Works out the any-day-masked flag and the single shown day from the list.
    void UpdateSingleDate();

    int GetStatus() const;
    void SetStatus(int status);
    BYTE GetExtensionBits() const;
    void SetExtensionBits(BYTE bits);
    bool IsAnyDayMasked() const;
    // The single shown day (all zero when none).
    MaskDateEntry GetSingleShownDay() const;
    WORD GetRememberedYear() const;
    BYTE GetRememberedMonth() const;
    void SetRemembered(WORD year, BYTE month);

    // Copies of the day list, and its capacity.
    std::vector<MaskDateEntry> GetDays() const;
    int GetDayCapacity() const;
    // Sets the masked flags of listed days from a copy (the dialog's OK);
    // days of the copy that are not listed are ignored.
    void ApplyMaskedDays(const std::vector<MaskDateEntry>& days);
    // The distinct years of the day list, ascending.
    std::vector<WORD> GetDistinctYears() const;

    // The rebuild: a fresh rebuild list, then the swap that carries the masks
    // over (days new in the folder start shown, vanished days go).
    int BeginRebuild();
    void CommitRebuild();
    void AbandonRebuild();

private:
    struct DayList {
        std::vector<MaskDateEntry> entries;
        int capacity = 0;
        bool present = false;
    };
    static int AddToList(DayList& list, const SYSTEMTIME& time);
    int IsDateMaskedLocked(const SYSTEMTIME& date) const;
    void UpdateSingleDateLocked();

    mutable std::mutex m_mutex;
    int m_status = kBuilding;
    DayList m_days;
    DayList m_rebuild;
    BYTE m_extensionBits = 0;
    WORD m_rememberedYear = 0;
    BYTE m_rememberedMonth = 0;
    bool m_anyDayMasked = false;
    MaskDateEntry m_singleShownDay;
};

// The measures of the value tally (the ExtensionMask setting's numbers).
enum MaskMeasure : int {
    kMeasureByteSize = 1,
    kMeasureImageWidth = 2,
    kMeasureImageHeight = 3,
    kMeasureNameLength = 4,
};

struct MaskValueEntry {
    DWORD count = 0;
    DWORD value = 0;
};

inline constexpr int kMaskTallyCapacity = 10;
inline constexpr int kMaskTallyGrowth = 5;

// A histogram of one measure's values over the folder's files. Each measure
// keeps its own entries with their own count.
class CMaskValueTally {
public:
    struct Stats {
        int entryCount = 0;
        WORD largestCount = 0;
        DWORD minimum = 0;
        DWORD maximum = 0;
    };

    // Four empty arrays of capacity 10; 0 (and no arrays) when that fails.
    int Reset();
    // Minimum to the largest value, maximum to 0 (the range stays).
    void ResetRange();
    // Counts one value of a measure; 0 without arrays, for another measure or
    // when the array cannot grow.
    int Add(int measure, DWORD value);
    // The measure's largest count (also kept for GetStats).
    WORD ComputeMaxCount(int measure);
    Stats GetStats(int measure) const;
    // The measure's entries; empty for another number.
    const std::vector<MaskValueEntry>& GetEntries(int measure) const;
    int GetCapacity(int measure) const;
    bool IsReady() const { return m_ready; }

    DWORD GetRangeLow() const { return m_rangeLow; }
    DWORD GetRangeHigh() const { return m_rangeHigh; }
    void SetRange(DWORD low, DWORD high)
    {
        m_rangeLow = low;
        m_rangeHigh = high;
    }
    // 1 when the value lies outside a range that is set (0..0 masks nothing)
    // and the tally is ready.
    int IsOutsideRange(DWORD value) const;

private:
    static bool ValidMeasure(int measure) { return measure >= 1 && measure <= 4; }

    DWORD m_minimum = 0xFFFFFFFFu;
    DWORD m_maximum = 0;
    WORD m_largestCount = 0;
    DWORD m_rangeLow = 0;
    DWORD m_rangeHigh = 0;
    bool m_ready = false;
    std::vector<MaskValueEntry> m_entries[4];
    int m_capacity[4] = {};
};

// The bodies of the stage's two mask-date workers. Each reads the list's
// files 0..fileCount-1 (never past the list's own count) and checks stop
// between files.
// The collector adds every file's day and extension to the day list; status 1
// when done, 2 when the list cannot grow.
void CollectMaskDatesThreadProc(
    CThumbMask& mask, const CThumbnailList& list, int fileCount, const std::atomic<bool>& stop);
// The rebuilder makes a new day list from the files, carries the masked days
// over and swaps it in; a failure (status 2) or a stop keeps the old list.
void RebuildMaskDatesThreadProc(
    CThumbMask& mask, const CThumbnailList& list, int fileCount, const std::atomic<bool>& stop);
