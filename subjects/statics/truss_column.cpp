#include "subjects/statics/truss_column.h"

#include <cmath>
#include <numbers>
#include <string>

#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "subjects/structural/common/mechanics_state.h"
#include "subjects/structural/common/truss_figures.h"
#include "subjects/structural/common/truss_solvers.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/numerics.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace statics {

namespace {

// Lower joints of the fixed hinge and of the roller by P2 mod 6 (+1).
const auto ColumnSupportTableB = structural::MakeTable<int, 1, 6>({1, 1, 5, 2, 5, 4});
const auto ColumnSupportTableA = structural::MakeTable<int, 1, 6>({4, 5, 1, 5, 2, 1});

int Round(double x) { return static_cast<int>(toolkit::RoundHalfEven(x)); }

std::string Padded(int v, int width) {
  std::string t = std::to_string(v);
  return t.size() < static_cast<std::size_t>(width) ? std::string(width - t.size(), ' ') + t : t;
}

}  // namespace

void BeginTrussColumnProblem(SharedState& s) {
  s.ParboxWidth = 204;
  s.TrussFreeMode = true;
  s.Scale = 14;
  s.TrussPanelCount = 4;
  WriteText(s, "Determine the effort in rods 1-5. Dimensions are given in meters.");
  for (int shape = 1; shape <= 3; ++shape) structural::DefineTrussBoxA(s, shape);
  AnsWrite(s, "\\tabcolsep=2pt");
  AnsBeginTable(s, 9);
  AnsWriteLine(s, " &$X_A$&$Y_A$&$R_B$&$ S_1 $&$S_2$&$S_3$&$S_4$&$S_5$\\\\\\hline ");
  WriteBookReference(s, 37);
}

