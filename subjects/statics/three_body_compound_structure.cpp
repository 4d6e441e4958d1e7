#include "subjects/statics/three_body_compound_structure.h"

#include <array>
#include <cmath>
#include <string>

#include "figures/dimensions.h"
#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "subjects/structural/common/frame_helpers.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace statics {

namespace {

constexpr double kPi = 3.14159265358979323846;

// The support reactions by point (1 = A, 2 and 5 and 7 = D, 6 = E, 8 = B), kN.
toolkit::IndexedArray<double, 1, 8> Rx, Ry;

// The seven arms in half-metre units, by layout, orientation and scheme.
void SetThreeBodyArms(SharedState& s) {
  const int P1 = s.P1, P2 = s.P2, P3 = s.P3, P4 = s.P4;
  double a1 = 12, a2 = 8, a3 = 4, a4 = 6, a5 = 6, a6 = 4, a7 = 4;
  if (P1 == 2 && P3 == 1) a4 = 4, a1 = 12;
  if ((P1 == 1 || P1 == 3) && P3 == 2) a1 = 6;
  if ((P1 == 5 || P1 == 6) && P2 == 1) a4 = 4, a2 = 10, a5 = 4, a6 = 6;
  if ((P1 == 5 || P1 == 6) && P2 == 2) a5 = 8, a6 = 4;
  if ((P1 == 7 || P1 == 8) && P2 == 2) a5 = 6, a6 = 4;
  if (P1 == 8) a3 = 10;
  if (P1 == 7 && P2 == 1) a6 = 12;
  if (P1 == 6 && P2 == 2 && P3 == 2) a3 = 14;
  if ((P1 == 7 || P1 == 8) && P3 == 2) a2 = 4;
  if (P1 == 8 && (P4 == 4 || P4 == 7)) a3 = 6;
  if (P1 == 2 && P2 == 2 && P3 == 2 && P4 == 3) a4 = 10;
  if (P1 == 8 && P2 == 2 && P3 == 1 && P4 == 8) a3 = a1 / 2, a5 = a6;
  if (P1 == 6 && P2 == 2 && P3 == 1 && P4 == 6) a1 = 20, a3 = a1 / 2;
  if (P1 == 3 && P2 == 1 && P3 == 1 && P4 == 3) a4 = 16;
  if (P1 == 4 && P2 == 1 && P3 == 2 && P4 == 4) a4 = 14;
  if (P1 == 5 && P2 == 1 && P3 == 1 && P4 == 5) a2 = a4;
  // Two layouts put both pins of the last two bodies on one line with C (A, C, E and A, C, B):
  // the structure would be a mechanism. Another a6 moves E and B off that line.
  if (P1 == 2 && P2 == 1 && P3 == 1 && P4 == 2) a6 = 6;
  if (P1 == 5 && P2 == 2 && P3 == 1 && P4 == 3) a6 = 6;
  s.TwoPartArm1 = a1;
  s.TwoPartArm2 = a2;
  s.TwoPartArm3 = a3;
  s.TwoPartArm4 = a4;
  s.TwoPartArm5 = a5;
  s.TwoPartArm6 = a6;
  s.TwoPartArm7 = a7;
}

// Points 11..13 widen the fitted extent a little beyond the support points.
void SetExtentPoints(SharedState& s) {
  const int P1 = s.P1, scheme = s.P4;
  auto& X = s.PointX;
  auto& Y = s.PointY;
  if (scheme == 2 || scheme == 3 || scheme == 7 || scheme == 9) {
    Y[11] = P1 == 5 || P1 == 7 ? Y[1] + 0.1 : Y[1] - 0.1;
  } else if (P1 <= 4) {
    Y[11] = Y[1] - 0.1;
  } else {
    X[11] = P1 <= 6 ? X[1] + 0.1 : X[1] - 0.1;
  }
  if (scheme == 6 || scheme == 8) {
    if (P1 <= 2) {
      Y[12] = Y[2] - 0.1;
    } else if (P1 <= 4) {
      Y[12] = Y[2] + 0.1;
    } else {
      X[12] = P1 <= 6 ? X[2] + 0.1 : X[2] - 0.1;
    }
  } else if (scheme == 5 || scheme == 7) {
    X[12] = X[5] + 0.1;
  }
  if (scheme == 5 || scheme == 7) {
    X[13] = X[6] + 0.2;
  } else {
    Y[13] = Y[6] + 0.1;
  }
}

// Force k at `point` in a small picture: the arrow, a dashed reference line, the angle arc and
// the force's name.
void DrawForceAtPoint(SharedState& s, int point, int sx, int sy, int k) {
  PutText(s, "{", s.PointX[point], s.PointY[point]);
  BeginPicture(s, 5, 5, 0, 0);
  const int angle = static_cast<int>(toolkit::RoundHalfEven(s.ForceDirection[k]));
  double arc = 0;
  int row = 0;
  if (angle == 30) {
    DrawThickRedVector(s, 3 * sx, 2 * sy, 0, 0, 20);
    arc = std::atan(2.0 / 3);
  } else if (angle == 45) {
    DrawThickRedVector(s, sx, sy, 0, 0, 18);
    arc = kPi / 4;
    row = 1;
  } else {
    DrawThickRedVector(s, 2 * sx, 3 * sy, 0, 0, 10);
    arc = std::atan(1.5);
    row = 2;
  }
  DrawDashedLine(s, 4, 0, 0, (1 - sx) * kPi / 2, 11, 0.5);
  const std::string text = " $" + structural::ForceAngleNames[k] + "$";
  if (sx == 1) {
    DrawLabelledArc(s, 0, text, 2, 0, 0, 0, arc * sy, 9);
  } else {
    DrawLabelledArc(s, 0, text, 1, 0, 0, kPi, kPi - arc * sy, 9);
  }
  // Label offsets by angle row and sign column (+ +, + -, - +, - -).
  static const double kLabel[3][4][2] = {
      {{5, 9}, {0, -15}, {-15, 13}, {-11, -15}},
      {{1, 10.5}, {1, -13.5}, {-16, 5}, {-15, -14}},
      {{10, 9}, {1, -13.5}, {-7, 11}, {-7, -14}},
  };
  const int column = (sx == 1 ? 0 : 2) + (sy == 1 ? 0 : 1);
  PutLabel(s, "$\\vec " + structural::ForceNames[k] + "$", kLabel[row][column][0],
           kLabel[row][column][1]);
  EndSaveBox(s);
}

void SetAndDrawForce(SharedState& s, int point, int sx, int sy, int k) {
  structural::SetNodeForcePolar(s, point, sx, sy, k);
  DrawForceAtPoint(s, point, sx, sy, k);
}

// Force k along the axis of the layout (vertical for P1 = 1..4) at `point`.
void DrawAxisForce(SharedState& s, int point, int k, int sign) {
  const double X = s.PointX[point], Y = s.PointY[point];
  const std::string label = "$\\vec " + structural::ForceNames[k] + "$";
  if (s.P1 <= 4) {
    DrawThickRedVector(s, 0, sign, X, Y + 1 - 6.5 * (sign - 1), 13);
    PutLabel(s, label, X - 10, Y + 5);
    s.NodeForceY[point] = s.ForceValue[k] * sign;
  } else {
    DrawThickRedVector(s, sign, 0, X - 16 - 7.5 * (sign - 1), Y, 15);
    PutLabel(s, label, X - 12, Y + 3);
    s.NodeForceX[point] = s.ForceValue[k] * sign;
  }
}

void PutCoupleOfBody2(SharedState& s, int sign, double label_dx) {
  const double x = s.PointX[6], y = (s.PointY[6] + s.PointY[5]) / 2 - 2;
  PutBox(s, sign > 0 ? "momentplus" : "momentminus", x, y);
  PutLabel(s, "$m$", x + label_dx, y);
}

void PutCoupleOfBody3(SharedState& s, int sign, double label_dy) {
  const double mid = (s.PointY[4] + s.PointY[7]) / 2;
  PutBox(s, sign > 0 ? "momentplus" : "momentminus", s.PointX[4], mid - 4);
  PutLabel(s, "$m$", s.PointX[4] + 4, mid + label_dy);
}

void DrawLoads(SharedState& s, int m) {
  const int P1 = s.P1, P2 = s.P2, P3 = s.P3, P4 = s.P4;
  switch (s.P5) {
    case 1:
    case 4: {
      s.BodyCouple[2] = m;
      PutCoupleOfBody2(s, 1, 6);
      const int sy = P1 == 5 && P2 == 1 && P3 == 1 && P4 == 5 ? -1 : 1;
      SetAndDrawForce(s, 7, 1, sy, 1);
      DrawAxisForce(s, 9, 2, s.P5 == 1 ? 1 : -1);
      DrawAxisForce(s, 10, 3, 1);
      break;
    }
    case 2: {
      s.BodyCouple[2] = -m;
      s.BodyCouple[3] = P3 == 1 ? m : -m;
      PutCoupleOfBody2(s, -1, 4);
      PutCoupleOfBody3(s, P3 == 1 ? 1 : -1, -6);
      const int sx = P1 == 2 || P1 == 4 || P1 == 7 || P1 == 8 ? 1 : -1;
      const int sy = P1 == 1 || P1 == 2 || P1 == 6 || P1 == 8 ? 1 : -1;
      SetAndDrawForce(s, 2, sx, sy, 1);
      DrawAxisForce(s, 9, 2, -1);
      DrawAxisForce(s, 10, 3, -1);
      break;
    }
    default: {
      s.BodyCouple[3] = m;
      PutCoupleOfBody3(s, 1, -5);
      const int sy = P1 == 6 && P2 == 1 && P3 == 2 && P4 == 5 ? 1 : -1;
      SetAndDrawForce(s, 5, -1, sy, 1);
      DrawAxisForce(s, 9, 2, 1);
      DrawAxisForce(s, 10, 3, -1);
      break;
    }
  }
}

void DrawMembersAndLabels(SharedState& s) {
  const int P1 = s.P1, P2 = s.P2, P3 = s.P3, scheme = s.P4;
  const auto& X = s.PointX;
  const auto& Y = s.PointY;
  SetLineWidth(s, 8);
  const double l12 = std::hypot(X[2] - X[1], Y[2] - Y[1]);
  MoveTo(s, X[1] + 1.5 * (X[2] - X[1]) / l12, Y[1] + 1.5 * (Y[2] - Y[1]) / l12);
  LineToPoint(s, 2);
  LineToPoint(s, 3);
  LineToPoint(s, 9);
  WriteLine(s, "");
  static const int kMembers[5][2] = {{4, 3}, {6, 5}, {4, 5}, {8, 7}, {4, 7}};
  for (const auto& member : kMembers) {
    DrawSegmentFromNodePoints(s, member[0], member[1]);
    WriteLine(s, "");
  }
  const bool pinned_a = scheme == 2 || scheme == 3 || scheme == 7 || scheme == 9;
  double ax = 0, ay = 0;
  if (pinned_a) {
    if (P1 == 1 || P1 == 3) {
      ax = -2, ay = 4;
    } else if (P1 == 5 || P1 == 7) {
      ax = 3, ay = -2;
    } else {
      ax = 3, ay = 2;
    }
  } else {
    static const double kOther[9][2] = {{0, 0},  {-2, 3}, {-4, 2}, {-2, 3},  {-4, 2},
                                        {4, -9}, {4, -9}, {-7, 2}, {-7, 2}};
    ax = kOther[P1][0];
    ay = kOther[P1][1];
  }
  PutLabel(s, "$A$", X[1] + ax, Y[1] + ay);
  PutLabel(s, "$B$", X[8] + (P3 == 1 ? -7 : 3), Y[8] + (P3 == 1 ? 2 : -4));
  const bool rod_e = scheme == 5 || scheme == 7;
  const double ey = P2 == 1 ? (rod_e ? 2 : -3) : (rod_e ? -8 : -2);
  PutLabel(s, "$E$", X[6] + 4, Y[6] + ey);
  PutLabel(s, "$C$", X[10] + 3, Y[10] + 3);
  if (scheme == 4 || scheme == 9) {
    PutLabel(s, "$D$", X[7] + 19 - 16 * P3, Y[7] - 6);
  } else if (rod_e) {
    PutLabel(s, "$D$", X[5] + 4, Y[5] + 7.5 * P2 - 13.5);
  } else if (scheme == 6 || scheme == 8) {
    static const double kAtTwo[9][2] = {{0, 0}, {3, -6}, {-9, -3}, {5, 2}, {5, 2},
                                        {3, 2}, {3, 2},  {-9, 2},  {-9, 2}};
    PutLabel(s, "$D$", X[2] + kAtTwo[P1][0], Y[2] + kAtTwo[P1][1]);
  }
}

void PutSupports(SharedState& s) {
  const int P1 = s.P1, P2 = s.P2, scheme = s.P4;
  const auto& X = s.PointX;
  const auto& Y = s.PointY;
  if (scheme == 2 || scheme == 3 || scheme == 7 || scheme == 9) {
    PutBox(s, P1 == 5 || P1 == 7 ? "uphing" : "hing", X[1], Y[1]);
  } else if (P1 == 1 || P1 == 3) {
    PutBox(s, "hingmobil", X[1] + 1, Y[1] - 1.5);
  } else if (P1 <= 4) {
    PutBox(s, "hingmobil", X[1] - 1, Y[1] - 1.5);
  } else if (P1 <= 6) {
    PutBox(s, "rster", X[1], Y[1]);
  } else {
    PutBox(s, "lster", X[1] + 1, Y[1]);
  }
  if (scheme == 6 || scheme == 8) {
    if (P1 <= 2) {
      PutBox(s, "hingmobil", X[2], Y[2] - 1.5);
    } else if (P1 <= 4) {
      PutBox(s, "uphingmobil", X[2], Y[2] + 1.5);
    } else {
      PutBox(s, P1 <= 6 ? "rster" : "lster", X[2], Y[2]);
    }
  }
  if (scheme == 5 || scheme == 7) PutBox(s, "rster", X[5], Y[5]);
  if (scheme == 1 || scheme == 2 || scheme == 4 || scheme == 6) {
    PutBox(s, P2 == 1 ? "uphing" : "hing", X[6], Y[6]);
  } else if (scheme == 3 || scheme == 8 || scheme == 9) {
    PutBox(s, P2 == 1 ? "uphingmobil" : "hingmobil", X[6], Y[6]);
  } else {
    PutBox(s, "rster", X[6] - 1, Y[6]);
  }
  if (scheme == 4 || scheme == 9) PutBox(s, "hingmobil", X[7], Y[7] - 1);
  const bool pinned_b = scheme == 1 || scheme == 3 || scheme == 5 || scheme == 8;
  PutBox(s, pinned_b ? "hing" : "hingmobil", X[8], Y[8] - 1);
}

// ---- Solving, with the points in the metres of the dimension chains ----

// The body that holds support point p (1, 6 or 8) or D's point (2 on body 1, 5 on 2, 7 on 3).
int BodyOf(int p) { return p <= 3 ? 1 : p <= 6 ? 2 : 3; }

// Moment about point p of the loads of the body and its couple.
double SumBodyMoments(const SharedState& s, int body, int p) {
  static const std::array<int, 4> kLoaded1{2, 3, 9, 10};
  double sum = s.BodyCouple[body];
  const auto add = [&](int i) {
    sum += s.NodeForceY[i] * (s.PointX[i] - s.PointX[p]) -
           s.NodeForceX[i] * (s.PointY[i] - s.PointY[p]);
  };
  if (body == 1) {
    for (int i : kLoaded1) add(i);
  } else {
    add(body == 2 ? 5 : 7);
  }
  return sum;
}

// Sum of one component of the loads over the body's points.
double SumBodyForces(int body, const toolkit::TPointArray& c) {
  if (body == 1) return c[1] + c[2] + c[3] + c[9] + c[10];
  return body == 2 ? c[5] + c[6] : c[7] + c[8];
}

double SumAllLoads(const toolkit::TPointArray& c) {
  return c[2] + c[3] + c[5] + c[7] + c[9] + c[10];
}

std::string Letter(int p) {
  switch (p) {
    case 1:
      return "A";
    case 6:
      return "E";
    case 8:
      return "B";
    default:
      return "D";
  }
}

double x(const SharedState& s, int i) { return s.PointX[i]; }
double y(const SharedState& s, int i) { return s.PointY[i]; }

// The second pair of equations goes on a row of its own (its number cell empty): two pairs
// side by side would be wider than the answers page.
void NextEquationRow(SharedState& s) {
  if (s.WriteCramerRows) toolkit::Ans2Write(s, " \\\\ ");
}

void SolveTwoPins(SharedState& s, int a, int b) {
  const int A = BodyOf(a), B = BodyOf(b);
  structural::Solve2x2Cramer(
      s, y(s, a) - y(s, b), x(s, b) - x(s, a),
      SumBodyMoments(s, B, a) + SumBodyMoments(s, A, a) - structural::MomentOfNodeForce(s, 4, a),
      y(s, 4) - y(s, b), x(s, b) - x(s, 4), SumBodyMoments(s, B, 4));
  Rx[b] = s.CramerSolution1;
  Ry[b] = s.CramerSolution2;
}

void SolvePinAndTwoRollers(SharedState& s, int a, int b, int c) {
  const int A = BodyOf(a), B = BodyOf(b);
  s.UnknownName1 = "X_" + Letter(b);
  s.UnknownName2 = "Y_" + Letter(b);
  structural::Solve2x2Cramer(
      s, 1, 0, SumBodyForces(A, s.NodeForceX) + SumBodyForces(B, s.NodeForceX) - s.NodeForceX[4],
      y(s, 4) - y(s, b), x(s, b) - x(s, 4), SumBodyMoments(s, B, 4));
  Rx[b] = s.CramerSolution1;
  Ry[b] = s.CramerSolution2;
  NextEquationRow(s);
  s.UnknownName1 = "Y_" + Letter(a);
  s.UnknownName2 = "Y_D";
  structural::Solve2x2Cramer(
      s, x(s, a) - x(s, b), x(s, c) - x(s, b),
      SumBodyMoments(s, A, b) + SumBodyMoments(s, B, b) - structural::MomentOfNodeForce(s, 4, b),
      x(s, a) - x(s, 4), x(s, c) - x(s, 4), SumBodyMoments(s, A, 4));
  Ry[a] = s.CramerSolution1;
  Ry[c] = s.CramerSolution2;
}

void SolvePinAndTwoRods(SharedState& s, int a, int b, int c) {
  const int A = BodyOf(a), B = BodyOf(b);
  s.UnknownName1 = "Y_" + Letter(b);
  s.UnknownName2 = "X_" + Letter(b);
  structural::Solve2x2Cramer(
      s, 1, 0, SumBodyForces(A, s.NodeForceY) + SumBodyForces(B, s.NodeForceY) - s.NodeForceY[4],
      x(s, b) - x(s, 4), y(s, 4) - y(s, b), SumBodyMoments(s, B, 4));
  Ry[b] = s.CramerSolution1;
  Rx[b] = s.CramerSolution2;
  NextEquationRow(s);
  s.UnknownName1 = "X_" + Letter(a);
  s.UnknownName2 = "X_D";
  structural::Solve2x2Cramer(
      s, y(s, b) - y(s, a), y(s, b) - y(s, c),
      SumBodyMoments(s, A, b) + SumBodyMoments(s, B, b) - structural::MomentOfNodeForce(s, 4, b),
      y(s, 4) - y(s, a), y(s, 4) - y(s, c), SumBodyMoments(s, A, 4));
  Rx[a] = s.CramerSolution1;
  Rx[c] = s.CramerSolution2;
}

// Reactions at `p` := minus the other reactions and all loads (the whole structure's balance).
void CloseByWholeBalance(SharedState& s, int p, int other1, int other2) {
  Rx[p] = -(Rx[other1] + Rx[other2] + SumAllLoads(s.NodeForceX));
  Ry[p] = -(Ry[other1] + Ry[other2] + SumAllLoads(s.NodeForceY));
}

void SolveThreeBodyStructure(SharedState& s) {
  const int P1 = s.P1, scheme = s.P4;
  Rx.Fill(0);
  Ry.Fill(0);
  auto& HX = s.NodeForceX;
  auto& HY = s.NodeForceY;
  if (scheme == 1 || scheme == 4 || scheme == 5) {
    // Body 1 on its single-component support first.
    const double moment = SumBodyMoments(s, 1, 4);
    if (P1 <= 4) {
      Ry[1] = -moment / (x(s, 1) - x(s, 4));
    } else {
      Rx[1] = -moment / (y(s, 4) - y(s, 1));
    }
    HX[4] = -(Rx[1] + HX[2] + HX[3] + HX[9] + HX[10]);
    HY[4] = -(Ry[1] + HY[2] + HY[3] + HY[9] + HY[10]);
  } else {
    const int p = scheme == 2 || scheme == 6 || scheme == 7 ? 8 : 6;
    Ry[p] = -SumBodyMoments(s, BodyOf(p), 4) / (x(s, p) - x(s, 4));
    HX[4] = -(HX[p - 1] + Rx[p]);
    HY[4] = -(HY[p - 1] + Ry[p]);
  }
  toolkit::Ans2Write(s, toolkit::FormatNumber(toolkit::PrintedVariantNumber(s)));
  switch (scheme) {
    case 1:
      s.UnknownName1 = "X_E";
      s.UnknownName2 = "Y_E";
      SolveTwoPins(s, 8, 6);
      CloseByWholeBalance(s, 8, 1, 6);
      break;
    case 2:
      s.UnknownName1 = "X_E";
      s.UnknownName2 = "Y_E";
      SolveTwoPins(s, 1, 6);
      CloseByWholeBalance(s, 1, 8, 6);
      break;
    case 3:
      s.UnknownName1 = "X_B";
      s.UnknownName2 = "Y_B";
      SolveTwoPins(s, 1, 8);
      CloseByWholeBalance(s, 1, 8, 6);
      break;
    case 4:
      SolvePinAndTwoRollers(s, 8, 6, 7);
      break;
    case 5:
      SolvePinAndTwoRods(s, 6, 8, 5);
      break;
    case 6:
      if (P1 <= 4) {
        SolvePinAndTwoRollers(s, 1, 6, 2);
      } else {
        SolvePinAndTwoRods(s, 1, 6, 2);
      }
      break;
    case 7:
      SolvePinAndTwoRods(s, 6, 1, 5);
      break;
    case 8:
      if (P1 <= 4) {
        SolvePinAndTwoRollers(s, 1, 8, 2);
      } else {
        SolvePinAndTwoRods(s, 1, 8, 2);
      }
      break;
    default:
      SolvePinAndTwoRollers(s, 8, 1, 7);
      break;
  }
  toolkit::AnsWriteLine(s, "");
}

// The answer text of one reaction: fixed with four decimals in nine places, cut to eight.
std::string AnswerText(double v) { return toolkit::FormatFixed(v, 9, 4).substr(0, 8); }

std::array<std::string, 8> AnswerTexts(const SharedState& s) {
  const int P1 = s.P1, scheme = s.P4;
  std::array<std::string, 8> out{AnswerText(Rx[1]), AnswerText(Ry[1]), AnswerText(Rx[8]),
                                 AnswerText(Ry[8]), AnswerText(Rx[6]), AnswerText(Ry[6]),
                                 "  - ",            "  - "};
  const bool d_at_two = scheme == 6 || scheme == 8;
  if (scheme == 5 || scheme == 7) out[6] = AnswerText(Rx[5]);
  if (d_at_two && P1 >= 5) out[6] = AnswerText(Rx[2]);
  if (scheme == 4 || scheme == 9) out[7] = AnswerText(Ry[7]);
  if (d_at_two && P1 <= 4) out[7] = AnswerText(Ry[2]);
  const bool roller_a = scheme == 1 || scheme == 4 || scheme == 5;
  if (roller_a && P1 <= 4) out[0] = " -  ";
  if (roller_a && P1 >= 5) out[1] = "  -  ";
  if (d_at_two && P1 <= 4) out[0] = "   -  ";
  if (d_at_two && P1 >= 5) out[1] = "   -  ";
  if (scheme == 2 || scheme == 4 || scheme == 6 || scheme == 7 || scheme == 9) out[2] = "  -  ";
  if (scheme == 3 || scheme == 8 || scheme == 9) out[4] = "    -  ";
  if (scheme == 5 || scheme == 7) out[5] = "  -  ";
  return out;
}

}  // namespace

