// The main frame made offscreen by the application object in a temporary
// program folder: caption, bars, the first-run question, the settings read at
// the first show (once) and written at close, and the About box.
#include "app/about_dialog.h"
#include "app/frame_geometry.h"
#include "app/frame_globals.h"
#include "app/kestrel_app.h"
#include "core/frame_messages.h"
#include "core/path_utils.h"
#include "core/settings/app_settings.h"
#include "core/window_list.h"
#include "platform/app/menu.h"
#include "platform/system/shell.h"
#include "res/dialog_100_about.h"
#include "res/frame_command_ids.h"
#include "res/frame_toolbars.h"
#include "tests/support/pump_until.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/synthetic_input.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

class MainFrameGui : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        SetProgramFolderForTesting(m_dir.path());
        SetShellOpenHookForTesting([this](const QString& path) {
            m_opened << path;
            return true;
        });
    }
    void TearDown() override
    {
        SetShellOpenHookForTesting({});
        SetProgramFolderForTesting(QString());
    }

    QString Folder() const { return m_dir.path() + u'/'; }
    QString CfgPath() const { return Folder() + QStringLiteral("Kestrel.cfg"); }

    static void Close(CKestrelApp& app)
    {
        app.Frame()->SendMessage(WM_CLOSE);
        PumpUntil([&] { return !app.Frame()->GetSafeHwnd(); }, 2000);
    }

    QTemporaryDir m_dir;
    QStringList m_opened;
};

TEST_F(MainFrameGui, FirstRunAsksThenOpensTheManualAndWritesSettingsAtClose)
{
    ScriptedMessageBoxes boxes({IDYES});
    CKestrelApp app;
    ASSERT_TRUE(app.InitInstance());
    CMainFrame* frame = app.Frame();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(g_pMainFrame, frame);
    EXPECT_EQ(frame->GetWindowText(), QStringLiteral("Kestrel Ver.1.00"));
    EXPECT_TRUE(frame->IsWindowVisible());

    ASSERT_EQ(boxes.Requests().size(), 1);
    EXPECT_EQ(boxes.Requests()[0].type & MB_TYPEMASK, MB_YESNO);
    EXPECT_TRUE(boxes.Texts()[0].startsWith(QStringLiteral(
        "このメッセージは初回起動、又は設定ファイル Kestrel.cfg が\n 作成されていない時に表示されます。")));
    EXPECT_TRUE(boxes.Texts()[0].endsWith(QStringLiteral("ヘルプファイルを開きますか？\n\n ")));
    // Yes opens the manual at once, before any panel exists.
    EXPECT_EQ(m_opened, QStringList{Folder() + QStringLiteral("Kestrel.pdf")});
    EXPECT_EQ(g_szExeFolder, Folder());
    EXPECT_EQ(g_nAppMode, 1);
    EXPECT_TRUE(frame->GetWidget()->acceptDrops());

    EXPECT_FALSE(QFileInfo::exists(CfgPath()));
    Close(app);
    EXPECT_FALSE(frame->GetSafeHwnd());
    EXPECT_EQ(frame->m_bClosing, 1);
    ASSERT_TRUE(QFileInfo::exists(CfgPath()));
    EXPECT_GT(QFileInfo(CfgPath()).size(), 100);
}

TEST_F(MainFrameGui, NoQuestionWhenSettingsExistAndTheyAreReadOnceOnly)
{
    AppSettings.ShowZoomDlg = 0;
    SettingsStore(SIZE{1280, 1024}, Folder()).WriteSettingsFile(Folder());
    AppSettings.ShowZoomDlg = 1;

    ScriptedMessageBoxes boxes;
    CKestrelApp app;
    ASSERT_TRUE(app.InitInstance());
    EXPECT_TRUE(boxes.Requests().isEmpty());
    EXPECT_TRUE(m_opened.isEmpty());
    EXPECT_EQ(AppSettings.ShowZoomDlg, 0);

    // Shown again (as after a restore): the session's values stay.
    AppSettings.ShowZoomDlg = 1;
    QWidget* w = app.Frame()->GetWidget();
    w->hide();
    w->show();
    PumpFor(50);
    EXPECT_EQ(AppSettings.ShowZoomDlg, 1);

    Close(app);
    AppSettings.ShowZoomDlg = 0;
    SettingsStore(SIZE{1280, 1024}, Folder()).ReadSettingsFile(Folder());
    EXPECT_EQ(AppSettings.ShowZoomDlg, 1);
}

