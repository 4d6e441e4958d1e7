#include "subjects/dynamics/dynamics.h"

#include <iterator>

#include "subjects/dynamics/coulisse_lagrange.h"
#include "subjects/dynamics/cylinder_springs.h"
#include "subjects/dynamics/cylinders_bar.h"
#include "subjects/dynamics/degrees_of_freedom.h"
#include "subjects/dynamics/hamilton_equations.h"
#include "subjects/dynamics/hamiltonian.h"
#include "subjects/dynamics/lagrange_acceleration.h"
#include "subjects/dynamics/lagrange_given_energy.h"
#include "subjects/dynamics/motion_integration.h"
#include "subjects/dynamics/point_dynamics_theorems.h"
#include "subjects/dynamics/point_motion_equation.h"
#include "subjects/dynamics/reduced_masses.h"
#include "subjects/dynamics/routh_function.h"
#include "subjects/dynamics/shaft_reactions.h"
#include "subjects/dynamics/stepped_block_disc.h"
#include "subjects/dynamics/system_theorems.h"
#include "subjects/dynamics/truss_oscillation.h"
#include "subjects/dynamics/two_dof_oscillation.h"
#include "subjects/dynamics/unknown_parameter_mechanism.h"
#include "subjects/kinematics/kinematics.h"
#include "subjects/kinematics/rolling_disk_mechanism.h"
#include "subjects/mechanisms/lagrange_catalogue.h"

