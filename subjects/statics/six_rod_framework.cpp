#include "subjects/statics/six_rod_framework.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <numbers>
#include <string>

#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "figures/supports.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/numerics.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace statics {

namespace {

constexpr int kA = 1, kB = 2, kC = 3, kD = 4, kE = 5;

// 30, 45 or 60 degrees for codes 1..3, in byte arithmetic.
int AngleFromCode(int code) { return static_cast<std::uint8_t>(15 * code + 15); }

bool IsOneOf(int v, std::initializer_list<int> set) {
  for (int k : set) {
    if (k == v) return true;
  }
  return false;
}

// Point c of the triangle a, b, c with the angle alpha at a and beta at b, on the side reached
// by turning the ray from b towards a clockwise by beta (law of sines for the side bc).
void PlaceVertexByAngles(SixRodFrameworkVariant& v, int a, int b, int c, double alpha,
                         double beta) {
  const double L = toolkit::Hypot(v.X[b] - v.X[a], v.Y[b] - v.Y[a]);
  const double R = L * std::sin(alpha) / std::sin(std::numbers::pi - alpha - beta);
  const double ux = (v.X[b] - v.X[a]) / L;
  const double uy = (v.Y[a] - v.Y[b]) / L;
  v.X[c] = v.X[b] - R * (ux * std::cos(beta) - uy * std::sin(beta));
  v.Y[c] = v.Y[b] + R * (uy * std::cos(beta) + ux * std::sin(beta));
}

// c1 x + c2 y + c3 = 0 and c4 x + c5 y + c6 = 0 by Cramer's rule; every scheme has regular
// joints, so the determinant is never zero.
void SolveJointPair(double c1, double c2, double c3, double c4, double c5, double c6, double& x,
                    double& y) {
  const double d = c2 * c4 - c1 * c5;
  x = (c3 * c5 - c2 * c6) / d;
  y = (c1 * c6 - c3 * c4) / d;
}

// Unit vector from joint i towards joint j.
struct Unit {
  double x, y;
};
Unit Towards(const SixRodFrameworkVariant& v, int i, int j) {
  const double l = toolkit::Hypot(v.X[j] - v.X[i], v.Y[j] - v.Y[i]);
  return {(v.X[j] - v.X[i]) / l, (v.Y[j] - v.Y[i]) / l};
}

// The angles of the scheme table; within a row the order of assignment is the order of
// evaluation. Schemes 2, 3 and 8 take CDE from the row's own BCD, A(p3).
void SetAngles(SixRodFrameworkVariant& v, int p1, int p2, int p3, int p4) {
  const auto A = AngleFromCode;
  v.a1 = A(p4);
  switch (p1) {
    case 1:
    case 7:
      v.CED = A(p2);
      if (A(p2) + A(p3) == 90) v.CED = A(p2) - 15;
      v.CDE = 90 - v.CED;
      v.BCD = A(p3);
      v.BDC = 90 - v.BCD;
      v.a2 = v.a1;
      if (p1 == 7 && (v.CDE + v.BDC + v.a2 == 90 || v.CDE + v.BDC + v.a2 == 180)) v.a2 = 40;
      break;
    case 2:
    case 8:
      v.CED = A(p2);
      v.CDE = A(p3);
      v.BCD = A(p3);
      v.BDC = 90 - v.BCD;
      v.a2 = 90 - v.a1;
      break;
    case 3:
      v.CED = 90;
      v.CDE = A(p3);
      v.BCD = A(p3);
      v.BDC = 180 - 2 * v.BCD;
      v.a2 = A(p2);
      break;
    case 4:
    case 10:
      v.CED = 90;
      v.CDE = A(p4);
      v.BCD = 90;
      v.BDC = A(p3);
      v.a2 = A(p2);
      v.a1 = 90;
      if (p1 == 10 && (v.CDE + v.BDC + v.a2 == 90 || v.CDE + v.BDC + v.a2 == 180)) v.a2 -= 10;
      break;
    case 5:
    case 11:
      v.CED = 120;
      v.CDE = 30;
      v.BCD = A(p2);
      v.BDC = 90 - v.BCD;
      v.a2 = A(p3);
      if (p1 == 11 && (v.BDC + v.a2 == 60 || v.BDC + v.a2 == 150)) v.a2 -= 10;
      break;
    case 6:
      v.CED = 60;
      v.CDE = 60;
      v.BCD = A(p2);
      v.BDC = 90;
      v.a2 = A(p3);
      break;
    case 9:
      v.CED = 30;
      v.CDE = 30;
      v.BCD = A(p3);
      v.BDC = A(p2);
      v.a2 = v.a1;
      if (v.BCD + v.a2 == 120) {
        v.CDE = 15;
        v.CED = 15;
      }
      break;
    case 12:
    case 13:
      v.CED = A(p2);
      v.CDE = A(p3);
      v.BCD = 120;
      v.BDC = 30;
      v.a2 = A(p4);
      v.a1 = 60;
      if (p1 == 13 && v.a2 + v.CDE == 60) v.a2 = 90;
      break;
    case 14:
    case 15:
      v.CED = A(p2);
      v.CDE = A(p3);
      v.BCD = v.CED + v.CDE;
      v.BDC = 90 - v.CDE;
      v.a2 = v.BCD + v.BDC - 90;
      if (p1 == 15) {
        v.a1 = 90;
        v.a2 = A(p4);
      }
      break;
    default:  // 16
      v.CED = A(p2);
      v.CDE = A(p3);
      v.BCD = v.CDE;
      v.BDC = 90 - v.CDE;
      v.a2 = A(p3);
      v.a1 = 90;
      break;
  }
}

// The method of joints: A, then B, then C, each rod pulling its joint towards its other end.
void SolveRodForces(SixRodFrameworkVariant& v) {
  const double Px = v.horizontal ? v.P : 0.0;
  const double Py = v.horizontal ? 0.0 : -v.P;
  const Unit ab = Towards(v, kA, kB);
  const int third = v.rod_ac ? kC : kD;
  const Unit ax = Towards(v, kA, third);
  double s_ax = 0;
  SolveJointPair(ab.x, ax.x, Px, ab.y, ax.y, Py, v.S_AB, s_ax);
  (v.rod_ac ? v.S_AC : v.S_AD) = s_ax;

  // Joint B: AB pulls B towards A.
  const Unit bc = Towards(v, kB, kC);
  const Unit bd = Towards(v, kB, kD);
  SolveJointPair(bc.x, bd.x, -v.S_AB * ab.x, bc.y, bd.y, -v.S_AB * ab.y, v.S_BC, v.S_BD);

  // Joint C: BC pulls C towards B, AC towards A.
  const Unit cd = Towards(v, kC, kD);
  const Unit ce = Towards(v, kC, kE);
  double kx = -v.S_BC * bc.x;
  double ky = -v.S_BC * bc.y;
  if (v.rod_ac) {
    kx -= v.S_AC * ax.x;
    ky -= v.S_AC * ax.y;
  }
  SolveJointPair(cd.x, ce.x, kx, cd.y, ce.y, ky, v.S_CD, v.S_CE);
}

}  // namespace