TEST_F(MainFrameGui, NothingIsWrittenAtCloseWhenThePlatformWasNotSupported)
{
    ScriptedMessageBoxes boxes({IDNO});
    CKestrelApp app;
    ASSERT_TRUE(app.InitInstance());
    ASSERT_EQ(app.Frame()->m_bOsSupported, 1);
    // As when the version check at creation failed.
    app.Frame()->m_bOsSupported = 0;
    Close(app);
    EXPECT_FALSE(app.Frame()->GetSafeHwnd());
    EXPECT_FALSE(QFileInfo::exists(CfgPath()));
}

TEST_F(MainFrameGui, MenusToolbarAndStatusBarOfClipModeAndMultiView)
{
    ScriptedMessageBoxes boxes({IDNO});
    CKestrelApp app;
    ASSERT_TRUE(app.InitInstance());
    CMainFrame& frame = *app.Frame();
    EXPECT_TRUE(m_opened.isEmpty());

    // File, View, its ClipWindow submenu, Edit, Options, Help.
    ASSERT_EQ(frame.MenuPopupCount(), 6);
    EXPECT_EQ(frame.MenuPopupTexts(0),
        (QStringList{QStringLiteral("新規作成　(Ctrl+N)"), QStringLiteral("開く　(Ctrl+O)"), QString(),
            QStringLiteral("保存　(Ctrl+S)"), QString(), QStringLiteral("印刷　(Ctrl+P)"), QString(),
            QStringLiteral("ｱﾌﾟﾘｹｰｼｮﾝの終了　(Ctrl+X)")}));
    EXPECT_EQ(frame.MenuPopupTexts(2).size(), 14);
    EXPECT_EQ(frame.MenuPopupTexts(5),
        (QStringList{QStringLiteral("マニュアルの表示"), QStringLiteral("Kestrelバージョン情報")}));

    std::vector<UINT> expected;
    for (const FrameToolbarButton& b : kToolbar128Main.buttons)
        expected.push_back(b.IsSeparator() ? 0 : b.command);
    EXPECT_EQ(expected.size(), 37u);
    EXPECT_EQ(frame.ToolbarCommands(), expected);

    EXPECT_EQ(frame.GetPaneText(0), QStringLiteral("Ready : Kestrel"));
    EXPECT_EQ(frame.GetPaneText(1), QStringLiteral("ｶﾅ"));
    EXPECT_EQ(frame.GetPaneText(2), QStringLiteral("CAP"));
    EXPECT_EQ(frame.GetPaneText(3), QStringLiteral("NUM"));
    EXPECT_EQ(frame.GetPaneText(4), QStringLiteral("SCRL"));
    EXPECT_GT(g_ScreenMetrics.toolbarHeight, 0);
    EXPECT_GT(g_ScreenMetrics.statusBarHeight, 2);

    // The multi view's menu and toolbar, and back: each item once.
    frame.SendMessage(WM_FRAME_SET_MODE, kFrameModeMultiViewStage);
    EXPECT_EQ(frame.MenuPopupCount(), 4);
    EXPECT_EQ(frame.ToolbarCommands().size(), 10u);
    frame.SendMessage(WM_FRAME_SET_MODE, kFrameModeViewStage);
    EXPECT_EQ(frame.MenuPopupCount(), 6);
    EXPECT_EQ(frame.ToolbarCommands(), expected);

    // Only the commands the program handles and whose rules hold (no stage
    // image yet, no bitmap left on the clipboard by an earlier test) stand enabled.
    QGuiApplication::clipboard()->clear();
    frame.UpdateCommandStates();
    for (UINT id : {ID_HELP_MANUAL, ID_APP_ABOUT, ID_APP_EXIT, ID_FILE_OPEN_IMAGE}) {
        EXPECT_TRUE(frame.IsMenuItemEnabled(id)) << id;
    }
    EXPECT_FALSE(frame.IsMenuItemEnabled(ID_FILE_SAVE_IMAGE));
    for (const FrameToolbarButton& b : kToolbar128Main.buttons) {
        if (b.IsSeparator())
            continue;
        EXPECT_EQ(frame.IsToolbarButtonEnabled(b.command),
            b.command == ID_APP_ABOUT || b.command == ID_FILE_OPEN_IMAGE ||
                b.command == ID_FILE_WORK_FOLDER || b.command == ID_VIEW_FILE_TREE)
            << b.command;
    }

    // The manual through its command; a disabled command does nothing.
    frame.SendMessage(WM_COMMAND, ID_HELP_MANUAL);
    frame.SendMessage(WM_COMMAND, ID_FILE_SAVE_IMAGE);
    EXPECT_EQ(m_opened, QStringList{Folder() + QStringLiteral("Kestrel.pdf")});
    // Exit closes the frame through WM_CLOSE.
    frame.SendMessage(WM_COMMAND, ID_APP_EXIT);
    EXPECT_TRUE(PumpUntil([&] { return !frame.GetSafeHwnd(); }, 2000));
    EXPECT_TRUE(QFileInfo::exists(CfgPath()));
    // The windows reach no frame once it is gone.
    EXPECT_NE(&GetFrameServices(), static_cast<FrameServices*>(&frame));
}

