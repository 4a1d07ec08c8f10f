// One continuous capture run: the ring of frames, the capture loop on the UI
// thread, the saver thread that writes the frames as numbered files, and the
// checks made before the run (file names, free space). The dialog owns one
// session, fills its settings and forwards its start, stop and timer to it;
// whatever the loop needs of the dialog goes through ContinuousCaptureLoopHost,
// and the screen, the clock and the system figures can be replaced by tests.
//
// Threads: everything here runs on the UI thread except the saver's body;
// they share the ring, the status byte, the saved-file counter and the last
// path (written by the saver, read once WaitForSaver has seen it end).
#pragma once

#include "clip/continuous_capture_frame_ring.h"
#include "clip/continuous_capture_status.h"
#include "clip/screen_capture.h"
#include "platform/image/image_class.h"
#include "platform/thread/worker_thread.h"
#include "platform/types/hwnd.h"
#include "platform/types/types.h"

#include <QString>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

// File formats of the run.
enum : int {
    kCcFormatBmp = 1,
    kCcFormatJpeg = 2,
    kCcFormatPng = 5,
};

// Disk estimate results.
enum : int {
    kCcDiskEnough = 1,
    kCcDiskMaybeShort = 2,
    kCcDiskNone = 3,
};

// The first disk-check index that means "never" (above the largest count).
inline constexpr int kCcNeverCheckDisk = 10010;

// Timer of the progress bar on the dialog.
inline constexpr UINT IDT_CONTCAP_PROGRESS = 27;
inline constexpr UINT kContCapProgressMs = 1000;

// The run's settings, copied from the dialog when a run starts.
struct ContinuousCaptureSettings {
    int targetKind = 1;       // 1 a window, 2 a screen range
    int mouseCursor = 0;      // 1 draws the cursor into each frame
    int count = 1;            // frames, 1..10000
    int intervalTenths = 10;  // 0.1 s steps, 1..600
    int forceCapture = 0;     // 1 keeps capturing when saving falls behind
    int saveFormat = kCcFormatBmp;
    int quality = 80;         // JPEG quality 1..100
    QString folder;           // ends with '/'
    QString fileName;         // base name
    int overwrite = 1;        // 0 skips files that exist
    int numberFirst = 0;      // 1 "0001-name", 0 "name-0001"
    int windowState = 1;      // 1 hidden in the taskbar, 2 the compact window
    DWORD saveWaitMs = 5000;  // CC_SaveWait_ms
};

// The file name of frame i of n under these settings: the number padded to
// the digits of n, before or after the base name, with the format's extension.
QString ContinuousCaptureFileName(const ContinuousCaptureSettings& settings, int i, int n);

// What the capture loop and the wait for the saver need of the dialog.
class ContinuousCaptureLoopHost {
public:
    virtual ~ContinuousCaptureLoopHost() = default;
    // "k / n" into the counter edit (caret hidden) and the frame's title.
    virtual void ShowCounter(const QString& text) = 0;
    // Timer 27 on the dialog (1000 ms); each tick calls OnProgressTimer.
    virtual void StartProgressTimer() = 0;
    virtual void StopProgressTimer() = 0;
    virtual void SetProgressPos(int tenths) = 0;
    // A message box captioned ContinueCaptureCaption().
    virtual void ShowMessage(const QString& text, UINT icon) = 0;
    // Handles messages, waiting at most maxMs for one to come (0: only those
    // pending). The stop click and the timers are served here.
    virtual void WaitMessages(DWORD maxMs) = 0;
    // The frame that opens the wait box; null: no box.
    virtual HWND FrameWindow() = 0;
};

// The screen as the loop reads it: one desktop DC for the whole run.
class ContinuousCaptureScreen {
public:
    virtual ~ContinuousCaptureScreen() = default;
    // Takes the desktop's DC; false when there is none.
    virtual bool Open() = 0;
    virtual void Close() = 0;
    // Copies the screen at (left, top) into the whole picture, reading the
    // screen anew; false when the copy failed.
    virtual bool Copy(CImage& picture, int left, int top) = 0;
    // The cursor now; none when it cannot be read.
    virtual std::optional<CaptureCursor> Cursor() = 0;
};
// The live desktop (the screen's DC and the desktop's cursor).
std::unique_ptr<ContinuousCaptureScreen> MakeDesktopCaptureScreen();

// Milliseconds of a monotonic clock.
class ContinuousCaptureClock {
public:
    virtual ~ContinuousCaptureClock() = default;
    virtual ULONGLONG NowMs() = 0;
};
// The system's monotonic clock.
std::unique_ptr<ContinuousCaptureClock> MakeSteadyCaptureClock();

// Handles messages, waiting at most maxMs for one to come without using the
// processor meanwhile: the waits of a dialog that implements the host.
void WaitMessagesPumping(DWORD maxMs);

// The system figures a run asks for.
struct ContinuousCaptureSystem {
    std::function<DWORD()> availableMemoryMB;         // available physical memory
    std::function<DWORD(const QString&)> diskFreeMB;  // free MB of a folder's file system
    CaptureBlockAllocator allocate;                   // frames' pixels and the save buffers
};
ContinuousCaptureSystem DefaultContinuousCaptureSystem();

class CContinuousCaptureSession {
public:
    explicit CContinuousCaptureSession(ContinuousCaptureLoopHost& host);
    // Waits for a saver that still runs (it is asked to stop first).
    ~CContinuousCaptureSession();
    CContinuousCaptureSession(const CContinuousCaptureSession&) = delete;
    CContinuousCaptureSession& operator=(const CContinuousCaptureSession&) = delete;

