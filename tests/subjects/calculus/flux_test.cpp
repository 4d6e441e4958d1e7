#include <gtest/gtest.h>

#include <array>
#include <regex>
#include <string>

#include "tests/subjects/calculus/analysis_runner.h"
#include "tests/subjects/calculus/quadrature.h"
#include "tests/support/memory_files.h"
#include "tests/support/sweep.h"
#include "tests/support/tex_formula.h"

namespace {

using numeric_check::Params;

constexpr int kRow = 34;

TEST(Flux, BeginLowersLevelAndOpensAHeadlessTable) {
  SharedState s;
  testing_support::OpenMemoryFiles(s);
  s.Level = 9;
  calculus::BeginAnalysisProblem(s, kRow);
  EXPECT_EQ(s.Level, 4);
  EXPECT_EQ(s.ParboxWidth, 175);
  EXPECT_EQ(testing_support::MainText(s),
            "Найти поток векторного поля через верхнюю сторону треугольника с вершинами в "
            "точках $A$, $B$, $C$.\\par\\noindent ");
  EXPECT_EQ(testing_support::AnsText(s),
            "\\tabcolsep=1pt\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|}\\hline \r\n"
            "\\No & Поток \\\\\\hline \r\n");
}

TEST(Flux, WritesTheFieldTriangleAndExactFlux) {
  numeric_check::VariantRunner run(kRow, 1, 5);
  auto v = run.Run({{1, 1, 1, 1, 1, 2, 1}});
  EXPECT_EQ(v.main,
            "$F_x=x-y+z$,\\\\ $F_y=\r\nx-y+z$,\\\\ $F_z=\r\nx+z$,\\\\ $A(1,0,0)$,\\ $B(0,1,0)$, "
            "$C(0,0,1)$.\r\n");
  EXPECT_EQ(v.ans, "5 & \r\n2/3");
  // P4 = 2 drops F_x's y term; P3 = 6 leaves F_z without z.
  v = run.Run({{2, 4, 6, 2, 3, 4, 3}});
  EXPECT_EQ(v.main,
            "$F_x=2x+2z$,\\\\ $F_y=\r\n4x+y+z$,\\\\ $F_z=\r\n6x+2y$,\\\\ $A(3,0,0)$,\\ $B(0,2,0)$, "
            "$C(0,0,3)$.\r\n");
  EXPECT_EQ(v.ans, "5 & \r\n119/2");
}

// The flux by direct parametrisation of the printed triangle, with its normal turned upwards,
// of the printed field; against the printed fraction.
TEST(Flux, AnswerIsTheFluxThroughThePrintedTriangle) {
  static const std::regex kVertices(
      R"(\$A\((\d+),0,0\)\$,\\ \$B\(0,(\d+),0\)\$, \$C\(0,0,(\d+)\)\$)");
  int bounds[7];
  numeric_check::RowBounds(kRow, {true, true, true, true, true, true, true}, bounds);
  numeric_check::VariantRunner run(kRow, 4);
  long long checked = 0;
  numeric_check::ForEachParameterSet(
      bounds,
      [&](const Params& q) {
        const auto v = run.Run(q);
        const std::string where = numeric_check::Where(q, 4, v);
        std::string text = v.main;
        for (auto p = text.find("\r\n"); p != std::string::npos; p = text.find("\r\n")) {
          text.erase(p, 2);
        }
        const tex_formula::Formula fx(numeric_check::Between(text, "$F_x=", "$"));
        const tex_formula::Formula fy(numeric_check::Between(text, "$F_y=", "$"));
        const tex_formula::Formula fz(numeric_check::Between(text, "$F_z=", "$"));
        const auto m = numeric_check::Match(text, kVertices);
        ASSERT_EQ(m.size(), 3u) << where;
        const std::array<double, 3> a{std::stod(m[0]), 0, 0}, b{0, std::stod(m[1]), 0},
            c{0, 0, std::stod(m[2])};
        std::array<double, 3> e1, e2;
        for (int i = 0; i < 3; ++i) e1[i] = b[i] - a[i], e2[i] = c[i] - a[i];
        std::array<double, 3> n{e1[1] * e2[2] - e1[2] * e2[1], e1[2] * e2[0] - e1[0] * e2[2],
                                e1[0] * e2[1] - e1[1] * e2[0]};
        if (n[2] < 0) n = {-n[0], -n[1], -n[2]};
        const double flux = quadrature::Gauss(
            [&](double u) {
              return quadrature::Gauss(
                  [&](double w) {
                    tex_formula::Point p;
                    p.x = a[0] + u * e1[0] + w * e2[0];
                    p.y = a[1] + u * e1[1] + w * e2[1];
                    p.z = a[2] + u * e1[2] + w * e2[2];
                    return double(fx(p) * n[0] + fy(p) * n[1] + fz(p) * n[2]);
                  },
                  0, 1 - u);
            },
            0, 1);
        const std::string answer = v.ans.substr(v.ans.find("\r\n") + 2);
        EXPECT_NEAR(numeric_check::ParseRational(answer), flux, 1e-9) << where;
        ++checked;
      },
      3000);
  EXPECT_TRUE(testing_support::SweepCovered(checked, 8LL * 8 * 8 * 4 * 4 * 4 * 3));
}

}  // namespace
