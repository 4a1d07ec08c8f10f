#include "clip/flick_tracker.h"

#include "clip/stage_messages.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

struct Sent {
    UINT message;
    WPARAM wParam;
    POINT step;  // the step the start message carries, (0, 0) for none
};

class FlickTrackerTest : public testing::Test {
protected:
    std::vector<Sent> sent;
    CFlickTracker tracker{[this](UINT message, WPARAM wParam, LPARAM lParam) {
        const auto* step = reinterpret_cast<const POINT*>(lParam);
        sent.push_back(Sent{message, wParam, step ? *step : POINT{}});
        return LRESULT{0};
    }};

    // A press at (100, 100) and moves by d each, then the release where the last move ended.
    void Flick(POINT d, int moves, double ratio = 1.0)
    {
        POINT p{100, 100};
        tracker.Begin(p, ratio, ratio);
        tracker.AddPoint(p);
        for (int i = 0; i < moves; ++i) {
            p = POINT{p.x + d.x, p.y + d.y};
            tracker.AddPoint(p);
        }
        sent.clear();
        tracker.End(p);
    }
    // Runs the glide as the timer would: the first step went with the start message.
    std::vector<POINT> Glide()
    {
        std::vector<POINT> steps;
        if (sent.empty() || sent[0].message != WM_STAGE_FLICK_START)
            return steps;
        steps.push_back(sent[0].step);
        for (int tick = 0; tick < 20; ++tick) {
            if (sent.back().message == WM_STAGE_FLICK_STOP)
                break;
            steps.push_back(tracker.NextStep());
            tracker.CheckStop();
        }
        return steps;
    }
    static std::vector<int> Xs(const std::vector<POINT>& steps)
    {
        std::vector<int> xs;
        for (const POINT& s : steps)
            xs.push_back(static_cast<int>(s.x));
        return xs;
    }
};

TEST_F(FlickTrackerTest, GlideTakesThirdsUntilLessThanFourIsLeftAndStopsAtTheFirstZeroStep)
{
    struct Case {
        const char* name;
        POINT move;
        int moves;
        double ratio;
        std::vector<int> xs;
    };
    const Case cases[] = {
        {"three 30-pixel moves", {30, 0}, 3, 1.0, {30, 20, 13, 9, 6, 4, 2, 2, 1}},
        {"many moves keep the last three", {30, 0}, 7, 1.0, {30, 20, 13, 9, 6, 4, 2, 2, 1}},
        {"ratio 12 halves the sums", {30, 0}, 3, 12.0, {15, 10, 6, 4, 3, 2, 1, 1}},
        {"ratio 6 leaves them", {30, 0}, 3, 6.0, {30, 20, 13, 9, 6, 4, 2, 2, 1}},
        {"leftwards", {-30, 0}, 3, 1.0, {-30, -20, -13, -9, -6, -4, -2, -2, -1}},
        // One move of 9: 9 + 6 + 6 = 21 (the glide goes down too: 12).
        {"one move glides with two fill moves", {9, 0}, 1, 1.0, {7, 4, 3, 2, 1, 1}},
        // Two moves of 9: 9 + 9 + 6 = 24.
        {"two moves glide with one fill move", {9, 0}, 2, 1.0, {8, 5, 3, 2, 2, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Flick(c.move, c.moves, c.ratio);
        const std::vector<POINT> steps = Glide();
        EXPECT_EQ(Xs(steps), c.xs);
        ASSERT_FALSE(sent.empty());
        EXPECT_EQ(sent.front().message, static_cast<UINT>(WM_STAGE_FLICK_START));
        EXPECT_EQ(sent.front().wParam, 100u);
        EXPECT_EQ(sent.back().message, static_cast<UINT>(WM_STAGE_FLICK_STOP));
    }
}

TEST_F(FlickTrackerTest, FillMovesGlideBothWays)
{
    // One move of (0, 0): the fill moves alone glide, (12, 12) in all.
    Flick(POINT{0, 0}, 1);
    const std::vector<POINT> steps = Glide();
    ASSERT_GE(steps.size(), 2u);
    EXPECT_EQ(steps[0].x, 4);
    EXPECT_EQ(steps[0].y, 4);
}

TEST_F(FlickTrackerTest, ASlowLastMoveOrNoMoveDoesNotGlide)
{
    struct Case {
        const char* name;
        POINT last;
        int moves;
    };
    const Case cases[] = {
        {"newest move of 5 in both directions", {5, -5}, 3},
        {"newest move of 0", {0, 0}, 4},
        {"no move at all", {0, 0}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        POINT p{100, 100};
        tracker.Begin(p, 1.0, 1.0);
        tracker.AddPoint(p);
        for (int i = 0; i + 1 < c.moves; ++i) {
            p = POINT{p.x + 40, p.y + 40};
            tracker.AddPoint(p);
        }
        if (c.moves > 0) {
            p = POINT{p.x + c.last.x, p.y + c.last.y};
            tracker.AddPoint(p);
        }
        sent.clear();
        tracker.End(p);
        EXPECT_TRUE(sent.empty());
        EXPECT_EQ(tracker.PointCount(), 0);
    }
}

TEST_F(FlickTrackerTest, APressStopsARunningGlideAndTheStepsEndAfterTwelve)
{
    Flick(POINT{30, 0}, 3);
    ASSERT_EQ(sent.size(), 1u);
    sent.clear();
    tracker.Begin(POINT{0, 0}, 1.0, 1.0);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].message, static_cast<UINT>(WM_STAGE_FLICK_STOP));

    // Past the twelfth step the last one repeats and every check stops.
    Flick(POINT{4000, 0}, 3);
    for (int i = 1; i < CFlickTracker::kSteps; ++i)
        tracker.NextStep();
    const POINT last = tracker.StepAt(CFlickTracker::kSteps - 1);
    EXPECT_NE(last.x, 0);
    sent.clear();
    EXPECT_EQ(tracker.NextStep().x, last.x);
    tracker.CheckStop();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].message, static_cast<UINT>(WM_STAGE_FLICK_STOP));
}

}  // namespace
