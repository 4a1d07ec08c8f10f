// The Japanese multibyte code (code page 932) of files and clipboard text.
//
// Conversions are strict both ways: a text converts only when converting it
// back gives the same text, so characters that code page 932 folds together
// (U+301C and U+FF5E, U+00A5 and '\', ...) count as not convertible instead of
// silently turning into others. Thread-safe; the process locale is never touched.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// UTF-16 text to code page 932 bytes; nothing when some character does not convert.
std::optional<QByteArray> EncodeCp932(const QString& text);

// Code page 932 bytes to UTF-16 text; nothing when the bytes are not valid.
std::optional<QString> DecodeCp932(const QByteArray& bytes);
