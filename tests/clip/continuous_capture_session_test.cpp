// Before a run: the ring's preparation, the files' names and the disk estimate.
#include "clip/continuous_capture_session.h"

#include "continuous_capture_fakes.h"
#include "platform/dialog/msgbox.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

// An allocator whose first `failures` requests fail; counts every request.
CaptureBlockAllocator FailingFirst(int failures, int* calls)
{
    return [failures, calls](
               std::size_t bytes) -> void* { return ++*calls <= failures ? nullptr : std::calloc(bytes, 1); };
}

ContinuousCaptureSystem SystemWith(DWORD availableMB, CaptureBlockAllocator allocate)
{
    ContinuousCaptureSystem system = DefaultContinuousCaptureSystem();
    system.availableMemoryMB = [availableMB] { return availableMB; };
    system.allocate = std::move(allocate);
    return system;
}

TEST(ContinuousCapturePrepare, HalvesTheRingWhileMemoryRunsOut)
{
    FakeCaptureRig rig;
    rig.session.settings.count = 100;
    rig.session.settings.saveFormat = kCcFormatBmp;
    int calls = 0;
    // Budget 100 frames; the rings of 100 and 50 fail at their first frame.
    rig.session.SetSystem(SystemWith(4000, FailingFirst(2, &calls)));
    ASSERT_EQ(rig.session.PrepareRing(100, 100, 32), 1);
    ASSERT_NE(rig.session.Ring(), nullptr);
    EXPECT_EQ(rig.session.Ring()->Capacity(), 25u);
    EXPECT_EQ(calls, 2 + 25 + 1);  // 25 frames and the BMP buffer
    EXPECT_EQ(rig.session.Ring()->IsReady(), 1);
    const CCaptureFrame& frame = rig.session.Ring()->Frame(24);
    EXPECT_EQ(frame.infoHeader.biWidth, 100);
    EXPECT_EQ(frame.infoHeader.biBitCount, 32);
    EXPECT_EQ(DWORD{frame.fileHeader.bfSize}, 54u + 100 * 100 * 4);
    EXPECT_NE(frame.bits, nullptr);
    EXPECT_NE(frame.info, rig.session.Template().info);
}

TEST(ContinuousCapturePrepare, GivesUpAfterTenHalvingsOrWhenTheBudgetIsZero)
{
    FakeCaptureRig rig;
    rig.session.settings.count = 10000;
    int calls = 0;
    rig.session.SetSystem(SystemWith(400000, FailingFirst(1000, &calls)));
    EXPECT_EQ(rig.session.PrepareRing(64, 64, 32), 0);
    EXPECT_EQ(calls, 11);  // 10000, 5000, ... 9 frames: one attempt each
    EXPECT_EQ(rig.session.Ring(), nullptr);

    // 8 MB available but a frame larger than a quarter of it: a budget of 0.
    rig.session.SetSystem(SystemWith(8, DefaultCaptureBlockAllocator()));
    EXPECT_EQ(rig.session.PrepareRing(1920, 1080, 32), 0);
    // Below 8 MB the ring still gets its one frame.
    rig.session.SetSystem(SystemWith(7, DefaultCaptureBlockAllocator()));
    ASSERT_EQ(rig.session.PrepareRing(64, 64, 32), 1);
    EXPECT_EQ(rig.session.Ring()->Capacity(), 1u);
}

TEST(ContinuousCaptureNames, NumberPaddedToTheDigitsOfTheCount)
{
    FakeCaptureRig rig;
    ContinuousCaptureSettings& s = rig.session.settings;
    s.fileName = QStringLiteral("shot");
    s.folder = QStringLiteral("/data/cap/");
    struct Case {
        int format, numberFirst, i, n;
        const char* name;
    } const cases[] = {
        {kCcFormatBmp, 0, 7, 250, "shot-007.bmp"},
        {kCcFormatBmp, 1, 7, 250, "007-shot.bmp"},
        {kCcFormatJpeg, 0, 10000, 10000, "shot-10000.jpg"},
        {kCcFormatPng, 0, 1, 9, "shot-1.png"},
        {kCcFormatPng, 1, 3, 10, "03-shot.png"},
    };
    for (const Case& c : cases) {
        s.saveFormat = c.format;
        s.numberFirst = c.numberFirst;
        EXPECT_EQ(rig.session.MakeSaveFileName(c.i, c.n), QString::fromUtf8(c.name));
    }
    s.saveFormat = kCcFormatBmp;
    s.numberFirst = 0;
    EXPECT_EQ(rig.session.MakeSaveFilePath(7, 250), QStringLiteral("/data/cap/shot-007.bmp"));
    s.folder = QStringLiteral("/data/cap");
    EXPECT_EQ(rig.session.MakeSaveFilePath(7, 250), QStringLiteral("/data/cap/shot-007.bmp"));
}

