#include "subjects/statics/plane_figure.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "toolkit/answers.h"
#include "toolkit/indexed_array.h"
#include "toolkit/number_format.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace statics {

namespace {

// Signs of the step at the top edge by P4: horizontal and vertical offsets.
const toolkit::IndexedArray<int, 1, 3> StepSignX = [] {
  toolkit::IndexedArray<int, 1, 3> t;
  t[1] = -1;
  t[2] = -1;
  t[3] = 1;
  return t;
}();
const toolkit::IndexedArray<int, 1, 3> StepSignY = [] {
  toolkit::IndexedArray<int, 1, 3> t;
  t[1] = 1;
  t[2] = -1;
  t[3] = -1;
  return t;
}();

// Size set by P5: tooth depth r, right edge a, tooth position b, step width s.
struct SizeSet {
  int r, a, b, s;
};
const toolkit::IndexedArray<SizeSet, 1, 4> kSizes = [] {
  toolkit::IndexedArray<SizeSet, 1, 4> t;
  t[1] = {10, 80, 20, 20};
  t[2] = {10, 70, 30, 20};
  t[3] = {10, 90, 40, 10};
  t[4] = {20, 70, 20, 20};
  return t;
}();

// Quadrant letters of the arc by P2 (as the \oval command takes them).
const toolkit::IndexedArray<const char*, 1, 10> kArcQuadrant = [] {
  toolkit::IndexedArray<const char*, 1, 10> t;
  const char* q[] = {"tl", "tr", "bl", "br", "l", "r", "l", "r", "l", "r"};
  for (int i = 1; i <= 10; ++i) t[i] = q[i - 1];
  return t;
}();

// Points 1..13 before the shift (figure units).
void RawPoints(int p1, int p2, int p3, int p4, int p5, std::array<double, 14>& x,
               std::array<double, 14>& y) {
  const SizeSet& z = kSizes[p5];
  x[1] = 0;
  y[1] = 60;
  x[2] = z.a + z.s * StepSignX[p4];
  y[2] = 60;
  x[3] = x[2];
  y[3] = 60 + 10 * StepSignY[p4];
  x[4] = z.a;
  y[4] = y[3];
  x[5] = z.a;
  y[5] = 40;
  x[6] = p1 == 1 ? z.a + z.s + 10 : z.a - z.s;
  y[6] = 40;
  x[7] = z.a;
  y[7] = 0;
  x[8] = z.b;
  y[8] = p3 <= 2 ? 0 : (p3 == 3 ? -z.r : z.r);
  x[9] = z.b;
  y[9] = p3 == 1 ? -z.r : (p3 == 2 ? z.r : 0);
  x[10] = 0;
  y[10] = 0;
  x[11] = 0;
  y[11] = 20;
  x[12] = 0;
  y[12] = 40;
  switch (p2) {
    case 1:
    case 3:
    case 9:
      x[13] = -20;
      break;
    case 2:
    case 4:
    case 10:
      x[13] = 20;
      break;
    case 5:
    case 7:
      x[13] = -10;
      break;
    default:
      x[13] = 10;
      break;
  }
  y[13] = 40;
}

// Radius of the circular part in cm: 1 for the small half circles, else 2.
int ArcRadiusOf(int p2) { return p2 >= 5 && p2 <= 8 ? 1 : 2; }

// The axis marks: a tick and the coordinate in cm.
void PutXAxisMark(SharedState& s, int i) {
  DrawLatexLine(s, 0, -1, s.PointX[i], 0, 2);
  PutIntValueLabel(s, s.PointX[i] - 2, -9, s.PointX[i] * 0.1);
}
void PutYAxisMark(SharedState& s, int i) {
  DrawLatexLine(s, -1, 0, 0, s.PointY[i], 2);
  PutIntValueLabel(s, -7, s.PointY[i] - 2, s.PointY[i] * 0.1);
}

// The arc of the circular part, centred at point 12: quarter and large half circles radius 20,
// small half circles radius 10 centred 10 units above or below point 12.
void DrawFigureArc(SharedState& s, int p2) {
  WriteText(s, "\\put(");
  WriteNumber(s, s.PointX[12]);
  WriteText(s, ",");
  WriteNumber(s, s.PointY[12]);
  WriteText(s, "){");
  const std::string q = kArcQuadrant[p2];
  if (p2 >= 5 && p2 <= 8) {
    WriteText(s, "\\begin{picture}(5,5)\\thicklines\\put(0,");
    WriteNumber(s, p2 <= 6 ? 10 : -10);
    WriteLine(s, "){\\oval(20,20)[" + q + "]}");
  } else {
    WriteLine(s, "\\begin{picture}(5,5)\\thicklines\\put(0,0){\\oval(40,40)[" + q + "]}");
  }
  EndSaveBox(s);
}

// Zero for values that would print as -0.000.
double CleanZero(double v) { return std::fabs(v) < 5e-4 ? 0.0 : v; }

std::string Cell(double v) { return toolkit::FormatFixed(CleanZero(v), 8, 3); }

}  // namespace

