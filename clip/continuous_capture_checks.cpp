// The checks made before and during a run: the files' names, whether they
// may be written, and the free space of the folder's file system.
#include "clip/continuous_capture_session.h"

#include "core/file_types.h"
#include "core/system_figures.h"

#include <QFileInfo>

namespace {

QString ExtensionOf(int format)
{
    switch (format) {
    case kCcFormatJpeg:
        return QStringLiteral("jpg");
    case kCcFormatPng:
        return QStringLiteral("png");
    default:
        return QStringLiteral("bmp");
    }
}

ULONGLONG RoundUpToThousand(ULONGLONG bytes)
{
    return (bytes + 999) / 1000 * 1000;
}

}  // namespace

QString CContinuousCaptureSession::MakeSaveFileName(int i, int n) const
{
    return ContinuousCaptureFileName(settings, i, n);
}

QString ContinuousCaptureFileName(const ContinuousCaptureSettings& settings, int i, int n)
{
    const int digits = static_cast<int>(QString::number(n).size());
    const QString number = QString::number(i).rightJustified(digits, u'0');
    const QString extension = ExtensionOf(settings.saveFormat);
    if (settings.numberFirst == 1)
        return QStringLiteral("%1-%2.%3").arg(number, settings.fileName, extension);
    return QStringLiteral("%1-%2.%3").arg(settings.fileName, number, extension);
}

QString CContinuousCaptureSession::MakeSaveFilePath(int i, int n) const
{
    const QString& folder = settings.folder;
    const QString separator = folder.isEmpty() || folder.endsWith(u'/') ? QString() : QStringLiteral("/");
    return folder + separator + MakeSaveFileName(i, n);
}

int CContinuousCaptureSession::CanWriteFile(const QString& path) const
{
    return settings.overwrite == 1 || !QFileInfo::exists(path) ? 1 : 0;
}

int CContinuousCaptureSession::AnyTargetFileExists() const
{
    const int n = settings.count;
    return QFileInfo::exists(MakeSaveFilePath(1, n)) || QFileInfo::exists(MakeSaveFilePath(n, n)) ? 1 : 0;
}

int CContinuousCaptureSession::EstimateDiskSpace(const QString& folder, int width, int height, int bpp)
{
    // 64 bits throughout: 10000 frames of a large screen need far more than 4 GB.
    const ULONGLONG raw =
        RoundUpToThousand(static_cast<ULONGLONG>(width) * static_cast<ULONGLONG>(bpp) / 8 * height + 54);
    const int type = settings.saveFormat == kCcFormatJpeg ? kImageTypeJpeg
        : settings.saveFormat == kCcFormatPng             ? kImageTypePng
                                                          : kImageTypeBmp;
    const ULONGLONG perFile = EstimateSaveSize(type, raw, settings.quality);
    const ULONGLONG free = m_system.diskFreeMB ? m_system.diskFreeMB(folder) : 0;
    if (free < 2)
        return kCcDiskNone;
    const ULONGLONG count = static_cast<ULONGLONG>(std::max(settings.count, 0));
    const ULONGLONG need = count * perFile / 1000000;
    if (need >= free) {
        m_firstDiskCheck = 1;
        return kCcDiskMaybeShort;
    }
    const double freeD = static_cast<double>(free);
    const double needD = static_cast<double>(need);
    int first = 1;
    if (settings.saveFormat == kCcFormatBmp) {
        if (freeD > needD * 1.1)
            first = settings.count > 9 ? settings.count / 2 : kCcNeverCheckDisk;
    } else if (freeD > needD * 1.5) {
        first = settings.count < 10 ? settings.count / 2 : settings.count / 4;
    } else {
        first = settings.count < 10 ? 1 : static_cast<int>(freeD / needD / 3 * settings.count);
    }
    m_firstDiskCheck = first == 0 ? 1 : first;
    return kCcDiskEnough;
}

bool CContinuousCaptureSession::CheckDiskAt(int i, const QString& lastPath)
{
    const ULONGLONG size = static_cast<ULONGLONG>(QFileInfo(lastPath).size()) / 1000000;
    if (size == 0)
        return true;
    const ULONGLONG free = m_system.diskFreeMB ? m_system.diskFreeMB(settings.folder) : 0;
    if (free == 0 || free < 2 * size)
        return false;
    const ULONGLONG left = static_cast<ULONGLONG>(std::max(settings.count - i, 0));
    const ULONGLONG e = left * size;
    if (e == 0)
        m_nextDiskCheck = kCcNeverCheckDisk;
    else
        m_nextDiskCheck += static_cast<int>(std::min<ULONGLONG>(free / (2 * e), kCcNeverCheckDisk));
    return true;
}
