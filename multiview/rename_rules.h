// The rules of renaming the multi view's files, apart from the dialog: how a
// new name is made from the old one (a text added at the head or the end of
// the name, characters deleted from either end), the separator kept inside
// the added text, where the caret goes in the name edit, which names are
// refused, the messages of failed renames, and the renaming of a run of
// files in one folder. No window, no drawing.
#pragma once

#include "platform/system/file_operations.h"
#include "platform/types/types.h"

#include <QChar>
#include <QString>
#include <functional>
#include <optional>
#include <span>

// The dialog's modes (the multi view's rename mode byte, g_nRenameMode).
inline constexpr int kRenameSingle = 1;
inline constexpr int kRenameBatch = 2;

// Where the caret goes in the name edit in single mode.
enum RenameSelection : int {
    kSelectNone = 0,
    kSelectWholeName = 1,
    kSelectNamePart = 2,
    kSelectExtension = 3,
    kCaretAtStart = 4,
    kCaretAfterName = 5,
    kCaretAtEnd = 6,
};

// The batch operations and the two ends of a name.
inline constexpr int kBatchAddText = 1;
inline constexpr int kBatchDeleteChars = 2;
inline constexpr int kAtHead = 1;
inline constexpr int kAtEnd = 2;
inline constexpr int kSeparatorHyphen = 1;

// The choices of the rename dialog, kept for the rest of the run and never
// saved; all 0 at start. The mode is the multi view's rename mode byte.
struct RenameChoicesRecord {
    BYTE selectionMethod = 0;  // RenameSelection
    BYTE batchOperation = 0;   // kBatchAddText, kBatchDeleteChars, 0 none chosen
    BYTE addPosition = 0;      // kAtHead, kAtEnd; 0 acts as kAtEnd
    BYTE deletePosition = 0;   // kAtHead, kAtEnd; 0 acts as kAtEnd
    BYTE separator = 0;        // kSeparatorHyphen "-", any other value "_"
    int separatorOn = 0;       // 1: the added text carries the separator
    WORD deleteCount = 0;      // reset whenever the dialog opens
};
extern RenameChoicesRecord RenameChoices;

// A path of this many characters or more is not renamed.
inline constexpr int kRenamePathLimit = 260;
// The longest name the dialog keeps, folder included.
inline constexpr int kRenameNameChars = 520;
// The batch delete count the execution takes, and the up-down's range.
inline constexpr int kDeleteCountMin = 1;
inline constexpr int kDeleteCountMax = 519;
inline constexpr int kDeleteStepMax = 99;

// A name split at its last dot: the extension keeps the dot.
struct NameParts {
    QString name;
    QString extension;
};
NameParts SplitFileName(const QString& fileName);

// The selection a method gives in the edit's text (start == end: a caret);
// none for kSelectNone or an unknown method.
struct TextRange {
    int start = 0;
    int end = 0;
};
std::optional<TextRange> SelectionForMethod(const QString& text, int method);

QChar SeparatorChar(int separator);
// The add position as it acts (0 acts as the end).
int EffectivePosition(int position);

// Batch add: the text at the head, or at the end before the extension. An
// empty text leaves the name.
QString AddToName(const QString& oldName, const QString& text, int position);
// Batch delete: count characters off the head or the end of the name part
// (at least one stays), the extension kept. None when the name part is
// empty: such a file cannot lose characters.
std::optional<QString> DeleteFromName(const QString& oldName, int count, int position);

// The separator inside the added text, at its end that touches the name (the
// end of the text when adding at the head, its start when adding at the
// end). On: the other separator there is replaced, no separator there gets
// one; off: a separator there goes.
QString ApplySeparator(const QString& text, int position, bool on, QChar separator);
// The separator found at the old position's end moves to the new one's, when
// the separator is on and the text is more than the separator alone.
QString MoveSeparator(const QString& text, int oldPosition, int newPosition, bool on);
// The edit's text when the add operation is chosen.
QString InitialAddText(bool on, QChar separator);
// Where the caret goes in the add text.
int AddCaretPosition(const QString& text, int position);

// The number a text holds (digits only, at most four), -1 for another text.
int ParseCount(const QString& text);
// One up-down step on the edit's number (a text without one counts as 0),
// kept within 0..99; none when the result is not below the name's length.
std::optional<int> StepDeleteCount(const QString& text, int delta, int nameLength);

// Whether a typed name names a drive or a folder: a separator ('/' or '\'),
// a leading drive ("C:"), or the names "." and ".." and the empty name.
bool HasFolderPart(const QString& name);

// The message of a failed rename by its code, and whether the code is one
// of those listed (single mode then stays on the file).
struct RenameErrorInfo {
    QString text;
    bool listed = false;
};
RenameErrorInfo RenameErrorText(DWORD code);

// The batch rule for one run.
struct RenameRule {
    int operation = kBatchAddText;
    QString text;      // the add operation's text, separator included
    int position = 0;  // the operation's position
    int count = 0;     // the delete operation's count
};
// The new name of a file under the rule; none when it cannot be made.
std::optional<QString> BatchNewName(const QString& oldName, const RenameRule& rule);
// The preview line: "⇒ " and the first file's new name.
QString BatchPreviewText(const QString& firstName, const RenameRule& rule);
// Whether adding text to a name in the folder passes the path limit.
bool AddExceedsPathLimit(const QString& folder, const QString& text, const QString& oldName);

// Renames one file of the folder (which ends with '/'): ERROR_SUCCESS when
// it carries the new name afterwards. The same name succeeds without a
// rename; a path of 260 characters or more fails with
// ERROR_FILENAME_EXCED_RANGE and a name with a folder part with
// ERROR_INVALID_NAME, both before any rename; otherwise MoveFileW's code.
DWORD RenameInFolder(const QString& folder, const QString& oldName, const QString& newName);

// One file of a batch run and what became of it.
struct RenameItem {
    QString name;
    int position = -1;  // display position
    int file = -1;      // list index
};
struct RenameOutcome {
    QString newName;  // empty when none could be made
    DWORD error = ERROR_SUCCESS;
};
// Renames items[from..] by the rule, in order, each through RenameInFolder;
// a file whose new name cannot be made (nothing to delete from) fails with
// ERROR_GEN_FAILURE. Every file is tried; each outcome goes to report.
// Returns the number of failures.
int RunRenameBatch(const QString& folder, std::span<const RenameItem> items, int from, const RenameRule& rule,
    const std::function<void(int index, const RenameOutcome& outcome)>& report);
