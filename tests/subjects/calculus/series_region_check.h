#pragma once

// Numeric verdicts on the convergence of a printed series sum a_n(x) at one x, and the
// reading of the printed regions, for the tests of the functional and power series answer
// keys. The verdict looks at the terms far out: a geometric rate decides when there is one;
// otherwise the power of n by which the terms fall off, with the sign pattern for the
// borderline cases (alternating and falling to 0: Leibniz). Also: reading a variant's printed
// terms and regions back.

#include <cmath>
#include <cstdlib>
#include <limits>
#include <regex>
#include <string>
#include <vector>

#include "tests/support/numeric_check.h"
#include "tests/support/tex_formula.h"

namespace series_region {

using tex_formula::Formula;

using tex_formula::Real;

enum class Verdict { kConverges, kDiverges };

const char* Name(Verdict v);

/// The largest |a_k| for k = n .. n+7 (oscillating factors make single terms unreliable);
/// NaN when a term has no real value or the arithmetic breaks down (inf / inf).
Real WindowMax(const Formula& a, Real n, Real x);

/// Whether the terms alternate in sign for k = n .. n+7.
bool Alternates(const Formula& a, Real n, Real x);

/// Whether the partial sums settle: the spread of the partial sums over [10^4, 10^5] is
/// well below their spread over [10^3, 10^4] (a conditionally convergent series with
/// oscillating terms narrows by about 1/sqrt(10) a decade); a divergent series of slowly
/// falling terms moves about as far each decade.
bool PartialSumsSettle(const Formula& a, Real x);

/// The verdict at x, and how sure it is: `geometric` is set when a geometric rate of growth
/// or decay decided it (away from any border of the region). Where terms far out have no
/// real value, x is outside the region: the series diverges there.
Verdict Judge(const Formula& a, Real x, bool* geometric = nullptr);

Verdict JudgeTerms(const Formula& a, Real x, bool* geometric);

/// One interval of a printed region; infinite ends are +-infinity.
struct Interval {
  double lo = 0, hi = 0;
  bool lo_closed = false, hi_closed = false;
  std::string lo_text, hi_text;  ///< the ends as printed
};

/// The intervals of a printed region such as " (-\infty,3]; [4,\infty)" or
/// "(-\infty,-0.6)$, $(0.4,\infty) " (line ends inside are ignored).
std::vector<Interval> ReadRegion(std::string text);

/// The printed terms of a variant and the printed regions of its answers row.
struct Printed {
  std::vector<std::string> terms;
  std::vector<std::string> regions;
};

/// Reads a variant back: the terms are group 1 of every match of `term` in main (the pattern
/// knows how the problem closes a series), the regions the answer cells "&$...$ " (a region of
/// two intervals prints as "..$, $..").
Printed ReadPrinted(const std::string& main, const std::string& ans,
                           const std::regex& term);

/// Whether x lies in the region (ends by their brackets).
bool InRegion(const std::vector<Interval>& region, double x);

/// Whether the printed end is the border itself: a whole number as printed, and either a
/// geometric rate changes sign across it within 10^-3, or the rate is too slow on both sides
/// to tell (a border set by a power of n, or by a ratio that tends to 1). A rounded end that
/// happens to print as a whole number (-1.006 as -1) lies inside one side and is refused.
bool ExactEnd(const Formula& a, const std::string& text, double end);

}  // namespace series_region
