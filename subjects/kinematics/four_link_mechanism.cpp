#include <cmath>
#include <string>

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

constexpr double kDegree = 0.01745329252;
constexpr const char* kMechanism = "four-link mechanism";

constexpr int kMomentMode = kFourLinkMomentMode;
constexpr int kStaticsMode = kFourLinkStaticsMode;

// Point numbers of the layout.
constexpr int kA = 1, kB = 2, kC = 3, kO = 4, kD = 5, kE = 6, kRodEnd = 7;

double Round(double x) { return toolkit::RoundHalfEven(x); }

// The unit step and the label offset of a direction code 1..4 (right, up, left, down).
struct Direction {
  int dx, dy, ox, oy;
};
Direction DirectionOf(int code) {
  switch (code) {
    case 1: return {1, 0, 3, -3};
    case 2: return {0, 1, 5, 0};
    case 3: return {-1, 0, 0, 2};
    case 4: return {0, -1, 4, -3};
    default: throw toolkit::IndexRangeError("direction code " + std::to_string(code) + " outside 1..4");
  }
}

bool In(int v, std::initializer_list<int> set) {
  for (int m : set) {
    if (m == v) return true;
  }
  return false;
}

// Everything a variant derives from P1..P7 before it draws.
struct FourLinkData {
  int u = 1, s = 1;
  int alpha = 30, beta = 45;
  double phi1 = 0, phi2 = 0;
  int L1 = 0, L2 = 0, L3 = 0, L4 = 0;  // AB, OA, BC, DB (cm)
  double w = 1;
  int k = 2;  // guide: 1 horizontal, 2 vertical
  // The moment mode: point masses at A, B, C, E (kg), the crank speed (rad/s), the slider's
  // resistance (N) and the friction moment at each fixed hinge (N m).
  double mA = 0, mB = 0, mC = 0, mE = 0, omega_oa = 0, f_fr = 0, m_fr = 0;
  // The statics mode: the couple on A-B (N m, counter-clockwise positive), the forces at A and
  // B (N) and the rods' weight per metre (N/m).
  double moment = 0, force_a = 0, force_b = 0, rho = 0;
};

