#pragma once

// Checks for the Algebra answer keys, written apart from the generators: a runner that writes
// one variant into memory, the parameter sweep, readers of the printed matrices and equations,
// and exact integer and rational linear algebra to recompute what the student must find.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/random_source.h"

namespace algebra_check {

/// P1..P7 of one variant.
using Params = std::array<int, 7>;

/// What one Start wrote: the begin routine's texts and the variant's own texts (UTF-8, CR LF).
struct RunText {
  std::string begin_main, begin_ans;
  std::string main, ans;
  std::string ans2;  ///< the second answers file (the later tables of split answers)
};

/// Runs the begin entry and one variant of Algebra row `row` with the given parameters,
/// Level and printed number (FirstNumber, VariantIndex 1) in a reused in-memory state; in
/// ticket mode when `ticket_mode`; drawing from `random` as a Start hands over the platform's
/// generator (none: every draw is 0).
RunText RunRow(int row, const Params& p, int level, int first_number = 1,
               bool ticket_mode = false, toolkit::RandomSource* random = nullptr);

/// Calls visit for every parameter set with Pk in 1..bounds[k-1] (a bound of 0 keeps Pk at 1)
/// under testing_support::FullSweep() (streamed, not held); otherwise for the shared sweep's
/// sample of about `budget` sets (all of them when the space is no larger). Returns the count.
long long ForEachParams(const std::array<int, 7>& bounds, long long budget,
                        const std::function<void(const Params&)>& visit);

/// Every integer written in text, in order ("-12", "3"; a "-" directly before digits signs it).
std::vector<long long> Integers(std::string_view text);

/// The text between the first `open` at or after `from` and the next `close`; empty when absent.
/// `from` is moved past the close.
std::string Cut(const std::string& text, std::string_view open, std::string_view close,
                std::size_t& from);

using Matrix = std::vector<std::vector<long long>>;

/// The rows of a tabular or array body: rows split at "\\", cells at "&", each cell one
/// integer; blank rows are dropped.
Matrix ReadMatrix(std::string_view body);

/// The exact determinant of a square matrix (fraction-free elimination in 128 bits).
long long Det(const Matrix& a);

/// a * b.
Matrix Multiply(const Matrix& a, const Matrix& b);

/// An exact rational number, always reduced with a positive denominator.
struct Rational {
  __int128 num = 0, den = 1;
  Rational() = default;
  Rational(long long n) : num(n) {}  // NOLINT: integers convert implicitly
  Rational(__int128 n, __int128 d);
  friend Rational operator+(Rational a, Rational b) {
    return {a.num * b.den + b.num * a.den, a.den * b.den};
  }
  friend Rational operator-(Rational a, Rational b) {
    return {a.num * b.den - b.num * a.den, a.den * b.den};
  }
  friend Rational operator*(Rational a, Rational b) { return {a.num * b.num, a.den * b.den}; }
  friend Rational operator/(Rational a, Rational b) { return {a.num * b.den, a.den * b.num}; }
  friend bool operator==(Rational a, Rational b) { return a.num == b.num && a.den == b.den; }
  std::string Text() const;
};

/// The decimal written in text ("-3", "2.5") as an exact rational.
Rational ParseDecimal(std::string_view text);

/// The unique solution of A x = b (A square), or an empty vector when A is singular.
std::vector<Rational> Solve(const Matrix& a, const std::vector<Rational>& b);

/// One printed linear equation: coefficients of x_1..x_n (0 where the term is absent) and the
/// right-hand side. Terms are read as "[sign][number]x_k" or "x_{k}"; a sign alone is 1.
struct Equation {
  std::vector<long long> coef;
  long long rhs = 0;
  bool ok = false;
};

/// Reads "3x_1-x_2+2x_3=5" (blanks and line ends ignored) with n unknowns.
Equation ReadEquation(std::string_view text, int n);

/// "P = p1 .. p7" for failure messages.
std::string Where(const Params& p);

/// Whether m has `rows` rows of `cols` entries each.
bool IsShape(const Matrix& m, std::size_t rows, std::size_t cols);

}  // namespace algebra_check
