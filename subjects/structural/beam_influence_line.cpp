#include "subjects/structural/beam_influence_line.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "figures/dimensions.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "figures/supports.h"
#include "subjects/structural/common/linear_system.h"
#include "subjects/structural/common/mechanics_state.h"
#include "toolkit/answers.h"
#include "toolkit/errors.h"
#include "toolkit/number_format.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace structural {

namespace {

constexpr int InfluenceHingeTable[15][4] = {
    {3, 5, 8, 10}, {4, 6, 7, 9}, {4, 5, 8, 10}, {3, 5, 8, 9},  {4, 6, 8, 10},
    {3, 5, 7, 9},  {4, 6, 8, 9}, {4, 5, 7, 9},  {3, 6, 8, 10}, {3, 5, 7, 10},
    {3, 6, 7, 10}, {4, 5, 7, 10}, {3, 6, 8, 9}, {4, 6, 7, 10}, {3, 6, 7, 9},
};
constexpr int InfluenceSupportTable[15][6] = {
    {2, 4, 6, 7, 9, 11}, {2, 3, 5, 8, 10, 11}, {2, 3, 6, 7, 9, 11}, {2, 4, 6, 7, 10, 11},
    {2, 3, 5, 7, 9, 11}, {2, 4, 6, 8, 10, 11}, {2, 3, 5, 7, 10, 11}, {2, 3, 6, 8, 10, 11},
    {2, 4, 5, 7, 9, 11}, {2, 4, 6, 8, 9, 11},  {2, 4, 5, 8, 9, 11},  {2, 3, 6, 8, 9, 11},
    {2, 4, 5, 7, 10, 11}, {2, 3, 5, 8, 9, 11}, {2, 4, 5, 8, 10, 11},
};

constexpr double kTemporaryLoad = 5;  // kN/m
constexpr double kPermanentLoad = 2;  // kN/m

// The equilibrium equations of the beam, segment by segment (BuildMultispanBeamSystem):
// unknowns VL, VR, ML, MR of segment i at 4i-3..4i, the six reactions at 45..50.
void BuildMultispanBeamSystem(Mechanics& m, const BeamInfluenceVariant& v) {
  ClearLinearSystem(m, 50);
  auto& a = m.SystemMatrix;
  auto vl = [](int i) { return 4 * i - 3; };
  auto vr = [](int i) { return 4 * i - 2; };
  auto ml = [](int i) { return 4 * i - 1; };
  auto mr = [](int i) { return 4 * i; };
  for (int i = 1; i <= 11; ++i) {
    a[i][vl(i)] = 1;
    a[i][vr(i)] = 1;
    a[11 + i][vr(i)] = v.Length[i];
    a[11 + i][ml(i)] = 1;
    a[11 + i][mr(i)] = 1;
  }
  a[23][vl(1)] = 1;
  for (int j = 2; j <= 11; ++j) {
    a[22 + j][vr(j - 1)] = 1;
    a[22 + j][vl(j)] = 1;
    for (int k = 1; k <= 6; ++k)
      if (v.Support[k] == j) a[22 + j][44 + k] = -1;
  }
  a[34][vr(11)] = 1;
  a[35][ml(1)] = 1;
  for (int j = 2; j <= 11; ++j) {
    a[34 + j][mr(j - 1)] = 1;
    a[34 + j][ml(j)] = 1;
  }
  a[46][mr(11)] = 1;
  for (int h = 1; h <= 4; ++h) a[46 + h][mr(v.Hinge[h] - 1)] = 1;
}

}  // namespace

