// The EXIF settings commands with the real frame: enabled once the multi view
// lists files, each running its dialog modally, and the clear settings leaving
// their outcome for the multi view's clear button.
#include "app/frame_globals.h"
#include "app/mode_bar.h"
#include "multiview/multi_control_window.h"
#include "multiview/multi_view_stage.h"
#include "multiview/thumbnail_list.h"
#include "options/exif_clear_settings_dialog.h"
#include "options/exif_display_settings_dialog.h"
#include "res/frame_command_ids.h"
#include "tests/support/frame_app_fixture.h"
#include "tests/support/pump_until.h"

#include <QDir>
#include <QImage>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

class MainFrameExifSettingsGui : public FrameAppTest {
protected:
    void TearDown() override
    {
        g_nAppMode = 1;
        g_nExifClearResult = 0;
        ExifClearSettings = ExifClearSettingsRecord{};
        ExifDisplaySettings = ExifDisplaySettingsRecord{};
        FrameAppTest::TearDown();
    }
    bool Enabled(UINT id) const { return m_frame->QueryCommandState(id).enabled; }

    // Sends the command; `inside` runs once inside the dialog's loop and must
    // end it. The number of dialogs that ran.
    int RunCommand(UINT id, const std::function<void(CDialog&)>& inside)
    {
        int runs = 0;
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            CDialog* dialog = id == ID_OPTION_EXIF_VIEW ? static_cast<CDialog*>(m_frame->m_pOptionExif)
                                                        : static_cast<CDialog*>(m_frame->m_pOptionExifClear);
            if (!dialog || !dialog->GetSafeHwnd())
                return;
            poll.stop();
            ++runs;
            inside(*dialog);
        });
        poll.start();
        m_frame->SendMessage(WM_COMMAND, id, 0);
        PumpFor(30);
        return runs;
    }
};

}  // namespace

TEST_F(MainFrameExifSettingsGui, TheCommandsWaitForFilesAndTheClearSettingsLeaveTheirOutcome)
{
    const QString folder = m_dir.filePath(QStringLiteral("pictures"));
    ASSERT_TRUE(QDir().mkpath(folder));
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(qRgb(200, 40, 40));
    ASSERT_TRUE(picture.save(folder + QStringLiteral("/a.png")));
    PumpFor(50);
    EXPECT_FALSE(Enabled(ID_OPTION_EXIF_VIEW));
    m_frame->m_pModeChoice->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_MODE_TO_MULTI, BN_CLICKED), 0);
    CDlgMultiControlWindow* panel = m_frame->GetMultiControlWindow();
    CDlgMultiViewStage* stage = m_frame->GetMultiViewStage();
    ASSERT_TRUE(panel && stage);
    EXPECT_FALSE(Enabled(ID_OPTION_EXIF_CLEAR));  // no file listed yet
    ASSERT_TRUE(panel->SwitchToFolder(folder, false, false));
    ASSERT_TRUE(PumpUntil([&] { return stage->List().GetFileCount() == 1; }, 5000));
    EXPECT_TRUE(Enabled(ID_OPTION_EXIF_VIEW));
    EXPECT_TRUE(Enabled(ID_OPTION_EXIF_CLEAR));

    QString okText;
    EXPECT_EQ(RunCommand(ID_OPTION_EXIF_CLEAR,
                  [&](CDialog& d) {
                      d.GetDlgItemText(IDOK, okText);
                      d.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
                  }),
        1);
    EXPECT_EQ(okText, QStringLiteral("OK"));
    EXPECT_EQ(g_nExifClearResult, 10);
    EXPECT_EQ(m_frame->m_pOptionExifClear, nullptr);

    g_nExifClearResult = 2;  // as the clear button asks
    EXPECT_EQ(RunCommand(ID_OPTION_EXIF_CLEAR,
                  [&](CDialog& d) {
                      d.GetDlgItemText(IDOK, okText);
                      d.SendMessage(WM_CLOSE);
                  }),
        1);
    EXPECT_EQ(okText, QStringLiteral("クリア実行"));
    EXPECT_EQ(g_nExifClearResult, 11);

    EXPECT_EQ(RunCommand(ID_OPTION_EXIF_VIEW, [&](CDialog& d) { d.SendMessage(WM_CLOSE); }), 1);
    EXPECT_EQ(m_frame->m_pOptionExif, nullptr);
}
