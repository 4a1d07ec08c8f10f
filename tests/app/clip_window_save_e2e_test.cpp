// The real kestrel on an X server of the test's own with openbox: the panel's
// full-screen button captures a desktop that shows a grid of coloured cells,
// two clicks on the stage cut a range of it, clip window 1 opens with it, and
// Ctrl+S saves it through the real save dialog as a PNG file that
// holds the captured screen's pixels of that range exactly. Screenshots are
// kept under the build folder.
#include "tests/support/kestrel_process.h"
#include "tests/support/private_openbox.h"
#include "tests/support/private_xvfb.h"
#include "tests/support/screen_grab.h"
#include "tests/support/window_on_screen.h"
#include "tests/support/x11_fixture_windows.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <cstring>
#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace {

constexpr unsigned long kDesktopColor = 0x204060;
constexpr int kCell = 40;
constexpr int kColumns = 12;
constexpr int kRows = 8;

// Every cell of the grid has a colour of its own, so that a cell can be
// found again on the stage's shrunk view of the capture.
unsigned long CellColor(int column, int row)
{
    const unsigned long r = 40 + (column * 53 + row * 31) % 200;
    const unsigned long g = 30 + (column * 17 + row * 71) % 210;
    const unsigned long b = 20 + (column * 89 + row * 13) % 220;
    return (r << 16) | (g << 8) | b;
}

// Whether the screen shows the picture pixel for pixel with its top-left corner at `at`.
bool ShowsAt(const QImage& screen, const QImage& picture, QPoint at)
{
    const auto rowBytes = static_cast<size_t>(picture.width()) * 4;
    for (int y = 0; y < picture.height(); ++y) {
        const uchar* shown = screen.constScanLine(at.y() + y) + static_cast<qsizetype>(at.x()) * 4;
        if (std::memcmp(shown, picture.constScanLine(y), rowBytes) != 0)
            return false;
    }
    return true;
}

// Where the screen shows the picture (both Format_RGB32) pixel for pixel, if anywhere.
std::optional<QPoint> FindExactly(const QImage& screen, const QImage& picture)
{
    for (int y = 0; y + picture.height() <= screen.height(); ++y)
        for (int x = 0; x + picture.width() <= screen.width(); ++x)
            if (ShowsAt(screen, picture, QPoint(x, y)))
                return QPoint(x, y);
    return std::nullopt;
}

// The centre of the pixels of one colour inside an area of the screen, when
// enough of them show it.
std::optional<QPoint> CentreOfColor(const QImage& screen, const QRect& area, unsigned long rgb)
{
    const QRgb wanted = 0xFF000000u | static_cast<QRgb>(rgb);
    long long sumX = 0, sumY = 0, count = 0;
    const QRect inside = area.intersected(screen.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (screen.pixel(x, y) == wanted) {
                sumX += x;
                sumY += y;
                ++count;
            }
        }
    }
    if (count < 16)
        return std::nullopt;
    return QPoint(static_cast<int>(sumX / count), static_cast<int>(sumY / count));
}

