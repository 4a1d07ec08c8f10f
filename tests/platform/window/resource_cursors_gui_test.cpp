// The program's cursors by resource id, showing one, and the wait cursor that
// gives the previous cursor back (also when a worker thread makes it).
#include "platform/window/cursor.h"
#include "platform/window/resource_cursors.h"
#include "tests/support/pump_until.h"

#include <QGuiApplication>
#include <QPixmap>
#include <atomic>
#include <gtest/gtest.h>
#include <thread>

namespace {

QPoint HotSpotOf(HCURSOR cursor)
{
    return QPoint(cursor->hotspot.x, cursor->hotspot.y);
}

bool IsDrawnAt(const QImage& image, QPoint p)
{
    return qAlpha(image.pixel(p)) != 0;
}

TEST(ResourceCursors, EachIdHasItsPictureAndHotSpot)
{
    const QPoint centre(15, 15);
    const struct {
        int id;
        QPoint hotspot;
    } cases[] = {
        {158, centre},
        {165, centre},
        {166, centre},
        {167, centre},
        {168, centre},
        {203, centre},
        {204, centre},
        {205, centre},
        {206, centre},
        {207, centre},
        {208, centre},
        {210, QPoint(1, 30)},
        {211, centre},
        {345, centre},
        {346, centre},
        {347, centre},
        {348, centre},
    };
    QList<QImage> pictures;
    for (const auto& c : cases) {
        const HCURSOR cursor = LoadResourceCursor(c.id);
        ASSERT_NE(cursor, nullptr) << c.id;
        EXPECT_EQ(cursor->image.size(), QSize(32, 32)) << c.id;
        EXPECT_EQ(HotSpotOf(cursor), c.hotspot) << c.id;
        EXPECT_EQ(LoadResourceCursor(c.id), cursor) << c.id << ": loaded once, shared";
        EXPECT_FALSE(pictures.contains(cursor->image)) << c.id << ": looks like another cursor";
        pictures.append(cursor->image);
    }
    // The dropper's tip is drawn; the selection cross-hairs leave their centre free.
    EXPECT_TRUE(IsDrawnAt(LoadResourceCursor(210)->image, QPoint(1, 30)));
    EXPECT_FALSE(IsDrawnAt(LoadResourceCursor(166)->image, centre));
    EXPECT_EQ(LoadResourceCursor(4712), nullptr);
}

TEST(ResourceCursors, SettingACursorShowsItAndAnswersThePreviousOne)
{
    const HCURSOR pan = LoadResourceCursor(158);
    const HCURSOR twoClicks = LoadResourceCursor(166);
    EXPECT_EQ(SetCursor(pan), nullptr);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::BitmapCursor);
    EXPECT_EQ(QGuiApplication::overrideCursor()->hotSpot(), QPoint(15, 15));
    EXPECT_EQ(SetCursor(twoClicks), pan);
    EXPECT_EQ(SetCursor(nullptr), twoClicks);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    // By id through the resource call: the dropper with its tip as hot spot.
    EXPECT_TRUE(SetResourceCursor(210));
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->hotSpot(), QPoint(1, 30));
    EXPECT_FALSE(SetResourceCursor(4712));
    SetSystemCursor(IDC_ARROW);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(ResourceCursors, WaitCursorGivesThePreviousCursorBack)
{
    const HCURSOR fixedRange = LoadResourceCursor(211);
    SetCursor(fixedRange);
    {
        const CWaitCursor wait;
        EXPECT_EQ(CurrentOverrideCursorShape(), Qt::WaitCursor);
        {
            const CWaitCursor nested;
            EXPECT_EQ(CurrentOverrideCursorShape(), Qt::WaitCursor);
        }
        EXPECT_EQ(CurrentOverrideCursorShape(), Qt::WaitCursor);
    }
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->hotSpot(), QPoint(15, 15));
    EXPECT_EQ(SetCursor(nullptr), fixedRange) << "the cursor shown before is current again";

    {
        const CWaitCursor wait;  // over no cursor of ours: nothing is left behind
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(ResourceCursors, WaitCursorOfAWorkerIsShownByTheUiThread)
{
    // The cursor calls check that they run on the UI thread; a worker's wait
    // cursor reaches them through the UI thread while it pumps.
    std::atomic<int> step{0};
    std::atomic<bool> release{false};
    std::thread worker([&] {
        {
            const CWaitCursor wait;
            step = 1;
            while (!release)
                std::this_thread::yield();
        }
        step = 2;
    });
    ASSERT_TRUE(PumpUntil([&] { return step == 1; }));
    EXPECT_EQ(CurrentOverrideCursorShape(), Qt::WaitCursor);
    release = true;
    ASSERT_TRUE(PumpUntil([&] { return step == 2; }));
    worker.join();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

}  // namespace
