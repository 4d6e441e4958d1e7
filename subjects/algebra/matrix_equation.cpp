#include <string>

#include "subjects/algebra/algebra_helpers.h"
#include "subjects/algebra/problems.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/writers.h"

namespace algebra {

namespace {

// The lower triangle [[1, 0, 0], [u1, 1, 0], [u2, u4, u3]] whose determinant u3 is never 0.
Matrix3 MakeEquationMatrix(const SharedState& s, const PatternNumbers& n) {
  const long long u1 = n.q3 > 3 ? -2 : n.q3;
  const long long u2 = n.q4 > 3 ? -3 : n.q4;
  const long long u3 = NonZeroOr(s.P5 - 2, -2);
  const long long u4 = NonZeroOr(s.P6 - 2, -2);
  return {{{1, 0, 0}, {u1, 1, 0}, {u2, u4, u3}}};
}

// Row 1 += row 3, then column 3 += column 1: the determinant stays.
Matrix3 MixEquationMatrix(Matrix3 m) {
  for (int j = 0; j < 3; ++j) m[0][j] += m[2][j];
  for (int i = 0; i < 3; ++i) m[i][2] += m[i][0];
  return m;
}

}  // namespace

void BeginMatrixEquationProblem(SharedState& s) {
  s.ParboxWidth = 195;
  AnsBeginTable(s, 8);
  WriteText(s, " Решить матричное уравнение.");
  AnsWrite(s, " n ");
  for (int i = 1; i <= 6; ++i) AnsWrite(s, " &$x_" + std::to_string(i) + "$ ");
  AnsWrite(s, "&Det");
  EndTableHeadWithReference(s, 39);
}

void WriteMatrixEquationVariant(SharedState& s) {
  const PatternNumbers n = LinearSystemNumbers(s);
  const long long x[3][2] = {
      {NonZeroOr(n.q3 - 2, 3), NonZeroOr(n.q4 - 2, -2)},
      {n.q1 - 3, n.q2 - 1},
      {NonZeroOr(s.P5 - 2, 2), NonZeroOr(s.P6 - 2, 1)},
  };
  const Matrix3 a = MixEquationMatrix(MakeEquationMatrix(s, n));
  long long b[3][2] = {};
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 2; ++j) {
      for (int k = 0; k < 3; ++k) b[i][j] += a[i][k] * x[k][j];
    }
  }

  WriteLine(s, "\\arraycolsep=4pt");
  WriteLine(s, "\\noindent $\\arraycolsep=3pt\\left[\\begin{array}{rrr}");
  for (const auto& r : a) {
    WriteText3NumbersLn(s, "", static_cast<double>(r[0]), "&", static_cast<double>(r[1]), "&",
                        static_cast<double>(r[2]), "\\\\");
  }
  WriteLine(
      s,
      "\\end{array}\\right]\\!\\!\\!\\cdot\\!\\!\\! \\left[\\arraycolsep=2pt\\begin{array}{rr}"
      "x_1 & x_2 \\\\ x_3 & x_4 \\\\ x_5 & x_6\\end{array}\\right]$=$\\left[\\arraycolsep=2pt"
      "\\begin{array}{rr}");
  for (const auto& r : b) {
    WriteText2NumbersLn(s, "", static_cast<double>(r[0]), "&", static_cast<double>(r[1]), "\\\\");
  }
  WriteLine(s, "\\end{array}\\right]$.");

  std::string row = toolkit::FormatFixed(toolkit::PrintedVariantNumber(s), 2, 0);
  for (const auto& r : x) {
    for (long long v : r) row += "&" + toolkit::FormatFixed(static_cast<double>(v), 4, 0);
  }
  row += "&" + toolkit::FormatFixed(Determinant3(a), 4, 0);
  AnsWrite(s, row);
  WriteLine(s, "\\vskip1pt");
}

}  // namespace algebra
