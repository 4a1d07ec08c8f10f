// Readers run on worker threads too: a box a reader raises there is shown
// by the UI thread while the worker waits, and decoding works in parallel.
#include "imaging/image_settings.h"
#include "imaging/jpeg_file.h"
#include "tests/support/image_codec_fixtures.h"
#include "tests/support/image_fixtures.h"
#include "tests/support/pump_until.h"
#include "tests/support/scripted_dialogs.h"

#include <array>
#include <atomic>
#include <gtest/gtest.h>
#include <jpeglib.h>
#include <thread>
#include <vector>

TEST(CodecWorkers, SizeMessageOfAWorkerIsShownWhileOthersDecode)
{
    ImageSettingsScope settings{16, 16};
    const QByteArray big = MakeJpeg(32, 8, 3, JCS_RGB, [](int, int, int) { return 128; });
    const QByteArray small = MakeJpeg(8, 8, 3, JCS_RGB, [](int x, int, int) { return x * 20; });
    ScriptedMessageBoxes boxes;
    std::array<std::atomic<int>, 4> codes{};
    std::atomic<int> done{0};
    std::vector<std::thread> workers;
    for (int i = 0; i < 4; ++i) {
        workers.emplace_back([&, i] {
            CLoadBitmap_for_Dlg holder;
            const QByteArray& bytes = i == 0 ? big : small;
            codes[i] = LoadJpegFile(&holder, reinterpret_cast<const BYTE*>(bytes.constData()), bytes.size());
            done.fetch_add(1);
        });
    }
    // The worker that raised the box waits until this thread has answered it.
    EXPECT_TRUE(PumpUntil([&] { return done.load() == 4; }, 10000));
    for (std::thread& t : workers)
        t.join();
    EXPECT_EQ(codes[0].load(), kJpegTooLarge);
    for (int i = 1; i < 4; ++i)
        EXPECT_EQ(codes[i].load(), kJpegDecoded);
    EXPECT_EQ(boxes.Texts(), QStringList{"Kestrelが扱える画像サイズを超えています。"});
}

// A worker decodes with the settings it was started with: the limits the UI
// thread writes meanwhile do not reach it.
TEST(CodecWorkers, WorkerUsesTheSettingsSnapshotItWasStartedWith)
{
    ImageSettingsScope settings{16, 16};
    const ImageSettings snapshot = CurrentImageSettings();
    const QByteArray big = MakeJpeg(32, 8, 3, JCS_RGB, [](int, int, int) { return 128; });
    ScriptedMessageBoxes boxes;
    std::atomic<bool> snapshotTaken{false};
    std::atomic<bool> settingsRewritten{false};
    std::atomic<int> code{0};
    std::thread worker([&] {
        const ImageSettingsSnapshotScope scope(snapshot);
        snapshotTaken = true;
        while (!settingsRewritten)
            std::this_thread::yield();
        CLoadBitmap_for_Dlg holder;
        code = LoadJpegFile(&holder, reinterpret_cast<const BYTE*>(big.constData()), big.size());
    });
    EXPECT_TRUE(PumpUntil([&] { return snapshotTaken.load(); }, 10000));
    {
        ImageSettingsScope wider{64, 64};  // an option dialog raises the limits
        settingsRewritten = true;
        EXPECT_TRUE(PumpUntil([&] { return code.load() != 0; }, 10000));
    }
    worker.join();
    EXPECT_EQ(code.load(), kJpegTooLarge);
    EXPECT_EQ(boxes.Texts(), QStringList{"Kestrelが扱える画像サイズを超えています。"});
}