    // For tests: the screen, the clock and the system figures.
    void SetScreen(std::unique_ptr<ContinuousCaptureScreen> screen);
    void SetClock(std::unique_ptr<ContinuousCaptureClock> clock);
    void SetSystem(ContinuousCaptureSystem system);

    ContinuousCaptureSettings settings;

    // --- before the run ---
    // Makes the ring for frames of w x h at bpp bits, halving it while memory
    // runs out; 1 ready, 0 no memory.
    int PrepareRing(int width, int height, int bpp);
    // Whether the folder holds room for the run: 1 enough, 2 maybe not, 3 no
    // space or no folder. Sets the first disk-check index.
    int EstimateDiskSpace(const QString& folder, int width, int height, int bpp);
    // 1 when the file of frame 1 or of frame n exists already.
    int AnyTargetFileExists() const;
    // The file name and the path of frame i of n.
    QString MakeSaveFileName(int i, int n) const;
    QString MakeSaveFilePath(int i, int n) const;
    // 1 when overwriting is on or the file does not exist.
    int CanWriteFile(const QString& path) const;
    // The BMP file image or the JPEG rows the format needs; 1, or 0.
    int AllocSaveBuffers();
    // Writes the frame as the settings' format; 1 written (whole, in place),
    // 0 failed (nothing left behind). writeError receives the system's reason
    // (ENOSPC for a full file system) or 0.
    int WriteFrameFile(const QString& path, CCaptureFrame& frame, int* writeError = nullptr);

    // --- the run ---
    // Starts the saver; false when the thread cannot be made.
    bool StartSaverThread();
    // Waits until the saver has ended; with showWindow and more than one
    // frame left the frame's wait box shows the progress.
    void WaitForSaver(bool showWindow);
    // Grabs count frames of w x h at the rectangle's top-left into the ring:
    // 1 all captured, 0 stopped (the status says why).
    int RunCaptureLoop(HWND target, const RECT& rect, int width, int height);
    // Copies the picture (of the frames' depth) into the write slot; 1, or 0
    // when no slot is free.
    int StoreFrame(const CImage& image);
    // Waits until frame k + 1 is due; 1 go on, 0 stop.
    int WaitForNextFrame(int k);
    // Timer 27: the progress bar's position in tenths since the frame began.
    void OnProgressTimer();

    // The ring is closed after the loop and on a stop: the saver then ends
    // once the frames stored before have been handled.
    void CloseRing();
    CCaptureFrameRing* Ring() { return m_ring.get(); }
    const CCaptureFrame& Template() const { return m_template; }

    // Status byte shared with the saver; the dialog sets 1 when a run starts
    // and 2 on a stop.
    std::atomic<BYTE> ContinueCaptureStatus{kCcRunning};
    BYTE Status() const { return ContinueCaptureStatus.load(std::memory_order_acquire); }
    void SetStatus(BYTE status) { ContinueCaptureStatus.store(status, std::memory_order_release); }

    // Files actually written (read after WaitForSaver).
    int SavedFileCount() const { return m_savedCount.load(std::memory_order_acquire); }
    void ResetSavedFileCount() { m_savedCount.store(0, std::memory_order_release); }
    // The path formed for the last frame the saver handled.
    QString LastPath() const;
    // 0 once a frame came late.
    int IntervalKept() const { return m_intervalKept; }
    void SetIntervalKept(int kept) { m_intervalKept = kept; }
    int FirstDiskCheck() const { return m_firstDiskCheck; }
    bool SaverRunning() const { return m_saver && m_saver->IsRunning(); }

private:
    // Ends the run with a status unless it has ended already.
    void EndRun(BYTE status);
    void ReleaseRing();
    // With force: waits (handling messages) for a free slot; false after
    // more than CC_SaveWait_ms.
    bool WaitForFreeSlot();
    // One attempt of PrepareRing with n frames.
    bool BuildRing(int n, int width, int height, int bpp);
    // The saver's body (the thread procedure).
    void ContinueCaptureThreadProc();
    // The disk check at frame i: false when the file system is full.
    bool CheckDiskAt(int i, const QString& lastPath);

    ContinuousCaptureLoopHost& m_host;
    std::unique_ptr<ContinuousCaptureScreen> m_screen;
    std::unique_ptr<ContinuousCaptureClock> m_clock;
    ContinuousCaptureSystem m_system;

    CCaptureFrame m_template;
    std::unique_ptr<CCaptureFrameRing> m_ring;
    struct FreeBlock {
        void operator()(BYTE* p) const;
    };
    std::unique_ptr<BYTE, FreeBlock> m_bmpBuffer;
    std::size_t m_bmpBufferSize = 0;
    std::unique_ptr<BYTE, FreeBlock> m_jpegBuffer;
    std::size_t m_jpegBufferSize = 0;

    std::unique_ptr<CWorkerThread> m_saver;
    std::atomic<bool> m_saverStarted{false};
    std::atomic<int> m_savedCount{0};
    QString m_lastPath;  // the saver's; read after it ended
    int m_intervalKept = 1;
    int m_firstDiskCheck = 1;
    int m_nextDiskCheck = 1;  // the saver's
    ULONGLONG m_loopStart = 0;
    ULONGLONG m_frameStart = 0;
};
