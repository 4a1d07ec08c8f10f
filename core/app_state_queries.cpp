#include "core/app_state_queries.h"

#include "core/app_state.h"
#include "core/settings/app_settings.h"

#include <initializer_list>

namespace {

constexpr BYTE kStageSelecting = 3;
constexpr BYTE kStageIdle = 1;
constexpr int kTwoClickSelection = 2;
constexpr int kWheelSelection = 3;

bool Exists(AppWindow which)
{
    return GetAppState().Window(which) != nullptr;
}

bool IsOneOf(HWND active, std::initializer_list<AppWindow> windows)
{
    const AppStateSource& s = GetAppState();
    for (AppWindow w : windows)
        if (s.Window(w) == active)
            return true;
    return false;
}

}  // namespace

int GetActiveAppWindowKind()
{
    return GetAppWindowKind(GetAppState().ActiveWindow());
}

int GetAppWindowKind(HWND active)
{
    const AppStateSource& s = GetAppState();
    if (!active)
        return 0;
    switch (s.AppMode()) {
    case 1:
        if (IsOneOf(active,
                {AppWindow::MainFrame, AppWindow::ControlPanel, AppWindow::ViewStage, AppWindow::ModeBar,
                    AppWindow::FileTree, AppWindow::ColorAdjust, AppWindow::Measure}))
            return 1;
        for (int i = 0; i < 12; ++i)
            if (s.ClipWindow(i) == active)
                return 3 + i;
        return 0;
    case 2:
        if (!Exists(AppWindow::MultiViewPanel))
            return 0;
        return IsOneOf(active,
                   {AppWindow::MainFrame, AppWindow::ModeBar, AppWindow::MultiViewPanel,
                       AppWindow::MultiViewStage, AppWindow::ExifWindow, AppWindow::FolderTree})
            ? 2
            : 0;
    }
    return 0;
}

int IsFixSaveArea()
{
    return AppSettings.FixSaveArea == 1 ? 1 : 0;
}

int IsSmoothClipOrFixedArea()
{
    return AppSettings.SmoothClip == 1 || AppSettings.FixSaveArea == 1 || Exists(AppWindow::ClipHistoryDialog)
        ? 1
        : 0;
}

int IsClipStateSelecting(BYTE stageMode)
{
    return stageMode == kStageSelecting ? 1 : 0;
}

int IsClipStateIdle(BYTE stageMode)
{
    return stageMode == kStageIdle ? 1 : 0;
}

int IsClickClipActive()
{
    return GetAppState().StageMode() == kStageSelecting && g_nRangeSelectMethod == kTwoClickSelection ? 1 : 0;
}

int IsWheelClipActive()
{
    return GetAppState().StageMode() == kStageSelecting && g_nRangeSelectMethod == kWheelSelection ? 1 : 0;
}

int IsClipSelecting()
{
    return IsClickClipActive() || IsWheelClipActive() ? 1 : 0;
}

int IsClickClipRangeSet()
{
    return IsClickClipActive() && GetAppState().ZoomRubberBandStarted() ? 1 : 0;
}

int GetHighlightZoomAreaMode()
{
    return IsClickClipActive() ? AppSettings.HighlightZoomAreaClick : AppSettings.HighlightZoomAreaWheel;
}

int IsHighlightZoomAreaOn()
{
    return (IsClickClipActive() && AppSettings.HighlightZoomAreaClick != 0) ||
            (IsWheelClipActive() && AppSettings.HighlightZoomAreaWheel != 0)
        ? 1
        : 0;
}

int IsExifWindowOpen()
{
    return Exists(AppWindow::ExifWindow) ? 1 : 0;
}

int IsExifWindowForeground()
{
    const HWND exif = GetAppState().Window(AppWindow::ExifWindow);
    return exif && GetAppState().ForegroundWindow() == exif ? 1 : 0;
}

int IsModeChoiceWindowOpen()
{
    return Exists(AppWindow::ModeBar) ? 1 : 0;
}

int IsMaskWindowOpen()
{
    return Exists(AppWindow::MaskDialog) ? 1 : 0;
}

int IsMeasureWindowOpen()
{
    return Exists(AppWindow::Measure) ? 1 : 0;
}

int IsMultiViewStageVisible()
{
    const HWND stage = GetAppState().Window(AppWindow::MultiViewStage);
    return stage && GetAppState().IsWindowVisible(stage) ? 1 : 0;
}

int RaiseOverlappedToolWindow(HWND w, int flag, POINT point)
{
    AppStateSource& s = GetAppState();
    const HWND panel = s.Window(AppWindow::ControlPanel);
    const HWND overview = s.Window(AppWindow::OverviewWindow);
    if (flag == 1 || !panel || !overview || !w)
        return 0;
    const POINT p = s.ClientToScreen(w, point);
    const LONG panelBottom = s.WindowRect(panel).bottom;
    const LONG overviewTop = s.WindowRect(overview).top;
    if (panelBottom <= overviewTop)
        return 0;  // the two do not overlap
    const bool panelPart = w == panel && p.y < panelBottom;
    const bool overviewPart = w == overview && p.y >= panelBottom && !Exists(AppWindow::CaptureChooser);
    if (!panelPart && !overviewPart)
        return 0;
    s.BringToTop(w);
    return 1;
}
