// The batch shrink's run over small BMP, PNG and JPEG files the test writes:
// both interpolation routes into every format, existing outputs kept or
// replaced, a stop between files, low or unknown free space, an output
// folder that cannot be made, and paths that are too long.
#include "multiview/shrink_run.h"

#include "core/settings/app_settings.h"
#include "core/system_figures.h"
#include "imaging/load_bitmap_for_dlg.h"
#include "imaging/png_transparency.h"
#include "multiview/multi_view_stage.h"
#include "platform/system/file_operations.h"
#include "tests/support/image_codec_fixtures.h"
#include "tests/support/image_fixtures.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <condition_variable>
#include <gtest/gtest.h>
#include <mutex>
#include <thread>

namespace {

constexpr int kW = 40;
constexpr int kH = 30;

class ShrinkRunTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        BmpFileRecipe bmp;
        bmp.width = kW;
        bmp.height = kH;
        ASSERT_TRUE(WriteBytes(In("a.bmp"), MakeBmpFile(bmp)));
        PngRecipe png;
        png.width = kW;
        png.height = kH;
        ASSERT_TRUE(WriteBytes(In("b.png"), MakePng(png)));
        ASSERT_TRUE(WriteBytes(In("c.jpg"),
            MakeJpeg(kW, kH, 3, 2, [](int x, int y, int c) { return (x * 5 + y * 3 + c * 40) % 256; })));
    }
    void TearDown() override { SetFileOperationFault({}); }

    QString In(const QString& name) const { return m_dir.path() + "/" + name; }

    ShrinkJob Job(int format, int interpolation) const
    {
        ShrinkJob job;
        job.shownFolder = m_dir.path();
        job.names = {"a.bmp", "b.png", "c.jpg"};
        job.summaryCount = 3;
        job.choices.ratioMode = 1;
        job.choices.ratio = 50;
        job.choices.format = format;
        job.choices.quality = 80;
        job.choices.interpolation = interpolation;
        job.choices.sameFolder = 0;
        job.choices.outputFolder = m_dir.path() + "/out/deep/";
        job.choices.keepName = 0;
        job.choices.fixedText = 1;
        job.choices.front = 1;
        job.choices.text = "s-";
        job.choices.overwrite = 0;
        return job;
    }

    // Runs the job, collecting what the run tells.
    void Run(const ShrinkJob& job, ShrinkRunHooks hooks = {})
    {
        hooks.fileStarted = [this](int k) { m_started.push_back(k); };
        hooks.written = [this](const QString& path) { m_written.push_back(path); };
        hooks.message = [this](const QString& text) { m_messages.push_back(text); };
        RunBatchShrink(job, m_shared, hooks);
    }

    static SIZE LoadedSize(const QString& path)
    {
        CLoadBitmap_for_Dlg holder;
        CPngTransparency transparency;
        holder.path.SetPath(path);
        if (!CDlgMultiViewStage::LoadImageFileByExtension(QFileInfo(path).suffix(), &holder, &transparency))
            return SIZE{-1, -1};
        return SIZE{holder.infoHeader.biWidth, std::abs(holder.infoHeader.biHeight)};
    }

    ImageSettingsScope m_settings;
    QTemporaryDir m_dir;
    ShrinkRunShared m_shared;
    std::vector<int> m_started;
    std::vector<QString> m_written;
    std::vector<QString> m_messages;
};

TEST_F(ShrinkRunTest, BothRoutesWriteEveryFormatAtTheReducedSize)
{
    for (int interpolation : {0, 1}) {
        for (int format : {kShrinkBmp, kShrinkJpeg, kShrinkPng}) {
            SCOPED_TRACE(testing::Message() << "interpolation " << interpolation << " format " << format);
            QDir(m_dir.path() + "/out").removeRecursively();
            m_shared.state = kStretchIdle;
            m_shared.failures = 0;
            m_started.clear();
            Run(Job(format, interpolation));
            EXPECT_EQ(m_shared.state.load(), kStretchFinished);
            EXPECT_EQ(m_shared.failures.load(), 0);
            EXPECT_EQ(m_started, (std::vector<int>{1, 2, 3}));
            EXPECT_TRUE(m_written.empty());  // not the shown folder
            const QString ext = ShrinkExtension(format);
            for (const char* stem : {"a", "b", "c"}) {
                const QString out = m_dir.path() + "/out/deep/s-" + stem + "." + ext;
                EXPECT_EQ(LoadedSize(out), (SIZE{kW / 2, kH / 2})) << out.toStdString();
            }
        }
    }
}

