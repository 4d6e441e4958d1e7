#include <array>
#include <string>

#include "figures/labels.h"
#include "figures/lines.h"
#include "subjects/logic/problems.h"
#include "subjects/logic/three_variable_formulas.h"
#include "toolkit/answers.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace logic {

namespace {

/// The minterm of row (x, y, z): each letter plain when its variable is 1, else barred.
std::string MintermText(int x, int y, int z) {
  std::string text;
  text += x ? "x" : "\\bar x";
  text += y ? "y" : "\\bar y";
  text += z ? "z" : "\\bar z";
  return text;
}

struct Chain {
  std::array<int, 4> value;  // values of x, y, z at 1..3
};

/// The relay-contact circuit: one series chain of three contacts per true row, all chains in
/// parallel between two bus bars; each variable's moving contacts hang on one common drive.
void DrawCircuit(SharedState& s, const std::array<Chain, 9>& chains, int n) {
  for (int k = 1; k <= 4; ++k) s.PointX[k] = 40 * k;
  for (int j = 1; j <= n; ++j) s.PointY[j] = 80.0 * (j - 1) / (n - 1);
  auto X = [&](int k) { return s.PointX[k]; };
  auto Y = [&](int j) { return s.PointY[j]; };

  // The chains run from the left bus lead at x = 7 to the right one at x = 175.
  toolkit::BeginPicture(s, 200, 115, -20, -10);
  for (int j = 1; j <= n; ++j) {
    for (int k = 1; k <= 3; ++k) {
      figures::DrawCircle(s, X(k), Y(j), 3);
      figures::DrawCircle(s, X(k) + 20, Y(j), 3);
    }
  }
  figures::SetLineWidth(s, 4);
  for (int j = 1; j <= n; ++j) {
    for (int k = 1; k <= 3; ++k) {
      figures::DrawSegmentShortenedCopy(s, X(k) + 20, Y(j), X(k + 1), Y(j), 1.5);
    }
    figures::DrawSegmentShortenedCopy(s, X(1), Y(j), X(1) - 20, Y(j), 1.5);
  }
  figures::DrawSegment(s, X(1) - 18.5, Y(1), X(1) - 18.5, Y(n));
  figures::DrawSegment(s, X(4) - 1.5, Y(1), X(4) - 1.5, Y(n));
  figures::DrawSegment(s, X(4) - 1.5, 40, X(4) + 15, 40);
  figures::DrawSegment(s, X(1) - 18.5, 40, X(1) - 33, 40);

  figures::SetLineWidth(s, 15);
  constexpr const char* kColours[] = {"\\OliveGreen{", "\\Blue{", "\\Orange{"};
  for (int k = 1; k <= 3; ++k) {
    toolkit::WriteText(s, kColours[k - 1]);
    for (int j = 1; j <= n; ++j) {
      // A closed contact lies on its terminals, an open one hangs below them.
      const double h = chains[static_cast<std::size_t>(j)].value[static_cast<std::size_t>(k)] == 1
                           ? Y(j) + 2
                           : Y(j) - 6;
      figures::DrawSegment(s, X(k), h, X(k) + 20, h);
    }
    figures::DrawSegment(s, X(k) + 10, Y(1) - 10, X(k) + 10, Y(n) + 10);
    toolkit::WriteText(s, "}");
  }
  figures::PutMathText(s, "x", X(1) + 8, Y(n) + 14);
  figures::PutMathText(s, "y", X(2) + 8, Y(n) + 14);
  figures::PutMathText(s, "z", X(3) + 8, Y(n) + 14);
  toolkit::EndPicture(s);
}

}  // namespace

void BeginThreeVariableDnfProblem(SharedState& s, int mode) {
  s.ParboxWidth = 180;
  toolkit::WriteText(s, mode == 1
                            ? "Упростить совершенную дизъюнктивную нормальную форму.\\\\\\noindent"
                            : "Упростить переключательную схему ($x$ - включено, $\\bar x$ - "
                              "выключено).\\\\\\noindent");
  toolkit::AnsBeginTable(s, 9);
  toolkit::AnsWriteLine(s, "\\No & $f$ & значения $f$ \\\\\\hline ");
}

void WriteThreeVariableDnfVariant(SharedState& s, int mode) {
  toolkit::AnsWriteTextNumber(s, "", toolkit::PrintedVariantNumber(s), "& $");
  if (mode == 1) toolkit::WriteText(s, "\\vskip2mm $$");

  std::array<int, 9> f{};
  std::array<Chain, 9> chains{};
  int n = 0;
  for (int row = 1; row <= 8; ++row) {
    const int x = ((row - 1) >> 2) & 1, y = ((row - 1) >> 1) & 1, z = (row - 1) & 1;
    f[static_cast<std::size_t>(row)] =
        EvaluateThreeVariableFormula(s, s.P1, x, y, z, row == 1 ? toolkit::AnsWrite : nullptr);
    if (f[static_cast<std::size_t>(row)] == 0) continue;
    ++n;
    chains[static_cast<std::size_t>(n)].value = {0, x, y, z};
    if (mode == 1) {
      if (n > 1) toolkit::WriteText(s, "\\vee ");
      toolkit::WriteText(s, MintermText(x, y, z));
    }
  }

  toolkit::AnsWrite(s, " $ & ");
  for (int row = 1; row <= 8; ++row) {
    toolkit::AnsWrite(
        s, " " + std::to_string(f[static_cast<std::size_t>(row)]) + (row < 8 ? "," : " "));
  }

  if (mode == 1) {
    toolkit::WriteText(s, " $$ \\vskip2mm ");
  } else {
    DrawCircuit(s, chains, n);
  }
}

}  // namespace logic
