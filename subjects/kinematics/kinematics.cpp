#include "subjects/kinematics/kinematics.h"

#include "subjects/kinematics/arbitrary_position.h"
#include "subjects/kinematics/clutch_mechanism.h"
#include "subjects/kinematics/given_position_accelerations.h"
#include "subjects/kinematics/given_position_velocities.h"
#include "subjects/kinematics/problems.h"
#include "subjects/kinematics/rolling_disk_mechanism.h"
#include "subjects/kinematics/three_angular_accelerations.h"
#include "subjects/kinematics/three_angular_velocities.h"
#include "subjects/kinematics/two_degrees_of_freedom.h"

namespace kinematics {

namespace {

using subjects::ProblemRow;

// The Kinematic list in row order: title as stored (trailing blanks included, the answers file
// and the document head print it), bounds of P1..P7, begin and variant routines. Rows 8, 9, 10
// and 14 pass their mode (kinematics.h) to both routines through captureless lambdas.
constexpr ProblemRow kKinematicsRows[] = {
    {"Cartesian coordinates. Flat trajectory  ",
     {23, 10, 4, 10, 56, 33, 32},
     BeginCartesianFlatProblem,
     WriteCartesianFlatVariant},  // 1
    {"Cartesian coordinates. Spatial trajectory  ",
     {12, 12, 12, 3, 10, 33, 32},
     BeginCartesianSpatialProblem,
     WriteCartesianSpatialVariant},  // 2
    {"Natural coordinates               ",
     {27, 4, 2, 6, 10, 33, 32},
     BeginNaturalCoordinatesProblem,
     WriteNaturalCoordinatesVariant},  // 3
    {"Polar coordinate                   ",
     {22, 4, 10, 10, 56, 33, 32},
     BeginPolarProblem,
     WritePolarVariant},                                                                  // 4
    {"Velocity and acceleration of the body points       ",
     {10, 3, 9, 10, 10, 33, 32},
     BeginBodyPointMotionProblem,
     WriteBodyPointMotionVariant},  // 5
    {"Transfer of rotation                     ",
     {8, 3, 4, 4, 9, 33, 32},
     BeginBeltTransmissionProblem,
     WriteBeltTransmissionVariant},  // 6
    {"Velocity and acceleration in the rotational motion",
     {20, 20, 20, 20, 20, 33, 32},
     BeginRotationFromRestProblem,
     WriteRotationFromRestVariant},                                                          // 7
    {"Kinematic analysis of mechanism (4 link)",
     {4, 4, 4, 8, 5, 33, 32},
     [](SharedState& s) { BeginFourLinkMechanismProblem(s, kFourLinkKinematicsMode); },
     [](SharedState& s) { WriteFourLinkMechanismVariant(s, kFourLinkKinematicsMode); }},  // 8
    {"Kinematic analysis of mechanism (6 link)",
     {15, 3, 3, 3, 3, 3, 3},
     [](SharedState& s) { BeginSixLinkMechanismProblem(s, kSixLinkKinematicsMode); },
     [](SharedState& s) { WriteSixLinkMechanismVariant(s, kSixLinkKinematicsMode); }},  // 9
    {"Kinematic analysis of mechanism (7 link)",
     {4, 2, 4, 4, 10, 4, 32},
     [](SharedState& s) { BeginSevenLinkMechanismProblem(s, kSevenLinkKinematicsMode); },
     [](SharedState& s) { WriteSevenLinkMechanismVariant(s, kSevenLinkKinematicsMode); }},  // 10
    {"Kinematic analysis of mechanism (5 link)",
     {4, 4, 4, 4, 4, 10, 5},
     BeginGivenPositionVelocitiesProblem,
     WriteGivenPositionVelocitiesVariant},  // 11
    {"Kinematic analysis of the mechanism. Angular acceleration",
     {2, 10, 3, 4, 10, 4, 4},
     BeginGivenPositionAccelerationsProblem,
     WriteGivenPositionAccelerationsVariant},  // 12
    {"Mechanism with two degrees of freedom",
     {7, 7, 4, 3, 4, 9, 9},
     BeginTwoDegreesOfFreedomProblem,
     WriteTwoDegreesOfFreedomVariant},  // 13
    {"Kinematic analysis of planar mechanism (1)",
     {5, 6, 3, 3, 4, 4, 4},
     [](SharedState& s) { BeginRollingDiskMechanismProblem(s, kRollingDiskKinematicsMode); },
     [](SharedState& s) { WriteRollingDiskMechanismVariant(s, kRollingDiskKinematicsMode); }},  // 14
    {"Kinematic analysis of planar mechanism (2)",
     {7, 7, 4, 3, 2, 2, 3},
     BeginArbitraryPositionProblem,
     WriteArbitraryPositionVariant},  // 15
    {"The equation of the three angular velocities      ",
     {10, 2, 4, 4, 4, 33, 32},
     BeginThreeAngularVelocitiesProblem,
     WriteThreeAngularVelocitiesVariant},  // 16
    {"The equation of the three angular accelerations      ",
     {5, 2, 4, 4, 4, 33, 32},
     BeginThreeAngularAccelerationsProblem,
     WriteThreeAngularAccelerationsVariant},  // 17
    {"Complex motion of a point, flat trajectory",
     {12, 4, 2, 3, 7, 3, 3},
     BeginComplexMotionFlatProblem,
     WriteComplexMotionFlatVariant},  // 18
    {"Complex motion of a point, spatial trajectory ",
     {12, 4, 2, 3, 7, 10, 10},
     BeginComplexMotionSpatialProblem,
     WriteComplexMotionSpatialVariant},  // 19
    {"Complex motion of a point, a flat transport motion",
     {10, 10, 3, 4, 8, 33, 32},
     BeginPointOnRodProblem,
     WritePointOnRodVariant},  // 20
    {"Mechanism with a clutch                     ",
     {8, 6, 4, 3, 3, 33, 32},
     BeginClutchMechanismProblem,
     WriteClutchMechanismVariant},  // 21
    {"Spherical motion                  ",
     {9, 9, 9, 3, 9, 3, 3},
     BeginSphericalMotionProblem,
     WriteSphericalMotionVariant},                                                // 22
    {"Tasks on different topics                 ",
     {30, 10, 4, 10, 56, 33, 32},
     BeginDifferentTopicsProblem,
     WriteDifferentTopicsVariant},  // 23
};
static_assert(std::size(kKinematicsRows) == kKinematicsProblemCount);

}  // namespace

const subjects::ProblemTab KinematicsTab{kKinematicsRows, {}};

const toolkit::IndexedArray<std::string_view, 1, kKinematicsProblemCount> KinematicsTitles = [] {
  toolkit::IndexedArray<std::string_view, 1, kKinematicsProblemCount> t;
  for (int i = 1; i <= kKinematicsProblemCount; ++i) t[i] = kKinematicsRows[i - 1].Title;
  return t;
}();

const toolkit::TParameterRangeTable KinematicsRanges = subjects::RangesOf(KinematicsTab);

void BeginKinematicsProblem(SharedState& s, int problem) {
  subjects::BeginRowProblem(s, KinematicsTab, problem);
}

void WriteKinematicsVariant(SharedState& s, int problem) {
  subjects::WriteRowVariant(s, KinematicsTab, problem);
}

}  // namespace kinematics
