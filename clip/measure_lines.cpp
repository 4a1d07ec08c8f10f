#include "clip/measure_lines.h"

#include <cmath>
#include <cstdlib>
#include <utility>

namespace {

constexpr int kUnit = 10000;

// The mouse's offset inside a magnified pixel in 1/10000 of that pixel.
int FractionTerm(double offset, double zoom)
{
    if (!(zoom > 0.0))
        return 0;
    return static_cast<int>(std::trunc(offset / zoom * kUnit));
}

// Truncates, then moves a remainder of at least one half away from zero;
// a negative half stays with the truncated value.
long long RoundHalf(double v)
{
    const long long r = static_cast<long long>(std::trunc(v));
    const double rest = v - static_cast<double>(r);
    if (rest >= 0.5)
        return r + 1;
    if (rest < -0.5)
        return r - 1;
    return r;
}

bool InBox(POINT p, POINT a, POINT b)
{
    return p.x >= a.x && p.x <= b.x && p.y >= a.y && p.y <= b.y;
}

bool InSpan(long long v, long long a, long long b)
{
    return v >= std::min(a, b) && v <= std::max(a, b);
}

bool StrictlyBetween(long long v, long long a, long long b)
{
    return v > std::min(a, b) && v < std::max(a, b);
}

// Offsets one coordinate by its deltas with the fraction's carry; false when
// the pixel leaves 0..limit-1.
bool OffsetCoord(int& pixel, int& fraction, int dPixel, int dFraction, int limit)
{
    int f = fraction + dFraction;
    int carry = 0;
    if (f < 0) {
        f += kUnit;
        carry = -1;
    } else if (f >= kUnit) {
        f -= kUnit;
        carry = 1;
    }
    const int p = pixel + dPixel + carry;
    if (p < 0 || p >= limit)
        return false;
    pixel = p;
    fraction = f;
    return true;
}

}  // namespace

POINT MeasureUnitsOf(const MeasurePoint& p)
{
    if (p.zx > 1.0)
        return POINT{p.x * kUnit + FractionTerm(p.fx, p.zx), p.y * kUnit + FractionTerm(p.fy, p.zy)};
    return POINT{p.x * kUnit + kUnit / 2, p.y * kUnit + kUnit / 2};
}

CMeasureLines::CMeasureLines(int count, int imageWidth, int imageHeight)
    : m_width(imageWidth), m_height(imageHeight), m_count(count > 0 ? count : 0), m_lines(m_count)
{
}

void CMeasureLines::SetScale(int pixelRange, int unitRange)
{
    m_pixelRange = pixelRange;
    m_unitRange = unitRange;
}

void CMeasureLines::SetImageSize(int width, int height)
{
    m_width = width;
    m_height = height;
}

POINT CMeasureLines::Units(const End& e)
{
    if (!IsSet(e))
        return POINT{-1, -1};
    return POINT{e.x.pixel * kUnit + e.x.fraction, e.y.pixel * kUnit + e.y.fraction};
}

POINT CMeasureLines::GetPoint(int i, int end) const
{
    if (!Valid(i) || (end != 1 && end != 2))
        return POINT{-1, -1};
    return Units(end == 1 ? m_lines[i].start : m_lines[i].end);
}

double CMeasureLines::Length(POINT a, POINT b) const
{
    if (m_pixelRange <= 0)
        return 0.0;
    const long long dx = std::llabs(static_cast<long long>(a.x) - b.x);
    const long long dy = std::llabs(static_cast<long long>(a.y) - b.y);
    double d;
    if (dx == 0)
        d = static_cast<double>(dy);
    else if (dy == 0)
        d = static_cast<double>(dx);
    else
        d = static_cast<double>(dx) / std::cos(std::atan(static_cast<double>(dy) / static_cast<double>(dx)));
    const double ratio = static_cast<double>(m_unitRange) / static_cast<double>(m_pixelRange);
    return ratio * d / kUnit;
}

double CMeasureLines::GetLength(int i) const
{
    if (!Valid(i))
        return 0.0;
    return Length(GetPoint(i, 1), GetPoint(i, 2));
}

