#include "core/settings/settings_store.h"

#include "core/logging.h"
#include "core/raw_file.h"
#include "core/settings/replace_file.h"
#include "core/settings/settings_keys.h"

#include <QFile>
#include <QFileInfo>

namespace {

// At or below this many bytes a settings file counts as not written yet.
constexpr std::uint64_t kMeaningfulFileBytes = 100;
// A settings file larger than this is not ours: it reads as absent.
constexpr std::uint64_t kMaxSettingsFileBytes = 16 * 1024 * 1024;

}  // namespace

SettingsStore::SettingsStore(SIZE screen, QString programFolder, AppSettingsRecord& settings)
    : m_screen(screen), m_programFolder(std::move(programFolder)), m_settings(settings)
{
}

QString SettingsStore::PathIn(const QString& folder, const char* name) const
{
    // The program folder ends with its separator; a folder given without one gets it.
    return (folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/')) + QLatin1String(name);
}

void SettingsStore::LoadSettings()
{
    m_loaded = true;
    const std::uint64_t cfgLength = GetFileSizeOfPath(PathIn(m_programFolder, kSettingsFileName));
    const std::uint64_t iniLength = GetFileSizeOfPath(PathIn(m_programFolder, kLegacySettingsFileName));
    if (cfgLength > kMeaningfulFileBytes || iniLength <= kMeaningfulFileBytes) {
        ReadSettingsFile(m_programFolder);
        return;
    }
    ReadLegacyIni(m_programFolder);
    // The legacy file goes only once its settings are safely in the new file;
    // otherwise it is converted again at the next start.
    if (WriteSettingsFile(m_programFolder) == 1) {
        QFile::remove(PathIn(m_programFolder, kLegacySettingsFileName));
    }
}

void SettingsStore::ReadSettingsFile(const QString& folder)
{
    // Absent, empty, unreadable or oversized: a null text, every section absent.
    const QString path = PathIn(folder, kSettingsFileName);
    const std::optional<QByteArray> text = ReadFileBytes(path, kMaxSettingsFileBytes);
    if (!text && QFileInfo(path).size() > 0)
        qCWarning(lcSettings) << "cannot read" << path
                              << "(unreadable, a folder or too large): defaults used";
    ParseSettingsText(text.value_or(QByteArray()));
}

int SettingsStore::WriteSettingsFile(const QString& folder, int* error) const
{
    const QString path = PathIn(folder, kSettingsFileName);
    int reason = 0;
    const int written = ReplaceFileContents(path, FormatSettingsText(), &reason);
    if (!written)
        qCWarning(lcSettings) << "cannot write" << path << ":" << qt_error_string(reason);
    if (error != nullptr)
        *error = reason;
    return written;
}

void SettingsStore::CheckSettings()
{
    for (const SettingSection& section : SettingSections()) {
        for (const SettingKey& k : section.keys) {
            ApplySettingCheck(m_settings, k);
        }
    }
    ApplyCrossChecks(m_settings, m_programFolder, m_screen);
}

int SettingsStore::IsFirstRun() const
{
    return GetFileSizeOfPath(PathIn(m_programFolder, kSettingsFileName)) == 0 &&
            GetFileSizeOfPath(PathIn(m_programFolder, kLegacySettingsFileName)) == 0
        ? 1
        : 0;
}
