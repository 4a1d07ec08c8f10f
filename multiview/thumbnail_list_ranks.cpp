// The three sort orders: rank arrays (file index -> position under the key,
// ascending), their inverse for the position look-up, the builder that the
// sort thread runs, and their upkeep after one entry changed.
//
// "k comes before i": name, the Japanese collation of the names (ordinal
// order between names that collate equal); date, k's time is strictly later
// (the newest file first); size, k is smaller. Files with equal keys keep
// folder order in a build; an entry added or changed goes before the files
// whose key equals its own.
#include "core/multi_control_messages.h"
#include "core/multi_view_messages.h"
#include "multiview/thumbnail_list.h"
#include "platform/system/kernel.h"

#include <QCollator>
#include <QCollatorSortKey>
#include <QLocale>
#include <algorithm>
#include <chrono>
#include <numeric>

namespace {

constexpr unsigned kKeyBits[3] = {1, 2, 4};
constexpr int kProgressNoticeMs = 500;

// One collator per thread: collators are not shared between threads.
const QCollator& JapaneseCollator()
{
    thread_local const QCollator collator(QLocale(QLocale::Japanese, QLocale::Japan));
    return collator;
}

bool NameBefore(const QString& k, const QString& i)
{
    const int c = JapaneseCollator().compare(k, i);
    return c != 0 ? c < 0 : k < i;
}

// The time as one number in the order of its fields (the weekday left out).
std::uint64_t TimeKey(const SYSTEMTIME& t)
{
    std::uint64_t key = t.wYear;
    key = key * 13 + t.wMonth;
    key = key * 32 + t.wDay;
    key = key * 24 + t.wHour;
    key = key * 60 + t.wMinute;
    key = key * 60 + t.wSecond;
    return key * 1000 + t.wMilliseconds;
}

qint64 NowMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

}  // namespace

struct CThumbnailList::RankInput {
    int count = 0;
    std::vector<QString> names;
    std::vector<std::uint64_t> times;
    std::vector<DWORD> sizes;
};

// ----- positions and files -----

WORD CThumbnailList::SortIndexLocked(int position) const
{
    const int count = m_fileCount;
    if (position < 0 || position >= count)
        return kNoFileIndex;
    const int p = m_descending ? count - 1 - position : position;
    const int key = m_sortKey;
    // A key whose ranks are not valid (yet) shows folder order.
    if (key < 1 || key > 3 || !(m_validBits & kKeyBits[key - 1]))
        return static_cast<WORD>(p);
    const std::vector<WORD>& inverse = m_inverse[key - 1];
    return p < static_cast<int>(inverse.size()) ? inverse[p] : kNoFileIndex;
}

int CThumbnailList::DisplayIndexLocked(int file) const
{
    const int key = m_sortKey;
    int p = file;
    if (key >= 1 && key <= 3 && (m_validBits & kKeyBits[key - 1]) && file >= 0 &&
        file < static_cast<int>(m_ranks[key - 1].size()))
        p = m_ranks[key - 1][file];
    return m_descending ? m_fileCount - 1 - p : p;
}

WORD CThumbnailList::GetSortIndex(int position) const
{
    auto lock = Lock();
    return SortIndexLocked(position);
}

int CThumbnailList::GetDisplayIndex(int file) const
{
    auto lock = Lock();
    return DisplayIndexLocked(file);
}

WORD CThumbnailList::FindRank(int key, int rank) const
{
    auto lock = Lock();
    if (key < 1 || key > 3 || rank < 0 || rank >= m_fileCount)
        return kNoFileIndex;
    const std::vector<WORD>& inverse = m_inverse[key - 1];
    return rank < static_cast<int>(inverse.size()) ? inverse[rank] : kNoFileIndex;
}

int CThumbnailList::GetRank(int key, int file) const
{
    auto lock = Lock();
    if (key < 1 || key > 3 || file < 0 || file >= m_fileCount ||
        file >= static_cast<int>(m_ranks[key - 1].size()))
        return -1;
    return m_ranks[key - 1][file];
}