TEST_F(ShrinkRunTest, JpegsAreWrittenAtTheChosenQualityWithoutTouchingTheSettings)
{
    AppSettings.JpegQuality = 90;
    AppSettings.ShowQualityDlg = 1;  // never asked: a worker has no window
    qint64 sizes[2] = {};
    for (int i : {0, 1}) {
        ShrinkJob job = Job(kShrinkJpeg, 1);
        job.names = {"c.jpg"};
        job.choices.ratio = 100;
        job.choices.quality = i == 0 ? 5 : 100;
        job.choices.overwrite = 1;
        Run(job);
        sizes[i] = QFileInfo(m_dir.path() + "/out/deep/s-c.jpg").size();
    }
    EXPECT_GT(sizes[1], sizes[0] * 2);
    EXPECT_EQ(AppSettings.JpegQuality, 90);
    EXPECT_EQ(AppSettings.ShowQualityDlg, 1);
}

TEST_F(ShrinkRunTest, AnExistingOutputIsReplacedOnlyWhenAllowed)
{
    ShrinkJob job = Job(kShrinkJpeg, 1);
    job.choices.sameFolder = 1;
    job.names = {"c.jpg"};
    ASSERT_TRUE(WriteBytes(In("s-c.jpg"), "old"));
    Run(job);
    EXPECT_EQ(m_shared.failures.load(), 1);  // skipped and counted
    EXPECT_EQ(ReadBytes(In("s-c.jpg")), QByteArray("old"));
    EXPECT_TRUE(m_written.empty());

    job.choices.overwrite = 1;
    m_shared.failures = 0;
    Run(job);
    EXPECT_EQ(m_shared.failures.load(), 0);
    EXPECT_EQ(LoadedSize(In("s-c.jpg")), (SIZE{kW / 2, kH / 2}));
    EXPECT_EQ(m_written, (std::vector<QString>{In("s-c.jpg")}));

    // Keeping the names in the same folder replaces even with overwrite off:
    // the JPEG replaces its input, the PNG gets a new JPEG beside it.
    job.choices.overwrite = 0;
    job.choices.keepName = 1;
    job.names = {"b.png", "c.jpg"};
    m_written.clear();
    Run(job);
    EXPECT_EQ(m_shared.failures.load(), 0);
    EXPECT_EQ(LoadedSize(In("c.jpg")), (SIZE{kW / 2, kH / 2}));
    EXPECT_EQ(LoadedSize(In("b.jpg")), (SIZE{kW / 2, kH / 2}));
    EXPECT_EQ(LoadedSize(In("b.png")), (SIZE{kW, kH}));
    EXPECT_EQ(m_written, (std::vector<QString>{In("b.jpg"), In("c.jpg")}));
}

TEST_F(ShrinkRunTest, ImagesSmallerThanTheFixedSizeAndFoldersInTheWayAreFailures)
{
    ShrinkJob job = Job(kShrinkPng, 0);
    job.choices.ratioMode = 0;
    job.choices.width = 30;
    job.choices.height = 31;  // higher than every image
    Run(job);
    EXPECT_EQ(m_shared.failures.load(), 3);
    EXPECT_TRUE(QDir(m_dir.path() + "/out/deep").isEmpty());

    job.choices.height = 20;
    ASSERT_TRUE(QDir().mkpath(m_dir.path() + "/out/deep/s-a.png"));
    m_shared.failures = 0;
    Run(job);
    EXPECT_EQ(m_shared.failures.load(), 1);
    EXPECT_EQ(LoadedSize(m_dir.path() + "/out/deep/s-b.png"), (SIZE{30, 20}));
}

TEST_F(ShrinkRunTest, AStopTakesEffectAfterTheCurrentFile)
{
    ShrinkJob job = Job(kShrinkJpeg, 1);
    job.names = {"a.bmp", "b.png", "c.jpg", "a.bmp", "b.png"};
    std::mutex mutex;
    std::condition_variable changed;
    int calls = 0;
    bool released = false;
    ShrinkRunHooks hooks;
    hooks.convert = [&](const QString&, const QString&, const QString&) {
        std::unique_lock lock(mutex);
        ++calls;
        changed.notify_all();
        if (calls == 2)  // the second file takes until the test lets it go
            changed.wait(lock, [&] { return released; });
        return ShrinkFileResult::Written;
    };
    std::thread worker([&] { Run(job, hooks); });
    {
        std::unique_lock lock(mutex);
        changed.wait(lock, [&] { return calls == 2; });
        m_shared.state = kStretchStopRequested;  // the user stops during the second file
        released = true;
        changed.notify_all();
    }
    worker.join();
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(m_shared.state.load(), kStretchStopped);
}

