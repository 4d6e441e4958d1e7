#include <gtest/gtest.h>

#include <algorithm>
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

// The drawn bodies of one scheme: the two cylinders' axes and the segments of the surfaces
// they may rest on (the support outline, the ground and, in scheme 3, the wall).
struct DrawnBodies {
  std::array<statics_testing::PutPoint, 2> axis{};
  std::vector<std::array<double, 4>> surfaces;
};

DrawnBodies ReadBodies(const std::string& main, int scheme) {
  DrawnBodies b;
  const std::size_t picture = main.find("\\begin{picture}");
  const std::string_view pic = std::string_view(main).substr(picture);
  const auto rings = statics_testing::PutsOf(pic, "{\\circle{24}}");
  if (rings.size() == 2) b.axis = {rings[0], rings[1]};
  b.surfaces.push_back({-100, 0, 200, 0});
  if (scheme == 3) b.surfaces.push_back({0, 0, 0, 200});
  // The outline is the first em-line path of the picture, "\mt{x}{y}\pp{x}{y}...\spe".
  std::size_t at = pic.find("\\mt{");
  const std::size_t end = pic.find("\\spe", at);
  if (scheme == 3 || at == std::string_view::npos || end == std::string_view::npos) return b;
  double x = statics_testing::NumberAfter(pic, "\\mt{", at);
  double y = statics_testing::NumberAfter(pic, "}{", at);
  while (true) {
    const std::size_t next = pic.find("\\pp{", at);
    if (next == std::string_view::npos || next > end) break;
    at = next;
    const double nx = statics_testing::NumberAfter(pic, "\\pp{", at);
    const double ny = statics_testing::NumberAfter(pic, "}{", at);
    b.surfaces.push_back({x, y, nx, ny});
    x = nx, y = ny;
  }
  return b;
}

double DistanceToSegment(statics_testing::PutPoint p, const std::array<double, 4>& s) {
  const double dx = s[2] - s[0], dy = s[3] - s[1];
  const double len2 = dx * dx + dy * dy;
  const double t =
      len2 == 0 ? 0 : std::clamp(((p.x - s[0]) * dx + (p.y - s[1]) * dy) / len2, 0.0, 1.0);
  return std::hypot(p.x - s[0] - t * dx, p.y - s[1] - t * dy);
}

// Whether segments u and v (x0, y0, x1, y1) cross at a point inside both.
bool Cross(const std::array<double, 4>& u, const std::array<double, 4>& v) {
  auto side = [](double ax, double ay, double bx, double by, double px, double py) {
    return (bx - ax) * (py - ay) - (by - ay) * (px - ax);
  };
  const double d1 = side(u[0], u[1], u[2], u[3], v[0], v[1]);
  const double d2 = side(u[0], u[1], u[2], u[3], v[2], v[3]);
  const double d3 = side(v[0], v[1], v[2], v[3], u[0], u[1]);
  const double d4 = side(v[0], v[1], v[2], v[3], u[2], u[3]);
  return d1 * d2 < 0 && d3 * d4 < 0;
}