std::vector<WORD> CThumbnailList::GetRanks(int key) const
{
    auto lock = Lock();
    if (key < 1 || key > 3)
        return {};
    const std::vector<WORD>& ranks = m_ranks[key - 1];
    return std::vector<WORD>(ranks.begin(), ranks.begin() + std::min<std::size_t>(m_fileCount, ranks.size()));
}

int CThumbnailList::IsSortReady(int position) const
{
    auto lock = Lock();
    return SortIndexLocked(position) != kNoFileIndex && m_validBits == kSortBitsAll ? 1 : 0;
}

void CThumbnailList::RebuildInverseLocked(int key)
{
    const std::vector<WORD>& ranks = m_ranks[key];
    std::vector<WORD>& inverse = m_inverse[key];
    inverse.assign(ranks.size(), kNoFileIndex);
    // The lowest file index of a rank wins, as a search from the start finds it.
    for (int f = std::min<int>(m_fileCount, static_cast<int>(ranks.size())) - 1; f >= 0; --f)
        if (ranks[f] < inverse.size())
            inverse[ranks[f]] = static_cast<WORD>(f);
}

// ----- flags -----

BYTE CThumbnailList::GetValidBits() const
{
    auto lock = Lock();
    return m_validBits;
}

void CThumbnailList::SetValidBits(BYTE bits)
{
    auto lock = Lock();
    m_validBits = bits & kSortBitsAll;
}

BYTE CThumbnailList::GetSortKey() const
{
    auto lock = Lock();
    return m_sortKey;
}

void CThumbnailList::SetSortKey(BYTE key)
{
    auto lock = Lock();
    m_sortKey = key <= 3 ? key : 0;
}

BYTE CThumbnailList::IsDescending() const
{
    auto lock = Lock();
    return m_descending;
}

void CThumbnailList::SetDescending(BYTE descending)
{
    auto lock = Lock();
    m_descending = descending ? 1 : 0;
}

bool CThumbnailList::HasRebuildFlag(unsigned bit) const
{
    auto lock = Lock();
    for (int key = 0; key < 3; ++key)
        if (kKeyBits[key] == bit)
            return m_rebuild[key];
    return false;
}

bool CThumbnailList::TakeRebuildFlag(unsigned bit)
{
    auto lock = Lock();
    for (int key = 0; key < 3; ++key) {
        if (kKeyBits[key] == bit) {
            const bool was = m_rebuild[key];
            m_rebuild[key] = false;
            return was;
        }
    }
    return false;
}

// ----- building -----

template <typename Checkpoint>
bool CThumbnailList::RankByName(const RankInput& input, std::vector<int>* order, Checkpoint& checkpoint)
{
    // The collation keys are the costly part: made one file at a time.
    const int n = input.count;
    std::vector<QCollatorSortKey> keys;
    keys.reserve(n);
    for (int i = 0; i < n; ++i) {
        if ((i & 63) == 0 && !checkpoint(i))
            return false;
        keys.push_back(JapaneseCollator().sortKey(input.names[i]));
    }
    std::stable_sort(order->begin(), order->end(), [&](int a, int b) {
        const int c = keys[a].compare(keys[b]);
        return c != 0 ? c < 0 : input.names[a] < input.names[b];
    });
    return true;
}

void CThumbnailList::RankByDate(const RankInput& input, std::vector<int>* order)
{
    std::stable_sort(
        order->begin(), order->end(), [&](int a, int b) { return input.times[a] > input.times[b]; });
}

void CThumbnailList::RankBySize(const RankInput& input, std::vector<int>* order)
{
    std::stable_sort(
        order->begin(), order->end(), [&](int a, int b) { return input.sizes[a] < input.sizes[b]; });
}

