#include "multiview/thumbnail_loaders.h"

#include "core/multi_control_messages.h"
#include "core/multi_view_messages.h"
#include "multiview/thumb_load_control.h"
#include "multiview/thumb_mask.h"
#include "multiview/thumbnail_list.h"
#include "platform/thread/worker_thread.h"
#include "platform/window/window.h"

namespace {

// The keys the sort builder completes, in this order, when bits left some out.
constexpr unsigned kMissingKeyOrder[] = {kSortBitDate, kSortBitSize, kSortBitName};
// The order in which rebuild flags are taken.
constexpr unsigned kRebuildOrder[] = {kSortBitName, kSortBitDate, kSortBitSize};

bool WorksOnList(CThumbnailLoaders::Kind kind)
{
    return kind == CThumbnailLoaders::kRangeLoader || kind == CThumbnailLoaders::kPageLoader ||
        kind == CThumbnailLoaders::kSortBuilder;
}

}  // namespace

CThumbnailLoaders::CThumbnailLoaders(CThumbnailList* list, ThumbLoadControl* control, CThumbMask* mask)
    : m_list(list), m_control(control), m_mask(mask)
{
}

CThumbnailLoaders::~CThumbnailLoaders()
{
    m_list->RequestRangeCancel();
    m_list->RequestPageCancel();
    m_list->RequestSortCancel();
    m_control->suspended.store(false);
    for (auto& worker : m_workers) {
        if (worker)
            worker->RequestCancel();
    }
    for (auto& straggler : m_stragglers)
        straggler.worker->RequestCancel();
    // Each worker's destructor waits for its body, handling messages.
    for (auto& worker : m_workers)
        worker.reset();
    m_stragglers.clear();
}

void CThumbnailLoaders::SetWindows(HWND stage, std::function<HWND()> panel)
{
    m_stage = stage;
    m_panel = std::move(panel);
}

void CThumbnailLoaders::SetStopLimits(DWORD loaderMs, DWORD sortMs)
{
    m_loaderLimitMs = loaderMs;
    m_sortLimitMs = sortMs;
}

HWND CThumbnailLoaders::PanelWindow() const
{
    return m_panel ? m_panel() : nullptr;
}

DWORD CThumbnailLoaders::LimitOf(Kind kind) const
{
    return kind == kSortBuilder ? m_sortLimitMs : m_loaderLimitMs;
}

void CThumbnailLoaders::PruneStragglers()
{
    std::erase_if(m_stragglers, [](const Straggler& s) { return !s.worker->IsRunning(); });
}

bool CThumbnailLoaders::StragglerAlive(Kind kind)
{
    PruneStragglers();
    for (const Straggler& s : m_stragglers) {
        if (s.kind == kind)
            return true;
    }
    return false;
}

bool CThumbnailLoaders::IsRunning(Kind kind) const
{
    return m_workers[kind] && m_workers[kind]->IsRunning();
}

bool CThumbnailLoaders::ReapIfEnded(Kind kind)
{
    if (m_workers[kind] && !m_workers[kind]->IsRunning())
        m_workers[kind].reset();
    return !m_workers[kind] && !StragglerAlive(kind);
}

bool CThumbnailLoaders::AnyAlive()
{
    PruneStragglers();
    for (const Straggler& s : m_stragglers) {
        if (WorksOnList(s.kind))
            return true;
    }
    return IsRunning(kRangeLoader) || IsRunning(kPageLoader) || IsRunning(kSortBuilder);
}

CThumbnailLoaders::Stop CThumbnailLoaders::StopKind(
    Kind kind, DWORD limitMs, const std::function<void()>& requestCancel)
{
    std::unique_ptr<CWorkerThread>& holder = m_workers[kind];
    if (!holder || !holder->IsRunning()) {
        holder.reset();
        return StragglerAlive(kind) ? Stop::StillRunning : Stop::NotRunning;
    }
    requestCancel();
    holder->RequestCancel();
    // Kept among the stragglers while it is waited for: a message handled
    // during the wait sees it as alive and starts no second one.
    m_stragglers.push_back(Straggler{kind, std::move(holder)});
    CWorkerThread* worker = m_stragglers.back().worker.get();
    worker->WaitForEnd(limitMs);
    if (StragglerAlive(kind))
        return Stop::StillRunning;  // its cancel flag stays set
    return Stop::Stopped;
}

