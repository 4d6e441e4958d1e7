#include "subjects/statics/three_body_structure_ii.h"

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
  return testing_support::RunBeginVariant(*s, BeginThreeBodyStructureIIProblem,
                                          WriteThreeBodyStructureIIVariant, {p});
}

std::string RowOf(const testing_support::RunTexts& t) {
  return statics_testing::SingleRow(t.answers);
}

TEST(ThreeBodyStructureIITest, BeginWritesTheReferenceTheHeadAndTheStatement) {
  auto s = testing_support::NewState();
  s->TicketMode = true;
  const auto t =
      testing_support::RunBeginVariant(*s, BeginThreeBodyStructureIIProblem,
                                       WriteThreeBodyStructureIIVariant, {{1, 1, 1, 1, 1, 1, 1}});
  EXPECT_NE(t.main.find("\\Red{(с.30)}"), std::string::npos) << "also in ticket mode";
  EXPECT_NE(t.main.find("Find the reaction supports and stress in rod 1 in composite "
                        "construction. Dimensions are in meters.\r\n"),
            std::string::npos);
  EXPECT_NE(t.answers.find("\\#\\ru & \\mc{$X_A$}& \\mc{$Y_A$}& \\mc{$R_B$}& \\mc{$R_C$}& "
                           "\\mc{$S$} \\\\\\hline"),
            std::string::npos);
}

TEST(ThreeBodyStructureIITest, GoldenLines) {
  struct Case {
    const char* what;
    VariantParams p;
    const char* data;
    const char* row;
  };
  const Case cases[] = {
      {"all parameters 1, reduced by 2",
       {1, 1, 1, 1, 1, 1, 1},
       "\\hfill\\parbox[b]{23mm}{\\small $M$=20~kNm,\\\\ $F$=20~kN.} \r\n",
       "5&   -20&    -4&    41&   -17&   -41\r\n"},
      {"P1 = 4, reduced by 3",
       {4, 1, 1, 1, 1, 1, 1},
       "$M$=2~kNm,\\\\ $F$=2~kN.} \r\n",
       "5&    -2&    -2&    14&   -10&   -21\r\n"},
  };
  for (const Case& c : cases) {
    const auto t = RunOne(c.p, 5);
    EXPECT_NE(t.main.find(c.data), std::string::npos) << c.what << "\n" << t.main;
    EXPECT_EQ(RowOf(t), c.row) << c.what;
    EXPECT_EQ(t.main.find('*'), std::string::npos) << c.what;
  }
}

TEST(ThreeBodyStructureIITest, ADegenerateSetMovesAOutAndIsMarked) {
  const auto t = RunOne({3, 1, 2, 3, 1, 1, 1});
  const std::size_t star = t.main.find('*');
  ASSERT_NE(star, std::string::npos);
  EXPECT_EQ(t.main.find('*', star + 1), std::string::npos) << "one mark";
  EXPECT_NE(t.main.find("$F$=6~kN"), std::string::npos) << t.main;
}

