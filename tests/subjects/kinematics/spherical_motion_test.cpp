#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "subjects/kinematics/kinematics_check.h"

namespace {

using kinematics_check::Between;
using kinematics_check::Cells;
using kinematics_check::RunOne;

TEST(SphericalMotion, KindAdjustments) {
  // P1 = P2 = P3 = 9: P2 wraps to 1, P3 stays 9; P4 = 1 makes psi constant.
  auto v = RunOne(22, {9, 9, 9, 1, 1, 1, 1});
  EXPECT_EQ(v.p_after[0], 10);
  EXPECT_EQ(v.p_after[1], 1);
  EXPECT_EQ(v.p_after[2], 9);
  v = RunOne(22, {9, 9, 9, 3, 1, 1, 1});
  EXPECT_EQ(v.p_after[1], 1);
  EXPECT_EQ(v.p_after[2], 10);
}

TEST(SphericalMotion, GoldenLines) {
  // P4 = 1 with P1 = 8: psi constant pi/2 (P5 = 1), z = Round(10/3) + 1 = 4.
  const auto v = RunOne(22, {8, 1, 2, 1, 1, 2, 1});
  EXPECT_EQ(v.main,
            " $\\psi = \\pi/2 \r\n"
            ",\\   \\theta = (\\frac{1}{2})\\sin 4t+2t\r\n"
            ", $\\par $  \\varphi =  5/( t+2)\r\n"
            ", \\ \r\n"
            "$  $x=1$, $y=1$,\r\n"
            " $z=4$.\\vskip3mm\r\n"
            "$t=2~c.$\r\n");
  // The constant angle's divisor walks 2, 3, 4 with P5 (P5 = 4, 5, 9 give 2, 3, 4).
  for (const auto& [p5, text] :
       {std::pair{4, "\\pi/2 "}, std::pair{5, "\\pi/3 "}, std::pair{9, "\\pi/4 "}}) {
    EXPECT_EQ(Between(RunOne(22, {8, 1, 2, 1, p5, 2, 1}).main, "\\psi = ", "\r\n"), text) << p5;
  }
  // Kinds 3, 5, 6, 7, 8, 9 with P4 = 2, P5 = 1.
  EXPECT_EQ(Between(RunOne(22, {3, 5, 6, 3, 1, 1, 1}).main, "\\psi = ", ", \\ "),
            "3(t+1)^{3/10},\\   \\theta =  \\ln{(2t+2)}\r\n, $\\par $  \\varphi = \\pi/2 \r\n");
  EXPECT_EQ(Between(RunOne(22, {7, 8, 9, 1, 2, 1, 1}).main, "\\theta = ", ", \\ "),
            "4t+(\\frac{1}{4})\\cos^2 8t, $\\par $  \\varphi = 3\\sqrt{4t+3}");
  // A = 2N: the factor 1 is left out with its brackets.
  EXPECT_EQ(Between(RunOne(22, {8, 1, 2, 3, 1, 1, 1}).main, "\\psi = ", ",\\ "), "3t+ \\cos^2 4t");
  EXPECT_EQ(RunOne(22, {1, 2, 3, 1, 1, 1, 1}).second_answers.substr(0, 6), "  1 & ");
}

using Vec = std::array<double, 3>;
using Mat = std::array<Vec, 3>;

Mat Mul(const Mat& a, const Mat& b) {
  Mat c{};
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j)
      for (int k = 0; k < 3; ++k) c[i][j] += a[i][k] * b[k][j];
  return c;
}
Mat Rz(double a) {
  return {{{std::cos(a), -std::sin(a), 0}, {std::sin(a), std::cos(a), 0}, {0, 0, 1}}};
}
Mat Rx(double a) {
  return {{{1, 0, 0}, {0, std::cos(a), -std::sin(a)}, {0, std::sin(a), std::cos(a)}}};
}

double Len(const Vec& v) { return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]); }

