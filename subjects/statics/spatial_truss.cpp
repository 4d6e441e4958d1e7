#include "subjects/statics/spatial_truss.h"

#include <cmath>
#include <cstdlib>
#include <string>

#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/supports.h"
#include "subjects/structural/common/linear_system.h"
#include "subjects/structural/common/three_d_box.h"
#include "toolkit/answers.h"
#include "toolkit/indexed_array.h"
#include "toolkit/number_format.h"
#include "toolkit/numerics.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace statics {

namespace {

// A solved value within rounding noise of zero prints as 0.000, never as -0.000.
double CleanZero(double v) { return std::fabs(v) < 1e-9 ? 0.0 : v; }

// The drawing unit of the box figure; set by the begin routine.
double BoxUnit = 11;

// Bar b (1..6) runs from node SpatialBarEnds[b] to node SpatialBarEnds[b + 6].
toolkit::IndexedArray<int, 1, 12> SpatialBarEnds{};
int JointA = 0, JointB = 0, WallNode = 0;
int BarTwoSupport = 0, BarFiveSupport = 0, BarSixSupport = 0, SupportSelector = 0;
int LoadAxis = 1;  // F along x (1) or y (2)
int LoadF = 0, LoadG = 0;
double RodFigureLength = 0;
toolkit::IndexedArray<double, 1, 3> RodFigureCentroid{};

void DefineSpatialBoxSavebox(SharedState& s, int mode) {
  const auto& X = s.PointX;
  const auto& Y = s.PointY;
  const double K = BoxUnit;
  WriteLine(s, "\\newsavebox{\\kub}\\sbox{\\kub}{%");
  if (mode == 21) {
    WriteText(s, "\\Red{");
    DrawVector(s, 0, 1, X[6], Y[6], 5 * K);
    DrawVector(s, 1, 0, X[6], Y[6], 9.8 * K);
    DrawVector(s, -1, -1, X[6], Y[6], 2.7 * K);
    WriteText(s, "}");
    PutLabel(s, "$x$", X[5] - 2, Y[5] - 7);
    PutLabel(s, "$z$", X[2] + 3, Y[2] + 5);
    PutLabel(s, "$y$", X[7] + 2 * K + 8, Y[7] + 4);
  }
  BeginPicture(s, 2, 2, 0, 0);
  const int edges[7][2] = {{1, 2}, {2, 3}, {3, 4}, {5, 6}, {6, 7}, {7, 8}, {1, 4}};
  for (const auto& e : edges) structural::DrawDashedLinePoints(s, e[0], e[1], 6);
  structural::DrawDashedLinePoints(s, 9, 8, 8);
  for (int k = 1; k <= 4; ++k) structural::DrawDashedLinePoints(s, k, k + 4, 6);
  // a
  DrawLineBySlope(s, X[8] + 2, Y[8], 1, 0, 20);
  DrawSegment(s, X[8] + 20, Y[8], X[7] + 20, Y[7]);
  PutBlueLabel(s, "$a$", (X[8] + X[7]) / 2 + 21, (Y[8] + Y[7]) / 2 - 3);
  // ticks of b and d
  DrawLineBySlope(s, X[8], Y[8] - 3, 0, -1, 10);
  DrawLineBySlope(s, X[9], Y[9] - 3, 0, -1, 10);
  if (mode == 11) {
    DrawLineBySlope(s, X[5], Y[5] - 3, 0, -1, 10);
  } else {
    DrawLineBySlope(s, X[5], Y[5] - 8, 0, -1, 5);
  }
  DrawSegment(s, X[9] - 2, Y[5] - 12, X[8] + 2, Y[5] - 12);
  PutBlueLabel(s, "$b$", (X[8] + X[5]) / 2, Y[5] - 10);
  PutBlueLabel(s, "$d$", (X[5] + X[9]) / 2 - 3, Y[5] - 10);
  // c
  DrawLineBySlope(s, X[3] + 2, Y[3], 1, 0, 20);
  DrawLineBySlope(s, X[7] + 2, Y[7], 1, 0, 20);
  DrawLineBySlope(s, X[7] + 20, Y[7] - 4, 0, 1, s.CuboidC + 6);
  PutBlueLabel(s, "$c$", X[7] + 21, Y[7] + s.CuboidC / 2 - 3);
  EndSaveBox(s);
}

void SolveSpatialTruss(SharedState& s) {
  structural::ClearLinearSystem(s, 6);
  auto& A = s.SystemMatrix;
  auto& B = s.SystemRhs;
  const auto& node = s.BoxCornerTable;
  for (int b = 1; b <= 6; ++b) {
    const int from = SpatialBarEnds[b], to = SpatialBarEnds[b + 6];
    const double dx = node[to][1] - node[from][1];
    const double dy = node[to][2] - node[from][2];
    const double dz = node[to][3] - node[from][3];
    const double len = toolkit::Hypot3(dx, dy, dz);
    const double e[3] = {dx / len, dy / len, dz / len};
    for (int r = 0; r < 3; ++r) {
      if (b <= 3) A[1 + r][b] = e[r];
      if (b == 4) A[1 + r][b] = -e[r];
      if (b >= 4) A[4 + r][b] = e[r];
    }
  }
  B[3 + LoadAxis][1] = LoadF;
  B[6][1] = -LoadG;
  structural::SolveLinearSystem(s, 6, 1, "spatial truss");
}

void ComputeRodFigureCentroid(SharedState& s) {
  const auto& node = s.BoxCornerTable;
  RodFigureLength = 0;
  toolkit::IndexedArray<double, 1, 3> moment{};
  for (int b = 1; b <= 6; ++b) {
    const int from = SpatialBarEnds[b], to = SpatialBarEnds[b + 6];
    const double len = toolkit::Hypot3(node[to][1] - node[from][1], node[to][2] - node[from][2],
                                       node[to][3] - node[from][3]);
    RodFigureLength += len;
    for (int k = 1; k <= 3; ++k) moment[k] += len * (node[from][k] + node[to][k]) / 2;
  }
  for (int k = 1; k <= 3; ++k) RodFigureCentroid[k] = moment[k] / RodFigureLength;
}

void DrawSpatialTrussLoads(SharedState& s) {
  const double XB = s.PointX[JointB], YB = s.PointY[JointB];
  const int sign = toolkit::SignOf(LoadF);
  if (LoadAxis == 1) {
    const int e = JointB == 4 ? 1 : -1;
    DrawRedForceWithLabel(s, -sign, -sign, "$\\vec F$", XB + 1 + 8 * (sign - e),
                          YB + 1 + 8 * (sign - e), 18, -5 * e, 0);
  } else {
    const int f = JointB == 2 ? -1 : 1;
    DrawRedForceWithLabel(s, sign, 0, "$\\vec F$", XB + 11 * (f - sign), YB, 21,
                          5 * f + 10 * sign + 3, 2);
  }
  DrawRedForceWithLabel(s, 0, -1, "$\\vec G$", XB, YB + 19, 18, 2, -6);
}

void PutBarNumberLabel(SharedState& s, int i, int j, int n) {
  const auto& X = s.PointX;
  const auto& Y = s.PointY;
  const double dx = X[j] - X[i], dy = Y[j] - Y[i];
  const double mx = (X[i] + X[j]) / 2, my = (Y[i] + Y[j]) / 2 - 5.5;
  PutValueLabelNonZero(s, dx * dy >= 0 ? mx + 1.5 : mx - 3, my, n);
}

}  // namespace

