#include "subjects/dynamics/two_dof_oscillation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/support/run_harness.h"
#include "tests/support/sweep.h"

namespace dynamics {
namespace {

using testing_support::VariantParams;

testing_support::RunTexts RunRow(int row, const VariantParams& p, int level) {
  auto s = testing_support::NewState();
  s->Level = level;
  return testing_support::RunTableRow(*s, shell::DefaultSubjectTable(), 7, row, {p});
}

std::vector<double> AnswerRow(const std::string& answers) {
  // The one variant's row: after the head's last "\\hline", before the closing one.
  const auto end = answers.rfind("\\hline\\end{tabular}");
  const auto start = answers.rfind("\\hline", end - 1) + 6;
  std::string row = answers.substr(start, end - start);
  row = row.substr(0, row.rfind("\\\\"));
  std::vector<double> out;
  std::string cell;
  for (char c : row + "&") {
    if (c == '&') {
      out.push_back(std::strtod(cell.c_str(), nullptr));
      cell.clear();
    } else {
      cell += c;
    }
  }
  return out;
}

// The number after the first "=" that follows key ("$" skipped).
double ValueOf(const std::string& text, const std::string& key) {
  auto at = text.find(key);
  if (at == std::string::npos) throw std::runtime_error("no " + key);
  at = text.find('=', at) + 1;
  if (text[at] == '$') ++at;
  return std::strtod(text.c_str() + at, nullptr);
}

// A body of the drawn system: its centre's speed and its angular speed times its radius in
// (x', s'), its mass and J/(m r^2).
struct Body {
  double m = 0;
  double vx = 0, vs = 0, wx = 0, ws = 0, j = 0;
};

struct Model {
  std::vector<Body> bodies;  // left side, middle, right side
  double M[2][2] = {};
  double Q[2] = {};
  double stretch[2] = {};    // spring stretch per unit x (left) and s (right)
};

// Side j (0 left, 1 right) of arrangement a read off the figure: the rim point of the fixed
// cylinder moves at x' (left, clockwise: its outer rim goes up, the top of it outward).
Body SideBody(int a, int j, double m, double& stretch, double& lift) {
  Body b;
  b.m = m;
  double v = 0, w = 0, jj = 0;
  switch (a) {
    case 1: v = 1, lift = 1, stretch = 1; break;                  // hangs, rises with x
    case 2: v = 1, lift = 0, stretch = 1; break;                  // block on the floor
    case 3: v = 0.5, w = 0.5, jj = 0.5, stretch = 0.5; break;     // rope at the top
    case 4: v = 1, w = 1, jj = 0.5, stretch = 2; break;           // rope at the centre
    default: w = 1, jj = 0.5, stretch = 1; break;                 // the fixed cylinder itself
  }
  if (a != 1) lift = 0;
  (j == 0 ? b.vx : b.vs) = v;
  (j == 0 ? b.wx : b.ws) = w;
  b.j = jj;
  return b;
}

Model BuildModel(const VariantParams& p, const std::array<double, 3>& masses) {
  Model md;
  const int a[2] = {p[0] == 6 ? 1 : p[0], p[1]};
  double lift[2] = {};
  md.bodies.push_back(SideBody(a[0], 0, masses[0], md.stretch[0], lift[0]));
  Body mid;
  mid.m = masses[1];
  mid.vx = mid.vs = 0.5;  // goes down at the mean of the two rope speeds
  if (p[2] == 2) mid.wx = 0.5, mid.ws = -0.5, mid.j = 0.5;  // the massive pulley turns
  md.bodies.push_back(mid);
  md.bodies.push_back(SideBody(a[1], 1, masses[2], md.stretch[1], lift[1]));
  for (const Body& b : md.bodies) {
    const double v[2] = {b.vx, b.vs}, w[2] = {b.wx, b.ws};
    for (int i = 0; i < 2; ++i) {
      for (int k = 0; k < 2; ++k) md.M[i][k] += b.m * (v[i] * v[k] + b.j * w[i] * w[k]);
    }
  }
  const double g = 9.81;
  md.Q[0] = g * (-lift[0] * masses[0] + 0.5 * masses[1]);
  md.Q[1] = g * (-lift[1] * masses[2] + 0.5 * masses[1]);
  return md;
}

// Natural frequencies of M q'' + diag(k1, k2) q = 0, ascending.
std::array<double, 2> Frequencies(const double M[2][2], double k1, double k2) {
  const double a = M[0][0] * M[1][1] - M[0][1] * M[1][0];
  const double b = -(k1 * M[1][1] + k2 * M[0][0]);
  const double c = k1 * k2;
  const double disc = std::sqrt(std::max(0.0, b * b - 4 * a * c));
  return {std::sqrt(std::max(0.0, (-b - disc) / (2 * a))), std::sqrt((-b + disc) / (2 * a))};
}

std::array<double, 3> PrintedMasses(const std::string& main) {
  std::array<double, 3> m{};
  auto at = main.find("\\vskip2mm{\\small");
  for (double& x : m) {
    at = main.find("$m_", at);
    at = main.find('=', at) + 1;
    x = std::strtod(main.c_str() + at, nullptr);
  }
  return m;
}

void ExpectInertia(const Model& md, const std::vector<double>& row, const std::string& what) {
  EXPECT_NEAR(row[1], md.M[0][0], 1e-3) << what;
  EXPECT_NEAR(row[2], md.M[0][1], 1e-3) << what;
  EXPECT_NEAR(row[3], md.M[1][1], 1e-3) << what;
}

std::vector<testing_support::SweepPoint> Points(int p1_hi) {
  return testing_support::SweepPoints({1, 1, 1, 1, 1, 1, 1}, {p1_hi, 5, 2, 3, 4, 1, 1}, 400, 2,
                                      10);
}

TEST(TwoDofOscillationTest, Row14AccelerationFromTheDrawnSystem) {
  for (const auto& point : Points(6)) {
    const std::string what = testing_support::Describe(point);
    const auto t = RunRow(14, point.p, point.level);
    const auto row = AnswerRow(t.answers);
    ASSERT_EQ(row.size(), 7u) << what;
    const Model md = BuildModel(point.p, PrintedMasses(t.main));
    ExpectInertia(md, row, what);
    EXPECT_NEAR(row[4], md.Q[0], 1e-3) << what;
    EXPECT_NEAR(row[5], md.Q[1], 1e-3) << what;
    const double det = md.M[0][0] * md.M[1][1] - md.M[0][1] * md.M[0][1];
    const double xdd = (md.Q[0] * md.M[1][1] - md.M[0][1] * md.Q[1]) / det;
    const double sdd = (md.M[0][0] * md.Q[1] - md.M[0][1] * md.Q[0]) / det;
    // The body labelled A: its centre's acceleration.
    const size_t a = t.main.find("$A$}}");
    const size_t b = t.main.find("$B$}}");
    const size_t c = t.main.find("$C$}}");
    ASSERT_NE(a, std::string::npos) << what;
    const int which = a < std::min(b, c) ? 0 : (a > std::max(b, c) ? 2 : 1);
    const Body& body = md.bodies[which];
    EXPECT_NEAR(row[6], body.vx * xdd + body.vs * sdd, 1e-4) << what;
  }
}

TEST(TwoDofOscillationTest, Rows17And19FrequenciesFromDetKMinusOmegaSquaredM) {
  for (int r : {17, 19}) {
    for (const auto& point : Points(5)) {
      const std::string what = testing_support::Describe(point) + " row " + std::to_string(r);
      const auto t = RunRow(r, point.p, point.level);
      const auto row = AnswerRow(t.answers);
      const auto masses = PrintedMasses(t.main);
      const Model md = BuildModel(point.p, masses);
      ExpectInertia(md, row, what);
      if (r == 17) {
        ASSERT_EQ(row.size(), 5u) << what;
        const double c = ValueOf(t.main, " $c$");
        const auto w = Frequencies(md.M, 0, c * md.stretch[1] * md.stretch[1]);
        EXPECT_NEAR(row[4], w[1], 1e-4) << what;
        continue;
      }
      ASSERT_EQ(row.size(), 9u) << what;
      const double k1 = ValueOf(t.main, " $c_1") * md.stretch[0] * md.stretch[0];
      const double k2 = ValueOf(t.main, " $c_2") * md.stretch[1] * md.stretch[1];
      const auto w = Frequencies(md.M, k1, k2);
      EXPECT_NEAR(row[4], w[0], 1e-3) << what;
      EXPECT_NEAR(row[5], w[1], 1e-3) << what;
      // Limiting frequencies: each body in turn made 1e9 times heavier.
      std::vector<double> limits;
      for (int i = 0; i < 3; ++i) {
        auto heavy = masses;
        heavy[i] *= 1e9;
        const Model hm = BuildModel(point.p, heavy);
        limits.push_back(Frequencies(hm.M, k1, k2)[1]);
      }
      std::sort(limits.begin(), limits.end());
      for (int i = 0; i < 3; ++i) EXPECT_NEAR(row[6 + i], limits[i], 2e-3) << what << " " << i;
    }
  }
}

TEST(TwoDofOscillationTest, Row18StiffnessBringsTheFrequenciesClosest) {
  for (const auto& point : Points(5)) {
    const std::string what = testing_support::Describe(point);
    const auto t = RunRow(18, point.p, point.level);
    const auto row = AnswerRow(t.answers);
    ASSERT_EQ(row.size(), 8u) << what;
    const Model md = BuildModel(point.p, PrintedMasses(t.main));
    ExpectInertia(md, row, what);
    const bool firstGiven = t.main.find(" $c_1$=") != std::string::npos;
    const double given = firstGiven ? row[4] : row[5];
    const double e1 = md.stretch[0] * md.stretch[0], e2 = md.stretch[1] * md.stretch[1];
    auto gap = [&](double c) {
      const auto w = firstGiven ? Frequencies(md.M, given * e1, c * e2)
                                : Frequencies(md.M, c * e1, given * e2);
      return w[1] - w[0];
    };
    // Golden-section search for the stiffness with the smallest gap.
    double lo = 1e-6, hi = 1e4;
    for (int i = 0; i < 200; ++i) {
      const double m1 = lo + (hi - lo) * 0.382, m2 = lo + (hi - lo) * 0.618;
      (gap(m1) < gap(m2) ? hi : lo) = (gap(m1) < gap(m2) ? m2 : m1);
    }
    const double best = (lo + hi) / 2;
    const double printed = firstGiven ? row[5] : row[4];
    EXPECT_NEAR(printed, best, 2e-3 * best + 1e-3) << what;
    const auto w = firstGiven ? Frequencies(md.M, given * e1, printed * e2)
                              : Frequencies(md.M, printed * e1, given * e2);
    EXPECT_NEAR(row[6], w[1], 2e-3) << what;  // the larger first
    EXPECT_NEAR(row[7], w[0], 2e-3) << what;
  }
}

TEST(TwoDofOscillationTest, EdgeCases) {
  // P1 = 6 is P1 = 1, and the variant leaves P1 = 1.
  auto s = testing_support::NewState();
  s->Level = 3;
  testing_support::SetVariant(*s, 1, {6, 2, 1, 2, 3, 1, 1});
  BeginTwoDofOscillationProblem(*s, 14);
  WriteTwoDofOscillationVariant(*s, 14);
  EXPECT_EQ(s->P1, 1);
  EXPECT_EQ(RunRow(14, {6, 2, 1, 2, 3, 1, 1}, 3).answers,
            RunRow(14, {1, 2, 1, 2, 3, 1, 1}, 3).answers);
  // P1 = 5 with P4 = 1 (and P2 = 5 with P4 = 3): the middle body is A, P4 holds 2.
  EXPECT_EQ(DeriveTwoDofSystem(17, 5, 2, 1, 1, 2).p4, 2);
  EXPECT_EQ(DeriveTwoDofSystem(17, 5, 2, 1, 1, 2).letter[2], 'A');
  EXPECT_EQ(DeriveTwoDofSystem(17, 2, 5, 1, 3, 2).p4, 2);
  // Equal stiffnesses: c1 is raised by 1 (k = 1: c1 = P1 + P5 - 1 = 3, c2 = P2 + P4 + P3 - 2).
  const auto eq = DeriveTwoDofSystem(19, 2, 2, 1, 2, 2);
  EXPECT_EQ(eq.c[1], 4);
  EXPECT_EQ(eq.c[2], 3);
  // Row 17: the spring is on the right, whatever P5.
  EXPECT_EQ(DeriveTwoDofSystem(17, 1, 1, 1, 1, 1).k, 2);
  const auto r17 = RunRow(17, {1, 1, 1, 1, 1, 1, 1}, 2);
  EXPECT_NE(r17.main.find("pruzV"), std::string::npos);
  EXPECT_EQ(r17.main.find("pruzVl"), std::string::npos);
  // Row 19 with the pulley (P3 = 2): one limiting frequency is 0.
  const auto r19 = DeriveTwoDofSystem(19, 1, 3, 2, 2, 4);
  EXPECT_EQ(r19.limits[0], 0);
  EXPECT_GT(r19.limits[1], 0);
  // Row 18 writes the larger frequency first.
  const auto r18 = DeriveTwoDofSystem(18, 3, 4, 1, 2, 3);
  EXPECT_GT(r18.omega1, r18.omega2);
}

}  // namespace
}  // namespace dynamics

