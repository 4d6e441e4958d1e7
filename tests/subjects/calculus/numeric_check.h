#pragma once

// Independent numeric checks for the calculus answer keys, shared by every calculus test
// (limits, derivatives, asymptotes, extrema, series). A test rebuilds the function from the
// text the generator printed and compares what these routines compute with the printed answer;
// nothing here reads a generator's own values. Also: reading the printed formulas and answer
// cells back, a sweep over every parameter set of a row, and runners that write one variant
// into memory.

#include <cmath>
#include <cstdlib>
#include <functional>
#include <regex>
#include <string>
#include <vector>

#include "subjects/calculus/calculus.h"
#include "subjects/shared_state.h"
#include "support/memory_files.h"

namespace numeric_check {

using Function = std::function<double(double)>;

/// f'(x) by the eighth-order central difference with step h.
inline double Derivative(const Function& f, double x, double h = 1e-2) {
  auto d = [&](int k) { return f(x + k * h) - f(x - k * h); };
  return (672.0 * d(1) - 168.0 * d(2) + 32.0 * d(3) - 3.0 * d(4)) / (840.0 * h);
}

/// f''(x) by the eighth-order central difference with step h.
inline double SecondDerivative(const Function& f, double x, double h = 1e-2) {
  auto s = [&](int k) { return f(x + k * h) + f(x - k * h); };
  return (-205.0 / 72.0 * f(x) + 8.0 / 5.0 * s(1) - 1.0 / 5.0 * s(2) + 8.0 / 315.0 * s(3) -
          1.0 / 560.0 * s(4)) /
         (h * h);
}

/// Richardson extrapolation of g(t) to t -> 0 from t0, t0/2, .. (levels samples), assuming
/// g has an expansion in whole powers of t.
inline double ExtrapolateToZero(const std::function<double(double)>& g, double t0, int levels = 5) {
  std::vector<std::vector<double>> table(levels);
  double t = t0;
  for (int i = 0; i < levels; ++i, t /= 2) {
    table[i].push_back(g(t));
    for (int k = 1; k <= i; ++k) {
      const double p = std::ldexp(1.0, k);
      table[i].push_back((p * table[i][k - 1] - table[i - 1][k - 1]) / (p - 1));
    }
  }
  return table[levels - 1][levels - 1];
}

/// lim f(n) as n -> infinity, by extrapolation from n0, 4n0, 16n0, .. in t = n^(-1/root):
/// root 1 for expansions in whole powers of 1/n, 2 where half powers occur (square roots).
inline double LimitAtInfinity(const Function& f, double n0 = 200, int levels = 5, int root = 1) {
  return ExtrapolateToZero([&](double t) { return f(std::pow(t, -root)); },
                           std::pow(n0, -1.0 / root), levels);
}

/// lim f(x) as x -> x0 from the side `side` (+1 or -1), by extrapolation from step h0.
inline double LimitAt(const Function& f, double x0, double side = 1, double h0 = 1e-2,
                      int levels = 5) {
  return ExtrapolateToZero([&](double h) { return f(x0 + side * h); }, h0, levels);
}

/// |a - b| within tol relative to the larger magnitude (absolute below 1).
inline bool Near(double a, double b, double tol = 1e-6) {
  return std::fabs(a - b) <= tol * std::fmax(1.0, std::fmax(std::fabs(a), std::fabs(b)));
}

/// The value of a printed number or fraction "a", "a/b" (either part may be signed).
inline double ParseRational(const std::string& text) {
  const std::size_t slash = text.find('/');
  if (slash == std::string::npos) return std::strtod(text.c_str(), nullptr);
  return std::strtod(text.substr(0, slash).c_str(), nullptr) /
         std::strtod(text.substr(slash + 1).c_str(), nullptr);
}

/// The groups of the first match of `pattern` in text (group 1 .. n); empty when none.
/// Build each pattern once (a static std::regex): compiling one costs more than a variant.
inline std::vector<std::string> Match(const std::string& text, const std::regex& pattern) {
  std::smatch m;
  if (!std::regex_search(text, m, pattern)) return {};
  std::vector<std::string> groups;
  for (std::size_t i = 1; i < m.size(); ++i) groups.push_back(m[i].str());
  return groups;
}

/// The text between the first `open` in text and the next `close` after it; empty when there
/// is no `open`.
inline std::string Between(const std::string& text, const std::string& open,
                           const std::string& close) {
  const std::size_t p = text.find(open);
  if (p == std::string::npos) return "";
  const std::size_t start = p + open.size();
  return text.substr(start, text.find(close, start) - start);
}

/// Every piece of text between an `open` and the next `close` after it, in order: the
/// printed formulas of a variant's items ("$  y=" .. "$" and the like). An `open` without
/// its `close` ends the list.
inline std::vector<std::string> PrintedFormulas(const std::string& text, const std::string& open,
                                                const std::string& close) {
  std::vector<std::string> formulas;
  for (std::size_t p = text.find(open); p != std::string::npos; p = text.find(open, p)) {
    const std::size_t start = p + open.size();
    const std::size_t end = text.find(close, start);
    if (end == std::string::npos) break;
    formulas.push_back(text.substr(start, end - start));
    p = end + close.size();
  }
  return formulas;
}

/// The numbers of an answers row's cells after the variant number: each read from just
/// after its "&". A row split over several tables comes with their heads, which are skipped
/// (from "\begin{tabular}" to the heading row's end), so the cells of all its parts follow in
/// order.
inline std::vector<double> AnswerCells(const std::string& ans) {
  std::string rows = ans;
  for (std::size_t p = rows.find("\\begin{tabular}"); p != std::string::npos;
       p = rows.find("\\begin{tabular}", p)) {
    const std::size_t head_end = rows.find("\\\\\\hline", p);
    rows.erase(p, head_end == std::string::npos ? std::string::npos : head_end - p);
  }
  std::vector<double> cells;
  for (std::size_t p = rows.find('&'); p != std::string::npos; p = rows.find('&', p + 1)) {
    cells.push_back(std::strtod(rows.c_str() + p + 1, nullptr));
  }
  return cells;
}

/// A number as the answers writers print it: "0.5\cdot10^{-2}" is 0.005, "\infty" and
/// "-\infty" are infinite.
inline double PrintedNumber(const std::string& text) {
  if (text.find("\\infty") != std::string::npos) {
    return text.find('-') != std::string::npos ? -INFINITY : INFINITY;
  }
  const double v = std::strtod(text.c_str(), nullptr);
  return text.find("\\cdot10^{-2}") != std::string::npos ? v / 100 : v;
}

/// Parameter values P1..P7 of one variant.
struct Params {
  int p[7] = {1, 1, 1, 1, 1, 1, 1};
};

/// Calls visit for every combination of P1..P7 with Pk in 1..bounds[k-1]; a bound of 0 keeps
/// that parameter at 1 (for parameters a row does not read).
inline void ForEachParameterSet(const int (&bounds)[7],
                                const std::function<void(const Params&)>& visit) {
  Params q;
  std::function<void(int)> rec = [&](int k) {
    if (k == 7) {
      visit(q);
      return;
    }
    const int hi = bounds[k] == 0 ? 1 : bounds[k];
    for (int v = 1; v <= hi; ++v) {
      q.p[k] = v;
      rec(k + 1);
    }
  };
  rec(0);
}

/// The bounds of Analysis row `row` for the parameters it reads (reads[k] true for P(k+1));
/// the others are kept at 1.
inline void RowBounds(int row, const bool (&reads)[7], int (&bounds)[7]) {
  for (int k = 0; k < 7; ++k) bounds[k] = reads[k] ? calculus::AnalysisRanges[row][k + 1] : 0;
}

/// What one variant wrote: main file and answers file (UTF-8, CR LF kept).
struct VariantText {
  std::string main;
  std::string ans;  ///< the answers file, then the second one (a split table's other parts)
};

/// Runs the begin entry and one variant of Analysis row `problem` in a fresh state, with the
/// given parameters, Level and printed number, and returns what the variant itself wrote.
inline VariantText RunAnalysisVariant(int problem, const Params& q, int level,
                                      int first_number = 1) {
  SharedState s;
  testing_support::OpenMemoryFiles(s);
  s.Level = level;
  s.FirstNumber = first_number;
  s.VariantIndex = 1;
  calculus::BeginAnalysisProblem(s, problem);
  const std::string main_before = testing_support::MainText(s);
  const std::string ans_before = testing_support::AnsText(s);
  s.P1 = static_cast<std::int8_t>(q.p[0]);
  s.P2 = static_cast<std::int8_t>(q.p[1]);
  s.P3 = static_cast<std::int8_t>(q.p[2]);
  s.P4 = static_cast<std::int8_t>(q.p[3]);
  s.P5 = static_cast<std::int8_t>(q.p[4]);
  s.P6 = static_cast<std::int8_t>(q.p[5]);
  s.P7 = static_cast<std::int8_t>(q.p[6]);
  calculus::WriteAnalysisVariant(s, problem);
  return {testing_support::MainText(s).substr(main_before.size()),
          testing_support::AnsText(s).substr(ans_before.size()) + testing_support::Ans2Text(s)};
}

/// One document of Analysis row `problem` at one Level, as a Start writes it: the begin entry
/// runs once, then any number of variants. Each Run returns what that variant alone wrote
/// (the output files are emptied before it), so that a sweep over thousands of parameter sets
/// stays fast.
class VariantRunner {
 public:
  VariantRunner(int problem, int level, int first_number = 1) : problem_(problem) {
    testing_support::OpenMemoryFiles(state_);
    state_.Level = level;
    state_.FirstNumber = first_number;
    state_.VariantIndex = 1;
    calculus::BeginAnalysisProblem(state_, problem_);
  }

