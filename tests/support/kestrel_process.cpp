#include "tests/support/kestrel_process.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <csignal>
#include <sys/prctl.h>

bool WaitFor(const std::function<bool()>& condition, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QThread::msleep(100);
    }
    return true;
}

QProcessEnvironment DisplayEnvironment(const QString& display)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    if (!env.contains(QStringLiteral("LSAN_OPTIONS")))
        env.insert(QStringLiteral("LSAN_OPTIONS"),
            QStringLiteral("suppressions=" KESTREL_TEST_DATA_DIR "/../support/lsan.supp"));
    return env;
}

QString CopyKestrelInto(const QString& folder)
{
    const QString built = QStringLiteral(KESTREL_BINARY_DIR "/kestrel");
    const QString copy = folder + QStringLiteral("/kestrel");
    if (!QFileInfo::exists(built) || !QFile::copy(built, copy))
        return {};
    QFile::setPermissions(copy, QFile::permissions(built));
    return copy;
}

void EndWithThisProcess(QProcess& process)
{
    process.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
}

QString RunTool(const QString& display, const QString& program, const QStringList& args)
{
    QProcess p;
    p.setProcessEnvironment(DisplayEnvironment(display));
    EndWithThisProcess(p);
    p.start(program, args);
    if (!p.waitForFinished(5000)) {
        p.kill();
        p.waitForFinished(1000);
    }
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}
