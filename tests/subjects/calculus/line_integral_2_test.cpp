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

constexpr int kRow = 24;

TEST(LineIntegral2, BeginWritesHeadStatementReferenceAndAxes) {
  SharedState s;
  testing_support::OpenMemoryFiles(s);
  calculus::BeginAnalysisProblem(s, kRow);
  EXPECT_EQ(s.ParboxWidth, 210);
  EXPECT_EQ(testing_support::AnsText(s),
            "\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|r|r|r|}\\hline \r\n"
            " \\No& $I_1$& $I_2$& $I_3$ & $I_\\Sigma$  \\\\\\hline \r\n");
  const std::string main = testing_support::MainText(s);
  EXPECT_NE(main.find("Вычислить криволинейный интеграл по треугольному контуру $L$ в указанном "
                      "направлении.\\\\"),
            std::string::npos);
  EXPECT_NE(main.find("(с.207.)"), std::string::npos);
  EXPECT_NE(main.find("\\newsavebox{\\axess}\\sbox{\\axess}{%\r\n"
                      "\\noindent\\begin{picture}(2,2)(0,0)%\r\n"
                      "\\put(-35,0){\\vector(1,0){72}}\r\n\\put(0,-35){\\vector(0,1){74}}\r\n"),
            std::string::npos)
      << main;
}

TEST(LineIntegral2, WritesFormFigureAndSideIntegrals) {
  numeric_check::VariantRunner run(kRow, 1);
  // x^2 dx + (2x + 3y) dy counter-clockwise around (0,0), (1,0), (0,1): 1/3, 13/6, -3/2; 1.
  auto v = run.Run({{1, 1, 1, 4, 1, 3, 1}});
  EXPECT_NE(v.main.find(" \\ $\\displaystyle{\\int\\limits_L x^2dx+(2x+3y)dy}$\r\n"),
            std::string::npos)
      << v.main;
  EXPECT_NE(v.main.find("\\raisebox{-30pt}{\\noindent\\begin{picture}(87,80)(-40,-36)%\r\n"
                        "\\special{em:linewidth0.8pt}%\r\n"
                        "\\OliveGreen{\\mt{0}{0}\\pp{30}{0}\\pp{0}{30}\\pp{0}{0}}%\r\n\\spe%\r\n"
                        "\\put(0,0){\\usebox{\\axess}}\\put(28,-9.5){\\scriptsize \\Brown{1}}\r\n"
                        "\\put(-8.5,27.3){\\scriptsize \\Brown{1}}\r\n"
                        "\\put(10,10){\\usebox{\\umomentp}}\\end{picture}}\r\n\\vskip2mm"),
            std::string::npos)
      << v.main;
  EXPECT_EQ(v.ans, "1 & \r\n   0.3333 & \r\n   2.1667 & \r\n  -1.5000 & \r\n   1.0000\r\n");
  // P6 = 1: clockwise, the same magnitudes with opposite signs.
  v = run.Run({{1, 1, 1, 4, 1, 1, 1}});
  EXPECT_NE(v.main.find("\\put(10,10){\\usebox{\\umomentm}}"), std::string::npos) << v.main;
  EXPECT_EQ(v.ans, "1 & \r\n  -0.3333 & \r\n  -2.1667 & \r\n   1.5000 & \r\n  -1.0000\r\n");
}

