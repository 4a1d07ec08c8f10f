// A continuous capture of the whole 1920 x 1080 screen at 10 frames a second
// for 100 frames, as a run makes it: the loop grabs into the ring on this
// thread while the saver, held to one core of its own, writes the files.
// Screens: a UI-like one (flat panels, lines, text) and a photo-like one
// (gradients with grain). Counters: result (1 all frames taken), late
// (frames taken after their time; without force a late frame ends the run),
// max_lag_ms (the latest frame's delay behind its time), saver_fps (files a
// second over the whole run), drain_s (how long the saver worked on after the
// last frame), saved, same_as_screen (PNG: the first file equals the picture
// shown). Needs an X display (DISPLAY); scripts/bench starts one.
#include "clip/continuous_capture_session.h"
#include "platform/app/app.h"
#include "platform/image/image_class.h"
#include "platform/x11/desktop_services.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QWidget>

#include <chrono>
#include <pthread.h>
#include <sched.h>
#include <vector>

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int kFrames = 100;
constexpr int kIntervalTenths = 1;

QApplication& App()
{
    static int argc = 1;
    static char name[] = "continuous_capture_bench";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        // The picture has to be on the display that is grabbed.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
            qputenv("QT_QPA_PLATFORM", "xcb");
        PrepareApplicationEnvironment();
        return new QApplication(argc, argv);
    }();
    return *app;
}

QImage UiLikeScreen()
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(QColor(240, 240, 240));
    QPainter p(&image);
    p.fillRect(0, 0, kWidth, 30, QColor(40, 60, 120));
    p.fillRect(0, 30, 260, kHeight - 30, QColor(225, 228, 232));
    p.setPen(QColor(30, 30, 30));
    QFont font = p.font();
    font.setPixelSize(13);
    p.setFont(font);
    for (int row = 0; row < 60; ++row) {
        const int y = 50 + row * 17;
        p.drawText(12, y, QStringLiteral("フォルダ %1  Documents/report-%1.txt").arg(row));
        p.drawText(280, y,
            QStringLiteral("2026/12/11 13:%1  %2 KB  連続キャプチャ sample text line %3")
                .arg(row % 60, 2, 10, QChar(u'0'))
                .arg(row * 37 % 900)
                .arg(row));
        p.drawLine(270, y + 4, kWidth - 20, y + 4);
    }
    for (int i = 0; i < 8; ++i)
        p.fillRect(1300 + (i % 4) * 150, 100 + (i / 4) * 150, 130, 130, QColor::fromHsv(i * 45, 120, 230));
    return image;
}

QImage PhotoLikeScreen()
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QRandomGenerator random(42);
    for (int y = 0; y < kHeight; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < kWidth; ++x) {
            const int grain = static_cast<int>(random.bounded(24u)) - 12;
            const int r = std::clamp(60 + x * 150 / kWidth + grain, 0, 255);
            const int g = std::clamp(90 + y * 120 / kHeight + (x * y) % 23 - 11 + grain, 0, 255);
            const int b = std::clamp(200 - (x + y) * 140 / (kWidth + kHeight) + grain, 0, 255);
            line[x] = qRgb(r, g, b);
        }
    }
    return image;
}

// The picture across the whole screen, above every window.
class ScreenPicture : public QWidget {
public:
    explicit ScreenPicture(QImage picture)
        : QWidget(
              nullptr, Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint | Qt::WindowStaysOnTopHint),
          m_picture(std::move(picture))
    {
        setGeometry(0, 0, kWidth, kHeight);
    }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).drawImage(0, 0, m_picture); }

private:
    QImage m_picture;
};

class BenchHost : public ContinuousCaptureLoopHost {
public:
    void ShowCounter(const QString&) override { starts.push_back(std::chrono::steady_clock::now()); }
    void StartProgressTimer() override { }
    void StopProgressTimer() override { }
    void SetProgressPos(int) override { }
    void ShowMessage(const QString&, UINT) override { ++messages; }
    void WaitMessages(DWORD maxMs) override { WaitMessagesPumping(maxMs); }
    HWND FrameWindow() override { return nullptr; }

    std::vector<std::chrono::steady_clock::time_point> starts;
    int messages = 0;
};

void PinThisThread(const std::vector<int>& cpus)
{
    cpu_set_t set;
    CPU_ZERO(&set);
    for (int cpu : cpus)
        CPU_SET(cpu, &set);
    pthread_setaffinity_np(pthread_self(), sizeof set, &set);
}

