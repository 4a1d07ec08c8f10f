// The drop copy with scripted questions on temporary folders: the answers
// of the overwrite question and its options, folder trees, clashes, missing
// paths, stop and "中止", and the refusals before anything starts.
#include "multiview/drop_copier.h"

#include "multiview/overwrite_confirm_dialog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

// Answers the questions from a script and records what the copy showed.
class ScriptedCopyUi : public DropCopyUi {
public:
    struct Answer {
        int result;
        QString newName;  // for a rename
        int applyToAll = 0;
    };
    QList<Answer> answers;
    QStringList messages;
    QStringList asked;  // the conflicting names
    QStringList added;
    QList<int> progress;
    bool began = false;
    bool ended = false;
    bool endErrors = false;
    std::function<void()> onQuestion;

    void ShowMessage(const QString& text) override { messages << text; }
    bool BeginCopy() override
    {
        began = true;
        return false;
    }
    int ConfirmOverwrite() override
    {
        asked << OverwriteConflict.fileName;
        if (onQuestion)
            onQuestion();
        const Answer a = answers.isEmpty() ? Answer{kOverwriteSkip, {}} : answers.takeFirst();
        OverwriteConflict.applyToAll = a.applyToAll;
        if (a.result == kOverwriteRename)
            OverwriteConflict.fileName = a.newName;
        return a.result;
    }
    void ShowProgress(int done, int) override { progress << done; }
    void FileCopied(const QString& path, bool) override { added << QFileInfo(path).fileName(); }
    void EndCopy(bool, bool errors) override
    {
        ended = true;
        endErrors = errors;
    }
};

class DropCopierTest : public testing::Test {
protected:
    void SetUp() override
    {
        OverwriteConflict = OverwriteConflictRecord();
        QDir(m_dir.path()).mkpath("src/sub/deep");
        QDir(m_dir.path()).mkpath("dst");
    }
    QString P(const QString& rel) const { return m_dir.path() + "/" + rel; }
    void Write(const QString& rel, const QByteArray& bytes, time_t seconds = 1500000000)
    {
        QFile f(P(rel));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        const timespec times[2] = {{seconds, 0}, {seconds, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(P(rel)).constData(), times, 0), 0);
    }
    QByteArray Read(const QString& rel) const
    {
        QFile f(P(rel));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
    }
    void Copy(const QStringList& rels)
    {
        QStringList paths;
        for (const QString& r : rels)
            paths << P(r);
        m_copier.CopyDroppedFiles(paths, P("dst"));
    }

    QTemporaryDir m_dir;
    ScriptedCopyUi m_ui;
    CDropCopier m_copier{m_ui};
};

TEST_F(DropCopierTest, NewFilesAreCopiedWithProgressAndReportedForTheList)
{
    Write("src/a.jpg", "A");
    Write("src/b.png", "B");
    Copy({"src/a.jpg", "src/b.png"});
    EXPECT_TRUE(m_ui.began && m_ui.ended && !m_ui.endErrors);
    EXPECT_EQ(Read("dst/a.jpg"), "A");
    EXPECT_EQ(m_ui.added, QStringList({"a.jpg", "b.png"}));
    EXPECT_EQ(m_ui.progress, QList<int>({1, 2}));
    EXPECT_EQ(m_copier.Counters().total, 2);
    EXPECT_EQ(m_copier.Counters().copied, 2);
}

TEST_F(DropCopierTest, RefusalsBeforeTheCopyStarts)
{
    Write("dst/a.jpg", "A");
    m_copier.CopyDroppedFiles({P("dst/a.jpg")}, P("dst"));
    m_copier.CopyDroppedFiles({P("dst/a.jpg")}, P("nowhere"));
    EXPECT_EQ(m_ui.messages,
        QStringList(
            {"コピー先フォルダとコピー元フォルダが同じです。", "コピー先のフォルダは存在しません。"}));
    EXPECT_FALSE(m_ui.began);
}

TEST_F(DropCopierTest, OverwriteForAllReplacesLaterFilesWithoutAskingAndNewerOnlySkipsOlderAndEqual)
{
    // Dropped files: a newer, b equal, c older than what the folder holds.
    Write("src/a.jpg", "new a", 1600000000);
    Write("src/b.jpg", "new b", 1500000000);
    Write("src/c.jpg", "new c", 1400000000);
    for (const char* n : {"a.jpg", "b.jpg", "c.jpg"})
        Write(QStringLiteral("dst/") + n, "old", 1500000000);
    m_ui.answers = {{kOverwriteReplace, {}, 1}};
    Copy({"src/a.jpg", "src/b.jpg", "src/c.jpg"});
    EXPECT_EQ(m_ui.asked, QStringList({"a.jpg"}));
    EXPECT_EQ(Read("dst/a.jpg"), "new a");
    EXPECT_EQ(Read("dst/b.jpg"), "old");
    EXPECT_EQ(Read("dst/c.jpg"), "old");
    EXPECT_EQ(m_copier.Counters().skipped, 2);
    EXPECT_FALSE(m_ui.endErrors);  // skipped files are no error

    // Without newer-only every one is replaced.
    m_ui.asked.clear();
    OverwriteConflict.newerOnly = 0;
    m_ui.answers = {{kOverwriteReplace, {}, 1}};
    Copy({"src/b.jpg", "src/c.jpg"});
    EXPECT_EQ(m_ui.asked, QStringList({"b.jpg"}));
    EXPECT_EQ(Read("dst/c.jpg"), "new c");
}

