#include <cstdlib>
#include <string>

#include "subjects/algebra/algebra_helpers.h"
#include "subjects/algebra/problems.h"
#include "toolkit/answers.h"
#include "toolkit/int_matrix.h"
#include "toolkit/number_format.h"
#include "toolkit/writers.h"

namespace algebra {

namespace {

// Item k of the order-4 problem: the pattern matrix with large entries renumbered and two
// columns exchanged, printed as a tabular; its determinant goes to the answers file.
void WriteDeterminant4Item(SharedState& s, int k) {
  const PatternNumbers n = LinearSystemNumbers(s);
  const int e = s.P5;
  const int a = NonZeroOr(n.q1 - n.r2 - 1, k + 1);
  const int b = NonZeroOr(n.q2 - n.r1 - 1, k);
  const int c = NonZeroOr(n.q3 - n.r4, 7 - 2 * k);
  const int d = NonZeroOr(n.q4 - n.r3, 2 * k + 1);
  const int pattern[4][4] = {
      {k * c, e * b, d, 1 - k},
      {a, b, (k - 1) * n.r4, k * a},
      {c, (1 - k) * n.r3, (k + 1) * a, 2 * d},
      {1 - k, c, k * k * a, d},
  };
  toolkit::TIntMatrix m{};
  int counter = 0;
  for (int i = 1; i <= 4; ++i) {
    for (int j = 1; j <= 4; ++j) {
      const int v = pattern[i - 1][j - 1];
      m[i][j] = std::abs(v) > 9 ? ++counter : v;
    }
  }
  const int col = ExchangeColumn(n);
  for (int i = 1; i <= 4; ++i) std::swap(m[i][n.r2], m[i][col]);

  if (s.Level > 1) WriteLine(s, toolkit::FormatNumber(k) + ". ");
  WriteText(s, "\\hskip 20mm");
  WriteText(s, "$\\begin{tabular}{|llll|}");
  for (int i = 1; i <= 4; ++i) {
    for (int j = 1; j <= 4; ++j) {
      WriteNumber(s, m[i][j]);
      WriteText(s, j < 4 ? " & " : " \\\\ ");
    }
  }
  WriteText(s, "\\end{tabular}$");
  WriteLine(s, "\\vskip3.1mm");

  s.DeterminantMode = true;
  AnsWrite(s, "& " + toolkit::FormatFixed(toolkit::IntMatrixDeterminant(s, m, 4), 8, 0));
}

}  // namespace

void BeginDeterminant4Problem(SharedState& s) {
  // Two variant boxes to a line: at 210pt the pair ran past the right edge of an A4 sheet,
  // and the two determinants need less than 180pt.
  s.ParboxWidth = 180;
  AnsBeginTable(s, 12);
  WriteLine(s, s.Level == 1 ? "Вычислить определитель матрицы.\\\\ "
                            : "Вычислить определители матриц.\\\\ ");
  AnsWriteLine(s, "    & det ");
  if (s.Level > 1) AnsWriteLine(s, "    & det ");
  AnsWriteLine(s, " \\\\\\hline ");
}

void WriteDeterminant4Variant(SharedState& s) {
  AnsWrite(s, toolkit::FormatFixed(toolkit::PrintedVariantNumber(s), 2, 0));
  WriteDeterminant4Item(s, 1);
  if (s.Level > 1) WriteDeterminant4Item(s, 2);
}

}  // namespace algebra
