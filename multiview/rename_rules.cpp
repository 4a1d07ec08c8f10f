#include "multiview/rename_rules.h"

#include "platform/system/file_operations.h"

#include <algorithm>

RenameChoicesRecord RenameChoices;

namespace {

bool IsSeparator(QChar c)
{
    return c == u'-' || c == u'_';
}

}  // namespace

NameParts SplitFileName(const QString& fileName)
{
    const int dot = fileName.lastIndexOf(u'.');
    if (dot < 0)
        return NameParts{fileName, QString()};
    return NameParts{fileName.left(dot), fileName.mid(dot)};
}

std::optional<TextRange> SelectionForMethod(const QString& text, int method)
{
    const NameParts parts = SplitFileName(text);
    const int nameLength = static_cast<int>(parts.name.size());
    const int length = static_cast<int>(text.size());
    switch (method) {
    case kSelectWholeName:
        return TextRange{0, length};
    case kSelectNamePart:
        return TextRange{0, nameLength};
    case kSelectExtension:
        // Without the dot.
        return TextRange{parts.extension.isEmpty() ? length : nameLength + 1, length};
    case kCaretAtStart:
        return TextRange{0, 0};
    case kCaretAfterName:
        return TextRange{nameLength, nameLength};
    case kCaretAtEnd:
        return TextRange{length, length};
    default:
        return std::nullopt;
    }
}

QChar SeparatorChar(int separator)
{
    return separator == kSeparatorHyphen ? QChar(u'-') : QChar(u'_');
}

int EffectivePosition(int position)
{
    return position == kAtHead ? kAtHead : kAtEnd;
}

QString AddToName(const QString& oldName, const QString& text, int position)
{
    if (text.isEmpty())
        return oldName;
    if (EffectivePosition(position) == kAtHead)
        return text + oldName;
    const NameParts parts = SplitFileName(oldName);
    return parts.name + text + parts.extension;
}

std::optional<QString> DeleteFromName(const QString& oldName, int count, int position)
{
    const NameParts parts = SplitFileName(oldName);
    const int length = static_cast<int>(parts.name.size());
    if (length == 0)
        return std::nullopt;
    const int n = std::clamp(count, 0, length - 1);
    if (EffectivePosition(position) == kAtHead)
        return parts.name.mid(n) + parts.extension;
    return parts.name.left(length - n) + parts.extension;
}

QString ApplySeparator(const QString& text, int position, bool on, QChar separator)
{
    const bool atTextEnd = EffectivePosition(position) == kAtHead;
    QString result = text;
    const int at = atTextEnd ? static_cast<int>(result.size()) - 1 : 0;
    const bool present = !result.isEmpty() && IsSeparator(result[at]);
    if (on) {
        if (present)
            result[at] = separator;
        else if (atTextEnd)
            result.append(separator);
        else
            result.prepend(separator);
    } else if (present) {
        result.remove(at, 1);
    }
    return result;
}

QString MoveSeparator(const QString& text, int oldPosition, int newPosition, bool on)
{
    const bool fromTextEnd = EffectivePosition(oldPosition) == kAtHead;
    if (!on || text.size() <= 1 || EffectivePosition(oldPosition) == EffectivePosition(newPosition))
        return text;
    const int at = fromTextEnd ? static_cast<int>(text.size()) - 1 : 0;
    if (!IsSeparator(text[at]))
        return text;
    const QChar separator = text[at];
    QString result = text;
    result.remove(at, 1);
    return fromTextEnd ? separator + result : result + separator;
}

QString InitialAddText(bool on, QChar separator)
{
    return on ? QString(separator) : QString();
}

int AddCaretPosition(const QString& text, int position)
{
    return EffectivePosition(position) == kAtEnd ? static_cast<int>(text.size()) : 0;
}

int ParseCount(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed.size() > 4)
        return -1;
    int value = 0;
    for (QChar c : trimmed) {
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

std::optional<int> StepDeleteCount(const QString& text, int delta, int nameLength)
{
    const int current = std::max(ParseCount(text), 0);
    const int next = std::clamp(current + delta, 0, kDeleteStepMax);
    if (next >= nameLength)
        return std::nullopt;
    return next;
}

bool HasFolderPart(const QString& name)
{
    if (name.isEmpty() || name == u"." || name == u"..")
        return true;
    if (name.contains(u'/') || name.contains(u'\\'))
        return true;
    // A drive letter before a colon.
    return name.size() >= 2 && name[1] == u':' && name[0].isLetter();
}

RenameErrorInfo RenameErrorText(DWORD code)
{
    switch (code) {
    case ERROR_FILE_NOT_FOUND:
        return {QStringLiteral("指定されたファイルが見つかりません。"), true};
    case ERROR_PATH_NOT_FOUND:
        return {QStringLiteral("指定されたパス(ドライブ)が見つかりませんでした。"), true};
    case ERROR_ACCESS_DENIED:
        return {QStringLiteral("アクセスが拒否されました。書き込み可能メディアか確認してください。"), true};
    case ERROR_INVALID_NAME:
        return {QStringLiteral("ファイル名として使用できない文字が含まれている可能性があります。"), true};
    case ERROR_ALREADY_EXISTS:
        return {QStringLiteral("既に存在するファイル名が指定されました。"), true};
    default:
        return {QStringLiteral("ファイル名の変換に失敗しました。"), false};
    }
}

std::optional<QString> BatchNewName(const QString& oldName, const RenameRule& rule)
{
    if (rule.operation == kBatchAddText)
        return AddToName(oldName, rule.text, rule.position);
    return DeleteFromName(oldName, rule.count, rule.position);
}

QString BatchPreviewText(const QString& firstName, const RenameRule& rule)
{
    const std::optional<QString> name = BatchNewName(firstName, rule);
    return QStringLiteral("⇒ ") + name.value_or(firstName);
}

bool AddExceedsPathLimit(const QString& folder, const QString& text, const QString& oldName)
{
    return folder.size() + text.size() + oldName.size() > kRenamePathLimit - 1;
}

DWORD RenameInFolder(const QString& folder, const QString& oldName, const QString& newName)
{
    if (HasFolderPart(newName))
        return ERROR_INVALID_NAME;
    if (folder.size() + newName.size() >= kRenamePathLimit ||
        folder.size() + oldName.size() >= kRenamePathLimit)
        return ERROR_FILENAME_EXCED_RANGE;
    // The no-replace rename would refuse the file's own name as taken.
    if (newName == oldName)
        return ERROR_SUCCESS;
    if (MoveFileW(folder + oldName, folder + newName))
        return ERROR_SUCCESS;
    return GetLastError();
}

int RunRenameBatch(const QString& folder, std::span<const RenameItem> items, int from, const RenameRule& rule,
    const std::function<void(int index, const RenameOutcome& outcome)>& report)
{
    int failures = 0;
    for (int i = std::max(from, 0); i < static_cast<int>(items.size()); ++i) {
        RenameOutcome outcome;
        const std::optional<QString> newName = BatchNewName(items[i].name, rule);
        if (newName) {
            outcome.newName = *newName;
            outcome.error = RenameInFolder(folder, items[i].name, *newName);
        } else {
            outcome.error = ERROR_GEN_FAILURE;
        }
        if (outcome.error != ERROR_SUCCESS)
            ++failures;
        report(i, outcome);
    }
    return failures;
}
