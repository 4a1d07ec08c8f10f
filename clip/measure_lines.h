// The measure tool's lines: up to a fixed count of straight lines on the
// image, their end points in measure units (an image pixel times 10000 plus
// the fraction of that pixel in 1/10000), with the length, hit-test and drag
// arithmetic. No window, no drawing.
//
// Every operation that takes a line index does nothing (or answers as for an
// unset line) when the index is negative or at or past the count.
#pragma once

#include "clip/stage_measure_lines.h"
#include "platform/types/types.h"

#include <cstdint>
#include <vector>

// A mouse position as the stage passes it: the image pixel, the offsets of
// the mouse inside the magnified pixel (client pixels) and the client pixels
// per image pixel.
struct MeasurePoint {
    int x = -1;
    int y = -1;
    double fx = 0.0;
    double fy = 0.0;
    double zx = 1.0;
    double zy = 1.0;
};

// The point in measure units: with zx > 1 the fraction inside the pixel,
// otherwise the pixel's centre.
POINT MeasureUnitsOf(const MeasurePoint& p);

// What a hit test found.
enum MeasureHitKind : std::uint8_t {
    kMeasureHitNone = 0,
    kMeasureHitStart = 1,
    kMeasureHitEnd = 2,
    kMeasureHitLine = 3,
};

struct MeasureSelection {
    std::uint8_t hitKind = kMeasureHitNone;
    int selected = -1;
};

class CMeasureLines {
public:
    CMeasureLines(int count, int imageWidth, int imageHeight);

    int Count() const { return m_count; }
    void SetScale(int pixelRange, int unitRange);
    // New bounds for valid points (the lines themselves stay).
    void SetImageSize(int width, int height);

    // end 1 start, 2 end: the point in measure units, (-1, -1) when unset.
    POINT GetPoint(int i, int end) const;
    // Lengths in user units.
    double GetLength(int i) const;
    double GetSelectedLength() const;
    double GetLengthToPoint(int i, const MeasurePoint& p) const;
    // Both points' pixels lie below the image width and height.
    bool IsInsideImage(int i) const;

    void ClearLine(int i);
    void ClearAll();
    // Forgets where a whole line was grabbed.
    void ClearMarks();
    void SetSelection(std::uint8_t hitKind, int i);
    MeasureSelection GetSelection() const { return {m_hitKind, m_selected}; }

    // end 1: the selected line's start (hit kind becomes 2), 2: its end.
    void SetPoint(int end, const MeasurePoint& p);
    void SwapEndpoints(int i);
    // The first line whose start, end (inside the box a..b) or body lies at
    // p; its index (also selected, with the hit kind), or -1.
    int HitTest(const MeasurePoint& p, const MeasurePoint& a, const MeasurePoint& b);
    // Moves the selected line whole with the mouse, never out of the image.
    void MoveSelectedLine(const MeasurePoint& p);
    // The point for drawing: its pixel and its fraction in client pixels.
    MeasureDrawPoint GetDrawPoint(int i, int end, double scaleX, double scaleY) const;

    // The grab point (pixel x, y, fraction x, y), for tests.
    struct Grab {
        int x = -1;
        int y = -1;
        int fx = -1;
        int fy = -1;
    };
    Grab GrabPoint() const { return m_grab; }

private:
    struct Coord {
        int pixel = -1;
        int fraction = -1;
    };
    struct End {
        Coord x, y;
    };
    struct Line {
        End start, end;
    };

    bool Valid(int i) const { return i >= 0 && i < m_count; }
    static bool IsSet(const End& e) { return !(e.x.pixel == -1 && e.y.pixel == -1); }
    static POINT Units(const End& e);
    double Length(POINT a, POINT b) const;
    bool HitsLineBody(const Line& line, POINT p, double zx) const;

    int m_pixelRange = 100;
    int m_unitRange = 100;
    int m_width = 0;
    int m_height = 0;
    int m_count = 0;
    int m_selected = -1;
    std::uint8_t m_hitKind = kMeasureHitNone;
    std::vector<Line> m_lines;
    Grab m_grab;
};