double CMeasureLines::GetSelectedLength() const
{
    return GetLength(m_selected);
}

double CMeasureLines::GetLengthToPoint(int i, const MeasurePoint& p) const
{
    if (!Valid(i))
        return 0.0;
    return Length(GetPoint(i, 1), MeasureUnitsOf(p));
}

bool CMeasureLines::IsInsideImage(int i) const
{
    if (!Valid(i))
        return false;
    const Line& l = m_lines[i];
    return l.start.x.pixel < m_width && l.start.y.pixel < m_height && l.end.x.pixel < m_width &&
        l.end.y.pixel < m_height;
}

void CMeasureLines::ClearLine(int i)
{
    if (Valid(i))
        m_lines[i] = Line{};
}

void CMeasureLines::ClearAll()
{
    for (Line& l : m_lines)
        l = Line{};
}

void CMeasureLines::ClearMarks()
{
    m_grab = Grab{};
}

void CMeasureLines::SetSelection(std::uint8_t hitKind, int i)
{
    m_hitKind = hitKind;
    m_selected = i;
}

void CMeasureLines::SetPoint(int end, const MeasurePoint& p)
{
    if (!Valid(m_selected) || (end != 1 && end != 2))
        return;
    End e;
    e.x.pixel = p.x;
    e.y.pixel = p.y;
    e.x.fraction = p.zx > 1.0 ? FractionTerm(p.fx, p.zx) : kUnit / 2;
    e.y.fraction = p.zx > 1.0 ? FractionTerm(p.fy, p.zy) : kUnit / 2;
    Line& l = m_lines[m_selected];
    if (end == 1) {
        l.start = e;
        m_hitKind = kMeasureHitEnd;
    } else {
        l.end = e;
    }
}

void CMeasureLines::SwapEndpoints(int i)
{
    if (Valid(i))
        std::swap(m_lines[i].start, m_lines[i].end);
}

bool CMeasureLines::HitsLineBody(const Line& line, POINT p, double zx) const
{
    POINT s = Units(line.start);
    POINT e = Units(line.end);
    if (e.x < s.x)
        std::swap(s, e);
    // Three client pixels in measure units.
    const long long t = zx > 0.0 ? static_cast<long long>(std::trunc(30000.0 / zx)) : 0;
    const long long px = p.x, py = p.y, sx = s.x, sy = s.y, ex = e.x, ey = e.y;
    if (sx == ex)
        return std::llabs(px - sx) <= t && StrictlyBetween(py, sy, ey);
    if (sy == ey)
        return std::llabs(py - sy) <= t && sx < px && px < ex;
    const bool inRect = InSpan(px, sx, ex) && InSpan(py, sy, ey);
    if (std::llabs(ex - sx) < std::llabs(ey - sy)) {
        const double slope = static_cast<double>(ex - sx) / static_cast<double>(ey - sy);
        const long long l = RoundHalf(slope * static_cast<double>(py - sy) + static_cast<double>(sx));
        return std::llabs(px - l) <= t && inRect;
    }
    const double slope = static_cast<double>(ey - sy) / static_cast<double>(ex - sx);
    const long long l = RoundHalf(slope * static_cast<double>(px - sx) + static_cast<double>(sy));
    return std::llabs(py - l) <= t && inRect;
}

int CMeasureLines::HitTest(const MeasurePoint& p, const MeasurePoint& a, const MeasurePoint& b)
{
    m_selected = -1;
    m_hitKind = kMeasureHitNone;
    const auto units = [](const MeasurePoint& m) {
        return POINT{m.x * kUnit + FractionTerm(m.fx, m.zx), m.y * kUnit + FractionTerm(m.fy, m.zy)};
    };
    const POINT lo = units(a);
    const POINT hi = units(b);
    const POINT pu = units(p);
    for (int i = 0; i < m_count; ++i) {
        const Line& line = m_lines[i];
        if (line.start.x.pixel == -1)
            continue;
        if (InBox(Units(line.start), lo, hi)) {
            SetSelection(kMeasureHitStart, i);
            return i;
        }
        if (InBox(Units(line.end), lo, hi)) {
            SetSelection(kMeasureHitEnd, i);
            return i;
        }
        if (IsSet(line.end) && HitsLineBody(line, pu, p.zx)) {
            SetSelection(kMeasureHitLine, i);
            m_grab = Grab{p.x, p.y, FractionTerm(p.fx, p.zx), FractionTerm(p.fy, p.zy)};
            return i;
        }
    }
    return -1;
}

