#include "platform/image/image_class.h"

#include "platform/image/image_codecs.h"
#include "platform/system/positioned_io.h"
#include "platform/system/safe_file_writer.h"

#include <QFile>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

enum class FileFormat { Unknown, Bmp, Jpeg, Png, Tiff, Gif };

FileFormat SniffFormat(const BYTE* d, std::size_t n)
{
    if (n >= 2 && d[0] == 'B' && d[1] == 'M')
        return FileFormat::Bmp;
    if (n >= 3 && d[0] == 0xFF && d[1] == 0xD8 && d[2] == 0xFF)
        return FileFormat::Jpeg;
    if (n >= 8 && std::memcmp(d, "\x89PNG\r\n\x1a\n", 8) == 0)
        return FileFormat::Png;
    if (n >= 4 && (std::memcmp(d, "II*\0", 4) == 0 || std::memcmp(d, "MM\0*", 4) == 0))
        return FileFormat::Tiff;
    if (n >= 6 && (std::memcmp(d, "GIF87a", 6) == 0 || std::memcmp(d, "GIF89a", 6) == 0))
        return FileFormat::Gif;
    return FileFormat::Unknown;
}

// The whole content of a regular file. A device or a named pipe in its place
// is refused: its read might never start (a pipe without a writer) or never
// end (/dev/zero).
bool ReadRegularFile(const QString& path, QByteArray* out)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st { };
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0 && st.st_size <= INT32_MAX;
    if (ok) {
        out->resize(static_cast<qsizetype>(st.st_size));
        // A file that ended early: what was read is decoded.
        const auto got =
            static_cast<qsizetype>(ReadUpToAt(fd, out->data(), static_cast<std::size_t>(out->size()), 0));
        out->truncate(got);
        ok = got > 0;
    }
    ::close(fd);
    return ok;
}

QString LowerExtension(const QString& path)
{
    const qsizetype dot = path.lastIndexOf(u'.');
    return dot < 0 ? QString() : path.mid(dot + 1).toLower();
}

QImage::Format NormalFormat(const QImage& image)
{
    switch (image.format()) {
    case QImage::Format_Indexed8:
    case QImage::Format_BGR888:
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
        return image.format();
    case QImage::Format_Mono:
    case QImage::Format_MonoLSB:
    case QImage::Format_Grayscale8:
        return QImage::Format_Indexed8;
    default:
        return image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32;
    }
}

}  // namespace

bool ImageSizeAllowed(long long width, long long height, ImageDecodeLimits limits)
{
    return width > 0 && height > 0 && width <= limits.maxWidth && height <= limits.maxHeight &&
        width <= CImage::kMaxSide && height <= CImage::kMaxSide && width * height <= (1LL << 28);
}

int CImage::Load(const QString& path, int maxWidth, int maxHeight)
{
    Destroy();
    QByteArray bytes;
    if (!ReadRegularFile(path, &bytes))
        return kFailed;
    return Load(reinterpret_cast<const BYTE*>(bytes.constData()), static_cast<std::size_t>(bytes.size()),
        maxWidth, maxHeight);
}

int CImage::Load(const BYTE* data, std::size_t size, int maxWidth, int maxHeight)
{
    Destroy();
    if (data == nullptr || size == 0)
        return kFailed;
    const ImageDecodeLimits limits{maxWidth, maxHeight};
    QImage image;
    ImageDecodeResult result = ImageDecodeResult::Failed;
    switch (SniffFormat(data, size)) {
    case FileFormat::Bmp:
        result = DecodeBmpImage(data, size, limits, &image);
        break;
    case FileFormat::Jpeg:
        result = DecodeJpegImage(data, size, limits, &image);
        break;
    case FileFormat::Png:
        result = DecodePngImage(data, size, limits, &image);
        break;
    case FileFormat::Tiff:
        result = DecodeTiffImage(data, size, limits, &image);
        break;
    case FileFormat::Gif:
        result = DecodeGifImage(data, size, limits, &image);
        break;
    case FileFormat::Unknown:
        break;
    }
    if (result == ImageDecodeResult::TooLarge)
        return kTooLarge;
    if (result != ImageDecodeResult::Ok || image.isNull())
        return kFailed;
    m_image = std::move(image);
    return kOk;
}

