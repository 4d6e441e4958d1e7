#include <gtest/gtest.h>

#include <cmath>
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

constexpr int kRow = 26;

std::string WithoutLineEnds(std::string text) {
  for (auto p = text.find("\r\n"); p != std::string::npos; p = text.find("\r\n")) text.erase(p, 2);
  return text;
}

TEST(TriangleIntegral, BeginWritesHeadAndStatement) {
  SharedState s;
  testing_support::OpenMemoryFiles(s);
  calculus::BeginAnalysisProblem(s, kRow);
  EXPECT_EQ(s.ParboxWidth, 199);
  EXPECT_EQ(testing_support::MainText(s),
            " Вычислить интеграл по внутренней области треугольника $ABC$. \r\n");
  EXPECT_EQ(testing_support::AnsText(s),
            "\\tabcolsep=2pt\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|r|r|r|}\\hline "
            "\r\n\\No & int & $AB$ & $AC$ & $BC$ \\\\ \\hline\r\n");
}

TEST(TriangleIntegral, WritesIntegrandVerticesValueAndSides) {
  numeric_check::VariantRunner run(kRow, 1);
  // All P = 1: f = -x - 1, A(0,-3), B(2,-2), C(1,-1), D = 3.
  auto v = run.Run({{1, 1, 1, 1, 1, 1, 1}});
  EXPECT_EQ(v.main,
            "$$\\int\\!\\!\\int\\limits_D (-x-1\r\n )dxdy$$\r\n$A(0,-3)$, \r\n$B(2,-2)$, \r\n"
            "$C(1,-1)$. \r\n");
  EXPECT_EQ(v.ans, "   1&-3&$-x+2\r\ny+6=0$&$-2x+y+3=0$&$x+y=0$");
  // A zero integral is written "0".
  v = run.Run({{1, 1, 1, 1, 1, 3, 1}});
  EXPECT_EQ(v.ans.substr(0, 7), "   1&0&") << v.ans;
  // f = 2x + 2: the zero p and q are replaced by 2.
  v = run.Run({{1, 2, 2, 1, 1, 1, 1}});
  EXPECT_EQ(v.main.rfind("$$\\int\\!\\!\\int\\limits_D (2x+2\r\n )dxdy$$", 0), 0u);
  // f = -3y - 3.
  v = run.Run({{3, 2, 2, 1, 1, 1, 1}});
  EXPECT_EQ(v.main.rfind("$$\\int\\!\\!\\int\\limits_D (-3y-3\r\n )dxdy$$", 0), 0u);
}

// The integral of the printed integrand over the printed triangle by nested quadrature in x
// and y; each printed side equation holds at both of its end points and not at the third.
TEST(TriangleIntegral, AnswerIsTheIntegralOverThePrintedTriangle) {
  static const std::regex kVertices(
      R"(\$A\((-?\d+),(-?\d+)\)\$, \$B\((-?\d+),(-?\d+)\)\$, \$C\((-?\d+),(-?\d+)\)\$)");
  static const std::regex kAnswer(R"(^ *\d+&([-0-9/]+)&\$(.*)=0\$&\$(.*)=0\$&\$(.*)=0\$$)");
  int bounds[7];
  numeric_check::RowBounds(kRow, {true, true, true, true, true, true, true}, bounds);
  numeric_check::VariantRunner run(kRow, 1);
  long long checked = 0;
  numeric_check::ForEachParameterSet(
      bounds,
      [&](const Params& q) {
        const auto v = run.Run(q);
        const std::string where = numeric_check::Where(q, 1, v);
        const std::string text = WithoutLineEnds(v.main);
        const tex_formula::Formula f(numeric_check::Between(text, "\\limits_D (", " )dxdy"));
        const auto m = numeric_check::Match(text, kVertices);
        const auto answer = numeric_check::Match(WithoutLineEnds(v.ans), kAnswer);
        ASSERT_EQ(m.size(), 6u) << where;
        ASSERT_EQ(answer.size(), 4u) << where;
        std::vector<quadrature::Point2> t;
        for (int i = 0; i < 3; ++i) t.push_back({std::stod(m[2 * i]), std::stod(m[2 * i + 1])});
        const double integral = quadrature::OverConvexPolygon(
            [&](double x, double y) {
              tex_formula::Point p;
              p.x = x, p.y = y;
              return double(f(p));
            },
            t);
        EXPECT_NEAR(numeric_check::ParseRational(answer[0]), integral, 1e-9) << where;
        // Sides AB, AC, BC.
        const int ends[3][2] = {{0, 1}, {0, 2}, {1, 2}};
        for (int k = 0; k < 3; ++k) {
          const tex_formula::Formula side(answer[1 + k]);
          auto at = [&](const quadrature::Point2& p) {
            tex_formula::Point r;
            r.x = p.x, r.y = p.y;
            return double(side(r));
          };
          EXPECT_EQ(at(t[ends[k][0]]), 0) << where << "\nside " << k + 1;
          EXPECT_EQ(at(t[ends[k][1]]), 0) << where << "\nside " << k + 1;
          EXPECT_NE(at(t[3 - ends[k][0] - ends[k][1]]), 0) << where << "\nside " << k + 1;
        }
        ++checked;
      },
      2500);
  EXPECT_TRUE(testing_support::SweepCovered(checked, 3LL * 4 * 4 * 4 * 4 * 4 * 4));
}

}  // namespace
