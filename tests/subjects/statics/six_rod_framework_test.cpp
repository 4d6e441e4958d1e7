#include "subjects/statics/six_rod_framework.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "subjects/statics/joint_balance.h"
#include "subjects/statics/text_reading.h"
#include "tests/support/run_harness.h"

namespace statics {
namespace {

using statics_testing::AnswerCells;
using statics_testing::NumberAfter;
using statics_testing::PlaneStructure;
using statics_testing::SingleRow;
using testing_support::RunBeginVariant;
using testing_support::VariantParams;

testing_support::RunTexts RunOne(const VariantParams& p) {
  auto s = testing_support::NewState();
  return RunBeginVariant(*s, BeginSixRodFrameworkProblem, WriteSixRodFrameworkVariant, {p});
}

TEST(SixRodFrameworkTest, BeginWritesTheTaskTheReferenceAndTheHead) {
  auto s = testing_support::NewState();
  BeginSixRodFrameworkProblem(*s);
  EXPECT_EQ(s->ParboxWidth, 205);
  EXPECT_EQ(testing_support::MainText(*s).find(
                "Плоская ферма из шести стержней закреплена шарнирами $D$ и $E$; в узле $A$ "
                "приложена сила $\\vec P$. Найти усилия в стержнях (растяжение положительно).\r\n"),
            0u)
      << testing_support::MainText(*s);
  EXPECT_NE(testing_support::MainText(*s).find(" \\Red{(p.14.)}\\par\\noindent\r\n"),
            std::string::npos);
  EXPECT_EQ(testing_support::AnsText(*s).find("\\tabcolsep=1pt\\noindent\\begin{center}"), 0u);
  EXPECT_NE(
      testing_support::AnsText(*s).find(
          " \\No& $S_{AB}$&$ S_{AC}  $&$  S_{AD}  $&$  S_{BC} $&$   S_{BD} $&$   S_{CD}$&$    "
          "S_{CE}$\\\\\\hline\r\n"),
      std::string::npos);
}

TEST(SixRodFrameworkTest, GoldenRowsAndData) {
  struct Case {
    const char* what;
    VariantParams p;
    const char* row;
    std::vector<const char*> lines;
  };
  const Case cases[] = {
      {"rod AC, vertical load",
       {1, 2, 2, 1, 1, 10, 1},
       "1&$ -11.154$&$  -8.165$& ---  &$   9.659 $&$   -5.577 $&$   -4.717 $&$   -1.057$ ",
       {"\\hfill\\parbox[b]{65pt}{ \\small  $P$=10~kN,\\\\ \r\n",
        "$\\angle ACB$=$30^\\circ,$\\ \\\\\r\n", "$\\angle ABC$=$30^\\circ,$\\\\ \r\n",
        "$\\angle BDC$=$45^\\circ,$\\ \\\\\r\n", "$\\angle BCD$=$45^\\circ,$\\\\ \r\n",
        "$\\angle CDE$=$60^\\circ,$\\ \\\\\r\n", "$\\angle CED$=$30^\\circ.$\\par}\r\n%\r\n"}},
      {"rod AD, vertical load",
       {10, 2, 2, 2, 1, 10, 1},
       "1 &$   10.000 $&   ---  &$  -14.142 $&$   14.142 $&$  -10.000$&$ -14.142$&$  20.000$",
       {"$\\angle ABD$=$90^\\circ,$\\ \\\\\r\n", "$\\angle ADB$=$45^\\circ,$\\\\ \r\n",
        "$\\angle BDC$=$45^\\circ,$", "$\\angle BCD$=$90^\\circ,$", "$\\angle CDE$=$45^\\circ,$",
        "$\\angle CED$=$90^\\circ.$", "\\put(", "\\vector(0,-1){14}"}},
      {"horizontal load, scheme 3",
       {3, 1, 1, 1, 1, 5, 1},
       "1&$   2.887$&$  -2.887$& ---  &$  -5.000 $&$    2.887 $&$    8.660 $&$   -5.774$ ",
       {"$\\angle CED$=$90^\\circ.$", "$\\angle CDE$=$30^\\circ,$", "$\\angle BCD$=$30^\\circ,$",
        "$\\angle BDC$=$120^\\circ,$", "$ \\vec P$", "\\vector(1,0){15}"}},
      {"correction A(p2) + A(p3) = 90",
       {1, 3, 1, 3, 1, 10, 1},
       nullptr,
       {"$\\angle CED$=$45^\\circ.$", "$\\angle CDE$=$45^\\circ,$", "$\\angle BCD$=$30^\\circ,$",
        "$\\angle BDC$=$60^\\circ,$", "\\vector(1,0){15}"}},
  };
  for (const Case& c : cases) {
    const auto t = RunOne(c.p);
    if (c.row != nullptr) {
      EXPECT_EQ(SingleRow(t.answers), c.row) << c.what;
    }
    for (const char* line : c.lines) {
      EXPECT_NE(t.main.find(line), std::string::npos) << c.what << ": " << line << "\n" << t.main;
    }
  }
}

TEST(SixRodFrameworkTest, TheCorrectionCasePutsCBelowItsJoint) {
  const auto t = RunOne({1, 3, 1, 3, 1, 10, 1});
  // The third joint marker is C's.
  std::size_t at = 0;
  for (int k = 1; k <= 3; ++k) at = t.main.find("\\BrickRed{\\put(", at) + 1;
  const double cx = NumberAfter(t.main, "\\put(", at);
  const double cy = NumberAfter(t.main, ",", at);
  std::size_t label = t.main.rfind("\\put(", t.main.find("{$C$}"));
  EXPECT_NEAR(NumberAfter(t.main, "\\put(", label), cx + 1, 0.011);
  EXPECT_NEAR(NumberAfter(t.main, ",", label), cy - 11, 0.011);
}

TEST(SixRodFrameworkTest, SchemesWithoutAHorizontalLoad) {
  EXPECT_FALSE(DeriveSixRodFrameworkVariant(4, 1, 2, 2, 10).horizontal);
  EXPECT_TRUE(DeriveSixRodFrameworkVariant(5, 1, 2, 2, 10).horizontal);
  EXPECT_FALSE(DeriveSixRodFrameworkVariant(7, 1, 1, 1, 10).horizontal);
}

struct Point {
  double x, y;
};

// The point where the ray from p at angle a meets the ray from q at angle b (degrees); false
// when they are parallel or meet behind either start.
bool MeetRays(Point p, double a, Point q, double b, Point& out) {
  const double r = std::numbers::pi / 180;
  const double ux = std::cos(a * r), uy = std::sin(a * r);
  const double vx = std::cos(b * r), vy = std::sin(b * r);
  const double den = ux * vy - uy * vx;
  if (std::fabs(den) < 1e-12) return false;
  const double t = ((q.x - p.x) * vy - (q.y - p.y) * vx) / den;
  const double u = ((q.x - p.x) * uy - (q.y - p.y) * ux) / den;
  if (t <= 1e-9 || u <= 1e-9) return false;
  out = {p.x + t * ux, p.y + t * uy};
  return true;
}

double Heading(Point from, Point to) {
  return std::atan2(to.y - from.y, to.x - from.x) * 180 / std::numbers::pi;
}

// The framework rebuilt from the printed angles (each joint where the two rays of its
// triangle meet, the triangle's interior on the left of its base), its ten joint equations
// solved, and the solution compared with the printed rod forces.
TEST(SixRodFrameworkTest, EveryAngleCombinationBalancesTheDrawnFramework) {
  int checked = 0;
  for (int p1 = 1; p1 <= 16; ++p1)
    for (int p2 = 1; p2 <= 3; ++p2)
      for (int p3 = 1; p3 <= 3; ++p3)
        for (int p4 = 1; p4 <= 3; ++p4) {
          const int p6 = 1 + (p1 * 7 + p2 * 5 + p3 * 3 + p4) % 33;
          const auto t = RunOne({p1, p2, p3, p4, 1 + p1 % 9, p6, 1});
          const std::string where = "p1..p4 = " + std::to_string(p1) + " " + std::to_string(p2) +
                                    " " + std::to_string(p3) + " " + std::to_string(p4);
          const bool ac = t.main.find("$\\angle ACB$") != std::string::npos;
          const double a1 = NumberAfter(t.main, ac ? "$\\angle ACB$=$" : "$\\angle ABD$=$");
          const double a2 = NumberAfter(t.main, ac ? "$\\angle ABC$=$" : "$\\angle ADB$=$");
          const double bdc = NumberAfter(t.main, "$\\angle BDC$=$");
          const double bcd = NumberAfter(t.main, "$\\angle BCD$=$");
          const double cde = NumberAfter(t.main, "$\\angle CDE$=$");
          const double ced = NumberAfter(t.main, "$\\angle CED$=$");
          const double P = NumberAfter(t.main, " $P$=");
          ASSERT_EQ(P, p6) << where;
          const bool horizontal = t.main.find("\\vector(1,0)") != std::string::npos;
          ASSERT_TRUE(horizontal || t.main.find("\\vector(0,-1)") != std::string::npos) << where;

          // Proper triangles, each meeting point in front of both rays.
          for (double sum : {cde + ced, bdc + bcd, a1 + a2}) {
            EXPECT_LT(sum, 180) << where;
          }
          const Point D{0, 0}, E{1, 0};
          Point C{}, B{}, A{};
          ASSERT_TRUE(MeetRays(D, cde, E, 180 - ced, C)) << where;
          ASSERT_TRUE(MeetRays(D, Heading(D, C) + bdc, C, Heading(C, D) - bcd, B)) << where;
          if (ac) {
            ASSERT_TRUE(MeetRays(B, Heading(B, C) + a2, C, Heading(C, B) - a1, A)) << where;
          } else {
            ASSERT_TRUE(MeetRays(D, Heading(D, B) + a2, B, Heading(B, D) - a1, A)) << where;
          }

          // The ground carries D and E; every other joint stands above it.
          EXPECT_GT(std::min({A.y, B.y, C.y}), 0) << where;

          PlaneStructure f;
          const int a = f.AddJoint(A.x, A.y), b = f.AddJoint(B.x, B.y), c = f.AddJoint(C.x, C.y),
                    d = f.AddJoint(D.x, D.y), e = f.AddJoint(E.x, E.y);
          const int ab = f.AddBar(a, b), ax = f.AddBar(a, ac ? c : d), bc = f.AddBar(b, c),
                    bd = f.AddBar(b, d), cd = f.AddBar(c, d), ce = f.AddBar(c, e);
          f.AddReaction(d, 1, 0);
          f.AddReaction(d, 0, 1);
          f.AddReaction(e, 1, 0);
          f.AddReaction(e, 0, 1);
          (horizontal ? f.fx : f.fy)[a] = horizontal ? P : -P;
          const std::vector<double> s = statics_testing::SolveJoints(f);
          ASSERT_FALSE(s.empty()) << where << ": singular framework";

          const std::vector<double> cells = AnswerCells(SingleRow(t.answers));
          ASSERT_EQ(cells.size(), 8u) << where;
          EXPECT_EQ(cells[0], 1);
          const double tol = 0.0005 + 1e-9 * P;
          EXPECT_NEAR(cells[1], s[ab], tol) << where;
          EXPECT_NEAR(cells[ac ? 2 : 3], s[ax], tol) << where;
          EXPECT_TRUE(std::isnan(cells[ac ? 3 : 2])) << where << ": the dash of the absent rod";
          EXPECT_NEAR(cells[4], s[bc], tol) << where;
          EXPECT_NEAR(cells[5], s[bd], tol) << where;
          EXPECT_NEAR(cells[6], s[cd], tol) << where;
          EXPECT_NEAR(cells[7], s[ce], tol) << where;
          if (::testing::Test::HasFailure()) return;
          ++checked;
        }
  EXPECT_EQ(checked, 16 * 27);
}

}  // namespace
}  // namespace statics
