#include "subjects/statics/three_force_theorem.h"

#include <cmath>
#include <numbers>
#include <string>

#include "figures/dimensions.h"
#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/supports.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/numerics.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace statics {

namespace {

constexpr double kPi = std::numbers::pi;

// The working values of one variant (set by the scheme routine before use).
double SchemeAngle = 0;   // alpha, rad
double SupportAngle = 0;  // beta: direction of the second reaction, rad
int LoadValue = 0;        // Q, kN
double LoadFx = 0, LoadFy = 0;
double LoadPointX = 0, LoadPointY = 0;        // relative to the hinge
double SupportPointX = 0, SupportPointY = 0;  // relative to the hinge
int RodLength = 0;                            // L, cm
double SupportReaction = 0;
double HingeReactionX = 0, HingeReactionY = 0, HingeReaction = 0;
int AngleDegrees = 0;
std::string AngleText;
char CornerLetter1 = 'A', CornerLetter2 = 'B', CornerLetter3 = 'C';

// The room each scheme's drawing takes (x0, y0, x1, y1 in pt, a point of air included), by
// scheme P1, P3 (the lengths) and P4 (the angle): every set of P1..P5 was drawn and measured.
// The picture declares exactly this box, so LaTeX centres the drawing and keeps the heading
// and the data clear of it.
constexpr double kSchemeRoom[16][4][5][4] = {
    {},
    {
        {},
        {{}, {-10, -16, 75, 53}, {-10, -16, 75, 49}, {-10, -16, 83, 47}, {-10, -16, 77, 41}},
        {{}, {-10, -16, 81, 64}, {-10, -16, 81, 59}, {-10, -16, 91, 56}, {-10, -16, 89, 48}},
        {{}, {-10, -16, 88, 75}, {-10, -16, 87, 68}, {-10, -16, 99, 65}, {-10, -16, 102, 56}},
    },  // scheme 1
    {
        {},
        {{}, {-11, -6, 51, 48}, {-11, -6, 39, 42}, {-11, -6, 57, 42}, {-11, -6, 61, 37}},
        {{}, {-11, -6, 65, 62}, {-11, -6, 47, 55}, {-11, -6, 73, 54}, {-11, -6, 77, 47}},
        {{}, {-11, -6, 81, 76}, {-11, -6, 57, 66}, {-11, -6, 89, 66}, {-11, -6, 95, 57}},
    },  // scheme 2
    {
        {},
        {{}, {14, -11, 65, 67}, {8, -11, 52, 67}, {24, -11, 84, 67}, {34, -11, 105, 67}},
        {{}, {14, -11, 65, 67}, {8, -11, 52, 67}, {24, -11, 84, 67}, {34, -11, 105, 67}},
        {{}, {14, -11, 65, 67}, {8, -11, 52, 67}, {24, -11, 84, 67}, {34, -11, 105, 67}},
    },  // scheme 3
    {
        {},
        {{}, {-11, -11, 43, 67}, {-11, -11, 37, 67}, {-11, -11, 52, 67}, {-11, -11, 63, 67}},
        {{}, {-11, -11, 43, 67}, {-11, -11, 37, 67}, {-11, -11, 52, 67}, {-11, -11, 63, 67}},
        {{}, {-11, -11, 43, 67}, {-11, -11, 37, 67}, {-11, -11, 52, 67}, {-11, -11, 63, 67}},
    },  // scheme 4
    {
        {},
        {{}, {-11, -11, 70, 66}, {-11, -11, 57, 66}, {-11, -11, 88, 66}, {-11, -11, 47, 66}},
        {{}, {-11, -11, 70, 66}, {-11, -11, 57, 66}, {-11, -11, 88, 66}, {-11, -11, 47, 66}},
        {{}, {-11, -11, 70, 66}, {-11, -11, 57, 66}, {-11, -11, 88, 66}, {-11, -11, 47, 66}},
    },  // scheme 5
    {
        {},
        {{}, {41, -11, 119, 66}, {28, -11, 93, 66}, {60, -11, 156, 66}, {19, -11, 74, 66}},
        {{}, {41, -11, 119, 66}, {28, -11, 93, 66}, {60, -11, 156, 66}, {19, -11, 74, 66}},
        {{}, {41, -11, 119, 66}, {28, -11, 93, 66}, {60, -11, 156, 66}, {19, -11, 74, 66}},
    },  // scheme 6
    {
        {},
        {{}, {-9, 4, 90, 34}, {-9, 4, 90, 34}, {-9, 4, 90, 34}, {-9, 4, 90, 34}},
        {{}, {-9, 4, 90, 34}, {-9, 4, 90, 34}, {-9, 4, 90, 34}, {-9, 4, 90, 34}},
        {{}, {-9, 1, 93, 34}, {-9, 1, 93, 34}, {-9, 1, 93, 34}, {-9, 1, 93, 34}},
    },  // scheme 7
    {
        {},
        {{}, {-11, -11, 62, 65}, {-11, -20, 62, 65}, {-11, -20, 69, 65}, {-11, -11, 77, 65}},
        {{}, {-11, -11, 62, 65}, {-11, -20, 62, 65}, {-11, -20, 69, 65}, {-11, -11, 77, 65}},
        {{}, {-11, -11, 62, 65}, {-11, -20, 62, 65}, {-11, -20, 69, 65}, {-11, -11, 77, 65}},
    },  // scheme 8
    {
        {},
        {{}, {-11, -11, 82, 56}, {-11, -20, 82, 56}, {-11, -20, 89, 56}, {-11, -11, 97, 56}},
        {{}, {-11, -11, 82, 62}, {-11, -20, 82, 62}, {-11, -20, 89, 62}, {-11, -11, 97, 62}},
        {{}, {-11, -11, 42, 73}, {-11, -20, 42, 73}, {-11, -20, 49, 73}, {-11, -11, 57, 73}},
    },  // scheme 9
    {
        {},
        {{}, {-11, -1, 81, 46}, {-11, -1, 87, 46}, {-11, -1, 94, 46}, {-11, -1, 102, 46}},
        {{}, {-11, -1, 86, 41}, {-11, -1, 92, 41}, {-11, -1, 99, 41}, {-11, -1, 107, 41}},
        {{}, {-11, -1, 81, 36}, {-11, -4, 87, 36}, {-11, -4, 94, 36}, {-11, -1, 102, 36}},
    },  // scheme 10
    {
        {},
        {{}, {-11, -11, 70, 51}, {-11, -20, 70, 51}, {-11, -20, 70, 51}, {-11, -11, 77, 51}},
        {{}, {-11, -11, 70, 51}, {-11, -20, 70, 51}, {-11, -20, 70, 51}, {-11, -11, 77, 51}},
        {{}, {-11, -11, 70, 51}, {-11, -20, 70, 51}, {-11, -20, 70, 51}, {-11, -11, 77, 51}},
    },  // scheme 11
    {
        {},
        {{}, {-28, -11, 70, 51}, {-19, -20, 70, 51}, {-12, -20, 70, 51}, {-11, -11, 70, 51}},
        {{}, {-28, -11, 70, 51}, {-19, -20, 70, 51}, {-12, -20, 70, 51}, {-11, -11, 70, 51}},
        {{}, {-28, -11, 70, 51}, {-19, -20, 70, 51}, {-12, -20, 70, 51}, {-11, -11, 70, 51}},
    },  // scheme 12
    {
        {},
        {{}, {-28, -12, 83, 46}, {-19, -21, 83, 46}, {-12, -21, 83, 46}, {-11, -12, 83, 46}},
        {{}, {-28, -12, 88, 41}, {-19, -21, 88, 41}, {-12, -21, 88, 41}, {-11, -12, 88, 41}},
        {{}, {-28, -12, 83, 36}, {-19, -21, 83, 36}, {-12, -21, 83, 36}, {-11, -12, 83, 36}},
    },  // scheme 13
    {
        {},
        {{}, {-28, -11, 82, 56}, {-19, -20, 82, 56}, {-12, -20, 82, 56}, {-11, -11, 82, 56}},
        {{}, {-28, -11, 82, 68}, {-19, -20, 82, 68}, {-12, -20, 82, 68}, {-11, -11, 82, 68}},
        {{}, {-28, -11, 42, 81}, {-19, -20, 42, 81}, {-12, -20, 42, 81}, {-11, -11, 42, 81}},
    },  // scheme 14
    {
        {},
        {{}, {-11, -7, 75, 75}, {-11, -7, 60, 61}, {-11, -7, 68, 69}, {-11, -7, 64, 71}},
        {{}, {-11, -7, 75, 75}, {-11, -7, 60, 61}, {-11, -7, 68, 69}, {-11, -7, 64, 71}},
        {{}, {-11, -7, 75, 75}, {-11, -7, 60, 61}, {-11, -7, 68, 69}, {-11, -7, 64, 71}},
    },  // scheme 15
};
double SqrtThree = 1.7320508075688772;

int Round(double x) { return static_cast<int>(toolkit::RoundHalfEven(x)); }

std::string Letter(char c) { return std::string("$") + c + "$"; }

void WriteThreeForceLoadText(SharedState& s) {
  if (s.P2 == 2) {
    WriteTextNumberLn(s, " ${G=", LoadValue, "}$~kN%");
  } else {
    WriteTextNumberLn(s, " ${P=", LoadValue, "}$~kN%");
  }
}

// A two-hinged support rod from a ground hinge to the body at (x, y); sets alpha and beta.
void DrawSupportRodAtB(SharedState& s, double x, double y) {
  const int p4 = s.P4;
  AngleDegrees = p4 == 1 || p4 == 4 ? 30 : 60;
  SchemeAngle = AngleDegrees * kPi / 180;
  AngleText = std::to_string(AngleDegrees);
  DrawCircle(s, x, y - 1, 3);
  const int side = p4 <= 2 ? -1 : 1;
  const double ex = x + 22 * side * std::cos(SchemeAngle);
  const double ey = y - 22 * std::sin(SchemeAngle);
  PutHingeBox(s, ex, ey);
  DrawSegmentShortenedCopy(s, ex, ey, x, y - 1, 1.5);
  const std::string label = "$" + AngleText + "^{\\circ}$";
  if (side == -1) {
    DrawLabelledArc(s, 0, label, 2, ex, ey, 0, SchemeAngle, 12);
    DrawSegment(s, ex, ey, ex + 18, ey);
  } else {
    DrawLabelledArc(s, 0, label, 2, ex, ey, kPi - SchemeAngle, kPi, 12);
    DrawSegment(s, ex, ey, ex - 18, ey);
  }
  SupportAngle = p4 <= 2 ? SchemeAngle : kPi - SchemeAngle;
}

// A floor of the given length from (-4, -2) with its hatching.
void DrawFloor(SharedState& s, double length) {
  DrawThickLatexLine(s, 1, 0, -4, -2, length);
  DrawHatchTicks(s, Round(length / 3), -4, -2, 1, 0, 3, length);
}

void SchemeRodOnStep(SharedState& s) {
  const int p2 = s.P2, p3 = s.P3, p4 = s.P4;
  const double a = SchemeAngle;
  const int k = 2 * p3 + 6;
  RodLength = p4 == 2 ? Round(6.0 * k) : Round(7.5 * k);
  const double L = RodLength;
  const int xB = (p4 <= 2 ? 3 : p4 == 3 ? 4 : 5) * k;
  const int yB = Round(xB * std::tan(a));
  const double cx = L * std::cos(a), cy = L * std::sin(a);
  if (p2 == 1) {
    LoadFx = LoadValue;
    LoadPointX = cx;
    LoadPointY = cy;
  } else {
    LoadFy = -LoadValue;
    LoadPointX = cx / 2;
    LoadPointY = cy / 2;
  }
  // The rod rests on the step's corner: B on the rod at xB / cos(alpha) from A, as xB and the
  // slope give it (the drawn step's height is that height rounded).
  SupportPointX = xB;
  SupportPointY = xB * std::tan(a);
  SupportAngle = a + kPi / 2;

  DrawRotatedBlock(s, 5, 0, 0, a, L, 2);
  DrawCircle(s, -1.5, 0, 3);
  DrawFloor(s, xB + 30);
  PutBlueLabel(s, "$C$", cx - 2, cy + 2);
  PutBlueLabel(s, "$B$", xB - 7, yB + 3);
  PutBlueLabel(s, "$A$", -9, 2);
  if (p2 == 1) {
    DrawThickRedVector(s, 1, 0, cx, cy, 15);
    PutBlueLabel(s, "$\\vec P$", cx + 15, cy - 6);
  }
  s.RangeX = xB + 25;
  s.Scale = 1;
  DrawRotatedBlock(s, 5, xB, -2, 0, 20, yB + 2);
  SetLineWidth(s, 8);
  DrawLineBySlope(s, xB + 5, -4, 0, 1, 4);
  DrawLineBySlope(s, xB + 15, -4, 0, 1, 4);
  SetLineWidth(s, 2);
  if (p4 != 4) {
    DrawDimensionV(s, -1, -1, yB - 1, s.RangeX);
  } else {
    DrawLabelledArc(s, 0, "$30^{\\circ}$", 2, -1, -1, 0, kPi / 6, 12);
  }
  DrawDimensionH(s, 0, xB, -14);
}

void SchemeRodOnSupportRod(SharedState& s) {
  const int p2 = s.P2, p3 = s.P3, p4 = s.P4;
  const int k = 5 * p3 + 8;
  RodLength = p4 == 2 ? Round(3.0 * k) : Round(4.0 * k);
  const double L = RodLength;
  const int m = Round(L * std::cos(SchemeAngle) / 2);
  const int n = Round(L * std::sin(SchemeAngle) / 2);
  // With AD and CD printed (P4 = 2, 3) the rod's slope is the one they give: AB = BD makes
  // the support rod symmetric to AB about the vertical through B.
  if (p4 == 2 || p4 == 3) SchemeAngle = std::atan2(n, m);
  const double a = SchemeAngle;
  if (p2 == 1) {
    LoadFx = LoadValue;
  } else {
    LoadFy = -LoadValue;
  }
  // The middle B of AC: with AD and CD printed it is (AD/2, CD/2); with the angle drawn
  // (P4 = 1, 4) it lies on the rod at that angle (the figure rounds it to whole units).
  const double bx = p4 == 2 || p4 == 3 ? m : L * std::cos(a) / 2;
  const double by = p4 == 2 || p4 == 3 ? n : L * std::sin(a) / 2;
  LoadPointX = 2 * bx;
  LoadPointY = 2 * by;
  SupportPointX = bx;
  SupportPointY = by;
  SupportAngle = kPi - a;

  DrawRotatedBlock(s, 5, 0, 0, a, L, 2);
  DrawCircle(s, -1.5, 0, 3);
  DrawFloor(s, 2 * m + 10);
  PutBlueLabel(s, "$C$", 2 * m - 3, L * std::sin(a) + 2);
  PutBlueLabel(s, "$B$", m - 7, n + 3);
  PutBlueLabel(s, "$D$", 2 * m + 2, 3);
  PutBlueLabel(s, "$A$", -10, 3);
  DrawCircle(s, m, n - 1.5, 3);
  DrawCircle(s, 2 * m, 0, 3);
  DrawSegmentShortenedCopy(s, m, n - 1.5, 2 * m, 0, 1.5);
  if (p2 == 1) {
    DrawThickRedVector(s, 1, 0, 2 * m, 2 * n, 14);
    PutBlueLabel(s, "$\\vec P$", 2 * m + 5, 2 * n - 10);
  } else {
    DrawThickRedVector(s, 0, -1, 2 * m, 2 * n, 15);
    // 2 pt lower than the letter C above the rod's end would allow touching it.
    PutBlueLabel(s, "$\\vec P$", 2 * m + 3, 2 * n - 10);
  }
  if (p4 == 1) DrawLabelledArc(s, 0, "$45^{\\circ}$", 2, -1, -1, 0, a, 12);
  if (p4 == 4) DrawLabelledArc(s, 0, "$30^{\\circ}$", 2, -1, -1, 0, a, 12);
}

void SchemeColumn(SharedState& s, int scheme) {
  const int p2 = s.P2, p4 = s.P4;
  if (p4 == 4) SchemeAngle = scheme <= 4 ? kPi / 6 : kPi / 3;
  const double a = SchemeAngle;
  RodLength = Round(27 / std::sin(a));
  const double L = RodLength;
  const double c = L * std::cos(a) * (scheme >= 5 ? 2 : 1);
  const double sv = L * std::sin(a);
  const double h = scheme <= 4 ? sv : 2 * sv;
  const bool right = scheme == 3 || scheme == 6;
  const double d = right ? 2 * c : 0;
  const int e = right ? 1 : -1;
  LoadFx = (3 - 2 * p2) * LoadValue;
  LoadPointX = 0;
  LoadPointY = 3 * sv - h;
  SupportPointX = 0;
  SupportPointY = h;
  SupportAngle = right ? kPi - a : a;

  DrawRotatedBlock(s, 5, c, 0, kPi / 2, 2 * sv, 2);
  PutHingeBox(s, c - 0.5, -1);
  PutBlueLabel(s, "$A$", c + 2, -2);
  PutBlueLabel(s, "$D$", d + 6 * e - 4, -3);
  DrawCircle(s, c + 2 * e - 0.5, h, 3);
  PutHingeBox(s, d, 0);
  DrawSegmentShortenedCopy(s, d, 0, c + 2 * e - 0.5, h, 1.5);
  PutBlueLabel(s, "$C$", c - 10, 3 * sv - h);
  PutBlueLabel(s, "$B$", c - 6 * e - 5, h + 3);
  DrawThickRedVector(s, 3 - 2 * p2, 0, c + 15 * (p2 - 1), 3 * sv - h, 15);
  PutBlueLabel(s, "$\\vec P$", c + 6, 3 * sv - h + 1);
  if (p4 == 4) {
    switch (scheme) {
      case 3:
        DrawLabelledArc(s, 0, "$30^{\\circ}$", 2, d, 0, 5 * kPi / 6, kPi, 12);
        break;
      case 4:
        DrawLabelledArc(s, 0, "$30^{\\circ}$", 2, d, 0, 0, kPi / 6, 12);
        break;
      case 5:
        DrawLabelledArc(s, 0, "$60^{\\circ}$", 2, d, 0, 0, kPi / 3, 12);
        break;
      default:
        DrawLabelledArc(s, 0, "$60^{\\circ}$", 2, d, 0, 2 * kPi / 3, kPi, 12);
        break;
    }
    if (right) {
      DrawSegment(s, d - 1, 0, d - 14, 0);
    } else {
      DrawSegment(s, d + 1, 0, d + 14, 0);
    }
  }
}

void SchemeBeamOnPlane(SharedState& s) {
  const int p2 = s.P2, p3 = s.P3, p4 = s.P4;
  RodLength = 80;
  const double L = RodLength;
  const int theta = 15 * p3 + 15;
  SchemeAngle = theta * kPi / 180;
  const double t = SchemeAngle;
  static const double kLoadShare[5] = {0, 4.0 / 7, 1.0 / 3, 2.0 / 3, 3.0 / 5};
  LoadFy = -LoadValue;
  LoadPointX = p2 == 2 ? L / 2 : L * kLoadShare[p4];
  LoadPointY = 0;
  SupportPointX = L;
  SupportPointY = 0;
  SupportAngle = t + kPi / 2;

  AngleText = std::to_string(theta);
  s.HatchTickStyle = p3 != 1;
  DrawRotatedBlock(s, 5, 0, 20, 0, L, 2);
  PutHingeBox(s, -0.5, 20);
  const double x0 = L - 20 * std::cos(t), y0 = 20 - 20 * std::sin(t);
  DrawPolarSegment(s, x0, y0, t, 30);
  DrawHatchTicks(s, 8, L - 5 * std::cos(t), 20 - 5 * std::sin(t), std::cos(t), std::sin(t), 4, 15);
  DrawLabelledArc(s, 0, "$" + AngleText + "^{\\circ}$", 2, x0, y0, 0, t, 12);
  DrawSegment(s, x0, y0, x0 + 14, y0);
  if (p2 == 1) {
    const double xF = LoadPointX;
    PutBlueLabel(s, "$C$", xF - 4, 25);
    DrawThickRedVector(s, 0, -1, xF, 20, 15);
    PutBlueLabel(s, "$P$", xF + 2, 5);
  }
  PutBlueLabel(s, "$A$", -4, 25);
  PutBlueLabel(s, "$B$", L - 6, 25);
}

void SchemeTriangle(SharedState& s, int scheme) {
  const int p2 = s.P2;
  RodLength = 50;
  const double L = RodLength;
  const double xF = scheme == 8 ? L / 2 : L;
  // The apex of the equilateral triangle of scheme 8 at its exact height (the figure's 0.866
  // draws the same point).
  const double yF = scheme == 8 ? SqrtThree / 2 * L : SqrtThree * L / 3;
  LoadFx = (3 - 2 * p2) * LoadValue;
  LoadPointX = xF;
  LoadPointY = yF;
  SupportPointX = scheme == 12 ? -L : L;
  SupportPointY = 0;
  CornerLetter1 = scheme == 12 ? 'B' : 'A';
  CornerLetter2 = scheme == 12 ? 'A' : 'B';

  SetLineWidth(s, 6);
  DrawSegment(s, 0, 10, xF, yF + 10);
  LineTo(s, L, 10);
  LineTo(s, 0, 10);
  WriteLine(s, "");
  SetLineWidth(s, 2);
  if (scheme == 12) {
    PutHingeBox(s, L, 9);
    DrawSupportRodAtB(s, 0, 10);
  } else {
    PutHingeBox(s, 0, 9);
    DrawSupportRodAtB(s, L, 10);
  }
  DrawThickRedVector(s, 3 - 2 * p2, 0, xF + 15 * (p2 - 1), yF + 10, 15);
  PutBlueLabel(s, "$\\vec P$", xF + 10, yF + 10);
  PutBlueLabel(s, "$C$", xF - 3, yF + 12);
  PutBlueLabel(s, Letter(CornerLetter1), -10, 8);
  PutBlueLabel(s, Letter(CornerLetter2), L + 2, 12);
  if (scheme != 8) DrawLabelledArc(s, 0, "$30^{\\circ}$", 2, 0, 10, 0, kPi / 6, 12);
}

void SchemeHangingPlate(SharedState& s, int scheme) {
  const int p2 = s.P2, p3 = s.P3;
  RodLength = p3 == 3 ? 30 : 70;
  const double L = RodLength;
  double h = 0;
  if (scheme == 9) {
    h = p3 == 1 ? L / 2 : p3 == 2 ? L / SqrtThree : SqrtThree * L;
  } else {
    h = p3 == 1 ? L / 2 : p3 == 2 ? 2 * L / 3 : 2 * L;
  }
  LoadFy = p2 == 1 ? LoadValue : -LoadValue;
  LoadPointX = -L / 2;
  LoadPointY = -h;
  SupportPointX = scheme == 9 ? 0 : -L;
  SupportPointY = -h;
  CornerLetter2 = scheme == 9 ? 'B' : 'C';
  CornerLetter3 = scheme == 9 ? 'C' : 'B';

  SetLineWidth(s, 8);
  DrawSegment(s, 0, 10, L, 10);
  LineTo(s, L, h + 10);
  LineTo(s, 0, h + 10);
  LineTo(s, 0, 10);
  WriteLine(s, "");
  SetLineWidth(s, 2);
  DrawDashedLineMultiput(s, 7, 0, 10, L, h + 10);
  DrawDashedLineMultiput(s, 7, 0, h + 10, L, 10);
  PutUpHingeBox(s, L, h + 11);
  DrawSupportRodAtB(s, SupportPointX + L, 10);
  if (p2 == 1) {
    DrawThickRedVector(s, 0, 1, L / 2, h / 2 + 10, h / 2 - 2);
    PutBlueLabel(s, "$\\vec P$", L / 2 + 1, h / 2 + 17);
  }
  PutBlueLabel(s, "$A$", L + 2, h + 5);
  PutBlueLabel(s, Letter(CornerLetter2), L + 2, 12);
  PutBlueLabel(s, Letter(CornerLetter3), -10, 12);
  PutBlueLabel(s, "$D$", -10, h + 5);
}

void SchemeAngleBar(SharedState& s, int scheme) {
  const int p2 = s.P2, p3 = s.P3;
  const int h = 30 - 5 * p3;
  RodLength = Round(static_cast<double>(h) * (p3 + 2));
  const int L = RodLength;
  LoadFy = (2 * p2 - 3) * LoadValue;
  LoadPointX = scheme == 10 ? h : h - L;
  LoadPointY = scheme == 10 ? h : 0;
  SupportPointX = scheme == 10 ? L : -L;
  SupportPointY = scheme == 10 ? h : -h;
  CornerLetter1 = scheme == 10 ? 'A' : 'B';
  CornerLetter2 = scheme == 10 ? 'B' : 'A';

  SetLineWidth(s, 8);
  DrawSegment(s, 0, 10, 0, h + 10);
  LineTo(s, L, h + 10);
  WriteLine(s, "");
  SetLineWidth(s, 2);
  if (scheme == 10) {
    DrawSupportRodAtB(s, L, h + 10);
    PutHingeBox(s, 0, 9);
  } else {
    DrawSupportRodAtB(s, 0, 9);
    PutHingeBox(s, L, h + 10);
  }
  DrawThickRedVector(s, 0, 2 * p2 - 3, h, h + 10 - 15 * (p2 - 1), 15);
  PutBlueLabel(s, "$\\vec P$", h + 2, h - 1);
  PutBlueLabel(s, Letter(CornerLetter1), -10, 8);
  PutBlueLabel(s, "$D$", -10, h + 12);
  PutBlueLabel(s, "$C$", h - 4, h + 12);
  PutBlueLabel(s, Letter(CornerLetter2), L - 4, h + 12);
}

// The plate against the wall; solved about its corner B on the wall.
double PlateSideA = 0;

void SchemePlateOnWall(SharedState& s) {
  const double a = 50 - 5 * s.P4;
  PlateSideA = a;
  const double al = SchemeAngle;
  const double b = a / std::tan(al);
  RodLength = Round(toolkit::Hypot(a, b));
  const double L = RodLength;
  const double ca = std::cos(al), sa = std::sin(al);
  LoadFy = -LoadValue;
  LoadPointX = a * ca;
  LoadPointY = 0;
  SupportPointX = 0;
  SupportPointY = a * sa;
  SupportAngle = kPi - al;

  AngleDegrees = Round(al * 180 / kPi);
  AngleText = std::to_string(AngleDegrees);
  SetLineWidth(s, 6);
  DrawRotatedBlock(s, 5, a * ca, 0, al, a, b);
  DrawLabelledArc(s, 0, "$\\alpha$", 1, 0, b * ca, 3 * kPi / 2, 3 * kPi / 2 + al, 12);
  DrawLatexLine(s, 0, 1, 0, 0, L + 5);
  SetLineWidth(s, 2);
  DrawHatchTicks(s, Round(L / 3), 0, 0, 0, 1, 3, L + 5);
  PutBlueLabel(s, "$A$", a * ca, -6);
  PutBlueLabel(s, "$D$", 2 * a * ca + 2, a * sa);
  PutBlueLabel(s, "$C$", a * ca - 4, L + 2);
  PutBlueLabel(s, "$B$", -10, b * ca + 2);
  DrawSegment(s, 0, L, a * ca / 2, L - a * sa / 2);
  PutBlueLabel(s, "$N$", a * ca / 2 - 2, L - a * sa / 2 + 4);
  PutBlueLabel(s, "$M$", -10, L + 2);
}

void DrawAndSolveThreeForceScheme(SharedState& s, int scheme) {
  LoadFx = 0;
  LoadFy = 0;
  static const double kAngles[5] = {0, kPi / 4, std::atan(4.0 / 3), std::atan(3.0 / 4), kPi / 6};
  SchemeAngle = kAngles[s.P4];
  s.HatchTickStyle = false;
  SetLineWidth(s, 2);
  switch (scheme) {
    case 1:
      SchemeRodOnStep(s);
      break;
    case 2:
      SchemeRodOnSupportRod(s);
      break;
    case 3:
    case 4:
    case 5:
    case 6:
      SchemeColumn(s, scheme);
      break;
    case 7:
      SchemeBeamOnPlane(s);
      break;
    case 8:
    case 11:
    case 12:
      SchemeTriangle(s, scheme);
      break;
    case 9:
    case 14:
      SchemeHangingPlate(s, scheme);
      break;
    case 10:
    case 13:
      SchemeAngleBar(s, scheme);
      break;
    default:
      SchemePlateOnWall(s);
      break;
  }
  // Moment equation about the hinge; the support's direction never passes through it.
  const double cb = std::cos(SupportAngle), sb = std::sin(SupportAngle);
  SupportReaction =
      (LoadFx * LoadPointY - LoadFy * LoadPointX) / (SupportPointX * sb - SupportPointY * cb);
  HingeReactionX = -LoadFx - SupportReaction * cb;
  HingeReactionY = -LoadFy - SupportReaction * sb;
  HingeReaction = toolkit::Hypot(HingeReactionX, HingeReactionY);
  AnsWrite(s, toolkit::FormatFixed(toolkit::PrintedVariantNumber(s), 2, 0) + "&$" +
                  toolkit::FormatFixed(HingeReaction, 9, 3) + "$&$" +
                  toolkit::FormatFixed(-SupportReaction, 9, 3) + "$ ");
}

void WriteSchemeData(SharedState& s, int scheme) {
  const int p3 = s.P3, p4 = s.P4;
  switch (scheme) {
    case 1:
      WriteThreeForceLoadText(s);
      WriteText(s, ", ");
      WriteTextNumberLn(s, " $AC=$", RodLength, "~cm");
      break;
    case 2:
      if (p4 == 2 || p4 == 3) {
        WriteTextNumberLn(s, " ${P=", LoadValue, "}$~kN, $AB{=}BD{=}CB$,");
        WriteTextNumberLn(s, " $AD$=", LoadPointX, "~cm,  ");
        WriteTextNumberLn(s, " $CD$=", LoadPointY, "~cm.");
      } else {
        WriteTextNumberLn(s, " ${P=", LoadValue, "}$~kN, $AB{=}BD{=}CB$");
      }
      break;
    case 3:
    case 4:
    case 5:
    case 6: {
      WriteTextNumberLn(s, " $P$=", LoadValue, "~kN, ");
      static const char* const kRatios[5] = {"", "$AB{=}AD$, ", "$3AB{=}4AD$, ", "$4AB{=}3AD$, ",
                                             ""};
      WriteText(s, kRatios[p4]);
      WriteText(s, scheme <= 4 ? " $AB{=}BC$" : " $AC{=}BC$");
      break;
    }
    case 7:
      WriteThreeForceLoadText(s);
      WriteText(s, ", ");
      if (s.P2 == 1) {
        static const char* const kShares[5] = {"", "$ 3AC=4CB$", " $2AC=CB$", " $AC=2CB$",
                                               "$ 2AC=3CB$"};
        WriteText(s, kShares[p4]);
      }
      break;
    case 8:
    case 11:
    case 12:
      WriteTextNumberLn(s, " ${P=", LoadValue, "}$~kN");
      if (scheme == 8) WriteText(s, ", $AB{=}BC{=}CA$");
      break;
    case 9:
    case 14: {
      WriteThreeForceLoadText(s);
      WriteText(s, ", ");
      const std::string c2(1, CornerLetter2);
      if (scheme == 9) {
        const std::string t[4] = {"", " $2A" + c2 + "=BC$", " $\\sqrt{3}A" + c2 + "=BC$",
                                  " $A" + c2 + "=\\sqrt{3}BC$"};
        WriteText(s, t[p3]);
      } else {
        const std::string t[4] = {"", " $2A" + c2 + "=BC$", " $3A" + c2 + "=2BC$",
                                  " $A" + c2 + "=2BC$"};
        WriteText(s, t[p3]);
      }
      break;
    }
    case 10:
    case 13: {
      const std::string c1(1, CornerLetter1), c2(1, CornerLetter2);
      WriteTextNumberLn(s, " $P$=", LoadValue, "~kN, $" + c1 + "D{=}DC$,  ");
      WriteTextNumberLn(s, "$" + c2 + "D{=}", p3 + 2, c1 + "D$. ");
      break;
    }
    default: {
      WriteTextNumberLn(s, "  ${G=", LoadValue, "}$~kN, ");
      WriteTextNumberLn(s, " $BN$=", PlateSideA / 2, "~cm, ");
      WriteTextNumberLn(s, " $NC$=", PlateSideA / 2, "~cm, ");
      static const char* const kSides[5] = {"", "$AD{=}DC$", "$3AD{=}4DC$", "$4AD{=}3DC$",
                                            "$\\sqrt{3}AD{=}DC$"};
      WriteText(s, kSides[p4]);
      if (p4 == 2 || p4 == 3) {
        WriteTextNumberLn(s, ", $\\sin\\alpha$=", std::sin(SchemeAngle), "");
      } else {
        WriteTextNumberLn(s, ", $\\alpha$=", AngleDegrees, "$^\\circ$");
      }
      break;
    }
  }
}

}  // namespace

