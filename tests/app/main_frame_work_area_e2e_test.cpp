// The real kestrel on a server of its own without a window manager: a panel
// that appears on the left (the desktop's work area shrinks) pushes the frame
// to its right, as the frame moves away from a moved taskbar.
#include "tests/support/kestrel_process.h"
#include "tests/support/private_xvfb.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The frame's left edge, or -1 while it has no window.
int FrameLeft(const QString& display)
{
    const QString id = RunTool(display, QStringLiteral("xdotool"),
        {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
            QStringLiteral("^Kestrel Ver\\.1\\.00$")});
    if (id.isEmpty())
        return -1;
    const QString shell = RunTool(display, QStringLiteral("xdotool"),
        {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), id.split(u'\n').first()});
    for (const QString& line : shell.split(u'\n'))
        if (line.startsWith(u"X="))
            return line.mid(2).toInt();
    return -1;
}

TEST(MainFrameWorkArea, APanelAppearingOnTheLeftPushesTheFrameRight)
{
    for (const char* tool : {"Xvfb", "xdotool", "xprop"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            GTEST_SKIP() << tool << " is not installed";
    PrivateXvfb server(1280, 1024);
    ASSERT_TRUE(server.running());
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString binary = CopyKestrelInto(dir.path());
    ASSERT_FALSE(binary.isEmpty());
    {
        // Not a first run: no question in the way.
        QFile cfg(dir.filePath(QStringLiteral("Kestrel.cfg")));
        ASSERT_TRUE(cfg.open(QIODevice::WriteOnly));
        cfg.write("[-Directory-]\n");
    }

    QProcess kestrel;
    kestrel.setProcessEnvironment(DisplayEnvironment(server.display()));
    EndWithThisProcess(kestrel);
    kestrel.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    kestrel.start(binary, {});
    ASSERT_TRUE(kestrel.waitForStarted(10000));
    ASSERT_TRUE(WaitFor([&] { return FrameLeft(server.display()) == 0; }, 15000))
        << FrameLeft(server.display());

    RunTool(server.display(), QStringLiteral("xprop"),
        {QStringLiteral("-root"), QStringLiteral("-f"), QStringLiteral("_NET_WORKAREA"),
            QStringLiteral("32c"), QStringLiteral("-set"), QStringLiteral("_NET_WORKAREA"),
            QStringLiteral("60,0,1220,1024")});
    int left = -1;
    const bool pushed = WaitFor([&] { return (left = FrameLeft(server.display())) == 60; }, 15000);
    kestrel.kill();
    kestrel.waitForFinished(5000);
    EXPECT_TRUE(pushed) << "frame left at " << left;
}

}  // namespace
