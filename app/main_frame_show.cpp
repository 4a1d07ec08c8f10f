// The frame's first show: the program folder, the first-run question, the
// settings, the mode bar and the panels, and the image named on the command line.
#include "app/main_frame.h"

#include "app/command_line.h"
#include "app/frame_globals.h"
#include "app/stage_messages.h"
#include "core/frame_messages.h"
#include "core/path_utils.h"
#include "platform/dialog/msgbox.h"

#include <QCoreApplication>

namespace {

QString FirstRunText()
{
    return QStringLiteral(
        "このメッセージは初回起動、又は設定ファイル %1 が\n 作成されていない時に表示されます。\n\n"
        " 次回起動時にもこのメッセージが表示されたら、\n Windowsの設定を変更して下さい。\n\n"
        " 変更方法はヘルプ最終章に記述しています。\n ヘルプファイルを開きますか？\n\n ")
        .arg(QString::fromLatin1(kSettingsFileName));
}

}  // namespace

void CMainFrame::OnShowWindow(BOOL show, UINT status)
{
    CFrameWnd::OnShowWindow(show, status);
    // Once only: the window is shown again after every restore.
    if (!show || !m_bOsSupported || m_bRestoring || m_bFirstShowDone)
        return;
    m_bFirstShowDone = true;
    RunFirstShow();
}

void CMainFrame::RunFirstShow()
{
    GetExeFolder(g_szExeFolder);
    if (IsFirstRun() && AfxMessageBox(FirstRunText(), MB_YESNO) == IDYES) {
        // Opened directly: the command would wait for panels that do not exist yet.
        OpenManual();
    }
    LoadSettings();
    CheckSettings();

    // The mode bar first (the panel stands below it), then the control panel
    // before the stage (the stage is placed to the right of the panel).
    OpenModeChoice();
    OpenControlWindow();
    OpenViewStage();
    FitClipFrame(0);

    g_szOpenFilePath = PickOpenFilePath(QCoreApplication::arguments());
    if (!g_szOpenFilePath.isEmpty())
        SendMessageW(Window(AppWindow::ViewStage), WM_STAGE_OPEN_SHARED_PATH);
}

SettingsStore& CMainFrame::Store()
{
    if (!m_settings) {
        QString folder = g_szExeFolder;
        if (folder.isEmpty())
            GetExeFolder(folder);
        m_settings = std::make_unique<SettingsStore>(
            SIZE{g_ScreenMetrics.screenWidth, g_ScreenMetrics.screenHeight}, folder);
    }
    return *m_settings;
}

void CMainFrame::LoadSettings()
{
    Store().LoadSettings();
}

void CMainFrame::CheckSettings()
{
    Store().CheckSettings();
}

void CMainFrame::ReadSettingsFile(const QString& folder)
{
    Store().ReadSettingsFile(folder);
}

void CMainFrame::ReadLegacyIni(const QString& folder)
{
    Store().ReadLegacyIni(folder);
}

int CMainFrame::WriteSettingsFile()
{
    return WriteSettingsFile(Store().ProgramFolderPath());
}

int CMainFrame::WriteSettingsFile(const QString& folder)
{
    return Store().WriteSettingsFile(folder);
}

int CMainFrame::IsFirstRun() const
{
    return const_cast<CMainFrame*>(this)->Store().IsFirstRun();
}
