#include "subjects/statics/force_moment.h"

#include <cmath>
#include <numbers>
#include <string>

#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "toolkit/answers.h"
#include "toolkit/indexed_array.h"
#include "toolkit/number_format.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace statics {

namespace {

const toolkit::IndexedArray<std::string_view, 1, 2> ForceSlopeTexts = [] {
  toolkit::IndexedArray<std::string_view, 1, 2> t;
  t[1] = "3/4";
  t[2] = "4/3";
  return t;
}();

// The quadrant of A: signs of x_A and y_A and A's fixed place in the picture.
struct Quadrant {
  int sign_x, sign_y, X, Y;
};
const toolkit::IndexedArray<Quadrant, 1, 4> kQuadrants = [] {
  toolkit::IndexedArray<Quadrant, 1, 4> t;
  t[1] = {1, 1, 89, 65};
  t[2] = {-1, 1, 15, 65};
  t[3] = {-1, -1, 15, 13};
  t[4] = {1, -1, 89, 13};
  return t;
}();

// The angle mark at A by direction: arc ends (radians), the end of the horizontal reference
// line and the place of the force's label, relative to A.
struct AngleMark {
  double from, to;
  int line_dx;
  int label_dx, label_dy;
};
const toolkit::IndexedArray<AngleMark, 1, 4> kAngleMarks = [] {
  toolkit::IndexedArray<AngleMark, 1, 4> t;
  t[1] = {0, 0.644, 15, 7, 11};
  t[2] = {2.5, 3.14, -15, -25, 16};
  t[3] = {3.14, 3.8, -15, -6, -14};
  t[4] = {-0.644, 0, 15, 22, -19};
  return t;
}();

}  // namespace

ForceMomentVariant DeriveForceMomentVariant(int p1, int p2, int p3, int p4, int p5, int p6) {
  ForceMomentVariant v;
  v.F = 5 * p4;
  const Quadrant& q = kQuadrants[p2];
  v.xA = q.sign_x * (p5 + 3);
  v.yA = q.sign_y * (p6 + 3);
  v.X = q.X;
  v.Y = q.Y;
  const double phi = (p3 * 90.0 - 45.0) * std::numbers::pi / 180.0;
  v.sx = toolkit::SignOf(std::cos(phi));
  v.sy = toolkit::SignOf(std::sin(phi));
  // F is a multiple of 5, so F cos(alpha) and F sin(alpha) are whole: 0.8 F and 0.6 F.
  const int four_fifths = 4 * v.F / 5;
  const int three_fifths = 3 * v.F / 5;
  v.Fx = v.sx * (p1 == 1 ? four_fifths : three_fifths);
  v.Fy = v.sy * (p1 == 1 ? three_fifths : four_fifths);
  v.MFx = -v.yA * v.Fx;
  v.MFy = v.xA * v.Fy;
  v.MF = v.MFx + v.MFy;
  v.slope = ForceSlopeTexts[p1];
  return v;
}

void BeginForceMomentProblem(SharedState& s) {
  BeginSaveBox(s, "osixy");
  DrawVector(s, 1, 0, -5, 40, 120);
  DrawVector(s, 0, 1, 50, 0, 85);
  PutLabel(s, "$y$", 52, 78);
  PutLabel(s, "$x$", 115, 38);
  EndSaveBox(s);
  s.ParboxWidth = 153;
  AnsBeginTable(s, 7);
  AnsWriteLine(s, "\\ru\\# & $M(F_x)$ & $M(F_y)$ & $M(F)$  \\\\\\hline");
  WriteLine(s, "Find the moment of force $F$ relative to the origin.\\\\ \\noindent");
}

void WriteForceMomentVariant(SharedState& s) {
  const ForceMomentVariant v = DeriveForceMomentVariant(s.P1, s.P2, s.P3, s.P4, s.P5, s.P6);
  const double X = v.X;
  const double Y = v.Y;
  // The axes' saved box runs to x = 123 with its arrow and label.
  BeginPicture(s, 144, 102, -20, -7);
  PutBox(s, "osixy", 0, 0);
  // The drawn slope is 3:4 for both values of tg alpha: the picture is not to scale.
  DrawThickRedVector(s, 4 * v.sx, 3 * v.sy, X, Y, 20);
  SetLineWidth(s, 1);
  const AngleMark& mark = kAngleMarks[s.P3];
  DrawLabelledArc(s, 0, "$\\alpha$", 1, X, Y, mark.from, mark.to, 12);
  DrawSegment(s, X, Y, X + mark.line_dx, Y);
  PutLabel(s, "$\\bar F$", X + mark.label_dx, Y + mark.label_dy);
  SetLineWidth(s, 2);
  DrawSegment(s, X, 39, X, 41);
  DrawSegment(s, 49, Y, 51, Y);
  PutValueLabel(s, X - 3, 32, v.xA);
  PutValueLabel(s, 53, Y - 3, v.yA);
  EndPicture(s);
  WriteTextNumberLn(s, "\\par $F=", v.F,
                    std::string("$, tg$\\alpha = ") + std::string(v.slope) + " $");
  AnsWriteTextNumber(s, " ", toolkit::PrintedVariantNumber(s), " & ");
  AnsWriteTextNumber(s, " ", v.MFx, " & ");
  AnsWriteTextNumber(s, " ", v.MFy, " & ");
  AnsWriteTextNumber(s, " ", v.MF, " ");
}

}  // namespace statics