// The printed form integrated along the sides of the drawn triangle, in the sense of the drawn
// arrow (set at the triangle's centroid); the total also by Green's theorem over the drawn
// triangle.
TEST(LineIntegral2, AnswersAreTheIntegralsAroundTheDrawnTriangle) {
  static const std::regex kForm(R"(\\int\\limits_L (.*)dx\+(.*)dy\}\$)");
  static const std::regex kTriangle(
      R"(\\OliveGreen\{\\mt\{(-?\d+)\}\{(-?\d+)\}\\pp\{(-?\d+)\}\{(-?\d+)\}\\pp\{(-?\d+)\}\{(-?\d+)\}\\pp\{(-?\d+)\}\{(-?\d+)\}\}%)");
  static const std::regex kArrow(R"(\\put\((-?\d+),(-?\d+)\)\{\\usebox\{\\umoment([mp])\}\})");
  static const std::regex kAnswers(
      R"(^\d+ & \r\n *(-?[0-9.]+) & \r\n *(-?[0-9.]+) & \r\n *(-?[0-9.]+) & \r\n *(-?[0-9.]+)\r\n$)");
  int bounds[7];
  numeric_check::RowBounds(kRow, {true, true, true, true, true, true, false}, bounds);
  numeric_check::VariantRunner run(kRow, 1);
  long long checked = 0;
  numeric_check::ForEachParameterSet(
      bounds,
      [&](const Params& q) {
        const auto v = run.Run(q);
        const std::string where = numeric_check::Where(q, 1, v);
        const auto form = numeric_check::Match(v.main, kForm);
        const auto tri = numeric_check::Match(v.main, kTriangle);
        const auto arrow = numeric_check::Match(v.main, kArrow);
        const auto ans = numeric_check::Match(v.ans, kAnswers);
        ASSERT_EQ(form.size(), 2u) << where;
        ASSERT_EQ(tri.size(), 8u) << where;
        ASSERT_EQ(arrow.size(), 3u) << where;
        ASSERT_EQ(ans.size(), 4u) << where;
        const tex_formula::Formula p(form[0]), qf(form[1]);
        auto at = [](const tex_formula::Formula& f, double x, double y) {
          tex_formula::Point pt;
          pt.x = x, pt.y = y;
          return double(f(pt));
        };
        quadrature::Point2 corner[4];
        for (int i = 0; i < 4; ++i) {
          corner[i] = {std::stod(tri[2 * i]) / 30, std::stod(tri[2 * i + 1]) / 30};
        }
        ASSERT_EQ(corner[3].x, corner[0].x) << where;
        ASSERT_EQ(corner[3].y, corner[0].y) << where;
        // The arrow sits at the centroid.
        EXPECT_NEAR(std::stod(arrow[0]), 10 * (corner[0].x + corner[1].x + corner[2].x), 1e-9);
        EXPECT_NEAR(std::stod(arrow[1]), 10 * (corner[0].y + corner[1].y + corner[2].y), 1e-9);
        const double area2 = (corner[1].x - corner[0].x) * (corner[2].y - corner[0].y) -
                             (corner[2].x - corner[0].x) * (corner[1].y - corner[0].y);
        ASSERT_NE(area2, 0) << where;
        const int arrow_sense = arrow[2] == "p" ? 1 : -1;
        const double along = (area2 > 0 ? 1 : -1) * arrow_sense;  // drawn order vs arrow
        double sum = 0;
        for (int k = 0; k < 3; ++k) {
          const quadrature::Point2 a = corner[k], b = corner[k + 1];
          const double side =
              along * quadrature::Gauss(
                          [&](double t) {
                            const double x = a.x + t * (b.x - a.x), y = a.y + t * (b.y - a.y);
                            return at(p, x, y) * (b.x - a.x) + at(qf, x, y) * (b.y - a.y);
                          },
                          0, 1);
          EXPECT_NEAR(std::stod(ans[k]), side, 0.00005 + 1e-9) << where << "\nside " << k + 1;
          sum += side;
        }
        EXPECT_NEAR(std::stod(ans[3]), sum, 0.00005 + 1e-9) << where;
        const double green = arrow_sense * quadrature::OverConvexPolygon(
                                               [&](double x, double y) {
                                                 const double dq = numeric_check::Derivative(
                                                     [&](double u) { return at(qf, u, y); }, x);
                                                 const double dp = numeric_check::Derivative(
                                                     [&](double u) { return at(p, x, u); }, y);
                                                 return dq - dp;
                                               },
                                               {corner[0], corner[1], corner[2]});
        EXPECT_NEAR(std::stod(ans[3]), green, 0.00005 + 1e-9) << where;
        ++checked;
      },
      1000);
  EXPECT_TRUE(testing_support::SweepCovered(checked, 3 * 4 * 4 * 4 * 4 * 4));
}

}  // namespace
