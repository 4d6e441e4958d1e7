#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "subjects/kinematics/kinematics_check.h"

namespace {

using kinematics_check::Between;
using kinematics_check::Cells;
using kinematics_check::RunOne;

TEST(CartesianSpatial, KindsAreMadeDistinctAsFarAsTheStepsGo) {
  const struct {
    int p1, p2, p3;
    int k1, k2, k3;
  } cases[] = {
      {5, 5, 5, 5, 4, 6},
      {12, 12, 12, 12, 11, 1},
      {1, 1, 2, 1, 2, 1},  // the z law repeats the x law
  };
  for (const auto& c : cases) {
    const auto v = RunOne(2, {c.p1, c.p2, c.p3, 1, 1, 1, 1});
    EXPECT_EQ(v.p_after[0], c.k1);
    EXPECT_EQ(v.p_after[1], c.k2);
    EXPECT_EQ(v.p_after[2], c.k3);
  }
}

TEST(CartesianSpatial, GoldenLines) {
  // Kinds 5, 4, 6 with P4 = 1, P5 = 1: a blank for A = 1 before \ln, the line end after it.
  EXPECT_EQ(RunOne(2, {5, 5, 5, 1, 1, 1, 1}).main,
            "\\vskip6mm $x =  \\ln{(4t+2)}\r\n$,\\\\[4pt]$   y = 12e^{t/2}$,\\\\[4pt]$   z =  "
            "t^2+2t+4,\\ t_1=0.1.$\\vskip6mm \r\n");
  // Kind 2 with P4 = 1 writes a blank for the coefficient of t; kinds 1, 3.
  EXPECT_EQ(RunOne(2, {2, 1, 3, 1, 10, 1, 1}).main,
            "\\vskip6mm $x = \\frc{14}{  t+2}$,\\\\[4pt]$   y = \\frac{1}{2}\\sin 4t+11t$,"
            "\\\\[4pt]$   z = 12(t+1)^{1/10},\\ t_1=1.$\\vskip6mm \r\n");
  EXPECT_EQ(RunOne(2, {10, 11, 12, 3, 5, 1, 1}).main,
            "\\vskip6mm $x = 5\\mbox{tg}(t/4)$,\\\\[4pt]$   y = 4\\mbox{arcsin}(t/6)$,"
            "\\\\[4pt]$   z = 6e^{(t^2)},\\ t_1=0.5.$\\vskip6mm \r\n");
  EXPECT_EQ(RunOne(2, {7, 8, 9, 2, 3, 1, 1}).answers.substr(0, 4), " 1&$");
}

TEST(CartesianSpatial, AnswersFollowFromThePrintedLaw) {
  kinematics_check::ForEachSample({12, 12, 12, 3, 10, 1, 1}, 5184, [](const auto& p, int level) {
    const auto v = RunOne(2, p, level);
    const std::string& m = v.main;
    const std::string xs = Between(m, "$x = ", "$,\\\\[4pt]$   y = ");
    const std::string ys = Between(m, "$   y = ", "$,\\\\[4pt]$   z = ");
    const std::string zs = Between(m, "$   z = ", ",\\ t_1=");
    const double t1 = std::stod(Between(m, "t_1=", ".$"));
    const auto x = kinematics_check::Differentiate(xs, 't', t1);
    const auto y = kinematics_check::Differentiate(ys, 't', t1);
    const auto z = kinematics_check::Differentiate(zs, 't', t1);
    const double speed = std::sqrt(x.d1 * x.d1 + y.d1 * y.d1 + z.d1 * z.d1);
    const double acc = std::sqrt(x.d2 * x.d2 + y.d2 * y.d2 + z.d2 * z.d2);
    const double at = (x.d1 * x.d2 + y.d1 * y.d2 + z.d1 * z.d2) / speed;
    const double an = std::sqrt(std::max(0.0, acc * acc - at * at));
    const auto c = Cells(v.answers);
    ASSERT_EQ(c.size(), 12u) << v.answers;
    const double expected[] = {x.d1, y.d1, z.d1, speed, x.d2, y.d2, z.d2, acc, at, an};
    for (int i = 0; i < 10; ++i) {
      EXPECT_TRUE(kinematics_check::Agrees(c[i + 1], expected[i], 2, 1e-5))
          << kinematics_check::Describe(p) << " cell " << i + 1 << ": " << c[i + 1] << " vs "
          << expected[i] << "\n"
          << m << v.answers;
    }
    if (an > 1e-5 * std::max(1.0, acc)) {
      EXPECT_TRUE(kinematics_check::Agrees(c[11], speed * speed / an, 3, 1e-4))
          << kinematics_check::Describe(p) << " R " << c[11] << " vs " << speed * speed / an;
    } else {
      EXPECT_TRUE(c[11] == -1 || c[11] > 1e4) << kinematics_check::Describe(p) << v.answers;
    }
  });
}

}  // namespace
