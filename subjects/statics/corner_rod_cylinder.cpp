#include "subjects/statics/corner_rod_cylinder.h"

#include <cstdlib>
#include <string>

#include "figures/dimensions.h"
#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "figures/supports.h"
#include "subjects/structural/common/truss_solvers.h"
#include "toolkit/answers.h"
#include "toolkit/indexed_array.h"
#include "toolkit/number_format.h"
#include "toolkit/numerics.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace statics {

namespace {

using Digits = toolkit::IndexedArray<int, 1, 5>;

// One variant: the bits, the rod direction, the signs and the results.
struct CornerData {
  int family = 1;
  Digits e{}, g{}, q{};
  int c = 4, sn = 3;  // cos and sin of the rod's angle, times 5
  int s1 = 1, s2 = 1, s3 = 1;
  int sum = 0;  // P2 + P3 + P4
  int P = 0, F = 0, R = 1, delta = 1, Mmin = 0, Mmax = 0;
  // family-specific drawing choices
  int kind = 1, a = 0, r = 1;
  int M = 0;        // family 2: the couple with its sign
  int M_sense = 1;  // family 2: the drawn couple, +1 counter-clockwise
};

void SetPoint(SharedState& s, int i, double x, double y) {
  s.PointX[i] = x;
  s.PointY[i] = y;
}

std::string Int5(int v) { return toolkit::FormatFixed(v, 5, 0); }

std::string Number(const SharedState& s) {
  return toolkit::FormatFixed(toolkit::PrintedVariantNumber(s), 1, 0);
}

int RoundInt(double x) { return static_cast<int>(toolkit::RoundHalfEven(x)); }

void SolveCornerFamily1(SharedState& s, CornerData& d) {
  const auto &e = d.e, &g = d.g, &q = d.q;
  d.a = 1 - 2 * q[1];
  d.r = e[4] + 1;
  d.kind = (d.r == 2 && d.a == -1) ? 1 : 2;
  const int dd = (e[2] + g[2] + 2) * d.a;
  const int p2 = d.a * (e[3] + 2) + dd;
  const int p3 = (d.a == -1 && d.r == 2) ? g[3] + 4 : g[3] + 2;
  const int p4 = p3 / 2;
  const int f = g[4] + 1;
  const int hx = d.kind == 1 ? 1 - 2 * g[1] : 0;
  const int hy = d.kind == 2 ? 1 - 2 * g[1] : 0;
  d.R = 1;
  d.delta = e[1] + 1;
  const double o = d.r == 2 ? 0.45 : 0.55;
  SetPoint(s, 1, 0, 0);
  SetPoint(s, 3, p2, p3);
  SetPoint(s, 5, p2 + o * d.c, p3 - o * d.sn);
  SetPoint(s, 6, s.PointX[5] + 1, s.PointY[5] - 1);
  if (d.r == 1)
    SetPoint(s, 2, 0, p3);
  else
    SetPoint(s, 2, p2, 0);
  if (d.kind == 1)
    SetPoint(s, 4, dd, s.PointY[2]);
  else if (d.a == 1 && d.r == 2)
    SetPoint(s, 4, s.PointX[2], p4);
  else
    SetPoint(s, 4, s.PointX[1], p4);
  const int J = d.c * p3 + d.sn * p2;
  const int I = hx * dd - hy * p4;
  d.P = I * d.sn + 100 * f;
  d.F = d.kind == 1 ? J * hx : J * hy;
  d.Mmin = -d.c * I - f * d.delta;
  d.Mmax = -d.c * I + f * d.delta;
  AnsWriteLine(s, Number(s) + "&$" + Int5(d.Mmin) + "$&$" + Int5(d.Mmax) + "$");
}

void SolveCornerFamily2(SharedState& s, CornerData& d) {
  const auto &e = d.e, &g = d.g, &q = d.q;
  const int sA = 1 - 2 * e[4];
  d.kind = q[1] + 1;
  d.R = g[3] + 1;
  d.delta = g[3] + 1;
  int A = 0, u = 0, v = 0, yC = 0, t = 0;
  if (d.kind == 1) {
    u = e[1] + e[2] + d.R;
    v = u + e[3] + 1;
    yC = std::abs(u - v) == d.R ? u - d.R : u;
  } else {
    u = e[3] + 1;
    A = u + e[1] + e[2] + d.R;
    yC = -q[2] - 1;
    if (std::abs(yC) == d.R) yC -= 1;
    t = 2;
  }
  const int w = (g[1] + g[2] + 5 + t) * sA;
  SetPoint(s, 1, 0, A);
  SetPoint(s, 2, 0, v);
  SetPoint(s, 5, 0, u);
  SetPoint(s, 3, w, v);
  SetPoint(s, 4, w, yC);
  // Both corners of the cylinder's square, so that the fitted figure holds all of it.
  SetPoint(s, 6, w - d.R, yC - d.R);
  SetPoint(s, 7, w + d.R, yC + d.R);
  const int sg = u > A ? 1 : (u < A ? -1 : 0);
  d.P = 100 * d.R * sg * (u - A) + d.sum;
  d.F = sg * (A - v) * d.delta;
  d.M = (100 * sg * d.R * (A - u) + d.P) * w + sg * (A - u) * (v - yC) * d.delta;
  // M (counter-clockwise) bounds the couple from above when the cylinder stands right of the
  // rod (w > 0) and from below when it stands left: the couple is drawn in the sense in which
  // the bound is an upper one, so M_max is M in that sense and may be negative.
  d.M_sense = w > 0 ? 1 : -1;
  d.Mmax = d.M_sense * d.M;
  AnsWriteLine(s, Number(s) + "& $-\\infty$ &$" + Int5(d.Mmax) + "$");
}

void SolveCornerFamily3(SharedState& s, CornerData& d) {
  const auto &e = d.e, &g = d.g, &q = d.q;
  const int k = q[3] + 1;
  const int a = e[4] + 3 + q[1];
  const int b = g[1] + 3 + q[2];
  d.R = g[2] + 1;
  d.delta = g[3] + 1;
  SetPoint(s, 3, d.s1 * a, 0);
  SetPoint(s, 2, d.s1 * a, d.s3 * b);
  SetPoint(s, 1, s.PointX[2] + d.s2 * a, s.PointY[2]);
  const int xm = RoundInt((s.PointX[1] + s.PointX[2]) / 2);
  SetPoint(s, 4, xm, s.PointY[1]);
  SetPoint(s, 5, 0, 0);
  SetPoint(s, 6, -d.R, -d.R);
  SetPoint(s, 7, d.R, d.R);
  int v[4];
  v[1] = 100 - k * b * (d.s1 * d.s2 * a + a - d.s2 * xm);  // P
  v[0] = k * b * a;                                        // F
  const int E = (d.s1 * a + d.s2 * a - xm) * k * d.s1 * a * d.s3 * d.s2 * d.R;
  v[2] = d.delta - E;
  v[3] = -d.delta - E;
  toolkit::NormalizeIntVector(v, 4);
  d.F = v[0], d.P = v[1], d.Mmax = v[2], d.Mmin = v[3];
  AnsWriteLine(s, Number(s) + "&$" + Int5(d.Mmin) + " $&$" + Int5(d.Mmax) + "$");
}

// A limit of the couple, num / den N·m: whole numbers as such, else with two decimals.
std::string Limit5(long long num, long long den) {
  if (num % den == 0) return Int5(static_cast<int>(num / den));
  return toolkit::FormatFixed(static_cast<double>(num) / static_cast<double>(den), 5, 2);
}

void SolveCornerFamily4(SharedState& s, CornerData& d) {
  const auto &e = d.e, &g = d.g, &q = d.q;
  int k = q[4] + 1;
  const int a = e[4] + 4 + q[4] + q[1];
  const int b = g[1] + 3 + q[2];
  const int ee = g[2] + 2 + g[3];
  d.R = 1;
  d.delta = q[3] + 1;
  SetPoint(s, 3, d.s1 * a, 0);
  SetPoint(s, 2, d.s1 * a, d.s2 * b);
  SetPoint(s, 1, s.PointX[2] + d.s3 * ee, s.PointY[2]);
  const int ym = RoundInt(s.PointY[2] / 2);
  SetPoint(s, 4, s.PointX[2], ym);
  SetPoint(s, 5, 0, 0);
  SetPoint(s, 6, -1, -1);
  SetPoint(s, 7, 1, 1);
  // arm: the height of F's line above the corner's hinge. At the couple that leaves the
  // cylinder without rolling tendency it presses on the floor only when k e + arm > 0; else
  // no couple holds the system, and the cylinder is made heavier (a larger k).
  const int arm = ym - d.s2 * b;
  while (k * ee + arm <= 0) ++k;
  int v[4];
  v[0] = 100 * d.R * d.s3 * ee - d.s2 * b * d.delta;
  v[1] = k * v[0] * d.s3;
  v[2] = 100 * d.R * a * (d.s2 * b - ym) - k * d.s3 * a * d.s2 * b * d.delta;
  v[3] = 100 * d.R * (k * ee - d.s2 * b + ym);
  toolkit::NormalizeIntVector(v, 4);
  d.F = v[0], d.P = v[1];
  // The couple on the rod shifts the rod's end forces vertically: the cylinder's pressure N
  // and, through the corner's moment about its hinge, the horizontal push that rolls it. Both
  // senses of rolling bound the couple, each where R times the push reaches delta N:
  // limit = sigma1 L (s delta B P - 100 R arm F) / (100 R E + s delta B) for s = +1, -1, with
  // L = sigma1 a, B = sigma2 b, E = sigma3 e, in the drawn sense (counter-clockwise when
  // sigma1 = -1).
  const long long L = d.s1 * a, B = d.s2 * b, E = d.s3 * ee;
  long long num[2], den[2];
  for (int i = 0; i < 2; ++i) {
    const long long sg = i == 0 ? 1 : -1;
    num[i] = d.s1 * L * (sg * d.delta * B * d.P - 100LL * d.R * arm * d.F);
    den[i] = 100LL * d.R * E + sg * d.delta * B;
    if (den[i] < 0) num[i] = -num[i], den[i] = -den[i];
  }
  const bool first_lower = num[0] * den[1] < num[1] * den[0];
  const int lo = first_lower ? 0 : 1, hi = 1 - lo;
  AnsWriteLine(s, Number(s) + "&$" + Limit5(num[lo], den[lo]) + "$&$" + Limit5(num[hi], den[hi]) +
                      "$");
}

void SolveCornerFamily5(SharedState& s, CornerData& d) {
  const auto &e = d.e, &g = d.g, &q = d.q;
  int k = q[4] + 1;
  int a = e[4] + 3 + q[4] + q[1];
  const int b = g[1] + 4 + q[2] + d.s1;
  if (3 * a == 4 * b) a += 1;
  d.R = 1;
  d.delta = 2;
  SetPoint(s, 5, -4, -3);
  SetPoint(s, 2, 0, -d.s1 * b);
  SetPoint(s, 1, -d.s2 * a, s.PointY[2]);
  const int xm = RoundInt(s.PointX[1] / 2);
  SetPoint(s, 4, xm, s.PointY[1]);
  SetPoint(s, 6, -5, -4);
  SetPoint(s, 7, -3, -2);
  const int D = 4 * d.s1 * b - 3 * d.s2 * a;
  int v[5];
  v[0] = 100 * d.s2 * D;
  if (3 * a > 4 * b) k = -1;
  v[1] = 100 * k * d.s1 * D;
  const int T = -3 * k * d.s1 * d.s2 * a + 4 * k * b + 3 * d.s2 * xm + 3 * a;
  const int arm = 400 * d.R * d.s2 * (d.s2 * a + xm);
  v[2] = T * d.delta - arm;
  v[3] = -T * d.delta - arm;
  v[4] = 100 * T;
  toolkit::NormalizeIntVector(v, 5);
  d.F = v[0], d.P = v[1], d.Mmax = v[2], d.Mmin = v[3];
  AnsWriteLine(s, Number(s) + "&$" + Int5(d.Mmin) + "$&$" + Int5(d.Mmax) + "$");
}

void DrawCorner(SharedState& s, int a, int b, int c) {
  WriteText(s, "\\Blue{");
  DrawTwoSegmentsFromNode(s, a, b, c);
  WriteLine(s, "}\\spe");
}

void DrawCylinder(SharedState& s, int i, int rho, double floor_dx, double floor_len) {
  DrawTwoCircles(s, 2 * rho, 3, s.PointX[i], s.PointY[i]);
  DrawHatchRowV(s, -1, s.PointX[i] - floor_dx, s.PointY[i] - rho, floor_len);
}

void DrawCornerFamily1(SharedState& s, const CornerData& d, int rho) {
  const auto &X = s.PointX, &Y = s.PointY;
  DrawBar(s, 3, 5);
  DrawCorner(s, 1, 2, 3);
  PutBoxAtPoint(s, 3, d.q[1] == 0 ? "UGOLsmall" : "UGOLbig");
  PutHingeBoxAtPoint(s, 1);
  DrawNodeMarker(s, 3);
  DrawCylinder(s, 5, rho, rho, 2 * rho);
  if (d.kind == 1)
    DrawThickRedForce(s, 0, 1, "$F$", d.F, X[4], Y[4], 15, 2, 5);
  else
    DrawThickRedForce(s, 1, 0, "$F$", d.F, X[4] - (d.a == 1 && d.r == 2 ? 16 : 0), Y[4], 15, 6, 2);
  DrawDimensionChains(s, 4, -10, -12, 1, s.Scale, s.Scale, 1);
  PutBox(s, "dmomentp", X[5], Y[5]);
  PutLabel(s, "$M$", X[5] + rho, Y[5]);
}

void DrawCornerFamily2(SharedState& s, const CornerData& d, int rho) {
  const auto &X = s.PointX, &Y = s.PointY;
  DrawBar(s, 1, 2);
  DrawCorner(s, 2, 3, 4);
  if (d.kind == 1)
    PutHingeBoxAtPoint(s, 1);
  else
    PutUpHingeBoxAtPoint(s, 1);
  DrawNodeMarker(s, 2);
  DrawCylinder(s, 4, rho, rho, 2 * rho);
  DrawThickRedForce(s, 1, 0, "$F$", d.F, X[5], Y[5], 15, 6, 2);
  DrawDimensionChains(s, 5, -10, -12, 1, s.Scale, s.Scale, 1);
  const double xm = (X[2] + X[3]) / 2;
  PutBox(s, d.M_sense > 0 ? "rmomentp" : "rmomentm", xm, Y[2]);
  PutLabel(s, "$M$", xm + 7, Y[2] + 2);
}

void DrawCornerFamily3(SharedState& s, const CornerData& d, int rho) {
  const auto &X = s.PointX, &Y = s.PointY;
  DrawBar(s, 1, 2);
  DrawCorner(s, 2, 3, 5);
  PutHingeBoxAtPoint(s, 1);
  DrawNodeMarker(s, 2);
  DrawTwoCircles(s, 2 * rho, 3, X[5], Y[5]);
  DrawHatchRowV(s, -1, X[5] - rho / 2.0, Y[5] - rho, rho);
  if (d.s3 == 1)
    DrawThickRedForce(s, 0, -1, "$F$", d.F, X[4], Y[4], 15, 2, -14);
  else
    DrawThickRedForce(s, 0, -1, "$F$", d.F, X[4], Y[4] + 15, 15, -7, -4);
  DrawDimensionChains(s, 5, -10, -12, 1, s.Scale, s.Scale, 1);
  PutBox(s, d.s1 == -1 ? "rmomentp" : "vmomentp", X[5], Y[5]);
  PutLabel(s, "$M$", X[5] + 7 * d.s1 - 6, Y[5] + 2);
}

void DrawCornerFamily4(SharedState& s, const CornerData& d, int rho) {
  const auto &X = s.PointX, &Y = s.PointY;
  DrawBar(s, 5, 3);
  DrawCorner(s, 1, 2, 3);
  PutHingeBoxAtPoint(s, 1);
  DrawNodeMarker(s, 3);
  DrawCylinder(s, 5, rho, rho, 2 * rho);
  if (d.s1 == 1)
    DrawThickRedForce(s, -1, 0, "$F$", d.F, X[4], Y[4], 15, -9, 2);
  else
    DrawThickRedForce(s, -1, 0, "$F$", d.F, X[4] + 15, Y[4], 15, -4, 2);
  DrawDimensionChains(s, 5, -10, -20, 1, s.Scale, s.Scale, 1);
  if (d.s1 == -1)
    PutBox(s, "rmomentp", X[3] + 6, Y[5]);
  else
    PutBox(s, "rmomentm", X[3] - 18, Y[5]);
  PutLabel(s, "$M$", X[3] - 12 * d.s1 + 2, Y[5] + 3);
}

void DrawCornerFamily5(SharedState& s, const CornerData& d, int rho) {
  const auto &X = s.PointX, &Y = s.PointY;
  DrawBar(s, 5, 3);
  DrawCorner(s, 1, 2, 3);
  PutHingeBoxAtPoint(s, 1);
  DrawNodeMarker(s, 3);
  DrawCylinder(s, 5, rho, rho, 2 * rho);
  if (d.s1 == 1)
    DrawThickRedForce(s, 0, 1, "$F$", d.F, X[4], Y[4], 15, 2, 4);
  else
    DrawThickRedForce(s, 0, 1, "$F$", d.F, X[4], Y[4] - 15, 15, -2, -8);
  DrawDimensionChains(s, 5, -10, -20, 1, s.Scale, s.Scale, 1);
  PutBox(s, "vmomentp", X[5], Y[5]);
  PutLabel(s, "$M$", X[5] - 10, Y[5] + rho + 1);
}

void DefineAngleBox(SharedState& s, std::string_view name, double angle) {
  BeginSaveBox(s, name);
  DrawLabelledArcArrow(s, 0, "\\alpha", 1, 0, 0, 0, angle, 10, 1);
  DrawSegment(s, 1, 0, 14, 0);
  EndSaveBox(s);
}

}  // namespace

