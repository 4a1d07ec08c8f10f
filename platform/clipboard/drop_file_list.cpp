#include "platform/clipboard/drop_file_list.h"

#include <QtEndian>
#include <cstring>

QByteArray MakeDropFileList(const QStringList& paths)
{
    DROPFILES header;
    header.pFiles = qToLittleEndian<DWORD>(sizeof(DROPFILES));
    header.pt = POINT{0, 0};
    header.fNC = 0;
    header.fWide = qToLittleEndian<BOOL>(1);
    QByteArray block(reinterpret_cast<const char*>(&header), sizeof header);
    for (const QString& path : paths) {
        for (const QChar c : path) {
            const quint16 unit = qToLittleEndian<quint16>(c.unicode());
            block.append(reinterpret_cast<const char*>(&unit), 2);
        }
        block.append(2, '\0');
    }
    block.append(2, '\0');
    return block;
}

std::optional<QStringList> ReadDropFileList(const QByteArray& block)
{
    if (block.size() < qsizetype(sizeof(DROPFILES)))
        return std::nullopt;
    DROPFILES header;
    std::memcpy(&header, block.constData(), sizeof header);
    const qsizetype start = qFromLittleEndian(header.pFiles);
    if (!qFromLittleEndian(header.fWide) || start < qsizetype(sizeof header) || start > block.size())
        return std::nullopt;

    QStringList paths;
    QString path;
    for (qsizetype at = start; at + 1 < block.size(); at += 2) {
        const quint16 unit = qFromLittleEndian<quint16>(block.constData() + at);
        if (unit != 0) {
            path.append(QChar(unit));
            continue;
        }
        if (path.isEmpty())
            return paths;  // the closing NUL
        paths.append(path);
        path.clear();
    }
    return std::nullopt;
}
