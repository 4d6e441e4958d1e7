#include "subjects/statics/spatial_body_centroid.h"

#include <cmath>
#include <numbers>
#include <string>

#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace statics {

namespace {

constexpr double kUnit = 5.8;  // picture units per grid unit of the drawing

// One piece: volume and own centroid.
struct Piece {
  double v = 0, x = 0, y = 0, z = 0;
};

// The half-cylinder drawn with unit u: front half circle, the visible back arc, the lower
// outline, the back centre, the hidden back arc (thin) and the radius R.
void DefineHalfCylinderSavebox(SharedState& s, double u) {
  const double pi = std::numbers::pi;
  BeginSaveBox(s, "hcircl");
  DrawArcPolyline(s, 0, 0, 0, -pi / 2, pi / 2, 2.5 * u);
  DrawArcPolyline(s, 0, 3 * u, 3 * u, -pi / 4, pi / 2, 2.5 * u);
  DrawSegment(s, 1.77 * u, -1.77 * u, 4.77 * u, 1.23 * u);
  SetLineWidth(s, 1);
  DrawFilledCircle(s, 3 * u, 3 * u, 2);
  DrawArcPolyline(s, 0, 3 * u, 3 * u, -pi / 2, -pi / 4, 2.5 * u);
  DrawSegment(s, 0, 0, 1.7 * u, 1.7 * u);
  DrawVector(s, 1, 1, 1.7 * u, 1.7 * u, 1);
  PutBlueLabel(s, "$R$", 8, 13);
  EndSaveBox(s);
}

// The eighteen points of the fixed drawing (grid units times kUnit); even points are the odd
// ones moved by (3, 3) onto the back face.
void SetBlockFigurePoints(SharedState& s) {
  for (int i = 1; i <= 18; ++i) {
    s.PointX[i] = 0;
    s.PointY[i] = 0;
  }
  const int odd[9][2] = {{0, 5}, {7, 5}, {12, 5}, {17, 5}, {0, 0},
                         {7, 0}, {12, 0}, {17, 0}, {12, 7}};
  for (int k = 0; k < 9; ++k) {
    s.PointX[2 * k + 1] = odd[k][0];
    s.PointY[2 * k + 1] = odd[k][1];
  }
  for (int i = 2; i <= 18; i += 2) {
    s.PointX[i] = s.PointX[i - 1] + 3;
    s.PointY[i] = s.PointY[i - 1] + 3;
  }
  for (int i = 1; i <= 18; ++i) {
    s.PointX[i] *= kUnit;
    s.PointY[i] *= kUnit;
  }
}

// "M i" and "L i" strokes through the figure points; a path string such as "11 9 1 2 4".
void Path(SharedState& s, std::initializer_list<int> pts) {
  bool first = true;
  for (int i : pts) {
    if (first) MoveToPoint(s, i);
    else LineToPoint(s, i);
    first = false;
  }
}

double X(const SharedState& s, int i) { return s.PointX[i]; }
double Y(const SharedState& s, int i) { return s.PointY[i]; }

void HorizontalTick(SharedState& s, double x, double y) { DrawSegment(s, x - 1, y, x + 1, y); }
void VerticalTick(SharedState& s, double x, double y) { DrawSegment(s, x, y - 1, x, y + 1); }

}  // namespace

