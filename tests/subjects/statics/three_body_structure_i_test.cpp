#include "subjects/statics/three_body_structure_i.h"

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
using statics_testing::PutBefore;
using statics_testing::PutsOf;
using testing_support::VariantParams;
using Pt = statics_testing::PutPoint;

testing_support::RunTexts RunOne(const VariantParams& p, int first_number = 1) {
  auto s = testing_support::NewState();
  s->FirstNumber = first_number;
  return testing_support::RunBeginVariant(*s, BeginThreeBodyStructureIProblem,
                                          WriteThreeBodyStructureIVariant, {p});
}

std::string RowOf(const testing_support::RunTexts& t) {
  return statics_testing::SingleRow(t.answers);
}

TEST(ThreeBodyStructureITest, BeginWritesTheReferenceTheHeadAndTheStatement) {
  auto s = testing_support::NewState();
  s->TicketMode = true;
  const auto t =
      testing_support::RunBeginVariant(*s, BeginThreeBodyStructureIProblem,
                                       WriteThreeBodyStructureIVariant, {{1, 1, 1, 1, 1, 1, 1}});
  EXPECT_NE(t.main.find("\\Red{(с.24)}"), std::string::npos) << "also in ticket mode";
  EXPECT_LT(t.main.find("\\Red{(с.24)}"), t.main.find("Determine the reaction supports the "
                                                      "construction (in kN), consisting of three "
                                                      "bodies. Dimensions are in meters.\r\n"));
  EXPECT_NE(t.answers.find("\\#\\ru & \\mc{$X_A$}& \\mc{$Y_A$}& \\mc{$X_B$}& \\mc{$Y_B$}& "
                           "\\mc{$X_C$} \\\\\\hline"),
            std::string::npos);
  EXPECT_EQ(s->LabelStyle, "\\Black");
}

TEST(ThreeBodyStructureITest, GoldenLines) {
  const auto t = RunOne({1, 1, 1, 1, 1, 1, 1}, 5);
  EXPECT_EQ(RowOf(t), "5&     9&     5&     6&    -4&   -15\r\n");
  EXPECT_NE(t.main.find("\\hfill\\parbox[b]{27mm}{\\small $M=2$~kNm,\\\\ $F=1$~kN,\\\\ $P=1$~kN.}"),
            std::string::npos)
      << t.main;
}

// F would be 0 with P4 = 2: the variant is that of P4 = 3, and P4 stays raised in the state
// until the shell selects the next variant; a second run of the same set is the same.
TEST(ThreeBodyStructureITest, ADegenerateSetIsComputedWithP4Raised) {
  auto s = testing_support::NewState();
  const auto raised =
      testing_support::RunBeginVariant(*s, BeginThreeBodyStructureIProblem,
                                       WriteThreeBodyStructureIVariant, {{1, 1, 1, 2, 1, 1, 1}});
  EXPECT_EQ(s->P4, 3);
  const auto direct = RunOne({1, 1, 1, 3, 1, 1, 1});
  EXPECT_EQ(raised.main, direct.main);
  EXPECT_EQ(raised.answers, direct.answers);
  EXPECT_EQ(RunOne({1, 1, 1, 2, 1, 1, 1}).main, raised.main);
}

