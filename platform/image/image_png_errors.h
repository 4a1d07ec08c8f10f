// The libpng structures of the codecs: errors jump back to the calling codec
// (through png_jmpbuf) instead of ending the process, and warnings are
// dropped. The functions that set the jump hold no C++ objects with
// destructors across the library calls.
#pragma once

#include <cstdio>
#include <png.h>

png_structp CreatePngReadStruct();
png_structp CreatePngWriteStruct();

// Read, write and flush functions over a stdio stream; a short read or
// write and a failed flush are library errors.
void SetPngStdioRead(png_structp png, std::FILE* file);
void SetPngStdioWrite(png_structp png, std::FILE* file);