class ClipWindowSaveProcess : public testing::Test {
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
        QFile cfg(m_dir.filePath(QStringLiteral("Kestrel.cfg")));
        ASSERT_TRUE(cfg.open(QIODevice::WriteOnly));
        cfg.write("[-Directory-]\n");  // a later start: no first-run question
    }
    void TearDown() override
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
        m_fixtures.reset();
        m_wm.reset();
        m_server.reset();
    }

    QString Xdotool(const QStringList& args) const
    {
        return RunTool(m_server->display(), QStringLiteral("xdotool"), args);
    }

    // The visible windows of the program, by name.
    QStringList VisibleWindows(const QString& nameRegex = QStringLiteral(".*")) const
    {
        return Xdotool({QStringLiteral("search"), QStringLiteral("--all"), QStringLiteral("--onlyvisible"),
                           QStringLiteral("--pid"), QString::number(m_process.processId()),
                           QStringLiteral("--name"), nameRegex})
            .split(u'\n', Qt::SkipEmptyParts);
    }

    // The first visible window of the program whose name matches; empty when
    // none appears in time.
    QString WaitForWindow(const QString& nameRegex, int timeoutMs = 20000) const
    {
        QString found;
        WaitFor(
            [&] {
                found = VisibleWindows(nameRegex).value(0);
                return !found.isEmpty();
            },
            timeoutMs);
        return found;
    }

    QRect Geometry(const QString& window) const { return WindowRectOnScreen(m_server->display(), window); }

    void Click(QPoint at) const
    {
        Xdotool({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y())});
        QThread::msleep(150);
        Xdotool({QStringLiteral("click"), QStringLiteral("1")});
        QThread::msleep(150);
    }

    void PressKeysOn(const QString& window, const QString& keys) const
    {
        PressKeysOnWindow(m_server->display(), window, keys);
    }

    void KeepScreenshot(const QString& name) const { ::KeepScreenshot(m_server->display(), name); }

    // The desktop: one colour, and a grid of cells in a window of its own.
    // Returns the grid's top-left corner on the screen.
    QPoint ShowGrid()
    {
        m_fixtures = std::make_unique<FixtureDisplay>(m_server->display());
        EXPECT_TRUE(m_fixtures->isOpen());
        if (!m_fixtures->isOpen())
            return {};
        m_fixtures->SetRootBackground(kDesktopColor);
        FixtureWindowRecipe recipe;
        recipe.title = QStringLiteral("grid");
        recipe.x = 300;
        recipe.y = 420;
        recipe.width = kColumns * kCell;
        recipe.height = kRows * kCell;
        const HWND grid = m_fixtures->Create(recipe);
        EXPECT_NE(grid, nullptr);
        for (int row = 0; row < kRows; ++row)
            for (int column = 0; column < kColumns; ++column)
                m_fixtures->AddChild(grid, column * kCell, row * kCell, kCell, kCell, CellColor(column, row));
        m_fixtures->Sync();
        const POINT origin = m_fixtures->ClientOrigin(grid);
        return QPoint(origin.x, origin.y);
    }

    void Start()
    {
        m_process.setProcessEnvironment(DisplayEnvironment(m_server->display()));
        EndWithThisProcess(m_process);
        m_process.setWorkingDirectory(QDir::tempPath());
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(m_dir.filePath(QStringLiteral("kestrel")), {});
        ASSERT_TRUE(m_process.waitForStarted(10000));
    }

    std::unique_ptr<PrivateXvfb> m_server;
    std::unique_ptr<PrivateOpenbox> m_wm;
    std::unique_ptr<FixtureDisplay> m_fixtures;
    QTemporaryDir m_dir;
    QProcess m_process;
};

