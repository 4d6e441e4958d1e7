#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>
#include <vector>

#include "subjects/statics/corner_rod_cylinder.h"
#include "subjects/statics/text_reading.h"
#include "subjects/statics/two_cylinder_friction.h"
#include "tests/support/run_harness.h"
#include "tests/support/sweep.h"

namespace statics {
namespace {

using statics_testing::AnswerCells;
using statics_testing::NumberAfter;
using testing_support::VariantParams;

testing_support::RunTexts RunCylinders(const VariantParams& p) {
  auto s = testing_support::NewState();
  s->FirstNumber = 1;
  return testing_support::RunBeginVariant(*s, BeginTwoCylinderFrictionProblem,
                                          WriteTwoCylinderFrictionVariant, {p});
}

testing_support::RunTexts RunCorner(const VariantParams& p) {
  auto s = testing_support::NewState();
  s->FirstNumber = 1;
  return testing_support::RunBeginVariant(*s, BeginCornerRodCylinderProblem,
                                          WriteCornerRodCylinderVariant, {p});
}

// The answers row of variant 1: from the line that starts with "1" to the " \\" that ends it.
std::string FirstRow(const std::string& answers) {
  const std::size_t at = answers.find("\n1");
  if (at == std::string::npos) return {};
  const std::size_t end = answers.find("\\\\", at);
  return answers.substr(at + 1, end == std::string::npos ? std::string::npos : end - at - 1);
}

// Gaussian elimination with partial pivoting on an n x (n + 1) augmented matrix.
std::vector<double> Solve(std::vector<std::vector<double>> m) {
  const std::size_t n = m.size();
  for (std::size_t c = 0; c < n; ++c) {
    std::size_t p = c;
    for (std::size_t r = c + 1; r < n; ++r)
      if (std::fabs(m[r][c]) > std::fabs(m[p][c])) p = r;
    std::swap(m[c], m[p]);
    for (std::size_t r = 0; r < n; ++r) {
      if (r == c) continue;
      const double f = m[r][c] / m[c][c];
      for (std::size_t k = c; k <= n; ++k) m[r][k] -= f * m[c][k];
    }
  }
  std::vector<double> x(n);
  for (std::size_t i = 0; i < n; ++i) x[i] = m[i][n] / m[i][i];
  return x;
}

// The drawn scheme: slopes under cylinders 1 and 2, rod direction from axis 1 to axis 2, the
// direction of F (degrees) and the sense of the drawn couple (+1 counter-clockwise).
struct Drawn {
  double a1, a2, a3, beta;
  int sense;
};
constexpr Drawn kDrawn[10] = {{60, -60, 0, 180, 1}, {45, 0, 30, 0, -1},    {-90, 0, -30, 180, -1},
                              {-60, 30, 0, 180, 1}, {30, -60, 0, 180, 1},  {90, -45, 30, 180, 1},
                              {90, 0, 30, 0, -1},   {-30, 0, 150, 180, 1}, {0, 30, -30, 0, -1},
                              {45, 30, 0, 0, -1}};

// Equilibrium of cylinder 1, cylinder 2 and the rod, each body on its own: the contact forces
// N (along the surface normal) and T (along the surface), the rod's end forces, and the couple
// M; cylinder 2 about to roll, its resistance couple c = resist * N2 (resist in m, signed).
// Returns N1, N2, M.
std::array<double, 3> Equilibrium(const Drawn& d, double P1, double P2, double P3, double F,
                                  double R, double resist) {
  const double r = std::numbers::pi / 180;
  const double n1x = -std::sin(d.a1 * r), n1y = std::cos(d.a1 * r);
  const double n2x = -std::sin(d.a2 * r), n2y = std::cos(d.a2 * r);
  const double fx = F * std::cos(d.beta * r), fy = F * std::sin(d.beta * r);
  const double ux = std::cos(d.a3 * r), uy = std::sin(d.a3 * r);
  // unknowns N1 T1 X1 Y1 N2 T2 X2 Y2 M (X, Y: force of the rod on the cylinder)
  std::vector<std::vector<double>> m(9, std::vector<double>(10, 0.0));
  auto row = [&](int i, std::vector<std::pair<int, double>> terms, double rhs) {
    for (auto [k, v] : terms) m[static_cast<std::size_t>(i)][static_cast<std::size_t>(k)] = v;
    m[static_cast<std::size_t>(i)][9] = rhs;
  };
  row(0, {{0, n1x}, {1, n1y}, {2, 1}}, 0);  // tangent (cos, sin) = (n_y, -n_x)
  row(1, {{0, n1y}, {1, -n1x}, {3, 1}}, P1);
  row(2, {{1, R}, {8, d.sense}}, 0);  // moments about axis 1: friction at the contact, couple
  row(3, {{4, n2x}, {5, n2y}, {6, 1}}, -fx);
  row(4, {{4, n2y}, {5, -n2x}, {7, 1}}, P2 - fy);
  row(5, {{5, R}, {4, resist}}, 0);
  row(6, {{2, -1}, {6, -1}}, 0);  // the rod: forces, and moments about its end at axis 1
  row(7, {{3, -1}, {7, -1}}, P3);
  row(8, {{6, uy}, {7, -ux}}, ux * P3 / 2);
  const auto x = Solve(m);
  return {x[0], x[4], x[8]};
}

TEST(TwoCylinderFrictionTest, GoldenRows) {
  struct Case {
    VariantParams p;
    const char* row;
  };
  const Case cases[] = {
      {{1, 1, 1, 1, 1, 1, 1}, "1 &   43.053&   53.384&    1.130 &   44.301&   54.631&    1.238"},
      {{3, 1, 1, 1, 1, 1, 1}, "1 &   10.219&   32.900&   -0.615 &    9.782&   32.648&   -0.653"},
  };
  for (const Case& c : cases) {
    const auto t = RunCylinders(c.p);
    EXPECT_NE(t.answers.find(c.row), std::string::npos) << t.answers;
  }
  const auto t = RunCylinders({3, 1, 1, 1, 1, 1, 1});
  EXPECT_NE(t.main.find("\\par\\unitlength=1.3pt \r\n"), std::string::npos);
  EXPECT_NE(t.main.find("{\\small $P_1=5$~N, $P_2=22$~N, $P_3$=10~N,\\\\\r\n $F=10$~N, $R=15$~cm, "
                        "$\\delta=1$~mm.}"),
            std::string::npos)
      << t.main;
}

TEST(TwoCylinderFrictionTest, EveryBodyIsInEquilibriumWithThePrintedAnswers) {
  long long checked = 0;
  for (const auto& pt :
       testing_support::SweepPoints({1, 1, 1, 1, 1, 1, 1}, {10, 5, 5, 5, 5, 1, 1}, 600, 2, 2)) {
    const auto& p = pt.p;
    const auto t = RunCylinders({p[0], p[1], p[2], p[3], p[4], 1, 1});
    const double P1 = NumberAfter(t.main, "$P_1="), P2 = NumberAfter(t.main, "$P_2="),
                 P3 = NumberAfter(t.main, "$P_3$="), F = NumberAfter(t.main, "$F="),
                 R = NumberAfter(t.main, "$R="), delta = NumberAfter(t.main, "$\\delta=");
    const auto cells = AnswerCells(FirstRow(t.answers));
    ASSERT_EQ(cells.size(), 7u) << testing_support::Describe(pt);
    for (int k = 0; k < 2; ++k) {
      const auto want =
          Equilibrium(kDrawn[p[0] - 1], P1, P2, P3, F, R / 100, (k == 0 ? 1 : -1) * delta / 1000);
      for (std::size_t i = 0; i < 3; ++i)
        EXPECT_NEAR(cells[1 + 3 * static_cast<std::size_t>(k) + i], want[i], 6e-4)
            << testing_support::Describe(pt) << " case " << k << " value " << i;
    }
    ++checked;
  }
  EXPECT_TRUE(testing_support::SweepCovered(checked, 6250));
}

int Bit(int n, int i) { return (n >> (i - 1)) & 1; }

// The drawn limits of families 1 (corner with F, rod to the cylinder, couple on the cylinder)
// and 3 (rod with F hinged at the corner, couple on the cylinder), from the printed P, F, δ and
// the drawn geometry: the rod or corner moment gives the force the cylinder receives, and the
// cylinder rolls when |R·Ft| exceeds δ·N. Returns {M_min, M_max}.
std::array<double, 2> DrawnLimits(int p1, int p6, int p7, int sum, double P, double F, double R,
                                  double delta, int vx, int vy) {
  const double d = delta / 100;
  if (p1 <= 2) {
    const int q1 = Bit(sum, 1), c = 4 - q1, s = 3 + q1;
    const int a = 1 - 2 * q1, r = Bit(p6, 4) + 1, kind = (r == 2 && a == -1) ? 1 : 2;
    const int dd = (Bit(p6, 2) + Bit(p7, 2) + 2) * a;
    const int x3 = a * (Bit(p6, 3) + 2) + dd;
    const int y3 = (a == -1 && r == 2) ? Bit(p7, 3) + 4 : Bit(p7, 3) + 2;
    const double y2 = r == 1 ? y3 : 0, x2 = r == 1 ? 0 : x3;
    double x4 = 0, y4 = y3 / 2;
    if (kind == 1)
      x4 = dd, y4 = y2;
    else if (a == 1 && r == 2)
      x4 = x2;
    const double fx = F * vx, fy = F * vy;  // the printed F along the drawn arrow
    // corner about the hinge: the rod's pull T along (c, -s)/5 at point 3
    const double ux = c / 5.0, uy = -s / 5.0;
    const double T = -(x4 * fy - y4 * fx) / (x3 * uy - y3 * ux);
    const double N = P + T * uy, Ft = T * ux;
    return {-R * Ft - d * N, -R * Ft + d * N};
  }
  const int s1 = 1 - 2 * Bit(p6, 1), s2 = 1 - 2 * Bit(p6, 2), s3 = 1 - 2 * Bit(p6, 3);
  const int a = Bit(p6, 4) + 3 + Bit(sum, 1), b = Bit(p7, 1) + 3 + Bit(sum, 2);
  const double x2 = s1 * a, y2 = s3 * b, x1 = x2 + s2 * a;
  const double xm = std::nearbyint((x1 + x2) / 2);
  const double Y2 = (xm - x1) * F / (x2 - x1);  // the rod about its hinge, F downwards
  const double X2 = x2 * Y2 / y2;               // the corner about the cylinder's axis
  const double N = P + Y2;
  return {-R * X2 - d * N, -R * X2 + d * N};
}

TEST(CornerRodCylinderTest, FamiliesOneAndThreeBalanceAtTheirLimits) {
  long long checked = 0;
  for (const auto& pt :
       testing_support::SweepPoints({1, 1, 1, 1, 1, 1, 1}, {10, 5, 5, 5, 1, 16, 16}, 600, 1, 1)) {
    const auto& p = pt.p;
    if (p[0] != 1 && p[0] != 2 && p[0] != 5 && p[0] != 6) continue;
    const auto t = RunCorner({p[0], p[1], p[2], p[3], 1, p[5], p[6]});
    const double P = NumberAfter(t.main, "{\\small $P="), F = NumberAfter(t.main, "$F="),
                 R = NumberAfter(t.main, "$R="), delta = NumberAfter(t.main, "$\\delta=");
    // the drawn arrow of F: "\Red{\put(x,y){\vector(dx,dy)"
    std::size_t at = t.main.find("\\Red{\\put(");
    at = t.main.find("\\vector(", at);
    ASSERT_NE(at, std::string::npos);
    int vx = 0, vy = 0;
    ASSERT_EQ(std::sscanf(t.main.c_str() + at, "\\vector(%d,%d)", &vx, &vy), 2);
    const auto want = DrawnLimits(p[0], p[5], p[6], p[1] + p[2] + p[3], P, F, R, delta, vx, vy);
    const auto cells = AnswerCells(FirstRow(t.answers));
    ASSERT_EQ(cells.size(), 3u);
    EXPECT_NEAR(cells[1], want[0], 1e-9) << testing_support::Describe(pt);
    EXPECT_NEAR(cells[2], want[1], 1e-9) << testing_support::Describe(pt);
    ++checked;
  }
  EXPECT_GT(checked, 0);
}

TEST(CornerRodCylinderTest, GoldenRowsOfTheFiveFamilies) {
  struct Case {
    int p1;
    const char* data;
    const char* row;
  };
  const Case cases[] = {
      {1, "$P=104$~N, $F=10$~N, $R=1$~m,\\\\  $\\delta=2$\r\n~cm, $\\cos\\alpha=0.6.$}",
       "1&$   -5$&$   -1$\r\n"},
      {3, "$P=203$~N, $F=3$~N, $R=1$~m, $\\delta=1$~cm}", "1& $-\\infty$ &$   20$\r\n"},
      {5, "$P=90$~N, $F=20$~N,", "1&$    7 $&$    9$\r\n"},
      {7, "$P=39$~N, $F=39$~N,", "1& $-\\infty$  &$  295$\r\n"},
      {9, "$P=800$~N, $F=800$~N, $R=1$~m, $\\delta=2$~cm}", "1&$ -219$&$ -181$\r\n"},
  };
  for (const Case& c : cases) {
    const auto t = RunCorner({c.p1, 1, 1, 1, 1, 1, 1});
    EXPECT_NE(t.main.find(c.data), std::string::npos) << c.p1 << "\n" << t.main;
    EXPECT_NE(t.answers.find(c.row), std::string::npos) << c.p1 << "\n" << t.answers;
  }
}

// Over the parameter space: positive weight, a force, whole-number limits in order, and
// "$-\infty$" exactly in the two families without a lower limit.
TEST(CornerRodCylinderTest, DataAndLimitsAreSoundOverTheSpace) {
  long long checked = 0;
  for (const auto& pt :
       testing_support::SweepPoints({1, 1, 1, 1, 1, 1, 1}, {10, 5, 5, 5, 1, 16, 16}, 600, 1, 1)) {
    const auto& p = pt.p;
    const auto t = RunCorner({p[0], p[1], p[2], p[3], 1, p[5], p[6]});
    const std::string why = testing_support::Describe(pt);
    EXPECT_GT(NumberAfter(t.main, "{\\small $P="), 0) << why;
    EXPECT_GT(NumberAfter(t.main, "$F="), 0) << why;
    const std::string row = FirstRow(t.answers);
    const bool open = p[0] == 3 || p[0] == 4 || p[0] == 7 || p[0] == 8;
    EXPECT_EQ(row.find("$-\\infty$") != std::string::npos, open) << why << row;
    const auto cells = AnswerCells(row);
    ASSERT_EQ(cells.size(), 3u) << why;
    if (!open) {
      EXPECT_LT(cells[1], cells[2]) << why << row;
    }
    ++checked;
  }
  EXPECT_TRUE(testing_support::SweepCovered(checked, 10 * 125 * 256));
}

}  // namespace
}  // namespace statics
