// Closing the frame: every window in a fixed order, then the settings.
#include "app/main_frame.h"

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
    // The multi view's workers stop here, before any window goes, once it exists.
    CloseViewStage();
    CloseControlWindow();
    CloseTreeFileWindow();
    CloseTreeFolderWindow();
    CloseSkyWindow();
    CloseWaitBox();
    CloseChooser();
    CloseContrast();
    CloseMultiControlWindow();
    CloseMultiViewStage();
    CloseModeChoice();
    CloseExifView();
    CloseMeasureWindow();
    for (int i = 0; i < kClipWindowCount; ++i)
        CloseClipWindow(i);
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
    CFrameWnd::OnDestroy();
    // The program ends with its main window.
    if (AfxGetMainWnd() == this)
        QCoreApplication::quit();
}
