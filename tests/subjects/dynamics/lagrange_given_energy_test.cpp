#include "subjects/dynamics/lagrange_given_energy.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
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
  return testing_support::RunTableRow(*s, shell::DefaultSubjectTable(), 7, 32, {p});
}

std::string Between(const std::string& text, const std::string& from, const std::string& to) {
  const auto a = text.find(from);
  if (a == std::string::npos) throw std::runtime_error("no " + from);
  const auto b = text.find(to, a + from.size());
  if (b == std::string::npos) throw std::runtime_error("no " + to);
  return text.substr(a + from.size(), b - a - from.size());
}

TEST(LagrangeGivenEnergyTest, GoldenLines) {
  // P1 = 5, P2 = 5: the second term takes the next kind, which wraps to 1.
  auto run = RunRow({5, 5, 3, 1, 4, 2, 3});
  EXPECT_NE(run.main.find("$$T=\\dot x^2(3+2\\sin 2x+5\\sin^2 x)$$\r\n$Q=2$,\r\n$ x=0$,\r\n"
                          "$\\dot x=3$.\r\n"),
            std::string::npos)
      << run.main;
  // x = 0: M = 3, M' = 2 * 2 cos 0 = 4; (2 - 4 * 9) / 6.
  EXPECT_NE(run.answers.find("1&-5.667\r\n"), std::string::npos) << run.answers;
  // P3 = 1 with P2 = 5 gives x = -1, with P2 = 3 gives x = 0 (truncating division).
  EXPECT_NE(RunRow({1, 5, 1, 1, 1, 1, 1}).main.find("$ x=-1$,"), std::string::npos);
  EXPECT_NE(RunRow({1, 3, 1, 1, 1, 1, 1}).main.find("$ x=0$,"), std::string::npos);
  // Negative inertia within the bounds: written all the same; FirstNumber 5 numbers the row.
  run = RunRow({3, 4, 1, 9, 1, 1, 1}, 1, 5);
  EXPECT_NE(run.main.find("$$T=\\dot x^2(1+10\\sin x+2\\cos x)$$"), std::string::npos);
  EXPECT_NE(run.answers.find("5&"), std::string::npos);
  EXPECT_NE(run.answers.find("\\No & $\\ddot x$ \\\\\\hline \r\n5&"), std::string::npos);
}

// The printed T read back: M(x) from the bracket (\sin 2x read as sin(2x)), M' by central
// differences, and xddot = (Q - M' xdot^2) / (2M) from the Lagrange equation.
TEST(LagrangeGivenEnergyTest, PrintedAnswerSolvesThePrintedLagrangeEquation) {
  long long checked = 0;
  for (const auto& point :
       testing_support::SweepPoints({1, 1, 1, 1, 1, 1, 1}, {5, 5, 9, 9, 9, 9, 9}, 3000, 1, 10)) {
    const auto run = RunRow(point.p, point.level);
    std::string m_text = Between(run.main, "$$T=\\dot x^2(", ")$$");
    for (std::size_t at; (at = m_text.find("\\sin 2x")) != std::string::npos;) {
      m_text.replace(at, 7, "\\sin(2x)");
    }
    const tex_formula::Formula m(m_text, 'x');
    const double q = std::stod(Between(run.main, "$Q=", "$"));
    const double x = std::stod(Between(run.main, "$ x=", "$"));
    const double xdot = std::stod(Between(run.main, "$\\dot x=", "$"));
    const double h = 1e-5;
    const double dm = (m(x + h) - m(x - h)) / (2 * h);
    const double expected = (q - dm * xdot * xdot) / (2 * m(x));
    const double printed = std::stod(
        Between(run.answers.substr(run.answers.find("\\\\\\hline")), "&", "\r\n"));
    ASSERT_NEAR(printed, expected, 0.0005 + 1e-6 * std::fabs(expected))
        << testing_support::Describe(point);
    ++checked;
  }
  EXPECT_TRUE(testing_support::SweepCovered(checked, 5LL * 5 * 9 * 9 * 9 * 9 * 9 * 10));
}

}  // namespace
}  // namespace dynamics
