#include "subjects/statics/shelf_equilibrium.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "subjects/statics/space_balance.h"
#include "subjects/statics/statics.h"
#include "subjects/statics/text_reading.h"
#include "tests/support/run_harness.h"

namespace statics {
namespace {

using statics_testing::AnswerCells;
using statics_testing::NumberAfter;
using statics_testing::PutBefore;
using statics_testing::PutsOf;
using statics_testing::SpaceBody;
using statics_testing::Vec3;
using testing_support::VariantParams;

// Row 14 through the Statics table at the given Level.
testing_support::RunTexts RunAt(int level, const VariantParams& p, int first_number = 1) {
  auto s = testing_support::NewState();
  s->FirstNumber = first_number;
  s->Level = level;
  return testing_support::RunBeginVariant(
      *s, [](SharedState& st) { BeginStaticsProblem(st, 14); },
      [](SharedState& st) { WriteStaticsVariant(st, 14); }, {p});
}

std::string RowOf(const testing_support::RunTexts& t) {
  return statics_testing::SingleRow(t.answers);
}

TEST(ShelfEquilibriumTest, BeginWritesTheRodBoxesTheHeadAndTheStatement) {
  for (int level : {1, 2}) {
    const auto t = RunAt(level, {1, 1, 1, 1, 1, 1, 1});
    EXPECT_EQ(t.main.find("\\newsavebox{\\upstt}\\sbox{\\upstt}{%\r\n\\noindent\\begin{picture}"
                          "(2,2)(0,0)%\r\n\\put(0,0){\\usebox{\\upst}}\\put(1,2){\\scriptsize "),
              0u)
        << t.main.substr(0, 300);
    EXPECT_NE(t.main.find("\\put(0,0){\\usebox{\\nst}}\\put(0,4){\\scriptsize "),
              std::string::npos);
    EXPECT_NE(t.answers.find(" \\No& $ H $&$ V $&$ X_A $&$ Y_A $&$ Z_A $&$ S$\\\\\\hline\r\n"),
              std::string::npos);
    EXPECT_NE(t.main.find("Determine the reactions of the supports (in kN)\r\n"),
              std::string::npos);
    EXPECT_NE(t.main.find("\\Red{(p.106.)}"), std::string::npos);
  }
}

TEST(ShelfEquilibriumTest, GoldenLines) {
  struct Case {
    const char* what;
    int level;
    VariantParams p;
    const char* data;
    const char* row;
  };
  const Case cases[] = {
      {"general, A at the middle of the back edge",
       2,
       {3, 2, 1, 5, 4, 2, 1},
       "\\vskip3mm\\parbox[b]{175pt}{ \\small $a=6$~m, $b=10$~m,\r\n$c=4$~m,\\\\ $AD=5$~m, \r\n"
       "$G$=7kN, $F$=2kN.}\r\n",
       "$ 5$&$   -2.850$&$   -3.500$&$   -2.400$&$    6.750$&$    7.000$&$  -10.788$"},
      {"general, both rods at the middle",
       10,
       {1, 2, 2, 6, 3, 5, 1},
       "$G$=11kN, $F$=5kN.}\r\n",
       "$ 5$&$  -26.500$&$   11.000$&$   21.500$&$   13.750$&$   -5.500$&$  -14.809$"},
      {"level 1, even b",
       1,
       {1, 2, 1, 1, 3, 1, 1},
       "\\vskip-3mm\\parbox[b]{175pt}{ \\small $AD=1$~m, $G$=6~kN, $F$=2~kN.}\r\n",
       "5&-4&0&-4&6&3&-9\r\n"},
      {"level 1, odd b: D at the middle, AD = b/2",
       1,
       {1, 2, 1, 1, 3, 4, 1},
       "\\vskip-3mm\\parbox[b]{175pt}{ \\small $AD=4.5$~m, $G$=4~kN, $F$=3~kN.}\r\n",
       "5&-6&0&-3&9&2&-11\r\n"},
  };
  for (const Case& c : cases) {
    const auto t = RunAt(c.level, c.p, 5);
    EXPECT_NE(t.main.find(c.data), std::string::npos) << c.what << "\n" << t.main;
    EXPECT_EQ(RowOf(t), c.row) << c.what;
  }
  // Without a support at the middle no AD is printed.
  const auto t = RunAt(2, {1, 1, 1, 1, 1, 1, 1});
  EXPECT_NE(t.main.find("$a=2$~m, $b=6$~m,\r\n$c=4$~m,\\\\ \r\n$G$=2kN, $F$=1kN.}"),
            std::string::npos)
      << t.main;
}

// The figure's points 1..9.
constexpr double kFigure[10][2] = {{0, 0},   {0, 44},         {15.554, 59.554}, {92.554, 59.554},
                                   {77, 44}, {0, 0},          {15.554, 15.554}, {92.554, 15.554},
                                   {77, 0},  {54.054, 59.554}};

int PointNear(double x, double y, double within) {
  for (int i = 1; i <= 9; ++i)
    if (std::hypot(kFigure[i][0] - x, kFigure[i][1] - y) < within) return i;
  return 0;
}

int BoxPoint(const std::string& m, std::size_t picture, const char* box, double dy = 0) {
  const auto puts = PutsOf(std::string_view(m).substr(picture), box);
  if (puts.size() != 1) return 0;
  return PointNear(puts[0].x, puts[0].y - dy, 0.1);
}

// The figure marks the sizes the data give beside the edges they measure (a the depth edge
// 1-2, b the floor's front edge 5-8, c the back wall's edge 2-6), and the rods 1 and 2 that the
// statement names carry their numbers at every Level, also where both stand at one corner.
TEST(ShelfEquilibriumTest, FigureMarksTheSizesAndTheRodNumbers) {
  auto mid = [](int i, int j) {
    return std::array<double, 2>{(kFigure[i][0] + kFigure[j][0]) / 2,
                                 (kFigure[i][1] + kFigure[j][1]) / 2};
  };
  for (int level : {1, 10}) {
    for (int p1 = 1; p1 <= 3; ++p1) {
      for (int p2 = 1; p2 <= 2; ++p2) {
        for (int p4 = 1; p4 <= 6; ++p4) {
          const VariantParams p{p1, p2, 2, p4, 1 + p4 % 4, 1 + p4, 1 + p1 % 2};
          const auto t = RunAt(level, p);
          const std::string where = "level " + std::to_string(level) + " P1 " +
                                    std::to_string(p1) + " P2 " + std::to_string(p2) + " P4 " +
                                    std::to_string(p4);
          const std::size_t picture = t.main.find("\\begin{picture}", t.main.find("\\par\r\n"));
          const std::string_view fig = std::string_view(t.main).substr(picture);
          const std::pair<const char*, std::array<double, 2>> sizes[] = {
              {"{$a$}", mid(1, 2)}, {"{$b$}", mid(5, 8)}, {"{$c$}", mid(2, 6)}};
          for (const auto& [label, at] : sizes) {
            const auto puts = PutsOf(fig, label);
            ASSERT_EQ(puts.size(), 1u) << where << " " << label;
            EXPECT_LT(std::hypot(puts[0].x - at[0], puts[0].y - at[1]), 12) << where << label;
          }
          if (level == 1) continue;  // the rod boxes of Level 1 carry their numbers
          const std::pair<const char*, const char*> rods[] = {{"{\\usebox{\\nst}}", "\\Brown{1}"},
                                                              {"{\\usebox{\\upst}}", "\\Brown{2}"}};
          for (const auto& [box, number] : rods) {
            const auto boxes = PutsOf(fig, box), numbers = PutsOf(fig, number);
            ASSERT_EQ(boxes.size(), 1u) << where << box;
            ASSERT_EQ(numbers.size(), 1u) << where << number;
            EXPECT_LT(std::hypot(numbers[0].x - boxes[0].x, numbers[0].y - boxes[0].y), 10)
                << where << number;
          }
        }
      }
    }
  }
}

// The shelf's six equations with the printed reactions at the supports drawn (rod 1 along x,
// rod 2 vertical, the bearing's three components, the strut from B towards C), F along the
// drawn arrow at its corner and G at the centre. Returns the largest residual.
double ShelfResidual(const testing_support::RunTexts& t, int level, std::string& why) {
  const std::string& m = t.main;
  const double a = NumberAfter(m, "$a="), b = NumberAfter(m, "$b="), c = NumberAfter(m, "$c=");
  const double F = NumberAfter(m, "$F$="), G = NumberAfter(m, "$G$=");
  const std::size_t picture = m.find("\\begin{picture}", m.find("\\par\r\n"));
  const int rod1 = BoxPoint(m, picture, level == 1 ? "{\\usebox{\\nstt}}" : "{\\usebox{\\nst}}");
  const int rod2 = BoxPoint(m, picture, level == 1 ? "{\\usebox{\\upstt}}" : "{\\usebox{\\upst}}");
  const int A = BoxPoint(m, picture, "{\\usebox{\\uphing}}", 1);
  const int C = BoxPoint(m, picture, "{\\usebox{\\hing}}");
  const auto rings = PutsOf(std::string_view(m).substr(picture), "{\\circle{");
  if (rod1 == 0 || rod2 == 0 || A == 0 || C == 0 || rings.size() != 1) {
    why = "supports not found";
    return 1e9;
  }
  const int B = PointNear(rings[0].x, rings[0].y + 1.5, 0.1);
  // y of node 9 from AD, measured from A (from corner 3 when A stands at node 9).
  double y9 = b / 2;
  if (m.find("$AD=") != std::string::npos) {
    const double AD = NumberAfter(m, "$AD=");
    y9 = A == 2 ? AD : b - AD;
  }
  const Vec3 node[10] = {{0, 0, 0}, {a, 0, c}, {0, 0, c}, {0, b, c}, {a, b, c},
                         {a, 0, 0}, {0, 0, 0}, {0, b, 0}, {a, b, 0}, {0, y9, c}};
  std::size_t at = m.find("\\thicklines\\vector(", picture);
  const auto start = PutBefore(m, at);
  const double dx = NumberAfter(m, "\\thicklines\\vector(", at);
  const double len = NumberAfter(m, "){", at);
  int corner = PointNear(start.x, start.y, 2.5);
  if (corner == 0) corner = PointNear(start.x + len * dx, start.y, 2.5);
  if (corner == 0 || B == 0) {
    why = "force or strut not found";
    return 1e9;
  }
  const std::vector<double> cells = AnswerCells(RowOf(t));
  if (cells.size() != 7) {
    why = "row";
    return 1e9;
  }
  SpaceBody shelf;
  shelf.Add(node[rod1], {cells[1], 0, 0});
  shelf.Add(node[rod2], {0, 0, cells[2]});
  shelf.Add(node[A], {cells[3], cells[4], cells[5]});
  shelf.Add(node[B], statics_testing::Scaled(
                         statics_testing::Unit(statics_testing::Sub(node[C], node[B])), cells[6]));
  shelf.Add(node[corner], dx < 0 ? Vec3{F, 0, 0} : Vec3{0, F, 0});
  shelf.Add({a / 2, b / 2, c}, {0, 0, -G});
  return shelf.Residual();
}

TEST(ShelfEquilibriumTest, TheGeneralReactionsHoldTheShelf) {
  int checked = 0;
  for (int p1 = 1; p1 <= 3; ++p1)
    for (int p2 = 1; p2 <= 2; ++p2)
      for (int p3 = 1; p3 <= 2; ++p3)
        for (int p4 = 1; p4 <= 6; ++p4)
          for (int p5 = 1; p5 <= 4; ++p5)
            for (int p6 = 1; p6 <= 9; ++p6) {
              const int level = 2 + (p1 + p2 + p4 + p6) % 9;
              const auto t = RunAt(level, {p1, p2, p3, p4, p5, p6, 1});
              std::string why;
              EXPECT_LT(ShelfResidual(t, level, why), 0.05)
                  << why << " " << p1 << p2 << p3 << p4 << p5 << p6;
              ++checked;
              if (::testing::Test::HasFailure()) return;
            }
  EXPECT_EQ(checked, 2592);
}

TEST(ShelfEquilibriumTest, TheLevelOneReactionsAreWholeAndHoldTheShelf) {
  int checked = 0, odd = 0;
  for (int p2 = 1; p2 <= 2; ++p2)
    for (int p3 = 1; p3 <= 2; ++p3)
      for (int p4 = 1; p4 <= 6; ++p4)
        for (int p5 = 1; p5 <= 4; ++p5)
          for (int p6 = 1; p6 <= 9; ++p6)
            for (int p7 = 1; p7 <= 2; ++p7) {
              const auto t = RunAt(1, {1, p2, p3, p4, p5, p6, p7});
              std::string why;
              EXPECT_LT(ShelfResidual(t, 1, why), 1e-6)
                  << why << " " << p2 << p3 << p4 << p5 << p6 << p7;
              // Whole numbers without a common factor 2, 3, 5, 7, 11 among the eight.
              std::vector<double> v = AnswerCells(RowOf(t));
              v.push_back(NumberAfter(t.main, "$F$="));
              v.push_back(NumberAfter(t.main, "$G$="));
              for (int f : {2, 3, 5, 7, 11}) {
                bool all = true;
                for (std::size_t i = 1; i < v.size(); ++i) {
                  EXPECT_EQ(v[i], std::round(v[i]));
                  all = all && std::fmod(v[i], f) == 0;
                }
                EXPECT_FALSE(all) << f << " divides " << p2 << p3 << p4 << p5 << p6 << p7;
              }
              if (NumberAfter(t.main, "$b=") != 2 * std::floor(NumberAfter(t.main, "$b=") / 2))
                ++odd;
              ++checked;
              if (::testing::Test::HasFailure()) return;
            }
  EXPECT_EQ(checked, 1728);
  EXPECT_GT(odd, 0);
}

}  // namespace
}  // namespace statics