CThumbnailLoaders::Stop CThumbnailLoaders::StopRangeLoader(bool stopping)
{
    if (IsRunning(kRangeLoader) && stopping)
        m_control->stopping.store(true);
    const Stop result =
        StopKind(kRangeLoader, LimitOf(kRangeLoader), [this] { m_list->RequestRangeCancel(); });
    if (result == Stop::Stopped) {
        m_control->stopping.store(false);
        m_list->ClearRangeCancel();
    }
    return result;
}

CThumbnailLoaders::Stop CThumbnailLoaders::StopPageLoader()
{
    const Stop result = StopKind(kPageLoader, LimitOf(kPageLoader), [this] { m_list->RequestPageCancel(); });
    if (result == Stop::Stopped)
        m_list->ClearPageCancel();
    return result;
}

CThumbnailLoaders::Stop CThumbnailLoaders::StopSortBuilder()
{
    const Stop result =
        StopKind(kSortBuilder, LimitOf(kSortBuilder), [this] { m_list->RequestSortCancel(); });
    // The builder may have passed its last check before the flag was set;
    // the next builder must not find it still set.
    if (result == Stop::Stopped)
        m_list->ClearSortCancel();
    return result;
}

CThumbnailLoaders::Stop CThumbnailLoaders::StopMaskWorker(bool rebuild)
{
    const Kind kind = rebuild ? kMaskRebuilder : kMaskCollector;
    return StopKind(kind, LimitOf(kind), [] {});
}

bool CThumbnailLoaders::StopWorkerThreads(bool loaders, bool sort)
{
    bool ended = true;
    if (loaders) {
        ended = StopRangeLoader() != Stop::StillRunning && ended;
        ended = StopPageLoader() != Stop::StillRunning && ended;
    }
    if (sort)
        ended = StopSortBuilder() != Stop::StillRunning && ended;
    return ended;
}

bool CThumbnailLoaders::WaitForSortBuilder(DWORD limitMs)
{
    if (m_workers[kSortBuilder])
        m_workers[kSortBuilder]->WaitForEnd(limitMs);
    return !IsRunning(kSortBuilder);
}

void CThumbnailLoaders::SuspendLoaders()
{
    m_control->suspended.store(true);
}

void CThumbnailLoaders::ResumeLoaders()
{
    m_control->suspended.store(false);
}

bool CThumbnailLoaders::StartKind(Kind kind, std::function<void()> body)
{
    auto worker = std::make_unique<CWorkerThread>();
    if (!worker->Start(std::move(body)))
        return false;
    m_workers[kind] = std::move(worker);
    return true;
}

bool CThumbnailLoaders::StartRangeLoader(int first, int last)
{
    if (StopRangeLoader() == Stop::StillRunning)
        return false;
    m_control->rangeFirst = static_cast<WORD>(first);
    m_control->rangeLast = static_cast<WORD>(last);
    m_list->ClearRangeCancel();
    m_control->stopping.store(false);
    return StartKind(kRangeLoader, [this, panel = PanelWindow()] { RangeLoaderBody(panel); });
}

bool CThumbnailLoaders::StartPageLoader(int first, int last)
{
    if (StopPageLoader() == Stop::StillRunning)
        return false;
    m_control->pageFirst = static_cast<WORD>(first);
    m_control->pageLast = static_cast<WORD>(last);
    m_list->ClearPageCancel();
    return StartKind(kPageLoader, [this] { PageLoaderBody(); });
}

bool CThumbnailLoaders::StartSortBuilder(unsigned bits)
{
    if (StopSortBuilder() == Stop::StillRunning)
        return false;
    m_list->ClearSortCancel();
    return StartKind(kSortBuilder, [this, panel = PanelWindow(), bits] { SortBuilderBody(panel, bits); });
}