TEST_F(MainFrameGui, FrameFillsTheWorkAreaAndTheStageAreaLiesInside)
{
    ScriptedMessageBoxes boxes({IDNO});
    CKestrelApp app;
    ASSERT_TRUE(app.InitInstance());
    CMainFrame& frame = *app.Frame();
    const RECT screen = QueryScreenRect();
    // Offscreen there is no panel: the work area is the whole screen.
    EXPECT_EQ(frame.m_nTaskbarEdge, kTaskbarNone);
    EXPECT_EQ(frame.m_rcWorkArea.right, screen.right);
    EXPECT_EQ(frame.m_rcWorkArea.bottom, screen.bottom);
    EXPECT_GT(g_nStageAreaWidth, 0);
    EXPECT_GT(g_nStageAreaHeight, 0);
    EXPECT_GE(g_rcStageArea.left, frame.m_rcWorkArea.left);
    EXPECT_LE(g_rcStageArea.bottom, frame.m_rcWorkArea.bottom);
    // A move inside the bounds is taken; dragged far off to the left, the
    // frame comes back to that place.
    frame.GetWidget()->move(100, 120);
    PumpFor(50);
    const RECT placed = frame.m_rcFrame;
    RECT now;
    frame.GetWindowRect(&now);
    EXPECT_EQ(placed.left, now.left);
    EXPECT_EQ(placed.top, now.top);
    frame.GetWidget()->move(-1000, 120);
    PumpFor(50);
    frame.GetWindowRect(&now);
    EXPECT_EQ(now.left, placed.left);
    EXPECT_EQ(now.top, placed.top);
    Close(app);
}

TEST_F(MainFrameGui, TheWindowListKnowsTheFrameWhileItLives)
{
    ScriptedMessageBoxes boxes({IDNO});
    CKestrelApp app;
    ASSERT_TRUE(app.InitInstance());
    // The list leaves the frame and its tool windows out of captures by it.
    EXPECT_EQ(GetWindowListHost().mainFrame, app.Frame()->GetSafeHwnd());
    Close(app);
    EXPECT_EQ(GetWindowListHost().mainFrame, nullptr);
}

TEST_F(MainFrameGui, AboutBoxShowsTheVersionLinesAndOpensFromItsCommand)
{
    CAboutDlg about;
    QString version, platform, name, caption;
    QTimer::singleShot(0, [&] {
        version = about.GetDlgItem(IDC_ABOUT_VERSION)->GetWindowText();
        platform = about.GetDlgItem(IDC_ABOUT_PLATFORM_VERSION)->GetWindowText();
        name = about.GetDlgItem(IDC_ABOUT_NAME)->GetWindowText();
        caption = about.GetWindowText();
        about.EndDialog(IDOK);
    });
    EXPECT_EQ(about.DoModal(), IDOK);
    EXPECT_EQ(version, QStringLiteral("Version 1.00"));
    EXPECT_EQ(name, QStringLiteral("Kestrel"));
    EXPECT_EQ(caption, QStringLiteral("About Kestrel"));
    EXPECT_TRUE(platform.startsWith(QStringLiteral("WindowsVersion : Major="))) << platform.toStdString();
    EXPECT_EQ(
        AboutPlatformVersionText(10, 0, 0), QStringLiteral("WindowsVersion : Major=10, Minor=0, Build=0"));

    ScriptedMessageBoxes boxes({IDNO});
    CKestrelApp app;
    ASSERT_TRUE(app.InitInstance());
    QString shown;
    QTimer::singleShot(0, [&] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->isVisible() && top->windowTitle() == QStringLiteral("About Kestrel")) {
                shown = top->windowTitle();
                top->close();  // the close box answers IDCANCEL
            }
        }
    });
    app.Frame()->SendMessage(WM_COMMAND, ID_APP_ABOUT);
    EXPECT_EQ(shown, QStringLiteral("About Kestrel"));
    Close(app);
}

