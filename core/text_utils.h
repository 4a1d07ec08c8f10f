// Small text routines: appending, padding, byte sizes, the program title, the
// Japanese multibyte conversion, tokens, string arrays and digit counts.
// Capacities count characters including the terminator, as the buffers of
// the callers do.
#pragma once

#include "platform/types/types.h"

#include <QString>

// Appends one character given as an 8-bit code (codes above 127 extend their
// sign, as callers pass ASCII only); nothing when the buffer is full.
void AppendChar(QString& buffer, int capacity, char c);

// Appends "YYYYMMDD-hhmmss" of the time given, or of the local time now.
void AppendTimestamp(QString& buffer, int capacity, const SYSTEMTIME& time);
void AppendTimestamp(QString& buffer, int capacity);

// Fills the front so that a shorter text is exactly width characters long.
void PadStringLeft(QString& text, QChar fill, int width);

// "999 Byte", "1.00 KB", "99.9 KB", "123 MB", "4.29 GB" (single precision).
QString FormatByteSize(ULONGLONG bytes);

// "Kestrel Ver.1.00": the frame's caption, by which the program also knows
// its own windows.
QString FormatAppTitle();

// Converts the first length characters to code page 932 in a new block of
// 2 * length + 1 bytes (freed with delete[]); returns the bytes written with
// the terminator. On failure the block is freed, *out is null and 0 returned.
int WideToMultiByteAlloc(char** out, const QString& text, int length);

// Reads the token at position pos of text up to the separator (or, with
// stopAtCr, to a CR as well). Returns the position after the token and its
// separators, or -1 when the text is used up or the token does not fit in
// capacity - 1 characters (token then empty). The result is always beyond
// pos, so a caller's loop ends.
int GetNextToken(QString& token, const QString& text, int pos, QChar separator, int capacity, bool stopAtCr);

// n buffers of length + 1 zeroed characters; null when any allocation fails
// (nothing is kept then). Freed with FreeStringArray.
char16_t** AllocStringArray(int count, int length);
void FreeStringArray(char16_t** array, int count);

// Characters of the decimal form, the minus sign included (1..11).
int CountDigits(int value);
// Decimal digits (1..10).
int CountDigitsUnsigned(UINT value);
