// Openbox as the window manager of a test's own X server, stopped when the
// object goes.
#pragma once

#include <QString>

#include <sys/types.h>

class PrivateOpenbox {
public:
    // Starts openbox on `display` and waits (up to ten seconds) until it has
    // announced itself there.
    explicit PrivateOpenbox(const QString& display);
    ~PrivateOpenbox();
    PrivateOpenbox(const PrivateOpenbox&) = delete;
    PrivateOpenbox& operator=(const PrivateOpenbox&) = delete;

    bool running() const { return m_running; }

private:
    pid_t m_pid = -1;
    bool m_running = false;
};
