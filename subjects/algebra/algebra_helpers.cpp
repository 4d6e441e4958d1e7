#include "subjects/algebra/algebra_helpers.h"

#include <cstdint>
#include <string>

#include "toolkit/errors.h"
#include "toolkit/int_matrix.h"
#include "toolkit/numerics.h"

namespace algebra {

namespace {

// Trunc(p / (divisor / 100)) + 1 in integers: 4.01 and 3.01 are 401/100 and 301/100, so the
// quotient truncated toward zero is exact for every signed byte.
int QuotientPlusOne(int p, int divisor_hundredths) { return p * 100 / divisor_hundredths + 1; }

int RemainderPlusOne(int p, int m) {
  return toolkit::ModPlusOne(static_cast<std::uint8_t>(p), static_cast<std::uint8_t>(m));
}

}  // namespace

long long RoundRatio(long long num, long long den) {
  if (den < 0) {
    num = -num;
    den = -den;
  }
  long long q = num / den;
  long long rem = num % den;
  if (rem < 0) {
    rem += den;
    --q;
  }
  if (2 * rem > den || (2 * rem == den && q % 2 != 0)) ++q;
  return q;
}

PatternNumbers LinearSystemNumbers(const toolkit::Run& r) {
  return {QuotientPlusOne(r.P1, 401), QuotientPlusOne(r.P2, 401), QuotientPlusOne(r.P3, 301),
          QuotientPlusOne(r.P4, 301), RemainderPlusOne(r.P1, 4),  RemainderPlusOne(r.P2, 4),
          RemainderPlusOne(r.P3, 3),  RemainderPlusOne(r.P4, 3)};
}

Matrix3 Multiply3(const Matrix3& a, const Matrix3& b) {
  Matrix3 c{};
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      for (int k = 0; k < 3; ++k) c[i][j] += a[i][k] * b[k][j];
    }
  }
  return c;
}

toolkit::TIntMatrix3 ToIntMatrix3(const Matrix3& m) {
  toolkit::TIntMatrix3 t{};
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      if (m[i][j] > INT32_MAX || m[i][j] < INT32_MIN) {
        throw toolkit::DegenerateDataError("matrix entry " + std::to_string(m[i][j]) +
                                           " beyond the integer range");
      }
      t[i + 1][j + 1] = static_cast<int>(m[i][j]);
    }
  }
  return t;
}

int Determinant3(const Matrix3& m) { return toolkit::IntMatrix3Determinant(ToIntMatrix3(m)); }

}  // namespace algebra
