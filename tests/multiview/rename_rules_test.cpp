// The rename rules: names made by adding and deleting, the separator kept in
// the added text, the caret ranges, the messages by code, and renames in a
// temporary folder (a clash never replaces, an unchanged name needs no
// rename, refused names and injected failures).
#include "multiview/rename_rules.h"

#include "multiview/multi_view_menu_rules.h"
#include "res/menu_296_multi_view.h"

#include "platform/system/file_operations.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(RenameRules, NamesFromAddingAndDeleting)
{
    struct Case {
        const char* old;
        int operation;
        const char* text;
        int count;
        int position;
        const char* expected;  // null: no name can be made
    };
    const Case cases[] = {
        {"photo.jpg", kBatchAddText, "-x", 0, kAtEnd, "photo-x.jpg"},
        {"photo.jpg", kBatchAddText, "x_", 0, kAtHead, "x_photo.jpg"},
        {"photo.jpg", kBatchAddText, "x", 0, 0, "photox.jpg"},  // 0 acts as the end
        {"photo.jpg", kBatchAddText, "", 0, kAtHead, "photo.jpg"},
        {"a.b.png", kBatchAddText, "2", 0, kAtEnd, "a.b2.png"},  // before the last dot
        {"README", kBatchAddText, "_old", 0, kAtEnd, "README_old"},
        {"abc.png", kBatchDeleteChars, nullptr, 10, kAtEnd, "a.png"},  // one character stays
        {"abc.png", kBatchDeleteChars, nullptr, 10, kAtHead, "c.png"},
        {"abcdef.png", kBatchDeleteChars, nullptr, 2, kAtHead, "cdef.png"},
        {"abcdef.png", kBatchDeleteChars, nullptr, 2, 0, "abcd.png"},
        {"abc.png", kBatchDeleteChars, nullptr, 0, kAtEnd, "abc.png"},
        {"x.png", kBatchDeleteChars, nullptr, 3, kAtEnd, "x.png"},
        {".jpg", kBatchDeleteChars, nullptr, 1, kAtEnd, nullptr},  // no name part to shorten
    };
    for (const Case& c : cases) {
        RenameRule rule;
        rule.operation = c.operation;
        rule.text = QString::fromUtf8(c.text ? c.text : "");
        rule.count = c.count;
        rule.position = c.position;
        const std::optional<QString> name = BatchNewName(QString::fromUtf8(c.old), rule);
        if (c.expected) {
            ASSERT_TRUE(name.has_value()) << c.old;
            EXPECT_EQ(*name, QString::fromUtf8(c.expected)) << c.old;
        } else {
            EXPECT_FALSE(name.has_value()) << c.old;
        }
    }
    RenameRule deleting{kBatchDeleteChars, QString(), kAtEnd, 0};
    EXPECT_EQ(BatchPreviewText("abc.png", deleting), QStringLiteral("⇒ abc.png"));
    deleting.count = 1;
    EXPECT_EQ(BatchPreviewText("abc.png", deleting), QStringLiteral("⇒ ab.png"));
}

