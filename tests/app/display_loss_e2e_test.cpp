// The X server going away while the real kestrel runs: the toolkit ends the
// program at once, and the settings are saved before it goes.
#include "tests/support/kestrel_process.h"
#include "tests/support/private_xvfb.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(DisplayLoss, SettingsAreSavedWhenTheXServerGoes)
{
    for (const char* tool : {"Xvfb", "xdotool"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            GTEST_SKIP() << tool << " is not installed";
    auto server = std::make_unique<PrivateXvfb>(1024, 768);
    ASSERT_TRUE(server->running());
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_FALSE(CopyKestrelInto(dir.path()).isEmpty());
    // A short settings file: no first-run question, and the full file the
    // program writes is told apart from it by its size.
    const QString cfgPath = dir.filePath(QStringLiteral("Kestrel.cfg"));
    {
        QFile cfg(cfgPath);
        ASSERT_TRUE(cfg.open(QIODevice::WriteOnly));
        cfg.write("[-Directory-]\n");
    }

    QProcess kestrel;
    kestrel.setProcessEnvironment(DisplayEnvironment(server->display()));
    EndWithThisProcess(kestrel);
    kestrel.setWorkingDirectory(QDir::tempPath());
    kestrel.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    kestrel.start(dir.filePath(QStringLiteral("kestrel")), {});
    ASSERT_TRUE(kestrel.waitForStarted(10000));
    const QString pid = QString::number(kestrel.processId());
    const bool framed = WaitFor(
        [&] {
            return !RunTool(server->display(), QStringLiteral("xdotool"),
                {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"), pid,
                    QStringLiteral("--name"), QStringLiteral("^Kestrel Ver")})
                        .isEmpty();
        },
        20000);
    ASSERT_TRUE(framed) << "no frame appeared";
    EXPECT_LT(QFileInfo(cfgPath).size(), 100);

    server.reset();  // the X server ends
    ASSERT_TRUE(kestrel.waitForFinished(15000)) << "the program did not end";
    EXPECT_EQ(kestrel.exitStatus(), QProcess::NormalExit) << "the program crashed";
    EXPECT_GT(QFileInfo(cfgPath).size(), 1000) << "the settings were not saved";
    QFile cfg(cfgPath);
    ASSERT_TRUE(cfg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(cfg.readAll().contains("LastAccessDir"));
}

}  // namespace
