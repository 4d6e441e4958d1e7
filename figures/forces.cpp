#include "figures/forces.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <tuple>

#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "figures/text_forms.h"
#include "toolkit/number_format.h"
#include "toolkit/numerics.h"
#include "toolkit/writers.h"

namespace figures {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kBarbAngle = 2.9;                             // DrawArrowBetweenPoints
constexpr double kEmBarbAngle = 0.3490658503988659;            // 20 degrees, DrawEmArrow
constexpr double kChordsPerRadian = 57.29577951308232 * 0.25;  // one chord per 4 degrees

std::string VectorBody(int dx, int dy, double len) {
  return "(" + std::to_string(dx) + "," + std::to_string(dy) + "){" + PictureLength(len) + "}";
}

// (ux, uy) turned by theta.
double RotX(double ux, double uy, double theta) {
  return ux * std::cos(theta) - uy * std::sin(theta);
}
double RotY(double ux, double uy, double theta) {
  return uy * std::cos(theta) + ux * std::sin(theta);
}

// The arrow of DrawArrowBetweenPoints moved by o along the right-hand normal.
void DrawShiftedArrow(Figure& f, int i, int j, int d, int o) {
  const double ex = f.PointX[j] - f.PointX[i];
  const double ey = f.PointY[j] - f.PointY[i];
  const double length = toolkit::Hypot(ex, ey);
  if (length == 0) return;  // no direction to point
  const double ux = ex / length;
  const double uy = ey / length;
  const double nx = uy * o;
  const double ny = -ux * o;
  const double tx = f.PointX[j] - d * ux + nx;
  const double ty = f.PointY[j] - d * uy + ny;
  DrawSegment(f, f.PointX[i] + d * ux + nx, f.PointY[i] + d * uy + ny, tx, ty);
  SetLineWidth(f, 6);
  for (const double theta : {kBarbAngle, -kBarbAngle}) {
    DrawSegment(f, tx, ty, tx + f.ArrowSize * RotX(ux, uy, theta),
                ty + f.ArrowSize * RotY(ux, uy, theta));
  }
}

// The angle of point j seen from (cx, cy) on a circle of radius r, in [0, 2 pi).
double AngleOfPointFromCenter(const Figure& f, int j, double cx, double cy, double r) {
  const double q = std::clamp((f.PointY[j] - cy) / r, -1.0, 1.0);
  double angle = f.PointX[j] > cx ? std::asin(q) : kPi - std::asin(q);
  if (angle < 0) angle += 2 * kPi;
  return angle;
}

}  // namespace

void DrawVector(Figure& f, int dx, int dy, double x, double y, double len) {
  PutTextLn(f, "{\\vector" + VectorBody(dx, dy, len) + "}", x, y);
}

void AnsDrawRedVector(Figure& f, int dx, int dy, double x, double y, double len) {
  AnsPutText(f, "{\\Red{\\vector" + VectorBody(dx, dy, len) + "}}", x, y);
  toolkit::AnsWriteLine(f, "");
}

void DrawThickRedVector(Figure& f, int dx, int dy, double x, double y, double len) {
  toolkit::WriteText(f, "\\Red{");
  PutTextLn(f, "{\\thicklines\\vector" + VectorBody(dx, dy, len) + "}}%", x, y);
}

void DrawRedForceWithLabel(Figure& f, int dx, int dy, std::string_view label, double x, double y,
                           double len, int ox, int oy) {
  DrawThickRedVector(f, dx, dy, x, y, len);
  PutLabel(f, label, x + ox, y + oy);
}

void AnsDrawRedVectorWithLabel(Figure& f, int dx, int dy, std::string_view label, double x,
                               double y, double len, int ox, int oy) {
  AnsDrawRedVector(f, dx, dy, x, y, len);
  AnsPutText(f, label, x + ox, y + oy);
}

void DrawDirectedVector(Figure& f, int dx, int dy, double s, double x, double y, double len) {
  if (s > 0) {
    DrawVector(f, dx, dy, x, y, len);
  } else if (s < 0) {
    // Start at the far end of a vector of slope (dx, dy) from (x, y), so that the reversed
    // vector ends at (x, y).
    double x0 = x;
    double y0 = y + len * dy;
    if (dx != 0) {
      x0 = x + len * toolkit::SignOf(dx);
      y0 = y + len * dy / std::abs(dx);
    }
    DrawVector(f, -dx, -dy, x0, y0, len);
  }
}

void DrawDirectedVectorWithLabel(Figure& f, int dx, int dy, std::string_view label, double s,
                                 double x, double y, double len, int ox, int oy) {
  DrawDirectedVector(f, dx, dy, s, x, y, len);
  PutLabel(f, label, x + ox, y + oy);
}

void DrawThickRedForce(Figure& f, int dx, int dy, std::string_view label, double s, double x,
                       double y, double len, int ox, int oy) {
  toolkit::WriteText(f, "{\\thicklines\\Red{");
  DrawDirectedVectorWithLabel(f, dx, dy, label, s, x, y, len, ox, oy);
  toolkit::WriteLine(f, "}}%");
}

void DrawArrowBetweenPoints(Figure& f, int i, int j, int d) { DrawShiftedArrow(f, i, j, d, 0); }

void DrawArrowBetweenCoords(Figure& f, int i, int j, int d, int o) {
  DrawShiftedArrow(f, i, j, d, o);
}

