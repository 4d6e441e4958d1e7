#include "subjects/statics/three_body_structure_ii.h"

#include <cstdlib>
#include <string>

#include "figures/dimensions.h"
#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "figures/supports.h"
#include "toolkit/answers.h"
#include "toolkit/indexed_array.h"
#include "toolkit/number_format.h"
#include "toolkit/numerics.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace statics {

namespace {

// sigma(i) and tau(i), i = 1..4.
struct SignPair {
  int sigma, tau;
};
const toolkit::IndexedArray<SignPair, 1, 4> ThreeBodyIISigns = [] {
  toolkit::IndexedArray<SignPair, 1, 4> t;
  t[1] = {1, 1};
  t[2] = {1, -1};
  t[3] = {-1, 1};
  t[4] = {-1, -1};
  return t;
}();

int Sigma(int i) { return ThreeBodyIISigns[i].sigma; }
int Tau(int i) { return ThreeBodyIISigns[i].tau; }

struct Loads {
  int F = 0, M = 0;
};

Loads SolveThreeBodyStructureII(SharedState& s, int e, int g, int p, int r, int u, int w, int F) {
  const int p1 = s.P1, p5 = s.P5;
  const int K = g + w - 2;
  const int M = p5 * F;
  int XA = 0, YA = 0, RB = 0, RC = 0, S = 0;
  switch (p1) {
    case 1:
      XA = -F;
      YA = 2 * (2 - w) * (e - u);
      RB = 2 * (e * K + g * p5);
      RC = -2 * u * K - 2 * g * p5;
      S = -u * (e * K + g * p5);
      break;
    case 2:
      RB = 2 * (p * K - w * p5);
      RC = -2 * u * K - 2 * g * p5;
      XA = -F - RC;
      YA = F - RB;
      S = -u * (p * K - w * p5);
      break;
    case 3:
      RB = 2 * (e * K + g * p5);
      RC = -2 * r * K + 2 * w * p5;
      XA = -F - RB;
      YA = F - RC;
      S = -r * (e * K + g * p5);
      break;
    default:
      XA = 2 * (r - p) * (g - 2);
      YA = F;
      RB = 2 * (p * K - w * p5);
      RC = -2 * r * K + 2 * w * p5;
      S = -r * (p * K - w * p5);
      break;
  }
  int v[7] = {XA, YA, RB, RC, S, M, F};
  toolkit::NormalizeIntVector(v, 7);
  std::string row = std::to_string(toolkit::PrintedVariantNumber(s));
  for (int i = 0; i < 5; ++i) row += "&" + toolkit::FormatFixed(v[i], 6, 0);
  AnsWriteLine(s, row);
  return {v[6], v[5]};
}

}  // namespace

void BeginThreeBodyStructureIIProblem(SharedState& s) {
  s.ParboxWidth = 200;
  WriteSecondBookReference(s, 30);
  AnsBeginTable(s, 8);
  AnsWrite(s,
           "\\#\\ru & \\mc{$X_A$}& \\mc{$Y_A$}& \\mc{$R_B$}& \\mc{$R_C$}& \\mc{$S$} \\\\\\hline");
  WriteLine(s,
            "Find the reaction supports and stress in rod 1 in composite construction. "
            "Dimensions are in meters.");
}

