#include "toolkit/numerics.h"

#include <cmath>
#include <string>

#include "toolkit/cp1251.h"
#include "toolkit/errors.h"
#include "toolkit/number_format.h"
#include "toolkit/writers.h"

namespace toolkit {
namespace {

// The common factors that NormalizeIntVector removes; 13 and above stay.
const IndexedArray<int, 1, 5> kSmallPrimes = [] {
  IndexedArray<int, 1, 5> primes;
  primes[1] = 2;
  primes[2] = 3;
  primes[3] = 5;
  primes[4] = 7;
  primes[5] = 11;
  return primes;
}();

constexpr std::size_t kPermutationNameChars = 12;

}  // namespace

int Random(Run& r, int n) {
  if (r.RandomNumbers == nullptr || n <= 1) return 0;
  return r.RandomNumbers->RandomInt(n);
}

double Hypot(double a, double b) { return std::sqrt(a * a + b * b); }

double Hypot3(double a, double b, double c) { return std::sqrt(a * a + b * b + c * c); }

double SqrtDiffSquares(double a, double b) {
  if (std::fabs(a) < std::fabs(b)) {
    throw DegenerateDataError("square root of a*a - b*b with |a| < |b| (a = " + std::to_string(a) +
                              ", b = " + std::to_string(b) + ")");
  }
  return std::sqrt(a * a - b * b);
}

double Power(double base, double exponent) {
  if (exponent == 0) return 1;
  if (!(base > 0)) {
    throw DegenerateDataError(
        "power of a base that is not positive (base = " + std::to_string(base) +
        ", exponent = " + std::to_string(exponent) + ")");
  }
  return std::exp(exponent * std::log(base));
}

double ArrayMaxOrMin(int n, const TPointArray& a, char mode) {
  if (mode == 'a') {
    double best = -10000000;
    for (int i = 1; i <= n; ++i) {
      if (a[i] > best) best = a[i];
    }
    return best;
  }
  if (mode == 'i') {
    double best = 10000000;
    for (int i = 1; i <= n; ++i) {
      if (a[i] < best) best = a[i];
    }
    return best;
  }
  return 0;
}

std::uint8_t DivPlusOne(std::uint8_t a, std::uint8_t b) {
  if (b == 0) throw DegenerateDataError("block number of " + std::to_string(a) + " in blocks of 0");
  return static_cast<std::uint8_t>(a / b + 1);
}

std::uint8_t ModPlusOne(std::uint8_t a, std::uint8_t b) {
  const std::uint8_t block = DivPlusOne(a, b);
  return static_cast<std::uint8_t>(a + 1 - b * static_cast<std::uint8_t>(block - 1));
}

void ByteToBinaryDigits(std::uint8_t n, TBinaryDigits& d) {
  d.Fill(0);
  int k = 1;
  do {
    d[k] = n % 2;
    n = static_cast<std::uint8_t>(n / 2);
    ++k;
  } while (n != 0);
}

int CountSetMembers1To7(const std::set<int>& s) {
  int count = 0;
  for (int k = 1; k <= 7; ++k) count += s.count(k) != 0 ? 1 : 0;
  return count;
}

void NormalizeIntVector(int* v1, int n) {
  if (n <= 0) return;
  bool all_zero = true;
  for (int i = 0; i < n; ++i) all_zero = all_zero && v1[i] == 0;
  // Zeros stay divisible by every prime: such a vector is left as it is.
  if (all_zero) return;
  for (int p : kSmallPrimes) {
    for (;;) {
      bool divisible = true;
      for (int i = 0; i < n; ++i) divisible = divisible && v1[i] % p == 0;
      if (!divisible) break;
      for (int i = 0; i < n; ++i) v1[i] /= p;
    }
  }
  bool none_positive = true;
  for (int i = 0; i < n; ++i) none_positive = none_positive && v1[i] <= 0;
  if (none_positive) {
    for (int i = 0; i < n; ++i) v1[i] = -v1[i];
  }
}

void BuildVariantPermutation(Run& r, TPermutation& p, int n) {
  TVariantRecord& record = r.StoredVariants[r.VariantIndex];
  int t = r.P1 + (r.P2 + r.P3) / 3;
  if (t > 8) t = 1;
  record[8] = static_cast<std::uint8_t>(t);
  if (n <= 0) return;
  (void)p[n];  // n above 8 throws before anything changes
  IndexedArray<bool, 1, 8> used{};
  for (int k = 1; k <= n; ++k) p[k] = 0;
  for (int i = 1; i <= n; ++i) {
    const int b = record[i];
    // A byte outside 1..n would leave a hole in the permutation; it takes no position.
    if (b >= 1 && b <= n && p[b] == 0) {
      p[b] = static_cast<std::uint8_t>(i);
      used[i] = true;
    }
  }
  int k = 1;
  for (int value = 1; value <= n; ++value) {
    if (used[value]) continue;
    while (p[k] != 0) ++k;
    p[k] = static_cast<std::uint8_t>(value);
  }
}

void ComposePermutations(const TPermutation& a, const TPermutation& b, int n, TPermutation& c) {
  const TPermutation a_copy = a;
  const TPermutation b_copy = b;
  for (int k = 1; k <= n; ++k) c[k] = a_copy[b_copy[k]];
}

void WritePermutationTex(Run& r, int n, std::string_view name, const TPermutation& p) {
  if (n < 1 || n > 8) {
    throw IndexRangeError("permutation length " + std::to_string(n) + " outside 1..8");
  }
  WriteText(r, "$" + CutToChars(name, kPermutationNameChars) + R"(=\left[\begin{array}{cccccccc})");
  for (int k = 1; k < n; ++k) WriteLine(r, FormatNumber(k) + "&");
  WriteLine(r, FormatNumber(n) + R"(\\)");
  for (int k = 1; k < n; ++k) WriteLine(r, FormatNumber(p[k]) + "&");
  WriteText(r, FormatNumber(p[n]) + R"(\end{array}\right]$)");
}

void WriteSeriesTerm(Run& r, int kind) {
  const std::string a = FormatNumber(r.P1 + 1);
  const std::string c = FormatNumber(r.P1 + 2);
  const std::string e = FormatNumber(r.P2 + 1);
  const std::string p1 = FormatNumber(r.P1);
  switch (kind) {
    case 1:
      WriteText(r, FormatNumber(r.P1 + 11));
      return;
    case 2:
      WriteLine(r, R"(\sin()" + a + "n)");
      return;
    case 3:
    case 5:
      WriteLine(r, R"(\cos()" + a + "n)");
      return;
    case 4:
      WriteLine(r, R"(\sqrt[)" + c + R"(]{\sin()" + e + "n)+" + p1 + "}");
      return;
    case 6:
      WriteLine(r, "1/n^{" + a + "}");
      return;
    case 7:
      WriteLine(r, R"(1/\sqrt[)" + c + "]{n}");
      return;
    case 8:
      WriteLine(r, R"(\sin()" + a + "/n)");
      return;
    case 9:
      WriteLine(r, R"(1/\sqrt[)" + c + "]{" + e + "n+" + p1 + "}");
      return;
    case 10:
      WriteLine(r, R"(\sin^n()" + a + "n)");
      return;
    case 11:
      WriteLine(r, R"(\cos^n()" + a + "n)");
      return;
    case 12:
      WriteLine(r, a + "^{1/n}");
      return;
    default:
      return;
  }
}

}  // namespace toolkit
