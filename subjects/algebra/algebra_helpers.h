#pragma once

#include <array>

#include "toolkit/state.h"

// Helpers that several algebra problem types share.
namespace algebra {

/// The eight small numbers most algebra patterns are built from: q1 = Trunc(P1 / 4.01) + 1,
/// q2 = Trunc(P2 / 4.01) + 1, q3 = Trunc(P3 / 3.01) + 1, q4 = Trunc(P4 / 3.01) + 1 (1..5 within
/// the bounds) and r1 = (P1 mod 4) + 1, r2 = (P2 mod 4) + 1, r3 = (P3 mod 3) + 1,
/// r4 = (P4 mod 3) + 1.
struct PatternNumbers {
  int q1, q2, q3, q4;
  int r1, r2, r3, r4;
};

/// The pattern numbers of the current variant's P1..P4.
PatternNumbers LinearSystemNumbers(const toolkit::Run& r);

/// v, or replacement when v is 0.
inline int NonZeroOr(int v, int replacement) { return v == 0 ? replacement : v; }

/// Round(num / den) with halves to the even neighbour, exactly; den must not be 0.
long long RoundRatio(long long num, long long den);

/// r2 + r4, less 4 when it exceeds 4: the second of the two columns a pattern exchanges.
inline int ExchangeColumn(const PatternNumbers& n) {
  const int s = n.r2 + n.r4;
  return s > 4 ? s - 4 : s;
}

/// A 3 x 3 integer matrix held row by row from 0, in 64-bit entries so that products and sums
/// of the larger patterns never overflow.
using Matrix3 = std::array<std::array<long long, 3>, 3>;

/// a * b in 64-bit arithmetic.
Matrix3 Multiply3(const Matrix3& a, const Matrix3& b);

/// The toolkit's 1-based matrix of m; throws DegenerateDataError when an entry does not fit
/// in int.
toolkit::TIntMatrix3 ToIntMatrix3(const Matrix3& m);

/// The determinant of m through the toolkit's IntMatrix3Determinant.
int Determinant3(const Matrix3& m);

}  // namespace algebra
