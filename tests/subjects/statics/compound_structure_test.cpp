#include "subjects/statics/compound_structure.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "subjects/statics/frame_balance.h"
#include "subjects/statics/text_reading.h"
#include "tests/support/run_harness.h"
#include "tests/support/sweep.h"

namespace statics {
namespace {

using statics_testing::AnswerCells;
using statics_testing::NumberAfter;
using statics_testing::PlaneBalance;
using statics_testing::Vec2;
using testing_support::VariantParams;

testing_support::RunTexts RunOne(const VariantParams& p, int level = 1, int first_number = 1) {
  auto s = testing_support::NewState();
  s->FirstNumber = first_number;
  s->Level = level;
  return testing_support::RunBeginVariant(*s, BeginCompoundStructureProblem,
                                          WriteCompoundStructureVariant, {p});
}

std::string RowOf(const testing_support::RunTexts& t) {
  return statics_testing::SingleRow(t.answers);
}

double Length(Vec2 v) { return std::hypot(v.x, v.y); }
Vec2 Unit(Vec2 v) { return (1 / Length(v)) * v; }

// The structure as the student sees it: corners A..E from the drawn directions and the
// printed lengths, the loads of each body from the printed data and the drawn senses.
struct DrawnStructure {
  Vec2 node[5];          // A, B, C, D, E in metres
  Vec2 pic[5];           // the same in picture units (ends 1.5 units inside)
  PlaneBalance body[2];  // loads on A-B-C and on C-D-E
  bool has_rod = false;
  Vec2 rod_at;
  int rod_body = 0;
};

DrawnStructure ReadStructure(const std::string& m, int level) {
  DrawnStructure f;
  const double pi = std::acos(-1.0);
  const std::size_t pic = m.find("\\begin{picture}(246,88)");
  const std::size_t from = m.find("\\OliveGreen{", pic);
  const std::size_t to = m.find("\\BrickRed{", from);
  const auto path = statics_testing::PathPoints(m, from, to);
  EXPECT_EQ(path.size(), 8u);
  if (path.size() != 8) return f;
  // Pieces (mt, pp): A->B drawn to B, C->B drawn to B, C->D drawn to D, E->D drawn to D.
  const Vec2 dir[4] = {path[1] - path[0], path[2] - path[3], path[5] - path[4], path[6] - path[7]};
  f.pic[0] = path[0];
  f.pic[1] = path[1];
  f.pic[2] = path[2];
  f.pic[3] = path[5];
  f.pic[4] = path[6];
  const double len[4] = {NumberAfter(m, " $AB="), NumberAfter(m, "$BC="), NumberAfter(m, " $CD="),
                         NumberAfter(m, "$DE=")};
  f.node[0] = {0, 0};
  for (int k = 0; k < 4; ++k)
    f.node[k + 1] = f.node[k] + len[k] * statics_testing::SnappedDirection(dir[k]);
  const Vec2 B = f.node[1], C = f.node[2], D = f.node[3];
  const double rho = level == 1 ? 0 : NumberAfter(m, "$\\rho=");
  for (int k = 0; k < 4; ++k) f.body[k / 2].Weight(f.node[k], f.node[k + 1], rho * len[k]);
  // P at N: CN from C along C's inclined neighbour segment.
  const bool n_on_left = std::fabs((B - C).y) > 1e-9;
  const Vec2 n_at = C + NumberAfter(m, "$CN=") * Unit((n_on_left ? B : D) - C);
  std::size_t at = m.find("\\begin{picture}(5,5)%", pic);
  at = m.find("\\vector(", at);
  const double p_sense = NumberAfter(m, "\\vector(", at) > 0 ? 1 : -1;
  f.body[n_on_left ? 0 : 1].Force(n_at, p_sense * NumberAfter(m, " $P="), 0);
  // Q at K: BK from B towards C (left body) or CK from C towards D (right body).
  const bool k_on_left = m.find("$BK=") != std::string::npos;
  const Vec2 k_at = k_on_left ? B + NumberAfter(m, "$BK=") * Unit(C - B)
                              : C + NumberAfter(m, "$CK=") * Unit(D - C);
  at = m.find("\\thicklines\\vector(", pic);
  const double qdx = NumberAfter(m, "\\thicklines\\vector(", at);
  const double qdy = NumberAfter(m, ",", at);
  const double beta = NumberAfter(m, "\\beta=") * pi / 180, q = NumberAfter(m, "$Q=");
  f.body[k_on_left ? 0 : 1].Force(k_at, q * std::cos(beta) * (qdx > 0 ? 1 : -1),
                                  q * std::sin(beta) * (qdy > 0 ? 1 : -1));
  // The couple on the body of the segment whose middle its box stands nearest.
  if (level != 1) {
    const bool plus = m.find("{\\usebox{\\momentplus}}", pic) != std::string::npos;
    const auto box =
        statics_testing::PutsOf(m, plus ? "{\\usebox{\\momentplus}}" : "{\\usebox{\\momentminus}}");
    int nearest = 0;
    double best = 1e9;
    for (int k = 0; k < 4; ++k) {
      const Vec2 mid = 0.5 * (f.pic[k] + f.pic[k + 1]);
      const double d = std::hypot(mid.x - box.back().x, mid.y - box.back().y);
      if (d < best) {
        best = d;
        nearest = k;
      }
    }
    const double mm = NumberAfter(m, " $M=");
    f.body[nearest / 2].Couple(plus ? mm : -mm);
  }
  // The rod OL at L on the middle segment: LC from C or LD from D, towards B.
  if (m.find(" $LC=") != std::string::npos) {
    f.has_rod = true;
    f.rod_at = C - NumberAfter(m, " $LC=") * Unit(C - B);
    f.rod_body = 0;
  } else if (m.find(" $LD=") != std::string::npos) {
    f.has_rod = true;
    f.rod_at = D - NumberAfter(m, " $LD=") * Unit(D - C);
    f.rod_body = 1;
  }
  return f;
}

// Both bodies balance with the printed reactions (dashes: no such reaction) and the loads of
// the printed data; every equation of the second answers file holds with them.
TEST(CompoundStructureTest, ThePrintedReactionsHoldBothBodies) {
  const auto points =
      testing_support::SweepPoints({1, 1, 1, 1, 1, 1, 1}, {12, 12, 4, 3, 25, 1, 1}, 1500, 1, 10);
  for (const auto& point : points) {
    const auto t = RunOne(point.p, point.level);
    const std::string where = testing_support::Describe(point);
    DrawnStructure f = ReadStructure(t.main, point.level);
    const std::vector<double> c = AnswerCells(RowOf(t));
    ASSERT_EQ(c.size(), 7u) << where << "\n" << RowOf(t);
    const auto v = [&c](int k) { return std::isnan(c[k]) ? 0.0 : c[k]; };
    const double xa = v(1), ya = v(2), xe = v(3), ye = v(4), rod = v(5), clamp = v(6);
    const int scheme = point.p[3];
    EXPECT_EQ(f.has_rod, scheme == 2) << where;
    EXPECT_EQ(std::isnan(c[5]), scheme != 2) << where;
    EXPECT_EQ(std::isnan(c[6]), scheme != 3) << where;
    EXPECT_EQ(std::isnan(c[1]) + std::isnan(c[3]), scheme == 1 ? 0 : 1) << where;
    const Vec2 A = f.node[0], C = f.node[2], E = f.node[4];
    f.body[0].Force(A, xa, ya);
    f.body[1].Force(E, xe, ye);
    // The clamp stands at the end whose horizontal reaction is printed.
    if (scheme == 3) f.body[std::isnan(c[1]) ? 1 : 0].Couple(clamp);
    if (f.has_rod) f.body[f.rod_body].Force(f.rod_at, 0, rod);
    PlaneBalance all = f.body[0];
    all.Add(f.body[1]);
    EXPECT_NEAR(all.SumX(), 0, 3e-3) << where;
    EXPECT_NEAR(all.SumY(), 0, 3e-3) << where;
    EXPECT_NEAR(all.MomentAbout(A), 0, 0.03) << where;
    EXPECT_NEAR(f.body[0].MomentAbout(C), 0, 0.03) << where;
    EXPECT_NEAR(f.body[1].MomentAbout(C), 0, 0.03) << where;
    // The second answers file.
    const std::string body = statics_testing::SecondAnswersBody(t.second_answers);
    const auto equations = statics_testing::PrintedEquations(body);
    EXPECT_EQ(equations.size(), 2u) << where << "\n" << body;
    const std::map<std::string, double> values{{"X_A", xa},   {"Y_A", ya}, {"X_E", xe},
                                               {"Y_E", ye},   {"S", rod},  {"M_E", clamp},
                                               {"M_A", clamp}};
    for (const std::string& e : equations) {
      std::string error;
      EXPECT_TRUE(statics_testing::EquationHolds(e, values, 1e-6, &error))
          << where << ": " << error;
    }
    if (::testing::Test::HasFailure()) return;
  }
  EXPECT_TRUE(testing_support::SweepCovered(static_cast<long long>(points.size()), 12LL * 12 * 4 * 3 * 25 * 10));
}

}  // namespace
}  // namespace statics

