#pragma once

// Plane geometry and answers-row reading that the linkage checks share: the points of a
// mechanism rebuilt from its printed data and moved through its position analysis.

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <string>
#include <vector>

namespace linkage_geometry {

struct P2d {
  double x = 0, y = 0;
};
inline P2d operator+(P2d a, P2d b) { return {a.x + b.x, a.y + b.y}; }
inline P2d operator-(P2d a, P2d b) { return {a.x - b.x, a.y - b.y}; }
inline P2d operator*(double k, P2d a) { return {k * a.x, k * a.y}; }
inline double Len(P2d a) { return std::hypot(a.x, a.y); }
inline P2d Rotate(P2d a, double t) {
  return {a.x * std::cos(t) - a.y * std::sin(t), a.x * std::sin(t) + a.y * std::cos(t)};
}
inline double Angle(P2d a) { return std::atan2(a.y, a.x); }
/// The angle that turns ref onto v, in (-pi, pi].
inline double AngleTo(P2d v, P2d ref) {
  constexpr double kPi = std::numbers::pi;
  double a = Angle(v) - Angle(ref);
  while (a > kPi) a -= 2 * kPi;
  while (a <= -kPi) a += 2 * kPi;
  return a;
}

/// The number printed right after marker; NaN when the marker is absent.
inline double NumberAfter(const std::string& text, const std::string& marker) {
  const std::size_t at = text.find(marker);
  if (at == std::string::npos) return std::nan("");
  return std::strtod(text.c_str() + at + marker.size(), nullptr);
}

/// The cells of an answers row, blanks and the given-value mark '*' removed; a cell that
/// holds no number ("-", "--") reads as NaN.
inline std::vector<double> RowCells(const std::string& row) {
  std::vector<double> out;
  std::string cell;
  auto flush = [&] {
    std::string c;
    for (char ch : cell) {
      if (ch != ' ' && ch != '*' && ch != '\r' && ch != '\n') c += ch;
    }
    char* end = nullptr;
    const double x = std::strtod(c.c_str(), &end);
    out.push_back(!c.empty() && end == c.c_str() + c.size() ? x : std::nan(""));
    cell.clear();
  };
  for (char ch : row) {
    if (ch == '&') {
      flush();
    } else {
      cell += ch;
    }
  }
  flush();
  return out;
}

/// The point of the circle about c1 (radius r1) and the circle about c2 (radius r2) nearest
/// to `near`.
inline P2d Intersect(P2d c1, double r1, P2d c2, double r2, P2d near) {
  const double d = Len(c2 - c1);
  const double a = (r1 * r1 - r2 * r2 + d * d) / (2 * d);
  const double h = std::sqrt(std::max(0.0, r1 * r1 - a * a));
  const P2d u = (1 / d) * (c2 - c1);
  const P2d m = c1 + a * u;
  const P2d p1{m.x - h * u.y, m.y + h * u.x}, p2{m.x + h * u.y, m.y - h * u.x};
  return Len(p1 - near) < Len(p2 - near) ? p1 : p2;
}

}  // namespace linkage_geometry
