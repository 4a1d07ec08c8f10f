// The end of the user's session as the program sees it: SIGTERM and SIGHUP
// (a desktop logging out, a terminal closing) arrive like the platform's
// end-of-session message, as a close request of the main window, so the
// program saves its settings and quits cleanly instead of dying unsaved.
#pragma once

#include <functional>
#include <memory>

class SessionEndWatch {
public:
    // onEnd runs on the UI thread, from the event loop, once per signal.
    explicit SessionEndWatch(std::function<void()> onEnd);
    ~SessionEndWatch();
    SessionEndWatch(const SessionEndWatch&) = delete;
    SessionEndWatch& operator=(const SessionEndWatch&) = delete;

private:
    struct State;
    std::unique_ptr<State> m_state;
};
