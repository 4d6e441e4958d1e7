#include "subjects/statics/simple_frame.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "subjects/statics/text_reading.h"
#include "tests/support/run_harness.h"
#include "tests/support/sweep.h"

namespace statics {
namespace {

using statics_testing::AnswerCells;
using statics_testing::NumberAfter;
using statics_testing::PutBefore;
using testing_support::VariantParams;

testing_support::RunTexts RunOne(const VariantParams& p, int first_number = 1) {
  auto s = testing_support::NewState();
  s->FirstNumber = first_number;
  return testing_support::RunBeginVariant(*s, BeginSimpleFrameProblem, WriteSimpleFrameVariant,
                                          {p});
}

std::string RowOf(const testing_support::RunTexts& t) {
  return statics_testing::SingleRow(t.answers);
}

TEST(SimpleFrameTest, BeginWritesTheAngleBoxTheStatementAndTheHead) {
  const auto t = RunOne({1, 1, 1, 1, 1, 1, 1});
  EXPECT_EQ(t.main.find("\\newsavebox{\\ugalf}\\sbox{\\ugalf}{%\r\n"), 0u);
  EXPECT_NE(t.main.find("Determine the reactions of the supports frames.\r\n"), std::string::npos);
  EXPECT_NE(t.main.find("\\Red{(с.10)}"), std::string::npos);
  EXPECT_NE(t.answers.find("\\ru\\# &\\mc{$X_A$}&\\mc{$Y_A$}&\\mc{$M_A$}&\\mc{$X_B$}&\\mc{$Y_B $}&"
                           "\\mc{$M_B$}&\\mc{$Y_C$}\\\\\\hline\r\n"),
            std::string::npos);
}

TEST(SimpleFrameTest, GoldenLines) {
  struct Case {
    const char* what;
    VariantParams p;
    const char* data;
    const char* row;
  };
  const Case cases[] = {
      {"scheme 1, all else 1",
       {1, 1, 1, 1, 1, 1, 1},
       "$F=5$\\,kN, $P=1$\\,kN, $m=3$\\,kNm, $\\cos\\alpha=0.8$.\r\n",
       "5&$ -11$&$  -2$&  ---  &$   7$&  ---  &  ---  &  ---  \r\n"},
      {"scheme 4, all else 1",
       {4, 1, 1, 1, 1, 1, 1},
       "$F=10$\\,kN, $P=2$\\,kN, $m=3$\\,kNm,",
       "5&$  -8$&$  -4$&$ -41$&  ---  &  ---  &  ---  &  ---  \r\n"},
      {"scheme 10, all else 1",
       {10, 1, 1, 1, 1, 1, 1},
       "$F=15$\\,kN, $P=12$\\,kN, $m=7$\\,kNm,",
       "5&$ -12$&  ---  &  ---  &  ---  &$   3$&$ -68$&  ---  \r\n"},
  };
  for (const Case& c : cases) {
    const auto t = RunOne(c.p, 5);
    EXPECT_NE(t.main.find(c.data), std::string::npos) << c.what << "\n" << t.main;
    EXPECT_EQ(RowOf(t), c.row) << c.what;
  }
}

// P5 and P6 are lowered for the variant itself: the state keeps the lowered values until the
// shell selects the next variant, and a second run of the same set writes the same bytes.
TEST(SimpleFrameTest, LoweredParametersStayWithinTheVariant) {
  auto s = testing_support::NewState();
  const auto first = testing_support::RunBeginVariant(
      *s, BeginSimpleFrameProblem, WriteSimpleFrameVariant, {{1, 1, 1, 1, 3, 3, 1}});
  EXPECT_EQ(s->P5, 0);
  EXPECT_EQ(s->P6, 2);
  const auto again = RunOne({1, 1, 1, 1, 3, 3, 1});
  EXPECT_EQ(first.main, again.main);
  EXPECT_EQ(first.answers, again.answers);
}

using Pt = statics_testing::PutPoint;

// Every support scheme's frame in equilibrium under the printed loads in their drawn senses
// and the printed reactions (A at the post's foot, B at the drop's end or, in scheme 10, at
// point 5 of the beam, C at point 5); all numbers whole and without a common factor.
TEST(SimpleFrameTest, ThePrintedReactionsHoldTheFrame) {
  const auto points =
      testing_support::SweepPoints({1, 1, 1, 1, 1, 1, 1}, {10, 8, 3, 3, 3, 3, 3}, 20000, 1, 1);
  for (const auto& point : points) {
    const auto t = RunOne(point.p);
    const std::string& m = t.main;
    const std::string where = testing_support::Describe(point);
    const int scheme = point.p[0];
    // Members: point 1 (with its gap) to 2, to 3; point 4 (with its gap) to 3.
    std::size_t at = m.find("\\spehh%");
    Pt p[6];
    Pt foot, end4;
    foot.x = NumberAfter(m, "\\mt{", at);
    foot.y = NumberAfter(m, "{", at);
    p[2].x = NumberAfter(m, "\\pp{", at);
    p[2].y = NumberAfter(m, "{", at);
    p[3].x = NumberAfter(m, "\\pp{", at);
    p[3].y = NumberAfter(m, "{", at);
    end4.x = NumberAfter(m, "\\mt{", at);
    end4.y = NumberAfter(m, "{", at);
    const auto extend = [](Pt from, Pt towards) {
      const double l = std::hypot(towards.x - from.x, towards.y - from.y);
      return Pt{from.x - 1.5 * (towards.x - from.x) / l, from.y - 1.5 * (towards.y - from.y) / l};
    };
    p[1] = extend(foot, p[2]);
    p[4] = extend(end4, p[3]);
    // The horizontal chain: |W| in two parts, in the order of x.
    at = m.find("%RAZMeR%begin%");
    std::size_t label = m.find("{\\scriptsize ", at);
    const double l1 = NumberAfter(m, "{\\scriptsize ", label);
    const double l2 = NumberAfter(m, "{\\scriptsize ", label);
    const double scale = std::fabs(p[3].x - p[2].x) / (l1 + l2);
    const double t2 = p[3].x > p[2].x ? 1 : -1;
    Pt r[6];
    for (int i = 1; i <= 4; ++i) r[i] = {(p[i].x - p[1].x) / scale, (p[i].y - p[1].y) / scale};
    r[5] = {t2 * (t2 > 0 ? l1 : l2), r[2].y};
    // Loads.
    const double F = NumberAfter(m, "\\vskip3mm$F="), P = NumberAfter(m, "$P=");
    const double couple = NumberAfter(m, "$m=");
    at = m.find("\\vector(0,");
    const Pt pput = PutBefore(m, at);
    const double pdir = NumberAfter(m, "\\vector(0,", at);
    at = m.find("\\vector(", at);
    const Pt fput = PutBefore(m, at);
    const double fdx = NumberAfter(m, "\\vector(", at);
    const double fsign = fdx < 0 ? 1 : -1;  // (-4, -3)/5 along the arrow drawn down-left
    const Pt fat = fdx < 0 ? fput : Pt{fput.x + 18, fput.y + 12};
    const Pt f_at{(fat.x - p[1].x) / scale, (fat.y - p[1].y) / scale};
    const double px = (pput.x - p[1].x) / scale;
    const double mu = m.find("{\\usebox{\\umomentp}}") != std::string::npos ? couple : -couple;
    const std::vector<double> cells = AnswerCells(RowOf(t));
    ASSERT_EQ(cells.size(), 8u) << where;
    int given = 0;
    for (int k = 1; k <= 7; ++k) given += std::isnan(cells[k]) ? 0 : 1;
    EXPECT_EQ(given, 3) << where;
    const auto v = [&](int k) { return std::isnan(cells[k]) ? 0.0 : cells[k]; };
    const Pt A = r[1], B = scheme == 10 ? r[5] : r[4], C = r[5];
    const double Fx = -0.8 * F * fsign, Fy = -0.6 * F * fsign, Py = pdir * P;
    const double sx = v(1) + v(4) + Fx;
    const double sy = v(2) + v(5) + v(7) + Fy + Py;
    const double sm = (A.x * v(2) - A.y * v(1)) + (B.x * v(5) - B.y * v(4)) + C.x * v(7) +
                      (f_at.x * Fy - f_at.y * Fx) + px * Py + v(3) + v(6) + mu;
    EXPECT_NEAR(sx, 0, 1e-6) << where;
    EXPECT_NEAR(sy, 0, 1e-6) << where;
    EXPECT_NEAR(sm, 0, 0.05) << where;
    // Whole numbers without a common factor 2, 3, 5, 7, 11.
    std::vector<double> all{F, P, couple};
    for (int k = 1; k <= 7; ++k)
      if (!std::isnan(cells[k])) all.push_back(cells[k]);
    for (int f : {2, 3, 5, 7, 11}) {
      bool divides = true;
      for (double x : all) {
        EXPECT_EQ(x, std::round(x)) << where;
        divides = divides && std::fmod(x, f) == 0;
      }
      EXPECT_FALSE(divides) << f << " " << where;
    }
    if (::testing::Test::HasFailure()) return;
  }
}

}  // namespace
}  // namespace statics
