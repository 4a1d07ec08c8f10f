// The compact window of a run: the settings go from sight, the counter, the
// progress (when the wait is long enough to watch) and button 1 stand one
// below the other at the left margin, and the window stands at the top of
// the screen by its left or right edge. It stays where it is put.
#include "clip/continuous_capture_dialog.h"

#include "clip/continuous_capture_rules.h"
#include "platform/dialog/dialog_scale.h"

#include <algorithm>
#include <vector>

namespace {

// How often the compact window's place is checked while running.
constexpr UINT kCompactPlaceCheckMs = 250;

}  // namespace

void CDlgContinueCapture::EnterCompactLayout(bool showProgress)
{
    std::vector<int> stack = {IDC_CC_COUNTER_CAPTION, IDC_CC_COUNTER};
    if (showProgress) {
        stack.push_back(IDC_CC_PROGRESS_CAPTION);
        stack.push_back(IDC_CC_PROGRESS);
    }
    stack.push_back(IDOK);
    for (const DialogControl& c : GetTemplate()->controls)
        if (std::find(stack.begin(), stack.end(), c.id) == stack.end())
            if (CWnd* control = GetDlgItem(c.id))
                control->ShowWindow(SW_HIDE);

    const int margin = ScaleDialogUnit(kCcCompactMargin);
    const int gap = ScaleDialogUnit(4);
    RECT button{};
    GetDlgItem(IDOK)->GetWindowRect(&button);
    const int width = button.right - button.left;
    int y = margin;
    for (int id : stack) {
        CWnd* control = GetDlgItem(id);
        RECT r{};
        control->GetWindowRect(&r);
        const int height = r.bottom - r.top;
        control->MoveWindow(margin, y, width, height);
        control->ShowWindow(SW_SHOW);
        y += height + gap;
    }

    // The outer size is the client's and the frame the window manager draws.
    RECT outer{}, client{};
    GetWindowRect(&outer);
    GetClientRect(&client);
    const int windowWidth = width + 2 * margin + (outer.right - outer.left) - (client.right - client.left);
    const int windowHeight = y - gap + margin + (outer.bottom - outer.top) - (client.bottom - client.top);
    const POINT origin = CompactWindowOrigin(windowWidth, ScreenSize().cx, m_state.compactPosition);
    m_bMoveLocked = false;
    MoveWindow(origin.x, origin.y, windowWidth, windowHeight);
    m_rcLocked = RECT{origin.x, origin.y, origin.x + windowWidth, origin.y + windowHeight};
    m_nSnapBacks = 0;
    m_bMoveLocked = true;
    SetTimer(kCompactPlaceTimer, kCompactPlaceCheckMs);
}
