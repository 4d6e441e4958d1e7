#include "subjects/statics/two_body_structure.h"

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
using statics_testing::PutsOf;
using testing_support::VariantParams;
using Pt = statics_testing::PutPoint;

testing_support::RunTexts RunOne(const VariantParams& p, int first_number = 1) {
  auto s = testing_support::NewState();
  s->FirstNumber = first_number;
  return testing_support::RunBeginVariant(*s, BeginTwoBodyStructureProblem,
                                          WriteTwoBodyStructureVariant, {p});
}

std::string RowOf(const testing_support::RunTexts& t) {
  return statics_testing::SingleRow(t.answers);
}

TEST(TwoBodyStructureTest, BeginWritesTheStatementTheReferenceAndTheHead) {
  auto s = testing_support::NewState();
  s->TicketMode = true;
  const auto t = testing_support::RunBeginVariant(
      *s, BeginTwoBodyStructureProblem, WriteTwoBodyStructureVariant, {{1, 1, 1, 1, 1, 1, 1}});
  EXPECT_EQ(t.main.find("Determine the reaction supports the construction (in kN), consisting of "
                        "two bodies.\r\n"),
            0u);
  EXPECT_NE(t.main.find("\\Red{(с.15)}"), std::string::npos) << "also in ticket mode";
  EXPECT_NE(
      t.answers.find("\\ru  \\No&\\mc{$X_A$}&\\mc{$Y_A$}&\\mc{$X_B$}&\\mc{$Y_B $}&\\mc{$Y_C $}&"
                     "\\mc{$M_B$}\\\\\\hline\r\n"),
      std::string::npos);
  EXPECT_EQ(s->LabelStyle, "\\Blue");
}

TEST(TwoBodyStructureTest, GoldenLines) {
  struct Case {
    const char* what;
    VariantParams p;
    const char* data;
    const char* row;
  };
  const Case cases[] = {
      {"scheme 1: the search stops at F = -1, m = 6",
       {1, 1, 1, 1, 1, 1, 1},
       "\\parbox{195pt}{$F=1$~kN, $m=6$~kNm.}\r\n",
       "5&   1&   1&   0&  -1& --- & --- \r\n"},
      {"scheme 2 reduced by 2",
       {1, 1, 2, 1, 1, 1, 1},
       "$F=60$~kN, $m=60$~kNm, $\\cos\\alpha=0.8$.}\r\n",
       "5&  -6& --- &  54&  35&   1& --- \r\n"},
      {"scheme 4 reduced by 3",
       {1, 1, 4, 1, 1, 1, 1},
       "$F=2$~kN, $m=1$~kNm.}\r\n",
       "5&   2&   1&   0&  -1& --- & --- \r\n"},
  };
  for (const Case& c : cases) {
    const auto t = RunOne(c.p, 5);
    EXPECT_NE(t.main.find(c.data), std::string::npos) << c.what << "\n" << t.main;
    EXPECT_EQ(RowOf(t), c.row) << c.what;
  }
  // Scheme 1's F = -1 is drawn to the left.
  EXPECT_NE(RunOne({1, 1, 1, 1, 1, 1, 1}).main.find("\\vector(-1,0){19}"), std::string::npos);
  // Scheme 5: a roller at A for P7 = 1 (Y_A), a rod for P7 = 2 (X_A).
  const auto roller = RunOne({3, 1, 5, 2, 2, 2, 1});
  const auto rod = RunOne({3, 1, 5, 2, 2, 2, 2});
  EXPECT_EQ(RowOf(roller).substr(0, 8), "1& --- &");
  EXPECT_EQ(RowOf(rod).find("& --- &"), RowOf(rod).find('&', 2)) << RowOf(rod);
  EXPECT_NE(rod.main.find("{\\usebox{\\rster}}"), std::string::npos);
  EXPECT_EQ(roller.main.find("{\\usebox{\\rster}}"), std::string::npos);
  // No marks within the bounds.
  EXPECT_EQ(roller.main.find("**"), std::string::npos);
}

Pt FirstPut(const std::string& m, std::size_t from, const char* marker, double dx = 0,
            double dy = 0) {
  const std::size_t at = m.find(marker, from);
  if (at == std::string::npos) return {std::nan(""), std::nan("")};
  Pt p = PutBefore(m, at);
  return {p.x + dx, p.y + dy};
}

