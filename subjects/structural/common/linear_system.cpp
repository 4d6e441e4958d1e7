#include "subjects/structural/common/linear_system.h"

#include <cmath>
#include <string>
#include <utility>

#include "toolkit/errors.h"

namespace structural {

namespace {

// The threshold is compared as the double constant, so that a pivot ratio of exactly 1e-9
// (as a double) counts as singular.
constexpr long double kPivotRatioLimit = static_cast<long double>(1e-9);

[[noreturn]] void ThrowSingular(std::string_view system, int n, const std::string& detail) {
  std::string name = system.empty() ? std::string("linear system") : std::string(system);
  throw toolkit::DegenerateDataError(name + " of " + std::to_string(n) +
                                     " equations is singular: " + detail);
}

}  // namespace

void ClearLinearSystem(Mechanics& m, int n) {
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j) m.SystemMatrix[i][j] = 0;
    for (int r = 1; r <= 6; ++r) m.SystemRhs[i][r] = 0;
  }
}

void SolveLinearSystem(Mechanics& m, int n, int rhs, std::string_view system) {
  if (n <= 0) return;
  auto& a = m.SystemMatrix;
  auto& b = m.SystemRhs;

  for (int k = 1; k <= n - 1; ++k) {
    long double largest = std::fabs(static_cast<long double>(a[k][k]));
    int pivot_row = 0;
    for (int i = k + 1; i <= n; ++i) {
      const long double v = std::fabs(static_cast<long double>(a[i][k]));
      if (v > largest) {
        largest = v;
        pivot_row = i;
      }
    }
    if (pivot_row != 0) {
      for (int j = k; j <= n; ++j) std::swap(a[k][j], a[pivot_row][j]);
      for (int r = 1; r <= rhs; ++r) std::swap(b[k][r], b[pivot_row][r]);
    }

    // A zero first pivot gives 0/0 and a non-finite entry gives NaN: both fail the test below.
    const long double ratio =
        std::fabs(static_cast<long double>(a[k][k]) / static_cast<long double>(a[1][1]));
    if (!(ratio > kPivotRatioLimit) || !std::isfinite(ratio)) {
      ThrowSingular(system, n,
                    k == 1
                        ? std::string("the first column has no non-zero entry")
                        : "pivot " + std::to_string(k) + " is at most 1e-9 times the first pivot");
    }

    for (int i = k + 1; i <= n; ++i) {
      const long double f = static_cast<long double>(a[i][k]) / static_cast<long double>(a[k][k]);
      a[i][k] = 0;
      for (int j = k + 1; j <= n; ++j) {
        a[i][j] = static_cast<double>(a[i][j] - f * static_cast<long double>(a[k][j]));
      }
      for (int r = 1; r <= rhs; ++r) {
        b[i][r] = static_cast<double>(b[i][r] - f * static_cast<long double>(b[k][r]));
      }
    }
  }

  // Only the back substitution divides by the last pivot; a bare triangulation needs none.
  if (rhs > 0 && (a[n][n] == 0 || !std::isfinite(a[n][n]))) {
    ThrowSingular(system, n, "pivot " + std::to_string(n) + " is zero");
  }

  for (int r = 1; r <= rhs; ++r) {
    b[n][r] = static_cast<double>(static_cast<long double>(b[n][r]) / a[n][n]);
    for (int i = n - 1; i >= 1; --i) {
      long double s = 0;
      for (int j = i + 1; j <= n; ++j) {
        s += static_cast<long double>(a[i][j]) * static_cast<long double>(b[j][r]);
      }
      b[i][r] = static_cast<double>((static_cast<long double>(b[i][r]) - s) / a[i][i]);
    }
    for (int i = 1; i <= n; ++i) {
      if (!std::isfinite(b[i][r])) {
        ThrowSingular(system, n, "unknown " + std::to_string(i) + " is not finite");
      }
    }
  }
}

}  // namespace structural
