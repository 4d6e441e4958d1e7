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
                     " & $x_*$ & $y(x_*)$ & $y''(x_*)$ \r\n"
                     " & $x_*$ & $y(x_*)$ & $y''(x_*)$ \r\n"
                     " & студент "),
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
  EXPECT_EQ(v.ans,
            head + " & 1) $x_*$ & $y(x_*)$ & $y''(x_*)$ \r\n"
                   " & 2) $x_*$ & $y(x_*)$ & $y''(x_*)$ \r\n"
                   " \\\\\\hline \r\n"
                   "1&  2.000&  -234.000&   372.000&  2.000&  -399.000&   336.000" +
                head + " & 3) $x_*$ & $y(x_*)$ & $y''(x_*)$ \r\n"
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
      const auto cells = numeric_check::AnswerCells(v.ans);
      ASSERT_EQ(functions.size(), static_cast<std::size_t>(level)) << v.main;
      ASSERT_EQ(cells.size(), 3 * functions.size()) << v.ans;
      for (std::size_t i = 0; i < functions.size(); ++i) {
        const double x_printed = cells[3 * i];
        const double y_printed = cells[3 * i + 1];
        const double second_printed = cells[3 * i + 2];
        // Written as a teacher writes: no coefficient 0 or 1 in front of x, no zero term.
        static const std::regex kOddCoefficient(R"((^|[^0-9.^])[01]x|[+-]0[^.0-9]|\(0[+-])");
        ASSERT_FALSE(std::regex_search(functions[i], kOddCoefficient))
            << functions[i] << " at " << numeric_check::Describe(q, level);
        const std::string key = functions[i] + "|" + std::to_string(x_printed) + "|" +
                                std::to_string(y_printed) + "|" + std::to_string(second_printed);
        if (checked.count(key)) continue;
        checked[key] = true;
        const tex_formula::Formula formula(functions[i]);
        const numeric_check::Function f = [&formula](double x) { return formula(x); };
        const double h = 1e-3 * std::fmax(1, x_printed);
        double x = x_printed;
        for (int step = 0; step < 6; ++step) {
          x -= numeric_check::Derivative(f, x, h) / numeric_check::SecondDerivative(f, x, h);
        }
        const std::string where = functions[i] + " at " + numeric_check::Describe(q, level);
        ASSERT_GT(x, 0) << where;
        EXPECT_NEAR(numeric_check::Derivative(f, x, h), 0, 1e-6) << where;
        ASSERT_NEAR(x_printed, x, 5.1e-4) << where;
        ASSERT_NEAR(y_printed, f(x), 5.1e-4 + 1e-9 * std::fabs(y_printed)) << where;
        const double second = numeric_check::SecondDerivative(f, x, h);
        ASSERT_NEAR(second_printed, second, 5.1e-4 + 1e-6 * std::fabs(second)) << where;
        ASSERT_GT(std::fabs(second), 1e-3) << where;
      }
    });
  }
}

}  // namespace
