// The real kestrel, copied into a temporary folder (its program folder) and
// started on the test display: its frame appears with its caption, closes on
// Ctrl+X or the window manager's close, and leaves Kestrel.cfg beside it. A
// screenshot of the frame is kept under the build folder.
#include "platform/x11/desktop_services.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

QString Xdotool(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral("xdotool"), args);
    p.waitForFinished(5000);
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

// The first visible window of the process whose name matches; empty when none
// appears in time.
QString WaitForWindow(qint64 pid, const QString& nameRegex, int timeoutMs = 20000)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs) {
        const QString ids =
            Xdotool({QStringLiteral("search"), QStringLiteral("--all"), QStringLiteral("--onlyvisible"),
                QStringLiteral("--pid"), QString::number(pid), QStringLiteral("--name"), nameRegex});
        if (!ids.isEmpty())
            return ids.split(u'\n').first();
        QThread::msleep(100);
    }
    return {};
}

void PressKeysOn(const QString& window, const QString& keys)
{
    Xdotool({QStringLiteral("windowactivate"), QStringLiteral("--sync"), window});
    QThread::msleep(100);
    Xdotool({QStringLiteral("key"), QStringLiteral("--clearmodifiers"), keys});
}

// The test's environment; a sanitizer build of the program also gets the
// project's leak suppressions when the caller set none.
QProcessEnvironment ProgramEnvironment()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!env.contains(QStringLiteral("LSAN_OPTIONS")))
        env.insert(QStringLiteral("LSAN_OPTIONS"),
            QStringLiteral("suppressions=" KESTREL_TEST_DATA_DIR "/../support/lsan.supp"));
    return env;
}

bool HasWindowManager()
{
    return Desktop().windows.HasWindowManager();
}

class KestrelProcess : public testing::Test {
protected:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY") || !DesktopIsAvailable())
            GTEST_SKIP() << "no X display";
        if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
            GTEST_SKIP() << "xdotool is not installed";
        ASSERT_TRUE(m_dir.isValid());
        const QString built = QStringLiteral(KESTREL_BINARY_DIR "/kestrel");
        ASSERT_TRUE(QFileInfo::exists(built)) << built.toStdString();
        ASSERT_TRUE(QFile::copy(built, Binary()));
        QFile::setPermissions(Binary(), QFile::permissions(built));
    }
    void TearDown() override
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }

    QString Binary() const { return m_dir.filePath(QStringLiteral("kestrel")); }
    QString Cfg() const { return m_dir.filePath(QStringLiteral("Kestrel.cfg")); }

    void Start()
    {
        m_process.setWorkingDirectory(QDir::tempPath());
        m_process.setProcessEnvironment(ProgramEnvironment());
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(Binary(), {});
        ASSERT_TRUE(m_process.waitForStarted(10000));
    }

    // Presses the keys on the frame until the program has ended (a few tries).
    bool CloseWith(const QString& frame, const QString& keys)
    {
        for (int attempt = 0; attempt < 3; ++attempt) {
            PressKeysOn(frame, keys);
            if (m_process.waitForFinished(7000))
                return true;
        }
        return false;
    }

    // The screen with the frame on it, saved as a PNG under the build folder.
    static void KeepScreenshot(const QString& name)
    {
        const SIZE size = Desktop().grab.ScreenSize();
        QImage shot;
        ASSERT_TRUE(Desktop().grab.Grab(RECT{0, 0, size.cx, size.cy}, shot));
        QDir().mkpath(QStringLiteral(KESTREL_BINARY_DIR "/test-artifacts"));
        EXPECT_TRUE(shot.save(QStringLiteral(KESTREL_BINARY_DIR "/test-artifacts/") + name));
    }

    QTemporaryDir m_dir;
    QProcess m_process;
};

TEST_F(KestrelProcess, FirstStartAsksShowsTheFrameAndLeavesSettingsAtCtrlX)
{
    Start();
    const qint64 pid = m_process.processId();
    // No settings yet: the first-run question comes; "No" goes on without the manual.
    const QString box = WaitForWindow(pid, QStringLiteral("^Kestrel$"));
    ASSERT_FALSE(box.isEmpty()) << "no first-run question";
    // Other tests share the display and may take the focus: press again if needed.
    QString frame;
    for (int attempt = 0; attempt < 3 && frame.isEmpty(); ++attempt) {
        PressKeysOn(box, QStringLiteral("alt+n"));
        frame = WaitForWindow(pid, QStringLiteral("^Kestrel Ver\\.1\\.00$"), 7000);
    }
    ASSERT_FALSE(frame.isEmpty()) << "no frame with the caption";
    QThread::msleep(700);  // let it paint
    KeepScreenshot(QStringLiteral("main_frame_e2e.png"));
    EXPECT_FALSE(QFileInfo::exists(Cfg()));

    ASSERT_TRUE(CloseWith(frame, QStringLiteral("ctrl+x"))) << "the frame did not close on Ctrl+X";
    EXPECT_EQ(m_process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(m_process.exitCode(), 0);
    ASSERT_TRUE(QFileInfo::exists(Cfg()));
    QFile cfg(Cfg());
    ASSERT_TRUE(cfg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(cfg.readAll().contains("LastAccessDir"));
}

TEST_F(KestrelProcess, LaterStartAsksNothingAndClosesThroughTheWindowManager)
{
    if (!HasWindowManager())
        GTEST_SKIP() << "no window manager to close the window";
    {
        QFile cfg(Cfg());
        ASSERT_TRUE(cfg.open(QIODevice::WriteOnly));
        cfg.write("[-Directory-]\n");
    }
    Start();
    const qint64 pid = m_process.processId();
    const QString frame = WaitForWindow(pid, QStringLiteral("^Kestrel Ver\\.1\\.00$"));
    ASSERT_FALSE(frame.isEmpty());
    EXPECT_TRUE(Xdotool({QStringLiteral("search"), QStringLiteral("--all"), QStringLiteral("--onlyvisible"),
                            QStringLiteral("--pid"), QString::number(pid), QStringLiteral("--name"),
                            QStringLiteral("^Kestrel$")})
                    .isEmpty());
    // The window manager's close (Alt+F4) arrives as the window's close request.
    ASSERT_TRUE(CloseWith(frame, QStringLiteral("alt+F4"))) << "the frame did not close";
    EXPECT_EQ(m_process.exitCode(), 0);
    EXPECT_GT(QFileInfo(Cfg()).size(), 1000);
}

}  // namespace
