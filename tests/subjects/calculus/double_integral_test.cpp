#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <string>

#include "tests/subjects/calculus/analysis_runner.h"
#include "tests/subjects/calculus/quadrature.h"
#include "tests/support/memory_files.h"
#include "tests/support/sweep.h"
#include "tests/support/tex_formula.h"

namespace {

using numeric_check::Params;

constexpr int kRow = 22;

std::string WithoutLineEnds(std::string text) {
  for (auto p = text.find("\r\n"); p != std::string::npos; p = text.find("\r\n")) text.erase(p, 2);
  return text;
}

TEST(DoubleIntegral, BeginWritesStatementAndReference) {
  SharedState s;
  testing_support::OpenMemoryFiles(s);
  calculus::BeginAnalysisProblem(s, kRow);
  EXPECT_EQ(s.ParboxWidth, 215);
  EXPECT_EQ(testing_support::MainText(s).rfind(
                "\\rightskip=0pt plus1fil"
                "Вычислить двойной интеграл по области $D$, ограниченной заданными линиями.",
                0),
            0u);
  EXPECT_NE(testing_support::MainText(s).find("(с.289.)"), std::string::npos);
  EXPECT_EQ(testing_support::AnsText(s),
            "\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|r|r|r|}\\hline \r\n"
            "\\No & Int & $x_1$ & $x_2$  \\\\\\hline \r\n");
}

TEST(DoubleIntegral, WritesRegionValueAndAbscissas) {
  numeric_check::VariantRunner run(kRow, 1);
  auto v = run.Run({{1, 1, 1, 1, 1, 1, 1}});
  EXPECT_EQ(v.main,
            " \\ $\\displaystyle{\\int\\!\\!\\!\\!\\int\\limits_D (x+1)\r\n"
            "\\ dxdy,}$ \\ \\ \\ $y=x^2-8x+10\r\n$, \\ $y=2x+1.$\r\n\\vskip2mm");
  EXPECT_EQ(v.ans, "1&      512&1&9\r\n");
  // alpha + c = 8 > 6: the abscissas 5 and 1 are printed in increasing order and the value is
  // the region's, positive.
  v = run.Run({{1, 1, 5, 3, 2, 4, 1}});
  EXPECT_EQ(v.ans, "1&       64&1&5\r\n");
  // alpha + c = 6 would leave no region: c is raised to 5.
  v = run.Run({{1, 1, 2, 4, 1, 1, 1}});
  EXPECT_NE(v.main.find("(x+5)"), std::string::npos) << v.main;
  EXPECT_EQ(v.ans, "1&        8&0&2\r\n");
}

// The printed line and parabola are read back; where they meet and the integral of the
// printed integrand over the region between them come from the printed text alone.
TEST(DoubleIntegral, AnswerIsTheIntegralOverThePrintedRegion) {
  static const std::regex kIntegrand(R"(\\limits_D \(x\+(\d+)\))");
  static const std::regex kCurves(R"(\$y=(x\^2[^$]*)\$, \\ \$y=([^$]*)\.\$)");
  static const std::regex kAnswer(R"(^\d+&\s*(-?\d+)&(-?\d+)&(-?\d+)\r\n$)");
  int bounds[7];
  numeric_check::RowBounds(kRow, {false, false, true, true, true, true, false}, bounds);
  numeric_check::VariantRunner run(kRow, 1);
  long long checked = 0;
  numeric_check::ForEachParameterSet(
      bounds,
      [&](const Params& q) {
        const auto v = run.Run(q);
        const std::string where = numeric_check::Where(q, 1, v);
        const std::string text = WithoutLineEnds(v.main);
        const auto c = numeric_check::Match(text, kIntegrand);
        const auto curves = numeric_check::Match(text, kCurves);
        const auto answer = numeric_check::Match(v.ans, kAnswer);
        ASSERT_EQ(c.size(), 1u) << where;
        ASSERT_EQ(curves.size(), 2u) << where;
        ASSERT_EQ(answer.size(), 3u) << where;
        const tex_formula::Formula parabola(curves[0]), line(curves[1]);
        auto gap = [&](double x) { return line(x) - parabola(x); };
        // gap = -x^2 + p x + r; its roots bound the region.
        const double r = gap(0), p = (gap(1) - gap(-1)) / 2;
        ASSERT_NEAR((gap(1) + gap(-1)) / 2 - r, -1, 1e-12) << where;
        const double disc = p * p + 4 * r;
        ASSERT_GT(disc, 0) << "the region is empty: " << where;
        const double x1 = (p - std::sqrt(disc)) / 2, x2 = (p + std::sqrt(disc)) / 2;
        const double shift = std::stod(c[0]);
        const double integral =
            quadrature::Gauss([&](double x) { return (x + shift) * gap(x); }, x1, x2);
        EXPECT_NEAR(std::stod(answer[0]), integral, 1e-8) << where;
        EXPECT_NEAR(std::stod(answer[1]), x1, 1e-9) << where;
        EXPECT_NEAR(std::stod(answer[2]), x2, 1e-9) << where;
        ++checked;
      },
      1000);
  EXPECT_TRUE(testing_support::SweepCovered(checked, 5 * 5 * 5 * 5));
}

}  // namespace
