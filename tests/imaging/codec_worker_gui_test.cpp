// Readers run on worker threads too: a box a reader raises there is shown
// by the UI thread while the worker waits, and decoding works in parallel.
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
