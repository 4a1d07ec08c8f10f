#include "clip/flick_tracker.h"

#include "clip/stage_messages.h"
#include "platform/app/message_pump.h"

#include <cstdlib>

namespace {

// A release whose newest move is this short (client pixels) does not glide.
constexpr int kSlowMove = 5;
// A drag of only one or two moves glides by this per missing move.
constexpr POINT kFillMove{6, 6};
// Sums are scaled down once the view magnifies more than this.
constexpr double kRatioBase = 6.0;
// A rest below this ends the series.
constexpr int kLeastStep = 4;

// Steps of a sum taken a third at a time until less than kLeastStep is left.
template <typename Assign> void Thirds(int sum, Assign assign)
{
    bool ended = false;
    for (int i = 0; i < CFlickTracker::kSteps; ++i) {
        if (ended || std::abs(sum) < kLeastStep) {
            ended = true;
            assign(i, 0);
            continue;
        }
        const int step = sum / 3;
        sum -= step;
        assign(i, step);
    }
}

}  // namespace

CFlickTracker::CFlickTracker(Sender send) : m_send(std::move(send))
{
}

void CFlickTracker::Reset()
{
    m_beginTick = m_endTick = 0;
    m_beginPoint = m_endPoint = POINT{};
    m_pixelRatioX = m_pixelRatioY = 1.0;
    m_pointCount = 0;
    for (POINT& p : m_points)
        p = POINT{};
    for (POINT& m : m_moves)
        m = POINT{};
    m_stepIndex = 0;
    for (POINT& s : m_steps)
        s = POINT{};
    m_firstStep = POINT{};
}

void CFlickTracker::Begin(POINT point, double pixelRatioX, double pixelRatioY)
{
    Reset();
    CheckStop();
    m_beginTick = GetTickCount();
    m_beginPoint = point;
    m_pixelRatioX = pixelRatioX;
    m_pixelRatioY = pixelRatioY;
}

void CFlickTracker::AddPoint(POINT point)
{
    if (m_pointCount == kPoints) {
        for (int i = 1; i < kPoints; ++i)
            m_points[i - 1] = m_points[i];
        for (int i = 1; i < kMoves; ++i)
            m_moves[i - 1] = m_moves[i];
        m_pointCount = kPoints - 1;
    }
    m_points[m_pointCount] = point;
    if (m_pointCount >= 1) {
        const POINT previous = m_points[m_pointCount - 1];
        m_moves[m_pointCount - 1] = POINT{point.x - previous.x, point.y - previous.y};
        // Until more moves come, the later slots hold a move that glides.
        if (m_pointCount == 1)
            m_moves[1] = m_moves[2] = kFillMove;
    }
    ++m_pointCount;
}

void CFlickTracker::End(POINT point)
{
    m_endTick = GetTickCount();
    m_endPoint = point;
    const POINT newest = m_moves[kMoves - 1];
    if (std::abs(newest.x) <= kSlowMove && std::abs(newest.y) <= kSlowMove) {
        Reset();
        return;
    }
    BuildSteps();
    m_stepIndex = 0;
    m_firstStep = NextStep();
    m_send(WM_STAGE_FLICK_START, kPeriod, reinterpret_cast<LPARAM>(&m_firstStep));
}

void CFlickTracker::BuildSteps()
{
    int sx = 0;
    int sy = 0;
    for (const POINT& m : m_moves) {
        sx += m.x;
        sy += m.y;
    }
    const double divisor = m_pixelRatioX / kRatioBase;
    if (divisor > 1.0) {
        sx = static_cast<int>(sx / divisor);
        sy = static_cast<int>(sy / divisor);
    }
    Thirds(sx, [this](int i, int step) { m_steps[i].x = step; });
    Thirds(sy, [this](int i, int step) { m_steps[i].y = step; });
}

POINT CFlickTracker::NextStep()
{
    const POINT step = m_steps[m_stepIndex < kSteps ? m_stepIndex : kSteps - 1];
    ++m_stepIndex;
    return step;
}

void CFlickTracker::CheckStop()
{
    if (m_stepIndex >= kSteps) {
        m_send(WM_STAGE_FLICK_STOP, 0, 0);
        return;
    }
    const POINT next = m_steps[m_stepIndex];
    if (next.x == 0 && next.y == 0)
        m_send(WM_STAGE_FLICK_STOP, 0, 0);
}