// What the statement and the equations assume, read off the figure: each cylinder rests on a
// surface (its axis one radius from the nearest one, none nearer), the rod joining the axes
// runs at the angle its arc names (the figure draws 30 degrees with slope 1/2 and 60 with
// slope 2), and where the rod passes over a support it clears it. In schemes 6, 7 and 10 the
// rod joins the axle ends in front of the block it crosses, as such figures draw it.
TEST(TwoCylinderFrictionTest, TheCylindersRestOnTheirSurfacesAndTheRodRunsAsDrawn) {
  constexpr double kR = 12;
  for (int scheme = 1; scheme <= 10; ++scheme) {
    const auto t = RunCylinders({scheme, 3, 3, 3, 3, 1, 1});
    const DrawnBodies b = ReadBodies(t.main, scheme);
    for (int k = 0; k < 2; ++k) {
      double nearest = 1e9;
      for (const auto& s : b.surfaces) nearest = std::min(nearest, DistanceToSegment(b.axis[k], s));
      EXPECT_NEAR(nearest, kR, 1) << "scheme " << scheme << ", cylinder " << k + 1;
    }
    const double rod = std::atan2(b.axis[1].y - b.axis[0].y, b.axis[1].x - b.axis[0].x) * 180 /
                       std::numbers::pi;
    EXPECT_NEAR(rod, kDrawn[scheme - 1].a3, 9) << "scheme " << scheme;
    if (scheme == 6 || scheme == 7 || scheme == 10) continue;
    const double ux = std::cos(rod * std::numbers::pi / 180),
                 uy = std::sin(rod * std::numbers::pi / 180);
    const std::array<double, 4> between = {b.axis[0].x + kR * ux, b.axis[0].y + kR * uy,
                                           b.axis[1].x - kR * ux, b.axis[1].y - kR * uy};
    for (const auto& s : b.surfaces) {
      EXPECT_FALSE(Cross(between, s))
          << "scheme " << scheme << ": the rod crosses (" << s[0] << ", " << s[1] << ") - ("
          << s[2] << ", " << s[3] << ")";
    }
  }
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

// The five families at P2..P7 = 1, and the mended cases: a family-2 set whose bound is an
// upper one only for the opposite couple (drawn so, with a negative M_max), and a family-4 set
// with both limits, one of them not whole. At P2..P7 = 1 family 4 raises the cylinder's
// weight: with P = F no couple would hold the system.
TEST(CornerRodCylinderTest, GoldenRowsOfTheFiveFamilies) {
  struct Case {
    VariantParams p;
    const char* data;
    const char* row;
  };
  const Case cases[] = {
      {{1, 1, 1, 1, 1, 1, 1}, "$P=104$~N, $F=10$~N, $R=1$~m,\\\\  $\\delta=2$\r\n~cm, $\\cos\\alpha=0.6.$}",
       "1&$   -5$&$   -1$\r\n"},
      {{3, 1, 1, 1, 1, 1, 1}, "$P=203$~N, $F=3$~N, $R=1$~m, $\\delta=1$~cm}", "1& $-\\infty$ &$   20$\r\n"},
      {{5, 1, 1, 1, 1, 1, 1}, "$P=90$~N, $F=20$~N,", "1&$    7 $&$    9$\r\n"},
      {{7, 1, 1, 1, 1, 1, 1}, "$P=78$~N, $F=39$~N, $R=1$~m, $\\delta=1$~cm}", "1&$  290$&$294.88$\r\n"},
      {{9, 1, 1, 1, 1, 1, 1}, "$P=800$~N, $F=800$~N, $R=1$~m, $\\delta=2$~cm}", "1&$ -219$&$ -181$\r\n"},
      {{3, 1, 1, 1, 1, 3, 4}, "$P=803$~N, $F=10$~N, $R=2$~m, $\\delta=2$~cm}", "1& $-\\infty$ &$   -3$\r\n"},
      {{7, 4, 5, 5, 3, 15, 10}, "$P=146$~N, $F=73$~N, $R=1$~m, $\\delta=2$~cm}",
       "1&$ -324$&$-261.66$\r\n"},
  };
  for (const Case& c : cases) {
    const auto t = RunCorner(c.p);
    const std::string why = testing_support::Describe({c.p, 1});
    EXPECT_NE(t.main.find(c.data), std::string::npos) << why << "\n" << t.main;
    EXPECT_NE(t.answers.find(c.row), std::string::npos) << why << "\n" << t.answers;
  }
  // the mended family-2 set draws the counter-clockwise couple on the corner
  const auto t = RunCorner({3, 1, 1, 1, 1, 3, 4});
  EXPECT_NE(t.main.find("{\\usebox{\\rmomentp}}"), std::string::npos) << t.main;
}

// Over the parameter space: positive weight, a force, whole-number limits in order, and
// "$-\infty$" exactly in the family without a lower limit.
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
    const bool open = p[0] == 3 || p[0] == 4;
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


namespace corner_check {

struct Vec {
  double x = 0, y = 0;
};
Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y}; }
double Cross(Vec a, Vec b) { return a.x * b.y - a.y * b.x; }

enum Body { kFirst, kSecond, kCylinder };

// The drawn scheme: the ground hinge G of the first member, the hinge H that joins it to the
// second, the cylinder's axis C on the second, the point Q where F acts and the bodies F and
// the couple act on, and figure points 1..n that the dimension chains measure.
struct Scheme {
  Vec G, H, C, Q;
  Body force_on = kFirst, couple_on = kCylinder;
  std::vector<Vec> points;  // figure points 1..n
};

int RoundHalfEven(double x) { return static_cast<int>(std::nearbyint(x)); }

