// The file name the stage's save dialog proposes: the image's own base name,
// or an automatic name made of the settings' prefix and a serial number, a
// date or a letter, stepping past files that already exist. No dialog, no
// file is written; whether a path exists is asked through a callback.
#pragma once

#include "core/settings/app_settings.h"
#include "platform/types/types.h"

#include <QString>

#include <functional>

// Paths this long or longer are refused for an automatic name.
constexpr int kMaxAutoSavePathLength = 260;

// true when something already occupies the path.
using SavePathExists = std::function<bool(const QString& path)>;

enum class SaveNameStatus {
    Proposed,     // name holds the proposal
    PathTooLong,  // the automatic name's path is too long: show the message, save nothing
};

struct SaveNameProposal {
    SaveNameStatus status = SaveNameStatus::Proposed;
    QString name;  // without folder or extension
};

// The extension the save dialog starts with for DefSaveFormat: 2 "jpg",
// 3 "tif", 4 "gif", 5 "png", any other value "bmp".
QString DefaultSaveExtension(int defSaveFormat);

// A capture that was never loaded from a file: its base name is one of the
// capture names or its folder is "no_directory".
bool IsCaptureImage(const QString& baseName, const QString& folder);

// Whether the settings ask for an automatic name for this image.
bool WantsAutomaticSaveName(
    const AppSettingsRecord& settings, const QString& baseName, const QString& folder);

// The proposal for an image with the given base name (up to its first '.')
// and folder. An automatic name is tried in LastAccessDir with the default
// extension; `now` is the local time a date name takes.
SaveNameProposal ProposeSaveName(const AppSettingsRecord& settings, const QString& baseName,
    const QString& folder, const SYSTEMTIME& now, const SavePathExists& exists);

// The real file-system question (something that is not a folder is there).
bool SaveFileExists(const QString& path);

// "Kestrelが対応していないファイルパスの長さです。"
QString SavePathTooLongMessage();
