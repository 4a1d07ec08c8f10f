// A desktop of fake windows for the window list and the capture target:
// handles, plain icons and a fixture that installs desktop services over
// the fake windows.
#pragma once

#include "core/window_list.h"

#include "platform/x11/enum_windows.h"
#include "platform/x11/null_desktop_services.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace fake_desktop {

inline HWND H(unsigned long id)
{
    return HwndFromX11Window(id);
}

inline QImage Icon(QRgb colour, int size = 16)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

// A desktop of fake windows, topmost first.
class FakeWindows final : public WindowListService {
public:
    std::vector<std::pair<HWND, DesktopWindowInfo>> windows;
    std::vector<HWND> TopLevelWindows() override
    {
        std::vector<HWND> list;
        for (const auto& w : windows)
            list.push_back(w.first);
        return list;
    }
    bool QueryWindow(HWND window, unsigned, DesktopWindowInfo& info) override
    {
        for (const auto& w : windows) {
            if (w.first == window) {
                info = w.second;
                return info.exists;
            }
        }
        info = DesktopWindowInfo{};
        return false;
    }
    bool WindowExists(HWND) override { return true; }
    bool HasWindowManager() override { return true; }
};

class FakeDesktop : public testing::Test {
protected:
    void SetUp() override { SetDesktopServicesForTesting(&m_services); }
    void TearDown() override
    {
        SetDesktopServicesForTesting(nullptr);
        FreeWindowList();
    }
    void Add(unsigned long id, const QString& title, RECT rect = {0, 0, 300, 200}, const QString& cls = {})
    {
        DesktopWindowInfo info;
        info.exists = true;
        info.visible = true;
        info.title = title;
        info.className = cls;
        info.rect = rect;
        info.pid = static_cast<DWORD>(id);
        info.icon = Icon(qRgb(1, 1, 1));
        m_windows.windows.emplace_back(H(id), info);
    }
    FakeWindows m_windows;
    NullWindowControl m_control;
    struct FixedScreen final : NullScreenGrab {
        SIZE ScreenSize() override { return {1920, 1080}; }
    } m_grab;
    NullCursor m_cursor;
    NullPointerConfinement m_pointer;
    NullInput m_input;
    DesktopServices m_services{m_windows, m_control, m_grab, m_cursor, m_pointer, m_input};
};

}  // namespace fake_desktop
