#include "clip/save_size_rules.h"

#include <cmath>

namespace {

// Sets `side` to the truncated value when that lies within minimum..maximum;
// false for a value out of range or not a number (no ratio known).
bool FollowingSideFits(double value, int minimum, int maximum, int& side)
{
    const double truncated = std::trunc(value);
    if (!(truncated >= minimum && truncated <= maximum))
        return false;
    side = static_cast<int>(truncated);
    return true;
}

}  // namespace

double SaveSizeRatio(SaveSize size)
{
    if (size.width <= 0 || size.height <= 0)
        return 0.0;
    return static_cast<double>(size.width) / size.height;
}

SaveSizeCheck CheckTypedHeight(
    SaveSize before, SaveSize typed, bool keepRatio, double ratio, SaveSizeBounds bounds)
{
    if (typed.height < bounds.minimum || typed.height > bounds.maxHeight)
        return {{typed.width, before.height}, true, bounds.minimum, bounds.maxHeight};
    if (!keepRatio || typed.height == before.height)
        return {typed, false};
    int width = 0;
    const double following = ratio > 0.0 ? typed.height * ratio : NAN;
    if (!FollowingSideFits(following, bounds.minimum, bounds.maxWidth, width))
        return {before, true, bounds.minimum, bounds.maxWidth};
    return {{width, typed.height}, false};
}

SaveSizeCheck CheckTypedWidth(
    SaveSize before, SaveSize typed, bool keepRatio, double ratio, SaveSizeBounds bounds)
{
    if (typed.width < bounds.minimum || typed.width > bounds.maxWidth)
        return {{before.width, typed.height}, true, bounds.minimum, bounds.maxWidth};
    if (!keepRatio || typed.width == before.width)
        return {typed, false};
    int height = 0;
    const double following = ratio > 0.0 ? typed.width / ratio : NAN;
    if (!FollowingSideFits(following, bounds.minimum, bounds.maxHeight, height))
        return {before, true, bounds.minimum, bounds.maxHeight};
    return {{typed.width, height}, false};
}

QString SaveSizeRangeMessage(int minimum, int maximum)
{
    return QStringLiteral("指定できる最小サイズは %1, 最大サイズは %2 までです。").arg(minimum).arg(maximum);
}