// args: screen (0 UI-like, 1 photo-like), format, force, ring frames (0: as
// the available memory allows, else the memory of that many frames).
void BM_ContinuousCapture(benchmark::State& state)
{
    App();
    if (!DesktopIsAvailable()) {
        state.SkipWithError("no X display");
        return;
    }
    const bool photo = state.range(0) == 1;
    const int format = static_cast<int>(state.range(1));
    const int force = static_cast<int>(state.range(2));
    const int ringFrames = static_cast<int>(state.range(3));
    state.SetLabel(QStringLiteral("%1 to %2%3")
                       .arg(photo ? "photo-like" : "UI-like", format == kCcFormatPng ? "PNG" : "JPEG",
                           force ? ", force" : "")
                       .append(ringFrames ? QStringLiteral(", ring of %1").arg(ringFrames) : QString())
                       .toStdString());
    const QImage shown = photo ? PhotoLikeScreen() : UiLikeScreen();
    ScreenPicture picture(shown);
    picture.show();
    WaitMessagesPumping(0);
    for (int i = 0; i < 50; ++i)
        WaitMessagesPumping(10);

    const int cpus = static_cast<int>(std::max(2u, std::thread::hardware_concurrency()));
    std::vector<int> loopCpus;
    for (int cpu = 1; cpu < cpus; ++cpu)
        loopCpus.push_back(cpu);
    for (auto _ : state) {
        QTemporaryDir dir;
        BenchHost host;
        CContinuousCaptureSession session(host);
        ContinuousCaptureSettings& s = session.settings;
        s.count = kFrames;
        s.intervalTenths = kIntervalTenths;
        s.saveFormat = format;
        s.quality = 90;
        s.forceCapture = force;
        s.folder = dir.path() + u'/';
        s.fileName = QStringLiteral("frame");
        if (ringFrames > 0) {
            // A quarter of the memory goes to the ring: memory for ringFrames frames.
            ContinuousCaptureSystem system = DefaultContinuousCaptureSystem();
            const DWORD megabytes = static_cast<DWORD>(ringFrames * 4 * (kWidth * 4.0 * kHeight / 1e6) + 1);
            system.availableMemoryMB = [megabytes] { return megabytes; };
            session.SetSystem(system);
        }
        if (session.PrepareRing(kWidth, kHeight, 32) != 1) {
            state.SkipWithError("no memory for the ring");
            return;
        }
        state.counters["ring"] = session.Ring()->Capacity();
        session.SetStatus(kCcRunning);
        session.SetIntervalKept(1);
        // The saver inherits core 0 alone; the loop moves to the others.
        PinThisThread({0});
        const bool started = session.StartSaverThread();
        PinThisThread(loopCpus);
        if (!started) {
            state.SkipWithError("no saver thread");
            return;
        }
        const auto start = std::chrono::steady_clock::now();
        const int result = session.RunCaptureLoop(nullptr, RECT{0, 0, kWidth, kHeight}, kWidth, kHeight);
        const auto loopEnd = std::chrono::steady_clock::now();
        session.CloseRing();
        session.WaitForSaver(false);
        const auto end = std::chrono::steady_clock::now();

        double maxLag = 0;
        int late = 0;
        for (std::size_t k = 0; k < host.starts.size(); ++k) {
            const auto due = host.starts.front() + std::chrono::milliseconds(100 * k);
            const double lag = std::chrono::duration<double, std::milli>(host.starts[k] - due).count();
            maxLag = std::max(maxLag, lag);
        }
        late = session.IntervalKept() == 1 ? 0 : 1;
        const double seconds = std::chrono::duration<double>(end - start).count();
        state.counters["result"] = result;
        state.counters["status"] = session.Status();
        state.counters["late"] = late;
        state.counters["frames"] = static_cast<double>(host.starts.size());
        state.counters["max_lag_ms"] = maxLag;
        state.counters["saved"] = session.SavedFileCount();
        state.counters["saver_fps"] = session.SavedFileCount() / seconds;
        state.counters["drain_s"] = std::chrono::duration<double>(end - loopEnd).count();
        // The frames hold the screen: the first PNG equals the picture shown.
        if (format == kCcFormatPng) {
            CImage first;
            state.counters["same_as_screen"] =
                first.Load(session.MakeSaveFilePath(1, kFrames)) == CImage::kOk &&
                first.Image().convertToFormat(QImage::Format_RGB32) == shown;
        }
        state.SetIterationTime(seconds);
    }
}
BENCHMARK(BM_ContinuousCapture)
    ->Args({0, kCcFormatPng, 0, 0})
    ->Args({0, kCcFormatPng, 1, 0})
    ->Args({1, kCcFormatJpeg, 0, 0})
    ->Args({1, kCcFormatJpeg, 1, 0})
    ->Args({1, kCcFormatPng, 0, 0})
    ->Args({1, kCcFormatPng, 1, 0})
    ->Args({1, kCcFormatPng, 0, 10})
    ->Args({1, kCcFormatPng, 1, 10})
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

}  // namespace