BeamInfluenceVariant DeriveBeamInfluenceVariant(int p1, int p2, int p3, int p4, int p5, int p6) {
  if (p1 < 1 || p1 > 15 || p6 < 1 || p6 > 6) {
    throw toolkit::DegenerateDataError("beam influence line: no such layout or support");
  }
  BeamInfluenceVariant v;
  v.Layout = p1;
  v.SupportA = p6;
  for (int h = 1; h <= 4; ++h) v.Hinge[h] = InfluenceHingeTable[p1 - 1][h - 1];
  for (int k = 1; k <= 6; ++k) v.Support[k] = InfluenceSupportTable[p1 - 1][k - 1];
  for (int i = 1; i <= 11; ++i) v.Length[i] = 1;
  for (int p : {p2, p3, p4, p5}) {
    if (p < 1 || p > 11) throw toolkit::DegenerateDataError("beam influence line: no segment");
    v.Length[p] = 2;
  }
  v.X[1] = 0;
  for (int i = 1; i <= 11; ++i) v.X[i + 1] = v.X[i] + v.Length[i];

  // Unit loads at the free ends and at the hinges (SolveMultispanBeamSystem).
  auto m = std::make_unique<Mechanics>();
  BuildMultispanBeamSystem(*m, v);
  m->SystemRhs[23][1] = 1;
  for (int h = 1; h <= 4; ++h) m->SystemRhs[22 + v.Hinge[h]][h + 1] = 1;
  m->SystemRhs[34][6] = 1;
  SolveLinearSystem(*m, 50, 6, "multi-span beam");

  const int k = v.SupportA;
  const auto reaction = [&](int load_case) { return m->SystemRhs[44 + k][load_case]; };
  v.Ordinate[v.Support[k]] = 1;
  v.Ordinate[1] = -reaction(1);
  v.Ordinate[12] = -reaction(6);
  for (int h = 1; h <= 4; ++h) v.Ordinate[v.Hinge[h]] = -reaction(h + 1);

  // Round-off leaves traces such as -1e-17 where the line is zero; they would print as
  // "-0.000".
  for (int i = 1; i <= 12; ++i)
    if (std::fabs(v.Ordinate[i]) < 1e-9) v.Ordinate[i] = 0;
  for (int i = 1; i <= 11; ++i) {
    const double area = v.Length[i] * (v.Ordinate[i] + v.Ordinate[i + 1]) / 2;
    v.Omega += area;
    if (area > 0) v.OmegaPlus += area;
    if (area < 0) v.OmegaMinus += area;
  }
  v.VmaxTemporary = kTemporaryLoad * v.OmegaPlus;
  v.VminTemporary = kTemporaryLoad * v.OmegaMinus;
  v.VPermanent = kPermanentLoad * v.Omega;
  v.Vmax = v.VPermanent + v.VmaxTemporary;
  v.Vmin = v.VPermanent + v.VminTemporary;
  return v;
}

void BeginBeamInfluenceLineProblem(SharedState& s) {
  s.ParboxWidth = 190;
  WriteLine(s,
            " Построить линию влияния реакции опоры $A$ в многопролетной балке. Размеры даны в "
            "метрах.  Найти минимальное и максимальное значения этой реакции при совместном  "
            "действии равномерной временной  $q^{вр}=5$~кН/м и постоянной нагрузки "
            "$q^{п}=2$~кН/м.");
  WriteLine(s, "\\\\\\noindent");
  Ans2BeginTable(s, 7);
  Ans2Write(s,
            " \\No \\ru & $V_{\\max}^{вр}$ &$V_{\\min}^{вр}$&$V^{п}$&$V_{\\max}$&$V_{\\min}$ " +
                NamesHeadCell(s) + "\\\\\\hline");
}