TEST_F(ShrinkRunTest, LowOrUnknownFreeSpaceEndsTheRun)
{
    ShrinkJob job = Job(kShrinkBmp, 1);
    ShrinkRunHooks hooks;
    DWORD freeMB = 0;
    hooks.convert = [&](const QString& in, const QString& out, const QString& folder) {
        return ShrinkOneFile(in, out, folder, job.choices, [&](const QString&, DWORD* mb) {
            *mb = freeMB;
            return true;
        });
    };
    Run(job, hooks);
    EXPECT_EQ(m_shared.state.load(), kStretchDiskLow);
    EXPECT_EQ(m_started, (std::vector<int>{1}));
    EXPECT_EQ(m_shared.failures.load(), 0);
    EXPECT_TRUE(QDir(m_dir.path() + "/out/deep").isEmpty());

    // The system's query failing is told as such, not as a full disk.
    SetFileOperationFault([](FileOperationKind kind, const QString&) {
        return kind == FileOperationKind::FreeSpace ? ERROR_GEN_FAILURE : ERROR_SUCCESS;
    });
    DWORD mb = 7;
    EXPECT_FALSE(QueryDiskFreeMB(m_dir.path(), &mb));
    EXPECT_EQ(mb, 0u);
    m_shared.state = kStretchIdle;
    Run(job);
    EXPECT_EQ(m_shared.state.load(), kStretchFreeSpaceUnknown);
    EXPECT_TRUE(QDir(m_dir.path() + "/out/deep").isEmpty());
    SetFileOperationFault({});
    EXPECT_TRUE(QueryDiskFreeMB(m_dir.path(), &mb));
}

TEST_F(ShrinkRunTest, AnOutputFolderThatCannotBeMadeEndsTheRunWithItsMessage)
{
    ASSERT_TRUE(WriteBytes(In("plain"), "x"));
    ShrinkJob job = Job(kShrinkJpeg, 1);
    job.choices.outputFolder = In("plain/out/");
    Run(job);
    EXPECT_EQ(m_messages, (std::vector<QString>{kShrinkFolderFailed}));
    EXPECT_EQ(m_shared.state.load(), kStretchFinished);
    EXPECT_TRUE(m_started.empty());
}

TEST_F(ShrinkRunTest, TooLongPathsFailAndAreToldOnce)
{
    ShrinkJob job = Job(kShrinkJpeg, 1);
    job.choices.sameFolder = 1;
    const QString longName = QString(260, u'n') + ".jpg";
    job.names = {longName, "c.jpg", longName};
    Run(job);
    EXPECT_EQ(m_messages, (std::vector<QString>{kShrinkPathTooLong}));
    EXPECT_EQ(m_shared.failures.load(), 2);
    EXPECT_EQ(m_written, (std::vector<QString>{In("s-c.jpg")}));
}

TEST(ShrinkSelection, SelectedFilesOfTheTickedSizesInListOrder)
{
    const std::vector<ShrinkCandidate> files = {
        {"a", {640, 480}, true},
        {"b", {800, 600}, true},
        {"c", {640, 480}, false},
        {"d", {640, 480}, true},
        {"e", {100, 100}, true},
    };
    const SIZE pairs[] = {{640, 480}, {800, 600}, {100, 100}};
    const bool firstOnly[] = {true, false, false};
    EXPECT_EQ(SelectFilesToShrink(files, false, pairs, firstOnly, 3, 2), (std::vector<QString>{"a", "d"}));
    const bool lastTwo[] = {false, true, true};
    EXPECT_EQ(SelectFilesToShrink(files, false, pairs, lastTwo, 3, 2), (std::vector<QString>{"b", "e"}));
    EXPECT_EQ(
        SelectFilesToShrink(files, true, pairs, firstOnly, 3, 4), (std::vector<QString>{"a", "b", "d", "e"}));
    EXPECT_EQ(SelectFilesToShrink(files, true, pairs, firstOnly, 3, 2), (std::vector<QString>{"a", "b"}));
}

}  // namespace