TEST_F(MainFrameGui, KeysAreSwallowedDuringADropCopyAndOtherwiseDispatched)
{
    ScriptedMessageBoxes boxes({IDNO});
    CKestrelApp app;
    ASSERT_TRUE(app.InitInstance());
    MSG msg{};
    msg.hwnd = app.Frame()->GetSafeHwnd();
    msg.message = WM_KEYDOWN;
    msg.wParam = 'X';
    g_bFileOperationBusy = 1;
    EXPECT_TRUE(app.PreTranslateMessage(&msg));
    g_bFileOperationBusy = 0;
    EXPECT_FALSE(app.PreTranslateMessage(&msg));  // no Ctrl: left to the window
    msg.message = WM_MOUSEWHEEL;
    EXPECT_FALSE(app.PreTranslateMessage(&msg));
    Close(app);
}

TEST_F(MainFrameGui, WhileDisabledForADropCopyTheFrameCannotBeClosed)
{
    ScriptedMessageBoxes boxes({IDNO});
    CKestrelApp app;
    ASSERT_TRUE(app.InitInstance());
    CMainFrame& frame = *app.Frame();
    frame.SendMessage(WM_FRAME_ENABLE, 0);
    EXPECT_FALSE(frame.IsWindowEnabled());
    EXPECT_EQ(frame.GetSystemMenu(FALSE)->GetMenuState(SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED, MF_GRAYED);
    frame.GetWidget()->close();  // the window manager's close button
    PumpFor(20);
    ASSERT_TRUE(frame.GetSafeHwnd());
    frame.SendMessage(WM_FRAME_ENABLE, 1);
    EXPECT_TRUE(frame.IsWindowEnabled());
    frame.GetWidget()->close();
    EXPECT_TRUE(PumpUntil([&] { return !frame.GetSafeHwnd(); }, 2000));
}

TEST_F(MainFrameGui, CtrlXOnTheFrameEndsTheProgramWithOrWithoutShift)
{
    for (const Qt::KeyboardModifiers mods :
        {Qt::KeyboardModifiers(Qt::ControlModifier), Qt::ControlModifier | Qt::ShiftModifier}) {
        SCOPED_TRACE(static_cast<int>(mods));
        ScriptedMessageBoxes boxes({IDNO});
        CKestrelApp app;
        ASSERT_TRUE(app.InitInstance());
        QWidget* w = app.Frame()->GetWidget();
        w->activateWindow();
        ASSERT_TRUE(PumpUntil([&] { return QApplication::activeWindow() == w; }, 2000));
        // Without Ctrl the key is left to the window.
        KeyClick(w, Qt::Key_X, QStringLiteral("x"));
        PumpFor(20);
        ASSERT_TRUE(app.Frame()->GetSafeHwnd());
        KeyClick(w, Qt::Key_X, QString(), mods);
        EXPECT_TRUE(PumpUntil([&] { return !app.Frame()->GetSafeHwnd(); }, 2000));
        EXPECT_TRUE(QFileInfo::exists(CfgPath()));
        QFile::remove(CfgPath());
    }
}

TEST_F(MainFrameGui, ForegroundForcingOfTheFrameSucceeds)
{
    ScriptedMessageBoxes boxes({IDNO});
    CKestrelApp app;
    ASSERT_TRUE(app.InitInstance());
    EXPECT_EQ(app.Frame()->ForceForegroundWindow(app.Frame()->GetSafeHwnd()), 1);
    EXPECT_EQ(GetForegroundWindow(), app.Frame()->GetSafeHwnd());
    Close(app);
}

}  // namespace
