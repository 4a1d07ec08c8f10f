// A stand-in for the multi-view panel: the state the stage reads, and a
// record of every private message the stage sends or posts to it.
#pragma once

#include "core/multi_control_messages.h"
#include "core/multi_view_messages.h"
#include "multiview/multi_view_panel_state.h"
#include "platform/window/window.h"

#include <algorithm>
#include <vector>

class FakePanel : public CWnd, public MultiViewPanelState {
public:
    struct Message {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    std::vector<Message> received;
    int displayState = kMultiDisplayLoading;
    int viewMode = kMultiViewGrid;

    bool Create() { return CreateEx(0, QStringLiteral("panel"), WS_POPUP, RECT{0, 0, 100, 500}, nullptr, 0); }
    int Count(UINT message) const
    {
        return static_cast<int>(std::count_if(
            received.begin(), received.end(), [&](const Message& m) { return m.message == message; }));
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message >= WM_USER)
            received.push_back(Message{message, wParam, lParam});
        if (message == WM_MULTICTL_DISPLAY_STATE)
            displayState = static_cast<int>(wParam);
        return CWnd::WindowProc(message, wParam, lParam);
    }

    HWND PanelWindow() const override { return GetSafeHwnd(); }
    int ViewMode() const override { return viewMode; }
    int SortKey() const override { return 0; }
    int Descending() const override { return 0; }
    int DisplayState() const override { return displayState; }
    void SetDisplayState(int state) override { displayState = state; }
};
