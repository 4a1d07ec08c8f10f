#include "platform/system/kernel.h"

#include "platform/system/file_operations.h"

#include <QFile>
#include <QFileInfo>
#include <chrono>
#include <sys/statvfs.h>
#include <thread>
#include <time.h>

namespace {

// The value in kB of one "Name:   123 kB" line; -1 when the name is absent.
qint64 MemInfoKb(const QByteArray& meminfo, const QByteArray& name)
{
    qsizetype pos = 0;
    const QByteArray key = name + ':';
    while (pos < meminfo.size()) {
        qsizetype end = meminfo.indexOf('\n', pos);
        if (end < 0)
            end = meminfo.size();
        const QByteArray line = meminfo.mid(pos, end - pos);
        if (line.startsWith(key)) {
            bool ok = false;
            const qint64 value = line.mid(key.size()).trimmed().split(' ').value(0).toLongLong(&ok);
            return ok && value >= 0 ? value : -1;
        }
        pos = end + 1;
    }
    return -1;
}

}  // namespace

bool ParseMemInfo(const QByteArray& meminfo, KernelMemoryStatus* status)
{
    *status = KernelMemoryStatus();
    const qint64 total = MemInfoKb(meminfo, "MemTotal");
    const qint64 avail = MemInfoKb(meminfo, "MemAvailable");
    if (total <= 0 || avail < 0)
        return false;
    const qint64 swapTotal = qMax<qint64>(0, MemInfoKb(meminfo, "SwapTotal"));
    const qint64 swapFree = qMax<qint64>(0, MemInfoKb(meminfo, "SwapFree"));
    const qint64 availClamped = qMin(avail, total);
    status->memoryLoad = static_cast<DWORD>((total - availClamped) * 100 / total);
    status->totalPhys = static_cast<ULONGLONG>(total) * 1024u;
    status->availPhys = static_cast<ULONGLONG>(availClamped) * 1024u;
    status->totalPageFile = static_cast<ULONGLONG>(total + swapTotal) * 1024u;
    status->availPageFile = static_cast<ULONGLONG>(availClamped + qMin(swapFree, swapTotal)) * 1024u;
    status->totalVirtual = kUserAddressSpaceBytes;
    status->availVirtual = kUserAddressSpaceBytes;
    status->availExtendedVirtual = 0;
    return true;
}

bool QueryMemoryStatus(KernelMemoryStatus* status)
{
    QFile file(QStringLiteral("/proc/meminfo"));
    if (!file.open(QIODevice::ReadOnly)) {
        *status = KernelMemoryStatus();
        return false;
    }
    return ParseMemInfo(file.readAll(), status);
}

bool QueryDiskFreeBytes(const QString& path, ULONGLONG* freeBytes)
{
    *freeBytes = 0;
    if (path.isEmpty() || IsFileOperationFaultInjected(FileOperationKind::FreeSpace, path))
        return false;
    struct statvfs info { };
    if (statvfs(QFile::encodeName(path).constData(), &info) != 0)
        return false;
    *freeBytes = static_cast<ULONGLONG>(info.f_bavail) * static_cast<ULONGLONG>(info.f_frsize);
    return true;
}

QString GetModuleFilePath()
{
    return QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
}

void GetPlatformVersion(DWORD* major, DWORD* minor)
{
    *major = 10;
    *minor = 0;
}

bool UnixTimeToLocalSystemTime(qint64 seconds, long nanoseconds, SYSTEMTIME* time)
{
    *time = SYSTEMTIME();
    const time_t t = static_cast<time_t>(seconds);
    struct tm parts { };
    if (!localtime_r(&t, &parts) || parts.tm_year + 1900 < 1601 || parts.tm_year + 1900 > 30827)
        return false;
    time->wYear = static_cast<WORD>(parts.tm_year + 1900);
    time->wMonth = static_cast<WORD>(parts.tm_mon + 1);
    time->wDayOfWeek = static_cast<WORD>(parts.tm_wday);
    time->wDay = static_cast<WORD>(parts.tm_mday);
    time->wHour = static_cast<WORD>(parts.tm_hour);
    time->wMinute = static_cast<WORD>(parts.tm_min);
    time->wSecond = static_cast<WORD>(qMin(parts.tm_sec, 59));
    time->wMilliseconds = static_cast<WORD>(qBound(0L, nanoseconds, 999999999L) / 1000000L);
    return true;
}

void Sleep(DWORD milliseconds)
{
    if (milliseconds == 0)
        std::this_thread::yield();
    else
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void GetLocalTime(SYSTEMTIME* time)
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    UnixTimeToLocalSystemTime(now.tv_sec, now.tv_nsec, time);
}
