#include "tests/support/private_openbox.h"

#include "tests/support/private_xvfb.h"

#include "platform/x11/x11_window_list.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <memory>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

// Xlib's macros come after Qt's headers.
#include "platform/x11/x11_connection.h"

extern char** environ;

namespace {

// This process's environment with DISPLAY replaced; built before the fork,
// since the child may only exec.
std::vector<std::string> EnvironmentFor(const QString& display)
{
    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e) {
        if (std::string(*e).rfind("DISPLAY=", 0) != 0)
            env.emplace_back(*e);
    }
    env.push_back("DISPLAY=" + display.toStdString());
    return env;
}

}  // namespace

PrivateOpenbox::PrivateOpenbox(const QString& display)
{
    std::vector<std::string> env = EnvironmentFor(display);
    std::vector<char*> envp;
    for (auto& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    char program[] = "openbox";
    char option[] = "--sm-disable";
    char* argv[] = {program, option, nullptr};
    m_pid = fork();
    if (m_pid == 0) {
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        const int null = open("/dev/null", O_WRONLY);
        if (null >= 0) {
            dup2(null, STDOUT_FILENO);
            dup2(null, STDERR_FILENO);
        }
        execvpe(program, argv, envp.data());
        _exit(127);
    }
    if (m_pid < 0)
        return;
    std::unique_ptr<X11Connection> x(X11Connection::Open(display.toLocal8Bit().constData()));
    if (x == nullptr)
        return;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!m_running && std::chrono::steady_clock::now() < deadline) {
        m_running = X11WindowManagerRuns(*x);
        if (!m_running)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

PrivateOpenbox::~PrivateOpenbox()
{
    StopChild(m_pid);
}
