// The copy of files and folders dropped on the multi view into the folder it
// shows. It runs on a worker thread; every step that shows something or asks
// the user belongs to the UI thread and goes through DropCopyUi, whose calls
// the copier waits for. The counters are the copier's own.
//
// Questions: a dropped file whose name the folder already holds is asked
// about (OverwriteConflict, overwrite_confirm_dialog.h) unless the user chose
// the same answer for the rest of the drop; a file onto a folder or a folder
// onto a file of the same name is refused with a message. Failed copies,
// refusals and paths that no longer exist are reported once at the end.
#pragma once

#include "platform/types/types.h"

#include <QString>
#include <QStringList>
#include <atomic>

struct DropCopyCounters {
    int copied = 0;
    int failed = 0;
    int skipped = 0;
    int missing = 0;
    // Progress: the files of the drop (inside dropped folders too), and those done.
    int total = 0;
    int done = 0;
};

// The UI thread's part of a drop copy.
class DropCopyUi {
public:
    virtual ~DropCopyUi() = default;
    virtual void ShowMessage(const QString& text) = 0;
    // The copy starts: windows disabled, loading stopped; whether loading
    // was stopped (the folder is then loaded again at the end).
    virtual bool BeginCopy() = 0;
    // The overwrite question with OverwriteConflict filled in: an OverwriteAnswer.
    virtual int ConfirmOverwrite() = 0;
    virtual void ShowProgress(int done, int total) = 0;
    // A file was copied into the shown folder (not for files inside dropped folders).
    virtual void FileCopied(const QString& path, bool loadStopped) = 0;
    // The copy ended after BeginCopy; errors: some files were not copied.
    virtual void EndCopy(bool loadStopped, bool errors) = 0;
};

class CDropCopier {
public:
    explicit CDropCopier(DropCopyUi& ui) : m_ui(ui) { }

    // Copies the dropped paths, in drop order, into folder (no trailing '/').
    void CopyDroppedFiles(const QStringList& paths, const QString& folder);

    // "中止", or the program closing: no further dropped item or folder entry starts.
    void RequestAbort() { m_abort.store(true); }
    void ClearAbort() { m_abort.store(false); }
    bool IsAbortRequested() const { return m_abort.load(); }

    const DropCopyCounters& Counters() const { return m_counters; }

private:
    enum class Decision { Copy, Skip, Stop };
    enum FolderResult { kFolderFailed = 0, kFolderDone = 1, kFolderStop = 4 };

    // 1 when fail-if-exists holds for the next item: unless overwriting was chosen for all.
    static int FailIfExistsForNext();
    // The refusal of a file onto a folder or a folder onto a file; true when refused.
    bool RefuseClash(int sourceKind, const QString& target, const QString& name);
    // For a file whose target exists: the question and the options. target
    // and failIfExists may change (a new name, overwriting chosen).
    Decision DecideExisting(const QString& source, QString& target, int& failIfExists);
    FolderResult CopyFolderRecursive(const QString& source, const QString& target);
    void Progress();

    DropCopyUi& m_ui;
    std::atomic<bool> m_abort{false};
    DropCopyCounters m_counters;
};
