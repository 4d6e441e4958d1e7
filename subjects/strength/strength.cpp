#include "subjects/strength/strength.h"

#include "subjects/strength/composite_section.h"
#include "subjects/strength/compressed_rod_section.h"
#include "subjects/strength/critical_force.h"
#include "subjects/strength/elastic_support_stability.h"
#include "subjects/strength/constrained_torsion.h"
#include "subjects/strength/indeterminate_bar.h"
#include "subjects/strength/indeterminate_torsion.h"
#include "subjects/strength/open_profile_torsion.h"
#include "subjects/strength/open_profile_twist.h"
#include "subjects/strength/plane_stress.h"
#include "subjects/strength/prism_combined_loading.h"
#include "subjects/strength/rheological_model.h"
#include "subjects/strength/section_core.h"
#include "subjects/strength/sectorial_characteristics.h"
#include "subjects/strength/sectorial_coordinates.h"
#include "subjects/strength/shaft_torsion.h"
#include "subjects/strength/spatial_stress_state.h"
#include "subjects/strength/stepped_bar_tension.h"
#include "subjects/strength/stepped_rod_stability.h"
#include "subjects/structural/beam_influence_line.h"
#include "subjects/structural/beam_mass_oscillation.h"
#include "subjects/structural/bent_rod_deformation.h"
#include "subjects/structural/cantilever_frame_displacement.h"
#include "subjects/structural/continuous_beam.h"
#include "subjects/structural/finite_element_chain.h"
#include "subjects/structural/frame_displacement_method.h"
#include "subjects/structural/frame_force_method.h"
#include "subjects/structural/frame_hinge_displacement.h"
#include "subjects/structural/frame_unknown_count.h"
#include "subjects/structural/indeterminate_rod_system.h"
#include "subjects/structural/indeterminate_truss.h"
#include "subjects/structural/one_joint_frame.h"
#include "subjects/structural/parabolic_arch.h"
#include "subjects/structural/plate_on_four_rods.h"
#include "subjects/structural/plate_on_two_rods.h"
#include "subjects/structural/simple_beam.h"
#include "subjects/structural/split_beam.h"
#include "subjects/structural/truss_influence_line.h"
#include "subjects/structural/two_joint_frame.h"

