// A window that records what reaches it: echoed messages into a shared log,
// timer ticks, mouse, keys, characters, the wheel, paints and its own end.
#pragma once

#include "platform/window/window.h"

#include <QHash>

#include <utility>
#include <vector>

namespace window_testing {

constexpr UINT WM_TEST_ECHO = WM_USER + 1;
constexpr UINT WM_TEST_DESTROY_SELF = WM_USER + 2;

struct Log {
    std::vector<std::pair<HWND, WPARAM>> entries;
};

class Recorder : public CWnd {
public:
    explicit Recorder(Log* log = nullptr) : m_log(log) { }
    ~Recorder() override
    {
        if (m_deleted)
            *m_deleted = true;
    }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        switch (message) {
        case WM_TEST_ECHO:
            if (m_log)
                m_log->entries.emplace_back(m_hWnd, wParam);
            return static_cast<LRESULT>(wParam * 2) + lParam;
        case WM_TEST_DESTROY_SELF:
            DestroyWindow();
            // The object and its state are still usable here: destruction waits.
            afterDestroy = m_hWnd != nullptr;
            return 1;
        default:
            return CWnd::WindowProc(message, wParam, lParam);
        }
    }
    void OnTimer(UINT_PTR id) override { ++ticks[id]; }
    void OnLButtonDown(UINT flags, CPoint p) override
    {
        lastFlags = flags;
        lastPoint = p;
    }
    void OnKeyDown(UINT vk, UINT, UINT) override { keys.push_back(vk); }
    void OnChar(UINT ch, UINT, UINT) override { chars.push_back(ch); }
    BOOL OnMouseWheel(UINT, short delta, CPoint) override
    {
        wheel = delta;
        return TRUE;
    }
    void OnPaint() override
    {
        CPaintDC dc(this);
        dc.FillSolidRect(0, 0, 10, 10, RGB(255, 0, 0));
        ++paints;
    }
    void PostNcDestroy() override { ++ncDestroys; }

    bool Make(int w = 120, int h = 90)
    {
        return CreateEx(
            0, QStringLiteral("recorder"), WS_POPUP | WS_VISIBLE, RECT{10, 10, 10 + w, 10 + h}, nullptr, 0);
    }

    QHash<UINT_PTR, int> ticks;
    UINT lastFlags = 0;
    CPoint lastPoint;
    std::vector<UINT> keys, chars;
    int wheel = 0;
    int paints = 0;
    int ncDestroys = 0;
    bool afterDestroy = false;
    bool* m_deleted = nullptr;

private:
    Log* m_log;
};

}  // namespace window_testing
