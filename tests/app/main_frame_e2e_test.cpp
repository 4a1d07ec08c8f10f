// The real kestrel, copied into a temporary folder (its program folder) and
// started on an X server of the test's own with openbox: its frame appears
// with its caption, closes on Ctrl+X or the window manager's close, and leaves
// Kestrel.cfg beside it. A screenshot of the frame is kept under the build
// folder. The server of its own keeps the full-screen frame off the display
// other tests share.
#include "tests/support/kestrel_process.h"
#include "tests/support/private_openbox.h"
#include "tests/support/private_xvfb.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <csignal>
#include <cstring>
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <memory>

namespace {

// An area of the root window (what the screen shows there), or a null image.
QImage GrabRootArea(Display* d, int x, int y, int w, int h)
{
    QImage shot;
    if (XImage* x11 = XGetImage(d, RootWindow(d, DefaultScreen(d)), x, y, static_cast<unsigned>(w),
            static_cast<unsigned>(h), AllPlanes, ZPixmap)) {
        if (x11->bits_per_pixel == 32) {
            shot = QImage(w, h, QImage::Format_RGB32);
            for (int row = 0; row < h; ++row)
                std::memcpy(shot.scanLine(row), x11->data + static_cast<qsizetype>(row) * x11->bytes_per_line,
                    static_cast<size_t>(w) * 4);
        }
        XDestroyImage(x11);
    }
    return shot;
}

// The whole screen of the display, or a null image.
QImage GrabScreen(const QString& display)
{
    Display* d = XOpenDisplay(display.toLatin1().constData());
    if (!d)
        return {};
    const int screen = DefaultScreen(d);
    const QImage shot = GrabRootArea(d, 0, 0, DisplayWidth(d, screen), DisplayHeight(d, screen));
    XCloseDisplay(d);
    return shot;
}

int IgnoreXError(Display*, XErrorEvent*)
{
    return 0;
}

// What the screen shows of a mapped window, or a null image while the window
// is not mapped (or is gone).
QImage GrabShownWindow(const QString& display, Window window)
{
    Display* d = XOpenDisplay(display.toLatin1().constData());
    if (!d)
        return {};
    const XErrorHandler previous = XSetErrorHandler(IgnoreXError);
    QImage shot;
    XWindowAttributes a{};
    Window child = 0;
    int x = 0, y = 0;
    const Window root = RootWindow(d, DefaultScreen(d));
    if (XGetWindowAttributes(d, window, &a) && a.map_state == IsViewable &&
        XTranslateCoordinates(d, window, root, 0, 0, &x, &y, &child)) {
        const QRect onScreen =
            QRect(x, y, a.width, a.height)
                .intersected(QRect(0, 0, WidthOfScreen(a.screen), HeightOfScreen(a.screen)));
        if (!onScreen.isEmpty())
            shot = GrabRootArea(d, onScreen.x(), onScreen.y(), onScreen.width(), onScreen.height());
    }
    XSync(d, False);
    XSetErrorHandler(previous);
    XCloseDisplay(d);
    return shot;
}

// A drawn window shows more colours than an empty area or the server's
// two-colour root pattern.
bool ShowsADrawing(const QImage& image)
{
    QRgb seen[2] = {image.pixel(0, 0), image.pixel(0, 0)};
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (row[x] == seen[0] || row[x] == seen[1])
                continue;
            if (seen[0] != seen[1])
                return true;
            seen[1] = row[x];
        }
    }
    return false;
}