namespace dynamics {
namespace {

// The answers rows byte for byte (the values are those the model checks above confirm).
TEST(TwoDofOscillationTest, GoldenAnswerRows) {
  struct Case {
    int row;
    VariantParams p;
    const char* answers_row;
  };
  const Case cases[] = {
      {14, {6, 2, 1, 2, 3, 1, 1}, "\r\n   1&  4.000& 1.000&  7.000&  -9.810&  19.620&   0.0000  \\\\"},
      {17, {1, 1, 1, 1, 1, 1, 1}, " \r\n   1&  2.500& 0.500&  3.500&   0.5423 \\\\"},
      {18, {3, 4, 1, 2, 3, 1, 1}, " \r\n   1&  2.875& 1.000& 10.000& 22.200&  5.000&  1.555&  1.286  \\\\"},
      {19, {1, 3, 2, 2, 4, 1, 1}, " \r\n   1&  4.875& 0.625&  4.875& 0.452& 1.023& 0.000& 0.453& 1.013 \\\\"},
  };
  for (const Case& c : cases) {
    const std::string ans = RunRow(c.row, c.p, 2).answers;
    const auto end = ans.rfind("\\hline\\end{tabular}");
    const auto start = ans.rfind("\\hline", end - 1) + 6;
    EXPECT_EQ(ans.substr(start, end - start), c.answers_row) << c.row;
  }
}

}  // namespace
}  // namespace dynamics