// The figure of each family read as a mechanism (points in metres).
Scheme DrawnScheme(int p1, int p6, int p7, int sum) {
  auto e = [&](int i) { return Bit(p6, i); };
  auto g = [&](int i) { return Bit(p7, i); };
  auto q = [&](int i) { return Bit(sum, i); };
  const int s1 = 1 - 2 * e(1), s2 = 1 - 2 * e(2), s3 = 1 - 2 * e(3);
  Scheme k;
  switch ((p1 + 1) / 2) {
    case 1: {  // corner 1-2-3 hinged at 1, rod 3-5 to the axis, F on the corner
      const int c = 4 - q(1), s = 3 + q(1), a = 1 - 2 * q(1), r = e(4) + 1;
      const int dd = (e(2) + g(2) + 2) * a;
      const double x3 = a * (e(3) + 2) + dd;
      const double y3 = (a == -1 && r == 2) ? g(3) + 4 : g(3) + 2;
      const double o = r == 2 ? 0.45 : 0.55;
      const Vec p2 = r == 1 ? Vec{0, y3} : Vec{x3, 0};
      Vec p4{0, std::floor(y3 / 2)};
      if (r == 2 && a == -1)
        p4 = {static_cast<double>(dd), p2.y};
      else if (a == 1 && r == 2)
        p4.x = p2.x;
      k.G = {0, 0}, k.H = {x3, y3}, k.C = {x3 + o * c, y3 - o * s}, k.Q = p4;
      k.points = {k.G, p2, k.H, p4};
      break;
    }
    case 2: {  // rod 1-2 hinged at 1 with F, corner 2-3-4 carrying the couple and the axis
      const int sA = 1 - 2 * e(4), R = g(3) + 1;
      double A = 0, u = 0, v = 0, yC = 0, t = 0;
      if (q(1) == 0) {
        u = e(1) + e(2) + R, v = u + e(3) + 1;
        yC = std::fabs(u - v) == R ? u - R : u;
      } else {
        u = e(3) + 1, A = u + e(1) + e(2) + R, v = 0, yC = -q(2) - 1;
        if (std::fabs(yC) == R) yC -= 1;
        t = 2;
      }
      const double w = (g(1) + g(2) + 5 + t) * sA;
      k.G = {0, A}, k.H = {0, v}, k.C = {w, yC}, k.Q = {0, u};
      k.couple_on = kSecond;
      k.points = {k.G, k.H, {w, v}, k.C, k.Q};
      break;
    }
    case 3: {  // rod 1-2 hinged at 1 with F, corner 2-3-5 on the axis at the origin
      const int a = e(4) + 3 + q(1), b = g(1) + 3 + q(2);
      const Vec p2{static_cast<double>(s1 * a), static_cast<double>(s3 * b)};
      const Vec p1{p2.x + s2 * a, p2.y};
      const Vec p4{static_cast<double>(RoundHalfEven((p1.x + p2.x) / 2)), p1.y};
      k.G = p1, k.H = p2, k.C = {0, 0}, k.Q = p4;
      k.points = {p1, p2, {p2.x, 0}, p4, k.C};
      break;
    }
    case 4: {  // corner 1-2-3 hinged at 1 with F, rod 3-5 carrying the couple
      const int a = e(4) + 4 + q(4) + q(1), b = g(1) + 3 + q(2), ee = g(2) + 2 + g(3);
      const Vec p3{static_cast<double>(s1 * a), 0};
      const Vec p2{p3.x, static_cast<double>(s2 * b)};
      const Vec p1{p2.x + s3 * ee, p2.y};
      const Vec p4{p2.x, static_cast<double>(RoundHalfEven(p2.y / 2))};
      k.G = p1, k.H = p3, k.C = {0, 0}, k.Q = p4;
      k.couple_on = kSecond;
      k.points = {p1, p2, p3, p4, k.C};
      break;
    }
    default: {  // corner 1-2-3 hinged at 1 with F, rod 3-5 along the 3-4-5 line
      int a = e(4) + 3 + q(4) + q(1);
      const int b = g(1) + 4 + q(2) + s1;
      if (3 * a == 4 * b) ++a;
      const Vec p2{0, static_cast<double>(-s1 * b)};
      const Vec p1{static_cast<double>(-s2 * a), p2.y};
      const Vec p4{static_cast<double>(RoundHalfEven(p1.x / 2)), p1.y};
      k.G = p1, k.H = {0, 0}, k.C = {-4, -3}, k.Q = p4;
      k.points = {p1, p2, k.H, p4, k.C};
      break;
    }
  }
  return k;
}

