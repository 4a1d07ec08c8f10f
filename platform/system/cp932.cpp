#include "platform/system/cp932.h"

#include <cerrno>
#include <iconv.h>
#include <vector>

namespace {

// One conversion descriptor per direction and thread: iconv_t is not
// shareable between threads, and opening one per call costs more than the
// conversion of a short text.
class IconvHandle {
public:
    IconvHandle(const char* to, const char* from) : m_cd(iconv_open(to, from)) { }
    ~IconvHandle()
    {
        if (IsOpen())
            iconv_close(m_cd);
    }
    IconvHandle(const IconvHandle&) = delete;
    IconvHandle& operator=(const IconvHandle&) = delete;

    bool IsOpen() const { return m_cd != reinterpret_cast<iconv_t>(-1); }

    // Converts the whole input; false on any invalid or incomplete sequence.
    bool Convert(const char* input, size_t inputSize, std::vector<char>& output)
    {
        if (!IsOpen())
            return false;
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);  // reset the shift state
        output.assign(inputSize * 2 + 16, '\0');
        char* in = const_cast<char*>(input);
        size_t inLeft = inputSize;
        size_t used = 0;
        while (true) {
            char* out = output.data() + used;
            size_t outLeft = output.size() - used;
            const size_t rc = iconv(m_cd, &in, &inLeft, &out, &outLeft);
            used = output.size() - outLeft;
            if (rc != static_cast<size_t>(-1))
                break;
            if (errno != E2BIG)
                return false;
            output.resize(output.size() * 2);
        }
        output.resize(used);
        return true;
    }

private:
    iconv_t m_cd;
};

bool RawEncode(const QString& text, std::vector<char>& out)
{
    thread_local IconvHandle toCp932("CP932", "UTF-16LE");
    return toCp932.Convert(
        reinterpret_cast<const char*>(text.utf16()), static_cast<size_t>(text.size()) * 2, out);
}

bool RawDecode(const QByteArray& bytes, std::vector<char>& out)
{
    thread_local IconvHandle fromCp932("UTF-16LE", "CP932");
    return fromCp932.Convert(bytes.constData(), static_cast<size_t>(bytes.size()), out);
}

QString Utf16FromBytes(const std::vector<char>& utf16le)
{
    QString text(static_cast<qsizetype>(utf16le.size() / 2), Qt::Uninitialized);
    for (size_t i = 0; i < utf16le.size() / 2; ++i) {
        const auto lo = static_cast<unsigned char>(utf16le[2 * i]);
        const auto hi = static_cast<unsigned char>(utf16le[2 * i + 1]);
        text[static_cast<qsizetype>(i)] = QChar(static_cast<char16_t>(lo | (hi << 8)));
    }
    return text;
}

}  // namespace

std::optional<QByteArray> EncodeCp932(const QString& text)
{
    std::vector<char> encoded;
    if (!RawEncode(text, encoded))
        return std::nullopt;
    QByteArray bytes(encoded.data(), static_cast<qsizetype>(encoded.size()));
    std::vector<char> decoded;
    if (!RawDecode(bytes, decoded) || Utf16FromBytes(decoded) != text)
        return std::nullopt;
    return bytes;
}

std::optional<QString> DecodeCp932(const QByteArray& bytes)
{
    std::vector<char> decoded;
    if (!RawDecode(bytes, decoded))
        return std::nullopt;
    QString text = Utf16FromBytes(decoded);
    std::vector<char> encoded;
    if (!RawEncode(text, encoded) ||
        QByteArray(encoded.data(), static_cast<qsizetype>(encoded.size())) != bytes)
        return std::nullopt;
    return text;
}
