// The day list and the date and extension tests.
#include "multiview/thumb_mask.h"

#include "core/file_queries.h"
#include "core/file_types.h"
#include "core/settings/app_settings.h"

#include <algorithm>
#include <new>

int CThumbMask::AddToList(DayList& list, const SYSTEMTIME& time)
{
    if (!list.present)
        return 0;
    for (const MaskDateEntry& e : list.entries)
        if (e.SameDay(time.wYear, static_cast<BYTE>(time.wMonth), static_cast<BYTE>(time.wDay)))
            return 1;
    try {
        if (static_cast<int>(list.entries.size()) >= list.capacity) {
            list.entries.reserve(static_cast<std::size_t>(list.capacity) + kMaskDayListGrowth);
            list.capacity += kMaskDayListGrowth;
        }
        MaskDateEntry entry;
        entry.year = time.wYear;
        entry.month = static_cast<BYTE>(time.wMonth);
        entry.day = static_cast<BYTE>(time.wDay);
        entry.hour = static_cast<BYTE>(time.wHour);
        list.entries.push_back(entry);
    } catch (const std::bad_alloc&) {
        return 0;
    }
    return 1;
}

int CThumbMask::Reset()
{
    std::lock_guard lock(m_mutex);
    m_days = DayList();
    m_rememberedYear = 0;
    m_rememberedMonth = 0;
    m_anyDayMasked = false;
    m_singleShownDay = MaskDateEntry();
    try {
        m_days.entries.reserve(kMaskDayListCapacity);
    } catch (const std::bad_alloc&) {
        return 0;
    }
    m_days.capacity = kMaskDayListCapacity;
    m_days.present = true;
    return 1;
}

int CThumbMask::AddDate(int list, const SYSTEMTIME& time)
{
    std::lock_guard lock(m_mutex);
    if (list != kDayList)
        return AddToList(m_rebuild, time);
    const int result = AddToList(m_days, time);
    // A new day starts shown, also when every other day is masked.
    UpdateSingleDateLocked();
    return result;
}

void CThumbMask::AddExtension(const QString& path)
{
    const int flag = GetImageTypeFlagFromPath(path);
    std::lock_guard lock(m_mutex);
    m_extensionBits = static_cast<BYTE>(m_extensionBits | flag);
}

void CThumbMask::AddFileDate(const QString& path)
{
    SYSTEMTIME time;
    if (!GetFileLocalWriteTime(path, &time))
        return;
    AddDate(kDayList, time);
}

int CThumbMask::IsMasked(const SYSTEMTIME& date, const QString& name) const
{
    return IsDateMasked(date) || IsExtensionMasked(name) ? 1 : 0;
}

int CThumbMask::IsDateMasked(const SYSTEMTIME& date) const
{
    std::lock_guard lock(m_mutex);
    return IsDateMaskedLocked(date);
}

int CThumbMask::IsDateMaskedLocked(const SYSTEMTIME& date) const
{
    if (m_days.entries.empty() || !m_anyDayMasked)
        return 0;
    const WORD y = date.wYear;
    const BYTE m = static_cast<BYTE>(date.wMonth);
    const BYTE d = static_cast<BYTE>(date.wDay);
    if (m_singleShownDay.year != 0)
        return m_singleShownDay.SameDay(y, m, d) ? 0 : 1;
    for (const MaskDateEntry& e : m_days.entries)
        if (e.SameDay(y, m, d))
            return e.masked;
    return 0;
}

int CThumbMask::IsExtensionMasked(const QString& name) const
{
    return (GetImageTypeFlagFromPath(name) & AppSettings.MaskExt) != 0 ? 1 : 0;
}

void CThumbMask::UpdateSingleDate()
{
    std::lock_guard lock(m_mutex);
    UpdateSingleDateLocked();
}

void CThumbMask::UpdateSingleDateLocked()
{
    m_anyDayMasked = false;
    int shown = 0;
    MaskDateEntry candidate;
    for (const MaskDateEntry& e : m_days.entries) {
        if (e.masked) {
            m_anyDayMasked = true;
        } else {
            candidate = e;
            ++shown;
        }
    }
    m_singleShownDay = shown == 1 ? candidate : MaskDateEntry();
}

int CThumbMask::GetStatus() const
{
    std::lock_guard lock(m_mutex);
    return m_status;
}

void CThumbMask::SetStatus(int status)
{
    std::lock_guard lock(m_mutex);
    m_status = status;
}

BYTE CThumbMask::GetExtensionBits() const
{
    std::lock_guard lock(m_mutex);
    return m_extensionBits;
}

void CThumbMask::SetExtensionBits(BYTE bits)
{
    std::lock_guard lock(m_mutex);
    m_extensionBits = bits;
}

bool CThumbMask::IsAnyDayMasked() const
{
    std::lock_guard lock(m_mutex);
    return m_anyDayMasked;
}

MaskDateEntry CThumbMask::GetSingleShownDay() const
{
    std::lock_guard lock(m_mutex);
    return m_singleShownDay;
}

WORD CThumbMask::GetRememberedYear() const
{
    std::lock_guard lock(m_mutex);
    return m_rememberedYear;
}

BYTE CThumbMask::GetRememberedMonth() const
{
    std::lock_guard lock(m_mutex);
    return m_rememberedMonth;
}

void CThumbMask::SetRemembered(WORD year, BYTE month)
{
    std::lock_guard lock(m_mutex);
    m_rememberedYear = year;
    m_rememberedMonth = month;
}

std::vector<MaskDateEntry> CThumbMask::GetDays() const
{
    std::lock_guard lock(m_mutex);
    return m_days.entries;
}

int CThumbMask::GetDayCapacity() const
{
    std::lock_guard lock(m_mutex);
    return m_days.capacity;
}

void CThumbMask::ApplyMaskedDays(const std::vector<MaskDateEntry>& days)
{
    std::lock_guard lock(m_mutex);
    for (const MaskDateEntry& d : days)
        for (MaskDateEntry& e : m_days.entries)
            if (e.SameDay(d.year, d.month, d.day))
                e.masked = d.masked ? 1 : 0;
    UpdateSingleDateLocked();
}

std::vector<WORD> CThumbMask::GetDistinctYears() const
{
    std::lock_guard lock(m_mutex);
    std::vector<WORD> years;
    for (const MaskDateEntry& e : m_days.entries)
        if (std::find(years.begin(), years.end(), e.year) == years.end())
            years.push_back(e.year);
    std::sort(years.begin(), years.end());
    return years;
}

int CThumbMask::BeginRebuild()
{
    std::lock_guard lock(m_mutex);
    m_status = kBuilding;
    m_rebuild = DayList();
    try {
        m_rebuild.entries.reserve(kMaskDayListCapacity);
    } catch (const std::bad_alloc&) {
        m_status = kFailed;
        return 0;
    }
    m_rebuild.capacity = kMaskDayListCapacity;
    m_rebuild.present = true;
    return 1;
}

void CThumbMask::CommitRebuild()
{
    std::lock_guard lock(m_mutex);
    // Masked days stay masked; days new in the folder start shown.
    for (const MaskDateEntry& old : m_days.entries) {
        if (!old.masked)
            continue;
        for (MaskDateEntry& e : m_rebuild.entries)
            if (e.SameDay(old.year, old.month, old.day))
                e.masked = 1;
    }
    m_days = std::move(m_rebuild);
    m_rebuild = DayList();
    UpdateSingleDateLocked();
    m_status = kDone;
}

void CThumbMask::AbandonRebuild()
{
    std::lock_guard lock(m_mutex);
    m_rebuild = DayList();
}
