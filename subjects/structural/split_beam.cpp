#include "subjects/structural/split_beam.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "figures/dimensions.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "figures/supports.h"
#include "subjects/structural/common/beam_diagrams.h"
#include "subjects/structural/common/linear_system.h"
#include "toolkit/answers.h"
#include "toolkit/errors.h"
#include "toolkit/number_format.h"
#include "toolkit/picture_frames.h"
#include "toolkit/terms.h"
#include "toolkit/writers.h"

namespace structural {

namespace {

// Pairs of point numbers bounding a uniform load (q2's shifted by 4), by P2 and P3.
constexpr int LoadSpanPairTable[6][2] = {{1, 2}, {2, 3}, {3, 4}, {1, 4}, {1, 3}, {2, 4}};
// By scheme: the hinges and the two rollers besides point 7.
constexpr int SchemeHinges[4][2] = {{4, 5}, {3, 6}, {4, 6}, {3, 5}};
constexpr int SchemeRollers[4][2] = {{3, 6}, {4, 5}, {3, 5}, {4, 6}};

// The loads of one variant as forces on the axis.
struct Loads {
  struct Uniform {
    double q, a, b;
  };
  std::vector<Uniform> uniform;
  std::vector<std::pair<double, double>> point;  // (x, downward force)
  double couple = 0, couple_x = 0;