PlaneFigureVariant DerivePlaneFigureVariant(int p1, int p2, int p3, int p4, int p5) {
  PlaneFigureVariant v;
  RawPoints(p1, p2, p3, p4, p5, v.x, v.y);
  double min_x = v.x[1], min_y = v.y[1];
  for (int i = 2; i <= 13; ++i) {
    min_x = std::min(min_x, v.x[i]);
    min_y = std::min(min_y, v.y[i]);
  }
  for (int i = 1; i <= 13; ++i) {
    v.x[i] -= min_x;
    v.y[i] -= min_y;
  }
  v.arc_radius = ArcRadiusOf(p2);

  // The polygon 1..10 (clockwise, closed by 10 -> 1), in cm.
  double S = 0, Mx = 0, My = 0, Jxx = 0, Jyy = 0, Jxy = 0;
  for (int i = 1; i <= 10; ++i) {
    const int j = i == 10 ? 1 : i + 1;
    const double x1 = v.x[i] * 0.1, y1 = v.y[i] * 0.1;
    const double x2 = v.x[j] * 0.1, y2 = v.y[j] * 0.1;
    const double t = (x2 * y1 - x1 * y2) / 2;
    S += t;
    Mx += t * (x1 + x2);
    My += t * (y1 + y2);
    Jyy += t * (x1 * x1 + x1 * x2 + x2 * x2) / 6;
    Jxx += t * (y1 * y1 + y1 * y2 + y2 * y2) / 6;
    Jxy += t * (x1 * y1 + x2 * y2 + (x1 * y2 + x2 * y1) / 2) / 6;
  }
  const double xp = Mx / 3 / S, yp = My / 3 / S;
  const double Ixp = Jxx - S * yp * yp, Iyp = Jyy - S * xp * xp, Ixyp = Jxy - S * xp * yp;

  // The circular part: signed area (cut parts negative), centroid, own central moments.
  const double pi = std::numbers::pi;
  const double R = v.arc_radius;
  const double e = 4 * R / (3 * pi);
  const bool added = p2 % 2 == 1;
  const bool quarter = p2 <= 4;
  const double Ac = (added ? 1 : -1) * pi * R * R / (quarter ? 4 : 2);
  const double xa = added ? R - e : e;
  const double yo = v.y[12] * 0.1;
  double ya = yo;
  if (p2 <= 2) ya = yo + e;
  else if (p2 <= 4) ya = yo - e;
  else if (p2 <= 6) ya = yo + R;
  else if (p2 <= 8) ya = yo - R;
  const double own = pi / 16 - 4 / (9 * pi);       // half-disc moment about its diameter's normal
  const double own_xy = 1.0 / 8 - 4 / (9 * pi);    // minus a [tl] quarter disc's product / R^4
  const double Iv = Ac * R * R * (4 / pi) * own;
  const double Ih = quarter ? Iv : Ac * R * R / 4;
  double Ixyo = 0;
  if (p2 == 1 || p2 == 4) Ixyo = -Ac * (4 / pi) * own_xy * R * R;
  if (p2 == 2 || p2 == 3) Ixyo = Ac * (4 / pi) * own_xy * R * R;

  v.A = S + Ac;
  v.xC = (S * xp + Ac * xa) / v.A;
  v.yC = (S * yp + Ac * ya) / v.A;
  v.Ix = Ixp + S * (yp - v.yC) * (yp - v.yC) + Ih + Ac * (ya - v.yC) * (ya - v.yC);
  v.Iy = Iyp + S * (xp - v.xC) * (xp - v.xC) + Iv + Ac * (xa - v.xC) * (xa - v.xC);
  v.Ixy = Ixyp + S * (xp - v.xC) * (yp - v.yC) + Ixyo + Ac * (v.xC - xa) * (v.yC - ya);
  const double q = std::sqrt((v.Ix - v.Iy) * (v.Ix - v.Iy) / 4 + v.Ixy * v.Ixy);
  v.Imin = (v.Ix + v.Iy) / 2 - q;
  v.Imax = (v.Ix + v.Iy) / 2 + q;
  // The angle from x to the axis of I_max, I(alpha) = Ix cos^2 + Iy sin^2 - Ixy sin 2alpha.
  if (std::fabs(v.Ixy) <= 1e-9 * (v.Ix + v.Iy)) {
    v.alpha = v.Iy > v.Ix ? 90 : 0;
  } else {
    v.alpha = std::atan(v.Ixy / (v.Iy - v.Imax)) * 180 / pi;
  }
  return v;
}

