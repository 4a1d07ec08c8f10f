// A run into a small file system that fills up: the run ends as "full",
// and every file counted as saved is whole on disk. The file system is a
// tmpfs of 1 MiB mounted in a child process of its own (user and mount
// namespaces), so the test needs no privileges beyond those namespaces.
#include "clip/continuous_capture_session.h"

#include "continuous_capture_fakes.h"
#include "platform/image/image_class.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// What the child found, sent back through a pipe.
struct FullDiskReport {
    int mounted = 0;
    int status = -1;
    int saved = -1;
    int files = -1;       // files in the folder, hidden ones included
    int wholeFiles = -1;  // files that decode to the frame their name gives
};

bool WriteText(const char* path, const char* text)
{
    const int fd = ::open(path, O_WRONLY);
    if (fd < 0)
        return false;
    const bool ok = ::write(fd, text, std::strlen(text)) == static_cast<ssize_t>(std::strlen(text));
    ::close(fd);
    return ok;
}

// Enters new user and mount namespaces and mounts a 1 MiB tmpfs on folder.
bool MountSmallTmpfs(const QByteArray& folder)
{
    const uid_t uid = ::getuid();
    const gid_t gid = ::getgid();
    if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
        return false;
    char map[64];
    std::snprintf(map, sizeof map, "0 %u 1", static_cast<unsigned>(uid));
    WriteText("/proc/self/setgroups", "deny");
    if (!WriteText("/proc/self/uid_map", map))
        return false;
    std::snprintf(map, sizeof map, "0 %u 1", static_cast<unsigned>(gid));
    if (!WriteText("/proc/self/gid_map", map))
        return false;
    return ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
        ::mount("tmpfs", folder.constData(), "tmpfs", 0, "size=1m") == 0;
}

// A frame of noise, so that PNG cannot shrink it to nothing; frame k's
// first pixel carries k.
QImage NoiseFrame(int k, int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    QRandomGenerator random(static_cast<quint32>(k));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, random.generate() | 0xFF000000u);
    image.setPixel(0, 0, qRgb(k, k, k));
    return image;
}

FullDiskReport RunIntoSmallDisk(const QString& folder, int format, int w, int h, int count)
{
    FullDiskReport report;
    FakeCaptureRig rig;
    ContinuousCaptureSettings& s = rig.session.settings;
    s.folder = folder + u'/';
    s.fileName = QStringLiteral("f");
    s.saveFormat = format;
    s.quality = 95;
    s.count = count;
    if (rig.session.PrepareRing(w, h, 32) != 1 ||
        rig.session.Ring()->Capacity() < static_cast<std::uint32_t>(count))
        return report;
    for (int k = 1; k <= count; ++k) {
        CImage picture;
        picture.SetImage(NoiseFrame(k, w, h));
        rig.session.StoreFrame(picture);
    }
    rig.session.SetStatus(kCcRunning);
    if (!rig.session.StartSaverThread())
        return report;
    rig.session.CloseRing();
    rig.session.WaitForSaver(false);
    report.status = rig.session.Status();
    report.saved = rig.session.SavedFileCount();
    const QStringList files = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    report.files = static_cast<int>(files.size());
    report.wholeFiles = 0;
    for (int k = 1; k <= count; ++k) {
        CImage saved;
        const QString path = rig.session.MakeSaveFilePath(k, count);
        if (!QFile::exists(path) || saved.Load(path) != CImage::kOk || saved.GetWidth() != w ||
            saved.GetHeight() != h)
            continue;
        // A lossy file is whole when it decodes; the others must match exactly.
        const QImage expected = NoiseFrame(k, w, h);
        if (format == kCcFormatJpeg ||
            (saved.Image().pixel(0, 0) == expected.pixel(0, 0) &&
                saved.Image().pixel(w - 1, h - 1) == expected.pixel(w - 1, h - 1)))
            ++report.wholeFiles;
    }
    return report;
}

FullDiskReport RunInChild(int format, int w, int h, int count)
{
    QTemporaryDir dir;
    int fds[2];
    if (!dir.isValid() || ::pipe(fds) != 0)
        return {};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(fds[0]);
        FullDiskReport report;
        if (MountSmallTmpfs(QFile::encodeName(dir.path()))) {
            report = RunIntoSmallDisk(dir.path(), format, w, h, count);
            report.mounted = 1;
        }
        (void)!::write(fds[1], &report, sizeof report);
        ::_exit(0);
    }
    ::close(fds[1]);
    FullDiskReport report;
    if (child < 0 || ::read(fds[0], &report, sizeof report) != static_cast<ssize_t>(sizeof report))
        report = {};
    ::close(fds[0]);
    if (child > 0)
        ::waitpid(child, nullptr, 0);
    return report;
}

TEST(ContinuousCaptureFullDisk, EndsAsFullAndEveryCountedFileIsWhole)
{
    struct Case {
        int format, w, h, count;
    } const cases[] = {
        {kCcFormatBmp, 64, 64, 100},   // 16438 bytes a file: about 60 fit
        {kCcFormatPng, 160, 120, 30},  // noise barely compresses: a few fit
        {kCcFormatJpeg, 320, 240, 30},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format);
        const FullDiskReport r = RunInChild(c.format, c.w, c.h, c.count);
        if (r.mounted == 0)
            GTEST_SKIP() << "no user and mount namespaces here: a small file system cannot be made";
        EXPECT_EQ(r.status, kCcDiskFull);
        EXPECT_GT(r.saved, 0);
        EXPECT_LT(r.saved, c.count);
        // Nothing but whole files: no remains of the file that did not fit.
        EXPECT_EQ(r.files, r.saved);
        EXPECT_EQ(r.wholeFiles, r.saved);
    }
}

}  // namespace
