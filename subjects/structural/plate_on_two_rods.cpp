#include "subjects/structural/plate_on_two_rods.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "figures/supports.h"
#include "toolkit/answers.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace structural {

namespace {

constexpr double kPi = 3.14159265358979323846;

// The slope signs (sx, sy) of a rod by its choice 1..3.
constexpr int kRodSlopeSigns[3][2] = {{1, 1}, {1, -1}, {-1, -1}};

int OneToThree(int p) { return p > 3 ? 1 : p; }

}  // namespace

PlateOnTwoRodsVariant DerivePlateOnTwoRodsVariant(int p1, int p2, int p3, int p4, int p5, int p6,
                                                  int p7) {
  PlateOnTwoRodsVariant v;
  v.a1 = OneToThree(p1);
  v.a2 = OneToThree(p2);
  v.sx1 = kRodSlopeSigns[v.a1 - 1][0];
  v.sy1 = kRodSlopeSigns[v.a1 - 1][1];
  v.sx2 = kRodSlopeSigns[v.a2 - 1][0];
  v.sy2 = kRodSlopeSigns[v.a2 - 1][1];
  v.AB = p4 + 4;
  v.AC = p3 + 4;
  v.k = p6 + 1;
  v.P = 10 * (p7 * p7 + 2 * p5 + v.a1);
  // The couple is chosen so that the rod forces below hold. With rod "1" (length l1) at B
  // and rod "2" (length k/5 of l1) at C, compatibility of the plate's turn about A and the
  // moment balance give these whole numbers for every k.
  v.S1 = -5 * v.AB * v.k * v.sx2;
  v.S2 = 25 * v.AC * v.sx1;
  v.m = v.P * v.AB - 15 * v.AC * v.AC - 3 * v.k * v.AB * v.AB;

  v.X[1] = 0;
  v.Y[1] = 0;
  v.X[2] = v.AB;
  v.Y[2] = 0;
  v.X[3] = v.AB;
  v.Y[3] = v.AC;
  v.X[4] = 0;
  v.Y[4] = v.AC;
  v.X[5] = -3 * v.sx1;
  v.Y[5] = v.AC - 4 * v.sy1;
  v.X[6] = v.AB - 4 * v.sy2;
  v.Y[6] = -3 * v.sx2;
  return v;
}

void BeginPlateOnTwoRodsProblem(SharedState& s) {
  s.ParboxWidth = 174;
  ClearPoints(s, 9);
  WriteLine(s,
            " Шарнирно закрепленная пластина удерживается в равновесии двумя стержнями  "
            "одинаковой жесткости. Длины стержней $l_1$ и $l_2$. На пластину действует момент "
            "$m$ и вертикальная сила $P$. Найти усилия в стержнях.\\\\ \\noindent");
  AnsBeginTable(s, 12);
  AnsWriteLine(s, " \\ru\\No &\\mc{$S_1$}&\\mc{$S_2$}\\\\ \\hline");
}

