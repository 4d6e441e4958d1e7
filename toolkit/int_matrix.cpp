#include "toolkit/int_matrix.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "toolkit/errors.h"
#include "toolkit/number_format.h"
#include "toolkit/writers.h"

namespace toolkit {
namespace {

// Integer products carry no overflow check; they wrap like 32-bit machine integers instead of
// being undefined, so that any caller that overruns still gets a defined (if useless) value.
constexpr int kSubsetLimit = 20;

int Wrap32(std::uint64_t v) { return static_cast<int>(static_cast<std::uint32_t>(v)); }

std::uint64_t U(long long v) { return static_cast<std::uint64_t>(v); }

// Expansion along the first column, row by row, is the same sum as a memoised recursion over
// the set of rows still unused: the column to expand is fixed by how many rows are used, and the
// sign of a row is s to the power of its position among the unused rows.
std::uint64_t ExpandBySubsets(const std::vector<std::vector<int>>& a, int n, std::uint64_t s) {
  const std::uint32_t full = (1u << n) - 1u;  // n <= kSubsetLimit
  std::vector<std::uint64_t> value(static_cast<std::size_t>(full) + 1, 0);
  value[0] = 1;
  for (std::uint32_t rows = 1; rows <= full; ++rows) {
    const int used = n - std::popcount(rows);
    const int column = used;  // 0-based column expanded at this depth
    std::uint64_t sign = 1;
    std::uint64_t sum = 0;
    for (int j = 0; j < n; ++j) {
      if ((rows & (1u << j)) == 0) continue;
      sum += sign * U(a[j][column]) * value[rows & ~(1u << j)];
      sign *= s;
    }
    value[rows] = sum;
  }
  return value[full];
}

std::uint64_t ExpandRecursively(const std::vector<std::vector<int>>& a, std::uint64_t s) {
  const int n = static_cast<int>(a.size());
  if (n == 1) return U(a[0][0]);
  std::uint64_t sign = 1;
  std::uint64_t sum = 0;
  for (int j = 0; j < n; ++j) {
    // A zero entry adds nothing; skipping its minor keeps sparse matrices cheap.
    if (a[j][0] == 0) {
      sign *= s;
      continue;
    }
    std::vector<std::vector<int>> minor;
    for (int i = 0; i < n; ++i) {
      if (i != j) minor.emplace_back(a[i].begin() + 1, a[i].end());
    }
    sum += sign * U(a[j][0]) * ExpandRecursively(minor, s);
    sign *= s;
  }
  return sum;
}

}  // namespace

void Vec3Add(const TIntVector3& a, const TIntVector3& b, TIntVector3& c) {
  const TIntVector3 x = a;
  const TIntVector3 y = b;
  for (int k = 1; k <= 3; ++k) c[k] = Wrap32(U(x[k]) + U(y[k]));
}

void Vec3Cross(const TIntVector3& a, const TIntVector3& b, TIntVector3& c) {
  const TIntVector3 x = a;
  const TIntVector3 y = b;
  for (int k = 1; k <= 3; ++k) {
    const int k1 = CyclicIndex3(static_cast<std::uint8_t>(k + 1));
    const int k2 = CyclicIndex3(static_cast<std::uint8_t>(k + 2));
    c[k] = Wrap32(U(x[k1]) * U(y[k2]) - U(x[k2]) * U(y[k1]));
  }
}

int Vec3Dot(const TIntVector3& a, const TIntVector3& b) {
  std::uint64_t sum = 0;
  for (int k = 1; k <= 3; ++k) sum += U(a[k]) * U(b[k]);
  return Wrap32(sum);
}

double Vec3Length(const TIntVector3& a) { return std::sqrt(static_cast<double>(Vec3Dot(a, a))); }

std::uint8_t CyclicIndex3(std::uint8_t k) {
  if (k == 0) return 3;
  if (k <= 3) return k;
  return static_cast<std::uint8_t>(k - 3);
}

std::uint8_t CyclicIndex7(std::uint8_t k) {
  if (k >= 1 && k <= 7) return k;
  return static_cast<std::uint8_t>(k - 7);
}

void ClearIntMatrix(TIntMatrix& a, int n) {
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j) a[i][j] = 0;
  }
}

void IntMatrixMinor(const TIntMatrix& a, TIntMatrix& m, int n, int rr, int c) {
  if (n <= 1) return;
  std::vector<std::vector<int>> block(static_cast<std::size_t>(n - 1),
                                      std::vector<int>(static_cast<std::size_t>(n - 1)));
  for (int i = 1; i < n; ++i) {
    for (int j = 1; j < n; ++j) {
      block[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(j - 1)] =
          a[i < rr ? i : i + 1][j < c ? j : j + 1];
    }
  }
  for (int i = 1; i < n; ++i) {
    for (int j = 1; j < n; ++j)
      m[i][j] = block[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(j - 1)];
  }
}

