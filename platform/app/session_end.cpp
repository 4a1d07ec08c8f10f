#include "platform/app/session_end.h"

#include "platform/system/logging.h"

#include <QGuiApplication>
#include <QSocketNotifier>
#include <QThread>
#include <QtGui/qguiapplication_platform.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <iterator>
#include <unistd.h>
#include <utility>
#include <xcb/xcb.h>

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

std::atomic<bool> g_sessionEnding{false};

}  // namespace

bool SessionIsEnding()
{
    return g_sessionEnding.load();
}

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
            g_sessionEnding.store(true);
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
    g_sessionEnding.store(false);
    close(m_state->fds[0]);
    close(m_state->fds[1]);
}

namespace {

// The display-loss watch: the toolkit reports a broken X connection through
// its message output (a warning) and then exits, so the watch listens there
// and checks the connection itself; the text of the message is not relied on.
std::function<void()>* g_onDisplayLoss = nullptr;  // the watch's, until it has run
bool g_displayWatched = false;
std::atomic<QtMessageHandler> g_previousMessageHandler{nullptr};

bool ToolkitDisplayBroken()
{
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 != nullptr && x11->connection() != nullptr && xcb_connection_has_error(x11->connection()) != 0;
}

void WatchMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (const QtMessageHandler previous = g_previousMessageHandler.load())
        previous(type, context, message);
    // The watch belongs to the UI thread, which is also the one the toolkit ends the process from.
    if (qGuiApp == nullptr || QThread::currentThread() != qGuiApp->thread() || g_onDisplayLoss == nullptr ||
        !ToolkitDisplayBroken())
        return;
    // Once: the callback's own messages come back here.
    const std::unique_ptr<std::function<void()>> onLoss(std::exchange(g_onDisplayLoss, nullptr));
    qCWarning(lcX11) << "the connection to the X server is lost: saving before the program ends";
    (*onLoss)();
}

}  // namespace

DisplayLossWatch::DisplayLossWatch(std::function<void()> onLoss)
{
    if (g_displayWatched || qGuiApp == nullptr)
        return;  // one watch at a time, and only with a toolkit to watch
    g_displayWatched = true;
    g_onDisplayLoss = new std::function<void()>(std::move(onLoss));
    g_previousMessageHandler = qInstallMessageHandler(WatchMessages);
    m_installed = true;
}

DisplayLossWatch::~DisplayLossWatch()
{
    if (!m_installed)
        return;
    delete std::exchange(g_onDisplayLoss, nullptr);
    // A handler installed after ours stays; ours then only passes messages on.
    const QtMessageHandler current = qInstallMessageHandler(g_previousMessageHandler.load());
    if (current != WatchMessages)
        qInstallMessageHandler(current);
    g_displayWatched = false;
}
