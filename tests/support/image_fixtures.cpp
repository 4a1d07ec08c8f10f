#include "tests/support/image_fixtures.h"

#include "core/settings/app_settings.h"
#include "imaging/dib_helpers.h"

#include <QFile>
#include <cstring>

ImageSettingsScope::ImageSettingsScope(int maxWidth, int maxHeight)
    : m_maxWidth(AppSettings.MaxSaveSizeWidth), m_maxHeight(AppSettings.MaxSaveSizeHeight),
      m_forceDpi(AppSettings.ForceSave_dpi), m_showDlg(AppSettings.ShowQualityDlg),
      m_dpi(AppSettings.BMP_dpi), m_quality(AppSettings.JpegQuality)
{
    AppSettings.MaxSaveSizeWidth = maxWidth;
    AppSettings.MaxSaveSizeHeight = maxHeight;
    AppSettings.ForceSave_dpi = 0;
    AppSettings.ShowQualityDlg = 0;
    AppSettings.BMP_dpi = 96;
    AppSettings.JpegQuality = 90;
}

ImageSettingsScope::~ImageSettingsScope()
{
    AppSettings.MaxSaveSizeWidth = m_maxWidth;
    AppSettings.MaxSaveSizeHeight = m_maxHeight;
    AppSettings.ForceSave_dpi = m_forceDpi;
    AppSettings.ShowQualityDlg = m_showDlg;
    AppSettings.BMP_dpi = m_dpi;
    AppSettings.JpegQuality = static_cast<BYTE>(m_quality);
}

namespace {

void PutLe(QByteArray& out, std::uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

BYTE BmpPatternByte(int x, int fileRow, int channel)
{
    return static_cast<BYTE>(x * 37 + fileRow * 11 + channel * 71 + 5);
}

QByteArray MakeBmpFile(const BmpFileRecipe& s)
{
    const int absHeight = s.height < 0 ? -s.height : s.height;
    const int stride = static_cast<int>(GetDibStride(s.bpp, s.width));
    const int entries = s.tableEntries >= 0 ? s.tableEntries : (s.bpp < 24 ? (1 << s.bpp) : 0);
    const DWORD headerBytes = s.headerSize < 40 ? 40 : s.headerSize;
    const long long offBits = 14 + headerBytes + 4LL * entries + s.offBitsDelta;
    const long long pixelBytes = static_cast<long long>(stride) * absHeight;

    QByteArray out;
    PutLe(out, s.type, 2);
    PutLe(out, static_cast<std::uint64_t>(14 + headerBytes + 4LL * entries + pixelBytes), 4);
    PutLe(out, 0, 4);
    PutLe(out, s.statedOffBits != 0 ? s.statedOffBits : static_cast<std::uint64_t>(offBits), 4);
    PutLe(out, s.headerSize, 4);
    PutLe(out, static_cast<std::uint32_t>(s.width), 4);
    PutLe(out, static_cast<std::uint32_t>(s.height), 4);
    PutLe(out, s.planes, 2);
    PutLe(out, static_cast<std::uint64_t>(s.bpp), 2);
    PutLe(out, s.compression, 4);
    PutLe(out, static_cast<std::uint64_t>(pixelBytes), 4);
    PutLe(out, 2835, 4);
    PutLe(out, 2835, 4);
    PutLe(out, static_cast<std::uint64_t>(entries), 4);
    PutLe(out, 0, 4);
    out.append(QByteArray(static_cast<int>(headerBytes - 40), '\0'));
    for (int i = 0; i < entries; ++i) {
        out.append(static_cast<char>(i));              // blue
        out.append(static_cast<char>(255 - i));        // green
        out.append(static_cast<char>((i * 7) & 255));  // red
        out.append('\0');
    }
    while (out.size() < offBits)
        out.append('\0');
    if (out.size() > offBits)
        out.truncate(static_cast<int>(offBits));
    for (int row = 0; row < absHeight; ++row) {
        QByteArray line(stride, '\0');
        // Below 8 bits each byte of the row carries the pattern as it is.
        const int packedBytes = s.bpp < 8 ? (s.width * s.bpp + 7) / 8 : 0;
        for (int i = 0; i < packedBytes && i < stride; ++i)
            line[i] = static_cast<char>(BmpPatternByte(i, row, 0));
        const int channels = s.bpp / 8;
        for (int x = 0; x < s.width && channels > 0 && (x + 1) * channels <= stride; ++x)
            for (int c = 0; c < channels; ++c)
                line[x * channels + c] = static_cast<char>(BmpPatternByte(x, row, c));
        out.append(line);
    }
    if (s.cutBytes > 0)
        out.chop(static_cast<int>(s.cutBytes));
    return out;
}

bool WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

COLORREF PatternColor(int x, int y, int w, int h, int bpp)
{
    (void)w;
    (void)h;
    if (bpp == 8) {
        const BYTE v = static_cast<BYTE>((x + 3 * y) % 256);
        return RGB(v, v, v);
    }
    return RGB(static_cast<BYTE>(x * 13 + y * 3), static_cast<BYTE>(x * 5 + y * 17 + 40),
        static_cast<BYTE>(200 - x * 7 + y));
}

bool FillPatternHolder(CLoadBitmap* holder, int w, int h, int bpp)
{
    holder->Free();
    std::memset(holder->infoHeaderArea, 0, sizeof holder->infoHeaderArea);
    if (!InitDibHeaders(&holder->fileHeader, &holder->infoHeader, w, h, bpp, 0, 0, 0))
        return false;
    if (!holder->AllocInfo() || !holder->AllocBits())
        return false;
    CopyInfoHeader(&holder->info->bmiHeader, &holder->infoHeader);
    const std::uint32_t stride = GetDibStride(bpp, w);
    if (bpp == 8) {
        for (int i = 0; i < 256; ++i)
            holder->info->bmiColors[i] =
                RGBQUAD{static_cast<BYTE>(i), static_cast<BYTE>(i), static_cast<BYTE>(i), 0};
    }
    for (int y = 0; y < h; ++y) {
        BYTE* row = holder->bits + static_cast<std::size_t>(h - 1 - y) * stride;
        for (int x = 0; x < w; ++x) {
            const COLORREF c = PatternColor(x, y, w, h, bpp);
            if (bpp == 8) {
                row[x] = GetRValue(c);
            } else {
                BYTE* p = row + x * (bpp / 8);
                p[0] = GetBValue(c);
                p[1] = GetGValue(c);
                p[2] = GetRValue(c);
                if (bpp == 32)
                    p[3] = 0x7F;
            }
        }
    }
    return true;
}

DibSaveSource SourceOf(const CLoadBitmap& holder)
{
    DibSaveSource source;
    source.info = holder.info;
    source.fileHeader = &holder.fileHeader;
    source.infoHeader = &holder.infoHeader;
    source.bits = holder.bits;
    return source;
}

QImage PatternImage(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb((x * 5) & 0xFF, (y * 7) & 0xFF, (x + y) * 3 & 0xFF));
    return image;
}
