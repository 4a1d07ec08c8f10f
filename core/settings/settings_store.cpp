#include "core/settings/settings_store.h"

#include "core/raw_file.h"
#include "core/settings/replace_file.h"
#include "core/settings/settings_keys.h"

#include <QFile>

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
    return folder + QLatin1Char('/') + QLatin1String(name);
}

void SettingsStore::LoadSettings()
{
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
    ParseSettingsText(
        ReadFileBytes(PathIn(folder, kSettingsFileName), kMaxSettingsFileBytes).value_or(QByteArray()));
}

int SettingsStore::WriteSettingsFile(const QString& folder) const
{
    return ReplaceFileContents(PathIn(folder, kSettingsFileName), FormatSettingsText());
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
