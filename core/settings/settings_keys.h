// The one table of the settings keys: for each of the 18 sections of the
// settings file, in file order, its keys with the member that holds them, the
// kind (which fixes the member's width and how the value is written), the
// default and the range check of the key alone. The defaults, the reader, the
// writer, the legacy reader and the range check all walk this table; only the
// rules that tie members together are written by hand (settings_checks.cpp).
#pragma once

#include "core/settings/app_settings.h"

#include <array>
#include <cstdint>
#include <span>
#include <variant>

enum class SettingKind : std::uint8_t {
    Int,     // signed 32-bit, written with %d
    UInt,    // unsigned 32-bit, written with %u
    Colour,  // COLORREF 0x00BBGGRR, written with %u
    Word,    // unsigned 16-bit, written with %d
    Byte,    // unsigned 8-bit, written with %d
    Text,    // code page 932 text in the file
    Rect,    // "left,top,right,bottom"
};

using SettingMember =
    std::variant<int AppSettingsRecord::*, UINT AppSettingsRecord::*, WORD AppSettingsRecord::*,
        BYTE AppSettingsRecord::*, QString AppSettingsRecord::*, RECT AppSettingsRecord::*>;

// Where a default comes from when it is not a constant.
enum class DefaultFrom : std::uint8_t {
    Constant,
    ProgramFolder,  // texts: the program folder
    ScreenRect,     // rectangles: 0, 0, screen width - 1, screen height - 1
};

// The range check of one number. Values are compared as the member's kind
// reads them (unsigned for uint, colour, word and byte; asUnsigned compares an
// int member's bits unsigned too).
enum class CheckKind : std::uint8_t {
    None,
    Bounds,  // below lo -> belowValue, above hi -> aboveValue, a value of `excluded` -> aboveValue
    OneOf,   // a value not in `set` -> otherwise
    Cross,   // done by a rule that ties members together (settings_checks.cpp)
};

struct CheckRule {
    CheckKind kind = CheckKind::None;
    std::int64_t lo = 0;
    std::int64_t hi = 0;
    std::int64_t belowValue = 0;
    std::int64_t aboveValue = 0;
    std::int64_t excluded = -1;  // -1: none
    std::array<std::int64_t, 6> set{};
    int setSize = 0;
    std::int64_t otherwise = 0;
    bool asUnsigned = false;
    // Bounds taken from members already checked (the fixed range, the hit zoom);
    // null: the constant lo / hi.
    int AppSettingsRecord::*loMember = nullptr;
    int AppSettingsRecord::*hiMember = nullptr;
};

// Flags of a key.
enum : unsigned {
    kNotReadFromCfg = 1u,  // written but never read: keeps its default
    kNotInLegacy = 2u,     // absent from the legacy file: keeps its default
};

struct SettingKey {
    const char* key;
    SettingKind kind;
    SettingMember member;
    std::int64_t number = 0;  // default of a number
    const char* text = "";    // default of a text
    RECT rect{};              // default of a rectangle
    DefaultFrom from = DefaultFrom::Constant;
    int capacity = 0;  // texts: characters including the terminator
    CheckRule check{};
    unsigned flags = 0;
    const char* legacyKey = nullptr;                          // its name in the legacy file, when different
    const std::array<const char*, 4>* legacyEdges = nullptr;  // rectangles: separate edge keys there
};

struct SettingSection {
    const char* name;  // "-Directory-": the header without its brackets
    std::span<const SettingKey> keys;
};

// The 18 sections in file order.
std::span<const SettingSection> SettingSections();

// Finds a key by its exact name; null when there is none.
const SettingKey* FindSettingKey(const char* key);

// A number member's value as the kind reads it (unsigned kinds zero-extended).
std::int64_t GetSettingNumber(const AppSettingsRecord& s, const SettingKey& k);
// Stores a number truncated to the member's width (300 in a byte gives 44).
void SetSettingNumber(AppSettingsRecord& s, const SettingKey& k, std::int64_t value);
// The default of a number, text or rectangle member.
QString DefaultSettingText(const SettingKey& k, const QString& programFolder);
RECT DefaultSettingRect(const SettingKey& k, SIZE screen);
// Gives the member of k its default.
void ApplySettingDefault(
    AppSettingsRecord& s, const SettingKey& k, const QString& programFolder, SIZE screen);
// Every member of the record takes its default.
void ApplyAllSettingDefaults(AppSettingsRecord& s, const QString& programFolder, SIZE screen);
// The range check of k alone (CheckKind::None and Cross do nothing).
void ApplySettingCheck(AppSettingsRecord& s, const SettingKey& k);