FourLinkData DeriveFourLink(const SharedState& st) {
  const int P1 = st.P1, P2 = st.P2, P3 = st.P3, P4 = st.P4;
  FourLinkData d;
  d.u = P3 <= 2 ? 1 : 2;
  d.s = P3 % 2 == 1 ? 1 : 2;
  if (P4 <= 2) {
    d.alpha = 30, d.beta = 45;
  } else if (P4 <= 4) {
    d.alpha = 30, d.beta = 60;
  } else if (P4 <= 6) {
    d.alpha = 45, d.beta = 60;
  } else if (P4 == 7) {
    d.alpha = 45, d.beta = 45;
  } else {
    d.alpha = 30, d.beta = 30;
  }
  d.phi1 = d.alpha * (3 - 2 * d.s) * kDegree;
  d.phi2 = d.beta * (3 - 2 * d.u) * kDegree;
  int L1 = 5 * P1 + 20, L2 = P4 + 25, L3 = 3 * P2 + 20, L4 = 2 * P3 + 10;
  const double c1 = std::cos(d.phi1);
  if (P1 == 1 && P2 == 4 && In(P3, {1, 3})) L1 = static_cast<int>(Round(1.5 * L2 / c1));
  if (P1 == 1 && In(P2, {1, 3}) && P3 == 3 && In(P4, {4, 5})) L2 = L2 / 2;
  if (P1 == 1 && In(P2, {1, 2}) && P3 == 3 && In(P4, {3, 6})) L2 = static_cast<int>(Round(L2 * 2.0 / 3));
  if (P1 == 1 && P2 == 4 && P3 == 2 && In(P4, {4, 6})) L1 = 2 * L1;
  if (P1 == 1 && P2 == 3 && P3 == 2 && In(P4, {3, 5, 6})) L2 = L2 / 2;
  if (P1 == 1 && P2 == 2 && P3 == 3 && P4 == 5) L1 = L1 + 20, L4 = 3 * L4;
  if (P1 == 1 && P2 == 2 && P3 == 4 && P4 == 7) L3 = 2 * L3;
  if (P1 == 1 && P2 == 1 && P3 == 2 && P4 == 6) L3 = L3 / 2;
  if (P1 == 1 && P2 == 2 && P3 == 2 && In(P4, {4, 6})) L1 = 2 * L1, L4 = 2 * L4 + 10;
  if (P1 == 1 && P2 == 2 && In(P3, {2, 4})) L1 = static_cast<int>(Round(2 * L2 / c1));
  if (P1 == 1 && P2 == 3 && P3 == 1 && In(P4, {3, 5})) L4 = 3 * L4;
  if (P1 == 2 && P2 == 3) L1 = static_cast<int>(Round(2 * L4 / c1));
  if (P1 == 4 && P2 == 1 && In(P3, {3, 4})) L3 = 5 * P2 + 50;
  if (P1 == 2 && In(P3, {2, 4}) && P2 == 3) L4 = 3 * L1;
  if (P1 == 4 && In(P3, {1, 3}) && P2 == 3) L4 = 3 * L1 + 1;
  if (In(P1, {2, 4}) && P2 == 1) L4 = 2 * L1 + P3;
  if (P1 == 3) L1 = L2;
  if (P1 == 4 && P2 == 2 && P3 == 1 && In(P4, {3, 5})) L4 = 3 * L4, L1 = 3 * L1;
  if (P1 == 4 && P2 == 2 && P3 == 1 && P4 == 4) L3 = 2 * L3;
  if (P1 == 4 && P2 == 4 && In(P3, {1, 3}) && In(P4, {5, 6})) L4 = 3 * L4;
  if (P1 == 2 && P2 == 2 && In(P3, {2, 4}) && In(P4, {6, 7})) L4 = 3 * L4;
  if (P1 == 4 && P2 == 1 && P3 == 3 && In(P4, {2, 8})) L4 = L4 / 2;
  if (P1 == 3 && P2 == 3 && P3 == 1 && P4 == 8) L4 = 3 * L4;
  if (P1 == 2 && P2 == 1 && P3 == 3 && P4 == 4) L4 = L4 / 3;
  if (P1 == 2 && P2 == 1 && P3 == 3 && P4 == 6) L1 = L1 + 20;
  if (P1 == 2 && P2 == 1 && P3 == 2 && In(P4, {2, 5})) L1 = 3 * L1, L3 = 3 * L3;
  d.L1 = L1, d.L2 = L2, d.L3 = L3, d.L4 = L4;
  d.w = st.P6 / 4 + 1;
  d.k = In(P4, {2, 4, 6}) ? 1 : 2;
  d.mA = st.P6, d.mB = P1 + st.P6, d.mC = P2 + st.P6, d.mE = P3 + st.P6;
  d.omega_oa = Round(200.0 / d.L2) * 0.1;
  d.f_fr = st.P7 + 10;
  d.m_fr = st.P7 + st.P6 + 2;
  const double sin1 = -std::sin(d.phi1);
  d.moment = (sin1 > 0 ? 1 : (sin1 < 0 ? -1 : 0)) * (P1 + P2 + P3 + P4 + 1);
  d.force_a = 5 * (P4 + 2 * P3 - 2);
  d.force_b = 5 * (P4 + 2 * P1 + P2);
  d.rho = 10 * P3 + 20;
  return d;
}

void SetPoint(SharedState& s, int i, double x, double y) {
  s.PointX[i] = x;
  s.PointY[i] = y;
}

void LayOutFourLinkPoints(SharedState& s, const FourLinkData& d) {
  const Direction o = DirectionOf(s.P1), r = DirectionOf(s.P2);
  SetPoint(s, kA, 0, 0);
  SetPoint(s, kO, d.L2 * o.dx, d.L2 * o.dy);
  const double ux = std::cos(d.phi1), uy = std::sin(d.phi1);
  SetPoint(s, kB, d.L1 * ux, d.L1 * uy);
  SetPoint(s, kD, s.PointX[kB] + d.L4 * r.dx, s.PointY[kB] + d.L4 * r.dy);
  if (s.P5 <= 3) {
    SetPoint(s, kRodEnd, s.PointX[kB], s.PointY[kB]);
  } else {
    SetPoint(s, kRodEnd, s.PointX[kB] + d.L1 * ux, s.PointY[kB] + d.L1 * uy);
  }
  SetPoint(s, kC, s.PointX[kRodEnd] + d.L3 * std::cos(d.phi2),
           s.PointY[kRodEnd] + d.L3 * std::sin(d.phi2));
  SetPoint(s, kE, 0.5 * s.PointX[kB], 0.5 * s.PointY[kB]);
}

// The statics mode's rod middles, where the rods' weights act: D-B, O-A, B-C and A-B.
constexpr int kMidDB = 8, kMidOA = 9, kMidBC = 10, kMidAB = 11;

void LayOutRodMiddles(SharedState& s) {
  SetPoint(s, kMidDB, figures::MidX(s, kB, kD), figures::MidY(s, kB, kD));
  SetPoint(s, kMidOA, figures::MidX(s, kA, kO), figures::MidY(s, kA, kO));
  SetPoint(s, kMidBC, figures::MidX(s, kB, kC), figures::MidY(s, kB, kC));
  SetPoint(s, kMidAB, figures::MidX(s, kA, kB), figures::MidY(s, kA, kB));
}

