#include "platform/app/session_end.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <iterator>
#include <unistd.h>

namespace {

// The write end of the pipe a signal handler may use: writing is all a
// handler may safely do; the event loop reads the other end.
int g_signalWriteFd = -1;

void NoteSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = write(g_signalWriteFd, &byte, 1);
    errno = saved;
}

constexpr int kWatchedSignals[] = {SIGTERM, SIGHUP};

}  // namespace

struct SessionEndWatch::State {
    int fds[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> notifier;
    struct sigaction previous[std::size(kWatchedSignals)] = {};
};

SessionEndWatch::SessionEndWatch(std::function<void()> onEnd) : m_state(std::make_unique<State>())
{
    if (g_signalWriteFd >= 0 || pipe2(m_state->fds, O_CLOEXEC | O_NONBLOCK) != 0)
        return;  // one watch at a time; without a pipe the signals keep their default
    g_signalWriteFd = m_state->fds[1];
    m_state->notifier = std::make_unique<QSocketNotifier>(m_state->fds[0], QSocketNotifier::Read);
    const int readFd = m_state->fds[0];
    QObject::connect(
        m_state->notifier.get(), &QSocketNotifier::activated, [readFd, onEnd = std::move(onEnd)] {
            char bytes[16];
            while (read(readFd, bytes, sizeof bytes) > 0) { }
            onEnd();
        });
    struct sigaction action = {};
    action.sa_handler = NoteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < std::size(kWatchedSignals); ++i)
        sigaction(kWatchedSignals[i], &action, &m_state->previous[i]);
}

SessionEndWatch::~SessionEndWatch()
{
    if (!m_state->notifier)
        return;
    for (std::size_t i = 0; i < std::size(kWatchedSignals); ++i)
        sigaction(kWatchedSignals[i], &m_state->previous[i], nullptr);
    m_state->notifier.reset();
    g_signalWriteFd = -1;
    close(m_state->fds[0]);
    close(m_state->fds[1]);
}