TEST(RenameRules, TheSeparatorLivesAtTheEndOfTheTextThatTouchesTheName)
{
    struct Case {
        const char* text;
        int position;
        bool on;
        char16_t separator;
        const char* expected;
    };
    const Case cases[] = {
        {"x", kAtHead, true, u'_', "x_"}, {"x", kAtEnd, true, u'-', "-x"}, {"x", 0, true, u'-', "-x"},
        {"", kAtHead, true, u'-', "-"}, {"x-", kAtHead, true, u'_', "x_"},  // the other one is replaced
        {"_x", kAtEnd, true, u'-', "-x"}, {"x_", kAtHead, true, u'_', "x_"},
        {"x_", kAtHead, false, u'_', "x"},  // off: removed
        {"-x", kAtEnd, false, u'_', "x"}, {"x", kAtHead, false, u'_', "x"},
        {"-x", kAtHead, false, u'_', "-x"},  // only the end that touches the name
    };
    for (const Case& c : cases)
        EXPECT_EQ(ApplySeparator(QString::fromUtf8(c.text), c.position, c.on, QChar(c.separator)),
            QString::fromUtf8(c.expected))
            << c.text << " " << c.position << " " << c.on;

    EXPECT_EQ(MoveSeparator("x_", kAtHead, kAtEnd, true), "_x");
    EXPECT_EQ(MoveSeparator("-x", kAtEnd, kAtHead, true), "x-");
    EXPECT_EQ(MoveSeparator("-", kAtEnd, kAtHead, true), "-");     // the separator alone stays
    EXPECT_EQ(MoveSeparator("x_", kAtHead, kAtEnd, false), "x_");  // off: untouched
    EXPECT_EQ(MoveSeparator("x_", kAtHead, kAtHead, true), "x_");
    EXPECT_EQ(InitialAddText(true, QChar(u'-')), "-");
    EXPECT_EQ(InitialAddText(false, QChar(u'-')), "");
    EXPECT_EQ(SeparatorChar(kSeparatorHyphen), QChar(u'-'));
    EXPECT_EQ(SeparatorChar(0), QChar(u'_'));
    EXPECT_EQ(AddCaretPosition("abc", kAtEnd), 3);
    EXPECT_EQ(AddCaretPosition("abc", kAtHead), 0);
}

TEST(RenameRules, SelectionRangesByMethod)
{
    struct Case {
        const char* text;
        int method;
        int start;
        int end;
    };
    const Case cases[] = {
        {"photo.jpg", kSelectWholeName, 0, 9},
        {"photo.jpg", kSelectNamePart, 0, 5},
        {"photo.jpg", kSelectExtension, 6, 9},
        {"photo.jpg", kCaretAtStart, 0, 0},
        {"photo.jpg", kCaretAfterName, 5, 5},
        {"photo.jpg", kCaretAtEnd, 9, 9},
        {"README", kSelectNamePart, 0, 6},
        {"README", kSelectExtension, 6, 6},
        {"README", kCaretAfterName, 6, 6},
    };
    for (const Case& c : cases) {
        const std::optional<TextRange> range = SelectionForMethod(QString::fromUtf8(c.text), c.method);
        ASSERT_TRUE(range.has_value()) << c.method;
        EXPECT_EQ(range->start, c.start) << c.text << " " << c.method;
        EXPECT_EQ(range->end, c.end) << c.text << " " << c.method;
    }
    EXPECT_FALSE(SelectionForMethod("photo.jpg", kSelectNone).has_value());
}

TEST(RenameRules, CountsFolderPartsAndMessages)
{
    EXPECT_EQ(ParseCount("12"), 12);
    EXPECT_EQ(ParseCount(" 7 "), 7);
    for (const char* bad : {"", "-1", "1a", "12345", "x"})
        EXPECT_EQ(ParseCount(bad), -1) << bad;
    // Steps stay within 0..99 and below the name's length.
    EXPECT_EQ(StepDeleteCount("3", +1, 10), 4);
    EXPECT_EQ(StepDeleteCount("0", -1, 10), 0);
    EXPECT_EQ(StepDeleteCount("", +1, 10), 1);
    EXPECT_FALSE(StepDeleteCount("2", +1, 3).has_value());
    EXPECT_EQ(StepDeleteCount("99", +1, 200), 99);

    for (const char* refused : {"a/b.jpg", "a\\b.jpg", "C:x.jpg", ".", "..", ""})
        EXPECT_TRUE(HasFolderPart(QString::fromUtf8(refused))) << refused;
    for (const char* fine : {"a.jpg", ".hidden", "ab:c.jpg", "..x"})
        EXPECT_FALSE(HasFolderPart(QString::fromUtf8(fine))) << fine;

    struct Code {
        DWORD code;
        const char* text;
        bool listed;
    };
    const Code codes[] = {
        {ERROR_FILE_NOT_FOUND, "指定されたファイルが見つかりません。", true},
        {ERROR_PATH_NOT_FOUND, "指定されたパス(ドライブ)が見つかりませんでした。", true},
        {ERROR_ACCESS_DENIED, "アクセスが拒否されました。書き込み可能メディアか確認してください。", true},
        {ERROR_INVALID_NAME, "ファイル名として使用できない文字が含まれている可能性があります。", true},
        {ERROR_ALREADY_EXISTS, "既に存在するファイル名が指定されました。", true},
        {ERROR_FILENAME_EXCED_RANGE, "ファイル名の変換に失敗しました。", false},
        {ERROR_DISK_FULL, "ファイル名の変換に失敗しました。", false},
    };
    for (const Code& c : codes) {
        const RenameErrorInfo info = RenameErrorText(c.code);
        EXPECT_EQ(info.text, QString::fromUtf8(c.text)) << c.code;
        EXPECT_EQ(info.listed, c.listed) << c.code;
    }
}