// The sorted distinct coordinates' gaps: what a dimension chain over the points prints.
std::vector<double> ChainGaps(const std::vector<Vec>& pts, bool along_x) {
  std::vector<double> c;
  for (const Vec& p : pts) c.push_back(along_x ? p.x : p.y);
  std::sort(c.begin(), c.end());
  c.erase(std::unique(c.begin(), c.end()), c.end());
  std::vector<double> gaps;
  for (std::size_t i = 1; i < c.size(); ++i) gaps.push_back(c[i] - c[i - 1]);
  return gaps;
}

// The values the figure's two dimension chains print, horizontal then vertical.
std::array<std::vector<double>, 2> PrintedChains(const std::string& main) {
  std::array<std::vector<double>, 2> chains;
  const std::size_t begin = main.find("%RAZMeR%begin%"), vert = main.find("%RAZMeR Vert %begin%"),
                    end = main.find("%RAZMeR End%");
  if (begin == std::string::npos || vert == std::string::npos || end == std::string::npos)
    return chains;
  for (int k = 0; k < 2; ++k) {
    std::size_t from = k == 0 ? begin : vert;
    const std::size_t stop = k == 0 ? vert : end;
    while (true) {
      std::size_t at = from;
      const double v = NumberAfter(main, "{\\scriptsize ", at);
      if (std::isnan(v) || at > stop) break;
      chains[static_cast<std::size_t>(k)].push_back(v);
      from = at;
    }
  }
  return chains;
}

// The limits of the couple m (in the drawn sense `sense`, +1 counter-clockwise) for which
// every body balances and the cylinder's resistance couple stays within delta * N. The three
// bodies' nine equations are solved for the hinge forces, the floor's N and friction T and the
// resistance couple Mr; all of them are linear in m, so two solves give Mr(m) and N(m).
// Infinite where no limit exists; {NaN, NaN} when no m balances.
std::array<double, 2> CoupleLimits(const Scheme& k, double P, Vec F, double R, double delta,
                                   int sense) {
  // unknowns: Gx Gy (ground on the first), Hx Hy (first on second), Cx Cy (second on the
  // cylinder), N, T, Mr
  auto solve = [&](double m) {
    const double mc = sense * m;
    std::vector<std::vector<double>> a(9, std::vector<double>(10, 0.0));
    const Vec h = k.H - k.G, c = k.C - k.H;
    const double fA = k.force_on == kFirst ? 1 : 0, fB = 1 - fA;
    // the first member: G - H + F = 0, moments about G
    a[0][0] = 1, a[0][2] = -1, a[0][9] = -fA * F.x;
    a[1][1] = 1, a[1][3] = -1, a[1][9] = -fA * F.y;
    a[2][2] = h.y, a[2][3] = -h.x;  // r x (-H)
    a[2][9] = -fA * Cross(k.Q - k.G, F) - (k.couple_on == kFirst ? mc : 0);
    // the second member: H - C + F = 0, moments about H
    a[3][2] = 1, a[3][4] = -1, a[3][9] = -fB * F.x;
    a[4][3] = 1, a[4][5] = -1, a[4][9] = -fB * F.y;
    a[5][4] = c.y, a[5][5] = -c.x;
    a[5][9] = -fB * Cross(k.Q - k.H, F) - (k.couple_on == kSecond ? mc : 0);
    // the cylinder: C + (T, N) - (0, P) = 0, moments about the axis: R T + Mr (+ m)
    a[6][4] = 1, a[6][7] = 1;
    a[7][5] = 1, a[7][6] = 1, a[7][9] = P;
    a[8][7] = R, a[8][8] = 1, a[8][9] = -(k.couple_on == kCylinder ? mc : 0);
    const auto x = Solve(a);
    return std::array<double, 2>{x[8], x[6]};  // Mr, N
  };
  const auto at0 = solve(0), at1 = solve(1);
  const double al = at0[0], be = at1[0] - at0[0], ga = at0[1], et = at1[1] - at0[1];
  // al + be m <= delta (ga + et m) and -(al + be m) <= delta (ga + et m)
  double lo = -INFINITY, hi = INFINITY;
  const double tiny = 1e-9;
  for (const double sg : {1.0, -1.0}) {
    const double coef = sg * be - delta * et, rhs = delta * ga - sg * al;  // coef m <= rhs
    if (coef > tiny)
      hi = std::min(hi, rhs / coef);
    else if (coef < -tiny)
      lo = std::max(lo, rhs / coef);
    else if (rhs < -tiny)
      return {std::nan(""), std::nan("")};
  }
  if (lo > hi) return {std::nan(""), std::nan("")};
  return {lo, hi};
}

