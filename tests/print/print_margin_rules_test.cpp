// The print dialog's margin arithmetic: stored margins in both paper units and
// back (an unchanged value survives a round trip), the margin rule on A4, the
// paper's whole millimetres, the spin steps and the drag delta.
#include "print/print_margin_rules.h"

#include <gtest/gtest.h>

namespace {

TEST(PrintMarginRules, StoredMarginsInBothUnits)
{
    struct Case {
        int stored;
        BYTE unit;
        double millimetres;
    };
    const Case cases[] = {
        {2000, kPaperUnitMetric, 20.0}, {1270, kPaperUnitMetric, 12.7}, {201, kPaperUnitMetric, 2.01},
        {0, kPaperUnitMetric, 0.0}, {500, kPaperUnitInch, 12.7},  // half an inch
        {1000, kPaperUnitInch, 25.4}, {787, kPaperUnitInch, 19.9898},
        {2000, 0, 20.0},  // an unknown unit reads as metric
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.stored << " unit " << int(c.unit));
        const double mm = StoredMarginToMillimetres(c.stored, c.unit);
        EXPECT_NEAR(mm, c.millimetres, 1e-9);
        EXPECT_EQ(MillimetresToStoredMargin(mm, c.unit), c.stored);
    }
    EXPECT_EQ(MillimetresToStoredMargin(20.0, kPaperUnitInch), 787);
}

TEST(PrintMarginRules, HundredthsRoundToNearestSoOkNeverLowersAValue)
{
    EXPECT_EQ(MillimetresToHundredths(12.7), 1270);
    EXPECT_EQ(MillimetresToHundredths(2.01), 201);  // 200.99999... when cut
    EXPECT_EQ(MillimetresToHundredths(0.29), 29);
    EXPECT_EQ(MillimetresToHundredths(104.999), 10500);
    for (int stored = 0; stored < 30000; ++stored)
        ASSERT_EQ(MillimetresToHundredths(StoredMarginToMillimetres(stored, kPaperUnitMetric)), stored);
}

TEST(PrintMarginRules, MarginRuleAgainstHalfThePaperSide)
{
    struct Case {
        double millimetres;
        int sideTenths;
        bool valid;
    };
    const Case cases[] = {
        {105.0, 2100, false},  // A4 width: half is 105
        {104.9, 2100, true},
        {110.0, 2970, true},  // A4 height: half is 148.5
        {148.5, 2970, false},
        {0.0, 2100, true},
        {-0.01, 2100, false},
        {0.0, 0, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsMarginValid(c.millimetres, c.sideTenths), c.valid)
            << c.millimetres << " on " << c.sideTenths;
}

TEST(PrintMarginRules, PaperSideInWholeMillimetres)
{
    EXPECT_EQ(PaperSideTenths(4960, 600.0), 2100);  // A4 width at 600 dpi
    EXPECT_EQ(PaperSideTenths(7016, 600.0), 2970);
    EXPECT_EQ(PaperSideTenths(612, 72.0), 2160);  // Letter: 215.9 mm
    EXPECT_EQ(PaperSideTenths(100, 0.0), 0);
}

TEST(PrintMarginRules, SpinArrowsMoveTheirLineTheirWay)
{
    // The right and up arrows propose -1.
    struct Case {
        MarginSide side;
        int delta;
        int step;
    };
    const Case cases[] = {
        {MarginSide::Left, -1, 1},  // right arrow: the left line moves right
        {MarginSide::Left, 1, -1},
        {MarginSide::Left, 0, -1},
        {MarginSide::Right, -1, -1},  // right arrow: the right line moves right
        {MarginSide::Right, 1, 1},
        {MarginSide::Top, -1, -1},  // up arrow: the top line moves up
        {MarginSide::Top, 1, 1},
        {MarginSide::Bottom, -1, 1},  // up arrow: the bottom line moves up
        {MarginSide::Bottom, 1, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SpinMarginStep(c.side, c.delta), c.step) << int(c.side) << " " << c.delta;
}

TEST(PrintMarginRules, DragTowardsTheCentreWidensInWholeMillimetres)
{
    const POINT last{100, 100};
    EXPECT_EQ(DragPixels(MarginSide::Left, last, POINT{104, 100}), 4);
    EXPECT_EQ(DragPixels(MarginSide::Right, last, POINT{104, 100}), -4);
    EXPECT_EQ(DragPixels(MarginSide::Top, last, POINT{100, 97}), -3);
    EXPECT_EQ(DragPixels(MarginSide::Bottom, last, POINT{100, 97}), 3);

    // A 210 mm page in a 105-pixel box: 2 mm a pixel.
    struct Case {
        int pixels;
        int box;
        int paperTenths;
        int millimetres;
    };
    const Case cases[] = {
        {1, 105, 2100, 2},
        {-3, 105, 2100, -6},
        {1, 420, 2100, 1},   // half a millimetre rounds upwards
        {1, 421, 2100, 0},   // less than half: nothing moves yet
        {-1, 420, 2100, 0},  // an exact negative half rounds upwards too
        {5, 0, 2100, 0},
        {5, 105, 0, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DragDeltaMillimetres(c.pixels, c.box, c.paperTenths), c.millimetres)
            << c.pixels << " px, box " << c.box;
}

}  // namespace
