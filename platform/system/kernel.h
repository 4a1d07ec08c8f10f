// Kernel services: physical and virtual memory, free disk space, the
// executable's path and the platform version the program reports.
#pragma once

#include "platform/types/types.h"

#include <QByteArray>
#include <QString>

// Memory figures in bytes, in the order of the platform's memory status.
struct KernelMemoryStatus {
    DWORD memoryLoad = 0;  // percent of physical memory in use
    ULONGLONG totalPhys = 0;
    ULONGLONG availPhys = 0;
    ULONGLONG totalPageFile = 0;  // commit limit: physical memory plus swap
    ULONGLONG availPageFile = 0;
    ULONGLONG totalVirtual = 0;  // the user address space of a 64-bit process
    ULONGLONG availVirtual = 0;
    ULONGLONG availExtendedVirtual = 0;
};

// The user address space of a 64-bit process, reported as total and available
// virtual memory (the platform has no smaller per-process figure to give).
inline constexpr ULONGLONG kUserAddressSpaceBytes = 0x00007FFFFFFE0000ull;

// Fills the status from the text of /proc/meminfo; false when MemTotal or
// MemAvailable is missing.
bool ParseMemInfo(const QByteArray& meminfo, KernelMemoryStatus* status);

// The status of this machine now; false (status all zero) when it cannot be read.
bool QueryMemoryStatus(KernelMemoryStatus* status);

// Bytes of the file system holding path that this user may still write;
// false when the path cannot be examined.
bool QueryDiskFreeBytes(const QString& path, ULONGLONG* freeBytes);

// The full path of the running executable.
QString GetModuleFilePath();

// The platform version the program reports: 10.0, the newest its version
// table knows, so that the newest code paths run.
void GetPlatformVersion(DWORD* major, DWORD* minor);

// Suspends the calling thread for at least this many milliseconds (0 yields).
void Sleep(DWORD milliseconds);

// The local date and time now, to the millisecond.
void GetLocalTime(SYSTEMTIME* time);

// A moment given in seconds and nanoseconds since 1970 as local broken-down
// time (milliseconds truncated); false when it cannot be converted.
bool UnixTimeToLocalSystemTime(qint64 seconds, long nanoseconds, SYSTEMTIME* time);