// The tolerance of the row's cell k (0 the variant number): a limit printed as a whole
// number is exact, one printed with decimals is rounded to hundredths.
double Tolerance(const std::string& row, int k) {
  std::size_t from = 0;
  for (int i = 0; i < k; ++i) from = row.find('&', from) + 1;
  const std::string cell = row.substr(from, row.find('&', from) - from);
  return cell.find('.') == std::string::npos ? 1e-6 : 0.0051;
}

// P2, P3, P4 within 1..5 with the given sum (3..15): only the sum reaches the variant.
std::array<int, 3> SplitSum(int sum) {
  const int p2 = std::min(5, sum - 2), p3 = std::min(5, sum - p2 - 1);
  return {p2, p3, sum - p2 - p3};
}

}  // namespace corner_check

// Every family over its distinct parameter sets (P1, the sum P2 + P3 + P4, P6, P7): the
// figure's dimension chains show the geometry the check assumes, and the three bodies balance
// at the printed limits of the drawn couple with the printed P, F, R and δ, the force along
// its drawn arrow; "$-\infty$" exactly where no lower limit exists.
TEST(CornerRodCylinderTest, EveryFamilyBalancesAtItsPrintedLimits) {
  using namespace corner_check;
  long long checked = 0;
  for (const auto& pt :
       testing_support::SweepPoints({1, 3, 1, 1, 1, 1, 1}, {10, 15, 1, 1, 1, 16, 16}, 4000, 1, 1)) {
    const auto& p = pt.p;
    const auto split = SplitSum(p[1]);
    const auto t = RunCorner({p[0], split[0], split[1], split[2], 1, p[5], p[6]});
    const std::string why = testing_support::Describe(pt);
    const Scheme k = DrawnScheme(p[0], p[5], p[6], p[1]);
    const auto chains = PrintedChains(t.main);
    for (int axis = 0; axis < 2; ++axis) {
      const auto want = ChainGaps(k.points, axis == 0);
      const auto& got = chains[static_cast<std::size_t>(axis)];
      ASSERT_EQ(got.size(), want.size()) << why << " chain " << axis;
      for (std::size_t i = 0; i < want.size(); ++i)
        EXPECT_NEAR(got[i], want[i], 1e-3) << why << " chain " << axis << " gap " << i;
    }
    const double P = NumberAfter(t.main, "{\\small $P="), F = NumberAfter(t.main, "$F="),
                 R = NumberAfter(t.main, "$R="), delta = NumberAfter(t.main, "$\\delta=");
    std::size_t at = t.main.find("\\Red{\\put(");
    at = t.main.find("\\vector(", at);
    ASSERT_NE(at, std::string::npos) << why;
    int vx = 0, vy = 0;
    ASSERT_EQ(std::sscanf(t.main.c_str() + at, "\\vector(%d,%d)", &vx, &vy), 2) << why;
    // the couple's box: "...momentp" counter-clockwise, "...momentm" clockwise
    const std::size_t box = t.main.find("moment", t.main.find("%RAZMeR End%"));
    ASSERT_NE(box, std::string::npos) << why;
    const char tag = t.main[box + 6];
    ASSERT_TRUE(tag == 'p' || tag == 'm') << why;
    const auto want = CoupleLimits(k, P, {F * vx, F * vy}, R, delta / 100, tag == 'p' ? 1 : -1);
    const std::string row = FirstRow(t.answers);
    const auto cells = AnswerCells(row);
    ASSERT_EQ(cells.size(), 3u) << why << row;
    if (std::isnan(want[1])) {
      ADD_FAILURE() << why << " no couple balances the scheme";
      continue;
    }
    EXPECT_TRUE(std::isfinite(want[1])) << why << " no upper limit";
    EXPECT_NEAR(cells[2], want[1], Tolerance(row, 2)) << why << row;
    if (std::isinf(want[0])) {
      EXPECT_NE(row.find("$-\\infty$"), std::string::npos) << why << row;
    } else {
      EXPECT_EQ(row.find("infty"), std::string::npos) << why << row;
      EXPECT_NEAR(cells[1], want[0], Tolerance(row, 1)) << why << row;
    }
    ++checked;
  }
  EXPECT_TRUE(testing_support::SweepCovered(checked, 33280));
}

}  // namespace
}  // namespace statics
