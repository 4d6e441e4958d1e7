#pragma once

// Independent checks of the integral rows: an antiderivative is differentiated numerically
// and compared with its integrand, a definite integral is recomputed by quadrature, both read
// back from the printed text with the shared evaluator. Results are kept per printed text, so
// that a sweep over every parameter set checks each distinct integral once.

#include <cmath>
#include <cstdlib>
#include <map>
#include <numbers>
#include <string>
#include <vector>

#include "tests/subjects/calculus/analysis_runner.h"
#include "tests/support/sweep.h"
#include "tests/support/tex_formula.h"

namespace integral_check {

/// The integrand as the evaluator reads it: line ends, "\ " spaces and the differential "dx"
/// taken out ("\frac{dx}{..}" keeps a numerator 1).
inline std::string Integrand(std::string text) {
  auto erase_all = [&](const std::string& what, const std::string& with) {
    for (std::size_t p = text.find(what); p != std::string::npos; p = text.find(what, p)) {
      text.replace(p, what.size(), with);
      p += with.size();
    }
  };
  erase_all("\r\n", "");
  erase_all("\\ ", " ");
  erase_all("dx", "");
  erase_all("\\frac{}", "\\frac{1}");
  erase_all("\\frac{ }", "\\frac{1}");
  return text;
}

/// Whether the text is read by the evaluator (the items that carry no answer).
inline bool Parses(const std::string& text) {
  try {
    tex_formula::Formula f(text, 'x');
    return true;
  } catch (const tex_formula::ParseError&) {
    return false;
  }
}

// Points where integrands of every row of the tab are tried: near 0 and near the zeros of cos
// for arcsin(a sin x) and arcsin(a cos x), past the largest root for the logarithms of
// rational answers.
inline const std::vector<double>& CandidatePoints() {
  static const std::vector<double> points = [] {
    std::vector<double> p;
    for (double x : {0.0071, 0.013, 0.021, 0.034, 0.047, 0.061, 0.093, 0.17, 0.29, 0.43, 0.71, 1.13,
                     1.57, 1.93, 2.37, 2.9, 3.7, 4.3, 5.9}) {
      p.push_back(x);
      p.push_back(-x);
    }
    for (double x : {7.3, 8.3, 11.7, 15.1, 19.6, 23.3, 27.1, 31.4, 40.2}) p.push_back(x);
    // Around the zeros of cos and sin, for arcsin(a cos x) and the like.
    for (double base : {std::numbers::pi / 2, -std::numbers::pi / 2, std::numbers::pi}) {
      for (double d : {0.0071, 0.021, 0.047}) {
        p.push_back(base - d);
        p.push_back(base + d);
      }
    }
    return p;
  }();
  return points;
}

/// The outcome of one antiderivative check.
struct Outcome {
  bool ok = false;
  int points = 0;      ///< points where both formulas are real and the comparison was made
  std::string detail;  ///< the first disagreement, or why nothing could be compared
};

/// Checks d/dx answer = integrand at every candidate point where both are real and finite
/// around the point and the numeric derivative has settled (the same with the step halved);
/// at least `min_points` such points are required.
/// With `positive_only` only x > 0 is tried (an integrand written for x > 0 alone); `extra`
/// points (in narrow domains, with a finer step) are tried after the candidate points.
inline Outcome CheckAntiderivative(const std::string& integrand, const std::string& answer,
                                   bool positive_only = false, int min_points = 3,
                                   const std::vector<double>& extra = {}) {
  Outcome out;
  const tex_formula::Formula f(Integrand(integrand), 'x');
  const tex_formula::Formula answer_formula(answer, 'x');
  const auto big_f = [&](double v) { return answer_formula(v); };
  std::vector<double> points = CandidatePoints();
  const std::size_t candidates = points.size();
  points.insert(points.end(), extra.begin(), extra.end());
  for (std::size_t k = 0; k < points.size(); ++k) {
    const double x = points[k];
    if (positive_only && x <= 0) continue;
    // The extra points lie in narrow domains: a finer step keeps the stencil well inside.
    const double h = std::fmin(1e-3, std::fabs(x) / (k < candidates ? 16 : 256));
    double fx = 0, d1 = 0, d2 = 0;
    try {
      fx = f(x);
      d1 = numeric_check::Derivative(big_f, x, h);
      d2 = numeric_check::Derivative(big_f, x, h / 2);
    } catch (const numeric_check::TexFormulaError&) {
      continue;
    }
    if (!std::isfinite(fx) || !std::isfinite(d1) || !std::isfinite(d2)) continue;
    if (!numeric_check::Near(d1, d2, 1e-8)) continue;  // too close to a singularity
    ++out.points;
    if (!numeric_check::Near(d2, fx, 1e-6)) {
      out.detail = "at x = " + std::to_string(x) + ": F' = " + std::to_string(d2) +
                   ", integrand = " + std::to_string(fx);
      return out;
    }
  }
  out.ok = out.points >= min_points;
  if (!out.ok) out.detail = "only " + std::to_string(out.points) + " points compared";
  return out;
}

/// CheckAntiderivative, kept per (integrand, answer) text.
inline const Outcome& CachedCheck(const std::string& integrand, const std::string& answer,
                                  bool positive_only = false,
                                  const std::vector<double>& extra = {}) {
  static std::map<std::pair<std::string, std::string>, Outcome> cache;
  auto key = std::make_pair(integrand, answer);
  auto it = cache.find(key);
  if (it == cache.end()) {
    it = cache.emplace(key, CheckAntiderivative(integrand, answer, positive_only, 3, extra)).first;
  }
  return it->second;
}

/// The integral of f over [a, b] by adaptive Gauss-Kronrod (7-15 points) to `tol`.
template <class F>
double Integrate(const F& f, double a, double b, double tol = 1e-10, int depth = 0) {
  static const double xk[8] = {
      0.991455371120812639, 0.949107912342758525, 0.864864423359769073, 0.741531185599394440,
      0.586087235467691130, 0.405845151377397167, 0.207784955007898468, 0.0};
  static const double wk[8] = {0.022935322010529225, 0.063092092629978553, 0.104790010322250184,
                               0.140653259715525919, 0.169004726639267903, 0.190350578064785410,
                               0.204432940075298892, 0.209482141084727828};
  static const double wg[4] = {0.129484966168869693, 0.279705391489276668, 0.381830050505118945,
                               0.417959183673469388};
  const double c = (a + b) / 2, r = (b - a) / 2;
  double kronrod = wk[7] * f(c), gauss = wg[3] * f(c);
  for (int i = 0; i < 7; ++i) {
    const double fs = f(c - r * xk[i]) + f(c + r * xk[i]);
    kronrod += wk[i] * fs;
    if (i % 2 == 1) gauss += wg[i / 2] * fs;
  }
  kronrod *= r, gauss *= r;
  if (std::fabs(kronrod - gauss) <= tol || depth > 30) return kronrod;
  return Integrate(f, a, c, tol / 2, depth + 1) + Integrate(f, c, b, tol / 2, depth + 1);
}

/// The integral of the printed integrand from 0 to u, with x = t^2 so that a 1/sqrt(x) at 0
/// does no harm; kept per printed text.
inline double CachedDefiniteIntegral(const std::string& integrand, int u) {
  static std::map<std::pair<std::string, int>, double> cache;
  auto key = std::make_pair(integrand, u);
  auto it = cache.find(key);
  if (it != cache.end()) return it->second;
  const tex_formula::Formula f(Integrand(integrand), 'x');
  const double value =
      Integrate([&](double t) { return t == 0 ? 0.0 : f(t * t) * 2 * t; }, 0.0, std::sqrt(u));
  cache.emplace(key, value);
  return value;
}

/// Whether the full sweep is asked for (the support library's switch).
inline bool FullSweep() { return testing_support::FullSweep(); }

/// Every parameter set of a row (bounds[k] = 0 keeps P(k+1) at 1) in the full sweep, else a
/// deterministic sample of about `budget` sets that takes every value of every parameter.
inline std::vector<numeric_check::Params> SweepSets(const int (&bounds)[7], int budget) {
  std::vector<numeric_check::Params> sets;
  if (FullSweep()) {
    numeric_check::ForEachParameterSet(bounds,
                                       [&](const numeric_check::Params& q) { sets.push_back(q); });
    return sets;
  }
  static const int kStride[7] = {1, 3, 7, 11, 13, 17, 19};
  for (int n = 0; n < budget; ++n) {
    numeric_check::Params q;
    for (int k = 0; k < 7; ++k) {
      const int hi = bounds[k] == 0 ? 1 : bounds[k];
      q.p[k] = 1 + (n * kStride[k] + n / hi) % hi;
    }
    sets.push_back(q);
  }
  return sets;
}

}  // namespace integral_check