void BeginSpatialTrussProblem(SharedState& s, int mode) {
  BoxUnit = 11;
  const double K = BoxUnit;
  s.ParboxWidth = 200;
  s.CuboidA = 3 * K;
  s.CuboidB = 6 * K;
  s.CuboidC = 4 * K;
  s.CuboidD = 3 * K;
  structural::SetBoxVertices(s);
  auto& X = s.PointX;
  auto& Y = s.PointY;
  X[9] = X[5] - s.CuboidD;
  X[10] = X[6] - s.CuboidD;
  X[11] = X[9];
  X[12] = X[10];
  Y[9] = Y[5];
  Y[10] = Y[6];
  Y[11] = Y[1];
  Y[12] = Y[2];
  DefineSpatialBoxSavebox(s, mode);
  AnsBeginTable(s, 7);
  if (mode == 11) {
    AnsWriteLine(s, " & $S_1$& $S_2$& $S_3$& $S_4$& $S_5$& $S_6$\\\\\\hline");
    WriteLine(s,
              " Determine efforts in bars 1 - 6 of spatial trusses, loaded into a single node by "
              "vertical force $\\vec G $ and the horizontal $\\vec F$. The result must be "
              "expressed in kN.");
    WriteBookReference(s, 86);
  } else {
    AnsWriteLine(s, " & $ L $&$ x_c$&$ y_c$&$ z_c$\\\\\\hline");
    WriteLine(s,
              "Find the center of gravity of the spatial figure composed of six homogeneous "
              "rods. Dimensions are in meters.");
    WriteBookReference(s, 122);
  }
}

