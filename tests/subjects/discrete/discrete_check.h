#pragma once

// Helpers of the discrete-mathematics answer checks: a sweep over parameter sets, one variant
// run through the tab's dispatcher, and readers of what a variant prints (picture points and
// bars, answers cells). They read the printed text only, never the generators' state.

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "subjects/discrete/discrete.h"
#include "tests/support/memory_files.h"
#include "tests/support/run_harness.h"
#include "toolkit/answers.h"

namespace discrete_check {

/// Whether the exhaustive sweeps run (TARBEL_FULL=1).
inline bool FullSweep() {
  const char* full = std::getenv("TARBEL_FULL");
  return full != nullptr && std::string(full) == "1";
}

/// Calls f(p) for parameter sets p (P1..P7) with 1 <= p[k] <= bounds[k]: every set when the
/// sweep is full or the space holds at most `budget` sets, else about `budget` sets spread over
/// the space by a fixed stride (the same sets on every run).
template <typename F>
void ForEachParams(const std::array<int, 7>& bounds, long budget, F f) {
  long total = 1;
  for (int b : bounds) total *= b;
  long step = 1;
  if (!FullSweep() && total > budget) {
    step = total / budget;
    // A stride sharing no factor with the bounds visits every value of every parameter.
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
  for (long index = 0, visited = 0; visited < total && (step == 1 || visited < budget);
       ++visited, index = (index + step) % total) {
    testing_support::VariantParams p{};
    long rest = index;
    for (std::size_t k = 0; k < 7; ++k) {
      p[k] = static_cast<int>(rest % bounds[k]) + 1;
      rest /= bounds[k];
    }
    f(p);
  }
}

/// A row's begin routine run once; RunVariant then writes single variants into fresh files.
class RowRunner {
 public:
  RowRunner(int row, int level, bool students = false) : row_(row) {
    state_ = testing_support::NewState();
    state_->Level = level;
    state_->StudentsMode = students;
    state_->SubjectIndex = 4;
    state_->ProblemNumber = row;
    discrete::BeginDiscreteProblem(*state_, row);
    begin_main_ = testing_support::MainText(*state_);
    begin_answers_ = testing_support::AnsText(*state_);
  }

  /// What the begin routine wrote into the main and answers files.
  const std::string& BeginMain() const { return begin_main_; }
  const std::string& BeginAnswers() const { return begin_answers_; }

  /// The main text and answers row of one variant (number 1) with parameters p.
  std::pair<std::string, std::string> RunVariant(const testing_support::VariantParams& p) {
    testing_support::OpenMemoryFiles(*state_);
    testing_support::SetVariant(*state_, 1, p);
    discrete::WriteDiscreteVariant(*state_, row_);
    toolkit::EndAnswersRows(*state_);
    return {testing_support::MainText(*state_), testing_support::AnsText(*state_)};
  }

  SharedState& State() { return *state_; }

 private:
  int row_;
  std::unique_ptr<SharedState> state_;
  std::string begin_main_;
  std::string begin_answers_;
};

struct Point {
  double x = 0;
  double y = 0;
};

struct Segment {
  Point a;
  Point b;
};

/// The number starting at text[at] (a plain decimal with optional sign); at moves past it.
inline double ReadNumber(const std::string& text, std::size_t& at) {
  std::size_t used = 0;
  const double v = std::stod(text.substr(at, 32), &used);
  at += used;
  return v;
}

/// The centres of every "\put(x,y){\circle{" ... of text whose circle opening is `circle`
/// (for example "{\circle{ 3}}" or "{\circle{12}}"), in order.
inline std::vector<Point> ReadCircles(const std::string& text, const std::string& circle) {
  std::vector<Point> points;
  for (std::size_t at = text.find("\\put("); at != std::string::npos;
       at = text.find("\\put(", at)) {
    at += 5;
    Point p;
    p.x = ReadNumber(text, at);
    ++at;  // ','
    p.y = ReadNumber(text, at);
    ++at;  // ')'
    if (text.compare(at, circle.size(), circle) == 0) points.push_back(p);
  }
  return points;
}

/// Every em-line "\mt{x}{y}\pp{x}{y}" of text, in order.
inline std::vector<Segment> ReadBars(const std::string& text) {
  std::vector<Segment> bars;
  for (std::size_t at = text.find("\\mt{"); at != std::string::npos;
       at = text.find("\\mt{", at)) {
    at += 4;
    Segment s;
    s.a.x = ReadNumber(text, at);
    at += 2;  // "}{"
    s.a.y = ReadNumber(text, at);
    at += 1;  // "}"
    if (text.compare(at, 4, "\\pp{") != 0) continue;
    at += 4;
    s.b.x = ReadNumber(text, at);
    at += 2;
    s.b.y = ReadNumber(text, at);
    bars.push_back(s);
  }
  return bars;
}

/// The 1-based number of the point nearest to p.
inline int Nearest(const std::vector<Point>& points, const Point& p) {
  int best = 0;
  double best_d = 1e300;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const double d = std::hypot(points[i].x - p.x, points[i].y - p.y);
    if (d < best_d) {
      best_d = d;
      best = static_cast<int>(i) + 1;
    }
  }
  return best;
}

/// Adjacency lists (1..n) of the bars read back to their nearest points.
using Graph = std::vector<std::vector<int>>;

inline Graph GraphFromBars(const std::vector<Point>& points, const std::vector<Segment>& bars) {
  Graph g(points.size() + 1);
  for (const Segment& s : bars) {
    const int u = Nearest(points, s.a);
    const int v = Nearest(points, s.b);
    g[static_cast<std::size_t>(u)].push_back(v);
    g[static_cast<std::size_t>(v)].push_back(u);
  }
  return g;
}

/// BFS distances from v (-1 where not reached).
inline std::vector<int> Distances(const Graph& g, int v) {
  std::vector<int> d(g.size(), -1);
  std::vector<int> queue{v};
  d[static_cast<std::size_t>(v)] = 0;
  for (std::size_t head = 0; head < queue.size(); ++head) {
    const int u = queue[head];
    for (int w : g[static_cast<std::size_t>(u)]) {
      if (d[static_cast<std::size_t>(w)] < 0) {
        d[static_cast<std::size_t>(w)] = d[static_cast<std::size_t>(u)] + 1;
        queue.push_back(w);
      }
    }
  }
  return d;
}

/// The answers cells of the rows in text: each row ends with "\\", cells split at "&",
/// blanks trimmed.
inline std::vector<std::string> Cells(std::string row) {
  const std::size_t end = row.rfind("\\\\");
  if (end != std::string::npos) row = row.substr(0, end);
  std::vector<std::string> cells;
  std::size_t start = 0;
  while (true) {
    const std::size_t amp = row.find('&', start);
    std::string cell = row.substr(start, amp == std::string::npos ? std::string::npos : amp - start);
    const std::size_t a = cell.find_first_not_of(" \r\n");
    const std::size_t b = cell.find_last_not_of(" \r\n");
    cells.push_back(a == std::string::npos ? "" : cell.substr(a, b - a + 1));
    if (amp == std::string::npos) break;
    start = amp + 1;
  }
  return cells;
}

/// The integers of a list such as " 20, 21" or "4, 5, 4," in order.
inline std::vector<long> Integers(const std::string& text) {
  std::vector<long> values;
  std::size_t at = 0;
  while (at < text.size()) {
    if (std::isdigit(static_cast<unsigned char>(text[at])) != 0 ||
        (text[at] == '-' && at + 1 < text.size() &&
         std::isdigit(static_cast<unsigned char>(text[at + 1])) != 0)) {
      std::size_t used = 0;
      values.push_back(std::stol(text.substr(at), &used));
      at += used;
    } else {
      ++at;
    }
  }
  return values;
}

/// The decimal code of the tree g rooted at root: a depth-first walk that visits the
/// neighbours in increasing order, 1 down and 0 up, read as a binary number, in decimal.
inline std::string TreeCode(const Graph& g, int root) {
  std::vector<int> bits;
  std::vector<bool> seen(g.size(), false);
  auto walk = [&](auto&& self, int v) -> void {
    seen[static_cast<std::size_t>(v)] = true;
    std::vector<int> next = g[static_cast<std::size_t>(v)];
    std::sort(next.begin(), next.end());
    for (int w : next) {
      if (seen[static_cast<std::size_t>(w)]) continue;
      bits.push_back(1);
      self(self, w);
      bits.push_back(0);
    }
  };
  walk(walk, root);
  // Decimal digits of the bit string by repeated doubling of a digit vector.
  std::vector<int> digits{0};  // least significant first
  for (int bit : bits) {
    int carry = bit;
    for (int& d : digits) {
      const int v = d * 2 + carry;
      d = v % 10;
      carry = v / 10;
    }
    if (carry != 0) digits.push_back(carry);
  }
  std::string text;
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) text += static_cast<char>('0' + *it);
  return text;
}

}  // namespace discrete_check