void BeginThreeBodyStructureProblem(SharedState& s) {
  s.LabelStyle = "\\Blue";
  s.ParboxWidth = 200;
  AnsWrite(s, "\\small\\tabcolsep=2pt");
  AnsBeginTable(s, 9);
  Ans2Write(s, "\\scriptsize");
  Ans2BeginTable(s, 5);
  Ans2WriteLine(s, "\\No & equations \\\\\\hline ");
  WriteLine(s,
            " Determine the reactions of the supports construction (kN), which consists of "
            "three bodies connected at the point $C$ hinge. Dimensions are in meters.");
  WriteBookReference(s, 67);
  AnsWriteLine(s,
               "\\ru\\#  &\\mc{$X_A$}&\\mc{$Y_A$}&\\mc{$X_B$}&\\mc{$Y_B $}&\\mc{$X_E$}&"
               "\\mc{$Y_E $}&\\mc{$X_D $}&\\mc{$Y_D $}\\\\\\hline");
}

void WriteThreeBodyStructureVariant(SharedState& s) {
  SetThreeBodyArms(s);
  ClearPoints(s, 13);
  structural::SetTwoPartPoints8(s, s.PointX, s.PointY, 0, 0);
  structural::SetAnglePair(s, s.P5);
  s.ForceValue[1] = s.P6;
  s.ForceValue[2] = s.P7;
  s.ForceValue[3] = s.P4;
  SetExtentPoints(s);
  s.BoxWidth = 120;
  s.BoxHeight = 85;
  FitPointsToBoxRounded(s, 13);
  const double u = s.RoundedUnit;
  // The loads and supports reach past the points' box, the chain of dimensions stands right
  // of it with its digits: the picture holds them all within the variant's width.
  BeginPicture(s, s.BoxWidth + 74, 150, -17, -28);
  for (int i = 1; i <= 10; ++i) s.NodeForceX[i] = s.NodeForceY[i] = 0;
  s.BodyCouple.Fill(0);
  const int m = 2 * s.P2 + s.P3;
  DrawLoads(s, m);
  DrawMembersAndLabels(s);
  DrawCircle(s, s.PointX[4], s.PointY[4], 3);
  SetLineWidth(s, 3);
  PutSupports(s);
  DrawDimensionChains(s, 9, s.RangeX + 5, -23, 25, 2 * u, 2 * u, 0);
  EndPicture(s);
  for (int i = 1; i <= 13; ++i) {
    s.PointX[i] /= 2 * u;
    s.PointY[i] /= 2 * u;
  }
  SolveThreeBodyStructure(s);
  const std::array<std::string, 8> answers = AnswerTexts(s);
  AnsWriteTextNumber(s, " $", toolkit::PrintedVariantNumber(s), "");
  for (const std::string& cell : answers) AnsWrite(s, "$ & $" + cell);
  AnsWrite(s, "$");
  WriteText(s, "\\vfill\\parbox[b]{190pt}{");
  for (int k = 1; k <= 3; ++k) {
    WriteLine(s, " $" + structural::ForceNames[k] + "=" + toolkit::FormatNumber(s.ForceValue[k]) +
                     "$~kN,  ");
  }
  WriteLine(s, "\\\\ $m=" + toolkit::FormatNumber(m) + "$~kNm, $\\alpha=" +
                   toolkit::FormatNumber(s.ForceDirection[1]) + "^\\circ$.}");
}

}  // namespace statics
