// Writes a file so that a failure never leaves a half-written file behind and
// never destroys the file it was to replace: the bytes go to a new hidden file
// in the same folder, which replaces the target only when every write and the
// close succeeded. A link is followed to the file it names (created when it
// does not exist yet), a replaced file keeps its permissions and, where the
// process may set them, its owner and group, and a file that may not be
// written is not replaced. A failure keeps its reason (Error) so that the
// caller can tell the user why. Serves the image writers and the settings file.
#pragma once

#include <QString>
#include <cstddef>
#include <cstdio>

struct stat;

class CSafeFileWriter {
public:
    // What Open does when the path names something that is not a regular file
    // (a device such as /dev/full). A folder or a disk is always refused.
    enum class OtherTargets {
        WriteInPlace,  // written directly, never removed
        Refuse,
    };

    CSafeFileWriter() = default;
    ~CSafeFileWriter();
    CSafeFileWriter(const CSafeFileWriter&) = delete;
    CSafeFileWriter& operator=(const CSafeFileWriter&) = delete;

    // false when the file cannot be created (or is refused).
    bool Open(const QString& path, OtherTargets others = OtherTargets::WriteInPlace);
    int Handle() const { return m_fd; }
    // A stdio stream over the handle (for libraries that write through one);
    // null when it cannot be made. Commit and Abandon close it.
    std::FILE* Stream();
    bool Write(const void* data, std::size_t size);
    // Closes and puts the file in place; false (and nothing left behind) when
    // a flush, the close or the rename fails. durable also forces the data and
    // the rename to the disk before returning.
    bool Commit(bool durable = false);
    // Closes and removes what was written.
    void Abandon();
    // Marks the written data as failed: Commit will then refuse.
    void SetFailed() { m_failed = true; }
    // The errno of the first failure since Open (EISDIR for a folder, EACCES
    // for a file that may not be written, ENOTSUP for a refused device); 0
    // when nothing failed or the caller marked the failure (SetFailed).
    int Error() const { return m_error; }

private:
    bool OpenInPlace();
    // replaced: the file replaced, or null for a new file.
    bool OpenTemporary(const struct stat* replaced);
    bool CloseHandle(bool durable);
    // Keeps error as the reason unless an earlier failure gave one; false.
    bool Fail(int error);

    int m_fd = -1;
    std::FILE* m_stream = nullptr;
    QString m_target;
    QString m_temp;  // empty when the target is written in place
    bool m_failed = false;
    int m_error = 0;
};

// A short text for the user that says why a file could not be written:
// Japanese for the common causes (no permission, no space, a folder in the
// file's place), the system's text for the rest.
QString FileWriteErrorText(int error);