void WriteThreeBodyStructureIIVariant(SharedState& s) {
  const int p1 = s.P1, p2 = s.P2, p3 = s.P3, p4 = s.P4, p5 = s.P5, p6 = s.P6, p7 = s.P7;
  ClearPoints(s, 9);
  const int e = p5 + 5;
  int g = p3 == 1 ? 6 - Sigma(p4) : -p5 - 10 + Sigma(p6);
  const int p = p7 + 3;
  const int r = p - Tau(p4);
  const int u = 2 * Sigma(p2);
  const int w = p2 % 2 == 1 ? p4 + 2 : -(p4 + 1);
  int F = 0;
  while (true) {
    switch (p1) {
      case 1:
        F = 2 * g * (e - u);
        break;
      case 2:
        F = 2 * (u * w + p * g);
        break;
      case 3:
        F = -2 * (e * w + g * r);
        break;
      default:
        F = 2 * w * (r - p);
        break;
    }
    if (F != 0) break;
    // Degenerate geometry: A moves one metre further out.
    WriteText(s, "*");
    --g;
  }
  auto& X = s.PointX;
  auto& Y = s.PointY;
  const int pts[10][2] = {{0, 0},  {-g, -w}, {0, 0},  {0, -2}, {e, -2},
                          {u, -r}, {e, -p},  {-g, 0}, {e, 0},  {0, -r}};
  for (int i = 1; i <= 9; ++i) {
    X[i] = pts[i][0];
    Y[i] = pts[i][1];
  }
  s.BoxWidth = 130;
  s.BoxHeight = 70;
  const Loads loads = SolveThreeBodyStructureII(s, e, g, p, r, u, w, F);

  FitPointsToBox(s, 9, 0);
  // The structure, its loads and the vertical chain with its digits, with a little air under
  // the heading; the data column stands at the right of the variant's box.
  BeginPicture(s, 170, 105, -15, -22);
  SetLineWidth(s, 1);
  DrawDimensionChains(s, 9, s.Scale * s.RangeX + 17, -22, 1, s.Scale, s.Scale, 8);
  X[3] += 1.5;  // rod 1 is drawn inside its hinges
  X[4] -= 1.5;
  PutLabel(s, "$B$", X[5] + 4 * Sigma(p2) - 3, Y[5] + 1);
  PutLabel(s, "$A$", X[1] - 8, Y[1] - 4);
  PutLabel(s, "$C$", X[6] + 1, Y[6] - 8);
  for (int i : {2, 3, 4}) DrawNodeMarker(s, i);
  if (w < 0) {
    PutUpHingeBoxAtPoint(s, 1);
  } else {
    PutHingeBoxAtPoint(s, 1);
  }
  if (p1 <= 2) {
    PutDownBoxAtPoint(s, 5);
  } else if (u > 0) {
    PutRightRodBox(s, X[5] - 1, Y[5]);
  } else {
    PutLeftRodBox(s, X[5] + 1, Y[5]);
  }
  if (p1 == 1 || p1 == 3) {
    PutDownBoxAtPoint(s, 6);
  } else {
    PutRightRodBox(s, X[6] - 1, Y[6]);
  }
  DrawBar(s, 4, 3);
  SetLineWidth(s, 10);
  if (w < 0) DrawSegment(s, X[7], Y[2], X[7], Y[3]);
  if (p3 == 1) {
    DrawSegmentFromNodeRev(s, 7, 2);
    DrawSegmentFromNodeRev(s, 7, 1);
  } else {
    MoveTo(s, X[2], Y[2] + 1.5);
    LineTo(s, X[2], Y[2] + 8);
    LineTo(s, X[7], Y[2] + 8);
    LineTo(s, X[7], Y[1] + Tau(p2));
    if (w < 0) DrawSegment(s, X[7], Y[2] + 8, X[7], Y[3]);
  }
  DrawSegmentFromNodeRev(s, 8, 6);
  DrawSegmentFromNodeRev(s, 8, 2);
  DrawSegmentFromNodeRev(s, 9, 5);
  DrawSegmentFromNodeRev(s, 9, 2);
  SetLineWidth(s, 1);
  DrawSegment(s, X[4] - 12, Y[3] - 10, X[4] - 22, Y[3]);
  PutLabel(s, "$1$", X[4] - 11, Y[3] - 11);
  PutBox(s, loads.M > 0 ? "umomentp" : "umomentm", X[4], Y[3] + 7);
  PutLabel(s, "$M$", X[4] - 17, Y[3] + 4);
  WriteText(s, "\\Red{");
  DrawDirectedVectorWithLabel(s, 0, -1, "$F$", loads.F, X[9], Y[9] - 1, 14, 2, -12);
  DrawDirectedVectorWithLabel(s, 1, 0, "$F$", loads.F, X[7], Y[3], 14, 6, 2);
  WriteText(s, "}");
  EndPicture(s);
  WriteText2NumbersLn(s, "\\hfill\\parbox[b]{23mm}{\\small $M$=", std::abs(loads.M),
                      "~kNm,\\\\ $F$=", std::abs(loads.F), "~kN.} ");
}

}  // namespace statics
