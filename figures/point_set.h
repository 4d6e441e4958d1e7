#pragma once

#include "figures/figure_state.h"
#include "toolkit/indexed_array.h"
#include "toolkit/state.h"

namespace figures {

// The point set of a figure and its fitting into the target box. Point k is element k of
// PointX/PointY (from 1); every index is checked (IndexRangeError outside 0..100).

/// The 16 directions of SetPointAtTableAngle, in degrees, indices 1..16.
extern const toolkit::IndexedArray<double, 1, 16> DirectionAngles;

/// Points 1..n := (0, 0); n = 0 does nothing.
void ClearPoints(Figure& f, int n);
/// Point i := point j + r (cos angle, sin angle), angle in radians.
void SetPointPolar(Figure& f, int i, int j, double r, double angle);
/// Point i-1 := point i + r (cos a, sin a) with a = DirectionAngles[k] degrees.
void SetPointAtTableAngle(Figure& f, int i, int k, double r);
/// The mean of the x coordinates of points i and j.
double MidX(const Figure& f, int i, int j);
/// The mean of the y coordinates of points i and j.
double MidY(const Figure& f, int i, int j);
/// Point k := the midpoint of points i and j.
void SetMidpoint(Figure& f, int k, int i, int j);
/// The distance of points i and j.
double PointDistance(const Figure& f, int i, int j);
/// The distance of points i and j rounded to an integer, halves to the even neighbour.
int PointDistanceRounded(const Figure& f, int i, int j);
/// Point k := the meeting point of the circle of radius r1 about point a and the circle of
/// radius r2 about point b, left of a->b for s = 1, right for s = -1. Tangent circles meet
/// at their touching point; circles that do not meet (or share their centre) throw
/// DegenerateDataError.
void IntersectCircles(Figure& f, int a, int b, int k, int s, double r1, double r2);
/// Point k := the point at distance r from point a on the line y = c (mode 1) or x = c
/// (mode 2), on the side s (+1 or -1); other modes change nothing. Throws DegenerateDataError
/// when the line is farther than r from point a.
void IntersectCircleAxisLine(Figure& f, int a, int k, int s, int mode, double c, double r);

/// The largest of a[1..n], starting from -1e7 (so -1e7 for n = 0).
double ArrayMax(const toolkit::TPointArray& a, int n);
/// The smallest of a[1..n], starting from 1e7 (so 1e7 for n = 0).
double ArrayMin(const toolkit::TPointArray& a, int n);

/// Maps points 1..n into BoxWidth x BoxHeight with one scale for both axes (s = 0 chooses
/// the scale, any other s is used); sets Scale, RangeX, RangeY (unscaled extents). A zero
/// extent fits by the other axis, a single point with scale 1. Throws DegenerateDataError
/// when s = 0 and the box has no positive size.
void FitPointsToBox(Figure& f, int n, double s);
/// Maps points 1..n filling the box in each axis separately; Scale holds the x factor. A
/// zero extent takes the other axis's factor, or 1. Throws DegenerateDataError for a box
/// without positive size.
void FitPointsToBoxStretch(Figure& f, int n);
/// Maps points 1..n with two integer axis factors, the larger a multiple of the smaller;
/// sets AxisFactorX, AxisFactorY, RoundedUnit and the picture extents RangeX, RangeY. A zero
/// extent takes the other axis's factor; a factor is at least 1. Throws DegenerateDataError
/// for a box without positive size.
void FitPointsToBoxRounded(Figure& f, int n);
/// out[1..count] := the sorted distinct values of a[1..n] (at least the minimum and the
/// maximum, so two equal entries when all values are equal); DimensionStopCount := count.
void SortDistinctCoords(Figure& f, int n, toolkit::TPointArray a, toolkit::TPointArray& out);
/// Divides points 1..n by Scale; throws DegenerateDataError when Scale is 0.
void ScalePoints(Figure& f, int n);

/// b != 0.
bool IsNonZeroByte(int b);
/// a != b.
bool BytesDiffer(int a, int b);
/// BaseDigits[1..3] := the three lowest digits of n in base b, least significant first
/// (higher digits are dropped); throws DegenerateDataError for a base below 2.
void ByteToBaseDigits(Figure& f, int n, int b);

}  // namespace figures
