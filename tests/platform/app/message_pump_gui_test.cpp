#include "platform/app/message_pump.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QTimer>
#include <gtest/gtest.h>

TEST(MessagePump, HandlesPendingEvents)
{
    int calls = 0;
    QObject receiver;
    for (int i = 0; i < 3; ++i)
        QMetaObject::invokeMethod(
            &receiver, [&] { ++calls; }, Qt::QueuedConnection);
    PumpMessages();
    EXPECT_EQ(calls, 3);
}

TEST(MessagePump, QuitTakenDuringAWaitStillEndsTheLoop)
{
    bool continuedAfterWait = false;
    QTimer::singleShot(0, [&] {
        QCoreApplication::postEvent(QCoreApplication::instance(), new QEvent(QEvent::Quit));
        PumpMessages();  // takes the quit request
        continuedAfterWait = true;
    });
    QTimer watchdog;
    bool timedOut = false;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        timedOut = true;
        QCoreApplication::exit(1);
    });
    watchdog.start(5000);
    QCoreApplication::exec();
    EXPECT_TRUE(continuedAfterWait);
    EXPECT_FALSE(timedOut);
}

TEST(MessagePump, FlushDropsMouseInputQueuedBeforeIt)
{
    // Timestamps run on the input clock; the latest seen is carried forward.
    const qint64 base = 1000000;
    EXPECT_FALSE(IsMouseInputFlushed(base));
    FlushMessages(0x0100, 0x0109);  // keyboard range: mouse input is untouched
    EXPECT_FALSE(IsMouseInputFlushed(base + 1));
    FlushMessages(0x0200, 0x020A);
    EXPECT_TRUE(IsMouseInputFlushed(base + 1));        // queued before the flush
    EXPECT_FALSE(IsMouseInputFlushed(base + 100000));  // long after it
}

TEST(MessagePump, KeysQueuedBeforeAFlushOfKeyInputAreDropped)
{
    const qint64 base = 50000000;
    EXPECT_FALSE(IsKeyInputFlushed(base));
    FlushMessages(0x0200, 0x020A);  // mouse range: keys are untouched
    EXPECT_FALSE(IsKeyInputFlushed(base + 1));
    FlushMessages(0x0100, 0x0101);
    EXPECT_TRUE(IsKeyInputFlushed(base + 1));
    EXPECT_FALSE(IsKeyInputFlushed(base + 100000));
}

TEST(MessagePump, FlushPassesTheRangeToThePostedMessageHandler)
{
    UINT seenLo = 0, seenHi = 0;
    SetPostedMessageFlushHandler([&](UINT lo, UINT hi) {
        seenLo = lo;
        seenHi = hi;
    });
    FlushMessages(0x0200, 0x020A);
    SetPostedMessageFlushHandler({});
    EXPECT_EQ(seenLo, 0x0200u);
    EXPECT_EQ(seenHi, 0x020Au);
}

TEST(MessagePump, TickCountIsMonotonicMilliseconds)
{
    // Waits until Qt's monotonic clock has seen 20 ms go by, however the
    // scheduler treats the test.
    const ULONGLONG a = GetTickCount64();
    QElapsedTimer reference;
    reference.start();
    while (!reference.hasExpired(19))
        QThread::yieldCurrentThread();
    const ULONGLONG b = GetTickCount64();
    EXPECT_GE(b - a, 19u);
    EXPECT_LT(b - a, 2000u);
}