SpatialBodyVariant DeriveSpatialBodyVariant(int p1, int p2, int p3, int p4) {
  SpatialBodyVariant v;
  const int A = p4 + p2 + 2, B = p3 + 3 * p2 + p1, C = 2 * p1 + 2, D = p3 + 2 * p2 + p1,
            E = p3 + 2 * p2;
  v.A = A;
  v.B = B;
  v.C = C;
  v.D = D;
  v.E = E;
  v.r = C / 2;
  v.h = p3;
  const double a = A, b = B, c = C, d = D, e = E, r = v.r;
  const double y0 = b + d;
  Piece p[4];
  if (p2 == 3) p[0] = {a * b * c, a / 2, b / 2, c / 2};
  else if (p1 == 1) p[0] = {a * b * c / 3, 3 * a / 8, 3 * b / 4, 3 * c / 8};
  else if (p1 == 2) p[0] = {a * b * c / 2, a / 3, 2 * b / 3, c / 2};
  else p[0] = {a * b * c / 2, a / 2, 2 * b / 3, c / 3};
  p[1] = {a * d * c, a / 2, b + d / 2, c / 2};
  if (p2 == 2) {
    p[2] = {a * e * c, a / 2, y0 + e / 2, c / 2};
  } else {
    switch (p3) {
      case 1:
        p[2] = {a * e * c / 2, a / 3, y0 + e / 3, c / 2};
        break;
      case 2:
        p[2] = {a * e * c / 2, a / 2, y0 + e / 3, c / 3};
        break;
      case 3:
        p[2] = {std::numbers::pi * r * r * a / 2, a / 2, y0 + 4 * r / (3 * std::numbers::pi), r};
        v.cylinder = true;
        break;
      case 4:
        p[2] = {a * e * c / 2, 2 * a / 3, y0 + e / 3, c / 2};
        break;
      default:
        p[2] = {a * e * c / 3, 5 * a / 8, y0 + e / 4, 3 * c / 8};
        break;
    }
  }
  if (p2 != 1) {
    const double h = v.h;
    p[3] = {a * d * h / 2, a / 2, b + 2 * d / 3, c + h / 3};
    v.roof = true;
  }
  for (const Piece& q : p) {
    v.V += q.v;
    v.xc += q.x * q.v;
    v.yc += q.y * q.v;
    v.zc += q.z * q.v;
  }
  v.xc /= v.V;
  v.yc /= v.V;
  v.zc /= v.V;
  return v;
}

void BeginSpatialBodyCentroidProblem(SharedState& s) {
  s.ParboxWidth = 175;
  DefineHalfCylinderSavebox(s, kUnit);
  AnsBeginTable(s, 5);
  AnsWriteLine(s, " & $ V $&$ x_c$&$ y_c$&$ z_c$\\\\\\hline");
  WriteLine(s,
            "Find the center of gravity of a homogeneous volume of the body. Dimensions are in "
            "meters.");
  WriteBookReference(s, 125);
}