// The forces drawn on the structure: components (N) at A and at B.
struct DrawnForces {
  double ax = 0, ay = 0, bx = 0, by = 0;
};

// The force at point i (1: F at A, 2: P at B), drawn along the direction after code P1 (P2).
void DrawFourLinkForce(SharedState& s, const FourLinkData& d, int i, DrawnForces& forces,
                       figures::LabelSpacing& placed) {
  const int code = i == 1 ? s.P1 : s.P2;
  const Direction step = DirectionOf(code >= 4 ? 1 : code + 1);
  const std::string letter = i == 1 ? "F" : "P";
  const double x = s.PointX[i], y = s.PointY[i];
  if (step.dx == 0 && step.dy == -1) {
    figures::DrawThickRedVector(s, 0, -1, x, y + 22, 22);
    figures::PutLabelClear(s, placed, "$\\vec " + letter + "$", x + 1, y + 16);
  } else {
    figures::DrawThickRedVector(s, step.dx, step.dy, x, y, 20);
    figures::PutLabelClear(s, placed, "$\\vec " + letter + " $", x + 20 * step.dx + 1,
                           y + 20 * step.dy + 2);
  }
  const double f = i == 1 ? d.force_a : d.force_b;
  if (i == 1) {
    forces.ax = step.dx * f, forces.ay = step.dy * f;
  } else {
    forces.bx = step.dx * f, forces.by = step.dy * f;
  }
}

// Each support's reaction by virtual power: the support alone moves at 1 m/s along x or y, the
// others hold, and the reaction balances the power of the loads.
void SolveFourRodReactions(SharedState& s, const FourLinkData& d, const DrawnForces& forces) {
  const double w_db = -d.rho * d.L4 / 100, w_oa = -d.rho * d.L2 / 100;
  const double w_bc = -d.rho * d.L3 / 100, w_ab = -d.rho * d.L1 / 100;
  s.LinkOmega[kA][kB] = s.LinkOmega[kB][kA] = 0;
  figures::ScalePoints(s, 11);
  const std::string number = FormatFixed(toolkit::PrintedVariantNumber(s), 2, 0);
  for (int r = 0; r < 6; ++r) {
    ClearLinkagePoints(s, 11);
    ClearLinkOmega(s, 11);
    const int support = r < 2 ? kO : (r < 4 ? kC : kD);
    (r % 2 == 0 ? s.LinkPointVx : s.LinkPointVy)[support] = 100;
    if (support == kO) {
      SolveTwoLinkGroup(s, kO, kA, kB, kMechanism);
    } else if (support == kC) {
      SolveTwoLinkGroup(s, kC, kB, kD, kMechanism);
      SolveTwoLinkGroup(s, kB, kA, kO, kMechanism);
    } else {
      SolveTwoLinkGroup(s, kD, kB, kC, kMechanism);
      SolveTwoLinkGroup(s, kB, kA, kO, kMechanism);
    }
    SolveRigidLinkPoint(s, kA, kO, kMidOA);
    SolveRigidLinkPoint(s, kA, kB, kMidAB);
    SolveRigidLinkPoint(s, kD, kB, kMidDB);
    SolveRigidLinkPoint(s, kB, kC, kMidBC);
    for (int i = 1; i <= 11; ++i) {
      s.LinkPointVx[i] *= 0.01;
      s.LinkPointVy[i] *= 0.01;
    }
    const double power = d.moment * s.LinkOmega[kA][kB] + forces.ax * s.LinkPointVx[kA] +
                         forces.ay * s.LinkPointVy[kA] + forces.bx * s.LinkPointVx[kB] +
                         forces.by * s.LinkPointVy[kB] + w_db * s.LinkPointVy[kMidDB] +
                         w_oa * s.LinkPointVy[kMidOA] + w_bc * s.LinkPointVy[kMidBC] +
                         w_ab * s.LinkPointVy[kMidAB];
    if (r == 0) toolkit::AnsWrite(s, number);
    toolkit::AnsWrite(s, "&" + FormatFixed(-power, 8, 3));
  }
}

