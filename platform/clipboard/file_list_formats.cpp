#include "platform/clipboard/file_list_formats.h"

#include <QUrl>

QByteArray FileUriListBytes(const QStringList& paths)
{
    QByteArray bytes;
    for (const QString& path : paths)
        bytes += QUrl::fromLocalFile(path).toEncoded() + "\r\n";
    return bytes;
}

QByteArray GnomeCopiedFilesBytes(const QStringList& paths)
{
    QByteArray bytes("copy");
    for (const QString& path : paths)
        bytes += '\n' + QUrl::fromLocalFile(path).toEncoded();
    return bytes;
}
