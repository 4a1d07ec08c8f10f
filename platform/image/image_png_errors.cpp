#include "platform/image/image_png_errors.h"

#include "platform/system/logging.h"

namespace {

[[noreturn]] void ErrorFn(png_structp png, png_const_charp message)
{
    qCDebug(lcPlatform) << "libpng:" << message;
    png_longjmp(png, 1);
}

void WarningFn(png_structp, png_const_charp)
{
}

void ReadFromStream(png_structp png, png_bytep data, png_size_t length)
{
    if (std::fread(data, 1, length, static_cast<std::FILE*>(png_get_io_ptr(png))) != length)
        png_error(png, "short read");
}

void WriteToStream(png_structp png, png_bytep data, png_size_t length)
{
    if (std::fwrite(data, 1, length, static_cast<std::FILE*>(png_get_io_ptr(png))) != length)
        png_error(png, "short write");
}

void FlushStream(png_structp png)
{
    if (std::fflush(static_cast<std::FILE*>(png_get_io_ptr(png))) != 0)
        png_error(png, "flush failed");
}

}  // namespace

png_structp CreatePngReadStruct()
{
    return png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, ErrorFn, WarningFn);
}

png_structp CreatePngWriteStruct()
{
    return png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, ErrorFn, WarningFn);
}

void SetPngStdioRead(png_structp png, std::FILE* file)
{
    png_set_read_fn(png, file, ReadFromStream);
}

void SetPngStdioWrite(png_structp png, std::FILE* file)
{
    png_set_write_fn(png, file, WriteToStream, FlushStream);
}
