// The margin arithmetic of the print dialog: the stored margins and the
// millimetres the user sees, the rule a margin must keep on its paper, the
// paper's size in whole millimetres, and the steps of the spin buttons and of
// a dragged margin line. No window, no printer: numbers in, numbers out.
#pragma once

#include "platform/types/types.h"

// The settings keep the margins in the unit of PaperUnit: with 8 hundredths of
// a millimetre, with 4 thousandths of an inch. Any other unit reads as 8.
inline constexpr BYTE kPaperUnitMetric = 8;
inline constexpr BYTE kPaperUnitInch = 4;

// A stored margin in millimetres.
double StoredMarginToMillimetres(int stored, BYTE paperUnit);
// Millimetres in the stored unit, to the nearest unit (so that storing the
// value just read gives the same number back).
int MillimetresToStoredMargin(double millimetres, BYTE paperUnit);
// Millimetres in hundredths of a millimetre, to the nearest hundredth: the
// figure the layout is computed with, whatever PaperUnit says.
int MillimetresToHundredths(double millimetres);

// A margin is valid when 0 <= m < half the paper side it lies on (the width for
// left and right, the height for top and bottom). The side is in tenths of a
// millimetre.
bool IsMarginValid(double millimetres, int paperSideTenths);
// The margin a printer query puts in place of an invalid one.
inline constexpr double kFallbackMarginMillimetres = 20.0;

// A paper side measured in printer pixels at dpi, in tenths of a millimetre
// of whole millimetres (210 mm -> 2100). 0 when dpi is not positive.
int PaperSideTenths(int pixels, double dpi);

enum class MarginSide { Left, Right, Top, Bottom };

// The millimetres a spin button's proposed change moves its margin: +1 widens,
// -1 narrows. The up-down controls run from 100 down to 0, so the right and up
// arrows propose a negative change; every arrow moves its line its own way.
int SpinMarginStep(MarginSide side, int proposedDelta);

// The pixels the mouse moved since the last accepted point, signed so that a
// movement towards the page's centre widens the margin.
int DragPixels(MarginSide side, POINT last, POINT now);
// Those pixels in whole millimetres of paper: the box side shows paperSideTenths
// of paper in boxSidePixels. 0 when the box or the paper is empty.
int DragDeltaMillimetres(int pixels, int boxSidePixels, int paperSideTenths);
