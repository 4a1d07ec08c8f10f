// The main frame's creation, its message switch and its commands.
#include "app/main_frame.h"

#include "app/frame_bars.h"
#include "app/frame_commands.h"
#include "app/frame_geometry.h"
#include "app/frame_globals.h"
#include "app/kestrel_app.h"
#include "core/frame_messages.h"
#include "core/path_utils.h"
#include "core/system_figures.h"
#include "core/text_utils.h"
#include "core/window_list.h"
#include "platform/app/menu.h"
#include "platform/clipboard/clipboard_viewers.h"
#include "platform/dialog/msgbox.h"
#include "platform/system/screen_metrics.h"
#include "platform/system/shell.h"
#include "res/frame_command_ids.h"
#include "res/frame_menus.h"
#include "res/frame_strings.h"

CMainFrame::CMainFrame(std::span<const FrameWindowRow> windows) : m_windows(windows)
{
    g_pMainFrame = this;
}

CMainFrame::~CMainFrame()
{
    if (GetSafeHwnd())
        DestroyWindow();
    if (g_pMainFrame == this)
        g_pMainFrame = nullptr;
}

BOOL CMainFrame::CreateMainFrame()
{
    // At the screen's size at first; creation moves it into the work area.
    const SIZE screen = QueryScreenSize();
    return CreateFrame(FormatAppTitle(), RECT{0, 0, screen.cx, screen.cy});
}

int CMainFrame::OnCreate()
{
    // The display scale first: the menu items are measured by it.
    InitDpiScale();
    m_mainMenuItems = CreateMainMenuItems(GetIconScale());
    m_multiViewMenuItems = CreateMultiViewMenuItems(GetIconScale());
    SwitchFrameBars(1);
    SetMessageText(QString::fromUtf16(kIdleStatusText));
    FillScreenMetrics();

    FindTaskbar();
    m_rcWorkArea = ComputeWorkArea(
        m_rcTaskbar, m_nTaskbarEdge, g_ScreenMetrics.screenWidth, g_ScreenMetrics.screenHeight);
    g_nAppMode = 1;
    ComputeStageArea();
    m_rcFrame = m_rcWorkArea;
    MoveFrameTo(m_rcFrame);

    m_bClosing = 0;
    InitSpecialFolderPaths();
    DragAcceptFiles();
    // The window list leaves the frame and its tool windows out of captures.
    GetWindowListHost().mainFrame = GetSafeHwnd();
    GetWindowListHost().isChooserOpen = [] {
        return GetAppState().Window(AppWindow::CaptureChooser) != nullptr;
    };

    m_bOsSupported = DetectWindowsVersion() != 0 ? 1 : 0;
    if (!m_bOsSupported) {
        MessageBoxW(GetSafeHwnd(),
            QStringLiteral("対応していないWindowsバージョンです。\n起動する事が出来ません。"),
            FormatAppTitle(), MB_OK | MB_ICONEXCLAMATION);
        PostMessage(WM_CLOSE);
    }

    RegisterAppBar(GetSafeHwnd(), WM_FRAME_APPBAR);
    m_hWndNextViewer = JoinClipboardViewerChain(GetSafeHwnd());
    // The desktop's panels moving shows as a change of the available area.
    const HWND self = GetSafeHwnd();
    m_workAreaWatch = WatchWorkArea([self] { PostMessageW(self, WM_FRAME_APPBAR, ABN_POSCHANGED, 0); });
    SetAppStateSource(this);
    SetFrameServices(this);
    return 0;
}

void CMainFrame::SwitchFrameBars(BYTE mode)
{
    const IconMenuItemSet& items = mode == 1 ? *m_mainMenuItems : *m_multiViewMenuItems;
    m_pMenu = &items.Menu();
    BuildFrameMenu(*this, items);
    BuildFrameToolbar(*this, mode == 1 ? kToolbar128Main : kToolbar134MultiView, GetIconScale());
}

