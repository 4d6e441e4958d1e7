#include "subjects/statics/spatial_truss.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "subjects/statics/space_balance.h"
#include "subjects/statics/statics.h"
#include "subjects/statics/text_reading.h"
#include "tests/support/picture_reader.h"
#include "tests/support/run_harness.h"

namespace statics {
namespace {

using statics_testing::AnswerCells;
using statics_testing::NumberAfter;
using statics_testing::PutBefore;
using statics_testing::PutsOf;
using statics_testing::Vec3;
using testing_support::VariantParams;

testing_support::RunTexts RunRow(int row, const VariantParams& p, int first_number = 1) {
  auto s = testing_support::NewState();
  s->FirstNumber = first_number;
  static int current = 0;
  current = row;
  return testing_support::RunBeginVariant(
      *s, [](SharedState& st) { BeginStaticsProblem(st, current); },
      [](SharedState& st) { WriteStaticsVariant(st, current); }, {p});
}

std::string RowOf(const testing_support::RunTexts& t) {
  return statics_testing::SingleRow(t.answers);
}

TEST(SpatialTrussTest, BeginWritesTheBoxTheHeadsAndTheStatements) {
  const auto truss = RunRow(11, {1, 1, 1, 1, 1, 1, 1});
  EXPECT_EQ(truss.main.find("\\newsavebox{\\kub}\\sbox{\\kub}{%\r\n\\noindent\\begin{picture}"
                            "(2,2)(0,0)%\r\n"),
            0u);
  EXPECT_NE(truss.answers.find(" \\No& $S_1$& $S_2$& $S_3$& $S_4$& $S_5$& $S_6$\\\\\\hline\r\n"),
            std::string::npos);
  EXPECT_NE(truss.main.find("\\Red{(p.86.)}"), std::string::npos);
  const auto rods = RunRow(21, {1, 1, 1, 1, 1, 1, 1});
  // The axes come before the box's picture.
  EXPECT_EQ(rods.main.find("\\newsavebox{\\kub}\\sbox{\\kub}{%\r\n\\Red{\\put(23.33,23.33)"
                           "{\\vector(0,1){55}}"),
            0u)
      << rods.main.substr(0, 200);
  EXPECT_NE(rods.answers.find(" \\No& $ L $&$ x_c$&$ y_c$&$ z_c$\\\\\\hline\r\n"),
            std::string::npos);
  EXPECT_NE(rods.main.find("Find the center of gravity of the spatial figure composed of six "
                           "homogeneous rods. Dimensions are in meters.\r\n"),
            std::string::npos);
  EXPECT_NE(rods.main.find("\\Red{(p.122.)}"), std::string::npos);
}

TEST(SpatialTrussTest, GoldenLines) {
  struct Case {
    const char* what;
    int row;
    VariantParams p;
    const char* data;
    const char* cells;
  };
  const Case cases[] = {
      {"first set, bars",
       11,
       {1, 1, 1, 1, 1, 1, 1},
       "\\hfill\\parbox[b]{65pt}{\\small $G=3$~kN,\\\\ $F=1$~kN.}\r\n\\vfill\\parbox[b]{175pt}"
       "{\\small $a=2$~m, $b=3$~m, $c=4$~m,\r\n $d=3$~m.}\r\n",
       "5& 0.000& 1.000&-1.118& 0.500&-4.039& 2.250"},
      {"first set, rods",
       21,
       {1, 1, 1, 1, 1, 1, 1},
       "\\hfill\\parbox[b]{45pt}{ \\small $a=2$,\\\\ $b=3$,\\\\\r\n $c=4$,\\\\  $d=3$.}\r\n",
       "5&  23.857&   1.251&   0.213&   2.419"},
      {"second set, rods",
       21,
       {2, 1, 1, 3, 4, 2, 6},
       " $c=5$,\\\\  $d=3$.}\r\n",
       "5&  42.706&   2.189&   2.802&   3.297"},
  };
  for (const Case& c : cases) {
    const auto t = RunRow(c.row, c.p, 5);
    EXPECT_NE(t.main.find(c.data), std::string::npos) << c.what << "\n" << t.main;
    EXPECT_EQ(RowOf(t), c.cells) << c.what;
  }
  // F printed 4 p6 = 8 and drawn along -y at joint 3.
  const auto t = RunRow(11, {2, 1, 1, 3, 4, 2, 6});
  EXPECT_NE(t.main.find("$G=12$~kN,\\\\ $F=8$~kN.}"), std::string::npos);
  EXPECT_NE(t.main.find("\\vector(-1,0){21}"), std::string::npos);
}

// The figure's points 1..12 and the nodes they stand for.
constexpr double kFigure[13][2] = {{0, 0},          {0, 44},  {23.331, 67.331}, {89.331, 67.331},
                                   {66, 44},        {0, 0},   {23.331, 23.331}, {89.331, 23.331},
                                   {66, 0},         {-33, 0}, {-9.669, 23.331}, {-33, 44},
                                   {-9.669, 67.331}};

Vec3 NodeOf(int n, double a, double b, double c, double d) {
  const Vec3 nodes[13] = {{0, 0, 0},  {a, 0, c},  {0, 0, c}, {0, b, c}, {a, b, c},
                          {a, 0, 0},  {0, 0, 0},  {0, b, 0}, {a, b, 0}, {a, -d, 0},
                          {0, -d, 0}, {a, -d, c}, {0, -d, c}};
  return nodes[n];
}

int PointNear(double x, double y, double within) {
  for (int i = 1; i <= 12; ++i)
    if (std::hypot(kFigure[i][0] - x, kFigure[i][1] - y) < within) return i;
  return 0;
}

// Mode 11: both free joints in equilibrium under the printed bar forces along the drawn bars
// and the loads as drawn. Mode 21: the length and centre of the drawn rods.
TEST(SpatialTrussTest, ThePrintedAnswersFitTheDrawnBars) {
  int checked = 0;
  for (int p1 = 1; p1 <= 2; ++p1)
    for (int p2 = 1; p2 <= 2; ++p2)
      for (int p4 = 1; p4 <= 3; ++p4)
        for (int p5 = 1; p5 <= 6; ++p5)
          for (int p6 = 1; p6 <= 2; ++p6)
            for (int p7 = 1; p7 <= 6; ++p7) {
              const VariantParams p{p1, p2, 1, p4, p5, p6, p7};
              const std::string where = std::to_string(p1) + std::to_string(p2) +
                                        std::to_string(p4) + std::to_string(p5) +
                                        std::to_string(p6) + std::to_string(p7);
              {
                const auto t = RunRow(11, p);
                const std::string& m = t.main;
                const double a = NumberAfter(m, "$a="), b = NumberAfter(m, "$b=");
                const double c = NumberAfter(m, "$c="), d = NumberAfter(m, "$d=");
                const double G = NumberAfter(m, "$G="), F = NumberAfter(m, "$F=");
                const std::size_t picture = testing_support::FindPictureAtLeast(m, 20);
                const std::size_t from = m.find("\\special{em:linewidth0.9pt}%", picture);
                const std::size_t to = m.find("\\spe%", from);
                const auto segments = statics_testing::SegmentsIn(m, from, to);
                ASSERT_EQ(segments.size(), 6u) << where;
                std::set<int> supports;
                for (const auto& put : PutsOf(m.substr(picture), "{\\usebox{\\hing}}"))
                  supports.insert(PointNear(put.x, put.y, 0.1));
                const std::vector<double> cells = AnswerCells(RowOf(t));
                ASSERT_EQ(cells.size(), 7u) << where;
                std::vector<statics_testing::SpaceBody> joints(13);
                std::set<int> touched;
                for (std::size_t i = 0; i < 6; ++i) {
                  const auto& sg = segments[i];
                  const int e1 = PointNear(sg.x1, sg.y1, 2), e2 = PointNear(sg.x2, sg.y2, 2);
                  ASSERT_TRUE(e1 != 0 && e2 != 0 && e1 != e2) << where << " bar " << i + 1;
                  touched.insert(e1);
                  touched.insert(e2);
                  const Vec3 r1 = NodeOf(e1, a, b, c, d), r2 = NodeOf(e2, a, b, c, d);
                  const Vec3 u = statics_testing::Unit(statics_testing::Sub(r2, r1));
                  joints[static_cast<std::size_t>(e1)].Add(
                      {0, 0, 0}, statics_testing::Scaled(u, cells[i + 1]));
                  joints[static_cast<std::size_t>(e2)].Add(
                      {0, 0, 0}, statics_testing::Scaled(u, -cells[i + 1]));
                }
                // The loads: G's arrow ends just above its joint; F's direction as drawn.
                std::size_t at = m.find("\\vector(0,-1){18}", picture);
                ASSERT_NE(at, std::string::npos) << where;
                const auto g = PutBefore(m, at);
                const int loaded = PointNear(g.x, g.y - 19, 0.1);
                ASSERT_NE(loaded, 0) << where;
                at = m.find("\\thicklines\\vector(", picture);
                const double dx = NumberAfter(m, "\\thicklines\\vector(", at);
                const double dy = NumberAfter(m, ",", at);
                const Vec3 f = dy == 0 ? Vec3{0, dx * F, 0} : Vec3{-dx * F, 0, 0};
                joints[static_cast<std::size_t>(loaded)].Add({0, 0, 0}, f);
                joints[static_cast<std::size_t>(loaded)].Add({0, 0, 0}, {0, 0, -G});
                int free_joints = 0;
                for (int n = 1; n <= 12; ++n) {
                  if (supports.count(n) != 0) continue;
                  if (touched.count(n) == 0) continue;
                  ++free_joints;
                  EXPECT_LT(joints[static_cast<std::size_t>(n)].Residual(), 0.005)
                      << where << " joint " << n;
                }
                EXPECT_EQ(free_joints, 2) << where;
              }
              {
                const auto t = RunRow(21, p);
                const std::string& m = t.main;
                const double a = NumberAfter(m, "$a="), b = NumberAfter(m, "$b=");
                const double c = NumberAfter(m, "$c="), d = NumberAfter(m, "$d=");
                const std::size_t picture = testing_support::FindPictureAtLeast(m, 20);
                const std::size_t from = m.find("\\special{em:linewidth1.2pt}%", picture);
                const std::size_t to = m.find("\\spe%", from);
                const auto segments = statics_testing::SegmentsIn(m, from, to);
                ASSERT_EQ(segments.size(), 6u) << where;
                double length = 0;
                Vec3 moment{0, 0, 0};
                for (const auto& sg : segments) {
                  const int e1 = PointNear(sg.x1, sg.y1, 0.1), e2 = PointNear(sg.x2, sg.y2, 0.1);
                  ASSERT_TRUE(e1 != 0 && e2 != 0) << where;
                  const Vec3 r1 = NodeOf(e1, a, b, c, d), r2 = NodeOf(e2, a, b, c, d);
                  const double l = statics_testing::Norm(statics_testing::Sub(r2, r1));
                  length += l;
                  for (std::size_t k = 0; k < 3; ++k) moment[k] += l * (r1[k] + r2[k]) / 2;
                }
                const std::vector<double> cells = AnswerCells(RowOf(t));
                ASSERT_EQ(cells.size(), 5u) << where;
                EXPECT_NEAR(cells[1], length, 6e-4) << where;
                for (std::size_t k = 0; k < 3; ++k)
                  EXPECT_NEAR(cells[2 + k], moment[k] / length, 6e-4) << where;
              }
              ++checked;
              if (::testing::Test::HasFailure()) return;
            }
  EXPECT_EQ(checked, 864);
}

}  // namespace
}  // namespace statics
