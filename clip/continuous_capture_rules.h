// The continuous-capture dialog's arithmetic, apart from the window: the
// limits of its entries and their texts, the target range, the preview's
// geometry and where the compact window stands.
#pragma once

#include "platform/types/types.h"

#include <QString>

inline constexpr int kCcMinCount = 1;
inline constexpr int kCcMaxCount = 10000;
inline constexpr int kCcMinIntervalTenths = 1;    // 0.1 s
inline constexpr int kCcMaxIntervalTenths = 600;  // 60 s
inline constexpr int kCcFileNameLimit = 30;
inline constexpr int kCcFolderCapacity = 520;
// Intervals and first waits from this many tenths on show a progress bar.
inline constexpr int kCcProgressFromTenths = 30;
// The compact window's distance from the screen's top and side edges, and
// of its controls from its own left edge.
inline constexpr int kCcCompactMargin = 10;

// The count kept within 1..10000.
int ClampCaptureCount(int count);
// Tenths of a second kept within 1..600.
int ClampIntervalTenths(int tenths);
// Seconds typed as text in tenths, rounded to the nearest tenth ("0.3"
// gives 3, not 2) and kept within the limits; text that is no number is 0 s.
int IntervalTenthsFromText(const QString& text);
// Tenths of a second as "%.1f" seconds.
QString TenthsText(int tenths);
// Milliseconds as "%.1f" seconds.
QString MillisecondsAsSecondsText(int milliseconds);

// The texts of the limit labels: "( 1 ～ 10000 )枚", "( 0.1 ～ 60 )秒", the
// file-name step's title with its limit, and the JPEG quality with "%".
QString CountRangeText();
QString IntervalRangeText();
QString FileNameStepText();
QString QualityText(int quality);

// The quality slider runs 0..99 for quality 1..100.
int QualityFromSliderPos(int pos);
int SliderPosFromQuality(int quality);

// An edge of the range kept on the screen: 0..extent - 1.
int ClampRangeEdge(int value, int extent);
// The rectangle with left <= right and top <= bottom.
RECT NormalizedRange(const RECT& r);
// The range is usable once normalised: left != right and top != bottom.
bool IsRangeUsable(const RECT& r);
// The pixels a normalised range covers: its edges are inclusive.
SIZE RangeCaptureSize(const RECT& r);
// The last clip range made usable here: each edge on the screen, normalised.
RECT RangeFromLastClip(const RECT& clip, int screenWidth, int screenHeight);
// The whole screen: 0, 0, width - 1, height - 1.
RECT FullScreenRange(int screenWidth, int screenHeight);

// The preview: the screen as a box fitted into the area (keeping the
// screen's aspect, centred), and the range scaled into it.
struct RangePreview {
    RECT screen;
    RECT range;
};
RangePreview ComputeRangePreview(const RECT& area, int screenWidth, int screenHeight, const RECT& range);

// Where the compact window stands: kCcCompactMargin from the top and from the
// left screen edge (position 1) or the right one (position 2).
POINT CompactWindowOrigin(int windowWidth, int screenWidth, int position);
