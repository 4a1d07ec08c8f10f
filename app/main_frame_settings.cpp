// The settings saved as the program ends: when the frame closes, with a
// message when they cannot be written, and when the X server goes away,
// which ends the program without a close and with no display for a message.
#include "app/main_frame.h"

#include "platform/dialog/msgbox.h"
#include "platform/system/safe_file_writer.h"

namespace {

QString SaveFailedText(const QString& path, int error)
{
    return QStringLiteral("設定ファイルを保存できませんでした。\n%1\n%2")
        .arg(path, FileWriteErrorText(error));
}

}  // namespace

void CMainFrame::SaveSettingsAtClose()
{
    if (m_bSettingsSaved)
        return;
    m_bSettingsSaved = true;
    int error = 0;
    if (Store().WriteSettingsFile(Store().ProgramFolderPath(), &error) == 1)
        return;
    // The previous file stays whole. At the session's end nobody could answer
    // a modal box, and it would keep the program from ending: the log has it.
    if (!SessionIsEnding())
        AfxMessageBox(SaveFailedText(Store().SettingsFilePath(), error), MB_OK | MB_ICONEXCLAMATION);
}

void CMainFrame::SaveSettingsAtDisplayLoss()
{
    // Before the first show has loaded them, the members hold no user's settings.
    if (m_bSettingsSaved || !m_bOsSupported || !m_settings || !m_settings->HasLoaded())
        return;
    m_bSettingsSaved = true;
    Store().WriteSettingsFile(Store().ProgramFolderPath());
}
