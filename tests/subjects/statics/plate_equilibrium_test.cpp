#include "subjects/statics/plate_equilibrium.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "subjects/statics/space_balance.h"
#include "subjects/statics/text_reading.h"
#include "tests/support/run_harness.h"

namespace statics {
namespace {

using statics_testing::AnswerCells;
using statics_testing::NumberAfter;
using statics_testing::PutBefore;
using statics_testing::SpaceBody;
using statics_testing::Vec3;
using testing_support::VariantParams;

testing_support::RunTexts RunOne(const VariantParams& p, int first_number = 1) {
  auto s = testing_support::NewState();
  s->FirstNumber = first_number;
  return testing_support::RunBeginVariant(*s, BeginPlateEquilibriumProblem,
                                          WritePlateEquilibriumVariant, {p});
}

std::string RowOf(const testing_support::RunTexts& t) {
  return statics_testing::SingleRow(t.answers);
}

TEST(PlateEquilibriumTest, BeginWritesTheBoxTheHeadAndTheStatement) {
  const auto t = RunOne({1, 1, 1, 1, 1, 1, 1});
  EXPECT_EQ(t.main.find("\\newsavebox{\\kubbp}\\sbox{\\kubbp}{%\r\n"), 0u);
  EXPECT_NE(t.answers.find("&$S_1$&$S_2$&$S_3$&$S_4$&$S_5$&$S_6$\\\\\\hline"), std::string::npos);
  EXPECT_NE(t.main.find("Force $\\vec F$ is directed along the edges of the plate. Determine the "
                        "effort in the bars (in kN).\r\n"),
            std::string::npos);
  EXPECT_NE(t.main.find("\\Red{(p.101.)}"), std::string::npos);
}

TEST(PlateEquilibriumTest, GoldenLines) {
  const auto t = RunOne({1, 1, 1, 1, 1, 1, 1}, 5);
  EXPECT_EQ(RowOf(t),
            "$ 5 $&$     5.590 $&$    -6.000 $&$     3.750 $&$     2.000 $&$    -3.354 $&$    "
            "-3.750$");
  EXPECT_NE(t.main.find("\\end{center}\\vskip3pt\\parbox[b]{155pt}{\r\n\\small $a=2$~m, \r\n"
                        " $b=3$~m, \r\n $c=4$~m\r\n,\\\\ $F=1$~kN, $G=2$~kN.}\r\n"),
            std::string::npos)
      << t.main;
  EXPECT_NE(t.main.find("\\begin{center}\\noindent\\begin{picture}(153.45,107.45)(-25,-10)%"),
            std::string::npos);
  EXPECT_NE(RunOne({1, 1, 1, 2, 1, 1, 1}).main.find("\\begin{picture}(136.45,107.45)(-8,-10)%"),
            std::string::npos);
}

// The figure's points 1..4 (plate corners) and 5..8 (the hinges below them).
constexpr double kFigure[9][2] = {{0, 0},           {0, 48},          {25.452, 73.452},
                                  {97.452, 73.452}, {72, 48},         {0, 0},
                                  {25.452, 25.452}, {97.452, 25.452}, {72, 0}};

int NearestPoint(double x, double y, int lo, int hi, double within) {
  for (int i = lo; i <= hi; ++i)
    if (std::hypot(kFigure[i][0] - x, kFigure[i][1] - y) < within) return i;
  return 0;
}

// The plate's six equations with the printed bar forces along the drawn bars (each bar found
// from its ground segment: its hinge end and the plate corner on its line), F along the drawn
// arrow at the corner it touches and G at the centre.
TEST(PlateEquilibriumTest, ThePrintedBarForcesHoldThePlateInEquilibrium) {
  int checked = 0;
  for (int p1 = 1; p1 <= 3; ++p1)
    for (int p2 = 1; p2 <= 2; ++p2)
      for (int p3 = 1; p3 <= 2; ++p3)
        for (int p4 = 1; p4 <= 6; ++p4)
          for (int p5 = 1; p5 <= 4; ++p5) {
            const VariantParams p{p1, p2, p3, p4, p5, 1, 1};
            const std::string where = std::to_string(p1) + std::to_string(p2) + std::to_string(p3) +
                                      std::to_string(p4) + std::to_string(p5);
            const auto t = RunOne(p);
            const std::string& m = t.main;
            const double a = NumberAfter(m, "$a=");
            const double b = NumberAfter(m, "$b=");
            const double c = NumberAfter(m, "$c=");
            const double F = NumberAfter(m, "$F=");
            const double G = NumberAfter(m, "$G=");
            const Vec3 node[9] = {{0, 0, 0}, {a, 0, c}, {0, 0, c}, {0, b, c}, {a, b, c},
                                  {a, 0, 0}, {0, 0, 0}, {0, b, 0}, {a, b, 0}};
            const std::size_t picture = m.find("\\begin{center}\\noindent\\begin{picture}(");
            const std::size_t bars_from = m.find("\\special{em:linewidth0.6pt}%", picture);
            const std::size_t bars_to = m.find("\\spe%", bars_from);
            ASSERT_NE(bars_to, std::string::npos) << where;
            const auto segments = statics_testing::SegmentsIn(m, bars_from, bars_to);
            ASSERT_EQ(segments.size(), 6u) << where;
            const std::vector<double> cells = AnswerCells(RowOf(t));
            ASSERT_EQ(cells.size(), 7u) << where;
            SpaceBody plate;
            for (std::size_t i = 0; i < 6; ++i) {
              const auto& sg = segments[i];
              const int h = NearestPoint(sg.x2, sg.y2, 5, 8, 2.2);
              ASSERT_NE(h, 0) << where << " bar " << i + 1;
              int corner = 0;
              for (int k = 1; k <= 4; ++k) {
                const double ux = sg.x1 - kFigure[h][0], uy = sg.y1 - kFigure[h][1];
                const double vx = kFigure[k][0] - kFigure[h][0], vy = kFigure[k][1] - kFigure[h][1];
                if (std::fabs(ux * vy - uy * vx) < 0.05 * std::hypot(vx, vy) &&
                    ux * vx + uy * vy > 0 && std::hypot(vx, vy) + 0.1 >= std::hypot(ux, uy))
                  corner = k;
              }
              ASSERT_NE(corner, 0) << where << " bar " << i + 1;
              const Vec3 e = statics_testing::Unit(statics_testing::Sub(node[h], node[corner]));
              plate.Add(node[corner], statics_testing::Scaled(e, cells[i + 1]));
            }
            // F: the red arrow; it starts or ends at a plate corner.
            std::size_t at = m.find("\\thicklines\\vector(", picture);
            const auto start = PutBefore(m, at);
            const double dx = NumberAfter(m, "\\vector(", at);
            const double dy = NumberAfter(m, ",", at);
            const double len = NumberAfter(m, "){", at);
            // \vector(dx,dy){len}: len is the horizontal extent (dx is -1, 0 or 1 here).
            const double ex = start.x + len * dx;
            const double ey = start.y + len * (dx == 0 ? dy : dy / std::fabs(dx));
            int corner = NearestPoint(start.x, start.y, 1, 4, 2.5);
            if (corner == 0) corner = NearestPoint(ex, ey, 1, 4, 2.5);
            ASSERT_NE(corner, 0) << where;
            const Vec3 f = dx == dy ? Vec3{F, 0, 0} : Vec3{0, F, 0};
            plate.Add(node[corner], f);
            plate.Add({a / 2, b / 2, c}, {0, 0, -G});
            EXPECT_LT(plate.Residual(), 0.01) << where;
            ++checked;
            if (::testing::Test::HasFailure()) return;
          }
  EXPECT_EQ(checked, 288);
}

}  // namespace
}  // namespace statics