void SolveFourLinkMechanism(SharedState& s, const FourLinkData& d, int mode) {
  ClearLinkagePoints(s, 7);
  ClearLinkOmega(s, 7);
  for (int i = 1; i <= 7; ++i) {
    for (int j = 1; j <= 7; ++j) s.LinkEpsilon[i][j] = 0;
  }
  figures::ScalePoints(s, 7);
  const double w = mode == kMomentMode ? d.omega_oa : d.w;
  switch (s.P5) {
    case 1:
    case 4:
      s.LinkOmega[kO][kA] = s.LinkOmega[kA][kO] = w;
      s.LinkEpsilon[kO][kA] = s.LinkEpsilon[kA][kO] = 0;
      SolveRigidLinkPoint(s, kA, kO, kA);
      SolveTwoLinkGroup(s, kA, kB, kD, kMechanism);
      if (s.P5 == 4) {
        SolveRigidLinkPoint(s, kA, kB, kRodEnd);
        SolveSliderGroup(s, kRodEnd, kC, d.k, kMechanism);
      } else {
        SolveSliderGroup(s, kB, kC, d.k, kMechanism);
      }
      break;
    case 2:
    case 5:
      s.LinkOmega[kD][kB] = s.LinkOmega[kB][kD] = w;
      s.LinkEpsilon[kD][kB] = s.LinkEpsilon[kB][kD] = 0;
      SolveRigidLinkPoint(s, kB, kD, kB);
      SolveTwoLinkGroup(s, kB, kA, kO, kMechanism);
      if (s.P5 == 5) {
        SolveRigidLinkPoint(s, kA, kB, kRodEnd);
        SolveSliderGroup(s, kRodEnd, kC, d.k, kMechanism);
      } else {
        SolveSliderGroup(s, kB, kC, d.k, kMechanism);
      }
      break;
    default:  // 3: the slider drives
      if (d.k == 1) {
        s.LinkPointVx[kC] = std::fabs(5 * w);
      } else {
        s.LinkPointVy[kC] = std::fabs(5 * w);
      }
      s.LinkPointSpeed[kC] = toolkit::Hypot(s.LinkPointVx[kC], s.LinkPointVy[kC]);
      SolveTwoLinkGroup(s, kC, kB, kD, kMechanism);
      SolveTwoLinkGroup(s, kB, kA, kO, kMechanism);
      break;
  }
}

std::string Cell9(double x) { return FormatFixed(x, 9, 3); }
std::string Cell8(double x) { return FormatFixed(x, 8, 3); }
std::string NoValue() { return std::string(toolkit::kNoValue); }

void WriteFourLinkAnswers(SharedState& s) {
  for (int i : {kA, kB, kC, kRodEnd}) {
    s.LinkPointSpeed[i] *= 0.01;
    s.LinkPointAccel[i] *= 0.01;
  }
  const std::string number = FormatFixed(toolkit::PrintedVariantNumber(s), 2, 0);
  const auto& v = s.LinkPointSpeed;
  const auto& a = s.LinkPointAccel;
  if (s.P5 <= 3) {
    toolkit::AnsWrite(s, number + "&" + Cell9(v[kA]) + "&" + Cell9(v[kB]) + "&" + Cell9(v[kC]) +
                             (s.P5 == 3 ? "*&" : "&") + NoValue() + "&" + Cell9(a[kA]) + "&" +
                             Cell9(a[kB]) + "&" + Cell9(a[kC]) + "&" + NoValue());
    toolkit::Ans2Write(s, number + "&" + Cell8(s.LinkOmega[kA][kO]) + "&" +
                              Cell8(s.LinkOmega[kB][kD]) + "&" + NoValue() + "&" +
                              Cell8(s.LinkOmega[kA][kB]) + "&" + Cell8(s.LinkOmega[kB][kC]) + "&" +
                              Cell9(s.LinkEpsilon[kA][kB]) + "&" + Cell9(s.LinkEpsilon[kB][kC]));
  } else {
    toolkit::AnsWrite(s, number + "&" + Cell9(v[kA]) + "&" + Cell9(v[kRodEnd]) + "&" + Cell9(v[kC]) +
                             "&" + Cell9(v[kB]) + "&" + Cell9(a[kA]) + "&" + Cell9(a[kRodEnd]) + "&" +
                             Cell9(a[kC]) + "&" + Cell9(a[kB]));
    toolkit::Ans2Write(s, number + "&" + Cell8(s.LinkOmega[kA][kO]) + "&" + NoValue() + "&" +
                              Cell8(s.LinkOmega[kD][kB]) + "&" + Cell8(s.LinkOmega[kA][kB]) + "&" +
                              Cell8(s.LinkOmega[kRodEnd][kC]) + "&" + Cell9(s.LinkEpsilon[kA][kB]) +
                              "&" + Cell9(s.LinkEpsilon[kRodEnd][kC]));
  }
}

