#include "subjects/structural/continuous_beam.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "figures/dimensions.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "figures/supports.h"
#include "subjects/structural/common/beam_diagrams.h"
#include "subjects/structural/common/linear_system.h"
#include "toolkit/answers.h"
#include "toolkit/errors.h"
#include "toolkit/number_format.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace structural {

namespace {

int Round(double x) { return static_cast<int>(toolkit::RoundHalfEven(x)); }

// Pairs of point numbers bounding the first uniform load, by P1 (before the shift).
constexpr int LoadSpanPairTable[6][2] = {{1, 2}, {2, 3}, {3, 4}, {1, 4}, {1, 3}, {2, 4}};

void NextSpanCyclic(int& j) {
  ++j;
  if (j > 5) j = 1;
}

// The simple-span moment diagram of span j: its area and the distances of its centroid from
// the span's left and right ends.
struct SpanArea {
  double area = 0, from_left = 0, from_right = 0;
};

SpanArea SimpleSpanArea(const ContinuousBeamVariant& v, int j) {
  const double l = v.X[j + 1] - v.X[j];
  SpanArea a;
  if (v.ForceSpan == j) {
    const double left = v.X[7] - v.X[j], right = l - left;
    a.area = v.P * left * right / 2;
    a.from_left = (left + l) / 3;
    a.from_right = l - a.from_left;
  } else if (v.SpanLoad(j) != 0) {
    a.area = v.SpanLoad(j) * l * l * l / 12;
    a.from_left = a.from_right = l / 2;
  }
  return a;
}

}  // namespace

int ContinuousBeamVariant::SpanLoad(int j) const {
  if (j >= LoadFrom && j < LoadTo) return q1;
  if (j == SecondLoadSpan) return q2;
  return 0;
}