void WritePlateOnTwoRodsVariant(SharedState& s) {
  const PlateOnTwoRodsVariant v =
      DerivePlateOnTwoRodsVariant(s.P1, s.P2, s.P3, s.P4, s.P5, s.P6, s.P7);
  // Later readers of the variant's parameters see the slope choices 1..3.
  s.P1 = static_cast<std::int8_t>(v.a1);
  s.P2 = static_cast<std::int8_t>(v.a2);

  AnsWriteLine(s, std::to_string(toolkit::PrintedVariantNumber(s)) + "&" +
                      std::to_string(v.S1) + "&" + std::to_string(v.S2));

  ClearPoints(s, 6);
  for (int i = 1; i <= 6; ++i) {
    s.PointX[i] = v.X[i];
    s.PointY[i] = v.Y[i];
  }
  s.BoxWidth = 100;
  s.BoxHeight = 60;
  FitPointsToBox(s, 6, 0);
  // The plate fills 100 x 60 from the origin; the supports, the arcs, P and the letters reach
  // about 10 beyond it.
  BeginPicture(s, 120, 91, -10, -12);
  auto& x = s.PointX;
  auto& y = s.PointY;
  s.BlockCentred = false;
  DrawRotatedBlock(s, 1, x[1], y[1], 0, s.Scale * v.AB, s.Scale * v.AC);
  DrawNodeMarker(s, 2);
  DrawNodeMarker(s, 4);
  PutHingeBoxAtPoint(s, 1);
  if (v.a1 == 1) {
    PutHingeBoxAtPoint(s, 5);
  } else {
    PutUpHingeBoxAtPoint(s, 5);
  }
  if (v.a2 == 3) {
    PutUpHingeBoxAtPoint(s, 6);
  } else {
    PutHingeBoxAtPoint(s, 6);
  }

  // The angle of the rod at C (beta) and its number "2"; then the rod at B (alpha), "1".
  const double mid_cx = MidX(s, 5, 4);
  const double mid_cy = MidY(s, 5, 4);
  switch (v.a1) {
    case 1:
      DrawLabelledArcArrow(s, 0, "\\beta", 0, x[5], y[5], 0, 0.927, 10, 0);
      DrawSegment(s, x[5], y[5], x[5] + 12, y[5]);
      PutLabel(s, "2", mid_cx - 4, mid_cy);
      break;
    case 2:
      DrawLabelledArcArrow(s, 0, "\\beta", 0, x[5], y[5], -0.927, 0, 10, 0);
      DrawSegment(s, x[5], y[5], x[5] + 12, y[5]);
      PutLabel(s, "2", mid_cx - 6, mid_cy - 2);
      break;
    default:
      DrawLabelledArcArrow(s, 0, "\\beta", 0, x[5], y[5], kPi, kPi + 0.927, 10, 0);
      DrawSegment(s, x[5], y[5], x[5] - 12, y[5]);
      PutLabel(s, "2", mid_cx + 4, mid_cy - 2);
      break;
  }
  const double mid_bx = MidX(s, 6, 2);
  const double mid_by = MidY(s, 6, 2);
  switch (v.a2) {
    case 1:
      DrawLabelledArcArrow(s, 0, "\\alpha", 0, x[6], y[6], 0, 0.644, 12, 0);
      DrawSegment(s, x[6], y[6], x[6] + 14, y[6]);
      PutLabel(s, "1", mid_bx - 7, mid_by - 2);  // clear of alpha below it
      break;
    case 2:
      DrawLabelledArcArrow(s, 0, "\\alpha", 0, x[6], y[6], kPi - 0.644, kPi, 12, 0);
      DrawSegment(s, x[6], y[6], x[6] - 14, y[6]);
      PutLabel(s, "1", mid_bx + 4, mid_by - 2);
      break;
    default:
      DrawLabelledArcArrow(s, 0, "\\alpha", 0, x[6], y[6], kPi, kPi + 0.644, 12, 0);
      DrawSegment(s, x[6], y[6], x[6] - 14, y[6]);
      PutLabel(s, "1", mid_bx + 4, mid_by - 4);
      break;
  }

  SetLineWidth(s, 6);
  DrawBar(s, 4, 5);
  DrawBar(s, 2, 6);
  SetLineWidth(s, 1);

  PutBox(s, v.m > 0 ? "vmomentp" : "vmoment", MidX(s, 2, 4), MidY(s, 2, 4));
  DrawThickRedVector(s, 0, -1, x[3], y[3] + 17, 17);
  PutLabel(s, "$m$", MidX(s, 2, 4) + 4, y[2] + 8);
  PutLabel(s, "$P$", x[2] + 4, y[3] + 8);
  PutLabel(s, "$A$", x[1] - 9, y[1] - 3);
  PutLabel(s, "$B$", x[2] + 3, y[2] - 3);
  PutLabel(s, "$C$", x[1] - 9, y[4] - 3);
  EndPicture(s);

  WriteText2NumbersLn(s, "\\par {\\small $P=", v.P, "$~Н, $m=", std::abs(v.m), "$~Нм,  ");
  WriteText2NumbersLn(s, "$AB=", v.AB, "$~м, \\\\ $AC=", v.AC,
                      "$~м, $\\cos\\alpha$=$\\sin\\beta$=0.8, ");
  if (v.k == 5) {
    WriteLine(s, "$l_1=l_2$.}");
  } else {
    WriteTextNumberLn(s, "$l_2=(", v.k, "/5)l_1$.}");
  }
}

}  // namespace structural
