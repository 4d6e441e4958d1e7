#include "subjects/dynamics/truss_oscillation.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "figures/dimensions.h"
#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "figures/supports.h"
#include "subjects/dynamics/dynamics.h"
#include "subjects/structural/common/truss_solvers.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace dynamics {

namespace {

constexpr double kPi = std::numbers::pi;
const double kSqrt3 = std::sqrt(3.0);

// The bar stiffness in newtons; at Level 1 the text states 1 kN.
double StiffnessOf(const SharedState& s) {
  return s.Level == 1 ? 1000.0 : (s.P1 + s.P2) * (s.P1 + s.P2) * 100.0;
}

}  // namespace

void SetTrussOscillationShape(SharedState& s, int p1) {
  const double shapes[7][4][2] = {
      {},
      {{0, 0}, {1, 0}, {1, 1}, {2, 1}},
      {{0, 0}, {2, 0}, {1, kSqrt3}, {2, 2 * kSqrt3}},
      {{0, 0}, {1, 0}, {0, 1}, {1, 1}},
      {{0, 0}, {4, 0}, {1, kSqrt3}, {2, 2 * kSqrt3}},
      {{0, 0}, {2, 0}, {1, 1}, {2, 2}},
      {{0, 0}, {1, 0}, {0.5, kSqrt3 / 2}, {1.5, kSqrt3 / 2}},
  };
  ClearPoints(s, 4);
  for (int k = 1; k <= 4; ++k) {
    s.PointX[k] = shapes[p1][k - 1][0];
    s.PointY[k] = shapes[p1][k - 1][1];
  }
}

TrussOscillationAnswers SolveTrussNodeOscillation(SharedState& s) {
  const int h = s.P3 == 1 ? 1 : 4;
  const int r = 5 - h;
  const int j = s.P4 + 1;
  structural::SolveTrussByJointsC(s, r, 1 - s.P2, 2 - s.P2, h, j, 1, 0);
  s.SavedRhs1 = s.SystemRhs;
  structural::SolveTrussByJointsC(s, r, 1 - s.P2, 2 - s.P2, h, j, 0, 1);
  TrussOscillationAnswers a;
  const double L1 = s.TrussUnitForceResult[1];
  for (int i = 1; i <= 5; ++i) {
    const double n1 = s.SavedRhs1[i][1], n2 = s.SystemRhs[i][1];
    const double L = s.TrussUnitForceResult[i] / L1;
    a.b11 += n1 * n1 * L;
    a.b12 += n1 * n2 * L;
    a.b22 += n2 * n2 * L;
  }
  a.EF = StiffnessOf(s);
  a.m = s.Level == 1 ? 1 : s.P5 * s.P5;
  const double det = a.b11 * a.b22 - a.b12 * a.b12;
  const double T = a.b11 + a.b22;
  // Equal eigenvalues may leave the discriminant a rounding error below zero.
  const double R = std::sqrt(std::max(0.0, T * T - 4 * det));
  a.omega1 = std::sqrt((T - R) / 2 / det * a.EF / a.m);
  a.omega2 = std::sqrt((T + R) / 2 / det * a.EF / a.m);

  std::string row = toolkit::FormatFixed(toolkit::PrintedVariantNumber(s), 2, 0);
  for (double x : {a.b11, a.b12, a.b22, a.omega1, a.omega2}) {
    row += "&" + toolkit::FormatFixed(x, 8, 3);
  }
  AnsWrite(s, row);
  return a;
}

void BeginTrussOscillationProblem(SharedState& s) {
  SetDynamicsDefaultBox(s);
  s.ParboxWidth = 172;
  DefineRightRollerBox(s);
  DefineLeftRollerBox(s);
  AnsBeginTable(s, 6);
  AnsWriteLine(s,
               "\\ru &\\mc{$b_{11}EF$}&\\mc{$b_{12}EF$}&\\mc{$b_{22}EF$}&\\mc{$\\omega_1$}&\\mc{$"
               "\\omega_2$} \\\\\\hline");
  WriteLine(s,
            " В  одном  из  шарниров  плоской   фермы(на   рисунке выделен) находится точка с  "
            "массой  $m$.  Стержни  фермы  упругие.");
  WriteLine(s,
            " Жесткость стержней $EF$; $l=1$~м. Ферма расположена в горизонтальной плоскости. "
            "Пренебрегая массой стержней, определить частоты собственных малых колебаний  "
            "шарнира фермы. ");
  WriteLine(s,
            "\\vskip2mm {\\small Коэффициенты податливости, умноженные на жесткость $EF$, даны "
            "в           м,  частоты --- в  рад/с.  Индекс  1 соответствует горизонтальной "
            "единичной силе, 2 --- вертикальной.}");
  WriteBookReference(s, 343);
}

