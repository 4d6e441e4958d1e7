#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "figures/figure_state.h"
#include "shell/dispatch.h"
#include "subjects/kinematics/kinematics_check.h"
#include "subjects/kinematics/linkage_geometry.h"

namespace {

using namespace linkage_geometry;

using kinematics_check::Agrees;
using kinematics_check::RunOne;

constexpr double kPi = std::numbers::pi;
constexpr double kR = 10;


// The point of the line through `on` along the unit `dir` at distance L from p, nearest `on`.
P2d OnGuide(P2d p, double L, P2d on, P2d dir) {
  const P2d rel = p - on;
  const double b = rel.x * dir.x + rel.y * dir.y;
  const double c = rel.x * rel.x + rel.y * rel.y - L * L;
  const double root = std::sqrt(std::max(0.0, b * b - c));
  const double lam = std::abs(b - root) < std::abs(b + root) ? b - root : b + root;
  return on + lam * dir;
}

// The mechanism of a scheme as the student reads it: the crank, the rod L1 from A to the first
// slider, L2 on to the second, the rocker from `from` to D about E; written from the problem's
// geometry, apart from the generator.
struct Mechanism {
  int scheme = 1;
  double oa = 0, w = 0, theta = 0, L1 = 0, L2 = 0, r1 = 0, r2 = 0;
  P2d A, B, C, D, E, F, guideB;
  bool ac = false;        // the rod from A runs to C (schemes 11, 12)
  bool c_from_a = false;  // schemes 6-10: C joined to A
  char from = 'A';
  bool top = true;
};

double Sqd(double a, double b) { return std::sqrt(a * a - b * b); }

Mechanism Build(const kinematics_check::Params& p, const std::string& main) {
  Mechanism m;
  const int P1 = p[0], P2 = p[1], P4 = p[3], P5 = p[4];
  m.scheme = P1;
  m.w = NumberAfter(main, "$\\omega_{OA}=");
  m.theta = NumberAfter(main, "$\\alpha=") * kPi / 180;
  m.oa = NumberAfter(main, "$OA$=$");
  EXPECT_EQ(m.oa, P4 + 13);
  EXPECT_EQ(m.w, p[5]);
  m.ac = P1 == 11 || P1 == 12;
  m.c_from_a = P1 >= 6 && P1 <= 10;
  const char* n1 = m.ac ? "AC" : "AB";
  const char* n2 = m.ac || !m.c_from_a ? "BC" : "AC";
  m.L1 = NumberAfter(main, std::string("$") + n1 + "$=$");
  m.L2 = NumberAfter(main, std::string("$") + n2 + "$=$");
  m.r2 = NumberAfter(main, "$DE$=$");
  for (const char* n3 : {"AD", "BD", "CD"}) {
    const double v = NumberAfter(main, std::string("$") + n3 + "$=$");
    if (!std::isnan(v)) m.r1 = v, m.from = n3[0];
  }
  m.A = m.oa * P2d{std::cos(m.theta), std::sin(m.theta)};
  const double xa = m.A.x, ya = m.A.y;
  // Guides, the drawn positions and the fixed pivot, scheme by scheme.
  const bool horizontal_b = P1 == 1 || P1 == 2 || P1 == 5 || P1 == 6 || P1 == 10 || P1 == 13 ||
                            P1 == 14;
  m.guideB = horizontal_b ? P2d{1, 0} : P2d{0, 1};
  int side = 1;
  switch (P1) {
    case 1: m.B = {xa - Sqd(m.L1, ya), 0}; m.C = {m.B.x - Sqd(m.L2, kR), kR}; m.E = {m.oa + P2, 0}; break;
    case 2: m.B = {xa + Sqd(m.L1, ya + 10), -10}; m.C = {m.B.x + Sqd(m.L2, 20), kR}; m.E = {0, 20}; break;
    case 3:
    case 15: {
      m.B = {0, ya + Sqd(m.L1, xa)};
      const double yc = kR + 14 + 2 * P2;
      m.C = {Sqd(m.L2, yc - m.B.y), yc};
      m.E = P1 == 3 ? P2d{20, 0} : P2d{2.0 * P5 + 32, 0};
      side = P1 == 3 ? 1 : -1;
      break;
    }
    case 4: m.B = {-(P5 + 16.0), ya - Sqd(m.L1, xa + P5 + 16)}; m.C = {m.B.x - Sqd(m.L2, -30 - m.B.y), -30}; m.E = {0, -25.0 - P2}; side = -1; break;
    case 5: m.B = {xa - Sqd(m.L1, P2 + 14 - ya), P2 + 14.0}; m.C = {m.B.x + Sqd(m.L2, kR + P2 + 14 - m.B.y), kR + P2 + 14}; m.E = {-23.0 - P5, 0}; side = -1; break;
    case 6: m.B = {xa - Sqd(m.L1, ya), 0}; m.C = {xa + Sqd(m.L2, kR - ya), kR}; m.E = {15, 30}; break;
    case 7: m.B = {0, ya - Sqd(m.L1, xa)}; m.C = {xa - Sqd(m.L2, ya), 0}; m.E = {P2 + 20.0, 0}; side = -1; break;
    case 8: m.B = {-8.0 - P2, ya + Sqd(m.L1, -8 - P2 - xa)}; m.C = {xa + Sqd(m.L2, kR - ya), kR}; m.E = {20, P5 + 21.0}; side = -1; break;
    case 9: m.B = {P2 + 10.0, ya + Sqd(m.L1, P2 + 10 - xa)}; m.C = {xa + Sqd(m.L2, kR - ya), kR}; m.E = {2.0 * P2 + 20, m.oa + 10}; side = -1; break;
    case 10: m.B = {xa + Sqd(m.L1, ya), 0}; m.C = {xa - Sqd(m.L2, kR - ya), kR}; m.E = {-25, 0}; side = -1; break;
    case 11: m.C = {xa + Sqd(m.L1, ya), 0}; m.B = {m.L1 + 8, Sqd(m.L2, m.C.x - m.L1 - 8)}; m.E = {m.B.x + 17 + P2, 0}; side = -1; break;
    case 12: m.C = {xa - Sqd(m.L1, ya), 0}; m.B = {-14.0 - P2, Sqd(m.L2, m.C.x + 14 + P2)}; m.E = {0, 23}; break;
    case 13: m.B = {xa - Sqd(m.L1, ya), 0}; m.C = {m.B.x - Sqd(m.L2, kR), kR}; m.E = {m.oa + 2 * P2, 0}; break;
    default: m.B = {xa - Sqd(m.L1, ya), 0}; m.C = {m.B.x - Sqd(m.L2, kR), kR}; m.E = {0, m.oa + 3 * P2 + 2}; break;
  }
  const P2d from = m.from == 'A' ? m.A : (m.from == 'B' ? m.B : m.C);
  // D on the counter-clockwise side of from->E for side +1.
  const P2d u = (1 / Len(m.E - from)) * (m.E - from);
  const P2d left{-u.y, u.x};
  const P2d guess = 0.5 * (from + m.E) + (side * 100.0) * left;
  m.D = Intersect(from, m.r1, m.E, m.r2, guess);
  m.top = P1 <= 6 || P1 == 9 || P1 == 11;
  if (m.top) {
    m.F = m.C + P2d{0, kR};
  } else if (P1 == 7 || P1 == 10 || P1 == 12 || P1 == 13 || P1 == 14) {
    m.F = m.C + P2d{-kR, 0};
  } else {
    m.F = m.C + P2d{kR, 0};
  }
  return m;
}

struct Positions {
  P2d A, B, C, D, F, G;
};

// The mechanism with the crank turned by q from the drawn position.
Positions Move(const Mechanism& m, double q) {
  Positions s;
  s.A = m.oa * P2d{std::cos(m.theta + q), std::sin(m.theta + q)};
  if (m.ac) {
    s.C = OnGuide(s.A, m.L1, m.C, {1, 0});
    s.B = OnGuide(s.C, m.L2, m.B, m.guideB);
    s.G = 0.5 * (s.A + s.C);
  } else {
    s.B = OnGuide(s.A, m.L1, m.B, m.guideB);
    s.C = OnGuide(m.c_from_a ? s.A : s.B, m.L2, m.C, {1, 0});
    s.G = 0.5 * (s.A + s.B);
  }
  const P2d from = m.from == 'A' ? s.A : (m.from == 'B' ? s.B : s.C);
  s.D = Intersect(from, m.r1, m.E, m.r2, m.D);
  // The disc rolls on its floor: it turns clockwise by the distance its centre moved over R.
  s.F = s.C + Rotate(m.F - m.C, -(s.C.x - m.C.x) / kR);
  return s;
}

// The answers of one variant against the mechanism's motion by differences over time.
void CheckRow9(const kinematics_check::Params& p, int level) {
  const auto v = RunOne(9, p, level);
  const std::string what = kinematics_check::Describe(p) + "\n" + v.main;
  const Mechanism m = Build(p, v.main);
  const double h = 1e-4;
  Positions q[5];
  for (int i = 0; i < 5; ++i) q[i] = Move(m, m.w * (i - 2) * h);
  auto rates = [&](const std::function<double(const Positions&)>& f) {
    return kinematics_check::RatesOver(q, h, f);
  };
  auto motion = [&](P2d Positions::*pt) {
    const auto [vx, ax] = rates([&](const Positions& s) { return (s.*pt).x; });
    const auto [vy, ay] = rates([&](const Positions& s) { return (s.*pt).y; });
    return std::pair{std::hypot(vx, vy), std::hypot(ax, ay)};
  };
  auto point = [](char c) {
    return c == 'A' ? &Positions::A : (c == 'B' ? &Positions::B : (c == 'C' ? &Positions::C : &Positions::D));
  };
  auto link = [&](char a, char b) {
    const P2d ref = q[2].*point(b) - q[2].*point(a);
    return rates([&](const Positions& s) { return AngleTo(s.*point(b) - s.*point(a), ref); });
  };
  const auto row1 = RowCells(v.answers), row2 = RowCells(v.second_answers);
  ASSERT_EQ(row1.size(), 7u) << v.answers;
  ASSERT_EQ(row2.size(), 13u) << v.second_answers;
  const double speeds[] = {motion(&Positions::A).first, motion(&Positions::B).first,
                           motion(&Positions::C).first, motion(&Positions::D).first,
                           motion(&Positions::F).first, motion(&Positions::G).first};
  EXPECT_TRUE(Agrees(row1[1], speeds[0], 0)) << what << v.answers;
  for (int i = 1; i < 6; ++i) {
    EXPECT_TRUE(Agrees(row1[i + 1], speeds[i], 3, 2e-6))
        << what << v.answers << "\ncell " << i + 1 << " expected " << speeds[i];
  }
  // F at the top of the disc moves at twice the centre's speed, on its side at sqrt(2) times.
  EXPECT_NEAR(speeds[4] / speeds[2], m.top ? 2 : std::sqrt(2.0), 1e-6) << what;
  const char* links[] = {"AB", "AC", "AD", "BC", "BD", "CD"};
  const char n1a = 'A', n1b = m.ac ? 'C' : 'B';
  const char n2a = m.ac ? 'B' : (m.c_from_a ? 'A' : 'B'), n2b = 'C';
  for (int i = 0; i < 6; ++i) {
    const char a = links[i][0], b = links[i][1];
    const bool present = (a == n1a && b == n1b) || (a == n2a && b == n2b) ||
                         (a == m.from && b == 'D');
    if (!present) {
      EXPECT_TRUE(std::isnan(row2[i + 1])) << what << v.second_answers << " cell " << i + 1;
      continue;
    }
    const double w = link(a, b).first;
    EXPECT_TRUE(Agrees(row2[i + 1], w, 3, 2e-6))
        << what << v.second_answers << "\ncell " << i + 1 << " expected " << w;
  }
  const double w_de =
      rates([&](const Positions& s) { return AngleTo(s.D - m.E, m.D - m.E); }).first;
  EXPECT_TRUE(Agrees(row2[7], w_de, 3, 2e-6)) << what << v.second_answers << " w_DE " << w_de;
  EXPECT_TRUE(Agrees(row2[8], motion(&Positions::A).second, 0)) << what << v.second_answers;
  if (m.ac) {
    EXPECT_TRUE(std::isnan(row2[9]) && std::isnan(row2[11])) << what << v.second_answers;
    EXPECT_TRUE(Agrees(row2[10], motion(&Positions::C).second, 3, 5e-6)) << what << v.second_answers;
    EXPECT_TRUE(Agrees(row2[12], link('A', 'C').second, 3, 5e-6)) << what << v.second_answers;
  } else {
    EXPECT_TRUE(std::isnan(row2[10]) && std::isnan(row2[12])) << what << v.second_answers;
    EXPECT_TRUE(Agrees(row2[9], motion(&Positions::B).second, 3, 5e-6))
        << what << v.second_answers << " a_B " << motion(&Positions::B).second;
    EXPECT_TRUE(Agrees(row2[11], link('A', 'B').second, 3, 5e-6))
        << what << v.second_answers << " e_AB " << link('A', 'B').second;
  }
}

TEST(SixLinkMechanism, AnswersFollowFromTheMechanismsMotion) {
  long long checked = 0;
  kinematics_check::ForEachSample(
      {15, 3, 3, 3, 3, 3, 1}, 600,
      [&](auto p, int level) {
        CheckRow9(p, level == 2 ? 10 : level);
        ++checked;
      },
      2);
  EXPECT_TRUE(testing_support::SweepCovered(checked, 15 * 3 * 3 * 3 * 3 * 3 * 2)) << checked;
}

// The figure draws the mechanism that the answers solve: the joints' markers stand where the
// geometry puts them, at one scale.
TEST(SixLinkMechanism, FigureShowsTheSolvedGeometry) {
  for (int scheme = 1; scheme <= 15; ++scheme) {
    const kinematics_check::Params p{scheme, 2, 3, 1 + scheme % 3, 2, 1, 1};
    const auto v = RunOne(9, p);
    const Mechanism m = Build(p, v.main);
    std::vector<P2d> drawn;
    for (std::size_t at = v.main.find("\\BrickRed{\\put("); at != std::string::npos;
         at = v.main.find("\\BrickRed{\\put(", at + 1)) {
      const char* c = v.main.c_str() + at + 15;
      char* end = nullptr;
      const double x = std::strtod(c, &end);
      const double y = std::strtod(end + 1, nullptr);
      drawn.push_back({x, y});
    }
    ASSERT_EQ(drawn.size(), 4u) << v.main;
    const P2d truth[] = {m.A, m.B, m.C, m.D};
    const double scale = Len(drawn[1] - drawn[0]) / Len(m.B - m.A);
    for (int i = 1; i < 4; ++i) {
      const P2d want = drawn[0] + scale * (truth[i] - m.A);
      EXPECT_NEAR(want.x, drawn[i].x, 0.02 * (1 + scale)) << "scheme " << scheme << " joint " << i;
      EXPECT_NEAR(want.y, drawn[i].y, 0.02 * (1 + scale)) << "scheme " << scheme << " joint " << i;
    }
  }
}

TEST(SixLinkMechanism, GoldenLines) {
  // Schemes 11 and 12: G halves A-C, the data ask for a_C, the key gives a_C and eps_AC.
  const auto v = RunOne(9, {11, 1, 2, 3, 1, 2, 1});
  EXPECT_NE(v.main.find("$AG$=$AC/2$"), std::string::npos) << v.main;
  EXPECT_NE(v.main.find("$~см, $R$=$10$~см, \r\n$a_C$ - ?}}"), std::string::npos) << v.main;
  EXPECT_EQ(v.answers, " 1&  32&  16.875&  26.146&  17.504&  52.293&  28.827") << v.answers;
  EXPECT_EQ(v.second_answers,
            "1 & ---&  0.308 & ---& -1.037& -0.124 & ---&  1.167&   64 & ---&  48.720 & ---&   "
            "2.246")
      << v.second_answers;
  const auto w = RunOne(9, {12, 3, 1, 1, 3, 3, 3});
  EXPECT_NE(w.main.find("$a_C$ - ?}}"), std::string::npos) << w.main;
  // Scheme 1: the data text as the student reads it, the key's acceleration block.
  const auto x = RunOne(9, {1, 1, 1, 1, 1, 1, 1});
  EXPECT_NE(x.main.find("\\vskip1mm\\hskip3mm\\parbox[b]{195pt}{\\small  $\\omega_{OA}=1\\frac{1}{c}$,"
                        "\\  $\\alpha=120^\\circ$, $AG$=$AB/2$, \\\\  $OA$=$14$~см,\r\n"
                        "$AB$=$20$~см, $BC$=$20$~см, \\\\ $AD$=$29$~см, $DE$=$29$~см, $R$=$10$~см, \r\n"
                        "$a_B$ - ?}}"),
            std::string::npos)
      << x.main;
  EXPECT_EQ(x.second_answers,
            "1& -0.440 & ---&  0.339&  0.000 & --- & ---&  0.616&   14&   2.629 & ---&  -0.615 & ---")
      << x.second_answers;
}

// The six- and seven-link documents are the same whether they come first or follow other rows
// (the six-link row changes drawing switches that the Start road resets before each document),
// and the rows after them are not changed by them.
TEST(SixLinkMechanism, DocumentsDoNotDependOnEarlierRows) {
  const std::vector<testing_support::VariantParams> variants{
      {1, 2, 2, 1, 2, 1, 1}, {3, 1, 2, 2, 3, 2, 1}, {4, 2, 1, 3, 1, 3, 2},
      {2, 2, 1, 1, 2, 3, 1}, {4, 1, 2, 3, 3, 1, 3}};  // inside the bounds of every row run
  const auto& table = shell::DefaultSubjectTable();
  for (int row : {9, 10, 8, 20}) {
    auto fresh = testing_support::NewState();
    const auto alone = testing_support::RunTableRow(*fresh, table, 6, row, variants);
    auto busy = testing_support::NewState();
    for (int before : {9, 10, 18, 8, 20}) {
      testing_support::RunTableRow(*busy, table, 6, before, variants);
      figures::ResetDrawingState(*busy);
    }
    const std::size_t m0 = testing_support::MainText(*busy).size();
    const std::size_t a0 = testing_support::AnsText(*busy).size();
    const std::size_t b0 = testing_support::Ans2Text(*busy).size();
    const auto after = testing_support::RunTableRow(*busy, table, 6, row, variants);
    EXPECT_EQ(after.main.substr(m0), alone.main) << "row " << row;
    EXPECT_EQ(after.answers.substr(a0), alone.answers) << "row " << row;
    EXPECT_EQ(after.second_answers.substr(b0), alone.second_answers) << "row " << row;
  }
}

}  // namespace