SixRodFrameworkVariant DeriveSixRodFrameworkVariant(int p1, int p2, int p3, int p4, int p6) {
  SixRodFrameworkVariant v;
  v.rod_ac = IsOneOf(p1, {1, 2, 3, 4, 5, 6, 9, 12, 14});
  v.horizontal = (p2 == 1 || p3 == 1) && IsOneOf(p1, {1, 2, 3, 5, 6});
  v.P = p6;
  SetAngles(v, p1, p2, p3, p4);

  const double rad = std::numbers::pi / 180;
  v.X[kD] = 0;
  v.Y[kD] = 0;
  v.X[kE] = 10;
  v.Y[kE] = 0;
  PlaceVertexByAngles(v, kD, kE, kC, v.CDE * rad, v.CED * rad);
  PlaceVertexByAngles(v, kD, kC, kB, v.BDC * rad, v.BCD * rad);
  if (v.rod_ac) {
    PlaceVertexByAngles(v, kB, kC, kA, v.a2 * rad, v.a1 * rad);
  } else {
    PlaceVertexByAngles(v, kD, kB, kA, v.a2 * rad, v.a1 * rad);
  }
  SolveRodForces(v);
  return v;
}

void BeginSixRodFrameworkProblem(SharedState& s) {
  s.ParboxWidth = 205;
  s.BoxWidth = 155;
  s.BoxHeight = 70;
  // The book reference alone would leave the student without a task.
  WriteLine(s,
            "Плоская ферма из шести стержней закреплена шарнирами $D$ и $E$; в узле $A$ "
            "приложена сила $\\vec P$. Найти усилия в стержнях (растяжение положительно).");
  WriteBookReference(s, 14);
  AnsWrite(s, "\\tabcolsep=1pt");
  AnsBeginTable(s, 8);
  AnsWriteLine(s,
               " & $S_{AB}$&$ S_{AC}  $&$  S_{AD}  $&$  S_{BC} $&$   S_{BD} $&$   S_{CD}$&$    "
               "S_{CE}$\\\\\\hline");
}

