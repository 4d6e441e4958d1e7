#include "subjects/statics/compound_rect_frame.h"

#include <cmath>
#include <numbers>
#include <string>

#include "figures/dimensions.h"
#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "figures/supports.h"
#include "subjects/structural/common/frame_helpers.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace statics {

namespace {

using std::numbers::pi;

std::string Fixed(double x, int w, int d) { return toolkit::FormatFixed(x, w, d); }

// The layout group: 1 (P1 1..4, segment 3-4 vertical below C), 2 (5..8, horizontal left of
// C), 3 (9..12, vertical above C).
int LayoutGroup(const SharedState& s) { return s.P1 <= 4 ? 1 : s.P1 <= 8 ? 2 : 3; }

// A at the lower end of a vertical segment 1-2 in these layouts hangs its support.
bool HangsAtA(const SharedState& s) { return s.P1 == 1 || s.P1 == 3 || s.P1 == 9 || s.P1 == 11; }

const char* ForceLetter(int k) { return k == 1 ? "P" : "Q"; }
const char* AngleName(int k) { return k == 1 ? "\\alpha" : "\\beta"; }

double SegmentWeight(const SharedState& s, int i, int j) {
  return s.FrameWeightPerMetre * std::hypot(s.PointX[i] - s.PointX[j], s.PointY[i] - s.PointY[j]);
}

double SegmentWeightMoment(const SharedState& s, int a, int i, int j) {
  return -SegmentWeight(s, i, j) * ((s.PointX[i] + s.PointX[j]) / 2 - s.PointX[a]);
}

double WeightMomentSum(const SharedState& s, int a, int from, int to) {
  double sum = 0;
  for (int i = from; i <= to; ++i) sum += SegmentWeightMoment(s, a, i, i + 1);
  return sum;
}

double NegativeWeightSum(const SharedState& s, int from, int to) {
  double sum = 0;
  for (int i = from; i <= to; ++i) sum -= SegmentWeight(s, i, i + 1);
  return sum;
}

void DrawForceAtNode(SharedState& s, int node, int sx, int sy, int k) {
  PutText(s, "{", s.PointX[node], s.PointY[node]);
  BeginPicture(s, 5, 5, 0, 0);
  DrawThickRedVector(s, 3 * sx, 2 * sy, 0, 0, 19);
  SetLineWidth(s, 1);
  DrawDashedLine(s, 4, 0, 0, (1 - sx) * pi / 2, 11, 0.5);
  const double slope = std::atan(2.0 / 3.0);
  const std::string angle = AngleName(k);
  if (sx == 1 && sy == 1) {
    DrawLabelledArc(s, 0, " $" + angle + "$", 2, 0, 0, 0, slope, 9);
  } else if (sx == 1) {
    DrawLabelledArc(s, 0, "\\raise1pt\\hbox{$" + angle + "$}", 2, 0, 0, 0, -slope, 9);
  } else {
    DrawLabelledArc(s, 0, " $" + angle + "$", 1, 0, 0, pi, pi - sy * slope, 10);
  }
  const std::string label = std::string("$\\vec ") + ForceLetter(k) + "$";
  if (sx == 1) {
    PutLabel(s, label, sy == 1 ? 5 : 0, sy == 1 ? 9 : -12);
  } else {
    PutLabel(s, label, sy == 1 ? -15 : -10, sy == 1 ? 13 : -14);
  }
  EndSaveBox(s);
}

struct LoadPlace {
  int node, sx, sy;
};

// The load arrangement of P3: where P and Q act, with their senses, and which part carries
// the couple.
void SetRectFrameLoads(SharedState& s, LoadPlace& p, LoadPlace& q) {
  const int m = s.P6;
  s.BodyCouple[1] = 0;
  s.BodyCouple[2] = 0;
  if (s.P3 == 1) {
    p = {3, 1, 1};
    q = {2, -1, -1};
    s.BodyCouple[2] = m;
  } else if (s.P3 == 2) {
    p = {5, 1, 2 * s.P2 - 3};
    q = {3, 1, -1};
    s.BodyCouple[1] = m;
  } else {
    p = {5, -1, 2 * s.P2 - 3};
    q = {2, 1, 1};
    s.BodyCouple[1] = m;
  }
  structural::SetNodeForcePolar(s, p.node, p.sx, p.sy, 1);
  structural::SetNodeForcePolar(s, q.node, q.sx, q.sy, 2);
}

void DrawCouple(SharedState& s) {
  const auto& x = s.PointX;
  const auto& y = s.PointY;
  if (s.P3 == 1) {
    PutBox(s, "momentplus", x[6] + 1, (y[5] + y[6]) / 2 - 2);
    PutLabel(s, "$M$", x[6] + 5, (y[5] + y[6]) / 2 - 2);
    return;
  }
  const int i = s.P3 == 2 ? 1 : 3;
  const double mx = (x[i] + x[i + 1]) / 2, my = (y[i] + y[i + 1]) / 2;
  if (y[i] == y[i + 1]) {
    PutBox(s, "vmomentp", mx, my);
    PutLabel(s, "$M$", mx + (s.P3 == 2 ? 3 : 2), my + 2);
  } else {
    PutBox(s, "momentplus", mx, my - 4);
    PutLabel(s, "$M$", mx + 5, my + 2);
  }
}

void DrawSupportsAndLetters(SharedState& s) {
  const auto& x = s.PointX;
  const auto& y = s.PointY;
  const int group = LayoutGroup(s);
  if (s.P4 <= 4) {
    PutLabel(s, "$B$", x[6] - 10, y[6] - 4);
  } else {
    PutLabel(s, "$B$", x[6] - 10, y[6] - 10 * (2 - s.P2) + 2);
  }
  double ax = -8, ay = -2;  // P1 9, 10, 12
  switch (s.P1) {
    case 1:
      ax = -8;
      ay = -5;
      break;
    case 2:
    case 4:
    case 6:
    case 8:
      ax = 3;
      ay = 1;
      break;
    case 3:
    case 11:
      ax = -10;
      ay = -4;
      break;
    case 5:
    case 7:
      ax = -9;
      ay = 1;
      break;
    default:
      break;
  }
  PutLabel(s, "$A$", x[1] + ax, y[1] + ay);
  if (s.P4 % 2 == 1) {
    DrawNodeMarker(s, 4);
  } else {
    PutBox(s, group == 1 ? "promzadvd" : group == 2 ? "promzadhl" : "promzadvu", x[4], y[4]);
  }
  SetLineWidth(s, 3);
  if (s.P4 <= 2) {
    if (HangsAtA(s)) {
      PutUpHingeBox(s, x[1], y[1]);
    } else {
      PutHingeBox(s, x[1], y[1]);
    }
  } else if (s.P4 <= 4) {
    if (HangsAtA(s)) {
      PutUpRollerBox(s, x[1], y[1]);
    } else {
      PutRollerBoxAtPoint(s, 1);
    }
    if (group == 1) {
      PutRollerBox(s, x[7], y[7] - 1.6);
      PutLabel(s, "$D$", x[7] + 2, y[7] + 2);
    } else if (group == 2) {
      PutLeftRodBox(s, x[7], y[7]);
      PutLabel(s, "$D$", x[7] - 8, y[7] - 7);
    } else {
      PutUpRollerBox(s, x[7], y[7] + 1.6);
      PutLabel(s, "$D$", x[7] - 3, y[7] - 8);
    }
  } else if (HangsAtA(s)) {
    PutUpRollerBox(s, x[1], y[1]);
  } else if (s.P1 == 2 || s.P1 == 4 || s.P1 == 10 || s.P1 == 12) {
    PutRollerBoxAtPoint(s, 1);
  } else if (s.P1 == 6 || s.P1 == 8) {
    PutRightRodBox(s, x[1] - 1, y[1]);
  } else {
    PutLeftRodBox(s, x[1] + 1, y[1]);
  }
  if (group == 3) {
    PutLabel(s, "$C$", x[4] - 10, y[4] - 4);
  } else {
    PutLabel(s, "$C$", x[4] - 3, y[4] + 4);
  }
  if (s.P4 <= 4) {
    if (s.P2 == 1) {
      PutUpHingeBox(s, x[6], y[6]);
    } else {
      PutHingeBox(s, x[6], y[6]);
    }
  } else if (s.P2 == 1) {
    PutUpFixedSupportBox(s, x[6], y[6]);
  } else {
    PutFixedSupportBox(s, x[6], y[6]);
  }
}

// The closed formula of a reaction, head "(" num ")/(" den ")", den of the given width and
// decimals; the caller closes the group.
void WriteQuotient(SharedState& s, const std::string& head, double num, double den, int width,
                   int decimals) {
  Ans2Write(s, head + Fixed(num, 7, 2) + ")/(" + Fixed(den, width, decimals) + ")");
}

void SolveRectFrame(SharedState& s) {
  const auto& x = s.PointX;
  const auto& y = s.PointY;
  auto& fx = s.NodeForceX;
  auto& fy = s.NodeForceY;
  const int group = LayoutGroup(s);
  const bool vertical_joint = group != 2;
  const double m6 = structural::MomentOfNodeForce(s, 2, 6) +
                    structural::MomentOfNodeForce(s, 3, 6) +
                    structural::MomentOfNodeForce(s, 5, 6) + s.P6 + WeightMomentSum(s, 6, 1, 5);
  const double m4l = structural::MomentOfNodeForce(s, 2, 4) +
                     structural::MomentOfNodeForce(s, 3, 4) + s.BodyCouple[1] +
                     WeightMomentSum(s, 4, 1, 3);
  const double left_weight = -NegativeWeightSum(s, 1, 3);
  const double weight = -NegativeWeightSum(s, 1, 5);
  const int n = toolkit::PrintedVariantNumber(s);
  Ans2WriteLine(s, Fixed(n, 2, 0));
  double xa = 0, ya = 0, xd = 0, yd = 0, mb = 0;
  switch (s.P4) {
    case 1:
      s.UnknownName1 = "X_A";
      s.UnknownName2 = "Y_A";
      structural::Solve2x2Cramer(s, y[4] - y[1], x[1] - x[4], m4l, y[6] - y[1], x[1] - x[6], m6);
      xa = s.CramerSolution1;
      ya = s.CramerSolution2;
      break;
    case 2:
      if (vertical_joint) {
        ya = left_weight - fy[2] - fy[3];
        xa = (m6 - (x[6] - x[1]) * ya) / (y[1] - y[6]);
        WriteQuotient(s, " & $  X_A=(", m6 - (x[6] - x[1]) * ya, y[1] - y[6], 4, 2);
      } else {
        xa = -fx[2] - fx[3];
        ya = ((y[6] - y[1]) * xa + m6) / (x[6] - x[1]);
        WriteQuotient(s, " & $  Y_A=(", (y[6] - y[1]) * xa + m6, x[6] - x[1], 4, 2);
      }
      Ans2WriteLine(s, "$ ");
      break;
    case 3:
      s.UnknownName1 = "Y_A";
      if (vertical_joint) {
        s.UnknownName2 = "Y_D";
        structural::Solve2x2Cramer(s, x[1] - x[4], x[7] - x[4], m4l, x[1] - x[6], x[7] - x[6], m6);
        ya = s.CramerSolution1;
        yd = s.CramerSolution2;
      } else {
        s.UnknownName2 = "X_D";
        structural::Solve2x2Cramer(s, x[1] - x[4], y[4] - y[7], m4l, x[1] - x[6], y[6] - y[7], m6);
        ya = s.CramerSolution1;
        xd = s.CramerSolution2;
      }
      break;
    case 4:
      if (vertical_joint) {
        s.UnknownName1 = "Y_A";
        s.UnknownName2 = "Y_D";
        structural::Solve2x2Cramer(s, 1, 1, fy[2] + fy[3] - left_weight, x[1] - x[6], x[7] - x[6],
                                   m6);
        ya = s.CramerSolution1;
        yd = s.CramerSolution2;
      } else {
        xd = -fx[2] - fx[3];
        ya = (m6 - (y[7] - y[6]) * xd) / (x[6] - x[1]);
        WriteQuotient(s, " & $  Y_a=(", m6 - (y[7] - y[6]) * xd, x[6] - x[1], 4, 1);
        Ans2WriteLine(s, "$ ");
      }
      break;
    case 5:
      if (vertical_joint) {
        ya = m4l / (x[4] - x[1]);
        mb = -(m6 - (x[6] - x[1]) * ya);
        WriteQuotient(s, " &  $  Y_a=(", m4l, x[4] - x[1], 7, 1);
      } else {
        xa = m4l / (y[1] - y[4]);
        mb = -((y[6] - y[1]) * xa + m6);
        WriteQuotient(s, " &  $  X_a=(", m4l, y[1] - y[4], 7, 1);
      }
      Ans2WriteLine(s, "      $ ");
      break;
    default:
      if (vertical_joint) {
        ya = left_weight - fy[2] - fy[3];
        mb = -(m6 - (x[6] - x[1]) * ya);
        Ans2WriteLine(s, " & $  M_B=-(" + Fixed(m6, 7, 2) + "-(" + Fixed(ya, 7, 2) + ")(" +
                             Fixed(x[6] - x[1], 7, 1) + ")) $");
      } else {
        xa = -fx[2] - fx[3];
        mb = -((y[6] - y[1]) * xa + m6);
        Ans2WriteLine(s, " & $  M_B=-(" + Fixed(m6, 7, 2) + "+(" + Fixed(xa, 7, 2) + ")(" +
                             Fixed(y[6] - y[1], 7, 1) + ")) $");
      }
      break;
  }
  fx[1] = xa;
  fy[1] = ya;
  fx[7] = xd;
  fy[7] = yd;
  AnsWriteNumber(s, n);
  const double xb = -structural::ArraySumRange(fx, 1, 7);
  const double yb = weight - structural::ArraySumRange(fy, 1, 7);
  if (s.P4 <= 2) {
    AnsWriteText4NumbersFixed(s, "&$", xa, "$&$", ya, "$&$", xb, "$&$", yb, "$& --- & --- & --- ");
  } else if (s.P4 <= 4) {
    if (vertical_joint) {
      AnsWriteText4NumbersFixed(s, "&---&$", ya, "$&$", xb, "$&$", yb, "$& --- &$", yd, "$& --- ");
    } else {
      AnsWriteText4NumbersFixed(s, "&---&$", ya, "$&$", xb, "$&$", yb, "$&$", xd, "$&---&---");
    }
  } else if (vertical_joint) {
    AnsWriteText4NumbersFixed(s, "&---&$", ya, "$&$", xb, "$&$", yb, "$& --- & --- &$", mb, "$");
  } else {
    AnsWriteText4NumbersFixed(s, "&$", xa, "$&---&$", xb, "$&$", yb, "$& --- & --- &$", mb, "$");
  }
}

}  // namespace