namespace dynamics {

namespace {

using subjects::ParameterBounds;
using subjects::ProblemRow;

// The Dynamics list in row order: title as stored (leading and trailing blanks and typos
// kept; rows 5, 15, 23, 25 and 27 are blank and start nothing), bounds of P1..P7, begin and
// variant routines. Rows sharing a routine pass their row number (or the mechanism mode) to it
// through captureless lambdas; row 14 takes the cylinders-and-bar pair at Level 1.
constexpr ProblemRow kDynamicsRows[] = {
    {"The main theorems of the dynamics point   ",
     {10, 20, 4, 3, 3, 33, 32},
     BeginPointDynamicsTheoremsProblem,
     WritePointDynamicsTheoremsVariant},  // 1
    {"The differential equation of motion of a point",
     {33, 1, 1, 1, 1, 33, 32},
     BeginPointMotionEquationProblem,
     WritePointMotionEquationVariant},  // 2
    {" Integration of the equation of movement ",
     {2, 20, 20, 6, 10, 5, 5},
     BeginMotionIntegrationProblem,
     WriteMotionIntegrationVariant},  // 3
    {" The Theorem of the centre of mass of system ",
     {3, 3, 2, 4, 5, 10, 10},
     [](SharedState& s) { BeginSystemTheoremsProblem(s, 4); },
     [](SharedState& s) { WriteSystemTheoremsVariant(s, 4); }},  // 4
    {"  ", {14, 15, 40, 9, 9, 33, 32}},                                            // 5 blank
    {" The Theorem of kinetic energy (1) ",
     {3, 3, 2, 4, 5, 10, 10},
     [](SharedState& s) { BeginSystemTheoremsProblem(s, 6); },
     [](SharedState& s) { WriteSystemTheoremsVariant(s, 6); }},  // 6
    {" Dynamic calculation of the mechanism with unknown parametre ",
     {4, 16, 3, 4, 8, 33, 32},
     [](SharedState& s) { BeginUnknownParameterMechanismProblem(s, 7); },
     [](SharedState& s) { WriteUnknownParameterMechanismVariant(s, 7); }},  // 7
    {" The Theorem of change of kinetic energy (3) ",
     {60, 6, 10, 7, 9, 33, 32},
     [](SharedState& s) { BeginEnergyAndGeneralEquationProblem(s, 8); },
     [](SharedState& s) { WriteEnergyAndGeneralEquationVariant(s, 8); }},  // 8
    {" The Principle of possible movings (1) ",
     {4, 4, 4, 8, 2, 33, 32},
     [](SharedState& s) {
       kinematics::BeginFourLinkMechanismProblem(s, kinematics::kFourLinkStaticsMode);
     },
     [](SharedState& s) {
       kinematics::WriteFourLinkMechanismVariant(s, kinematics::kFourLinkStaticsMode);
     }},  // 9 four-link, mode 9
    {" The General equation of dynamics, 2 degrees of freedom (1) ",
     {4, 3, 2, 4, 5, 12, 12},
     [](SharedState& s) { BeginSystemTheoremsProblem(s, 10); },
     [](SharedState& s) { WriteSystemTheoremsVariant(s, 10); }},  // 10
    {" The General equation of dynamics, 2 degrees of freedom (2) ",
     {36, 6, 10, 7, 9, 33, 32},
     [](SharedState& s) { BeginEnergyAndGeneralEquationProblem(s, 11); },
     [](SharedState& s) { WriteEnergyAndGeneralEquationVariant(s, 11); }},  // 11
    {" The Lever Zhukovsky. The iterative mechanism ",
     {4, 4, 4, 8, 2, 33, 32},
     [](SharedState& s) {
       kinematics::BeginFourLinkMechanismProblem(s, kinematics::kFourLinkMomentMode);
     },
     [](SharedState& s) {
       kinematics::WriteFourLinkMechanismVariant(s, kinematics::kFourLinkMomentMode);
     }},  // 12 four-link, mode 12
    {" Lagrange Equation (acceleration calculation) ",
     {5, 4, 7, 2, 12, 3, 12},
     BeginLagrangeAccelerationProblem,
     WriteLagrangeAccelerationVariant},  // 13
    {" Lagrange Equation  of 2nd sort ",
     {6, 5, 2, 3, 4, 3, 3},
     [](SharedState& s) {
       if (s.Level == 1) {
         BeginCylindersAndBarProblem(s);
       } else {
         BeginTwoDofOscillationProblem(s, 14);
       }
     },
     [](SharedState& s) {
       if (s.Level == 1) {
         WriteCylindersAndBarVariant(s);
       } else {
         WriteTwoDofOscillationVariant(s, 14);
       }
     }},  // 14 Level 1: cylinders and bar
    {"", {4, 16, 3, 4, 9, 33, 32}},                               // 15 blank
    {" Function Routh",
     {12, 2, 2, 2, 2, 2, 2},
     BeginRouthFunctionProblem,
     WriteRouthFunctionVariant},  // 16
    {" the Elementary fluctuations of system with 2 degrees of freedom ",
     {5, 5, 2, 3, 4, 33, 32},
     [](SharedState& s) { BeginTwoDofOscillationProblem(s, 17); },
     [](SharedState& s) { WriteTwoDofOscillationVariant(s, 17); }},  // 17
    {" the Analysis of fluctuations of system with 2 degrees of freedom",
     {5, 5, 2, 3, 4, 33, 32},
     [](SharedState& s) { BeginTwoDofOscillationProblem(s, 18); },
     [](SharedState& s) { WriteTwoDofOscillationVariant(s, 18); }},  // 18
    {" Limiting frequencies of system with 2 degrees of freedom ",
     {5, 5, 2, 3, 4, 33, 32},
     [](SharedState& s) { BeginTwoDofOscillationProblem(s, 19); },
     [](SharedState& s) { WriteTwoDofOscillationVariant(s, 19); }},  // 19
    {" Fluctuations of cylinders with springs ",
     {3, 2, 2, 2, 5, 5, 2},
     BeginCylinderSpringOscillationProblem,
     WriteCylinderSpringOscillationVariant},  // 20
    {" The calculation of the reaction of a complex system",
     {4, 2, 4, 4, 10, 33, 32},
     [](SharedState& s) {
       kinematics::BeginSevenLinkMechanismProblem(s, kinematics::kSevenLinkReactionsMode);
     },
     [](SharedState& s) {
       kinematics::WriteSevenLinkMechanismVariant(s, kinematics::kSevenLinkReactionsMode);
     }},  // 21 seven-link, mode 3
    {" Calculation of number of degrees of freedom ",
     {5, 6, 6, 6, 9, 33, 32},
     BeginDegreesOfFreedomProblem,
     WriteDegreesOfFreedomVariant},  // 22
    {" ", {2, 9, 6, 3, 3, 33, 32}},                                              // 23 blank
    {" Truss oscillation",
     {6, 2, 2, 2, 9, 33, 32},
     BeginTrussOscillationProblem,
     WriteTrussOscillationVariant},   // 24
    {" ", {35, 1, 1, 1, 1, 33, 32}},  // 25 blank
    {" Dynamic reactions of a shaft ",
     {2, 3, 4, 6, 10, 33, 32},
     BeginShaftReactionsProblem,
     WriteShaftReactionsVariant},                              // 26
    {"", {4, 4, 4, 2, 5, 33, 32}},                             // 27 blank
    {" Hamiltonian",
     {10, 2, 2, 3, 3, 3, 3},
     BeginHamiltonianProblem,
     [](SharedState& s) { WriteHamiltonianVariant(s, s.P1, s.P2, s.P3, s.P4, s.P5, s.P6); }},  // 28
    {" The Equation of Hamilton ",
     {10, 4, 4, 2, 1, 33, 32},
     BeginHamiltonEquationsProblem,
     [](SharedState& s) {
       WriteHamiltonEquationsVariant(s, s.P1, s.P2, s.P3, s.P4, s.P5, s.P6);
     }},  // 29
    {" Equation of Lagrange for system with one degree of freedom ",
     {127, 2, 2, 2, 10, 2, 5},
     mechanisms::BeginLagrangeCatalogueProblem,
     [](SharedState& s) {
       mechanisms::WriteLagrangeCatalogueVariant(s, s.P1, s.P2, s.P3, s.P4, s.P5, s.P6);
     }},  // 30
    {" The Coulisse. Lagrange equation",
     {33, 2, 4, 5, 5, 33, 32},
     BeginCoulisseLagrangeProblem,
     WriteCoulisseLagrangeVariant},  // 31
    {" Lagrange equation. Acceleration definition ",
     {5, 5, 9, 9, 9, 9, 9},
     BeginLagrangeGivenEnergyProblem,
     WriteLagrangeGivenEnergyVariant},  // 32
    {" Kinetic energy of system. The resulted weights ",
     {10, 10, 4, 4, 3, 6, 5},
     BeginReducedMassesProblem,
     WriteReducedMassesVariant},  // 33
    {" the Principle of possible movings (2) ",
     {5, 6, 3, 3, 4, 4, 4},
     [](SharedState& s) {
       kinematics::BeginRollingDiskMechanismProblem(s, kinematics::kRollingDiskStaticsMode);
     },
     [](SharedState& s) {
       kinematics::WriteRollingDiskMechanismVariant(s, kinematics::kRollingDiskStaticsMode);
     }},  // 34 rolling-disk mechanism, mode 2
};
static_assert(std::size(kDynamicsRows) == kDynamicsProblemCount);

// Rows 35..40 belong to no list row.
constexpr ParameterBounds kSpareBounds[] = {
    {1, 1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 1, 1},
    {1, 1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 1, 1},
};
static_assert(std::size(kSpareBounds) == 40 - kDynamicsProblemCount);

}  // namespace

const subjects::ProblemTab DynamicsTab{kDynamicsRows, kSpareBounds};

const toolkit::IndexedArray<std::string_view, 1, kDynamicsProblemCount> DynamicsTitles = [] {
  toolkit::IndexedArray<std::string_view, 1, kDynamicsProblemCount> t;
  for (int i = 1; i <= kDynamicsProblemCount; ++i) t[i] = kDynamicsRows[i - 1].Title;
  return t;
}();

const toolkit::TParameterRangeTable DynamicsRanges = subjects::RangesOf(DynamicsTab);

void SetDynamicsDefaultBox(SharedState& s) {
  s.BoxWidth = kDynamicsBoxWidth;
  s.BoxHeight = kDynamicsBoxHeight;
}

// The list passes a byte.
void BeginDynamicsProblem(SharedState& s, int problem) {
  SetDynamicsDefaultBox(s);
  subjects::BeginRowProblem(s, DynamicsTab, problem & 0xFF);
}

void WriteDynamicsVariant(SharedState& s, int problem) {
  subjects::WriteRowVariant(s, DynamicsTab, problem & 0xFF);
}

}  // namespace dynamics
