#include "clip/scroll_capture_searches.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::uint8_t kLight = 224;  // a pixel whose three bytes reach this is light

// Rows y of A and B agree over the columns first to last (inclusive); an empty span agrees.
bool RowsAgree(const ScrollRows& a, const ScrollRows& b, int y, int first, int last)
{
    if (last < first)
        return true;
    const std::size_t offset = static_cast<std::size_t>(first) * 3;
    return std::memcmp(
               a.Row(y) + offset, b.Row(y) + offset, static_cast<std::size_t>(last - first + 1) * 3) == 0;
}

const std::uint8_t* Pixel(const ScrollRows& image, int x, int y)
{
    return image.Row(y) + static_cast<std::size_t>(x) * 3;
}

bool PixelsAgree(const ScrollRows& a, const ScrollRows& b, int x, int y)
{
    return std::memcmp(Pixel(a, x, y), Pixel(b, x, y), 3) == 0;
}

bool IsWhite(const std::uint8_t* p)
{
    return p[0] == 255 && p[1] == 255 && p[2] == 255;
}

bool IsLight(const std::uint8_t* p)
{
    return p[0] >= kLight && p[1] >= kLight && p[2] >= kLight;
}

// Column x of A and B over the rows first to last: whether any pixel differs
// and whether all are white.
struct ColumnLook {
    bool differs = false;
    bool allWhite = true;
};

ColumnLook LookAtColumn(const ScrollRows& a, const ScrollRows& b, int x, int first, int last)
{
    ColumnLook look;
    for (int y = first; y <= last; ++y) {
        if (!PixelsAgree(a, b, x, y)) {
            look.differs = true;
            look.allWhite = false;
            return look;
        }
        if (!IsWhite(Pixel(a, x, y)))
            look.allWhite = false;
    }
    return look;
}

// Bytes that differ between two spans, counted until they pass `limit`.
int DifferingBytes(const std::uint8_t* a, const std::uint8_t* b, std::size_t n, int limit)
{
    if (std::memcmp(a, b, n) == 0)
        return 0;
    int count = 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (a[i] != b[i] && ++count > limit)
            return count;
    }
    return count;
}

// A run of `needed` consecutive light pixels in row y from column first to last.
bool HasLightRun(const ScrollRows& image, int y, int first, int last, int needed)
{
    if (needed <= 0)
        return true;
    int run = 0;
    for (int x = std::max(first, 0); x <= last && x < image.width; ++x) {
        run = IsLight(Pixel(image, x, y)) ? run + 1 : 0;
        if (run >= needed)
            return true;
    }
    return false;
}

// Row y's first w pixels equal those of the 9 rows right above it.
bool SameAsNineAbove(const ScrollRows& image, int y, int w)
{
    if (w <= 0)
        return true;
    const std::size_t n = static_cast<std::size_t>(std::min(w, image.width)) * 3;
    for (int k = 1; k <= 9; ++k) {
        if (y - k < 0 || std::memcmp(image.Row(y), image.Row(y - k), n) != 0)
            return false;
    }
    return true;
}

}  // namespace

int SearchTopRows(const ScrollRows& a, const ScrollRows& b, const ScrollCaptureSettings& s, int* top)
{
    const int first = s.frameWidth + 3;
    const int last = std::min(a.width - s.vscrollWidth - s.frameWidth - 4, a.width - 1);
    int i = s.captionHeight * 3 / 2;
    while (i < a.height && RowsAgree(a, b, i, first, last))
        ++i;
    *top = i;
    return i > a.height / 2 ? kScrollFixedRowsOverHalf : 1;
}

int SearchBottomRows(const ScrollRows& a, const ScrollRows& b, const ScrollCaptureLayout& layout,
    const ScrollCaptureSettings& s)
{
    const int limit = a.height - layout.top - 50;
    int k = 0;
    while (k < limit && RowsAgree(a, b, a.height - 1 - k, layout.left, a.width - layout.right - 1))
        ++k;
    return k >= limit ? s.frameHeight : k;
}