TEST(RenameRules, ErrnoOfARenameGivesTheListedCodes)
{
    struct Case {
        int error;
        bool sourceMissing;
        DWORD code;
    };
    const Case cases[] = {
        {EEXIST, false, ERROR_ALREADY_EXISTS},
        {ENOTEMPTY, false, ERROR_ALREADY_EXISTS},
        {ENOENT, true, ERROR_FILE_NOT_FOUND},
        {ENOENT, false, ERROR_PATH_NOT_FOUND},
        {ENOTDIR, false, ERROR_PATH_NOT_FOUND},
        {EACCES, false, ERROR_ACCESS_DENIED},
        {EPERM, false, ERROR_ACCESS_DENIED},
        {EROFS, false, ERROR_ACCESS_DENIED},
        {EBUSY, false, ERROR_ACCESS_DENIED},
        {EINVAL, false, ERROR_INVALID_NAME},
        {EILSEQ, false, ERROR_INVALID_NAME},
        {ENAMETOOLONG, false, ERROR_INVALID_NAME},
        {ENOSPC, false, ERROR_DISK_FULL},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RenameErrorFromErrno(c.error, c.sourceMissing), c.code) << c.error;
}

TEST(RenameRules, TheMenuOffersRenamingWhenTheFocusIsRanked)
{
    for (UINT id : {ID_MULTI_RENAME_ONE, ID_MULTI_RENAME_BATCH}) {
        EXPECT_FALSE(IsMultiMenuItemEnabled(id, MultiMenuFacts{true, true, false})) << id;
        EXPECT_TRUE(IsMultiMenuItemEnabled(id, MultiMenuFacts{false, false, true})) << id;
    }
}

class RenameFolderTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_folder = m_dir.path() + "/";
    }
    void TearDown() override { SetFileOperationFault({}); }
    void Write(const QString& name, const QByteArray& bytes)
    {
        QFile f(m_folder + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray Read(const QString& name) const
    {
        QFile f(m_folder + name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QStringList Names() const { return QDir(m_folder).entryList(QDir::Files | QDir::Hidden, QDir::Name); }

    QTemporaryDir m_dir;
    QString m_folder;
};

TEST_F(RenameFolderTest, ARenameNeverReplacesAndFailuresLeaveEveryFile)
{
    Write("a.jpg", "A");
    Write("b.jpg", "B");
    EXPECT_EQ(RenameInFolder(m_folder, "a.jpg", "b.jpg"), ERROR_ALREADY_EXISTS);
    EXPECT_EQ(Read("a.jpg"), "A");
    EXPECT_EQ(Read("b.jpg"), "B");

    EXPECT_EQ(RenameInFolder(m_folder, "a.jpg", "c.jpg"), ERROR_SUCCESS);
    EXPECT_EQ(Read("c.jpg"), "A");
    EXPECT_EQ(RenameInFolder(m_folder, "gone.jpg", "d.jpg"), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RenameInFolder(m_folder, "c.jpg", "C.jpg"), ERROR_SUCCESS);  // letter case only
    EXPECT_EQ(Read("C.jpg"), "A");

    // Names that leave the folder, and paths that are too long, fail before any rename.
    EXPECT_EQ(RenameInFolder(m_folder, "b.jpg", "sub/b.jpg"), ERROR_INVALID_NAME);
    EXPECT_EQ(RenameInFolder(m_folder, "b.jpg", ".."), ERROR_INVALID_NAME);
    const QString longName = QString(kRenamePathLimit - m_folder.size(), u'x');
    EXPECT_EQ(RenameInFolder(m_folder, "b.jpg", longName), ERROR_FILENAME_EXCED_RANGE);
    EXPECT_EQ(RenameInFolder(m_folder, "b.jpg", longName.left(longName.size() - 1)), ERROR_SUCCESS);
    EXPECT_EQ(Names(), QStringList({"C.jpg", longName.left(longName.size() - 1)}));
}

TEST_F(RenameFolderTest, InjectedFailuresAreReportedAndTheSameNameNeedsNoRename)
{
    Write("a.jpg", "A");
    int asked = 0;
    SetFileOperationFault([&](FileOperationKind kind, const QString& path) {
        ++asked;
        EXPECT_EQ(kind, FileOperationKind::Move);
        EXPECT_EQ(path, m_folder + "a.jpg");
        return ERROR_ACCESS_DENIED;
    });
    EXPECT_EQ(RenameInFolder(m_folder, "a.jpg", "b.jpg"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(RenameInFolder(m_folder, "a.jpg", "a.jpg"), ERROR_SUCCESS);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(Names(), QStringList({"a.jpg"}));
}

TEST_F(RenameFolderTest, ABatchTriesEveryFileAndCountsEachFailure)
{
    // Deleting two characters from the end makes ab.jpg of both abXY.jpg
    // and abZW.jpg: the second must not replace the first.
    for (const char* name : {"abXY.jpg", "abZW.jpg", ".jpg", "q.jpg"})
        Write(name, name);
    const std::vector<RenameItem> items = {
        {"abXY.jpg", 0, 0}, {"abZW.jpg", 1, 1}, {".jpg", 2, 2}, {"q.jpg", 3, 3}};
    RenameRule rule{kBatchDeleteChars, QString(), kAtEnd, 2};
    std::vector<std::pair<int, DWORD>> reported;
    const int failures = RunRenameBatch(m_folder, items, 0, rule,
        [&](int index, const RenameOutcome& outcome) { reported.emplace_back(index, outcome.error); });
    EXPECT_EQ(failures, 2);
    const std::vector<std::pair<int, DWORD>> expected = {
        {0, ERROR_SUCCESS}, {1, ERROR_ALREADY_EXISTS}, {2, ERROR_GEN_FAILURE}, {3, ERROR_SUCCESS}};
    EXPECT_EQ(reported, expected);
    EXPECT_EQ(Read("ab.jpg"), "abXY.jpg");
    EXPECT_EQ(Read("abZW.jpg"), "abZW.jpg");
    EXPECT_EQ(Read(".jpg"), ".jpg");
    EXPECT_EQ(Read("q.jpg"), "q.jpg");

    // A run resumes where the work list stands.
    reported.clear();
    rule = RenameRule{kBatchAddText, "-x", kAtEnd, 0};
    EXPECT_EQ(
        RunRenameBatch(m_folder, std::vector<RenameItem>{{"ab.jpg", 0, 0}, {"q.jpg", 1, 1}}, 1, rule,
            [&](int index, const RenameOutcome& outcome) { reported.emplace_back(index, outcome.error); }),
        0);
    EXPECT_EQ(reported, (std::vector<std::pair<int, DWORD>>{{1, ERROR_SUCCESS}}));
    EXPECT_EQ(Read("q-x.jpg"), "q.jpg");
}

}  // namespace
