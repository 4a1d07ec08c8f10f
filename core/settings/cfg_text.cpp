#include "core/settings/cfg_text.h"

#include "platform/system/cp932.h"

#include <cstring>
#include <limits>

namespace {

bool IsCSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

const char* SkipBlanks(const char* pos)
{
    while (IsBlank(*pos)) {
        ++pos;
    }
    return pos;
}

// Where word stands at the opening of a line (after any blanks), in the first
// such line at or after pos, itself the start of a line; null when none does.
// Text in the middle of a line is a value, never a header or a key.
const char* FindLineOpeningA(const char* pos, const char* word)
{
    const std::size_t length = std::strlen(word);
    for (const char* line = pos; line != nullptr; line = FindNextLineA(line)) {
        const char* opening = SkipBlanks(line);
        if (std::strncmp(opening, word, length) == 0) {
            return opening;
        }
    }
    return nullptr;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Sign and magnitude of the leading number, the magnitude saturated just above
// the 32-bit range (enough to tell every overflow apart).
struct LeadingNumber {
    bool negative = false;
    std::uint64_t magnitude = 0;
};

LeadingNumber ScanLeadingNumber(const char* text)
{
    constexpr std::uint64_t kCap = std::uint64_t{1} << 33;
    LeadingNumber n;
    while (IsCSpace(*text)) {
        ++text;
    }
    if (*text == '+' || *text == '-') {
        n.negative = *text == '-';
        ++text;
    }
    for (; IsDigit(*text); ++text) {
        n.magnitude = n.magnitude * 10 + static_cast<std::uint64_t>(*text - '0');
        if (n.magnitude > kCap) {
            n.magnitude = kCap;
        }
    }
    return n;
}

qsizetype EndLine(QByteArray& out, int crlf)
{
    if (crlf == 1) {
        out.append("\r\n");
    }
    return out.size();
}

}  // namespace

int ParseLeadingInt32(const char* text, bool* overflow)
{
    const LeadingNumber n = ScanLeadingNumber(text);
    const std::int64_t value =
        n.negative ? -static_cast<std::int64_t>(n.magnitude) : static_cast<std::int64_t>(n.magnitude);
    constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    const bool over = value < kMin || value > kMax;
    if (overflow != nullptr) {
        *overflow = over;
    }
    if (over) {
        return value < 0 ? static_cast<int>(kMin) : static_cast<int>(kMax);
    }
    return static_cast<int>(value);
}

std::uint32_t ParseLeadingUInt32(const char* text)
{
    const LeadingNumber n = ScanLeadingNumber(text);
    if (n.magnitude > std::numeric_limits<std::uint32_t>::max()) {
        return std::numeric_limits<std::uint32_t>::max();
    }
    const auto magnitude = static_cast<std::uint32_t>(n.magnitude);
    return n.negative ? static_cast<std::uint32_t>(0u - magnitude) : magnitude;
}

qsizetype AppendTextLineA(QByteArray& out, const char* text, int crlf)
{
    out.append(text);
    return EndLine(out, crlf);
}

qsizetype AppendCfgIntA(QByteArray& out, const char* key, int value, int crlf)
{
    out.append(key).append(" = ").append(QByteArray::number(value));
    return EndLine(out, crlf);
}

qsizetype AppendCfgUIntA(QByteArray& out, const char* key, unsigned value, int crlf)
{
    out.append(key).append(" = ").append(QByteArray::number(value));
    return EndLine(out, crlf);
}

qsizetype AppendCfgStringA(QByteArray& out, const char* key, const QString& text, int crlf)
{
    out.append(key).append(" = ");
    // A line break would end the value early, a zero byte the whole text.
    const bool breaksLine =
        text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n')) || text.contains(QChar(u'\0'));
    if (!breaksLine) {
        if (const std::optional<QByteArray> bytes = EncodeCp932(text)) {
            out.append(*bytes);
        }
    }
    return EndLine(out, crlf);
}

qsizetype AppendCrLfA(QByteArray& out)
{
    out.append("\r\n");
    return out.size();
}

QString FormatRectW(const RECT& rect)
{
    return QStringLiteral("%1,%2,%3,%4").arg(rect.left).arg(rect.top).arg(rect.right).arg(rect.bottom);
}

int ParseRectW(const QString& text, RECT& rect)
{
    LONG RECT::*const fields[4] = {&RECT::left, &RECT::top, &RECT::right, &RECT::bottom};
    const QByteArray bytes = text.toUtf8();
    const char* pos = bytes.constData();
    for (int i = 0; i < 4; ++i) {
        if (i > 0) {
            pos = std::strchr(pos, ',');
            if (pos == nullptr) {
                return 0;
            }
            ++pos;
        }
        rect.*fields[i] = ParseLeadingInt32(pos);
    }
    return 1;
}

const char* FindCfgSectionA(const char* start, const char* header)
{
    const char* found = FindLineOpeningA(start, header);
    return found == nullptr ? nullptr : FindNextLineA(found);
}

const char* FindNextLineA(const char* pos)
{
    const char* end = std::strpbrk(pos, "\r\n");
    if (end == nullptr) {
        return nullptr;
    }
    return end[0] == '\r' && end[1] == '\n' ? end + 2 : end + 1;
}

const char* FindCfgValueA(const char* pos, const char* key)
{
    const std::size_t length = std::strlen(key);
    for (const char* line = pos; line != nullptr; line = FindNextLineA(line)) {
        const char* found = FindLineOpeningA(line, key);
        if (found == nullptr) {
            return nullptr;
        }
        // Only "key =" names this key: a longer key that starts with the same
        // letters names another one.
        const char* equals = SkipBlanks(found + length);
        if (*equals == '=') {
            const char* value = equals + 1;
            while (*value == ' ') {
                ++value;
            }
            return value;
        }
        line = found;
    }
    return nullptr;
}

int GetCfgIntA(const char* pos, const char* key, int defaultValue)
{
    const char* value = FindCfgValueA(pos, key);
    if (value == nullptr) {
        return defaultValue;
    }
    bool overflow = false;
    const int parsed = ParseLeadingInt32(value, &overflow);
    return overflow ? static_cast<int>(ParseLeadingUInt32(value)) : parsed;
}

int GetCfgStringA(const char* pos, const char* key, QString& out, int capacity)
{
    out.clear();
    const char* value = FindCfgValueA(pos, key);
    if (value == nullptr) {
        return 0;
    }
    const qsizetype length = static_cast<qsizetype>(std::strcspn(value, "\r\n"));
    const std::optional<QString> text = DecodeCp932(QByteArray(value, length));
    if (text && text->size() < capacity) {
        out = *text;
    }
    return 1;
}
