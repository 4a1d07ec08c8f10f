// The saver thread against a real folder: numbered files in each format,
// skipped files, long paths, stops, write failures and the disk checkpoints.
#include "clip/continuous_capture_session.h"

#include "continuous_capture_fakes.h"
#include "platform/image/image_class.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <chrono>
#include <thread>

namespace {

constexpr int kW = 40;
constexpr int kH = 30;

// Frame k: its top half in top(k), its bottom half in bottom(k).
QRgb TopColour(int k)
{
    return qRgb(200, 10 * k, 30);
}
QRgb BottomColour(int k)
{
    return qRgb(20, 40, 10 * k);
}

CImage FramePicture(int k, int w = kW, int h = kH)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(BottomColour(k));
    for (int y = 0; y < h / 2; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, TopColour(k));
    CImage picture;
    picture.SetImage(image);
    return picture;
}

class ContinuousCaptureSaver : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        ContinuousCaptureSettings& s = rig.session.settings;
        s.folder = m_dir.path() + u'/';
        s.fileName = QStringLiteral("shot");
        s.quality = 95;
    }
    // Prepares the ring, stores frames 1..stored and runs the saver to its end.
    void SaveFrames(int count, int stored, int w = kW, int h = kH)
    {
        rig.session.settings.count = count;
        ASSERT_EQ(rig.session.PrepareRing(w, h, 32), 1);
        ASSERT_GE(rig.session.Ring()->Capacity(), static_cast<std::uint32_t>(stored));
        for (int k = 1; k <= stored; ++k)
            ASSERT_EQ(rig.session.StoreFrame(FramePicture(k, w, h)), 1);
        rig.session.SetStatus(kCcRunning);
        ASSERT_TRUE(rig.session.StartSaverThread());
        rig.session.CloseRing();
        rig.session.WaitForSaver(false);
        EXPECT_FALSE(rig.session.SaverRunning());
    }
    QString PathOf(int k) const { return rig.session.MakeSaveFilePath(k, rig.session.settings.count); }
    QStringList FilesInFolder() const
    {
        return QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    }

    QTemporaryDir m_dir;
    FakeCaptureRig rig;
};

bool Near(QRgb a, QRgb b, int tolerance)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
        std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

TEST_F(ContinuousCaptureSaver, WritesEveryFrameAsANumberedFileInEachFormat)
{
    struct Case {
        int format;
        int tolerance;
    } const cases[] = {{kCcFormatBmp, 0}, {kCcFormatJpeg, 12}, {kCcFormatPng, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format);
        FakeCaptureRig fresh;
        fresh.session.settings = rig.session.settings;
        fresh.session.settings.saveFormat = c.format;
        fresh.session.settings.count = 3;
        ASSERT_EQ(fresh.session.PrepareRing(kW, kH, 32), 1);
        for (int k = 1; k <= 3; ++k)
            ASSERT_EQ(fresh.session.StoreFrame(FramePicture(k)), 1);
        ASSERT_TRUE(fresh.session.StartSaverThread());
        fresh.session.CloseRing();
        fresh.session.WaitForSaver(false);

        EXPECT_EQ(fresh.session.Status(), kCcRunning);
        EXPECT_EQ(fresh.session.SavedFileCount(), 3);
        EXPECT_EQ(fresh.session.LastPath(), fresh.session.MakeSaveFilePath(3, 3));
        for (int k = 1; k <= 3; ++k) {
            const QString path = fresh.session.MakeSaveFilePath(k, 3);
            CImage saved;
            ASSERT_EQ(saved.Load(path), CImage::kOk) << path.toStdString();
            ASSERT_EQ(saved.GetWidth(), kW);
            ASSERT_EQ(saved.GetHeight(), kH);
            const QImage& image = saved.Image();
            EXPECT_TRUE(Near(image.pixel(5, 2), TopColour(k), c.tolerance));
            EXPECT_TRUE(Near(image.pixel(30, kH - 3), BottomColour(k), c.tolerance));
            EXPECT_EQ(qAlpha(image.pixel(5, 2)), 255);
        }
        // The headers of a 32-bit frame are its own again after a JPEG write.
        EXPECT_EQ(fresh.session.Ring()->Frame(0).infoHeader.biBitCount, 32);
        EXPECT_EQ(DWORD{fresh.session.Ring()->Frame(0).fileHeader.bfSize}, 54u + kW * kH * 4);
    }
    // The BMP bytes: 14 + 40 header bytes, bottom-up rows.
    QFile bmp(m_dir.path() + QStringLiteral("/shot-1.bmp"));
    ASSERT_TRUE(bmp.open(QIODevice::ReadOnly));
    const QByteArray bytes = bmp.readAll();
    ASSERT_EQ(bytes.size(), 54 + kW * kH * 4);
    EXPECT_EQ(bytes.left(2), QByteArray("BM"));
    EXPECT_EQ(static_cast<BYTE>(bytes[14]), 40);
    EXPECT_EQ(static_cast<BYTE>(bytes[10]), 54);
    EXPECT_EQ(static_cast<BYTE>(bytes[54]), qBlue(BottomColour(1)));  // the bottom row comes first
    // A PNG of the screen is RGB: an RGBA one would be transparent.
    QFile png(m_dir.path() + QStringLiteral("/shot-1.png"));
    ASSERT_TRUE(png.open(QIODevice::ReadOnly));
    EXPECT_EQ(static_cast<BYTE>(png.readAll()[25]), 2);  // colour type 2: RGB
    EXPECT_EQ(FilesInFolder().size(), 9);                // nothing else left behind
}

