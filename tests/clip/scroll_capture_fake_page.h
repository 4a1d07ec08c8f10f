// A browser window without a display, for scroll capture: fixed toolbar rows
// at the top, a status bar at the bottom, borders at both sides, and between
// them a tall page of rows that are all different, scrolled by wheel notches,
// with a scroll bar whose thumb moves with the page.
#pragma once

#include "clip/scroll_capture.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <limits>
#include <vector>

struct FakePageShape {
    int width = 400;
    int height = 600;
    int toolbarRows = 60;
    int statusRows = 20;
    int border = 5;
    int scrollBar = 17;
    int pageRows = 1500;
    std::vector<int> notchRows{37};  // rows a notch scrolls, taken in turn
    RECT at{100, 50, 0, 0};          // the window's top-left corner on the screen
};

// The screen figures that go with the shape: F the border, V the scroll bar.
inline ScrollCaptureSettings FakePageSettings(const FakePageShape& shape)
{
    ScrollCaptureSettings s;
    s.captionHeight = 20;
    s.frameWidth = shape.border;
    s.frameHeight = shape.border;
    s.vscrollWidth = shape.scrollBar;
    s.maxSaveSizeHeight = 30000;
    return s;
}

struct Bgr {
    std::uint8_t b, g, r;
    friend bool operator==(const Bgr&, const Bgr&) = default;
};

// Every page row differs from every other in every column.
inline Bgr PagePixel(int x, int row)
{
    return Bgr{static_cast<std::uint8_t>(row & 0xFF),
        static_cast<std::uint8_t>(((row >> 8) & 0x0F) | ((x & 0x0F) << 4)),
        static_cast<std::uint8_t>(x * 5 + 1)};
}
inline Bgr ToolbarPixel(int x, int y)
{
    return Bgr{200, static_cast<std::uint8_t>(y * 4), static_cast<std::uint8_t>(x * 3)};
}
inline Bgr StatusPixel(int x, int y)
{
    return Bgr{static_cast<std::uint8_t>(y * 9), 150, static_cast<std::uint8_t>(x)};
}
inline constexpr Bgr kBorder{90, 90, 90};
inline constexpr Bgr kTrack{240, 240, 240};
inline constexpr Bgr kThumb{120, 120, 120};

class FakeBrowserPage : public ScrollCaptureHost {
public:
    explicit FakeBrowserPage(FakePageShape shape) : m_shape(std::move(shape)) { }

    const FakePageShape& Shape() const { return m_shape; }
    int ContentRows() const { return m_shape.height - m_shape.toolbarRows - m_shape.statusRows; }
    int ContentLeft() const { return m_shape.border; }
    int ContentRight() const { return m_shape.width - m_shape.border - m_shape.scrollBar; }  // exclusive
    int Offset() const { return m_offset; }

    // What the window shows now.
    Bgr ScreenPixel(int x, int y) const
    {
        const FakePageShape& s = m_shape;
        if (y < s.toolbarRows)
            return ToolbarPixel(x, y);
        if (y >= s.height - s.statusRows)
            return StatusPixel(x, y - (s.height - s.statusRows));
        if (x < ContentLeft() || x >= s.width - s.border)
            return kBorder;
        if (x < ContentRight())
            return PagePixel(x, m_offset + y - s.toolbarRows);
        const int content = ContentRows();
        const int thumbTop = s.toolbarRows + m_offset * content / s.pageRows;
        const int thumbRows = std::max(8, content * content / s.pageRows);
        return y >= thumbTop && y < thumbTop + thumbRows ? kThumb : kTrack;
    }

    bool TargetRect(HWND, RECT& rect) override
    {
        if (noRect)
            return false;
        rect = RECT{m_shape.at.left, m_shape.at.top, m_shape.at.left + m_shape.width,
            m_shape.at.top + m_shape.height};
        return true;
    }
    int Grab(const RECT& rect, ScrollRows& screen) override
    {
        ++grabs;
        if (grabs == failGrabNumber)
            return failGrabCode;
        if (!screen.Resize(rect.right - rect.left, rect.bottom - rect.top))
            return 12;
        for (int y = 0; y < screen.height; ++y) {
            for (int x = 0; x < screen.width; ++x) {
                const Bgr p = ScreenPixel(x, y);
                std::uint8_t* out = screen.Row(y) + x * 3;
                out[0] = p.b;
                out[1] = p.g;
                out[2] = p.r;
            }
        }
        return 1;
    }
    void WheelNotch(HWND, POINT p) override
    {
        notchPoints.push_back(p);
        const int rows = m_shape.notchRows[m_notches++ % m_shape.notchRows.size()];
        m_offset = std::min(m_offset + rows, std::max(m_shape.pageRows - ContentRows(), 0));
    }
    void MoveCursor(POINT p) override { cursor = p; }
    void ConfineCursor(POINT p) override
    {
        confined = true;
        cursor = p;
    }
    void ReleaseCursor() override { confined = false; }
    void Sleep(DWORD ms) override { sleptMs += ms; }
    std::uint64_t AvailableMemoryBytes() override { return availableMemory; }
    bool MayAllocate(std::size_t bytes) override { return bytes <= allocationLimit; }

    bool noRect = false;
    int grabs = 0;
    int failGrabNumber = 0;  // the grab that fails (counted from 1); 0: none
    int failGrabCode = 13;
    std::vector<POINT> notchPoints;
    POINT cursor{};
    bool confined = false;
    std::uint64_t sleptMs = 0;
    std::uint64_t availableMemory = std::numeric_limits<std::uint64_t>::max();
    std::size_t allocationLimit = std::numeric_limits<std::size_t>::max();

private:
    FakePageShape m_shape;
    int m_offset = 0;
    std::size_t m_notches = 0;
};
