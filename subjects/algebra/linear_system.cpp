#include <cstdlib>
#include <string>

#include "subjects/algebra/algebra_helpers.h"
#include "subjects/algebra/problems.h"
#include "toolkit/answers.h"
#include "toolkit/errors.h"
#include "toolkit/fractions.h"
#include "toolkit/int_matrix.h"
#include "toolkit/number_format.h"
#include "toolkit/writers.h"

namespace algebra {

namespace {

// Passes of the |D| > 200 shrink loop before the data count as degenerate (at most 7 are
// needed within the bounds).
constexpr int kMaxShrinkPasses = 50;
// Zero determinants tolerated in one variant (each followed by a diagonal bump).
constexpr int kMaxZeroDeterminants = 4;

[[noreturn]] void ThrowDegenerate(const SharedState& s, int n, const std::string& what) {
  std::string params;
  for (int p : {s.P1, s.P2, s.P3, s.P4, s.P5, s.P6, s.P7}) {
    params += (params.empty() ? "" : " ") + std::to_string(p);
  }
  throw toolkit::DegenerateDataError("Algebra row " + std::to_string(n == 3 ? 3 : 11) +
                                     ", system of " + std::to_string(n) + " equations: " + what +
                                     "; P1..P7 = " + params);
}

}  // namespace

void BeginLinearSystemProblem(SharedState& s, int n) {
  s.ParboxWidth = 170;
  AnsBeginTable(s, n + 4);
  WriteLine(s, n == 3 ? "Решить систему трех линейных уравнений с тремя неизвестными.\\\\ "
                      : "Решить систему четырех линейных уравнений с четырьмя неизвестными.\\\\ ");
  AnsWriteLine(s, "& det");
  for (int i = 1; i <= n; ++i) AnsWriteTextNumber(s, "&$x_", i, "$");
  EndTableHeadWithReference(s, 36);
}

void WriteLinearSystemVariant(SharedState& s, int n) {
  const PatternNumbers q = LinearSystemNumbers(s);
  // The solution is chosen first (whole numbers until one of them is halved below).
  long long x[5] = {0, RoundRatio(s.P2, 2) + q.r4, NonZeroOr(q.q4 + q.q1 - 2, 7), q.q3,
                    q.q3 - q.r2};
  const int a = NonZeroOr(q.q1 - q.r1, 4);
  const int b = NonZeroOr(q.q2 - q.r2, 1);
  const int c = NonZeroOr(q.q3 - 2 * q.r1, 5);
  const int d = NonZeroOr(q.q4 - 2 * q.r2, 1);
  const int e = s.P5;
  const int pattern[4][4] = {
      {c, e * b, d, 1 - q.r3},
      {a, b, 1 - q.r4, a},
      {c, 1 - q.r2, 2 * a, 2 * d},
      {1 - q.r1, c, a, d},
  };
  toolkit::TIntMatrix m{};
  for (int i = 1; i <= 4; ++i) {
    for (int j = 1; j <= 4; ++j) m[i][j] = pattern[i - 1][j - 1];
  }
  const int col = ExchangeColumn(q);
  for (int i = 1; i <= 4; ++i) std::swap(m[i][q.r2], m[i][col]);

  s.DeterminantMode = true;
  int zeros = 0;
  for (;;) {
    int det = toolkit::IntMatrixDeterminant(s, m, n);
    for (int pass = 0; std::abs(det) > 200; ++pass) {
      if (pass == kMaxShrinkPasses) ThrowDegenerate(s, n, "the determinant stays above 200");
      for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) m[i][j] = static_cast<int>(RoundRatio(5LL * m[i][j], 6));
        x[i] = RoundRatio(2 * x[i], 3);
      }
      det = toolkit::IntMatrixDeterminant(s, m, n);
    }
    if (det != 0) break;
    if (++zeros > kMaxZeroDeterminants) ThrowDegenerate(s, n, "the determinant is 0 five times");
    for (int i = 1; i <= n; ++i) m[i][i] += i;
  }

  // Halving X[r1] and doubling its column keeps every product whole: twice the solution is
  // kept, so a half shows exactly.
  long long twice_x[5] = {0, 2 * x[1], 2 * x[2], 2 * x[3], 2 * x[4]};
  twice_x[q.r1] /= 2;
  for (int i = 1; i <= n; ++i) m[i][q.r1] *= 2;
  long long rhs[5] = {};
  for (int i = 1; i <= n; ++i) {
    long long twice_b = 0;
    for (int j = 1; j <= n; ++j) twice_b += m[i][j] * twice_x[j];
    rhs[i] = twice_b / 2;
  }
  for (int i = 1; i <= n; ++i) {
    bool all_non_positive = rhs[i] <= 0;
    for (int j = 1; j <= n; ++j) all_non_positive = all_non_positive && m[i][j] <= 0;
    if (all_non_positive) {
      for (int j = 1; j <= n; ++j) m[i][j] = -m[i][j];
      rhs[i] = -rhs[i];
    }
  }
  for (int i = 1; i <= n; ++i) {  // HalveEvenEquations
    bool all_even = rhs[i] % 2 == 0;
    for (int j = 1; j <= n; ++j) all_even = all_even && m[i][j] % 2 == 0;
    if (all_even) {
      for (int j = 1; j <= n; ++j) m[i][j] /= 2;
      rhs[i] /= 2;
    }
  }
  // The determinant of the system as printed (after negations and halvings).
  const int det = toolkit::IntMatrixDeterminant(s, m, n);

  for (int i = 1; i <= n; ++i) {
    if (i == n) WriteText(s, "\\noindent");
    WriteText(s, "$");
    bool first = true;
    for (int j = 1; j <= n; ++j) {
      if (m[i][j] == 0) continue;
      if (first) {
        WriteMinusOrSpaceCoefLn(s, m[i][j]);
      } else {
        WriteSignedCoefLn(s, m[i][j]);
      }
      first = false;
      WriteText(s, "x_");
      WriteNumber(s, j);
    }
    WriteText(s, "=");
    WriteNumber(s, static_cast<double>(rhs[i]));
    if (i < n) {
      WriteLine(s, ",$\\\\ ");
    } else {
      WriteLine(s, s.Level == 1 ? ".$\\vskip1mm" : s.Level == 2 ? ".$\\vskip4mm" : ".$");
    }
  }

  AnsWrite(s, toolkit::FormatFixed(toolkit::PrintedVariantNumber(s), 2, 0) + "&" +
                  toolkit::FormatFixed(det, 6, 0));
  for (int i = 1; i <= n; ++i) AnsWriteTextNumber(s, "&", twice_x[i] / 2.0, "");
}

}  // namespace algebra
