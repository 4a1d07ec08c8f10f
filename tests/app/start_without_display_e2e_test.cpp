// Started where no X server can be reached, the program says that it needs
// an X11 display and ends with an error code (the toolkit's own abort told
// the user to reinstall it).
#include "tests/support/kestrel_process.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(StartWithoutDisplay, SaysItNeedsAnX11DisplayAndFails)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString program = CopyKestrelInto(folder.path());
    ASSERT_FALSE(program.isEmpty());
    for (const QString& display : {QString(), QStringLiteral(":9871")}) {
        SCOPED_TRACE(display.toStdString());
        QProcessEnvironment env = DisplayEnvironment(display);
        if (display.isEmpty())
            env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        QProcess process;
        process.setProcessEnvironment(env);
        EndWithThisProcess(process);
        process.start(program, {});
        ASSERT_TRUE(process.waitForFinished(20000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 2);
        EXPECT_TRUE(process.readAllStandardError().contains("Kestrel needs an X11 display"));
        EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("Kestrel.cfg"))));
    }
}
