#include "subjects/statics/triangular_lattice_truss.h"

#include <cmath>
#include <numbers>
#include <string>

#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/supports.h"
#include "subjects/structural/common/linear_system.h"
#include "subjects/structural/common/mechanics_state.h"
#include "subjects/structural/common/truss_figures.h"
#include "subjects/structural/common/truss_solvers.h"
#include "toolkit/answers.h"
#include "toolkit/answers_split.h"
#include "toolkit/indexed_array.h"
#include "toolkit/number_format.h"
#include "toolkit/numerics.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace statics {

namespace {

// The solver's unknowns of X_A, Y_A, R_B, U_1..U_3, O_1..O_4, D_1..D_4 in answers order.
const auto TriangleTrussAnswerOrder =
    structural::MakeTable<int, 1, 14>({12, 13, 14, 1, 2, 3, 4, 10, 11, 9, 5, 6, 7, 8});

constexpr int kAnswersPerTable = 7;

int Round(double x) { return static_cast<int>(toolkit::RoundHalfEven(x)); }

}  // namespace

void BeginTriangularLatticeTrussProblem(SharedState& s) {
  s.TrussFreeMode = false;
  s.TrussPanelCount = 3;
  s.ParboxWidth = 204;
  DefineInclinedHingeBox(s, "\\beta", 1);
  // Fourteen answers of width 8 are too wide for one table across the page: two tables of
  // seven, the second in the second answers file.
  toolkit::BeginSplitAnswers(
      s,
      {"&$X_A$ ", "&$Y_A$ ", "& $R_B$ ", "&$U_1$", "&$U_2$", "&$U_3$ ", "&$O_1$", "&$O_2$",
       "&$O_3$", "&$O_4$", "& $D_1$ ", "&$D_2$", "&$D_3$", "&$D_4$ "},
      kAnswersPerTable, "\\scriptsize\\tabcolsep=1pt");
  WriteText(s, "Determine the effort in truss. Dimensions are given in meters, load in kN.");
  WriteBookReference(s, 45);
}

void WriteTriangularLatticeTrussVariant(SharedState& s) {
  const int p1 = s.P1, p2 = s.P2, p3 = s.P3, p4 = s.P4, p5 = s.P5, p6 = s.P6;
  const double rad = std::numbers::pi / 180;

  const int F = p6;
  s.TrussPanelLength = structural::TrussLengthTable[p2];
  s.TrussPanelHeight = structural::TrussHeightTable[p2];
  s.TrussSupportNodeB = structural::TrussSupportTableB[p3];
  s.TrussSupportNodeA = structural::TrussSupportTableA[p3];
  const int alpha = 5 * p5 + 30;
  const int beta = 15 * (p5 / 4 + 2);
  s.TrussSupportSin = std::sin(beta * rad);
  s.TrussSupportCos = std::cos(beta * rad);
  const int P = 5 * p5;
  s.TrussLoadQValue = 10 * p4;
  toolkit::TBinaryDigits apex_digits;
  toolkit::ByteToBinaryDigits(static_cast<std::uint8_t>(p1), apex_digits);
  for (int i = 1; i <= 3; ++i) {
    s.TrussChordY[i] = Round(s.TrussPanelLength + s.TrussPanelHeight * apex_digits[i]);
  }
  structural::SetTrussPanelOffsets(s, p4);
  for (int i = 1; i <= 3; ++i) s.TrussPanelExtents[i] = 2 * (s.TrussPanelDigits[i] + 1);
  const auto& x = s.TrussPanelX;
  s.Scale = 109.0 / x[4];
  const double sc = s.Scale;

  WriteText(s, "\\par ");
  WriteLine(s, "\\hskip14pt");
  // The chord is 109 pt long with the height dimension right of it (to x = 128); the force
  // F at a lower joint points down to y = -10 with its letter there, so the dimension line of
  // the chord runs 14 pt lower, clear of them.
  constexpr double kDimensionY = -24;
  BeginPicture(s, 140, 106, -10, -26);
  for (int i = 1; i <= 4; ++i) {
    DrawCircle(s, sc * x[i], 10, 3);
    DrawLatexLine(s, 0, 1, sc * x[i], kDimensionY - 1, 2);
  }
  SetLineWidth(s, 5);
  for (int i = 1; i <= 3; ++i) DrawSegmentShortenedCopy(s, sc * x[i], 10, sc * x[i + 1], 10, 1.5);
  SetLineWidth(s, 1);
  for (int i = 1; i <= 3; ++i) {
    const double half = (x[i + 1] - x[i]) / 2.0;
    PutValueLabel(s, sc * (3 * x[i] + x[i + 1]) / 4 - 2, kDimensionY + 2, half);
    PutValueLabel(s, sc * (x[i] + 3 * x[i + 1]) / 4 - 2, kDimensionY + 2, half);
    DrawLatexLine(s, 0, 1, sc * (x[i] + x[i + 1]) / 2, kDimensionY - 1, 2);
  }
  MoveTo(s, 0, kDimensionY);
  LineTo(s, sc * x[4], kDimensionY);

  structural::DrawTrussLoadQ(s);
  structural::DrawTrussLoadP(s);
  structural::DrawTrussLoadFInclined(s);
  structural::DrawTrussDimensions(s);
  structural::PutTrussSupportBoxesInclined(s);

  SetLineWidth(s, 6);
  const auto apex_x = [&](int i) { return sc * (x[i] + x[i + 1]) / 2; };
  const auto apex_y = [&](int i) { return sc * s.TrussChordY[i] + 10; };
  for (int i = 1; i <= 3; ++i) {
    DrawSegmentShortenedCopy(s, sc * x[i], 10, apex_x(i), apex_y(i), 1.5);
    DrawSegmentShortenedCopy(s, apex_x(i), apex_y(i), sc * x[i + 1], 10, 1.5);
  }
  for (int i = 1; i <= 2; ++i) {
    DrawSegmentShortenedCopy(s, apex_x(i), apex_y(i), apex_x(i + 1), apex_y(i + 1), 1.5);
  }
  for (int i = 1; i <= 3; ++i) DrawCircle(s, apex_x(i), apex_y(i), 3);
  EndPicture(s);

  WriteLine(s, "\\hfill\\parbox[b]{45pt}{");
  WriteTextNumberLn(s, "$P=", P, "$,\\\\");
  WriteTextNumberLn(s, "$F=", F, "$,\\\\");
  WriteTextNumberLn(s, "$Q=", s.TrussLoadQValue, "$,\\\\");
  WriteTextNumberLn(s, "$\\alpha=", alpha, "^\\circ$,\\\\");
  WriteTextNumberLn(s, "$\\beta=", beta, "^\\circ$.\\par}\\vskip5mm");

  s.LoadNodes[1] = s.TrussQPoint + 4;
  s.NodeLoads[s.TrussQPoint + 4] = {s.TrussLoadQ, 0};
  s.LoadNodes[2] = s.TrussPPoint1;
  s.NodeLoads[s.TrussPPoint1] = {0, static_cast<double>(-P)};
  s.LoadNodes[3] = s.TrussFPoint;
  s.NodeLoads[s.TrussFPoint] = {F * std::cos(alpha * rad), -F * std::sin(alpha * rad)};
  structural::SolveTrussByJointsB(s);

  toolkit::AnswersRow row(s, true, std::to_string(toolkit::PrintedVariantNumber(s)));
  for (int k = 1; k <= 14; ++k) {
    row.Item("&" + toolkit::FormatFixed(s.SystemRhs[TriangleTrussAnswerOrder[k]][1], 8, 3));
  }
  row.End();
}

}  // namespace statics
