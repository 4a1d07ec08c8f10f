// Replacing a file's content so that a failure never leaves a half-written
// file in place of a good one.
#pragma once

#include <QByteArray>
#include <QString>

// Writes bytes to a new temporary file in the folder of path, forces it to the
// disk and renames it over path (over the file a link at path names), with
// the permissions of the file it replaces. Returns 1 when path now holds
// exactly the bytes; on failure returns 0, path keeps its previous content and
// no temporary file is left behind. A folder or device at path is left alone
// (0). error, when given, receives the reason of a failure as an errno value
// (see FileWriteErrorText), 0 on success.
int ReplaceFileContents(const QString& path, const QByteArray& bytes, int* error = nullptr);
