// A private X server for one test: Xvfb on a display number of its own
// choosing, without a window manager, stopped when the object goes.
#pragma once

#include <QString>

#include <sys/types.h>

// Stops a child process of the test: SIGTERM, then SIGKILL when it has not
// ended after a few seconds; reaps it either way.
void StopChild(pid_t pid);

class PrivateXvfb {
public:
    PrivateXvfb(int width = 800, int height = 600);
    ~PrivateXvfb();
    PrivateXvfb(const PrivateXvfb&) = delete;
    PrivateXvfb& operator=(const PrivateXvfb&) = delete;

    bool running() const { return !m_display.isEmpty(); }
    // ":N", empty when the server did not start.
    QString display() const { return m_display; }

private:
    pid_t m_pid = -1;
    QString m_display;
};