Pt LastPut(const std::string& m, const char* marker) {
  const std::size_t at = m.rfind(marker);
  if (at == std::string::npos) return {std::nan(""), std::nan("")};
  return PutBefore(m, at);
}

// Both bodies in equilibrium with the printed reactions, the printed loads in their drawn
// senses and the joint force (and, through the sliding joint of scheme 4, a couple) that body 2
// needs; every answer whole and, in schemes 2..5, without a common factor.
TEST(TwoBodyStructureTest, ThePrintedReactionsHoldBothBodies) {
  const auto points =
      testing_support::SweepPoints({1, 1, 1, 1, 1, 1, 1}, {16, 2, 5, 5, 5, 5, 4}, 4000, 1, 1);
  for (const auto& point : points) {
    const auto t = RunOne(point.p);
    const std::string& m = t.main;
    const std::string where = testing_support::Describe(point);
    const int scheme = point.p[2];
    const std::size_t pic = m.find("\\begin{picture}(188,104)");
    // Scale from the horizontal chain: its first two ticks and first label.
    std::size_t at = m.find("%RAZMeR%begin%", pic);
    at = m.find("\\mt{", m.find("\\pp{", at));
    const double tick1 = NumberAfter(m, "\\mt{", at);
    at = m.find("\\mt{", m.find("\\pp{", at));
    const double tick2 = NumberAfter(m, "\\mt{", at);
    std::size_t lab = m.find("{\\scriptsize ", at);
    const double first = NumberAfter(m, "{\\scriptsize ", lab);
    const double scale = (tick2 - tick1) / first;
    ASSERT_GT(scale, 0) << where;
    // Supports, joint and loads as drawn.
    Pt A, B, C{0, 0}, J;
    const bool p7_roller = point.p[6] == 1;
    switch (scheme) {
      case 1:
        A = FirstPut(m, pic, "{\\usebox{\\hing}}");
        B = m.find("{\\usebox{\\uphing}}", pic) != std::string::npos
                ? FirstPut(m, pic, "{\\usebox{\\uphing}}")
                : LastPut(m, "{\\usebox{\\hing}}");
        J = FirstPut(m, pic, "{\\circle{ 3}}");
        break;
      case 2:
      case 3:
        A = scheme == 2 ? FirstPut(m, pic, "{\\usebox{\\lster}}", 1, 0)
                        : FirstPut(m, pic, "{\\usebox{\\hingmobil}}");
        C = LastPut(m, "{\\usebox{\\hingmobil}}");
        B = m.find("{\\usebox{\\uphing}}", pic) != std::string::npos
                ? FirstPut(m, pic, "{\\usebox{\\uphing}}")
                : LastPut(m, "{\\usebox{\\hing}}");
        J = FirstPut(m, pic, "{\\circle{ 3}}");
        break;
      case 4:
        B = FirstPut(m, pic, "{\\usebox{\\hing}}");
        A = m.find("{\\usebox{\\uphing}}", pic) != std::string::npos
                ? FirstPut(m, pic, "{\\usebox{\\uphing}}")
                : LastPut(m, "{\\usebox{\\hing}}");
        J = FirstPut(m, pic, "{\\usebox{\\promzadhl}}", -1, 0);
        break;
      default: {
        const std::size_t r = m.find("{\\strichr{", pic), l = m.find("{\\strichl{", pic);
        B = r != std::string::npos ? FirstPut(m, pic, "{\\strichr{", 1, 5)
                                   : FirstPut(m, pic, "{\\strichl{", -1, 5);
        (void)l;
        if (p7_roller) {
          A = m.find("{\\usebox{\\uphingmobil}}", pic) != std::string::npos
                  ? FirstPut(m, pic, "{\\usebox{\\uphingmobil}}")
                  : FirstPut(m, pic, "{\\usebox{\\hingmobil}}");
        } else {
          A = FirstPut(m, pic, "{\\usebox{\\rster}}");
        }
        J = FirstPut(m, pic, "{\\circle{ 3}}");
        break;
      }
    }
    ASSERT_FALSE(std::isnan(A.x) || std::isnan(B.x) || std::isnan(J.x)) << where;
    const double F = NumberAfter(m, "\\parbox{195pt}{$F="), mm = NumberAfter(m, "$m=");
    at = m.find("\\vector(", pic);
    Pt fput = PutBefore(m, at);
    const double fdx = NumberAfter(m, "\\vector(", at);
    const double fdy = NumberAfter(m, ",", at);
    const double sign = fdx > 0 ? 1 : -1;
    const double fx = scheme == 2 || scheme == 3 ? 0.8 * F * sign : F * sign;
    const double fy = scheme == 2 || scheme == 3 ? 0.6 * F * sign : 0;
    // A force along (0.8, 0.6) is drawn along (2, 1) from its point, or onto it (reversed):
    // its point of application is where the arrow starts or ends.
    if ((scheme == 2 || scheme == 3) && fdx < 0)
      fput = {fput.x + 19 * fdx / 2, fput.y + 19 * fdy / 2};
    const double couple = m.find("{\\usebox{\\umomentp}}", pic) != std::string::npos ? mm : -mm;
    const std::vector<double> cells = AnswerCells(RowOf(t));
    ASSERT_EQ(cells.size(), 7u) << where << "\n" << RowOf(t);
    const auto v = [&](int k) { return std::isnan(cells[k]) ? 0.0 : cells[k]; };
    const double XA = v(1), YA = v(2), XB = v(3), YB = v(4), YC = v(5), MB = v(6);
    // Every point of the structure is a whole number of metres from the joint.
    const auto rx = [&](Pt p) { return std::round((p.x - J.x) / scale); };
    const auto ry = [&](Pt p) { return std::round((p.y - J.y) / scale); };
    // Body 2: B's reactions, M_B, m and the joint force Jf from body 1 (and a joint couple).
    const double jx = -XB, jy = -YB;
    double joint_couple = -((rx(B) - rx(J)) * YB - (ry(B) - ry(J)) * XB + MB + couple);
    if (scheme == 4) {
      EXPECT_NEAR(XB, 0, 1e-9) << where << ": the sliding joint passes no horizontal force";
    } else {
      EXPECT_NEAR(joint_couple, 0, 1e-6) << where;
      joint_couple = 0;
    }
    // Body 1: A's and C's reactions, F and the joint's reaction -Jf, -couple.
    const double sx = XA - jx + fx;
    const double sy = YA + YC - jy + fy;
    const double sm = (rx(A) * YA - ry(A) * XA) + rx(C) * YC + (rx(J) * -jy - ry(J) * -jx) +
                      (rx(fput) * fy - ry(fput) * fx) - joint_couple;
    EXPECT_NEAR(sx, 0, 1e-6) << where;
    EXPECT_NEAR(sy, 0, 1e-6) << where;
    EXPECT_NEAR(sm, 0, 1e-6) << where;
    std::vector<double> all{F, mm};
    for (int k = 1; k <= 6; ++k)
      if (!std::isnan(cells[k])) all.push_back(cells[k]);
    for (double x : all) EXPECT_EQ(x, std::round(x)) << where;
    if (scheme >= 2) {
      for (int f : {2, 3, 5, 7, 11}) {
        bool divides = true;
        for (double x : all) divides = divides && std::fmod(x, f) == 0;
        EXPECT_FALSE(divides) << f << " " << where;
      }
    }
    EXPECT_EQ(m.find("**"), std::string::npos) << where;
    EXPECT_EQ(m.find("error"), std::string::npos) << where;
    if (::testing::Test::HasFailure()) return;
  }
}

}  // namespace
}  // namespace statics

namespace statics {
namespace {

// Scheme 1 with A, C and B on one line (P2 = 5 lies beyond the bounds: within them this never
// happens): one "**" in the main file and B one metre further from C's level, whose reactions
// are whole again.
TEST(TwoBodyStructureTest, CollinearSupportsAreMarkedAndRetried) {
  const auto t = RunOne({15, 5, 1, 1, 1, 1, 1});
  const std::size_t mark = t.main.find("**");
  ASSERT_NE(mark, std::string::npos);
  EXPECT_EQ(t.main.find("**", mark + 2), std::string::npos);
  EXPECT_EQ(t.main.find("error"), std::string::npos);
  const std::vector<double> cells = AnswerCells(RowOf(t));
  ASSERT_EQ(cells.size(), 7u);
  for (int k = 1; k <= 4; ++k) EXPECT_EQ(cells[k], std::round(cells[k]));
}

}  // namespace
}  // namespace statics
