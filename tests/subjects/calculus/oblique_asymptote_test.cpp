#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <algorithm>
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

// One answers cell: the line at +infinity and the line at -infinity, the same line when the
// cell prints one.
struct Cell {
  double k, b, k_minus, b_minus;
};

// A printed line "kx+b" up to the end of its text: no number before x is 1, a bare minus -1,
// no constant 0.
std::pair<double, double> ReadLine(const std::string& line) {
  const std::size_t x = line.find('x');
  const std::string k = line.substr(0, x);
  const std::string b = line.substr(x + 1);
  return {k.empty() ? 1.0 : k == "-" ? -1.0 : std::strtod(k.c_str(), nullptr),
          b.empty() ? 0.0 : std::strtod(b.c_str(), nullptr)};
}

// The printed cells "&$y=kx+b$", or, where the two sides differ,
// "&{\scriptsize$y=kx+b\ (+\infty),\ y=kx+b\ (-\infty)$}".
std::vector<Cell> PrintedAsymptotes(const std::string& ans) {
  std::vector<Cell> cells;
  const std::string text = WithoutLineEnds(ans);
  for (std::size_t p = text.find('&'); p != std::string::npos;) {
    const std::size_t end = text.find('&', p + 1);
    const std::string cell = text.substr(p + 1, end == std::string::npos ? end : end - p - 1);
    p = end;
    std::vector<std::pair<double, double>> lines;
    for (std::size_t y = cell.find("y="); y != std::string::npos; y = cell.find("y=", y + 2)) {
      const std::size_t stop = std::min(cell.find("\\ (", y), cell.find('$', y));
      lines.push_back(ReadLine(cell.substr(y + 2, stop - y - 2)));
    }
    if (lines.size() == 1) {
      cells.push_back({lines[0].first, lines[0].second, lines[0].first, lines[0].second});
    } else if (lines.size() == 2 && cell.find("(+\\infty)") < cell.find("(-\\infty)")) {
      cells.push_back({lines[0].first, lines[0].second, lines[1].first, lines[1].second});
    } else {
      ADD_FAILURE() << "unreadable answer cell " << cell;
    }
  }
  return cells;
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
    for (int i = 0; i < items; ++i) head += (i == 0 ? "\\No& $y=kx+b$ \r\n" : "& $y=kx+b$ \r\n");
    EXPECT_NE(ans.find(head + " "), std::string::npos) << ans;
    EXPECT_NE(ans.find(std::string("{|") + (items == 1 ? "r|r|r|r|r|}" : "r|r|r|r|r|r|r|}")),
              std::string::npos)
        << ans;
  }
}

TEST(ObliqueAsymptote, OneFunctionWithoutLabel) {
  const auto v = RunAnalysisVariant(kRow, Params{{1, 1, 1, 1, 1, 5, 1}}, 1);
  EXPECT_EQ(v.main, " $\\displaystyle y=\\sqrt{(12x^3+2x^2+2x+5)/\r\n(3x-2)}\r\n$\\vskip2mm\r\n");
  // An even root: the slope turns round at -infinity, and the key gives both lines.
  EXPECT_EQ(v.ans,
            "1&{\\scriptsize$y=2x\r\n+0.83\\ (+\\infty),\\ y=-2x\r\n-0.83\\ (-\\infty)$}");
}

TEST(ObliqueAsymptote, ThreeFunctionsUnitSlopeAndFractionalSlope) {
  // Level 10 still gives three functions.
  const auto v = RunAnalysisVariant(kRow, Params{{3, 2, 8, 2, 4, 7, 1}}, 10, 4);
  EXPECT_EQ(v.main,
            " $\\displaystyle 1)\\  y=\r\n\\frac{120x^3+3x^2\r\n-17\r\nx+7}{6x^2\r\n-17\r\nx-28}"
            "$\\vskip2mm\r\n"
            " $\\displaystyle 2)\\  y=\r\n(5x^2+3x+7)/(\\sqrt{25x^2\r\n+3}+7)\r\n$\\vskip2mm\r\n"
            " $\\displaystyle 3)\\  y=\r\n\\frac{1}{e^{5/x}-1}+3x\r\n$\\vskip2mm\r\n");
  // The root in the second function's denominator turns its slope round at -infinity.
  EXPECT_EQ(v.ans,
            "4&$y=20x\r\n+57.17$&{\\scriptsize$y=x-0.8\\ (+\\infty),\\ y=-x-2\\ (-\\infty)$}"
            "&$y=3.2x\r\n-0.5$");
}

// k = lim f/x and b = lim (f - kx) of every printed function, over every parameter set and
// Level, against the printed asymptote (which FormatNumber gives to within 0.01).
TEST(ObliqueAsymptote, AnswersMatchThePrintedFunctionsEverywhere) {
  std::map<std::string, Cell> checked;
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
          Cell limits{};
          for (double side : {1.0, -1.0}) {
            const auto g = [&f, side](double t) { return f(side * t); };
            const double k =
                numeric_check::LimitAtInfinity([&g, side](double t) { return g(t) / (side * t); });
            const double b =
                numeric_check::LimitAtInfinity([&g, k, side](double t) { return g(t) - k * side * t; });
            (side > 0 ? limits.k : limits.k_minus) = k;
            (side > 0 ? limits.b : limits.b_minus) = b;
          }
          it = checked.emplace(functions[i], limits).first;
        }
        const Cell& want = it->second;
        const Cell& got = lines[i];
        const std::string where = functions[i] + " at " + numeric_check::Describe(q, level);
        ASSERT_NEAR(got.k, want.k, 0.0101) << "k at +infinity of " << where;
        ASSERT_NEAR(got.b, want.b, 0.0101) << "b at +infinity of " << where;
        ASSERT_NEAR(got.k_minus, want.k_minus, 0.0101) << "k at -infinity of " << where;
        ASSERT_NEAR(got.b_minus, want.b_minus, 0.0101) << "b at -infinity of " << where;
      }
    });
  }
}

}  // namespace