TEST_F(DropCopierTest, SkipForAllAndRenameAskAgain)
{
    Write("src/a.jpg", "new a");
    Write("src/b.jpg", "new b");
    Write("src/c.jpg", "new c");
    for (const char* n : {"a.jpg", "b.jpg", "c.jpg"})
        Write(QStringLiteral("dst/") + n, "old");
    // A rename asks again for the next file even with the box ticked.
    m_ui.answers = {{kOverwriteRename, "a2.jpg", 1}, {kOverwriteSkip, {}, 1}};
    Copy({"src/a.jpg", "src/b.jpg", "src/c.jpg"});
    EXPECT_EQ(m_ui.asked, QStringList({"a.jpg", "b.jpg"}));
    EXPECT_EQ(Read("dst/a2.jpg"), "new a");
    EXPECT_EQ(Read("dst/a.jpg"), "old");
    EXPECT_EQ(Read("dst/c.jpg"), "old");
    EXPECT_EQ(m_ui.added, QStringList({"a2.jpg"}));
}

TEST_F(DropCopierTest, AFolderTreeIsCopiedAndStopInsideItEndsTheWholeCopy)
{
    Write("src/sub/a.jpg", "a");  // listed before "deep"
    Write("src/sub/deep/y.jpg", "y");
    Write("src/sub/deep/z.jpg", "z");
    Write("src/after.jpg", "after");
    QDir(P("dst")).mkpath("sub/deep");
    Write("dst/sub/deep/y.jpg", "old y");
    m_ui.answers = {{kOverwriteStop, {}}};
    Copy({"src/sub", "src/after.jpg"});
    EXPECT_EQ(Read("dst/sub/a.jpg"), "a");
    EXPECT_EQ(m_ui.asked, QStringList({"y.jpg"}));
    EXPECT_EQ(Read("dst/sub/deep/y.jpg"), "old y");
    EXPECT_FALSE(QFile::exists(P("dst/sub/deep/z.jpg")));
    EXPECT_FALSE(QFile::exists(P("dst/after.jpg")));
    EXPECT_TRUE(m_ui.added.isEmpty());  // files inside folders are not the list's
    EXPECT_EQ(m_copier.Counters().total, 4);
}

TEST_F(DropCopierTest, ClashesAndMissingPathsCountAsErrors)
{
    Write("src/a.jpg", "a");
    Write("src/sub/x.jpg", "x");
    QDir(P("dst")).mkdir("a.jpg");  // a folder where the file would go
    Write("dst/sub", "a file");     // a file where the folder would go
    Copy({"src/a.jpg", "src/sub", "src/gone.jpg"});
    ASSERT_EQ(m_ui.messages.size(), 2);
    EXPECT_TRUE(m_ui.messages[0].contains("ファイル名 : a.jpg"));
    EXPECT_TRUE(m_ui.messages[1].contains("フォルダ名 : sub"));
    EXPECT_EQ(m_copier.Counters().failed, 2);
    EXPECT_EQ(m_copier.Counters().missing, 1);
    EXPECT_TRUE(m_ui.endErrors);
}

TEST_F(DropCopierTest, AFolderIsNeverCopiedIntoItselfOrAFolderInsideIt)
{
    Write("src/sub/x.jpg", "x");
    m_copier.CopyDroppedFiles({P("src/sub")}, P("src/sub"));   // onto its own view
    m_copier.CopyDroppedFiles({P("src")}, P("src/sub/deep"));  // into a folder inside it
    EXPECT_EQ(m_copier.Counters().failed, 1);
    EXPECT_TRUE(m_ui.endErrors);
    EXPECT_FALSE(QFileInfo::exists(P("src/sub/sub")));
    EXPECT_FALSE(QFileInfo::exists(P("src/sub/deep/src")));
}

TEST_F(DropCopierTest, AbortStopsBeforeTheNextItem)
{
    Write("src/a.jpg", "a");
    Write("src/b.jpg", "b");
    Write("dst/a.jpg", "old");
    // "中止" pressed while the first file's question is open.
    m_ui.onQuestion = [&] { m_copier.RequestAbort(); };
    m_ui.answers = {{kOverwriteReplace, {}}};
    OverwriteConflict.newerOnly = 0;
    Copy({"src/a.jpg", "src/b.jpg"});
    EXPECT_EQ(Read("dst/a.jpg"), "a");
    EXPECT_FALSE(QFile::exists(P("dst/b.jpg")));
    EXPECT_TRUE(m_ui.ended);
}

}  // namespace