TEST_F(ContinuousCaptureSaver, ExistingFilesAreSkippedWhenOverwritingIsOff)
{
    rig.session.settings.overwrite = 0;
    rig.session.settings.count = 4;
    QFile kept(PathOf(3));
    ASSERT_TRUE(kept.open(QIODevice::WriteOnly));
    kept.write("keep");
    kept.close();
    SaveFrames(4, 4);
    EXPECT_EQ(rig.session.Status(), kCcRunning);
    EXPECT_EQ(rig.session.SavedFileCount(), 3);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("keep"));
    EXPECT_TRUE(QFileInfo::exists(PathOf(4)));
    EXPECT_EQ(rig.session.LastPath(), PathOf(4));
}

TEST_F(ContinuousCaptureSaver, APathOf260CharactersEndsTheRunAtThatFrame)
{
    // A folder of 250 characters and a name of 20: 250 + "shot...-1.bmp" >= 260.
    QString folder = m_dir.path() + u'/';
    folder += QString(249 - folder.size(), u'f') + u'/';
    ASSERT_EQ(folder.size(), 250);
    rig.session.settings.folder = folder;
    rig.session.settings.fileName = QString(20, u'n');
    SaveFrames(3, 3);
    EXPECT_EQ(rig.session.Status(), kCcPathTooLong);
    EXPECT_EQ(rig.session.SavedFileCount(), 0);
    EXPECT_EQ(rig.session.LastPath(), folder + QString(20, u'n') + QStringLiteral("-1.bmp"));
}

TEST_F(ContinuousCaptureSaver, AStopLeavesTheFramesStillInTheRingUnwritten)
{
    rig.session.settings.count = 3;
    ASSERT_EQ(rig.session.PrepareRing(kW, kH, 32), 1);
    for (int k = 1; k <= 3; ++k)
        ASSERT_EQ(rig.session.StoreFrame(FramePicture(k)), 1);
    rig.session.SetStatus(kCcUserStop);
    ASSERT_TRUE(rig.session.StartSaverThread());
    rig.session.CloseRing();
    rig.session.WaitForSaver(false);
    EXPECT_EQ(rig.session.SavedFileCount(), 0);
    EXPECT_TRUE(FilesInFolder().isEmpty());
    EXPECT_EQ(rig.session.Status(), kCcUserStop);
}

