#include "clip/panel_beside_frame.h"

#include "clip/control_panel_placement.h"
#include "core/app_state.h"
#include "core/system_figures.h"
#include "platform/window/window.h"

RECT PanelPlacementBesideFrame(const CWnd& panel)
{
    AppStateSource& state = GetAppState();
    const RECT frame = state.WindowRect(state.Window(AppWindow::MainFrame));
    int modeBarHeight = 0;
    if (const HWND bar = state.Window(AppWindow::ModeBar)) {
        const RECT r = state.WindowRect(bar);
        modeBarHeight = r.bottom - r.top;
    }
    RECT self{};
    panel.GetWindowRect(&self);
    return CalcPanelPlacement(frame, g_ScreenMetrics.frameWidth, GetFrameClientTop(), modeBarHeight,
        SIZE{self.right - self.left, self.bottom - self.top});
}
