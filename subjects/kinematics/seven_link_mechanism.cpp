#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <numbers>
#include <optional>
#include <string>

#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "figures/supports.h"
#include "subjects/kinematics/kinematics.h"
#include "subjects/kinematics/linkage/linkage_solver.h"
#include "subjects/structural/common/linear_system.h"
#include "toolkit/answers.h"
#include "toolkit/errors.h"
#include "toolkit/number_format.h"
#include "toolkit/picture_frames.h"
#include "toolkit/terms.h"
#include "toolkit/writers.h"

namespace kinematics {

namespace {

using toolkit::FormatFixed;
using toolkit::FormatNumber;

constexpr const char* kMechanism = "seven-link mechanism";
constexpr double kPi = std::numbers::pi;
constexpr int kKinematicsMode = kSevenLinkKinematicsMode;

// Point numbers: the left vertical rod A-B-C, the slider D, the right vertical rod E-F-G, the
// slider H and the fixed pivots O (crank O-A), N and K (rocker K-G).
constexpr int kA = 1, kB = 2, kC = 3, kD = 4, kE = 5, kF = 6, kG = 7, kH = 8, kO = 9, kN = 10,
              kK = 11;
constexpr int kPointCount = 11;

// Half the size of the jog by which a rod passes a joint it is not hinged to.
constexpr double kJog = 2.4;

bool In(int v, std::initializer_list<int> set) {
  for (int m : set) {
    if (m == v) return true;
  }
  return false;
}

// The variant's lengths (cm) and choices.
struct SevenLinkData {
  int s = 1;  // 2 when P2 = P3: the pivots O, K, H stand at 45 degrees, else at 30
  int ge = 20, kg = 25, eh = 30, oa = 30, a = 30, c = 30, d = 40, g = 20, p = 60, q = 40, e = 35;
  bool structure_one = true;  // P5 1, 2, 3, 6, 7, 8: the rocker at N runs through B
  int driver = kA, driver_pivot = kO;
  const char* driver_name = "OA";
};

SevenLinkData DeriveSevenLink(const SharedState& st) {
  const int P1 = st.P1, P2 = st.P2, P3 = st.P3, P4 = st.P4, P5 = st.P5;
  SevenLinkData d;
  d.s = P2 == P3 ? 2 : 1;
  if (P5 <= 5) {
    if (P3 == 3) d.g = 30, d.kg = 20;
    if (In(P3, {1, 2})) d.g = 10;
    if (In(P3, {1, 4})) d.q = 30;
    if (In(P4, {3, 4})) d.e = 15;
    if (In(P4, {1, 4})) d.q = 30;
    if (In(P1, {3, 4})) d.a = 10;
    if (In(P1, {2, 3})) d.p = 50;
    if (In(P3, {1, 4}) && In(P4, {1, 4})) d.q = 15;
    if (In(P1, {2, 3}) && P2 == 2) d.p = 20;
    if (In(P1, {3, 4})) d.oa = 20;
    if (P2 == 1 && In(P3, {1, 4})) d.d = d.p;
    if (P2 == 2) d.d = 15;
  } else {
    d.a = 25, d.ge = 10, d.p = 20, d.c = 10, d.kg = 25, d.eh = 30, d.g = 25;
    if (P3 == 4 && P4 == 4) d.ge = 24, d.g = 10;
    if (P3 == 3 && P4 == 3) d.ge = 26, d.g = 10;
    if (P3 == 2 && P4 == 2) d.ge = 20, d.g = 30;
    if (P3 == 1 && P4 == 1) d.ge = 20, d.g = 30;
    if (P3 == 4 && P4 == 1) d.ge = 45, d.g = 10;
    if (P3 == 3 && P4 == 2) d.ge = 45, d.g = 10;
    const bool middle = In(P3, {2, 3}) || In(P4, {2, 3});
    if (In(P1, {1, 4}) || middle) d.p = 50;
    if (In(P1, {1, 4}) && middle) d.p = 80;
    d.q = 100 - d.p;
    if (In(P1, {3, 4})) d.a = 20, d.oa = 20;
    if (P2 == 1 && d.p < d.q) d.d = d.q / 2 + d.p;
    if (P2 == 1 && d.p >= d.q) d.d = d.p / 2;
    if (P2 == 2) d.d = 15;
    d.e = d.g + d.ge;
  }
  d.structure_one = In(P5, {1, 2, 3, 6, 7, 8});
  if (In(P5, {2, 8})) {
    d.driver = kB, d.driver_pivot = kN, d.driver_name = P5 == 2 ? "BF" : "NB";
  } else if (In(P5, {3, 7})) {
    d.driver = kG, d.driver_pivot = kK, d.driver_name = "KG";
  } else if (In(P5, {5, 9})) {
    d.driver = kC, d.driver_pivot = kN, d.driver_name = "NC";
  } else {
    d.driver = kA, d.driver_pivot = kO, d.driver_name = "OA";
  }
  return d;
}

void SetPoint(SharedState& s, int i, double x, double y) {
  s.PointX[i] = x;
  s.PointY[i] = y;
}

// Point `to` := point `from` + L at the pivots' angle in quadrant q (1..4 counter-clockwise).
void PlaceByQuadrant(SharedState& st, int q, int from, int to, int s, double L) {
  const int sx = q == 1 || q == 4 ? 1 : -1;
  const int sy = q <= 2 ? 1 : -1;
  const double t = (s + 1) * kPi / 12;
  SetPoint(st, to, st.PointX[from] + L * sx * std::cos(t), st.PointY[from] + L * sy * std::sin(t));
}

void LayOutSevenLink(SharedState& s, const SevenLinkData& d) {
  const int P5 = s.P5;
  const double x0 = 0;
  SetPoint(s, kA, x0, -d.a);
  SetPoint(s, kB, x0, 0);
  SetPoint(s, kC, x0, d.c);
  const double xe = P5 <= 5 ? x0 + d.p + d.q : x0 + d.p;
  SetPoint(s, kE, xe, -d.e);
  SetPoint(s, kF, xe, 0);
  SetPoint(s, kG, xe, P5 <= 5 ? d.g : -d.g);
  const double side = 3 - 2 * s.P2;
  if (d.structure_one) {
    SetPoint(s, kN, P5 <= 3 ? x0 + d.p : x0 + d.p + d.q, 0);
    SetPoint(s, kD, x0 + side * d.d, d.c);
  } else {
    SetPoint(s, kD, P5 <= 5 ? x0 + d.p : x0 + d.p + d.q, 0);
    SetPoint(s, kN, x0 + side * d.d, d.c);
  }
  PlaceByQuadrant(s, s.P1, kA, kO, d.s, d.oa);
  PlaceByQuadrant(s, s.P3, kG, kK, d.s, d.kg);
  PlaceByQuadrant(s, s.P4, kE, kH, d.s, d.eh);
}

// A vertical rod from a through b to c that passes b with a jog to the side `side`.
void DrawVerticalJogRod(SharedState& s, int a, int b, int c, int side) {
  const double xb = s.PointX[b], yb = s.PointY[b];
  figures::MoveTo(s, s.PointX[a], s.PointY[a] + 1.5);
  figures::LineTo(s, xb, yb - kJog);
  figures::LineTo(s, xb - 0.7 * kJog * side, yb - kJog);
  figures::LineTo(s, xb - 0.7 * kJog * side, yb + kJog);
  figures::LineTo(s, xb, yb + kJog);
  figures::LineTo(s, s.PointX[c], s.PointY[c] - 1.5);
  toolkit::WriteLine(s, "%");
}

// A horizontal rod from a through b to c that passes b with a jog upward.
void DrawHorizontalJogRod(SharedState& s, int a, int b, int c) {
  const double xb = s.PointX[b], yb = s.PointY[b];
  figures::MoveTo(s, s.PointX[a] + 1.5, s.PointY[a]);
  figures::LineTo(s, xb - kJog, yb);
  figures::LineTo(s, xb - kJog, yb + 0.7 * kJog);
  figures::LineTo(s, xb + kJog, yb + 0.7 * kJog);
  figures::LineTo(s, xb + kJog, yb);
  figures::LineTo(s, s.PointX[c] - 1.5, s.PointY[c]);
  toolkit::WriteLine(s, "%");
}

// The angle mark of the link from-to placed in quadrant q: at the link's lower end, the arc
// between the horizontal reference line and the link.
void PutQuadrantAngleMark(SharedState& s, const SevenLinkData& d, int q, int from, int to) {
  const std::string left = d.s == 1 ? "lefta" : "leftb";
  const std::string right = d.s == 1 ? "righta" : "rightb";
  const int at = q <= 2 ? from : to;
  figures::PutBox(s, q % 2 == 1 ? left : right, s.PointX[at], s.PointY[at]);
  toolkit::WriteLine(s, "%");
}

void Label(SharedState& s, const char* macro, double x, double y) {
  figures::PutBracedText(s, macro, x, y);
  toolkit::WriteLine(s, "");
}

// The support at point i: a slider, or in the reactions mode a hinge where the variant says.
void PutSupport(SharedState& s, int mode, int i, bool hinge) {
  if (mode != kKinematicsMode && hinge) {
    figures::PutHingeBoxAtPoint(s, i);
  } else {
    figures::PutSlidingBlockAtPoint(s, i, 1);
  }
}

void DrawSevenLinkFigure(SharedState& s, const SevenLinkData& d, int mode) {
  const int P1 = s.P1, P2 = s.P2, P3 = s.P3, P4 = s.P4, P5 = s.P5;
  const auto& X = s.PointX;
  const auto& Y = s.PointY;
  // The whole drawing (labels, supports and angle marks round the fitted box) inside the
  // picture, so that the title above and the data beside stay clear of it.
  // The supports of the velocity mode reach less far below the lowest joints.
  const double below = mode == kKinematicsMode ? 12 : 16;
  toolkit::BeginPicture(s, s.BoxWidth + 42, s.BoxHeight + 15 + below, -20, -below);
  figures::SetLineWidth(s, 8);
  DrawVerticalJogRod(s, kA, kB, kC, 1);
  for (int i : {kA, kE, kB, kF, kC, kG}) figures::DrawNodeMarker(s, i);
  toolkit::WriteLine(s, "%");
  Label(s, "\\sA", X[kA] - 4, Y[kA] - 10);
  Label(s, "\\sC", X[kC], Y[kC] + 3);
  Label(s, "\\sB", X[kB] + 2, Y[kB] + 3);
  Label(s, "\\sN", X[kN] - 3, Y[kN] + 4);
  Label(s, "\\sD", X[kD] - 3, Y[kD] + 6);
  if (P1 == 4) {
    Label(s, "\\sO", X[kO] + 5, Y[kO] - 3);
  } else {
    Label(s, "\\sO", X[kO] - 7, Y[kO] + 3);
  }
  toolkit::WriteLine(s, "%");
  figures::DrawBar(s, kO, kA);
  figures::DrawBar(s, kE, kH);
  figures::DrawBar(s, kG, kK);
  if (P5 <= 3) {
    figures::DrawBar(s, kC, kD);
    DrawHorizontalJogRod(s, kB, kN, kF);
    DrawVerticalJogRod(s, kE, kF, kG, -1);
  } else if (P5 <= 5) {
    DrawVerticalJogRod(s, kE, kF, kG, -1);
    DrawHorizontalJogRod(s, kB, kD, kF);
    figures::DrawBar(s, kC, kN);
  } else if (P5 <= 8) {
    figures::DrawBar(s, kC, kD);
    DrawHorizontalJogRod(s, kB, kF, kN);
  } else {
    DrawHorizontalJogRod(s, kB, kF, kD);
    figures::DrawBar(s, kC, kN);
  }
  if (P5 >= 6) {
    Label(s, "\\sE", X[kE] - 3, Y[kE] - (P5 <= 8 ? 11 : 10));
    Label(s, "\\sF", X[kF] - 3, Y[kF] + 4);
    if (In(P3, {1, 4})) {
      DrawVerticalJogRod(s, kE, kG, kF, 1);
      Label(s, "\\sG", X[kG] - 11, Y[kG] - 3);
    } else {
      DrawVerticalJogRod(s, kE, kG, kF, -1);
      Label(s, "\\sG", X[kG] + 4, Y[kG] - 3);
    }
    if (P5 >= 9) toolkit::WriteLine(s, "%");
    if (In(P3, {1, 4})) {
      Label(s, "\\sK", X[kK] + 2, Y[kK] - 3);
    } else {
      Label(s, "\\sK", X[kK] - 11, Y[kK] - 2);
    }
    if (In(P4, {2, 3})) {
      Label(s, "\\sH", X[kH] - 18, Y[kH] - 2);
    } else {
      Label(s, "\\sH", X[kH] + (P5 <= 8 ? 9 : 10), Y[kH] - 2);
    }
    figures::PutHingeBoxAtPoint(s, kN);
    if (P5 <= 8) toolkit::WriteLine(s, "%");
  } else {
    Label(s, "\\sG", X[kG] - 4, Y[kG] + 4);
    Label(s, "\\sE", X[kE] - 2, Y[kE] - 10);
    if (In(P3, {1, 2})) {
      Label(s, "\\sK", X[kK] - 2, Y[kK] + 3);
    } else if (P3 == 3) {
      Label(s, "\\sK", X[kK] - 13, Y[kK] - 2);
    } else {
      Label(s, "\\sK", X[kK] + 1, Y[kK] + 3);
    }
    if (P4 == 1) {
      Label(s, "\\sH", X[kH] - 2, Y[kH] + 6);
    } else if (P4 == 3) {
      Label(s, "\\sH", X[kH] - 18, Y[kH] + 6);
    } else {
      Label(s, "\\sH", X[kH], Y[kH] + 6);
    }
    Label(s, "\\sF", X[kF] + 3, Y[kF] - 4);
    figures::PutHingeBoxAtPoint(s, kN);
  }
  PutSupport(s, mode, kD, P2 == 2);
  PutSupport(s, mode, kH, P2 == 1);
  figures::PutHingeBoxAtPoint(s, kO);
  figures::PutHingeBoxAtPoint(s, kK);
  PutQuadrantAngleMark(s, d, P1, kA, kO);
  PutQuadrantAngleMark(s, d, P3, kG, kK);
  PutQuadrantAngleMark(s, d, P4, kE, kH);
  toolkit::EndPicture(s);
}

// The running weight of the rods in the reactions mode, N/m.
double RunningWeight(const SharedState& s) { return 20 + 2 * s.P6; }

// The data beside the figure. The lengths are printed at every Level: without them the student
// could not find a single velocity, nor a single reaction. The first line gives the driver's
// angular velocity, or in the reactions mode the running weight.
void WriteSevenLinkData(SharedState& s, const SevenLinkData& d, int mode) {
  const int P5 = s.P5;
  const std::string load = mode == kKinematicsMode
                               ? "$\\omega_{" + std::string(d.driver_name) + "}=" +
                                     FormatNumber(s.P6) + "$~рад/с"
                               : "$\\rho=" + FormatNumber(RunningWeight(s)) + "$~Н/м";
  toolkit::WriteLine(s, "\\hfill\\parbox[b]{120pt}{\\small " + load + ", $\\alpha=" +
                            FormatNumber(15 * d.s + 15) + "^\\circ$, \\\\");
  auto pair = [&](const char* n1, double v1, const char* n2, double v2) {
    toolkit::WriteLine(s, std::string("$") + n1 + "=" + FormatNumber(v1) + " $, $" + n2 + "=" +
                              FormatNumber(v2) + " $,\\\\ ");
  };
  toolkit::WriteLine(s, " $AB=" + FormatNumber(d.a) + "$, $BC=" + FormatNumber(d.c) + " $,\\\\ ");
  if (P5 <= 3) {
    pair("NB", d.p, "NF", d.q);
    pair("CD", d.d, "EH", d.eh);
    pair("FE", d.e, "FG", d.g);
  } else if (P5 <= 5) {
    pair("DB", d.p, "DF", d.q);
    pair("NC", d.d, "EH", d.eh);
    pair("FE", d.e, "FG", d.g);
  } else if (P5 <= 8) {
    pair("BF", d.p, "NF", d.q);
    pair("CD", d.d, "EH", d.eh);
    pair("FG", d.g, "GE", d.ge);
  } else {
    pair("BF", d.p, "FD", d.q);
    pair("NC", d.d, "EH", d.eh);
    pair("FE", d.e, "FG", d.g);
  }
  toolkit::WriteLine(s, "$OA=" + FormatNumber(d.oa) + " $,");
  if (mode == kKinematicsMode) {
    toolkit::WriteLine(s, "$KG=" + FormatNumber(d.kg) + " $.\\\\" +
                              (In(P5, {3, 7}) ? " $a_G,\\ a_F,\\ a_E$" : " $a_A,\\ a_B,\\ a_C$") +
                              "-- ?");
  } else {
    toolkit::WriteLine(s, "$KG=" + FormatNumber(d.kg) + " $.");
  }
  toolkit::WriteText(s, "}");
}

void SolveSevenLinkMechanism(SharedState& s, const SevenLinkData& d) {
  figures::ScalePoints(s, kPointCount);
  ClearLinkagePoints(s, kPointCount);
  const int P5 = s.P5;
  if (In(P5, {1, 6})) {
    SolveRigidLinkPoint(s, kA, kO, kA);
    SolveTwoLinkGroup(s, kA, kB, kN, kMechanism);
  } else if (In(P5, {2, 8})) {
    SolveRigidLinkPoint(s, kB, kN, kB);
    SolveTwoLinkGroup(s, kB, kA, kO, kMechanism);
  } else if (In(P5, {3, 7})) {
    SolveRigidLinkPoint(s, kG, kK, kG);
    SolveTwoLinkGroup(s, kG, kF, kN, kMechanism);
    SolveRigidLinkPoint(s, kG, kF, kE);
    SolveSliderGroup(s, kE, kH, 1, kMechanism);
    SolveRigidLinkPoint(s, kF, kN, kB);
    SolveTwoLinkGroup(s, kB, kA, kO, kMechanism);
    SolveRigidLinkPoint(s, kA, kB, kC);
    SolveSliderGroup(s, kC, kD, 1, kMechanism);
    return;
  } else if (In(P5, {4, 10})) {
    SolveRigidLinkPoint(s, kA, kO, kA);
    SolveTwoLinkGroup(s, kA, kC, kN, kMechanism);
  } else {
    SolveRigidLinkPoint(s, kC, kN, kC);
    SolveTwoLinkGroup(s, kC, kA, kO, kMechanism);
  }
  if (d.structure_one) {
    SolveRigidLinkPoint(s, kA, kB, kC);
    SolveSliderGroup(s, kC, kD, 1, kMechanism);
    SolveRigidLinkPoint(s, kB, kN, kF);
  } else {
    SolveRigidLinkPoint(s, kA, kC, kB);
    SolveSliderGroup(s, kB, kD, 1, kMechanism);
    SolveRigidLinkPoint(s, kB, kD, kF);
  }
  SolveTwoLinkGroup(s, kF, kG, kK, kMechanism);
  SolveRigidLinkPoint(s, kF, kG, kE);
  SolveSliderGroup(s, kE, kH, 1, kMechanism);
}

void WriteSevenLinkAnswers(SharedState& s, const SevenLinkData& d) {
  std::string row;
  for (int i = kA; i <= kH; ++i) row += "&" + FormatFixed(s.LinkPointSpeed[i], 8, 3);
  toolkit::AnsWrite(s, row);
  const auto& w = s.LinkOmega;
  auto c7 = [](double x) { return FormatFixed(x, 7, 3); };
  const std::string no(toolkit::kNoValue);
  row = "&" + c7(w[kO][kA]) + "&" + c7(w[kC][kA]) + "&";
  if (d.structure_one) {
    row += c7(w[kC][kD]) + "&" + c7(w[kB][kF]) + "&" + c7(w[kF][kE]) + "&" + c7(w[kK][kG]) + "&" +
           c7(w[kE][kH]) + "&" + no;
  } else {
    row += no + "&" + c7(w[kB][kF]) + "&" + c7(w[kF][kE]) + "&" + c7(w[kK][kG]) + "&" +
           c7(w[kE][kH]) + "&" + c7(w[kN][kC]);
  }
  auto c6 = [&](int i) { return FormatFixed(0.01 * s.LinkPointAccel[i], 6, 3); };
  if (In(s.P5, {3, 7})) {
    row += "&" + no + "&" + no + "&" + no + "&" + c6(kE) + "&" + c6(kF) + "&" + c6(kG);
  } else {
    row += "&" + c6(kA) + "&" + c6(kB) + "&" + c6(kC) + "&" + no + "&" + no + "&" + no;
  }
  toolkit::Ans2Write(s, row);
}

// The support reactions of the reactions mode (N): X_O, Y_O, X_N, Y_N, X_K, Y_K, X_D, Y_D,
// X_H, Y_H. A slider on its horizontal guide carries no x component: its X stays NaN.
using SupportReactions = std::array<double, 10>;

struct Point2 {
  double x, y;
};

// A hinge at `at` through which rod `other` (kGround: the ground) acts on rod `on`; a slider
// on a horizontal guide carries the y component only.
struct Joint {
  int on, other;
  Point2 at;
  bool carries_x;
};
constexpr int kGround = -1;

// Every rod of the system, with its weight (running weight times length) at its middle, is in
// equilibrium: three equations a rod, two unknowns a hinge and one a slider. With one of the
// sliders D, H fixed as a hinge the seven rods are a rigid structure, and the 21 equations fix
// the 21 hinge forces. Empty when the system is singular: the rods could still move.
std::optional<SupportReactions> SolveRodSystemReactions(SharedState& s, const SevenLinkData& d) {
  LayOutSevenLink(s, d);  // centimetres, before the figure is fitted to its box
  auto pt = [&s](int i) { return Point2{s.PointX[i], s.PointY[i]}; };
  enum { kCrank, kLeftRod, kUpperBar, kCrossRod, kRightRod, kRocker, kLink, kRodCount };
  // The right rod runs from E to G above F (P5 1..5), or from E to F when G lies between them.
  const Point2 right_end = s.P5 <= 5 ? pt(kG) : pt(kF);
  const Point2 rods[kRodCount][2] = {
      {pt(kO), pt(kA)},  {pt(kA), pt(kC)}, {pt(kC), d.structure_one ? pt(kD) : pt(kN)},
      {pt(kB), {static_cast<double>(d.p + d.q), 0}}, {pt(kE), right_end}, {pt(kG), pt(kK)},
      {pt(kE), pt(kH)}};
  const Joint joints[] = {
      {kCrank, kGround, pt(kO), true},
      {kLeftRod, kCrank, pt(kA), true},
      {kLeftRod, kUpperBar, pt(kC), true},
      {kLeftRod, kCrossRod, pt(kB), true},
      {kRightRod, kCrossRod, pt(kF), true},
      {kRightRod, kRocker, pt(kG), true},
      {kRightRod, kLink, pt(kE), true},
      {d.structure_one ? kCrossRod : kUpperBar, kGround, pt(kN), true},
      {kRocker, kGround, pt(kK), true},
      {d.structure_one ? kUpperBar : kCrossRod, kGround, pt(kD), s.P2 == 2},
      {kLink, kGround, pt(kH), s.P2 == 1},
  };
  constexpr int kEquations = 3 * kRodCount;
  structural::ClearLinearSystem(s, kEquations);
  int column = 0;
  std::array<int, std::size(joints)> x_column{}, y_column{};
  for (std::size_t j = 0; j < std::size(joints); ++j) {
    const Joint& joint = joints[j];
    x_column[j] = joint.carries_x ? ++column : 0;
    y_column[j] = ++column;
    for (const auto& [rod, sign] : {std::pair{joint.on, 1.0}, std::pair{joint.other, -1.0}}) {
      if (rod == kGround) continue;
      const int row = 3 * rod;
      const Point2 origin = rods[rod][0];
      if (x_column[j] != 0) {
        s.SystemMatrix[row + 1][x_column[j]] += sign;
        s.SystemMatrix[row + 3][x_column[j]] -= sign * (joint.at.y - origin.y);
      }
      s.SystemMatrix[row + 2][y_column[j]] += sign;
      s.SystemMatrix[row + 3][y_column[j]] += sign * (joint.at.x - origin.x);
    }
  }
  if (column != kEquations) {
    throw toolkit::DegenerateDataError("hinged-rod system: " + std::to_string(column) +
                                       " unknown forces for " + std::to_string(kEquations) +
                                       " equations");
  }
  const double rho = RunningWeight(s);
  for (int rod = 0; rod < kRodCount; ++rod) {
    const Point2 a = rods[rod][0], b = rods[rod][1];
    const double weight = rho * std::hypot(b.x - a.x, b.y - a.y) / 100;  // N/m times cm
    s.SystemRhs[3 * rod + 2][1] = weight;
    s.SystemRhs[3 * rod + 3][1] = weight * (b.x - a.x) / 2;
  }
  try {
    structural::SolveLinearSystem(s, kEquations, 1, "equilibrium of the hinged-rod system");
  } catch (const toolkit::DegenerateDataError&) {
    return std::nullopt;
  }
  // The drawn system can stand only when no rod can move: a structure that could still move
  // (the rods at their dead points) leaves a pivot many orders below the others, where a
  // standing one keeps them within four orders.
  double smallest = std::fabs(s.SystemMatrix[1][1]), largest = smallest;
  for (int k = 2; k <= kEquations; ++k) {
    smallest = std::min(smallest, std::fabs(s.SystemMatrix[k][k]));
    largest = std::max(largest, std::fabs(s.SystemMatrix[k][k]));
  }
  if (!(smallest > 1e-8 * largest)) return std::nullopt;
  SupportReactions r;
  const std::size_t supports[] = {0, 7, 8, 9, 10};  // O, N, K, D, H
  for (std::size_t k = 0; k < std::size(supports); ++k) {
    const std::size_t j = supports[k];
    r[2 * k] = x_column[j] != 0 ? s.SystemRhs[x_column[j]][1] : std::nan("");
    r[2 * k + 1] = s.SystemRhs[y_column[j]][1];
  }
  return r;
}

// The figure fitted into its box and the data beside it, alike in both modes.
void DrawAndDescribeSevenLink(SharedState& s, const SevenLinkData& d, int mode) {
  LayOutSevenLink(s, d);
  s.BoxWidth = 170;
  s.BoxHeight = 85;
  figures::FitPointsToBox(s, kPointCount, 0);
  DrawSevenLinkFigure(s, d, mode);
  WriteSevenLinkData(s, d, mode);
}

// The answers row of the reactions mode: each component in N with two decimals, "---" for the
// x component a slider does not carry.
void WriteReactionAnswers(SharedState& s, const SupportReactions& r) {
  std::string row;
  for (double v : r) {
    if (std::isnan(v)) {
      row += "&     ---";
    } else {
      // A component that rounds to zero prints without a sign.
      row += "&" + FormatFixed(std::fabs(v) < 0.005 ? 0.0 : v, 8, 2);
    }
  }
  toolkit::AnsWrite(s, row);
}

// The angle mark "name": the arc from a1 to a2 (degrees) and a dashed reference line.
void DefineAngleMarkBox(SharedState& s, const char* name, double a1, double a2, double x0,
                        double angle) {
  toolkit::BeginSaveBox(s, name);
  figures::DrawLabelledArc(s, 0, "$\\alpha$", 1, 0, 0, a1 * kPi / 180, a2 * kPi / 180, 9);
  figures::DrawDashedLine(s, 3, x0, 0, angle, 12, 0.7);
  toolkit::EndSaveBox(s);
}

}  // namespace

void BeginSevenLinkMechanismProblem(SharedState& s, int mode) {
  DefineJointLabelMacros(s, 8);
  figures::DefineMacro(s, "sO", "\\small  $O$");
  figures::DefineMacro(s, "sN", "\\small  $N$");
  figures::DefineMacro(s, "sK", "\\small  $K$");
  // Both modes print the lengths beside the figure.
  if (mode == kSevenLinkReactionsMode || mode == kKinematicsMode) s.ParboxWidth = 370;
  s.BlockCentred = false;
  DefineAngleMarkBox(s, "lefta", 0, 30, 1, 0);
  DefineAngleMarkBox(s, "righta", 150, 180, -1, kPi);
  DefineAngleMarkBox(s, "leftb", 0, 45, 1, 0);
  DefineAngleMarkBox(s, "rightb", 135, 180, -1, kPi);
  if (mode == kKinematicsMode) {
    toolkit::WriteLine(s,
                       "Плоский  многозвенный  механизм  с одной степенью свободы    приводится в  "
                       "движение  кривошипом,  который  вращается  против  часовой  стрелки с "
                       "постоянной угловой скоростью. Найти скорости всех шарниров  механизма (в "
                       "см/c) и ускорения трех заданных шарниров (в $м/c^2$). Размеры даны в см. "
                       "\\tabcolsep=2pt");
    toolkit::AnsBeginTable(s, 9);
    // Fourteen columns of angular velocities and accelerations fit the sheet only when set
    // small and close.
    toolkit::Ans2WriteLine(s, "\\tabcolsep=2pt\\scriptsize");
    toolkit::Ans2BeginTable(s, 14);
    toolkit::AnsWriteLine(s, "\\No &$v_A$&$v_B$&$v_C$&$v_D$&$v_E$&$ v_F$&$v_G$&$v_H$\\\\\\hline");
    toolkit::Ans2WriteLine(s,
                           "\\No &$\\omega_{OA}$&$\\omega_{CA}$&$\\omega_{CD}$&$\\omega_{BF}$&$"
                           "\\omega_{FE}$&$\\omega_{KG}$&$\\omega_{EH}$&$\\omega_{NC}$& "
                           "\\mc{$a_A$}& \\mc{$a_B$}& \\mc{$a_C$}& \\mc{$a_E$}&\\mc{$a_F$}&\\mc{$a_"
                           "G$}\\\\\\hline");
  } else {
    toolkit::WriteLine(s,
                       "Найти реакции опор шарнирно-стержневой системы, находящейся под действием "
                       "собственного веса. Погонный вес $\\rho$. Размеры даны в см.");
    toolkit::AnsWriteLine(s,
                          "{\\small Реакции опор, Н: проекции на оси $x$ (вправо) и $y$ (вверх); "
                          "ползун на горизонтальной направляющей не держит по $x$ (---).}");
    // Ten signed columns fit the page only set close.
    toolkit::AnsWrite(s, "\\tabcolsep=2pt");
    toolkit::AnsBeginTable(s, 10);
    toolkit::AnsWriteLine(s,
                          "\\No &$X_O$&$Y_O$&$X_N$&$Y_N$&$X_K$&$Y_K$&$X_D$&$Y_D$&$X_H$&$Y_H$"
                          "\\\\\\hline");
  }
  toolkit::WriteBookReference(s, 158);
}

void WriteSevenLinkMechanismVariant(SharedState& s, int mode) {
  const std::string number = FormatFixed(toolkit::PrintedVariantNumber(s), 2, 0);
  if (mode != kKinematicsMode) {
    // Solved before anything is written. A drawn system that could still move is drawn again
    // with the link E-H in the next quadrant (four geometries of the 1280 need it).
    SevenLinkData d = DeriveSevenLink(s);
    std::optional<SupportReactions> solved = SolveRodSystemReactions(s, d);
    for (int turn = 1; turn < 4 && !solved; ++turn) {
      s.P4 = static_cast<std::int8_t>(s.P4 % 4 + 1);
      d = DeriveSevenLink(s);
      solved = SolveRodSystemReactions(s, d);
    }
    if (!solved) {
      throw toolkit::DegenerateDataError("hinged-rod system: the rods can move in every "
                                         "position of the link E-H");
    }
    const SupportReactions reactions = *solved;
    toolkit::AnsWrite(s, number);
    DrawAndDescribeSevenLink(s, d, mode);
    WriteReactionAnswers(s, reactions);
    return;
  }
  const SevenLinkData d = DeriveSevenLink(s);
  toolkit::Ans2Write(s, number);
  toolkit::AnsWrite(s, number);
  for (int i = 1; i <= kPointCount; ++i) {
    for (int j = 1; j <= kPointCount; ++j) s.LinkOmega[i][j] = s.LinkEpsilon[i][j] = 0;
  }
  s.LinkOmega[d.driver][d.driver_pivot] = s.P6;
  DrawAndDescribeSevenLink(s, d, mode);
  SolveSevenLinkMechanism(s, d);
  WriteSevenLinkAnswers(s, d);
}

}  // namespace kinematics