void BeginThreeForceTheoremProblem(SharedState& s) {
  s.ParboxWidth = 205;
  s.BlockCentred = false;
  AnsBeginTable(s, 3);
  AnsWriteLine(s, "  &\\mc{$ R_A$}&\\mc{$ R_B$}\\\\\\hline");
  WriteLine(s,
            "The body is in equilibrium under three forces, one of which is known body weight "
            "$G$ or external load $P$,");
  WriteLine(s, " --- another reaction of the support at $ B $ (smooth support or support rod)");
  WriteLine(s, " with a known direction, and a third fixed hinge --- reaction $A$.");
  WriteLine(s,
            " Using the theorem of the three forces to find the unknown reactions of the "
            "supports (in kN). Dimensions are in cm.");
  WriteBookReference(s, 26);
}

void WriteThreeForceTheoremVariant(SharedState& s) {
  const int p1 = s.P1, p4 = s.P4;
  SqrtThree = std::sqrt(3.0);
  s.BoxHeight = 60;
  s.BoxWidth = 130;
  LoadValue = s.P6;
  WriteText(s, "\\begin{center}");
  const auto& room = kSchemeRoom[p1][s.P3][p4];
  BeginPicture(s, room[2] - room[0], room[3] - room[1], room[0], room[1]);
  DrawAndSolveThreeForceScheme(s, p1);
  EndPicture(s);
  WriteText(s, "\\end{center}\\vskip3mm\\hfill\\parbox[b]{185pt}{\\small");
  WriteText(s, "\\vskip2mm\\hfill");
  WriteSchemeData(s, p1);
  WriteLine(s, "\\par}");
}

}  // namespace statics