TEST(SphericalMotion, AnswersFollowFromTheRotationMatrix) {
  kinematics_check::ForEachSample({9, 9, 9, 3, 9, 3, 1}, 6000, [](const auto& p, int level) {
    const auto v = RunOne(22, p, level);
    const std::string& m = v.main;
    const std::string laws[3] = {Between(m, "\\psi = ", ",\\   \\theta = "),
                                 Between(m, "\\theta = ", ", $\\par $  \\varphi = "),
                                 Between(m, "\\varphi = ", ", \\ ")};
    const double x = std::stod(Between(m, "$x=", "$")), y = std::stod(Between(m, "$y=", "$"));
    const double z = std::stod(Between(m, "$z=", "$")), t = std::stod(Between(m, "$t=", "~c"));
    const tex_formula::Formula f[3] = {
        tex_formula::Formula(kinematics_check::Normalize(laws[0]), 't'),
        tex_formula::Formula(kinematics_check::Normalize(laws[1]), 't'),
        tex_formula::Formula(kinematics_check::Normalize(laws[2]), 't')};
    auto rotation = [&](double tau) {
      return Mul(Mul(Rz(static_cast<double>(f[0](tau))), Rx(static_cast<double>(f[1](tau)))),
                 Rz(static_cast<double>(f[2](tau))));
    };
    const double h = 2e-4;
    const double w5[5] = {1, -8, 0, 8, -1};
    const double s5[5] = {-1, 16, -30, 16, -1};
    // Body angular velocity at tau from R^T dR/dt.
    auto omega_at = [&](double tau) {
      Mat r[5];
      for (int i = 0; i < 5; ++i) r[i] = rotation(tau + (i - 2) * h);
      Mat dr{};
      for (int i = 0; i < 5; ++i)
        for (int a = 0; a < 3; ++a)
          for (int b = 0; b < 3; ++b) dr[a][b] += w5[i] * r[i][a][b] / (12 * h);
      Mat rt{};
      for (int a = 0; a < 3; ++a)
        for (int b = 0; b < 3; ++b) rt[a][b] = r[2][b][a];
      const Mat w = Mul(rt, dr);
      return Vec{w[2][1], w[0][2], w[1][0]};
    };
    Vec omega = omega_at(t), eps{};
    const double h2 = 2e-4;
    for (int i = 0; i < 5; ++i) {
      if (i == 2) continue;
      const Vec w = omega_at(t + (i - 2) * h2);
      for (int c = 0; c < 3; ++c) eps[c] += w5[i] * w[c] / (12 * h2);
    }
    // Velocity and acceleration of the body point from its path R(tau) r, in body axes.
    const Vec r0{x, y, z};
    Vec pos[5];
    for (int i = 0; i < 5; ++i) {
      const Mat rr = rotation(t + (i - 2) * h);
      for (int a = 0; a < 3; ++a)
        pos[i][a] = rr[a][0] * r0[0] + rr[a][1] * r0[1] + rr[a][2] * r0[2];
    }
    const Mat rt = rotation(t);
    Vec vel{}, acc{};
    for (int a = 0; a < 3; ++a) {
      for (int i = 0; i < 5; ++i) {
        for (int b = 0; b < 3; ++b) {
          vel[a] += rt[b][a] * w5[i] * pos[i][b] / (12 * h);
          acc[a] += rt[b][a] * s5[i] * pos[i][b] / (12 * h * h);
        }
      }
    }
    const auto c1 = Cells(v.answers), c2 = Cells(v.second_answers);
    ASSERT_EQ(c1.size(), 9u) << v.answers;
    ASSERT_EQ(c2.size(), 9u) << v.second_answers;
    const double e1[] = {vel[0], vel[1], vel[2], Len(vel), acc[0], acc[1], acc[2], Len(acc)};
    const double e2[] = {omega[0], omega[1], omega[2], Len(omega),
                         eps[0],   eps[1],   eps[2],   Len(eps)};
    for (int i = 0; i < 8; ++i) {
      EXPECT_TRUE(kinematics_check::Agrees(c1[i + 1], e1[i], 3, 2e-6))
          << kinematics_check::Describe(p) << " v/a cell " << i + 1 << ": " << c1[i + 1] << " vs "
          << e1[i] << "\n"
          << m;
      EXPECT_TRUE(kinematics_check::Agrees(c2[i + 1], e2[i], 3, 2e-6))
          << kinematics_check::Describe(p) << " omega/eps cell " << i + 1 << ": " << c2[i + 1]
          << " vs " << e2[i] << "\n"
          << m;
    }
  });
}

}  // namespace