// Bodies 1, 2 and 3 about the common hinge and the two force sums of the whole structure,
// with rod 1 pulling its two bodies together by S (tension positive).
TEST(ThreeBodyStructureIITest, ThePrintedReactionsHoldTheStructure) {
  int checked = 0, marked = 0;
  for (int p1 = 1; p1 <= 4; ++p1)
    for (int p2 = 1; p2 <= 4; ++p2)
      for (int p3 = 1; p3 <= 2; ++p3)
        for (int p4 = 1; p4 <= 3; ++p4)
          for (int p5 = 1; p5 <= 3; ++p5)
            for (int p6 = 1; p6 <= 3; ++p6)
              for (int p7 = 1; p7 <= 3; ++p7) {
                const VariantParams p{p1, p2, p3, p4, p5, p6, p7};
                const std::string where = std::to_string(p1) + std::to_string(p2) +
                                          std::to_string(p3) + std::to_string(p4) +
                                          std::to_string(p5) + std::to_string(p6) +
                                          std::to_string(p7);
                const auto t = RunOne(p);
                const std::string& m = t.main;
                const std::size_t pic = m.find("\\begin{picture}(170,105)");
                if (m.substr(0, pic).find('*') != std::string::npos) ++marked;
                std::size_t at = m.find("%RAZMeR%begin%", pic);
                at = m.find("\\mt{", m.find("\\pp{", at));
                const double tick1 = NumberAfter(m, "\\mt{", at);
                at = m.find("\\mt{", m.find("\\pp{", at));
                const double tick2 = NumberAfter(m, "\\mt{", at);
                std::size_t lab = m.find("{\\scriptsize ", at);
                const double scale = (tick2 - tick1) / NumberAfter(m, "{\\scriptsize ", lab);
                const auto markers = PutsOf(m.substr(pic), "{\\circle{ 3}}");
                ASSERT_EQ(markers.size(), 3u) << where;
                const Pt o = markers[0];  // the common hinge
                const auto rx = [&](double x) { return std::round((x - o.x) / scale); };
                const auto ry = [&](double y) { return std::round((y - o.y) / scale); };
                const double rod_y = ry(markers[1].y);
                // Supports: A a pin; B and C rods, vertical ("dnst") or horizontal.
                struct Support {
                  Pt at;
                  bool vertical;
                };
                std::vector<std::pair<std::size_t, Support>> found;
                const std::string pm = m.substr(pic);
                for (const char* box :
                     {"{\\usebox{\\dnst}}", "{\\usebox{\\rster}}", "{\\usebox{\\lster}}"}) {
                  for (std::size_t k = pm.find(box); k != std::string::npos;
                       k = pm.find(box, k + 1)) {
                    Pt q = PutBefore(pm, k);
                    const bool vertical = box[10] == 'd';
                    if (!vertical) q.x += box[10] == 'r' ? 1 : -1;
                    found.push_back({k, {{rx(q.x), ry(q.y)}, vertical}});
                  }
                }
                ASSERT_EQ(found.size(), 2u) << where;
                if (found[1].first < found[0].first) std::swap(found[0], found[1]);
                const Support B = found[0].second, C = found[1].second;
                const std::size_t a_at = pm.find("{\\usebox{\\uphing}}") != std::string::npos
                                             ? pm.find("{\\usebox{\\uphing}}")
                                             : pm.find("{\\usebox{\\hing}}");
                const Pt a = PutBefore(pm, a_at);
                const Pt A{rx(a.x), ry(a.y)};
                // Loads: the vertical F (its moment about the hinge above it is 0), the
                // horizontal F at the level of rod 1, the couple.
                const double F = NumberAfter(m, "$F$="),
                             M = NumberAfter(m, "$M$=") *
                                 (pm.find("{\\usebox{\\umomentp}}") != std::string::npos ? 1 : -1);
                at = pm.find("\\Red{");
                at = pm.find("\\vector(", at);
                const Pt vput = PutBefore(pm, at);
                NumberAfter(pm, "\\vector(", at);
                const double vdy = NumberAfter(pm, ",", at);
                at = pm.find("\\vector(", at);
                const Pt hput = PutBefore(pm, at);
                const double hdx = NumberAfter(pm, "\\vector(", at);
                const double fv = vdy * F, fh = hdx * F;
                const double vx = rx(vput.x), hy = ry(hput.y);
                const std::vector<double> c = AnswerCells(RowOf(t));
                ASSERT_EQ(c.size(), 6u) << where;
                const double XA = c[1], YA = c[2], RB = c[3], RC = c[4], S = c[5];
                const double bx = B.vertical ? 0 : RB, by = B.vertical ? RB : 0;
                const double cx = C.vertical ? 0 : RC, cy = C.vertical ? RC : 0;
                // Body 1 (A, horizontal F) about the hinge.
                EXPECT_EQ(A.x * YA - A.y * XA - hy * fh, 0) << where;
                // Body 2 (C, rod 1 pulling at its end towards the other, the couple).
                EXPECT_EQ(C.at.x * cy - C.at.y * cx - rod_y * -S + M, 0) << where;
                // Body 3 (B, rod 1, the vertical F on the hinge's vertical).
                EXPECT_EQ(B.at.x * by - B.at.y * bx - rod_y * S + vx * fv, 0) << where;
                EXPECT_EQ(XA + bx + cx + fh, 0) << where;
                EXPECT_EQ(YA + by + cy + fv, 0) << where;
                for (int f : {2, 3, 5, 7, 11}) {
                  bool divides = std::fmod(F, f) == 0 && std::fmod(M, f) == 0;
                  for (int k = 1; k <= 5; ++k) divides = divides && std::fmod(c[k], f) == 0;
                  EXPECT_FALSE(divides) << f << " " << where;
                }
                ++checked;
                if (::testing::Test::HasFailure()) return;
              }
  EXPECT_EQ(checked, 2592);
  EXPECT_GT(marked, 0);
}

}  // namespace
}  // namespace statics
