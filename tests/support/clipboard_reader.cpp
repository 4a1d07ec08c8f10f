#include "tests/support/clipboard_reader.h"

#include "tests/support/pump_until.h"

#include <QProcess>
#include <gtest/gtest.h>

QByteArray ReadClipboardWithXclip(const QString& target)
{
    QProcess xclip;
    xclip.start(QStringLiteral("xclip"),
        {QStringLiteral("-selection"), QStringLiteral("clipboard"), QStringLiteral("-t"), target,
            QStringLiteral("-o")});
    if (!PumpUntil([&] { return xclip.state() == QProcess::NotRunning; }, 10000)) {
        xclip.kill();
        xclip.waitForFinished(3000);
        ADD_FAILURE() << "xclip did not end reading " << target.toStdString();
        return {};
    }
    EXPECT_EQ(xclip.exitCode(), 0) << xclip.readAllStandardError().toStdString();
    return xclip.readAllStandardOutput();
}