int SearchLeftColumns(const ScrollRows& a, const ScrollRows& b, const ScrollCaptureLayout& layout,
    const ScrollCaptureSettings& s)
{
    const int g = layout.bottom != 0 ? layout.bottom : s.vscrollWidth + s.frameWidth;
    const int lastRow = a.height - g - 2;
    for (int x = std::max(s.frameWidth, 0); x <= a.width / 2 - 1; ++x) {
        const ColumnLook look = LookAtColumn(a, b, x, layout.top, lastRow);
        if (look.differs || look.allWhite)
            return x;
    }
    return s.frameWidth;
}

int SearchRightColumns(const ScrollRows& a, const ScrollRows& b, const ScrollCaptureLayout& layout,
    const ScrollCaptureSettings& s)
{
    const int e = s.vscrollWidth + s.frameWidth;
    const int lastRow = a.height - e - 2;
    bool metDifference = false;
    for (int x = std::min(a.width - s.frameWidth, a.width - 1); x >= a.width / 2 + 1; --x) {
        const bool differs = LookAtColumn(a, b, x, layout.top, lastRow).differs;
        if (differs)
            metDifference = true;
        else if (metDifference)
            return std::max(e, a.width - x);
    }
    return e;
}

int SearchOverlap(const ScrollRows& a, const ScrollRows& b, int start, const ScrollCaptureLayout& layout,
    const ScrollCaptureSettings& s, int* overlap)
{
    const int span = std::max(a.width - layout.left - layout.right, 0);
    const std::size_t n = static_cast<std::size_t>(span) * 3;
    const int limit = static_cast<int>(n / 300) * s.ambiguousLeve;
    const std::size_t offset = static_cast<std::size_t>(std::max(layout.left, 0)) * 3;
    const int lines = s.matchLineNum;
    for (int i = std::max(start, 0); i < a.height - lines; ++i) {
        bool matches = true;
        for (int j = 0; j < lines && matches; ++j)
            matches = DifferingBytes(a.Row(i + j) + offset, b.Row(start + j) + offset, n, limit) <= limit;
        if (matches) {
            *overlap = i;
            return i == start ? kScrollPageEnded : 1;
        }
    }
    *overlap = a.height - lines;
    return kScrollNoOverlap;
}

int RightStripRow(const ScrollRows& a, const ScrollCaptureLayout& layout, const ScrollCaptureSettings& s)
{
    const int fallback = a.height - 1 - 50;
    if (layout.right < s.frameWidth + s.vscrollWidth)
        return fallback;
    const int first = a.width - layout.right;
    const int last = a.width - s.frameWidth - 1;
    for (int up = 50; up < a.height / 2; ++up) {
        const int y = a.height - 1 - up;
        if (HasLightRun(a, y, first, last, s.vscrollWidth / 2 + 1))
            return y;
    }
    return fallback;
}

int LeftStripRow(const ScrollRows& a, const ScrollCaptureLayout& layout, const ScrollCaptureSettings& s)
{
    const int fallback = a.height - 1 - 50;
    const int L = layout.left;
    if (L < 21)
        return fallback;
    const int F = s.frameWidth;
    const int V = s.vscrollWidth;
    const int w = L <= 90 ? 20 - F : L - V - F;
    const int run = L <= 90 ? (20 - F) / 2 + 1 : L - V - F - 10;
    const int limit = a.height / 2 - 10;
    for (int up = 50; up < limit; ++up) {
        if (SameAsNineAbove(a, a.height - 1 - up, w))
            return a.height - 1 - up;
    }
    for (int up = 50; up < limit; ++up) {
        if (HasLightRun(a, a.height - 1 - up, F, F + w - 1, run))
            return a.height - 1 - up;
    }
    return fallback;
}
