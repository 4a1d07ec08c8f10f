// The real kestrel and a real browser (Debian's Chromium) on an X server of
// the test's own with openbox: the browser shows a long local page of
// numbered rows, each 30 pixels high in a colour of its own; the window is
// picked in the capture-window chooser, the scroll-capture question is
// answered with Yes, and with AfterScrollBehave 3 the whole stitched page
// opens in clip window 1, which Ctrl+S saves as a PNG file. Down the middle
// of the file every row shows once, in order, exactly 30 pixels high. The
// browser scrolls without animation, so that the test does not depend on
// how busy the machine is when a screen is grabbed.
// Screenshots are kept under the build folder.
#include "tests/support/kestrel_process.h"
#include "tests/support/private_openbox.h"
#include "tests/support/private_xvfb.h"
#include "tests/support/screen_grab.h"
#include "tests/support/window_on_screen.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>
#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace {

constexpr int kRows = 150;
constexpr int kRowHeight = 30;

// Row i's colour: three digits of i in three channels. Red is a multiple of
// 20 and green 10 more than one, so that no row is a grey of the browser's bars.
QRgb RowColor(int i)
{
    return qRgb(60 + (i % 10) * 20, 50 + ((i / 10) % 10) * 20, 45 + (i / 100) * 70);
}

// The row a pixel shows (within a few levels), or -1.
int RowOf(QRgb c)
{
    const auto digit = [](int v, int base, int step) {
        const int d = (v - base + step / 2) / step;
        return v >= base - 4 && std::abs(base + d * step - v) <= 4 ? d : -1;
    };
    const int a = digit(qRed(c), 60, 20);
    const int b = digit(qGreen(c), 50, 20);
    const int h = digit(qBlue(c), 45, 70);
    if (a < 0 || a > 9 || b < 0 || b > 9 || h < 0 || h > 2)
        return -1;
    const int row = a + 10 * b + 100 * h;
    return row < kRows ? row : -1;
}

QByteArray PageHtml()
{
    QByteArray html = "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>rows</title><style>"
                      "html,body{margin:0;padding:0}"
                      "div{height:30px;font:14px monospace;color:#fff;padding-left:4px;box-sizing:border-box}"
                      "</style></head><body>\n";
    for (int i = 0; i < kRows; ++i) {
        const QRgb c = RowColor(i);
        html += QStringLiteral("<div style=\"background:rgb(%1,%2,%3)\">%4</div>\n")
                    .arg(qRed(c))
                    .arg(qGreen(c))
                    .arg(qBlue(c))
                    .arg(i)
                    .toUtf8();
    }
    return html + "</body></html>\n";
}

class ScrollCaptureProcess : public testing::Test {
protected:
    void SetUp() override
    {
        for (const char* tool : {"Xvfb", "openbox", "xdotool"})
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                GTEST_SKIP() << tool << " is not installed";
        m_browserPath = QStandardPaths::findExecutable(QStringLiteral("chromium"));
        if (m_browserPath.isEmpty())
            GTEST_SKIP() << "chromium is not installed (scripts/test installs it)";
        m_server = std::make_unique<PrivateXvfb>(1280, 1024);
        ASSERT_TRUE(m_server->running());
        m_wm = std::make_unique<PrivateOpenbox>(m_server->display());
        ASSERT_TRUE(m_wm->running()) << "openbox did not start";
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_FALSE(CopyKestrelInto(m_dir.path()).isEmpty());
        QFile cfg(m_dir.filePath(QStringLiteral("Kestrel.cfg")));
        ASSERT_TRUE(cfg.open(QIODevice::WriteOnly));
        // A later start (no first-run question); the whole page opens in a clip
        // window; 100 ms after each notch, for a machine busy with other tests.
        cfg.write("[-Directory-]\n[-OptionScCap-]\nAfterScrollBehave = 3\nScrollWait = 100\n");
        cfg.close();
        QFile page(m_dir.filePath(QStringLiteral("rows.html")));
        ASSERT_TRUE(page.open(QIODevice::WriteOnly));
        page.write(PageHtml());
    }
    void TearDown() override
    {
        for (QProcess* p : {&m_kestrel, &m_browser}) {
            if (p->state() != QProcess::NotRunning) {
                p->kill();
                p->waitForFinished(5000);
            }
        }
        m_wm.reset();
        m_server.reset();
    }

    QString Xdotool(const QStringList& args) const
    {
        return RunTool(m_server->display(), QStringLiteral("xdotool"), args);
    }

