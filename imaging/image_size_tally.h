// Counts how many images have each width x height, so that the batch shrink
// can offer the most common sizes first. Kept either in order of area
// (largest first, equal areas by count) or in order of arrival. Beside it:
// the small number helpers of the batch-shrink and continuous-capture dialogs.
#pragma once

#include "platform/types/types.h"

#include <cstdint>
#include <vector>

class CImageSizeTally {
public:
    static constexpr BYTE kByArea = 1;

    // Room for n + 1 entries; mode kByArea keeps them in order of area.
    CImageSizeTally(int n, BYTE mode);

    void Add(SIZE size);
    // Within each area (area mode) or over the whole table (plain mode) the
    // counts end up descending; the sort is by repeated swaps, so entries of
    // equal count keep the order the swaps leave them in.
    void SortByCount();
    // Entries before the first empty one (all of them when none is empty).
    int GetUsedCount() const;

    int GetCapacity() const { return capacity; }
    SIZE GetSize(int i) const { return sizes[i]; }
    int GetCount(int i) const { return counts[i]; }

private:
    bool IsEmpty(int i) const { return sizes[i].cx == 0 && sizes[i].cy == 0; }
    std::int64_t AreaAt(int i) const;
    int FindEqual(SIZE size) const;
    int FindFirstEmpty() const;
    void Grow(int k);
    void Swap(int a, int b);
    void AddPlain(SIZE size);
    void AddByArea(SIZE size);
    void SortWithin(bool sameAreaOnly);

    BYTE mode;
    int capacity;
    std::vector<SIZE> sizes;
    std::vector<int> counts;
};

// Area of a size in 64 bits: image sizes beyond 46341 x 46341 stay exact.
std::int64_t SizeArea(SIZE size);

// Decimal digits of v (1 to 10); a negative value gives 1.
int CountDecimalDigits(int v);
// v unchanged at a horizontal display scale up to 1.249, else v x 1.2 rounded
// half away from zero. The first form uses the display's own scale.
int ScaleForHighDpi(int v);
int ScaleForHighDpiAt(int v, double dpiFactor);
// 1 when the second and third size have the aspect ratio of the first within
// 1.5 %; an unused 0 x 0 entry counts as matching, a height of 0 with a
// width does not.
int IsSameAspectRatio(const SIZE* firstThree);
