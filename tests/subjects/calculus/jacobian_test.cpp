#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "tests/subjects/calculus/analysis_runner.h"
#include "tests/subjects/calculus/quadrature.h"
#include "tests/support/memory_files.h"
#include "tests/support/sweep.h"
#include "tests/support/tex_formula.h"

namespace {

using numeric_check::Params;

constexpr int kRow = 23;
constexpr const char* kStatement =
    "Вычислить двойной интеграл по области $D$, ограниченной заданными линиями.";

std::string WithoutLineEnds(std::string text) {
  for (auto p = text.find("\r\n"); p != std::string::npos; p = text.find("\r\n")) text.erase(p, 2);
  return text;
}

TEST(Jacobian, BeginWritesHeadStatementAndReference) {
  SharedState s;
  testing_support::OpenMemoryFiles(s);
  calculus::BeginAnalysisProblem(s, kRow);
  EXPECT_EQ(s.ParboxWidth, 200);
  EXPECT_EQ(testing_support::MainText(s).rfind(kStatement, 0), 0u);
  EXPECT_EQ(testing_support::AnsText(s),
            "\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|r|}\\hline \r\n"
            "\\No & Int & $J$  \\\\\\hline \r\n");
}

TEST(Jacobian, WritesIntegrandLinesValueAndJacobian) {
  numeric_check::VariantRunner run(kRow, 1);
  auto v = run.Run({{1, 1, 1, 1, 1, 1, 1}});
  EXPECT_EQ(v.main,
            std::string(kStatement) +
                " \\ $\\displaystyle{\\int\\!\\!\\!\\!\\int\\limits_D y\\ dxdy,}$\\vskip1mm "
                "$y=2x+1$, \\ \r\n\\ \\ \\ $y=2x+2$, \\\\ \r\n\\ \\ \\ $y=-2x,$ \\ \r\n"
                "\\ \\ \\ $y=-2x+1$. \\ \r\n");
  EXPECT_EQ(v.ans, "1&   0.2500 & 1/4\r\n");
  // P5 = 4: b = P2 + 3.
  v = run.Run({{7, 2, 1, 1, 4, 1, 1}});
  EXPECT_NE(v.main.find("x(y-3x)(y+5x)\r\n"), std::string::npos) << v.main;
  EXPECT_NE(v.main.find("$y=-5x,$"), std::string::npos) << v.main;
  EXPECT_NE(v.ans.find(" & 1/8\r\n"), std::string::npos) << v.ans;
}

// The printed integrand integrated over the parallelogram of the four printed lines in x and
// y (no change of variables); the Jacobian from the printed slopes.
TEST(Jacobian, AnswersAreTheIntegralAndJacobianOfThePrintedRegion) {
  static const std::regex kAnswer(R"(^\d+&\s*(-?[0-9.]+) & 1/(\d+)\r\n$)");
  int bounds[7];
  numeric_check::RowBounds(kRow, {true, true, true, true, true, false, false}, bounds);
  numeric_check::VariantRunner run(kRow, 1);
  long long checked = 0;
  numeric_check::ForEachParameterSet(
      bounds,
      [&](const Params& q) {
        const auto v = run.Run(q);
        const std::string where = numeric_check::Where(q, 1, v);
        const std::string text = WithoutLineEnds(v.main);
        const tex_formula::Formula f(numeric_check::Between(text, "\\limits_D ", "\\ dxdy"));
        auto lines = numeric_check::PrintedFormulas(text, "$y=", "$");
        const auto answer = numeric_check::Match(v.ans, kAnswer);
        ASSERT_EQ(lines.size(), 4u) << where;
        ASSERT_EQ(answer.size(), 2u) << where;
        double slope[4], cut[4];
        for (int i = 0; i < 4; ++i) {
          if (lines[i].ends_with(",")) lines[i].pop_back();
          const tex_formula::Formula line(lines[i]);
          cut[i] = line(0.0);
          slope[i] = line(1.0) - cut[i];
        }
        ASSERT_EQ(slope[0], slope[1]) << where;
        ASSERT_EQ(slope[2], slope[3]) << where;
        auto meet = [&](int i, int j) {
          const double x = (cut[j] - cut[i]) / (slope[i] - slope[j]);
          return quadrature::Point2{x, slope[i] * x + cut[i]};
        };
        const std::vector<quadrature::Point2> corners{meet(0, 2), meet(0, 3), meet(1, 3),
                                                      meet(1, 2)};
        const double integral = quadrature::OverConvexPolygon(
            [&](double x, double y) {
              tex_formula::Point p;
              p.x = x, p.y = y;
              return double(f(p));
            },
            corners);
        EXPECT_NEAR(std::stod(answer[0]), integral, 0.00005 + 1e-9) << where;
        // u = y - s1 x, v = y - s2 x: |d(u, v)/d(x, y)| = s1 - s2.
        EXPECT_EQ(std::stod(answer[1]), slope[0] - slope[2]) << where;
        ++checked;
      },
      1000);
  EXPECT_TRUE(testing_support::SweepCovered(checked, 8 * 4 * 4 * 4 * 4));
}

}  // namespace
