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

constexpr int kRow = 9;

using numeric_check::Params;
using numeric_check::RunAnalysisVariant;

TEST(ImplicitDerivative, StatementAndHeadWithoutReference) {
  for (bool ticket : {false, true}) {
    SharedState s;
    testing_support::OpenMemoryFiles(s);
    s.Level = 2;
    s.TicketMode = ticket;
    calculus::BeginAnalysisProblem(s, kRow);
    EXPECT_EQ(testing_support::MainText(s),
              std::string("\\rightskip=0pt plus1fil") +
                  (ticket ? " Найти производную неявной функции: "
                          : " Известно, что $y=1$ при $x=1$. Найти $y'$ при $x=1$.\\\\\\noindent"));
    const std::string ans = testing_support::AnsText(s);
    EXPECT_NE(ans.find("{|r|r|r|r|r|}\\hline \r\n\\No&1 \r\n&2 \r\n  \\\\\\hline"),
              std::string::npos)
        << ans;
    EXPECT_EQ(s.ParboxWidth, 220);
  }
}

TEST(ImplicitDerivative, ZeroDenominatorRaisesThePowerOfY) {
  // The fourth equation meets T form 2 with B form 1 at r = 3, where B' + B T_y = 0: it is
  // written with r = 4 instead.
  const auto v = RunAnalysisVariant(kRow, Params{{1, 4, 3, 1, 1, 3, 1}}, 4, 5);
  EXPECT_EQ(v.main,
            "\\vskip2pt 1)\r\n\\ $(3x^2{+}2)^2\r\n\\tg(\\pi y/4)\\sin(\\pi y^3/6)\r\n=12.5.$\r\n"
            "\\vskip2pt 2)\r\n\\ $(3\\sqrt{x}{+}2)^2\r\n\\cos(y^2{-}x^4)\r\n\\sqrt{y^3{+}3}\r\n"
            "=50.$\r\n"
            "\\vskip2pt 3)\r\n\\ $(6\\sin(\\pi x/6){+}2)^2\r\ny^2\r\n(\\ln(3y^3{-}2){+}1)\r\n"
            "=25.$\r\n"
            "\\vskip2pt 4)\r\n\\ $(3e^{x-1}{+}2)^2\r\n(2x^2{-}y)\r\n(y^4{+}1)/(y{+}1)\r\n"
            "=25.$\r\n");
  EXPECT_EQ(v.ans, " 5&   -0.5592&   -1.6000&   -0.0989&  -10.4000");
}

TEST(ImplicitDerivative, VariantLeavesTheStoredParametersAlone) {
  SharedState s;
  testing_support::OpenMemoryFiles(s);
  s.Level = 5;  // the most items one table takes: a row written whole at once
  s.FirstNumber = s.VariantIndex = 1;
  s.P1 = 2;
  s.P2 = 5;
  s.P3 = 4;
  s.P4 = 3;
  s.P5 = 1;
  s.P6 = 17;
  s.P7 = 9;
  calculus::BeginAnalysisProblem(s, kRow);
  const std::string ans_head = testing_support::AnsText(s);
  calculus::WriteAnalysisVariant(s, kRow);
  EXPECT_EQ(std::vector<int>({s.P1, s.P2, s.P3, s.P4, s.P5, s.P6, s.P7}),
            std::vector<int>({2, 5, 4, 3, 1, 17, 9}));
  // A second pass over the same parameters writes the same row.
  const std::string first_row = testing_support::AnsText(s).substr(ans_head.size());
  calculus::WriteAnalysisVariant(s, kRow);
  EXPECT_EQ(testing_support::AnsText(s).substr(ans_head.size() + first_row.size()), first_row);
}

// Every equation passes through (1, 1) and every answer is -G_x/G_y of the printed left-hand
// side there, over every parameter set and Level.
TEST(ImplicitDerivative, AnswersMatchThePrintedEquationsEverywhere) {
  std::map<std::string, double> checked;
  for (int level = 1; level <= 10; ++level) {
    numeric_check::VariantRunner runner(kRow, level);
    numeric_check::ForEachParameterSet({5, 5, 5, 5, 5, 33, 0}, [&](const Params& q) {
      // P6 only picks q (1 or 2, or any other value): Levels 1 and 10 take all 33 values, the
      // Levels between a few, to keep the sweep quick.
      if (level != 1 && level != 10 && q.p[5] > 3 && q.p[5] != 33) return;
      const auto v = runner.Run(q);
      // The printed equations "lhs=rhs", one per item.
      const auto equations = numeric_check::PrintedFormulas(v.main, "\\ $", ".$");
      const auto answers = numeric_check::AnswerCells(v.ans);
      ASSERT_EQ(equations.size(), static_cast<std::size_t>(level)) << v.main;
      ASSERT_EQ(answers.size(), equations.size()) << v.ans;
      for (std::size_t i = 0; i < equations.size(); ++i) {
        auto it = checked.find(equations[i]);
        if (it == checked.end()) {
          const std::size_t eq = equations[i].find('=');
          const tex_formula::Formula g(equations[i].substr(0, eq));
          auto at = [&g](double x, double y) {
            tex_formula::Point p;
            p.x = x;
            p.y = y;
            return static_cast<double>(g(p));
          };
          const double rhs = std::strtod(equations[i].c_str() + eq + 1, nullptr);
          EXPECT_NEAR(at(1, 1), rhs, 1e-9 * std::fmax(1, std::fabs(rhs))) << equations[i];
          const double gx = numeric_check::Derivative([&](double x) { return at(x, 1); }, 1);
          const double gy = numeric_check::Derivative([&](double y) { return at(1, y); }, 1);
          EXPECT_GT(std::fabs(gy), 1e-6) << equations[i];
          it = checked.emplace(equations[i], -gx / gy).first;
        }
        ASSERT_NEAR(answers[i], it->second, 6e-5 + 1e-8 * std::fabs(it->second))
            << equations[i] << " at " << numeric_check::Describe(q, level);
      }
    });
  }
}

}  // namespace
