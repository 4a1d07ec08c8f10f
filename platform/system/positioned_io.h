// Whole reads and writes at a file position (pread/pwrite), retried until
// every byte has moved; an interrupted call is repeated.
#pragma once

#include <cstddef>
#include <sys/types.h>

// Exactly length bytes at offset; false on a short read or an error.
bool ReadExactlyAt(int fd, void* buffer, std::size_t length, off_t offset);
// All length bytes at offset; false when any of them was not written.
bool WriteAllAt(int fd, const void* data, std::size_t length, off_t offset);
