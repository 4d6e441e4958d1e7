#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "subjects/calculus/calculus.h"
#include "tests/subjects/calculus/analysis_runner.h"
#include "tests/support/tex_formula.h"
#include "tests/support/memory_files.h"

namespace {

constexpr int kRow = 11;

using numeric_check::Params;
using numeric_check::RunAnalysisVariant;

// The answers' cells, the head rows left out: one value each, or, where a function has more
// than one extremum, the values stacked in a "$\begin{array}{@{}r@{}}\mbox{..}\\\mbox{..}\end{array}$".
std::vector<std::vector<double>> StackedCells(const std::string& ans) {
  std::string rows = ans;
  const std::string head = "\\begin{tabular}{|";
  for (std::size_t p = rows.find(head); p != std::string::npos; p = rows.find(head, p)) {
    const std::size_t head_end = rows.find("\\\\\\hline", p);
    rows.erase(p, head_end == std::string::npos ? std::string::npos : head_end - p);
  }
  const std::string stack = "$\\begin{array}{@{}r@{}}";
  std::vector<std::vector<double>> cells;
  for (std::size_t p = rows.find('&'); p != std::string::npos; p = rows.find('&', p + 1)) {
    std::vector<double> values;
    if (rows.compare(p + 1, stack.size(), stack) == 0) {
      const std::size_t end = rows.find("\\end{array}", p);
      for (std::size_t q = p + 1 + stack.size(); q < end;) {
        const std::string box = "\\mbox{";
        if (rows.compare(q, box.size(), box) == 0) q += box.size();
        values.push_back(std::strtod(rows.c_str() + q, nullptr));
        const std::size_t next = rows.find("\\\\", q);
        q = next == std::string::npos || next > end ? end : next + 2;
      }
    } else {
      values.push_back(std::strtod(rows.c_str() + p + 1, nullptr));
    }
    cells.push_back(values);
  }
  return cells;
}

// The stationary points of f for x > 0, found from sign changes of f' on a fine logarithmic
// grid from 0.001 to 100 (every closed form of the catalogue lies within it).
std::vector<double> StationaryPoints(const numeric_check::Function& f) {
  std::vector<double> roots;
  constexpr int kSteps = 1200;
  double x0 = 1e-3;
  double d0 = numeric_check::Derivative(f, x0, 1e-6);
  for (int k = 1; k <= kSteps; ++k) {
    const double x1 = 1e-3 * std::pow(1e5, double(k) / kSteps);
    const double d1 = numeric_check::Derivative(f, x1, 1e-6 * std::fmax(1, x1));
    if ((d0 < 0) != (d1 < 0)) roots.push_back(0.5 * (x0 + x1));
    x0 = x1;
    d0 = d1;
  }
  return roots;
}

TEST(Extremum, StatementAndThreeHeadCellsPerFunction) {
  SharedState s;
  testing_support::OpenMemoryFiles(s);
  s.Level = 2;
  s.StudentsMode = true;
  calculus::BeginAnalysisProblem(s, kRow);
  EXPECT_EQ(testing_support::MainText(s).rfind(" Найти экстремум $y(x)$ при $x>0$.", 0), 0u);
  const std::string ans = testing_support::AnsText(s);
  // 3 (2 + 1) columns are opened for 1 + 3 * 2 cells and the student's.
  EXPECT_NE(ans.find("{|r|r|r|r|r|r|r|r|r|r|r|}\\hline \r\n"
                     " \\No& $x_*$ & $y(x_*)$ & $y''(x_*)$ \r\n"
                     " & $x_*$ & $y(x_*)$ & $y''(x_*)$ \r\n"
                     " &  студент\\\\\\hline"),
            std::string::npos)
      << ans;
  EXPECT_EQ(s.ParboxWidth, 200);
}

TEST(Extremum, OneFunctionWithoutLabel) {
  // Form 21: a = 2, b = 1, c = 1; d0 = Round(19.5) + 1 = 21.
  const auto v = RunAnalysisVariant(kRow, Params{{20, 1, 1, 1, 1, 1, 1}}, 1);
  EXPECT_EQ(v.main, "$  y=21+(-60+(6+(12+3x)x)x)x$\\\\\r\n");
  EXPECT_EQ(v.ans, "1&  1.000&   -18.000&   120.000");
}

TEST(Extremum, BothExtremaOfTheLogarithmForm) {
  // Form 3 with a = 2, b = 2: y' = 4(x - 2) ln(2x), a maximum at 1/2 and a minimum at 2.
  const auto v = RunAnalysisVariant(kRow, Params{{2, 1, 1, 1, 1, 1, 1}}, 1);
  EXPECT_EQ(v.main, "$  y=2x(x-4)\\ln(2x)+8x-x^2$\\\\\r\n");
  EXPECT_EQ(v.ans,
            "1&$\\begin{array}{@{}r@{}}\\mbox{  0.500}\\\\\\mbox{  2.000}\\end{array}$"
            "&$\\begin{array}{@{}r@{}}\\mbox{     3.750}\\\\\\mbox{     0.910}\\end{array}$"
            "&$\\begin{array}{@{}r@{}}\\mbox{   -12.000}\\\\\\mbox{     5.545}\\end{array}$");
}

TEST(Extremum, FormsRunOnCyclicallyPastTheCatalogue) {
  // P1 = 20 at Level 4: forms 21, 22, then 23 -> 1 and 24 -> 2 (no form 0 or below).
  const auto v = RunAnalysisVariant(kRow, Params{{20, 2, 3, 1, 2, 1, 1}}, 4);
  EXPECT_EQ(v.main,
            "1) $  y=\r\n238+(-360+(18+(16+3x)x)x)x$\\\\\r\n"
            "2) $  y=\r\n1-288\r\nx+16\r\nx^3+3x^4$\\\\\r\n"
            "3) $  y=\r\n2(x^2-4x+4\r\n)e^{x/2}$\\\\\r\n"
            "4) $  y=\r\n2x(3x-20)\\sqrt{2x}+15(x-4\\ln x)$\\\\\r\n");
  // Above two functions the answers go into tables of two functions each, headed by the
  // functions' numbers: the first in the answers file, the others in the second one, both left
  // for the shell to end and close.
  const std::string head =
      "\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|r|r|r|}\\hline \r\n";
  EXPECT_EQ(v.ans, head +
                       " \\No& 1) $x_*$ & $y(x_*)$ & $y''(x_*)$ \r\n"
                       " & 2) $x_*$ & $y(x_*)$ & $y''(x_*)$ \r\n"
                       " \\\\\\hline \r\n"
                       "1&  2.000&  -234.000&   372.000&  2.000&  -399.000&   336.000" +
                       head +
                       " \\No& 3) $x_*$ & $y(x_*)$ & $y''(x_*)$ \r\n"
                       " & 4) $x_*$ & $y(x_*)$ & $y''(x_*)$ \r\n"
                       " \\\\\\hline \r\n"
                       "1&  2.000&     0.000&    10.873&  4.000&  -204.197&    46.176");
}

// For every printed function: the stationary point found from the printed x* by Newton's
// method on the numeric derivatives lies within the printed rounding, and the printed y(x*) and
// y''(x*) are the function's; y'' is clear of 0, so the point is the extremum its sign names.
// Every parameter set, every Level.
TEST(Extremum, AnswersMatchThePrintedFunctionsEverywhere) {
  std::map<std::string, bool> checked;
  for (int level = 1; level <= 10; ++level) {
    numeric_check::VariantRunner runner(kRow, level);
    numeric_check::ForEachParameterSet({20, 3, 3, 3, 5, 0, 0}, [&](const Params& q) {
      const auto v = runner.Run(q);
      // The printed functions y = ..., one per item.
      const auto functions = numeric_check::PrintedFormulas(v.main, "$  y=", "$\\\\");
      const auto cells = StackedCells(v.ans);
      ASSERT_EQ(functions.size(), static_cast<std::size_t>(level)) << v.main;
      ASSERT_EQ(cells.size(), 3 * functions.size()) << v.ans;
      for (std::size_t i = 0; i < functions.size(); ++i) {
        const std::vector<double>& xs = cells[3 * i];
        const std::vector<double>& ys = cells[3 * i + 1];
        const std::vector<double>& seconds = cells[3 * i + 2];
        const std::string where = functions[i] + " at " + numeric_check::Describe(q, level);
        ASSERT_EQ(ys.size(), xs.size()) << where << "\n" << v.ans;
        ASSERT_EQ(seconds.size(), xs.size()) << where << "\n" << v.ans;
        // Written as a teacher writes: no coefficient 0 or 1 in front of x, no zero term.
        static const std::regex kOddCoefficient(R"((^|[^0-9.^])[01]x|[+-]0[^.0-9]|\(0[+-])");
        ASSERT_FALSE(std::regex_search(functions[i], kOddCoefficient)) << where;
        std::string key = functions[i];
        for (double x : xs) key += "|" + std::to_string(x);
        if (checked.count(key)) continue;
        checked[key] = true;
        const tex_formula::Formula formula(functions[i]);
        const numeric_check::Function f = [&formula](double x) { return formula(x); };
        // Every extremum for x > 0 is in the key, where there are finitely many (2x tg x and
        // its kin have one in every period: the key gives the first).
        if (functions[i].find("\\tg") == std::string::npos) {
          const std::vector<double> roots = StationaryPoints(f);
          ASSERT_EQ(roots.size(), xs.size()) << where << "\n" << v.ans;
        }
        for (std::size_t j = 0; j < xs.size(); ++j) {
          const double x_printed = xs[j];
          const double h = 1e-3 * std::fmax(1, x_printed);
          double x = x_printed;
          for (int step = 0; step < 6; ++step) {
            x -= numeric_check::Derivative(f, x, h) / numeric_check::SecondDerivative(f, x, h);
          }
          ASSERT_GT(x, 0) << where;
          EXPECT_NEAR(numeric_check::Derivative(f, x, h), 0, 1e-6) << where;
          ASSERT_NEAR(x_printed, x, 5.1e-4) << where;
          ASSERT_NEAR(ys[j], f(x), 5.1e-4 + 1e-9 * std::fabs(ys[j])) << where;
          const double second = numeric_check::SecondDerivative(f, x, h);
          ASSERT_NEAR(seconds[j], second, 5.1e-4 + 1e-6 * std::fabs(second)) << where;
          ASSERT_GT(std::fabs(second), 1e-3) << where;
          if (j > 0) {
            ASSERT_LT(xs[j - 1], x_printed) << where;
          }
        }
      }
    });
  }
}

}  // namespace