namespace statics {
namespace {

TEST(CompoundStructureTest, BeginWritesTheStatementAndTheHeads) {
  const auto one = RunOne({1, 1, 1, 1, 2, 1, 1}, 1);
  const auto two = RunOne({1, 1, 1, 1, 2, 1, 1}, 2);
  EXPECT_NE(one.main.find("Determine the reaction of the supports.\r\n\\vskip2mm"),
            std::string::npos);
  EXPECT_NE(two.main.find("Determine the reaction of the supports.\r\nThe system located in a "
                          "vertical plane. Linear weight $ \\rho$ is given.\r\n"),
            std::string::npos);
  EXPECT_NE(
      one.answers.find("{|r|r|r|r|r|r|r|r|r|r|r|}\\hline \r\n\\ru  \\No&\\mc{$X_A$}&\\mc{$Y_A$}&"
                       "\\mc{$X_E$}&\\mc{$Y_E $}&\\mc{$S_{OL}$}&\\mc{$M$}\\\\\\hline\r\n"),
      std::string::npos);
  EXPECT_EQ(one.second_answers.find("{|r|r|r|r|r|r|}\\hline \r\n\\No & equations \\\\\\hline \r\n 1\r\n& $"),
            one.second_answers.find("{|r|"))
      << "the second table's head";
  EXPECT_EQ(one.main.find("(p."), std::string::npos) << "no book reference";
}

TEST(CompoundStructureTest, GoldenLines) {
  struct Case {
    const char* what;
    VariantParams p;
    int level;
    const char* data;
    const char* row;
    const char* second;
  };
  const Case cases[] = {
      {"scheme 1, C at node 3: X_A, Y_A by Cramer",
       {1, 1, 1, 1, 2, 1, 1},
       2,
       " $CN=2$~m, \r\n$CK=2$~m.\r\n\\par }\r\n",
       " 4&  11.636&   8.554&   -8.502&  15.946 & --- & \r\n",
       " 4\r\n& $3.46\\cdot X_A-7\\cdot Y_A+19.57=0; \\ \\ -2.54\\cdot X_A-16\\cdot Y_A+166.38=0. "
       "$  "},
      {"scheme 1, C at node 4: X_E, Y_E by Cramer",
       {9, 1, 1, 1, 2, 1, 1},
       2,
       " $CN=3$~m, \r\n $BK=3$~m. \r\n\\par }\r\n",
       " 4& -13.864&   7.405&   10.730&  21.095 & --- & \r\n",
       " 4\r\n& $6\\cdot X_E-4\\cdot Y_E+20=0; \\ \\ 2.54\\cdot X_E+12\\cdot Y_E-280.36=0. $  "},
      {"scheme 2, C at node 3: the rod at LD",
       {1, 1, 1, 2, 2, 1, 1},
       2,
       "$CK=2$~m.\r\n $LD=2$~m\\par }\r\n",
       " 4&   4.134&   8.380 & --- &  -46.920&   87.040 & ",
       " 4\r\n& $16\\cdot Y_E+14\\cdot S -467.84=0; \\ \\ 9\\cdot Y_E+7\\cdot S -187=0. $  "},
      {"scheme 2, C at node 4: the rod at LC, Y_A about L",
       {9, 1, 1, 2, 2, 1, 1},
       2,
       " $BK=3$~m. \r\n $LC=10$~m.\\par }\r\n",
       " 4&  -4.134& -29.553 & --- &    7.750&   78.303 & ",
       " 4\r\n&$\r\n4\\cdot Y_E=15+16;$ $6\\cdot Y_A=6\\cdot Y_E+3.46\\cdot X_A-209.5;$  "},
      {"scheme 3, C at node 3: the clamp at E",
       {1, 1, 1, 3, 2, 1, 1},
       2,
       "$CK=2$~m.\r\n\\par }\r\n",
       " 4 & --- &    9.873&   5.134&  62.627 & --- &  -312.951\r\n",
       " 4 & $Y_A=69.1/(7)$;\\  $M_E=-470.91+Y_A(16) $"},
      {"scheme 3, C at node 4: the clamp at A; P5 = 25: Q = 9, M = -3 P4",
       {9, 1, 1, 3, 25, 1, 1},
       2,
       "  $Q=9$~kN,\r\n $M=9$~kNm,\\\\  $\\rho=3$~kN/m, \r\n",
       " 4 &   1.794& 108.912 & --- &  -23.412 & --- &   963.173\r\n",
       " 4 & $Y_E=15.59-39; $ $M_A=682.23-12\\cdot Y_E$; "},
      {"Level 1: no M and rho line, no weights",
       {1, 1, 1, 1, 2, 1, 1},
       1,
       "  $Q=1$~kN,\r\n $\\alpha=60^\\circ,$ $\\beta=30^\\circ,$ \\\\ \r\n",
       " 4&   2.986&   0.488&    0.148&   0.012 & --- & \r\n",
       " 4\r\n& $3.46\\cdot X_A-7\\cdot Y_A-6.93=0; \\ \\ -2.54\\cdot X_A-16\\cdot Y_A+15.38=0. $ "
       " "},
  };
  for (const Case& c : cases) {
    const auto t = RunOne(c.p, c.level, 4);
    EXPECT_NE(t.main.find(c.data), std::string::npos) << c.what << "\n" << t.main;
    EXPECT_EQ(RowOf(t), c.row) << c.what;
    EXPECT_EQ(statics_testing::SecondAnswersBody(t.second_answers), c.second) << c.what;
  }
  // The couple's box at Level 3 by its sign (P5 even: +(2 P3 + 1), odd: -3 P4); none at Level 1.
  EXPECT_NE(RunOne({1, 1, 1, 1, 2, 1, 1}, 3).main.find("{\\usebox{\\momentplus}}"),
            std::string::npos);
  EXPECT_NE(RunOne({1, 1, 1, 1, 3, 1, 1}, 3).main.find("{\\usebox{\\momentminus}}"),
            std::string::npos);
  const std::string level_one = RunOne({1, 1, 1, 1, 3, 1, 1}, 1).main;
  EXPECT_EQ(level_one.find("{\\usebox{\\moment"), std::string::npos);
}

}  // namespace
}  // namespace statics