TEST_F(ClipWindowSaveProcess, ARangeCutFromAFullScreenCaptureIsSavedAsPngWithTheScreensPixels)
{
    const QPoint grid = ShowGrid();
    // What the screen shows without Kestrel: what its capture must hold.
    const QImage desktop = GrabScreen(m_server->display());
    ASSERT_FALSE(desktop.isNull());
    const QRect cellA(grid + QPoint(2 * kCell, 2 * kCell), QSize(kCell, kCell));
    const QRect cellB(grid + QPoint(8 * kCell, 5 * kCell), QSize(kCell, kCell));

    Start();
    const QString frame = WaitForWindow(QStringLiteral("^Kestrel Ver\\.1\\.00$"));
    ASSERT_FALSE(frame.isEmpty()) << "no frame";
    // The panel is the program's other window that is taller than wide; the stage the one left.
    QString panel, stage;
    ASSERT_TRUE(WaitFor(
        [&] {
            panel.clear();
            stage.clear();
            for (const QString& w : VisibleWindows()) {
                if (w == frame)
                    continue;
                const QRect g = Geometry(w);
                (g.height() > g.width() ? panel : stage) = w;
            }
            return !panel.isEmpty() && !stage.isEmpty();
        },
        20000))
        << "no panel and stage";
    const QRect panelRect = Geometry(panel);
    // Template pixels on the screen: the panel's template is 168 pixels wide.
    const double scale = panelRect.width() / 168.0;
    const auto templatePoint = [&](const QRect& window, int x, int y) {
        return window.topLeft() + QPoint(qRound(x * scale), qRound(y * scale));
    };

    // The full-screen button (10, 156, 110, 36). While Kestrel is off the
    // screen the grid shows as it is; then the stage shows the capture
    // smaller, the same in two looks in a row once it is painted.
    Click(templatePoint(panelRect, 65, 174));
    std::optional<QPoint> atA, atB;
    const bool shown = WaitFor(
        [&] {
            const QImage screen = GrabScreen(m_server->display());
            const QRect stageRect = Geometry(stage);
            const auto a = CentreOfColor(screen, stageRect, CellColor(2, 2));
            const auto b = CentreOfColor(screen, stageRect, CellColor(8, 5));
            const bool settled = a && b && b->x() - a->x() < 6 * kCell && a == atA && b == atB;
            atA = a;
            atB = b;
            return settled;
        },
        20000);
    KeepScreenshot(QStringLiteral("clip_window_save_e2e_capture.png"));
    ASSERT_TRUE(shown) << "the stage does not show the captured grid";

    // The two-click button (10, 18, 72, 36), then a click in each cell.
    Click(templatePoint(panelRect, 46, 36));
    Click(*atA);
    Click(*atB);
    const QString clip = WaitForWindow(QStringLiteral("^Clip1 "), 10000);
    KeepScreenshot(QStringLiteral("clip_window_save_e2e_clip.png"));
    ASSERT_FALSE(clip.isEmpty()) << "clip window 1 did not open";
    // "Clip1 1.000倍 (w×h)": the clip's size.
    const QRegularExpressionMatch size = QRegularExpression(QStringLiteral("\\((\\d+)×(\\d+)\\)$"))
                                             .match(Xdotool({QStringLiteral("getwindowname"), clip}));
    ASSERT_TRUE(size.hasMatch());

    // Ctrl+S on the clip window the window manager has just focused asks for
    // the file in the program's save dialog, which opens in the program folder.
    QString dialog;
    for (int attempt = 0; attempt < 3 && dialog.isEmpty(); ++attempt) {
        PressKeysOn(clip, QStringLiteral("ctrl+s"));
        dialog = WaitForWindow(QStringLiteral("イメージファイルの保存"), 7000);
    }
    ASSERT_FALSE(dialog.isEmpty()) << "no save dialog";
    PressKeysOn(dialog, QStringLiteral("ctrl+a"));
    Xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("30"),
        QStringLiteral("saved_clip.png")});
    Xdotool({QStringLiteral("key"), QStringLiteral("Return")});
    QImage file;
    WaitFor(
        [&] {
            file = QImage(m_dir.filePath(QStringLiteral("saved_clip.png")));
            return !file.isNull();
        },
        10000);
    KeepScreenshot(QStringLiteral("clip_window_save_e2e_saved.png"));
    ASSERT_FALSE(file.isNull()) << "no PNG file was saved";

    // The file holds the clip, a part of the captured screen pixel for pixel
    // from the first clicked cell to the second.
    const QImage pixels = file.convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(pixels.size(), QSize(size.captured(1).toInt(), size.captured(2).toInt()));
    const std::optional<QPoint> at = FindExactly(desktop, pixels);
    ASSERT_TRUE(at.has_value()) << "the file's pixels are no part of the screen";
    EXPECT_TRUE(cellA.contains(*at)) << at->x() << "," << at->y();
    const QPoint last = *at + QPoint(pixels.width() - 1, pixels.height() - 1);
    EXPECT_TRUE(cellB.contains(last)) << last.x() << "," << last.y();

    // Exactly the range the program cut: the settings it saves as the session
    // ends keep the range, with inclusive edges.
    ASSERT_EQ(kill(static_cast<pid_t>(m_process.processId()), SIGTERM), 0);
    ASSERT_TRUE(m_process.waitForFinished(10000)) << "the program did not end";
    QFile cfg(m_dir.filePath(QStringLiteral("Kestrel.cfg")));
    ASSERT_TRUE(cfg.open(QIODevice::ReadOnly));
    const QRegularExpressionMatch range =
        QRegularExpression(QStringLiteral("^ClipPrevRect = (\\d+),(\\d+),(\\d+),(\\d+)\\r?$"),
            QRegularExpression::MultilineOption)
            .match(QString::fromUtf8(cfg.readAll()));
    ASSERT_TRUE(range.hasMatch());
    EXPECT_EQ(QRect(QPoint(range.captured(1).toInt(), range.captured(2).toInt()),
                  QPoint(range.captured(3).toInt(), range.captured(4).toInt())),
        QRect(*at, pixels.size()));
}

}  // namespace
