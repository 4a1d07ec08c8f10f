// The option pages' value rules, apart from any window: how a stored setting
// stands on a track bar and what a track-bar position stores, the ranges the
// edits keep to, the check of the automatic file name's front text and the
// example name the save page shows.
#pragma once

#include "platform/types/types.h"

#include <QString>

// Zoom step per wheel notch (track bar positions 1..5).
int ZoomStepToPosition(UINT zoomStep);
// Positions outside 1..5 store the middle step, 350.
UINT ZoomStepFromPosition(int position);

// The largest zoom (positions 1..7 for 5..35).
int MaxZoomMagToPosition(int maxZoomMag);
int MaxZoomMagFromPosition(int position);
// The one-shot zoom (positions 1..8 for 1, 5, 10 .. 35).
int HitZoomMagToPosition(int hitZoomMag);
int HitZoomMagFromPosition(int position);

// The moment the pixel grid appears (positions 1..3 for 4, 7, 10).
int LevelPixelGridToPosition(int level);
// Positions outside 1..3 store the middle level, 7.
int LevelPixelGridFromPosition(int position);

// JPEG quality typed into the edit (any byte), kept within 1..100.
BYTE ClampJpegQuality(unsigned quality);
// The scroll capture's wait, kept within 5..500 ms.
int ClampScrollWait(long long wait);

// The default save format: 1..5 (BMP, JPEG, TIFF, GIF, PNG); anything else is BMP.
BYTE NormalSaveFormat(BYTE format);

enum class FrontTextCheck {
    Accepted,
    TooLong,         // more than 30 characters
    ForbiddenChars,  // a character no file name may hold
};
inline constexpr int kFrontTextMaxChars = 30;
FrontTextCheck CheckFrontText(const QString& text);
// The message for a refused front text; empty for an accepted one.
QString FrontTextMessage(FrontTextCheck check);

// The example of an automatic file name: the front text, then a serial of
// `digits` (3, 4, else 5) digits (kind 0), the date and time "YYYYMMDD-hhmmss"
// (kind 1) or the letter a (any other kind).
QString FileNameExample(const QString& front, int kind, int digits, const SYSTEMTIME& now);
