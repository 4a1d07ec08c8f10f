#include "core/app_state.h"
#include "core/waits.h"
#include "platform/thread/worker_thread.h"
#include "platform/window/cursor.h"
#include "platform/window/window.h"
#include "platform/window/window_registry.h"
#include "tests/support/scripted_dialogs.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>
#include <latch>

TEST(Waits, WaitTimeFromText)
{
    const QString maxText = QStringLiteral("最大設定待ち時間は 7.0 秒です。");
    const QString minText = QStringLiteral("最小設定待ち時間は 0.1 秒です。");
    struct Case {
        const char* text;
        int ms;
        QString message;
    };
    const Case cases[] = {
        {"1.5", 1500, {}},
        {"0.05", 100, minText},
        {"12345678901", 7000, maxText},  // longer than 9 characters: 14000
        {"7", 7000, {}},
        {"7.01", 7000, maxText},
        {"0.1", 100, {}},
        {"", 100, minText},
        {"abc", 100, minText},
        {" 2.5s", 2500, {}},  // the leading number counts
        {"-3", 100, minText},
        {"1e3", 7000, maxText},
        {"1.", 1000, {}},
        {".25", 250, {}},
        {"nan", 100, minText},
    };
    for (const Case& c : cases) {
        QString message;
        EXPECT_EQ(WaitTimeFromText(QString::fromUtf8(c.text), &message), c.ms) << c.text;
        EXPECT_EQ(message, c.message) << c.text;
    }
}

TEST(Waits, LimitsAreReportedInABox)
{
    ScriptedMessageBoxes boxes;
    EXPECT_EQ(GetWaitTimeFromEditText(QStringLiteral("1.5")), 1500);
    EXPECT_TRUE(boxes.Requests().isEmpty());
    EXPECT_EQ(GetWaitTimeFromEditText(QStringLiteral("0.05")), 100);
    ASSERT_EQ(boxes.Requests().size(), 1);
    EXPECT_EQ(boxes.Requests()[0].text, QStringLiteral("最小設定待ち時間は 0.1 秒です。"));
    EXPECT_EQ(boxes.Requests()[0].type, MB_OK);
}

TEST(Waits, WaitTimeFromAnEditControl)
{
    ScriptedMessageBoxes boxes;
    QLineEdit line;
    CWnd edit;
    ASSERT_TRUE(edit.AttachWidget(&line, 1001, nullptr));
    line.setText(QStringLiteral("12345678901"));
    EXPECT_EQ(GetWaitTimeFromEdit(&edit), 7000);
    line.setText(QStringLiteral("2.25"));
    EXPECT_EQ(GetWaitTimeFromEdit(&edit), 2250);
    EXPECT_EQ(boxes.Texts(), QStringList{QStringLiteral("最大設定待ち時間は 7.0 秒です。")});
}

namespace {

std::unique_ptr<CWorkerThread> StartedWorker(std::function<void()> body)
{
    auto worker = std::make_unique<CWorkerThread>();
    EXPECT_TRUE(worker->Start(std::move(body)));
    return worker;
}

}  // namespace

TEST(Waits, StopThreadWithTimeout)
{
    std::unique_ptr<CWorkerThread> none;
    EXPECT_TRUE(StopThreadWithTimeout(none, 10));

    // A worker that has already ended: the holder is released at once.
    auto ended = StartedWorker([] {});
    ended->WaitForEnd(kWaitForever);
    EXPECT_TRUE(StopThreadWithTimeout(ended, 0));
    EXPECT_EQ(ended, nullptr);

    // A worker that needs the UI thread before it can stop: the wait keeps
    // handling messages, so the worker's box is answered and it ends.
    ScriptedMessageBoxes boxes;
    auto asking = StartedWorker([] { MessageBoxW(nullptr, QStringLiteral("?"), QString(), MB_OK); });
    EXPECT_TRUE(StopThreadWithTimeout(asking, 10000));
    EXPECT_EQ(asking, nullptr);
    EXPECT_EQ(boxes.Requests().size(), 1);

    // A worker that does not stop within the limit is reported and kept.
    std::latch release{1};
    auto stubborn = StartedWorker([&] { release.wait(); });
    EXPECT_FALSE(StopThreadWithTimeout(stubborn, 30));
    ASSERT_NE(stubborn, nullptr);
    release.count_down();
    EXPECT_TRUE(StopThreadWithTimeout(stubborn, 10000));
    EXPECT_EQ(stubborn, nullptr);
}

TEST(Waits, StopThreadWithTimeoutSurvivesAStopFromAHandledMessage)
{
    // While one wait pumps messages, a handler stops the same worker through
    // the same holder: the outer wait must see the released holder.
    std::latch release{1};
    auto worker = StartedWorker([&] { release.wait(); });
    bool innerResult = false;
    QTimer::singleShot(5, [&] {
        release.count_down();
        innerResult = StopThreadWithTimeout(worker, 10000);
    });
    EXPECT_TRUE(StopThreadWithTimeout(worker, 10000));
    EXPECT_TRUE(innerResult);
    EXPECT_EQ(worker, nullptr);
}

TEST(Waits, ShiftCtrlState)
{
    EXPECT_EQ(ShiftCtrlStateOf(true, false), 1);
    EXPECT_EQ(ShiftCtrlStateOf(false, true), 2);
    EXPECT_EQ(ShiftCtrlStateOf(true, true), 0);
    EXPECT_EQ(ShiftCtrlStateOf(false, false), 0);
    EXPECT_EQ(GetShiftCtrlState(), 0);  // no key is down in the test
}

TEST(Waits, DropFilesOnTheMainFrame)
{
    QWidget frameWidget;
    struct Frame : AppStateSource {
        HWND frame = nullptr;
        HWND Window(AppWindow w) const override { return w == AppWindow::MainFrame ? frame : nullptr; }
    } frame;
    frame.frame = RegisterWindowHandle(&frameWidget);
    EnableDropFiles(TRUE);  // no frame installed yet: nothing happens
    EXPECT_FALSE(frameWidget.acceptDrops());
    SetAppStateSource(&frame);
    EnableDropFiles(TRUE);
    EXPECT_TRUE(frameWidget.acceptDrops());
    EnableDropFiles(FALSE);
    EXPECT_FALSE(frameWidget.acceptDrops());
    SetAppStateSource(nullptr);
    UnregisterWindowHandle(frame.frame);
}

TEST(Waits, Cursors)
{
    SetStandardCursor(IDC_WAIT);
    EXPECT_EQ(CurrentOverrideCursorShape(), Qt::WaitCursor);
    SetCursorFrom(IDC_SIZEALL, 0);
    EXPECT_EQ(CurrentOverrideCursorShape(), Qt::SizeAllCursor);
    SetStandardCursor(IDC_ARROW);  // every window shows its own cursor again
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    SetAppCursor(4711);  // not registered: nothing changes
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    RegisterResourceCursor(4711, QCursor(Qt::CrossCursor));
    SetCursorFrom(4711, 1);
    EXPECT_EQ(CurrentOverrideCursorShape(), Qt::CrossCursor);
    SetStandardCursor(IDC_ARROW);
    SetStandardCursor(12345);  // unknown id: nothing shown
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}
