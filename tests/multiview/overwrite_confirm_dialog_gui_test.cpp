// The overwrite question: its two states (the choices, and the entry of a
// new name), the answers it leaves in OverwriteConflict, the names it
// refuses, and the close box's own question.
#include "multiview/overwrite_confirm_dialog.h"

#include "tests/support/modal_script.h"
#include "tests/support/scripted_dialogs.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class OverwriteDialogTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        for (const char* name : {"a.jpg", "c.jpg"})
            QFile(m_dir.path() + "/" + name).open(QIODevice::WriteOnly);
        OverwriteConflict = OverwriteConflictRecord();
        OverwriteConflict.targetFolder = m_dir.path() + "/";
        OverwriteConflict.fileName = "a.jpg";
    }
    static void Click(CDlgConfirmOverwriteFile& d, int id)
    {
        d.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    }
    static void TypeName(CDlgConfirmOverwriteFile& d, const QString& name)
    {
        d.SetDlgItemText(IDC_OVERWRITE_NEW_NAME, name);
        Click(d, IDC_OVERWRITE_RENAME);
    }
    static bool Enabled(CDlgConfirmOverwriteFile& d, int id) { return d.GetDlgItem(id)->IsWindowEnabled(); }
    static QString Text(CDlgConfirmOverwriteFile& d, int id)
    {
        QString text;
        d.GetDlgItemText(id, text);
        return text;
    }

    QTemporaryDir m_dir;
};

TEST_F(OverwriteDialogTest, AFreeNewNameCopiesUnderItAndTheNextQuestionStartsWithTheName)
{
    CDlgConfirmOverwriteFile dialog;
    const INT_PTR result = RunModalScript<CDlgConfirmOverwriteFile>(dialog, [&](CDlgConfirmOverwriteFile& d) {
        EXPECT_EQ(Text(d, IDC_OVERWRITE_NAME), "a.jpg");
        EXPECT_EQ(d.IsDlgButtonChecked(IDC_OVERWRITE_NEWER_ONLY), 1u);
        Click(d, IDC_OVERWRITE_RENAME);
        EXPECT_TRUE(d.IsNaming());
        EXPECT_EQ(Text(d, IDC_OVERWRITE_HEADER), "ファイル名を指定して下さい。");
        EXPECT_EQ(Text(d, IDC_OVERWRITE_RENAME), "このファイル名でコピー");
        EXPECT_FALSE(Enabled(d, IDC_OVERWRITE_REPLACE));
        EXPECT_FALSE(Enabled(d, IDC_OVERWRITE_SKIP));
        d.CheckDlgButton(IDC_OVERWRITE_APPLY_TO_ALL, 1);
        Click(d, IDC_OVERWRITE_APPLY_TO_ALL);
        TypeName(d, "b.jpg");
    });
    EXPECT_EQ(result, kOverwriteRename);
    EXPECT_EQ(OverwriteConflict.fileName, "b.jpg");

    OverwriteConflict.lastResult = kOverwriteRename;
    OverwriteConflict.fileName = "a.jpg";
    CDlgConfirmOverwriteFile next;
    RunModalScript<CDlgConfirmOverwriteFile>(next, [&](CDlgConfirmOverwriteFile& d) {
        EXPECT_TRUE(d.IsNaming());
        EXPECT_EQ(d.IsDlgButtonChecked(IDC_OVERWRITE_APPLY_TO_ALL), 1u);
        EXPECT_EQ(Text(d, IDC_OVERWRITE_NEW_NAME), "a.jpg");
        d.EndDialog(kOverwriteSkip);
    });
}

TEST_F(OverwriteDialogTest, AnExistingNewNameAsksNoGoesBackToTheChoicesYesOverwritesIt)
{
    OverwriteConflict.applyToAll = 1;
    ScriptedMessageBoxes boxes({IDNO, IDYES});
    CDlgConfirmOverwriteFile dialog;
    const INT_PTR result = RunModalScript<CDlgConfirmOverwriteFile>(dialog, [&](CDlgConfirmOverwriteFile& d) {
        Click(d, IDC_OVERWRITE_RENAME);
        TypeName(d, "c.jpg");
        EXPECT_FALSE(d.IsNaming());
        EXPECT_EQ(Text(d, IDC_OVERWRITE_HEADER), "このフォルダ内には既に");
        EXPECT_EQ(Text(d, IDC_OVERWRITE_RENAME), "ファイル名を変更する");
        EXPECT_TRUE(Enabled(d, IDC_OVERWRITE_REPLACE));
        EXPECT_EQ(Text(d, IDC_OVERWRITE_NAME), "a.jpg");
        Click(d, IDC_OVERWRITE_RENAME);
        TypeName(d, "c.jpg");
    });
    EXPECT_EQ(boxes.Texts(), QStringList(2, "指定されたファイルは既に存在します。上書きしますか？"));
    EXPECT_EQ(result, kOverwriteReplace);
    EXPECT_EQ(OverwriteConflict.fileName, "c.jpg");
    EXPECT_EQ(OverwriteConflict.applyToAll, 0);
}

TEST_F(OverwriteDialogTest, NamesThatCannotBeATargetAreRefusedAndTheDialogStays)
{
    const QString bad = QStringLiteral("ファイル名に指定できない文字です。");
    const struct {
        QString name;
        QString message;
    } cases[] = {
        {"", bad},
        {".", bad},
        {"..", bad},
        {"../up.jpg", bad},
        {"sub/x.jpg", bad},
        {QString(300, 'n') + ".jpg", QStringLiteral("ファイルパスが長すぎます。")},
    };
    ScriptedMessageBoxes boxes;
    CDlgConfirmOverwriteFile dialog;
    RunModalScript<CDlgConfirmOverwriteFile>(dialog, [&](CDlgConfirmOverwriteFile& d) {
        Click(d, IDC_OVERWRITE_RENAME);
        for (const auto& c : cases) {
            TypeName(d, c.name);
            EXPECT_TRUE(d.IsNaming()) << c.name.toStdString();
        }
        d.EndDialog(kOverwriteSkip);
    });
    QStringList expected;
    for (const auto& c : cases)
        expected << c.message;
    EXPECT_EQ(boxes.Texts(), expected);
    EXPECT_EQ(OverwriteConflict.fileName, "a.jpg");
}

TEST_F(OverwriteDialogTest, TheCloseBoxStopsOnlyAfterYesAndEscIsSwallowed)
{
    ScriptedMessageBoxes boxes({IDNO, IDYES});
    CDlgConfirmOverwriteFile dialog;
    const INT_PTR result = RunModalScript<CDlgConfirmOverwriteFile>(dialog, [&](CDlgConfirmOverwriteFile& d) {
        MSG esc;
        esc.message = WM_KEYDOWN;
        esc.wParam = VK_ESCAPE;
        EXPECT_TRUE(d.PreTranslateMessage(&esc));
        // Unticking newer-only holds for the rest of the run.
        d.CheckDlgButton(IDC_OVERWRITE_NEWER_ONLY, 0);
        Click(d, IDC_OVERWRITE_NEWER_ONLY);
        Click(d, IDCANCEL);
        EXPECT_TRUE(d.GetSafeHwnd() != nullptr);
        Click(d, IDCANCEL);
    });
    EXPECT_EQ(boxes.Texts(), QStringList(2, "以降のコピーを中止しますか？"));
    EXPECT_EQ(result, kOverwriteStop);
    EXPECT_EQ(OverwriteConflict.newerOnly, 0);
}

}  // namespace