void DrawEmArrow(Figure& f, double x, double y, double dx, double dy) {
  f.LineEndX = x;
  f.LineEndY = y;
  const double length = toolkit::Hypot(dx, dy);
  if (length == 0) return;  // no direction for the barbs
  const double ux = dx / length;
  const double uy = dy / length;
  const double ex = x + length * ux;
  const double ey = y + length * uy;
  const double h = f.ArrowHeadLength;
  MoveTo(f, x, y);
  LineTo(f, ex, ey);
  f.LineEndX = ex;
  f.LineEndY = ey;
  LineTo(f, ex - h * RotX(ux, uy, -kEmBarbAngle), ey - h * RotY(ux, uy, -kEmBarbAngle));
  DrawSegment(f, ex, ey, ex - h * RotX(ux, uy, kEmBarbAngle), ey - h * RotY(ux, uy, kEmBarbAngle));
}

void DrawArcPolyline(Figure& f, int mode, double xc, double yc, double a1, double a2, double R) {
  const int steps = static_cast<int>(toolkit::RoundHalfEven(std::fabs(a2 - a1) * kChordsPerRadian));
  double ex = xc + R * std::cos(a1);
  double ey = yc + R * std::sin(a1);
  MoveTo(f, ex, ey);
  for (int k = 1; k <= steps; ++k) {
    const double angle = a1 + (a2 - a1) / steps * k;
    ex = xc + R * std::cos(angle);
    ey = yc + R * std::sin(angle);
    LineTo(f, ex, ey);
    if (k % 4 == 0) toolkit::WriteLine(f, "%");
  }
  if (mode != 1) return;
  const int sigma = toolkit::SignOf(a1 - a2);
  const double c = std::cos(a2);
  const double sn = std::sin(a2);
  const double a = f.ArrowSize;
  SetLineWidth(f, 6);
  DrawSegment(f, ex, ey, ex - a * (c / 3 + sigma * sn), ey + a * (sigma * c - sn / 3));
  DrawSegment(f, ex, ey, ex + a * (c / 6 - sigma * sn), ey + a * (sigma * c + sn / 6));
  SetLineWidth(f, 1);
}

std::pair<double, double> LabelledArcLabelAt(int sel, double xc, double yc, double a1, double a2,
                                             double R) {
  const double am = (a1 + a2) / 2;
  if (sel == 1) return {xc - 2.5 + (R + 3) * std::cos(am), yc - 1.5 + (R + 3) * std::sin(am)};
  return {xc - 5.5 + (R + 6.5) * std::cos(am), yc - 2.5 + (R + 4.5) * std::sin(am)};
}

void DrawLabelledArc(Figure& f, int mode, std::string_view text, int sel, double xc, double yc,
                     double a1, double a2, double R, LabelSpacing* placed) {
  DrawArcPolyline(f, mode, xc, yc, a1, a2, R);
  if (sel == 1 || sel == 2) {
    auto [x, y] = LabelledArcLabelAt(sel, xc, yc, a1, a2, R);
    if (placed != nullptr) std::tie(x, y) = placed->Clear(x, y, LabelWidth(text, 8), 7);
    PutScriptLabel(f, text, x, y);
  }
}

void DrawLabelledArcArrow(Figure& f, int mode, std::string_view text, int ox, double xc, double yc,
                          double a1, double a2, double R, int oy, LabelSpacing* placed) {
  DrawArcPolyline(f, mode, xc, yc, a1, a2, R);
  const double am = (a1 + a2) / 2;
  const std::string label = "$" + std::string(text) + "$";
  const double x = xc - 2.5 + (R + 3) * std::cos(am) + ox, y = yc - 1.5 + (R + 3) * std::sin(am) + oy;
  if (placed != nullptr) {
    PutLabelClear(f, *placed, label, x, y);
  } else {
    PutLabel(f, label, x, y);
  }
}

void DrawMomentAtPoint(Figure& f, int i, int mode, std::string_view text, double a, double R,
                       int ox, int oy) {
  DrawLabelledArcArrow(f, mode, text, ox, f.PointX[i], f.PointY[i], 0, a, R, oy);
  SetLineWidth(f, 1);
  DrawLineBySlope(f, f.PointX[i] + 1.5, f.PointY[i], 1, 0, R + 2);
}

void DrawArcThroughPoints(Figure& f, int i, int j, int R, double phi) {
  const double ex = f.PointX[j] - f.PointX[i];
  const double ey = f.PointY[j] - f.PointY[i];
  const double c = toolkit::Hypot(ex, ey);
  if (c == 0) return;  // no chord, no arc
  const double h = toolkit::SqrtDiffSquares(R, c / 2);
  const double cx = MidX(f, i, j) + ey * h / c;
  const double cy = MidY(f, i, j) - ex * h / c;
  const double a1 = AngleOfPointFromCenter(f, j, cx, cy, R) + phi;
  const double sweep = 2 * std::asin(std::min(1.0, c / (2.0 * R))) - 2 * phi;
  SetLineWidth(f, 4);
  DrawArcPolyline(f, 1, cx, cy, a1, a1 + sweep, R);
}

void DrawStrokesAcrossRay(Figure& f, int i, double r, double angle) {
  SetLineWidth(f, 4);
  const double ca = std::cos(angle);
  const double sa = std::sin(angle);
  for (int k = 0; k <= 3; ++k) {
    const double h = k / 3.0 + 2;
    const double sx = f.PointX[i] + (r + k) * ca + h * sa;
    const double sy = f.PointY[i] + (r + k) * sa - h * ca;
    DrawPolarSegment(f, sx, sy, angle + kPi / 2, 2 * h);
  }
  SetLineWidth(f, 1);
}

}  // namespace figures
