#include <gtest/gtest.h>

#include <array>
#include <tuple>
#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "shell/dispatch.h"
#include "subjects/kinematics/kinematics.h"
#include "subjects/kinematics/kinematics_check.h"
#include "subjects/kinematics/linkage_geometry.h"
#include "toolkit/errors.h"
#include "figures/figure_state.h"

namespace {

using namespace linkage_geometry;

using kinematics_check::Agrees;
using kinematics_check::RunOne;
using kinematics_check::RunSubjectVariant;

constexpr double kPi = std::numbers::pi;
// The differences of the position analysis agree to about 1e-5 of the value; near a dead point
// (P = 2,3,4,6,5: the rod to C almost across its guide, a_C above 20000 m/s^2) that is the
// limit of the stencil, not of the printed answer.
constexpr double kRelative = 5e-5;


P2d Step(int code) {
  switch (code) {
    case 1: return {1, 0};
    case 2: return {0, 1};
    case 3: return {-1, 0};
    default: return {0, -1};
  }
}

// The mechanism as printed and drawn: lengths from the data, directions of OA and DB from the
// drawn supports' codes, the angles alpha and beta of the figure with their senses.
struct Mechanism {
  double L1 = 0, L2 = 0, L3 = 0, L4 = 0, w = 0;
  bool g_point = false;  // the rod to C starts beyond G on the line A-G
  int driver = 1;        // 1 crank, 2 rocker, 3 slider
  P2d A, O, G, D, B, C, guide;
};

// Positions of A, G (the rocker's joint), B (the rod's joint) and C when the driver has moved
// by q from the drawn position.
struct Positions {
  P2d A, G, B, C;
};

Positions Move(const Mechanism& m, double q) {
  Positions p;
  if (m.driver == 1) {
    const double th = std::atan2(m.A.y - m.O.y, m.A.x - m.O.x) + q;
    p.A = m.O + m.L2 * P2d{std::cos(th), std::sin(th)};
    p.G = Intersect(p.A, m.L1, m.D, m.L4, m.G);
  } else if (m.driver == 2) {
    const double ps = std::atan2(m.G.y - m.D.y, m.G.x - m.D.x) + q;
    p.G = m.D + m.L4 * P2d{std::cos(ps), std::sin(ps)};
    p.A = Intersect(m.O, m.L2, p.G, m.L1, m.A);
  } else {
    p.C = m.C + q * m.guide;
    p.G = Intersect(p.C, m.L3, m.D, m.L4, m.G);
    p.A = Intersect(m.O, m.L2, p.G, m.L1, m.A);
    p.B = p.G;
    return p;
  }
  p.B = m.g_point ? p.G + (m.L1 / Len(p.G - p.A)) * (p.G - p.A) : p.G;
  // C on its guide at L3 from B, the root nearest the drawn C.
  const P2d rel = p.B - m.C;
  const double bq = rel.x * m.guide.x + rel.y * m.guide.y;
  const double cq = rel.x * rel.x + rel.y * rel.y - m.L3 * m.L3;
  const double root = std::sqrt(std::max(0.0, bq * bq - cq));
  const double lam = std::abs(bq - root) < std::abs(bq + root) ? bq - root : bq + root;
  p.C = m.C + lam * m.guide;
  return p;
}

Mechanism Read(const kinematics_check::Params& p, const std::string& main) {
  Mechanism m;
  m.g_point = p[4] >= 4;
  m.driver = p[4] == 3 ? 3 : (p[4] == 2 || p[4] == 5 ? 2 : 1);
  m.L2 = NumberAfter(main, "$OA=");
  m.L1 = NumberAfter(main, m.g_point ? "$BG=" : "$AB=");
  m.L4 = NumberAfter(main, m.g_point ? "$DG=" : "$DB=");
  m.L3 = NumberAfter(main, "$BC=");
  m.w = m.driver == 3 ? NumberAfter(main, "$v_c=") : NumberAfter(main, "}=");
  // The angle marks: alpha at A, then beta at B; their senses from P3.
  const std::size_t first = main.find("^\\circ$");
  const double alpha = std::stod(main.substr(main.rfind('$', first) + 1));
  const std::size_t second = main.find("^\\circ$", first + 1);
  const double beta = std::stod(main.substr(main.rfind('$', second) + 1));
  const int s = p[2] % 2 == 1 ? 1 : 2, u = p[2] <= 2 ? 1 : 2;
  const double phi1 = alpha * (3 - 2 * s) * kPi / 180, phi2 = beta * (3 - 2 * u) * kPi / 180;
  m.A = {0, 0};
  m.O = m.L2 * Step(p[0]);
  m.G = m.L1 * P2d{std::cos(phi1), std::sin(phi1)};
  m.D = m.G + m.L4 * Step(p[1]);
  m.B = m.g_point ? m.G + m.L1 * P2d{std::cos(phi1), std::sin(phi1)} : m.G;
  m.C = m.B + m.L3 * P2d{std::cos(phi2), std::sin(phi2)};
  m.guide = main.find("slblockh") != std::string::npos ? P2d{1, 0} : P2d{0, 1};
  return m;
}

void CheckRow8(const kinematics_check::Params& p, int level) {
  const auto v = RunOne(8, p, level);
  const std::string what = kinematics_check::Describe(p) + "\n" + v.main;
  const Mechanism m = Read(p, v.main);
  const double rate = m.w;  // rad/s of the driving link, or cm/s of the slider
  // A small step: near a dead point the links turn fast and the stencil's error grows.
  const double h = 1e-4;
  Positions q[5];
  for (int i = 0; i < 5; ++i) q[i] = Move(m, rate * (i - 2) * h);
  auto rates = [&](const std::function<double(const Positions&)>& f) {
    return kinematics_check::RatesOver(q, h, f);
  };
  auto motion = [&](P2d Positions::*pt) {
    const auto [vx, ax] = rates([&](const Positions& s) { return (s.*pt).x; });
    const auto [vy, ay] = rates([&](const Positions& s) { return (s.*pt).y; });
    return std::pair{std::hypot(vx, vy) * 0.01, std::hypot(ax, ay) * 0.01};
  };
  auto link = [&](P2d Positions::*from, P2d Positions::*to) {
    const P2d ref = q[2].*to - q[2].*from;
    return rates([&](const Positions& s) { return AngleTo(s.*to - s.*from, ref); });
  };
  const auto [vA, aA] = motion(&Positions::A);
  const auto [vB, aB] = motion(&Positions::B);
  const auto [vC, aC] = motion(&Positions::C);
  const auto [vG, aG] = motion(&Positions::G);
  // O and D are fixed: their links' angles are measured from them.
  const double wOA = rates([&](const Positions& s) {
                       return AngleTo(s.A - m.O, m.A - m.O);
                     }).first;
  const double wDB = rates([&](const Positions& s) {
                       return AngleTo(s.G - m.D, m.G - m.D);
                     }).first;
  const auto [wAB, eAB] = link(&Positions::A, &Positions::G);
  const auto [wBC, eBC] = link(&Positions::B, &Positions::C);

  const auto row1 = RowCells(v.answers), row2 = RowCells(v.second_answers);
  ASSERT_EQ(row1.size(), 9u) << v.answers;
  ASSERT_EQ(row2.size(), 8u) << v.second_answers;
  std::vector<double> e1{vA, vB, vC, vG, aA, aB, aC, aG};
  std::vector<double> e2{wOA, wDB, wDB, wAB, wBC, eAB, eBC};
  if (!m.g_point) e1[3] = e1[7] = std::nan("");
  if (m.g_point) {
    e2[1] = std::nan("");
  } else {
    e2[2] = std::nan("");
  }
  // A cell after the variant number agrees with its expected value, or is empty where none is.
  auto expect_cells = [&](const std::vector<double>& row, const std::vector<double>& expected,
                          const std::string& text) {
    for (std::size_t i = 0; i < expected.size(); ++i) {
      if (std::isnan(expected[i])) {
        EXPECT_TRUE(std::isnan(row[i + 1])) << what << "\n" << text;
      } else {
        EXPECT_TRUE(Agrees(row[i + 1], expected[i], 3, kRelative))
            << what << "\n" << text << "\ncell " << i + 1 << " expected " << expected[i];
      }
    }
  };
  expect_cells(row1, e1, v.answers);
  expect_cells(row2, e2, v.second_answers);
}

TEST(FourLinkMechanism, AnswersFollowFromTheMechanismsMotion) {
  long long checked = 0;
  // Every geometry with every angular velocity: P6 in 1, 5, .., 33 gives w = 1..9.
  kinematics_check::ForEachSample(
      {4, 4, 4, 8, 5, 9, 1}, 900,
      [&](auto p, int level) {
        p[5] = 4 * (p[5] - 1) + 1;
        CheckRow8(p, level);
        ++checked;
      },
      1);
  EXPECT_TRUE(testing_support::SweepCovered(checked, 4 * 4 * 4 * 8 * 5 * 9)) << checked;
  for (int p5 = 1; p5 <= 5; ++p5) CheckRow8({2, 3, 4, 5, p5, 33, 1}, 10);
}

TEST(FourLinkMechanism, GoldenLines) {
  // The slider drives at 5 w cm/s: the data give v_c, the key marks it, the figure shows it.
  const auto v = RunOne(8, {1, 1, 1, 1, 3, 9, 1});
  EXPECT_NE(v.main.find(" $v_c=15$~см/c,\\\\\r\n"), std::string::npos) << v.main;
  EXPECT_NE(v.answers.find("*&---&"), std::string::npos) << v.answers;
  EXPECT_NE(v.main.find("\\Red{\\put("), std::string::npos) << v.main;
  EXPECT_NE(v.main.find("{\\thicklines\\vector(0,1){17}}}%"), std::string::npos) << v.main;
  // P1 = 3 makes AB equal to OA.
  const auto w = RunOne(8, {3, 2, 1, 4, 1, 1, 1});
  EXPECT_EQ(NumberAfter(w.main, "$AB="), NumberAfter(w.main, "$OA="));
  EXPECT_NE(w.main.find("$\\omega_{OA}=1$~рад/c,\\\\ \r\n"), std::string::npos) << w.main;
  // Other modes of the family write nothing on this tab.
  auto s = testing_support::NewState();
  kinematics::BeginFourLinkMechanismProblem(*s, 7);
  EXPECT_EQ(s->ParboxWidth, 190);
  EXPECT_EQ(testing_support::MainText(*s), "");
}

void CheckMomentRow(kinematics_check::Params p, int level) {
  const auto v = RunSubjectVariant(7, 12, p, level);  // Dynamics row 12, the moment mode
  const std::string what = kinematics_check::Describe(p) + "\n" + v.main;
  EXPECT_EQ(v.p_after[4], 1) << what;  // the crank drives
  p[4] = 1;
  Mechanism m = Read(p, v.main);
  m.w = NumberAfter(v.main, "$\\omega_{OA}=");
  const double mA = NumberAfter(v.main, "$m_A="), mB = NumberAfter(v.main, "$m_B=");
  const double mC = NumberAfter(v.main, "$m_C="), mE = NumberAfter(v.main, "$m_E=");
  const double f_fr = NumberAfter(v.main, "$F_{fr}="), m_fr = NumberAfter(v.main, "$M_{fr}=");
  const double h = 1e-4;
  Positions q[5];
  for (int i = 0; i < 5; ++i) q[i] = Move(m, m.w * (i - 2) * h);
  auto rates = [&](const std::function<double(const Positions&)>& f) {
    return kinematics_check::RatesOver(q, h, f);
  };
  struct Kin {
    double vx, vy, ax, ay;
  };
  // Velocities and accelerations in m/s and m/s^2.
  auto kin = [&](const std::function<P2d(const Positions&)>& f) {
    const auto [vx, ax] = rates([&](const Positions& s) { return f(s).x; });
    const auto [vy, ay] = rates([&](const Positions& s) { return f(s).y; });
    return Kin{vx * 0.01, vy * 0.01, ax * 0.01, ay * 0.01};
  };
  const Kin A = kin([](const Positions& s) { return s.A; });
  const Kin B = kin([](const Positions& s) { return s.G; });
  const Kin C = kin([](const Positions& s) { return s.C; });
  const Kin E = kin([](const Positions& s) { return 0.5 * (s.A + s.G); });
  auto speed = [](const Kin& k) { return std::hypot(k.vx, k.vy); };
  auto accel = [](const Kin& k) { return std::hypot(k.ax, k.ay); };
  const double wDB = rates([&](const Positions& s) { return AngleTo(s.G - m.D, m.G - m.D); }).first;
  const P2d refAB = q[2].G - q[2].A, refBC = q[2].C - q[2].G;
  const double eAB = rates([&](const Positions& s) { return AngleTo(s.G - s.A, refAB); }).second;
  const auto [wBC, eBC] = rates([&](const Positions& s) { return AngleTo(s.C - s.G, refBC); });
  // Powers by their definitions.
  double n_a = 0, n_p = 0;
  for (const auto& [k, mass] : {std::pair{A, mA}, {B, mB}, {C, mC}, {E, mE}}) {
    n_a -= mass * (k.ax * k.vx + k.ay * k.vy);
    n_p -= mass * 9.81 * k.vy;
  }
  const double n_fr = -std::abs(m.guide.x * C.vx + m.guide.y * C.vy) * f_fr;
  const double n_m = -(std::abs(m.w) + std::abs(wDB)) * m_fr;

  const auto row1 = RowCells(v.answers), row2 = RowCells(v.second_answers);
  ASSERT_EQ(row1.size(), 10u) << v.answers;
  ASSERT_EQ(row2.size(), 10u) << v.second_answers;
  const double e1[] = {speed(A), speed(B), speed(C), speed(E), accel(A), accel(B), accel(C), accel(E)};
  for (int i = 0; i < 8; ++i) {
    EXPECT_TRUE(Agrees(row1[i + 1], e1[i], 3, kRelative)) << what << "\n" << v.answers << " cell " << i + 1 << " " << e1[i];
  }
  const double e2[] = {m.w, wDB, wBC, eAB, eBC, n_p, n_a, n_fr, n_m};
  for (int i = 0; i < 9; ++i) {
    EXPECT_TRUE(Agrees(row2[i + 1], e2[i], 3, kRelative)) << what << "\n" << v.second_answers << " cell " << i + 1 << " " << e2[i];
  }
  // The moment balances the powers at the crank.
  const double M = row1[9];
  EXPECT_NEAR(M * m.w + row2[6] + row2[7] + row2[8] + row2[9], 0, 0.002 * (1 + std::abs(M)))
      << what << "\n" << v.answers << "\n" << v.second_answers;
}

TEST(FourLinkMechanism, MomentModeBalancesThePowers) {
  long long checked = 0;
  kinematics_check::ForEachSample(
      {4, 4, 4, 8, 2, 4, 4}, 500,
      [&](auto p, int level) {
        p[5] = 1 + (p[5] - 1) * 10;  // P6 1, 11, 21, 31
        p[6] = 1 + (p[6] - 1) * 10;  // P7 1, 11, 21, 31
        CheckMomentRow(p, level);
        ++checked;
      },
      1);
  EXPECT_GT(checked, 0);
  CheckMomentRow({3, 2, 1, 5, 2, 33, 32}, 10);
}

// x of A x = b by Gaussian elimination with partial pivoting.
std::vector<double> SolveLinear(std::vector<std::vector<double>> A, std::vector<double> b) {
  const std::size_t n = b.size();
  for (std::size_t k = 0; k < n; ++k) {
    std::size_t piv = k;
    for (std::size_t i = k + 1; i < n; ++i) {
      if (std::abs(A[i][k]) > std::abs(A[piv][k])) piv = i;
    }
    std::swap(A[k], A[piv]);
    std::swap(b[k], b[piv]);
    for (std::size_t i = k + 1; i < n; ++i) {
      const double f = A[i][k] / A[k][k];
      for (std::size_t j = k; j < n; ++j) A[i][j] -= f * A[k][j];
      b[i] -= f * b[k];
    }
  }
  std::vector<double> x(n);
  for (std::size_t k = n; k-- > 0;) {
    double sum = b[k];
    for (std::size_t j = k + 1; j < n; ++j) sum -= A[k][j] * x[j];
    x[k] = sum / A[k][k];
  }
  return x;
}

// The six support reactions of the four rods from their equilibrium: each rod's forces and
// moment balance, pins at A and B, the rods' weights at their middles.
void CheckStaticsRow(kinematics_check::Params p, int level) {
  const auto v = RunSubjectVariant(7, 9, p, level);  // Dynamics row 9, the statics mode
  const std::string what = kinematics_check::Describe(p) + " level " + std::to_string(level) +
                           "\n" + v.main + "\n" + v.answers;
  const int loaded = p[4];
  p[4] = 1;
  const Mechanism m = Read(p, v.main);
  auto si = [](P2d q) { return 0.01 * q; };  // cm to m
  const P2d O = si(m.O), A = si(m.A), B = si(m.G), D = si(m.D), C = si(m.C);
  const double rho = NumberAfter(v.main, "$\\rho=");
  const double M = NumberAfter(v.main, "$M=") *
                   (v.main.find("{\\usebox{\\momentplus}}") != std::string::npos ? 1 : -1);
  // The drawn forces: F at A along the direction after code P1, P at B after code P2.
  P2d FA{}, PB{};
  for (int i : {1, 2}) {
    const bool drawn = i == loaded || level == 1;
    if (!drawn) continue;
    const int code = i == 1 ? p[0] : p[1];
    const P2d dir = Step(code >= 4 ? 1 : code + 1);
    const double mag = NumberAfter(v.main, i == 1 ? "$F$=" : "$P$=");
    EXPECT_FALSE(std::isnan(mag)) << "the force drawn at " << i << " has no value: " << what;
    (i == 1 ? FA : PB) = mag * dir;
  }
  auto weight = [&](P2d a, P2d b) { return P2d{0, -rho * Len(b - a)}; };
  auto cross = [](P2d r, P2d f) { return r.x * f.y - r.y * f.x; };
  // Unknowns: R_O, R_C, R_D (on the rods from the supports), then the forces on A-B from O-A at
  // A, from B-D at B and from B-C at B.
  std::vector<std::vector<double>> K(12, std::vector<double>(12, 0));
  std::vector<double> rhs(12, 0);
  int row = 0;
  // A rod with its support force `support` (unknown index or -1) at `s`, the pin force `pin`
  // (unknown index) acting on it with `sign` at `at`, and the known loads.
  auto rod = [&](P2d pivot, int support, std::vector<std::tuple<int, double, P2d>> pins,
                 P2d loadsum, double loadmoment) {
    // Sum of forces.
    for (int c = 0; c < 2; ++c) {
      if (support >= 0) K[row][support + c] += 1;
      for (const auto& [idx, sign, at] : pins) K[row][idx + c] += sign;
      rhs[row] = -(c == 0 ? loadsum.x : loadsum.y);
      ++row;
    }
    // Moments about the pivot (the support force passes through it).
    for (const auto& [idx, sign, at] : pins) {
      const P2d r = at - pivot;
      K[row][idx] += sign * (-r.y);
      K[row][idx + 1] += sign * r.x;
    }
    rhs[row] = -loadmoment;
    ++row;
  };
  const int RO = 0, RC = 2, RD = 4, PA = 6, PBD = 8, PBC = 10;
  const P2d wOA = weight(O, A), wAB = weight(A, B), wBD = weight(B, D), wBC = weight(B, C);
  rod(O, RO, {{PA, -1, A}}, wOA, cross(0.5 * (A - O), wOA));
  // A-B about A: the pins at A pass through it.
  {
    for (int c = 0; c < 2; ++c) {
      for (int idx : {PA, PBD, PBC}) K[row][idx + c] += 1;
      rhs[row] = -(c == 0 ? wAB.x + FA.x + PB.x : wAB.y + FA.y + PB.y);
      ++row;
    }
    const P2d r = B - A;
    for (int idx : {PBD, PBC}) {
      K[row][idx] += -r.y;
      K[row][idx + 1] += r.x;
    }
    rhs[row] = -(cross(0.5 * r, wAB) + cross(r, PB) + M);
    ++row;
  }
  rod(D, RD, {{PBD, -1, B}}, wBD, cross(0.5 * (B - D), wBD));
  rod(C, RC, {{PBC, -1, B}}, wBC, cross(0.5 * (B - C), wBC));
  const auto x = SolveLinear(K, rhs);
  const auto cells = RowCells(v.answers);
  ASSERT_EQ(cells.size(), 7u) << what;
  const double expect[] = {x[RO], x[RO + 1], x[RC], x[RC + 1], x[RD], x[RD + 1]};
  for (int i = 0; i < 6; ++i) {
    EXPECT_TRUE(Agrees(cells[i + 1], expect[i], 3, 1e-7))
        << what << "\ncell " << i + 1 << " expected " << expect[i];
  }
}

TEST(FourLinkMechanism, StaticsModeReactionsBalanceTheRods) {
  kinematics_check::SweepAtLevels1And10({4, 4, 4, 8, 2, 1, 1}, 400, CheckStaticsRow);
}

// A document is the same whether it is the first of the run or follows other rows: the Start
// road resets the drawing state, and the solver clears what it reads.
TEST(FourLinkMechanism, DocumentDoesNotDependOnEarlierRows) {
  const std::vector<testing_support::VariantParams> variants{
      {1, 2, 3, 4, 1, 5, 1}, {2, 3, 4, 5, 2, 9, 1}, {3, 1, 2, 6, 3, 13, 1},
      {4, 4, 1, 7, 4, 17, 1}, {2, 2, 2, 8, 5, 33, 1}};
  const auto& table = shell::DefaultSubjectTable();
  auto fresh = testing_support::NewState();
  const auto alone = testing_support::RunTableRow(*fresh, table, 6, 8, variants);
  auto busy = testing_support::NewState();
  for (int row : {6, 18, 23, 8, 19}) {
    testing_support::RunTableRow(*busy, table, 6, row, variants);
  }
  figures::ResetDrawingState(*busy);
  const std::size_t m0 = testing_support::MainText(*busy).size();
  const std::size_t a0 = testing_support::AnsText(*busy).size();
  const std::size_t b0 = testing_support::Ans2Text(*busy).size();
  const auto after = testing_support::RunTableRow(*busy, table, 6, 8, variants);
  EXPECT_EQ(after.main.substr(m0), alone.main);
  EXPECT_EQ(after.answers.substr(a0), alone.answers);
  EXPECT_EQ(after.second_answers.substr(b0), alone.second_answers);
}

}  // namespace