void BeginPlaneFigureProblem(SharedState& s) {
  s.BoxWidth = 140;
  s.BoxHeight = 60;
  s.ParboxWidth = 174;
  WriteLine(s, "\\newsavebox{\\osi}\\sbox{\\osi}{\\Blue{%");
  DrawVector(s, 1, 0, 0, 0, s.BoxWidth);
  PutBlueLabel(s, "$x$", s.BoxWidth - 4, 2);
  DrawVector(s, 0, 1, 0, 0, 90);
  PutBlueLabel(s, "$y$", 3, 87);
  WriteText(s, "}}");
  AnsBeginTable(s, 12);
  if (s.Level == 2) {
    AnsWriteLine(s,
                 "\\#\\ru  & $ A $&$ x_c$&$ y_c$&$ I_x$&$ I_y$&$ I_{xy}$&$ I_{max}$&$ I_{min}$&$ "
                 "\\alpha $\\\\\\hline");
    WriteLine(s, "Find the principal moments of inertia (in cm $^4$) of the plane figure. ");
  } else {
    AnsWriteLine(s, "\\#\\ru  & $ A $&$ x_c$&$ y_c$\\\\\\hline");
    WriteLine(s,
              " Find the area (in cm$^2$) and the coordinates of the center of gravity of "
              "plane   figures (in cm). Marks on the axes are in centimeters. Curvilinear plot "
              "contour is an arc of a half or quarter circle.");
  }
  WriteBookReference(s, 118);
}

void WritePlaneFigureVariant(SharedState& s) {
  const int p2 = s.P2;
  const PlaneFigureVariant v = DerivePlaneFigureVariant(s.P1, s.P2, s.P3, s.P4, s.P5);
  std::array<double, 14> rx{}, ry{};
  RawPoints(s.P1, s.P2, s.P3, s.P4, s.P5, rx, ry);
  for (int i = 1; i <= 13; ++i) {
    s.PointX[i] = rx[i];
    s.PointY[i] = ry[i];
  }
  FitPointsToBox(s, 13, 1);

  WriteText(s, "\\par");
  // The x axis runs to BoxWidth, its arrow and label past it.
  BeginPicture(s, s.BoxWidth + 22, 105, -10, -10);
  WriteText(s, "\\usebox{\\osi}");
  SetLineWidth(s, 10);
  MoveToPoint(s, 1);
  for (int i = 1; i <= 11; ++i) LineToPoint(s, i);
  DrawFigureArc(s, p2);
  if (p2 <= 4) DrawSegmentPoints(s, 13, 12);
  else if (p2 <= 8) MoveToPoint(s, 12);
  if (p2 == 1 || p2 == 2 || p2 == 5 || p2 == 6) LineToPoint(s, 11);
  else if (p2 <= 8) LineToPoint(s, 1);
  SetLineWidth(s, 3);
  // Several corners share an abscissa or an ordinate: each mark is written once.
  std::vector<double> marked;
  const auto first = [&](double at) {
    for (double m : marked)
      if (std::fabs(m - at) < 0.5) return false;
    marked.push_back(at);
    return true;
  };
  for (int i : {8, 10, 5, 6, 2})
    if (first(s.PointX[i])) PutXAxisMark(s, i);
  marked.clear();
  for (int i : {8, 9, 10, 12, 11, 2, 3})
    if (first(s.PointY[i])) PutYAxisMark(s, i);
  EndPicture(s);

  AnsWrite(s, toolkit::FormatFixed(toolkit::PrintedVariantNumber(s), 2, 0) + "&" + Cell(v.A) +
                  "&" + Cell(v.xC) + "&" + Cell(v.yC));
  AnsWriteLine(s, "");
  if (s.Level == 2) {
    AnsWriteLine(s, " & " + Cell(v.Ix) + "&" + Cell(v.Iy) + "&" + Cell(v.Ixy) + "&" +
                        Cell(v.Imax) + "&" + Cell(v.Imin) + "&" + Cell(v.alpha));
  }
}

}  // namespace statics
