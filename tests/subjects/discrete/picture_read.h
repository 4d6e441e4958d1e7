#pragma once

// Readers of the directed figures of the discrete-mathematics rows (vectors, em-line paths,
// value labels) and a parameter sampler for spaces too large to visit whole. They read the
// printed text only.

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "tests/subjects/discrete/discrete_check.h"

namespace picture_read {

using discrete_check::Point;
using discrete_check::ReadNumber;

/// Calls f(p) for `budget` parameter sets spread over 1..bounds by a fixed stride (every set
/// when the space is smaller); the budget is `full_budget` when TARBEL_FULL=1.
template <typename F>
void ForEachSample(const std::array<int, 7>& bounds, long budget, long full_budget, F f) {
  long total = 1;
  for (int b : bounds) total *= b;
  const long wanted = discrete_check::FullSweep() ? full_budget : budget;
  long step = 1;
  if (total > wanted) {
    step = total / wanted;
    while (true) {
      bool coprime = true;
      for (int b : bounds) {
        long a = step, c = b;
        while (c != 0) {
          const long r = a % c;
          a = c;
          c = r;
        }
        coprime = coprime && a == 1;
      }
      if (coprime) break;
      ++step;
    }
  }
  const long count = total > wanted ? wanted : total;
  for (long visited = 0, index = 0; visited < count; ++visited, index = (index + step) % total) {
    testing_support::VariantParams p{};
    long rest = index;
    for (std::size_t k = 0; k < 7; ++k) {
      p[k] = static_cast<int>(rest % bounds[k]) + 1;
      rest /= bounds[k];
    }
    f(p);
  }
}

/// A \vector: its start and its end (the length is the horizontal extent, or the vertical
/// one when the vector is vertical).
struct Vector {
  Point from;
  Point to;
  std::size_t at = 0;  ///< where it stands in the text
};

inline std::vector<Vector> ReadVectors(const std::string& text) {
  std::vector<Vector> vectors;
  const std::string mark = "){\\vector(";
  for (std::size_t at = text.find(mark); at != std::string::npos; at = text.find(mark, at + 1)) {
    const std::size_t put = text.rfind("\\put(", at);
    std::size_t p = put + 5;
    Vector v;
    v.at = at;
    v.from.x = ReadNumber(text, p);
    ++p;
    v.from.y = ReadNumber(text, p);
    p = at + mark.size();
    const double dx = ReadNumber(text, p);
    ++p;
    const double dy = ReadNumber(text, p);
    p += 2;  // "){"
    const double len = ReadNumber(text, p);
    if (dx == 0) {
      v.to = {v.from.x, v.from.y + (dy > 0 ? len : -len)};
    } else {
      v.to = {v.from.x + (dx > 0 ? len : -len), v.from.y + len * dy / std::fabs(dx)};
    }
    vectors.push_back(v);
  }
  return vectors;
}

/// A value label "\put(x,y){\scriptsize v}" (or with another opening).
struct Label {
  Point at;
  long value = 0;
  std::size_t pos = 0;
};

inline std::vector<Label> ReadLabels(const std::string& text, const std::string& opening) {
  std::vector<Label> labels;
  const std::string mark = "){" + opening;
  for (std::size_t at = text.find(mark); at != std::string::npos; at = text.find(mark, at + 1)) {
    const std::size_t put = text.rfind("\\put(", at);
    if (put == std::string::npos) continue;
    std::size_t p = put + 5;
    Label l;
    l.pos = at;
    l.at.x = ReadNumber(text, p);
    ++p;
    l.at.y = ReadNumber(text, p);
    if (p != at) continue;
    std::size_t v = at + mark.size();
    l.value = static_cast<long>(ReadNumber(text, v));
    labels.push_back(l);
  }
  return labels;
}

/// Every em-line path: from its "\mt" point to the last "\pp" point before the next "\mt".
inline std::vector<discrete_check::Segment> ReadPaths(const std::string& text) {
  std::vector<discrete_check::Segment> paths;
  for (std::size_t at = text.find("\\mt{"); at != std::string::npos;) {
    std::size_t p = at + 4;
    discrete_check::Segment s;
    s.a.x = ReadNumber(text, p);
    p += 2;
    s.a.y = ReadNumber(text, p);
    ++p;
    s.b = s.a;
    while (true) {
      std::size_t q = p;
      while (q < text.size() && (text[q] == '%' || text[q] == '\r' || text[q] == '\n')) ++q;
      if (text.compare(q, 4, "\\pp{") != 0) break;
      p = q + 4;
      s.b.x = ReadNumber(text, p);
      p += 2;
      s.b.y = ReadNumber(text, p);
      ++p;
    }
    paths.push_back(s);
    at = text.find("\\mt{", p);
  }
  return paths;
}

/// The arcs (tail, head) of the paths whose ends lie nearest to two different points; the
/// barbs of an arrowhead, both ends at one point, drop out.
inline std::vector<std::pair<int, int>> ReadArcs(const std::vector<Point>& points,
                                                 const std::string& text) {
  std::vector<std::pair<int, int>> arcs;
  for (const auto& s : ReadPaths(text)) {
    const int u = discrete_check::Nearest(points, s.a);
    const int v = discrete_check::Nearest(points, s.b);
    if (u != v) arcs.push_back({u, v});
  }
  return arcs;
}

inline double Distance(const Point& a, const Point& b) { return std::hypot(a.x - b.x, a.y - b.y); }

}  // namespace picture_read
