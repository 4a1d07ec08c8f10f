// What another X client (xclip) reads off the desktop's clipboard.
#pragma once

#include <QByteArray>
#include <QString>

// The bytes of the target (a MIME type, TARGETS, UTF8_STRING ...); the event
// loop runs meanwhile, since Kestrel answers from it. A failure is reported to
// the running test and gives empty bytes.
QByteArray ReadClipboardWithXclip(const QString& target);
