#include "subjects/statics/three_body_structure_i.h"

#include <cmath>
#include <cstdint>
#include <string>

#include "figures/dimensions.h"
#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "figures/supports.h"
#include "toolkit/answers.h"
#include "toolkit/errors.h"
#include "toolkit/indexed_array.h"
#include "toolkit/number_format.h"
#include "toolkit/numerics.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace statics {

namespace {

// Mirror signs (s, t) by P1.
struct MirrorSigns {
  int s, t;
};
const toolkit::IndexedArray<MirrorSigns, 1, 4> ThreeBodyISigns = [] {
  toolkit::IndexedArray<MirrorSigns, 1, 4> t;
  t[1] = {1, 1};
  t[2] = {1, -1};
  t[3] = {-1, 1};
  t[4] = {-1, -1};
  return t;
}();

struct Loads {
  int F = 0, P = 0, M = 0;
};

// The reactions, normalised with F; P and M from the normalised F. A failed moment check is
// never written as an answer.
Loads SolveThreeBodyStructureI(SharedState& s, int h, int b, int sg, int k, int f, int F) {
  const int XA = b * (h - h * sg * k + 2 * sg + 2 * sg * f) - h * b * b * sg - 2 * f;
  const int YA = -(h - 2) * (h * b + h * k - 2 - 2 * f);
  const int YB = (h - 2) * (h * k - 2);
  const int XB = 2 * ((k + 1) * f - b) - h * k * f;
  const int XC = 2 * (b - b * sg - k * f - b * sg * f) + h * (b * b * sg + b * sg * k - b + k * f);
  int v[6] = {XA, YA, YB, XB, XC, F};
  toolkit::NormalizeIntVector(v, 6);
  Loads loads;
  loads.F = v[5];
  loads.P = (h - 2) * loads.F;
  loads.M = loads.P * k;
  const auto& X = s.PointX;
  const auto& Y = s.PointY;
  const double residual = -v[4] * (Y[3] - 104) - v[3] * (Y[4] - 104) - v[0] * (Y[5] - 104) -
                          loads.F * (Y[3] - 104) + loads.F * (Y[7] - 104) + loads.M +
                          loads.P * (X[2] - 100) + v[1] * (X[5] - 100) + v[2] * (X[4] - 100);
  if (std::fabs(residual) > 1e-8) {
    throw toolkit::DegenerateDataError(
        "Statics row 25, variant " + std::to_string(toolkit::PrintedVariantNumber(s)) +
        ": the reactions leave a moment of " + toolkit::FormatNumber(residual) + " kNm");
  }
  std::string row = std::to_string(toolkit::PrintedVariantNumber(s));
  for (int i : {0, 1, 3, 2, 4}) row += "&" + toolkit::FormatFixed(v[i], 6, 0);
  AnsWriteLine(s, row);
  return loads;
}

}  // namespace

void BeginThreeBodyStructureIProblem(SharedState& s) {
  s.ParboxWidth = 200;
  WriteSecondBookReference(s, 24);
  AnsBeginTable(s, 9);
  AnsWrite(s,
           "\\#\\ru & \\mc{$X_A$}& \\mc{$Y_A$}& \\mc{$X_B$}& \\mc{$Y_B$}& \\mc{$X_C$} \\\\\\hline");
  WriteLine(s,
            "Determine the reaction supports the construction (in kN), consisting of three "
            "bodies. Dimensions are in meters.");
  s.LabelStyle = "\\OliveGreen";
}

void WriteThreeBodyStructureIVariant(SharedState& s) {
  const int p1 = s.P1, p2 = s.P2, p3 = s.P3, p6 = s.P6, p7 = s.P7;
  const MirrorSigns& signs = ThreeBodyISigns[p1];
  auto& X = s.PointX;
  auto& Y = s.PointY;
  int b = 0, f = 0, h = 0, k = 0, F = 0;
  while (true) {
    ClearPoints(s, 8);
    b = p1 == 4 ? p2 : p2 + 1;
    const int L = p1 == 1 ? p3 + b + 1 : p1 == 2 ? p3 + p2 + 1 : p1 == 3 ? 2 * b + p3 : p7 + 3;
    f = signs.t * L;
    h = s.P4 + 2;
    k = p7 + p6 - 4 == 0 ? p7 : p7 + p6 - 4;
    const double d = -s.P4;  // the level of A, B and point 7
    const double pts[9][2] = {{0, 0},       {0, 2},       {1.0 * b, 0},
                              {0, 0},       {1.0 * f, d}, {1.0 * b * (1 - signs.s), d},
                              {1.0 * f, 2}, {1.0 * b, d}, {-0.6, 0}};
    for (int i = 1; i <= 8; ++i) {
      X[i] = pts[i][0];
      Y[i] = pts[i][1];
    }
    s.BoxWidth = 125;
    s.BoxHeight = 62;
    F = h * b - 2 * f;
    if (F != 0) break;
    // Degenerate geometry: P4 is raised for the rest of this variant.
    s.P4 = static_cast<std::int8_t>(s.P4 + 1);
  }
  const Loads loads = SolveThreeBodyStructureI(s, h, b, signs.s, k, f, F);

  FitPointsToBox(s, 8, 0);
  s.LabelStyle = "\\Blue";
  // The structure, its loads and the vertical chain with its digits, with a little air under
  // the heading; the data column stands at the right of the variant's box.
  BeginPicture(s, 160, 94, -12, -25);
  PutBox(s, loads.M > 0 ? "umomentp" : "umomentm", X[1], Y[3] + 8);
  PutLabel(s, "$M$", X[1] - 10, Y[3] + 14);
  WriteText(s, "\\Red{");
  DrawDirectedVectorWithLabel(s, 1, 0, "$F$", loads.F, X[6], Y[3], 14, 4, 2);
  DrawDirectedVectorWithLabel(s, 1, 0, "$F$", -loads.F, p1 <= 2 ? X[7] : X[7] - 13, Y[7], 12, 2, 2);
  DrawDirectedVectorWithLabel(s, 0, 1, "$P$", loads.P, X[2], Y[2] + 1.5, 14, 2, 5);
  WriteText(s, "}");
  s.LabelStyle = "\\Black";
  PutLabel(s, "$B$", X[4] + 2, Y[4]);
  PutLabel(s, "$A$", X[5] - 1, Y[5] + 3);
  PutLabel(s, "$C$", X[8] - 11, Y[8] - 3);
  for (int i : {1, 2, 3}) DrawNodeMarker(s, i);
  for (int i : {4, 5, 8}) PutHingeBoxAtPoint(s, i);
  SetLineWidth(s, 10);
  DrawBar(s, 8, 3);
  DrawBar(s, 1, 3);
  DrawBar(s, 1, 2);
  DrawBar(s, 2, 3);
  DrawSegmentFromNodeRev(s, 6, 1);
  DrawSegmentFromNodeRev(s, 6, 4);
  DrawSegmentFromNodeRev(s, 7, 2);
  DrawSegmentFromNodeRev(s, 7, 5);
  SetLineWidth(s, 1);
  DrawDimensionChains(s, 7, s.Scale * s.RangeX + 17, -21, 1, s.Scale, s.Scale, 7);
  EndPicture(s);
  WriteText3NumbersLn(s, "\\hfill\\parbox[b]{27mm}{\\small $M=", std::abs(loads.M),
                      "$~kNm,\\\\ $F=", std::abs(loads.F), "$~kN,\\\\ $P=", std::abs(loads.P),
                      "$~kN.}");
}

}  // namespace statics
