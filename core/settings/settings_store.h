// Loading, checking and saving the settings: the settings file "Kestrel.cfg"
// in the program folder, the one-time conversion of the legacy profile file
// "Kestrel.ini", and the range check that follows every load.
//
// The main frame owns a store with its cached screen size and calls, at its
// first show, IsFirstRun, LoadSettings and CheckSettings, and at its close
// WriteSettingsFile. Only the UI thread loads, checks and saves.
#pragma once

#include "core/settings/app_settings.h"
#include "platform/system/program_folder.h"

#include <QByteArray>
#include <QString>

constexpr char kSettingsFileName[] = "Kestrel.cfg";
constexpr char kLegacySettingsFileName[] = "Kestrel.ini";

class SettingsStore {
public:
    // screen: the screen size in pixels; folder: the program folder.
    explicit SettingsStore(
        SIZE screen, QString programFolder = ProgramFolder(), AppSettingsRecord& settings = AppSettings);

    // Reads the settings file, or converts the legacy file when the settings
    // file holds 100 bytes or fewer and the legacy file more than 100; the
    // legacy file is deleted once its settings are completely written.
    void LoadSettings();
    // True once LoadSettings has run: until then the members hold no user's
    // settings, and saving them would overwrite the file with defaults.
    bool HasLoaded() const { return m_loaded; }
    // Every member takes its default, then the values in folder's settings
    // file override them.
    void ReadSettingsFile(const QString& folder);
    // Every member takes its default, then the values in folder's legacy file
    // override them.
    void ReadLegacyIni(const QString& folder);
    // Writes every member into folder's settings file. Returns 1 when the whole
    // file was written; on failure the previous file stays as it was, and
    // error, when given, receives the reason (an errno value, see
    // FileWriteErrorText).
    int WriteSettingsFile(const QString& folder, int* error = nullptr) const;
    // Clamps or resets every member to its valid range.
    void CheckSettings();
    // 1 when neither the settings file nor the legacy file has any content.
    int IsFirstRun() const;

    // The settings file's text for the current members.
    QByteArray FormatSettingsText() const;
    // Every member takes its default, then the values in text override them
    // (text: the file's bytes; a line that holds a zero byte reads as empty).
    void ParseSettingsText(const QByteArray& text);

    const QString& ProgramFolderPath() const { return m_programFolder; }
    // The settings file in the program folder.
    QString SettingsFilePath() const { return PathIn(m_programFolder, kSettingsFileName); }

private:
    QString PathIn(const QString& folder, const char* name) const;

    SIZE m_screen;
    QString m_programFolder;
    AppSettingsRecord& m_settings;
    bool m_loaded = false;
};

// The rules every read ends with: over-long name texts are replaced, MaskExt
// is cleared and the two unstored globals are set.
void FinishSettingsRead(AppSettingsRecord& s);

// The rules that tie members together, applied after the per-key checks, in
// their order (settings_checks.cpp).
void ApplyCrossChecks(AppSettingsRecord& s, const QString& programFolder, SIZE screen);