void WriteSixRodFrameworkVariant(SharedState& s) {
  const int p1 = s.P1;
  const SixRodFrameworkVariant v = DeriveSixRodFrameworkVariant(p1, s.P2, s.P3, s.P4, s.P6);

  ClearPoints(s, 5);
  for (int k = 1; k <= 5; ++k) {
    s.PointX[k] = v.X[k];
    s.PointY[k] = v.Y[k];
  }
  FitPointsToBox(s, 5, 0);
  WriteText(s, "\\par\\noindent\\hfill ");
  const double W = s.RangeX * s.Scale;
  // The letters stand up to 11 pt left of the nodes; on the right the force P with its
  // letter reaches 25 pt past the widest node (the framework is at most 155 pt wide, and the
  // line, without its indent, leaves the data column its 65 pt and a space).
  BeginPicture(s, std::min(W + 36, 176.0), 99, -11, -12);
  SetLineWidth(s, 4);
  DrawBar(s, kD, kB);
  DrawBar(s, kB, kC);
  DrawBar(s, kD, kC);
  DrawBar(s, kC, kE);
  DrawBar(s, kB, kA);
  DrawBar(s, kA, v.rod_ac ? kC : kD);
  SetLineWidth(s, 1);
  for (int k = 1; k <= 5; ++k) DrawNodeMarker(s, k);

  const auto& x = s.PointX;
  const auto& y = s.PointY;
  if (v.horizontal) {
    PutLabel(s, "$A$", x[kA] - 9, y[kA] + 1);
  } else if (IsOneOf(p1, {7, 8, 10, 13})) {
    PutLabel(s, "$A$", x[kA] - 9, y[kA] - 4);
  } else {
    PutLabel(s, "$A$", x[kA] + 5, y[kA] + 2);
  }
  PutLabel(s, "$B$", x[kB] - 7, y[kB] + 2);
  if (p1 == 4 || p1 == 12) {
    PutLabel(s, "$C$", x[kC] + 3, y[kC] - 4);
  } else if (v.horizontal && p1 == 1) {
    PutLabel(s, "$C$", x[kC] + 1, y[kC] - 11);
  } else {
    PutLabel(s, "$C$", x[kC] + 3, y[kC] + 2);
  }
  PutLabel(s, "$D$", x[kD] - 3, y[kD] - 12);
  PutLabel(s, "$E$", x[kE] - 3, y[kE] - 12);

  WriteText(s, "\\Red{");
  if (v.horizontal) {
    DrawThickRedVector(s, 1, 0, x[kA], y[kA], 15);
    PutBlueLabel(s, "$ \\vec P$", x[kA] + 16, y[kA] - 3);
  } else {
    DrawThickRedVector(s, 0, -1, x[kA], y[kA] + 15, 14);
    PutBlueLabel(s, "$\\vec P$", x[kA] - 11, y[kA] + 6);
  }
  WriteText(s, "}");
  DrawHatchRowV(s, -1, -2, -1.5, W + 4);
  EndPicture(s);

  using toolkit::FormatFixed;
  AnsWriteNumber(s, toolkit::PrintedVariantNumber(s));
  if (v.rod_ac) {
    AnsWrite(s, "&$" + FormatFixed(v.S_AB, 8, 3) + "$&$" + FormatFixed(v.S_AC, 8, 3) +
                    "$& ---  &$" + FormatFixed(v.S_BC, 8, 3) + " $&$ " + FormatFixed(v.S_BD, 8, 3) +
                    " $&$ " + FormatFixed(v.S_CD, 8, 3) + " $&$ " + FormatFixed(v.S_CE, 8, 3) +
                    "$ ");
  } else {
    AnsWrite(s, " &$ " + FormatFixed(v.S_AB, 8, 3) + " $&   ---  &$ " + FormatFixed(v.S_AD, 8, 3) +
                    " $&$ " + FormatFixed(v.S_BC, 8, 3) + " $&$ " + FormatFixed(v.S_BD, 8, 3) +
                    "$&$" + FormatFixed(v.S_CD, 8, 3) + "$&$" + FormatFixed(v.S_CE, 8, 3) + "$");
  }

  WriteText(s, "\\hfill\\parbox[b]{65pt}{ \\small ");
  WriteTextNumberLn(s, " $P$=", v.P, "~kN,\\\\ ");
  const char* first_name = v.rod_ac ? "$\\angle ACB$=$" : "$\\angle ABD$=$";
  const char* second_name = v.rod_ac ? "$\\angle ABC$=$" : "$\\angle ADB$=$";
  WriteTextNumberLn(s, first_name, v.a1, "^\\circ,$\\ \\\\");
  WriteTextNumberLn(s, second_name, v.a2, "^\\circ,$\\\\ ");
  WriteTextNumberLn(s, "$\\angle BDC$=$", v.BDC, "^\\circ,$\\ \\\\");
  WriteTextNumberLn(s, "$\\angle BCD$=$", v.BCD, "^\\circ,$\\\\ ");
  WriteTextNumberLn(s, "$\\angle CDE$=$", v.CDE, "^\\circ,$\\ \\\\");
  WriteTextNumberLn(s, "$\\angle CED$=$", v.CED, "^\\circ.$\\par}");
  WriteLine(s, "%");
}

}  // namespace statics