ContinuousBeamVariant DeriveContinuousBeamVariant(int p1, int p2, int p3, int p4, int p5, int p6,
                                                  int p7) {
  if (p1 < 1 || p1 > 6 || p5 < 1 || p5 > 5 || p6 < 1 || p6 > 5 || p7 < 1 || p7 > 5) {
    throw toolkit::DegenerateDataError("continuous beam: no such load placement");
  }
  ContinuousBeamVariant v;
  const int p[] = {p2, p3, p4, p5, p6};
  v.X[1] = 0;
  for (int k = 1; k <= 5; ++k) {
    v.Span[k] = p[k - 1] + 3;
    v.X[k + 1] = v.X[k] + v.Span[k];
  }
  v.q1 = p3 + 1;
  v.q2 = 2 * p4 + p6 + 1;
  if (v.q2 == v.q1) v.q2 = v.q1 - 1;
  v.P = p7 + 8 + p5;

  const int shift = p7 == 1 ? 0 : p7 <= 3 ? 1 : 2;
  v.LoadFrom = LoadSpanPairTable[p1 - 1][0] + shift;
  v.LoadTo = LoadSpanPairTable[p1 - 1][1] + shift;
  const auto under_q1 = [&](int j) { return j >= v.LoadFrom && j < v.LoadTo; };
  v.ForceSpan = p5;
  while (under_q1(v.ForceSpan)) NextSpanCyclic(v.ForceSpan);
  v.SecondLoadSpan = p6;
  while (under_q1(v.SecondLoadSpan) || v.SecondLoadSpan == v.ForceSpan) {
    NextSpanCyclic(v.SecondLoadSpan);
  }
  const int j = v.ForceSpan;
  v.X[7] = j == 1 ? v.X[1] : j == 5 ? v.X[6] : Round((v.X[j] + v.X[j + 1]) / 2.0) + p4 - 2;

  // An unloaded overhang is left off: the beam then ends at its support.
  const auto loaded = [&](int span) { return v.SpanLoad(span) != 0 || v.ForceSpan == span; };
  v.LeftOverhang = loaded(1);
  v.RightOverhang = loaded(5);
  if (!v.LeftOverhang) {
    v.Span[2] += v.Span[1];
    v.X[2] = v.X[1];
  }
  if (!v.RightOverhang) v.X[6] = v.X[5];

  // Hogging moments of the overhangs at the end supports.
  const auto overhang_moment = [&](int span) {
    const double l = v.Span[span];
    return v.SpanLoad(span) * l * l / 2 + (v.ForceSpan == span ? v.P * l : 0);
  };
  v.M0 = overhang_moment(1);
  v.M5 = overhang_moment(5);

  // The three-moment equations at supports 3 and 4.
  const double s2 = v.Span[2], s3 = v.Span[3], s4 = v.Span[4];
  const SpanArea a2 = SimpleSpanArea(v, 2), a3 = SimpleSpanArea(v, 3), a4 = SimpleSpanArea(v, 4);
  v.a11 = 2 * (s2 + s3);
  v.a12 = s3;
  v.a22 = 2 * (s3 + s4);
  v.b1 = -6 * (a2.area * a2.from_left / s2 + a3.area * a3.from_right / s3) + v.M0 * s2;
  v.b2 = -6 * (a3.area * a3.from_left / s3 + a4.area * a4.from_right / s4) + v.M5 * s4;
  auto m = std::make_unique<Mechanics>();
  ClearLinearSystem(*m, 2);
  m->SystemMatrix[1][1] = v.a11;
  m->SystemMatrix[1][2] = v.a12;
  m->SystemMatrix[2][1] = v.a12;
  m->SystemMatrix[2][2] = v.a22;
  m->SystemRhs[1][1] = v.b1;
  m->SystemRhs[2][1] = v.b2;
  SolveLinearSystem(*m, 2, 1, "three-moment equations");
  v.M1 = m->SystemRhs[1][1];
  v.M2 = m->SystemRhs[2][1];

  // Moments at the points: free ends 0, end supports the overhangs', interior supports M1, M2.
  toolkit::IndexedArray<double, 1, 6> at{};
  at[2] = v.LeftOverhang ? -v.M0 : 0;
  at[3] = v.M1;
  at[4] = v.M2;
  at[5] = v.RightOverhang ? -v.M5 : 0;
  if (j >= 2 && j <= 4) {
    const double a = v.X[7] - v.X[j], b = v.X[j + 1] - v.X[7], l = v.Span[j];
    v.MP = at[j] + a * (at[j + 1] - at[j]) / l + v.P * a * b / l;
  }

  // Diagram intervals from the first remaining span to the last, P's span split at P.
  const int first = v.LeftOverhang ? 1 : 2, last = v.RightOverhang ? 5 : 4;
  int k = 0;
  v.Station[1] = v.X[first];
  for (int span = first; span <= last; ++span) {
    const int q = v.SpanLoad(span);
    if (span == j && j >= 2 && j <= 4) {
      ++k;
      v.Moments[k] = {at[span], v.MP};
      v.IntervalLoad[k] = q;
      v.Station[k + 1] = v.X[7];
      ++k;
      v.Moments[k] = {v.MP, at[span + 1]};
    } else {
      ++k;
      v.Moments[k] = {at[span], at[span + 1]};
    }
    v.IntervalLoad[k] = q;
    v.Station[k + 1] = v.X[span + 1];
  }
  v.Intervals = k;
  for (int i = 1; i <= k; ++i) {
    const double l = v.Station[i + 1] - v.Station[i];
    const double slope = (v.Moments[i].right - v.Moments[i].left) / l;
    v.Shears[i] = {slope + v.IntervalLoad[i] * l / 2, slope - v.IntervalLoad[i] * l / 2};
  }
  return v;
}

void BeginContinuousBeamProblem(SharedState& s) {
  s.ParboxWidth = 200;
  Ans2BeginTable(s, 14);
  Ans2Write(s,
            " & $a_{1,1}$ & $a_{1,2}$ & $a_{2,2}$ & $b_{1}$ & $b_{2}$ & $M_1$ &$M_2$ "
            "\\\\\\hline");
  WriteLineAlt(s,
               "Построить эпюры моментов и перерезывающих сил в многопролетной балке. "
               "\\vskip2mm\\noindent ");
}