void WriteTrussColumnVariant(SharedState& s) {
  const int p1 = s.P1, p2 = s.P2, p3 = s.P3, p4 = s.P4, p5 = s.P5, p6 = s.P6;
  const double rad = std::numbers::pi / 180;

  const int b = static_cast<int>(p2 * 0.3225806451612903) + 1;
  const int sigma = p1 % 2 == 0 ? 1 : -1;
  s.TrussLoadSign = sigma;
  const int p2m = p2 % 6;
  const int beta = 15 * (p2m / 2 + 1);
  s.TrussLoadNode = beta;
  s.TrussAngleAlpha = beta * rad;
  const int t = p1 / 11 + 1;
  const int F = 10 * p6 + p1;
  s.TrussPanelLength = structural::TrussLengthTable[b];
  s.TrussPanelHeight = structural::TrussHeightTable[b];
  s.TrussSupportNodeB = ColumnSupportTableB[p2m + 1];
  s.TrussSupportNodeA = ColumnSupportTableA[p2m + 1];
  const int alpha = 5 * p5 + 30;
  s.TrussAngleBeta = alpha * rad;
  const int P = 10 * p5 + 40 <= 99 ? 10 * p5 + 40 : 10 * p5 - 50;
  s.TrussLoadQValue = sigma * (10 * p4 + 20);
  toolkit::IndexedArray<int, 1, 5> post_digits;
  structural::ByteToBinaryDigits5(p3, post_digits);
  for (int i = 1; i <= 5; ++i) {
    s.TrussChordY[i] = Round(s.TrussPanelLength + s.TrussPanelHeight * post_digits[i]);
    s.TrussPostHeights[i] = s.TrussChordY[i];
  }
  for (int i = 1; i <= 4; ++i) s.TrussPanelBits[i] = post_digits[i];
  structural::SetTrussPanelOffsetsFromTable(s, t);
  const int e = p5 == 1 || p5 == 9 ? 1 : 2;
  s.TrussExtraMember = e;

  const double sc = s.Scale;
  const auto& x = s.TrussPanelX;
  const auto& h = s.TrussChordY;
  WriteText(s, "\\par ");
  // The truss with its height dimension reaches x = 172, and the span's dimension line with
  // its numbers 21 pt under the supports: the picture reserves all of it.
  BeginPicture(s, 182, 105, -8, -21);
  PutBox(s, std::string("baseferm") + static_cast<char>(64 + t), 0, 0);

  structural::DrawTrussLoadQInclined(s, 5, 1);
  const bool inclined_q = s.TrussQPoint != 0;
  if (!inclined_q) {
    // The posts never drop: Q acts horizontally at the top of the last step up.
    s.TrussAngleAlpha = 0;
    int q = 5;
    while (q > 2 && !(h[q] > h[q - 1])) --q;
    s.TrussQPoint = q;
    DrawThickRedVector(s, -sigma, 0, sc * x[q] - 1 - 10 * (1 - sigma), sc * h[q] + 10, 20);
    PutBlueLabel(s, "$\\vec Q$", sc * x[q] - 21, sc * h[q] + 14);
    s.TrussLoadQ = -s.TrussLoadQValue;
  }
  structural::DrawTrussLoadsPTwoSides(s, 1);
  structural::DrawTrussLoadFInclined(s);
  structural::DrawTrussDimensions(s);

  WriteText(s, "\\Green{");
  const double xm = sc * (x[e] + x[e + 1]) / 2;
  PutValueLabel(s, xm, sc * (h[e] + h[e + 1]) / 2.0 + 12, 1);
  if (post_digits[e] == 1) {
    PutValueLabel(s, xm - 2, sc * h[e + 1] / 2.0 + 12, 2);
  } else {
    PutValueLabel(s, xm, sc * h[e] / 2.0 + 11, 2);
  }
  PutValueLabel(s, xm, 11, 3);
  PutValueLabel(s, sc * x[e + 1] + 1, sc * h[e + 1] / 2.0 + 8, 4);
  PutValueLabel(s, sc * x[e + 2] + 1, sc * h[e + 2] / 2.0 + 8, 5);
  WriteText(s, "}");
  structural::PutTrussSupportBoxes(s, 1);

  const auto top_y = [&](int i) { return sc * h[i] + 10; };
  for (int i = 1; i <= 5; ++i) DrawSegmentShortenedCopy(s, sc * x[i], 10, sc * x[i], top_y(i), 1.5);
  for (int i = 1; i <= 4; ++i) {
    if (post_digits[i] == 1) {
      DrawSegmentShortenedCopy(s, sc * x[i], 10, sc * x[i + 1], top_y(i + 1), 1.5);
    } else {
      DrawSegmentShortenedCopy(s, sc * x[i], top_y(i), sc * x[i + 1], 10, 1.5);
    }
    DrawSegmentShortenedCopy(s, sc * x[i], top_y(i), sc * x[i + 1], top_y(i + 1), 1.5);
  }
  for (int i = 1; i <= 5; ++i) DrawCircle(s, sc * x[i], top_y(i), 3);
  SetLineWidth(s, 3);
  EndPicture(s);

  WriteLine(s, "\\vskip2mm\\parbox[b]{200pt}{\\small");
  WriteText2NumbersLn(s, "\\hskip5mm  $P=", P, "$~kN, $Q=", std::fabs(s.TrussLoadQValue), "$~kN,");
  if (inclined_q) {
    WriteText(s, " $F=" + Padded(F, 2) + "$~kN,\\\\ \\rule{4mm}{0mm} $\\alpha=" + Padded(alpha, 2) +
                     "^\\circ$,  $\\beta=" + Padded(beta, 2) + "^\\circ$.}");
  } else {
    WriteText(s, "\\\\ \\rule{4mm}{0mm} $F=" + Padded(F, 1) +
                     "$~kN,  $\\alpha=" + Padded(alpha, 2) + "^\\circ$.}");
  }

  const int q_joint = s.TrussQPoint + 5;
  s.LoadNodes[1] = q_joint;
  s.NodeLoads[q_joint] = {s.TrussLoadQ * std::cos(s.TrussAngleAlpha),
                          s.TrussLoadQ * std::sin(s.TrussAngleAlpha)};
  s.LoadNodes[2] = s.TrussPPoint1;
  s.NodeLoads[s.TrussPPoint1] = {0, static_cast<double>(-P)};
  s.LoadNodes[3] = s.TrussPPoint2;
  s.NodeLoads[s.TrussPPoint2] = {0, static_cast<double>(-P)};
  s.LoadNodes[4] = s.TrussFPoint;
  s.NodeLoads[s.TrussFPoint] = {F * std::cos(s.TrussAngleBeta), -F * std::sin(s.TrussAngleBeta)};
  for (int i = 1; i <= 4; ++i) {
    s.TrussPanelExtents[i] = structural::TrussPanelWidthTable[t][i];
  }
  structural::SolveTrussByJointsA(s, 4, 4);

  using toolkit::FormatFixed;
  const auto& r = s.SystemRhs;
  AnsWrite(s, Padded(toolkit::PrintedVariantNumber(s), 2));
  for (int k : {18, 19, 20, e + 9, e + 13, e, e + 5, e + 6}) {
    AnsWrite(s, "&" + FormatFixed(r[k][1], 8, 3));
  }
}

}  // namespace statics
