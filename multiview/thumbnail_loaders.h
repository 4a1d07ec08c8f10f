// The stage's worker threads: the range loader (the thumbnails of the
// loaded window), the page loader (the visible page first), the sort
// builder (the three rank arrays) and the two mask-date workers. At most one
// worker of a kind runs; only the UI thread starts and stops them.
//
// Stopping: the kind's cancel flag is set and the UI thread waits, handling
// messages (a worker may be sending to the UI thread), up to the kind's
// limit. A worker that outlives its limit is kept here with its cancel flag
// still set: no worker of its kind starts and AnyAlive() stays true until it
// has ended, so the caller neither frees the list's arrays nor starts a
// second worker of that kind meanwhile. Only the one who saw a worker end
// clears that kind's cancel flag, so the next worker does not cancel itself.
//
// Workers reach the windows only through SendMessage and PostMessage, which
// drop messages to windows that are gone.
#pragma once

#include "platform/types/hwnd.h"
#include "platform/types/types.h"

#include <functional>
#include <memory>
#include <vector>

class CThumbMask;
class CThumbnailList;
class CWorkerThread;
struct ThumbLoadControl;

class CThumbnailLoaders {
public:
    enum Kind { kRangeLoader = 0, kPageLoader, kSortBuilder, kMaskCollector, kMaskRebuilder, kKinds };
    enum class Stop { NotRunning, Stopped, StillRunning };

    static constexpr DWORD kLoaderStopLimitMs = 10000;
    static constexpr DWORD kSortStopLimitMs = 1000;

    CThumbnailLoaders(CThumbnailList* list, ThumbLoadControl* control, CThumbMask* mask);
    // Asks every worker to stop and waits (handling messages) until all ended.
    ~CThumbnailLoaders();
    CThumbnailLoaders(const CThumbnailLoaders&) = delete;
    CThumbnailLoaders& operator=(const CThumbnailLoaders&) = delete;

    // Where the workers report: the stage, and the panel as it is now.
    void SetWindows(HWND stage, std::function<HWND()> panel);
    // The stop limits (tests shorten them).
    void SetStopLimits(DWORD loaderMs, DWORD sortMs);

    // Each start first stops a running worker of its kind; false when one
    // still runs after its limit or no thread could be made. The range (or
    // page) to load is stored for the new worker only once the old one has
    // ended.
    bool StartRangeLoader(int first, int last);
    bool StartPageLoader(int first, int last);
    bool StartSortBuilder(unsigned bits);
    bool StartMaskWorker(bool rebuild, int fileCount);

    // stopping: the range loader is stopped only to let the page load first.
    Stop StopRangeLoader(bool stopping = false);
    Stop StopPageLoader();
    Stop StopSortBuilder();
    Stop StopMaskWorker(bool rebuild);
    // The range and page loaders, and the sort builder; true when every one
    // asked for has ended.
    bool StopWorkerThreads(bool loaders, bool sort);

    // A kind's current worker runs.
    bool IsRunning(Kind kind) const;
    // Deletes the kind's worker when it has ended; true when none runs now.
    bool ReapIfEnded(Kind kind);
    // A worker that works on the list (loader or sort builder, current or
    // outlived) has not ended.
    bool AnyAlive();
    // Waits (handling messages) up to limitMs for the sort builder; true
    // when none runs.
    bool WaitForSortBuilder(DWORD limitMs);

    // Holds the loaders before their next file, and lets them go on.
    void SuspendLoaders();
    void ResumeLoaders();

private:
    struct Straggler {
        Kind kind;
        std::unique_ptr<CWorkerThread> worker;
    };

    bool StartKind(Kind kind, std::function<void()> body);
    Stop StopKind(Kind kind, DWORD limitMs, const std::function<void()>& requestCancel);
    void PruneStragglers();
    bool StragglerAlive(Kind kind);
    DWORD LimitOf(Kind kind) const;

    HWND PanelWindow() const;
    // The panel's handle is taken on the UI thread when a worker starts.
    void RangeLoaderBody(HWND panel);
    void PageLoaderBody();
    void SortBuilderBody(HWND panel, unsigned bits);

    CThumbnailList* m_list;
    ThumbLoadControl* m_control;
    CThumbMask* m_mask;
    HWND m_stage = nullptr;
    std::function<HWND()> m_panel;
    DWORD m_loaderLimitMs = kLoaderStopLimitMs;
    DWORD m_sortLimitMs = kSortStopLimitMs;
    std::unique_ptr<CWorkerThread> m_workers[kKinds];
    std::vector<Straggler> m_stragglers;
};
