#include <string>

#include "subjects/algebra/algebra_helpers.h"
#include "subjects/algebra/problems.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/writers.h"

namespace algebra {

namespace {

using Block4 = int[4][4];

// The determinant of the 3 x 3 block of t at rows[0..2] and columns[0..2] (0-based), by the
// rule of Sarrus.
long long Determinant3Block(const Block4& t, const int (&rows)[3], const int (&columns)[3]) {
  long long sum = 0;
  for (int n = 0; n < 3; ++n) {
    long long p = 1;
    long long m = 1;
    for (int k = 0; k < 3; ++k) {
      p *= t[rows[k]][columns[(n + k) % 3]];
      m *= t[rows[k]][columns[(n - k + 3) % 3]];
    }
    sum += p - m;
  }
  return sum;
}

// One block as tabular cells: " & " after the first two entries of a row, " \\ " after the
// third; `every_entry` ends a line after every entry, otherwise after the first two only.
void WriteBlock(SharedState& s, const Block4& t, int first, bool every_entry) {
  for (int i = first; i < first + 3; ++i) {
    for (int j = first; j < first + 3; ++j) {
      WriteNumber(s, t[i][j]);
      if (j < first + 2) {
        WriteLine(s, " & ");
      } else if (every_entry) {
        WriteLine(s, " \\\\ ");
      } else {
        WriteText(s, " \\\\ ");
      }
    }
  }
}

}  // namespace

void BeginDeterminant3Problem(SharedState& s) {
  s.ParboxWidth = 125;
  AnsBeginTable(s, 6);
  WriteLine(s, "Вычислить определители матриц.\\\\ ");
  AnsWriteLine(s, "   & 1 & 2 \\\\\\hline ");
}

void WriteDeterminant3Variant(SharedState& s) {
  const PatternNumbers n = LinearSystemNumbers(s);
  const int e = s.P5;
  const int a = NonZeroOr(n.q1 - n.r3, 4);
  const int b = NonZeroOr(n.q2 - n.r2, 1);
  const int c = NonZeroOr(n.q3 - n.r1, 5);
  const int d = NonZeroOr(n.q4 - n.r4, 7);
  Block4 t = {
      {c, e * b, d, 0},
      {a, b, 0, a},
      {c, 0, 2 * a, 2 * d},
      {0, c, a, d},
  };
  const int col = ExchangeColumn(n) - 1;
  for (auto& row : t) std::swap(row[n.r2 - 1], row[col]);

  if (s.Level == 1) WriteLine(s, " Вычислить определители \\\\ ");
  WriteText(s, "\\vskip2mm $\\begin{tabular}{|lll|}");
  WriteBlock(s, t, 0, false);
  WriteText(s, "\\end{tabular}$;");
  WriteText(s, "\\hfill  $\\begin{tabular}{|lll|}");
  WriteBlock(s, t, 1, true);
  WriteLine(s, "\\end{tabular}$\\vskip4.1mm");

  const long long det1 = Determinant3Block(t, {0, 1, 2}, {0, 1, 2});
  const long long det2 = Determinant3Block(t, {1, 2, 3}, {1, 2, 3});
  AnsWrite(s, toolkit::FormatFixed(toolkit::PrintedVariantNumber(s), 2, 0) + "&" +
                  toolkit::FormatFixed(static_cast<double>(det1), 6, 0) + "&" +
                  toolkit::FormatFixed(static_cast<double>(det2), 6, 0));
}

}  // namespace algebra
