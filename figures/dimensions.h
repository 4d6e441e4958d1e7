#pragma once

#include <string_view>

#include "figures/figure_state.h"

namespace figures {

// Dimension lines with ticks 2 units long and the length written beside them (by
// PutValueLabel, or a text by PutLabel, which ends its line). Picture lengths are divided by
// Scale or by the caller's divisor; a divisor of 0 throws DegenerateDataError. Every routine
// throws IoError when the main file cannot be written.

/// A horizontal dimension from x1 to x2 at height y labelled |x2 - x1| / Scale; nothing when
/// x1 = x2.
void DrawDimensionH(Figure& f, double x1, double x2, double y);
/// The same lines (also when x1 = x2) labelled v.
void DrawDimensionHValue(Figure& f, double x1, double x2, double y, double v);
/// The same lines (also when x1 = x2) labelled with text.
void DrawDimensionHText(Figure& f, std::string_view text, double x1, double x2, double y);
/// A vertical dimension from y1 to y2 at x (DimensionXFixed) or Scale x + 15, labelled
/// |y2 - y1| / Scale left of it by 6 (k + 1) - 2, framed by comment lines; nothing when
/// y1 = y2.
void DrawDimensionV(Figure& f, int k, double y1, double y2, double x);
/// A vertical dimension from y1 to y2 at x (also when y1 = y2) labelled v at x + o.
void DrawDimensionVValue(Figure& f, int o, double x, double y1, double y2, double v);
/// A vertical dimension from y1 to y2 at x labelled with text at x + 2.
void DrawDimensionVText(Figure& f, std::string_view text, double x, double y1, double y2);
/// A chain along the distinct x coordinates of points 1..n at height y, lengths divided by s.
void DrawDimensionChainX(Figure& f, int n, double y, double s);
/// A chain at height y with ticks at the distinct x of points 1..n and labels from the
/// differences of the distinct values of a[1..n]; when the two lists differ in length only
/// the shorter count of intervals is drawn.
void DrawDimensionChainY(Figure& f, const toolkit::TPointArray& a, int n, double y);
/// The horizontal chain of points 1..n at height yH (lengths / sx) and the vertical chain at
/// x = xV + dxV (lengths / sy, labels moved by dxLabel), framed by comment lines. With
/// `apart`, a number that would run into the one before it in its chain goes to the other
/// side of the horizontal line, or further right beside the vertical one.
void DrawDimensionChains(Figure& f, int n, double xV, double yH, double dxV, double sx, double sy,
                         double dxLabel, bool apart = false);

}  // namespace figures
