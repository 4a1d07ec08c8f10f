// Access to the members through the settings table: numbers by kind and
// width, the defaults and the range check of a key alone.
#include "core/settings/settings_keys.h"

#include <algorithm>

namespace {

template <class... F> struct Overloaded : F... {
    using F::operator()...;
};
template <class... F> Overloaded(F...) -> Overloaded<F...>;

}  // namespace

std::int64_t GetSettingNumber(const AppSettingsRecord& s, const SettingKey& k)
{
    return std::visit(Overloaded{
                          [&](int AppSettingsRecord::*m) -> std::int64_t { return s.*m; },
                          [&](UINT AppSettingsRecord::*m) -> std::int64_t { return s.*m; },
                          [&](WORD AppSettingsRecord::*m) -> std::int64_t { return s.*m; },
                          [&](BYTE AppSettingsRecord::*m) -> std::int64_t { return s.*m; },
                          [](QString AppSettingsRecord::*) -> std::int64_t { return 0; },
                          [](RECT AppSettingsRecord::*) -> std::int64_t { return 0; },
                      },
        k.member);
}

void SetSettingNumber(AppSettingsRecord& s, const SettingKey& k, std::int64_t value)
{
    // Conversions to the unsigned widths keep the low bits; to int the low 32.
    const auto bits = static_cast<std::uint64_t>(value);
    std::visit(
        Overloaded{
            [&](int AppSettingsRecord::*m) { s.*m = static_cast<int>(static_cast<std::uint32_t>(bits)); },
            [&](UINT AppSettingsRecord::*m) { s.*m = static_cast<UINT>(bits); },
            [&](WORD AppSettingsRecord::*m) { s.*m = static_cast<WORD>(bits); },
            [&](BYTE AppSettingsRecord::*m) { s.*m = static_cast<BYTE>(bits); },
            [](QString AppSettingsRecord::*) {},
            [](RECT AppSettingsRecord::*) {},
        },
        k.member);
}

QString DefaultSettingText(const SettingKey& k, const QString& programFolder)
{
    return k.from == DefaultFrom::ProgramFolder ? programFolder : QString::fromLatin1(k.text);
}

RECT DefaultSettingRect(const SettingKey& k, SIZE screen)
{
    if (k.from == DefaultFrom::ScreenRect) {
        return RECT{0, 0, screen.cx - 1, screen.cy - 1};
    }
    return k.rect;
}

void ApplySettingDefault(AppSettingsRecord& s, const SettingKey& k, const QString& programFolder, SIZE screen)
{
    switch (k.kind) {
    case SettingKind::Text:
        s.*std::get<QString AppSettingsRecord::*>(k.member) = DefaultSettingText(k, programFolder);
        break;
    case SettingKind::Rect:
        s.*std::get<RECT AppSettingsRecord::*>(k.member) = DefaultSettingRect(k, screen);
        break;
    default:
        SetSettingNumber(s, k, k.number);
        break;
    }
}

void ApplyAllSettingDefaults(AppSettingsRecord& s, const QString& programFolder, SIZE screen)
{
    for (const SettingSection& section : SettingSections()) {
        for (const SettingKey& k : section.keys) {
            ApplySettingDefault(s, k, programFolder, screen);
        }
    }
}

void ApplySettingCheck(AppSettingsRecord& s, const SettingKey& k)
{
    const CheckRule& rule = k.check;
    std::int64_t value = GetSettingNumber(s, k);
    if (rule.asUnsigned) {
        value = static_cast<std::uint32_t>(value);
    }
    switch (rule.kind) {
    case CheckKind::Bounds: {
        const std::int64_t lo = rule.loMember != nullptr ? s.*rule.loMember : rule.lo;
        const std::int64_t hi = rule.hiMember != nullptr ? s.*rule.hiMember : rule.hi;
        if (value < lo) {
            SetSettingNumber(s, k, rule.belowValue);
        } else if (value > hi || value == rule.excluded) {
            SetSettingNumber(s, k, rule.aboveValue);
        }
        break;
    }
    case CheckKind::OneOf: {
        const auto end = rule.set.begin() + rule.setSize;
        if (std::find(rule.set.begin(), end, value) == end) {
            SetSettingNumber(s, k, rule.otherwise);
        }
        break;
    }
    case CheckKind::None:
    case CheckKind::Cross:
        break;
    }
}
