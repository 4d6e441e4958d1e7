#include "tests/subjects/calculus/series_region_check.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace series_region {

const char* Name(Verdict v) { return v == Verdict::kConverges ? "converges" : "diverges"; }

Real WindowMax(const Formula& a, Real n, Real x) {
  Real m = 0;
  for (int k = 0; k < 8; ++k) {
    Real v;
    try {
      v = a.AtN(n + k, x);
    } catch (const tex_formula::NotReal&) {
      return std::numeric_limits<Real>::quiet_NaN();
    }
    m = std::fmax(m, std::fabs(v));
  }
  return m;
}

bool Alternates(const Formula& a, Real n, Real x) {
  Real previous = a.AtN(n, x);
  for (int k = 1; k < 8; ++k) {
    const Real v = a.AtN(n + k, x);
    if (!(v * previous < 0)) return false;
    previous = v;
  }
  return true;
}

bool PartialSumsSettle(const Formula& a, Real x) {
  Real sum = 0;
  Real n = 1;
  for (; n < 1e3L; n += 1) sum += a.AtN(n, x);
  Real spread[2];
  for (int d = 0; d < 2; ++d) {
    Real lo = sum, hi = sum;
    for (const Real end = d == 0 ? 1e4L : 1e5L; n < end; n += 1) {
      sum += a.AtN(n, x);
      lo = std::fmin(lo, sum);
      hi = std::fmax(hi, sum);
    }
    spread[d] = hi - lo;
  }
  return spread[1] < 0.6L * spread[0];
}

Verdict Judge(const Formula& a, Real x, bool* geometric) {
  try {
    return JudgeTerms(a, x, geometric);
  } catch (const tex_formula::NotReal&) {
    if (geometric) *geometric = false;
    return Verdict::kDiverges;
  }
}

Verdict JudgeTerms(const Formula& a, Real x, bool* geometric) {
  if (geometric) *geometric = false;
  // Growth or decay at a geometric rate (or faster): the rate per index must hold from
  // [n, 2n] to [2n, 4n], where a power of n would halve it. Small indices first for terms
  // with n^2 in an exponent, which leave the long double range quickly.
  for (Real n1 : {Real(400), Real(200), Real(100), Real(40), Real(12)}) {
    const Real m1 = WindowMax(a, n1, x), m2 = WindowMax(a, 2 * n1, x),
               m4 = WindowMax(a, 4 * n1, x);
    if (std::isnan(m1) || std::isnan(m2) || std::isnan(m4)) continue;
    if (m1 == 0 && m2 == 0 && m4 == 0) return Verdict::kConverges;  // every term 0
    if (std::isinf(m2) || std::isinf(m4)) {
      if (geometric) *geometric = true;
      return Verdict::kDiverges;
    }
    if (m2 == 0 || m4 == 0) {
      if (geometric) *geometric = true;
      return Verdict::kConverges;
    }
    if (m1 == 0 || std::isinf(m1)) continue;
    const Real r1 = (std::log(m2) - std::log(m1)) / n1;
    const Real r2 = (std::log(m4) - std::log(m2)) / (2 * n1);
    if (std::fabs(r2) > 0.004L && r2 / r1 > 0.8L) {
      if (geometric) *geometric = true;
      return r2 < 0 ? Verdict::kConverges : Verdict::kDiverges;
    }
    break;
  }
  // A power of n: the exponent p from two indices far out (less far when the terms leave
  // the long double range there). Far out, because additive constants such as the 15 of
  // (n^(1/4) + 15)^x fade slowly.
  // Terms that change sign without alternating (cos of a root of n): their size far out
  // says little, the partial sums decide.
  if (!Alternates(a, 1000, x)) {
    const Real first = a.AtN(1000, x);
    for (int k = 1; k < 3000; ++k) {
      if (a.AtN(1000 + k, x) * first < 0) {
        return PartialSumsSettle(a, x) ? Verdict::kConverges : Verdict::kDiverges;
      }
    }
  }
  const Real pairs[][2] = {{1e16L, 1e18L}, {1e8L, 1e10L}, {1e5L, 1e6L}, {1000, 4000},
                           {200, 800}};
  for (const auto& pair : pairs) {
    const Real m1 = WindowMax(a, pair[0], x), m2 = WindowMax(a, pair[1], x);
    if (std::isnan(m1) || std::isnan(m2) || std::isinf(m1) || std::isinf(m2)) continue;
    if (m2 == 0) return Verdict::kConverges;
    if (m1 == 0) return Verdict::kDiverges;
    const Real p = -(std::log(m2) - std::log(m1)) / std::log(pair[1] / pair[0]);
    if (p > 1.15L) return Verdict::kConverges;
    if (p < 0.02L) return Verdict::kDiverges;  // the terms do not fall to 0
    return Alternates(a, pair[0], x) ? Verdict::kConverges : Verdict::kDiverges;  // Leibniz
  }
  return Verdict::kDiverges;  // no real terms far out, or only infinite ones
}

std::vector<Interval> ReadRegion(std::string text) {
  std::string clean;
  for (char c : text) {
    if (c != '\r' && c != '\n' && c != ' ') clean += c;
  }
  std::vector<Interval> out;
  std::size_t p = 0;
  for (;;) {
    const std::size_t open = clean.find_first_of("([", p);
    if (open == std::string::npos) break;
    const std::size_t close = clean.find_first_of(")]", open);
    const std::size_t comma = clean.find(',', open);
    if (close == std::string::npos || comma == std::string::npos || comma > close) break;
    Interval iv;
    iv.lo_closed = clean[open] == '[';
    iv.hi_closed = clean[close] == ']';
    iv.lo_text = clean.substr(open + 1, comma - open - 1);
    iv.hi_text = clean.substr(comma + 1, close - comma - 1);
    iv.lo = numeric_check::PrintedNumber(iv.lo_text);
    iv.hi = numeric_check::PrintedNumber(iv.hi_text);
    out.push_back(iv);
    p = close + 1;
  }
  return out;
}

Printed ReadPrinted(const std::string& main, const std::string& ans,
                           const std::regex& term) {
  static const std::regex kCell(R"(&\$((?:[^$]|\$, \$)*) \$ )");
  Printed p;
  for (auto it = std::sregex_iterator(main.begin(), main.end(), term);
       it != std::sregex_iterator(); ++it) {
    p.terms.push_back((*it)[1]);
  }
  for (auto it = std::sregex_iterator(ans.begin(), ans.end(), kCell);
       it != std::sregex_iterator(); ++it) {
    p.regions.push_back((*it)[1]);
  }
  return p;
}

bool InRegion(const std::vector<Interval>& region, double x) {
  for (const Interval& iv : region) {
    const bool above = iv.lo_closed ? x >= iv.lo : x > iv.lo;
    const bool below = iv.hi_closed ? x <= iv.hi : x < iv.hi;
    if (above && below) return true;
  }
  return false;
}

bool ExactEnd(const Formula& a, const std::string& text, double end) {
  if (text.find('.') != std::string::npos || text.find("\\cdot") != std::string::npos ||
      text.find("\\infty") != std::string::npos) {
    return false;
  }
  bool left_geometric = false, right_geometric = false;
  const Verdict left = Judge(a, end - 1e-3, &left_geometric);
  const Verdict right = Judge(a, end + 1e-3, &right_geometric);
  return left != right || (!left_geometric && !right_geometric);
}

}  // namespace series_region
