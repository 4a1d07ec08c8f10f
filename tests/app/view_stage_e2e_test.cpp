// The real kestrel started with an image on its command line, on an X server
// of the test's own with openbox: the view stage shows the picture at
// magnification 1.0, so the screen holds the file's pixels exactly. A
// screenshot is kept under the build folder.
#include "tests/support/image_codec_fixtures.h"
#include "tests/support/image_fixtures.h"
#include "tests/support/kestrel_process.h"
#include "tests/support/private_openbox.h"
#include "tests/support/private_xvfb.h"
#include "tests/support/screen_grab.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <cstring>
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <memory>
#include <optional>

namespace {

// Where the screen shows the picture pixel for pixel, if anywhere.
std::optional<QPoint> FindExactly(const QImage& screen, const QImage& picture)
{
    const QRgb first = picture.pixel(0, 0);
    for (int y = 0; y + picture.height() <= screen.height(); ++y) {
        for (int x = 0; x + picture.width() <= screen.width(); ++x) {
            if (screen.pixel(x, y) != first)
                continue;
            if (screen.copy(x, y, picture.width(), picture.height()) == picture)
                return QPoint(x, y);
        }
    }
    return std::nullopt;
}

TEST(ViewStageProcess, AnImageOnTheCommandLineIsShownPixelForPixel)
{
    for (const char* tool : {"Xvfb", "openbox"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            GTEST_SKIP() << tool << " is not installed";
    PrivateXvfb server(1280, 1024);
    ASSERT_TRUE(server.running());
    PrivateOpenbox wm(server.display());
    ASSERT_TRUE(wm.running());
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString binary = CopyKestrelInto(dir.path());
    ASSERT_FALSE(binary.isEmpty());
    ASSERT_TRUE(
        WriteBytes(dir.filePath(QStringLiteral("Kestrel.cfg")), "[-Directory-]\n"));  // no first-run box

    // Small enough to be shown at 1.0, with colours that differ from pixel to pixel.
    PngRecipe recipe;
    recipe.width = 150;
    recipe.height = 110;
    const QString path = dir.filePath(QStringLiteral("image.png"));
    ASSERT_TRUE(WriteBytes(path, MakePng(recipe)));
    QImage picture(recipe.width, recipe.height, QImage::Format_RGB32);
    for (int y = 0; y < recipe.height; ++y)
        for (int x = 0; x < recipe.width; ++x)
            picture.setPixel(x, y,
                qRgb(PngSample(recipe, x, y, 0), PngSample(recipe, x, y, 1), PngSample(recipe, x, y, 2)));

    QProcess kestrel;
    kestrel.setProcessEnvironment(DisplayEnvironment(server.display()));
    EndWithThisProcess(kestrel);
    kestrel.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    kestrel.start(binary, {path});
    ASSERT_TRUE(kestrel.waitForStarted(10000));

    QImage shot;
    std::optional<QPoint> at;
    WaitFor(
        [&] {
            shot = GrabScreen(server.display());
            at = shot.isNull() ? std::nullopt : FindExactly(shot, picture);
            return at.has_value();
        },
        30000);
    if (!shot.isNull()) {
        QDir().mkpath(QStringLiteral(KESTREL_BINARY_DIR "/test-artifacts"));
        shot.save(QStringLiteral(KESTREL_BINARY_DIR "/test-artifacts/view_stage_e2e.png"));
    }
    EXPECT_TRUE(at.has_value()) << "the screen does not show the image's pixels";

    // A click on the frame's bars (right of the toolbar's buttons) leaves the
    // stage above the frame that owns it, and the layout where it was: the
    // window manager's answers to the frame's own moves are not taken for the
    // user's resize (once they were, and the frame grew without end).
    if (at && !QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty()) {
        RunTool(server.display(), QStringLiteral("xdotool"),
            {QStringLiteral("mousemove"), QStringLiteral("640"), QStringLiteral("52"),
                QStringLiteral("click"), QStringLiteral("1")});
        // The window manager restacks on its own time: look again after a while.
        QThread::msleep(1000);
        const QImage again = GrabScreen(server.display());
        const std::optional<QPoint> atAgain = again.isNull() ? std::nullopt : FindExactly(again, picture);
        EXPECT_TRUE(atAgain.has_value()) << "the frame covered the stage";
        EXPECT_EQ(atAgain.value_or(QPoint(-1, -1)), *at) << "the layout moved after the click";
        if (!again.isNull())
            again.save(QStringLiteral(KESTREL_BINARY_DIR "/test-artifacts/view_stage_e2e_after_click.png"));
    }
    kestrel.kill();
    kestrel.waitForFinished(5000);
}

}  // namespace
