// The capture's course: the first pass learns the window's layout from one
// notch, then each step scrolls a number of notches, grabs, finds the
// overlap and appends, until the page stops or a limit is reached.
#include "clip/scroll_capture.h"
#include "clip/scroll_capture_searches.h"
#include "clip/scroll_capture_stitch.h"

#include "core/window_list.h"
#include "imaging/dib_helpers.h"

#include <algorithm>
#include <cstdlib>
#include <new>

RECT g_rcScrollArea{};

namespace {

constexpr int kJumpRows = 5;   // an overlap that moves more than this between steps is a jump
constexpr int kJumpLimit = 2;  // more jumps than this give code 53
constexpr double kMemoryFactor = 4.1;
constexpr int kHeightSpareRows = 10;

// A copy of a screen; false when memory runs out.
bool CopyScreen(ScrollRows& into, const ScrollRows& from)
{
    try {
        into = from;
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

// Room for the image at its largest height, so that growing it does not
// copy it again and again; without that room it grows as it can.
void ReserveRows(ScrollRows& c, int rows)
{
    try {
        c.bytes.reserve(c.Stride() * static_cast<std::size_t>(std::max(rows, c.height)));
    } catch (const std::bad_alloc&) {
    }
}

// The result of an ended loop: more than two jumps of the overlap mark an
// image that is kept as doubtful; a failure stays a failure.
BYTE Kept(BYTE result, int jumps)
{
    return jumps > kJumpLimit && ScrollResultKeepsImage(result) ? static_cast<BYTE>(kScrollPageJumps)
                                                                : result;
}

class ScrollCaptureRun {
public:
    ScrollCaptureRun(HWND target, BYTE kind, ScrollCaptureHost& host, const ScrollCaptureSettings& s)
        : m_target(target), m_kind(kind), m_host(host), m_s(s)
    {
    }
    ~ScrollCaptureRun()
    {
        if (m_confined)
            m_host.ReleaseCursor();
    }

    BYTE Run(CLoadBitmap* holder);

private:
    int FirstPass();
    BYTE Stitch();
    int Grab(ScrollRows& into);
    void Notches(int count);
    // Grows C by d rows at its bottom: 1, 12 (memory) or 16 (the height limit).
    int Grow(int d);
    bool MemoryRunsLow() const;
    BYTE HandOver(BYTE result, CLoadBitmap* holder);

    HWND m_target;
    BYTE m_kind;
    ScrollCaptureHost& m_host;
    const ScrollCaptureSettings& m_s;
    RECT m_window{};
    POINT m_point{};
    bool m_confined = false;
    int m_settleMs = 0;
    ScrollCaptureLayout m_layout;
    ScrollRows m_a, m_b, m_c;
    ScrollSideStrips m_strips;
};

BYTE ScrollCaptureRun::Run(CLoadBitmap* holder)
{
    m_settleMs = ScrollSettleWaitMs(m_s.scrollWait);
    if (!m_host.TargetRect(m_target, m_window))
        return kScrollNoWindowRect;
    m_point = ScrollWheelPoint(m_window, m_s);
    m_host.MoveCursor(POINT{m_point.x, m_point.y - 10});
    m_host.Sleep(10);
    m_host.MoveCursor(m_point);
    if (m_point.x >= m_window.left && m_point.x <= m_window.right && m_point.y >= m_window.top &&
        m_point.y <= m_window.bottom)
        m_host.Sleep(1500);
    m_host.ConfineCursor(m_point);
    m_confined = true;

    const int first = FirstPass();
    if (first == kScrollFixedRowsOverHalf || first == kScrollPageEnded) {
        // The first screen alone is the image.
        m_c = std::move(m_a);
        return HandOver(kScrollSingleScreen, holder);
    }
    if (first != 1)
        return static_cast<BYTE>(first);
    return HandOver(Stitch(), holder);
}

int ScrollCaptureRun::FirstPass()
{
    if (const int grabbed = Grab(m_a); grabbed != 1)
        return grabbed;
    m_layout = ScrollCaptureLayout{};
    bool leftKnown = false;
    if (m_kind == kBrowserInternetExplorer || m_kind == kBrowserSafari) {
        // These browsers take the wheel in the page's own child window.
        RECT child{};
        if (const HWND content = m_host.ContentChildAt(m_target, m_kind, m_point, &child)) {
            m_target = content;
            if (child.left > m_window.left) {
                m_layout.left = child.left - m_window.left + (m_kind == kBrowserInternetExplorer ? 2 : 0);
                leftKnown = true;
            }
        }
    }
    Notches(1);
    m_host.Sleep(static_cast<DWORD>(m_settleMs));
    if (const int grabbed = Grab(m_b); grabbed != 1)
        return grabbed;
    if (SearchTopRows(m_a, m_b, m_s, &m_layout.top) == kScrollFixedRowsOverHalf)
        return kScrollFixedRowsOverHalf;
    m_layout.bottom = SearchBottomRows(m_a, m_b, m_layout, m_s);
    if (!leftKnown)
        m_layout.left = SearchLeftColumns(m_a, m_b, m_layout, m_s);
    m_layout.right = SearchRightColumns(m_a, m_b, m_layout, m_s);
    const int found = SearchOverlap(m_a, m_b, m_layout.top, m_layout, m_s, &m_layout.overlap);
    if (found != 1)
        return found;
    return m_layout.top + 10 < m_layout.overlap && m_a.height > 100 ? 1 : kScrollTooLittleMovement;
}

BYTE ScrollCaptureRun::Stitch()
{
    const int notches =
        ScrollNotchCount(m_s.scrollRate, m_a.height, m_layout.overlap - m_layout.top, m_s.matchLineNum);
    if (!TakeSideStrips(m_a, m_layout, m_s, &m_strips))
        return kScrollNoMemory;
    if (!CopyScreen(m_c, m_a))
        return kScrollNoMemory;
    ReserveRows(m_c, m_s.maxSaveSizeHeight);
    if (const int grown = Grow(m_layout.overlap - m_layout.top); grown != 1)
        return static_cast<BYTE>(grown);
    CopyMiddle(m_c, m_b, m_layout);
    int jumps = 0;
    int lastOverlap = 0;
    for (;;) {
        // The current screen becomes the previous one; the next grab fills the other.
        std::swap(m_a, m_b);
        Notches(notches);
        m_host.Sleep(static_cast<DWORD>(m_settleMs));
        if (const int grabbed = Grab(m_b); grabbed != 1)
            return Kept(static_cast<BYTE>(grabbed), jumps);
        const int found = SearchOverlap(m_a, m_b, m_layout.top, m_layout, m_s, &m_layout.overlap);
        if (found == kScrollPageEnded) {
            FinishScreen(m_c, m_b, m_layout, m_strips, m_s.vscrollWidth);
            return Kept(kScrollPageEnded, jumps);
        }
        if (lastOverlap != 0 && std::abs(lastOverlap - m_layout.overlap) > kJumpRows)
            ++jumps;
        lastOverlap = m_layout.overlap;
        const int d = m_layout.overlap - m_layout.top;
        if (const int grown = Grow(d); grown != 1) {
            return Kept(static_cast<BYTE>(grown), jumps);
        }
        AppendScreen(m_c, m_b, m_layout, m_strips, m_s.vscrollWidth);
        BYTE stop = 0;
        if (m_s.maxSaveSizeHeight < m_c.height - m_layout.top + m_layout.overlap + kHeightSpareRows)
            stop = kScrollTooTall;
        else if (MemoryRunsLow())
            stop = kScrollLowMemory;
        if (stop != 0)
            return Kept(stop, jumps);
    }
}

int ScrollCaptureRun::Grab(ScrollRows& into)
{
    const int result = m_host.Grab(m_window, into);
    if (result != 1)
        return result;
    // Every grab is of the same rectangle; a screen of another size cannot be stitched.
    if (into.width != m_window.right - m_window.left || into.height != m_window.bottom - m_window.top)
        return kScrollGrabFailed;
    return 1;
}

void ScrollCaptureRun::Notches(int count)
{
    for (int i = 0; i < count; ++i) {
        m_host.WheelNotch(m_target, m_point);
        m_host.Sleep(static_cast<DWORD>(m_s.scrollWait));
    }
}

int ScrollCaptureRun::Grow(int d)
{
    if (d <= 0)
        return 1;
    // A step never takes the image past the largest height the program handles.
    if (m_c.height + d > m_s.maxSaveSizeHeight)
        return kScrollTooTall;
    const std::size_t more = m_c.Stride() * static_cast<std::size_t>(d);
    if (!m_host.MayAllocate(more) || !m_c.Resize(m_c.width, m_c.height + d))
        return kScrollNoMemory;
    return 1;
}

bool ScrollCaptureRun::MemoryRunsLow() const
{
    // In bytes, the image as the holder keeps it (rows padded to 4 bytes).
    const double imageBytes = static_cast<double>(GetDibStride(24, m_c.width)) * m_c.height;
    return static_cast<double>(m_host.AvailableMemoryBytes()) < kMemoryFactor * imageBytes;
}

BYTE ScrollCaptureRun::HandOver(BYTE result, CLoadBitmap* holder)
{
    if (!ScrollResultKeepsImage(result))
        return result;
    g_rcScrollArea =
        RECT{m_layout.left, m_layout.top, m_c.width - m_layout.right, m_c.height - m_layout.bottom};
    const ScrollRows* image = &m_c;
    ScrollRows crop;
    // Only the scrolled area: when it cannot be cut, the whole image is kept.
    if (m_s.afterScrollBehave == 2 && m_host.MayAllocate(m_c.bytes.size()) &&
        CropScrollRows(m_c, g_rcScrollArea, &crop))
        image = &crop;
    if (!ScrollRowsToHolder(*image, holder))
        return kScrollNoMemory;
    return result;
}

}  // namespace

bool ScrollResultKeepsImage(BYTE code)
{
    switch (code) {
    case 1:
    case 2:
    case kScrollPageEnded:
    case kScrollTooTall:
    case kScrollLowMemory:
    case kScrollCannotScroll:
    case kScrollPageJumps:
        return true;
    default:
        return false;
    }
}

int ScrollSettleWaitMs(int s)
{
    if (s <= 10)
        return 10 * s;
    if (s <= 50)
        return 3 * s;
    if (s <= 100)
        return 2 * s;
    return s * 3 / 2;
}

int ScrollNotchCount(int scrollRate, int height, int d0, int matchLineNum)
{
    if (d0 <= 0)
        return 0;
    int n = static_cast<int>(scrollRate / 100.0 * height / d0);
    int rest = height - n * d0;
    while (1.5 * matchLineNum >= rest) {
        --n;
        rest += d0;
    }
    return n;
}

POINT ScrollWheelPoint(const RECT& window, const ScrollCaptureSettings& s)
{
    return POINT{window.right - (s.vscrollWidth + s.frameWidth) / 2,
        window.top + ((window.bottom - window.top) / 6) * 5};
}

BYTE RunScrollCapture(HWND target, CLoadBitmap* holder, BYTE browserKind, ScrollCaptureHost& host,
    const ScrollCaptureSettings& settings)
{
    ScrollCaptureRun run(target, browserKind, host, settings);
    return run.Run(holder);
}