// The moment mode: velocities in m/s, the powers of gravity, inertia, the slider's resistance
// and the hinges' friction, and the moment M that balances them at the crank.
void WriteFourLinkMomentAnswers(SharedState& s, const FourLinkData& d) {
  SolveRigidLinkPoint(s, kB, kA, kE);
  for (int i = 1; i <= 7; ++i) {
    for (auto* a : {&s.LinkPointVx, &s.LinkPointVy, &s.LinkPointSpeed, &s.LinkPointAx,
                    &s.LinkPointAy, &s.LinkPointAccel}) {
      (*a)[i] *= 0.01;
    }
  }
  double n_a = 0, n_p = 0;
  const std::pair<int, double> masses[] = {{kA, d.mA}, {kB, d.mB}, {kC, d.mC}, {kE, d.mE}};
  for (const auto& [i, m] : masses) {
    n_a -= m * (s.LinkPointAx[i] * s.LinkPointVx[i] + s.LinkPointAy[i] * s.LinkPointVy[i]);
    n_p -= m * 9.81 * s.LinkPointVy[i];
  }
  const double along = s.LinkPointVx[kC] * (2 - d.k) + s.LinkPointVy[kC] * (d.k - 1);
  const double n_fr = -std::fabs(along) * d.f_fr;
  const double n_m = -(std::fabs(s.LinkOmega[kA][kO]) + std::fabs(s.LinkOmega[kD][kB])) * d.m_fr;
  const double moment = -(n_a + n_p + n_fr + n_m) / d.omega_oa;
  auto c7 = [](double x) { return FormatFixed(x, 7, 3); };
  const auto& v = s.LinkPointSpeed;
  const auto& a = s.LinkPointAccel;
  const std::string number = FormatFixed(toolkit::PrintedVariantNumber(s), 2, 0);
  toolkit::AnsWrite(s, number + "&" + c7(v[kA]) + "&" + c7(v[kB]) + "&" + c7(v[kC]) + "&" +
                           c7(v[kE]) + "&" + c7(a[kA]) + "&" + c7(a[kB]) + "&" + c7(a[kC]) + "&" +
                           c7(a[kE]) + "&" + Cell9(moment));
  toolkit::Ans2Write(s, number + "&" + Cell8(s.LinkOmega[kA][kO]) + "&" +
                            Cell8(s.LinkOmega[kD][kB]) + "&" + Cell8(s.LinkOmega[kB][kC]) + "&" +
                            Cell8(s.LinkEpsilon[kA][kB]) + "&" + Cell8(s.LinkEpsilon[kB][kC]) +
                            "&" + Cell9(n_p) + "&" + Cell9(n_a) + "&" + Cell9(n_fr) + "&" +
                            Cell9(n_m));
}

// The coupler of the G-point layouts: a bar from A to the rod's end with a small jog around the
// rocker's joint G, on the side away from the rocker.
void DrawCouplerWithJog(SharedState& s) {
  const double x1 = s.PointX[kA], y1 = s.PointY[kA];
  const double x7 = s.PointX[kRodEnd], y7 = s.PointY[kRodEnd];
  const double len = std::hypot(x7 - x1, y7 - y1);
  const double ux = (x7 - x1) / len, uy = (y7 - y1) / len;
  const double nx = -uy, ny = ux;
  const double gx = s.PointX[kB], gy = s.PointY[kB];
  const double side = (s.PointX[kD] - gx) * nx + (s.PointY[kD] - gy) * ny;
  const double h = side > 0 ? -2.5 : 2.5;
  figures::MoveTo(s, x1 + 1.5 * ux, y1 + 1.5 * uy);
  figures::LineTo(s, gx - 2.5 * ux, gy - 2.5 * uy);
  figures::LineTo(s, gx - 2.5 * ux + h * nx, gy - 2.5 * uy + h * ny);
  figures::LineTo(s, gx + 2.5 * ux + h * nx, gy + 2.5 * uy + h * ny);
  figures::LineTo(s, gx + 2.5 * ux, gy + 2.5 * uy);
  figures::LineTo(s, x7 - 1.5 * ux, y7 - 1.5 * uy);
}

