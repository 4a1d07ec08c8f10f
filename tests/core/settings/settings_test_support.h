// Helpers of the settings tests: a store over a temporary program folder and
// its own record, and small file helpers.
#pragma once

#include "core/settings/settings_keys.h"
#include "core/settings/settings_store.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

inline constexpr SIZE kTestScreen{1920, 1080};

inline QByteArray ReadWholeFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool WriteWholeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// A temporary program folder with a store bound to a record of its own.
struct StoreInFolder {
    QTemporaryDir dir;
    QString folder = dir.path() + QLatin1Char('/');
    AppSettingsRecord settings;
    SettingsStore store{kTestScreen, folder, settings};

    QString Cfg() const { return folder + QLatin1String(kSettingsFileName); }
    QString Ini() const { return folder + QLatin1String(kLegacySettingsFileName); }
};

// A number member by key name.
inline std::int64_t NumberOf(const AppSettingsRecord& s, const char* key)
{
    return GetSettingNumber(s, *FindSettingKey(key));
}
inline void SetNumber(AppSettingsRecord& s, const char* key, std::int64_t value)
{
    SetSettingNumber(s, *FindSettingKey(key), value);
}
