// Reading the legacy profile file "Kestrel.ini": the same keys under section
// names without brackets, with a few differences (settings_keys.h flags, the
// ratio choice under another name, rectangles that may be stored as four
// separate edge keys).
#include "core/settings/cfg_text.h"
#include "core/settings/profile_file.h"
#include "core/settings/settings_keys.h"
#include "core/settings/settings_store.h"

namespace {

// Any "left,top,right,bottom" of 32-bit numbers fits.
constexpr int kLegacyRectTextCapacity = 48;

void ReadLegacyRect(
    AppSettingsRecord& s, const SettingKey& k, const ProfileFile& ini, const QString& section, SIZE screen)
{
    RECT& rect = s.*std::get<RECT AppSettingsRecord::*>(k.member);
    const QString text = ini.GetString(section, QLatin1String(k.key), QString(), kLegacyRectTextCapacity);
    if (ParseRectW(text, rect) == 1) {
        return;
    }
    const RECT def = DefaultSettingRect(k, screen);
    if (k.legacyEdges == nullptr) {
        rect = def;
        return;
    }
    const auto& edges = *k.legacyEdges;
    rect.left = ini.GetInt(section, QLatin1String(edges[0]), def.left);
    rect.top = ini.GetInt(section, QLatin1String(edges[1]), def.top);
    rect.right = ini.GetInt(section, QLatin1String(edges[2]), def.right);
    rect.bottom = ini.GetInt(section, QLatin1String(edges[3]), def.bottom);
}

}  // namespace

void SettingsStore::ReadLegacyIni(const QString& folder)
{
    AppSettingsRecord& s = m_settings;
    ApplyAllSettingDefaults(s, m_programFolder, m_screen);
    ProfileFile ini;
    ini.Load(PathIn(folder, kLegacySettingsFileName));
    for (const SettingSection& section : SettingSections()) {
        const QString sectionName = QLatin1String(section.name);
        for (const SettingKey& k : section.keys) {
            if ((k.flags & kNotInLegacy) != 0) {
                continue;
            }
            const QString key = QLatin1String(k.legacyKey != nullptr ? k.legacyKey : k.key);
            switch (k.kind) {
            case SettingKind::Text: {
                QString& member = s.*std::get<QString AppSettingsRecord::*>(k.member);
                member = ini.GetString(sectionName, key, member, k.capacity);
                break;
            }
            case SettingKind::Rect:
                ReadLegacyRect(s, k, ini, sectionName, m_screen);
                break;
            default: {
                const int current = static_cast<int>(GetSettingNumber(s, k));
                SetSettingNumber(s, k, ini.GetInt(sectionName, key, current));
                break;
            }
            }
        }
    }
    FinishSettingsRead(s);
}