bool CThumbnailLoaders::StartMaskWorker(bool rebuild, int fileCount)
{
    const Kind kind = rebuild ? kMaskRebuilder : kMaskCollector;
    if (!m_mask || StopMaskWorker(rebuild) == Stop::StillRunning)
        return false;
    // A collector starts on a new folder's dates: a rebuild of earlier ones
    // must not commit over them.
    if (!rebuild && StopMaskWorker(true) == Stop::StillRunning)
        return false;
    auto worker = std::make_unique<CWorkerThread>();
    const std::atomic<bool>* stop = &worker->CancelFlag();
    CThumbMask* mask = m_mask;
    const CThumbnailList* list = m_list;
    const bool started = worker->Start([mask, list, fileCount, stop, rebuild] {
        if (rebuild)
            RebuildMaskDatesThreadProc(*mask, *list, fileCount, *stop);
        else
            CollectMaskDatesThreadProc(*mask, *list, fileCount, *stop);
    });
    if (!started)
        return false;
    m_workers[kind] = std::move(worker);
    return true;
}

// ----- the bodies (worker threads) -----

void CThumbnailLoaders::RangeLoaderBody(HWND panel)
{
    // Starts only once the handler that started it has returned.
    ::SendMessage(m_stage, WM_NULL, 0, 0);
    const int first = m_control->rangeFirst;
    const int last = m_control->rangeLast;
    ::PostMessage(panel, WM_MULTICTL_PROGRESS_START, static_cast<WPARAM>(last - first + 1),
        static_cast<LPARAM>(m_control->megabyteSum));
    m_list->LoadRange(first, last);
    if (!m_control->stopping.load())
        ::PostMessage(panel, WM_MULTICTL_PROGRESS_STOP, 0, 0);
    if (m_list->GetLoadState() == kThumbLoadFinished)
        ::PostMessage(panel, WM_MULTICTL_DISPLAY_STATE, kMultiDisplayFinished, 0);
    ::PostMessage(m_stage, WM_NULL, 0, 0);
}

void CThumbnailLoaders::PageLoaderBody()
{
    ::SendMessage(m_stage, WM_NULL, 0, 0);
    if (m_list->LoadPage(m_control->pageFirst, m_control->pageLast) == 1)
        ::PostMessage(m_stage, WM_MULTI_PAGE_LOADED, 0, 0);
    ::PostMessage(m_stage, WM_NULL, 0, 0);
}

void CThumbnailLoaders::SortBuilderBody(HWND panel, unsigned bits)
{
    if (!::IsWindow(panel) || !::IsWindow(m_stage))
        return;
    bits &= kSortBitsAll;
    if (bits != 0 && m_list->BuildSortIndexes(bits) == 0)
        return;
    for (;;) {
        // A key whose entries changed while it was built or after is built
        // again: its valid bit goes first.
        for (unsigned bit : kRebuildOrder) {
            if (!m_list->TakeRebuildFlag(bit))
                continue;
            BYTE valid = 0;
            {
                auto lock = m_list->Lock();
                valid = static_cast<BYTE>(m_list->GetValidBits() & ~bit);
                m_list->SetValidBits(valid);
            }
            ::SendMessage(panel, WM_MULTICTL_DISABLE_SORT, bit, 0);
            if (valid == 0)
                ::SendMessage(
                    panel, WM_MULTICTL_SORT_PROGRESS_SHOW, static_cast<WPARAM>(m_list->GetFileCount()), 0);
        }
        if ((m_list->GetValidBits() & kSortBitsAll) == kSortBitsAll)
            return;
        unsigned missing = 0;
        for (unsigned bit : kMissingKeyOrder) {
            if (!(m_list->GetValidBits() & bit)) {
                missing = bit;
                break;
            }
        }
        if (m_list->BuildSortIndexes(missing) == 0)
            return;
        if (!(m_list->GetValidBits() & missing) && !m_list->HasRebuildFlag(missing))
            return;  // nothing to rank: do not go round for ever
    }
}
