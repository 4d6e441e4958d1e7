#include "figures/dimensions.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "toolkit/errors.h"
#include "toolkit/number_format.h"
#include "toolkit/writers.h"

namespace figures {
namespace {

// Stops closer than this are one stop for the labels of DrawDimensionChains.
constexpr double kSameStop = 1e-8;

void RequireDivisor(double divisor, const char* what) {
  if (divisor == 0) {
    throw toolkit::DegenerateDataError(std::string("dimension lengths divided by ") + what + " 0");
  }
}

double TrueLength(double length, double divisor, const char* what) {
  RequireDivisor(divisor, what);
  return length / divisor;
}

void HorizontalLines(Figure& f, double x1, double x2, double y) {
  DrawLineBySlope(f, x1, y + 1, 0, -1, 2);
  DrawLineBySlope(f, x2, y + 1, 0, -1, 2);
  DrawLineBySlope(f, x1, y, 1, 0, x2 - x1);
}

void VerticalLines(Figure& f, double x, double y1, double y2) {
  DrawLineBySlope(f, x - 1, y1, 1, 0, 2);
  DrawLineBySlope(f, x - 1, y2, 1, 0, 2);
  DrawLineBySlope(f, x, y1, 0, 1, y2 - y1);
}

// Base line and upward ticks of a horizontal chain over the stops 1..count.
void ChainLines(Figure& f, const toolkit::TPointArray& stops, int count, double x_from, double y) {
  DrawSegment(f, x_from, y, stops[count], y);
  for (int j = 1; j <= count; ++j) DrawSegment(f, stops[j], y, stops[j], y + 2);
}

}  // namespace

void DrawDimensionH(Figure& f, double x1, double x2, double y) {
  if (x1 == x2) return;
  const double value = TrueLength(std::fabs(x2 - x1), f.Scale, "Scale");
  HorizontalLines(f, x1, x2, y);
  PutValueLabel(f, (x1 + x2) / 2 - 3, y + 2, value);
}

void DrawDimensionHValue(Figure& f, double x1, double x2, double y, double v) {
  HorizontalLines(f, x1, x2, y);
  PutValueLabel(f, (x1 + x2) / 2 - 3, y + 2, v);
}

void DrawDimensionHText(Figure& f, std::string_view text, double x1, double x2, double y) {
  HorizontalLines(f, x1, x2, y);
  PutLabel(f, text, (x1 + x2) / 2 - 3, y + 2);
}

void DrawDimensionV(Figure& f, int k, double y1, double y2, double x) {
  if (y1 == y2) return;
  const double value = TrueLength(std::fabs(y2 - y1), f.Scale, "Scale");
  toolkit::WriteLine(f, "%");
  toolkit::WriteLine(f, "% размер по вертикали BEG");
  const double xd = f.DimensionXFixed ? x : f.Scale * x + 15;
  VerticalLines(f, xd, y1, y2);
  PutValueLabel(f, xd + 2 - 6 * (k + 1), (y1 + y2) / 2 - 3, value);
  toolkit::WriteLine(f, "%");
  toolkit::WriteLine(f, "% размер по вертикали END");
}

void DrawDimensionVValue(Figure& f, int o, double x, double y1, double y2, double v) {
  VerticalLines(f, x, y1, y2);
  PutValueLabel(f, x + o, (y1 + y2) / 2 - 3, v);
}

void DrawDimensionVText(Figure& f, std::string_view text, double x, double y1, double y2) {
  VerticalLines(f, x, y1, y2);
  PutLabel(f, text, x + 2, (y1 + y2) / 2 - 3);
}

void DrawDimensionChainX(Figure& f, int n, double y, double s) {
  RequireDivisor(s, "the divisor");
  SortDistinctCoords(f, n, f.PointX, f.DimensionStops);
  const toolkit::TPointArray& stops = f.DimensionStops;
  const int count = f.DimensionStopCount;
  ChainLines(f, stops, count, 0, y);
  for (int j = 1; j < count; ++j) {
    PutValueLabel(f, (stops[j] + stops[j + 1]) / 2 - 2, y + 2, (stops[j + 1] - stops[j]) / s);
  }
}

void DrawDimensionChainY(Figure& f, const toolkit::TPointArray& a, int n, double y) {
  SortDistinctCoords(f, n, f.PointX, f.DimensionStops);
  const int stop_count = f.DimensionStopCount;
  toolkit::TPointArray values;
  SortDistinctCoords(f, n, a, values);
  // With lists of different lengths, stops beyond the sorted ones would be stale entries.
  const int count = std::min(stop_count, f.DimensionStopCount);
  const toolkit::TPointArray& stops = f.DimensionStops;
  ChainLines(f, stops, count, 0, y);
  for (int j = 1; j < count; ++j) {
    PutValueLabel(f, (stops[j] + stops[j + 1]) / 2 - 2, y + 2, values[j + 1] - values[j]);
  }
}

void DrawDimensionChains(Figure& f, int n, double xV, double yH, double dxV, double sx, double sy,
                         double dxLabel, bool apart) {
  RequireDivisor(sx, "the x divisor");
  RequireDivisor(sy, "the y divisor");
  const toolkit::TPointArray& stops = f.DimensionStops;
  SortDistinctCoords(f, n, f.PointX, f.DimensionStops);
  toolkit::WriteLine(f, "%RAZMeR%begin%");
  int count = f.DimensionStopCount;
  ChainLines(f, stops, count, stops[1], yH);
  // The end of the number before (its right edge or top) and whether it was moved: of two
  // neighbours that would touch, the second moves, and the third stays where it belongs.
  double previous_end = -1e300;
  bool previous_moved = false;
  for (int j = 1; j < count; ++j) {
    if (std::fabs(stops[j + 1] - stops[j]) > kSameStop) {
      const double value = (stops[j + 1] - stops[j]) / sx;
      const double x = (stops[j] + stops[j + 1]) / 2 - 2;
      const double width = LabelWidth(toolkit::FormatNumberSci(value), 8);
      const bool move = apart && !previous_moved && x < previous_end + 1;
      PutValueLabel(f, x, move ? yH - 7 : yH + 2, value);
      previous_end = x + width;
      previous_moved = move;
    }
  }
  SortDistinctCoords(f, n, f.PointY, f.DimensionStops);
  toolkit::WriteLine(f, "%RAZMeR Vert %begin%");
  count = f.DimensionStopCount;
  const double x = dxV + xV;
  DrawSegment(f, x, stops[1], x, stops[count]);
  for (int j = 1; j <= count; ++j) DrawLineBySlope(f, x - 1, stops[j], 1, 0, 2);
  previous_end = -1e300;
  previous_moved = false;
  double previous_width = 0;
  for (int j = 1; j < count; ++j) {
    if (std::fabs(stops[j + 1] - stops[j]) > kSameStop) {
      const double value = (stops[j + 1] - stops[j]) / sy;
      const double y = (stops[j] + stops[j + 1]) / 2 - 2;
      const bool move = apart && !previous_moved && y < previous_end + 1;
      PutValueLabel(f, dxLabel + x - 6 + (move ? previous_width + 2 : 0), y, value);
      previous_end = y + 6;
      previous_moved = move;
      previous_width = LabelWidth(toolkit::FormatNumberSci(value), 8);
    }
  }
  toolkit::WriteLine(f, "%RAZMeR End%");
}

}  // namespace figures
