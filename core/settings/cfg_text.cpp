#include "core/settings/cfg_text.h"

#include "platform/system/cp932.h"

#include <cstring>
#include <limits>

namespace {

bool IsCSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
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
    if (start == nullptr) {
        return nullptr;
    }
    const char* found = std::strstr(start, header);
    return found == nullptr ? nullptr : FindNextLineA(found);
}

const char* FindNextLineA(const char* pos)
{
    const char* cr = std::strchr(pos, '\r');
    if (cr == nullptr) {
        return nullptr;
    }
    return cr[1] == '\n' ? cr + 2 : cr + 1;
}

const char* FindCfgValueA(const char* pos, const char* key)
{
    if (pos == nullptr) {
        return nullptr;
    }
    const char* found = std::strstr(pos, key);
    if (found == nullptr) {
        return nullptr;
    }
    const char* equals = std::strchr(found + std::strlen(key), '=');
    if (equals == nullptr) {
        return nullptr;
    }
    const char* value = equals + 1;
    while (*value == ' ') {
        ++value;
    }
    return value;
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
    const char* cr = std::strchr(value, '\r');
    const qsizetype length = cr != nullptr ? cr - value : static_cast<qsizetype>(std::strlen(value));
    const std::optional<QString> text = DecodeCp932(QByteArray(value, length));
    if (text && text->size() < capacity) {
        out = *text;
    }
    return 1;
}
