// The settings saved as the frame closes when they cannot be written: a
// message with the file and the reason, the previous file kept whole, and no
// message when the session is ending.
#include "app/kestrel_app.h"
#include "core/path_utils.h"
#include "platform/app/session_end.h"
#include "platform/system/shell.h"
#include "tests/support/pump_until.h"
#include "tests/support/scripted_dialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

class FrameSettingsSave : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        SetProgramFolderForTesting(m_dir.path());
        SetShellOpenHookForTesting([](const QString&) { return true; });
    }
    void TearDown() override
    {
        SetShellOpenHookForTesting({});
        SetProgramFolderForTesting(QString());
    }

    QString CfgPath() const { return m_dir.path() + QStringLiteral("/Kestrel.cfg"); }

    // A settings file of the user's that cannot be replaced, even by root.
    void PutReadOnlyCfg() const
    {
        QFile cfg(CfgPath());
        ASSERT_TRUE(cfg.open(QIODevice::WriteOnly));
        cfg.write(kOldCfg);
        cfg.close();
        ASSERT_EQ(chmod(QFile::encodeName(CfgPath()).constData(), 0444), 0);
    }

    QByteArray CfgBytes() const
    {
        QFile cfg(CfgPath());
        return cfg.open(QIODevice::ReadOnly) ? cfg.readAll() : QByteArray();
    }

    // Starts the frame (answering the first-run question, if any, with No),
    // then closes it; the boxes shown at the close.
    QStringList StartAndClose()
    {
        ScriptedMessageBoxes boxes({}, IDNO);
        CKestrelApp app;
        if (!app.InitInstance())
            return {QStringLiteral("no frame")};
        const qsizetype atStart = boxes.Texts().size();
        app.Frame()->SendMessage(WM_CLOSE);
        PumpUntil([&] { return !app.Frame()->GetSafeHwnd(); }, 2000);
        return boxes.Texts().mid(atStart);
    }

    static constexpr char kOldCfg[] = "[-Directory-]\r\nLastAccessDir = /old\r\n";
    QTemporaryDir m_dir;
};

TEST_F(FrameSettingsSave, FailedSaveAtCloseTellsTheFileAndTheReason)
{
    const struct {
        const char* name;
        bool readOnlyFile;  // else a folder in the file's place
        QString reason;
    } cases[] = {
        {"a folder in the file's place", false, QStringLiteral("同じ名前のフォルダーがあります。")},
        {"a read-only file", true, QStringLiteral("書き込みが許可されていません。")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QDir(m_dir.path()).removeRecursively();
        ASSERT_TRUE(QDir().mkpath(m_dir.path()));
        if (c.readOnlyFile)
            PutReadOnlyCfg();
        else
            ASSERT_TRUE(QDir().mkdir(CfgPath()));

        const QStringList boxes = StartAndClose();
        ASSERT_EQ(boxes.size(), 1);
        EXPECT_EQ(boxes[0],
            QStringLiteral("設定ファイルを保存できませんでした。\n") + CfgPath() + u'\n' + c.reason);
        // What was there stays as it was, with nothing left beside it.
        if (c.readOnlyFile)
            EXPECT_EQ(CfgBytes(), QByteArray(kOldCfg));
        else
            EXPECT_TRUE(QFileInfo(CfgPath()).isDir());
        EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList{QStringLiteral("Kestrel.cfg")});
    }
}

TEST_F(FrameSettingsSave, NoMessageWhenTheSessionEnds)
{
    PutReadOnlyCfg();
    const SessionEndWatch watch([] {});
    ASSERT_EQ(raise(SIGTERM), 0);
    ASSERT_TRUE(PumpUntil([] { return SessionIsEnding(); }, 2000));

    EXPECT_TRUE(StartAndClose().isEmpty());
    EXPECT_EQ(CfgBytes(), QByteArray(kOldCfg));
}

}  // namespace
