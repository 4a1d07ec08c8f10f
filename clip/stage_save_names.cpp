#include "clip/stage_save_names.h"

#include "core/file_queries.h"
#include "core/path_utils.h"
#include "core/text_utils.h"

namespace {

// Capacity of the proposal buffer, terminator included.
constexpr int kProposalCapacity = 520;

constexpr int kHowtoSerial = 0;
constexpr int kHowtoDate = 1;

struct SerialFormat {
    int width;
    int largest;
};

SerialFormat SerialFormatForDigits(int digits)
{
    switch (digits) {
    case 3:
        return {3, 999};
    case 4:
        return {4, 9999};
    default:
        return {5, 99999};
    }
}

QString SerialName(const QString& prefix, int n, int width)
{
    return prefix + QStringLiteral("%1").arg(n, width, 10, QLatin1Char('0'));
}

QString CandidatePath(const QString& folder, const QString& name, const QString& extension)
{
    return folder + name + QLatin1Char('.') + extension;
}

bool IsTooLong(const QString& path)
{
    return path.size() >= kMaxAutoSavePathLength;
}

SaveNameProposal Refused()
{
    return {SaveNameStatus::PathTooLong, QString()};
}

// Names of one method differ only in their fixed-width counter, so every
// candidate has the length of the first: one check before any is asked about.
SaveNameProposal SerialProposal(
    const AppSettingsRecord& s, const QString& folder, const QString& extension, const SavePathExists& exists)
{
    const SerialFormat format = SerialFormatForDigits(s.MakeFilenameDigit);
    int n = 1;
    if (IsTooLong(CandidatePath(folder, SerialName(s.MakeFilenameFrontStr, n, format.width), extension)))
        return Refused();
    if (s.MakeFilenameExcludeSameFile != 0) {
        while (n < format.largest &&
            exists(CandidatePath(folder, SerialName(s.MakeFilenameFrontStr, n, format.width), extension)))
            ++n;
    }
    return {SaveNameStatus::Proposed, SerialName(s.MakeFilenameFrontStr, n, format.width)};
}

SaveNameProposal LetterProposal(
    const AppSettingsRecord& s, const QString& folder, const QString& extension, const SavePathExists& exists)
{
    const auto letterName = [&s](char c) { return s.MakeFilenameFrontStr + QLatin1Char(c); };
    char c = 'a';
    if (IsTooLong(CandidatePath(folder, letterName(c), extension)))
        return Refused();
    if (s.MakeFilenameExcludeSameFile != 0) {
        while (c != 'z' && exists(CandidatePath(folder, letterName(c), extension)))
            ++c;
    }
    return {SaveNameStatus::Proposed, letterName(c)};
}

// A date name is not tested against existing files.
SaveNameProposal DateProposal(
    const AppSettingsRecord& s, const QString& folder, const QString& extension, const SYSTEMTIME& now)
{
    QString name = s.MakeFilenameFrontStr;
    AppendTimestamp(name, kProposalCapacity, now);
    if (IsTooLong(CandidatePath(folder, name, extension)))
        return Refused();
    return {SaveNameStatus::Proposed, name};
}

}  // namespace

QString DefaultSaveExtension(int defSaveFormat)
{
    switch (defSaveFormat) {
    case 2:
        return QStringLiteral("jpg");
    case 3:
        return QStringLiteral("tif");
    case 4:
        return QStringLiteral("gif");
    case 5:
        return QStringLiteral("png");
    default:
        return QStringLiteral("bmp");
    }
}

bool IsCaptureImage(const QString& baseName, const QString& folder)
{
    static const QString captureNames[] = {QStringLiteral("active_window"), QStringLiteral("full_screen"),
        QStringLiteral("capture_window"), QStringLiteral("clipboard")};
    for (const QString& captureName : captureNames) {
        if (baseName == captureName)
            return true;
    }
    return folder == QLatin1String("no_directory");
}

bool WantsAutomaticSaveName(const AppSettingsRecord& s, const QString& baseName, const QString& folder)
{
    if (s.MakeFilenameAuto != 1)
        return false;
    return s.MakeFilenameOnlyCapture == 0 || IsCaptureImage(baseName, folder);
}

SaveNameProposal ProposeSaveName(const AppSettingsRecord& s, const QString& baseName, const QString& folder,
    const SYSTEMTIME& now, const SavePathExists& exists)
{
    if (!WantsAutomaticSaveName(s, baseName, folder))
        return {SaveNameStatus::Proposed, baseName};

    QString saveFolder = s.LastAccessDir;
    AddBackslash(saveFolder);
    const QString extension = DefaultSaveExtension(s.DefSaveFormat);
    switch (s.MakeFilenameHowto) {
    case kHowtoSerial:
        return SerialProposal(s, saveFolder, extension, exists);
    case kHowtoDate:
        return DateProposal(s, saveFolder, extension, now);
    default:
        return LetterProposal(s, saveFolder, extension, exists);
    }
}

bool SaveFileExists(const QString& path)
{
    return FileExists(path) != 0;
}

QString SavePathTooLongMessage()
{
    return QStringLiteral("Kestrelが対応していないファイルパスの長さです。");
}
