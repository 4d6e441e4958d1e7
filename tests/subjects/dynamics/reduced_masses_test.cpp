#include "subjects/dynamics/reduced_masses.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <numeric>
#include <string>
#include <vector>

#include "tests/support/run_harness.h"
#include "tests/support/sweep.h"

namespace dynamics {
namespace {

using testing_support::VariantParams;

testing_support::RunTexts RunRow(const VariantParams& p, int level = 1) {
  auto s = testing_support::NewState();
  s->Level = level;
  return testing_support::RunTableRow(*s, shell::DefaultSubjectTable(), 7, 33, {p});
}

long NumberAfter(const std::string& text, const std::string& key) {
  const auto at = text.find(key);
  if (at == std::string::npos) return -1;
  return std::strtol(text.c_str() + at + key.size(), nullptr, 10);
}

std::vector<long> AnswerRow(const std::string& answers) {
  std::string row = answers.substr(answers.find("\\mu$ \\\\\\hline \r\n") + 16);
  row = row.substr(0, row.find("\r\n"));
  std::vector<long> out;
  std::size_t from = 0;
  for (std::size_t at; (at = row.find('&', from)) != std::string::npos; from = at + 1) {
    out.push_back(std::stol(row.substr(from, at - from)));
  }
  out.push_back(std::stol(row.substr(from)));
  return out;
}

// An exact fraction.
struct Ratio {
  long long n = 0, d = 1;
};
Ratio Make(long long n, long long d) {
  if (d < 0) n = -n, d = -d;
  const long long g = std::gcd(n, d);
  return g == 0 ? Ratio{0, 1} : Ratio{n / g, d / g};
}
Ratio Mul(Ratio a, Ratio b) { return Make(a.n * b.n, a.d * b.d); }

// A stepped body as drawn: the circle it rolls on (the big one for kinds 1..5) and the
// heights, relative to its centre, where the driving and the driven line touch it when b = +1
// (b = -1 exchanges the two).
struct Body {
  bool rolls_on_big;
  char driving, driven;  // 'R' top of the big circle, 'r' top of the small one, 'c' the
                         // axle, 's' bottom of the small one, 'B' bottom of the big one
};
constexpr Body kBodies[11] = {{},
                              {true, 'R', 'r'},  {true, 'R', 's'},  {true, 'R', 'c'},
                              {true, 'r', 'c'},  {true, 'r', 's'},  {false, 'R', 'r'},
                              {false, 'R', 'c'}, {false, 'R', 'B'}, {false, 'c', 'B'},
                              {false, 'r', 'B'}};

long Offset(char where, long big, long small) {
  switch (where) {
    case 'R': return big;
    case 'r': return small;
    case 's': return -small;
    case 'B': return -big;
    default: return 0;
  }
}

// Through the instantaneous centre (the contact with the fixed line): the angular speed per
// unit speed of the driving line, and the speed ratio out / in.
struct Motion {
  Ratio omega, transfer;
  long centre;
};
Motion Roll(int kind, int b, long big, long small) {
  const Body& body = kBodies[kind];
  const long centre = body.rolls_on_big ? big : small;
  const char in = b > 0 ? body.driving : body.driven;
  const char out = b > 0 ? body.driven : body.driving;
  const long h_in = centre + Offset(in, big, small), h_out = centre + Offset(out, big, small);
  return {Make(1, h_in), Make(h_out, h_in), centre};
}

void CheckVariant(const VariantParams& p, int level) {
  const auto run = RunRow(p, level);
  const auto row = AnswerRow(run.answers);
  ASSERT_EQ(row.size(), 7u);
  const std::string& text = run.main;
  const bool rolling = text.find("$R_B=4$") != std::string::npos;
  const long big_c = NumberAfter(text, "$R_C="), big_d = NumberAfter(text, " $R_D=");
  const int kind_c = p[0], kind_d = p[1];
  const long small_c = kind_c == 3 ? big_c : NumberAfter(text, "$r_C=");
  const long small_d = kind_d == 3 ? big_d : NumberAfter(text, "$r_D=");
  const long m_a = NumberAfter(text, "$m_A="), m_b = NumberAfter(text, "$m_B=");
  const long m_c = NumberAfter(text, "$m_C="), m_d = NumberAfter(text, "$m_D=");
  const long m_e = NumberAfter(text, "$m_E=");
  const int b_c = p[2] <= 2 ? 1 : -1, b_d = p[2] % 2 == 1 ? 1 : -1;
  const bool disc = p[3] <= 2;
  auto inertia = [&](int kind, long big) {
    if (kind == 3) return Make(big * big, 2);
    const long i = kind == kind_c && big == big_c ? NumberAfter(text, "$i_C=")
                                                  : NumberAfter(text, "$i_D=");
    return Make(i * i, 1);
  };
  // Shares per unit v_A^2: mu_K = m_K (v_centre^2 + i^2 omega^2) / v_A^2.
  const Motion c = Roll(kind_c, b_c, big_c, small_c);
  const Motion d = Roll(kind_d, b_d, big_d, small_d);
  auto share = [](long mass, Ratio omega, long centre, Ratio i2) {
    const Ratio w2 = Mul(omega, omega);
    const Ratio sum = Make(centre * centre * i2.d + i2.n, i2.d);
    return Mul(Make(mass, 1), Mul(w2, sum));
  };
  const Ratio mu_c = share(m_c, c.omega, c.centre,
                           kind_c == 3 ? Make(big_c * big_c, 2) : inertia(kind_c, big_c));
  const Ratio speed_d = c.transfer;  // the rack between C and D, per unit v_A
  const Ratio mu_d = share(m_d, Mul(speed_d, d.omega), d.centre,
                           kind_d == 3 ? Make(big_d * big_d, 2)
                                       : Make(NumberAfter(text, "$i_D=") * NumberAfter(text, "$i_D="), 1));
  const Ratio speed_e = Mul(speed_d, d.transfer);
  const Ratio mu_e = Mul(Make(m_e, disc ? 2 : 1), Mul(speed_e, speed_e));
  // A rolling cylinder A: 3/2 m; B then turns at v_A / 2 on its outer radius 4 (i = 3).
  const Ratio mu_a = rolling ? Make(3 * m_a, 2) : Make(m_a, 1);
  const Ratio mu_b = rolling ? Make(9 * m_b, 4) : Make(m_b, 2);
  const Ratio expected[5] = {mu_a, mu_b, mu_c, mu_d, mu_e};
  long total = 0;
  for (int k = 0; k < 5; ++k) {
    ASSERT_EQ(expected[k].d, 1) << "share " << k << " is not whole, P = " << p[0] << p[1]
                                << p[2] << p[3] << p[4] << p[5] << p[6];
    EXPECT_EQ(row[k + 1], expected[k].n) << "share " << k;
    total += expected[k].n;
  }
  EXPECT_EQ(row[6], total);
}

TEST(ReducedMassesTest, GoldenLines) {
  // P5 = P7: A a rolling cylinder (mu_A = 3 P7), B the stepped block (mu_B = 9 P6).
  auto run = RunRow({1, 1, 1, 1, 2, 3, 2});
  EXPECT_NE(run.main.find("$R_B=4$, $r_B=2$, $i_B=3$,\\\\ \r\n"), std::string::npos);
  EXPECT_NE(run.main.find("\\ $m_A=4$, $m_B=12$,\\\\ "), std::string::npos) << run.main;
  auto row = AnswerRow(run.answers);
  EXPECT_EQ(row[1], 6);
  EXPECT_EQ(row[2], 27);
  // Kind 3 for C: R made even, no r and i printed.
  run = RunRow({3, 1, 1, 1, 2, 1, 1});
  EXPECT_NE(run.main.find("$R_C=4$, \r\n\\\\  $R_D=3$,"), std::string::npos) << run.main;
  // Small masses scaled: C by P7 + 3 (kind 1, R = 2, r = 1, b = +1: m 16, mu 5 before).
  run = RunRow({1, 1, 1, 1, 1, 1, 5});
  EXPECT_NE(run.main.find("$m_C=128$"), std::string::npos) << run.main;
  EXPECT_EQ(AnswerRow(run.answers)[3], 40);
  EXPECT_NE(run.answers.find("\\No &$\\mu_A$ & $\\mu_B$ & $\\mu_C$ & $\\mu_D$ & $\\mu_E$& $\\mu$"),
            std::string::npos);
}

TEST(ReducedMassesTest, SharesFollowFromTheRollingBodies) {
  const int levels = testing_support::FullSweep() ? 1 : 10;  // the row does not read Level
  long long checked = 0;
  for (const auto& point : testing_support::SweepPoints(
           {1, 1, 1, 1, 1, 1, 1}, {10, 10, 4, 4, 3, 6, 5}, 1500, 1, levels)) {
    CheckVariant(point.p, point.level);
    if (testing::Test::HasFailure()) {
      ADD_FAILURE() << testing_support::Describe(point);
      return;
    }
    ++checked;
  }
  EXPECT_TRUE(testing_support::SweepCovered(checked, 10LL * 10 * 4 * 4 * 3 * 6 * 5 * levels));
}

}  // namespace
}  // namespace dynamics
