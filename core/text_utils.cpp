#include "core/text_utils.h"

#include "core/version.h"
#include "platform/system/cp932.h"
#include "platform/system/kernel.h"

#include <cstring>
#include <new>

void AppendChar(QString& buffer, int capacity, char c)
{
    if (buffer.size() + 1 >= capacity)
        return;
    buffer.append(QChar(static_cast<char16_t>(static_cast<signed char>(c))));
}

void AppendTimestamp(QString& buffer, int capacity, const SYSTEMTIME& t)
{
    const QString stamp = QString::asprintf(
        "%4d%02d%02d-%02d%02d%02d", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond);
    if (buffer.size() + stamp.size() < capacity)
        buffer += stamp;
}

void AppendTimestamp(QString& buffer, int capacity)
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    AppendTimestamp(buffer, capacity, now);
}

void PadStringLeft(QString& text, QChar fill, int width)
{
    if (text.size() < width)
        text.prepend(QString(width - text.size(), fill));
}

QString FormatByteSize(ULONGLONG n)
{
    // The fractions are single precision on purpose: 1065 bytes read 1.07 KB.
    const auto ratio = [n](float unit) { return static_cast<double>(static_cast<float>(n) / unit); };
    if (n < 1000ull)
        return QString::asprintf("%d Byte", static_cast<int>(n));
    if (n < 10000ull)
        return QString::asprintf("%1.2f KB", ratio(1000.0f));
    if (n < 100000ull)
        return QString::asprintf("%2.1f KB", ratio(1000.0f));
    if (n < 1000000ull)
        return QString::asprintf("%d KB", static_cast<int>(n / 1000ull));
    if (n < 10000000ull)
        return QString::asprintf("%1.2f MB", ratio(1000000.0f));
    if (n < 100000000ull)
        return QString::asprintf("%2.1f MB", ratio(1000000.0f));
    if (n < 1000000000ull)
        return QString::asprintf("%d MB", static_cast<int>(n / 1000000ull));
    return QString::asprintf("%1.2f GB", ratio(1000000000.0f));
}

QString FormatAppTitle()
{
    return QString::asprintf("%s Ver.%d.%02d", "Kestrel", kVersionMajor, kVersionMinor);
}

int WideToMultiByteAlloc(char** out, const QString& text, int length)
{
    *out = nullptr;
    if (length < 0)
        return 0;
    // Two bytes per character: Japanese characters take two in code page 932.
    const size_t capacity = static_cast<size_t>(length) * 2 + 1;
    char* block = new (std::nothrow) char[capacity];
    if (!block)
        return 0;
    const std::optional<QByteArray> bytes = EncodeCp932(text.left(length));
    if (!bytes || static_cast<size_t>(bytes->size()) >= capacity) {
        delete[] block;
        return 0;
    }
    std::memcpy(block, bytes->constData(), static_cast<size_t>(bytes->size()));
    block[bytes->size()] = '\0';
    *out = block;
    return static_cast<int>(bytes->size()) + 1;
}

int GetNextToken(QString& token, const QString& text, int pos, QChar separator, int capacity, bool stopAtCr)
{
    token.clear();
    if (pos < 0 || pos >= text.size())
        return -1;
    const QChar cr(u'\r');
    int end = pos;
    while (end < text.size() && text[end] != separator && !(stopAtCr && text[end] == cr))
        ++end;
    if (end - pos > capacity - 1)
        return -1;
    token = text.mid(pos, end - pos);
    if (end >= text.size())
        return end;
    // Skip the separators that follow (and after a CR the LFs), so that the
    // next call starts at the next token and a loop always moves on.
    const QChar stop = text[end];
    while (end < text.size() && text[end] == stop)
        ++end;
    if (stop == cr)
        while (end < text.size() && text[end] == u'\n')
            ++end;
    return end;
}

char16_t** AllocStringArray(int count, int length)
{
    if (count <= 0 || length < 0)
        return nullptr;
    char16_t** array = new (std::nothrow) char16_t*[static_cast<size_t>(count)]();
    if (!array)
        return nullptr;
    for (int i = 0; i < count; ++i) {
        array[i] = new (std::nothrow) char16_t[static_cast<size_t>(length) + 1]();
        if (!array[i]) {
            FreeStringArray(array, i);
            return nullptr;
        }
    }
    return array;
}

void FreeStringArray(char16_t** array, int count)
{
    if (!array)
        return;
    for (int i = 0; i < count; ++i)
        delete[] array[i];
    delete[] array;
}

int CountDigits(int value)
{
    const long long v = value;
    return CountDigitsUnsigned(static_cast<UINT>(v < 0 ? -v : v)) + (v < 0 ? 1 : 0);
}

int CountDigitsUnsigned(UINT value)
{
    int digits = 1;
    while (value >= 10) {
        value /= 10;
        ++digits;
    }
    return digits;
}
