// The value tallies behind the mask dialog's range graph.
#include "multiview/thumb_mask.h"

#include <algorithm>
#include <new>

int CMaskValueTally::Reset()
{
    m_ready = false;
    try {
        for (int m = 0; m < 4; ++m) {
            m_entries[m].clear();
            m_entries[m].shrink_to_fit();
            m_entries[m].reserve(kMaskTallyCapacity);
            m_capacity[m] = kMaskTallyCapacity;
        }
    } catch (const std::bad_alloc&) {
        for (int m = 0; m < 4; ++m) {
            m_entries[m].clear();
            m_capacity[m] = 0;
        }
        return 0;
    }
    m_largestCount = 0;
    m_ready = true;
    return 1;
}

void CMaskValueTally::ResetRange()
{
    m_minimum = 0xFFFFFFFFu;
    m_maximum = 0;
}

int CMaskValueTally::Add(int measure, DWORD value)
{
    if (!m_ready || !ValidMeasure(measure))
        return 0;
    m_minimum = std::min(m_minimum, value);
    m_maximum = std::max(m_maximum, value);
    std::vector<MaskValueEntry>& entries = m_entries[measure - 1];
    for (MaskValueEntry& e : entries) {
        if (e.value == value) {
            ++e.count;
            return 1;
        }
    }
    try {
        int& capacity = m_capacity[measure - 1];
        if (static_cast<int>(entries.size()) >= capacity) {
            entries.reserve(static_cast<std::size_t>(capacity) + kMaskTallyGrowth);
            capacity += kMaskTallyGrowth;
        }
        entries.push_back(MaskValueEntry{1, value});
    } catch (const std::bad_alloc&) {
        return 0;
    }
    return 1;
}

WORD CMaskValueTally::ComputeMaxCount(int measure)
{
    DWORD largest = 0;
    for (const MaskValueEntry& e : GetEntries(measure))
        largest = std::max(largest, e.count);
    m_largestCount = static_cast<WORD>(std::min<DWORD>(largest, 0xFFFF));
    return m_largestCount;
}

CMaskValueTally::Stats CMaskValueTally::GetStats(int measure) const
{
    Stats stats;
    stats.entryCount = static_cast<int>(GetEntries(measure).size());
    stats.largestCount = m_largestCount;
    stats.minimum = m_minimum;
    stats.maximum = m_maximum;
    return stats;
}

const std::vector<MaskValueEntry>& CMaskValueTally::GetEntries(int measure) const
{
    static const std::vector<MaskValueEntry> none;
    return ValidMeasure(measure) ? m_entries[measure - 1] : none;
}

int CMaskValueTally::GetCapacity(int measure) const
{
    return ValidMeasure(measure) ? m_capacity[measure - 1] : 0;
}

int CMaskValueTally::IsOutsideRange(DWORD value) const
{
    if (!m_ready || (m_rangeLow == 0 && m_rangeHigh == 0))
        return 0;
    return value < m_rangeLow || value > m_rangeHigh ? 1 : 0;
}
