#pragma once

#include <cmath>
#include <cstddef>
#include <utility>
#include <vector>

// An independent model of a pin-jointed plane structure for the statics answer checks: joints,
// bars (tension positive), reaction components along given directions and joint loads; the
// equilibrium of every joint solved by Gaussian elimination with full pivoting.
namespace statics_testing {

struct PlaneStructure {
  std::vector<double> x, y;               ///< joints, 0-based
  std::vector<std::pair<int, int>> bars;  ///< joint pairs
  struct Reaction {
    int joint;
    double dx, dy;  ///< positive direction of the component
  };
  std::vector<Reaction> reactions;
  std::vector<double> fx, fy;  ///< loads by joint

  int AddJoint(double jx, double jy) {
    x.push_back(jx);
    y.push_back(jy);
    fx.push_back(0);
    fy.push_back(0);
    return static_cast<int>(x.size()) - 1;
  }
  int AddBar(int i, int j) {
    bars.emplace_back(i, j);
    return static_cast<int>(bars.size()) - 1;
  }
  int AddReaction(int joint, double dx, double dy) {
    const double l = std::hypot(dx, dy);
    reactions.push_back({joint, dx / l, dy / l});
    return static_cast<int>(bars.size() + reactions.size()) - 1;
  }
};

/// Solves the joint equations: bar forces first (in bar order), then the reaction components.
/// Returns an empty vector when the system is not square or is singular.
inline std::vector<double> SolveJoints(const PlaneStructure& t) {
  const std::size_t n = 2 * t.x.size();
  const std::size_t m = t.bars.size() + t.reactions.size();
  if (n != m) return {};
  std::vector<std::vector<double>> a(n, std::vector<double>(n + 1, 0.0));
  for (std::size_t k = 0; k < t.bars.size(); ++k) {
    const auto [i, j] = t.bars[k];
    const double l = std::hypot(t.x[j] - t.x[i], t.y[j] - t.y[i]);
    const double ex = (t.x[j] - t.x[i]) / l, ey = (t.y[j] - t.y[i]) / l;
    // A bar in tension pulls each end towards the other.
    a[2 * i][k] += ex;
    a[2 * i + 1][k] += ey;
    a[2 * j][k] -= ex;
    a[2 * j + 1][k] -= ey;
  }
  for (std::size_t r = 0; r < t.reactions.size(); ++r) {
    const auto& re = t.reactions[r];
    a[2 * re.joint][t.bars.size() + r] += re.dx;
    a[2 * re.joint + 1][t.bars.size() + r] += re.dy;
  }
  for (std::size_t j = 0; j < t.x.size(); ++j) {
    a[2 * j][n] = -t.fx[j];
    a[2 * j + 1][n] = -t.fy[j];
  }
  std::vector<std::size_t> col(n);
  for (std::size_t k = 0; k < n; ++k) col[k] = k;
  for (std::size_t k = 0; k < n; ++k) {
    std::size_t pr = k, pc = k;
    double best = 0;
    for (std::size_t r = k; r < n; ++r)
      for (std::size_t c = k; c < n; ++c)
        if (std::fabs(a[r][c]) > best) {
          best = std::fabs(a[r][c]);
          pr = r;
          pc = c;
        }
    if (best < 1e-10) return {};
    std::swap(a[k], a[pr]);
    if (pc != k) {
      for (auto& row : a) std::swap(row[k], row[pc]);
      std::swap(col[k], col[pc]);
    }
    for (std::size_t r = 0; r < n; ++r) {
      if (r == k || a[r][k] == 0) continue;
      const double f = a[r][k] / a[k][k];
      for (std::size_t c = k; c <= n; ++c) a[r][c] -= f * a[k][c];
    }
  }
  std::vector<double> out(n);
  for (std::size_t k = 0; k < n; ++k) out[col[k]] = a[k][n] / a[k][k];
  return out;
}

}  // namespace statics_testing
