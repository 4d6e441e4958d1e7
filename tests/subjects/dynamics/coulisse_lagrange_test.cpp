#include "subjects/dynamics/coulisse_lagrange.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/support/picture_reader.h"
#include "tests/support/run_harness.h"
#include "tests/support/sweep.h"

namespace dynamics {
namespace {

using testing_support::VariantParams;

testing_support::RunTexts RunRow(const VariantParams& p, int level = 1) {
  auto s = testing_support::NewState();
  s->Level = level;
  return testing_support::RunTableRow(*s, shell::DefaultSubjectTable(), 7, 31, {p});
}

double NumberAfter(const std::string& text, const std::string& key, std::size_t from = 0) {
  const auto at = text.find(key, from);
  if (at == std::string::npos) throw std::runtime_error("no " + key);
  return std::strtod(text.c_str() + at + key.size(), nullptr);
}

// N, A, B, Q, eps, B2, B4, B5, QF, QM, QD, QT.
std::vector<double> AnswerRow(const std::string& answers, bool* starred) {
  std::string row = answers.substr(answers.find("$Q_T$ \\\\\\hline\r\n") + 16);
  row = row.substr(0, row.find("\r\n"));
  *starred = row.find('*') != std::string::npos;
  std::vector<double> out;
  std::size_t from = 0;
  for (std::size_t at; (at = row.find('&', from)) != std::string::npos; from = at + 1) {
    std::string cell = row.substr(from, at - from);
    if (!cell.empty() && cell.back() == '*') cell.pop_back();
    out.push_back(std::stod(cell));
  }
  out.push_back(std::stod(row.substr(from)));
  return out;
}

// The y of the box `name` placed in the variant's picture.
double BoxY(const std::string& main, const std::string& name) {
  const auto picture = testing_support::FindPictureAtLeast(main, 150);
  const auto at = main.find("{\\usebox{\\" + name + "}}", picture);
  if (at == std::string::npos) throw std::runtime_error("no box " + name);
  const auto put = main.rfind("\\put(", at);
  const auto comma = main.find(',', put);
  return std::strtod(main.c_str() + comma + 1, nullptr);
}

TEST(CoulisseLagrangeTest, GoldenLines) {
  // P1 = 1, P2 = 1: |l| = 8, nu = 5 (1606 - P5) rounded to hundreds: 8 kN s/m.
  auto run = RunRow({1, 1, 1, 1, 1, 1, 1});
  EXPECT_NE(run.main.find("$\\nu=8$кНc/м,"), std::string::npos) << run.main;
  bool starred = false;
  auto row = AnswerRow(run.answers, &starred);
  EXPECT_FALSE(starred);
  EXPECT_EQ(row[7], 0);  // m5 = 0 for schemes 1..21: B5 = 0
  // P1 = 9: block 4 a simple disk, R_4 = r_4 = 12 alone in the data.
  run = RunRow({9, 1, 1, 1, 1, 1, 1});
  EXPECT_NE(run.main.find("$R_3=24$~см,\r\n$R_4=12$~см. \r\n\\par }"), std::string::npos)
      << run.main;
  EXPECT_NE(run.main.find("{\\usebox{\\blkklsimpl}}"), std::string::npos);
  // A starred scheme: "*" after the number, the cos^2 form.
  run = RunRow({20, 1, 1, 1, 1, 1, 1});
  row = AnswerRow(run.answers, &starred);
  EXPECT_TRUE(starred);
  EXPECT_NE(run.answers.find("\r\n 1*&"), std::string::npos) << run.answers;
  EXPECT_NE(run.answers.find("\\tabcolsep=1pt"), std::string::npos);
}

// Every answer against the printed data: A, B_2 and Q_D from the data; B and Q as sums; the
// acceleration from the Lagrange equation of T = (w^2/2)(A + B f^2(phi)) by numeric
// derivatives; and for the piston schemes 1..17 the block's and piston's parts from the
// drawn levels (block 4 rolls on its base at y_4; the coulisse rod at y_3 turns it, the
// piston at y_2 runs with it; the pin A at radius r_1 moves the rod by r_1 sin(phi)).
TEST(CoulisseLagrangeTest, AnswersFollowFromTheDataAndTheDrawnScheme) {
  long long checked = 0;
  for (const auto& point : testing_support::SweepPoints({1, 1, 1, 1, 1, 1, 1},
                                                        {33, 2, 4, 5, 5, 1, 1}, 1500, 1, 1)) {
    const auto& p = point.p;
    const auto run = RunRow(p, point.level);
    bool starred = false;
    const auto row = AnswerRow(run.answers, &starred);
    ASSERT_EQ(row.size(), 12u);
    const std::string& t = run.main;
    const double m0 = NumberAfter(t, "$M_0="), k = NumberAfter(t, "$k=");
    const double mu = NumberAfter(t, "$\\mu="), i1 = NumberAfter(t, "$I_1=");
    const double m2 = NumberAfter(t, "$m_2="), m3 = NumberAfter(t, "$m_3=");
    const double m4 = NumberAfter(t, "$m_4=");
    const double r1_big = NumberAfter(t, "$R_1="), r1 = NumberAfter(t, "$r_1=");
    const double r3 = NumberAfter(t, "$R_3=");
    const double phi = NumberAfter(t, "$\\varphi_{1,0}="), omega = NumberAfter(t, "$\\omega_{1_z,0}=");
    const std::string at = testing_support::Describe(point);
    const double tol = 0.006;
    EXPECT_NEAR(row[1], i1 + 0.5 * m3 * std::pow(r1_big / 100, 2), 0.0006) << at;
    EXPECT_NEAR(row[5], m2 * std::pow(r1 / 100, 2), tol) << at;
    const double u = p[2] == 2 ? r1_big / r3 : p[2] == 4 ? 1 : -r1_big / r3;
    EXPECT_NEAR(row[10], (m0 - k * u * omega) * u, tol) << at;
    EXPECT_NEAR(row[2], row[5] + row[6] + row[7], 0.002 + 0.015) << at;
    EXPECT_NEAR(row[3], row[8] + row[9] + row[10] + row[11], 0.025) << at;
    // The Lagrange equation: d/dt(dT/dw) - dT/dphi = Q at phi, w = omega.
    auto inertia = [&](double f) {
      const double g = starred ? std::cos(f) : std::sin(f);
      return row[1] + row[2] * g * g;
    };
    const double h = 1e-5;
    const double dj = (inertia(phi + h) - inertia(phi - h)) / (2 * h);
    // J(phi) eps + J'(phi) w^2 - J'(phi) w^2 / 2 = Q.
    const double eps = (row[3] - dj * omega * omega / 2) / inertia(phi);
    EXPECT_NEAR(row[4], eps, 0.002 + 1e-4 * std::fabs(eps)) << at;
    if (p[0] <= 17) {
      const double y1 = BoxY(t, p[0] == 9 ? "blkklsimpl" : "blkkls");
      const double y2 = BoxY(t, "prsn");
      const double y4 = BoxY(t, p[0] == 9 && p[1] == 1 ? "osnnv" : p[0] >= 10 ? "osnnv" : "osnn");
      double y3 = BoxY(t, "kulisa");
      y3 -= y3 - y1 > 1 ? 1 : y3 - y1 < -1 ? -1 : 0;  // the rod is drawn one unit off centre
      const double a = y3 - y4, c = y1 - y4, e = y2 - y4;
      ASSERT_NE(std::fabs(e), 7) << at;
      const double i4 = p[0] == 9 ? NumberAfter(t, "$R_4=") / std::sqrt(2.0)
                                  : NumberAfter(t, "$i_4=");
      double nu = NumberAfter(t, "$\\nu=");
      if (t.find("кНc/м") != std::string::npos) nu *= 1000;
      const double rod = r1 * omega * std::sin(phi);  // cm/s
      const double omega4 = rod / a, v5 = e * omega4 / 100;
      EXPECT_NEAR(row[6], m4 * (std::pow(c / 100, 2) + std::pow(i4 / 100, 2)) * std::pow(r1 / a, 2),
                  tol)
          << at;
      EXPECT_NEAR(row[8], -nu * v5 * v5 / omega, tol + 1e-5 * nu) << at;
      EXPECT_NEAR(row[9], -mu * omega4 * omega4 / omega, tol) << at;
      EXPECT_EQ(row[11], 0) << at;
    }
    ++checked;
  }
  EXPECT_TRUE(testing_support::SweepCovered(checked, 33LL * 2 * 4 * 5 * 5));
}

}  // namespace
}  // namespace dynamics
