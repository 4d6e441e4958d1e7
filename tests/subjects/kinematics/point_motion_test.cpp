#include "subjects/kinematics/point_motion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "tests/support/run_harness.h"

namespace {

using kinematics::PointMotion;

TEST(ReduceFractionText, ReducesPositiveAndOnlyHalvesOthers) {
  const struct {
    int a, b;
    const char *num, *den;
  } cases[] = {
      {12, 18, "2", "3"}, {4, 8, "1", "2"}, {7, 1, "7", "1"}, {-6, 8, "-3", "4"},
      {-6, 9, "-6", "9"}, {0, 6, "0", "3"}, {0, 0, "0", "0"}, {1234567, 1, "123456", "1"},
  };
  PointMotion m;
  for (const auto& c : cases) {
    kinematics::ReduceFractionText(m, c.a, c.b);
    EXPECT_EQ(m.FractionNumText, c.num) << c.a << "/" << c.b;
    EXPECT_EQ(m.FractionDenText, c.den) << c.a << "/" << c.b;
  }
}

TEST(FormatTexFraction, Texts) {
  PointMotion m;
  EXPECT_EQ(kinematics::FormatTexFraction(m, 3, 6), "\\frac{1}{2}");
  EXPECT_EQ(kinematics::FormatTexFraction(m, 6, 4), "\\frac{3}{2}");
  EXPECT_EQ(kinematics::FormatTexFraction(m, 6, 3), "2");
  EXPECT_EQ(kinematics::FormatTexFraction(m, 4, 4), " ");
}

TEST(FormatTimeCoefficient, Texts) {
  PointMotion m;
  EXPECT_EQ(kinematics::FormatTimeCoefficient(m, 2, 4), "t/2");
  EXPECT_EQ(kinematics::FormatTimeCoefficient(m, 3, 4), "3t/4");
  EXPECT_EQ(kinematics::FormatTimeCoefficient(m, 4, 2), "2t");
  EXPECT_EQ(kinematics::FormatTimeCoefficient(m, 5, 5), "t");
}

TEST(SetInstantFromP4, RemapsAndWritesTheFractionOfPi) {
  const struct {
    int p4, n, p4_after;
    const char* text;
  } cases[] = {
      {9, 3, 13, "13\\pi/18"}, {6, 2, 14, "7\\pi/6"}, {2, 2, 2, " \\pi/6"},
      {3, 2, 11, "11\\pi/12"}, {1, 1, 1, " \\pi/6"},
  };
  for (const auto& c : cases) {
    auto s = testing_support::NewState();
    s->P4 = static_cast<std::int8_t>(c.p4);
    s->LawN = c.n;
    kinematics::SetInstantFromP4(*s);
    EXPECT_EQ(s->P4, c.p4_after);
    EXPECT_EQ(s->T1Text, c.text);
    EXPECT_NEAR(s->LawFrequency, c.p4_after * std::numbers::pi / (6.0 * c.n), 1e-15);
  }
}

PointMotion Motion(double vx, double vy, double vz, double ax, double ay, double az) {
  PointMotion m;
  m.PointVx = vx, m.PointVy = vy, m.PointVz = vz;
  m.PointAx = ax, m.PointAy = ay, m.PointAz = az;
  kinematics::PointMotionCharacteristics(m);
  return m;
}

TEST(PointMotionCharacteristics, StraightAndCurvedPaths) {
  const PointMotion straight = Motion(3, 4, 0, 6, 8, 0);
  EXPECT_DOUBLE_EQ(straight.PointSpeed, 5);
  EXPECT_DOUBLE_EQ(straight.PointAccel, 10);
  EXPECT_DOUBLE_EQ(straight.TangentialAccel, 10);
  EXPECT_EQ(straight.NormalAccel, 0);
  EXPECT_EQ(straight.CurvatureRadius, -1);

  const PointMotion curved = Motion(0, 2, 0, 3, 0, 0);
  EXPECT_DOUBLE_EQ(curved.PointSpeed, 2);
  EXPECT_DOUBLE_EQ(curved.PointAccel, 3);
  EXPECT_DOUBLE_EQ(curved.TangentialAccel, 0);
  EXPECT_DOUBLE_EQ(curved.NormalAccel, 3);
  EXPECT_DOUBLE_EQ(curved.CurvatureRadius, 4.0 / 3);
}

TEST(PointMotionCharacteristics, RoundingOnAStraightPathGivesNoNormalAcceleration) {
  // Components of one direction whose a_tau comes out above a by rounding.
  const double d = std::sqrt(2.0) / 2;
  const PointMotion m = Motion(0.1 * d, 0.3 * d, 0.7 * d, -0.3 * d, -0.9 * d, -2.1 * d);
  EXPECT_EQ(m.NormalAccel, 0);
  EXPECT_EQ(m.CurvatureRadius, -1);
  EXPECT_NEAR(m.TangentialAccel, -m.PointAccel, 1e-12);
}

TEST(PointMotionCharacteristics, PointAtRestHasOnlyTangentialAcceleration) {
  const PointMotion m = Motion(1e-17, 0, 0, 3, 4, 0);
  EXPECT_DOUBLE_EQ(m.TangentialAccel, 5);
  EXPECT_EQ(m.NormalAccel, 0);
  EXPECT_EQ(m.CurvatureRadius, -1);
}

TEST(WriteYEquals, Separator) {
  auto s = testing_support::NewState();
  kinematics::WriteYEquals(*s);
  EXPECT_EQ(testing_support::MainText(*s), "$ \\\\[2pt] $ y= ");
}

}  // namespace
