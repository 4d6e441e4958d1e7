#pragma once

// Reading a mechanism back from its printed variant: the numbers after a marker in the data
// text, the em-line segments of the figure in drawing order, and the points where a savebox is
// placed. Picture coordinates are what the document shows; the checks turn them into
// directions and signs, never into the generator's own numbers.

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace mechanism_figure {

struct Vec {
  double x = 0, y = 0;
};
inline Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y}; }
inline Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y}; }
inline Vec operator*(double k, Vec a) { return {k * a.x, k * a.y}; }
inline double Dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y; }
inline double Len(Vec a) { return std::hypot(a.x, a.y); }
/// a turned by +90 degrees: the velocity of a point at a from a pole turning at 1 rad/s.
inline Vec Perp(Vec a) { return {-a.y, a.x}; }

/// The number printed right after the first `marker` at or after `from`; NaN when absent.
inline double NumberAfter(const std::string& text, const std::string& marker,
                          std::size_t from = 0) {
  const std::size_t at = text.find(marker, from);
  if (at == std::string::npos) return std::nan("");
  return std::strtod(text.c_str() + at + marker.size(), nullptr);
}

struct Segment {
  Vec from, to;
};

/// Every "\mt{x}{y}\pp{x}{y}" of the text, in order.
inline std::vector<Segment> Segments(const std::string& text) {
  std::vector<Segment> out;
  std::size_t at = 0;
  while ((at = text.find("\\mt{", at)) != std::string::npos) {
    const char* p = text.c_str() + at + 4;
    char* end = nullptr;
    Segment s;
    s.from.x = std::strtod(p, &end);
    s.from.y = std::strtod(end + 2, &end);  // "}{"
    if (std::string(end, 5) != "}\\pp{") {
      at += 4;
      continue;
    }
    s.to.x = std::strtod(end + 5, &end);
    s.to.y = std::strtod(end + 2, &end);
    out.push_back(s);
    at = static_cast<std::size_t>(end - text.c_str());
  }
  return out;
}

/// The points where the savebox `name` is placed ("\put(x,y){\usebox{\name}}"), in order.
inline std::vector<Vec> BoxPlaces(const std::string& text, const std::string& name) {
  std::vector<Vec> out;
  const std::string tail = "){\\usebox{\\" + name + "}}";
  std::size_t at = 0;
  while ((at = text.find(tail, at)) != std::string::npos) {
    const std::size_t put = text.rfind("\\put(", at);
    char* end = nullptr;
    Vec v;
    v.x = std::strtod(text.c_str() + put + 5, &end);
    v.y = std::strtod(end + 1, nullptr);
    out.push_back(v);
    at += tail.size();
  }
  return out;
}

/// The cells of an answers row with '$', blanks and line ends removed, the number cell first.
inline std::vector<std::string> RawCells(const std::string& row) {
  std::vector<std::string> out(1);
  for (char c : row) {
    if (c == '&') {
      out.emplace_back();
    } else if (c != ' ' && c != '$' && c != '\n' && c != '\r') {
      out.back() += c;
    }
  }
  return out;
}

/// The points where the circle about a of radius ra meets the circle about b of radius rb (a
/// tangent pair counts once twice); none when they do not meet.
inline std::vector<Vec> CircleMeets(Vec a, double ra, Vec b, double rb) {
  const double d = Len(b - a);
  if (d == 0) return {};
  const double x = (ra * ra - rb * rb + d * d) / (2 * d);
  const double h2 = ra * ra - x * x;
  if (h2 < -1e-6 * ra * ra) return {};
  const double h = std::sqrt(std::max(0.0, h2));
  const Vec u = (1 / d) * (b - a);
  const Vec m = a + x * u;
  return {m + h * Perp(u), m - h * Perp(u)};
}

/// The direction of a drawn segment snapped to the nearest multiple of `step` degrees.
inline Vec SnappedDirection(const Segment& s, double step) {
  const double pi = 3.14159265358979323846;
  const Vec d = s.to - s.from;
  const double deg = std::round(std::atan2(d.y, d.x) * 180 / pi / step) * step;
  return {std::cos(deg * pi / 180), std::sin(deg * pi / 180)};
}

}  // namespace mechanism_figure
