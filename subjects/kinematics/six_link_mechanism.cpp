#include <cmath>
#include <initializer_list>
#include <numbers>
#include <string>

#include "figures/dimensions.h"
#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "figures/supports.h"
#include "subjects/kinematics/kinematics.h"
#include "subjects/kinematics/linkage/linkage_solver.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/numerics.h"
#include "toolkit/picture_frames.h"
#include "toolkit/terms.h"
#include "toolkit/writers.h"

namespace kinematics {

namespace {

using toolkit::FormatFixed;
using toolkit::FormatNumber;

constexpr const char* kMechanism = "six-link mechanism";
constexpr double kPi = std::numbers::pi;
constexpr double kDiscRadius = 10;  // cm
// Room right of the rightmost joint for the vertical dimensions drawn there with their values.
constexpr double kDimensionRoom = 30;

// Point numbers of the layout: the crank O-A, the slider B, the disc centre C, the rocker D-E,
// the disc's rim point F, a point beside the disc that widens the fitted box, the rod's middle G.
constexpr int kO = 1, kA = 2, kB = 3, kC = 4, kD = 5, kE = 6, kF = 7, kAux = 8, kG = 9;
constexpr int kPointCount = 9;

bool In(int v, std::initializer_list<int> set) {
  for (int m : set) {
    if (m == v) return true;
  }
  return false;
}

double Round(double x) { return toolkit::RoundHalfEven(x); }

double Sq(double a, double b) { return toolkit::SqrtDiffSquares(a, b); }

// The crank's position index t per scheme and P4: the crank stands at 15 (t - 1) degrees.
constexpr int kCrankSteps[15][3] = {{9, 16, 11}, {6, 5, 4},   {5, 10, 12}, {5, 4, 8},   {10, 11, 3},
                                    {9, 4, 5},   {11, 16, 12}, {3, 5, 4},   {3, 4, 8},   {5, 4, 6},
                                    {9, 6, 8},   {14, 8, 9},  {10, 9, 17}, {11, 15, 16}, {4, 11, 9}};

// The variant's data: the scheme, the crank, the four lengths (cm), the slider's guide code and
// how D is found, and the link names of the data text.
struct SixLinkData {
  int scheme = 1;
  int theta = 0;  // degrees
  int oa = 14;
  int L1 = 0, L2 = 0, r1 = 0, r2 = 0;
  int k = 1;
  int from = kA;  // the point that the rod to D starts from
  int side = 1;
  const char* name1 = "AB";
  const char* name2 = "BC";
  const char* name3 = "AD";
  bool ac_schemes = false;  // schemes 11 and 12: the rod from A runs to the disc centre C
};

SixLinkData DeriveSixLink(const SharedState& s) {
  SixLinkData d;
  const int P1 = s.P1 < 1 || s.P1 > 15 ? 1 : s.P1;
  const int P4 = s.P4 < 1 || s.P4 > 3 ? 1 : s.P4;
  d.scheme = P1;
  d.theta = 15 * (kCrankSteps[P1 - 1][P4 - 1] - 1);
  d.oa = s.P4 + 13;
  d.k = In(P1, {1, 2, 5, 6, 10, 13, 14}) ? 1 : 2;
  d.ac_schemes = In(P1, {11, 12});
  if (In(P1, {1, 2, 3})) {
    d.name1 = "AB", d.name2 = "BC", d.name3 = "AD";
  } else if (In(P1, {4, 5, 14})) {
    d.name1 = "AB", d.name2 = "BC", d.name3 = "BD";
  } else if (P1 == 6) {
    d.name1 = "AB", d.name2 = "AC", d.name3 = "AD";
  } else if (P1 == 7) {
    d.name1 = "AB", d.name2 = "AC", d.name3 = "BD";
  } else if (In(P1, {8, 9, 10})) {
    d.name1 = "AB", d.name2 = "AC", d.name3 = "CD";
  } else if (d.ac_schemes) {
    d.name1 = "AC", d.name2 = "BC", d.name3 = "BD";
  } else {
    d.name1 = "AB", d.name2 = "BC", d.name3 = "CD";
  }
  const char last = d.name3[0];
  d.from = last == 'A' ? kA : (last == 'B' ? kB : kC);
  return d;
}

void SetPoint(SharedState& s, int i, double x, double y) {
  s.PointX[i] = x;
  s.PointY[i] = y;
}

// Lengths and points of the scheme in centimetres, with O at the origin.
void LayOutSixLink(SharedState& s, SixLinkData& d) {
  const int P2 = s.P2, P3 = s.P3, P4 = s.P4, P5 = s.P5;
  const double R = kDiscRadius;
  figures::ClearPoints(s, kPointCount);
  const double th = d.theta * kPi / 180;
  SetPoint(s, kA, d.oa * std::cos(th), d.oa * std::sin(th));
  const double xa = s.PointX[kA], ya = s.PointY[kA];
  const int oa = d.oa;
  auto& X = s.PointX;
  auto& Y = s.PointY;
  switch (d.scheme) {
    case 1:
      d.L1 = 20, d.L2 = P5 + 19, d.r1 = 2 * oa + P3, d.r2 = d.r1;
      SetPoint(s, kB, xa - Sq(d.L1, ya), 0);
      SetPoint(s, kC, X[kB] - Sq(d.L2, R), R);
      SetPoint(s, kE, oa + P2, 0);
      d.side = 1;
      break;
    case 2:
      d.L1 = P5 + 29, d.L2 = 25, d.r1 = 2 * P3 + 20, d.r2 = d.r1;
      SetPoint(s, kB, xa + Sq(d.L1, ya + 10), -10);
      SetPoint(s, kC, X[kB] + Sq(d.L2, R + 10), R);
      SetPoint(s, kE, 0, 20);
      d.side = 1;
      break;
    case 3:
    case 15: {
      if (d.scheme == 3) {
        d.L1 = 40, d.L2 = P5 + 48, d.r1 = 2 * P3 + 20, d.r2 = d.r1;
      } else {
        d.L1 = 2 * P2 + 26, d.L2 = 2 * P5 + 34, d.r1 = 3 * P3 + 20, d.r2 = 3 * P4 + 10;
      }
      SetPoint(s, kB, 0, ya + Sq(d.L1, xa));
      const double yc = R + 14 + 2 * P2;
      SetPoint(s, kC, Sq(d.L2, yc - Y[kB]), yc);
      if (d.scheme == 3) {
        SetPoint(s, kE, 20, 0);
        d.side = 1;
      } else {
        SetPoint(s, kE, 2 * P5 + 32, 0);
        d.side = -1;
      }
      break;
    }
    case 4: {
      d.L1 = 35, d.L2 = 2 * P2 + 28, d.r1 = P3 + 13, d.r2 = d.r1;
      const double sh = P5 + 16;
      SetPoint(s, kB, -sh, ya - Sq(d.L1, xa + sh));
      SetPoint(s, kC, X[kB] - Sq(d.L2, -30 - Y[kB]), -30);
      SetPoint(s, kE, 0, -25 - P2);
      d.side = -1;
      break;
    }
    case 5: {
      d.L1 = 40, d.L2 = 50, d.r1 = P3 + 20, d.r2 = d.r1;
      const double sh = P2 + 14;
      SetPoint(s, kB, xa - Sq(d.L1, sh - ya), sh);
      SetPoint(s, kC, X[kB] + Sq(d.L2, R + sh - Y[kB]), R + sh);
      SetPoint(s, kE, -23 - P5, 0);
      d.side = -1;
      break;
    }
    case 6:
      d.L1 = 30, d.L2 = P5 + 31, d.r1 = P3 + 26, d.r2 = P2 + 22;
      SetPoint(s, kB, xa - Sq(d.L1, ya), 0);
      SetPoint(s, kC, xa + Sq(d.L2, R - ya), R);
      SetPoint(s, kE, 15, 30);
      d.side = 1;
      break;
    case 7:
      d.L1 = P5 + 24, d.L2 = 35, d.r1 = P3 + 25, d.r2 = d.r1;
      SetPoint(s, kB, 0, ya - Sq(d.L1, xa));
      SetPoint(s, kC, xa - Sq(d.L2, ya), 0);
      SetPoint(s, kE, P2 + 20, 0);
      d.side = -1;
      break;
    case 8:
    case 9:
      if (d.scheme == 8) {
        d.L1 = 30, d.L2 = P5 + 32, d.r1 = P3 + 18, d.r2 = d.r1;
        X[kB] = -8 - P2;
      } else {
        d.L1 = 30, d.L2 = P5 + 47, d.r1 = P3 + 30, d.r2 = 25;
        X[kB] = P2 + 10;
      }
      Y[kB] = ya + Sq(d.L1, X[kB] - xa);
      SetPoint(s, kC, xa + Sq(d.L2, R - ya), R);
      if (d.scheme == 8) {
        SetPoint(s, kE, 20, P5 + 21);
      } else {
        SetPoint(s, kE, 2 * P2 + 20, oa + 10);
      }
      d.side = -1;
      break;
    case 10:
      d.L1 = P5 + 20, d.L2 = P2 + 49, d.r1 = 2 * P3 + 20, d.r2 = 22;
      SetPoint(s, kB, xa + Sq(d.L1, ya), 0);
      SetPoint(s, kC, xa - Sq(d.L2, R - ya), R);
      SetPoint(s, kE, -25, 0);
      d.side = -1;
      break;
    case 11:
      d.L1 = P5 + 30, d.L2 = 30, d.r1 = 2 * P3 + 19, d.r2 = 15;
      SetPoint(s, kC, xa + Sq(d.L1, ya), 0);
      X[kB] = d.L1 + 8;
      Y[kB] = Y[kC] + Sq(d.L2, X[kC] - X[kB]);
      SetPoint(s, kE, X[kB] + 17 + P2, 0);
      d.side = -1;
      break;
    case 12:
      d.L1 = P5 + 28, d.L2 = P2 + 30, d.r1 = P3 + 13, d.r2 = P4 + 10;
      SetPoint(s, kC, xa - Sq(d.L1, ya), 0);
      X[kB] = -14 - P2;
      Y[kB] = Y[kC] + Sq(d.L2, X[kC] - X[kB]);
      SetPoint(s, kE, 0, 2 * R + 3);
      d.side = 1;
      break;
    case 13:
      d.L1 = 2 * P3 + 20, d.L2 = P5 + 19, d.r1 = d.L2 + d.L1 + P2, d.r2 = 2 * oa + P3;
      SetPoint(s, kB, xa - Sq(d.L1, ya), 0);
      SetPoint(s, kC, X[kB] - Sq(d.L2, R), R);
      SetPoint(s, kE, oa + 2 * P2, 0);
      d.side = 1;
      break;
    default:  // 14
      d.L1 = 2 * P2 + 20, d.L2 = 2 * P4 + 19, d.r1 = 2 * P5 + 20, d.r2 = 2 * oa - P3;
      SetPoint(s, kB, xa - Sq(d.L1, ya), 0);
      SetPoint(s, kC, X[kB] - Sq(d.L2, R), R);
      SetPoint(s, kE, 0, oa + 3 * P2 + 2);
      d.side = 1;
      break;
  }
  figures::IntersectCircles(s, d.from, kE, kD, d.side, d.r1, d.r2);
  // The point beside the disc, so that the whole disc lies in the fitted box.
  X[kAux] = In(d.scheme, {1, 4, 7, 10, 12, 13, 14}) ? X[kC] - R : X[kC] + R;
  if (In(d.scheme, {5, 7, 10})) {
    Y[kAux] = Y[kC] + R;
  } else if (d.scheme == 8) {
    Y[kAux] = Y[kB] + 5;
  } else {
    Y[kAux] = Y[kC] - R;
  }
  const int other = d.ac_schemes ? kC : kB;
  SetPoint(s, kG, 0.5 * (xa + X[other]), 0.5 * (ya + Y[other]));
}

// F on the disc's rim after fitting: the top for schemes 1-6, 9 and 11, else a side.
bool FAtTop(int scheme) { return scheme <= 6 || scheme == 9 || scheme == 11; }

void PlaceRimPoint(SharedState& s, const SixLinkData& d, double r) {
  const double xc = s.PointX[kC], yc = s.PointY[kC];
  if (FAtTop(d.scheme)) {
    SetPoint(s, kF, xc, yc + r);
  } else if (In(d.scheme, {7, 10, 12, 13, 14})) {
    SetPoint(s, kF, xc - r, yc);
  } else {
    SetPoint(s, kF, xc + r, yc);
  }
}

// The rolling disc about point i: two dashed diameters, the circle and the floor under it.
void DrawRollingDisc(SharedState& s, int i, double r) {
  figures::PutText(s, "{", s.PointX[i], s.PointY[i]);
  toolkit::WriteLine(s, "");
  figures::DrawDashedLine(s, 5, -r - 2, 0, 0, 2 * r + 4, 0.3);
  toolkit::WriteLine(s, "%");
  figures::DrawDashedLine(s, 5, 0, -r + 2, kPi / 2, 2 * r - 1, 0.3);
  toolkit::WriteLine(s, "%");
  figures::DrawCircle(s, 0, 0, Round(2 * r));
  figures::DrawHatchRowV(s, -1, -r, -r, 2 * r);
  toolkit::WriteLine(s, "}");
}

// "G" beside the middle of A and its partner, 5 units off the rod.
void PutSixLinkGLabel(SharedState& s, int partner) {
  const double mx = figures::MidX(s, kA, partner), my = figures::MidY(s, kA, partner);
  const double len = figures::PointDistanceRounded(s, kA, partner);
  const double ux = (s.PointX[partner] - s.PointX[kA]) / len;
  const double uy = (s.PointY[partner] - s.PointY[kA]) / len;
  figures::PutLabel(s, "\\sG", mx + 5 * uy - 3, my - 5 * ux - 3);
}

void DrawSixLinkFigure(SharedState& s, const SixLinkData& d, double r) {
  const int P1 = d.scheme, P4 = s.P4;
  const auto& X = s.PointX;
  const auto& Y = s.PointY;
  const double th = d.theta * kPi / 180;
  // The picture reaches to the vertical dimensions beyond the rightmost joint and their values.
  const double right = figures::ArrayMax(X, kPointCount) + kDimensionRoom;
  toolkit::BeginPicture(s, right + 15, 110, -15, -15);
  figures::PutBracedText(s, "\\circle*{2}", X[kF], Y[kF]);
  toolkit::WriteLine(s, "");
  PutSixLinkGLabel(s, d.ac_schemes ? kC : kB);
  figures::PutBracedText(s, "\\circle*{2}", X[kG], Y[kG]);
  toolkit::WriteLine(s, "");
  if (FAtTop(P1)) {
    figures::PutLabel(s, "\\sF", X[kF] - 2, Y[kF] + 2);
  } else if (In(P1, {7, 10, 12, 13, 14})) {
    figures::PutLabel(s, "\\sF", X[kF] - 9, Y[kF] - 3);
  } else {
    figures::PutLabel(s, "\\sF", X[kF] + 2, Y[kF] - 3);
  }
  DrawRollingDisc(s, kC, r);
  if (In(P1, {8, 12})) {
    figures::PutLabel(s, "\\sA", X[kA] - 2, Y[kA] + 3);
  } else {
    const double l = s.Scale * d.oa + 6;
    figures::PutLabel(s, "\\sA", X[kO] - 2 + l * std::cos(th), Y[kO] - 1.5 + l * std::sin(th));
  }
  {
    const double l = s.Scale * d.r2 + 6;
    const double dx = X[kD] - X[kE], dy = Y[kD] - Y[kE];
    const double len = std::hypot(dx, dy);
    figures::PutLabel(s, "\\sD", X[kE] - 3 + l * dx / len, Y[kE] - 2 + l * dy / len);
  }
  if (In(P1, {1, 4, 7, 10, 12, 13, 14})) {
    figures::PutLabel(s, "\\sC", X[kC] - 7, Y[kC] + 2);
  } else {
    figures::PutLabel(s, "\\sC", X[kC] + 3, Y[kC] + 2);
  }
  if (P1 == 7) {
    figures::PutLabel(s, "\\sB", X[kB] - 2, Y[kB] - 11);
  } else if (P1 == 8) {
    figures::PutLabel(s, "\\sB", X[kB] + 7, Y[kB] - 4);
  } else {
    figures::PutLabel(s, "\\sB", X[kB] - 4.5, Y[kB] + 9);
  }
  const bool o_right = (P4 == 1 && In(P1, {4, 7, 12, 14})) ||
                       (P4 == 2 && In(P1, {1, 2, 4, 7, 12, 14})) ||
                       (P4 == 3 && In(P1, {1, 2, 4, 7, 12, 13, 14}));
  if (o_right) {
    figures::PutLabel(s, "\\sO", X[kO] + 5, Y[kO] - 6);
  } else if (P4 == 1) {
    figures::PutLabel(s, "\\sO", X[kO] - 8, Y[kO] - 3);
  } else {
    figures::PutLabel(s, "\\sO", X[kO] - 10, Y[kO] - 4);
  }
  if (P1 == 9) {
    figures::PutLabel(s, "\\sE", X[kE] - 9, Y[kE] - 3);
  } else if (In(P1, {2, 8, 12})) {
    figures::PutLabel(s, "\\sE", X[kE] - 1, Y[kE] + 4);
  } else {
    figures::PutLabel(s, "\\sE", X[kE] + 4, Y[kE] - 3);
  }
  figures::PutSlidingBlockAtPoint(s, kB, d.k);
  figures::SetLineWidth(s, 7);
  if (P1 <= 5 || P1 >= 13) {
    figures::DrawBar(s, kO, kA);
    figures::DrawBar(s, kA, kB);
    figures::DrawBar(s, kB, kC);
  } else if (P1 <= 10) {
    figures::DrawBar(s, kA, kB);
    figures::DrawBar(s, kA, kC);
    figures::DrawBar(s, kA, kO);
  } else {
    figures::DrawBar(s, kC, kB);
    figures::DrawBar(s, kA, kC);
    figures::DrawBar(s, kA, kO);
  }
  figures::DrawBar(s, d.from, kD);
  figures::DrawBar(s, kD, kE);
  figures::SetLineWidth(s, 1);
  for (int i : {kA, kB, kC, kD}) figures::DrawNodeMarker(s, i);
  figures::PutHingeBoxAtPoint(s, kO);
  figures::PutHingeBoxAtPoint(s, kE);
  // Guides and reference lines.
  const double xo = X[kO], yo = Y[kO];
  if (In(P1, {1, 13, 14})) {
    figures::DrawLineBySlope(s, X[kB] + 7, Y[kB], 1, 0, 10);
    figures::DrawLineBySlope(s, X[kB] - 7, Y[kB], -1, 0, 10);
  } else if (P1 == 2) {
    figures::DrawDashedLine(s, 5, xo, yo, 0, X[kC] - r - xo, 0.3);
    figures::DrawDashedLine(s, 5, X[kB] + 10, Y[kB], 0, X[kC] + r - X[kB] - 10, 0.3);
    figures::DrawDashedLine(s, 3, xo, yo, kPi / 2, Y[kE] - yo, 0.3);
  } else if (In(P1, {3, 15})) {
    figures::DrawDashedLine(s, 7, xo, yo, kPi / 2, Y[kB] - yo, 0.3);
  } else if (P1 == 4) {
    figures::DrawDashedLine(s, 4, X[kE], Y[kE], kPi / 2, yo - Y[kE], 0.3);
  } else if (P1 == 5) {
    figures::DrawDashedLine(s, 5, X[kB] + 10, Y[kB], 0, X[kC] - X[kB] - r - 10, 0.3);
  } else if (P1 == 6) {
    figures::DrawDashedLine(s, 4, xo + 5, yo, 0, X[kC] - xo - r - 10, 0.2);
  } else if (P1 == 9) {
    figures::DrawDashedLine(s, 5, xo + 20, yo, 0, X[kC] - xo - r - 20, 0.3);
  } else if (P1 == 11) {
    figures::DrawDashedLine(s, 6, xo + 20, yo, 0, X[kE] - xo - 20, 0.3);
  } else if (P1 == 7) {
    figures::DrawDashedLine(s, 5, X[kC], Y[kC], 0, X[kE] - X[kC], 0.3);
    figures::DrawDashedLine(s, 5, X[kB], Y[kB], kPi / 2, yo - Y[kB], 0.3);
  }
  // Horizontal dimensions.
  if (In(P1, {1, 3, 6, 13, 15})) {
    figures::DrawDimensionH(s, xo, X[kE], -12);
  } else if (P1 == 10) {
    figures::DrawDimensionH(s, xo, X[kE], -8);
  } else if (P1 == 4) {
    figures::DrawDimensionH(s, xo, X[kB], Y[kC] - 14);
  } else if (P1 == 5) {
    figures::DrawDimensionH(s, xo, X[kE], -14);
  } else if (P1 == 7) {
    figures::DrawDimensionH(s, xo, X[kE], yo + 18);
  } else if (P1 == 8) {
    figures::DrawDimensionH(s, xo, X[kE], Y[kB] + 12);
    figures::DrawDimensionH(s, X[kB], xo, Y[kB] + 12);
  } else if (P1 == 9) {
    figures::DrawDimensionH(s, xo, X[kB], -14);
    figures::DrawDimensionH(s, X[kB], X[kE], -14);
  } else if (P1 == 11) {
    figures::DrawDimensionH(s, xo, X[kB], -12);
    figures::DrawDimensionH(s, X[kB], X[kE], -12);
  } else if (P1 == 12) {
    figures::DrawDimensionH(s, X[kB], xo, -12);
  }
  // Vertical dimensions, right of the mechanism.
  const double xr = figures::ArrayMax(s.PointX, kPointCount) + 10;
  const double floor = Y[kC] - r;
  if (P1 == 2) {
    figures::DrawDimensionV(s, 0, Y[kB], yo, xr);
    figures::DrawDimensionV(s, 0, yo, Y[kE], xr);
  } else if (In(P1, {3, 15})) {
    figures::DrawDimensionV(s, 0, yo, floor, xr + 5);
  } else if (P1 == 4) {
    figures::DrawDimensionV(s, 0, yo, Y[kE], xr + 5);
    figures::DrawDimensionV(s, 0, Y[kE], floor, xr + 5);
  } else if (P1 == 12) {
    figures::DrawDimensionV(s, 0, yo, Y[kE], xr + 8);
    figures::DrawDimensionV(s, 0, yo, floor, xr + 8);
  } else if (P1 == 5) {
    figures::DrawDimensionV(s, 0, yo, Y[kB], xr);
  } else if (In(P1, {6, 9})) {
    figures::DrawDimensionV(s, 0, yo, Y[kE], xr);
  } else if (In(P1, {8, 14})) {
    figures::DrawDimensionV(s, 0, yo, Y[kE], xr + 12);
  }
  figures::DrawLabelledArc(s, 1, "$\\alpha$", 1, xo, yo, 0, th, th > kPi / 4 ? 8 : 12);
  figures::DrawLineBySlope(s, xo + 2, yo, 1, 0, 11);
  toolkit::EndPicture(s);
}

void WriteSixLinkData(SharedState& s, const SixLinkData& d) {
  const std::string n1 = d.name1, n2 = d.name2, n3 = d.name3;
  toolkit::WriteLine(s, "\\vskip1mm\\hskip3mm\\parbox[b]{195pt}{\\small  $\\omega_{OA}=" +
                            FormatNumber(s.P6) + "\\frac{1}{c}$,\\  $\\alpha=" +
                            FormatNumber(d.theta) + "^\\circ$, $AG$=$" + n1 + "/2$, \\\\  $OA$=$" +
                            FormatNumber(d.oa) + "$~см,");
  toolkit::WriteLine(s, "$" + n1 + "$=$" + FormatNumber(d.L1) + "$~см, $" + n2 + "$=$" +
                            FormatNumber(d.L2) + "$~см, \\\\ $" + n3 + "$=$" + FormatNumber(d.r1) +
                            "$~см, $DE$=$" + FormatNumber(d.r2) + "$~см, $R$=$10$~см, ");
  toolkit::WriteText(s, d.ac_schemes ? "$a_C$ - ?" : "$a_B$ - ?");
  toolkit::WriteText(s, "}}");
}

// The scheme's solving order: the crank, the two slider groups and the rocker's group.
void SolveSixLinkMechanism(SharedState& s, const SixLinkData& d) {
  figures::ScalePoints(s, kPointCount);
  ClearLinkagePoints(s, kPointCount);
  ClearLinkOmega(s, kPointCount);
  for (int i = 1; i <= kPointCount; ++i) {
    for (int j = 1; j <= kPointCount; ++j) s.LinkEpsilon[i][j] = 0;
  }
  s.LinkOmega[kA][kO] = s.P6;
  s.LinkEpsilon[kA][kO] = 0;
  SolveRigidLinkPoint(s, kA, kO, kA);
  const int P1 = d.scheme;
  if (In(P1, {1, 2, 3})) {
    SolveTwoLinkGroup(s, kA, kD, kE, kMechanism);
    SolveSliderGroup(s, kA, kB, d.k, kMechanism);
    SolveSliderGroup(s, kB, kC, 1, kMechanism);
  } else if (d.ac_schemes) {
    SolveSliderGroup(s, kA, kC, 1, kMechanism);
    SolveSliderGroup(s, kC, kB, d.k, kMechanism);
    SolveTwoLinkGroup(s, kB, kD, kE, kMechanism);
  } else if (In(P1, {6, 7, 8, 9, 10})) {
    SolveSliderGroup(s, kA, kB, d.k, kMechanism);
    SolveSliderGroup(s, kA, kC, 1, kMechanism);
    SolveTwoLinkGroup(s, d.from, kD, kE, kMechanism);
  } else {  // 4, 5, 14 from B; 13, 15 from C
    SolveSliderGroup(s, kA, kB, d.k, kMechanism);
    SolveSliderGroup(s, kB, kC, 1, kMechanism);
    SolveTwoLinkGroup(s, d.from, kD, kE, kMechanism);
  }
  SolveRigidLinkPoint(s, kA, d.ac_schemes ? kC : kB, kG);
}

void WriteSixLinkAnswers(SharedState& s, const SixLinkData& d) {
  const int number = toolkit::PrintedVariantNumber(s);
  const auto& v = s.LinkPointSpeed;
  const auto& a = s.LinkPointAccel;
  // The disc rolls: its top moves at twice the centre's speed, a side point at sqrt(2) times.
  const double vf = (FAtTop(d.scheme) ? 2.0 : std::sqrt(2.0)) * v[kC];
  auto c8 = [](double x) { return FormatFixed(x, 8, 3); };
  auto c7 = [](double x) { return FormatFixed(x, 7, 3); };
  toolkit::AnsWrite(s, FormatFixed(number, 2, 0) + "&" + FormatFixed(v[kA], 4, 0) + "&" +
                           c8(v[kB]) + "&" + c8(v[kC]) + "&" + c8(v[kD]) + "&" + c8(vf) + "&" +
                           c8(v[kG]));
  std::string row = FormatFixed(number, 0, 0);
  const std::string no = " & " + std::string(toolkit::kNoValue);
  const std::string links[] = {"AB", "AC", "AD", "BC", "BD", "CD"};
  auto point = [](char c) { return c == 'A' ? kA : (c == 'B' ? kB : (c == 'C' ? kC : kD)); };
  for (const std::string& link : links) {
    if (link == d.name1 || link == d.name2 || link == d.name3) {
      row += "&" + c7(s.LinkOmega[point(link[0])][point(link[1])]);
    } else {
      row += no;
    }
  }
  row += "&" + c7(s.LinkOmega[kD][kE]);
  if (d.ac_schemes) {
    row += "&" + FormatFixed(a[kA], 5, 0) + no + "&" + c8(a[kC]) + no + "&" +
           c8(s.LinkEpsilon[kA][kC]);
  } else {
    row += "&" + FormatFixed(a[kA], 5, 0) + "&" + c8(a[kB]) + no + "&" + c8(s.LinkEpsilon[kA][kB]) +
           no;
  }
  toolkit::Ans2Write(s, row);
}

}  // namespace

void BeginSixLinkMechanismProblem(SharedState& s, int /*mode*/) {
  s.DimensionXFixed = true;
  s.LabelStyle = "\\Blue";
  // Two boxes of 210pt side by side would run past the sheet's right margin; 200pt still
  // holds the figure and the data under it.
  s.ParboxWidth = 200;
  DefineJointLabelMacros(s, 7);
  figures::DefineMacro(s, "sO", "\\scriptsize O");
  toolkit::WriteText(s, " Найти скорости точек $A$, $B$, $C$, $D$, $F$, $G$ и ускорение указанной точки.");
  toolkit::AnsBeginTable(s, 10);
  toolkit::Ans2WriteLine(s, "Угловые скорости, ускорения, угловые ускорения \\\\ \\tabcolsep=2pt");
  toolkit::Ans2BeginTable(s, 14);
  toolkit::AnsWrite(s, "\\No&$V_A$&$V_B$&$V_C$&$V_D$&$V_F$&$V_G$\\\\ \\hline  ");
  toolkit::Ans2Write(s,
                     "\\No&$\\omega_{AB}$&$\\omega_{AC}$&$\\omega_{AD}$&$\\omega_{BC}$&$\\omega_{BD}$&"
                     "$\\omega_{CD}$&$\\omega_{DE}$&$a_A$&$a_B$ &$a_C$ & $\\varepsilon_{AB}$& "
                     "$\\varepsilon_{AB}$\\\\ \\hline  ");
  toolkit::WriteBookReference(s, 279);
}

void WriteSixLinkMechanismVariant(SharedState& s, int /*mode*/) {
  toolkit::WriteLine(s, "\\par\\noindent\\vbox{%");
  SixLinkData d = DeriveSixLink(s);
  LayOutSixLink(s, d);
  // The points, the margin on the left and the dimensions on the right fill the variant's box.
  s.BoxWidth = 240 - 15 - kDimensionRoom - 3;
  s.BoxHeight = 80;
  figures::FitPointsToBox(s, kPointCount, 0);
  const double r = s.Scale * kDiscRadius;
  PlaceRimPoint(s, d, r);
  DrawSixLinkFigure(s, d, r);
  WriteSixLinkData(s, d);
  SolveSixLinkMechanism(s, d);
  WriteSixLinkAnswers(s, d);
}

}  // namespace kinematics
