#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "subjects/kinematics/kinematics_check.h"

namespace {

using kinematics_check::Between;
using kinematics_check::Cells;
using kinematics_check::RunOne;

TEST(NaturalCoordinates, GoldenLines) {
  // Kind 18 prints the moved abscissa: P3 = 1, P4 = 1 gives x = 5.
  EXPECT_EQ(Between(RunOne(3, {18, 1, 1, 1, 1, 1, 1}).main, "$ x=", "$~"), "5");
  // Kind 12 always has v = 2.
  for (int p2 = 1; p2 <= 4; ++p2) {
    EXPECT_EQ(Between(RunOne(3, {12, p2, 2, 6, 1, 1, 1}).main, "$v=", "$~"), "  2");
  }
  // Kind 3 begins with a blank before A and ends its line.
  EXPECT_EQ(RunOne(3, {3, 1, 1, 1, 1, 1, 1}).main,
            "\\vskip3mm $y =  3\\ln(x/2+1)\r\n,$\\vskip2mm \\ \\ \\ \\ \\ $v=  4$~м/c,\\ $ x=1$~м."
            "\\vskip3mm\r\n");
  // Kind 23 with P2 = 4, P3 = 1, P4 = 3: the coefficient that rounds to 0 is taken as 1.
  EXPECT_EQ(Between(RunOne(3, {23, 4, 1, 3, 1, 1, 1}).main, "$y = ", ",$"),
            "\\frc{x(7+\\sin^2(3x) )}{1}");
}

TEST(NaturalCoordinates, KindThirteenWithUnitCoefficientEndsItsLine) {
  int unit = 0, other = 0;
  for (int p2 = 1; p2 <= 4; ++p2) {
    for (int p3 = 1; p3 <= 2; ++p3) {
      for (int p4 = 1; p4 <= 6; ++p4) {
        const std::string y = Between(RunOne(3, {13, p2, p3, p4, 1, 1, 1}).main, "$y = ", ",$");
        if (y.rfind("x\\sin", 0) == 0) {
          ++unit;
          EXPECT_EQ(y.substr(y.size() - 2), "\r\n") << y;
        } else {
          ++other;
          EXPECT_NE(y.substr(y.size() - 2), "\r\n") << y;
        }
      }
    }
  }
  EXPECT_GT(unit, 0);
  EXPECT_GT(other, 0);
}

TEST(NaturalCoordinates, AnswersFollowFromThePrintedCurve) {
  kinematics_check::ForEachSample({27, 4, 2, 6, 1, 1, 1}, 2000, [](const auto& p, int level) {
    const auto v = RunOne(3, p, level);
    const std::string y = Between(v.main, "$y = ", ",$\\vskip2mm");
    const double speed = std::stod(Between(v.main, "$v=", "$~"));
    const double x0 = std::stod(Between(v.main, "$ x=", "$~"));
    const auto d = kinematics_check::Differentiate(y, 'x', x0, 1e-3);
    const double q = 1 + d.d1 * d.d1;
    const double curvature = std::abs(d.d2) / std::pow(q, 1.5);
    const double acc = speed * speed * curvature;
    // The unit tangent along x, the unit normal towards the concave side.
    const double tx = 1 / std::sqrt(q), ty = d.d1 / std::sqrt(q);
    const double side = d.d2 > 0 ? 1 : -1;
    const double nx = -ty * side, ny = tx * side;
    const auto c = Cells(v.answers);
    ASSERT_EQ(c.size(), 10u) << v.answers;
    const double e[] = {d.d1,     d.d2,     speed * tx, speed * ty,   tx,
                        acc * nx, acc * ny, acc,        1 / curvature};
    for (int i = 0; i < 9; ++i) {
      EXPECT_TRUE(kinematics_check::Agrees(c[i + 1], e[i], 3, 1e-6))
          << kinematics_check::Describe(p) << " cell " << i + 1 << ": " << c[i + 1] << " vs "
          << e[i] << "\n"
          << v.main << v.answers;
    }
  });
}

}  // namespace
