// The batch shrink's run over its list of files, as its worker carries it
// out: the output folder made, each file's output name checked and the file
// converted, the state and the failures shared with the dialog through
// atomics, a stop honoured between files. What the run tells the user goes
// through the hooks, which the dialog hands to its own thread.
#pragma once

#include "multiview/shrink_converter.h"
#include "multiview/shrink_rules.h"

#include <QString>
#include <atomic>
#include <functional>
#include <vector>

// The values the dialog and the worker both write.
struct ShrinkRunShared {
    std::atomic<int> state{kStretchIdle};
    std::atomic<int> failures{0};
};

struct ShrinkJob {
    QString shownFolder;         // the multi view's folder, no trailing '/'
    std::vector<QString> names;  // the files to convert, in list order
    int summaryCount = 0;        // the selection's file count (zero fill)
    ShrinkChoices choices;
};

struct ShrinkRunHooks {
    std::function<void(int k)> fileStarted;            // k from 1
    std::function<void(const QString& path)> written;  // files written into the shown folder
    std::function<void(const QString& text)> message;  // a message box for the user
    // Converts one file; ShrinkOneFile with the system's free space when empty.
    std::function<ShrinkFileResult(const QString& input, const QString& output, const QString& folder)>
        convert;
};

inline const QString kShrinkFolderFailed = QStringLiteral("指定されたフォルダの作成に失敗しました。");
inline const QString kShrinkPathTooLong =
    QStringLiteral("ファイルパスが長すぎるのでファイルがの保存が出来ません。");

// Runs the job to its end (state 4, 5, 6 or 7 afterwards).
void RunBatchShrink(const ShrinkJob& job, ShrinkRunShared& shared, const ShrinkRunHooks& hooks);

// One file of the multi view as the selection walk sees it.
struct ShrinkCandidate {
    QString name;
    SIZE size{};
    bool selected = false;
};
// The selected files, in display order, whose size is a ticked pair (any
// size with allImages), at most limit of them.
std::vector<QString> SelectFilesToShrink(const std::vector<ShrinkCandidate>& files, bool allImages,
    const SIZE* pairs, const bool* ticked, int pairCount, int limit);
