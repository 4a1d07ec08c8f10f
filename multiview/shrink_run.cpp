#include "multiview/shrink_run.h"

#include "core/file_queries.h"
#include "core/path_utils.h"

namespace {

// Whether an existing output may be replaced: keeping the names in the shown
// folder always replaces.
bool Overwrites(const ShrinkChoices& c)
{
    return c.overwrite == 1 || ShrinkEnablesFor(c).overwriteForced;
}

int EndState(int state)
{
    if (state == kStretchStopRequested)
        return kStretchStopped;
    if (state == kStretchDiskLow || state == kStretchFreeSpaceUnknown)
        return state;
    return kStretchFinished;
}

void Tell(const ShrinkRunHooks& hooks, const QString& text)
{
    if (hooks.message)
        hooks.message(text);
}

// Runs the files; returns when the list ends or the run must stop.
void ConvertAll(const ShrinkJob& job, ShrinkRunShared& shared, const ShrinkRunHooks& hooks)
{
    const ShrinkChoices& c = job.choices;
    const QString folder = c.sameFolder == 1 ? job.shownFolder : c.outputFolder;
    bool pathToldOnce = false;
    for (int i = 0; i < static_cast<int>(job.names.size()); ++i) {
        if (shared.state.load() == kStretchStopRequested)
            return;
        const int k = i + 1;
        if (hooks.fileStarted)
            hooks.fileStarted(k);
        const QString& name = job.names[static_cast<size_t>(i)];
        const QString input = job.shownFolder + u'/' + name;
        const QString output =
            ShrinkOutputPath(job.shownFolder, c, ShrinkOutputName(ShrinkStem(name), k, job.summaryCount, c));
        const int kind = GetPathKind(output);
        ShrinkFileResult result = ShrinkFileResult::Failed;
        if (output.size() >= kShrinkPathLimit) {
            if (!pathToldOnce)
                Tell(hooks, kShrinkPathTooLong);
            pathToldOnce = true;
        } else if (kind == 2 || (kind == 1 && !Overwrites(c))) {
            // a folder of that name, or a file that stays
        } else {
            result = hooks.convert ? hooks.convert(input, output, folder)
                                   : ShrinkOneFile(input, output, folder, c, SystemFreeSpaceQuery());
        }
        switch (result) {
        case ShrinkFileResult::Written:
            if (c.sameFolder == 1 && hooks.written)
                hooks.written(output);
            break;
        case ShrinkFileResult::Failed:
            shared.failures.fetch_add(1);
            break;
        case ShrinkFileResult::DiskLow:
            shared.state.store(kStretchDiskLow);
            return;
        case ShrinkFileResult::FreeSpaceUnknown:
            shared.state.store(kStretchFreeSpaceUnknown);
            return;
        }
        const int state = shared.state.load();
        if (state == kStretchStopRequested || state == kStretchDiskLow)
            return;
    }
}

}  // namespace

void RunBatchShrink(const ShrinkJob& job, ShrinkRunShared& shared, const ShrinkRunHooks& hooks)
{
    const ShrinkChoices& c = job.choices;
    if (c.sameFolder != 1 && !IsFolder(c.outputFolder) &&
        !CreateFolderPath(c.outputFolder, kShrinkPathLimit + 1)) {
        Tell(hooks, kShrinkFolderFailed);
        shared.state.store(kStretchFinished);
        return;
    }
    // A stop pressed before the worker came here is kept.
    int idle = kStretchIdle;
    shared.state.compare_exchange_strong(idle, kStretchRunning);
    ConvertAll(job, shared, hooks);
    shared.state.store(EndState(shared.state.load()));
}

std::vector<QString> SelectFilesToShrink(const std::vector<ShrinkCandidate>& files, bool allImages,
    const SIZE* pairs, const bool* ticked, int pairCount, int limit)
{
    std::vector<QString> chosen;
    for (const ShrinkCandidate& f : files) {
        if (static_cast<int>(chosen.size()) >= limit)
            break;
        if (!f.selected)
            continue;
        bool wanted = allImages;
        for (int i = 0; !wanted && i < pairCount; ++i)
            wanted = ticked[i] && pairs[i].cx == f.size.cx && pairs[i].cy == f.size.cy;
        if (wanted)
            chosen.push_back(f.name);
    }
    return chosen;
}
