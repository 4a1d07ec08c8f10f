// Number, point and rectangle arithmetic with the program's conventions:
// point tests include every edge, halves round upwards, clamps take the
// bounds first. RECT keeps its exclusive right and bottom edge wherever
// rectangles intersect.
#pragma once

#include "platform/types/types.h"

#include <cstdint>

// Nearest integer; an exact half rounds upwards (2.5 -> 3, -2.5 -> -2).
// Values beyond the int range saturate; NaN gives 0.
int RoundToInt(double x);
// Nearest integer; an exact half rounds away from zero (2.5 -> 3, -2.5 -> -3).
int RoundHalfAway(double value);
// a itself when it is a multiple of unit, else the next multiple above.
std::int64_t RoundUpToMultiple(std::int64_t a, std::int64_t unit);

int ClampInt(int low, int high, int v);
UINT ClampUInt(UINT low, UINT high, UINT v);
BYTE ClampByte(BYTE low, BYTE high, BYTE v);
int IsInRange(int low, int high, int v);
int IsNear(int a, int b, int tolerance);

// Sorts ascending (flag 1) or descending (flag 0). Values lie in
// 0..0x7FFFFFFF and 0..0x7FFF respectively.
void SortInts(int* values, int count, int ascending);
void SortShorts(std::uint16_t* values, int count, int ascending);

int PtInRectInclusive(const RECT& r, POINT p);
int PtInBounds(int left, int top, int right, int bottom, int x, int y);
// Strictly within d of (x0, y0) on both axes.
int IsPointNear(int x0, int y0, int x, int y, int d);

// Outcode bits of a point outside a rectangle (edges count as inside).
inline constexpr int kOutLeft = 1;
inline constexpr int kOutAbove = 2;
inline constexpr int kOutRight = 4;
inline constexpr int kOutBelow = 8;
int GetPointOutcode(const RECT& r, POINT p);

POINT GetRectCenter(const RECT& r);
SIZE GetRectSize(const RECT& r);
SIZE GetRectHalfSize(const RECT& r);
void NormalizeRectInPlace(RECT& r);
RECT MakeRectFromPoints(POINT a, POINT b);
// Grows the rectangle; a left or top edge below 0 is raised to 0.
RECT InflateRectClamped(const RECT& r, int dx, int dy);
RECT InflateRectClamped4(const RECT& r, int left, int top, int right, int bottom);

// Side codes of GetRectOverlap.
inline constexpr int kSideLeft = 1;
inline constexpr int kSideTop = 2;
inline constexpr int kSideRight = 4;
inline constexpr int kSideBottom = 8;
// How far a reaches into b across the side; 0 when they do not intersect.
int GetRectOverlap(int side, const RECT& a, const RECT& b);

// The size, shrunk to fit when larger, centred in the area. An empty area
// gives an empty rectangle at its top-left corner.
RECT FitSizeInRect(const RECT& area, SIZE size);

// Moves the rectangle (x1, y1, x2, y2) into the area without resizing it;
// one larger than the area ends flush with the far edge.
RECT ClampRectToArea(
    int areaLeft, int areaTop, int areaRight, int areaBottom, int x1, int y1, int x2, int y2);

// The screen figures the visibility tests compare with.
struct VisibilityMetrics {
    int screenWidth = 0;
    int captionHeight = 0;
};
// The outer rectangle is on screen and holds the inner one strictly
// (edges may touch in the inclusive form).
int IsRectAroundAndVisible(const RECT& outer, const RECT& inner, const VisibilityMetrics& metrics);
int IsRectAroundAndVisibleInclusive(const RECT& outer, const RECT& inner, const VisibilityMetrics& metrics);
// The same with the screen width and caption height the frame cached.
int IsRectAroundAndVisible(const RECT& outer, const RECT& inner);
int IsRectAroundAndVisibleInclusive(const RECT& outer, const RECT& inner);
