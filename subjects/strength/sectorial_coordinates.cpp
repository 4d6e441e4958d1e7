#include "subjects/strength/sectorial_coordinates.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "figures/dimensions.h"
#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace strength {

namespace {

constexpr double kWall = 0.1;  // cm

using PointFn = toolkit::IndexedArray<double, 1, 5>;

struct Walls {
  int from[4];
  int to[4];
};
constexpr Walls kChain{{1, 2, 3, 4}, {2, 3, 4, 5}};
constexpr Walls kBranched{{1, 2, 2, 1}, {2, 3, 4, 5}};

int Reduced(int p) { return p > 3 ? p - 3 : p; }

}  // namespace

SectorialCoordinatesVariant DeriveSectorialCoordinates(int p1, int p2, int p3, int p4, int p5,
                                                       int p6) {
  SectorialCoordinatesVariant v;
  p2 = Reduced(p2), p3 = Reduced(p3), p4 = Reduced(p4), p5 = Reduced(p5);
  const double c = p2 + 7;
  double h, d, e;
  if (p1 == 1) {
    h = p3 + 2, d = p4 + 1, e = p5 + 6;
  } else if (p1 == 2) {
    h = p3 + 2, d = -(p4 + 1), e = p5 + 6;
  } else if (p1 == 4) {
    h = p3 + 7, d = p4 + 2, e = p5 + 3;
  } else if (p1 == 5) {
    h = p3 + 6, d = p4 + 2, e = -(p5 + 1);
  } else {
    h = p3 + 2, d = -(p4 + 1), e = c - p5;
  }
  v.Chain = p1 <= 3;
  auto& x = v.x;
  auto& y = v.y;
  if (v.Chain) {
    x[1] = 0, y[1] = h;
    x[2] = 0, y[2] = 0;
    x[3] = c, y[3] = 0;
    x[4] = c, y[4] = -d;
    x[5] = c + e, y[5] = -d;
  } else {
    x[1] = 0, y[1] = 0;
    x[2] = h, y[2] = 0;
    x[3] = c + h, y[3] = 0;
    x[4] = h, y[4] = -d;
    x[5] = 0, y[5] = -e;
  }
  for (int i = 1; i <= 5; ++i) {
    if (p6 == 1 || p6 == 3) y[i] = -y[i];
    if (p6 == 2 || p6 == 3) x[i] = -x[i];
  }
  double xmin = x[1], ymin = y[1];
  for (int i = 2; i <= 5; ++i) xmin = std::min(xmin, x[i]), ymin = std::min(ymin, y[i]);
  for (int i = 1; i <= 5; ++i) x[i] -= xmin, y[i] -= ymin;

  const Walls& w = v.Chain ? kChain : kBranched;
  auto integral = [&](const PointFn& f, const PointFn& g) {
    double sum = 0;
    for (int k = 0; k < 4; ++k) {
      const int i = w.from[k], j = w.to[k];
      const double dx = x[j] - x[i], dy = y[j] - y[i];
      const double L = std::sqrt(dx * dx + dy * dy);
      sum += kWall * L / 6 * (2 * f[i] * g[i] + f[i] * g[j] + f[j] * g[i] + 2 * f[j] * g[j]);
    }
    return sum;
  };
  auto sectorial = [&](double p, double q) {
    PointFn om{};
    for (int k = 0; k < 4; ++k) {
      const int i = w.from[k], j = w.to[k];
      om[j] = om[i] + (y[i] - q) * (x[j] - p) - (y[j] - q) * (x[i] - p);
    }
    return om;
  };
  PointFn one{}, xf{}, yf{}, xcf{}, ycf{};
  for (int i = 1; i <= 5; ++i) one[i] = 1, xf[i] = x[i], yf[i] = y[i];
  PointFn om = sectorial(0, 0);
  v.A = integral(one, one);
  v.xc = integral(one, xf) / v.A;
  v.yc = integral(one, yf) / v.A;
  const double Jx = integral(yf, yf), Jy = integral(xf, xf), Jxy = integral(yf, xf);
  for (int i = 1; i <= 5; ++i) xcf[i] = x[i] - v.xc, ycf[i] = y[i] - v.yc;
  v.Jxc = Jx - v.yc * v.yc * v.A;
  v.Jyc = Jy - v.xc * v.xc * v.A;
  v.Jxyc = Jxy - v.xc * v.yc * v.A;
  const double w1 = integral(om, xcf), w2 = integral(om, ycf);
  const double D = v.Jyc * v.Jxc - v.Jxyc * v.Jxyc;
  v.xP = (v.Jxyc * w1 - v.Jyc * w2) / D;
  v.yP = (v.Jxc * w1 - v.Jxyc * w2) / D;
  om = sectorial(v.xP, v.yP);
  const double mean = integral(om, one) / v.A;
  for (int i = 1; i <= 5; ++i) om[i] -= mean;
  v.omega = om;
  v.Jw = integral(om, om);
  return v;
}