    QStringList Windows(const QStringList& query) const
    {
        return Xdotool(
            QStringList{QStringLiteral("search"), QStringLiteral("--all"), QStringLiteral("--onlyvisible")} +
            query)
            .split(u'\n', Qt::SkipEmptyParts);
    }
    QStringList KestrelWindows(const QString& nameRegex = QStringLiteral(".*")) const
    {
        return Windows({QStringLiteral("--pid"), QString::number(m_kestrel.processId()),
            QStringLiteral("--name"), nameRegex});
    }
    QString WaitForKestrelWindow(const QString& nameRegex, int timeoutMs) const
    {
        QString found;
        WaitFor(
            [&] {
                found = KestrelWindows(nameRegex).value(0);
                return !found.isEmpty();
            },
            timeoutMs);
        return found;
    }

    QRect Geometry(const QString& window) const { return WindowRectOnScreen(m_server->display(), window); }

    void MoveTo(QPoint at) const
    {
        Xdotool({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y())});
    }
    void Click(QPoint at) const
    {
        MoveTo(at);
        QThread::msleep(150);
        Xdotool({QStringLiteral("click"), QStringLiteral("1")});
    }
    void PressKeysOn(const QString& window, const QString& keys) const
    {
        PressKeysOnWindow(m_server->display(), window, keys);
    }
    void KeepScreenshot(const QString& name) const { ::KeepScreenshot(m_server->display(), name); }

    // Starts the browser on the page; its window once the page shows, settled, or empty.
    QString StartBrowser()
    {
        m_browser.setProcessEnvironment(DisplayEnvironment(m_server->display()));
        EndWithThisProcess(m_browser);
        m_browser.setProcessChannelMode(QProcess::MergedChannels);
        m_browser.setStandardOutputFile(QProcess::nullDevice());
        m_browser.start(m_browserPath,
            {QStringLiteral("--no-sandbox"), QStringLiteral("--test-type"), QStringLiteral("--no-first-run"),
                QStringLiteral("--no-default-browser-check"), QStringLiteral("--disable-gpu"),
                // Each notch lands at once: no grab sees the page between two places.
                QStringLiteral("--disable-smooth-scrolling"), QStringLiteral("--password-store=basic"),
                QStringLiteral("--user-data-dir=") + m_dir.filePath("profile"),
                QStringLiteral("--window-position=300,40"), QStringLiteral("--window-size=900,820"),
                QUrl::fromLocalFile(m_dir.filePath(QStringLiteral("rows.html"))).toString()});
        if (!m_browser.waitForStarted(10000))
            return {};
        QString window;
        WaitFor(
            [&] {
                window = Windows({QStringLiteral("--class"), QStringLiteral("chromium")}).value(0);
                return !window.isEmpty();
            },
            30000);
        if (window.isEmpty())
            return {};
        // Rendered and settled: row 0's colour inside the window, the same in two looks.
        QImage last;
        const bool settled = WaitFor(
            [&] {
                const QRect g = Geometry(window);
                const QImage shot = GrabScreen(m_server->display()).copy(g);
                bool rowZero = false;
                for (int y = 0; y < shot.height() && !rowZero; y += 2)
                    rowZero = RowOf(shot.pixel(shot.width() / 2, y)) == 0;
                const bool same = !last.isNull() && shot == last;
                last = shot;
                return rowZero && same;
            },
            30000);
        return settled ? window : QString();
    }

    void StartKestrel()
    {
        m_kestrel.setProcessEnvironment(DisplayEnvironment(m_server->display()));
        EndWithThisProcess(m_kestrel);
        m_kestrel.setWorkingDirectory(QDir::tempPath());
        m_kestrel.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_kestrel.start(m_dir.filePath(QStringLiteral("kestrel")), {});
        ASSERT_TRUE(m_kestrel.waitForStarted(10000));
    }

    std::unique_ptr<PrivateXvfb> m_server;
    std::unique_ptr<PrivateOpenbox> m_wm;
    QTemporaryDir m_dir;
    QString m_browserPath;
    QProcess m_browser;
    QProcess m_kestrel;
};

