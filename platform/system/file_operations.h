// File operations by path as the program calls them: copy, create a folder,
// delete, rename. Each answers TRUE or FALSE and leaves the reason of a
// failure for GetLastError, in the platform's error codes.
//
// A copy writes a hidden file beside the target first and puts it in place
// only when every byte, the permissions and the modification time were
// written: a failed copy leaves no partial target, and an overwritten target
// stays as it was until the new one is complete. The copy keeps the source's
// modification time. With failIfExists it never replaces anything, not even
// a file that appears while it copies.
//
// Safe on any thread.
#pragma once

#include "platform/types/types.h"

#include <QString>
#include <functional>

// The platform's error codes that these operations leave.
inline constexpr DWORD ERROR_SUCCESS = 0;
inline constexpr DWORD ERROR_FILE_NOT_FOUND = 2;
inline constexpr DWORD ERROR_PATH_NOT_FOUND = 3;
inline constexpr DWORD ERROR_ACCESS_DENIED = 5;
inline constexpr DWORD ERROR_NOT_ENOUGH_MEMORY = 8;
inline constexpr DWORD ERROR_WRITE_PROTECT = 19;
inline constexpr DWORD ERROR_GEN_FAILURE = 31;
inline constexpr DWORD ERROR_SHARING_VIOLATION = 32;
inline constexpr DWORD ERROR_FILE_EXISTS = 80;
inline constexpr DWORD ERROR_DISK_FULL = 112;
inline constexpr DWORD ERROR_INVALID_NAME = 123;
inline constexpr DWORD ERROR_DIR_NOT_EMPTY = 145;
inline constexpr DWORD ERROR_ALREADY_EXISTS = 183;
inline constexpr DWORD ERROR_FILENAME_EXCED_RANGE = 206;
inline constexpr DWORD ERROR_DIRECTORY = 267;

// The reason of the calling thread's last failed operation.
DWORD GetLastError();
void SetLastError(DWORD error);
// The platform's code for an errno value.
DWORD ErrorFromErrno(int error);

// Copies a regular file (a link is followed) to target. ERROR_FILE_EXISTS
// when failIfExists and the target exists; ERROR_ACCESS_DENIED when the
// target is a folder; ERROR_FILE_NOT_FOUND for a missing or non-regular
// source; ERROR_PATH_NOT_FOUND when the target's folder does not exist.
BOOL CopyFileW(const QString& source, const QString& target, BOOL failIfExists);
// Creates one folder; ERROR_ALREADY_EXISTS when the name is taken,
// ERROR_PATH_NOT_FOUND when its parent does not exist.
BOOL CreateDirectoryW(const QString& path, void* securityAttributes = nullptr);
// Deletes a file for good (there is no recycle bin); a folder is refused
// with ERROR_ACCESS_DENIED.
BOOL DeleteFileW(const QString& path);
// Renames a file (or folder) within its folder or file system. Never
// replaces anything: ERROR_ALREADY_EXISTS when the new name is taken, also on
// a file system without the exclusive rename (a new link, then a checked
// rename). A change of letter case only, on a file system that ignores case,
// goes through a temporary name. Codes: ERROR_FILE_NOT_FOUND for a missing
// source, ERROR_PATH_NOT_FOUND for a missing target folder,
// ERROR_ACCESS_DENIED for refused writes (also a read-only or busy file
// system), ERROR_INVALID_NAME for a name the file system does not take (or
// too long), another code for anything else.
BOOL MoveFileW(const QString& existing, const QString& newName);

// The code MoveFileW leaves for an errno value of the rename; sourceMissing
// tells an ENOENT of the source from one of the target's folder.
DWORD RenameErrorFromErrno(int error, bool sourceMissing);

// Test seam: asked before each operation above runs; an answer other than
// ERROR_SUCCESS makes the operation fail with that code and touch nothing.
// path is the operation's source (the folder for CreateDirectoryW, the path
// asked for the free-space query of kernel.h). An empty hook removes the seam.
enum class FileOperationKind { Copy, CreateDirectory, Delete, Move, FreeSpace };
using FileOperationFault = std::function<DWORD(FileOperationKind kind, const QString& path)>;
void SetFileOperationFault(FileOperationFault fault);
// True (and the code left for GetLastError) when the seam has the operation
// fail; for the platform's other services that honour it.
bool IsFileOperationFaultInjected(FileOperationKind kind, const QString& path);
