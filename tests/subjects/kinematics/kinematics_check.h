#pragma once

// What the kinematics answer checks share: one variant of a Kinematic row run through the
// shell's table in memory, the numbers of its answer rows, the printed pieces between two
// markers, the printed laws read back by the shared evaluator, and the sweep of a row's
// parameter space.

#include <gtest/gtest.h>

#include <array>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "shell/dispatch.h"
#include "tests/support/run_harness.h"
#include "tests/support/sweep.h"
#include "tests/support/tex_formula.h"

namespace kinematics_check {

using Params = testing_support::VariantParams;

struct Variant {
  std::string main, answers, second_answers;
  std::array<int, 7> p_after{};  ///< P1..P7 as the variant routine left them
};

/// Runs begin and one variant of row `row` of tab `subject` at `level` and returns the files'
/// text of the variant alone (the begin routine's text is cut off).
inline Variant RunSubjectVariant(int subject, int row, const Params& p, int level) {
  auto s = testing_support::NewState();
  s->Level = level;
  s->SubjectIndex = subject;
  s->ProblemNumber = row;
  const auto& table = shell::DefaultSubjectTable();
  shell::BeginSubjectProblem(*s, row, table);
  const std::size_t m0 = testing_support::MainText(*s).size();
  const std::size_t a0 = testing_support::AnsText(*s).size();
  const std::size_t b0 = testing_support::Ans2Text(*s).size();
  testing_support::SetVariant(*s, 1, p);
  shell::WriteSubjectVariant(*s, row, table);
  Variant v;
  v.main = testing_support::MainText(*s).substr(m0);
  v.answers = testing_support::AnsText(*s).substr(a0);
  v.second_answers = testing_support::Ans2Text(*s).substr(b0);
  v.p_after = {s->P1, s->P2, s->P3, s->P4, s->P5, s->P6, s->P7};
  return v;
}

/// RunSubjectVariant for Kinematic row `row`.
inline Variant RunOne(int row, const Params& p, int level = 1) {
  return RunSubjectVariant(6, row, p, level);
}

/// The numbers of an answers row, cells split at '&', '$' and blanks removed; "\infty" reads as
/// -1 and a cell that is no number is skipped.
inline std::vector<double> Cells(const std::string& row) {
  std::vector<double> out;
  std::string cell;
  auto flush = [&] {
    std::string c;
    for (char ch : cell) {
      if (ch != '$' && ch != ' ' && ch != '\r' && ch != '\n') c += ch;
    }
    cell.clear();
    if (c == "\\infty") {
      out.push_back(-1);
      return;
    }
    char* end = nullptr;
    const double x = std::strtod(c.c_str(), &end);
    if (!c.empty() && end == c.c_str() + c.size()) out.push_back(x);
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

/// The text between the first `open` at or after `from` and the next `close`; "" when absent.
inline std::string Between(const std::string& text, const std::string& open,
                           const std::string& close, std::size_t from = 0) {
  const std::size_t a = text.find(open, from);
  if (a == std::string::npos) return "";
  const std::size_t b = text.find(close, a + open.size());
  if (b == std::string::npos) return "";
  return text.substr(a + open.size(), b - a - open.size());
}

/// A printed law made readable by the shared evaluator: line ends dropped, and the bare
/// argument of "\sin 4t", "\cos^2 6t" (a number and a letter after a blank) put in brackets.
inline std::string Normalize(const std::string& law) {
  std::string t;
  for (char c : law) {
    if (c != '\r' && c != '\n') t += c;
  }
  std::string out;
  std::size_t i = 0;
  while (i < t.size()) {
    bool wrapped = false;
    for (const char* f : {"\\sin^2 ", "\\cos^2 ", "\\sin ", "\\cos "}) {
      const std::string fn(f);
      if (t.compare(i, fn.size(), fn) != 0) continue;
      std::size_t j = i + fn.size();
      const std::size_t arg = j;
      while (j < t.size() && (std::isdigit(static_cast<unsigned char>(t[j])) || t[j] == '.')) ++j;
      if (j < t.size() && std::isalpha(static_cast<unsigned char>(t[j])) && t[j] != 'e') {
        out += fn.substr(0, fn.size() - 1) + "(" + t.substr(arg, j + 1 - arg) + ")";
        i = j + 1;
        wrapped = true;
      }
      break;
    }
    if (!wrapped) out += t[i++];
  }
  return out;
}

/// f, f' and f'' of a printed law in `var` at t0, by fourth-order central differences.
struct Derivatives {
  double f = 0, d1 = 0, d2 = 0;
};
inline Derivatives Differentiate(const std::string& law, char var, double t0, double h = 1e-3) {
  const tex_formula::Formula f(Normalize(law), var);
  long double q[5];
  for (int i = 0; i < 5; ++i) {
    tex_formula::Point pt;
    pt.Set(var, static_cast<long double>(t0) + (i - 2) * static_cast<long double>(h));
    q[i] = f(pt);
  }
  const long double hh = h;
  return {static_cast<double>(q[2]),
          static_cast<double>((q[0] - 8 * q[1] + 8 * q[3] - q[4]) / (12 * hh)),
          static_cast<double>((-q[0] + 16 * q[1] - 30 * q[2] + 16 * q[3] - q[4]) / (12 * hh * hh))};
}

/// A printed fixed-point value with `decimals` decimals agrees with x.
inline bool Agrees(double printed, double x, int decimals, double rel = 1e-6) {
  return std::abs(printed - x) <= 0.5 * std::pow(10.0, -decimals) * 1.02 + rel * std::abs(x);
}

/// Calls fn(params, level) for the points of testing_support::SweepPoints over P_k in
/// 1..bounds[k] and Level in 1..level_hi: a deterministic sample of about `budget` points in
/// which every value of every parameter occurs, or every combination under TARBEL_FULL=1.
template <typename Fn>
void ForEachSample(const std::array<int, 7>& bounds, int budget, Fn fn, int level_hi = 10) {
  for (const auto& point :
       testing_support::SweepPoints({1, 1, 1, 1, 1, 1, 1}, bounds, budget, 1, level_hi)) {
    fn(point.p, point.level);
  }
}

/// Calls check(params, level) over the sample of ForEachSample at Levels 1 and 10 and expects
/// the sample to cover the space (every combination of P_k in 1..bounds[k] at both Levels under
/// TARBEL_FULL=1).
template <typename Fn>
void SweepAtLevels1And10(const std::array<int, 7>& bounds, int budget, Fn check) {
  long long checked = 0;
  ForEachSample(
      bounds, budget,
      [&](const Params& p, int level) {
        check(p, level == 2 ? 10 : level);
        ++checked;
      },
      2);
  long long space = 2;
  for (int b : bounds) space *= b;
  EXPECT_TRUE(testing_support::SweepCovered(checked, space)) << checked;
}

/// The first and second derivatives at the middle of five values y[0..4] taken h apart (the
/// five-point central differences).
inline std::pair<double, double> FivePointRates(const double (&y)[5], double h) {
  return {(y[0] - 8 * y[1] + 8 * y[3] - y[4]) / (12 * h),
          (-y[0] + 16 * y[1] - 30 * y[2] + 16 * y[3] - y[4]) / (12 * h * h)};
}

/// FivePointRates of f over five states q[0..4] taken h apart.
template <typename State, typename Fn>
std::pair<double, double> RatesOver(const State (&q)[5], double h, const Fn& f) {
  double y[5];
  for (int i = 0; i < 5; ++i) y[i] = f(q[i]);
  return FivePointRates(y, h);
}

/// Describes a parameter set for failure messages.
inline std::string Describe(const Params& p) {
  std::ostringstream o;
  o << "P=";
  for (int k = 0; k < 7; ++k) o << (k ? "," : "") << p[k];
  return o.str();
}

/// The text with its line ends read as "\n".
inline std::string Unix(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c != '\r') out += c;
  }
  return out;
}

/// A printed length "n", "n\sqrt{2}" or "\sqrt{2}" after marker; NaN when the marker is absent.
inline double LengthAfter(const std::string& text, const std::string& marker) {
  const std::size_t at = text.find(marker);
  if (at == std::string::npos) return std::nan("");
  const char* start = text.c_str() + at + marker.size();
  char* end = nullptr;
  double v = std::strtod(start, &end);
  if (end == start) v = 1;
  return std::string_view(end).starts_with("\\sqrt{2}") ? v * std::sqrt(2.0) : v;
}

/// The cells of an answers row as printed, blanks, line ends and '$' dropped, the variant
/// number first.
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

}  // namespace kinematics_check