void BeginCornerRodCylinderProblem(SharedState& s) {
  s.ParboxWidth = 180;
  AnsBeginTable(s, 7);
  AnsWriteLine(s, "\\ru\\# &\\mc{$M_{min}$}&\\mc{$M_{max}$} \\\\ \\hline ");
  AnsWriteLine(s, "&\\multicolumn{2}{|c|}{Nm} \\\\\\hline");
  WriteLine(s,
            " The mechanical system consists of a weightless corner, weightless rod and the "
            "cylinder weight $P$  of radius $R$. Rod, the cylinder axis and pivotally connected "
            "to corner. Cylinder can roll without slipping with rolling friction $\\delta$. What "
            "are the limits of changing external moment $M$ under the condition of equilibrium "
            "of the system?");
  WriteBookReference(s, 80);
  DefineAngleBox(s, "UGOLsmall", -0.67);
  DefineAngleBox(s, "UGOLbig", -0.92);
}

void WriteCornerRodCylinderVariant(SharedState& s) {
  CornerData d;
  d.family = (s.P1 + 1) / 2;
  ClearPoints(s, 7);
  d.sum = s.P2 + s.P3 + s.P4;
  structural::ByteToBinaryDigits5(s.P6, d.e);
  structural::ByteToBinaryDigits5(s.P7, d.g);
  structural::ByteToBinaryDigits5(d.sum, d.q);
  d.c = 4 - d.q[1];
  d.sn = 3 + d.q[1];
  d.s1 = 1 - 2 * d.e[1];
  d.s2 = 1 - 2 * d.e[2];
  d.s3 = 1 - 2 * d.e[3];
  switch (d.family) {
    case 1:
      SolveCornerFamily1(s, d);
      break;
    case 2:
      SolveCornerFamily2(s, d);
      break;
    case 3:
      SolveCornerFamily3(s, d);
      break;
    case 4:
      SolveCornerFamily4(s, d);
      break;
    default:
      SolveCornerFamily5(s, d);
      break;
  }
  s.BoxWidth = 110;
  s.BoxHeight = 60;
  FitPointsToBox(s, 7, 0);
  WriteLine(s, "\\par ");
  const int rho = RoundInt(s.Scale * d.R);
  BeginPicture(s, 146, 94, -18, -21);
  SetLineWidth(s, 10);
  switch (d.family) {
    case 1:
      DrawCornerFamily1(s, d, rho);
      break;
    case 2:
      DrawCornerFamily2(s, d, rho);
      break;
    case 3:
      DrawCornerFamily3(s, d, rho);
      break;
    case 4:
      DrawCornerFamily4(s, d, rho);
      break;
    default:
      DrawCornerFamily5(s, d, rho);
      break;
  }
  EndPicture(s);
  const char* head = "\\vskip3pt\\noindent{\\small $P=";
  if (d.family == 1) {
    WriteText4NumbersLn(s, head, d.P, "$~N, $F=", std::abs(d.F), "$~N, $R=", d.R,
                        "$~m,\\\\  $\\delta=", std::abs(d.delta), "$");
    WriteText(s, d.q[1] == 0 ? "~cm, $\\cos\\alpha=0.8.$}" : "~cm, $\\cos\\alpha=0.6.$}");
  } else {
    WriteText4NumbersLn(s, head, d.P, "$~N, $F=", std::abs(d.F), "$~N, $R=", d.R,
                        "$~m, $\\delta=", std::abs(d.delta), "$~cm}");
  }
}

}  // namespace statics
