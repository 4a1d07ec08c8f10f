#include "imaging/image_size_tally.h"

#include "core/system_figures.h"

#include <cmath>
#include <utility>

std::int64_t SizeArea(SIZE size)
{
    return static_cast<std::int64_t>(size.cx) * size.cy;
}

CImageSizeTally::CImageSizeTally(int n, BYTE m)
    : mode(m), capacity(n < 0 ? 1 : n + 1), sizes(capacity), counts(capacity, 0)
{
}

std::int64_t CImageSizeTally::AreaAt(int i) const
{
    return SizeArea(sizes[i]);
}

int CImageSizeTally::FindEqual(SIZE size) const
{
    for (int i = 0; i < capacity; ++i) {
        if (sizes[i] == size)
            return i;
    }
    return -1;
}

int CImageSizeTally::FindFirstEmpty() const
{
    for (int i = 0; i < capacity; ++i) {
        if (IsEmpty(i))
            return i;
    }
    return -1;
}

void CImageSizeTally::Grow(int k)
{
    capacity += k;
    sizes.resize(capacity, SIZE{});
    counts.resize(capacity, 0);
}

void CImageSizeTally::Swap(int a, int b)
{
    std::swap(sizes[a], sizes[b]);
    std::swap(counts[a], counts[b]);
}

void CImageSizeTally::Add(SIZE size)
{
    const int found = FindEqual(size);
    if (found >= 0) {
        ++counts[found];
        return;
    }
    if (mode == kByArea)
        AddByArea(size);
    else
        AddPlain(size);
}

void CImageSizeTally::AddPlain(SIZE size)
{
    int slot = FindFirstEmpty();
    if (slot < 0) {
        Grow(1);
        slot = capacity - 1;
    }
    sizes[slot] = size;
    counts[slot] = 1;
}

void CImageSizeTally::AddByArea(SIZE size)
{
    const std::int64_t area = SizeArea(size);
    // After the last entry of the first run of equal area, so that equal
    // areas keep their order of arrival.
    int insertAt = -1;
    for (int i = 0; i < capacity; ++i) {
        if (AreaAt(i) != area || sizes[i] == size)
            continue;
        if (i == capacity - 1 || AreaAt(i + 1) != area) {
            insertAt = i + 1;
            break;
        }
    }
    if (insertAt < 0) {
        SortByCount();
        for (int i = 0; i < capacity; ++i) {
            if (AreaAt(i) < area) {
                insertAt = i;
                break;
            }
        }
    }
    if (FindFirstEmpty() < 0)
        Grow(1);
    // A run of empty entries (a size of area 0) ends past the table.
    if (insertAt < 0 || insertAt >= capacity) {
        insertAt = capacity - 1;
    } else {
        for (int i = capacity - 1; i > insertAt; --i) {
            sizes[i] = sizes[i - 1];
            counts[i] = counts[i - 1];
        }
    }
    sizes[insertAt] = size;
    counts[insertAt] = 1;
}

void CImageSizeTally::SortByCount()
{
    SortWithin(mode == kByArea);
}

void CImageSizeTally::SortWithin(bool sameAreaOnly)
{
    int i = 0;
    while (i < capacity) {
        int larger = -1;
        for (int j = i + 1; j < capacity; ++j) {
            if (sameAreaOnly && AreaAt(j) != AreaAt(i))
                continue;
            if (counts[j] > counts[i]) {
                larger = j;
                break;
            }
        }
        if (larger < 0) {
            ++i;
            continue;
        }
        Swap(i, larger);
    }
}

int CImageSizeTally::GetUsedCount() const
{
    const int empty = FindFirstEmpty();
    return empty < 0 ? capacity : empty;
}

int CountDecimalDigits(int v)
{
    if (v < 0)
        return 1;
    int digits = 1;
    for (long long limit = 10; digits < 10 && v >= limit; limit *= 10)
        ++digits;
    return digits;
}

int ScaleForHighDpi(int v)
{
    return ScaleForHighDpiAt(v, g_fDpiScaleX);
}

int ScaleForHighDpiAt(int v, double dpiFactor)
{
    if (dpiFactor <= 1.249)
        return v;
    return static_cast<int>(std::round(v * 1.2));
}

namespace {

bool RatioWithin(SIZE s, double low, double high)
{
    if (s.cx == 0 && s.cy == 0)
        return true;
    if (s.cy == 0)
        return false;
    const double r = static_cast<double>(s.cx) / s.cy;
    return r >= low && r <= high;
}

}  // namespace

int IsSameAspectRatio(const SIZE* firstThree)
{
    const double r0 = static_cast<double>(firstThree[0].cx) / firstThree[0].cy;
    const double t = r0 * 0.015;
    return RatioWithin(firstThree[1], r0 - t, r0 + t) && RatioWithin(firstThree[2], r0 - t, r0 + t) ? 1 : 0;
}
