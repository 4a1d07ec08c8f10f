// The real kestrel on an X server of the test's own with openbox: the mode
// bar's multi button brings the multi view, a folder typed into the panel's
// folder box and confirmed with Enter loads, and its pictures appear in the
// stage's grid in the folder's listing order (by name, case aside), cells
// numbered column by column. A screenshot is kept under the build folder.
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
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>

namespace {

struct Picture {
    const char* name;
    QRgb colour;
};

// Created in this order; listed as A, b, c, D (an ordinal order would be A, D, b, c).
constexpr Picture kPictures[] = {
    {"c.png", qRgb(30, 200, 230)},
    {"D.png", qRgb(240, 200, 20)},
    {"A.png", qRgb(130, 30, 230)},
    {"b.png", qRgb(20, 160, 60)},
};
const char* const kListingOrder[] = {"A.png", "b.png", "c.png", "D.png"};

// The middle of the pixels of exactly that colour; none for fewer than a
// small thumbnail's worth.
std::optional<QPoint> CentreOf(const QImage& screen, QRgb colour)
{
    long long sumX = 0;
    long long sumY = 0;
    long long count = 0;
    for (int y = 0; y < screen.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(screen.constScanLine(y));
        for (int x = 0; x < screen.width(); ++x) {
            if ((line[x] & 0xFFFFFF) == (colour & 0xFFFFFF)) {
                sumX += x;
                sumY += y;
                ++count;
            }
        }
    }
    if (count < 400)
        return std::nullopt;
    return QPoint(static_cast<int>(sumX / count), static_cast<int>(sumY / count));
}

class MultiViewProcess : public testing::Test {
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
        ASSERT_TRUE(WriteFile(m_dir.filePath(QStringLiteral("Kestrel.cfg")), "[-Directory-]\n"));
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
    static bool WriteFile(const QString& path, const QByteArray& bytes)
    {
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    }
    QString Xdotool(const QStringList& args) const
    {
        return RunTool(m_server->display(), QStringLiteral("xdotool"), args);
    }
    // The program's visible windows and where they stand.
    QList<QRect> VisibleWindowRects() const
    {
        QList<QRect> rects;
        const QStringList ids =
            Xdotool({QStringLiteral("search"), QStringLiteral("--all"), QStringLiteral("--onlyvisible"),
                        QStringLiteral("--pid"), QString::number(m_process.processId()),
                        QStringLiteral("--name"), QStringLiteral(".*")})
                .split(u'\n', Qt::SkipEmptyParts);
        for (const QString& id : ids)
            rects << WindowRectOnScreen(m_server->display(), id);
        return rects;
    }
    // The first visible window of the program that the test accepts, waited for.
    std::optional<QRect> WaitForWindowLike(const std::function<bool(const QRect&)>& like)
    {
        std::optional<QRect> found;
        WaitFor(
            [&] {
                for (const QRect& r : VisibleWindowRects())
                    if (!r.isEmpty() && like(r))
                        found = r;
                return found.has_value();
            },
            20000);
        return found;
    }
    void Click(QPoint at) const
    {
        Xdotool({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y())});
        QThread::msleep(150);
        Xdotool({QStringLiteral("click"), QStringLiteral("1")});
        QThread::msleep(300);
    }

    std::unique_ptr<PrivateXvfb> m_server;
    std::unique_ptr<PrivateOpenbox> m_wm;
    QTemporaryDir m_dir;
    QProcess m_process;
};

}  // namespace

TEST_F(MultiViewProcess, AFolderTypedIntoThePanelShowsItsPicturesInListingOrder)
{
    const QString folder = m_dir.filePath(QStringLiteral("pictures"));
    ASSERT_TRUE(QDir().mkpath(folder));
    for (const Picture& p : kPictures) {
        QImage image(96, 96, QImage::Format_RGB32);
        image.fill(p.colour);
        ASSERT_TRUE(image.save(folder + QLatin1Char('/') + QString::fromLatin1(p.name)));
    }

    m_process.setProcessEnvironment(DisplayEnvironment(m_server->display()));
    EndWithThisProcess(m_process);
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(m_dir.filePath(QStringLiteral("kestrel")), {});
    ASSERT_TRUE(m_process.waitForStarted(10000));

    // The mode bar: the short strip at the frame's top left; its right button.
    const std::optional<QRect> bar = WaitForWindowLike([](const QRect& r) { return r.height() < 60; });
    ASSERT_TRUE(bar.has_value()) << "no mode bar";
    QThread::msleep(500);
    Click(QPoint(bar->left() + bar->width() * 3 / 4, bar->center().y()));

    // The multi-view panel: the narrow column, taller than the clip panel.
    const std::optional<QRect> panel =
        WaitForWindowLike([](const QRect& r) { return r.width() < 250 && r.height() > 480; });
    if (!panel)
        KeepScreenshot(m_server->display(), QStringLiteral("multi_view_e2e_no_panel.png"));
    ASSERT_TRUE(panel.has_value()) << "no multi-view panel";
    // The folder box at the panel's top.
    Click(QPoint(panel->left() + 80, panel->top() + 29));
    Xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("5"), folder});
    Xdotool({QStringLiteral("key"), QStringLiteral("Return")});

    QImage shot;
    QList<std::optional<QPoint>> centres;
    const bool allShown = WaitFor(
        [&] {
            shot = GrabScreen(m_server->display());
            if (shot.isNull())
                return false;
            shot = shot.convertToFormat(QImage::Format_RGB32);
            centres.clear();
            for (const char* name : kListingOrder)
                for (const Picture& p : kPictures)
                    if (qstrcmp(p.name, name) == 0)
                        centres << CentreOf(shot, p.colour);
            return std::all_of(centres.begin(), centres.end(), [](const auto& c) { return c.has_value(); });
        },
        30000);
    KeepScreenshot(m_server->display(), QStringLiteral("multi_view_e2e.png"));
    ASSERT_TRUE(allShown) << "not every picture shows in the grid";

    // Column by column: each next picture stands below the one before, or in a column to its right.
    for (int i = 1; i < centres.size(); ++i) {
        const QPoint before = *centres[i - 1];
        const QPoint now = *centres[i];
        const bool below = std::abs(now.x() - before.x()) < 10 && now.y() > before.y();
        const bool nextColumn = now.x() > before.x() + 10;
        EXPECT_TRUE(below || nextColumn)
            << kListingOrder[i] << " at " << now.x() << "," << now.y() << " after " << kListingOrder[i - 1]
            << " at " << before.x() << "," << before.y();
    }
}