LRESULT CMainFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (LRESULT result = 0; HandleStageMessage(message, wParam, lParam, &result))
        return result;
    if (LRESULT result = 0; HandlePanelMessage(message, wParam, lParam, &result))
        return result;
    if (LRESULT result = 0; HandleChooserMessage(message, wParam, lParam, &result))
        return result;
    if (LRESULT result = 0; HandleClipWindowMessage(message, wParam, lParam, &result))
        return result;
    if (LRESULT result = 0; HandleContrastMessage(message, wParam, lParam, &result))
        return result;
    if (LRESULT result = 0; HandleSkyMessage(message, wParam, lParam, &result))
        return result;
    if (LRESULT result = 0; HandleMeasureMessage(message, wParam, lParam, &result))
        return result;
    if (LRESULT result = 0; HandleZoomLensMessage(message, wParam, lParam, &result))
        return result;
    if (LRESULT result = 0; HandleExifMessage(message, wParam, lParam, &result))
        return result;
    if (LRESULT result = 0; HandleRenameMessage(message, wParam, lParam, &result))
        return result;
    if (LRESULT result = 0; HandleTreeMessage(message, wParam, lParam, &result))
        return result;
    if (LRESULT result = 0; HandleStretchMessage(message, wParam, lParam, &result))
        return result;
    switch (message) {
    case WM_FRAME_RAISE_STAGE:
        RaiseStageUnderPrintDialog();
        return 1;
    case WM_FRAME_APPBAR:
        if (wParam == ABN_POSCHANGED)
            OnTaskbarMoved();
        return 0;
    case WM_FRAME_FIT:
        if (lParam == kFrameModeMultiViewStage)
            FitMultiFrame(static_cast<int>(wParam));
        else
            FitClipFrame(static_cast<int>(wParam));
        return 0;
    case WM_FRAME_REFIT_MODE:
        if (wParam == kFrameModeViewStage)
            FitClipFrame(0);
        else
            FitMultiFrame(0);
        return 0;
    case WM_FRAME_SET_MODE: {
        const bool clipMode = wParam == kFrameModeViewStage || wParam == 1;
        SwitchFrameBars(clipMode ? 1 : 2);
        ShowClipWindowsForMode(clipMode);
        return 0;
    }
    case WM_MEASUREITEM:
        MeasureFrameMenuItem(reinterpret_cast<MEASUREITEMSTRUCT*>(lParam), GetIconScale());
        return TRUE;
    case WM_DRAWITEM:
        DrawFrameMenuItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), GetIconScale());
        return TRUE;
    case WM_ACTIVATEAPP:
        OnActivateApp(static_cast<BOOL>(wParam));
        return CFrameWnd::WindowProc(message, wParam, lParam);
    case WM_CHANGECBCHAIN:
        // The chain mends itself: the window after a leaving next viewer becomes ours.
        if (reinterpret_cast<HWND>(wParam) == m_hWndNextViewer)
            m_hWndNextViewer = reinterpret_cast<HWND>(lParam);
        else if (m_hWndNextViewer)
            ::SendMessageW(m_hWndNextViewer, message, wParam, lParam);
        return 0;
    case WM_DRAWCLIPBOARD:
        if (m_hWndNextViewer)
            ::SendMessageW(m_hWndNextViewer, message, wParam, lParam);
        return 0;
    case WM_FRAME_ENABLE:
        // The frame cannot be used or closed while a drop copy runs.
        EnableWindow(wParam != 0);
        GetSystemMenu(FALSE)->EnableMenuItem(SC_CLOSE, MF_BYCOMMAND | (wParam ? MF_ENABLED : MF_GRAYED));
        return 0;
    case WM_FRAME_FOREGROUND:
        SetForegroundWindow();
        return 1;
    case WM_FRAME_OPEN_WAITMSG: {
        // wParam: the caption as a const QString* (null reads as empty); lParam: the bar's maximum.
        const auto* title = reinterpret_cast<const QString*>(wParam);
        return reinterpret_cast<LRESULT>(OpenWaitBox(title ? *title : QString(), static_cast<int>(lParam)));
    }
    case WM_FRAME_CLOSE_WAITMSG:
        CloseWaitBox();
        return 0;
    default:
        return CFrameWnd::WindowProc(message, wParam, lParam);
    }
}

CommandUiState CMainFrame::QueryCommandState(UINT id) const
{
    const FrameCommand* command = FindFrameCommand(id);
    // The work-folder and tree items show a check mark while their window is open.
    const bool checked = (id == ID_FILE_WORK_FOLDER && m_pWorkFolder) ||
        (id == ID_VIEW_FILE_TREE && m_pTreeFileWindow) || (id == ID_VIEW_FOLDER_TREE && m_pTreeFolderWindow);
    return CommandUiState{command && command->enabled(*this), checked};
}

BOOL CMainFrame::OnCommand(WPARAM wParam, LPARAM lParam)
{
    switch (LOWORD(wParam)) {
    case ID_APP_EXIT:
        PostMessage(WM_CLOSE);
        return TRUE;
    case ID_HELP_MANUAL:
        OpenManual();
        return TRUE;
    default:
        if (HandleImageCommand(LOWORD(wParam)) || HandleClipWindowCommand(LOWORD(wParam)) ||
            HandleContrastCommand(LOWORD(wParam)) || HandleWorkFolderCommand(LOWORD(wParam)) ||
            HandleMeasureCommand(LOWORD(wParam)) || HandleMaskCommand(LOWORD(wParam)) ||
            HandleExifSettingsCommand(LOWORD(wParam)) || HandleOptionCommand(LOWORD(wParam)) ||
            HandleTreeCommand(LOWORD(wParam)) || HandlePrintCommand(LOWORD(wParam)))
            return TRUE;
        break;
    }
    // The application object takes its own commands.
    if (auto* app = dynamic_cast<CKestrelApp*>(AfxGetApp()); app && app->OnAppCommand(LOWORD(wParam)))
        return TRUE;
    return CFrameWnd::OnCommand(wParam, lParam);
}

void CMainFrame::OpenManual()
{
    QString folder = g_szExeFolder.isEmpty() ? ProgramFolder() : g_szExeFolder;
    AddBackslash(folder);
    // No message when the manual is missing or cannot be opened.
    ShellOpenDocument(folder + QStringLiteral("Kestrel.pdf"));
}