void DrawFourLinkFigure(SharedState& s, const FourLinkData& d, int mode, DrawnForces& forces) {
  toolkit::WriteLine(s, "\\par");
  // Each letter and value moves the least that keeps it clear of those before it.
  figures::LabelSpacing placed;
  // The statics mode's force arrows (20 long, with their letters) may leave A and B to the
  // left and upwards: its picture reaches further on those sides.
  const bool forces_drawn = mode == kStaticsMode;
  toolkit::BeginPicture(s, s.RangeX * s.Scale + (forces_drawn ? 44 : 33), forces_drawn ? 124 : 110,
                        forces_drawn ? -22 : -11, -15);
  figures::SetLineWidth(s, 10);
  figures::DrawBar(s, kA, kO);
  figures::DrawBar(s, kB, kD);
  figures::DrawBar(s, kRodEnd, kC);
  const bool special_labels = s.P1 == 3 && s.P2 == 1;
  if (mode == kStaticsMode) {
    const double mx = figures::MidX(s, kA, kB), my = figures::MidY(s, kA, kB);
    figures::PutBox(s, d.moment > 0 ? "momentplus" : "momentminus", mx, my - 4);
    const double sin1 = std::sin(d.phi1);
    figures::PutLabelClear(s, placed, "$M$", mx - 3 * (sin1 > 0 ? 1 : (sin1 < 0 ? -1 : 0)) - 3,
                           my + 4);
    DrawFourLinkForce(s, d, s.P5, forces, placed);
    if (s.Level == 1) DrawFourLinkForce(s, d, 3 - s.P5, forces, placed);
  }
  if (s.P5 <= 3) {
    figures::DrawBar(s, kB, kA);
  } else {
    DrawCouplerWithJog(s);
    figures::DrawNodeMarker(s, kB);
    figures::PutLabelClear(s, placed, "$G$", s.PointX[kB] + (special_labels ? -5 : -7),
                           s.PointY[kB] + (special_labels ? 3 : -10));
  }
  figures::SetLineWidth(s, 1);
  if (s.P1 == 2) {
    figures::PutUpHingeBoxAtPoint(s, kO);
  } else {
    figures::PutHingeBoxAtPoint(s, kO);
  }
  if (s.P2 == 2) {
    figures::PutUpHingeBoxAtPoint(s, kD);
  } else {
    figures::PutHingeBoxAtPoint(s, kD);
  }
  const Direction o = DirectionOf(s.P1), r = DirectionOf(s.P2);
  figures::PutLabelClear(s, placed, "$O$", s.PointX[kO] + o.ox, s.PointY[kO] + o.oy);
  figures::PutLabelClear(s, placed, "$A$", s.PointX[kA] - 8, s.PointY[kA] - 8);
  figures::DrawNodeMarker(s, kRodEnd);
  figures::PutLabelClear(s, placed, "$B$", s.PointX[kRodEnd] + (special_labels ? -5 : -6),
                         s.PointY[kRodEnd] + (special_labels ? 3 : -10));
  figures::DrawNodeMarker(s, kA);
  figures::PutLabelClear(s, placed, "$D$", s.PointX[kD] + r.ox, s.PointY[kD] + r.oy);
  if (mode == kFourLinkKinematicsMode && s.P5 == 3) {
    figures::DrawThickRedVector(s, d.k == 1 ? 1 : 0, d.k == 1 ? 0 : 1, s.PointX[kC], s.PointY[kC], 17);
  }
  const int c = mode == kStaticsMode ? -5 : 0;
  if (mode == kStaticsMode) {
    figures::PutHingeBoxAtPoint(s, kC);
  } else {
    figures::PutSlidingBlockAtPoint(s, kC, d.k);
  }
  if (s.P5 == 3) {
    figures::PutLabelClear(s, placed, "$C$", s.PointX[kC] + 9 * (d.k - 1) + c,
                           s.PointY[kC] - 7 * (d.k - 1) + 5);
  } else {
    figures::PutLabelClear(s, placed, "$C$", s.PointX[kC] + 9 + c, s.PointY[kC] - 2);
  }
  for (int i : {kA, kRodEnd}) {
    figures::DrawDashedLineMultiput(s, 4, s.PointX[i] + 1, s.PointY[i], s.PointX[i] + 16, s.PointY[i]);
  }
  if (mode == kMomentMode) {
    figures::PutBracedText(s, "\\circle*{3}", s.PointX[kE], s.PointY[kE]);
    figures::PutLabelClear(s, placed, "$E$", s.PointX[kE] - (8 - 4 * d.s) + 1,
                           s.PointY[kE] - (16 - 8 * d.s));
    const double xo = s.PointX[kO], yo = s.PointY[kO];
    switch (s.P1) {
      case 1:
        figures::PutBox(s, "vmomentp", xo - 15, s.PointY[kA]);
        figures::PutLabelClear(s, placed, "$M$", xo - 15, s.PointY[kA] - 15);
        break;
      case 2:
        figures::PutBox(s, "dmomentp", xo, yo - 10);
        figures::PutLabelClear(s, placed, "$M$", xo + 7, yo - 10);
        break;
      case 3:
        figures::PutBox(s, "vmomentp", xo + 15, yo);
        figures::PutLabelClear(s, placed, "$M$", xo + 19, yo - 8);
        break;
      default:
        figures::PutBox(s, "dmomentp", xo, yo + 10);
        figures::PutLabelClear(s, placed, "$M$", xo + 7, yo + 10);
        break;
    }
  }
  figures::DrawArcPolyline(s, 0, s.PointX[kA], s.PointY[kA], 0, d.phi1, 12);
  toolkit::WriteLine(s, "%");
  figures::PutLabelClear(s, placed, "$" + FormatFixed(d.alpha, 6, 0) + "^\\circ$", s.PointX[kA] + 6,
                         s.PointY[kA] - 4 * (3 - 2 * d.s) - 3);
  figures::PutLabelClear(s, placed, "$" + FormatFixed(d.beta, 6, 0) + "^\\circ$",
                         s.PointX[kRodEnd] + 6, s.PointY[kRodEnd] - 4 * (3 - 2 * d.u) - 3);
  figures::DrawArcPolyline(s, 0, s.PointX[kRodEnd], s.PointY[kRodEnd], 0, d.phi2, 12);
  toolkit::EndPicture(s);
  toolkit::WriteText(s, "\\hfill");
}