  /// Writes one variant with parameters q (as variant 1 of the document).
  VariantText Run(const Params& q) {
    testing_support::OpenMemoryFiles(state_);
    std::int8_t* p[7] = {&state_.P1, &state_.P2, &state_.P3, &state_.P4,
                         &state_.P5, &state_.P6, &state_.P7};
    for (int k = 0; k < 7; ++k) *p[k] = static_cast<std::int8_t>(q.p[k]);
    calculus::WriteAnalysisVariant(state_, problem_);
    return {testing_support::MainText(state_),
            testing_support::AnsText(state_) + testing_support::Ans2Text(state_)};
  }

  SharedState& state() { return state_; }

 private:
  int problem_;
  SharedState state_;
};

/// "P1..P7 = a b c d e f g, Level L" for failure messages.
inline std::string Describe(const Params& q, int level) {
  std::string d = "P1..P7 =";
  for (int v : q.p) d += " " + std::to_string(v);
  return d + ", Level " + std::to_string(level);
}

/// "P1..P7 = .., Level L", then what the variant wrote to the main and answers files: the
/// context of a failure message.
inline std::string Where(const Params& q, int level, const VariantText& v) {
  return Describe(q, level) + "\n" + v.main + "\n" + v.ans;
}

/// Runs Analysis row `row` at every Level 1..10 for every parameter set within bounds (see
/// ForEachParameterSet), each variant in a fresh state (RunAnalysisVariant), and hands check
/// the parameters, the Level and what the variant wrote.
inline void ForEachVariant(
    int row, const int (&bounds)[7],
    const std::function<void(const Params&, int level, const VariantText&)>& check) {
  for (int level = 1; level <= 10; ++level) {
    ForEachParameterSet(
        bounds, [&](const Params& q) { check(q, level, RunAnalysisVariant(row, q, level)); });
  }
}

}  // namespace numeric_check