void WriteContinuousBeamVariant(SharedState& s) {
  const ContinuousBeamVariant v =
      DeriveContinuousBeamVariant(s.P1, s.P2, s.P3, s.P4, s.P5, s.P6, s.P7);
  s.DistributedLoadValue[1] = v.q1;
  s.DistributedLoadValue[2] = v.q2;
  s.ConcentratedLoadValue[2] = v.P;

  // Second answers table: the equations and the support moments.
  Ans2Write(s, toolkit::FormatNumber(toolkit::PrintedVariantNumber(s)));
  for (double a : {v.a11, v.a12, v.a22}) Ans2Write(s, " & " + toolkit::FormatFixed(a, 4, 0));
  for (double b : {v.b1, v.b2}) Ans2Write(s, " & " + toolkit::FormatFixed(b, 11, 3));
  Ans2WriteLine(
      s, " & " + toolkit::FormatFixed(v.M1, 9, 3) + " & " + toolkit::FormatFixed(v.M2, 9, 3));

  // Figure.
  ClearPoints(s, 7);
  for (int k = 1; k <= 7; ++k) s.PointX[k] = v.X[k];
  // The beam takes 175 of the box's 200, the supports and loads at its ends the rest.
  s.BoxWidth = 175;
  s.BoxHeight = 70;
  FitPointsToBox(s, 7, 0);
  for (int k = 2; k <= 5; ++k) s.PointY[k] -= 2;
  BeginPicture(s, 195, 70, -12, -30);
  SetLineWidth(s, 10);
  DrawSegmentPoints(s, 1, 6);
  SetLineWidth(s, 1);
  DrawBeamDistributedLoad(s, v.LoadFrom, v.LoadTo, v.q1, 1);
  DrawBeamDistributedLoad(s, v.SecondLoadSpan, v.SecondLoadSpan + 1, v.q2, 2);
  DrawBeamPointLoad(s, 7, 2);
  PutHingeBoxAtPoint(s, 2);
  for (int k = 3; k <= 5; ++k) PutDownBoxAtPoint(s, k);
  DrawDimensionChainX(s, 7, figures::ArrayMin(s.PointY, 7) - 24, s.Scale);
  EndPicture(s);

  WriteText(s, "\\vfill\\parbox{215pt}{\\small ");
  WriteTextNumberLn(s, " $q_1= ", v.q1, "$~кН/м, %");
  WriteTextNumberLn(s, " $q_2= ", v.q2, "$~кН/м%");
  WriteTextNumberLn(s, ", $P = ", v.P, "$~{\\footnotesize кН}%");
  WriteText(s, "}");

  // Answers: the moment diagram (absolute end values), then the shear diagram.
  const double x1 = s.PointX[1], x6 = s.PointX[6];
  const auto station = [&](int k) { return v.Station[k] * s.Scale; };
  AnsBeginVariantBox(s, 200);
  AnsBeginDiagramPicture(s, x6);
  AnsSetLineWidth(s, 12);
  AnsMoveTo(s, x1, 0);
  AnsLineTo(s, x6, 0);
  AnsPutText(s, "M", x6 + 8, 0);
  s.LabelAbsolute = true;
  const double moment_scale = MaxAbsDiagramValue(v.Moments, 1, v.Intervals);
  figures::LabelSpacing moment_labels;
  for (int k = 1; k <= v.Intervals; ++k) {
    AnsDrawDiagramSegment(s, v.Moments, k, v.IntervalLoad[k], station(k), station(k + 1),
                          moment_scale, 1, false, 1, &moment_labels);
  }
  AnsEndPicture(s);
  WriteText(s, "\\\\ \\small ");
  const double shear_scale = MaxAbsDiagramValue(v.Shears, 1, v.Intervals);
  AnsWrite(s, "\\\\ ");
  AnsBeginDiagramPicture(s, x6);
  AnsSetLineWidth(s, 12);
  AnsMoveTo(s, x1, 0);
  AnsLineTo(s, x6, 0);
  AnsPutText(s, "Q", x6 + 8, 0);
  s.LabelAbsolute = false;
  figures::LabelSpacing shear_labels;
  for (int k = 1; k <= v.Intervals; ++k) {
    AnsDrawDiagramSegment(s, v.Shears, k, v.IntervalLoad[k], station(k), station(k + 1),
                          shear_scale, 1, true, 1, &shear_labels);
  }
  AnsEndPicture(s);
  AnsWrite(s, "}}\\\\ ");
  // The document's answers block is closed and opened again after each box, so that the
  // pages can break between variants (one block of forty boxes would run off the sheet).
  if (s.DocumentMode == 0 && !s.TicketMode) AnsWrite(s, "}\\par \\parbox{430pt}{");
}

}  // namespace structural
