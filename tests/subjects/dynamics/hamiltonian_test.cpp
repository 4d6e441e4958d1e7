#include "subjects/dynamics/hamiltonian.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "tests/support/run_harness.h"
#include "tests/support/sweep.h"
#include "tests/support/tex_formula.h"

namespace dynamics {
namespace {

using testing_support::VariantParams;

testing_support::RunTexts RunRow(const VariantParams& p, int level = 1, int first = 1) {
  auto s = testing_support::NewState();
  s->Level = level;
  s->FirstNumber = first;
  return testing_support::RunTableRow(*s, shell::DefaultSubjectTable(), 7, 28, {p});
}

std::string Between(const std::string& text, const std::string& from, const std::string& to) {
  const auto a = text.find(from);
  if (a == std::string::npos) throw std::runtime_error("no " + from);
  const auto b = text.find(to, a + from.size());
  if (b == std::string::npos) throw std::runtime_error("no " + to);
  return text.substr(a + from.size(), b - a - from.size());
}

// The printed names as single letters for the evaluator.
std::string Letters(std::string text) {
  const std::pair<const char*, const char*> names[] = {
      {"\r\n", ""}, {"\\dot q_1", "a"}, {"\\dot q_2", "b"}, {"q_1", "c"},
      {"q_2", "d"}, {"p_1", "u"},       {"p_2", "w"}};
  for (const auto& [from, to] : names) {
    for (std::size_t at; (at = text.find(from)) != std::string::npos;) {
      text.replace(at, std::string(from).size(), to);
    }
  }
  return text;
}

TEST(HamiltonianTest, GoldenLines) {
  // Kind 1 with P4 = 1: c2 = 2, so H begins with -2 p1^2.
  auto run = RunRow({1, 1, 1, 1, 1, 1, 1}, 1, 7);
  EXPECT_NE(run.main.find("$L=2\\dot q_2^2\r\n+\\dot q_1\\dot q_2+2 q_1^2\r\n+2 q_2^2\r\n.$\r\n"
                          "\\vskip2mm \r\n"),
            std::string::npos)
      << run.main;
  EXPECT_NE(run.answers.find("7\\ru & \r\n$ -2p_1^2+p_1p_2-2q_1^2-2q_2^2$"), std::string::npos)
      << run.answers;
  // Kind 4 with P3 = P4 = 1: D = 15.
  run = RunRow({4, 2, 1, 1, 1, 1, 3});
  EXPECT_NE(run.answers.find("$ (2p_1^2-p_1p_2+2p_2^2)/15-6q_1q_2$"), std::string::npos)
      << run.answers;
  EXPECT_NE(run.answers.find("\\No & $H$ \\\\\\hline "), std::string::npos);
}

// For random (q, p): qdot solves p = dL/dqdot of the printed L (affine in qdot, so its
// Jacobian comes from differences), and p.qdot - L must equal the printed H.
TEST(HamiltonianTest, PrintedHamiltonianIsTheLegendreTransformOfThePrintedLagrangian) {
  std::mt19937 random(28);
  std::uniform_real_distribution<double> value(-2, 2);
  long long checked = 0;
  for (const auto& point :
       testing_support::SweepPoints({1, 1, 1, 1, 1, 1, 1}, {10, 2, 2, 3, 3, 3, 3}, 800, 1, 10)) {
    const auto run = RunRow(point.p, point.level);
    const tex_formula::Formula l(Letters(Between(run.main, "$L=", ".$")));
    const std::string h_text = Between(run.answers, "\\ru & \r\n$", "$");
    const tex_formula::Formula h(Letters(h_text));
    for (int trial = 0; trial < 3; ++trial) {
      tex_formula::Point at;
      at.Set('c', value(random));
      at.Set('d', value(random));
      const double p1 = value(random), p2 = value(random);
      auto momenta = [&](double a, double b, double out[2]) {
        const double e = 1e-4;
        tex_formula::Point z = at;
        z.Set('b', b);
        z.Set('a', a + e);
        const double la = static_cast<double>(l(z));
        z.Set('a', a - e);
        out[0] = (la - static_cast<double>(l(z))) / (2 * e);
        z.Set('a', a);
        z.Set('b', b + e);
        const double lb = static_cast<double>(l(z));
        z.Set('b', b - e);
        out[1] = (lb - static_cast<double>(l(z))) / (2 * e);
      };
      double p0[2], pa[2], pb[2];
      momenta(0, 0, p0);
      momenta(1, 0, pa);
      momenta(0, 1, pb);
      const double j11 = pa[0] - p0[0], j21 = pa[1] - p0[1];
      const double j12 = pb[0] - p0[0], j22 = pb[1] - p0[1];
      const double det = j11 * j22 - j12 * j21;
      ASSERT_GT(std::fabs(det), 1e-6) << testing_support::Describe(point);
      const double r1 = p1 - p0[0], r2 = p2 - p0[1];
      const double a = (r1 * j22 - j12 * r2) / det, b = (j11 * r2 - j21 * r1) / det;
      tex_formula::Point z = at;
      z.Set('a', a);
      z.Set('b', b);
      const double expected = p1 * a + p2 * b - static_cast<double>(l(z));
      tex_formula::Point hp = at;
      hp.Set('u', p1);
      hp.Set('w', p2);
      ASSERT_NEAR(static_cast<double>(h(hp)), expected, 1e-6 * (1 + std::fabs(expected)))
          << testing_support::Describe(point) << " H = " << h_text;
    }
    ++checked;
  }
  EXPECT_TRUE(testing_support::SweepCovered(checked, 10LL * 2 * 2 * 3 * 3 * 3 * 3 * 10));
}

}  // namespace
}  // namespace dynamics
