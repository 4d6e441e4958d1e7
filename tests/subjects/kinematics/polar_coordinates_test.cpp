#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "subjects/kinematics/kinematics_check.h"

namespace {

using kinematics_check::Between;
using kinematics_check::Cells;
using kinematics_check::RunOne;

std::string Flat(const std::string& s) {
  std::string m;
  for (char c : s) {
    if (c != '\r' && c != '\n') m += c;
  }
  return m;
}

TEST(PolarCoordinates, GoldenLines) {
  // Kind 7 with P2 = 1: "\varphi= t" and a blank.
  EXPECT_EQ(RunOne(4, {7, 1, 1, 2, 1, 1, 1}).main,
            "\\vskip3mm\\hfill\\parbox[b]{150pt}{ $r=2e^{t/3},\\ \\ $\\\\[4pt] $ \\varphi= t ,\\  "
            "t=2~c.$}\\vskip3mm\r\n");
  // Kind 18 with P2 = 1: the eccentricity 2 in a field of 3.
  EXPECT_EQ(RunOne(4, {18, 1, 1, 2, 1, 1, 1}).main,
            "\\vskip3mm\\hfill\\parbox[b]{150pt}{ $r=\\frc{21}{1+  2\\cos(t/3)},\\ \\ $\\\\[4pt] $ "
            "\\varphi=\\frc{t}{3}\r\n,\\  t=2~c.$}\\vskip3mm\r\n");
  // Kinds 21 and 22 name no curve.
  EXPECT_EQ(Between(RunOne(4, {21, 1, 1, 2, 1, 1, 1}).answers + "\n", "\\scriptsize", "\n"), "  ");
  EXPECT_EQ(Between(RunOne(4, {8, 1, 1, 2, 1, 1, 1}).answers + "\n", "\\scriptsize ", "\n"),
            "Конхоида Никомеда");
  // Kind 2 with P4 = P2 + 2: the point rests at t1, the whole acceleration is tangential.
  const auto rest = RunOne(4, {2, 1, 1, 3, 1, 1, 1});
  const auto c = Cells(rest.second_answers);
  ASSERT_EQ(c.size(), 10u) << rest.second_answers;
  EXPECT_EQ(c[8], c[5]) << rest.second_answers;
  EXPECT_EQ(c[9], 0) << rest.second_answers;
  EXPECT_EQ(Cells(rest.answers)[7], 0) << rest.answers;
}

TEST(PolarCoordinates, AnswersFollowFromThePrintedLaw) {
  kinematics_check::ForEachSample({22, 4, 10, 10, 1, 1, 1}, 8800, [](const auto& p, int level) {
    const auto v = RunOne(4, p, level);
    const std::string m = Flat(v.main);
    const std::size_t sep = m.find("$\\\\[4pt] $");
    std::string rho = m.substr(m.find("$r=") + 3, sep - m.find("$r=") - 3);
    while (!rho.empty() && (rho.back() == ',' || rho.back() == '\\' || rho.back() == ' ')) {
      rho.pop_back();
    }
    const std::string phi = Between(m, "\\varphi=", ",\\  t=", sep);
    const double t = std::stod(Between(m, ",\\  t=", "~c"));
    const auto r = kinematics_check::Differentiate(rho, 't', t, 1e-4);
    const auto f = kinematics_check::Differentiate(phi, 't', t, 1e-4);
    const double vr = r.d1, vf = r.f * f.d1;
    const double ar = r.d2 - r.f * f.d1 * f.d1, af = r.f * f.d2 + 2 * r.d1 * f.d1;
    const double c = std::cos(f.f), s = std::sin(f.f);
    const double vx = vr * c - vf * s, vy = vr * s + vf * c;
    const double ax = ar * c - af * s, ay = ar * s + af * c;
    const double speed = std::hypot(vx, vy), acc = std::hypot(ax, ay);
    double at = acc, an = 0;
    if (speed > 1e-6 * std::max(1.0, acc)) {
      at = std::abs(vx * ax + vy * ay) / speed;
      an = std::abs(vx * ay - vy * ax) / speed;
    }
    const auto c1 = Cells(v.answers), c2 = Cells(v.second_answers);
    ASSERT_EQ(c1.size(), 10u) << v.answers;
    ASSERT_EQ(c2.size(), 10u) << v.second_answers;
    const double e1[] = {r.f, r.d1, f.f, f.d1, vr, vf, speed, vx, vy};
    const double e2[] = {r.d2, f.d2, ar, af, acc, ax, ay, at, an};
    for (int i = 0; i < 9; ++i) {
      EXPECT_TRUE(kinematics_check::Agrees(c1[i + 1], e1[i], 3, 1e-6))
          << kinematics_check::Describe(p) << " cell " << i + 1 << ": " << c1[i + 1] << " vs "
          << e1[i] << "\n"
          << v.main << v.answers;
      EXPECT_TRUE(kinematics_check::Agrees(c2[i + 1], e2[i], 3, 1e-6))
          << kinematics_check::Describe(p) << " second cell " << i + 1 << ": " << c2[i + 1]
          << " vs " << e2[i] << "\n"
          << v.main << v.second_answers;
    }
  });
}

}  // namespace