void BeginSectorialCoordinatesProblem(SharedState& s) {
  s.ParboxWidth = 170;
  WriteText(s, "\\tabcolsep=2pt");
  AnsBeginTable(s, 12);
  Ans2BeginTable(s, 8);
  Ans2WriteLine(s, " & \\multicolumn{5}{c|}{$\\omega$} \\\\\\hline ");
  Ans2WriteLine(s, " \\No\\ru ");
  for (int k = 1; k <= 5; ++k) Ans2WriteLine(s, "&\\it " + toolkit::FormatFixed(k, 6, 0));
  Ans2WriteLine(s, "\\\\\\hline ");
  AnsWrite(s,
           "\\No\\ru & \\mc{$F$}& \\mc{$x_c$}& \\mc{$y_c$}& \\mc{$x_P$} & \\mc{$y_P$} & "
           "\\mc{$J_{xc}$}&\\mc{$J_{yc}$}&\\mc{$J_{xyc}$}&\\mc{$J_w$}\\\\\\hline");
  AnsWrite(s,
           "       & см$^2$ & \\multicolumn{4}{c|}{см}&\\multicolumn{3}{c|}{см$^4$}& см$^6$  "
           "\\\\\\hline");
  WriteTextNumberLn(s,
                    " Найти геометрические характеристики сечения тонкостенного профиля.  "
                    "Размеры относятся к средним линиям сечения и указаны в сантиметрах. "
                    "Толщина стенки равна ",
                    0.1, "см. \\\\ \\noindent");
}

void WriteSectorialCoordinatesVariant(SharedState& s) {
  for (auto* p : {&s.P2, &s.P3, &s.P4, &s.P5}) {
    if (*p > 3) *p -= 3;
  }
  const SectorialCoordinatesVariant v =
      DeriveSectorialCoordinates(s.P1, s.P2, s.P3, s.P4, s.P5, s.P6);

  const std::string number = std::to_string(toolkit::PrintedVariantNumber(s));
  std::string row = number + "&" + toolkit::FormatFixed(v.A, 6, 1);
  for (double c : {v.xc, v.yc, v.xP, v.yP, v.Jxc, v.Jyc, v.Jxyc, v.Jw}) {
    row += "&" + toolkit::FormatFixed(c, 6, 3);
  }
  AnsWriteLine(s, row);
  Ans2WriteLine(s, number);
  for (int k = 1; k <= 5; ++k) Ans2WriteLine(s, "&" + toolkit::FormatFixed(v.omega[k], 6, 3));

  ClearPoints(s, 5);
  for (int i = 1; i <= 5; ++i) s.PointX[i] = v.x[i], s.PointY[i] = v.y[i];
  s.BoxWidth = 130;
  s.BoxHeight = 60;
  FitPointsToBox(s, 5, 0);
  // The profile fills 130 x 60 from the origin; the x axis and its letter reach 14 beyond.
  BeginPicture(s, 166, 85, -20, -12);
  SetLineWidth(s, 15);
  MoveToPoint(s, 1);
  LineToPoint(s, 2);
  if (v.Chain) {
    LineToPoint(s, 3);
    LineToPoint(s, 4);
    LineToPoint(s, 5);
  } else {
    LineToPoint(s, 3);
    MoveToPoint(s, 1);
    LineToPoint(s, 5);
    MoveToPoint(s, 2);
    LineToPoint(s, 4);
  }
  SetLineWidth(s, 1);
  const double X = s.Scale * s.RangeX, Y = s.Scale * s.RangeY;
  DrawDashedLineMultiput(s, 21, 0, 0, X + 11, 0);
  DrawDashedLineMultiput(s, 14, 0, 0, 0, Y + 8);
  DrawVector(s, 1, 0, X + 11, 0, 1);
  PutLabel(s, "$x$", X + 10, 3);
  DrawVector(s, 0, 1, 0, Y + 8, 1);
  PutLabel(s, "$y$", 3, Y + 7);
  DrawDimensionChains(s, 5, -10, -10, 1, s.Scale, s.Scale, 1);
  EndPicture(s);
}

}  // namespace strength