int IntMatrixDeterminant(const Run& r, const TIntMatrix& a, int n) {
  if (n <= 0) return 0;
  (void)a[n][n];  // n above 64 throws
  const std::uint64_t s = r.DeterminantMode ? U(-1) : 1;
  std::vector<std::vector<int>> block(static_cast<std::size_t>(n),
                                      std::vector<int>(static_cast<std::size_t>(n)));
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j)
      block[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(j - 1)] = a[i][j];
  }
  return Wrap32(n <= kSubsetLimit ? ExpandBySubsets(block, n, s) : ExpandRecursively(block, s));
}

void IntMatrixMultiply(const TIntMatrix& a, const TIntMatrix& b, int n, TIntMatrix& c) {
  if (n <= 0) return;
  const auto x = std::make_unique<TIntMatrix>(a);
  const auto y = std::make_unique<TIntMatrix>(b);
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j) {
      std::uint64_t sum = 0;
      for (int k = 1; k <= n; ++k) sum += U((*x)[i][k]) * U((*y)[k][j]);
      c[i][j] = Wrap32(sum);
    }
  }
}

void MarkNewReachable(int k, int n, const TIntMatrix& a, TIntMatrix& b) {
  for (int i = 1; i <= n; ++i) {
    for (int j = i + 1; j <= n; ++j) {
      if (a[i][j] != 0 && b[i][j] == 0) b[i][j] = k;
    }
  }
}

bool UpperTriangleHasZero(const TIntMatrix& a, int n) {
  for (int i = 1; i <= n; ++i) {
    for (int j = i + 1; j <= n; ++j) {
      if (a[i][j] == 0) return true;
    }
  }
  return false;
}

void SwapRowsCols(TIntMatrix& a, int i, int j) {
  for (int k = 1; k <= 64; ++k) std::swap(a[i][k], a[j][k]);
  for (int k = 1; k <= 64; ++k) std::swap(a[k][i], a[k][j]);
}

void WriteIntMatrixTex(Run& r, int style, int n, const TIntMatrix& a) {
  std::string head;
  if (style == 2) {
    head = R"(\tabcolsep=2pt\small$\begin{tabular}{|)";
  } else if (style == 3) {
    head = R"(\tabcolsep=3pt$\begin{tabular}{|)";
  } else {
    head = R"(\tabcolsep=2pt\scriptsize$\begin{tabular}{|)";
  }
  for (int k = 1; k <= n; ++k) head += "l";
  head += "|}";
  WriteLine(r, head);
  for (int i = 1; i <= n; ++i) {
    std::string row;
    for (int k = 1; k < n; ++k) row += FormatNumber(a[i][k]) + " & ";
    row += FormatNumber(a[i][n]) + R"(\\ )";
    WriteLine(r, row);
  }
  WriteLine(r, R"(\end{tabular}$\ \ )");
}

int IntMatrix3Determinant(const TIntMatrix3& a) {
  std::uint64_t sum = 0;
  for (int c = 1; c <= 3; ++c) {
    const int c1 = CyclicIndex3(static_cast<std::uint8_t>(c + 1));
    const int c2 = CyclicIndex3(static_cast<std::uint8_t>(c + 2));
    sum += U(a[1][c]) * U(a[2][c1]) * U(a[3][c2]);
    sum -= U(a[1][c2]) * U(a[2][c1]) * U(a[3][c]);
  }
  return Wrap32(sum);
}

void IntMatrix3Inverse(Run& r, const TIntMatrix3& a) {
  const int d = IntMatrix3Determinant(a);
  if (d == 0) throw DegenerateDataError("inverse of a 3 x 3 matrix whose determinant is 0");
  for (int i = 1; i <= 3; ++i) {
    const int i1 = CyclicIndex3(static_cast<std::uint8_t>(i + 1));
    const int i2 = CyclicIndex3(static_cast<std::uint8_t>(i + 2));
    for (int j = 1; j <= 3; ++j) {
      const int j1 = CyclicIndex3(static_cast<std::uint8_t>(j + 1));
      const int j2 = CyclicIndex3(static_cast<std::uint8_t>(j + 2));
      const int cofactor = Wrap32(U(a[i1][j1]) * U(a[i2][j2]) - U(a[i1][j2]) * U(a[i2][j1]));
      r.InverseMatrix3[j][i] = static_cast<double>(cofactor) / d;
    }
  }
}

void RealMatrixMultiply(const TRealMatrix4& a, const TRealMatrix4& b, int n, TRealMatrix4& c) {
  const TRealMatrix4 x = a;
  const TRealMatrix4 y = b;
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j) {
      double sum = 0;
      for (int k = 1; k <= n; ++k) sum += x[i][k] * y[k][j];
      c[i][j] = sum;
    }
  }
}

double TriangleCross3DLength(const Run& r, int i, int j, int k, int l) {
  TIntVector3 u{};
  TIntVector3 w{};
  for (int m = 1; m <= 3; ++m) {
    u[m] = r.Points3D[m][j] - r.Points3D[m][i];
    w[m] = r.Points3D[m][k] - r.Points3D[m][l];
  }
  TIntVector3 cross{};
  Vec3Cross(u, w, cross);
  double sum = 0;
  for (int m = 1; m <= 3; ++m) sum += static_cast<double>(cross[m]) * cross[m];
  return std::sqrt(sum);
}

}  // namespace toolkit