TEST_F(ScrollCaptureProcess, ABrowserPageIsCapturedWholeWithEveryRowOnceInOrder)
{
    const QString browser = StartBrowser();
    KeepScreenshot(QStringLiteral("scroll_capture_e2e_browser.png"));
    ASSERT_FALSE(browser.isEmpty()) << "the browser does not show the page";

    StartKestrel();
    const QString frame = WaitForKestrelWindow(QStringLiteral("^Kestrel Ver\\.1\\.00$"), 20000);
    ASSERT_FALSE(frame.isEmpty()) << "no frame";
    // The panel is the program's window that is taller than wide.
    QString panel;
    ASSERT_TRUE(WaitFor(
        [&] {
            for (const QString& w : KestrelWindows()) {
                const QRect g = Geometry(w);
                if (w != frame && g.height() > g.width())
                    panel = w;
            }
            return !panel.isEmpty();
        },
        20000))
        << "no panel";
    // Placed: the panel stands still.
    QRect panelRect;
    ASSERT_TRUE(WaitFor(
        [&] {
            const QRect now = Geometry(panel);
            const bool still = !now.isEmpty() && now == panelRect;
            panelRect = now;
            return still;
        },
        10000));
    const QStringList before = KestrelWindows();
    const double scale = panelRect.width() / 168.0;  // the panel's template is 168 pixels wide

    // Resting on the chooser button (122, 156, 36, 36) drops the chooser down;
    // the browser is its only row.
    const QPoint button = panelRect.topLeft() + QPoint(qRound(140 * scale), qRound(174 * scale));
    MoveTo(button - QPoint(qRound(30 * scale), 0));  // the way a hand comes in from the left
    QThread::msleep(100);
    MoveTo(button);
    QString chooser;
    ASSERT_TRUE(WaitFor(
        [&] {
            for (const QString& w : KestrelWindows())
                if (!before.contains(w))
                    chooser = w;
            return !chooser.isEmpty();
        },
        10000))
        << "no chooser";
    QThread::msleep(800);  // the chooser ignores clicks for its first 750 ms
    const QRect chooserRect = Geometry(chooser);
    Click(chooserRect.topLeft() + QPoint(chooserRect.width() / 2, qRound(9 * scale)));

    // "Yes ( scroll capture )" is the question's default button.
    const QString question = WaitForKestrelWindow(QStringLiteral("スクロールキャプチャ確認"), 10000);
    KeepScreenshot(QStringLiteral("scroll_capture_e2e_question.png"));
    ASSERT_FALSE(question.isEmpty()) << "no scroll-capture question";
    PressKeysOn(question, QStringLiteral("Return"));

    const QString clip = WaitForKestrelWindow(QStringLiteral("^Clip1 "), 90000);
    KeepScreenshot(QStringLiteral("scroll_capture_e2e_clip.png"));
    if (clip.isEmpty()) {
        QStringList shown;
        for (const QString& w : KestrelWindows())
            shown << Xdotool({QStringLiteral("getwindowname"), w});
        FAIL() << "clip window 1 did not open; the program shows: " << shown.join(u'|').toStdString();
    }

    QString dialog;
    for (int attempt = 0; attempt < 3 && dialog.isEmpty(); ++attempt) {
        PressKeysOn(clip, QStringLiteral("ctrl+s"));
        dialog = WaitForKestrelWindow(QStringLiteral("イメージファイルの保存"), 7000);
    }
    ASSERT_FALSE(dialog.isEmpty()) << "no save dialog";
    PressKeysOn(dialog, QStringLiteral("ctrl+a"));
    Xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("30"),
        QStringLiteral("scrolled.png")});
    Xdotool({QStringLiteral("key"), QStringLiteral("Return")});
    QImage file;
    WaitFor(
        [&] {
            file = QImage(m_dir.filePath(QStringLiteral("scrolled.png")));
            return !file.isNull();
        },
        10000);
    ASSERT_FALSE(file.isNull()) << "no PNG file was saved";
    file.save(QStringLiteral(KESTREL_BINARY_DIR "/test-artifacts/scroll_capture_e2e_saved.png"));

    // Down the middle: the rows as runs of one colour, every one once, in order, 30 pixels each.
    QList<int> rows;
    QList<int> heights;
    const int x = file.width() / 2;
    for (int y = 0; y < file.height(); ++y) {
        const int row = RowOf(file.pixel(x, y));
        if (row < 0)
            continue;
        if (!rows.isEmpty() && rows.last() == row) {
            ++heights.last();
        } else {
            rows << row;
            heights << 1;
        }
    }
    QStringList runs;
    for (int i = 0; i < rows.size(); ++i)
        runs << QStringLiteral("%1:%2").arg(rows[i]).arg(heights[i]);
    // Above the page lie the browser's own bars: the page starts at row 0.
    const qsizetype top = rows.indexOf(0);
    ASSERT_GE(top, 0) << runs.join(u' ').toStdString();
    rows.remove(0, top);
    heights.remove(0, top);
    ASSERT_EQ(rows.size(), kRows) << runs.join(u' ').toStdString();
    for (int i = 0; i < kRows; ++i) {
        EXPECT_EQ(rows[i], i) << "run " << i;
        EXPECT_EQ(heights[i], kRowHeight) << "row " << rows[i];
    }
}

}  // namespace