bool CThumbnailList::RankKey(
    int key, const RankInput& input, std::vector<WORD>* ranks, bool showProgress, const RunTicket& ticket)
{
    const int n = input.count;
    qint64 lastNotice = NowMs();
    auto checkpoint = [&](int i) {
        if (m_sortCancel.load() != 0 || !IsCurrent(ticket))
            return false;
        if (showProgress && NowMs() - lastNotice > kProgressNoticeMs) {
            Post(m_panel, WM_MULTICTL_SORT_PROGRESS_POS, static_cast<WPARAM>(i), 0);
            lastNotice = NowMs();
        }
        return true;
    };
    // A stable sort keeps files of equal keys in folder order: the rank of
    // each file is its place in the sorted order, as counting the files that
    // come before it and placing ties after earlier files gives.
    std::vector<int> order(n);
    std::iota(order.begin(), order.end(), 0);
    if (key == 0) {
        if (!RankByName(input, &order, checkpoint))
            return false;
    } else if (key == 1) {
        RankByDate(input, &order);
    } else {
        RankBySize(input, &order);
    }
    if (!checkpoint(n))
        return false;
    ranks->assign(n, 0);
    for (int r = 0; r < n; ++r)
        (*ranks)[order[r]] = static_cast<WORD>(r);
    return true;
}

int CThumbnailList::BuildSortIndexes(unsigned bits)
{
    const RunTicket ticket = BeginRun(kRunSort);
    RankInput input;
    BYTE validBefore;
    {
        // A copy, so that the ranking itself runs without the lock.
        auto lock = Lock();
        input.count = std::min<int>(m_fileCount, static_cast<int>(m_files.size()));
        input.names.reserve(input.count);
        input.times.reserve(input.count);
        input.sizes.reserve(input.count);
        for (int i = 0; i < input.count; ++i) {
            input.names.push_back(m_files[i].name);
            input.times.push_back(TimeKey(m_files[i].time));
            input.sizes.push_back(m_files[i].size);
        }
        validBefore = m_validBits;
    }
    const bool noneValid = validBefore == 0;
    if (noneValid)
        Send(m_panel, WM_MULTICTL_SORT_PROGRESS_SHOW, static_cast<WPARAM>(input.count), 0);

    for (int key = 0; key < 3; ++key) {
        if (!(bits & kKeyBits[key]))
            continue;
        std::vector<WORD> ranks;
        if (!RankKey(key, input, &ranks, noneValid, ticket)) {
            auto lock = Lock();
            if (IsCurrentLocked(ticket))
                m_validBits = 0;
            return 0;
        }
        {
            auto lock = Lock();
            if (!IsCurrentLocked(ticket))
                return 0;
            // An entry added, changed or removed meanwhile makes these ranks
            // stale: the key stays invalid and is built again.
            if (m_rebuild[key] || input.count != m_fileCount) {
                m_rebuild[key] = true;
                continue;
            }
            std::vector<WORD>& stored = m_ranks[key];
            const std::size_t n = std::min(ranks.size(), stored.size());
            std::copy(ranks.begin(), ranks.begin() + n, stored.begin());
            RebuildInverseLocked(key);
            m_validBits |= kKeyBits[key];
        }
        if (noneValid)
            Post(m_panel, WM_MULTICTL_SORT_PROGRESS_HIDE, 0, 0);
        Send(m_panel, WM_MULTICTL_ENABLE_SORT, kKeyBits[key], 0);
    }

    // An order whose ranks are not a permutation is not offered.
    std::vector<unsigned> broken;
    {
        auto lock = Lock();
        if (m_validBits == kSortBitsAll) {
            for (int key = 0; key < 3; ++key) {
                std::vector<char> seen(m_fileCount, 0);
                for (int f = 0; f < m_fileCount && f < static_cast<int>(m_ranks[key].size()); ++f)
                    if (m_ranks[key][f] < seen.size())
                        seen[m_ranks[key][f]] = 1;
                if (std::find(seen.begin(), seen.end(), 0) != seen.end())
                    broken.push_back(kKeyBits[key]);
            }
        }
    }
    for (unsigned bit : broken)
        Send(m_panel, WM_MULTICTL_DISABLE_SORT, bit, 0);
    return 1;
}

// ----- upkeep after one change -----

bool CThumbnailList::KeyBeforeLocked(int key, int k, int i) const
{
    const FileEntry& a = m_files[k];
    const FileEntry& b = m_files[i];
    switch (key) {
    case 0:
        return NameBefore(a.name, b.name);
    case 1:
        return TimeKey(a.time) > TimeKey(b.time);
    default:
        return a.size < b.size;
    }
}

