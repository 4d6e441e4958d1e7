#pragma once

// Readers for the answer checks of the congruence, permutation, recurrence, code and
// counting rows: they take the printed text apart; the checks compute the answers
// themselves.

#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "tests/subjects/discrete/discrete_check.h"

namespace counting_check {

/// Calls f(p) for about `budget` parameter sets spread over 1..bounds by a fixed stride that
/// shares no factor with the bounds (every value of every parameter is visited); every set
/// when the space holds at most `budget`. For spaces too large to sweep whole even under the
/// full label: the caller passes a larger budget then.
template <typename F>
void SampleParams(const std::array<int, 7>& bounds, long budget, F f) {
  long total = 1;
  for (int b : bounds) total *= b;
  long step = 1;
  if (total > budget) {
    step = total / budget;
    auto coprime = [&](long s) {
      for (int b : bounds) {
        long a = s, c = b;
        while (c != 0) {
          const long r = a % c;
          a = c;
          c = r;
        }
        if (a != 1) return false;
      }
      return true;
    };
    while (!coprime(step)) ++step;
  }
  const long count = total > budget ? budget : total;
  long index = 0;
  for (long visited = 0; visited < count; ++visited, index = (index + step) % total) {
    testing_support::VariantParams p{};
    long rest = index;
    for (std::size_t k = 0; k < 7; ++k) {
      p[k] = static_cast<int>(rest % bounds[k]) + 1;
      rest /= bounds[k];
    }
    f(p);
  }
}

/// A row's begin routine run once per Level 1..10; Pick(p) chooses a Level from the
/// parameters so that a sweep passes through all ten.
class LevelRunners {
 public:
  explicit LevelRunners(int row, bool students = false) {
    for (int level = 1; level <= 10; ++level) {
      runners_.push_back(std::make_unique<discrete_check::RowRunner>(row, level, students));
    }
  }
  discrete_check::RowRunner& Pick(const testing_support::VariantParams& p) {
    long sum = 0;
    for (int v : p) sum = sum * 7 + v;
    return *runners_[static_cast<std::size_t>(sum % 10)];
  }
  discrete_check::RowRunner& At(int level) {
    return *runners_[static_cast<std::size_t>(level - 1)];
  }

 private:
  std::vector<std::unique_ptr<discrete_check::RowRunner>> runners_;
};

/// The lower lines of every two-row permutation "\begin{array}{cc..}1& .. n\\ p1& .. pn
/// \end{array}" of text, in order; each checked to have the top line 1..n.
inline std::vector<std::vector<int>> TwoRowPermutations(const std::string& text) {
  std::vector<std::vector<int>> result;
  for (std::size_t at = text.find("\\begin{array}{"); at != std::string::npos;
       at = text.find("\\begin{array}{", at)) {
    const std::size_t from = text.find('}', at + 14) + 1;
    const std::size_t to = text.find("\\end{array}", from);
    const auto values = discrete_check::Integers(text.substr(from, to - from));
    const std::size_t n = values.size() / 2;
    std::vector<int> p;
    bool top_ok = values.size() % 2 == 0;
    for (std::size_t k = 0; k < n; ++k) {
      top_ok = top_ok && values[k] == static_cast<long>(k + 1);
      p.push_back(static_cast<int>(values[n + k]));
    }
    if (!top_ok) p.clear();
    result.push_back(p);
    at = to;
  }
  return result;
}

/// Whether p (values 1..n) is a permutation.
inline bool IsPermutation(const std::vector<int>& p) {
  std::vector<bool> seen(p.size() + 1, false);
  for (int v : p) {
    if (v < 1 || v > static_cast<int>(p.size()) || seen[static_cast<std::size_t>(v)]) return false;
    seen[static_cast<std::size_t>(v)] = true;
  }
  return true;
}

/// The groups "[a,b,c][d]..." of text as lists of numbers.
inline std::vector<std::vector<int>> Groups(const std::string& text) {
  std::vector<std::vector<int>> groups;
  for (std::size_t at = text.find('['); at != std::string::npos; at = text.find('[', at + 1)) {
    const std::size_t end = text.find(']', at);
    std::vector<int> g;
    for (long v : discrete_check::Integers(text.substr(at + 1, end - at - 1)))
      g.push_back(static_cast<int>(v));
    groups.push_back(g);
  }
  return groups;
}

/// Whether groups are the cycles of p, each written from p(k) on and ending with its least
/// element k, in increasing order of k, every element once.
inline bool AreCyclesOf(const std::vector<std::vector<int>>& groups, const std::vector<int>& p) {
  std::vector<int> seen(p.size() + 1, 0);
  int last_least = 0;
  for (const auto& g : groups) {
    if (g.empty()) return false;
    const int least = g.back();
    if (least <= last_least) return false;
    last_least = least;
    for (std::size_t i = 0; i < g.size(); ++i) {
      const int v = g[i];
      if (v < 1 || v > static_cast<int>(p.size()) || seen[static_cast<std::size_t>(v)]++ != 0)
        return false;
      if (v < least) return false;
      const int next = g[(i + 1) % g.size()];
      if (p[static_cast<std::size_t>(v - 1)] != next) return false;
    }
  }
  for (std::size_t v = 1; v <= p.size(); ++v) {
    if (seen[v] != 1) return false;
  }
  return true;
}

/// The text with every blank, CR and LF removed.
inline std::string Squeeze(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c != ' ' && c != '\r' && c != '\n') out += c;
  }
  return out;
}

}  // namespace counting_check
