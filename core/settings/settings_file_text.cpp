// The settings file's text: writing every member in the table's order, and
// reading it back with the file's search rules.
#include "core/settings/cfg_text.h"
#include "core/settings/settings_keys.h"
#include "core/settings/settings_store.h"

namespace {

// Rectangles are read through a buffer of this many characters; a longer text
// reads as empty and the rectangle keeps its default.
constexpr int kRectTextCapacity = 25;

void AppendKey(QByteArray& out, const AppSettingsRecord& s, const SettingKey& k)
{
    switch (k.kind) {
    case SettingKind::Int:
    case SettingKind::Word:
    case SettingKind::Byte:
        AppendCfgIntA(out, k.key, static_cast<int>(GetSettingNumber(s, k)), 1);
        break;
    case SettingKind::UInt:
    case SettingKind::Colour:
        AppendCfgUIntA(out, k.key, static_cast<unsigned>(GetSettingNumber(s, k)), 1);
        break;
    case SettingKind::Text:
        AppendCfgStringA(out, k.key, s.*std::get<QString AppSettingsRecord::*>(k.member), 1);
        break;
    case SettingKind::Rect:
        AppendCfgStringA(out, k.key, FormatRectW(s.*std::get<RECT AppSettingsRecord::*>(k.member)), 1);
        break;
    }
}

void ReadKey(AppSettingsRecord& s, const SettingKey& k, const char* sectionStart)
{
    switch (k.kind) {
    case SettingKind::Text:
        GetCfgStringA(sectionStart, k.key, s.*std::get<QString AppSettingsRecord::*>(k.member), k.capacity);
        break;
    case SettingKind::Rect: {
        QString text;
        GetCfgStringA(sectionStart, k.key, text, kRectTextCapacity);
        RECT rect;
        if (ParseRectW(text, rect) == 1) {
            s.*std::get<RECT AppSettingsRecord::*>(k.member) = rect;
        }
        break;
    }
    default: {
        const int current = static_cast<int>(GetSettingNumber(s, k));
        SetSettingNumber(s, k, GetCfgIntA(sectionStart, k.key, current));
        break;
    }
    }
}

// The text with every line that holds a zero byte left empty: the readers
// stop at a zero byte, and a damaged line should cost only its own value.
QByteArray WithoutLinesHoldingZero(const QByteArray& text)
{
    if (!text.contains('\0')) {
        return text;
    }
    QByteArray out;
    out.reserve(text.size());
    qsizetype line = 0;
    while (line < text.size()) {
        qsizetype end = line;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n') {
            ++end;
        }
        if (QByteArrayView(text).sliced(line, end - line).indexOf('\0') < 0) {
            out.append(text.constData() + line, end - line);
        }
        if (end < text.size()) {
            out.append(text[end]);  // the line end stays
        }
        line = end + 1;
    }
    return out;
}

}  // namespace

QByteArray SettingsStore::FormatSettingsText() const
{
    QByteArray out;
    const auto sections = SettingSections();
    for (std::size_t i = 0; i < sections.size(); ++i) {
        AppendTextLineA(out, (QByteArray("[") + sections[i].name + "]").constData(), 1);
        for (const SettingKey& k : sections[i].keys) {
            AppendKey(out, m_settings, k);
        }
        if (i + 1 < sections.size()) {
            AppendCrLfA(out);
        }
    }
    return out;
}

void SettingsStore::ParseSettingsText(const QByteArray& text)
{
    AppSettingsRecord& s = m_settings;
    const QByteArray readable = WithoutLinesHoldingZero(text);
    // Each section is searched in the whole text: a section that is missing
    // or moved costs no other section its values.
    const char* start = readable.isNull() ? nullptr : readable.constData();
    for (const SettingSection& section : SettingSections()) {
        for (const SettingKey& k : section.keys) {
            ApplySettingDefault(s, k, m_programFolder, m_screen);
        }
        const char* position = FindCfgSectionA(start, (QByteArray("[") + section.name + "]").constData());
        if (position == nullptr) {
            continue;
        }
        for (const SettingKey& k : section.keys) {
            if ((k.flags & kNotReadFromCfg) == 0) {
                ReadKey(s, k, position);
            }
        }
    }
    FinishSettingsRead(s);
}

void FinishSettingsRead(AppSettingsRecord& s)
{
    if (s.MakeFilenameFrontStr.isEmpty() || s.MakeFilenameFrontStr.size() > 30) {
        s.MakeFilenameFrontStr = QStringLiteral("Kestrel-");
    }
    if (s.Step5_AddChara.size() > 24) {
        s.Step5_AddChara = QStringLiteral("small-");
    }
    if (s.Step7_cc_Filename.size() > 30) {
        s.Step7_cc_Filename = QStringLiteral("capture");
    }
    s.MaskExt = 0;
    g_nRangeSelectMethod = 2;
    g_nZoomStepBase = 1000;
}