int CImage::Save(const QString& path) const
{
    if (m_image.isNull())
        return kFailed;
    const QString ext = LowerExtension(path);
    CSafeFileWriter out;
    if (ext != "bmp" && ext != "jpg" && ext != "jpeg" && ext != "png" && ext != "tif" && ext != "tiff" &&
        ext != "gif")
        return kFailed;
    std::FILE* stream = out.Open(path) ? out.Stream() : nullptr;
    if (stream == nullptr)
        return kFailed;
    bool ok = false;
    if (ext == "bmp")
        ok = EncodeBmpImage(m_image, stream);
    else if (ext == "jpg" || ext == "jpeg")
        ok = EncodeJpegImage(m_image, stream, 75);
    else if (ext == "png")
        ok = EncodePngImage(m_image, stream);
    else if (ext == "tif" || ext == "tiff")
        ok = EncodeTiffImage(m_image, stream);
    else
        ok = EncodeGifImage(m_image, stream);
    return ok && out.Commit() ? kOk : kFailed;
}

BOOL CImage::Create(int width, int height, int bpp, DWORD flags)
{
    Destroy();
    if (width <= 0 || height <= 0)
        return FALSE;
    QImage::Format format = QImage::Format_Invalid;
    switch (bpp) {
    case 8:
        format = QImage::Format_Indexed8;
        break;
    case 24:
        format = QImage::Format_BGR888;
        break;
    case 32:
        format = (flags & createAlphaChannel) ? QImage::Format_ARGB32 : QImage::Format_RGB32;
        break;
    default:
        return FALSE;
    }
    QImage image(width, height, format);
    if (image.isNull())
        return FALSE;
    if (bpp == 8)
        image.setColorTable(QList<QRgb>(256, qRgb(0, 0, 0)));
    image.fill(0);
    m_image = std::move(image);
    return TRUE;
}

int CImage::GetBPP() const
{
    switch (m_image.format()) {
    case QImage::Format_Indexed8:
        return 8;
    case QImage::Format_BGR888:
        return 24;
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
        return 32;
    default:
        return 0;
    }
}

void CImage::GetColorTable(UINT first, UINT count, RGBQUAD* out) const
{
    const QList<QRgb> table = m_image.colorTable();
    for (UINT i = 0; i < count; ++i) {
        const QRgb c = first + i < static_cast<UINT>(table.size()) ? table[first + i] : 0;
        out[i] =
            RGBQUAD{static_cast<BYTE>(qBlue(c)), static_cast<BYTE>(qGreen(c)), static_cast<BYTE>(qRed(c)), 0};
    }
}

void CImage::SetColorTable(UINT first, UINT count, const RGBQUAD* colors)
{
    if (m_image.format() != QImage::Format_Indexed8)
        return;
    QList<QRgb> table = m_image.colorTable();
    for (UINT i = 0; i < count && first + i < 256; ++i) {
        if (first + i >= static_cast<UINT>(table.size()))
            table.resize(first + i + 1, qRgb(0, 0, 0));
        table[first + i] = qRgb(colors[i].rgbRed, colors[i].rgbGreen, colors[i].rgbBlue);
    }
    m_image.setColorTable(table);
}

void CImage::SetPixel(int x, int y, COLORREF color)
{
    if (x < 0 || y < 0 || x >= m_image.width() || y >= m_image.height())
        return;
    BYTE* row = m_image.scanLine(y);
    switch (GetBPP()) {
    case 24:
        row[x * 3] = GetBValue(color);
        row[x * 3 + 1] = GetGValue(color);
        row[x * 3 + 2] = GetRValue(color);
        break;
    case 32:
        reinterpret_cast<QRgb*>(row)[x] = qRgb(GetRValue(color), GetGValue(color), GetBValue(color));
        break;
    default:
        break;  // a palette picture takes indices through its rows
    }
}

COLORREF CImage::GetPixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_image.width() || y >= m_image.height())
        return 0;
    const QRgb c = m_image.pixel(x, y);
    return RGB(static_cast<BYTE>(qRed(c)), static_cast<BYTE>(qGreen(c)), static_cast<BYTE>(qBlue(c)));
}

void CImage::SetImage(const QImage& image)
{
    if (image.isNull()) {
        Destroy();
        return;
    }
    const QImage::Format format = NormalFormat(image);
    QImage taken = image.format() == format ? image.copy() : image.convertToFormat(format);
    Destroy();
    m_image = std::move(taken);
}

void CImage::SetImage(QImage&& image)
{
    if (image.isNull() || image.format() != NormalFormat(image) || !image.isDetached()) {
        SetImage(static_cast<const QImage&>(image));
        return;
    }
    Destroy();
    m_image = std::move(image);
}
