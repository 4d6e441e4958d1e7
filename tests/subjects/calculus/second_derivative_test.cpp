#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "subjects/calculus/calculus.h"
#include "tests/subjects/calculus/analysis_runner.h"
#include "tests/support/tex_formula.h"
#include "tests/support/memory_files.h"

namespace {

constexpr int kRow = 8;

using numeric_check::Params;
using numeric_check::RunAnalysisVariant;

TEST(SecondDerivative, StatementAndAnswersHead) {
  SharedState s;
  testing_support::OpenMemoryFiles(s);
  s.Level = 2;
  calculus::BeginAnalysisProblem(s, kRow);
  EXPECT_EQ(testing_support::MainText(s).rfind(
                " Найти $d^2y/dx^2$ {\\small при $x=1$.\\\\\\noindent}\r\n", 0),
            0u);
  const std::string ans = testing_support::AnsText(s);
  EXPECT_EQ(
      ans.rfind("$d^2y/dx^2$ \\par \r\n\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|r|}", 0),
      0u)
      << ans;
  EXPECT_NE(ans.find("&1 \r\n&2 \r\n"), std::string::npos) << ans;
  EXPECT_EQ(s.ParboxWidth, 171);
}

TEST(SecondDerivative, ProductFormAndAFourBecomesTwo) {
  // P3 = 3 gives a = 2, not 4; all three indices wrap to 1.
  const auto v = RunAnalysisVariant(kRow, Params{{5, 7, 3, 3, 1, 1, 1}}, 1, 9);
  EXPECT_EQ(v.main, "$  y=\\sqrt{4x-1}\\cdot e^{x/2}\r\n$\r\n");
  EXPECT_EQ(v.ans, " 9&    1.3485");
}

TEST(SecondDerivative, ThreeFormsInTurnWithLabels) {
  const auto v = RunAnalysisVariant(kRow, Params{{1, 1, 1, 1, 1, 1, 1}}, 3);
  EXPECT_EQ(v.main,
            "\\vskip1pt 1)\r\n$  y=\\ln(x)\\cdot \\sqrt{2x}\r\n+(2x-1)^2$\r\n"
            "\\vskip1pt 2)\r\n$  y=e^{-2x}\\cdot \\mbox{tg}(\\pi x/4)+x^2/2\r\n$\r\n"
            "\\vskip1pt 3)\r\n$  y=\\mbox{ctg}(\\pi x/4)\\cdot \\sin(2\\pi x)\r\n$\r\n");
  EXPECT_EQ(v.ans, " 1&    8.0000&    1.0249&  -19.7392");
}

// Every answer against the second derivative of the printed function, over every parameter
// set and Level.
TEST(SecondDerivative, AnswersMatchThePrintedFunctionsEverywhere) {
  std::map<std::string, double> checked;
  const int bounds[7] = {5, 7, 3, 3, 0, 0, 0};
  numeric_check::ForEachVariant(kRow, bounds, [&](const Params& q, int level, const auto& v) {
    // The printed functions y = ..., one per item.
    const auto functions = numeric_check::PrintedFormulas(v.main, "$  y=", "$");
    const auto answers = numeric_check::AnswerCells(v.ans);
    ASSERT_EQ(functions.size(), static_cast<std::size_t>(level)) << v.main;
    ASSERT_EQ(answers.size(), functions.size()) << v.ans;
    EXPECT_EQ(v.main.rfind("\\vskip1pt 1)", 0) == 0, level > 1) << v.main;
    for (std::size_t i = 0; i < functions.size(); ++i) {
      auto it = checked.find(functions[i]);
      if (it == checked.end()) {
        const tex_formula::Formula y(functions[i]);
        const double second = numeric_check::SecondDerivative([&y](double x) { return y(x); }, 1.0);
        it = checked.emplace(functions[i], second).first;
      }
      ASSERT_NEAR(answers[i], it->second, 6e-5 + 1e-7 * std::fabs(it->second))
          << functions[i] << " at " << numeric_check::Describe(q, level);
    }
  });
}

}  // namespace