  // Moment about x of the loads left of x (the couple when it stands left of x, or at x
  // with `couple_at_x`), clockwise positive for the downward loads.
  double MomentAbout(double x, bool couple_at_x) const {
    double sum = 0;
    for (const auto& u : uniform) {
      const double end = std::clamp(x, u.a, u.b);
      sum += u.q * (end - u.a) * (x - (u.a + end) / 2);
    }
    for (auto [xp, f] : point)
      if (xp < x) sum += f * (x - xp);
    if (couple_x < x || (couple_x == x && couple_at_x)) sum += couple;
    return sum;
  }
  double Total() const {
    double sum = 0;
    for (const auto& u : uniform) sum += u.q * (u.b - u.a);
    for (auto [xp, f] : point) sum += f;
    return sum;
  }
};

}  // namespace

SplitBeamVariant DeriveSplitBeamVariant(int p1, int p2, int p3, int p4, int p5, int p6, int p7) {
  if (p1 < 1 || p1 > 4 || p2 < 1 || p2 > 6 || p3 < 1 || p3 > 6) {
    throw toolkit::DegenerateDataError("split beam: no such scheme or load span");
  }
  SplitBeamVariant v;
  v.Scheme = p1;
  const int p[] = {p2, p3, p4, p5, p6, p7};
  v.X[1] = 0;
  for (int k = 1; k <= 6; ++k) v.X[k + 1] = v.X[k] + p[k - 1] + 3;
  v.X[8] = v.X[7] + p1 + p2 / 2 + 1;
  v.q1 = p4 + 4;
  v.q2 = p5 + 4;
  if (v.q2 == v.q1) v.q2 = v.q1 + 2;
  v.F = p6 + 4;
  v.P = p7 + 4;
  v.m = p1 == p3 ? 90 : toolkit::SignOf(p1 - p3) * (10 * p5 + 40);
  v.Load1From = LoadSpanPairTable[p2 - 1][0];
  v.Load1To = LoadSpanPairTable[p2 - 1][1];
  v.Load2From = LoadSpanPairTable[p3 - 1][0] + 4;
  v.Load2To = LoadSpanPairTable[p3 - 1][1] + 4;
  v.HasF = p2 == 2 || p2 == 3 || p2 == 6;
  v.HasP = p3 == 1 || p3 == 2 || p3 == 5;
  v.Hinge[1] = SchemeHinges[p1 - 1][0];
  v.Hinge[2] = SchemeHinges[p1 - 1][1];
  v.Support[1] = 2;
  v.Support[2] = SchemeRollers[p1 - 1][0];
  v.Support[3] = SchemeRollers[p1 - 1][1];
  v.Support[4] = 7;

  Loads loads;
  loads.uniform = {{double(v.q1), double(v.X[v.Load1From]), double(v.X[v.Load1To])},
                   {double(v.q2), double(v.X[v.Load2From]), double(v.X[v.Load2To])}};
  if (v.HasF) loads.point.push_back({v.X[1], v.F});
  if (v.HasP) loads.point.push_back({v.X[8], v.P});
  loads.couple = v.m;
  loads.couple_x = v.CoupleX();

  // The reactions: vertical balance, moments about the left end, and a zero moment at each
  // hinge from the forces left of it (every part in equilibrium).
  auto mech = std::make_unique<Mechanics>();
  ClearLinearSystem(*mech, 4);
  auto& a = mech->SystemMatrix;
  auto& rhs = mech->SystemRhs;
  const double end = v.X[8];
  for (int k = 1; k <= 4; ++k) {
    const double xs = v.X[v.Support[k]];
    a[1][k] = 1;
    a[2][k] = end - xs;
    for (int h = 1; h <= 2; ++h) {
      const double xh = v.X[v.Hinge[h]];
      a[2 + h][k] = xs < xh ? xh - xs : 0;
    }
  }
  rhs[1][1] = loads.Total();
  rhs[2][1] = loads.MomentAbout(end, true);
  for (int h = 1; h <= 2; ++h) rhs[2 + h][1] = loads.MomentAbout(v.X[v.Hinge[h]], false);
  SolveLinearSystem(*mech, 4, 1, "split beam");
  for (int k = 1; k <= 4; ++k) v.R[k] = rhs[k][1];

  // The diagrams: stations at the points and at the couple.
  for (int k = 1; k <= 4; ++k) v.Station[k] = v.X[k];
  v.Station[5] = v.CoupleX();
  for (int k = 5; k <= 8; ++k) v.Station[k + 1] = v.X[k];
  const auto hogging = [&](double x, bool couple_at_x) {
    double sum = loads.MomentAbout(x, couple_at_x);
    for (int k = 1; k <= 4; ++k) {
      const double xs = v.X[v.Support[k]];
      if (xs < x) sum -= v.R[k] * (x - xs);
    }
    return sum;
  };
  for (int k = 1; k <= 8; ++k) {
    const double mid = (v.Station[k] + v.Station[k + 1]) / 2;
    int q = 0;
    if (mid > v.X[v.Load1From] && mid < v.X[v.Load1To]) q += v.q1;
    if (mid > v.X[v.Load2From] && mid < v.X[v.Load2To]) q += v.q2;
    v.IntervalLoad[k] = q;
    double left = hogging(v.Station[k], true), right = hogging(v.Station[k + 1], false);
    // Round-off leaves traces such as 1e-14 at the hinges and the free ends.
    if (std::fabs(left) < 1e-9) left = 0;
    if (std::fabs(right) < 1e-9) right = 0;
    v.Moments[k] = {left, right};
    const double l = v.Station[k + 1] - v.Station[k];
    const double slope = (left - right) / l;  // of the sagging moment
    v.Shears[k] = {q * l / 2 + slope, slope - q * l / 2};
  }
  return v;
}

void BeginHingedMultispanBeamProblem(SharedState& s) {
  s.ParboxWidth = 205;
  Ans2BeginTable(s, 14);
  Ans2Write(s, " & $R_1$ &$R_2$&$R_3$&$R_4$&$M_1$ \\\\\\hline");
  WriteLine(s,
            " Определить реакции опор многопролетной балки. Построить эпюры моментов и "
            "перерезывающих сил.\\vskip2mm\\noindent ");
}

void WriteHingedMultispanBeamVariant(SharedState& s) {
  const SplitBeamVariant v = DeriveSplitBeamVariant(s.P1, s.P2, s.P3, s.P4, s.P5, s.P6, s.P7);
  s.PointLoadValue[1] = 0;
  s.PointLoadValue[8] = 0;
  s.DistributedLoadValue[1] = v.q1;
  s.DistributedLoadValue[2] = v.q2;
  s.ConcentratedLoadValue[1] = v.F;
  s.ConcentratedLoadValue[2] = v.P;

  // Figure.
  ClearPoints(s, 8);
  for (int k = 1; k <= 8; ++k) s.PointX[k] = v.X[k];
  // The beam takes 180 of the box's 205, the supports and loads at its ends the rest.
  s.BoxWidth = 180;
  s.BoxHeight = 70;
  FitPointsToBox(s, 8, 0);
  s.PointY[2] -= 1.5;
  for (int k = 2; k <= 4; ++k) s.PointY[v.Support[k]] -= 2;
  BeginPicture(s, 200, 90, -12, -50);
  SetLineWidth(s, 10);
  DrawBeamDistributedLoad(s, v.Load1From, v.Load1To, v.q1, 1);
  DrawBeamDistributedLoad(s, v.Load2From, v.Load2To, v.q2, 2);
  if (v.HasF) DrawBeamPointLoad(s, 1, 1);
  if (v.HasP) DrawBeamPointLoad(s, 8, 2);
  const double xm = MidX(s, 4, 5);
  WriteText(s, "\\Blue{");
  PutBox(s, v.m > 0 ? "rmomentp" : "rmomentm", xm, 0);
  WriteText(s, "}");
  PutLabel(s, "$m$", xm - 1, 10);
  DrawNodeMarker(s, v.Hinge[1]);
  DrawNodeMarker(s, v.Hinge[2]);
  DrawSegmentFromNodePoints(s, v.Hinge[1], 1);
  DrawBar(s, v.Hinge[1], v.Hinge[2]);
  DrawSegmentFromNodePoints(s, v.Hinge[2], 8);
  PutDownBoxAtPoint(s, v.Support[2]);
  PutDownBoxAtPoint(s, v.Support[3]);
  SetLineWidth(s, 1);
  PutHingeBoxAtPoint(s, 2);
  PutDownBoxAtPoint(s, 7);
  DrawDimensionChainX(s, 8, figures::ArrayMin(s.PointY, 8) - 24, s.Scale);
  EndPicture(s);

  const std::string per_metre = "${\\scriptsize$\\frac{\\mbox{кН}}{\\mbox{м}}$}";
  WriteTextNumberLn(s, "\\vfill\\parbox{204pt}{\\small\\ $m$=$", std::abs(v.m),
                    "$~{\\footnotesize кНм}, ");
  WriteText2NumbersLn(s, " $q_1$=$", v.q1, per_metre + ", $q_2$=$", v.q2, per_metre + "%");
  if (v.HasF) WriteTextNumberLn(s, ", $F$=$", v.F, "$~{\\footnotesize кН}%");
  if (v.HasP) WriteTextNumberLn(s, ", $P$=$", v.P, "$~{\\footnotesize кН}%");
  WriteText(s, "}");

  // Second answers table: the reactions; the M1 column has no value here.
  Ans2Write(s, toolkit::FormatNumber(toolkit::PrintedVariantNumber(s)));
  for (int k = 1; k <= 4; ++k) Ans2Write(s, "&$" + toolkit::FormatFixed(v.R[k], 7, 3) + "$ ");
  Ans2WriteLine(s, "& " + std::string(toolkit::kNoValue) + " ");

  // Answers: the moment diagram with absolute end values, then the shears with signed ones.
  const auto at = [&](int k) { return v.Station[k] * s.Scale; };
  AnsBeginVariantBox(s, 200);
  const double end = at(9);
  AnsBeginDiagramPicture(s, end);
  AnsSetLineWidth(s, 12);
  AnsDrawSegmentPoints(s, 1, 8);
  AnsPutText(s, "M", end + 8, 0);
  AnsSetLineWidth(s, 1);
  s.LabelAbsolute = true;
  const double moment_scale = MaxAbsDiagramValue(v.Moments, 1, 8);
  figures::LabelSpacing moment_labels;
  for (int k = 1; k <= 8; ++k) {
    AnsDrawDiagramSegment(s, v.Moments, k, v.IntervalLoad[k], at(k), at(k + 1), moment_scale, -1,
                          false, 1, &moment_labels);
  }
  AnsEndPicture(s);
  const double shear_scale = MaxAbsDiagramValue(v.Shears, 1, 8);
  AnsWrite(s, "\\\\ ");
  s.LabelAbsolute = false;
  AnsBeginDiagramPicture(s, end);
  AnsSetLineWidth(s, 12);
  AnsDrawSegmentPoints(s, 1, 8);
  AnsPutText(s, "Q", end + 8, 0);
  AnsSetLineWidth(s, 1);
  figures::LabelSpacing shear_labels;
  for (int k = 1; k <= 8; ++k) {
    AnsDrawDiagramSegment(s, v.Shears, k, v.IntervalLoad[k], at(k), at(k + 1), shear_scale, 1, true,
                          1, &shear_labels);
  }
  AnsEndPicture(s);
  AnsWrite(s, "}}\\\\ ");
  // The document's answers block is closed and opened again after each box, so that the
  // pages can break between variants (one block of forty boxes would run off the sheet).
  if (s.DocumentMode == 0 && !s.TicketMode) AnsWrite(s, "}\\par \\parbox{430pt}{");
}

}  // namespace structural
