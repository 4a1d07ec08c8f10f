#include "clip/scroll_capture_stitch.h"

#include "imaging/dib_helpers.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

namespace {

std::size_t Bytes(int pixels)
{
    return static_cast<std::size_t>(std::max(pixels, 0)) * 3;
}

// Copies `count` rows of `from` (starting at fromRow) into `into` (starting at
// intoRow), columns first to last; rows outside either image are skipped.
void CopyRows(
    ScrollRows& into, int intoRow, const ScrollRows& from, int fromRow, int count, int first, int last)
{
    first = std::max(first, 0);
    last = std::min({last, into.width - 1, from.width - 1});
    if (last < first)
        return;
    for (int j = 0; j < count; ++j) {
        const int to = intoRow + j;
        const int src = fromRow + j;
        if (to < 0 || to >= into.height || src < 0 || src >= from.height)
            continue;
        std::memcpy(into.Row(to) + Bytes(first), from.Row(src) + Bytes(first), Bytes(last - first + 1));
    }
}

// Puts a strip (3 bytes a pixel) at column x of the rows first to last.
void PaintStrip(ScrollRows& c, const std::vector<std::uint8_t>& strip, int x, int first, int last)
{
    const int pixels = static_cast<int>(strip.size() / 3);
    const int count = std::min(pixels, c.width - x);
    if (count <= 0 || x < 0)
        return;
    for (int y = std::max(first, 0); y <= last && y < c.height; ++y)
        std::memcpy(c.Row(y) + Bytes(x), strip.data(), Bytes(count));
}

// The rows of C from HC - k that take the side strips: k = min(HC - H + Bt + V, H - T - 1).
int StripRowCount(
    const ScrollRows& c, const ScrollRows& b, const ScrollCaptureLayout& layout, int vscrollWidth)
{
    return std::min(c.height - b.height + layout.bottom + vscrollWidth, b.height - layout.top - 1);
}

}  // namespace

bool ScrollRows::Resize(int w, int h)
{
    try {
        bytes.resize(static_cast<std::size_t>(std::max(w, 0)) * 3 * static_cast<std::size_t>(std::max(h, 0)));
    } catch (const std::bad_alloc&) {
        return false;
    }
    width = w;
    height = h;
    return true;
}

bool TakeSideStrips(const ScrollRows& a, const ScrollCaptureLayout& layout, const ScrollCaptureSettings& s,
    ScrollSideStrips* strips)
{
    const int leftRow = LeftStripRow(a, layout, s);
    const int rightRow = RightStripRow(a, layout, s);
    if (leftRow < 0 || rightRow < 0 || leftRow >= a.height || rightRow >= a.height)
        return false;
    const int left = std::clamp(layout.left, 0, a.width);
    const int right = std::clamp(layout.right, 0, a.width);
    try {
        strips->left.assign(a.Row(leftRow), a.Row(leftRow) + Bytes(left));
        strips->right.assign(a.Row(rightRow) + Bytes(a.width - right), a.Row(rightRow) + Bytes(a.width));
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

void CopyMiddle(ScrollRows& c, const ScrollRows& b, const ScrollCaptureLayout& layout)
{
    const int count = b.height - layout.top - 1;
    CopyRows(c, c.height - count, b, layout.top + 1, count, layout.left, b.width - layout.right - 1);
}

void AppendScreen(ScrollRows& c, const ScrollRows& b, const ScrollCaptureLayout& layout,
    const ScrollSideStrips& strips, int vscrollWidth)
{
    const int k = StripRowCount(c, b, layout, vscrollWidth);
    const int first = c.height - k;
    const int last = c.height - layout.bottom - 1;
    PaintStrip(c, strips.left, 0, first, last);
    PaintStrip(c, strips.right, c.width - layout.right, first, last);
    CopyMiddle(c, b, layout);
    CopyRows(c, c.height - layout.bottom, b, b.height - layout.bottom, layout.bottom, 0, b.width - 1);
}

void FinishScreen(ScrollRows& c, const ScrollRows& b, const ScrollCaptureLayout& layout,
    const ScrollSideStrips& strips, int vscrollWidth)
{
    const int count = b.height - layout.top - 1 - vscrollWidth;
    CopyRows(c, c.height - count, b, b.height - count, count, layout.left, b.width - 1);
    const int k = StripRowCount(c, b, layout, vscrollWidth);
    PaintStrip(c, strips.left, 0, c.height - k, c.height - layout.bottom - 1);
    CopyRows(c, c.height - layout.bottom, b, b.height - layout.bottom, layout.bottom, 0, layout.left - 1);
}

bool CropScrollRows(const ScrollRows& c, const RECT& area, ScrollRows* out)
{
    const int left = std::max<int>(area.left, 0);
    const int top = std::max<int>(area.top, 0);
    const int right = std::min<int>(area.right, c.width);
    const int bottom = std::min<int>(area.bottom, c.height);
    if (right <= left || bottom <= top)
        return false;
    ScrollRows crop;
    if (!crop.Resize(right - left, bottom - top))
        return false;
    for (int y = top; y < bottom; ++y)
        std::memcpy(crop.Row(y - top), c.Row(y) + Bytes(left), crop.Stride());
    *out = std::move(crop);
    return true;
}

bool ScrollRowsToHolder(const ScrollRows& rows, CLoadBitmap* holder)
{
    if (rows.width <= 0 || rows.height <= 0 || holder == nullptr)
        return false;
    BITMAPFILEHEADER fh{};
    BITMAPINFOHEADER ih{};
    if (!InitDibHeaders(&fh, &ih, rows.width, rows.height, 24, 0, 0, 0))
        return false;
    // Both blocks first: when memory runs out the holder keeps what it had.
    constexpr std::uint32_t kInfoBytes = 44;
    auto* info = static_cast<BITMAPINFO*>(std::calloc(kInfoBytes, 1));
    auto* bits = static_cast<BYTE*>(std::malloc(ih.biSizeImage));
    if (info == nullptr || bits == nullptr) {
        std::free(info);
        std::free(bits);
        return false;
    }
    CopyInfoHeader(&info->bmiHeader, &ih);
    const std::uint32_t stride = GetDibStride(24, rows.width);
    const std::size_t used = rows.Stride();
    for (int y = 0; y < rows.height; ++y) {
        BYTE* line = bits + static_cast<std::size_t>(rows.height - 1 - y) * stride;
        std::memcpy(line, rows.Row(y), used);
        std::memset(line + used, 0, stride - used);  // the row's padding
    }
    holder->CLoadBitmap::Free();
    holder->fileHeader = fh;
    std::memset(holder->infoHeaderArea, 0, sizeof holder->infoHeaderArea);
    holder->infoHeader = ih;
    holder->info = info;
    holder->infoSize = kInfoBytes;
    holder->bits = bits;
    return true;
}
