#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "tests/subjects/calculus/analysis_runner.h"
#include "tests/subjects/calculus/quadrature.h"
#include "tests/support/memory_files.h"
#include "tests/support/sweep.h"
#include "tests/support/tex_formula.h"

namespace {

using numeric_check::Params;

constexpr int kRow = 32;

TEST(TripleIntegral, BeginWritesStatementHeadAndReference) {
  SharedState s;
  testing_support::OpenMemoryFiles(s);
  calculus::BeginAnalysisProblem(s, kRow);
  EXPECT_EQ(s.ParboxWidth, 200);
  EXPECT_EQ(testing_support::MainText(s).rfind(
                " Вычислить тройной интеграл по области $D$, ограниченной координатными "
                "плоскостями $x=0$, $y=0$, $z=0$ и заданной плоскостью.",
                0),
            0u);
  EXPECT_NE(testing_support::MainText(s).find("(с.289.)"), std::string::npos);
  EXPECT_EQ(testing_support::AnsText(s),
            "\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|r|}\\hline \r\n"
            "\\No & Int   \\\\\\hline \r\n");
}

TEST(TripleIntegral, WritesIntegrandPlaneAndValue) {
  numeric_check::VariantRunner run(kRow, 1);
  // a = 2, b = 3, c = 4; delta cleared; 8 + 12 + 16.
  auto v = run.Run({{4, 4, 4, 1, 4, 4, 1}});
  EXPECT_EQ(v.main,
            " \\ $\\displaystyle{\\int\\!\\!\\!\\!\\int\\!\\!\\!\\!\\int\\limits_D (4x+4y+4z)"
            "\\ dxdydz,}$\\vskip1mm $ x/2\r\n+y/3\r\n+z/4=1$\r\n");
  EXPECT_EQ(v.ans, "1&       36\r\n");
  // a = -2 opens the plane with "-"; P4 = 2 drops the y term; (-2 + 8 + 4) |t1 t2 t3|.
  v = run.Run({{1, 3, 1, 2, 3, 2, 3}});
  EXPECT_EQ(v.main,
            " \\ $\\displaystyle{\\int\\!\\!\\!\\!\\int\\!\\!\\!\\!\\int\\limits_D (x-2z+1\r\n)"
            "\\ dxdydz,}$\\vskip1mm $-x/2\r\n+y/6\r\n-z/4=1$\r\n");
  EXPECT_EQ(v.ans, "1&       20\r\n");
}

// The integral over the printed tetrahedron (the octant corner cut off by the printed plane)
// by nested quadrature in x, y, z, against the printed integer. The region's integral never
// takes the sign of the intercepts' product.
TEST(TripleIntegral, AnswerIsTheIntegralOverThePrintedTetrahedron) {
  static const std::regex kPlane(R"(\$([ -])x/(\d+)\r\n([+-])y/(\d+)\r\n([+-])z/(\d+)=1\$)");
  static const std::regex kValue(R"(&\s*(-?\d+)\r\n$)");
  int bounds[7];
  numeric_check::RowBounds(kRow, {true, true, true, true, true, true, true}, bounds);
  numeric_check::VariantRunner run(kRow, 1);
  long long checked = 0, negative_product = 0;
  numeric_check::ForEachParameterSet(
      bounds,
      [&](const Params& q) {
        const auto v = run.Run(q);
        const std::string where = numeric_check::Where(q, 1, v);
        std::string integrand = numeric_check::Between(v.main, "\\limits_D (", ")\\ dxdydz");
        if (integrand.ends_with("\r\n")) integrand.resize(integrand.size() - 2);
        const tex_formula::Formula f(integrand);
        const auto m = numeric_check::Match(v.main, kPlane);
        const auto w = numeric_check::Match(v.ans, kValue);
        ASSERT_EQ(m.size(), 6u) << where;
        ASSERT_EQ(w.size(), 1u) << where;
        const double a = (m[0] == "-" ? -1 : 1) * std::stod(m[1]);
        const double b = (m[2] == "-" ? -1 : 1) * std::stod(m[3]);
        const double c = (m[4] == "-" ? -1 : 1) * std::stod(m[5]);
        if (a * b * c < 0) ++negative_product;
        const double integral = quadrature::OverInterval(
            [&](double x) {
              return quadrature::OverInterval(
                  [&](double y) {
                    return quadrature::OverInterval(
                        [&](double z) {
                          tex_formula::Point p;
                          p.x = x, p.y = y, p.z = z;
                          return double(f(p));
                        },
                        0, c * (1 - x / a - y / b));
                  },
                  0, b * (1 - x / a));
            },
            0, a);
        EXPECT_NEAR(std::stod(w[0]), integral, 1e-9) << where;
        ++checked;
      },
      3000);
  EXPECT_TRUE(testing_support::SweepCovered(checked, 4LL * 4 * 4 * 4 * 4 * 4 * 4));
  EXPECT_GT(negative_product, 0);
}

}  // namespace
