#include "subjects/statics/force_moment.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "subjects/statics/text_reading.h"
#include "tests/support/run_harness.h"

namespace statics {
namespace {

using statics_testing::AnswerCells;
using statics_testing::NumberAfter;
using statics_testing::SingleRow;
using testing_support::RunBeginVariant;
using testing_support::VariantParams;

testing_support::RunTexts RunOne(const VariantParams& p, int first_number = 1) {
  auto s = testing_support::NewState();
  s->FirstNumber = first_number;
  return RunBeginVariant(*s, BeginForceMomentProblem, WriteForceMomentVariant, {p});
}

TEST(ForceMomentTest, BeginWritesTheAxesBoxTheHeadAndTheStatement) {
  const auto t = RunOne({1, 2, 3, 2, 4, 5, 1});
  EXPECT_EQ(t.main.find("\\newsavebox{\\osixy}\\sbox{\\osixy}{%\r\n"), 0u);
  EXPECT_NE(t.main.find("\\put(52,78){\\scriptsize \\Brown{$y$}}\r\n"), std::string::npos);
  EXPECT_NE(t.main.find("Find the moment of force $F$ relative to the origin.\\\\ \\noindent\r\n"),
            std::string::npos);
  EXPECT_NE(t.answers.find("\\ru\\# & $M(F_x)$ & $M(F_y)$ & $M(F)$  \\\\\\hline\r\n"),
            std::string::npos);
}

TEST(ForceMomentTest, GoldenLines) {
  struct Case {
    const char* what;
    VariantParams p;
    int first;
    const char* data_line;
    const char* row;
  };
  const Case cases[] = {
      {"worked example",
       {1, 2, 3, 2, 4, 5, 1},
       1,
       "\\par $F=10$, tg$\\alpha = 3/4 $\r\n",
       " 1 &  64 &  42 &  106 "},
      {"force line through O",
       {1, 1, 1, 3, 5, 3, 7},
       5,
       "\\par $F=15$, tg$\\alpha = 3/4 $\r\n",
       " 5 &  -72 &  72 &  0 "},
      {"tg alpha 4/3",
       {2, 4, 2, 4, 1, 10, 1},
       1,
       "\\par $F=20$, tg$\\alpha = 4/3 $\r\n",
       " 1 &  -156 &  64 &  -92 "},
  };
  for (const Case& c : cases) {
    const auto t = RunOne(c.p, c.first);
    EXPECT_NE(t.main.find(c.data_line), std::string::npos) << c.what << "\n" << t.main;
    EXPECT_EQ(SingleRow(t.answers), c.row) << c.what;
  }
}

TEST(ForceMomentTest, TheDrawingKeepsTheSlopeAndArcForBothTangents) {
  for (int p1 : {1, 2}) {
    const auto t = RunOne({p1, 1, 1, 1, 1, 1, 1});
    EXPECT_NE(t.main.find("\\put(89,65){\\thicklines\\vector(4,3){20}}}%"), std::string::npos);
    EXPECT_NE(t.main.find("\\mt{89}{65}\\pp{104}{65}"), std::string::npos) << "reference line";
  }
}

// r x F from the printed data: A from the axis labels, the direction from the drawn vector's
// signs, |F| and tg alpha from the data line; compared with the printed moments.
TEST(ForceMomentTest, EveryPrintedMomentIsTheCrossProductOfThePrintedData) {
  int zero_moments = 0;
  for (int p1 = 1; p1 <= 2; ++p1)
    for (int p2 = 1; p2 <= 4; ++p2)
      for (int p3 = 1; p3 <= 4; ++p3)
        for (int p4 = 1; p4 <= 4; ++p4)
          for (int p5 = 1; p5 <= 10; ++p5)
            for (int p6 = 1; p6 <= 10; ++p6) {
              const auto t = RunOne({p1, p2, p3, p4, p5, p6, 1});
              const std::size_t picture = t.main.find("\\begin{picture}(144");
              std::size_t at = t.main.find("\\vector(", picture);
              const double dx = NumberAfter(t.main, "\\vector(", at);
              const double dy = NumberAfter(t.main, ",", at);
              // The two value labels close the picture, x_A first.
              const std::size_t end = t.main.find("\\end{picture}", picture);
              std::size_t y_at = t.main.rfind("{\\scriptsize ", end);
              std::size_t x_at = t.main.rfind("{\\scriptsize ", y_at - 1);
              const double xa = NumberAfter(t.main, "{\\scriptsize ", x_at);
              const double ya = NumberAfter(t.main, "{\\scriptsize ", y_at);
              const double f = NumberAfter(t.main, "\\par $F=");
              std::size_t slope_at = t.main.find("tg$\\alpha = ");
              const double num = NumberAfter(t.main, "tg$\\alpha = ", slope_at);
              const double den = NumberAfter(t.main, "/", slope_at);
              const double tg = num / den;
              const double c = 1 / std::sqrt(1 + tg * tg);
              const double fx = (dx > 0 ? 1 : -1) * f * c;
              const double fy = (dy > 0 ? 1 : -1) * f * tg * c;
              const std::vector<double> cells = AnswerCells(SingleRow(t.answers));
              ASSERT_EQ(cells.size(), 4u);
              const std::string where = std::to_string(p1) + std::to_string(p2) +
                                        std::to_string(p3) + std::to_string(p4) + " " +
                                        std::to_string(p5) + " " + std::to_string(p6);
              EXPECT_NEAR(cells[1], -ya * fx, 1e-9) << where;
              EXPECT_NEAR(cells[2], xa * fy, 1e-9) << where;
              EXPECT_NEAR(cells[3], xa * fy - ya * fx, 1e-9) << where;
              EXPECT_EQ(std::fabs(xa), p5 + 3) << where;
              if (cells[3] == 0) ++zero_moments;
              if (::testing::Test::HasFailure()) return;
            }
  EXPECT_GT(zero_moments, 0);
}

}  // namespace
}  // namespace statics