void CThumbnailList::AdjustInsertLocked(int key)
{
    std::vector<WORD>& ranks = m_ranks[key];
    const int last = m_fileCount - 1;
    int rank = 0;
    for (int k = 0; k < last; ++k)
        if (KeyBeforeLocked(key, k, last))
            ++rank;
    for (int k = 0; k < last; ++k)
        if (ranks[k] >= rank)
            ++ranks[k];
    ranks[last] = static_cast<WORD>(rank);
}

void CThumbnailList::AdjustUpdateLocked(int key, int file)
{
    std::vector<WORD>& ranks = m_ranks[key];
    int rank = 0;
    for (int k = 0; k < m_fileCount; ++k)
        if (k != file && KeyBeforeLocked(key, k, file))
            ++rank;
    const int old = ranks[file];
    if (rank == old)
        return;
    const int low = std::min(old, rank);
    const int high = std::max(old, rank);
    // The files between the two places move one step towards the old place.
    const int step = rank < old ? 1 : -1;
    for (int k = 0; k < m_fileCount; ++k)
        if (k != file && ranks[k] >= low && ranks[k] <= high)
            ranks[k] = static_cast<WORD>(ranks[k] + step);
    ranks[file] = static_cast<WORD>(rank);
}

void CThumbnailList::AdjustRemoveLocked(int key, int file)
{
    std::vector<WORD>& ranks = m_ranks[key];
    const int removed = ranks[file];
    const int n = std::min<int>(m_fileCount, static_cast<int>(ranks.size()));
    for (int k = file; k + 1 < n; ++k)
        ranks[k] = ranks[k + 1];
    if (n > 0)
        ranks[n - 1] = 0;
    for (int k = 0; k + 1 < n; ++k)
        if (ranks[k] > removed)
            --ranks[k];
}

namespace {

template <typename Adjust> void ForEachKey(BYTE valid, std::array<bool, 3>& rebuild, Adjust adjust)
{
    for (int key = 0; key < 3; ++key) {
        if (valid & kKeyBits[key])
            adjust(key);
        else
            rebuild[key] = true;
    }
}

}  // namespace

void CThumbnailList::SortInsertLast()
{
    for (unsigned bit : kKeyBits)
        Send(m_panel, WM_MULTICTL_DISABLE_SORT, bit, 0);
    {
        auto lock = Lock();
        if (m_fileCount > 0 && m_fileCount <= static_cast<int>(m_ranks[0].size())) {
            ForEachKey(m_validBits, m_rebuild, [&](int key) { AdjustInsertLocked(key); });
            for (int key = 0; key < 3; ++key)
                RebuildInverseLocked(key);
        }
    }
    for (unsigned bit : kKeyBits)
        Send(m_panel, WM_MULTICTL_ENABLE_SORT, bit, 0);
}

void CThumbnailList::SortUpdateEntry(int file)
{
    for (unsigned bit : kKeyBits)
        Send(m_panel, WM_MULTICTL_DISABLE_SORT, bit, 0);
    {
        auto lock = Lock();
        if (file >= 0 && file < m_fileCount && m_fileCount <= static_cast<int>(m_ranks[0].size())) {
            ForEachKey(m_validBits, m_rebuild, [&](int key) { AdjustUpdateLocked(key, file); });
            for (int key = 0; key < 3; ++key)
                RebuildInverseLocked(key);
        }
    }
    for (unsigned bit : kKeyBits)
        Send(m_panel, WM_MULTICTL_ENABLE_SORT, bit, 0);
}

void CThumbnailList::SortRemoveEntry(int file)
{
    for (unsigned bit : kKeyBits)
        Send(m_panel, WM_MULTICTL_DISABLE_SORT, bit, 0);
    {
        auto lock = Lock();
        if (file >= 0 && file < m_fileCount && m_fileCount <= static_cast<int>(m_ranks[0].size())) {
            ForEachKey(m_validBits, m_rebuild, [&](int key) { AdjustRemoveLocked(key, file); });
            for (int key = 0; key < 3; ++key)
                RebuildInverseLocked(key);
        }
    }
    for (unsigned bit : kKeyBits)
        Send(m_panel, WM_MULTICTL_ENABLE_SORT, bit, 0);
}