class KestrelProcess : public testing::Test {
protected:
    void SetUp() override
    {
        for (const char* tool : {"Xvfb", "openbox", "xdotool"})
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                GTEST_SKIP() << tool << " is not installed";
        m_server = std::make_unique<PrivateXvfb>(1280, 1024);
        ASSERT_TRUE(m_server->running());
        m_wm = std::make_unique<PrivateOpenbox>(m_server->display());
        ASSERT_TRUE(m_wm->running()) << "openbox did not start";
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_FALSE(CopyKestrelInto(m_dir.path()).isEmpty());
    }
    void TearDown() override
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
        m_wm.reset();
        m_server.reset();
    }

    QString Xdotool(const QStringList& args) const
    {
        return RunTool(m_server->display(), QStringLiteral("xdotool"), args);
    }

    // The first visible window of the program whose name matches; empty when
    // none appears in time.
    QString WaitForWindow(const QString& nameRegex, int timeoutMs = 20000) const
    {
        QString found;
        WaitFor(
            [&] {
                found =
                    Xdotool({QStringLiteral("search"), QStringLiteral("--all"),
                                QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                                QString::number(m_process.processId()), QStringLiteral("--name"), nameRegex})
                        .split(u'\n')
                        .first();
                return !found.isEmpty();
            },
            timeoutMs);
        return found;
    }

    void PressKeysOn(const QString& window, const QString& keys) const
    {
        Xdotool({QStringLiteral("windowactivate"), QStringLiteral("--sync"), window});
        // The keys go where the input focus is: wait until the window has it.
        // When it does not come, the keys go anyway and the caller tries again.
        WaitFor([&] { return Xdotool({QStringLiteral("getwindowfocus")}) == window; }, 5000);
        Xdotool({QStringLiteral("key"), QStringLiteral("--clearmodifiers"), keys});
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

    // True once the window is mapped and shows a drawing that two grabs in a
    // row agree on: its painting has reached the screen and settled.
    bool WaitUntilPainted(const QString& window, int timeoutMs = 20000) const
    {
        const Window id = window.toULong();
        QImage previous;
        return WaitFor(
            [&] {
                const QImage shown = GrabShownWindow(m_server->display(), id);
                const bool settled = !shown.isNull() && shown == previous && ShowsADrawing(shown);
                previous = shown;
                return settled;
            },
            timeoutMs);
    }

    QString Binary() const { return m_dir.filePath(QStringLiteral("kestrel")); }
    QString Cfg() const { return m_dir.filePath(QStringLiteral("Kestrel.cfg")); }

    void Start()
    {
        m_process.setProcessEnvironment(DisplayEnvironment(m_server->display()));
        EndWithThisProcess(m_process);
        m_process.setWorkingDirectory(QDir::tempPath());
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(Binary(), {});
        ASSERT_TRUE(m_process.waitForStarted(10000));
    }

    // The screen with the frame on it, saved as a PNG under the build folder.
    void KeepScreenshot(const QString& name) const
    {
        const QImage shot = GrabScreen(m_server->display());
        ASSERT_FALSE(shot.isNull());
        QDir().mkpath(QStringLiteral(KESTREL_BINARY_DIR "/test-artifacts"));
        EXPECT_TRUE(shot.save(QStringLiteral(KESTREL_BINARY_DIR "/test-artifacts/") + name));
    }

    std::unique_ptr<PrivateXvfb> m_server;
    std::unique_ptr<PrivateOpenbox> m_wm;
    QTemporaryDir m_dir;
    QProcess m_process;
};

TEST_F(KestrelProcess, FirstStartAsksShowsTheFrameAndLeavesSettingsAtCtrlX)
{
    Start();
    // No settings yet: the first-run question comes; "No" goes on without the manual.
    const QString box = WaitForWindow(QStringLiteral("^Kestrel$"));
    ASSERT_FALSE(box.isEmpty()) << "no first-run question";
    QString frame;
    for (int attempt = 0; attempt < 3 && frame.isEmpty(); ++attempt) {
        PressKeysOn(box, QStringLiteral("alt+n"));
        frame = WaitForWindow(QStringLiteral("^Kestrel Ver\\.1\\.00$"), 7000);
    }
    ASSERT_FALSE(frame.isEmpty()) << "no frame with the caption";
    ASSERT_TRUE(WaitUntilPainted(frame)) << "the frame was not painted";
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
    {
        QFile cfg(Cfg());
        ASSERT_TRUE(cfg.open(QIODevice::WriteOnly));
        cfg.write("[-Directory-]\n");
    }
    Start();
    const QString frame = WaitForWindow(QStringLiteral("^Kestrel Ver\\.1\\.00$"));
    ASSERT_FALSE(frame.isEmpty());
    EXPECT_TRUE(WaitForWindow(QStringLiteral("^Kestrel$"), 300).isEmpty());
    // The window manager's close (Alt+F4) arrives as the window's close request.
    ASSERT_TRUE(CloseWith(frame, QStringLiteral("alt+F4"))) << "the frame did not close";
    EXPECT_EQ(m_process.exitCode(), 0);
    EXPECT_GT(QFileInfo(Cfg()).size(), 1000);
}

// The session ending (SIGTERM from a logout, SIGHUP from a closed terminal)
// closes the frame as a user would: the settings are saved, the exit is clean.
TEST_F(KestrelProcess, SessionEndSignalSavesTheSettingsAndQuits)
{
    for (const int signal : {SIGTERM, SIGHUP}) {
        SCOPED_TRACE(signal);
        QFile::remove(Cfg());
        {
            QFile cfg(Cfg());
            ASSERT_TRUE(cfg.open(QIODevice::WriteOnly));
            cfg.write("[-Directory-]\n");
        }
        Start();
        ASSERT_FALSE(WaitForWindow(QStringLiteral("^Kestrel Ver\\.1\\.00$")).isEmpty());
        ASSERT_EQ(kill(static_cast<pid_t>(m_process.processId()), signal), 0);
        ASSERT_TRUE(m_process.waitForFinished(10000)) << "the program did not end";
        EXPECT_EQ(m_process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(m_process.exitCode(), 0);
        EXPECT_GT(QFileInfo(Cfg()).size(), 1000) << "the settings were not saved";
    }
}

}  // namespace
