#include <cstdlib>
#include <string>
#include <vector>

#include "subjects/algebra/algebra_helpers.h"
#include "subjects/algebra/problems.h"
#include "toolkit/answers.h"
#include "toolkit/answers_split.h"
#include "toolkit/fractions.h"
#include "toolkit/int_matrix.h"
#include "toolkit/number_format.h"
#include "toolkit/writers.h"

namespace algebra {

namespace {

// Answer items (D's three rows and det D) in one table of row 10.
constexpr int kSumProductItemsPerTable = 2;

// The lower triangle [[1, 0, 0], [e1, 1, 0], [e2, e4, e3]]; its determinant is e3.
Matrix3 MakeAlgebraPattern(const SharedState& s, const PatternNumbers& n, int a, int b) {
  const long long e1 = a > 2 ? -(s.P2 / 10) : a;
  const long long e2 = b > 2 ? -(s.P1 / 10) : b;
  const long long e3 = n.q1 - 1 == 0 || n.q1 - 1 > 2 ? -1 : n.q1 - 1;
  const long long e4 = NonZeroOr(s.P6 - 2, -1);
  return {{{1, 0, 0}, {e1, 1, 0}, {e2, e4, e3}}};
}

// Row 1 += P7 row 3, then column 3 += P6 column 1: the determinant stays.
Matrix3 MixAlgebraMatrix(const SharedState& s, Matrix3 x) {
  for (int j = 0; j < 3; ++j) x[0][j] += s.P7 * x[2][j];
  for (int i = 0; i < 3; ++i) x[i][2] += s.P6 * x[i][0];
  return x;
}

void WriteRows(SharedState& s, const Matrix3& m, const char* end) {
  for (const auto& r : m) {
    WriteText3NumbersLn(s, "", static_cast<double>(r[0]), " & ", static_cast<double>(r[1]), " & ",
                        static_cast<double>(r[2]), end);
  }
}

}  // namespace

void BeginMatrixAlgebraProblem(SharedState& s) {
  s.ParboxWidth = 200;
  AnsBeginTable(s, 10);
  WriteLine(s, "Найти определитель матрицы $D$.\\\\ ");
  AnsWriteLine(s, "   &  $D_{1j}$ &$D_{2j}$ &$D_{3j}$ & det $D$");
  EndTableHeadWithReference(s, 39);
}

void BeginMatrixSumProductProblem(SharedState& s) {
  s.ParboxWidth = 200;
  WriteLine(s, "Найти определитель матрицы $D$.\\\\ ");
  // The multipliers up to 33 make entries of five and six digits: two tables of two columns.
  toolkit::BeginSplitAnswers(s, {"&  $D_{1j}$ ", "&$D_{2j}$ ", "&$D_{3j}$ ", "& det $D$ "},
                             kSumProductItemsPerTable, "");
}

void WriteMatrixAlgebraVariant(SharedState& s, int flag) {
  const PatternNumbers n = LinearSystemNumbers(s);
  const Matrix3 b = MixAlgebraMatrix(s, MixAlgebraMatrix(s, MakeAlgebraPattern(s, n, n.q3, n.q4)));
  const int det1 = Determinant3(b);
  toolkit::IntMatrix3Inverse(s, ToIntMatrix3(b));
  const Matrix3 a = MixAlgebraMatrix(s, MakeAlgebraPattern(s, n, n.q4, n.q3));

  Matrix3 g = Multiply3(a, b);
  if (flag == 1) {
    // |det B| B^-1 is the adjugate up to its sign: whole numbers.
    for (int i = 0; i < 3; ++i) {
      for (int j = 0; j < 3; ++j) {
        g[i][j] += static_cast<long long>(
            toolkit::RoundHalfEven(std::abs(det1) * s.InverseMatrix3[i + 1][j + 1]));
      }
    }
  }
  Matrix3 c{};
  if (flag == 1) {
    for (int i = 0; i < 3; ++i) {
      for (int j = 0; j < 3; ++j) {
        if (s.P5 == 2 ? j < i : i < j) c[i][j] = -g[i][j];
      }
    }
  } else {
    c = MixAlgebraMatrix(s, a);
  }
  Matrix3 d{};
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) d[i][j] = g[i][j] + c[i][j];
  }
  const int det_d = Determinant3(d);

  WriteLine(s, "\\arraycolsep=3pt\\vskip1mm \\noindent $A$=$\\left[\\begin{array}{rrr}");
  WriteRows(s, a, " \\\\ ");
  WriteLine(s, "\\end{array}\\right]$, $B=\\left[\\begin{array}{rrr}");
  WriteRows(s, b, " \\\\ ");
  WriteLine(s, "\\end{array}\\right]$,");
  WriteSmallNoteLine(s, "\\\\ ");
  WriteLine(s, " $C=\\left[\\begin{array}{rrr}");
  WriteRows(s, c, "\\\\");
  WriteLine(s, "\\end{array}\\right]$. $D=AB");
  if (flag == 1) {
    WriteSignedCoefLn(s, std::abs(det1));
    WriteLine(s, "B^{-1}+C.$\\vskip1mm");
  } else {
    WriteLine(s, "+C.$\\vskip1mm");
  }

  std::vector<std::string> cells;
  for (const auto& r : d) {
    cells.push_back("&$[" + toolkit::FormatNumberSci(static_cast<double>(r[0])) + "," +
                    toolkit::FormatNumberSci(static_cast<double>(r[1])) + "," +
                    toolkit::FormatNumberSci(static_cast<double>(r[2])) + "]$");
  }
  cells.push_back("&" + toolkit::FormatNumberSci(det_d));
  if (flag == 0) {
    cells.back() += " ";
    toolkit::AddSplitAnswersRow(s, toolkit::FormatNumber(toolkit::PrintedVariantNumber(s)), cells);
  } else {
    AnsWriteNumber(s, toolkit::PrintedVariantNumber(s));
    for (const std::string& cell : cells) AnsWrite(s, " " + cell);
  }
}

}  // namespace algebra
