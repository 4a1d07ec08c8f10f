#include "core/settings/replace_file.h"

#include "platform/system/safe_file_writer.h"

int ReplaceFileContents(const QString& path, const QByteArray& bytes)
{
    CSafeFileWriter writer;
    // A folder or a device is never replaced, nor written in place.
    if (!writer.Open(path, CSafeFileWriter::OtherTargets::Refuse))
        return 0;
    if (!writer.Write(bytes.constData(), static_cast<std::size_t>(bytes.size())))
        return 0;
    return writer.Commit(true) ? 1 : 0;
}