namespace strength {

namespace {

using subjects::ParameterBounds;
using subjects::ProblemRow;

// The Mechanics of Materials list in row order: title as stored (trailing blanks included),
// bounds of P1..P7, begin and variant routines, and for rows 23 and 29 the pair that serves at
// Level 1. The rows of the structural-mechanics problems (1, 4, 5, 7, 8, 9, 10, 12..15, 20, 21,
// 23..26, 35, 37..39) call the routines of subjects/structural; the others those of this
// folder.
constexpr ProblemRow kMechanicsRows[] = {
    {"Calculation of the frame by the displacement    ",
     {3, 8, 3, 5, 5, 5, 8},
     structural::BeginFrameDisplacementMethodProblem,
     structural::WriteFrameDisplacementMethodVariant},  // 1 frame by the displacement method
    {"Structural models of the environment            ",
     {10, 2, 2, 2, 2, 33, 32},
     BeginRheologicalModelProblem,
     WriteRheologicalModelVariant},                                           // 2 rheological models
    {"Plane stress            ",
     {4, 10, 10, 10, 10, 10, 10},
     BeginPlaneStressProblem,
     WritePlaneStressVariant},            // 3 plane stress
    {"Beam                                    ",
     {6, 6, 6, 6, 6, 6, 6},
     structural::BeginSimpleBeamProblem,
     structural::WriteSimpleBeamVariant},  // 4 simple beam
    {"Statically indeterminate frame (the method of forces)",
     {6, 2, 3, 4, 6, 10, 14},
     structural::BeginIndeterminateFrameForceMethodProblem,
     structural::WriteIndeterminateFrameForceMethodVariant},  // 5 frame by the method of forces
    {"Geometric characteristics of sections   ",
     {6, 6, 6, 15, 10, 9, 13},
     BeginCompositeSectionProblem,
     [](SharedState& s) { WriteCompositeSectionVariant(s); }},  // 6 composite section
    {"Statically indeterminate rod system (2)",
     {30, 30, 30, 8, 8, 8, 8},
     structural::BeginIndeterminateRodSystemProblem,
     structural::WriteIndeterminateRodSystemVariant},  // 7
    {"Statically indeterminate truss    ",
     {30, 18, 14, 7, 9, 6, 5},
     [](SharedState& s) { structural::BeginIndeterminateTrussProblem(s, 1); },
     [](SharedState& s) { structural::WriteIndeterminateTrussVariant(s, 1); }},  // 8 indeterminate truss, mode 1
    {"Multispan split-beam         ",
     {4, 6, 6, 5, 5, 5, 5},
     structural::BeginHingedMultispanBeamProblem,
     structural::WriteHingedMultispanBeamVariant},  // 9 hinged multispan beam
    {"Multispan continuous beam         ",
     {6, 5, 5, 3, 3, 3, 5},
     structural::BeginContinuousBeamProblem,
     structural::WriteContinuousBeamVariant},  // 10 continuous beam
    {"Three-dimensional stress state ",
     {5, 30, 30, 30, 30, 30, 30},
     BeginSpatialStressStateProblem,
     WriteSpatialStressStateVariant},  // 11 spatial stress state
    {"Statically indeterminate frame (the method of displacement, 1)",
     {8, 62, 3, 3, 4, 4, 4},
     structural::BeginIndeterminateFrameDisplacement1Problem,
     structural::WriteIndeterminateFrameDisplacement1Variant},  // 12 frame by displacements, two joints
    {"Statically indeterminate frame (the method of displacement, 2)",
     {3, 3, 4, 3, 3, 4, 60},
     structural::BeginIndeterminateFrameDisplacement2Problem,
     structural::WriteIndeterminateFrameDisplacement2Variant},  // 13 frame by displacements, one joint
    {"The number of unknowns by the method of force and displacement me",
     {5, 5, 5, 30, 30, 30, 8},
     structural::BeginFrameUnknownCountProblem,
     structural::WriteFrameUnknownCountVariant},  // 14 number of unknowns
    {"3-hinge arch",
     {6, 5, 5, 8, 9, 9, 4},
     [](SharedState& s) { structural::BeginArchProblem(s, 1); },
     [](SharedState& s) { structural::WriteArchVariant(s, 1); }},  // 15 arch, mode 1
    {"Tension and compression rod",
     {10, 10, 10, 10, 10, 10, 10},
     BeginSteppedBarTensionProblem,
     WriteSteppedBarTensionVariant},  // 16 stepped bar in tension
    {"Stress state clamped beam",
     {10, 10, 10, 10, 10, 10, 10},
     BeginIndeterminateBarProblem,
     WriteIndeterminateBarVariant},    // 17 indeterminate bar
    {"Statically indeterminate problem of torsion",
     {10, 10, 10, 10, 10, 10, 10},
     BeginIndeterminateTorsionProblem,
     WriteIndeterminateTorsionVariant},  // 18 indeterminate torsion
    {"Torsion bars of open profile",
     {8, 8, 8, 8, 120, 120, 120},
     BeginOpenProfileTwistProblem,
     WriteOpenProfileTwistVariant},           // 19 open profile, relative twist
    {"2-hinge arch",
     {6, 5, 5, 8, 9, 9, 4},
     [](SharedState& s) { structural::BeginArchProblem(s, 2); },
     [](SharedState& s) { structural::WriteArchVariant(s, 2); }},  // 20 arch, mode 2
    {"Statically indeterminate frame",
     {3, 4, 5, 5, 10, 20, 20},
     structural::BeginFrameHingeDisplacementProblem,
     structural::WriteFrameHingeDisplacementVariant},  // 21 frame hinge displacement
    {"Complex impedance prismatic of bar",
     {12, 12, 12, 20, 20, 20, 20},
     BeginPrismCombinedLoadingProblem,
     WritePrismCombinedLoadingVariant},  // 22 prism under combined loading
    {"Statically indeterminate rod system (1)",
     {5, 5, 5, 5, 5, 5, 5},
     structural::BeginPlateOnFourRodsProblem,
     structural::WritePlateOnFourRodsVariant,
     structural::BeginPlateOnTwoRodsProblem,
     structural::WritePlateOnTwoRodsVariant},  // 23 plate on four rods; Level 1: plate on two rods
    {"Analysis of statically indeterminate trusses (2)",
     {30, 18, 14, 7, 9, 6, 5},
     [](SharedState& s) { structural::BeginIndeterminateTrussProblem(s, 2); },
     [](SharedState& s) { structural::WriteIndeterminateTrussVariant(s, 2); }},  // 24 indeterminate truss, mode 2
    {"Lines of influence efforts in the rods trusses",
     {18, 5, 5, 7, 2, 6, 5},
     structural::BeginTrussInfluenceLineProblem,
     structural::WriteTrussInfluenceLineVariant},  // 25 truss influence lines
    {"Deformation of the bent rod      ",
     {8, 8, 2, 2, 2, 3, 5},
     structural::BeginBentRodDeformationProblem,
     structural::WriteBentRodDeformationVariant},  // 26 bent rod deformation
    {"Torsion bars open profile  ",
     {10, 2, 2, 2, 2, 8, 8},
     BeginOpenProfileTorsionProblem,
     WriteOpenProfileTorsionVariant},  // 27 open profile torsion
    {"Torsion of rods of circular cross section ",
     {10, 10, 10, 10, 4, 4, 4},
     BeginShaftTorsionProblem,
     WriteShaftTorsionVariant},  // 28 shaft torsion
    {"Sectorial characteristics of the cross bars open profile",
     {10, 5, 5, 5, 5, 5, 5},
     BeginSectorialCharacteristicsProblem,
     WriteSectorialCharacteristicsVariant,
     BeginSectorialCoordinatesProblem,
     WriteSectorialCoordinatesVariant},  // 29 sectorial characteristics; Level 1: coordinates
    {"Constrained torsion of thin-walled open-profile",
     {4, 4, 5, 5, 20, 20, 20},
     BeginConstrainedTorsionProblem,
     WriteConstrainedTorsionVariant},  // 30 constrained torsion
    {"Critical force of a compressed rod      ",
     {5, 10, 9, 10, 10, 10, 10},
     BeginCriticalForceProblem,
     [](SharedState& s) { WriteCriticalForceVariant(s); }},  // 31 critical force
    {"Selecting the section of the longitudinally compressed rod",
     {7, 2, 4, 10, 5, 8, 10},
     BeginCompressedRodSectionProblem,
     WriteCompressedRodSectionVariant},  // 32 compressed rod section
    {"Stability of a rod on elastic supports  ",
     {10, 10, 1, 1, 1, 1, 1},
     BeginElasticSupportStabilityProblem,
     WriteElasticSupportStabilityVariant},  // 33 rod on elastic supports
    {"Stability of a rod with variable cross section",
     {5, 5, 5, 5, 10, 10, 10},
     BeginSteppedRodStabilityProblem,
     WriteSteppedRodStabilityVariant},  // 34 stepped rod stability
    {"Oscillation of mass on an elastic beam      ",
     {10, 10, 10, 10, 10, 10, 10},
     structural::BeginBeamMassOscillationProblem,
     structural::WriteBeamMassOscillationVariant},  // 35 beam mass oscillation
    {"The core of section                           ",
     {2, 3, 4, 7, 4, 4, 5},
     BeginSectionCoreProblem,
     WriteSectionCoreVariant},  // 36 section core
    {"Influence lines in a multiple-span beam ",
     {15, 11, 11, 11, 11, 6, 6},
     structural::BeginBeamInfluenceLineProblem,
     structural::WriteBeamInfluenceLineVariant},  // 37 beam influence lines
    {"Determination of displacements in cantilever frame",
     {4, 4, 4, 4, 4, 10, 15},
     structural::BeginCantileverFrameDisplacementProblem,
     structural::WriteCantileverFrameDisplacementVariant},  // 38 cantilever frame displacement
    {"Finite element method. One-dimensional problem",
     {8, 32, 32, 32, 10, 10, 10},
     structural::BeginFiniteElementChainProblem,
     structural::WriteFiniteElementChainVariant},  // 39 finite element chain
};
static_assert(std::size(kMechanicsRows) == kMechanicsProblemCount);

// Row 40 belongs to no list row.
constexpr ParameterBounds kSpareBounds[] = {
    {9, 9, 9, 5, 5, 5, 5},  // 40
};

}  // namespace

const subjects::ProblemTab MechanicsOfMaterialsTab{kMechanicsRows, kSpareBounds};

const toolkit::IndexedArray<std::string_view, 1, kMechanicsProblemCount> MechanicsTitles = [] {
  toolkit::IndexedArray<std::string_view, 1, kMechanicsProblemCount> t;
  for (int i = 1; i <= kMechanicsProblemCount; ++i) t[i] = kMechanicsRows[i - 1].Title;
  return t;
}();

const toolkit::TParameterRangeTable MechanicsRanges = subjects::RangesOf(MechanicsOfMaterialsTab);

// The list passes a byte.
void BeginMechanicsOfMaterialsProblem(SharedState& s, int problem) {
  subjects::BeginRowProblem(s, MechanicsOfMaterialsTab, problem & 0xFF);
}

void WriteMechanicsOfMaterialsVariant(SharedState& s, int problem) {
  subjects::WriteRowVariant(s, MechanicsOfMaterialsTab, problem & 0xFF);
}

}  // namespace strength
