#include "subjects/structural/common/truss_figures.h"

#include <cmath>
#include <string>

#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/supports.h"
#include "subjects/structural/common/truss_solvers.h"
#include "toolkit/errors.h"
#include "toolkit/writers.h"

namespace structural {

namespace {

constexpr int kLastPanelPoint = 5;  // TrussPanelX has five entries

bool IsSupport(const SharedState& s, int k) {
  return k == s.TrussSupportNodeA || k == s.TrussSupportNodeB;
}

// The first lower joint that carries neither a support nor a load P.
int FreeJoint(SharedState& s) {
  if (!s.TrussFreeMode) s.TrussPPoint2 = 0;
  for (int k = 1; k <= kLastPanelPoint; ++k) {
    if (k != s.TrussPPoint2 && k != s.TrussPPoint1 && !IsSupport(s, k)) return k;
  }
  throw toolkit::DegenerateDataError("truss: every lower joint carries a support or a load");
}

int FirstJointWithoutSupport(const SharedState& s, int from, int step) {
  for (int k = from; k >= 1 && k <= kLastPanelPoint; k += step) {
    if (!IsSupport(s, k)) return k;
  }
  throw toolkit::DegenerateDataError("truss: no lower joint is free of supports for the load P");
}

void DrawLoadP(SharedState& s, int joint) {
  const double x = s.Scale * s.TrussPanelX[joint];
  DrawThickRedVector(s, 0, -1, x, 9, 15);
  PutBlueLabel(s, "$\\vec P$", x + 2, -7);
}

}  // namespace

void DefineTrussBoxA(SharedState& s, int shape) {
  const std::string letter(1, static_cast<char>(64 + shape));
  WriteLine(s, "\\newsavebox{\\baseferm" + letter + "}\\sbox{\\baseferm" + letter + "}{%");
  SetTrussPanelOffsetsFromTable(s, shape);
  const double sc = s.Scale;
  const auto& x = s.TrussPanelX;
  for (int k = 1; k <= 5; ++k) {
    DrawCircle(s, sc * x[k], 10, 3);
    DrawLatexLine(s, 0, 1, sc * x[k], -20, 2);
  }
  SetLineWidth(s, 6);
  for (int k = 1; k <= 4; ++k) DrawSegmentShortenedCopy(s, sc * x[k], 10, sc * x[k + 1], 10, 1.5);
  SetLineWidth(s, 2);
  for (int k = 1; k <= 4; ++k) {
    const double w = x[k + 1] - x[k];
    if (s.TrussFreeMode) {
      PutSmallValueLabel(s, sc * (x[k] + x[k + 1]) / 2 - 2, -17, w);
    } else {
      PutSmallValueLabel(s, sc * (3 * x[k] + x[k + 1]) / 4 - 2, -17, w / 2);
      PutSmallValueLabel(s, sc * (x[k] + 3 * x[k + 1]) / 4 - 2, -17, w / 2);
      DrawLatexLine(s, 0, 1, sc * (x[k] + x[k + 1]) / 2, -20, 2);
    }
  }
  MoveTo(s, 0, -19);
  LineTo(s, sc * x[5], -19);
  WriteLine(s, "}");
}

void DefineTrussBoxB(SharedState& s, int shape) {
  const std::string letter(1, static_cast<char>(64 + shape));
  WriteLine(s, "\\newsavebox{\\basefrm" + letter + "}\\sbox{\\basefrm" + letter + "}{%");
  const double sc = s.Scale;
  const auto& x = s.TrussPanelX;
  for (int k = 1; k <= 4; ++k) DrawLatexLine(s, 0, 1, sc * x[k], -20, 2);
  SetLineWidth(s, 5);
  for (int k = 1; k <= 3; ++k) DrawSegmentShortenedCopy(s, sc * x[k], 10, sc * x[k + 1], 10, 1.5);
  SetLineWidth(s, 1);
  for (int k = 1; k <= 3; ++k)
    PutValueLabel(s, sc * (x[k] + x[k + 1]) / 2 - 2, -17, x[k + 1] - x[k]);
  MoveTo(s, 0, -19);
  LineTo(s, sc * x[4], -19);
  WriteLine(s, "}");
}

void PutTrussSupportBoxes(SharedState& s, int mode) {
  PutBox(s, mode == 1 ? "hingmobil" : "hing", s.Scale * s.TrussPanelX[s.TrussSupportNodeA], 10);
  PutBox(s, "hing", s.Scale * s.TrussPanelX[s.TrussSupportNodeB], 10);
  WriteLine(s, "%");
  SetLineWidth(s, 6);
}

void PutTrussSupportBoxesInclined(SharedState& s) {
  PutBox(s, "hingnakl", s.Scale * s.TrussPanelX[s.TrussSupportNodeA], 10);
  PutBox(s, "hing", s.Scale * s.TrussPanelX[s.TrussSupportNodeB], 10);
}

void DrawTrussDimensions(SharedState& s) {
  const double sc = s.Scale;
  const double l = s.TrussPanelLength;
  const double h = s.TrussPanelHeight;
  SetLineWidth(s, 1);
  const double xd = sc * (s.TrussPanelX[s.TrussPanelCount + 1] + 1.7) - 7;
  DrawLineBySlope(s, xd, 8, 0, 1, sc * (l + h) + 4);
  for (double y : {10.0, sc * l + 10, sc * (l + h) + 10}) DrawLineBySlope(s, xd - 2, y, 1, 0, 4);
  PutValueLabel(s, xd - 5, sc * l / 2 + 7, l);
  PutValueLabel(s, xd - 5, sc * (l + h / 2) + 7, h);
}

void DrawTrussLoadQ(SharedState& s) {
  // The search stops at the last apex but one; a chord that never drops puts Q at the last.
  int q = s.TrussPanelCount;
  for (int k = 1; k <= s.TrussPanelCount - 1; ++k) {
    if (s.TrussChordY[k + 1] < s.TrussChordY[k]) {
      q = k;
      break;
    }
  }
  s.TrussQPoint = q;
  const double x = s.Scale * (s.TrussPanelX[q] + s.TrussPanelX[q + 1]) / 2;
  const double y = s.Scale * s.TrussChordY[q] + 10;
  PutBlueLabel(s, "$\\vec Q$", x + 4, y + 4);
  DrawThickRedVector(s, 1, 0, x + 1, y, 16);
  s.TrussLoadQ = s.TrussLoadQValue;
}

void DrawTrussLoadQInclined(SharedState& s, int panel_points, int mode) {
  int q = 0;
  for (int k = 1; k <= panel_points - 1; ++k) {
    if (s.TrussChordY[k + 1] < s.TrussChordY[k]) {
      q = k;
      break;
    }
  }
  s.TrussQPoint = q;
  if (q == 0) return;
  const double x = panel_points == 4 ? s.Scale * (s.TrussPanelX[q] + s.TrussPanelX[q + 1]) / 2
                                     : s.Scale * s.TrussPanelX[q];
  const double y = s.Scale * s.TrussChordY[q] + 10;
  const int sign = s.TrussLoadSign;
  if (mode == 2) {
    DrawThickRedVector(s, sign, 0, x + 1 + 9 * (1 - sign), y, 18);
  } else {
    DrawThickRedVector(s, 3 * sign, 2 * sign, x + 1 + 10.5 * (1 - sign), y + 7 * (1 - sign), 21);
    DrawLabelledArc(s, 0, " $\\beta$", 2, x, y, 0, std::atan(2.0 / 3.0), 12);
    MoveTo(s, x + 1, y);
    LineTo(s, x + 16, y);
  }
  PutBlueLabel(s, "$\\vec Q$", x + 23, y + 2);
  s.TrussLoadQ = s.TrussLoadQValue;
}

void DrawTrussLoadFInclined(SharedState& s) {
  s.TrussFPoint = FreeJoint(s);
  const double x = s.Scale * s.TrussPanelX[s.TrussFPoint];
  DrawThickRedVector(s, 1, -2, x, 9, 9.5);
  PutBlueLabel(s, "$\\vec F$", x - 7, -10);
  DrawLabelledArc(s, 0, " $\\alpha$", 2, x, 10, -std::atan(2.0), 0, 8);
  DrawLineBySlope(s, x + 1.5, 10, 1, 0, 8);
}

void MarkTrussFreeJoint(SharedState& s, int mode) {
  s.TrussFPoint = FreeJoint(s);
  const double x = s.Scale * s.TrussPanelX[s.TrussFPoint];
  if (mode == 1) {
    PutRollerBox(s, x, 9);
  } else {
    DrawCircle(s, x, 10, 3);
  }
}

void DrawTrussLoadP(SharedState& s) {
  s.TrussPPoint1 = FirstJointWithoutSupport(s, 1, 1);
  DrawLoadP(s, s.TrussPPoint1);
}

void DrawTrussLoadsPTwoSides(SharedState& s, int shift) {
  s.TrussPPoint1 = FirstJointWithoutSupport(s, 1, 1);
  s.TrussPPoint2 = FirstJointWithoutSupport(s, 6 - shift, -1);
  DrawLoadP(s, s.TrussPPoint1);
  DrawLoadP(s, s.TrussPPoint2);
}

}  // namespace structural
