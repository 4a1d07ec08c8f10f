// Raw file access: a thin file object over POSIX handles, and the three
// routines the settings store and the view stage use to measure, read and
// write whole files. Only regular files count: a folder has length 0 and
// cannot be opened.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

class CRawFile {
public:
    CRawFile() = default;
    ~CRawFile();
    CRawFile(const CRawFile&) = delete;
    CRawFile& operator=(const CRawFile&) = delete;

    // Opens a regular file read-only; closes an open handle first.
    bool OpenRead(const QString& path);
    // Creates or empties the file and opens it for reading and writing.
    bool OpenWrite(const QString& path);
    // Byte length of the open file; 0 when none is open.
    std::int64_t Length() const;
    // Reads up to count bytes (fewer only at the end of the file); false on
    // a failed read or when no file is open. LastCount() tells how many.
    bool Read(void* buffer, std::int64_t count);
    // Writes all count bytes; false when any of them could not be written.
    bool Write(const void* buffer, std::int64_t count);
    // Forces the written bytes to the disk.
    bool Sync();
    // True when nothing was open or the close succeeded.
    bool Close();

    int Handle() const { return m_handle; }
    std::int64_t LastCount() const { return m_lastCount; }

private:
    int m_handle = -1;
    std::int64_t m_lastCount = -1;
};

// Length of the regular file at path; 0 when it is absent, not a regular file
// or cannot be opened.
std::uint64_t GetFileSizeOfPath(const QString& path);

// Reads the file into buffer, at most capacity bytes. Returns 1 when the file
// was opened and read without error (bytesRead, when given, receives the count,
// which is below capacity only when the file is shorter), else 0.
int ReadFileToBuffer(
    const QString& path, void* buffer, std::int64_t capacity, std::int64_t* bytesRead = nullptr);

// The whole regular file, when it holds 1 to maxBytes bytes and reads
// without error (a file that shrank meanwhile gives what it still holds);
// nothing otherwise.
std::optional<QByteArray> ReadFileBytes(const QString& path, std::uint64_t maxBytes);

// Writes the bytes as the whole file (created or truncated). Returns 1 only
// when every byte was written and the file was closed without error.
int WriteBufferToFile(const QString& path, const void* data, std::int64_t length);
