#pragma once

// Quadrature for the checks of the integral rows: composite Gauss-Legendre on an interval and
// nested rules over plane polygons and between two curves. Every rule here is exact for the
// polynomials of the rows (degree at most 7 per direction on each piece) and accurate to
// well below the printed four decimals for the smooth integrands of the others.

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>
#include <vector>

namespace quadrature {

/// The integral of f over [a, b] by composite 5-point Gauss-Legendre on `pieces` equal parts.
/// Signed: a > b gives the negative.
template <class F>
double Gauss(F&& f, double a, double b, int pieces = 1) {
  static constexpr std::array<double, 5> kNodes{0.0, -0.5384693101056831, 0.5384693101056831,
                                                -0.9061798459386640, 0.9061798459386640};
  static constexpr std::array<double, 5> kWeights{0.5688888888888889, 0.4786286704993665,
                                                  0.4786286704993665, 0.2369268850561891,
                                                  0.2369268850561891};
  double sum = 0;
  const double h = (b - a) / pieces;
  for (int k = 0; k < pieces; ++k) {
    const double mid = a + (k + 0.5) * h, half = h / 2;
    for (int i = 0; i < 5; ++i) sum += kWeights[i] * f(mid + half * kNodes[i]) * half;
  }
  return sum;
}

/// The integral of f over [a, b] (a < b) with pieces shrinking geometrically towards a: for
/// integrands like x^(1/3) whose derivatives blow up at a.
template <class F>
double GaussGraded(F&& f, double a, double b) {
  double sum = 0, hi = b;
  for (int k = 0; k < 60; ++k) {
    const double lo = a + (hi - a) / 2;
    sum += Gauss(f, lo, hi);
    hi = lo;
  }
  return sum;
}

/// The integral of f over the set between a and b, whichever is larger: always the measure's
/// orientation, never signed by the order of the bounds.
template <class F>
double OverInterval(F&& f, double a, double b, int pieces = 1) {
  return a <= b ? Gauss(f, a, b, pieces) : Gauss(f, b, a, pieces);
}

struct Point2 {
  double x, y;
};

/// The integral of f(x, y) over the convex polygon with the given vertices (any order of
/// traversal), in x and y: the x range is cut at every vertex, and on each piece y runs
/// between the polygon's lower and upper edges.
template <class F>
double OverConvexPolygon(F&& f, const std::vector<Point2>& v) {
  std::vector<double> xs;
  for (const Point2& p : v) xs.push_back(p.x);
  std::sort(xs.begin(), xs.end());
  xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
  auto y_range = [&](double x) {
    double lo = 1e300, hi = -1e300;
    for (std::size_t i = 0; i < v.size(); ++i) {
      const Point2 p = v[i], r = v[(i + 1) % v.size()];
      if (p.x == r.x) continue;
      if (x < std::min(p.x, r.x) || x > std::max(p.x, r.x)) continue;
      const double y = p.y + (r.y - p.y) * (x - p.x) / (r.x - p.x);
      lo = std::min(lo, y);
      hi = std::max(hi, y);
    }
    return std::pair<double, double>{lo, hi};
  };
  double sum = 0;
  for (std::size_t k = 0; k + 1 < xs.size(); ++k) {
    sum += Gauss(
        [&](double x) {
          const auto [lo, hi] = y_range(x);
          return Gauss([&](double y) { return f(x, y); }, lo, hi);
        },
        xs[k], xs[k + 1]);
  }
  return sum;
}

}  // namespace quadrature
