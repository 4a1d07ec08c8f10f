// Text routines of the settings file: byte text in code page 932, lines
// ended by CR LF, "Key = value" lines under bracketed section headers. The
// readers also take lines ended by LF alone (a file saved by another editor).
//
// Writers append to a growing byte buffer and return its new length (the
// position just behind what they wrote). Readers work on a zero-terminated
// byte text (the file as read plus one zero byte) and never look beyond that
// zero byte; a position is a pointer into the text, null for "not found".
// Headers and keys count only at the opening of a line, after any blanks.
#pragma once

#include "platform/types/types.h"

#include <QByteArray>
#include <QString>

// The text; with crlf 1 followed by CR LF.
qsizetype AppendTextLineA(QByteArray& out, const char* text, int crlf);
// "key = value" in decimal (signed); with crlf 1 followed by CR LF.
qsizetype AppendCfgIntA(QByteArray& out, const char* key, int value, int crlf);
// "key = value" in decimal (unsigned); with crlf 1 followed by CR LF.
qsizetype AppendCfgUIntA(QByteArray& out, const char* key, unsigned value, int crlf);
// "key = text" with the text in code page 932. A text that does not convert,
// or that holds a line break or a zero character (which would end the line or
// the whole text early for the reader), is written as an empty value.
qsizetype AppendCfgStringA(QByteArray& out, const char* key, const QString& text, int crlf);
// CR LF: the empty line after a section.
qsizetype AppendCrLfA(QByteArray& out);

// "left,top,right,bottom" in decimal.
QString FormatRectW(const RECT& rect);
// Four comma-separated integers into left, top, right, bottom. Returns 1 only
// when all four are present (three commas); else 0, with the fields read so
// far already stored.
int ParseRectW(const QString& text, RECT& rect);

// Start of the line after the first line at or after start (a line start)
// that opens with header; null for a null start, an absent header or no line
// end after it.
const char* FindCfgSectionA(const char* start, const char* header);
// Position after the next CR or LF (and after an LF that directly follows a
// CR); null when neither follows.
const char* FindNextLineA(const char* pos);
// Start of the value of key: in the first line at or after pos (a line start)
// that opens with the key, then blanks and '=', the position after the '='
// and any spaces after it. Null for a null pos or no such line (a longer key
// that starts with the same letters does not count).
const char* FindCfgValueA(const char* pos, const char* key);
// The value of key as a signed 32-bit decimal; when it does not fit, the same
// text as an unsigned 32-bit decimal (saturating at 4294967295), returned with
// its bits. defaultValue when pos is null or the key absent; 0 for no number.
int GetCfgIntA(const char* pos, const char* key, int defaultValue);
// Empties out, then reads the value of key up to the next CR or LF (or the
// end of the text). Returns 0 when pos is null or the key absent, else 1; a value that
// does not decode, or does not fit capacity characters with a terminator,
// reads as empty.
int GetCfgStringA(const char* pos, const char* key, QString& out, int capacity);

// The leading decimal number of a text as the C library's strtol would read it
// into 32 bits: leading white space and one sign skipped. Sets overflow when
// the number lies outside the signed 32-bit range (the result then saturates).
int ParseLeadingInt32(const char* text, bool* overflow = nullptr);
// As ParseLeadingInt32 for an unsigned 32-bit number (a '-' negates modulo
// 2^32, as strtoul does); saturates at 4294967295.
std::uint32_t ParseLeadingUInt32(const char* text);