void WriteFourLinkKinematicData(SharedState& s, const FourLinkData& d) {
  toolkit::WriteLine(s, "\\hfill\\parbox[b]{90pt}{\\small");
  switch (s.P5) {
    case 1:
    case 4: toolkit::WriteTextNumberLn(s, "$\\omega_{OA}=", d.w, "$~рад/c,\\\\ "); break;
    case 2: toolkit::WriteTextNumberLn(s, "$\\omega_{DB}=", d.w, "$~рад/c,\\\\ "); break;
    case 5: toolkit::WriteTextNumberLn(s, "$\\omega_{DG}=", d.w, "$~рад/c,\\\\ "); break;
    default: toolkit::WriteTextNumberLn(s, " $v_c=", 5 * d.w, "$~см/c,\\\\"); break;
  }
  if (s.P5 >= 4) {
    toolkit::WriteText2NumbersLn(s, " $OA=", d.L2, "$~см,\\\\  $BG=", d.L1, "$~см,\\\\");
    toolkit::WriteTextNumberLn(s, " $DG=", d.L4, "$~см,\\\\");
    toolkit::WriteText2NumbersLn(s, " $AG=", d.L1, "$~см,\\\\  $BC=", d.L3, "$~см.} ");
  } else {
    toolkit::WriteText2NumbersLn(s, " $OA=", d.L2, "$~см,\\\\  $DB=", d.L4, "$~см,\\\\ ");
    toolkit::WriteText2NumbersLn(s, " $AB=", d.L1, "$~см,\\\\$BC=", d.L3, "$~см.}");
  }
}

void WriteFourLinkLengths(SharedState& s, const FourLinkData& d) {
  toolkit::WriteText4NumbersLn(s, " $OA=", d.L2, "$~см, \\\\ $DB=", d.L4, "$~см,\\\\ $AB=", d.L1,
                               "$~см,\\\\ $BC=", d.L3, "$~см. ");
}

// Both forces are drawn at Level 1, and the student needs both magnitudes then.
void WriteFourLinkStaticsData(SharedState& s, const FourLinkData& d) {
  toolkit::WriteText(s, "\\hfill\\parbox[b]{70pt}{\\small ");
  WriteFourLinkLengths(s, d);
  auto force = [&](int i) {
    return std::string("$") + (i == 1 ? "F" : "P") + "$=" +
           toolkit::FormatNumber(std::fabs(i == 1 ? d.force_a : d.force_b)) + "~Н";
  };
  std::string forces = force(s.P5);
  if (s.Level == 1) forces = force(1) + ", " + force(2);
  toolkit::WriteText2NumbersLn(s, "}\\vfill\\parbox[t]{200pt}{\\small $\\rho=", d.rho,
                               "$~Н/м, $M=", std::fabs(d.moment), "$~Нм, " + forces + ".}");
}

void WriteFourLinkMomentData(SharedState& s, const FourLinkData& d) {
  toolkit::WriteText4NumbersLn(s, "\\parbox[b]{70pt}{\\small  $m_A=", d.mA, "$~кг,\\\\ $m_B=", d.mB,
                               "$~кг,\\\\ $m_C=", d.mC, "$~кг,\\\\  $m_E=", d.mE, "$~кг,\\\\ ");
  WriteFourLinkLengths(s, d);
  toolkit::WriteLine(s, "\\raggedright\\par}");
  toolkit::WriteText3NumbersLn(s, "\\vfill\\noindent\\parbox[b]{230pt}{\\small $\\omega_{OA}=",
                               d.omega_oa, "\\frac{1}{c}$, $F_{fr}=", d.f_fr, "$~Н,  $M_{fr}=",
                               d.m_fr, "$~Нм.}");
}

}  // namespace

