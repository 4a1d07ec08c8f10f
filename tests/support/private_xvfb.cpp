#include "tests/support/private_xvfb.h"

#include <QByteArray>

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

PrivateXvfb::PrivateXvfb(int width, int height)
{
    int fds[2];
    if (pipe(fds) != 0)
        return;
    const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
    const std::string fd = std::to_string(fds[1]);
    m_pid = fork();
    if (m_pid == 0) {
        // The server goes with the test, even when the test is killed.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        close(fds[0]);
        const int null = open("/dev/null", O_WRONLY);
        if (null >= 0) {
            dup2(null, STDOUT_FILENO);
            dup2(null, STDERR_FILENO);
        }
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(), "-nolisten", "tcp",
            "-noreset", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    if (m_pid < 0) {
        close(fds[0]);
        return;
    }
    // The server writes its display number once it accepts connections.
    QByteArray number;
    pollfd p{fds[0], POLLIN, 0};
    while (poll(&p, 1, 10000) > 0) {
        char c = 0;
        if (read(fds[0], &c, 1) != 1 || c == '\n')
            break;
        number.append(c);
    }
    close(fds[0]);
    if (!number.isEmpty())
        m_display = QStringLiteral(":") + QString::fromLatin1(number);
}

PrivateXvfb::~PrivateXvfb()
{
    StopChild(m_pid);
}

void StopChild(pid_t pid)
{
    if (pid <= 0)
        return;
    kill(pid, SIGTERM);
    // A child that ignores the request for a few seconds is killed.
    for (int waited = 0; waited < 5000; waited += 20) {
        if (waitpid(pid, nullptr, WNOHANG) != 0)
            return;
        usleep(20 * 1000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}
