#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "subjects/calculus/calculus.h"
#include "tests/support/sweep.h"
#include "tests/subjects/calculus/analysis_runner.h"
#include "tests/support/tex_formula.h"
#include "tests/support/memory_files.h"

namespace {

constexpr int kRow = 6;

using numeric_check::Params;
using numeric_check::RunAnalysisVariant;

TEST(LogarithmicDerivative, StatementAndAnswersHead) {
  SharedState s;
  testing_support::OpenMemoryFiles(s);
  s.Level = 3;
  calculus::BeginAnalysisProblem(s, kRow);
  const std::string main = testing_support::MainText(s);
  const std::string ans = testing_support::AnsText(s);
  EXPECT_EQ(main.rfind(" Вычислить производную функции \r\n{\\small при $x=1$. }\r\n", 0), 0u)
      << main;
  EXPECT_NE(ans.find("}\\hline \r\n\\No&1 \r\n&2 \r\n&3 \r\n"), std::string::npos) << ans;
  EXPECT_NE(ans.find("{|r|r|r|r|r|r|}"), std::string::npos) << ans;
  EXPECT_EQ(s.ParboxWidth, 180);
}

TEST(LogarithmicDerivative, OneItemWithoutLabel) {
  // k = 4, a = 4, b = 5, d = 4, e = 4; the indices wrap to U 1, V 1, W 1.
  const auto v = RunAnalysisVariant(kRow, Params{{10, 5, 3, 3, 15, 1, 1}}, 1, 7);
  EXPECT_EQ(v.main, " $ \\  y=(5x+\\sqrt{4x}\r\n)^{x/4+1\r\n}$\\vskip2pt\r\n\\vskip2mm");
  EXPECT_EQ(v.ans, "7\r\n&   17.7384");
}

TEST(LogarithmicDerivative, BOneBecomesSevenAndLabelsFromLevelTwo) {
  const auto v = RunAnalysisVariant(kRow, Params{{10, 1, 1, 1, 1, 1, 1}}, 2);
  EXPECT_EQ(v.main,
            "1)\r\n $ \\  y=(7x+(2x+1)^2\r\n)^{\\sqrt{2x}\r\n}$\\vskip2pt\r\n"
            "2)\r\n $ \\  y=(x^{2}\r\n+(x\\sin(x)+2)^2\r\n)^{x^2/2\r\n}$\\vskip2pt\r\n"
            "\\vskip2mm");
  EXPECT_EQ(v.ans, "1\r\n&  183.6418&    8.2787");
}

TEST(LogarithmicDerivative, StudentsModeLabelsEvenOneItem) {
  SharedState s;
  testing_support::OpenMemoryFiles(s);
  s.Level = 1;
  s.StudentsMode = true;
  s.FirstNumber = s.VariantIndex = 1;
  s.P1 = 3;
  s.P2 = s.P3 = s.P4 = s.P5 = 1;
  calculus::BeginAnalysisProblem(s, kRow);
  const std::size_t before = testing_support::MainText(s).size();
  calculus::WriteAnalysisVariant(s, kRow);
  EXPECT_EQ(testing_support::MainText(s).substr(before, 12), "1)\r\n $ \\  y=");
}

// Every answer against the derivative of the printed function, over every parameter set and
// every Level.
TEST(LogarithmicDerivative, AnswersMatchThePrintedFunctionsEverywhere) {
  std::map<std::string, double> checked;  // printed function -> its numeric y'(1)
  int variants = 0;
  const int bounds[7] = {10, 5, 3, 3, 15, 0, 0};
  numeric_check::ForEachVariant(kRow, bounds, [&](const Params& q, int level, const auto& v) {
    // The printed functions y = ..., one per item, in order.
    const auto functions = numeric_check::PrintedFormulas(v.main, "y=", "$\\vskip2pt");
    const auto answers = numeric_check::AnswerCells(v.ans);
    ASSERT_EQ(functions.size(), static_cast<std::size_t>(level)) << v.main;
    ASSERT_EQ(answers.size(), functions.size()) << v.ans;
    for (std::size_t i = 0; i < functions.size(); ++i) {
      auto it = checked.find(functions[i]);
      if (it == checked.end()) {
        const tex_formula::Formula y(functions[i]);
        const double slope = numeric_check::Derivative([&y](double x) { return y(x); }, 1.0);
        it = checked.emplace(functions[i], slope).first;
      }
      ASSERT_NEAR(answers[i], it->second, 6e-5 + 1e-8 * std::fabs(it->second))
          << functions[i] << " at " << numeric_check::Describe(q, level);
    }
    ++variants;
  });
  EXPECT_TRUE(testing_support::SweepCovered(variants, 10 * 6750)) << variants;
}

}  // namespace
