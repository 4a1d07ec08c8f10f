// Feeds arbitrary bytes to the settings readers: the settings file's text
// (then the range check and the writer), and the legacy profile file.
#include "core/settings/profile_file.h"
#include "core/settings/settings_store.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    AppSettingsRecord settings;
    SettingsStore store(SIZE{1920, 1080}, QStringLiteral("/program/"), settings);
    store.ParseSettingsText(bytes);
    store.CheckSettings();
    const QByteArray text = store.FormatSettingsText();

    // What was written reads back. (Not always to the same values: a text
    // value loses its leading spaces, and some members are reset at every
    // load.)
    AppSettingsRecord again;
    SettingsStore reread(SIZE{1920, 1080}, QStringLiteral("/program/"), again);
    reread.ParseSettingsText(text);

    ProfileFile ini;
    ini.Parse(bytes);
    ini.GetString(QStringLiteral("-Directory-"), QStringLiteral("LastAccessDir"), QString(), 520);
    ini.GetInt(QStringLiteral("-JpegQuality-"), QStringLiteral("JpegQuality"), 85);
    return 0;
}