void WriteBeamInfluenceLineVariant(SharedState& s) {
  const BeamInfluenceVariant v = DeriveBeamInfluenceVariant(s.P1, s.P2, s.P3, s.P4, s.P5, s.P6);
  const int a = v.Support[v.SupportA];

  ClearPoints(s, 13);
  auto& x = s.PointX;
  auto& y = s.PointY;
  for (int i = 1; i <= 12; ++i) x[i] = v.X[i];
  x[13] = 0;
  y[13] = 1;
  s.BoxWidth = 180;
  s.BoxHeight = 120;
  FitPointsToBox(s, 13, 0);
  // The beam spans 180 with the supports under it and the dimensions 25 below.
  BeginPicture(s, 196, 40, -8, -30);
  for (int h = 1; h <= 4; ++h) DrawNodeMarker(s, v.Hinge[h]);
  PutHingeBox(s, x[v.Support[1]], -1.5);
  for (int k = 2; k <= 6; ++k) PutBox(s, "dnst", x[v.Support[k]], -1.5);
  PutLabel(s, "A", x[a] - 3, 3);
  SetLineWidth(s, 10);
  DrawSegmentFromNodeRev(s, 1, v.Hinge[1]);
  for (int h = 1; h <= 3; ++h) DrawBar(s, v.Hinge[h], v.Hinge[h + 1]);
  DrawSegmentFromNodeRev(s, 12, v.Hinge[4]);
  SetLineWidth(s, 1);
  DrawDimensionChainX(s, 12, -25, s.Scale);
  EndPicture(s);

  // The influence line, scaled to 20 units at its largest ordinate (1 at A at least).
  double largest = 0;
  for (int i = 1; i <= 12; ++i) largest = std::max(largest, std::fabs(v.Ordinate[i]));
  toolkit::IndexedArray<double, 1, 12> yy{};
  for (int i = 1; i <= 12; ++i) yy[i] = 20 * v.Ordinate[i] / largest;

  Ans2Write(s, toolkit::FormatNumber(toolkit::PrintedVariantNumber(s)) + "\\ru ");
  AnsBeginVariantBox(s, 200);
  // The beam with its supports and A stands above the line, which has an axis of its own:
  // drawn along the beam, the line would cross the supports wherever it dips. The line is 20
  // at most either side with its values; inside the narrower box of the students mode too.
  constexpr double kBeamY = 52;
  for (int i = 1; i <= 12; ++i) y[i] = kBeamY;
  AnsBeginPicture(s, 200, 90, -4, -28);
  AnsPutText(s, "{\\small $A$}", x[a] - 4, kBeamY - 22);
  AnsSetLineWidth(s, 12);
  for (int h = 1; h <= 4; ++h) {
    AnsDrawSegment(s, x[v.Hinge[h]], kBeamY - 1, x[v.Hinge[h]], kBeamY + 1);
  }
  AnsWrite(s, "\\Red{");
  AnsDrawSegmentPoints(s, 1, 12);
  AnsWrite(s, "}");
  AnsSetLineWidth(s, 1);
  for (int h = 1; h <= 4; ++h) AnsDrawDotAtPoint(s, v.Hinge[h]);
  for (int k = 1; k <= 6; ++k) AnsPutBox(s, "dnst", x[v.Support[k]], kBeamY - 1.6);
  AnsDrawSegment(s, 0, 0, x[12], 0);
  AnsMoveTo(s, 0, 0);
  AnsLineTo(s, 0, yy[1]);
  for (int i = 2; i <= 12; ++i) AnsLineTo(s, x[i], yy[i]);
  AnsLineTo(s, x[12], 0);
  for (int i = 1; i <= 12; ++i) {
    if (std::fabs(yy[i]) > 1e-8) {
      AnsPutValueLabel(s, x[i] - 3, yy[i] + 1 - 4 * (1 - toolkit::SignOf(yy[i])), v.Ordinate[i]);
    }
  }
  AnsEndPicture(s);
  AnsWrite(s, "\\\\ ");
  // The box, then the document's answers block is closed and opened again, so that the
  // pages can break between variants (one block would run off the sheet).
  AnsWrite(s, "}}}\\par \\parbox{430pt}{");

  for (double value : {v.VmaxTemporary, v.VminTemporary, v.VPermanent, v.Vmax, v.Vmin}) {
    Ans2Write(s, "&" + toolkit::FormatFixed(value, 6, 3));
  }
  // The shell ends the row; in students mode the name takes the last column.
  if (s.StudentsMode) Ans2Write(s, "&" + s.StudentNames[s.VariantIndex + 1]);
}

}  // namespace structural
