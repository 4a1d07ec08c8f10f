// The stage's side of scroll capture: the question before it, and what
// AfterScrollBehave does with the captured page.
#include "clip/view_stage.h"

#include "clip/control_panel_messages.h"
#include "clip/scroll_capture.h"
#include "clip/scroll_capture_question.h"
#include "clip/stage_open_rules.h"
#include "core/settings/app_settings.h"
#include "core/stage_state.h"
#include "core/window_list.h"
#include "platform/window/pointer_position.h"

int CDlgViewStage::AskScrollCapture(HWND window)
{
    WindowListHost& host = GetWindowListHost();
    // The question is the stage's own dialog unless another answer was set up.
    const auto saved = host.askScrollCapture;
    if (!host.askScrollCapture) {
        host.askScrollCapture = [this](HWND w, const QString& browserName) {
            CDlgQueryScrollCapture question(w, browserName, this);
            return question.DoModal() == IDOK;
        };
    }
    const int answer = QueryScrollCaptureForWindow(window);
    host.askScrollCapture = saved;
    return answer;
}

void CDlgViewStage::AfterScrollCapture()
{
    const int width = m_image->infoHeader.biWidth;
    const int height = std::abs(m_image->infoHeader.biHeight);
    const RECT whole{0, 0, width - 1, height - 1};
    const RECT scrolled = ScrollAreaToImageRange(g_rcScrollArea, width, height);
    switch (AppSettings.AfterScrollBehave) {
    case 3:
    case 4: {
        RECT range = AppSettings.AfterScrollBehave == 3 ? whole : scrolled;
        NotifyPanel(kNotifyControlPanel, WM_CLIPCTL_SET_PREV_RECT, reinterpret_cast<WPARAM>(&range));
        NotifyPanel(kNotifyControlPanel, WM_CLIPCTL_RANGE_DONE, 0, 3);
        g_nStageMode = kStageModeSelecting;
        FinishClipRange(range);
        break;
    }
    case 5: {
        RECT range = scrolled;
        NotifyPanel(kNotifyControlPanel, WM_CLIPCTL_FIX_RANGE, reinterpret_cast<WPARAM>(&range));
        PressPanelButton(IDC_PANEL_WHEEL_RANGE);
        const RECT c = m_zoom.ImageRectToClient(range, 1, 1);
        const POINT centre{(c.left + c.right) / 2, (c.top + c.bottom) / 2};
        POINT onScreen = centre;
        ClientToScreen(&onScreen);
        SetCursorPos(onScreen.x, onScreen.y);
        SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(centre.x, centre.y));
        break;
    }
    default:
        break;
    }
}