TEST_F(ContinuousCaptureSaver, AFailedWriteEndsTheRunAndCountsNothing)
{
    // The folder is a file: nothing can be created in it.
    QFile blocker(m_dir.path() + QStringLiteral("/notafolder"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    rig.session.settings.folder = blocker.fileName() + u'/';
    SaveFrames(3, 3);
    EXPECT_EQ(rig.session.Status(), kCcWriteFailed);
    EXPECT_EQ(rig.session.SavedFileCount(), 0);
}

TEST_F(ContinuousCaptureSaver, NoSpaceFromTheFileSystemIsAFullDisk)
{
    // Frame 3's file is a link to a device that always answers "no space".
    if (!QFileInfo::exists(QStringLiteral("/dev/full")))
        GTEST_SKIP() << "no /dev/full";
    rig.session.settings.count = 4;
    for (int format : {kCcFormatBmp, kCcFormatJpeg, kCcFormatPng}) {
        SCOPED_TRACE(format);
        FakeCaptureRig fresh;
        fresh.session.settings = rig.session.settings;
        fresh.session.settings.saveFormat = format;
        ASSERT_TRUE(QFile::link(QStringLiteral("/dev/full"), fresh.session.MakeSaveFilePath(3, 4)));
        ASSERT_EQ(fresh.session.PrepareRing(kW, kH, 32), 1);
        for (int k = 1; k <= 4; ++k)
            ASSERT_EQ(fresh.session.StoreFrame(FramePicture(k)), 1);
        ASSERT_TRUE(fresh.session.StartSaverThread());
        fresh.session.CloseRing();
        fresh.session.WaitForSaver(false);
        EXPECT_EQ(fresh.session.Status(), kCcDiskFull);
        EXPECT_EQ(fresh.session.SavedFileCount(), 2);
        EXPECT_FALSE(QFileInfo::exists(fresh.session.MakeSaveFilePath(4, 4)));
    }
}

TEST_F(ContinuousCaptureSaver, CheckpointsComeAgainWhileTheSpaceIsTight)
{
    // Files of 2 MB; the free space answers 20, 20, then 3 MB (below 2 x 2).
    // 20 / (2 x 8 x 2) is 0: the next checkpoint stays where it is and is
    // checked at every frame from then on.
    std::vector<DWORD> answers = {20, 20, 3};
    std::size_t asked = 0;
    ContinuousCaptureSystem system = DefaultContinuousCaptureSystem();
    system.availableMemoryMB = [] { return DWORD{4000}; };
    system.diskFreeMB = [&](const QString&) { return answers[std::min(asked++, answers.size() - 1)]; };
    rig.session.SetSystem(system);
    SaveFrames(10, 10, 1000, 500);
    EXPECT_EQ(rig.session.Status(), kCcDiskFull);
    EXPECT_EQ(asked, 3u);
    EXPECT_EQ(rig.session.SavedFileCount(), 3);
}

TEST_F(ContinuousCaptureSaver, PlentyOfSpaceStopsTheChecks)
{
    std::size_t asked = 0;
    ContinuousCaptureSystem system = DefaultContinuousCaptureSystem();
    system.availableMemoryMB = [] { return DWORD{4000}; };
    system.diskFreeMB = [&](const QString&) {
        ++asked;
        return DWORD{100000};
    };
    rig.session.SetSystem(system);
    SaveFrames(10, 10, 1000, 500);
    EXPECT_EQ(rig.session.Status(), kCcRunning);
    EXPECT_EQ(asked, 1u);  // 100000 / (2 x 8 x 2) frames on: past the end
    EXPECT_EQ(rig.session.SavedFileCount(), 10);
}

TEST_F(ContinuousCaptureSaver, AForcedRunThroughARingOfOneFrameKeepsEveryFrame)
{
    // The loop and the saver meet at every frame: the loop waits for the slot
    // the saver hands back.
    ContinuousCaptureSettings& s = rig.session.settings;
    s.count = 20;
    s.intervalTenths = 1;
    s.forceCapture = 1;
    s.saveWaitMs = 60000;
    rig.availableMB = 7;  // a ring of one frame
    ASSERT_EQ(rig.session.PrepareRing(kW, kH, 32), 1);
    ASSERT_EQ(rig.session.Ring()->Capacity(), 1u);
    for (int k = 1; k <= 20; ++k)
        rig.screen->colours.push_back(TopColour(k));
    rig.host.onWait = [] { std::this_thread::sleep_for(std::chrono::microseconds(200)); };
    rig.session.SetStatus(kCcRunning);
    ASSERT_TRUE(rig.session.StartSaverThread());
    EXPECT_EQ(rig.session.RunCaptureLoop(nullptr, RECT{0, 0, kW, kH}, kW, kH), 1);
    rig.session.CloseRing();
    rig.session.WaitForSaver(false);
    EXPECT_EQ(rig.session.Status(), kCcRunning);
    EXPECT_EQ(rig.session.SavedFileCount(), 20);
    for (int k = 1; k <= 20; ++k) {
        CImage saved;
        ASSERT_EQ(saved.Load(PathOf(k)), CImage::kOk);
        EXPECT_EQ(saved.Image().pixel(0, 0), TopColour(k));
    }
}

}  // namespace
