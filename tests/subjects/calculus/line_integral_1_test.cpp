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

constexpr int kRow = 33;

TEST(LineIntegral1, BeginWritesStatementReferenceAndLowersLevel) {
  SharedState s;
  testing_support::OpenMemoryFiles(s);
  s.Level = 10;
  calculus::BeginAnalysisProblem(s, kRow);
  EXPECT_EQ(s.Level, 4);
  EXPECT_EQ(s.ParboxWidth, 175);
  const std::string main = testing_support::MainText(s);
  EXPECT_EQ(main.rfind("Вычислить криволинейный интеграл", 0), 0u);
  EXPECT_NE(main.find("(с.205.)"), std::string::npos);
  EXPECT_EQ(testing_support::AnsText(s),
            "\\tabcolsep=1pt\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|}\\hline \r\n"
            "\\No\\ru & $\\int_L$ \\\\\\hline \r\n");
}

TEST(LineIntegral1, WritesIntegrandCurveAndValue) {
  numeric_check::VariantRunner run(kRow, 1);
  auto v = run.Run({{1, 1, 1, 1, 1, 1, 1}});
  EXPECT_EQ(v.main,
            "$$\\int_L zdl,$$ где $L$ --- часть кривой\\\\ $x=t\\cos t$, $y=t\\sin t$, $z=t$, "
            "$t=0..1$\r\n");
  EXPECT_EQ(v.ans, "1 & \r\n0.7892");
  // P2 = 1 drops the x term; P6 = 1 prints "x^2+" without a digit.
  v = run.Run({{2, 1, 2, 2, 3, 1, 2}});
  EXPECT_EQ(v.main,
            "$$\\int_L (3y+x^2+2y^2)dl,$$ где $L$ --- часть кривой\\\\ $x=\\cos t$, $y=\\sin t$, "
            "$z=3t$, $t=0..3$\r\n");
}

// The integral of the printed integrand along the printed curve, with dl = |r'(t)| dt from
// numeric derivatives of the printed coordinates.
TEST(LineIntegral1, AnswerIsTheIntegralAlongThePrintedCurve) {
  static const std::regex kCurve(
      R"(\$x=([^$]*)\$, \$y=([^$]*)\$, \$z=([^$]*)\$, \$t=0\.\.(\d+)\$)");
  int bounds[7];
  numeric_check::RowBounds(kRow, {true, true, true, true, true, true, true}, bounds);
  numeric_check::VariantRunner run(kRow, 1);
  long long checked = 0;
  numeric_check::ForEachParameterSet(
      bounds,
      [&](const Params& q) {
        const auto v = run.Run(q);
        const std::string where = numeric_check::Where(q, 1, v);
        const tex_formula::Formula f(numeric_check::Between(v.main, "\\int_L ", "dl,$$"));
        const auto m = numeric_check::Match(v.main, kCurve);
        ASSERT_EQ(m.size(), 4u) << where;
        const auto x = numeric_check::TexFunction(m[0], 't');
        const auto y = numeric_check::TexFunction(m[1], 't');
        const auto z = numeric_check::TexFunction(m[2], 't');
        const double integral = quadrature::Gauss(
            [&](double t) {
              tex_formula::Point p;
              p.x = x(t), p.y = y(t), p.z = z(t);
              const double dx = numeric_check::Derivative(x, t),
                           dy = numeric_check::Derivative(y, t),
                           dz = numeric_check::Derivative(z, t);
              return double(f(p)) * std::sqrt(dx * dx + dy * dy + dz * dz);
            },
            0, std::stod(m[3]), 16);
        const std::string answer = v.ans.substr(v.ans.find("\r\n") + 2);
        EXPECT_NEAR(std::stod(answer), integral, 0.00005 + 1e-12) << where;
        ++checked;
      },
      729);
  EXPECT_TRUE(testing_support::SweepCovered(checked, 3 * 3 * 3 * 3 * 3 * 3 * 3));
}

}  // namespace
