#include "print/print_margin_rules.h"

#include "core/geometry.h"

#include <cmath>

namespace {

constexpr double kMillimetresPerInch = 25.4;

bool IsInch(BYTE paperUnit)
{
    return paperUnit == kPaperUnitInch;
}

}  // namespace

double StoredMarginToMillimetres(int stored, BYTE paperUnit)
{
    if (IsInch(paperUnit))
        return stored / 1000.0 * kMillimetresPerInch;
    return stored / 100.0;
}

int MillimetresToStoredMargin(double millimetres, BYTE paperUnit)
{
    if (IsInch(paperUnit))
        return RoundToInt(millimetres / kMillimetresPerInch * 1000.0);
    return MillimetresToHundredths(millimetres);
}

int MillimetresToHundredths(double millimetres)
{
    return RoundToInt(millimetres * 100.0);
}

bool IsMarginValid(double millimetres, int paperSideTenths)
{
    return millimetres >= 0.0 && millimetres < paperSideTenths / 20.0;
}

int PaperSideTenths(int pixels, double dpi)
{
    if (!(dpi > 0.0))
        return 0;
    return RoundToInt(pixels / dpi * kMillimetresPerInch) * 10;
}

int SpinMarginStep(MarginSide side, int proposedDelta)
{
    const bool widensOnNegative = side == MarginSide::Left || side == MarginSide::Bottom;
    const bool negative = proposedDelta < 0;
    return negative == widensOnNegative ? 1 : -1;
}

int DragPixels(MarginSide side, POINT last, POINT now)
{
    switch (side) {
    case MarginSide::Left:
        return now.x - last.x;
    case MarginSide::Right:
        return last.x - now.x;
    case MarginSide::Top:
        return now.y - last.y;
    case MarginSide::Bottom:
        return last.y - now.y;
    }
    return 0;
}

int DragDeltaMillimetres(int pixels, int boxSidePixels, int paperSideTenths)
{
    if (boxSidePixels <= 0 || paperSideTenths <= 0)
        return 0;
    const double pixelsPerMillimetre = boxSidePixels / (paperSideTenths / 10.0);
    return RoundToInt(pixels / pixelsPerMillimetre);
}
