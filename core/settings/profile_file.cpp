#include "core/settings/profile_file.h"

#include "core/raw_file.h"
#include "core/settings/cfg_text.h"
#include "platform/system/cp932.h"

namespace {

// A legacy file larger than this is no settings file.
constexpr std::uint64_t kMaxProfileBytes = 16 * 1024 * 1024;

QString Trim(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    auto blank = [](QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); };
    while (begin < end && blank(text[begin])) {
        ++begin;
    }
    while (end > begin && blank(text[end - 1])) {
        --end;
    }
    return text.mid(begin, end - begin).toString();
}

QString Unquote(const QString& value)
{
    if (value.size() >= 2) {
        const QChar first = value.front();
        if ((first == QLatin1Char('"') || first == QLatin1Char('\'')) && value.back() == first) {
            return value.mid(1, value.size() - 2);
        }
    }
    return value;
}

bool SameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

}  // namespace

bool ProfileFile::Load(const QString& path)
{
    m_sections.clear();
    const std::optional<QByteArray> bytes = ReadFileBytes(path, kMaxProfileBytes);
    if (!bytes) {
        return false;
    }
    Parse(*bytes);
    return true;
}

void ProfileFile::Parse(const QByteArray& bytes)
{
    m_sections.clear();
    Section* current = nullptr;
    for (QByteArray rawLine : bytes.split('\n')) {
        if (rawLine.endsWith('\r')) {
            rawLine.chop(1);
        }
        const std::optional<QString> decoded = DecodeCp932(rawLine);
        if (!decoded) {
            continue;
        }
        const QString line = Trim(*decoded);
        if (line.isEmpty() || line.front() == QLatin1Char(';')) {
            continue;
        }
        if (line.front() == QLatin1Char('[')) {
            const qsizetype close = line.indexOf(QLatin1Char(']'));
            const QString name = Trim(QStringView(line).mid(1, close < 0 ? -1 : close - 1));
            m_sections.append(Section{name, {}});
            current = &m_sections.last();
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (current == nullptr || equals < 0) {
            continue;
        }
        current->entries.append(
            Entry{Trim(QStringView(line).left(equals)), Unquote(Trim(QStringView(line).mid(equals + 1)))});
    }
}

const QString* ProfileFile::FindValue(const QString& section, const QString& key) const
{
    for (const Section& s : m_sections) {
        if (!SameName(s.name, section)) {
            continue;
        }
        for (const Entry& e : s.entries) {
            if (SameName(e.key, key)) {
                return &e.value;
            }
        }
        return nullptr;  // only the first section of a name counts
    }
    return nullptr;
}

int ProfileFile::GetInt(const QString& section, const QString& key, int defaultValue) const
{
    const QString* value = FindValue(section, key);
    if (value == nullptr || value->isEmpty()) {
        return defaultValue;
    }
    return ParseLeadingInt32(value->toUtf8().constData());
}

QString ProfileFile::GetString(
    const QString& section, const QString& key, const QString& defaultValue, int capacity) const
{
    const QString* value = FindValue(section, key);
    const QString& text = value != nullptr ? *value : defaultValue;
    return text.size() < capacity ? text : QString();
}
