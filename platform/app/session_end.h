// The end of the user's session as the program sees it: SIGTERM and SIGHUP
// (a desktop logging out, a terminal closing) arrive like the platform's
// end-of-session message, as a close request of the main window, so the
// program saves its settings and quits cleanly instead of dying unsaved.
//
// The X server going away ends the program too: the toolkit exits at once when
// its connection breaks, with no close request first. A display-loss watch
// lets the program save what it must in that moment.
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

// True from a session-end signal until its watch goes: the program is ending
// on the session's request, and a modal question would keep it from ending.
bool SessionIsEnding();

class DisplayLossWatch {
public:
    // onLoss runs once, on the UI thread, when the toolkit reports that its
    // connection to the X server broke, just before the toolkit ends the
    // process. No window can be shown or touched then: it may only save files.
    explicit DisplayLossWatch(std::function<void()> onLoss);
    ~DisplayLossWatch();
    DisplayLossWatch(const DisplayLossWatch&) = delete;
    DisplayLossWatch& operator=(const DisplayLossWatch&) = delete;

private:
    bool m_installed = false;
};
