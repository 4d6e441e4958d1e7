#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "tests/support/sweep.h"
#include "tests/subjects/calculus/analysis_runner.h"
#include "tests/support/tex_formula.h"
#include "tests/support/memory_files.h"

namespace {

using numeric_check::Describe;
using numeric_check::Match;
using numeric_check::Params;
using numeric_check::RunAnalysisVariant;

constexpr int kRow = 4;

TEST(SecondRemarkableLimit, BeginFollowsTheLevel) {
  struct Case {
    int level;
    const char* statement;
    const char* head;
  };
  const Case cases[] = {
      {1, " Вычислить предел последовательности.\r\n", "   \\No& lim  \\\\\\hline\r\n"},
      {2, " Вычислить пределы.\r\n", "   \\No& lim & lim \\\\\\hline\r\n"},
      {10, " Вычислить пределы.\r\n", "   \\No& lim & lim \\\\\\hline\r\n"},
  };
  for (const Case& c : cases) {
    SharedState s;
    testing_support::OpenMemoryFiles(s);
    s.Level = c.level;
    calculus::BeginAnalysisProblem(s, kRow);
    EXPECT_EQ(s.ParboxWidth, 175);
    const std::string main = testing_support::MainText(s);
    EXPECT_EQ(main.rfind(std::string(c.statement) + "\\vskip1pt{", 0), 0u) << main;
    EXPECT_NE(main.find(" \\Red{(с.77.)}"), std::string::npos) << main;
    EXPECT_EQ(
        testing_support::AnsText(s),
        std::string("\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|r|}\\hline \r\n") + c.head);
  }
}

TEST(SecondRemarkableLimit, VariantLinesForTheEdgeCases) {
  struct Case {
    const char* what;
    Params q;
    int level;
    const char* main;
    const char* ans;
  };
  const Case cases[] = {
      {"Level 1, form 4 with b = d: the exponent is 0 and the answer 1",
       {{4, 1, 1, 1, 4}},
       1,
       "\\parbox[t][20mm]{233pt}{ $\\displaystyle \r\n\\lim_{n\\to\\infty}\\left(\\frac{2n^2+5n+1}"
       "\r\n{2n^2+5n+1}\\right)\r\n^{n/5}\r\n$}",
       "1 & 1 "},
      {"form 2 with h = 1 takes b = a = 6: the exponent 1 writes e^{}",
       {{2, 1, 1, 3, 1}},
       1,
       "\\parbox[t][20mm]{233pt}{ $\\displaystyle \r\n\\lim_{n\\to\\infty}\\left("
       "\\cos(3/n)+6/n\\right)^{n/6}\r\n$}",
       "1&$e^{}$ "},
      {"Level 2: item 2 form 4 with a = b answers 1 on its own line",
       {{1, 4, 3, 1, 1}},
       2,
       "\\parbox[t][20mm]{233pt}{1.  $\\displaystyle \r\n\\lim_{n\\to\\infty}\\left("
       "1+\\frac{3}{n+1}\\right)\r\n^{4(n+1)}\r\n$\\par 2.  $\\displaystyle \r\n"
       "\\lim_{x\\to 0}\\left(1+\\sin(4x)-4x\\right)^{1/x}\r\n$}",
       "1&$e^{12}$  & 1 \r\n"},
      {"Level 10: a negative exponent and the limit at pi",
       {{9, 10, 2, 3, 1}},
       10,
       "\\parbox[t][20mm]{233pt}{1.  $\\displaystyle \r\n\\lim_{n\\to\\infty}\\left("
       "1+\\frac{8n^2+3}{n^3}\\right)^{-3n}\r\n$\\par 2.  $\\displaystyle \r\n"
       "\\lim_{x\\to \\pi}\\left(1+\\sin(x)+4(x-\\pi)\\right)^{3/(x-\\pi)}\r\n$}",
       "1&$e^{-24}$ &$e^{\r\n9}$ "},
  };
  for (const Case& c : cases) {
    const auto out = RunAnalysisVariant(kRow, c.q, c.level);
    EXPECT_EQ(out.main, c.main) << c.what;
    EXPECT_EQ(out.ans, c.ans) << c.what;
  }
}

/// The exponents of the answer cells: " & 1 " is 0, "e^{}" is 1, "e^{r}" is r; NaN for text
/// that is not a cell.
std::vector<double> AnswerExponents(const std::string& ans) {
  std::vector<double> exponents;
  std::size_t pos = ans.find_first_not_of("0123456789");
  while (pos < ans.size()) {
    if (ans.compare(pos, 5, " & 1 ") == 0) {
      exponents.push_back(0);
      pos += 5;
      if (ans.compare(pos, 2, "\r\n") == 0) pos += 2;
    } else if (ans.compare(pos, 5, "&$e^{") == 0) {
      pos += 5;
      if (ans.compare(pos, 2, "\r\n") == 0) pos += 2;
      const std::size_t close = ans.find("}$ ", pos);
      if (close == std::string::npos) return {NAN};
      const std::string r = ans.substr(pos, close - pos);
      exponents.push_back(r.empty() ? 1 : numeric_check::ParseRational(r));
      pos = close + 3;
    } else {
      exponents.push_back(NAN);
      break;
    }
  }
  return exponents;
}

/// The printed limits of a variant ("\lim_..." up to its closing "$"), checking the frame
/// around them; empty when the frame is not as expected.
std::vector<std::string> PrintedItems(const std::string& main, bool numbered) {
  const std::string open =
      "\\parbox[t][20mm]{233pt}{" + std::string(numbered ? "1. " : "") + " $\\displaystyle \r\n";
  const std::string between = "\r\n$\\par 2.  $\\displaystyle \r\n";
  if (main.rfind(open, 0) != 0 || !main.ends_with("\r\n$}")) return {};
  const std::string body = main.substr(open.size(), main.size() - open.size() - 4);
  const std::size_t split = body.find(between);
  if (split == std::string::npos) return {body};
  return {body.substr(0, split), body.substr(split + between.size())};
}

/// ln of the printed limit: the item's exponent, computed from the printed formula.
double LogLimit(const std::string& item) {
  static const std::regex kSequence(R"(^\\lim_\{n\\to\\infty\}([\s\S]*)$)");
  static const std::regex kFunction(R"(^\\lim_\{x\\to (0|\\pi/2|\\pi)\}([\s\S]*)$)");
  if (auto g = Match(item, kSequence); !g.empty()) {
    const auto f = numeric_check::TexFunction(g[0], 'n');
    return numeric_check::LimitAtInfinity([&](double n) { return std::log(f(n)); }, 100);
  }
  if (auto g = Match(item, kFunction); !g.empty()) {
    const double pi = std::acos(-1.0);
    const double x0 = g[0] == "0" ? 0 : g[0] == "\\pi" ? pi : pi / 2;
    const auto f = numeric_check::TexFunction(g[1], 'x');
    const double right = numeric_check::LimitAt([&](double x) { return std::log(f(x)); }, x0, 1);
    const double left = numeric_check::LimitAt([&](double x) { return std::log(f(x)); }, x0, -1);
    EXPECT_TRUE(numeric_check::Near(left, right, 1e-6)) << item;
    return right;
  }
  ADD_FAILURE() << "unrecognised limit " << item;
  return NAN;
}

// Each printed limit is evaluated far out (or near its point) and its logarithm compared with
// the exponent of the answer, over every distinct variant and every Level.
TEST(SecondRemarkableLimit, AnswersAreThePrintedLimitsForEveryParameterSet) {
  int bounds[7];
  numeric_check::RowBounds(kRow, {true, true, true, true, true, true, true}, bounds);
  std::map<std::string, double> log_limits;  // printed item -> ln of its limit
  int checked = 0;
  for (int level = 1; level <= 10; ++level) {
    numeric_check::VariantRunner runner(kRow, level);
    numeric_check::ForEachParameterSet(bounds, [&](const Params& q) {
      // P6 is read by sequence forms 5 and 10 only, P7 by form 10 only: elsewhere they
      // change nothing, and sweeping them would repeat the same variants 25 times over.
      if (q.p[0] != 5 && q.p[0] != 10 && q.p[5] != 1) return;
      if (q.p[0] != 10 && q.p[6] != 1) return;
      const auto out = runner.Run(q);
      const auto items = PrintedItems(out.main, level != 1);
      const std::size_t count = level == 1 ? 1 : 2;
      ASSERT_EQ(items.size(), count) << Describe(q, level) << "\n" << out.main;
      const auto exponents = AnswerExponents(out.ans);
      ASSERT_EQ(exponents.size(), count) << Describe(q, level) << "\n" << out.ans;
      for (std::size_t i = 0; i < count; ++i) {
        auto it = log_limits.find(items[i]);
        if (it == log_limits.end()) it = log_limits.emplace(items[i], LogLimit(items[i])).first;
        ASSERT_TRUE(numeric_check::Near(it->second, exponents[i], 1e-6))
            << "item " << i + 1 << ": ln of the limit " << it->second << "\n"
            << Describe(q, level) << "\n"
            << out.main << "\n"
            << out.ans;
      }
      ++checked;
    });
  }
  EXPECT_TRUE(testing_support::SweepCovered(checked, 10 * (8 * 10 * 125 + 10 * 125 * 5 + 10 * 125 * 25))) << checked;
}

}  // namespace
