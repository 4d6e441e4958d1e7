#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "subjects/calculus/calculus.h"
#include "tests/subjects/calculus/analysis_runner.h"
#include "tests/support/tex_formula.h"
#include "tests/support/memory_files.h"

namespace {

constexpr int kRow = 10;

using numeric_check::Params;
using numeric_check::RunAnalysisVariant;

std::string WithoutLineEnds(std::string s) {
  for (std::size_t p = s.find("\r\n"); p != std::string::npos; p = s.find("\r\n")) s.erase(p, 2);
  return s;
}

// The printed asymptotes "&$y=kx+b$" as (k, b): no number before x is 1, no constant is 0.
std::vector<std::pair<double, double>> PrintedAsymptotes(const std::string& ans) {
  std::vector<std::pair<double, double>> lines;
  const std::string text = WithoutLineEnds(ans);
  const std::string open = "&$y=";
  for (std::size_t p = text.find(open); p != std::string::npos; p = text.find(open, p)) {
    const std::size_t end = text.find('$', p + open.size());
    const std::string cell = text.substr(p + open.size(), end - p - open.size());
    const std::size_t x = cell.find('x');
    const std::string k = cell.substr(0, x);
    const std::string b = cell.substr(x + 1);
    lines.emplace_back(k.empty() ? 1.0 : std::strtod(k.c_str(), nullptr),
                       b.empty() ? 0.0 : std::strtod(b.c_str(), nullptr));
    p = end;
  }
  return lines;
}

TEST(ObliqueAsymptote, StatementAndAtMostThreeHeadCells) {
  for (int level : {1, 3, 10}) {
    SharedState s;
    testing_support::OpenMemoryFiles(s);
    s.Level = level;
    calculus::BeginAnalysisProblem(s, kRow);
    EXPECT_EQ(
        testing_support::MainText(s).rfind(" Найти наклонную асимптоту функции.\\\\\\noindent", 0),
        0u);
    const std::string ans = testing_support::AnsText(s);
    const int items = level < 3 ? level : 3;
    std::string head = "}\\hline \r\n";
    for (int i = 0; i < items; ++i) head += "& $y=kx+b$ \r\n";
    EXPECT_NE(ans.find(head + " "), std::string::npos) << ans;
    EXPECT_NE(ans.find(std::string("{|") + (items == 1 ? "r|r|r|r|r|}" : "r|r|r|r|r|r|r|}")),
              std::string::npos)
        << ans;
  }
}

TEST(ObliqueAsymptote, OneFunctionWithoutLabel) {
  const auto v = RunAnalysisVariant(kRow, Params{{1, 1, 1, 1, 1, 5, 1}}, 1);
  EXPECT_EQ(v.main, " $\\displaystyle y=\\sqrt{(12x^3+2x^2+2x+5)/\r\n(3x-2)}\r\n$\\vskip2mm\r\n");
  EXPECT_EQ(v.ans, "1&$y=2x\r\n+0.83$");
}

TEST(ObliqueAsymptote, ThreeFunctionsUnitSlopeAndFractionalSlope) {
  // Level 10 still gives three functions.
  const auto v = RunAnalysisVariant(kRow, Params{{3, 2, 8, 2, 4, 7, 1}}, 10, 4);
  EXPECT_EQ(v.main,
            " $\\displaystyle 1)\\  y=\r\n\\frac{120x^3+3x^2\r\n-17\r\nx+7}{6x^2\r\n-17\r\nx-28}"
            "$\\vskip2mm\r\n"
            " $\\displaystyle 2)\\  y=\r\n(5x^2+3x+7)/(\\sqrt{25x^2\r\n+3}+7)\r\n$\\vskip2mm\r\n"
            " $\\displaystyle 3)\\  y=\r\n\\frac{1}{e^{5/x}-1}+3x\r\n$\\vskip2mm\r\n");
  EXPECT_EQ(v.ans, "4&$y=20x\r\n+57.17$&$y=x-0.8$&$y=3.2x\r\n-0.5$");
}

// k = lim f/x and b = lim (f - kx) of every printed function, over every parameter set and
// Level, against the printed asymptote (which FormatNumber gives to within 0.01).
TEST(ObliqueAsymptote, AnswersMatchThePrintedFunctionsEverywhere) {
  std::map<std::string, std::pair<double, double>> checked;
  for (int level = 1; level <= 10; ++level) {
    numeric_check::VariantRunner runner(kRow, level);
    numeric_check::ForEachParameterSet({5, 5, 10, 3, 5, 33, 0}, [&](const Params& q) {
      // P6 is only the constant term c24: Levels 1 and 10 take all 33 values, the
      // Levels between a few, to keep the sweep quick.
      if (level != 1 && level != 10 && q.p[5] > 3 && q.p[5] != 33) return;
      const auto v = runner.Run(q);
      // The printed functions, after "y=" up to the closing "$".
      const auto functions = numeric_check::PrintedFormulas(v.main, "y=", "$\\vskip2mm");
      const auto lines = PrintedAsymptotes(v.ans);
      ASSERT_EQ(functions.size(), static_cast<std::size_t>(level < 3 ? level : 3)) << v.main;
      ASSERT_EQ(lines.size(), functions.size()) << v.ans;
      for (std::size_t i = 0; i < functions.size(); ++i) {
        auto it = checked.find(functions[i]);
        if (it == checked.end()) {
          const tex_formula::Formula f(functions[i]);
          const double k = numeric_check::LimitAtInfinity([&f](double x) { return f(x) / x; });
          const double b =
              numeric_check::LimitAtInfinity([&f, k](double x) { return f(x) - k * x; });
          it = checked.emplace(functions[i], std::make_pair(k, b)).first;
        }
        ASSERT_NEAR(lines[i].first, it->second.first, 0.0101)
            << "k of " << functions[i] << " at " << numeric_check::Describe(q, level);
        ASSERT_NEAR(lines[i].second, it->second.second, 0.0101)
            << "b of " << functions[i] << " at " << numeric_check::Describe(q, level);
      }
    });
  }
}

}  // namespace
