// Closing the frame: every window in the window table's order, then the settings.
#include "app/main_frame.h"

#include "core/window_list.h"
#include "platform/app/app.h"

#include <QCoreApplication>

void CMainFrame::OnClose()
{
    m_bClosing = 1;
    DestroyAllWindows();
    CFrameWnd::OnClose();
}

void CMainFrame::DestroyAllWindows()
{
    RemoveAppBar(GetSafeHwnd());
    // No worker of the multi view may outlive the windows it reports to.
    StopMultiViewWorkers();
    CloseAllWindows();
    if (m_bOsSupported)
        SaveSettingsAtClose();
    m_pMenu = nullptr;
}

void CMainFrame::OnDestroy()
{
    if (m_hWndNextViewer)
        LeaveClipboardViewerChain(GetSafeHwnd(), m_hWndNextViewer);
    m_workAreaWatch.reset();
    SetAppStateSource(nullptr);
    SetFrameServices(nullptr);
    if (GetWindowListHost().mainFrame == GetSafeHwnd())
        GetWindowListHost().mainFrame = nullptr;
    CFrameWnd::OnDestroy();
    // The program ends with its main window.
    if (AfxGetMainWnd() == this)
        QCoreApplication::quit();
}
