#pragma once

#include <cstdint>
#include <set>

#include "toolkit/indexed_array.h"
#include "toolkit/state.h"

namespace toolkit {

/// Binary digits of a byte, least significant first, indices 1..8.
using TBinaryDigits = IndexedArray<int, 1, 8>;
/// A permutation of 1..n (n <= 8) as bytes, indices 1..8: p[k] is the image of k.
using TPermutation = IndexedArray<std::uint8_t, 1, 8>;

/// A draw uniform in 0..n-1 from the run's generator; 0 when the run has none (a run outside
/// a Start, such as the near-duplicate pass, sees the same text every time). n >= 1.
int Random(Run& r, int n);

/// The square root of a*a + b*b.
double Hypot(double a, double b);
/// The square root of a*a + b*b + c*c.
double Hypot3(double a, double b, double c);
/// The square root of a*a - b*b; throws DegenerateDataError when |a| < |b|.
double SqrtDiffSquares(double a, double b);
/// base to the power exponent: 1 when exponent = 0 (any base), else exp(exponent*ln(base));
/// throws DegenerateDataError when the base is not positive and the exponent is not 0.
double Power(double base, double exponent);
/// Mode 'a': the largest of a[1..n] (from -10000000); mode 'i': the smallest (from 10000000);
/// any other mode: 0. Element 0 is never read; n above 100 throws IndexRangeError.
double ArrayMaxOrMin(int n, const TPointArray& a, char mode);

/// a div b + 1 in byte arithmetic; throws DegenerateDataError when b = 0.
std::uint8_t DivPlusOne(std::uint8_t a, std::uint8_t b);
/// a mod b + 1 in byte arithmetic; throws DegenerateDataError when b = 0.
std::uint8_t ModPlusOne(std::uint8_t a, std::uint8_t b);
/// d[1..8] := 0, then the binary digits of n into d[1], d[2], .., least significant first.
void ByteToBinaryDigits(std::uint8_t n, TBinaryDigits& d);
/// How many of 1, 2, .., 7 belong to s.
int CountSetMembers1To7(const std::set<int>& s);

/// Divides v[1..n] by 2, 3, 5, 7, 11 (in turn, while all entries are divisible), then negates
/// all entries when none is positive. An all-zero vector, or n = 0, is left unchanged.
void NormalizeIntVector(int* v1, int n);
/// The same on a table indexed from 1 or below: entries 1..n (n beyond the table throws
/// IndexRangeError).
template <int Lo, int Hi>
void NormalizeIntVector(IndexedArray<int, Lo, Hi>& v, int n) {
  static_assert(Lo <= 1, "entries 1..n must exist");
  if (n > 0) {
    (void)v[n];  // range check before touching the entries
    NormalizeIntVector(&v[1], n);
  }
}

/// Fills p[1..n] with a permutation built from the current variant's stored record; stores
/// P1 + (P2 + P3) div 3 (1 when above 8) as byte 8 of StoredVariants[VariantIndex]. A record
/// byte outside 1..n takes no position.
void BuildVariantPermutation(Run& r, TPermutation& p, int n);
/// Exchanges a[i] and a[j]; an index outside the table throws IndexRangeError.
template <int Lo, int Hi>
void SwapBytes(int i, int j, IndexedArray<std::uint8_t, Lo, Hi>& a) {
  const std::uint8_t t = a[i];
  a[i] = a[j];
  a[j] = t;
}
/// c[k] := a[b[k]] for k = 1..n (c may be a or b); b[k] outside 1..8 throws IndexRangeError.
void ComposePermutations(const TPermutation& a, const TPermutation& b, int n, TPermutation& c);
/// Main file: the two-row form "$name=\left[\begin{array}{cccccccc}" 1& .. n\\ p[1]& .. p[n]
/// "\end{array}\right]$", one number per line; name cut to 12 characters.
void WritePermutationTex(Run& r, int n, std::string_view name, const TPermutation& p);

/// Main file: the general term of a numeric series of the given kind (1..12) built from P1 and
/// P2; every kind but 1 ends the line; kind 0 and above 12 write nothing.
void WriteSeriesTerm(Run& r, int kind);

}  // namespace toolkit
