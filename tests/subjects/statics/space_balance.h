#pragma once

#include <array>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "subjects/statics/text_reading.h"

// A rigid body (or a joint) in space for the statics answer checks: forces given by their
// point and vector; the six equilibrium sums (force and moment about the origin).
namespace statics_testing {

using Vec3 = std::array<double, 3>;

inline Vec3 Sub(const Vec3& a, const Vec3& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
inline double Norm(const Vec3& a) { return std::sqrt(a[0] * a[0] + a[1] * a[1] + a[2] * a[2]); }
inline Vec3 Scaled(const Vec3& a, double k) { return {a[0] * k, a[1] * k, a[2] * k}; }
inline Vec3 Unit(const Vec3& a) { return Scaled(a, 1 / Norm(a)); }
inline Vec3 Cross(const Vec3& a, const Vec3& b) {
  return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

struct SpaceBody {
  Vec3 force{0, 0, 0};
  Vec3 moment{0, 0, 0};
  void Add(const Vec3& at, const Vec3& f) {
    const Vec3 m = Cross(at, f);
    for (int c = 0; c < 3; ++c) {
      force[static_cast<std::size_t>(c)] += f[static_cast<std::size_t>(c)];
      moment[static_cast<std::size_t>(c)] += m[static_cast<std::size_t>(c)];
    }
  }
  /// The largest of the six sums' magnitudes.
  double Residual() const {
    double r = 0;
    for (double v : force) r = std::fmax(r, std::fabs(v));
    for (double v : moment) r = std::fmax(r, std::fabs(v));
    return r;
  }
};

/// The plain segments "\mt{x1}{y1}\pp{x2}{y2}" of text[from, to), skipping the dashes of
/// "\multiput" lines (they start at \mt{0}{0}).
struct Segment {
  double x1, y1, x2, y2;
};
inline std::vector<Segment> SegmentsIn(std::string_view text, std::size_t from, std::size_t to) {
  std::vector<Segment> out;
  std::size_t at = from;
  while (true) {
    at = text.find("\\mt{", at);
    if (at == std::string_view::npos || at >= to) break;
    Segment s{};
    s.x1 = NumberAfter(text, "\\mt{", at);
    s.y1 = NumberAfter(text, "{", at);
    if (text.substr(at, 5) != "}\\pp{") continue;
    s.x2 = NumberAfter(text, "\\pp{", at);
    s.y2 = NumberAfter(text, "{", at);
    if (s.x1 == 0 && s.y1 == 0) continue;
    out.push_back(s);
  }
  return out;
}

}  // namespace statics_testing
