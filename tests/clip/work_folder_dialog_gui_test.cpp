// The work-folder dialog over a temporary folder tree: the ten folders come
// from the settings and go back to them however the dialog is left; choosing
// a folder makes it current; "設定" browses (with the folder dialog
// scripted); a typed folder is checked as its box is left; warnings are the
// scripted message boxes.
#include "clip/work_folder_dialog.h"
#include "core/histories.h"
#include "core/settings/app_settings.h"
#include "tests/support/modal_script.h"
#include "tests/support/pump_until.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/synthetic_input.h"

#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QString kMissingNow = QStringLiteral("注意! 現在このフォルダは存在していません。");
const QString kRegistered = QStringLiteral("このフォルダは既に登録されています。");
const QString kTypedMissing = QStringLiteral("入力されたフォルダ名は現在存在していません。");
const QString kTooLong = QStringLiteral("Kestrelが対応していないファイルパスの長さです。");

class WorkFolderDialog : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        for (const char* name : {"a", "b", "c"})
            ASSERT_TRUE(QDir(m_dir.path()).mkdir(QString::fromLatin1(name)));
        // Slot 1 names a folder that is not there.
        WorkFolderHistory stored;
        stored.folders[0] = Folder("a");
        stored.folders[1] = Folder("gone");
        stored.folders[2] = Folder("b");
        StoreWorkFolderHistory(stored);
        AppSettings.FolderHistory = 1;
        AppSettings.WorkFolderIndex = 5;
        AppSettings.LastAccessDir = Folder("elsewhere");
        AppSettings.TreeLastDir = QStringLiteral("no_choice_tree_control");
    }

    QString Folder(const char* name) const { return m_dir.path() + u'/' + QString::fromLatin1(name); }
    static QString Stored(int slot) { return LoadWorkFolderHistory().folders[slot]; }

    static INT_PTR Run(const std::function<void(CDlgWorkFolder&)>& script)
    {
        CDlgWorkFolder dialog;
        return RunModalScript(dialog, script);
    }
    static QLineEdit* Box(CDlgWorkFolder& d, int slot)
    {
        return qobject_cast<QLineEdit*>(d.GetDlgItem(WorkFolderEditId(slot))->GetWidget());
    }
    static QString Shown(CDlgWorkFolder& d, int slot) { return Box(d, slot)->text(); }
    static bool Choosable(CDlgWorkFolder& d, int slot)
    {
        return d.GetDlgItem(WorkFolderChooseId(slot))->IsWindowEnabled();
    }
    // The slots whose choose button is checked.
    static QList<int> Chosen(CDlgWorkFolder& d)
    {
        QList<int> chosen;
        for (int slot = 0; slot < kWorkFolderRowCount; ++slot)
            if (d.IsDlgButtonChecked(WorkFolderChooseId(slot)) == 1)
                chosen.push_back(slot);
        return chosen;
    }
    static void Click(CDlgWorkFolder& d, int id) { MouseClick(d.GetDlgItem(id)->GetWidget(), QPoint(5, 5)); }
    static void Type(CDlgWorkFolder& d, int slot, const QString& text)
    {
        Box(d, slot)->setFocus();
        PumpUntil([&] { return Box(d, slot)->hasFocus(); }, 500);
        Box(d, slot)->setText(text);
    }
    // Types into the box, then moves the focus to the next one.
    static void TypeAndLeave(CDlgWorkFolder& d, int slot, const QString& text)
    {
        Type(d, slot, text);
        Box(d, (slot + 1) % kWorkFolderRowCount)->setFocus();
        PumpFor(5);
    }
    static void Escape() { KeyClick(nullptr, Qt::Key_Escape); }

    QTemporaryDir m_dir;
};