// Bodies II and III about their hinges, the whole structure's three equations; every answer
// whole, the reduced vector without a common factor.
TEST(ThreeBodyStructureITest, ThePrintedReactionsHoldTheStructure) {
  int checked = 0;
  for (int p1 = 1; p1 <= 4; ++p1)
    for (int p2 = 1; p2 <= 3; ++p2)
      for (int p3 = 1; p3 <= 3; ++p3)
        for (int p4 = 1; p4 <= 3; ++p4)
          for (int p6 = 1; p6 <= 3; ++p6)
            for (int p7 = 1; p7 <= 4; ++p7) {
              const VariantParams p{p1, p2, p3, p4, 1, p6, p7};
              const std::string where = std::to_string(p1) + std::to_string(p2) +
                                        std::to_string(p3) + std::to_string(p4) + "1" +
                                        std::to_string(p6) + std::to_string(p7);
              const auto t = RunOne(p);
              const std::string& m = t.main;
              const std::size_t pic = m.find("\\begin{picture}(160,94)");
              const auto hinges = PutsOf(m.substr(pic), "{\\circle{ 3}}");
              const auto supports = PutsOf(m.substr(pic), "{\\usebox{\\hing}}");
              ASSERT_EQ(hinges.size(), 3u) << where;
              ASSERT_EQ(supports.size(), 3u) << where;
              // Scale from the horizontal chain.
              std::size_t at = m.find("%RAZMeR%begin%", pic);
              at = m.find("\\mt{", m.find("\\pp{", at));
              const double tick1 = NumberAfter(m, "\\mt{", at);
              at = m.find("\\mt{", m.find("\\pp{", at));
              const double tick2 = NumberAfter(m, "\\mt{", at);
              std::size_t lab = m.find("{\\scriptsize ", at);
              const double scale = (tick2 - tick1) / NumberAfter(m, "{\\scriptsize ", lab);
              const Pt o = hinges[2];  // hinge 3, the origin
              const auto rx = [&](double x) { return std::round((x - o.x) / scale); };
              const auto ry = [&](double y) { return std::round((y - o.y) / scale); };
              const Pt h1{rx(hinges[0].x), ry(hinges[0].y)}, h2{rx(hinges[1].x), ry(hinges[1].y)};
              const Pt B{rx(supports[0].x), ry(supports[0].y)};
              const Pt A{rx(supports[1].x), ry(supports[1].y)};
              // Loads: F on body II, -F on body III (horizontal), P at hinge 2, the couple.
              const double F = NumberAfter(m, "$F="), P = NumberAfter(m, "$P=");
              const double M = NumberAfter(m, "$M=") *
                               (m.find("{\\usebox{\\umomentp}}") != std::string::npos ? 1 : -1);
              at = m.find("\\Red{", pic);
              double fx[3], fy[3];
              for (int k = 0; k < 3; ++k) {
                at = m.find("\\vector(", at);
                const Pt put = PutBefore(m, at);
                const double dx = NumberAfter(m, "\\vector(", at);
                const double dy = NumberAfter(m, ",", at);
                fx[k] = rx(put.x);
                fy[k] = ry(put.y);
                if (k < 2) {
                  EXPECT_EQ(dy, 0) << where;
                  fx[k] = dx * F;  // the horizontal force's value; its height is fy[k]
                } else {
                  EXPECT_EQ(dx, 0) << where;
                  fy[k] = dy * P;  // the vertical force's value; its x is fx[k]
                }
              }
              const std::vector<double> c = AnswerCells(RowOf(t));
              ASSERT_EQ(c.size(), 6u) << where;
              const double XA = c[1], YA = c[2], XB = c[3], YB = c[4], XC = c[5];
              // Body II about hinge 1: B and F.
              EXPECT_EQ((B.x - h1.x) * YB - (B.y - h1.y) * XB - (fy[0] - h1.y) * fx[0], 0) << where;
              // Body III about hinge 2: A and -F.
              EXPECT_EQ((A.x - h2.x) * YA - (A.y - h2.y) * XA - (fy[1] - h2.y) * fx[1], 0) << where;
              // The whole structure (C's rod lies on the level of hinge 3).
              EXPECT_EQ(XA + XB + XC + fx[0] + fx[1], 0) << where;
              EXPECT_EQ(YA + YB + fy[2], 0) << where;
              EXPECT_EQ(A.x * YA - A.y * XA + B.x * YB - B.y * XB - fy[0] * fx[0] - fy[1] * fx[1] +
                            fx[2] * fy[2] + M,
                        0)
                  << where;
              for (int f : {2, 3, 5, 7, 11}) {
                bool divides = std::fmod(F, f) == 0;
                for (int k = 1; k <= 5; ++k) divides = divides && std::fmod(c[k], f) == 0;
                EXPECT_FALSE(divides) << f << " " << where;
              }
              ++checked;
              if (::testing::Test::HasFailure()) return;
            }
  EXPECT_EQ(checked, 1296);
}

}  // namespace
}  // namespace statics
