// Reads and writes at a file position (pread/pwrite), repeated until every
// byte has moved or the file ends; an interrupted call is repeated.
#pragma once

#include <cstddef>
#include <sys/types.h>

// Up to capacity bytes at offset, fewer where the file ends or a read fails;
// returns how many were read.
std::size_t ReadUpToAt(int fd, void* buffer, std::size_t capacity, off_t offset);
// Exactly length bytes at offset; false on a short read or an error.
bool ReadExactlyAt(int fd, void* buffer, std::size_t length, off_t offset);
// All length bytes at offset; false when any of them was not written.
bool WriteAllAt(int fd, const void* data, std::size_t length, off_t offset);