void BeginFourLinkMechanismProblem(SharedState& s, int mode) {
  s.ParboxWidth = 190;
  if (mode == kMomentMode) {
    s.ParboxWidth = 200;
    toolkit::AnsWriteLine(s, "\\tabcolsep=4pt\\small");
    toolkit::AnsBeginTable(s, 10);
    toolkit::AnsWriteLine(s,
                          " \\No &$ v_A$&$ v_B$&$ v_C$&$ v_E$&$ \\wa_A$&$ \\wa_B$&$ \\wa_C$&$ "
                          "\\wa_E$& \\ru$ M\\ \\ $\\\\ \\hline");
    toolkit::Ans2BeginTable(s, 11);
    toolkit::Ans2Write(s,
                       " \\No &$ \\omega_{AO}$&$ \\omega_{BD}$&$ \\omega_{BC}$&$ \\varepsilon_{AO}$&$ "
                       "\\varepsilon_{BC}$&$ N_p$&$ N_a$&$ N_{fr}$& $N_{M}$\\\\ \\hline");
    toolkit::WriteLine(
        s,
        " Плоский  шарнирно-стержневой  механизм  с  одной  степенью  свободы движется в "
        "вертикальной плоскости под действием сил  тяжести  и  момента  $M$,  который  вращает  "
        "звено  $OA$  с  постоянной   угловой   скоростью  $\\omega_{OA}$. В  узлах  $A$,  $B$,  "
        "$C$  и  в  центре  $E$  звена  $AB$  расположены материальные точки. Постоянный  "
        "момент трения на осях неподвижных шарниров $O$  и  $D$ равен $M_{fr}$.  Сила  "
        "сопротивления движению  ползуна --- $F_{fr}$,  остальные  связи  идеальные.   "
        "Пренебрегая массами стержней, определить величину момента $M$. \\\\ {\\small В ответе "
        "указаны вспомогательные величины (мощности): $N_a$ --- сил инерции, $N_p$ --- сил "
        "тяжести,      $N_{fr}$ --- сил трения в ползунах, $N_{M}$ --- моментов трения}");
    toolkit::WriteBookReference(s, 288);
    return;
  }
  if (mode == kStaticsMode) {
    s.ParboxWidth = 200;
    toolkit::AnsWriteLine(s, "\\tabcolsep=4pt\\small");
    toolkit::AnsBeginTable(s, 7);
    toolkit::AnsWriteLine(s, " \\No  &$X_O$&$Y_O$&$X_C$&$Y_C$&$X_D$&$Y_D$\\\\ \\hline");
    toolkit::WriteLine(
        s,
        "Система с идеальными стационарными  связями, состоящая  из  четырех   шарнирно   "
        "соединенных   однородных   стержней, расположенных в  вертикальной  плоскости,  "
        "находится  в  равновесии  под  действием силы $F$ и момента $M$. Учитывая погонный вес "
        "стержней $\\rho$, определить реакции опор (в Н).");
    toolkit::WriteBookReference(s, 279);
    return;
  }
  if (mode != kFourLinkKinematicsMode) return;
  // Two boxes of 210pt side by side would run past the sheet's right margin; 200pt still holds
  // the figure and the data beside it.
  s.ParboxWidth = 200;
  toolkit::AnsWriteLine(s, "\\tabcolsep=4pt\\small");
  toolkit::AnsBeginTable(s, 10);
  toolkit::AnsWriteLine(s,
                        " n &$ v_A$&$ v_B$&$ v_C$&$ v_G$&$ \\wa_A$&$ \\wa_B$&$ \\wa_C$&$ \\wa_G$ \\ru "
                        "\\\\ \\hline");
  toolkit::Ans2BeginTable(s, 10);
  toolkit::Ans2Write(s,
                     "\\No   &$\\omega_{OA}$&$\\omega_{DB}$&$\\omega_{DG}$&$\\omega_{AB}$&$\\omega_{"
                     "BC}$&$\\varepsilon_{AB}$&$\\varepsilon_{BC}$\\ru \\\\ \\hline ");
  toolkit::WriteLine(s, "Найти скорости и ускорения шарниров плоского механизма.");
  toolkit::WriteBookReference(s, 279);
}

void WriteFourLinkMechanismVariant(SharedState& s, int mode) {
  if (mode != kFourLinkKinematicsMode && mode != kMomentMode && mode != kStaticsMode) return;
  // The box leaves room inside the declared picture for what is drawn beyond the points: the
  // slider or hinge at C and its letter, the dashed lines and angle values at A and B on the
  // right, the supports and letters above.
  s.BoxHeight = 78;
  s.BoxWidth = 102;
  // The moment mode always drives the crank.
  if (mode == kMomentMode) s.P5 = 1;
  const FourLinkData d = DeriveFourLink(s);
  s.LabelStyle = "\\Blue";
  LayOutFourLinkPoints(s, d);
  const int n = mode == kStaticsMode ? 11 : 7;
  if (mode == kStaticsMode) LayOutRodMiddles(s);
  figures::FitPointsToBox(s, n, 0);
  DrawnForces forces;
  DrawFourLinkFigure(s, d, mode, forces);
  if (mode == kStaticsMode) {
    WriteFourLinkStaticsData(s, d);
    SolveFourRodReactions(s, d, forces);
  } else if (mode == kMomentMode) {
    WriteFourLinkMomentData(s, d);
    SolveFourLinkMechanism(s, d, mode);
    WriteFourLinkMomentAnswers(s, d);
  } else {
    WriteFourLinkKinematicData(s, d);
    SolveFourLinkMechanism(s, d, mode);
    WriteFourLinkAnswers(s);
  }
}

}  // namespace kinematics
