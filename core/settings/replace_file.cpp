#include "core/settings/replace_file.h"

#include "platform/system/safe_file_writer.h"

namespace {

bool WriteThrough(CSafeFileWriter& writer, const QString& path, const QByteArray& bytes)
{
    // A folder or a device is never replaced, nor written in place.
    return writer.Open(path, CSafeFileWriter::OtherTargets::Refuse) &&
        writer.Write(bytes.constData(), static_cast<std::size_t>(bytes.size())) && writer.Commit(true);
}

}  // namespace

int ReplaceFileContents(const QString& path, const QByteArray& bytes, int* error)
{
    CSafeFileWriter writer;
    const bool written = WriteThrough(writer, path, bytes);
    if (error != nullptr)
        *error = written ? 0 : writer.Error();
    return written ? 1 : 0;
}
