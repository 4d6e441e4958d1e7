#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "subjects/kinematics/linkage/linkage_solver.h"
#include "tests/support/run_harness.h"
#include "toolkit/errors.h"

namespace {

using kinematics::ComputeSegmentDirection;
using kinematics::SolveRigidLinkPoint;
using kinematics::SolveSliderGroup;
using kinematics::SolveTwoLinkGroup;

void Place(SharedState& s, int i, double x, double y) {
  s.PointX[i] = x;
  s.PointY[i] = y;
}

// Crank O-A (O point 1 at the origin, A point 2 at (10, 0)) turning at 2 rad/s.
std::unique_ptr<SharedState> CrankAtTwo() {
  auto s = testing_support::NewState();
  Place(*s, 1, 0, 0);
  Place(*s, 2, 10, 0);
  kinematics::ClearLinkagePoints(*s, 4);
  kinematics::ClearLinkOmega(*s, 4);
  s->LinkOmega[2][1] = 2;
  s->LinkEpsilon[2][1] = 0;
  SolveRigidLinkPoint(*s, 2, 1, 2);
  return s;
}

TEST(LinkageSolver, CrankAndTwoLinkGroup) {
  auto s = CrankAtTwo();
  EXPECT_DOUBLE_EQ(s->LinkPointVx[2], 0);
  EXPECT_DOUBLE_EQ(s->LinkPointVy[2], 20);
  EXPECT_DOUBLE_EQ(s->LinkPointSpeed[2], 20);
  EXPECT_DOUBLE_EQ(s->LinkPointAx[2], -40);
  EXPECT_DOUBLE_EQ(s->LinkPointAy[2], 0);
  EXPECT_DOUBLE_EQ(s->LinkPointAccel[2], 40);
  EXPECT_DOUBLE_EQ(s->LinkOmega[1][2], 2);

  Place(*s, 3, 10, 10);  // B
  Place(*s, 4, 20, 10);  // the fixed pivot C
  SolveTwoLinkGroup(*s, 2, 3, 4);
  EXPECT_DOUBLE_EQ(s->GroupDeterminant, -100);
  EXPECT_DOUBLE_EQ(s->LinkOmega[2][3], 0);
  EXPECT_DOUBLE_EQ(s->LinkPointVx[3], 0);
  EXPECT_DOUBLE_EQ(s->LinkPointVy[3], 20);
  EXPECT_DOUBLE_EQ(s->LinkOmega[3][4], -2);
  EXPECT_DOUBLE_EQ(s->LinkOmega[4][3], -2);
  EXPECT_DOUBLE_EQ(s->LinkEpsilon[2][3], -8);
  EXPECT_DOUBLE_EQ(s->LinkEpsilon[3][4], 0);
  EXPECT_DOUBLE_EQ(s->LinkPointAx[3], 40);
  EXPECT_DOUBLE_EQ(s->LinkPointAy[3], 0);
  // v_B is perpendicular to B-C; the matrices are symmetric for the solved links.
  EXPECT_DOUBLE_EQ(s->LinkPointVx[3] * 10 + s->LinkPointVy[3] * 0, 0);
  for (auto [i, j] : {std::pair{1, 2}, {2, 3}, {3, 4}}) {
    EXPECT_EQ(s->LinkOmega[i][j], s->LinkOmega[j][i]) << i << j;
    EXPECT_EQ(s->LinkEpsilon[i][j], s->LinkEpsilon[j][i]) << i << j;
  }
}

// B-C vertical up to rounding (as fitting and scaling back leave it): the rocker's angular
// velocity comes from the component of B-C that is not noise.
TEST(LinkageSolver, RockerAlmostVertical) {
  auto s = CrankAtTwo();
  Place(*s, 3, 0, 10);
  Place(*s, 4, 1e-15, 30);
  SolveTwoLinkGroup(*s, 2, 3, 4);
  EXPECT_GT(std::abs(s->LinkPointVx[3]), 1);
  // B moves across B-C only: v_B = (vx, 0), w_BC = vx / (y_C - y_B).
  EXPECT_NEAR(s->LinkOmega[3][4], s->LinkPointVx[3] / 20, 1e-9);
  EXPECT_NEAR(s->LinkPointVx[3] * 1e-15 + s->LinkPointVy[3] * 20, 0, 1e-9);
}

TEST(LinkageSolver, SliderStaysOnItsGuide) {
  for (int k = 1; k <= 4; ++k) {
    auto s = CrankAtTwo();
    s->LinkEpsilon[2][1] = 3;
    SolveRigidLinkPoint(*s, 2, 1, 2);
    Place(*s, 3, 25, 7);
    SolveSliderGroup(*s, 2, 3, k);
    const double t = (k - 1) * std::numbers::pi / 2;
    const double nx = -std::sin(t), ny = std::cos(t);  // the guide's normal
    EXPECT_NEAR(s->LinkPointVx[3] * nx + s->LinkPointVy[3] * ny, 0, 1e-9) << k;
    EXPECT_NEAR(s->LinkPointAx[3] * nx + s->LinkPointAy[3] * ny, 0, 1e-9) << k;
    // The rod keeps its length: relative velocity perpendicular to A-B.
    const double rx = 15, ry = 7;
    EXPECT_NEAR((s->LinkPointVx[3] - s->LinkPointVx[2]) * rx +
                    (s->LinkPointVy[3] - s->LinkPointVy[2]) * ry,
                0, 1e-9)
        << k;
  }
}

TEST(LinkageSolver, DeadPointThrowsNamingTheMechanism) {
  auto s = CrankAtTwo();
  Place(*s, 3, 10, 10);
  Place(*s, 4, 10, 20);  // A, B and C in one line
  try {
    SolveTwoLinkGroup(*s, 2, 3, 4, "four-link mechanism");
    FAIL() << "no error";
  } catch (const toolkit::DegenerateDataError& e) {
    EXPECT_NE(std::string(e.what()).find("four-link mechanism"), std::string::npos) << e.what();
  }
  // A rod perpendicular to a horizontal guide.
  EXPECT_THROW(SolveSliderGroup(*s, 2, 3, 1), toolkit::DegenerateDataError);
  // A horizontal rod on a horizontal guide is a valid slider position.
  Place(*s, 3, 20, 0);
  EXPECT_NO_THROW(SolveSliderGroup(*s, 2, 3, 1));
}

TEST(LinkageSolver, SegmentDirection) {
  auto s = testing_support::NewState();
  Place(*s, 1, 3, 4);
  Place(*s, 2, 0, 0);
  ComputeSegmentDirection(*s, 1, 2);
  EXPECT_DOUBLE_EQ(s->SegmentLength, 5);
  EXPECT_DOUBLE_EQ(s->SegmentDirX, 0.6);
  EXPECT_DOUBLE_EQ(s->SegmentDirY, 0.8);
  EXPECT_DOUBLE_EQ(s->SegmentAngle, std::atan(4.0 / 3));
  Place(*s, 1, -3, 4);
  ComputeSegmentDirection(*s, 1, 2);
  EXPECT_GT(s->SegmentAngle, std::numbers::pi / 2);
  EXPECT_NEAR(s->SegmentAngle, std::numbers::pi - std::atan(4.0 / 3), 1e-12);
  // Vertical segments get their own direction, not the previous call's angle.
  Place(*s, 1, 0, 7);
  ComputeSegmentDirection(*s, 1, 2);
  EXPECT_DOUBLE_EQ(s->SegmentAngle, std::numbers::pi / 2);
  Place(*s, 1, 0, -7);
  ComputeSegmentDirection(*s, 1, 2);
  EXPECT_NEAR(std::cos(s->SegmentAngle), 0, 1e-12);
  EXPECT_NEAR(std::sin(s->SegmentAngle), -1, 1e-12);
  Place(*s, 1, 0, 0);
  EXPECT_THROW(ComputeSegmentDirection(*s, 1, 2), toolkit::DegenerateDataError);
}

TEST(LinkageSolver, JointLabelMacros) {
  auto s = testing_support::NewState();
  kinematics::DefineJointLabelMacros(*s, 2);
  EXPECT_EQ(testing_support::MainText(*s), "\\newcommand{\\sA}{$A$}\r\n\\newcommand{\\sB}{$B$}\r\n");
}

}  // namespace