TEST_F(WorkFolderDialog, OpensWithTheStoredFoldersAndStoresThemBackAtClose)
{
    AppSettings.LastAccessDir = Folder("b");
    ScriptedMessageBoxes boxes;
    QStringList shown;
    QList<bool> choosable;
    QList<int> chosen;
    bool history = false;
    bool caretAtEnd = false;
    const INT_PTR result = Run([&](CDlgWorkFolder& d) {
        for (int slot = 0; slot < 4; ++slot) {
            shown << Shown(d, slot);
            choosable << Choosable(d, slot);
        }
        chosen = Chosen(d);
        history = d.IsDlgButtonChecked(IDC_WORK_FOLDER_HISTORY) == 1;
        // The chosen folder's box has the focus, the caret after its text.
        caretAtEnd = PumpUntil([&] { return Box(d, 2)->hasFocus(); }, 500) &&
            Box(d, 2)->cursorPosition() == Shown(d, 2).size() && !Box(d, 2)->hasSelectedText();
        Click(d, IDC_WORK_FOLDER_HISTORY);
        Click(d, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(shown, (QStringList{Folder("a"), Folder("gone"), Folder("b"), QString()}));
    // Only a folder that is there can be chosen.
    EXPECT_EQ(choosable, (QList<bool>{true, false, true, false}));
    EXPECT_EQ(chosen, QList<int>{2});
    EXPECT_TRUE(history);
    EXPECT_TRUE(caretAtEnd);
    // Opening and closing warn of nothing, not even of the missing folder.
    EXPECT_TRUE(boxes.Texts().isEmpty());
    EXPECT_EQ(AppSettings.FolderHistory, 0);
    EXPECT_EQ(AppSettings.WorkFolderIndex, 2);
    EXPECT_EQ(Stored(0), Folder("a"));
    EXPECT_EQ(Stored(1), Folder("gone"));
    EXPECT_EQ(Stored(2), Folder("b"));
    EXPECT_EQ(Stored(3), QString());
}

TEST_F(WorkFolderDialog, TheCurrentFolderIsMarkedWhenASlotHoldsItAndEscStoresTheChoice)
{
    struct Case {
        const char* name;
        QString lastAccessDir;
        int loadedIndex;
        QList<int> chosen;
        int storedIndex;
    };
    const Case cases[] = {
        {"trailing separator", Folder("b") + u'/', 5, {2}, 2},
        {"exact", Folder("a"), 5, {0}, 0},
        {"other case", Folder("B"), 5, {}, 5},
        // No slot holds it: the stored choice stays, here a missing folder's
        // slot, whose box takes the focus without a warning.
        {"no slot", Folder("c"), 1, {}, 1},
    };
    for (const Case& c : cases) {
        AppSettings.LastAccessDir = c.lastAccessDir;
        AppSettings.WorkFolderIndex = c.loadedIndex;
        ScriptedMessageBoxes boxes;
        QList<int> chosen;
        const INT_PTR result = Run([&](CDlgWorkFolder& d) {
            chosen = Chosen(d);
            PumpFor(5);
            Escape();
        });
        EXPECT_EQ(result, IDCANCEL) << c.name;
        EXPECT_EQ(chosen, c.chosen) << c.name;
        EXPECT_EQ(AppSettings.WorkFolderIndex, c.storedIndex) << c.name;
        EXPECT_TRUE(boxes.Texts().isEmpty()) << c.name;
        EXPECT_EQ(AppSettings.LastAccessDir, c.lastAccessDir) << c.name;
    }
}

TEST_F(WorkFolderDialog, TheFirstShowingMovesTheFocusWithoutWarnings)
{
    // The focus goes to the chosen folder's box; the first box, which names a
    // missing folder, is never checked aloud on the way.
    StoreWorkFolderHistory(WorkFolderHistory{{Folder("gone"), QString(), Folder("b")}});
    AppSettings.WorkFolderIndex = 2;
    ScriptedMessageBoxes boxes;
    bool chosenFocused = false;
    Run([&](CDlgWorkFolder& d) {
        chosenFocused = PumpUntil([&] { return Box(d, 2)->hasFocus(); }, 500);
        Click(d, IDOK);
    });
    EXPECT_TRUE(chosenFocused);
    EXPECT_TRUE(boxes.Texts().isEmpty());
    EXPECT_EQ(Stored(0), Folder("gone"));
}

TEST_F(WorkFolderDialog, ChoosingAFolderMakesItCurrentForTheFileDialogsAndTheTree)
{
    ScriptedMessageBoxes boxes;
    QList<int> chosenFirst, chosenAfterWarning;
    Run([&](CDlgWorkFolder& d) {
        Click(d, WorkFolderChooseId(0));
        chosenFirst = Chosen(d);
        // A folder removed while the dialog is open cannot be chosen.
        QDir(m_dir.path()).rmdir(QStringLiteral("b"));
        Click(d, WorkFolderChooseId(2));
        chosenAfterWarning = Chosen(d);
        Click(d, IDOK);
    });
    EXPECT_EQ(chosenFirst, QList<int>{0});
    EXPECT_EQ(chosenAfterWarning, QList<int>{0});
    EXPECT_EQ(boxes.Texts(), QStringList{kMissingNow});
    ASSERT_EQ(boxes.Requests().size(), 1);
    EXPECT_EQ(boxes.Requests()[0].type & MB_ICONMASK, MB_ICONEXCLAMATION);
    EXPECT_EQ(AppSettings.LastAccessDir, Folder("a"));
    EXPECT_EQ(AppSettings.TreeLastDir, Folder("a"));
    EXPECT_EQ(AppSettings.WorkFolderIndex, 0);
}

TEST_F(WorkFolderDialog, BrowsingFillsTheSlotOrWarnsAndChangesNothing)
{
    struct Case {
        const char* name;
        int slot;
        FileDialogAnswer answer;
        QStringList messages;
        QString slot0, slot3;  // shown and stored afterwards
        bool choosable3;
    };
    const QString longPath = m_dir.path() + u'/' + QString(260, u'x');
    const Case cases[] = {
        {"a new folder", 3, ChosenPath(Folder("c")), {}, Folder("a"), Folder("c"), true},
        {"registered in another slot", 3, ChosenPath(Folder("a")), {kRegistered}, Folder("a"), QString(),
            false},
        {"its own folder again", 0, ChosenPath(Folder("a")), {}, Folder("a"), QString(), false},
        {"cancelled", 0, CancelledDialog(), {}, Folder("a"), QString(), false},
        {"too long", 3, ChosenPath(longPath), {kTooLong}, Folder("a"), QString(), false},
    };
    for (const Case& c : cases) {
        ScriptedMessageBoxes boxes;
        ScriptedFileDialogs dialogs({c.answer});
        QString shown0, shown3;
        bool choosable3 = false;
        Run([&](CDlgWorkFolder& d) {
            Click(d, WorkFolderBrowseId(c.slot));
            shown0 = Shown(d, 0);
            shown3 = Shown(d, 3);
            choosable3 = Choosable(d, 3);
            Click(d, IDOK);
        });
        ASSERT_EQ(dialogs.Requests().size(), 1) << c.name;
        const FileDialogRequest request = dialogs.Requests()[0];
        EXPECT_EQ(request.kind, FileDialogKind::Folder) << c.name;
        EXPECT_EQ(request.title, QStringLiteral("作業フォルダのf選択")) << c.name;
        EXPECT_EQ(request.initialFolder, c.slot == 0 ? Folder("a") : QString()) << c.name;
        EXPECT_EQ(boxes.Texts(), c.messages) << c.name;
        EXPECT_EQ(shown0, c.slot0) << c.name;
        EXPECT_EQ(shown3, c.slot3) << c.name;
        EXPECT_EQ(choosable3, c.choosable3) << c.name;
        EXPECT_EQ(Stored(0), c.slot0) << c.name;
        EXPECT_EQ(Stored(3), c.slot3) << c.name;
        StoreWorkFolderHistory(WorkFolderHistory{{Folder("a"), Folder("gone"), Folder("b")}});
    }
}

TEST_F(WorkFolderDialog, ATypedFolderIsCheckedOnceAsItsBoxIsLeft)
{
    const QString base = m_dir.path() + u'/';
    const QString longest = base + QString(259 - base.size(), u'x');  // 259 characters, not there
    const QString tooLong = longest + u'x';
    struct Case {
        const char* name;
        QString typed;
        QStringList messages;
        QString kept;  // shown and stored afterwards
        bool choosable;
    };
    const Case cases[] = {
        {"a folder that is there", Folder("c"), {}, Folder("c"), true},
        {"not there", Folder("nope"), {kTypedMissing}, Folder("nope"), false},
        {"emptied", QString(), {}, QString(), false},
        {"259 characters", longest, {kTypedMissing}, longest, false},
        // Refused: the slot keeps its folder and the box shows it again.
        {"260 characters", tooLong, {kTooLong}, Folder("a"), true},
    };
    for (const Case& c : cases) {
        ScriptedMessageBoxes boxes;
        QString shown;
        bool choosable = false;
        Run([&](CDlgWorkFolder& d) {
            TypeAndLeave(d, 0, c.typed);
            shown = Shown(d, 0);
            choosable = Choosable(d, 0);
            Click(d, IDOK);
        });
        EXPECT_EQ(boxes.Texts(), c.messages) << c.name;
        EXPECT_EQ(shown, c.kept) << c.name;
        EXPECT_EQ(choosable, c.choosable) << c.name;
        EXPECT_EQ(Stored(0), c.kept) << c.name;
        StoreWorkFolderHistory(WorkFolderHistory{{Folder("a"), Folder("gone"), Folder("b")}});
    }
}

TEST_F(WorkFolderDialog, LeavingByEscStoresAPathStillBeingTyped)
{
    struct Case {
        const char* name;
        QString typed;
        QStringList messages;
    };
    const Case cases[] = {
        {"a folder that is there", Folder("c"), {}},
        {"not there: warned once", Folder("nope"), {kTypedMissing}},
    };
    for (const Case& c : cases) {
        ScriptedMessageBoxes boxes;
        const INT_PTR result = Run([&](CDlgWorkFolder& d) {
            Type(d, 3, c.typed);
            Escape();
        });
        EXPECT_EQ(result, IDCANCEL) << c.name;
        EXPECT_EQ(boxes.Texts(), c.messages) << c.name;
        EXPECT_EQ(Stored(3), c.typed) << c.name;
    }
}

}  // namespace
