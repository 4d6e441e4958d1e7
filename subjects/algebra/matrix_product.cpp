#include <string>
#include <utility>

#include "subjects/algebra/algebra_helpers.h"
#include "subjects/algebra/problems.h"
#include "toolkit/answers.h"
#include "toolkit/errors.h"
#include "toolkit/number_format.h"
#include "toolkit/writers.h"

namespace algebra {

namespace {

// Tries of each factor before its determinant counts as degenerate.
constexpr int kFirstFactorTries = 10;
constexpr int kSecondFactorTries = 4;

// The working numbers a factor is built from.
struct FactorNumbers {
  int a, b, c, d, e;
};

// The pattern [[0, t2, t3], [t6, 0, t4], [t7, t5, 0]] whose determinant is
// t2 t4 t7 + t3 t6 t5, with t7 chosen to keep it small.
Matrix3 MakeProductFactor(const FactorNumbers& f) {
  const long long t1 = NonZeroOr(f.a - 3, -2);
  const long long t2 = f.a > 3 ? -2 : f.a;
  const long long t3 = f.b > 3 ? -3 : f.b;
  const long long t4 = f.c;
  const long long t5 = f.d;
  const long long t6 = NonZeroOr(f.e - 2, -2);
  if (t2 * t4 == 0) throw toolkit::DegenerateDataError("matrix product factor with t2 t4 = 0");
  const long long t7 = NonZeroOr(static_cast<int>(RoundRatio(t1 - t6 * t3 * t5, t2 * t4) + 1), 1);
  return {{{0, t2, t3}, {t6, 0, t4}, {t7, t5, 0}}};
}

// The factor with columns 2 and d + 1 (1 when that exceeds 3) exchanged.
Matrix3 ExchangeFactorColumns(Matrix3 g, int d) {
  const int s = d + 1 > 3 ? 1 : d + 1;
  for (auto& row : g) std::swap(row[1], row[s - 1]);
  return g;
}

int Wrap(int v, int above, int to) { return v > above ? to : v; }

void WriteRows(SharedState& s, const Matrix3& m, const char* sep1, const char* sep2,
               const char* end) {
  for (const auto& row : m) {
    WriteText3NumbersLn(s, "", static_cast<double>(row[0]), sep1, static_cast<double>(row[1]), sep2,
                        static_cast<double>(row[2]), end);
  }
}

}  // namespace

void BeginMatrixProductProblem(SharedState& s) {
  s.ParboxWidth = 200;
  AnsWriteLine(s, "\\tabcolsep=2pt");
  AnsBeginTable(s, 16);
  WriteLine(s,
            "\\arraycolsep=2pt Умножить две матрицы, найти матрицу $A$ и решить уравнение "
            "$AX=B$.");
  WriteSmallNoteLine(s,
                     "\\vskip2mm {\\small В ответе даны определители матриц, элементы матрицы $A$,"
                     "  решение системы уравнений и определитель системы.}\\\\\\noindent");
  AnsWriteLine(s, "   & $det_1$ & $det_2$ ");
  std::string head;
  for (int i = 1; i <= 3; ++i) {
    for (int j = 1; j <= 3; ++j)
      head += "&$A_{" + std::to_string(i) + "," + std::to_string(j) + "}$";
  }
  for (int i = 1; i <= 3; ++i) head += "&$x_" + std::to_string(i) + "$ ";
  AnsWriteLine(s, head);
  AnsWriteLine(s, "   & det $A$ ");
  AnsEndTableRow(s);
}

void WriteMatrixProductVariant(SharedState& s) {
  const PatternNumbers n = LinearSystemNumbers(s);
  FactorNumbers f{n.q3, n.q4, s.P6, s.P7, s.P5 + 1};
  Matrix3 c{};
  long long x[3] = {};
  int det1 = 0;
  for (int attempt = 1; attempt <= kFirstFactorTries; ++attempt) {
    x[0] = NonZeroOr(f.a - 2, 3);
    x[1] = NonZeroOr(f.b - 2, -2);
    x[2] = NonZeroOr(s.P6 - 2, 2);
    c = ExchangeFactorColumns(MakeProductFactor(f), f.d);
    det1 = Determinant3(c);
    if (det1 != 0) break;
    f.a = Wrap(f.a + 1, 3, 1);
    f.b = Wrap(f.b + 1, 3, 2);
  }
  // The second factor exchanges the pairs (a, b), (c, d) and (P5 + 1, r1) of the first; a zero
  // determinant moves a and b on and tries again with the same exchange.
  FactorNumbers g{f.b, f.a, s.P7, s.P6, n.r1};
  Matrix3 d{};
  int det2 = 0;
  for (int attempt = 1; attempt <= kSecondFactorTries; ++attempt) {
    d = ExchangeFactorColumns(MakeProductFactor(g), g.d);
    det2 = Determinant3(d);
    if (det2 != 0) break;
    g.a = Wrap(g.a + 1, 3, 1);
    g.b = Wrap(g.b + 1, 3, 3);
  }
  if (det1 == 0 || det2 == 0) {
    throw toolkit::DegenerateDataError(
        "matrix product: a factor with determinant 0 (Algebra row 5)");
  }
  const Matrix3 a = Multiply3(c, d);
  long long b[3] = {};
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) b[i] += a[i][j] * x[j];
  }

  WriteLine(s, "\\vskip2mm\\noindent$A$=$\\left[\\begin{array}{rrr}\\tabcolsep=1pt");
  WriteRows(s, c, " & ", " & ", " \\\\ ");
  WriteLine(s,
            "\\end{array}\\right]\\!\\!\\!\\cdot\\!\\!\\! \\left[\\begin{array}{rrr}"
            "\\arraycolsep=1pt\\tabcolsep=1pt");
  WriteRows(s, d, "&", " & ", " \\\\ ");
  WriteLine(s, "\\end{array}\\right]$,  $B$=$\\left[\\begin{array}{r}");
  for (long long v : b) WriteTextNumberLn(s, "", static_cast<double>(v), " \\\\ ");
  WriteLine(s, "\\end{array}\\right]$\\vskip3pt");

  std::string row = toolkit::FormatFixed(toolkit::PrintedVariantNumber(s), 2, 0) + "&" +
                    toolkit::FormatFixed(det1, 4, 0) + "&" + toolkit::FormatFixed(det2, 4, 0);
  for (const auto& r : a) {
    for (long long v : r) row += "&" + toolkit::FormatFixed(static_cast<double>(v), 4, 0);
  }
  for (long long v : x) row += "&" + toolkit::FormatFixed(static_cast<double>(v), 3, 0);
  row += "&" + toolkit::FormatFixed(static_cast<double>(det1) * det2, 4, 0);
  AnsWrite(s, row);
}

}  // namespace algebra