void WriteTrussOscillationVariant(SharedState& s) {
  s.BoxWidth = 90;
  s.BoxHeight = 50;
  SetTrussOscillationShape(s, s.P1);
  FitPointsToBox(s, 4, 0);
  const auto& x = s.PointX;
  const auto& y = s.PointY;

  WriteText(s, "\\par");
  // The fitted truss is 90 by 50; the load and its letter reach 37 past it, the supports 16
  // below it, the letter of a top joint up to 14 above it (4 more keep it off the heading).
  BeginPicture(s, 137, 80, -30, -16);
  DrawNodeMarker(s, 2);
  DrawNodeMarker(s, 3);
  SetLineWidth(s, 5);
  DrawBar(s, 1, 2);
  DrawBar(s, 2, 3);
  DrawBar(s, 3, 4);
  DrawBar(s, 1, 3);
  DrawBar(s, 2, 4);
  SetLineWidth(s, 2);
  if (s.P3 == 1) {
    PutHingeBoxAtPoint(s, 1);
    PutBoxAtPoint(s, 4, s.P2 == 1 ? "uphingmobil" : "righthingmobil");
  } else {
    PutUpHingeBoxAtPoint(s, 4);
    PutBoxAtPoint(s, 1, s.P2 == 1 ? "hingmobil" : "lefthingmobil");
  }
  const double xv = x[4] + 12;
  DrawDimensionHText(s, "$l$", x[1], x[2], -15);
  switch (s.P1) {
    case 1:
      DrawDimensionHText(s, "$l$", x[3], x[4], -15);
      DrawDimensionVText(s, "$l$", xv, y[2], y[3]);
      break;
    case 2:
      DrawDimensionVText(s, "$l\\sqrt{3}/2$", xv, y[2], y[3]);
      break;
    case 3:
      DrawDimensionVText(s, "$l$", xv, y[2], y[3]);
      break;
    case 5:
      DrawDimensionVText(s, "$l/2$", xv, y[2], y[3]);
      DrawDimensionVText(s, "$l/2$", xv, y[3], y[4]);
      break;
    case 6:
      DrawDimensionHText(s, "$l/2$", x[2], x[4], -15);
      break;
    default:
      break;
  }
  if (s.P1 == 2 || s.P1 == 4 || s.P1 == 6) {
    DrawLabelledArc(s, 0, "$60^\\circ$", 1, x[1], y[1], 0, kPi / 3, 12);
  }
  if (s.P1 == 4) {
    DrawLabelledArc(s, 0, "$60^\\circ$", 2, x[4], y[4], 4 * kPi / 3, 5 * kPi / 3, 14);
    DrawLabelledArc(s, 0, "$30^\\circ$", 2, x[2], y[2], 5 * kPi / 6, kPi, 14);
  }
  if (s.P1 == 6) DrawLabelledArc(s, 0, "$60^\\circ$", 2, x[2], y[2], 2 * kPi / 3, kPi, 14);
  const int j = s.P4 + 1;
  WriteText(s, "{\\thicklines\\Orange{");
  DrawCircle(s, x[j], y[j], 4);
  WriteText(s, "}}");
  if (s.P4 == 1) {
    PutBlueLabel(s, "$m$", x[j] + 3, y[j] - 3);
  } else {
    PutBlueLabel(s, "$m$", x[j] - 9, y[j] + 3);
  }
  EndPicture(s);

  const TrussOscillationAnswers a = SolveTrussNodeOscillation(s);
  if (s.Level == 1) {
    WriteLine(s, " \\vskip4mm\\small\\hskip6mm $EF=1$~кН,");
  } else {
    WriteTextNumberLn(s, " \\vskip4mm\\small\\hskip6mm $EF=", a.EF * 0.001, "$~кН,");
  }
  WriteTextNumberLn(s, " $m=", a.m, "$~кг.");
  WriteText(s, "\\vskip1mm ");
}

}  // namespace dynamics