void WriteSpatialBodyCentroidVariant(SharedState& s) {
  const int p1 = s.P1, p2 = s.P2, p3 = s.P3;
  const SpatialBodyVariant v = DeriveSpatialBodyVariant(p1, p2, p3, s.P4);
  s.BoxWidth = 100;
  s.BoxHeight = 80;
  // The body with its axes, the chain above it and the dimensions at its right: the picture
  // holds them all, the x axis's label below the origin included.
  BeginPicture(s, s.BoxWidth + 52, s.BoxHeight + 11, -16, -9);
  SetBlockFigurePoints(s);
  SetLineWidth(s, 10);
  // Piece 1.
  if (p2 == 3) {
    Path(s, {11, 9, 1, 2, 4});
    Path(s, {1, 3});
  } else if (p1 == 1) {
    Path(s, {10, 11, 3, 4, 10});
    Path(s, {10, 3});
  } else if (p1 == 2) {
    Path(s, {3, 11, 10, 2, 4});
    Path(s, {2, 3});
  } else {
    Path(s, {11, 9, 10, 4, 3, 9});
  }
  // Piece 2 and the roof over it.
  if (p2 == 1) {
    Path(s, {3, 5});
    Path(s, {4, 6});
  } else {
    Path(s, {3, 17, 5, 6, 18, 4});
    Path(s, {17, 18});
  }
  Path(s, {11, 13});
  // Piece 3.
  if (p2 == 2) {
    Path(s, {13, 15, 7, 5, 6, 8, 16, 15});
    Path(s, {8, 7});
  } else {
    switch (p3) {
      case 1:
        Path(s, {5, 13, 16, 8, 6, 5, 8});
        break;
      case 2:
        Path(s, {13, 15, 16, 6, 5, 15});
        break;
      case 3:
        PutBox(s, "hcircl", X(s, 5), (Y(s, 5) + Y(s, 13)) / 2);
        break;
      case 4:
        Path(s, {13, 15, 7, 6});
        Path(s, {5, 7});
        break;
      default:
        Path(s, {13, 15, 6, 5, 15});
        break;
    }
  }
  SetLineWidth(s, 1);
  if (p2 == 1 && (p3 == 4 || p3 == 5)) DrawSegmentPoints(s, 14, 15);
  Path(s, {12, 4, 3, 11, 12});
  Path(s, {13, 14, 6, 5, 13});
  if (p3 == 4 || p3 == 5) DrawSegmentPoints(s, 15, 16);

  // Dimensions: the vertical one right of the body, the chain above it, the depth.
  double k = 10;
  int n = 4;
  if (p3 == 3 && p2 == 1) {
    k = 1;
    n = 3;
  }
  HorizontalTick(s, X(s, 8) + k, Y(s, 8));
  HorizontalTick(s, X(s, 8) + k, Y(s, 16));
  HorizontalTick(s, X(s, 15) + k, Y(s, 15));
  PutValueLabel(s, X(s, 8) + k - 6, (Y(s, 8) + Y(s, 16)) / 2 - 2, v.C);
  MoveTo(s, X(s, 16) + k, Y(s, 16));
  LineTo(s, X(s, 16) + k, Y(s, 8));
  double m = 10;
  if (p2 != 1) {
    LineTo(s, X(s, 16) + k, Y(s, 18));
    HorizontalTick(s, X(s, 8) + k, Y(s, 18));
    PutValueLabel(s, X(s, 8) + k - 6, (Y(s, 8) + Y(s, 18)) / 2 - 2, v.h);
    m = 15;
  }
  if (v.cylinder) n = 3;
  const double chain = Y(s, 2) + m;
  DrawSegment(s, X(s, 2), chain, X(s, 2 * n), chain);
  for (int j = 1; j <= n; ++j) VerticalTick(s, X(s, 2 * j), chain);
  PutValueLabel(s, (X(s, 2) + X(s, 4)) / 2 - 3, chain + 2, v.B);
  PutValueLabel(s, (X(s, 4) + X(s, 6)) / 2 - 3, chain + 2, v.D);
  if (!v.cylinder) PutValueLabel(s, (X(s, 6) + X(s, 8)) / 2 - 3, chain + 2, v.E);
  DrawSegment(s, X(s, 15) + k, Y(s, 15), X(s, 16) + k, Y(s, 16));
  PutValueLabel(s, (X(s, 15) + X(s, 16)) / 2 - 5 + k, (Y(s, 15) + Y(s, 16)) / 2, v.A);

  // Axes from the origin, point 10.
  WriteText(s, "\\Blue{");
  MoveToPoint(s, 10);
  LineTo(s, X(s, 9) - 5, Y(s, 9) - 5);
  DrawVector(s, -1, -1, X(s, 9) - 5, Y(s, 9) - 5, 1);
  PutBlueLabel(s, "$x$", X(s, 9) - 1, Y(s, 9) - 8);
  MoveToPoint(s, 10);
  LineTo(s, X(s, 2), Y(s, 2) + 18);
  DrawVector(s, 0, 1, X(s, 2), Y(s, 2) + 18, 1);
  PutBlueLabel(s, "$z$", X(s, 2) - 7, Y(s, 2) + 18);
  MoveToPoint(s, 10);
  LineTo(s, X(s, 16) + 18, Y(s, 16));
  DrawVector(s, 1, 0, X(s, 16) + 18, Y(s, 16), 1);
  PutBlueLabel(s, "$y$", X(s, 16) + 14, Y(s, 16) + 5);
  // Ends the picture and the brace opened by "\Blue{".
  EndSaveBox(s);

  WriteText(s, "\\\\ ");
  if (v.cylinder) WriteTextNumberLn(s, "\\par \\hskip12mm\\small$R=", v.r, "$~m.");
  WriteLine(s, "\\vskip2mm\\rule{0pt}{1pt}");
  AnsWrite(s, std::to_string(toolkit::PrintedVariantNumber(s)) + " & " +
                  toolkit::FormatFixed(v.V, 8, 3) + " & " + toolkit::FormatFixed(v.xc, 8, 3) +
                  " & " + toolkit::FormatFixed(v.yc, 8, 3) + " & " +
                  toolkit::FormatFixed(v.zc, 8, 3));
}

}  // namespace statics
