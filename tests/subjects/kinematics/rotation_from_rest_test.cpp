#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "subjects/kinematics/kinematics_check.h"

namespace {

using kinematics_check::Between;
using kinematics_check::Cells;
using kinematics_check::RunOne;

TEST(RotationFromRest, AllOnes) {
  const auto v = RunOne(7, {1, 1, 1, 1, 1, 1, 1});
  EXPECT_EQ(v.main,
            "\\vskip1mm$\\vec \\varepsilon=\\{1,1,1\\}$, \r\n"
            "$\\vec r=\\{1,1,2\\}$, \\ \r\n"
            "$t=2.$\r\n");
  EXPECT_EQ(v.answers, "1 & 2.83 & 9.9");
}

TEST(RotationFromRest, DataOfChosenParameters) {
  const struct {
    std::array<int, 5> p;
    const char* eps;
    const char* r;
    const char* t;
  } cases[] = {
      {{1, 9, 1, 1, 1}, "3,1", "1,1,2", "2"},
      {{1, 10, 1, 1, 1}, "4,1", "1,1,2", "3"},
      {{20, 1, 1, 1, 1}, "1,1", "1,1,3", "2"},
      // r parallel to eps: r3 and eps1 grow until the point moves.
      {{3, 1, 1, 1, 1}, "1,1", "1,1,2", "2"},
  };
  for (const auto& c : cases) {
    const auto v = RunOne(7, {c.p[0], c.p[1], c.p[2], c.p[3], c.p[4], 1, 1});
    const std::string eps = Between(v.main, "varepsilon=\\{", "\\}");
    EXPECT_EQ(eps.substr(eps.find(',') + 1), c.eps) << c.p[0] << "," << c.p[1];
    EXPECT_EQ(Between(v.main, "\\vec r=\\{", "\\}"), c.r);
    EXPECT_EQ(Between(v.main, "$t=", ".$"), c.t);
  }
  EXPECT_EQ(Between(RunOne(7, {20, 1, 1, 1, 1, 1, 1}).main, "varepsilon=\\{", ","), "5");
  EXPECT_EQ(Between(RunOne(7, {3, 1, 1, 1, 1, 1, 1}).main, "varepsilon=\\{", ","), "2");
}

using Vec = std::array<double, 3>;

// r turned about the unit axis k by angle (Rodrigues).
Vec Rotate(const Vec& k, const Vec& r, double angle) {
  const double c = std::cos(angle), s = std::sin(angle);
  const double kr = k[0] * r[0] + k[1] * r[1] + k[2] * r[2];
  const Vec kx{k[1] * r[2] - k[2] * r[1], k[2] * r[0] - k[0] * r[2], k[0] * r[1] - k[1] * r[0]};
  Vec out;
  for (int i = 0; i < 3; ++i) out[i] = r[i] * c + kx[i] * s + k[i] * kr * (1 - c);
  return out;
}

Vec ReadVector(const std::string& text) {
  Vec v{};
  std::sscanf(text.c_str(), "%lf,%lf,%lf", &v[0], &v[1], &v[2]);
  return v;
}

double Length(const Vec& v) { return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]); }

// A printed FormatNumber value (two decimals at most) agrees with x.
bool Printed(double printed, double x) { return std::abs(printed - x) <= 0.0101 + 1e-9 * x; }

TEST(RotationFromRest, AnswersFollowFromTheRotation) {
  kinematics_check::ForEachSample(
      {20, 20, 20, 20, 20, 1, 1}, 4000,
      [](const auto& p, int level) {
        const auto v = RunOne(7, p, level);
        const Vec eps = ReadVector(Between(v.main, "varepsilon=\\{", "\\}"));
        const Vec r0 = ReadVector(Between(v.main, "\\vec r=\\{", "\\}"));
        const double t = std::stod(Between(v.main, "$t=", ".$"));
        const double e = Length(eps);
        const Vec k{eps[0] / e, eps[1] / e, eps[2] / e};
        // From rest the body has turned by |eps| tau^2 / 2 at tau: the point that is at r0 at t
        // is at Rot(|eps| (tau^2 - t^2) / 2) r0 at tau.
        const double h = 1e-3;
        Vec q[5];
        for (int i = 0; i < 5; ++i) {
          const double tau = t + (i - 2) * h;
          q[i] = Rotate(k, r0, e * (tau * tau - t * t) / 2);
        }
        Vec vel, acc;
        for (int c = 0; c < 3; ++c) {
          vel[c] = (q[0][c] - 8 * q[1][c] + 8 * q[3][c] - q[4][c]) / (12 * h);
          acc[c] = (-q[0][c] + 16 * q[1][c] - 30 * q[2][c] + 16 * q[3][c] - q[4][c]) / (12 * h * h);
        }
        const auto cells = Cells(v.answers);
        ASSERT_EQ(cells.size(), 3u) << v.answers;
        EXPECT_TRUE(Printed(cells[1], Length(vel)) && Printed(cells[2], Length(acc)))
            << kinematics_check::Describe(p) << " " << v.answers << " v=" << Length(vel)
            << " a=" << Length(acc) << " level " << level;
      },
      // Level is not read by this row (the Level test of the tab shows it): one Level keeps the
      // full sweep of its 20^5 sets within minutes.
      1);
}

}  // namespace
