#include "subjects/dynamics/shaft_reactions.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/support/run_harness.h"
#include "tests/support/sweep.h"

namespace dynamics {
namespace {

using testing_support::VariantParams;
using Vec = std::array<double, 3>;

testing_support::RunTexts RunRow(const VariantParams& p, int level = 1) {
  auto s = testing_support::NewState();
  s->Level = level;
  return testing_support::RunTableRow(*s, shell::DefaultSubjectTable(), 7, 26, {p});
}

double NumberAfter(const std::string& text, const std::string& key) {
  const auto at = text.find(key);
  if (at == std::string::npos) throw std::runtime_error("no " + key);
  return std::strtod(text.c_str() + at + key.size(), nullptr);
}

// The numbers of the data row that follows `head`, split at "&".
std::vector<double> RowAfter(const std::string& text, const std::string& head) {
  std::string row = text.substr(text.find(head) + head.size());
  row = row.substr(0, row.find("\\\\"));
  std::vector<double> out;
  std::size_t from = 0;
  for (std::size_t at; (at = row.find('&', from)) != std::string::npos; from = at + 1) {
    out.push_back(std::stod(row.substr(from, at - from)));
  }
  out.push_back(std::stod(row.substr(from)));
  return out;
}

Vec Cross(const Vec& a, const Vec& b) {
  return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

// The rotor written apart from the generator, from the printed data: the stations on the
// axis from the spans a, b, c, the tensor (products with a plus sign) of the disc in its
// small-angle form and of the point mass, and the reactions from the rate of change of the
// angular momentum about A and the motion of the centre of mass.
struct Expected {
  double J[3][3]{};
  Vec c{};
  double eps = 0, omega = 0;
  Vec RA{}, RB{};
};

Expected Solve(const VariantParams& p, const std::string& main) {
  const double a = NumberAfter(main, "$a=") / 100, b = NumberAfter(main, "$b=") / 100;
  const double c = NumberAfter(main, "$c=") / 100, R = NumberAfter(main, "$R=") / 100;
  const double m1 = NumberAfter(main, "$m_{1}="), m2 = NumberAfter(main, "$m_{2}=");
  const double alpha = NumberAfter(main, "$\\alpha="), L = NumberAfter(main, "$L=") / 100;
  const double Mz = NumberAfter(main, "$M_z="), t = NumberAfter(main, "$t=");
  const double Z[4] = {0, a, a + b, a + b + c};
  // Which stations hold the point mass, A and B (the disc is always at the second).
  const int mass[4] = {0, 0, 2, 3}, A[4] = {0, 2, 0, 0}, B[4] = {0, 3, 3, 2};
  const double zA = Z[A[p[1]]];
  const double angle = (p[2] - 1) * M_PI / 2;  // P3 = 1..4: +x, +y, -x, -y
  const Vec r2 = {L * std::round(std::cos(angle)), L * std::round(std::sin(angle)),
                  Z[mass[p[1]]] - zA};
  const Vec r1 = {0, 0, Z[1] - zA};
  const Vec rB = {0, 0, Z[B[p[1]]] - zA};
  Expected e;
  // Disc about its centre: K, K, 2K with K = m R^2 / 4, axis tilted towards +x for P1 = 2.
  const double K = m1 * R * R / 4;
  const double tilt = p[0] == 2 ? alpha : -alpha;
  double disc[3][3] = {{K, 0, K * tilt}, {0, K, 0}, {K * tilt, 0, 2 * K}};
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      e.J[i][j] = disc[i][j];
      const double rr1 = r1[0] * r1[0] + r1[1] * r1[1] + r1[2] * r1[2];
      const double rr2 = r2[0] * r2[0] + r2[1] * r2[1] + r2[2] * r2[2];
      // Moments: m (r^2 - r_i^2); products with a plus sign: m r_i r_j.
      if (i == j) {
        e.J[i][j] += m1 * (rr1 - r1[i] * r1[i]) + m2 * (rr2 - r2[i] * r2[i]);
      } else {
        e.J[i][j] += m1 * r1[i] * r1[j] + m2 * r2[i] * r2[j];
      }
    }
  }
  const double M = m1 + m2;
  for (int i = 0; i < 3; ++i) e.c[i] = (m1 * r1[i] + m2 * r2[i]) / M;
  e.eps = Mz / e.J[2][2];
  e.omega = e.eps * t;
  // H_A = (-Jxz w, -Jyz w, Jzz w); dH/dt = dH/dt|body + w x H = rB x RB (the reactions'
  // dynamic parts; the moment Mz balances the z component).
  const Vec w = {0, 0, e.omega};
  const Vec H = {-e.J[0][2] * e.omega, -e.J[1][2] * e.omega, e.J[2][2] * e.omega};
  const Vec Hdot_body = {-e.J[0][2] * e.eps, -e.J[1][2] * e.eps, e.J[2][2] * e.eps};
  const Vec wH = Cross(w, H);
  const Vec dH = {Hdot_body[0] + wH[0], Hdot_body[1] + wH[1], 0};
  // rB x (X, Y, 0) = (-zB Y, zB X, 0).
  e.RB = {dH[1] / rB[2], -dH[0] / rB[2], 0};
  // M a_c = RA + RB, a_c = eps x c + w x (w x c).
  const Vec epsv = {0, 0, e.eps};
  const Vec at = Cross(epsv, e.c), an = Cross(w, Cross(w, e.c));
  for (int i = 0; i < 2; ++i) e.RA[i] = M * (at[i] + an[i]) - e.RB[i];
  return e;
}

void ExpectPrinted(double printed, double exact, const std::string& what) {
  EXPECT_NEAR(printed, exact, 0.0005 + 1e-9 * std::abs(exact)) << what;
}

TEST(ShaftReactionsTest, AnswersMatchNewtonEulerOverTheSweep) {
  const auto points =
      testing_support::SweepPoints({1, 1, 1, 1, 1, 1, 1}, {2, 3, 4, 6, 10, 1, 1}, 3000);
  long long checked = 0;
  for (const auto& point : points) {
    const std::string what = testing_support::Describe(point);
    const auto t = RunRow(point.p, point.level);
    const Expected e = Solve(point.p, t.main);
    const auto row = RowAfter(t.answers, "$   Y_B $\\\\\\hline");
    const auto row2 = RowAfter(t.second_answers, "$J_{zz}$\\\\\\hline");
    ASSERT_EQ(row.size(), 10u) << what;
    ASSERT_EQ(row2.size(), 7u) << what;
    ExpectPrinted(row[1], e.eps, what);
    ExpectPrinted(row[2], e.omega, what);
    for (int i = 0; i < 3; ++i) ExpectPrinted(row[3 + i], 100 * e.c[i], what);
    ExpectPrinted(row[6], e.RA[0], what);
    ExpectPrinted(row[7], e.RA[1], what);
    ExpectPrinted(row[8], e.RB[0], what);
    ExpectPrinted(row[9], e.RB[1], what);
    const double J[6] = {e.J[0][0], e.J[0][1], e.J[0][2], e.J[1][1], e.J[1][2], e.J[2][2]};
    for (int k = 0; k < 6; ++k) ExpectPrinted(row2[1 + k], J[k], what);
    EXPECT_EQ(row2[2], 0) << what;  // the rod lies along x or y
    // eps J_zz is the printed moment exactly.
    const ShaftReactionsVariant v =
        DeriveShaftReactionsVariant(point.p[0], point.p[1], point.p[2], point.p[3], point.p[4]);
    EXPECT_NEAR(v.epsilon * v.Jzz, NumberAfter(t.main, "$M_z="), 1e-12) << what;
    ++checked;
  }
  EXPECT_TRUE(testing_support::SweepCovered(checked, 1440LL * 10));
}

TEST(ShaftReactionsTest, GoldenLines) {
  struct Case {
    const char* what;
    VariantParams p;
    const char* data;
    const char* answer;
    const char* second;
  };
  const Case cases[] = {
      {"P2 = 3: the mass beyond B",
       {1, 3, 1, 1, 1, 1, 1},
       "$a=20$~см,\r\n$b=50$~см,\\\\\r\n$c=35$~см,\r\n$R=25$~см,\\\\ \r\n$m_{1}=25$~кг, \r\n"
       "$m_{2}=6$~кг, \r\n\\\\ $\\alpha=0.06$~рад, $L=10$~см,\\\\ \r\n$M_z=0.3$~Нм, $t=3$~с.\\\\ }",
       "  1&  0.357&  1.070&  1.935&  0.000& 36.452&  0.305& -0.095& -0.992&  0.309 \\\\",
       "  1 &    8.006 &    0.000 &    0.607 &    8.066 &    0.000 &    0.841 \\\\"},
      {"P3 = 2: J_xy = 0 with the mass on y",
       {2, 1, 2, 3, 4, 1, 1},
       "\\\\ $\\alpha=0.1$~рад, $L=30$~см,\\\\ \r\n$M_z=2.2$~Нм, $t=4$~с.\\\\ }",
       "  1&  0.262&  1.048&  0.000&  4.286&-55.714& -1.443&-10.096&  0.657&  6.803 \\\\",
       "  1 &   27.750 &    0.000 &    0.375 &   26.850 &   -2.700 &    8.400 \\\\"},
  };
  for (const Case& c : cases) {
    const auto t = RunRow(c.p);
    EXPECT_NE(t.main.find(c.data), std::string::npos) << c.what;
    EXPECT_NE(t.answers.find(c.answer), std::string::npos) << c.what << "\n" << t.answers;
    EXPECT_NE(t.second_answers.find(c.second), std::string::npos) << c.what << "\n"
                                                                  << t.second_answers;
  }
}

}  // namespace
}  // namespace dynamics
