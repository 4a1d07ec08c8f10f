// Runs the event loop until a condition holds or the time is up.
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

template <class Condition> bool PumpUntil(Condition condition, int timeoutMs = 3000)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::usleep(200);
    }
    return true;
}

// Runs the event loop for a while.
inline void PumpFor(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::usleep(200);
    }
}
