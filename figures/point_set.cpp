#include "figures/point_set.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <utility>

#include "toolkit/errors.h"
#include "toolkit/number_format.h"
#include "toolkit/numerics.h"

namespace figures {
namespace {

// Tangent circles computed in floating point may miss each other by a rounding error.
constexpr double kTangentTolerance = 1e-9;

toolkit::IndexedArray<double, 1, 16> MakeDirectionAngles() {
  const double degrees[] = {0,   30,  45,  60,  90,  120, 135, 150,
                            180, 210, 225, 240, 270, 300, 315, 330};
  toolkit::IndexedArray<double, 1, 16> table;
  for (int k = 1; k <= 16; ++k) table[k] = degrees[k - 1];
  return table;
}

void RequireBox(const Figure& f) {
  if (f.BoxWidth <= 0 || f.BoxHeight <= 0) {
    throw toolkit::DegenerateDataError("the target box " + std::to_string(f.BoxWidth) + " x " +
                                       std::to_string(f.BoxHeight) + " has no positive size");
  }
}

// Shifts points 1..n so that their minima land on 0 and multiplies each axis by its factor.
void ShiftAndScale(Figure& f, int n, double min_x, double min_y, double fx, double fy) {
  for (int k = 1; k <= n; ++k) {
    f.PointX[k] = (f.PointX[k] - min_x) * fx;
    f.PointY[k] = (f.PointY[k] - min_y) * fy;
  }
}

}  // namespace

const toolkit::IndexedArray<double, 1, 16> DirectionAngles = MakeDirectionAngles();

void ClearPoints(Figure& f, int n) {
  for (int k = 1; k <= n; ++k) {
    f.PointX[k] = 0;
    f.PointY[k] = 0;
  }
}

void SetPointPolar(Figure& f, int i, int j, double r, double angle) {
  const double x = f.PointX[j] + r * std::cos(angle);
  const double y = f.PointY[j] + r * std::sin(angle);
  f.PointX[i] = x;
  f.PointY[i] = y;
}

void SetPointAtTableAngle(Figure& f, int i, int k, double r) {
  const double a = DirectionAngles[k] * std::numbers::pi * (1.0 / 180);
  f.PointX[i - 1] = f.PointX[i] + r * std::cos(a);
  f.PointY[i - 1] = f.PointY[i] + r * std::sin(a);
}

double MidX(const Figure& f, int i, int j) { return (f.PointX[i] + f.PointX[j]) * 0.5; }

double MidY(const Figure& f, int i, int j) { return (f.PointY[i] + f.PointY[j]) * 0.5; }

void SetMidpoint(Figure& f, int k, int i, int j) {
  const double x = MidX(f, i, j);
  const double y = MidY(f, i, j);
  f.PointX[k] = x;
  f.PointY[k] = y;
}

double PointDistance(const Figure& f, int i, int j) {
  return toolkit::Hypot(f.PointX[i] - f.PointX[j], f.PointY[i] - f.PointY[j]);
}

int PointDistanceRounded(const Figure& f, int i, int j) {
  return static_cast<int>(toolkit::RoundHalfEven(PointDistance(f, i, j)));
}

void IntersectCircles(Figure& f, int a, int b, int k, int s, double r1, double r2) {
  const double d = PointDistance(f, a, b);
  if (d == 0 || r1 == 0) {
    throw toolkit::DegenerateDataError(
        "the circles about points " + std::to_string(a) + " and " + std::to_string(b) +
        (d == 0 ? " share their centre" : " include one of radius 0"));
  }
  const double ux = (f.PointX[b] - f.PointX[a]) / d;
  const double uy = (f.PointY[b] - f.PointY[a]) / d;
  double c = (d * d + r1 * r1 - r2 * r2) / (2 * r1 * d);
  if (std::fabs(c) > 1 && std::fabs(c) <= 1 + kTangentTolerance) c = c > 0 ? 1 : -1;
  if (std::fabs(c) > 1) {
    throw toolkit::DegenerateDataError("the circles about points " + std::to_string(a) + " and " +
                                       std::to_string(b) + " do not meet");
  }
  const double sn = toolkit::SqrtDiffSquares(1, c);
  const double x = f.PointX[a] + r1 * (ux * c - uy * sn * s);
  const double y = f.PointY[a] + r1 * (uy * c + ux * sn * s);
  f.PointX[k] = x;
  f.PointY[k] = y;
}

void IntersectCircleAxisLine(Figure& f, int a, int k, int s, int mode, double c, double r) {
  if (mode == 1) {
    const double x = f.PointX[a] + s * toolkit::SqrtDiffSquares(r, c - f.PointY[a]);
    f.PointY[k] = c;
    f.PointX[k] = x;
  } else if (mode == 2) {
    const double y = f.PointY[a] + s * toolkit::SqrtDiffSquares(r, c - f.PointX[a]);
    f.PointX[k] = c;
    f.PointY[k] = y;
  }
}

double ArrayMax(const toolkit::TPointArray& a, int n) { return toolkit::ArrayMaxOrMin(n, a, 'a'); }

double ArrayMin(const toolkit::TPointArray& a, int n) { return toolkit::ArrayMaxOrMin(n, a, 'i'); }

namespace {

// The lower-left corner of points 1..n; sets RangeX and RangeY to their extents.
std::pair<double, double> MeasureExtent(Figure& f, int n) {
  const double min_x = ArrayMin(f.PointX, n);
  const double min_y = ArrayMin(f.PointY, n);
  f.RangeX = ArrayMax(f.PointX, n) - min_x;
  f.RangeY = ArrayMax(f.PointY, n) - min_y;
  return {min_x, min_y};
}

}  // namespace

void FitPointsToBox(Figure& f, int n, double s) {
  const auto [min_x, min_y] = MeasureExtent(f, n);
  if (s != 0) {
    f.Scale = s;
  } else {
    RequireBox(f);
    const double ratio = static_cast<double>(f.BoxWidth) / f.BoxHeight;
    if (f.RangeX == 0 && f.RangeY == 0) {
      f.Scale = 1;  // a single point has no extent to fit
    } else if (ratio * f.RangeY > f.RangeX) {
      f.Scale = f.BoxHeight / f.RangeY;
    } else {
      f.Scale = f.BoxWidth / f.RangeX;
    }
  }
  ShiftAndScale(f, n, min_x, min_y, f.Scale, f.Scale);
}

void FitPointsToBoxStretch(Figure& f, int n) {
  RequireBox(f);
  const auto [min_x, min_y] = MeasureExtent(f, n);
  double fx = f.RangeX != 0 ? f.BoxWidth / f.RangeX : 0;
  double fy = f.RangeY != 0 ? f.BoxHeight / f.RangeY : 0;
  if (fx == 0) fx = fy;
  if (fy == 0) fy = fx;
  if (fx == 0) fx = fy = 1;
  f.Scale = fx;
  ShiftAndScale(f, n, min_x, min_y, fx, fy);
}

void FitPointsToBoxRounded(Figure& f, int n) {
  RequireBox(f);
  const auto [min_x, min_y] = MeasureExtent(f, n);
  double fx = f.RangeX != 0 ? toolkit::RoundHalfEven(f.BoxWidth / f.RangeX) : 0;
  double fy = f.RangeY != 0 ? toolkit::RoundHalfEven(f.BoxHeight / f.RangeY) : 0;
  if (f.RangeX == 0) fx = fy;
  if (f.RangeY == 0) fy = fx;
  // A figure much larger than its box would round a factor to 0 and collapse.
  f.AxisFactorX = std::max(fx, 1.0);
  f.AxisFactorY = std::max(fy, 1.0);
  if (f.AxisFactorX > f.AxisFactorY) {
    f.AxisFactorX = toolkit::RoundHalfEven(f.AxisFactorX / f.AxisFactorY) * f.AxisFactorY;
    f.RoundedUnit = f.AxisFactorY;
  } else {
    f.AxisFactorY = toolkit::RoundHalfEven(f.AxisFactorY / f.AxisFactorX) * f.AxisFactorX;
    f.RoundedUnit = f.AxisFactorX;
  }
  ShiftAndScale(f, n, min_x, min_y, f.AxisFactorX, f.AxisFactorY);
  f.RangeX = ArrayMax(f.PointX, n);
  f.RangeY = ArrayMax(f.PointY, n);
}

void SortDistinctCoords(Figure& f, int n, toolkit::TPointArray a, toolkit::TPointArray& out) {
  out[1] = toolkit::ArrayMaxOrMin(n, a, 'i');
  out[2] = toolkit::ArrayMaxOrMin(n, a, 'a');
  int count = 2;
  for (int i = 1; i <= n; ++i) {
    const int m = count;
    // out[m] is the maximum, so no value fits above it: j stops at m - 1 and never reads
    // beyond the sorted entries.
    for (int j = 1; j < m; ++j) {
      if (out[j] < a[i] && a[i] < out[j + 1]) {
        for (int t = count; t >= j + 1; --t) out[t + 1] = out[t];
        out[j + 1] = a[i];
        ++count;
        break;
      }
    }
  }
  f.DimensionStopCount = count;
}

void ScalePoints(Figure& f, int n) {
  if (f.Scale == 0) throw toolkit::DegenerateDataError("points cannot be divided by Scale 0");
  for (int i = 1; i <= n; ++i) {
    f.PointX[i] = f.PointX[i] / f.Scale;
    f.PointY[i] = f.PointY[i] / f.Scale;
  }
}

bool IsNonZeroByte(int b) { return b != 0; }

bool BytesDiffer(int a, int b) { return a != b; }

void ByteToBaseDigits(Figure& f, int n, int b) {
  if (b < 2) throw toolkit::DegenerateDataError("digits in base " + std::to_string(b));
  n &= 0xFF;  // a byte, as the callers' values are
  f.BaseDigits.Fill(0);
  int k = 1;
  do {
    f.BaseDigits[k] = static_cast<std::uint8_t>(n % b);
    n /= b;
    ++k;
  } while (n != 0 && k <= 3);
}

}  // namespace figures