void WriteSpatialTrussVariant(SharedState& s, int mode) {
  const int p1 = s.P1, p2 = s.P2, p4 = s.P4, p5 = s.P5, p6 = s.P6, p7 = s.P7;
  structural::ClearLinearSystem(s, 6);
  SupportSelector = p5 <= 2 ? 1 : 2;
  LoadAxis = p5 == 1 || p5 == 3 ? 1 : 2;
  LoadF = p1 > p2 ? -4 * p6 : p6;
  LoadG = p6 + p7 + p5;
  JointA = p1;
  JointB = p1 + p2;
  WallNode = p4 + 8;
  BarTwoSupport = 3 * (p6 - 1) + 5;
  BarFiveSupport = 8;
  BarSixSupport = JointB == 3 ? 3 * (SupportSelector - 1) + 4 : 4 * (SupportSelector - 1) + 3;
  if (BarTwoSupport == 8 && BarSixSupport == 7 && JointB == 2) BarSixSupport = 3;
  if (BarFiveSupport == 8 && BarSixSupport == 7 && JointB == 2) BarFiveSupport = 3;
  if (JointB == 3 || JointB == 4) LoadAxis = 2;

  const double a = structural::BoxSizeTable[1][p7];
  const double b = structural::BoxSizeTable[2][p7];
  const double c = structural::BoxSizeTable[3][p7];
  s.SolidSizeX = a;
  s.SolidSizeY = b;
  s.SolidSizeZ = c;
  s.WallDistance = std::abs(static_cast<int>(c) - p1);
  const double d = s.WallDistance;
  structural::InitBoxCornerTable(s);
  auto& node = s.BoxCornerTable;
  for (int n = 9; n <= 12; ++n) {
    node[n][1] = n == 9 || n == 11 ? a : 0;
    node[n][2] = -d;
    node[n][3] = n <= 10 ? 0 : c;
  }

  const auto& X = s.PointX;
  const auto& Y = s.PointY;
  s.RangeX = X[3] + 25;
  s.RangeY = Y[3] + 36;
  WriteText(s, "\\par");
  if (mode == 11) {
    // The box's dimension letter c stands up to 13 pt right of it and the load G 3 pt over
    // the top: the picture reserves them.
    BeginPicture(s, s.RangeX + s.CuboidD + 14, 110, -40, -16);
  } else {
    // The box's depth reaches CuboidD left of the origin, the dimension a with its letter
    // 33 past RangeX; the data column stands at the right of the variant's box.
    BeginPicture(s, s.RangeX + s.CuboidD + 34, s.RangeY - 1, -s.CuboidD - 1, -15);
  }
  PutBox(s, "kub", 0, 0);
  const int ends[12] = {JointA,   JointA,        JointA, JointB, JointB,         JointB,
                        WallNode, BarTwoSupport, 6,      JointA, BarFiveSupport, BarSixSupport};
  for (int k = 1; k <= 12; ++k) SpatialBarEnds[k] = ends[k - 1];
  if (mode == 21) ComputeRodFigureCentroid(s);
  if (mode == 11) {
    SetLineWidth(s, 9);
    for (int k = 1; k <= 6; ++k) DrawBar(s, SpatialBarEnds[k], SpatialBarEnds[k + 6]);
    SetLineWidth(s, 1);
    DrawNodeMarker(s, JointA);
    DrawNodeMarker(s, JointB);
    for (int n : {WallNode, BarTwoSupport, 6, BarFiveSupport, BarSixSupport})
      PutHingeBoxAtPoint(s, n);
    DrawSpatialTrussLoads(s);
    WriteText(s, "\\Blue{");
    for (int k = 1; k <= 6; ++k) PutBarNumberLabel(s, SpatialBarEnds[k], SpatialBarEnds[k + 6], k);
    WriteText(s, "}");
  } else {
    SetLineWidth(s, 12);
    for (int k = 1; k <= 6; ++k) DrawSegmentPoints(s, SpatialBarEnds[k], SpatialBarEnds[k + 6]);
    SetLineWidth(s, 1);
  }
  if (WallNode == 11) {
    structural::DrawDashedLinePoints(s, 9, 11, 6);
    structural::DrawDashedLinePoints(s, 11, 1, 6);
  } else if (WallNode == 10) {
    structural::DrawDashedLinePoints(s, 9, 10, 6);
    structural::DrawDashedLinePoints(s, 10, 6, 6);
  }
  EndPicture(s);

  AnsWrite(s, std::to_string(toolkit::PrintedVariantNumber(s)));
  if (mode == 11) {
    WriteText2NumbersLn(s, "\\hfill\\parbox[b]{65pt}{\\small $G=", std::abs(LoadG),
                        "$~kN,\\\\ $F=", std::abs(LoadF), "$~kN.}");
    WriteText3NumbersLn(s, "\\vfill\\parbox[b]{175pt}{\\small $a=", a, "$~m, $b=", b, "$~m, $c=", c,
                        "$~m,");
    WriteTextNumberLn(s, " $d=", d, "$~m.}");
    SolveSpatialTruss(s);
    std::string row;
    for (int k = 1; k <= 6; ++k)
      row += "&" + toolkit::FormatFixed(CleanZero(-s.SystemRhs[k][1]), 6, 3);
    AnsWrite(s, row);
  } else {
    WriteText2NumbersLn(s, "\\hfill\\parbox[b]{45pt}{ \\small $a=", a, "$,\\\\ $b=", b, "$,\\\\");
    WriteText2NumbersLn(s, " $c=", c, "$,\\\\  $d=", d, "$.}");
    std::string row = "&" + toolkit::FormatFixed(RodFigureLength, 8, 3);
    for (int k = 1; k <= 3; ++k) row += "&" + toolkit::FormatFixed(RodFigureCentroid[k], 8, 3);
    AnsWrite(s, row);
  }
}

}  // namespace statics