TEST(ContinuousCaptureNames, ExistingFilesOfTheFirstOrLastFrame)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    FakeCaptureRig rig;
    ContinuousCaptureSettings& s = rig.session.settings;
    s.folder = dir.path() + u'/';
    s.fileName = QStringLiteral("name");
    s.count = 3;
    s.overwrite = 0;
    EXPECT_EQ(rig.session.AnyTargetFileExists(), 0);
    QFile middle(s.folder + QStringLiteral("name-2.bmp"));
    ASSERT_TRUE(middle.open(QIODevice::WriteOnly));
    middle.close();
    EXPECT_EQ(rig.session.AnyTargetFileExists(), 0);  // only frames 1 and n are looked at
    EXPECT_EQ(rig.session.CanWriteFile(middle.fileName()), 0);
    s.overwrite = 1;
    EXPECT_EQ(rig.session.CanWriteFile(middle.fileName()), 1);
    QFile last(s.folder + QStringLiteral("name-3.bmp"));
    ASSERT_TRUE(last.open(QIODevice::WriteOnly));
    last.close();
    EXPECT_EQ(rig.session.AnyTargetFileExists(), 1);
}

TEST(ContinuousCaptureDiskEstimate, ResultAndFirstCheck)
{
    // 100 x 100 x 32: raw 40054 -> 41000 bytes; BMP 42000, JPEG q100 5000, PNG 28000 a file.
    struct Case {
        int format, count, quality;
        DWORD freeMB;
        int result, firstCheck;
    } const cases[] = {
        {kCcFormatBmp, 9, 100, 1000, kCcDiskEnough, kCcNeverCheckDisk},  // plenty, few frames: never
        {kCcFormatBmp, 1000, 100, 1000, kCcDiskEnough, 500},             // need 42
        {kCcFormatBmp, 1000, 100, 45, kCcDiskEnough, 1},                 // 45 <= 42 x 1.1
        {kCcFormatJpeg, 100000, 100, 2000, kCcDiskEnough, 25000},        // need 500, free 4 x need
        {kCcFormatJpeg, 100, 100, 3, kCcDiskEnough, 25},                 // need 0
        {kCcFormatJpeg, 8, 100, 3, kCcDiskEnough, 4},
        {kCcFormatPng, 100000, 100, 3000, kCcDiskEnough, 35714},  // need 2800: (3000 / 2800 / 3) x count
        {kCcFormatPng, 100000, 100, 2800, kCcDiskMaybeShort, 1},  // need >= free
        {kCcFormatPng, 10, 100, 1, kCcDiskNone, -1},              // below 2 MB
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.format << " " << c.count << " " << c.freeMB);
        FakeCaptureRig rig;
        rig.session.settings.saveFormat = c.format;
        rig.session.settings.count = c.count;
        rig.session.settings.quality = c.quality;
        rig.diskFreeMB = c.freeMB;
        EXPECT_EQ(rig.session.EstimateDiskSpace(QStringLiteral("/tmp/"), 100, 100, 32), c.result);
        if (c.firstCheck >= 0) {
            EXPECT_EQ(rig.session.FirstDiskCheck(), c.firstCheck);
        }
    }
}

TEST(ContinuousCaptureDiskEstimate, LargeRunsAreComputedIn64Bits)
{
    // 10000 frames of 3840 x 2160 x 32 as BMP need about 331780 MB; in 32 bits
    // the product would wrap to a small figure and pass a small disk.
    FakeCaptureRig rig;
    rig.session.settings.saveFormat = kCcFormatBmp;
    rig.session.settings.count = 10000;
    rig.diskFreeMB = 300000;
    EXPECT_EQ(rig.session.EstimateDiskSpace(QStringLiteral("/tmp/"), 3840, 2160, 32), kCcDiskMaybeShort);
    rig.diskFreeMB = 400000;
    EXPECT_EQ(rig.session.EstimateDiskSpace(QStringLiteral("/tmp/"), 3840, 2160, 32), kCcDiskEnough);
    EXPECT_EQ(rig.session.FirstDiskCheck(), 5000);
}

}  // namespace

namespace {

TEST(ContinuousCaptureReport, MessagesAfterAFailedLoopTellTheIntervalOnce)
{
    const QString interval = IntervalNotKeptMessage();
    EXPECT_TRUE(FailedRunMessages(kCcIntervalMissed, false).empty());  // told at once by the loop
    EXPECT_TRUE(FailedRunMessages(kCcUserStop, false).empty());
    const auto slow = FailedRunMessages(kCcSaveTooSlow, false);
    ASSERT_EQ(slow.size(), 2u);
    EXPECT_EQ(slow[0].icon, MB_ICONEXCLAMATION);
    EXPECT_TRUE(slow[0].text.startsWith(QStringLiteral("ファイルの保存に時間がかかり過ぎています。")));
    EXPECT_EQ(slow[1], (ContinueCaptureMessage{interval, MB_ICONINFORMATION}));
    const auto full = FailedRunMessages(kCcDiskFull, true);
    ASSERT_EQ(full.size(), 1u);
    EXPECT_EQ(full[0].text,
        QStringLiteral("保存ドライブの残り容量が無くなりました。\n\n連続キャプチャを終了します。"));
}

}  // namespace
