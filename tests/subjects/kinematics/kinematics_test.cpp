#include "subjects/kinematics/kinematics.h"

#include <gtest/gtest.h>

#include <string>

#include "shell/dispatch.h"
#include "subjects/kinematics/kinematics_check.h"
#include "tests/support/run_harness.h"

namespace {

struct TitleRow {
  int row;
  const char* visible;
  int trailing_blanks;
};

// Titles as the list shows them and the blanks stored after them.
const TitleRow kTitles[] = {
    {1, "Cartesian coordinates. Flat trajectory", 2},
    {2, "Cartesian coordinates. Spatial trajectory", 2},
    {3, "Natural coordinates", 15},
    {4, "Polar coordinate", 19},
    {5, "Velocity and acceleration of the body points", 7},
    {6, "Transfer of rotation", 21},
    {7, "Velocity and acceleration in the rotational motion", 0},
    {8, "Kinematic analysis of mechanism (4 link)", 0},
    {9, "Kinematic analysis of mechanism (6 link)", 0},
    {10, "Kinematic analysis of mechanism (7 link)", 0},
    {11, "Kinematic analysis of mechanism (5 link)", 0},
    {12, "Kinematic analysis of the mechanism. Angular acceleration", 0},
    {13, "Mechanism with two degrees of freedom", 0},
    {14, "Kinematic analysis of planar mechanism (1)", 0},
    {15, "Kinematic analysis of planar mechanism (2)", 0},
    {16, "The equation of the three angular velocities", 6},
    {17, "The equation of the three angular accelerations", 6},
    {18, "Complex motion of a point, flat trajectory", 0},
    {19, "Complex motion of a point, spatial trajectory", 1},
    {20, "Complex motion of a point, a flat transport motion", 0},
    {21, "Mechanism with a clutch", 21},
    {22, "Spherical motion", 18},
    {23, "Tasks on different topics", 17},
};

TEST(KinematicsTable, TitlesAreStoredWithTheirTrailingBlanks) {
  for (const TitleRow& t : kTitles) {
    EXPECT_EQ(std::string(kinematics::KinematicsTitles[t.row]),
              std::string(t.visible) + std::string(t.trailing_blanks, ' '))
        << "row " << t.row;
  }
}

TEST(KinematicsTable, BoundsOfChosenRows) {
  const auto& r = kinematics::KinematicsRanges;
  const int expected[][8] = {
      {1, 23, 10, 4, 10, 56, 33, 32}, {7, 20, 20, 20, 20, 20, 33, 32}, {9, 15, 3, 3, 3, 3, 3, 3},
      {10, 4, 2, 4, 4, 10, 4, 32},    {12, 2, 10, 3, 4, 10, 4, 4},     {19, 12, 4, 2, 3, 7, 10, 10},
      {22, 9, 9, 9, 3, 9, 3, 3},      {23, 30, 10, 4, 10, 56, 33, 32},
  };
  for (const auto& e : expected) {
    for (int k = 1; k <= 7; ++k) EXPECT_EQ(r[e[0]][k], e[k]) << "row " << e[0] << " P" << k;
  }
  for (int k = 1; k <= 7; ++k) EXPECT_EQ(r[24][k], 0);
}

TEST(KinematicsTable, ModeBytesOfTheSharedPairs) {
  EXPECT_EQ(kinematics::kFourLinkKinematicsMode, 1);
  EXPECT_EQ(kinematics::kSixLinkKinematicsMode, 2);
  EXPECT_EQ(kinematics::kSevenLinkKinematicsMode, 9);
  EXPECT_EQ(kinematics::kRollingDiskKinematicsMode, 1);
}

TEST(KinematicsTable, NumbersOutsideTheListWriteNothing) {
  for (int problem : {0, 24, 255}) {
    auto s = testing_support::NewState();
    s->P1 = s->P2 = s->P3 = s->P4 = s->P5 = s->P6 = s->P7 = 1;
    s->VariantIndex = 1;
    kinematics::BeginKinematicsProblem(*s, problem);
    kinematics::WriteKinematicsVariant(*s, problem);
    EXPECT_EQ(testing_support::MainText(*s), "") << problem;
    EXPECT_EQ(testing_support::AnsText(*s), "") << problem;
    EXPECT_EQ(testing_support::Ans2Text(*s), "") << problem;
  }
}

TEST(KinematicsTable, TheShellReachesTheTab) {
  const auto& table = shell::DefaultSubjectTable();
  EXPECT_EQ(shell::ProblemCount(table, 6), 23);
  EXPECT_EQ(std::string(shell::ProblemTitle(table, 6, 4)),
            std::string(kTitles[3].visible) + std::string(19, ' '));
}

// The point-motion rows do not read Level: Level 10 writes the bytes of Level 1.
TEST(KinematicsTable, PointMotionRowsIgnoreLevel) {
  for (int row : {1, 2, 3, 4, 7, 22}) {
    for (const kinematics_check::Params& p : {kinematics_check::Params{1, 1, 1, 1, 1, 1, 1},
                                              kinematics_check::Params{5, 3, 2, 3, 7, 2, 2},
                                              kinematics_check::Params{9, 4, 1, 6, 9, 3, 3}}) {
      const auto a = kinematics_check::RunOne(row, p, 1);
      const auto b = kinematics_check::RunOne(row, p, 10);
      EXPECT_EQ(a.main, b.main) << row;
      EXPECT_EQ(a.answers, b.answers) << row;
      EXPECT_EQ(a.second_answers, b.second_answers) << row;
    }
  }
}

}  // namespace