void CMeasureLines::MoveSelectedLine(const MeasurePoint& p)
{
    if (!Valid(m_selected) || (m_grab.x == -1 && m_grab.y == -1))
        return;
    const int fx = p.zx > 1.0 ? FractionTerm(p.fx, p.zx) : 0;
    const int fy = p.zx > 1.0 ? FractionTerm(p.fy, p.zy) : 0;
    const int dx = p.x - m_grab.x;
    const int dy = p.y - m_grab.y;
    const int dfx = fx - m_grab.fx;
    const int dfy = fy - m_grab.fy;
    if (dx == 0 && dy == 0 && dfx == 0 && dfy == 0)
        return;
    // The grab point follows the mouse even when the line cannot.
    m_grab = Grab{p.x, p.y, fx, fy};

    Line& line = m_lines[m_selected];
    Line moved = line;
    if (!OffsetCoord(moved.start.x.pixel, moved.start.x.fraction, dx, dfx, m_width) ||
        !OffsetCoord(moved.start.y.pixel, moved.start.y.fraction, dy, dfy, m_height) ||
        !OffsetCoord(moved.end.x.pixel, moved.end.x.fraction, dx, dfx, m_width) ||
        !OffsetCoord(moved.end.y.pixel, moved.end.y.fraction, dy, dfy, m_height))
        return;

    // The line's direction and signed length before the move carry the new
    // end; the offset end above serves only as the bounds check.
    const POINT s = Units(line.start);
    const POINT e = Units(line.end);
    double angle;
    double length;
    if (s.x == e.x) {
        angle = 1.570796325;
        length = static_cast<double>(s.y) - e.y;
    } else if (s.y == e.y) {
        angle = 0.0;
        length = static_cast<double>(s.x) - e.x;
    } else {
        angle = std::atan((static_cast<double>(s.y) - e.y) / (static_cast<double>(s.x) - e.x));
        length = (static_cast<double>(s.x) - e.x) / std::cos(angle);
    }
    const double startX = static_cast<double>(moved.start.x.pixel) * kUnit + moved.start.x.fraction;
    const double startY = static_cast<double>(moved.start.y.pixel) * kUnit + moved.start.y.fraction;
    const long long endX = static_cast<long long>(std::trunc(startX - length * std::cos(angle)));
    const long long endY = static_cast<long long>(std::trunc(startY - length * std::sin(angle)));
    // A rounding step below zero would give a negative pixel and fraction.
    if (endX < 0 || endY < 0 || endX / kUnit >= m_width || endY / kUnit >= m_height)
        return;
    moved.end.x = Coord{static_cast<int>(endX / kUnit), static_cast<int>(endX % kUnit)};
    moved.end.y = Coord{static_cast<int>(endY / kUnit), static_cast<int>(endY % kUnit)};
    line = moved;
}

MeasureDrawPoint CMeasureLines::GetDrawPoint(int i, int end, double scaleX, double scaleY) const
{
    MeasureDrawPoint d;
    if (!Valid(i) || (end != 1 && end != 2))
        return d;
    const End& e = end == 1 ? m_lines[i].start : m_lines[i].end;
    d.pixel = POINT{e.x.pixel, e.y.pixel};
    d.offset = POINT{static_cast<int>(std::trunc(e.x.fraction / static_cast<double>(kUnit) * scaleX)),
        static_cast<int>(std::trunc(e.y.fraction / static_cast<double>(kUnit) * scaleY))};
    return d;
}