void BeginCompoundRectFrameProblem(SharedState& s, int /*mode*/) {
  s.ParboxWidth = 200;
  s.BoxWidth = 115;
  s.BoxHeight = 77;
  WriteLine(s, "% probl S8");
  AnsBeginTable(s, 8);
  Ans2BeginTable(s, 8);
  Ans2WriteLine(s, "\\No & equations \\\\\\hline ");
  AnsWriteLine(s,
               "  &\\mc{$X_A$}&\\mc{$Y_A$}&\\mc{$X_B$}&\\mc{$Y_B$}&\\mc{$X_D$}&\\mc{$Y_D$}&"
               "\\mc{$M_B$}\\\\\\hline");
  WriteLine(s, "The frame consists of two parts connected by a hinge or sliding attachment.");
  if (s.Level == 1) {
    WriteLine(s, "Dimensions are given in meters. Determin the reaction of the supports.\\par ");
  } else {
    WriteLine(s,
              "Dimensions are given in meters. Given the linear weight of the frame $\\rho$. "
              "Determine the reaction of the supports.\\par ");
  }
  WriteBookReference(s, 54);
}

void WriteCompoundRectFrameVariant(SharedState& s, int /*mode*/) {
  s.ForceValue[1] = s.P3 + s.P4;
  s.ForceValue[2] = s.P7;
  structural::SetAnglePair(s, s.P5);
  s.FrameWeightPerMetre = s.Level == 1 ? 0 : s.P4;
  s.TwoPartArm1 = 6;
  s.TwoPartArm2 = 4;
  s.TwoPartArm3 = (s.P1 == 1 || s.P1 == 3) && s.P2 == 1 && s.P3 == 1 ? 3 : 4;
  s.TwoPartArm4 = 6;
  s.TwoPartArm6 = 4;
  s.SpareReal4 = 0.5;
  structural::SetTwoPartPoints12(s, s.PointX, s.PointY);
  // The points the figure fits and dimensions: D (7) and its foot level (8) join in schemes
  // 3..6.
  const int n = s.P4 <= 2 ? 6 : LayoutGroup(s) == 2 ? 8 : 7;

  // Fit by the limiting axis, then stretch the other in half steps towards its box side.
  FitPointsToBox(s, n, 0);
  s.RangeX *= s.Scale;
  s.RangeY *= s.Scale;
  double fx = 1, fy = 1;
  if (s.BoxWidth > s.RangeX) fx = toolkit::RoundHalfEven(2 * s.BoxWidth / s.RangeX) / 2;
  if (s.BoxHeight > s.RangeY) fy = toolkit::RoundHalfEven(2 * s.BoxHeight / s.RangeY) / 2;
  for (int i = 1; i <= n; ++i) {
    s.PointX[i] *= fx;
    s.PointY[i] *= fy;
  }
  WriteLine(s, "\\par ");
  s.SpareReal2 = 75;
  // The frame fills the 115 x 77 pt box; the supports, loads and letters reach 27 pt above
  // it, the vertical dimension chain 36 pt right of it and the horizontal one 24 pt below:
  // the picture reserves all of it.
  BeginPicture(s, s.BoxWidth + 37 + 58, s.SpareReal2 + 53, -58, -24);
  for (int i = 1; i <= 7; ++i) {
    s.NodeForceX[i] = 0;
    s.NodeForceY[i] = 0;
  }
  LoadPlace p{}, q{};
  SetRectFrameLoads(s, p, q);

  DrawCouple(s);
  DrawForceAtNode(s, p.node, p.sx, p.sy, 1);
  DrawForceAtNode(s, q.node, q.sx, q.sy, 2);
  SetLineWidth(s, 8);
  DrawSegmentFromNodeRev(s, 5, 6);
  DrawSegmentFromNodeRev(s, 2, 1);
  DrawSegment(s, s.PointX[3], s.PointY[3], s.PointX[2], s.PointY[2]);
  DrawSegmentFromNodeRev(s, 3, 4);
  DrawSegmentFromNodeRev(s, 5, 4);
  DrawSupportsAndLetters(s);
  // The vertical chain stands clear of a load at the right end; its numbers end 2 pt left
  // of its line (a number "10" would cross it).
  DrawDimensionChains(s, n, 107, -22, 42, s.Scale, s.Scale, -4);
  SetLineWidth(s, 3);
  EndPicture(s);
  ScalePoints(s, n);

  WriteLine(s, "\\hfill\\parbox[b]{220pt}{\\vskip2mm\\small ");
  for (int k = 1; k <= 2; ++k) {
    WriteTextNumberLn(s, std::string("$") + ForceLetter(k) + "$=$", s.ForceValue[k], "$kN,");
  }
  WriteTextNumberLn(s, " $\\alpha$=$", s.ForceDirection[1], "^\\circ$, ");
  WriteTextNumberLn(s, " $\\beta$=$", s.ForceDirection[2], "^\\circ$, ");
  if (s.Level != 1) WriteTextNumberLn(s, " $\\rho$=$", s.FrameWeightPerMetre, "$~kN/m, ");
  WriteTextNumberLn(s, " $M$=", s.P6, "~kNm. ");
  SolveRectFrame(s);
  WriteLine(s, "}");
}

}  // namespace statics
