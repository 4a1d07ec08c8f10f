// Scroll capture's own work on a page of 20 screens of 1920 x 1080: the
// searches of the first notch, the overlap search of every step, the
// stitching and the hand-over into the image holder. The grabs (copies out of
// a prepared page) and the waits are not counted. "ms_per_screen" is the time
// of one capture divided by the screens it stitched.
#include "clip/scroll_capture.h"
#include "imaging/load_bitmap.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <limits>

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int kToolbarRows = 120;
constexpr int kStatusRows = 24;
constexpr int kBorder = 8;
constexpr int kScrollBar = 17;
constexpr int kNotchRows = 53;
constexpr int kScreens = 20;

using Clock = std::chrono::steady_clock;

// A page whose rows are all different, framed by a toolbar and a status bar;
// the grabs copy rows out of it and their time is kept apart.
class PreparedPage : public ScrollCaptureHost {
public:
    explicit PreparedPage(int pageRows) : m_pageRows(pageRows)
    {
        m_page.Resize(kWidth, pageRows);
        for (int y = 0; y < pageRows; ++y) {
            std::uint8_t* row = m_page.Row(y);
            for (int x = 0; x < kWidth; ++x) {
                const bool side = x < kBorder || x >= kWidth - kBorder - kScrollBar;
                row[x * 3] = side ? 230 : static_cast<std::uint8_t>(y);
                row[x * 3 + 1] = side ? 230 : static_cast<std::uint8_t>((y >> 8) ^ x);
                row[x * 3 + 2] = side ? 230 : static_cast<std::uint8_t>(x * 7);
            }
        }
        m_frame.Resize(kWidth, kHeight);
        for (int y = 0; y < kHeight; ++y)
            for (std::size_t i = 0; i < m_frame.Stride(); ++i)
                m_frame.Row(y)[i] = static_cast<std::uint8_t>(y < kToolbarRows ? 200 - y : 40 + y % 7);
    }

    double GrabSeconds() const { return m_grabSeconds; }
    void Reset()
    {
        m_offset = 0;
        m_grabSeconds = 0;
    }

    bool TargetRect(HWND, RECT& rect) override
    {
        rect = RECT{0, 0, kWidth, kHeight};
        return true;
    }
    int Grab(const RECT&, ScrollRows& screen) override
    {
        const auto start = Clock::now();
        screen.Resize(kWidth, kHeight);
        const int content = kHeight - kToolbarRows - kStatusRows;
        std::memcpy(screen.Row(0), m_frame.Row(0), m_frame.Stride() * kToolbarRows);
        std::memcpy(screen.Row(kToolbarRows), m_page.Row(m_offset), m_page.Stride() * content);
        std::memcpy(screen.Row(kHeight - kStatusRows), m_frame.Row(kHeight - kStatusRows),
            m_frame.Stride() * kStatusRows);
        m_grabSeconds += std::chrono::duration<double>(Clock::now() - start).count();
        return 1;
    }
    void WheelNotch(HWND, POINT) override
    {
        const int content = kHeight - kToolbarRows - kStatusRows;
        m_offset = std::min(m_offset + kNotchRows, m_pageRows - content);
    }
    void MoveCursor(POINT) override { }
    void ConfineCursor(POINT) override { }
    void ReleaseCursor() override { }
    void Sleep(DWORD) override { }
    std::uint64_t AvailableMemoryBytes() override { return std::numeric_limits<std::uint64_t>::max(); }

private:
    int m_pageRows;
    int m_offset = 0;
    double m_grabSeconds = 0;
    ScrollRows m_page;
    ScrollRows m_frame;
};

void BM_StitchTwentyFullHdScreens(benchmark::State& state)
{
    ScrollCaptureSettings s;
    s.captionHeight = 23;
    s.frameWidth = kBorder;
    s.frameHeight = kBorder;
    s.vscrollWidth = kScrollBar;
    s.maxSaveSizeHeight = 100000;
    // Notches a step as the capture will count them from the first notch.
    const int step = ScrollNotchCount(s.scrollRate, kHeight, kNotchRows, s.matchLineNum) * kNotchRows;
    const int content = kHeight - kToolbarRows - kStatusRows;
    PreparedPage page(content + (kScreens - 1) * step);
    double seconds = 0;
    for (auto _ : state) {
        page.Reset();
        CLoadBitmap holder;
        const auto start = Clock::now();
        const BYTE code = RunScrollCapture(nullptr, &holder, 3, page, s);
        const double elapsed =
            std::chrono::duration<double>(Clock::now() - start).count() - page.GrabSeconds();
        if (code != kScrollPageEnded) {
            state.SkipWithError("the capture did not reach the page's end");
            return;
        }
        benchmark::DoNotOptimize(holder.bits);
        state.SetIterationTime(elapsed);
        seconds += elapsed;
    }
    state.counters["ms_per_screen"] = seconds * 1000.0 / (static_cast<double>(state.iterations()) * kScreens);
}
BENCHMARK(BM_StitchTwentyFullHdScreens)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
