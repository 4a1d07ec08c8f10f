#include "clip/continuous_capture_rules.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

QString Printf(const char* format, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return QString::fromLatin1(text);
}

}  // namespace

int ClampCaptureCount(int count)
{
    return std::clamp(count, kCcMinCount, kCcMaxCount);
}

int ClampIntervalTenths(int tenths)
{
    return std::clamp(tenths, kCcMinIntervalTenths, kCcMaxIntervalTenths);
}

int IntervalTenthsFromText(const QString& text)
{
    bool ok = false;
    const double seconds = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(seconds))
        return kCcMinIntervalTenths;
    // Rounded: 0.3 s is 2.999... tenths in binary, which truncation would make 2.
    const double tenths = std::round(seconds * 10.0);
    if (tenths <= kCcMinIntervalTenths)
        return kCcMinIntervalTenths;
    if (tenths >= kCcMaxIntervalTenths)
        return kCcMaxIntervalTenths;
    return static_cast<int>(tenths);
}

QString TenthsText(int tenths)
{
    return Printf("%.1f", tenths / 10.0);
}

QString MillisecondsAsSecondsText(int milliseconds)
{
    return Printf("%.1f", milliseconds / 1000.0);
}

QString CountRangeText()
{
    return QStringLiteral("( %1 ～ %2 )枚").arg(kCcMinCount).arg(kCcMaxCount);
}

QString IntervalRangeText()
{
    return QStringLiteral("( %1 ～ %2 )秒")
        .arg(TenthsText(kCcMinIntervalTenths))
        .arg(kCcMaxIntervalTenths / 10);
}

QString FileNameStepText()
{
    return QStringLiteral("STEP7 : 保存ファイル名 ( 最大文字数 %1 文字 )").arg(kCcFileNameLimit);
}

QString QualityText(int quality)
{
    return QStringLiteral("%1%").arg(quality);
}

int QualityFromSliderPos(int pos)
{
    return std::clamp(pos, 0, 99) + 1;
}

int SliderPosFromQuality(int quality)
{
    return std::clamp(quality, 1, 100) - 1;
}

int ClampRangeEdge(int value, int extent)
{
    return std::clamp(value, 0, std::max(extent - 1, 0));
}

RECT NormalizedRange(const RECT& r)
{
    return RECT{std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
        std::max(r.top, r.bottom)};
}

bool IsRangeUsable(const RECT& r)
{
    const RECT n = NormalizedRange(r);
    return n.left != n.right && n.top != n.bottom;
}

SIZE RangeCaptureSize(const RECT& r)
{
    const RECT n = NormalizedRange(r);
    return SIZE{n.right - n.left + 1, n.bottom - n.top + 1};
}

RECT RangeFromLastClip(const RECT& clip, int screenWidth, int screenHeight)
{
    const RECT onScreen{ClampRangeEdge(clip.left, screenWidth), ClampRangeEdge(clip.top, screenHeight),
        ClampRangeEdge(clip.right, screenWidth), ClampRangeEdge(clip.bottom, screenHeight)};
    return NormalizedRange(onScreen);
}

RECT FullScreenRange(int screenWidth, int screenHeight)
{
    return RECT{0, 0, screenWidth - 1, screenHeight - 1};
}

RangePreview ComputeRangePreview(const RECT& area, int screenWidth, int screenHeight, const RECT& range)
{
    RangePreview preview{};
    const int areaWidth = area.right - area.left;
    const int areaHeight = area.bottom - area.top;
    if (areaWidth <= 0 || areaHeight <= 0 || screenWidth <= 0 || screenHeight <= 0)
        return preview;
    // The side that fills its extent decides the scale; the other follows the screen's aspect.
    int boxWidth = areaWidth;
    int boxHeight = static_cast<int>(static_cast<long long>(areaWidth) * screenHeight / screenWidth);
    if (boxHeight > areaHeight) {
        boxHeight = areaHeight;
        boxWidth = static_cast<int>(static_cast<long long>(areaHeight) * screenWidth / screenHeight);
    }
    const int left = area.left + (areaWidth - boxWidth) / 2;
    const int top = area.top + (areaHeight - boxHeight) / 2;
    preview.screen = RECT{left, top, left + boxWidth, top + boxHeight};
    // Screen pixel x covers [x, x + 1): an inclusive range ends after its last pixel.
    const RECT n = NormalizedRange(range);
    auto scaleX = [&](long long x) { return left + static_cast<int>(x * boxWidth / screenWidth); };
    auto scaleY = [&](long long y) { return top + static_cast<int>(y * boxHeight / screenHeight); };
    preview.range = RECT{scaleX(n.left), scaleY(n.top), scaleX(n.right + 1LL), scaleY(n.bottom + 1LL)};
    // Even a one-pixel range shows as a mark.
    preview.range.right = std::max(preview.range.right, preview.range.left + 1);
    preview.range.bottom = std::max(preview.range.bottom, preview.range.top + 1);
    return preview;
}

POINT CompactWindowOrigin(int windowWidth, int screenWidth, int position)
{
    const int x = position == 2 ? screenWidth - kCcCompactMargin - windowWidth : kCcCompactMargin;
    return POINT{x, kCcCompactMargin};
}
