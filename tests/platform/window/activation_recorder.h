// A window that records the activation messages it receives and how many had
// arrived when a mouse press reached it.
#pragma once

#include "platform/window/window.h"

#include <QWidget>
#include <vector>

namespace window_testing {

struct Activation {
    UINT state;
    HWND other;
};

class ActivationRecorder : public CWnd {
public:
    void OnActivate(UINT state, CWnd* other, BOOL) override
    {
        log.push_back({state, other ? other->GetSafeHwnd() : nullptr});
    }
    void OnLButtonDown(UINT, CPoint) override { activationsBeforePress = static_cast<int>(log.size()); }
    bool IsActive() const { return GetWidget()->isActiveWindow(); }

    std::vector<Activation> log;
    int activationsBeforePress = -1;  // -1 until a press arrives
};

}  // namespace window_testing
